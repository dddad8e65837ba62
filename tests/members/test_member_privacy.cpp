// What leaves the club of a member, what the club holds about a member, and the erasure of a
// former member; on both engines.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "competitions/championship.h"
#include "competitions/pool_store.h"
#include "data/club_settings.h"
#include "data/system_account.h"
#include "data/whole_file.h"
#include "federation/combined_result.h"
#include "members/member_privacy.h"
#include "members/member_records.h"
#include "races/entry_history.h"
#include "races/exchange_files.h"
#include "races/race_publish.h"
#include "races/race_ranking.h"
#include "reports/report_layout.h"
#include "test_context.h"

namespace {

const QDate kRaceDay(2026, 6, 20);

struct Member {
    const char* loftNo;
    const char* name;
    const char* street;
    const char* town;
    const char* postCode;
    const char* phone;
    const char* email;
    const char* lon;
    const char* lat;
    const char* ring;
    double speed;
};

// Four members, one of each publication choice; each has one clocked bird in race 1A.
const Member kMembers[] = {
    {"0101", "Jan Peeters", "Kerkstraat 12", "Lier", "2500", "+32 3 480 11 22",
     "jan.peeters@example.org", "E004'34:12.34", "N051'07:55.12", "BE-26-1111111", 1500.0},
    {"0102", "Marie Claes", "Molenweg 3", "Duffel", "2570", "+32 15 31 22 33",
     "marie.claes@example.org", "E004'29:01.11", "N051'05:44.21", "BE-26-2222222", 1450.0},
    {"0103", "Karel Wouters", "Veldstraat 88", "Boechout", "2530", "+32 3 455 66 77",
     "karel.wouters@example.org", "E004'30:21.45", "N051'09:33.87", "BE-26-3333333", 1400.0},
    {"0104", "Els Janssens", "Dorpsplein 7", "Kessel", "2560", "+32 3 482 99 00",
     "els.janssens@example.org", "E004'36:41.02", "N051'08:12.66", "BE-26-4444444", 1350.0},
};

void SeedClubAndRace(TdmZOLF& db) {
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, AssociationCode, Mode) "
        "values('KC','Kestrava Club','BE',0)");
    db.exec("insert into ZOL_LiberateSite (LiberCode, LiberSite) values('1A','Arras')");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime) "
        "values('KC','1A','Arras','2026-06-20','07:00:00')");
    for (const Member& m : kMembers) {
        db.exec(
            "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, Street, City, "
            "PostCode, PhoneNo, EMail, LoftLon, LoftLat, Notes, UpdateTime) "
            "values('BE',?,?,?,?,?,?,?,?,?,'gate code 4711','2026-01-10 10:00:00')",
            {m.loftNo, m.name, m.street, m.town, m.postCode, m.phone, m.email, m.lon, m.lat});
        db.exec("insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark, RYear) values(?,?,0,'2026')",
                {m.loftNo, m.ring});
        db.exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards, LoftName) "
            "values('1A',?,180,500,?)",
            {m.loftNo, m.name});
    }
}

void ClockBirds(TdmZOLF& db) {
    int minute = 0;
    for (const Member& m : kMembers) {
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "FlyTime, FlySpeed, Dist, TimeVari) values('KC','1A','2026-06-20',?,?,?,?,?,0)",
            {m.ring,
             QStringLiteral("2026-06-20 09:%1:00.000").arg(10 + minute, 2, 10, QLatin1Char('0')),
             QStringLiteral("02:%1:00.000").arg(10 + minute, 2, 10, QLatin1Char('0')), m.speed,
             180500});
        minute += 2;
    }
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every value of the member that must never be published.
QStringList NeverPublished(const Member& m) {
    return {QString::fromUtf8(m.street), QString::fromUtf8(m.postCode), QString::fromUtf8(m.phone),
            QString::fromUtf8(m.email),  QString::fromUtf8(m.lon),      QString::fromUtf8(m.lat),
            QStringLiteral("gate code")};
}

QString PrintedText(const ReportLayout& layout) {
    QStringList all;
    for (const ReportPage& page : layout.pages) {
        for (const LaidBand& band : page.bands) {
            for (const LaidText& t : band.texts) {
                all << t.text;
            }
        }
    }
    return all.join(QLatin1Char('\n'));
}

}  // namespace

