// The clock workflows run over the real serial stack against the clock emulator; the database
// and the clock's saved state are checked afterwards.

#include <QTest>

#include "clockops/clock_init.h"
#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "clockops/marked_list.h"
#include "clockops_fixture.h"
#include "data/clock.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "spreadsheet/workbook_reader.h"

class TestClockWorkflows : public QObject {
    Q_OBJECT

  private slots:
    void figures() {
        QCOMPARE(LoftNoFromIdentity("K1_0123", LoftFromIdentity::AfterUnderscore), "0123");
        QCOMPARE(LoftNoFromIdentity("0123", LoftFromIdentity::AfterUnderscore), "0123");
        QCOMPARE(LoftNoFromIdentity("K1_0123", LoftFromIdentity::WholeText), "K1_0123");

        const QDateTime liberation(QDate(2016, 9, 20), QTime(7, 0));
        QCOMPARE(SaveRaceParams("0101", "B23", "BRX", LocalToUtcSecs(liberation, -480) * 1000, "12",
                                "2"),
                 "ClubCode:0101%LiberCode:B23%LiberName:BRX%LiberTime:1474326000000%"
                 "AssocCode:12%PrintCount:#2");

        // Variance from the two stop readings as day counts.
        const double reader = DayCount(QDateTime(QDate(2016, 9, 20), QTime(8, 0)));
        const auto stop = [](int h, int m, int s) {
            const qint64 secs = LocalToUtcSecs(QDateTime(QDate(2016, 9, 20), QTime(h, m, s)), -480);
            return UtcSecsToLocal(secs, -480);
        };
        QCOMPARE(TimeVariance(stop(8, 0, 5), stop(8, 0, 0)), 5);
        QCOMPARE(TimeVariance(stop(7, 59, 55), stop(8, 0, 0)), -4);
        QCOMPARE(TimeVariance(reader, reader), 0);

        QCOMPARE(FormatDeviceLon(436223456), "E121'10:23.456");
        QCOMPARE(FormatDeviceLat(-90185005), "S025'03:05.05");
        QCOMPARE(FormatDeviceLon(0), "E000'00:00.00");
        QCOMPARE(FormatDeviceLat(0), "N000'00:00.00");
        QCOMPARE(FormatDeviceLon(-436223456), "W121'10:23.456");

        for (const auto& [hours, text] :
             {std::pair{1, "%timeZone:#3600%"}, std::pair{-5, "%timeZone:#-18000%"},
              std::pair{10, "%timeZone:#36000%"}}) {
            ClockInitSettings s{"apn", "sms", hours * 3600, "1"};
            QVERIFY2(UploadSettingsText(s).contains(text), text);
        }
        QCOMPARE(UploadSettingsText({"internet", "+32", 3600, "0"}),
                 "HostIp:" + kUploadHostName +
                     "$80%HostPath:/SendGPRS%Apn:internet%HostSmsCode:+32%UploadInterval:#120000%"
                     "NotifyMode:#0%UploadMode:#112%timeZone:#3600%pi0:#0");
    }

    // A clock with no pigeons gets them all, a deleted one leaves clock and table, an old race
    // leaves both; the second run sends only the flagged pigeon and not the race again.
    void synchroniseFirstThenFlagged() {
        ClockOpsFixture f;
        f.addPigeon("0123", "BE-2016-4", "4", "BB", "2016", "C", 1, 1);
        f.t.db->exec(
            "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) values"
            "('A01','2016-09-10','0123'),('A02','2016-09-16','0123')");
        EmulatorProcess emulator(
            ClockOf("K1_0123", {},
                    {QJsonObject{{"RaceCode", "A010910"}}, QJsonObject{{"RaceCode", "A020916"}}}));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);

