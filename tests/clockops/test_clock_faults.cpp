// Every fault the clock emulator can inject, for each clock workflow: the memo's lines, the
// run's outcome and what the database holds afterwards. Requests are counted from 1:
// ReadDeviceId, ComVerify, then the JSON calls in the workflow's order.

#include <QTest>

#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "clockops_fixture.h"
#include "data/errors.h"

Q_DECLARE_METATYPE(RunResult)

namespace {

const QString kInjected = R"({"error":9,"message":"injected fault"})";
const QString kStatusFail = " API Reply Status Fail !";

const QJsonObject kMarkB23{{"RaceCode", "B230920"}, {"markTime", qint64(1474290000000)}};
const qint64 kReaderStop = 1474329600000;  // 2016-09-20 08:00:00 local

QJsonObject ResultRecord(qint64 back) {
    return QJsonObject{{"RaceCode", "B230920"}, {"RandNumMarked", 63}, {"RandNumberBack", 63},
                       {"UidBack", "04A1"},     {"GpsValid", false},   {"BackOrder", 1},
                       {"BackTimeEring", back}, {"BackTimeUid", back}};
}

// The clock and the database each workflow starts from.
QJsonObject PrepareClock(ClockOpsFixture& f, const QString& workflow) {
    if (workflow == "sync") {
        return ClockOf("K1_0123");
    }
    const QJsonArray races{QJsonObject{{"RaceCode", "B230920"},
                                       {"MarkDeviceTime", qint64(1474290000000)},
                                       {"RaceStopDeviceTIme", kReaderStop + 3000},
                                       {"RaceStopReaderTIme", kReaderStop}}};
    if (workflow == "mark") {
        return ClockOf(
            "0123", {QJsonObject{{"AssocNum", "BE-2016-1"}, {"raceRecords", QJsonArray{kMarkB23}}}},
            races);
    }
    f.t.db->exec(
        "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo) values"
        "('B23','2016-09-20','BE-2016-1'),('B23','2016-09-20','BE-2016-2')");
    f.t.db->exec(
        "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) values "
        "('B23','2016-09-20','0123')");
    return ClockOf(
        "0123",
        {QJsonObject{{"AssocNum", "BE-2016-1"},
                     {"raceRecords", QJsonArray{ResultRecord(kLiberationMs + 3600000)}}},
         QJsonObject{{"AssocNum", "BE-2016-2"}, {"raceRecords", QJsonArray{ResultRecord(0)}}}},
        races);
}

RunResult RunWorkflow(const QString& workflow, ClockRun& run, ClockSession& session) {
    if (workflow == "sync") {
        return SyncClock(run, session);
    }
    if (workflow == "mark") {
        return UploadMarking(run, session, {"B23", "2016-09-20", "B230920", "0101"});
    }
    return UploadResults(run, session, ChooseResultRace("B23 2016-09-20 BRX"));
}

}  // namespace

class TestClockFaults : public QObject {
    Q_OBJECT