class TestMemberPrivacy : public QObject {
    Q_OBJECT
  private slots:
    void initialsAndSurname_data();
    void initialsAndSurname();
    void everyPublishedOutputFollowsTheChoice();
    void exportHoldsEveryRowOfTheMemberAndNoOther();
    void erasureLeavesNoCopyAndMovesNoPlace();
    void retentionAsksOnceThenErasesFormerMembers();
    void historyUserIsTheLoginNotTheEnvironment();
};

void TestMemberPrivacy::initialsAndSurname_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("published");
    QTest::newRow("two words") << "Jan Peeters"
                               << "J. Peeters";
    QTest::newRow("particles") << "Jan Marie van den Berg"
                               << "J.M. van den Berg";
    QTest::newRow("blanks") << "  jan   de  Smet "
                            << "J. de Smet";
    QTest::newRow("one word") << "Peeters"
                              << "Peeters";
    QTest::newRow("accents") << "Élodie Dupré"
                             << "É. Dupré";
}

void TestMemberPrivacy::initialsAndSurname() {
    QFETCH(QString, name);
    QFETCH(QString, published);
    QCOMPARE(InitialsAndSurname(name), published);
}

void TestMemberPrivacy::everyPublishedOutputFollowsTheChoice() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedClubAndRace(db);
    ClockBirds(db);
    StorePublicationChoice(db, "0101", {NameShown::FullName, true});
    StorePublicationChoice(db, "0102", {NameShown::InitialsAndSurname, false});
    StorePublicationChoice(db, "0103", {NameShown::LoftNumberOnly, false});
    // 0104 never chose: full name, no town.

    const QString folder = t.root.path() + QStringLiteral("/publish");
    QDir().mkpath(folder);
    PublishRace(db, folder, "1A", kRaceDay);
    const CombinedResult combined = CombinedRanking(db, "1A", kRaceDay);
    QCOMPARE(combined.rows.size(), 4);
    WriteWholeFile(folder + QStringLiteral("/combined.html"),
                   CombinedResultHtml(combined, QStringLiteral("Federation"), 0));
    // The printed lists marked for publication: the ranking and the combined result.
    const QString printed =
        PrintedText(
            LayOutReport(RaceRankingReportOf(db, "1A", "2026-06-20", "1A Arras"), t.clock.now())) +
        PrintedText(LayOutReport(CombinedResultReport(combined, QStringLiteral("Federation"), 0),
                                 t.clock.now()));

    QMap<QString, QString> outputs{{QStringLiteral("printed"), printed}};
    QDirIterator files(folder, QDir::Files);
    while (files.hasNext()) {
        const QString file = files.next();
        outputs.insert(QFileInfo(file).fileName(), QString::fromUtf8(FileBytes(file)));
    }
    QCOMPARE(outputs.keys(), QStringList({"2026-06-20-1A.csv", "2026-06-20-1A.html",
                                          "combined.html", "index-2026.html", "printed"}));

    QStringList hidden{"Marie", "Duffel", "Karel", "Wouters", "Boechout", "Kessel"};
    for (const Member& m : kMembers) {
        hidden << NeverPublished(m);
    }
    for (auto o = outputs.cbegin(); o != outputs.cend(); ++o) {
        for (const QString& value : hidden) {
            QVERIFY2(!o.value().contains(value),
                     qPrintable(QStringLiteral("%1 in %2").arg(value, o.key())));
        }
        if (o.key() == QStringLiteral("index-2026.html")) {
            continue;  // names no member
        }
        // What the members allow is there.
        for (const char* shown : {"Jan Peeters (Lier)", "M. Claes", "0103", "Els Janssens"}) {
            QVERIFY2(o.value().contains(QLatin1String(shown)),
                     qPrintable(QStringLiteral("%1 not in %2").arg(shown, o.key())));
        }
    }
    // The club's result file for the federation, from which its combined result is made.
    const WinSpeedFiles club = BuildWinSpeedFiles(db, kRaceDay);
    const QString clubFile = (club.records + club.loftList).join(QLatin1Char('\n'));
    for (const QString& value : hidden) {
        QVERIFY2(!clubFile.contains(value), qPrintable(value));
    }
    QVERIFY(clubFile.contains(QStringLiteral("M. Claes")));
    QVERIFY(clubFile.contains(QStringLiteral("Jan Peeters")));

    const QStringList csv = QString::fromUtf8(FileBytes(folder + "/2026-06-20-1A.csv"))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(csv.size(), 5);
    // Loft number only (written so that a spreadsheet keeps its leading zero).
    QVERIFY2(csv.at(3).contains(QStringLiteral("\"=\"\"0103\"\"\",\"=\"\"0103\"\"\"")),
             qPrintable(csv.at(3)));
}

