#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <tuple>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "federation/club_files.h"
#include "federation/combined_result.h"
#include "federation/federation_import.h"
#include "fuzz/winspeed_checks.h"
#include "members/member_store.h"
#include "race_reference.h"
#include "races/exchange_files.h"
#include "races/flying_time.h"
#include "races/race_results.h"
#include "races/race_store.h"
#include "spreadsheet/workbook_writer.h"
#include "test_context.h"

namespace {

const QDate kDay(2026, 6, 13);
const QString kSite = QStringLiteral("B23");

// A club database of its own with one race from site B23, as the club's secretary keeps it.
struct ClubFixture {
    QString id;
    std::unique_ptr<TdmZOLF> db;

    ClubFixture(const QString& dir, const QString& clubId)
        : id(clubId), db(std::make_unique<TdmZOLF>(dir + QLatin1Char('/') + clubId + ".db")) {
        db->exec(
            "insert into ZOL_ClubData (ClubID, ClubName, AssociationCode, Mode) values "
            "(?, ?, 'BE', 0)",
            {id, "Club " + id});
        db->exec(
            "insert into ZOL_LiberateSite (LiberCode, LiberSite, LiberSiteAbbr) values "
            "('B23', 'Brussel', 'BRX')");
        db->exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "RaceCode) values (?, 'B23', 'Brussel', ?, '08:00:00', 'B230613')",
            {id, DateText(kDay)});
    }
    void loft(const QString& loft, const QString& name, int km = -1, int m = 0) {
        db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values (?, ?)", {loft, name});
        if (km >= 0) {
            db->exec(
                "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
                "('B23', ?, ?, ?)",
                {loft, km, m});
        }
    }
    // A bird marked for the race; arrived at `arrival` when it is valid.
    void bird(const QString& loft, const QString& ring, const QTime& arrival,
              const QVariant& sex = QStringLiteral("C")) {
        db->exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) values "
            "(?, ?, ?, 'BB', 0)",
            {loft, ring, sex});
        QVariant back, speed, dist, fly;
        if (arrival.isValid()) {
            const QDateTime at(kDay, arrival);
            const QVariant km = db->value(
                "select Miles*1000+Yards from ZOL_LoftLibPointDist where LoftNo=?", {loft});
            const qint64 ms = CalcuateSecs(0, at, QDateTime(kDay, QTime(8, 0)), {});
            back = MomentMsText(at);
            fly = MsToFlyTime(ms);
            if (!km.isNull()) {
                dist = km;
                speed = StoredFlySpeed(CalcFlySpeed(km.toLongLong(), ms));
            }
        }
        db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "FlySpeed, Dist, FlyTime, TimeVari, MarkedTime) values "
            "(?, 'B23', ?, ?, ?, ?, ?, ?, 0, '2026-06-12 18:00:00')",
            {id, DateText(kDay), ring, back, speed, dist, fly});
    }
    // The club's own result list, as (club, loft, ring, speed).
    QList<std::tuple<QString, QString, QString, double>> result() {
        QList<std::tuple<QString, QString, QString, double>> out;
        for (const QVariantList& r : AllRows(*db, RaceResultSql(), {kSite, DateText(kDay)})) {
            out << std::make_tuple(id, r[6].toString(), r[2].toString(), r[5].toDouble());
        }
        return out;
    }
    QString exportWorkbook(const QString& dir) {
        const QString file = dir + QLatin1Char('/') + id + "-result.xlsx";
        RaceResultWorkbook(*db, kSite, kDay).save(file);
        return file;
    }
    // The WinSpeed set under a name of the club's own choosing, the lists' names in other case.
    QString exportWinSpeed(const QString& dir) {
        const WinSpeedFiles files = BuildWinSpeedFiles(*db, kDay);
        const QString file = dir + "/club " + id + " week 24.txt";
        WriteExchangeFiles({{file, files.records},
                            {dir + "/LIBERCODE_LIST.TXT", files.liberCodeList},
                            {dir + "/loft_list.txt", files.loftList}});
        return file;
    }
};

int Count(TdmZOLF& db, const QString& table) {
    return db.value("select count(*) from " + table).toInt();
}