  private slots:
    void faultTable_data() {
        QTest::addColumn<QString>("workflow");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<RunResult>("result");
        QTest::addColumn<QString>("checkSql");
        QTest::addColumn<QString>("expected");

        const QString syncWait = "In synchronize Loft Number: 0123 Please Wait! ";
        const QString syncDone = "Clock Synchornize Success !";
        const QString noClock = "Please connect to club antenna and clock.";
        const QString clocks = "select count(*) from ZOL_LoftClocks";
        const QString flagOf1 = "select SynchFlag from ZOL_PigData where PRingNo='BE-2016-1'";
        // sync: 3 SaveRace, 4 QueryPigeon, 5-7 SavePigeon, 8 QueryPigeon, 9-11 GetPigeonInfo
        const auto sync = [&](const char* name, const QString& fault, const QStringList& lines,
                              RunResult result, const QString& sql, const QString& expected) {
            QTest::newRow(name) << "sync" << fault << lines << result << sql << expected;
        };
        sync("sync: no reply to the id", "no-reply@1", {noClock}, RunResult::NoClock, clocks, "0");
        sync("sync: bad FCS on the id", "bad-fcs@1", {noClock}, RunResult::NoClock, clocks, "0");
        sync("sync: status on the id", "status@1", {noClock}, RunResult::NoClock, clocks, "0");
        sync("sync: bad proof", "bad-proof@2", {"ComVerify Error : "}, RunResult::Failed, clocks,
             "0");
        sync("sync: ComVerify silent", "no-reply@2", {"ComVerify Error : "}, RunResult::Failed,
             clocks, "0");
        sync("sync: SaveRace refused", "error@3", {syncWait, "SaveRace Error : " + kInjected},
             RunResult::Failed, clocks, "0");
        sync("sync: SavePigeon status", "status@5", {syncWait, "SavePigeon Error : " + kStatusFail},
             RunResult::Failed, flagOf1, "1");
        sync("sync: SavePigeon bad FCS", "bad-fcs@5",
             {syncWait, "SavePigeon Error : FCS Not Match"}, RunResult::Failed, flagOf1, "1");
        sync("sync: SavePigeon silent", "no-reply@5", {syncWait, "SavePigeon Error : "},
             RunResult::Failed, flagOf1, "1");
        sync("sync: QueryPigeon refused", "error@4", {syncDone}, RunResult::Succeeded, flagOf1,
             "0");
        sync("sync: GetPigeonInfo refused", "error@9", {syncDone}, RunResult::Succeeded, clocks,
             "1");
        sync("sync: split replies", "split=30:all", {syncDone}, RunResult::Succeeded, clocks, "1");
        sync("sync: delayed replies", "delay=150:all", {syncDone}, RunResult::Succeeded, clocks,
             "1");

        // mark: 3 QueryRace, 4 GetRaceInfo, 5-7 QueryRaceRecord
        const QString markWait = "Loft : 0123 in Marked data Upload , Pls Wait !";
        const QString markDone = "Marked data upload Success !";
        const QString entries = "select count(*) from ZOL_PigRaceData";
        const QString markTime = "select DLMarkedTime from ZOL_RaceClockTime";
        const auto mark = [&](const char* name, const QString& fault, const QStringList& lines,
                              RunResult result, const QString& sql, const QString& expected) {
            QTest::newRow(name) << "mark" << fault << lines << result << sql << expected;
        };
        mark("mark: no reply to the id", "no-reply@1", {noClock}, RunResult::NoClock, entries, "0");
        mark("mark: bad proof", "bad-proof@2", {markWait, "ComVerify Error !"}, RunResult::Failed,
             entries, "0");
        mark("mark: QueryRace refused", "error@3", {markWait, "QueryRace Error : " + kInjected},
             RunResult::Failed, markTime, "1970-01-01 08:00:00");
        mark("mark: QueryRaceRecord status", "status@5",
             {markWait, "QueryRaceRecord Error : " + kStatusFail,
              "RaceCode : B230920 No Marked data ! "},
             RunResult::Failed, entries, "0");
        mark("mark: split replies", "split=30:all", {markWait, markDone}, RunResult::Succeeded,
             markTime, "2016-09-19 21:00:00");
        mark("mark: delayed replies", "delay=150:all", {markWait, markDone}, RunResult::Succeeded,
             entries, "1");

        // result: 3 QueryRace, 4 GetRaceInfo, 5-6 QueryRaceRecord
        const QString resultWait = "Loft : 0123 in Result data Upload , Pls Wait !";
        const QString resultDone = "Race Result upload Success !";
        const QString written =
            "select coalesce(BackTime,'-')||'|'||coalesce(TimeVari,'-') from "
            "ZOL_PigRaceData where PRingNo='BE-2016-1'";
        const auto result = [&](const char* name, const QString& fault, const QStringList& lines,
                                RunResult outcome, const QString& sql, const QString& expected) {
            QTest::newRow(name) << "result" << fault << lines << outcome << sql << expected;
        };
        result("result: no reply to the id", "no-reply@1", {noClock}, RunResult::NoClock, written,
               "-|-");
        result("result: bad proof", "bad-proof@2", {resultWait, "ComVerify Error : "},
               RunResult::Failed, written, "-|-");
        result("result: QueryRace refused", "error@3", {resultWait, resultDone},
               RunResult::Succeeded,
               "select coalesce(ULMasterTime,'-')||'|'||TimeVari from ZOL_RaceClockTime, "
               "ZOL_PigRaceData where PRingNo='BE-2016-1'",
               "-|0");
        result("result: QueryRaceRecord refused", "error@5",
               {resultWait, "QueryRaceRecord Error : " + kInjected}, RunResult::Failed, written,
               "-|-");
        result("result: split replies", "split=30:all", {resultWait, resultDone},
               RunResult::Succeeded, written, "2016-09-20 08:00:00.000|3");
        result("result: delayed replies", "delay=150:all", {resultWait, resultDone},
               RunResult::Succeeded, "select ULClockTime from ZOL_RaceClockTime",
               "2016-09-20 08:00:03");
    }

    void faultTable() {
        QFETCH(QString, workflow);
        QFETCH(QString, fault);
        QFETCH(QStringList, lines);
        QFETCH(RunResult, result);
        QFETCH(QString, checkSql);
        QFETCH(QString, expected);
        ClockOpsFixture f;
        EmulatorProcess emulator(PrepareClock(f, workflow), {"--fault", fault});
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        QCOMPARE(RunWorkflow(workflow, run, f.session), result);
        QCOMPARE(f.memo.lines(), lines);
        QCOMPARE(f.value(checkSql).toString(), expected);
        // Only a run that read the clock through hands it over as the last handled clock.
        const bool handled =
            result == RunResult::Succeeded ||
            (workflow == "mark" && result == RunResult::Failed && !fault.startsWith("bad-proof"));
        QCOMPARE(f.session.lastClock.isEmpty(), !handled);
    }

    // A number the clock should send and does not ends the run with the conversion message.
    void unreadableNumbers_data() {
        QTest::addColumn<QString>("workflow");
        QTest::addColumn<QJsonObject>("clock");
        QTest::addColumn<QString>("message");
        QTest::newRow("sync: UpdateTime")
            << "sync"
            << ClockOf("0123", {QJsonObject{{"AssocNum", "BE-2016-1"}, {"UpdateTime", "abc"}}})
            << "'abc' is not a valid integer value";
        QTest::newRow("mark: markTime")
            << "mark"
            << ClockOf(
                   "0123",
                   {QJsonObject{{"AssocNum", "BE-2016-1"},
                                {"raceRecords", QJsonArray{QJsonObject{{"RaceCode", "B230920"},
                                                                       {"markTime", "12:00"}}}}}})
            << "'12:00' is not a valid integer value";
    }
    void unreadableNumbers() {
        QFETCH(QString, workflow);
        QFETCH(QJsonObject, clock);
        QFETCH(QString, message);
        ClockOpsFixture f;
        EmulatorProcess emulator(clock);
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        try {
            RunWorkflow(workflow, run, f.session);
            QFAIL("the run went on");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(f.value("select count(*) from ZOL_LoftClocks").toInt(), 0);
        QVERIFY(f.session.lastClock.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestClockFaults)
#include "test_clock_faults.moc"
