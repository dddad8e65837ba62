// Results of a race: places, the summary, the grid's display rules, the recalculation, and
// arrivals typed in for a member whose clock is not read through the antenna.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "data/errors.h"
#include "race_reference.h"
#include "races/flying_time.h"
#include "races/manual_times.h"
#include "races/race_publish.h"
#include "races/race_results.h"
#include "spreadsheet/workbook_reader.h"
#include "test_context.h"

namespace {

const QDate kRaceDay(2026, 5, 26);
const QVariantList kRace{"1A", "2026-05-26"};

// Club in miles and yards, race 1A on 26 May liberated at 07:00:00; lofts 001 Ann and 002 Bob
// at 300 miles, 003 Cid without a distance row.
void seedRace(TdmZOLF& db, int mode = 1) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',?)",
            {mode});
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime) "
        "values('KC','1A','Dover','2026-05-26','07:00:00')");
    for (const char* loft : {"001", "002", "003"}) {
        db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)",
                {loft, QString(loft) == "001"   ? "Ann"
                       : QString(loft) == "002" ? "Bob"
                                                : "Cid"});
    }
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values('1A',"
        "'001',300,0)");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values('1A',"
        "'002',301,500)");
}

void pigeon(TdmZOLF& db, const QString& loft, const QString& ring, const QString& sex = "C",
            const QString& colour = "BBAR") {
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
        "values(?,?,?,?,0)",
        {loft, ring, sex, colour});
}

void entry(TdmZOLF& db, const QString& ring, const QVariant& backTime, const QVariant& speed,
           const QVariant& timeVari = {}, const QString& date = "2026-05-26") {
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
        "FlySpeed, TimeVari, FlyTime) values('KC','1A',?,?,?,?,?,'05:00:00.000')",
        {date, ring, backTime, speed, timeVari});
}

// One row as "a|b|c", a null value as "null".
QString rowText(const QVariantList& row) {
    QStringList texts;
    for (const QVariant& v : row) {
        texts << (v.isNull() ? QStringLiteral("null") : v.toString());
    }
    return texts.join('|');
}

QString firstRow(TdmZOLF& db, const QString& sql, const QVariantList& params = {}) {
    return rowText(AllRows(db, sql, params).value(0));
}

QList<QVariantList> resultRows(TdmZOLF& db) {
    return AllRows(db, RaceResultSql(), kRace);
}

}  // namespace

class TestRaceResults : public QObject {
    Q_OBJECT
  private slots:
    void placesAndSummary();
    void summaryWithoutClockedBirds();
    void gridTexts();
    void exportedWorkbook();
    void placesMatchTheCountingFormOnAGeneratedRace();
    void recalculationFromALaterLiberation();
    void recalculationStopsOnAnUnreadableArrival();
    void manualArrival();
    void manualArrivalRefusals();
    void recalculationKeepsATypedClockVariation();
    void statusCountsBirdsWithoutAClockUnderTheLoftsClock();
};

void TestRaceResults::placesAndSummary() {
    TestContext t;
    seedRace(*t.db);
    struct Bird {
        const char* loft;
        const char* ring;
        QVariant speed;
        bool clocked;
    };
    const QList<Bird> birds{{"001", "R1", 1000.0, true},      {"002", "R2", 990.5, true},
                            {"001", "R3", 990.5, true},       {"002", "R4", 980.0, true},
                            {"001", "R5", QVariant(), false}, {"003", "R6", 995.0, true},
                            {"002", "R7", QVariant(), true}};
    for (const Bird& b : birds) {
        pigeon(*t.db, b.loft, b.ring);
        entry(*t.db, b.ring, b.clocked ? QVariant("2026-05-26 12:00:00.000") : QVariant(), b.speed);
    }
    entry(*t.db, "UNKNOWN", QVariant(), QVariant());  // a ring no member keeps

    // Cid's bird (no distance row) is not listed but still counts as faster: 1, 3, 3, 5; a
    // clocked bird without a speed has nobody faster.
    const QList<QVariantList> rows = resultRows(*t.db);
    QStringList got;
    for (const QVariantList& r : rows) {
        got << r.at(0).toString() + " " + r.at(2).toString() + " " + r.at(7).toString() + " " +
                   r.at(6).toString();
    }
    QCOMPARE(got, (QStringList{"1 R1 300/0 001", "3 R2 301/500 002", "3 R3 300/0 001",
                               "5 R4 301/500 002", "1 R7 301/500 002"}));
    QCOMPARE(rows, AllRows(*t.db, CountingResultSql(), kRace + kRace));
    QCOMPARE(RaceResultFields().size(), rows.first().size());

    // Without the distance-less bird the places are the plain 1, 2, 2, 4.
    t.db->exec("delete from ZOL_PigRaceData where PRingNo='R6'");
    QStringList places;
    for (const QVariantList& r : resultRows(*t.db)) {
        places << r.at(0).toString();
    }
    QCOMPARE(places, (QStringList{"1", "2", "2", "4", "1"}));

    // Members: Ann, Bob and the unknown pigeon's group; birds: every entry.
    QCOMPARE(RaceSummaryText(RaceResultSummary(*t.db, "1A", kRaceDay)),
             QStringLiteral("   3 Members sent     7 birds -     5 were clocked"));
    // The charts show the listed birds: five arrivals, four speeds.
    RaceChartData chart = ReadRaceChartData(*t.db, "1A", kRaceDay);
    std::sort(chart.speeds.begin(), chart.speeds.end());
    QCOMPARE(chart.arrivals.size(), 5);
    QCOMPARE(chart.speeds, (QList<double>{980.0, 990.5, 990.5, 1000.0}));
}