        QCOMPARE(SyncClock(run, f.session), RunResult::Succeeded);
        QCOMPARE(f.memo.lines(), QStringList{"Clock Synchornize Success !"});
        QCOMPARE(f.memo.colour(), ClockMemo::Colour::Lime);
        QCOMPARE(f.t.prompts.beeps, 1);
        QCOMPARE(f.session.loftNo, "0123");
        QCOMPARE(f.session.lastClock, "1A2B3C4D");
        QCOMPARE(f.value("select count(*) from ZOL_PigData where LoftNo='0123' and SynchFlag<>0"),
                 0);
        QCOMPARE(f.value("select count(*) from ZOL_PigData where PRingNo='BE-2016-4'"), 0);
        QCOMPARE(f.value("select LiberCode from ZOL_RaceClockTime"), "A02");
        QCOMPARE(f.value("select LastSynchDate||'/'||SynchStat from ZOL_LoftClocks where "
                         "LoftNo='0123' and ClockID='1A2B3C4D'"),
                 "2016-09-20 06:00:00.000/0");

        QJsonObject state = emulator.state();
        QJsonArray pigeons = state["pigeons"].toArray();
        QCOMPARE(pigeons.size(), 3);
        const QJsonObject hen = Find(pigeons, "AssocNum", "BE-2016-2");
        QCOMPARE(hen["regNum"].toString(), "2");
        QCOMPARE(hen["eringNum"].toString(), "E2");
        QCOMPARE(hen["Color"].toString(), "BC");
        QCOMPARE(hen["Year"], QJsonValue(2016));
        QCOMPARE(hen["Sex"], QJsonValue(0));
        QCOMPARE(Find(pigeons, "AssocNum", "BE-2016-3")["Sex"], QJsonValue(2));
        const QJsonArray races = state["races"].toArray();
        QCOMPARE(races.size(), 2);
        const QJsonObject race = Find(races, "RaceCode", "B230920");
        QCOMPARE(race["LiberTime"].toString(), "1474326000000");
        QCOMPARE(race["ClubCode"].toString(), "0101");
        QCOMPARE(race["LiberName"].toString(), "BRX");
        QCOMPARE(race["AssocCode"].toString(), "12");
        QCOMPARE(race["PrintCount"], QJsonValue(2));
        QVERIFY(Find(races, "RaceCode", "A010910").isEmpty());
        QCOMPARE(state["texts"].toArray().last().toString(), "0123 Clock Synchornize Success !");

        // Second run, a minute later: one pigeon flagged, another changed without its flag.
        f.t.clock.advanceMs(60000);
        f.t.db->exec(
            "update ZOL_PigData set ColorType='RR', SynchFlag=1 where PRingNo='BE-2016-1'");
        f.t.db->exec("update ZOL_PigData set ColorType='ZZ' where PRingNo='BE-2016-2'");
        f.session.lastClock.clear();
        QCOMPARE(SyncClock(run, f.session), RunResult::Succeeded);
        pigeons = emulator.state()["pigeons"].toArray();
        QCOMPARE(Find(pigeons, "AssocNum", "BE-2016-1")["Color"].toString(), "RR");
        QCOMPARE(Find(pigeons, "AssocNum", "BE-2016-2")["Color"].toString(), "BC");
        QCOMPARE(emulator.log().count("saveRace"), 1);
        QCOMPARE(f.value("select LastSynchDate from ZOL_LoftClocks"), "2016-09-20 06:01:00.000");

        // The same clock left on the antenna is passed over silently.
        f.memo.clear();
        QCOMPARE(SyncClock(run, f.session), RunResult::SameClock);
        QVERIFY(!f.memo.visible());
        QCOMPARE(f.t.prompts.beeps, 2);