void TestMemberPrivacy::exportHoldsEveryRowOfTheMemberAndNoOther() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedClubAndRace(db);
    const RaceId race{"1A", kRaceDay};
    // Two birds per member in the race, one of them clocked.
    ClockBirds(db);
    for (const Member& m : kMembers) {
        const QString second = QString::fromLatin1(m.ring) + QStringLiteral("-2");
        db.exec("insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark) values(?,?,0)",
                {m.loftNo, second});
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
            "values('KC','1A','2026-06-20',?)",
            {second});
        db.exec("insert into ZOL_LoftClocks (LoftNo, ClockID) values(?,?)",
                {m.loftNo, QStringLiteral("CLK-") + QString::fromLatin1(m.loftNo)});
        db.exec(
            "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo, ClockID) "
            "values('1A','2026-06-20',?,?)",
            {m.loftNo, QStringLiteral("CLK-") + QString::fromLatin1(m.loftNo)});
    }
    PoolDefinition pool;
    pool.name = QStringLiteral("Open");
    pool.stake = 100;
    pool.split = {10000};
    SetRacePools(db, t.clock, race, {pool});
    for (const Member& m : kMembers) {
        SetNominations(db, t.clock, race, m.loftNo, {m.ring});
        EnterBird(db, t.clock, race, "Open", m.ring);
    }
    ChampionshipDefinition champ;
    champ.name = QStringLiteral("Season 2026");
    champ.season = 2026;
    champ.points = {10, 8, 6, 4};
    SaveChampionship(db, champ);
    EnsureEntryHistoryTables(db);
    for (const Member& m : kMembers) {
        RecordEntryChange(db, "1A", kRaceDay,
                          EntryChange{t.clock.now(),
                                      EntryWorkflow::ManualTime,
                                      m.ring,
                                      "BackTime",
                                      {},
                                      "09:10:00",
                                      "secretary",
                                      {}});
    }
    CreateSeasonResultTable(db);
    db.exec(
        "insert into KST_SeasonResult (LiberCode, LiberDate, PRingNo, LoftNo, FlySpeed) "
        "select LiberCode, '2025-05-01', PRingNo, (select LoftNo from ZOL_PigData p where "
        "p.PRingNo=a.PRingNo), FlySpeed from ZOL_PigRaceData a where FlySpeed is not null");
    StorePublicationChoice(db, "0102", {NameShown::InitialsAndSurname, true});
    StorePublicationChoice(db, "0101", {NameShown::LoftNumberOnly, false});

    t.prompts.fileNames << t.root.path();
    QVERIFY(ExportMemberRecordAction(db, t.prompts, t.clock, "0102"));
    const QString base = QStringLiteral("Member 0102 2026-06-15");
    const QString folder = t.root.path() + QLatin1Char('/') + base;
    const QByteArray json = FileBytes(folder + QLatin1Char('/') + base + ".json");
    const QByteArray pdf = FileBytes(folder + QLatin1Char('/') + base + ".pdf");
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

    const QJsonObject tables = QJsonDocument::fromJson(json).object()["tables"].toObject();
    const QList<std::pair<const char*, int>> expected{
        {"ZOL_LoftData", 1},          {"ZOL_LoftClocks", 1},    {"ZOL_PigData", 2},
        {"ZOL_PigRaceData", 2},       {"ZOL_RaceClockTime", 1}, {"ZOL_LoftLibPointDist", 1},
        {"KST_Nomination", 1},        {"KST_PoolEntry", 1},     {"KST_SeasonResult", 1},
        {"KST_EntryHistory", 1},      {"KST_MemberPrivacy", 1}, {"Pool payouts", 1},
        {"Championship standings", 1}};
    for (const auto& [table, rows] : expected) {
        QVERIFY2(tables.contains(QLatin1String(table)), table);
        QCOMPARE(tables[QLatin1String(table)].toArray().size(), rows);
    }
    const QJsonObject loft = tables["ZOL_LoftData"].toArray().first().toObject();
    QCOMPARE(loft["Street"].toString(), QStringLiteral("Molenweg 3"));
    QCOMPARE(loft["PhoneNo"].toString(), QStringLiteral("+32 15 31 22 33"));
    QCOMPARE(tables["Pool payouts"].toArray().first().toObject()["Place"].toInt(), 2);
    // Nothing of another member.
    const QString text = QString::fromUtf8(json);
    for (const Member& m : kMembers) {
        if (QLatin1String(m.loftNo) == QLatin1String("0102")) {
            continue;
        }
        for (const QString& value : {QString::fromLatin1(m.loftNo), QString::fromUtf8(m.name),
                                     QString::fromLatin1(m.ring), QString::fromUtf8(m.street)}) {
            QVERIFY2(!text.contains(value), qPrintable(value));
        }
    }
    // The PDF reads as the JSON: the member's values in it, nobody else's.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", folder + QLatin1Char('/') + base + ".pdf", "-"});
    if (pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0) {
        const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(pdfText.contains(QStringLiteral("Marie Claes")));
        QVERIFY(pdfText.contains(QStringLiteral("Molenweg 3")));
        QVERIFY(!pdfText.contains(QStringLiteral("Peeters")));
    }
}

