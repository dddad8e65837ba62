// The Races screen's records: races and liberation sites, sun data, loft distances and the
// distance file.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include "data/date_time.h"
#include "data/errors.h"
#include "races/coordinates.h"
#include "races/flying_time.h"
#include "races/loft_distances.h"
#include "races/race_store.h"
#include "races/sun_data.h"
#include "test_context.h"

namespace {

const QString kEmptyMask = QStringLiteral("    '  :  ");
const QDate kDay(2026, 5, 26);

// Two clubs and two lofts, the first at the loft of the distance example, the second without
// coordinates on the longitude side.
void seed(TdmZOLF& db, int mode = 1) {
    db.exec(QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC', "
                           "'Kestrava Club', ?)"),
            {mode});
    db.exec(QStringLiteral("insert into ZOL_ClubMap values('KC','Kestrava Club')"));
    db.exec(QStringLiteral("insert into ZOL_ClubMap values('NB','Neighbours')"));
    db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) "
                           "values('001','Ann',?,?)"),
            {"W001'30:00.00", "N051'30:00.00"});
    db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values('002','Bob')"));
}

RaceEditorData race(const QString& code = QStringLiteral("1A")) {
    RaceEditorData r;
    r.clubName = QStringLiteral("Kestrava Club");
    r.code = code;
    r.site = QStringLiteral("Dover");
    r.abbreviation = QStringLiteral("DOV");
    r.longitude = QStringLiteral("E002'00:00");
    r.latitude = QStringLiteral("N050'00:00");
    r.date = kDay;
    r.time = QTime(7, 0);
    return r;
}

QStringList rows(TdmZOLF& db, const QString& sql) {
    QStringList out;
    QSqlQuery q = db.select(sql);
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i) {
            // The server's tables carry the order rows were stored in as a column of their own.
            if (q.record().fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive) == 0) {
                continue;
            }
            cells << (q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString());
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("dist.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

}  // namespace

class TestRaceStore : public QObject {
    Q_OBJECT
  private slots:
    void insertCreatesSiteWithDistanceRows();
    void insertWithExistingSiteStoresOnlyTheRace();
    void updateSetsSynchFlagAgain();
    void blankLongitudeStoresNullOnInsert();
    void incompleteEntryIsRefused_data();
    void incompleteEntryIsRefused();
    void selectingARaceFillsTheEditor();
    void deleteRaceAsksFirstAndRemovesSunRows();
    void raceDateWrittenWithATimeMatchesAsADate();
    void deleteSiteAndClubs();
    void changedDateOfALoadedRaceAsks();
    void coordinatesAreCheckedOnSave_data();
    void coordinatesAreCheckedOnSave();
    void liberCodeKeys();
    void sunDataRoundTripKeepsEveryFilledRow();
    void unreadableSunCellLosesNothing_data();
    void unreadableSunCellLosesNothing();
    void loftDistUpdateTwiceGivesSameRows();
    void loftDistUpdateInMetricMode();
    void downloadOneLine_data();
    void downloadOneLine();
    void downloadUpdatesAndCreates();
    void downloadStopsAtBadLine();
    void downloadSkipsAByteOrderMark();
    void gridTyping();
};

void TestRaceStore::insertCreatesSiteWithDistanceRows() {
    TestContext t;
    seed(*t.db);
    const RaceSaveResult r = SaveRace(*t.db, t.prompts, t.clock, race());
    QVERIFY(r.saved && r.inserted && r.siteCreated);
    QVERIFY(t.prompts.shown.isEmpty());
    QCOMPARE(rows(*t.db, "select * from ZOL_LiberateSite"),
             QStringList{"1A|Dover|DOV|E002'00:00|N050'00:00"});
    QCOMPARE(rows(*t.db,
                  "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist "
                  "order by LoftNo"),
             QStringList({"1A|001|0|0", "1A|002|0|0"}));
    QCOMPARE(rows(*t.db, "select * from ZOL_RaceData"),
             QStringList{"KC|1A|Dover|DOV|2026-05-26|07:00:00|E002'00:00|N050'00:00|"
                         "2026-06-15 10:00:00.000|1|1A0526|0"});
}

