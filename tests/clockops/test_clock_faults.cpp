// Every fault the clock emulator can inject, for each clock workflow: the memo's lines, the
// run's outcome and what the database holds afterwards. Requests are counted from 1:
// ReadDeviceId, ComVerify, then the JSON calls in the workflow's order.

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

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

// Another program reading the club database: it holds a read transaction for holdMs, which
// keeps every commit of the program waiting.
class ReadingProgram {
  public:
    ReadingProgram(const QString& file, int holdMs)
        : thread_([this, file, holdMs] {
              const QString name = QStringLiteral("reading-program");
              {
                  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                  db.setDatabaseName(file);
                  db.open();
                  QSqlQuery q(db);
                  q.exec("begin");
                  q.exec("select count(*) from ZOL_PigData");
                  q.next();
                  reading_ = true;
                  std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
                  q.finish();
                  q.exec("commit");
                  db.close();
              }
              QSqlDatabase::removeDatabase(name);
          }) {
        while (!reading_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~ReadingProgram() { thread_.join(); }

  private:
    std::atomic<bool> reading_{false};
    std::thread thread_;
};

// Marked entries as another connection sees them: what is committed.
QString CommittedMarks(const QString& file) {
    QString marks;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "committed");
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.exec(
            "select group_concat(PRingNo||'@'||MarkedTime, ' ') from (select * from "
            "ZOL_PigRaceData order by PRingNo)");
        marks = q.next() ? q.value(0).toString() : QString();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("committed");
    return marks;
}

// Four pigeons of loft 0123 marked a minute apart from 21:00 local.
QJsonObject FourMarkedPigeons(ClockOpsFixture& f) {
    f.addPigeon("0123", "BE-2016-4", "4", "BB", "2016", "C", 0);
    QJsonArray pigeons;
    for (int i = 1; i <= 4; ++i) {
        const QJsonObject mark{{"RaceCode", "B230920"},
                               {"markTime", qint64(1474290000000) + (i - 1) * 60000}};
        pigeons << QJsonObject{{"AssocNum", QStringLiteral("BE-2016-%1").arg(i)},
                               {"raceRecords", QJsonArray{mark}}};
    }
    return ClockOf(
        "0123", pigeons,
        {QJsonObject{{"RaceCode", "B230920"}, {"MarkDeviceTime", qint64(1474290000000)}}});
}

const QString kFourMarks =
    "BE-2016-1@2016-09-19 21:00:00 BE-2016-2@2016-09-19 21:01:00 "
    "BE-2016-3@2016-09-19 21:02:00 BE-2016-4@2016-09-19 21:03:00";

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
        // What the clock assigned must be read back whole, or the clock is synchronised again.
        sync("sync: GetPigeonInfo refused", "error@9",
             {syncWait, "GetPigeonInfo Error : " + kInjected}, RunResult::Failed, clocks, "0");
        sync("sync: read-back count silent", "no-reply@8", {syncWait, "QueryPigeon Error : "},
             RunResult::Failed, clocks, "0");
        sync("sync: read-back silent", "no-reply@9", {syncWait, "GetPigeonInfo Error : "},
             RunResult::Failed, clocks, "0");
        sync("sync: read-back bad FCS", "bad-fcs@10",
             {syncWait, "GetPigeonInfo Error : FCS Not Match"}, RunResult::Failed, clocks, "0");
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
        // Lost on the link: the run ends there, nothing guessed is written.
        mark("mark: QueryRace silent", "no-reply@3", {markWait, "QueryRace Error : "},
             RunResult::Failed, markTime, "");
        mark("mark: GetRaceInfo bad FCS", "bad-fcs@4",
             {markWait, "GetRaceInfo Error : FCS Not Match"}, RunResult::Failed, markTime, "");
        mark("mark: QueryRaceRecord silent", "no-reply@5", {markWait, "QueryRaceRecord Error : "},
             RunResult::Failed, entries, "0");
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
        // Without the clock's stop times its arrivals cannot be timed: nothing is written.
        const QString stops = "select coalesce(ULMasterTime,'-') from ZOL_RaceClockTime";
        result("result: QueryRace refused", "error@3",
               {resultWait, "QueryRace Error : " + kInjected}, RunResult::Failed, written, "-|-");
        result("result: QueryRace silent", "no-reply@3", {resultWait, "QueryRace Error : "},
               RunResult::Failed, stops, "-");
        result("result: GetRaceInfo refused", "error@4",
               {resultWait, "GetRaceInfo Error : " + kInjected}, RunResult::Failed, written, "-|-");
        result("result: GetRaceInfo silent", "no-reply@4", {resultWait, "GetRaceInfo Error : "},
               RunResult::Failed, written, "-|-");
        result("result: GetRaceInfo bad FCS", "bad-fcs@4",
               {resultWait, "GetRaceInfo Error : FCS Not Match"}, RunResult::Failed, written,
               "-|-");
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
        // Only a run that read the clock through hands it over as the last handled clock: any
        // other is read again at the next tick.
        QCOMPARE(f.session.lastClock.isEmpty(), result != RunResult::Succeeded);
    }

    // A reply that comes after the program gave up on it is not taken for the answer to the
    // next request: the run ends at the lost reply, and the next run reads every pigeon right.
    void lateReplyIsNotTakenForTheNext() {
        ClockOpsFixture f;
        // 3 QueryRace, 4 GetRaceInfo, 5-8 QueryRaceRecord: pigeon 2's answer comes too late.
        EmulatorProcess emulator(FourMarkedPigeons(f), {"--fault", "delay=700@6"});
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        const RaceChoice race{"B23", "2016-09-20", "B230920", "0101"};
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Failed);
        QCOMPARE(f.memo.lines(), QStringList({"Loft : 0123 in Marked data Upload , Pls Wait !",
                                              "QueryRaceRecord Error : "}));
        QCOMPARE(f.value("select group_concat(PRingNo||'@'||MarkedTime, ' ') from "
                         "ZOL_PigRaceData")
                     .toString(),
                 "BE-2016-1@2016-09-19 21:00:00");
        QVERIFY(f.session.lastClock.isEmpty());

        QThread::msleep(400);  // the late reply is on the line before the next run
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Succeeded);
        QCOMPARE(CommittedMarks(f.t.paths.databaseFile), kFourMarks);
    }

    // Another program holding the database: the commit waits for it, the memo saying so, and
    // success is shown only once the entries are stored; when it never lets go the run ends
    // red with the database's reason and the clock is read again.
    void busyDatabase() {
        {
            ClockOpsFixture f;
            EmulatorProcess emulator(FourMarkedPigeons(f));
            QVERIFY(emulator.ready());
            auto api = DeviceOn(emulator);
            ClockRun run = f.run(*api);
            QString storedAtSuccess;
            bool noted = false;
            f.memo.setListener([&](const ClockMemo& m) {
                noted = noted || m.text().contains("Database busy");
                if (m.colour() == ClockMemo::Colour::Lime && storedAtSuccess.isEmpty()) {
                    storedAtSuccess = CommittedMarks(f.t.paths.databaseFile);
                }
            });
            ReadingProgram reader(f.t.paths.databaseFile, 7000);
            const RunResult result =
                UploadMarking(run, f.session, {"B23", "2016-09-20", "B230920", "0101"});
            QVERIFY2(result == RunResult::Succeeded, qPrintable(f.memo.text()));
            QVERIFY(noted);
            QCOMPARE(storedAtSuccess, kFourMarks);
            QCOMPARE(f.memo.lines().last(), "Marked data upload Success !");
        }
        {
            ClockOpsFixture f;
            EmulatorProcess emulator(FourMarkedPigeons(f));
            QVERIFY(emulator.ready());
            auto api = DeviceOn(emulator);
            ClockRun run = f.run(*api);
            run.commitPatienceMs = 0;
            {
                ReadingProgram reader(f.t.paths.databaseFile, 7000);
                QCOMPARE(UploadMarking(run, f.session, {"B23", "2016-09-20", "B230920", "0101"}),
                         RunResult::Failed);
            }
            QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
            QCOMPARE(f.memo.lines().last(),
                     "Database Error : not stored, the clock is read again : database is locked");
            QVERIFY(!f.memo.text().contains("Success"));
            QVERIFY(f.session.lastClock.isEmpty());
            QCOMPARE(CommittedMarks(f.t.paths.databaseFile), QString());
            // Read again once the other program is done: everything stored.
            QCOMPARE(UploadMarking(run, f.session, {"B23", "2016-09-20", "B230920", "0101"}),
                     RunResult::Succeeded);
            QCOMPARE(CommittedMarks(f.t.paths.databaseFile), kFourMarks);
        }
    }

    // A stretch of ticks without a clock is one line of the race-day log; the memo says it at
    // every tick.
    void idleTicksAreLoggedOncePerStretch() {
        ClockOpsFixture f;
        EmulatorProcess emulator(ClockOf("0123"));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        const RaceChoice race{"B23", "2016-09-20", "B230920", "0101"};
        const QString noClock = "Please connect to club antenna and clock.";
        const auto logged = [&] {
            QFile log(f.log.fileName());
            return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).count(noClock)
                                                 : -1;
        };
        emulator.signal(SIGUSR1);  // no clock on the antenna
        for (int tick = 0; tick < 3; ++tick) {
            QCOMPARE(UploadMarking(run, f.session, race), RunResult::NoClock);
            QCOMPARE(f.memo.lines(), QStringList{noClock});
        }
        QCOMPARE(logged(), 1);
        emulator.signal(SIGUSR1);  // a clock answers: the next stretch is logged again
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Failed);
        emulator.signal(SIGUSR1);
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::NoClock);
        QCOMPARE(logged(), 2);
    }

    // The antenna unplugged and plugged in again (here: the line replaced by a new one): the
    // port is opened again at the next run instead of failing until the screen is reopened.
    void portIsOpenedAgainAfterTheLinkDropped() {
        ClockOpsFixture f;
        QTemporaryDir dir;
        const QString antenna = dir.filePath("antenna");
        auto first = std::make_unique<EmulatorProcess>(ClockOf("0123"));
        QVERIFY(first->ready());
        QVERIFY(QFile::link(first->link(), antenna));
        QStringList errors;
        TWinApiV8 api(antenna, [&](const QString& message) { errors << message; });
        api.setFirstByteWaitMs(400);
        ClockRun run = f.run(api);
        const RaceChoice race{"B23", "2016-09-20", "B230920", "0101"};
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Failed);  // no marked pigeon
        first.reset();
        f.session.lastClock.clear();
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::NoClock);
        EmulatorProcess second(ClockOf("0123"));
        QVERIFY(second.ready());
        QFile::remove(antenna);
        QVERIFY(QFile::link(second.link(), antenna));
        for (int tick = 0; tick < 2 && !second.log().contains("ReadDeviceId"); ++tick) {
            UploadMarking(run, f.session, race);
        }
        QVERIFY2(second.log().contains("ReadDeviceId"), qPrintable(errors.join('\n')));
        QCOMPARE(f.memo.lines().last(), "RaceCode : B230920 No Marked data ! ");
    }

    // A flagged pigeon without a birth year stops the synchronisation with a message naming it.
    void birthYearMissingNamesThePigeon() {
        ClockOpsFixture f;
        f.t.db->exec("update ZOL_PigData set RYear='' where PRingNo='BE-2016-2'");
        EmulatorProcess emulator(ClockOf("K1_0123"));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        try {
            SyncClock(run, f.session);
            QFAIL("the run went on");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), "'' is not a valid integer value (ring BE-2016-2)");
        }
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