void TestMemberPrivacy::erasureLeavesNoCopyAndMovesNoPlace() {
    TestContext t;
    TdmZOLF& db = *t.db;
    if (!db.isServer()) {
        // Some builds of SQLite zero deleted content themselves; the program must not rely on
        // that.
        db.exec("pragma secure_delete=0");
    }
    SeedClubAndRace(db);
    ClockBirds(db);
    // The member was once entered under another loft number and deleted: a copy of their data
    // lies in the file's free space.
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName, Street, PhoneNo) select '0199', "
        "LoftName, Street, PhoneNo from ZOL_LoftData where LoftNo='0102'");
    db.exec("delete from ZOL_LoftData where LoftNo='0199'");
    StorePublicationChoice(db, "0102", {NameShown::InitialsAndSurname, true});
    QDir().mkpath(t.paths.backupDir);
    const QString backup = t.paths.backupDir + QStringLiteral("/Kestrava_Europe.bak");
    if (db.isServer()) {
        WriteWholeFile(backup, "a server backup");
    } else {
        db.backupTo(backup);
    }
    const QString folder = t.root.path() + QStringLiteral("/publish");
    QDir().mkpath(folder);
    const auto published = [&] {
        PublishRace(db, folder, "1A", kRaceDay);
        return QString::fromUtf8(FileBytes(folder + "/2026-06-20-1A.csv"))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    };
    const QStringList before = published();

    const Erasure first = EraseMember(db, "0102", t.paths.backupDir);
    QCOMPARE(first.label, QStringLiteral("Former member 1"));
    QCOMPARE(first.rewriteFailure, QString());
    QCOMPARE(first.backups.size(), 1);
    QVERIFY(first.backups.first().file.endsWith(QStringLiteral("Kestrava_Europe.bak")));

    const QStringList after = published();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        if (before.at(i).contains(QStringLiteral("\"=\"\"0102\"\"\","))) {
            QString expected = before.at(i);
            expected.replace(QStringLiteral("M. Claes (Duffel)"),
                             QStringLiteral("Former member 1"));
            QCOMPARE(after.at(i), expected);  // same place, speed and ring
        } else {
            QCOMPARE(after.at(i), before.at(i));
        }
    }
    const QList<QVariantList> row = db.rows(
        "select LoftName, Street, City, PostCode, PhoneNo, EMail, LoftLon, LoftLat, Notes from "
        "ZOL_LoftData where LoftNo='0102'");
    QCOMPARE(row.first().first().toString(), QStringLiteral("Former member 1"));
    for (int i = 1; i < row.first().size(); ++i) {
        QCOMPARE(row.first().at(i).toString(), QString());
    }
    QCOMPARE(EraseMember(db, "0103", t.paths.backupDir).label, QStringLiteral("Former member 2"));
    QCOMPARE(EraseMember(db, "0102", t.paths.backupDir).label, QStringLiteral("Former member 1"));
    QVERIFY_THROWS_EXCEPTION(UserError, EraseMember(db, "9999", t.paths.backupDir));

    if (!db.isServer()) {
        // Nowhere in the file itself, free pages included.
        const QByteArray raw = FileBytes(t.paths.databaseFile);
        QVERIFY(!raw.isEmpty());
        for (const char* gone : {"Marie Claes", "Molenweg 3", "+32 15 31 22 33", "Karel Wouters",
                                 "Veldstraat 88", "+32 3 455 66 77"}) {
            QVERIFY2(!raw.contains(gone), gone);
        }
        QVERIFY(raw.contains("Jan Peeters"));
        // The backup made before still holds them, as the erasure said.
        QVERIFY(FileBytes(first.backups.first().file).contains("Marie Claes"));
    }
}