// A small file of one club's race, built in place, for the conflict cases.
ClubFile SmallFile(const QString& club, const QList<std::pair<QString, QString>>& ringsLofts,
                   const QString& code = QStringLiteral("B23")) {
    ClubFile f;
    f.kind = ClubFile::Kind::ResultWorkbook;
    f.fileName = club + ".xlsx";
    f.clubId = club;
    f.clubName = "Club " + club;
    f.races << ClubFileRace{code, kDay};
    int second = 0;
    for (const auto& [ring, loft] : ringsLofts) {
        ClubFileEntry e;
        e.liberCode = code;
        e.liberDate = kDay;
        e.ring = ring;
        e.loftNo = loft;
        e.backTime = MomentMsText(QDateTime(kDay, QTime(10, 0, second++)));
        e.flySpeed = 1000.0 - second;
        e.dist = 120000;
        f.entries << e;
    }
    return f;
}

// A WinSpeed pigeon record of loft 01 in race 01, arrived at "ddmmhhnnss".
QByteArray Pigeon(const QByteArray& arrival, const QByteArray& ring = "BE-26-1001") {
    return "3001001" + ring.leftJustified(14, ' ') + "C 11" + arrival + QByteArray(28, '0') +
           "BB\r\n";
}

ImportResult Import(TdmZOLF& db, const ClubFile& file) {
    ImportPlan plan = PlanImport(db, file);
    for (Choice& c : plan.choices) {
        c = Choice::Take;
    }
    return StoreImport(db, plan);
}

}  // namespace