void TestRaceStore::insertWithExistingSiteStoresOnlyTheRace() {
    TestContext t;
    seed(*t.db);
    t.db->exec("insert into ZOL_LiberateSite values('1A','Calais','CAL',?,?)",
               {"E001'00:00", "N050'30:00"});
    RaceEditorData r = race();
    r.abbreviation.clear();  // not needed when the site exists
    const RaceSaveResult result = SaveRace(*t.db, t.prompts, t.clock, r);
    QVERIFY(result.inserted && !result.siteCreated);
    QCOMPARE(rows(*t.db, "select * from ZOL_LiberateSite"),
             QStringList{"1A|Calais|CAL|E001'00:00|N050'30:00"});
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist"), 0);
    QCOMPARE(rows(*t.db, "select LiberSite, LiberSiteAbbr, LiberLon, LiberLat from ZOL_RaceData"),
             QStringList{"Dover||E002'00:00|N050'00:00"});
}

void TestRaceStore::updateSetsSynchFlagAgain() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    t.db->exec("update ZOL_RaceData set SynchFlag=0");  // sent to the clocks meanwhile
    t.clock.set(QDateTime(QDate(2026, 6, 16), QTime(8, 30)));
    RaceEditorData r = race();
    r.site = QStringLiteral("Dover Port");
    r.time = QTime(7, 30);
    r.longitude = kEmptyMask;
    r.latitude = kEmptyMask;
    const RaceSaveResult result = SaveRace(*t.db, t.prompts, t.clock, r);
    QVERIFY(result.saved && !result.inserted && !result.siteCreated);
    QCOMPARE(rows(*t.db,
                  "select LiberSite, LiberTime, LiberLon, LiberLat, Updatetime, SynchFlag, "
                  "RaceCode from ZOL_RaceData"),
             QStringList{"Dover Port|07:30:00|" + kEmptyMask + "|" + kEmptyMask +
                         "|2026-06-16 08:30:00.000|1|1A0526"});
}

void TestRaceStore::blankLongitudeStoresNullOnInsert() {
    TestContext t;
    seed(*t.db);
    RaceEditorData r = race();
    r.longitude = kEmptyMask;
    r.latitude = QStringLiteral("N050'00:00");  // the longitude decides for both
    SaveRace(*t.db, t.prompts, t.clock, r);
    QCOMPARE(rows(*t.db, "select LiberLon, LiberLat from ZOL_RaceData"), QStringList{"null|null"});
    QCOMPARE(rows(*t.db, "select LiberLon, LiberLat from ZOL_LiberateSite"),
             QStringList{"null|null"});
}

void TestRaceStore::incompleteEntryIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("siteExists");
    QTest::newRow("new site without abbreviation") << "abbreviation" << false;
    QTest::newRow("new site without name") << "site" << false;
    QTest::newRow("new site without code") << "code" << false;
    QTest::newRow("known code, site field empty") << "site" << true;
    QTest::newRow("club not on the list") << "club" << false;
}

void TestRaceStore::incompleteEntryIsRefused() {
    QFETCH(QString, field);
    QFETCH(bool, siteExists);
    TestContext t;
    seed(*t.db);
    if (siteExists) {
        t.db->exec("insert into ZOL_LiberateSite values('1A','Calais','CAL',null,null)");
    }
    RaceEditorData r = race();
    if (field == "abbreviation")
        r.abbreviation.clear();
    if (field == "site")
        r.site.clear();
    if (field == "code")
        r.code.clear();
    if (field == "club")
        r.clubName = QStringLiteral("Nobody");
    const RaceSaveResult result = SaveRace(*t.db, t.prompts, t.clock, r);
    QVERIFY(!result.saved);
    QCOMPARE(t.prompts.shown, QStringList{"message: " + kLiberPointEntryError});
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_LiberateSite"), siteExists ? 1 : 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist"), 0);
}