void TestRaceResults::summaryWithoutClockedBirds() {
    TestContext t;
    seedRace(*t.db, 0);
    pigeon(*t.db, "001", "R1");
    entry(*t.db, "R1", QVariant(), QVariant());
    QVERIFY(resultRows(*t.db).isEmpty());
    QCOMPARE(RaceSummaryText(RaceResultSummary(*t.db, "1A", kRaceDay)),
             QStringLiteral("   1 Members sent     1 birds -     0 were clocked"));
    // Metric clubs: "MPM", and the distance pair is kilometres "/" metres as stored.
    QCOMPARE(SpeedTitle(0), QStringLiteral("MPM"));
    QCOMPARE(SpeedTitle(1), QStringLiteral("Yds/Min"));
    t.db->exec("update ZOL_PigRaceData set BackTime='2026-05-26 12:00:00.000', FlySpeed=1500");
    QCOMPARE(resultRows(*t.db).first().at(7).toString(), QStringLiteral("300/0"));
}

void TestRaceResults::gridTexts() {
    QCOMPARE(ClockedCellText("2026-05-26 12:30:15.250"), QStringLiteral("12:30:15.250  26-05"));
    QCOMPARE(ClockedCellText(QVariant()), QString());
    QCOMPARE(FlyTimeCellText("05:30:15.250"), QStringLiteral("05:30:15"));
    QCOMPARE(ColourCellText("BBAR"), QStringLiteral("BB"));
    QCOMPARE(ColourCellText(QVariant()), QString());
    QCOMPARE(SpeedCellText(984.863), QStringLiteral(" 984.863"));
    QCOMPARE(SpeedCellText(0.0), QString());
    QCOMPARE(VariationCellText(7), QStringLiteral("+7"));
    QCOMPARE(VariationCellText(0), QStringLiteral("0"));
    QCOMPARE(VariationCellText(-3), QStringLiteral("-3"));
    QCOMPARE(VariationCellText(QVariant()), QString());
    // Speeds that print the same are stored the same, so they share a place.
    QCOMPARE(StoredFlySpeed(990.5004), StoredFlySpeed(990.4996));
    QCOMPARE(StoredFlySpeed(984.8626689), 984.863);
}

void TestRaceResults::exportedWorkbook() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "0042");
    entry(*t.db, "0042", "2026-05-26 12:00:05.250", 1759.512, 4);
    QTemporaryDir dir;
    const QString path = dir.filePath("result.xlsx");
    t.prompts.fileNames.enqueue(path);
    QVERIFY(ExportRaceResult(*t.db, t.prompts, "1A", kRaceDay));
    QCOMPARE(t.prompts.of("save"), QStringList{"Excel File (*.xlsx)"});
    const WorkbookReader book(path);
    QCOMPARE(book.rowCount(), 2);
    QStringList titles, values;
    for (int c = 1; c <= 11; ++c) {
        titles << book.text(1, c);
        values << book.text(2, c);
    }
    QCOMPARE(titles, RaceResultFields());
    // Stored values, not the grid's texts: the whole arrival and flying time, the loft number.
    QCOMPARE(values, (QStringList{"1", "1A", "0042", "2026-05-26 12:00:05.250", "05:00:00.000",
                                  "1759.512", "001", "300/0", "C", "BBAR", "4"}));
    QCOMPARE(book.value(2, 3).typeId(), QMetaType::QString);  // a ring of digits stays text
    QCOMPARE(book.value(2, 6), QVariant(1759.512));

    QVERIFY(!ExportRaceResult(*t.db, t.prompts, "1A", kRaceDay));  // cancelled
}

