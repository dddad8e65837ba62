// A whole race day at the antenna with three clocks and random trouble: every fault the clock
// emulator can inject at random requests, clocks pulled off the antenna in the middle of a
// run, tab changes, screens closed and opened again, runs stopped half-way. Each workflow is
// repeated until every clock has been read. The day must end with the same entries as the same
// day without trouble, and every run that showed success must have stored exactly what the
// untroubled day stores for that loft.
//
// The crash test kills the program (SIGKILL) at random moments of every workflow, starts it
// again and reads the clocks again: the file must pass its integrity check and hold the
// entries of the day without the kills. KESTRAVA_CRASH_KILLS sets the kills per clock and
// workflow (default 1, kept short for the test command).
//
// KESTRAVA_SOAK_SEED replays a day (the seed is printed); KESTRAVA_SOAK_DAYS runs that many days
// from the seed on (default 1, kept short for the test command); KESTRAVA_SOAK_FAULTS sets the
// share of requests hit by a fault (default 0.05).

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <thread>

#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "clockops_fixture.h"
#include "data/errors.h"

namespace {

const QStringList kLofts{"0123", "0456", "0789"};
const QStringList kPhases{"sync", "mark", "result"};
const qint64 kReaderStop = 1474329600000;  // 2016-09-20 08:00:00 local

// Stops the run at its n-th safe point, as leaving the screen does.
class StopAfter : public Progress {
  public:
    explicit StopAfter(int checkpoints) : left_(checkpoints) {}
    void step(qint64, qint64, const QString&) override {}
    bool stopRequested() const override { return left_ >= 0 && left_-- == 0; }

  private:
    mutable int left_;
};

// The club: three lofts, their pigeons and distances, the race B23 of 2016-09-20.
void SetUpClub(ClockOpsFixture& f) {
    f.t.db->exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, SynchFlag) "
        "values('12','0789','Mia Wouters',0)");
    f.addPigeon("0789", "BE-2016-8", "8", "BB", "2016", "H", 1);
    f.addPigeon("0789", "BE-2016-9", "9", "BC", "2016", "C", 1);
    int miles = 100;
    for (const QString& loft : kLofts) {
        f.t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
            "('B23',?,?,?)",
            {loft, miles, 250});
        miles += 7;
    }
}

// A loft's clock: its pigeons marked a minute apart and home a few seconds apart (the last
// one not home), the race with stop readings that give each clock its own variance.
QJsonObject ClockFor(ClockOpsFixture& f, int index) {
    const QString loft = kLofts[index];
    const QStringList rings =
        f.t.db->texts("select PRingNo from ZOL_PigData where LoftNo=? order by PRingNo", {loft});
    QJsonArray pigeons;
    for (int i = 0; i < rings.size(); ++i) {
        const qint64 back = i + 1 == rings.size() && rings.size() > 1
                                ? 0
                                : kLiberationMs + 3600000 + index * 61000 + i * 4321;
        const QJsonObject record{{"RaceCode", "B230920"},
                                 {"markTime", qint64(1474290000000) + i * 60000 + index * 7000},
                                 {"RandNumMarked", 60 + i},
                                 {"RandNumberBack", 60 + i},
                                 {"UidBack", QStringLiteral("04B%1%2").arg(index).arg(i)},
                                 {"GpsValid", false},
                                 {"BackOrder", i + 1},
                                 {"BackTimeEring", back},
                                 {"BackTimeUid", back}};
        pigeons << QJsonObject{{"AssocNum", rings[i]},
                               {"Uid", QStringLiteral("04A%1%2").arg(index).arg(i)},
                               {"eringNum", "E" + rings[i].section('-', 2)},  // as the club
                               {"UpdateTime", qint64(1474290000000)},
                               {"Year", 2016},
                               {"raceRecords", QJsonArray{record}}};
    }
    const QJsonArray races{QJsonObject{{"RaceCode", "B230920"},
                                       {"MarkDeviceTime", qint64(1474290000000) + index * 1000},
                                       {"RaceStopDeviceTIme", kReaderStop + (index - 1) * 2000},
                                       {"RaceStopReaderTIme", kReaderStop}}};
    return ClockOf(loft, pigeons, races, QStringLiteral("1A2B3C%1D").arg(index));
}