void TestRaceStore::selectingARaceFillsTheEditor() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    const auto found = FindRace(*t.db, QStringLiteral("1A"), kDay);
    QVERIFY(found.has_value());
    QCOMPARE(found->clubName, QStringLiteral("Kestrava Club"));
    QCOMPARE(found->site, QStringLiteral("Dover"));
    QCOMPARE(found->longitude, QStringLiteral("E002'00:00"));
    QCOMPARE(found->time, QTime(7, 0));
    QVERIFY(!FindRace(*t.db, QStringLiteral("1A"), kDay.addDays(1)).has_value());
    QCOMPARE(FindLiberSite(*t.db, QStringLiteral("Dover"))->abbreviation, QStringLiteral("DOV"));
    QCOMPARE(ClubNames(*t.db), QStringList({"Kestrava Club", "Neighbours"}));
    QCOMPARE(LiberSiteNames(*t.db), QStringList{"Dover"});
}

void TestRaceStore::deleteRaceAsksFirstAndRemovesSunRows() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    SaveSunData(*t.db, QStringLiteral("1A0526"), {{"2026-05-26", "Dover", "20:00:00", ""}});
    t.db->exec(
        "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo) values('1A', "
        "'2026-05-26', 'GB26-1')");

    t.prompts.answers.enqueue(Prompts::Answer::No);
    QVERIFY(!DeleteRace(*t.db, t.prompts, "KC", "1A", "2026-05-26"));
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 1);
    QCOMPARE(t.db->rowCount("select * from ZOL_SunSet_SunRise"), 1);

    QVERIFY(DeleteRace(*t.db, t.prompts, "KC", "1A", "2026-05-26"));
    QCOMPARE(t.prompts.of("question"), QStringList({kDeleteRaceQuestion, kDeleteRaceQuestion}));
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_SunSet_SunRise"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_PigRaceData"), 1);
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist"), 2);
}

void TestRaceStore::raceDateWrittenWithATimeMatchesAsADate() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    // As an older writer left it: the date with a midnight time.
    t.db->exec("update ZOL_RaceData set LiberDate='2026-05-26 00:00:00'");
    QVERIFY(FindRace(*t.db, QStringLiteral("1A"), kDay).has_value());
    QCOMPARE(LoftDistUpdate(*t.db, t.prompts, "KC", "1A", "2026-05-26 00:00:00"), 1);

    RaceEditorData r = race();
    r.site = QStringLiteral("Dover Port");
    const RaceSaveResult saved = SaveRace(*t.db, t.prompts, t.clock, r);
    QVERIFY(saved.saved && !saved.inserted);
    QCOMPARE(rows(*t.db, "select LiberDate, LiberSite from ZOL_RaceData"),
             QStringList{"2026-05-26|Dover Port"});

    t.db->exec("update ZOL_RaceData set LiberDate='2026-05-26 00:00:00'");
    t.prompts.answers.enqueue(Prompts::Answer::Yes);
    QVERIFY(DeleteRace(*t.db, t.prompts, "KC", "1A", "2026-05-26 00:00:00"));
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 0);
}