void TestRaceResults::placesMatchTheCountingFormOnAGeneratedRace() {
    TestContext t;
    seedRace(*t.db);
    QRandomGenerator random(12);
    t.db->transaction([&] {
        for (int i = 0; i < 400; ++i) {
            const QString ring = QString::asprintf("GB26-%05d", i);
            pigeon(*t.db, QString::asprintf("%03d", 1 + i % 3), ring);
            const int kind = random.bounded(10);
            // Few distinct speeds, so that ties are common; some unclocked, some without speed.
            const QVariant speed =
                kind == 0 ? QVariant() : QVariant(900 + random.bounded(40) / 4.0);
            entry(*t.db, ring, kind == 1 ? QVariant() : QVariant("2026-05-26 12:00:00.000"), speed);
        }
    });
    const QList<QVariantList> rows = resultRows(*t.db);
    QVERIFY(rows.size() > 200);
    QCOMPARE(rows, AllRows(*t.db, CountingResultSql(), kRace + kRace));
}

void TestRaceResults::recalculationFromALaterLiberation() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "R1");
    pigeon(*t.db, "002", "R2");
    pigeon(*t.db, "003", "R3");
    entry(*t.db, "R1", "2026-05-26 12:00:00.000", 1.0, 5);
    entry(*t.db, "R2", "2026-05-26 12:30:15.250", 2.0);
    entry(*t.db, "R3", "2026-05-26 13:00:00.000", 3.0);
    entry(*t.db, "R4", QVariant(), QVariant());  // not clocked: untouched

    QCOMPARE(RecalculateRace(*t.db, "1A", kRaceDay, QDateTime(kRaceDay, QTime(7, 30))), 3);
    const auto row = [&](const char* ring) {
        return firstRow(
            *t.db, "select FlyTime, FlySpeed, Dist from ZOL_PigRaceData where PRingNo=?", {ring});
    };
    // 4:30 h less the clock's 5 seconds; 528000 yards in 16195 s.
    QCOMPARE(row("R1"), QStringLiteral("04:29:55.000|1956.159|528000"));
    QCOMPARE(row("R2"), QStringLiteral("05:00:15.250|1766.037|530260"));
    QCOMPARE(row("R3"), QStringLiteral("05:30:00.000|0|0"));  // no distance row
    // The places follow the new speeds (R2 led with the stored ones).
    const QList<QVariantList> ranked = resultRows(*t.db);
    QCOMPARE(ranked.at(0).at(2).toString() + ranked.at(1).at(2).toString(), QStringLiteral("R1R2"));
    QVERIFY(t.db->value("select FlyTime from ZOL_PigRaceData where PRingNo='R4'").toString() ==
            "05:00:00.000");
    // The race's own liberation time stays.
    QCOMPARE(t.db->value("select LiberTime from ZOL_RaceData").toString(),
             QStringLiteral("07:00:00"));

    // Back to 07:00: every flying time grows by the half hour again.
    RecalculateRace(*t.db, "1A", kRaceDay, QDateTime(kRaceDay, QTime(7, 0)));
    QVERIFY(row("R1").startsWith("04:59:55.000|"));
    QVERIFY(row("R2").startsWith("05:30:15.250|"));
}

void TestRaceResults::recalculationStopsOnAnUnreadableArrival() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "R1");
    pigeon(*t.db, "001", "R2");
    entry(*t.db, "R1", "2026-05-26 12:00:00.000", 1.0);
    entry(*t.db, "R2", "26/05/2026 12:00", 2.0);
    try {
        RecalculateRace(*t.db, "1A", kRaceDay, QDateTime(kRaceDay, QTime(7, 0)));
        QFAIL("an unreadable arrival must stop the recalculation");
    } catch (const UserError& e) {
        QVERIFY2(e.text().contains("R2") && e.text().contains("26/05/2026 12:00"),
                 qPrintable(e.text()));
    }
    QCOMPARE(t.db->value("select FlySpeed from ZOL_PigRaceData where PRingNo='R1'").toDouble(),
             1.0);
}