// What a phase leaves of a loft, as another program reading the file sees it.
QString Committed(const QString& file, const QString& phase, const QString& loft) {
    QString sql;
    if (phase == "sync") {
        sql =
            "select group_concat(x, ' ; ') from (select PRingNo||','||coalesce(UID,'')||','||"
            "coalesce(E_Ring,'')||','||coalesce(AssignDate,'')||','||SynchFlag as x from "
            "ZOL_PigData where LoftNo=:loft union all select 'clock '||ClockID||','||"
            "coalesce(LastSynchDate,'') from ZOL_LoftClocks where LoftNo=:loft order by 1)";
    } else if (phase == "mark") {
        sql =
            "select group_concat(x, ' ; ') from (select PRingNo||','||coalesce(MarkedTime,'')"
            " as x from ZOL_PigRaceData where PRingNo in (select PRingNo from ZOL_PigData "
            "where LoftNo=:loft) union all select 'marking '||coalesce(DLMarkedTime,'') from "
            "ZOL_RaceClockTime where LoftNo=:loft order by 1)";
    } else {
        sql =
            "select group_concat(x, ' ; ') from (select PRingNo||','||coalesce(BackTime,'')||"
            "','||coalesce(FlyTime,'')||','||coalesce(FlySpeed,'')||','||coalesce(Dist,'')||"
            "','||coalesce(TimeVari,'')||','||coalesce(UID_Real,'')||','||"
            "coalesce(RealRandom,'') as x from ZOL_PigRaceData where PRingNo in (select "
            "PRingNo from ZOL_PigData where LoftNo=:loft) union all select 'stops '||"
            "coalesce(ULMasterTime,'')||','||coalesce(ULClockTime,'') from ZOL_RaceClockTime "
            "where LoftNo=:loft order by 1)";
    }
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "soak-reader");
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.prepare(sql);
        q.bindValue(":loft", loft);
        q.exec();
        text = q.next() ? q.value(0).toString() : QStringLiteral("(unreadable)");
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("soak-reader");
    return text;
}

// The marking time stored for a loft's clock, empty when none is.
QString MarkingTime(const QString& file, const QString& loft) {
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "soak-marking");
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.prepare("select coalesce(DLMarkedTime,'') from ZOL_RaceClockTime where LoftNo=?");
        q.addBindValue(loft);
        q.exec();
        text = q.next() ? q.value(0).toString() : QString();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("soak-marking");
    return text;
}

QString Everything(const QString& file) {
    QStringList all;
    for (const QString& phase : kPhases) {
        for (const QString& loft : kLofts) {
            all << phase + " " + loft + ": " + Committed(file, phase, loft);
        }
    }
    return all.join('\n');
}

RunResult RunPhase(const QString& phase, ClockRun& run, ClockSession& session) {
    if (phase == "sync") {
        return SyncClock(run, session);
    }
    if (phase == "mark") {
        return UploadMarking(run, session, {"B23", "2016-09-20", "B230920", "0101"});
    }
    return UploadResults(run, session, ChooseResultRace("B23 2016-09-20 BRX"));
}

// Random faults at random requests.
QStringList FaultOptions(QRandomGenerator& random, double share) {
    const QStringList kinds{"no-reply",  "bad-fcs",   "status",   "error",    "bad-proof",
                            "delay=700", "delay=120", "split=20", "split=150"};
    QStringList options;
    for (int request = 1; request <= 4000; ++request) {
        if (random.generateDouble() < share) {
            options << "--fault"
                    << QStringLiteral("%1@%2")
                           .arg(kinds[random.bounded(int(kinds.size()))])
                           .arg(request);
        }
    }
    return options;
}

struct Day {
    QString everything;
    QHash<QString, QString> markingTimes;  // loft -> the clock's marking time as stored
    QHash<QString, QString> afterSuccess;  // "phase loft" -> what the loft's success stored
    int runs = 0;
    int succeeded = 0;
};