void TestMemberPrivacy::retentionAsksOnceThenErasesFormerMembers() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedClubAndRace(db);
    ClockBirds(db);
    // 0103 last raced in 2019 and has changed nothing since; 0104 raced in 2019 too but has a
    // ring of this season. A member without any result is never erased.
    db.exec(
        "update ZOL_PigRaceData set LiberDate='2019-06-20' where PRingNo in "
        "('BE-26-3333333','BE-26-4444444')");
    db.exec("update ZOL_PigData set RYear='2019' where LoftNo='0103'");
    db.exec(
        "update ZOL_LoftData set UpdateTime='2019-03-01 10:00:00' where LoftNo in "
        "('0103','0104')");
    db.exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, UpdateTime) "
        "values('BE','0105','New Member','2018-01-01 10:00:00')");

    QCOMPARE(ApplyRetention(db, t.prompts, t.clock, t.paths.backupDir), 0);  // keeps all
    QVERIFY(t.prompts.shown.isEmpty());
    SetClubSetting(db, kResultSeasonsKeptSetting, "3");
    QCOMPARE(MembersBeyondRetention(db, 3, t.clock.today()), QStringList{"0103"});
    QCOMPARE(MembersBeyondRetention(db, 8, t.clock.today()), QStringList());

    t.prompts.answers << Prompts::Answer::No;
    QCOMPARE(ApplyRetention(db, t.prompts, t.clock, t.paths.backupDir), 0);
    QCOMPARE(t.prompts.of("question").size(), 1);
    QCOMPARE(db.value("select LoftName from ZOL_LoftData where LoftNo='0103'").toString(),
             QStringLiteral("Karel Wouters"));

    t.prompts.answers << Prompts::Answer::Yes;
    QCOMPARE(ApplyRetention(db, t.prompts, t.clock, t.paths.backupDir), 1);
    QCOMPARE(t.prompts.of("question").size(), 2);
    QCOMPARE(db.value("select LoftName from ZOL_LoftData where LoftNo='0103'").toString(),
             QStringLiteral("Former member 1"));
    // Later starts do not ask again.
    db.exec("update ZOL_PigData set RYear='2019' where LoftNo='0104'");
    QCOMPARE(ApplyRetention(db, t.prompts, t.clock, t.paths.backupDir), 1);
    QCOMPARE(t.prompts.of("question").size(), 2);
}

void TestMemberPrivacy::historyUserIsTheLoginNotTheEnvironment() {
    TestContext t;
    TdmZOLF& db = *t.db;
    const QString login = LoginName(db);
    QVERIFY(!login.isEmpty());
    for (const char* name : {"USER", "USERNAME", "LOGNAME"}) {
        qputenv(name, "mallory");
    }
    QCOMPARE(LoginName(db), login);
    QVERIFY(login != QStringLiteral("mallory"));
    if (!db.isServer()) {
        QCOMPARE(login, SystemAccountName());
    }
}

QTEST_MAIN(TestMemberPrivacy)
#include "test_member_privacy.moc"