class TestFederation : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> t;
    QTemporaryDir files;

    TdmZOLF& db() { return *t->db; }

  private slots:
    void init() {
        t = std::make_unique<TestContext>();
        // The federation's own database: its site, its release and the distances it keeps.
        db().exec(
            "insert into ZOL_ClubData (ClubID, ClubName, AssociationCode, Mode) values "
            "('FED', 'Federation', 'BE', 0)");
        db().exec("insert into ZOL_ClubMap (ClubID, ClubName) values ('FED', 'Federation')");
        db().exec(
            "insert into ZOL_LiberateSite (LiberCode, LiberSite, LiberSiteAbbr) values "
            "('B23', 'Brussel', 'BRX')");
        db().exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "RaceCode) values ('FED', 'B23', 'Brussel', ?, '08:00:00', 'B230613')",
            {DateText(kDay)});
        db().exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
            "('B23', 'C1', 110, 250), ('B23', 'C2', 95, 0)");
    }
    void cleanup() { t.reset(); }

    // Three clubs send their files (two result workbooks and a WinSpeed set); the combined
    // ranking is the three clubs' own result lists merged: same rows, places and ties.
    void threeClubsMergeAsByHand() {
        QTemporaryDir dirA, dirB, dirC;
        ClubFixture a(dirA.path(), "A"), b(dirB.path(), "B"), c(dirC.path(), "C");
        a.loft("A1", "Aerts", 100, 0);
        a.loft("A2", "Baeten", 120, 500);
        a.bird("A1", "BE-26-1001", QTime(9, 40));  // 1000 m/min
        a.bird("A2", "BE-26-1002", QTime(10, 0, 30));
        a.bird("A1", "BE-26-1003", QTime());  // not home
        b.loft("B1", "Claes", 100, 0);
        b.loft("B2", "Dirks", 90, 0);
        b.bird("B1", "BE-26-2001", QTime(9, 40));  // ties with BE-26-1001
        b.bird("B2", "BE-26-2002", QTime(9, 35));
        c.loft("C1", "Eeckhout", 110, 250);
        c.loft("C2", "Frans", 95, 0);
        c.loft("C3", "Goris");  // no distance to the site anywhere
        c.bird("C1", "BE-26-3001", QTime(9, 50, 12), QVariant());  // no sex stored
        c.bird("C2", "BE-26-3002", QTime(9, 35));                  // ties with BE-26-2002
        c.bird("C3", "BE-26-3003", QTime(9, 30));

        QVERIFY(
            Import(db(), ReadClubFile(a.exportWorkbook(files.path()), "A", "Club A", 0)).entries ==
            2);
        QVERIFY(
            Import(db(), ReadClubFile(b.exportWorkbook(files.path()), "B", "Club B", 0)).entries ==
            2);
        const ImportResult rc =
            Import(db(), ReadClubFile(c.exportWinSpeed(files.path()), "C", "Club C", 0));
        QCOMPARE(rc.entries, 3);

        auto expected = a.result() + b.result() + c.result();
        std::sort(expected.begin(), expected.end(), [](const auto& x, const auto& y) {
            return std::get<3>(x) != std::get<3>(y) ? std::get<3>(x) > std::get<3>(y)
                                                    : std::get<2>(x) < std::get<2>(y);
        });
        const CombinedResult result = CombinedRanking(db(), kSite, kDay);
        QCOMPARE(result.rows.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const auto& [club, loft, ring, speed] = expected[i];
            int place = 1;
            for (const auto& other : expected) {
                place += std::get<3>(other) > speed ? 1 : 0;
            }
            const CombinedRow& r = result.rows[i];
            QCOMPARE(r.ring, ring);
            QCOMPARE(r.clubId, club);
            QCOMPARE(r.loftNo, loft);
            QCOMPARE(r.flySpeed, speed);
            QCOMPARE(r.place, place);
        }
        QList<int> places;
        for (const CombinedRow& r : result.rows) {
            places << r.place;
        }
        // Four birds of three clubs at 1000 m/min share second place.
        QCOMPARE(places, (QList<int>{1, 2, 2, 2, 2, 6}));
        // The WinSpeed loft names came with the file; the lofts without a distance are listed.
        QCOMPARE(db().value("select LoftName from KST_FedLoft where ClubID='C' and LoftNo='C1'")
                     .toString(),
                 QString("Eeckhout"));
        QCOMPARE(result.missing.size(), 1);
        QCOMPARE(result.missing[0].loftNo, QString("C3"));
        QCOMPARE(result.missing[0].clocked, 1);
        QCOMPARE(result.overall.birds, 7);  // the workbooks carry clocked birds only
        QCOMPARE(result.overall.ranked, 6);
        const QStringList clubs{result.clubs[0].clubId, result.clubs[1].clubId,
                                result.clubs[2].clubId};
        QCOMPARE(clubs, (QStringList{"A", "B", "C"}));
        // Club C sent 3 birds: one prize (one per four sent, at least one), its fastest.
        const QList<PrizeRow> prizes = ClubPrizeList(result, "C");
        QCOMPARE(prizes.size(), 1);
        QCOMPARE(prizes[0].row.ring, QString("BE-26-3001"));
        QCOMPARE(prizes[0].row.place, 1);

        // Printed and published: every ranked ring, and the loft left out named.
        const ReportDefinition printed = CombinedResultReport(result, "Federation", 0);
        QCOMPARE(printed.rows.size(), 6);
        QCOMPARE(printed.rows[0][4], QString("BE-26-3001"));
        QVERIFY(printed.titleBand.last().first().text.contains("C C3"));
        QTemporaryDir site;
        t->prompts.fileNames.enqueue(site.path());
        const QString page = PublishCombinedResult(db(), t->prompts, result, "Federation", 0);
        QFile html(page);
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(html.readAll());
        for (const auto& row : expected) {
            QVERIFY(text.contains(std::get<2>(row)));
        }
        QVERIFY(text.contains("C3"));
    }

    void eachConflictWithEachDecision_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("take");
        for (int k = 0; k < kConflictKinds; ++k) {
            for (bool take : {false, true}) {
                QTest::addRow("%d-%s", k, take ? "take" : "skip") << k << take;
            }
        }
    }
    // A first import of club A (loft A1 "Aerts" with ring R1), then a file of one conflict.
    void eachConflictWithEachDecision() {
        QFETCH(int, kind);
        QFETCH(bool, take);
        ClubFile first = SmallFile("A", {{"R1", "A1"}});
        first.loftNames.insert("A1", "Aerts");
        Import(db(), first);

        ClubFile file;
        switch (ConflictKind(kind)) {
            case ConflictKind::LoftRenamed:
                file = SmallFile("A", {{"R1", "A1"}});
                file.races[0].liberDate = file.entries[0].liberDate = kDay.addDays(7);
                file.loftNames.insert("A1", "Aerts-Peeters");
                break;
            case ConflictKind::RingInTwoLofts:
                file = SmallFile("B", {{"R1", "B1"}, {"R2", "B2"}});
                break;
            case ConflictKind::LoftInTwoClubs:
                file = SmallFile("B", {{"R5", "A1"}, {"R6", "B1"}});
                break;
            case ConflictKind::RaceImported:
                file = SmallFile("A", {{"R1", "A1"}, {"R9", "A1"}});
                break;
            case ConflictKind::UnknownSite:
                file = SmallFile("B", {{"R7", "B1"}}, "9F");
                break;
        }
        ImportPlan plan = PlanImport(db(), file);
        QVERIFY2(plan.has(ConflictKind(kind)), qPrintable(PreviewLines(plan).join('\n')));
        for (int k = 0; k < kConflictKinds; ++k) {
            if (k != kind) {
                QVERIFY2(!plan.has(ConflictKind(k)), qPrintable(PreviewLines(plan).join('\n')));
            }
        }
        // Nothing is stored while the conflict is undecided.
        const int before = Count(db(), "KST_FedEntry");
        QVERIFY(!Unresolved(plan).isEmpty());
        QVERIFY_THROWS_EXCEPTION(UserError, StoreImport(db(), plan));
        QCOMPARE(Count(db(), "KST_FedEntry"), before);

        plan.choice(ConflictKind(kind)) = take ? Choice::Take : Choice::Skip;
        if (ConflictKind(kind) == ConflictKind::UnknownSite && take) {
            QVERIFY(!Unresolved(plan).isEmpty());  // the site is still to be chosen
            plan.chooseSite("9F", kDay, "B23");
        }
        QVERIFY2(Unresolved(plan).isEmpty(), qPrintable(Unresolved(plan).join('\n')));
        const ImportResult stored = StoreImport(db(), plan);

        auto has = [&](const QString& club, const QString& ring) {
            return db().rowCount("select 1 from KST_FedEntry where ClubID=? and PRingNo=?",
                                 {club, ring}) > 0;
        };
        switch (ConflictKind(kind)) {
            case ConflictKind::LoftRenamed:
                QCOMPARE(
                    db().value("select LoftName from KST_FedLoft where LoftNo='A1'").toString(),
                    take ? QString("Aerts-Peeters") : QString("Aerts"));
                break;
            case ConflictKind::RingInTwoLofts:
                QCOMPARE(has("B", "R1"), take);
                QVERIFY(has("B", "R2"));
                QCOMPARE(stored.skipped, take ? 0 : 1);
                break;
            case ConflictKind::LoftInTwoClubs:
                QCOMPARE(has("B", "R5"), take);
                QVERIFY(has("B", "R6"));
                QCOMPARE(db().rowCount("select 1 from KST_FedLoft where ClubID='B' and "
                                       "LoftNo='A1'"),
                         take ? 1 : 0);
                break;
            case ConflictKind::RaceImported:
                QCOMPARE(has("A", "R9"), take);
                QCOMPARE(Count(db(), "KST_FedEntry"), take ? 2 : 1);
                QCOMPARE(Count(db(), "KST_FedRace"), 1);
                break;
            case ConflictKind::UnknownSite:
                QCOMPARE(has("B", "R7"), take);
                QCOMPARE(CombinedRanking(db(), kSite, kDay).rows.size(), take ? 2 : 1);
                break;
        }
    }

    // One ring under two lofts of one file is a conflict as well.
    void ringTwiceInOneFile() {
        const ImportPlan plan = PlanImport(db(), SmallFile("B", {{"R1", "B1"}, {"R1", "B2"}}));
        QVERIFY(plan.has(ConflictKind::RingInTwoLofts));
    }

    // Cancelled halfway, or failing halfway, the import leaves the database as it was.
    void cancelledOrFailedImportStoresNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("failed") << false;
    }
    void cancelledOrFailedImportStoresNothing() {
        QFETCH(bool, cancel);
        Import(db(), SmallFile("A", {{"R1", "A1"}}));
        QList<std::pair<QString, QString>> birds;
        for (int i = 0; i < 1200; ++i) {
            birds << std::make_pair(QString("X%1").arg(i, 4, 10, QChar('0')),
                                    QString("L%1").arg(i % 40));
        }
        ImportPlan plan = PlanImport(db(), SmallFile("X", birds));
        QVERIFY(Unresolved(plan).isEmpty());
        int calls = 0;
        auto progress = [&](int, int) { return !cancel || ++calls < 2; };
        if (!cancel && TestsOnServer()) {
            db().exec(
                "create function fail_halfway() returns trigger language plpgsql as $$ begin if "
                "new.PRingNo='X0700' then raise exception 'disk I/O error'; end if; return new; "
                "end $$");
            db().exec(
                "create trigger FailHalfway before insert on KST_FedEntry for each row execute "
                "function fail_halfway()");
        } else if (!cancel) {
            db().exec(
                "create trigger FailHalfway before insert on KST_FedEntry when "
                "new.PRingNo='X0700' begin select raise(abort, 'disk I/O error'); end");
        }
        QVERIFY_THROWS_EXCEPTION(UserError, StoreImport(db(), plan, progress));
        QCOMPARE(Count(db(), "KST_FedEntry"), 1);
        QCOMPARE(Count(db(), "KST_FedRace"), 1);
        QCOMPARE(Count(db(), "KST_FedLoft"), 1);
        QCOMPARE(db().rowCount("select 1 from ZOL_ClubMap where ClubID='X'"), 0);
    }

    // The federation's own club screens keep showing the own club's data only.
    void clubScreensShowOnlyTheirClub() {
        db().exec("insert into ZOL_LoftData (LoftNo, LoftName) values ('F1', 'Own')");
        db().exec("insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark) values ('F1', 'OWN1', 0)");
        db().exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
            "('B23', 'F1', 100, 0)");
        db().exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "FlySpeed, Dist, FlyTime) values ('FED', 'B23', ?, 'OWN1', "
            "'2026-06-13 09:40:00.000', 1000, 100000, '01:40:00.000')",
            {DateText(kDay)});
        ClubFile other = SmallFile("A", {{"R1", "A1"}, {"R2", "A2"}});
        other.loftNames.insert("A1", "Aerts");
        Import(db(), other);

        QCOMPARE(AllRows(db(), RaceListSql(), {}).size(), 1);
        QCOMPARE(AllRows(db(), MemberListSql(), {}).size(), 1);
        const auto own = AllRows(db(), RaceResultSql(), {kSite, DateText(kDay)});
        QCOMPARE(own.size(), 1);
        QCOMPARE(own[0][2].toString(), QString("OWN1"));
        QCOMPARE(RaceResultSummary(db(), kSite, kDay).birds, 1);
        // The combined result holds both clubs, the own club under its code.
        const CombinedResult all = CombinedRanking(db(), kSite, kDay);
        QCOMPARE(all.rows.size(), 3);
        QCOMPARE(all.rows[0].clubId, QString("FED"));
        QVERIFY(FederationClubCount(db()) > 1);
        // A club's own files are not imported into its own database.
        QVERIFY_THROWS_EXCEPTION(UserError, PlanImport(db(), SmallFile("FED", {{"R1", "F1"}})));
    }

    // Club files come from outside: an unreadable, oversized or impossible line is refused
    // with the file and the line named, before anything is stored.
    void badWinSpeedLinesAreRefused_data() {
        QTest::addColumn<QByteArray>("raceList");
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("message");
        const QByteArray race = "01,130626,B23\r\n";
        const QString records = "W0010124.D00, line 1";
        QTest::newRow("unknown loft")
            << race
            << QByteArray("3001009BE-26-1001    C 1113094000000000010000000000000000000000BB\r\n")
            << records << "loft number '009'";
        QTest::newRow("short record")
            << race << QByteArray("3001001BE-26\r\n") << records << "too short";
        QTest::newRow("bad arrival") << race << Pigeon("1399000000") << records << "not an arrival";
        QTest::newRow("arrival before the race")
            << race << Pigeon("1206094000") << records << "outside the race of 2026-06-13";
        QTest::newRow("arrival weeks after the race")
            << race << Pigeon("0407094000") << records << "outside the race";
        QTest::newRow("race day to come") << QByteArray("01,130699,B23\r\n") << Pigeon("1306094000")
                                          << "LiberCode_List.txt, line 1"
                                          << "still to come";
        QTest::newRow("zero byte") << race << QByteArray("3001001BE-26\0-1001", 18) + "\r\n"
                                   << records << "not text";
        QTest::newRow("utf-16 list")
            << QByteArray::fromRawData(reinterpret_cast<const char*>(u"01,130626,B23\r\n"), 30)
            << Pigeon("1306094000") << "LiberCode_List.txt, line 1"
            << "not text";
        QByteArray big = Pigeon("1306094000").repeated(kClubFileMaxBytes / 60);
        QTest::newRow("oversized") << race << big << "W0010124.D00"
                                   << "larger than";
    }
    void badWinSpeedLinesAreRefused() {
        QFETCH(QByteArray, raceList);
        QFETCH(QByteArray, records);
        QFETCH(QString, where);
        QFETCH(QString, message);
        QTemporaryDir dir;
        auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write("LiberCode_List.txt", raceList);
        write("Loft_List.txt", "01,A1\r\n");
        write("W0010124.D00", records);
        try {
            ReadWinSpeedSet(dir.filePath("W0010124.D00"), "A", "Club A");
            QFAIL("not refused");
        } catch (const UserError& e) {
            QVERIFY2(e.text().contains(message) && e.text().contains(where), qPrintable(e.text()));
        }
    }

    // A well-formed set whose arrival is impossibly early for the loft's distance: the import
    // stops at that line and keeps none of the file.
    void impossibleWinSpeedSpeedStoresNothing() {
        const ClubFile file = ParseWinSpeedSet(
            {"W0010124.D00", Pigeon("1306094000", "C1-1") + Pigeon("1306081000", "C1-2")},
            {"LiberCode_List.txt", "01,130626,B23\r\n"}, {"Loft_List.txt", "01,C1\r\n"}, "C",
            "Club C");
        QCOMPARE(file.entries.size(), 2);
        try {
            Import(db(), file);
            QFAIL("not refused");
        } catch (const UserError& e) {
            QVERIFY2(e.text().contains("W0010124.D00, line 2") && e.text().contains("C1-2"),
                     qPrintable(e.text()));
        }
        QCOMPARE(Count(db(), "KST_FedEntry"), 0);
        QCOMPARE(db().rowCount("select 1 from ZOL_ClubMap where ClubID='C'"), 0);
    }

    void badWorkbookRowsAreRefused_data() {
        QTest::addColumn<QStringList>("row");  // ring, loft, arrival, speed
        QTest::addColumn<bool>("dayGiven");
        QTest::addColumn<QString>("message");  // empty: read
        const QString at = "2026-06-13 09:40:00.000";
        QTest::newRow("good") << QStringList{"BE-26-1001", "A1", at, "1000.5"} << true << "";
        QTest::newRow("ring of 20")
            << QStringList{"BE-2026-123456789012", "A1", at, ""} << true << "";
        QTest::newRow("ring of 21") << QStringList{"BE-2026-1234567890123", "A1", at, ""} << true
                                    << "longer than 20 characters";
        QTest::newRow("speed over 3000")
            << QStringList{"R1", "A1", at, "3000.001"} << true << "not a speed";
        QTest::newRow("negative speed")
            << QStringList{"R1", "A1", at, "-12"} << true << "not a speed";
        QTest::newRow("infinite speed")
            << QStringList{"R1", "A1", at, "inf"} << true << "not a speed";
        QTest::newRow("arrival before the race")
            << QStringList{"R1", "A1", "2026-06-12 09:40:00.000", ""} << true << "outside the race";
        QTest::newRow("arrival weeks later")
            << QStringList{"R1", "A1", "2026-07-13 09:40:00.000", ""} << true << "outside the race";
        QTest::newRow("control character")
            << QStringList{"R1", "A\x01", at, ""} << true << "not text";
        QTest::newRow("race day to come")
            << QStringList{"R1", "A1", "2099-06-13 09:40:00.000", ""} << false << "still to come";
    }
    void badWorkbookRowsAreRefused() {
        QFETCH(QStringList, row);
        QFETCH(bool, dayGiven);
        QFETCH(QString, message);
        QTemporaryDir dir;
        WorkbookWriter book({"LiberCode", "PRingNo", "LoftNo", "BackTime", "FlySpeed"});
        book.addRow({"B23", row[0], row[1], row[2], row[3]});
        const QString name = dir.filePath("club.xlsx");
        book.save(name);
        try {
            const ClubFile file =
                ReadResultWorkbook(name, "A", "Club A", dayGiven ? kDay : QDate(), 0);
            QVERIFY2(message.isEmpty(), "not refused");
            QCOMPARE(file.entries.size(), 1);
        } catch (const UserError& e) {
            QVERIFY2(
                !message.isEmpty() && e.text().contains(message) && e.text().contains("club.xlsx"),
                qPrintable(e.text()));
        }
    }

    // The fuzz target's saved inputs, read again: each is refused with a file and line named
    // or reads into entries that hold together.
    void winSpeedCorpusReadsSafely() {
        const QDir corpus(CORPUS_DIR);
        const QStringList names = corpus.entryList(QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            QFile f(corpus.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString problem = CheckWinSpeedInput(f.readAll());
            QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
        }
    }
};

QTEST_MAIN(TestFederation)
#include "test_federation.moc"