void TestRaceStore::deleteSiteAndClubs() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    // A site takes every loft's distance with it: asked first, naming the races that use it.
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!DeleteLiberSite(*t.db, t.prompts, QStringLiteral("1A")));
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist"), 2);
    QVERIFY(DeleteLiberSite(*t.db, t.prompts, QStringLiteral("1A")));
    QCOMPARE(t.prompts.of("question"),
             QStringList(2,
                         "Delete the liberation site 1A Dover? Every loft's distance to it is "
                         "deleted too. 1 race uses it."));
    QCOMPARE(t.db->rowCount("select * from ZOL_LiberateSite"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 1);
    QVERIFY(!DeleteLiberSite(*t.db, t.prompts, QStringLiteral("1A")));
    QCOMPARE(t.prompts.of("message"), QStringList{"No liberation site has the code '1A'."});

    // Clubs: a code or name in use, or a missing one, is refused in the program's words.
    AddClub(*t.db, QStringLiteral("AB"), QStringLiteral("Another"));
    QCOMPARE(ClubNames(*t.db), QStringList({"Another", "Kestrava Club", "Neighbours"}));
    const auto refusal = [&t](const QString& id, const QString& name) {
        try {
            AddClub(*t.db, id, name);
        } catch (const UserError& e) {
            return e.text();
        }
        return QString();
    };
    QCOMPARE(refusal("AB", "Twice"), QStringLiteral("Club code AB exists already."));
    QCOMPARE(refusal("XY", "Another"), QStringLiteral("Club name Another exists already."));
    QCOMPARE(refusal("", "Nameless"), QStringLiteral("Please enter a club code and a club name."));
    t.prompts.shown.clear();
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!DeleteClub(*t.db, t.prompts, QStringLiteral("Neighbours")));
    QVERIFY(DeleteClub(*t.db, t.prompts, QStringLiteral("Neighbours")));
    QCOMPARE(t.prompts.of("question"),
             QStringList(2,
                         "Delete the club Neighbours? Races of Neighbours can no longer be "
                         "saved until the club exists again."));
    QCOMPARE(ClubNames(*t.db), QStringList({"Another", "Kestrava Club"}));
}

void TestRaceStore::changedDateOfALoadedRaceAsks() {
    TestContext t;
    seed(*t.db);
    SaveRace(*t.db, t.prompts, t.clock, race());
    RaceEditorData moved = race();
    moved.loadedDate = kDay;
    moved.date = kDay.addDays(1);
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!SaveRace(*t.db, t.prompts, t.clock, moved).saved);
    QCOMPARE(t.prompts.of("question"),
             QStringList{"Save as a new race on 2026-05-27? The race of 2026-05-26 stays."});
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 1);
    QVERIFY(SaveRace(*t.db, t.prompts, t.clock, moved).inserted);
    QCOMPARE(t.db->texts("select LiberDate from ZOL_RaceData order by 1"),
             QStringList({"2026-05-26", "2026-05-27"}));
    // The same date again is an update, asked nothing.
    moved.loadedDate = moved.date;
    QVERIFY(SaveRace(*t.db, t.prompts, t.clock, moved).saved);
    QCOMPARE(t.prompts.of("question").size(), 2);

    // Another club's race with this code and date is refused in the program's words.
    RaceEditorData other = race();
    other.clubName = QStringLiteral("Neighbours");
    QString error;
    try {
        SaveRace(*t.db, t.prompts, t.clock, other);
    } catch (const UserError& e) {
        error = e.text();
    }
    QCOMPARE(error,
             QStringLiteral("A race with the code 1A on 2026-05-26 exists already (club KC)."));
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 2);
}

void TestRaceStore::coordinatesAreCheckedOnSave_data() {
    QTest::addColumn<QString>("lon");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("error");
    QTest::newRow("60 minutes of longitude") << "E004'60:00"
                                             << "N050'00:00" << kLongitudeOver60;
    QTest::newRow("60 seconds of latitude") << "E004'00:00"
                                            << "N050'00:60" << kLatitudeOver60;
    QTest::newRow("blank point") << kEmptyMask << kEmptyMask << "";
}

void TestRaceStore::coordinatesAreCheckedOnSave() {
    QFETCH(QString, lon);
    QFETCH(QString, lat);
    QFETCH(QString, error);
    TestContext t;
    seed(*t.db);
    RaceEditorData r = race();
    r.longitude = lon;
    r.latitude = lat;
    QString shown;
    try {
        SaveRace(*t.db, t.prompts, t.clock, r);
    } catch (const UserError& e) {
        shown = e.text();
    }
    QCOMPARE(shown, error);
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), error.isEmpty() ? 1 : 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_LiberateSite"), error.isEmpty() ? 1 : 0);
}