// Runs the day. With trouble, every successful run is checked against `reference`.
Day RunDay(quint32 seed, bool trouble, double share, const Day* reference) {
    Day day;
    QRandomGenerator random(seed);
    ClockOpsFixture f;
    SetUpClub(f);
    QList<QJsonObject> clocks;
    for (int i = 0; i < kLofts.size(); ++i) {
        clocks << ClockFor(f, i);
    }
    EmulatorProcess emulator(clocks, trouble ? FaultOptions(random, share) : QStringList{});
    if (!emulator.ready()) {
        qWarning("the emulator did not start");
        return day;
    }
    auto api = DeviceOn(emulator);
    int onAntenna = 0;
    for (const QString& phase : kPhases) {
        QSet<int> read;
        // A run meets several requests, each failing with the share's chance, so the rounds a
        // day needs before every clock got one clean run grow steeply with the share.
        const int roundLimit = trouble ? int(60 / std::pow(1.0 - share, 4)) : 60;
        for (int round = 0; read.size() < kLofts.size(); ++round) {
            if (round > roundLimit) {
                qWarning("%s: clocks still unread after %d rounds", qPrintable(phase), roundLimit);
                return day;
            }
            const int clock = trouble ? random.bounded(int(kLofts.size())) : round;
            if (!trouble && clock >= kLofts.size()) {
                break;
            }
            while (onAntenna != clock) {  // the member brings the clock
                emulator.signal(SIGUSR2);
                onAntenna = (onAntenna + 1) % kLofts.size();
            }
            NoProgress noStop;
            StopAfter stopper(trouble ? int(random.bounded(30)) : -1);
            Progress& progress = trouble && random.bounded(10) == 0
                                     ? static_cast<Progress&>(stopper)
                                     : static_cast<Progress&>(noStop);
            if (trouble && random.bounded(8) == 0) {  // a tab change
                f.session.lastClock.clear();
            }
            if (trouble && random.bounded(15) == 0) {  // the screen closed and opened again
                f.session = ClockSession{};
                api = DeviceOn(emulator);
            }
            std::thread puller;
            if (trouble && random.bounded(10) == 0) {  // pulled from the antenna mid-run
                const int afterMs = int(random.bounded(300));
                const int pid = int(emulator.pid());
                puller = std::thread([pid, afterMs] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
                    ::kill(pid, SIGUSR1);
                    std::this_thread::sleep_for(std::chrono::milliseconds(500));
                    ::kill(pid, SIGUSR1);
                });
            }
            ClockRun run{*api, *f.t.db, f.t.prompts, f.t.clock, progress, f.memo, f.log};
            RunResult result = RunResult::Failed;
            try {
                result = RunPhase(phase, run, f.session);
            } catch (const RunStopped&) {
                result = RunResult::Failed;
            }
            if (puller.joinable()) {
                puller.join();
            }
            ++day.runs;
            // A failed run may leave a marking time unwritten, never a wrong one: a stored time
            // replaced by one the clock did not give (a refusal while it is read again) would
            // be set right only by a later success, so it is looked for after every run.
            for (const QString& loft : reference != nullptr ? kLofts : QStringList{}) {
                const QString marking = MarkingTime(f.t.paths.databaseFile, loft);
                if (!marking.isEmpty() && marking != reference->markingTimes.value(loft)) {
                    qWarning("%s run %d: loft %s's marking time is %s instead of %s",
                             qPrintable(phase), day.runs, qPrintable(loft), qPrintable(marking),
                             qPrintable(reference->markingTimes.value(loft)));
                    return day;
                }
            }
            if (result == RunResult::Succeeded) {
                ++day.succeeded;
                read << clock;
                const QString key = phase + " " + kLofts[clock];
                const QString stored = Committed(f.t.paths.databaseFile, phase, kLofts[clock]);
                if (reference != nullptr && reference->afterSuccess.value(key) != stored) {
                    qWarning("%s: success shown, but stored\n  %s\ninstead of\n  %s",
                             qPrintable(key), qPrintable(stored),
                             qPrintable(reference->afterSuccess.value(key)));
                    return day;
                }
                day.afterSuccess.insert(key, stored);
            }
        }
        f.session.lastClock.clear();  // the next tab
    }
    day.everything = Everything(f.t.paths.databaseFile);
    for (const QString& loft : kLofts) {
        day.markingTimes.insert(loft, MarkingTime(f.t.paths.databaseFile, loft));
    }
    return day;
}

int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

class TestRaceDaySoak : public QObject {
    Q_OBJECT

  private slots:
    void raceDayWithRandomTrouble() {
        const quint32 first =
            quint32(EnvInt("KESTRAVA_SOAK_SEED", int(QRandomGenerator::system()->bounded(100000))));
        const int days = EnvInt("KESTRAVA_SOAK_DAYS", 1);
        bool ok = false;
        double share = qEnvironmentVariable("KESTRAVA_SOAK_FAULTS").toDouble(&ok);
        if (!ok) {
            share = 0.05;
        }
        const Day reference = RunDay(0, false, 0, nullptr);
        QCOMPARE(reference.succeeded, 3 * kLofts.size());
        QVERIFY(!reference.everything.contains("(unreadable)"));
        for (int d = 0; d < days; ++d) {
            const quint32 seed = first + quint32(d);
            qInfo("soak seed %u (replay with KESTRAVA_SOAK_SEED=%u)", seed, seed);
            const Day day = RunDay(seed, true, share, &reference);
            qInfo("seed %u: %d runs, %d shown as success", seed, day.runs, day.succeeded);
            QVERIFY2(!day.everything.isEmpty(), qPrintable(QString::number(seed)));
            QCOMPARE(day.everything, reference.everything);
        }
    }