        // The race-day log tells what the clock was given.
        QFile log(f.log.fileName());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.contains("1A2B3C4D\t0123\tsynchronise\trace B230920 sent"));
        QVERIFY(text.contains("pigeon BE-2016-4 deleted"));
    }

    // What the clock assigned comes back: later assignments update the row, a new ring with an
    // electronic ring is added, one without is not, and a ring of another loft is refused.
    void synchroniseReadsAssignmentsBack() {
        ClockOpsFixture f;
        f.t.db->exec("update ZOL_PigData set SynchFlag=0");
        const qint64 later = 1473580800000;    // 2016-09-11 08:00:00 UTC, after the row
        const qint64 earlier = 1472630400000;  // 2016-08-31 08:00:00 UTC, before it
        const QJsonArray pigeons{
            QJsonObject{{"AssocNum", "BE-2016-1"},
                        {"Uid", "04A1"},
                        {"eringNum", "E901"},
                        {"UpdateTime", later}},
            QJsonObject{{"AssocNum", "BE-2016-2"},
                        {"Uid", "04A2"},
                        {"eringNum", "E902"},
                        {"UpdateTime", earlier}},
            QJsonObject{{"AssocNum", "BE-2016-8"},
                        {"Uid", "04A8"},
                        {"eringNum", "E908"},
                        {"UpdateTime", later},
                        {"Year", 2016},
                        {"Sex", 0},
                        {"Color", "BB"}},
            QJsonObject{{"AssocNum", "BE-2016-9"}, {"eringNum", ""}, {"UpdateTime", later}},
        };
        EmulatorProcess emulator(ClockOf("0123", pigeons));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        QCOMPARE(SyncClock(run, f.session), RunResult::Succeeded);

        QCOMPARE(f.value("select UID||'/'||E_Ring||'/'||AssignDate from ZOL_PigData where "
                         "PRingNo='BE-2016-1'"),
                 "04A1/E901/2016-09-11 16:00:00");
        QCOMPARE(f.value("select E_Ring from ZOL_PigData where PRingNo='BE-2016-2'"), "E2");
        QCOMPARE(f.value("select LoftNo||'/'||UID||'/'||E_Ring||'/'||Sex||'/'||RYear||'/'||"
                         "ColorType||'/'||CreateDate||'/'||SynchFlag||DeleteMark from ZOL_PigData "
                         "where PRingNo='BE-2016-8'"),
                 "0123/04A8/E908/H/2016/BB/2016-09-11/00");
        QCOMPARE(f.value("select count(*) from ZOL_PigData where PRingNo='BE-2016-9'"), 0);

        // Loft 0456's ring reported by this clock: not added a second time, and said so.
        f.session.lastClock.clear();
        f.t.db->exec("update ZOL_PigData set LoftNo='0456' where PRingNo='BE-2016-8'");
        QCOMPARE(SyncClock(run, f.session), RunResult::Failed);
        QCOMPARE(f.memo.lines().last(),
                 "Ring BE-2016-8 of loft 0123 already belongs to loft 0456 : not added !");
        QCOMPARE(f.value("select count(*) from ZOL_PigData where PRingNo='BE-2016-8'"), 1);
        QVERIFY(f.session.lastClock.isEmpty());
    }

    // Two clocks marked in turn for race B23, each entering its own pigeons and clock time.
    void markedUploadOfTwoClocks() {
        ClockOpsFixture f;
        const qint64 marked = 1474290000000;  // 2016-09-19 13:00:00 UTC = 21:00:00 local
        const QJsonObject forB23{{"RaceCode", "B230920"}, {"markTime", marked}};
        const QJsonArray clockA{
            QJsonObject{{"AssocNum", "BE-2016-1"}, {"raceRecords", QJsonArray{forB23}}},
            QJsonObject{{"AssocNum", "BE-2016-2"},
                        {"raceRecords",
                         QJsonArray{QJsonObject{{"RaceCode", "C010920"}, {"markTime", marked}}}}},
        };
        const QJsonArray clockB{
            QJsonObject{{"AssocNum", "BE-2016-7"},
                        {"raceRecords", QJsonArray{QJsonObject{{"RaceCode", "B230920"},
                                                               {"markTime", marked + 61000}}}}},
        };
        const QJsonArray races{QJsonObject{{"RaceCode", "B230920"}, {"MarkDeviceTime", marked}}};
        EmulatorProcess emulator({ClockOf("0123", clockA, races, "1A2B3C4D"),
                                  ClockOf("0456", clockB, races, "5E6F7A8B")},
                                 {});
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        const RaceChoice race = ChooseMarkingRace(*f.t.db, RaceListItems(*f.t.db).value(0));
        QCOMPARE(race.raceCode, "B230920");
        QCOMPARE(race.raceDateText, "2016-09-20");
        QCOMPARE(race.clubId, "0101");

        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Succeeded);
        QCOMPARE(f.memo.lines(), (QStringList{"Loft : 0123 in Marked data Upload , Pls Wait !",
                                              "Marked data upload Success !"}));
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::SameClock);
        emulator.signal(SIGUSR2);
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Succeeded);

        QSqlQuery q = f.t.db->select(
            "select ClubID, LiberCode, LiberDate, PRingNo, MarkedTime from ZOL_PigRaceData "
            "order by PRingNo");
        QStringList rows;
        while (q.next()) {
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toString(), q.value(4).toString()}
                        .join('|');
        }
        QCOMPARE(rows, (QStringList{"0101|B23|2016-09-20|BE-2016-1|2016-09-19 21:00:00",
                                    "0101|B23|2016-09-20|BE-2016-7|2016-09-19 21:01:01"}));
        QSqlQuery c = f.t.db->select(
            "select LoftNo, ClockID, LiberDate, DLMarkedTime from ZOL_RaceClockTime order by "
            "LoftNo");
        rows.clear();
        while (c.next()) {
            rows << QStringList{c.value(0).toString(), c.value(1).toString(), c.value(2).toString(),
                                c.value(3).toString()}
                        .join('|');
        }
        QCOMPARE(rows, (QStringList{"0123|1A2B3C4D|2016-09-20|2016-09-19 21:00:00",
                                    "0456|5E6F7A8B|2016-09-20|2016-09-19 21:00:00"}));
        QCOMPARE(emulator.state(1)["texts"].toArray().last().toString(),
                 "0456 Marked data upload Success !");
        QCOMPARE(f.t.db->rowCount(MarkingGridSql(true), {"B23", "2016-09-20"}), 2);

        // A clock with nothing marked for the race still gets its clock time row, without a
        // marking time the clock did not give (not the clock's zero, 1970-01-01 08:00:00).
        emulator.signal(SIGUSR2);
        const RaceChoice other{"D01", "2016-09-20", "D010920", "0101"};
        QCOMPARE(UploadMarking(run, f.session, other), RunResult::Failed);
        QCOMPARE(f.memo.lines().last(), "RaceCode : D010920 No Marked data ! ");
        QCOMPARE(f.value("select coalesce(DLMarkedTime,'-')||'|'||ClockID from ZOL_RaceClockTime "
                         "where LiberCode='D01'")
                     .toString(),
                 "-|1A2B3C4D");
    }

    // Arrivals verified: matching codes write the whole result, differing codes only the codes.
    void resultUploadVerifiesArrivals() {
        ClockOpsFixture f;
        f.t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
            "('B23','0123',12,345)");
        f.t.db->exec(
            "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) values "
            "('B23','2016-09-20','0123')");
        for (const char* ring : {"BE-2016-1", "BE-2016-2", "BE-2016-3"}) {
            f.t.db->exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
                "values('0101','B23','2016-09-20',?)",
                {ring});
        }
        const qint64 arrival = kLiberationMs + 3723004 + 5000;  // the clock runs 5 s fast
        const auto record = [&](int back, qint64 at) {
            return QJsonObject{{"RaceCode", "B230920"},    {"RandNumMarked", 63},
                               {"RandNumberBack", back},   {"UidBack", "04A1B2C3"},
                               {"GpsValid", true},         {"BackOrder", 1},
                               {"BackTimeEring", at},      {"BackTimeUid", at + 12},
                               {"BackHomeLat", -90185005}, {"BackHomeLon", 436223456}};
        };
        const QJsonArray pigeons{
            QJsonObject{{"AssocNum", "BE-2016-1"},
                        {"raceRecords", QJsonArray{record(63, arrival)}}},
            QJsonObject{{"AssocNum", "BE-2016-2"},
                        {"raceRecords", QJsonArray{record(64, arrival + 1000)}}},
            QJsonObject{{"AssocNum", "BE-2016-3"}, {"raceRecords", QJsonArray{record(0, 0)}}},
        };
        const qint64 readerStop = 1474329600000;  // 2016-09-20 08:00:00 local
        const QJsonArray races{QJsonObject{{"RaceCode", "B230920"},
                                           {"RaceStopDeviceTIme", readerStop + 5000},
                                           {"RaceStopReaderTIme", readerStop}}};
        EmulatorProcess emulator(ClockOf("0123", pigeons, races));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        const RaceChoice race = ChooseResultRace("B23 2016-09-20 BRX");
        QCOMPARE(race.raceCode, "B230920");

        QCOMPARE(UploadResults(run, f.session, race), RunResult::Succeeded);
        QCOMPARE(f.session.variance, 5);
        QCOMPARE(f.session.arrivals.size(), 2);
        QCOMPARE(f.t.prompts.of("message"), QStringList{"Security Code not match !! (BE-2016-2)"});
        QCOMPARE(f.memo.lines().last(), "Race Result upload Success !");
        QCOMPARE(f.value("select BackTime||'|'||FlyTime||'|'||FlySpeed||'|'||Dist||'|'||ClockID||"
                         "'|'||UID_Real||'|'||TimeVari||'|'||RandomCode||'|'||RealRandom||'|'||"
                         "BackLon||'|'||BackLat from ZOL_PigRaceData where PRingNo='BE-2016-1'"),
                 "2016-09-20 08:02:08.004|01:02:03.004|198.952|12345|1A2B3C4D|04A1B2C3|5|63|3F|"
                 "E121'10:23.456|S025'03:05.05");
        QCOMPARE(f.value("select coalesce(BackTime,'-')||'|'||UID_Real||'|'||RandomCode||'|'||"
                         "RealRandom from ZOL_PigRaceData where PRingNo='BE-2016-2'"),
                 "-|04A1B2C3|63|40");
        QCOMPARE(f.value("select coalesce(BackTime,'-')||coalesce(UID_Real,'-') from "
                         "ZOL_PigRaceData where PRingNo='BE-2016-3'"),
                 "--");
        QCOMPARE(f.value("select ULMasterTime||'|'||ULClockTime from ZOL_RaceClockTime"),
                 "2016-09-20 08:00:00|2016-09-20 08:00:05");
        QCOMPARE(emulator.state()["texts"].toArray().last().toString(),
                 "0123 Race Result upload Success !");

        // Ranking: one arrival so far, in first place.
        QSqlQuery grid = f.t.db->select(ResultGridSql(), {"B23", "2016-09-20"});
        QVERIFY(grid.next());
        QCOMPARE(grid.value(0).toInt(), 1);
        QCOMPARE(grid.value(2).toString(), "BE-2016-1");
        QVERIFY(!grid.next());
    }

    void rankingSharesPlaces() {
        ClockOpsFixture f;
        const char* rows[][3] = {{"BE-2016-1", "2016-09-20 08:00:02.000", "900.5"},
                                 {"BE-2016-2", "2016-09-20 08:00:01.000", "900.5"},
                                 {"BE-2016-3", "2016-09-20 08:10:00.000", "800"}};
        for (const auto& r : rows) {
            f.t.db->exec(
                "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, BackTime, "
                "FlySpeed) values('B23','2016-09-20',?,?,?)",
                {r[0], r[1], QString(r[2]).toDouble()});
        }
        // The race of the same code and day a year before is another race.
        f.t.db->exec(
            "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, BackTime, "
            "FlySpeed) values('B23','2015-09-20','BE-2015-1','2015-09-20 08:00:00',950)");
        QSqlQuery q = f.t.db->select(ResultGridSql(), {"B23", "2016-09-20"});
        QStringList ranking;
        while (q.next()) {
            ranking << q.value(0).toString() + " " + q.value(2).toString();
        }
        QCOMPARE(ranking, (QStringList{"1 BE-2016-2", "1 BE-2016-1", "3 BE-2016-3"}));
    }

    // The day's list: two races of the same day each count their own Nom; the sixth and later
    // pigeons of a loft carry 0.
    void markedListExport() {
        ClockOpsFixture f;
        for (int i : {4, 5, 6, 8}) {
            f.addPigeon("0123", QString("BE-2016-%1").arg(i), QString::number(i), "BB", "2016", "C",
                        0);
        }
        for (int i : {1, 2, 3, 4, 5, 6, 8}) {
            f.t.db->exec(
                "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, MarkedTime) "
                "values('B23','2016-09-20',?,?)",
                {QString("BE-2016-%1").arg(i), QString("2016-09-19 21:0%1:00").arg(i)});
        }
        f.t.db->exec(
            "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, MarkedTime) "
            "values('C01','2016-09-20','BE-2016-1','2016-09-19 20:00:00'),"
            "('B23','2016-09-20','BE-2016-7x','2016-09-19 22:00:00'),"
            "('B23','2016-09-21','BE-2016-2','2016-09-19 22:00:00')");
        const QString file = f.t.root.filePath("marked.xlsx");
        f.t.prompts.fileNames << file;
        QCOMPARE(ExportMarkedList(*f.t.db, f.t.prompts, "2016-09-20"), file);
        QCOMPARE(f.t.prompts.of("save"), QStringList{"Excel File (*.xlsx)"});
        const WorkbookReader book(file);
        QCOMPARE(book.rowCount(), 10);
        QCOMPARE(book.columnCount(), 8);
        QStringList lines;
        for (int row = 1; row <= book.rowCount(); ++row) {
            QStringList cells;
            for (int column = 1; column <= 8; ++column) {
                cells << book.text(row, column);
            }
            lines << cells.join('|');
        }
        QCOMPARE(lines.join("\n"),
                 (QStringList{"LoftNo|PRingNo|Sex|ColorType|LiberCode|LiberDate|MarkedTime|Nom",
                              "||||B23|2016-09-20|2016-09-19 22:00:00|0",
                              "0123|BE-2016-1|C|BB|C01|2016-09-20|2016-09-19 20:00:00|1",
                              "0123|BE-2016-1|C|BB|B23|2016-09-20|2016-09-19 21:01:00|1",
                              "0123|BE-2016-2|H|BC|B23|2016-09-20|2016-09-19 21:02:00|2",
                              "0123|BE-2016-3|U|RC|B23|2016-09-20|2016-09-19 21:03:00|3",
                              "0123|BE-2016-4|C|BB|B23|2016-09-20|2016-09-19 21:04:00|4",
                              "0123|BE-2016-5|C|BB|B23|2016-09-20|2016-09-19 21:05:00|5",
                              "0123|BE-2016-6|C|BB|B23|2016-09-20|2016-09-19 21:06:00|0",
                              "0123|BE-2016-8|C|BB|B23|2016-09-20|2016-09-19 21:08:00|0"}
                      .join("\n")));
    }

    void initialiseClock_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("banner");
        QTest::newRow("yes, a new clock") << int(Prompts::Answer::Yes) << "" << QStringList{}
                                          << "0123 Loft/Club Data Download Success !";
        QTest::newRow("no, a clock of another loft")
            << int(Prompts::Answer::No) << "0456"
            << QStringList{"LoftNo Wrong ! ReCheck ! (the clock holds loft 0456, not 0123)"} << "";
        QTest::newRow("no, the loft's own clock")
            << int(Prompts::Answer::No) << "0123" << QStringList{}
            << "0123 Loft/Club Data Download Success !";
    }
    void initialiseClock() {
        QFETCH(int, answer);
        QFETCH(QString, owner);
        QFETCH(QStringList, messages);
        QFETCH(QString, banner);
        ClockOpsFixture f;
        QJsonObject clock = ClockOf(owner);
        if (!owner.isEmpty()) {
            clock["key"] = TWinApiV8::DiverseKey("1A2B3C4D");
        }
        EmulatorProcess emulator(clock);
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        f.t.prompts.answers << Prompts::Answer(answer);
        QString shown;
        const bool done =
            InitialiseClock(*api, *f.t.db, f.t.prompts, "0123", {"internet", "+32", 3600, "1"},
                            [&](const QString& text) { shown = text; });
        QCOMPARE(done, !banner.isEmpty());
        QCOMPARE(f.t.prompts.of("question"),
                 QStringList{"Do you want to Initialize this timer ? " +
                             (owner.isEmpty() ? QString("(it holds no loft yet)")
                                              : "(it now holds loft " + owner + ")")});
        QCOMPARE(f.t.prompts.of("message"), messages);
        QCOMPARE(shown, banner);
        const QJsonObject state = emulator.state();
        const QJsonObject loft = state["loft"].toObject();
        if (banner.isEmpty()) {
            QVERIFY(loft.isEmpty());
            QVERIFY(state["texts"].toArray().isEmpty());
            return;
        }
        QCOMPARE(state["owner"].toString(), "0123");
        QCOMPARE(loft["OwnerName"].toString(), "Jan Peeters");
        QCOMPARE(loft["LoftLon"].toString(), "E003'43:12.25");
        QCOMPARE(loft["Email"].toString(), "");
        QCOMPARE(loft["ClubName"].toString(), "De Snelle Duif");
        QCOMPARE(loft["HostIp"].toString(), kUploadHostName + ":80");
        QCOMPARE(loft["timeZone"], QJsonValue(3600));
        QCOMPARE(loft["pi0"], QJsonValue(1));
        QCOMPARE(state["texts"].toArray().last().toString(), banner);
        QCOMPARE(f.t.prompts.beeps, 1);
    }

    // A write refused in the middle of a run (a full disk, a missing table): nothing of the
    // run's open batch is stored, and the run ends red saying so, not in an error box that
    // would stop the automatic reading.
    void refusedWriteKeepsNothingOfTheBatch() {
        ClockOpsFixture f;
        TWinApiV8 api(QStringLiteral("/nonexistent/antenna"), [](const QString&) {});
        ClockRun run = f.run(api);
        const RunResult result = GuardedRun(run, false, [&] {
            f.t.db->exec("insert into ZOL_LoftData (LoftNo) values ('0999')");
            f.t.db->exec("insert into ZOL_NoSuchTable (x) values (1)");
            return RunResult::Succeeded;
        });
        QCOMPARE(result, RunResult::Failed);
        QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
        QVERIFY2(f.memo.lines().last().startsWith(
                     "Database Error : not stored, the clock is read again : "),
                 qPrintable(f.memo.text()));
        QCOMPARE(f.value("select count(*) from ZOL_LoftData where LoftNo='0999'").toInt(), 0);
        // The connection is left ready for the next run.
        f.t.db->exec("insert into ZOL_LoftData (LoftNo) values ('0998')");
        QCOMPARE(f.value("select count(*) from ZOL_LoftData where LoftNo='0998'").toInt(), 1);
    }

    // The server goes away while a clock run's batch is open: the batch says why in the
    // program's words (shown in the memo and the race-day log), never the driver's.
    void batchOnALostServerSaysWhyPlainly() {
        TestContext t;
        if (!t.db->isServer()) {
            QSKIP("A club file has no connection to lose.");
        }
        TdmZOLF admin(t.db->fileName());
        WriteBatch batch(*t.db);
        t.db->exec("insert into ZOL_LoftData (LoftNo) values ('0123')");
        admin.exec(
            "select pg_terminate_backend(pid) from pg_stat_activity where "
            "datname=current_database() and pid<>pg_backend_pid()");
        QTest::qWait(100);
        QVERIFY(!batch.commit());
        const QString why = batch.lastError();
        QVERIFY2(why.startsWith("The connection to the database server was lost"), qPrintable(why));
        // Nothing of the batch is stored, and the seat's next batch is.
        QCOMPARE(admin.rowCount("select 1 from ZOL_LoftData"), 0);
        batch.rollback();
        WriteBatch next(*t.db);
        t.db->exec("insert into ZOL_LoftData (LoftNo) values ('0456')");
        QVERIFY(next.commit());
        QCOMPARE(admin.rowCount("select 1 from ZOL_LoftData"), 1);
    }
};

QTEST_GUILESS_MAIN(TestClockWorkflows)
#include "test_clock_workflows.moc"