void TestRaceStore::liberCodeKeys() {
    for (const QChar c : QStringLiteral("0129ABCF")) {
        QVERIFY(LiberCodeKeyAllowed(c));
    }
    for (const QChar c : QStringLiteral("aGz -\b")) {
        QVERIFY2(!LiberCodeKeyAllowed(c), qPrintable(QString(c)));
    }
}

void TestRaceStore::sunDataRoundTripKeepsEveryFilledRow() {
    TestContext t;
    const QString code = QStringLiteral("1A0526");
    QList<SunGridRow> grid{{"2026-05-26", "Dover", "20:00:00", ""},
                           {"2026-05-27", "Dover", "20:30:00", "05:00:00"},
                           {"", "", "", ""},
                           {"2026-05-29", "", "20:40", "5:10:00"},
                           {"2026-05-30", "", "", ""},
                           {"2026-05-31", "sixth day", "", "04:50:00"}};
    SaveSunData(*t.db, code, grid);
    QCOMPARE(rows(*t.db, "select * from ZOL_SunSet_SunRise order by RaceDate"),
             QStringList({"1A0526|2026-05-26|20:00:00|null|Dover",
                          "1A0526|2026-05-27|20:30:00|05:00:00|Dover",
                          "1A0526|2026-05-29|20:40:00|05:10:00|", "1A0526|2026-05-30|null|null|",
                          "1A0526|2026-05-31|null|04:50:00|sixth day"}));
    QCOMPARE(LoadSunData(*t.db, code).at(1),
             (SunGridRow{"2026-05-27", "Dover", "20:30:00", "05:00:00"}));

    // The stored rows drive the flying time: liberation 07:00 on the first day, arrival 09:15
    // on the second; the rows of the later days add their daylight.
    SaveSunData(*t.db, code, grid.mid(0, 2));
    QCOMPARE(CalcuateSecs(*t.db, code, 0, QDateTime(kDay.addDays(1), QTime(9, 15)),
                          QDateTime(kDay, QTime(7, 0))),
             qint64(62100000));
    QCOMPARE(RaceCodeOf(QStringLiteral("1A"), kDay), code);
}

void TestRaceStore::unreadableSunCellLosesNothing_data() {
    QTest::addColumn<SunGridRow>("bad");
    QTest::addColumn<QString>("error");
    QTest::newRow("date") << SunGridRow{"27.05.2026", "", "20:30:00", "05:00:00"}
                          << "Sun data row 2, \"Race Date\": '27.05.2026' is not a date "
                             "(yyyy-mm-dd); nothing was saved.";
    QTest::newRow("sunset") << SunGridRow{"2026-05-27", "", "25:30:00", "05:00:00"}
                            << "Sun data row 2, \"Sunset\": '25:30:00' is not a time (hh:mm:ss); "
                               "nothing was saved.";
    QTest::newRow("sunrise") << SunGridRow{"2026-05-27", "", "20:30:00", "5 am"}
                             << "Sun data row 2, \"Sunrise\": '5 am' is not a time (hh:mm:ss); "
                                "nothing was saved.";
}

void TestRaceStore::unreadableSunCellLosesNothing() {
    QFETCH(SunGridRow, bad);
    QFETCH(QString, error);
    TestContext t;
    const QString code = QStringLiteral("1A0526");
    SaveSunData(*t.db, code, {{"2026-05-26", "Dover", "20:00:00", "05:00:00"}});
    const QStringList before = rows(*t.db, "select * from ZOL_SunSet_SunRise");
    try {
        SaveSunData(*t.db, code, {{"2026-05-26", "Dover", "20:10:00", "05:00:00"}, bad});
        QFAIL("an unreadable cell was accepted");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), error);
    }
    QCOMPARE(rows(*t.db, "select * from ZOL_SunSet_SunRise"), before);
}