void TestRaceResults::manualArrival() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "R1");
    const RaceKey race{"KC", "1A", kRaceDay};
    ManualArrival typed{
        "001", "R1",
        ClockReadings{QDateTime(kRaceDay, QTime(5, 0)), QDateTime(kRaceDay, QTime(18, 0, 0)),
                      QDateTime(kRaceDay, QTime(18, 0, 7))},
        QDateTime(kRaceDay, QTime(12, 0))};
    ManualArrivalResult r = SaveManualArrival(*t.db, race, typed);
    QCOMPARE(r.variation, 7);
    QCOMPARE(r.ms, qint64(5 * 3600 * 1000 - 7000));
    QCOMPARE(r.distance, 528000);
    const QString stored =
        "select BackTime, FlyTime, FlySpeed, Dist, ClubID, TimeVari from "
        "ZOL_PigRaceData";
    QCOMPARE(firstRow(*t.db, stored),
             QStringLiteral("2026-05-26 12:00:00.000|04:59:53.000|1760.685|528000|KC|7"));
    QCOMPARE(firstRow(*t.db,
                      "select LiberCode, LiberDate, LoftNo, DLMarkedTime, ULMasterTime, "
                      "ULClockTime from ZOL_RaceClockTime"),
             QStringLiteral(
                 "1A|2026-05-26|001|2026-05-26 05:00:00|2026-05-26 18:00:00|2026-05-26 18:00:07"));
    QCOMPARE(StoredArrival(*t.db, race, "R1"), QDateTime(kRaceDay, QTime(12, 0)));
    QCOMPARE(FindClockReadings(*t.db, race, "001")->member, QDateTime(kRaceDay, QTime(18, 0, 7)));

    // The same pigeon again: its one row and the member's one clock row are updated.
    typed.arrival = QDateTime(kRaceDay, QTime(12, 30));
    typed.readings.member = QDateTime(kRaceDay, QTime(17, 59, 58));
    r = SaveManualArrival(*t.db, race, typed);
    QCOMPARE(r.variation, -2);
    QCOMPARE(t.db->rowCount("select * from ZOL_PigRaceData"), 1);
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceClockTime"), 1);
    QCOMPARE(t.db->value("select FlyTime from ZOL_PigRaceData").toString(),
             QStringLiteral("05:30:02.000"));
    QCOMPARE(EarlyArrivalWarning("R1", r), QString());

    // Typed half an hour before the liberation: stored as typed (speed 0), with a warning that
    // names the ring and the negative flying time.
    typed.arrival = QDateTime(kRaceDay, QTime(6, 30));
    typed.readings.member = QDateTime(kRaceDay, QTime(18, 0, 7));
    r = SaveManualArrival(*t.db, race, typed);
    QCOMPARE(r.ms, qint64(-1807000));
    QCOMPARE(t.db->value("select FlySpeed from ZOL_PigRaceData").toDouble(), 0.0);
    QCOMPARE(EarlyArrivalWarning("R1", r),
             QStringLiteral("Ring R1 is stored with an arrival before the liberation: its flying "
                            "time is -00:30:07.000 and it gets no speed. Check the date and time "
                            "typed."));

    // A member without a distance row: distance 0, speed 0, and the result does not list it.
    pigeon(*t.db, "003", "R3");
    r = SaveManualArrival(*t.db, race, {"003", "R3", typed.readings, typed.arrival});
    QCOMPARE(r.distance, 0);
    QCOMPARE(r.speed, 0.0);
    QCOMPARE(resultRows(*t.db).size(), 1);
}

