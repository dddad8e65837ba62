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
#include "races/entry_history.h"

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

// Another program writing to the club database: it holds the file's write lock (begin
// immediate) for holdMs, which keeps every transaction of the program waiting to begin.
class WritingProgram {
  public:
    WritingProgram(const QString& file, int holdMs)
        : thread_([this, file, holdMs] {
              const QString name = QStringLiteral("writing-program");
              {
                  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                  db.setDatabaseName(file);
                  db.open();
                  QSqlQuery q(db);
                  holding_ = q.exec("begin immediate");
                  started_ = true;
                  std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
                  q.exec("rollback");
                  q.finish();
                  db.close();
              }
              QSqlDatabase::removeDatabase(name);
          }) {
        while (!started_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~WritingProgram() { thread_.join(); }
    bool holding() const { return holding_; }

  private:
    std::atomic<bool> started_{false};
    std::atomic<bool> holding_{false};
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
        sync("sync: ComVerify silent", "no-reply@2", {"ComVerify Error : no answer from the clock"},
             RunResult::Failed, clocks, "0");
        sync("sync: SaveRace refused", "error@3", {syncWait, "SaveRace Error : " + kInjected},
             RunResult::Failed, clocks, "0");
        sync("sync: SavePigeon status", "status@5", {syncWait, "SavePigeon Error : " + kStatusFail},
             RunResult::Failed, flagOf1, "1");
        sync("sync: SavePigeon bad FCS", "bad-fcs@5",
             {syncWait, "SavePigeon Error : FCS Not Match"}, RunResult::Failed, flagOf1, "1");
        sync("sync: SavePigeon silent", "no-reply@5",
             {syncWait, "SavePigeon Error : no answer from the clock"}, RunResult::Failed, flagOf1,
             "1");
        sync("sync: QueryPigeon refused", "error@4", {syncDone}, RunResult::Succeeded, flagOf1,
             "0");
        // What the clock assigned must be read back whole, or the clock is synchronised again.
        sync("sync: GetPigeonInfo refused", "error@9",
             {syncWait, "GetPigeonInfo Error : " + kInjected}, RunResult::Failed, clocks, "0");
        sync("sync: read-back count silent", "no-reply@8",
             {syncWait, "QueryPigeon Error : no answer from the clock"}, RunResult::Failed, clocks,
             "0");
        sync("sync: read-back silent", "no-reply@9",
             {syncWait, "GetPigeonInfo Error : no answer from the clock"}, RunResult::Failed,
             clocks, "0");
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
        // The clock did not say its marking time: none is written (not the clock's zero,
        // 1970-01-01 08:00:00 here).
        mark("mark: QueryRace refused", "error@3", {markWait, "QueryRace Error : " + kInjected},
             RunResult::Failed, markTime, "");
        // Lost on the link: the run ends there, nothing guessed is written, and the line says
        // what happened on the link.
        mark("mark: QueryRace silent", "no-reply@3",
             {markWait, "QueryRace Error : no answer from the clock"}, RunResult::Failed, markTime,
             "");
        mark("mark: GetRaceInfo bad FCS", "bad-fcs@4",
             {markWait, "GetRaceInfo Error : FCS Not Match"}, RunResult::Failed, markTime, "");
        mark("mark: QueryRaceRecord silent", "no-reply@5",
             {markWait, "QueryRaceRecord Error : no answer from the clock"}, RunResult::Failed,
             entries, "0");
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
        result("result: QueryRace silent", "no-reply@3",
               {resultWait, "QueryRace Error : no answer from the clock"}, RunResult::Failed, stops,
               "-");
        result("result: GetRaceInfo refused", "error@4",
               {resultWait, "GetRaceInfo Error : " + kInjected}, RunResult::Failed, written, "-|-");
        result("result: GetRaceInfo silent", "no-reply@4",
               {resultWait, "GetRaceInfo Error : no answer from the clock"}, RunResult::Failed,
               written, "-|-");
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
                                              "QueryRaceRecord Error : no answer from the clock"}));
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

    // A bird marked and stored, then its clock read again (a tab change, a retry) while the
    // clock refuses to say its races: the stored marking time stays, and no 1970 time is
    // written in its place.
    void refusalDuringReReadKeepsTheMarkingTime_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("QueryRace refused") << "error@3";
        QTest::newRow("QueryRace status") << "status@3";
        QTest::newRow("GetRaceInfo refused") << "error@4";
        QTest::newRow("GetRaceInfo silent") << "no-reply@4";
    }
    void refusalDuringReReadKeepsTheMarkingTime() {
        QFETCH(QString, fault);
        ClockOpsFixture f;
        const QJsonObject clock = PrepareClock(f, "mark");
        const RaceChoice race{"B23", "2016-09-20", "B230920", "0101"};
        const QString markTime = "select DLMarkedTime from ZOL_RaceClockTime where LoftNo='0123'";
        {
            EmulatorProcess emulator(clock);
            QVERIFY(emulator.ready());
            auto api = DeviceOn(emulator);
            ClockRun run = f.run(*api);
            QCOMPARE(UploadMarking(run, f.session, race), RunResult::Succeeded);
        }
        QCOMPARE(f.value(markTime).toString(), "2016-09-19 21:00:00");
        f.session.lastClock.clear();  // the tab changed
        EmulatorProcess emulator(clock, {"--fault", fault});
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        QCOMPARE(UploadMarking(run, f.session, race), RunResult::Failed);
        QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
        QCOMPARE(f.value(markTime).toString(), "2016-09-19 21:00:00");
        QCOMPARE(
            f.value("select MarkedTime from ZOL_PigRaceData where PRingNo='BE-2016-1'").toString(),
            "2016-09-19 21:00:00");
        QVERIFY(f.session.lastClock.isEmpty());
    }

    // Another program holding the write lock while the clocks are read: the run waits for it,
    // saying so in a yellow line, and stores everything once it lets go; when it holds on past
    // the run's patience the run ends red with the reason (no error box, so automatic reading
    // goes on) and the next run reads the clock.
    void writerHoldingTheLock_data() {
        QTest::addColumn<QString>("workflow");
        QTest::addColumn<QString>("stored");
        QTest::newRow("marking") << "mark"
                                 << "select MarkedTime from ZOL_PigRaceData where "
                                    "PRingNo='BE-2016-1'";
        QTest::newRow("results") << "result"
                                 << "select BackTime from ZOL_PigRaceData where "
                                    "PRingNo='BE-2016-1'";
    }
    void writerHoldingTheLock() {
        QFETCH(QString, workflow);
        QFETCH(QString, stored);
        {
            ClockOpsFixture f;
            if (f.t.db->isServer()) {
                QSKIP("Another program's write lock is a club file's.");
            }
            EmulatorProcess emulator(PrepareClock(f, workflow));
            QVERIFY(emulator.ready());
            auto api = DeviceOn(emulator);
            ClockRun run = f.run(*api);
            bool noted = false;
            f.memo.setListener([&](const ClockMemo& m) {
                noted = noted || (m.text().contains("Database busy") &&
                                  m.lineColours().last() == ClockMemo::Colour::Yellow);
            });
            WritingProgram writer(f.t.paths.databaseFile, 1500);
            QVERIFY(writer.holding());
            const RunResult result = RunWorkflow(workflow, run, f.session);
            QVERIFY2(result == RunResult::Succeeded, qPrintable(f.memo.text()));
            QVERIFY(noted);
            QVERIFY(!f.value(stored).toString().isEmpty());
        }
        {
            ClockOpsFixture f;
            EmulatorProcess emulator(PrepareClock(f, workflow));
            QVERIFY(emulator.ready());
            auto api = DeviceOn(emulator);
            ClockRun run = f.run(*api);
            run.commitPatienceMs = 300;
            {
                WritingProgram writer(f.t.paths.databaseFile, 2000);
                QVERIFY(writer.holding());
                QCOMPARE(RunWorkflow(workflow, run, f.session), RunResult::Failed);
            }
            QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
            QCOMPARE(f.memo.lines().last(),
                     "Database Error : the clock is read again : database is locked");
            QVERIFY(f.session.lastClock.isEmpty());
            QVERIFY(f.value(stored).toString().isEmpty());
            // The next tick, with the other program done: everything stored.
            QCOMPARE(RunWorkflow(workflow, run, f.session), RunResult::Succeeded);
            QVERIFY(!f.value(stored).toString().isEmpty());
        }
    }

    // A write the database refuses in the middle of a run: nothing of the run's open batch is
    // stored (no arrival without its history row), the run ends red with the reason, and the
    // clock is read again.
    void refusedWriteStoresNothingOfTheBatch_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("stop times") << "before update on ZOL_RaceClockTime";
        QTest::newRow("history row") << "before insert on KST_EntryHistory";
    }
    void refusedWriteStoresNothingOfTheBatch() {
        QFETCH(QString, trigger);
        ClockOpsFixture f;
        if (f.t.db->isServer()) {
            QSKIP("The refusal is made with a trigger of the club file.");
        }
        EnsureEntryHistoryTables(*f.t.db);
        f.t.db->exec("create trigger refuse " + trigger +
                     " begin select raise(abort, 'refused by the test'); end");
        EmulatorProcess emulator(PrepareClock(f, "result"));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        QCOMPARE(RunWorkflow("result", run, f.session), RunResult::Failed);
        QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
        QVERIFY2(f.memo.lines().last().startsWith(
                     "Database Error : not stored, the clock is read again : "),
                 qPrintable(f.memo.text()));
        QVERIFY(!f.memo.text().contains("Success"));
        QVERIFY(f.session.lastClock.isEmpty());
        QCOMPARE(f.value("select count(*) from ZOL_PigRaceData where BackTime is not null").toInt(),
                 0);
        QCOMPARE(f.value("select count(*) from KST_EntryHistory").toInt(), 0);
        QCOMPARE(f.value("select coalesce(ULClockTime,'-') from ZOL_RaceClockTime").toString(),
                 "-");
    }

    // A pigeon the clock refused to save keeps what the club holds: the clock's older copy of
    // it, read back in the same run, does not overwrite it (here its stored update time is
    // empty, which any clock time is later than).
    void refusedPigeonIsNotOverwrittenByTheReadBack() {
        ClockOpsFixture f;
        f.t.db->exec(
            "update ZOL_PigData set Updatetime='', E_Ring='E1-new' where "
            "PRingNo='BE-2016-1'");
        const QJsonArray pigeons{QJsonObject{{"AssocNum", "BE-2016-1"},
                                             {"Uid", "04OLD"},
                                             {"eringNum", "E1-old"},
                                             {"UpdateTime", qint64(1474290000000)},
                                             {"Year", 2016}}};
        // 3 SaveRace, 4 QueryPigeon (one held: the flagged pigeons follow), 5 SavePigeon of
        // BE-2016-1.
        EmulatorProcess emulator(ClockOf("K1_0123", pigeons), {"--fault", "status@5"});
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        QCOMPARE(SyncClock(run, f.session), RunResult::Failed);
        QCOMPARE(f.value("select E_Ring||'|'||coalesce(UID,'-')||'|'||SynchFlag from ZOL_PigData "
                         "where PRingNo='BE-2016-1'")
                     .toString(),
                 "E1-new|-|1");
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