void TestRaceStore::loftDistUpdateTwiceGivesSameRows() {
    TestContext t;
    seed(*t.db);
    t.db->exec("update ZOL_LoftData set LoftLon=null where LoftNo='002'");
    SaveRace(*t.db, t.prompts, t.clock, race());
    t.db->exec("update ZOL_LoftLibPointDist set Miles=7, Yards=8 where LoftNo='002'");

    QCOMPARE(LoftDistUpdate(*t.db, t.prompts, "KC", "1A", "2026-05-26"), 1);
    const QString sql =
        "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist order by LoftNo";
    const QStringList once = rows(*t.db, sql);
    // Imperial: 297414 m = 184 miles 1415 yards; the loft without longitude keeps its row.
    QCOMPARE(once, QStringList({"1A|001|184|1415", "1A|002|7|8"}));
    QCOMPARE(LoftTotalDistance(*t.db, "1A", "001", 1), 325255);
    QCOMPARE(LoftTotalDistance(*t.db, "1A", "003", 1), 0);

    LoftDistUpdate(*t.db, t.prompts, "KC", "1A", "2026-05-26");
    QCOMPARE(rows(*t.db, sql), once);

    // A loft added since gets its row (it has no row yet for this code).
    t.db->exec("insert into ZOL_LoftData (LoftNo, LoftLon, LoftLat) values('003',?,?)",
               {"W001'30:00.00", "N051'30:00.00"});
    QCOMPARE(LoftDistUpdate(*t.db, t.prompts, "KC", "1A", "2026-05-26"), 2);
    QCOMPARE(rows(*t.db, sql), QStringList({"1A|001|184|1415", "1A|002|7|8", "1A|003|184|1415"}));
    QVERIFY(t.prompts.shown.isEmpty());
}

void TestRaceStore::loftDistUpdateInMetricMode() {
    TestContext t;
    seed(*t.db, 0);
    SaveRace(*t.db, t.prompts, t.clock, race());
    // The race's own coordinates count, not the site's.
    t.db->exec("update ZOL_LiberateSite set LiberLon=?", {"E010'00:00"});
    LoftDistUpdate(*t.db, t.prompts, "KC", "1A", "2026-05-26");
    QCOMPARE(rows(*t.db, "select Miles, Yards from ZOL_LoftLibPointDist where LoftNo='001'"),
             QStringList{"297|414"});
    QCOMPARE(MilesTitle(ClubDistanceMode(*t.db)) + "/" + YardsTitle(ClubDistanceMode(*t.db)),
             QStringLiteral("KM/M"));
    QCOMPARE(MilesTitle(1) + "/" + YardsTitle(1), QStringLiteral("Miles/Yards"));
}

void TestRaceStore::downloadOneLine_data() {
    QTest::addColumn<bool>("rowExists");
    QTest::newRow("existing row") << true;
    QTest::newRow("missing row") << false;
}

void TestRaceStore::downloadOneLine() {
    QFETCH(bool, rowExists);
    TestContext t;
    t.db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values('001','Ann')");
    if (rowExists) {
        t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
            "values('A1','001',3,4)");
    }
    const QTemporaryDir dir;
    DownloadDistances(*t.db, t.prompts, writeFile(dir, "A1,001,120,350"));
    QCOMPARE(rows(*t.db, "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist"),
             QStringList{"A1|001|120|350"});
    QCOMPARE(t.prompts.shown, QStringList{"message: " + kDistanceDownloadSuccess});
}