void TestRaceResults::manualArrivalRefusals() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "R1");
    pigeon(*t.db, "002", "R2");
    const RaceKey race{"KC", "1A", kRaceDay};
    const ClockReadings readings{QDateTime(kRaceDay, QTime(5, 0)),
                                 QDateTime(kRaceDay, QTime(18, 0)),
                                 QDateTime(kRaceDay, QTime(18, 0))};
    const QDateTime arrival(kRaceDay, QTime(12, 0));
    QVERIFY_THROWS_EXCEPTION(UserError,
                             SaveManualArrival(*t.db, race, {"", "R1", readings, arrival}));
    QVERIFY_THROWS_EXCEPTION(UserError,
                             SaveManualArrival(*t.db, race, {"001", "R2", readings, arrival}));
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceClockTime"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_PigRaceData"), 0);

    // Searching the member's rings by their end takes the typed text literally.
    pigeon(*t.db, "001", "GB26_0001");
    t.db->exec("update ZOL_PigData set DeleteMark=1 where PRingNo='R1'");
    QCOMPARE(OtherClockRings(*t.db, "001"), QStringList{"GB26_0001"});
    QCOMPARE(OtherClockRings(*t.db, "001", "_0001"), QStringList{"GB26_0001"});
    QCOMPARE(OtherClockRings(*t.db, "001", "%1"), QStringList{});
}

void TestRaceResults::recalculationKeepsATypedClockVariation() {
    TestContext t;
    seedRace(*t.db);
    pigeon(*t.db, "001", "R1");
    pigeon(*t.db, "002", "R2");
    const RaceKey race{"KC", "1A", kRaceDay};
    // The member's clock ran 7 seconds ahead of the master clock at the check.
    const ClockReadings readings{QDateTime(kRaceDay, QTime(5, 0)),
                                 QDateTime(kRaceDay, QTime(20, 0, 0)),
                                 QDateTime(kRaceDay, QTime(20, 0, 7))};
    SaveManualArrival(*t.db, race, {"001", "R1", readings, QDateTime(kRaceDay, QTime(18, 0))});
    // An arrival typed before the variation was kept with it: the member's clock readings
    // for the race give it.
    SaveManualArrival(*t.db, race, {"002", "R2", readings, QDateTime(kRaceDay, QTime(18, 0))});
    t.db->exec("update ZOL_PigRaceData set TimeVari=null where PRingNo='R2'");
    const QString stored =
        "select PRingNo||'|'||FlyTime||'|'||FlySpeed from ZOL_PigRaceData order by PRingNo";
    const QStringList before = t.db->texts(stored);
    QCOMPARE(before.value(0), QStringLiteral("R1|10:59:53.000|800.141"));

    // The same liberation time changes nothing; a later one shortens by the difference only.
    RecalculateRace(*t.db, "1A", kRaceDay, QDateTime(kRaceDay, QTime(7, 0)));
    QCOMPARE(t.db->texts(stored), before);
    RecalculateRace(*t.db, "1A", kRaceDay, QDateTime(kRaceDay, QTime(8, 0)));
    QCOMPARE(t.db->texts("select FlyTime from ZOL_PigRaceData order by PRingNo"),
             QStringList({"09:59:53.000", "09:59:53.000"}));
}

void TestRaceResults::statusCountsBirdsWithoutAClockUnderTheLoftsClock() {
    TestContext t;
    seedRace(*t.db);
    const auto race = [&](const QString& loft, const QString& ring, const QVariant& clock,
                          const QVariant& backTime) {
        pigeon(*t.db, loft, ring);
        t.db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, ClockID, "
            "BackTime) values('KC','1A','2026-05-26',?,?,?)",
            {ring, clock, backTime});
    };
    const QString back = "2026-05-26 12:00:00.000";
    // 001: one clock; two of its four birds are read, two only marked.
    race("001", "A1", "C1", back);
    race("001", "A2", "C1", back);
    race("001", "A3", QVariant(), QVariant());
    race("001", "A4", QVariant(), QVariant());
    // 002: two clocks, and a bird neither clock has read yet.
    race("002", "B1", "C2", back);
    race("002", "B2", "C3", back);
    race("002", "B3", QVariant(), QVariant());
    // 003: times typed in, no clock at all.
    race("003", "D1", QVariant(), back);
    entry(*t.db, "XX", QVariant(), QVariant());  // a ring no member keeps
    QStringList rows;
    for (const QVariantList& row : AllRows(*t.db, RaceStatusSql(), kRace)) {
        rows << rowText(row);
    }
    QCOMPARE(rows, QStringList({"null|null|0|0", "001|C1|4|2", "002|null|1|0", "002|C2|1|1",
                                "002|C3|1|1", "003|null|1|1"}));
}

QTEST_MAIN(TestRaceResults)
#include "test_race_results.moc"