    // The day that found a clock's marking time replaced by 1970-01-01 08:00:00 when the clock
    // was read again and refused to say its races (lofts 0456 and 0789), run every time.
    void dayThatWipedAMarkingTime() {
        const Day reference = RunDay(0, false, 0, nullptr);
        QCOMPARE(reference.succeeded, 3 * kLofts.size());
        const Day day = RunDay(60004, true, 0.3, &reference);
        qInfo("seed 60004: %d runs, %d shown as success", day.runs, day.succeeded);
        QCOMPARE(day.everything, reference.everything);
    }

    void killedMidRun() {
        const quint32 seed =
            quint32(EnvInt("KESTRAVA_SOAK_SEED", int(QRandomGenerator::system()->bounded(100000))));
        const int kills = EnvInt("KESTRAVA_CRASH_KILLS", 1);
        qInfo("crash seed %u (replay with KESTRAVA_SOAK_SEED=%u)", seed, seed);
        QRandomGenerator random(seed);
        const Day reference = RunDay(0, false, 0, nullptr);

        ClockOpsFixture f;
        SetUpClub(f);
        QList<QJsonObject> clocks;
        for (int i = 0; i < kLofts.size(); ++i) {
            clocks << ClockFor(f, i);
        }
        // Every reply a little late, so that a run lasts long enough to be killed in.
        EmulatorProcess emulator(clocks, {"--delay", "15"});
        QVERIFY(emulator.ready());
        const QString file = f.t.paths.databaseFile;
        int killed = 0;
        int failedAfter = 0;
        for (const QString& phase : kPhases) {
            for (int clock = 0; clock < kLofts.size(); ++clock) {
                int landed = 0;
                int latestKillMs = 600;
                int afterKills = 0;
                QStringList attempts;  // what each run after the kills said, for a failure
                for (;;) {
                    QProcess run;
                    run.start(RACE_DAY_RUN_PATH, {file, emulator.link(), phase});
                    QVERIFY(run.waitForStarted());
                    if (landed < kills) {
                        QTest::qWait(int(random.bounded(10, latestKillMs)));
                        if (run.state() == QProcess::Running) {
                            ::kill(pid_t(run.processId()), SIGKILL);
                            ++landed;
                            ++killed;
                        } else {
                            latestKillMs = std::max(40, latestKillMs / 2);  // it ended first
                        }
                        run.waitForFinished(10000);
                        continue;
                    }
                    QVERIFY(run.waitForFinished(30000));
                    const bool succeeded =
                        run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
                    attempts << QStringLiteral("run %1 after the kills: %2 (exit %3): %4")
                                    .arg(afterKills + 1)
                                    .arg(succeeded ? "success" : "failed")
                                    .arg(run.exitStatus() == QProcess::NormalExit
                                             ? QString::number(run.exitCode())
                                             : QStringLiteral("crash"))
                                    .arg(QString::fromLocal8Bit(run.readAllStandardError()));
                    if (succeeded) {
                        break;
                    }
                    ++failedAfter;
                    // A failed run may leave a late reply on the line, which the next run
                    // drops; a clock still unread after a few runs is a fault.
                    if (++afterKills >= 5) {
                        QFile log(emulator.logPath());
                        log.open(QIODevice::ReadOnly);
                        qWarning("%s\nthe emulator's log ends:\n%s",
                                 qPrintable(attempts.join('\n')),
                                 log.readAll().right(6000).constData());
                        QFAIL(qPrintable(phase + " " + kLofts[clock] + " not read again"));
                    }
                    QTest::qWait(300);  // as the next tick would
                }
                emulator.signal(SIGUSR2);  // the next member's clock
            }
        }
        qInfo("%d runs killed, %d runs after them failed", killed, failedAfter);
        QVERIFY(killed > 0);
        QCOMPARE(f.value("pragma integrity_check").toString(), "ok");
        QCOMPARE(Everything(file), reference.everything);
    }
};

QTEST_GUILESS_MAIN(TestRaceDaySoak)
#include "test_race_day_soak.moc"