void TestRaceStore::downloadUpdatesAndCreates() {
    TestContext t;
    seed(*t.db);
    t.db->exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
        "values('A1','001',0,0)");
    const QTemporaryDir dir;
    // Latin-1, CR LF; an empty yards field stores null; extra fields are ignored; a line
    // without a code and without a row is skipped; 1760 yards are stored as they stand.
    const QString path = writeFile(dir,
                                   "A1,001,120,350\r\nA1,002,99,\r\nB2,00\xE9,1,1760,extra\r\n,"
                                   "004,1,1\r\nB2,001,5,5\r\nC3,00\xE9,2,2\r\n\r\n");
    QCOMPARE(DownloadDistances(*t.db, t.prompts, path), 7);
    QCOMPARE(rows(*t.db,
                  "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist "
                  "order by LiberCode, LoftNo"),
             QStringList({"A1|001|120|350", "A1|002|99|null", "B2|001|5|5",
                          QString::fromUtf8("B2|00é|1|1760"), QString::fromUtf8("C3|00é|2|2")}));
    // Stored for a loft that is not a member, and said so for every such line.
    QCOMPARE(t.prompts.shown,
             QStringList{"message: " + kDistanceDownloadSuccess +
                         QString::fromUtf8("\n2 line(s) name a loft that is not a member; their "
                                           "distances are stored for when the loft joins:\n"
                                           "line 3 \"B2,00é,1,1760,extra\"\n"
                                           "line 6 \"C3,00é,2,2\"")});
}

void TestRaceStore::downloadStopsAtBadLine() {
    TestContext t;
    const QTemporaryDir dir;
    const QString path = writeFile(dir, "A1,001,120,350\nA1,002,12a,5\nA1,003,1,1\n");
    try {
        DownloadDistances(*t.db, t.prompts, path);
        QFAIL("a bad line was accepted");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), QStringLiteral("'12a' is not a valid integer value (line 2)"));
    }
    QCOMPARE(rows(*t.db, "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist"),
             QStringList{"A1|001|120|350"});
    QVERIFY(t.prompts.shown.isEmpty());
}

void TestRaceStore::downloadSkipsAByteOrderMark() {
    TestContext t;
    seed(*t.db);
    t.db->exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
        "values('A1','001',0,0)");
    const QTemporaryDir dir;
    // Saved as UTF-8 by an editor that marks it so.
    const QString path = writeFile(dir,
                                   "\xEF\xBB\xBF"
                                   "A1,001,120,350\r\nA1,00\xC3\xA9,7,8\r\n");
    QCOMPARE(DownloadDistances(*t.db, t.prompts, path), 2);
    QCOMPARE(rows(*t.db,
                  "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist "
                  "order by LiberCode, LoftNo"),
             QStringList({"A1|001|120|350", QString::fromUtf8("A1|00é|7|8")}));
}

void TestRaceStore::gridTyping() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
        "values('A1','001',5,6)");
    DistanceGridEdit edit;
    using A = DistanceGridEdit::Action;
    QCOMPARE(edit.key("\r", "A1", "001", "Miles"), A::None);
    QCOMPARE(edit.key("1", "A1", "001", "Miles"), A::Typed);
    QCOMPARE(edit.key("2", "A1", "001", "Miles"), A::Typed);
    QCOMPARE(edit.pendingText("A1", "001", "Miles"), QStringLiteral("12"));
    QCOMPARE(edit.key("\b", "A1", "001", "Miles"), A::Cancel);  // Backspace drops the edit
    QVERIFY(!edit.editing());
    QCOMPARE(edit.key("4", "A1", "001", "Yards"), A::Typed);
    QCOMPARE(edit.key("3", "A1", "001", "Yards"), A::Typed);
    // The loft number takes no digits, and a digit there keeps what was typed.
    QCOMPARE(edit.key("7", "A1", "001", "LoftNo"), A::None);
    QCOMPARE(edit.pendingText("A1", "001", "Yards"), QStringLiteral("43"));
    QCOMPARE(edit.pendingText("A1", "001", "LoftNo"), QString());
    QCOMPARE(edit.key("\r", "A1", "001", "Yards"), A::Post);
    edit.post(*t.db);
    QCOMPARE(rows(*t.db, "select Miles, Yards from ZOL_LoftLibPointDist"), QStringList{"5|43"});
    QVERIFY(!edit.editing());
}

QTEST_GUILESS_MAIN(TestRaceStore)
#include "test_race_store.moc"
