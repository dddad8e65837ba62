// clock_workflows: how much longer the three clock workflows take than their bytes need on the
// wire, against the clock emulator paced at 9600 baud in both directions.
//
//   1. a first synchronisation of a loft with 120 pigeons and 5 current races (all sent, all
//      read back);
//   2. a marked upload of the same 120 pigeons;
//   3. a result upload of 120 arrivals, verified and written.
//
// Prints one line per workflow: measured time, wire time of the bytes exchanged (10 bits a
// byte) and their ratio.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "clockops/clock_session.h"
#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/progress.h"
#include "data/prompts.h"
#include "device/serial_port.h"
#include "device/win_api_v8.h"

#include "counting_port.h"

namespace {

constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 10.0;
constexpr int kPigeons = 120;
constexpr int kRaces = 5;

// Nobody to ask: every arrival of the bench verifies.
class SilentPrompts : public Prompts {
  public:
    void message(const QString& text) override { fprintf(stderr, "%s\n", qPrintable(text)); }
    void information(const QString&, int) override {}
    void error(const QString& text) override { fprintf(stderr, "%s\n", qPrintable(text)); }
    Answer question(const QString&, Buttons) override { return Answer::Yes; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

QString Ring(int i) {
    return QStringLiteral("BE-2025-%1").arg(4100000 + i);
}

int Fail(const QString& what) {
    fprintf(stderr, "clock_workflows: %s\n", qPrintable(what));
    return 1;
}

// One emulated clock on its own line for one phase.
class Emulator {
  public:
    Emulator(QTemporaryDir& dir, const QString& name, const QJsonObject& state) {
        QFile file(dir.filePath(name + ".json"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QJsonDocument(state).toJson());
        }
        file.close();
        link = dir.filePath(name);
        process.start(CLOCK_EMULATOR_PATH, {"--state", file.fileName(), "--link", link, "--log",
                                            dir.filePath(name + ".log"), "--pace"});
        ready =
            process.waitForReadyRead(5000) && process.readLine().trimmed() == link.toLocal8Bit();
    }
    ~Emulator() {
        process.terminate();
        process.waitForFinished(3000);
    }
    QString link;
    QProcess process;
    bool ready = false;
};

struct Phase {
    const char* name;
    double measuredS;
    double wireS;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    FixedClock clock(QDateTime(now.date(), QTime(5, 0)), -60);
    TdmZOLF db(dir.filePath("Kestrava_Europe.db"));
    db.exec(
        QStringLiteral("insert into ZOL_ClubData (ClubID, AssociationCode, Mode, PrintCount) "
                       "values('0101','12',0,2)"));
    db.exec(
        QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                       "values('R1','0123',250,345)"));
    for (int r = 1; r <= kRaces; ++r) {
        const QDate date = clock.today().addDays(r - 1);
        db.exec(QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                               "LiberSiteAbbr, LiberDate, LiberTime, Updatetime, SynchFlag, "
                               "RaceCode, DeleteMark) values('0101',?,?,?,?,'07:00:00',?,1,?,0)"),
                {QStringLiteral("R%1").arg(r), QStringLiteral("Site %1").arg(r),
                 QStringLiteral("S%1").arg(r), DateText(date), MomentText(now.addDays(-1)),
                 QStringLiteral("R%1").arg(r) + MonthDayText(date)});
    }
    for (int i = 1; i <= kPigeons; ++i) {
        db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, RRegNumber, E_Ring, "
                               "ColorType, RYear, Sex, SynchFlag, DeleteMark, Updatetime) "
                               "values('0123',?,?,?,'BB','2025','C',1,0,'2025-01-01 10:00:00')"),
                {Ring(i), QString::number(4100000 + i), QStringLiteral("E%1").arg(7000 + i)});
    }

    NoProgress progress;
    SilentPrompts prompts;
    ClockMemo memo;
    RaceDayLog log(QString(), clock);
    QList<Phase> phases;

    const auto measure = [&](Emulator& emulator, const char* name,
                             const std::function<RunResult(ClockRun&, ClockSession&)>& work) {
        auto port = std::make_unique<CountingPort>();
        CountingPort& counter = *port;
        TWinApiV8 api(std::move(port), emulator.link);
        ClockRun run{api, db, prompts, clock, progress, memo, log};
        ClockSession session;
        QElapsedTimer timer;
        timer.start();
        const RunResult result = work(run, session);
        const double measured = timer.nsecsElapsed() / 1e9;
        if (result != RunResult::Succeeded) {
            fprintf(stderr, "%s: %s\n", name, qPrintable(memo.text()));
            return false;
        }
        phases << Phase{name, measured, (counter.sent + counter.received) * kBitsPerByte / kBaud};
        return true;
    };

    {
        Emulator emulator(dir, "sync", {{"deviceId", "1A2B3C4D"}, {"owner", "0123"}});
        if (!emulator.ready || !measure(emulator, "synchronisation", SyncClock)) {
            return Fail("the synchronisation did not run through");
        }
    }

    // The clock after race R1: every pigeon marked, every pigeon home.
    const QDate raceDay = clock.today();
    const QString raceCode = QStringLiteral("R1") + MonthDayText(raceDay);
    const qint64 liberationMs = LocalToUtcSecs(QDateTime(raceDay, QTime(7, 0)), -60) * 1000;
    QJsonArray pigeons;
    for (int i = 1; i <= kPigeons; ++i) {
        const qint64 back = liberationMs + 3600000 + i * 1000;
        pigeons.append(QJsonObject{
            {"AssocNum", Ring(i)},
            {"raceRecords",
             QJsonArray{QJsonObject{{"RaceCode", raceCode},
                                    {"markTime", liberationMs - 36000000 + i * 1000},
                                    {"RandNumMarked", i % 200},
                                    {"RandNumberBack", i % 200},
                                    {"UidBack", QStringLiteral("04A1%1").arg(i, 4, 10, QChar('0'))},
                                    {"GpsValid", true},
                                    {"BackOrder", i},
                                    {"BackTimeEring", back},
                                    {"BackTimeUid", back + 7},
                                    {"BackHomeLat", 183800500},
                                    {"BackHomeLon", 13392250}}}}});
    }
    const QJsonArray races{QJsonObject{{"RaceCode", raceCode},
                                       {"MarkDeviceTime", liberationMs - 40000000},
                                       {"RaceStopDeviceTIme", liberationMs + 40000000},
                                       {"RaceStopReaderTIme", liberationMs + 39998000}}};
    const RaceChoice race{"R1", DateText(raceDay), raceCode, "0101"};
    {
        Emulator emulator(
            dir, "race",
            {{"deviceId", "1A2B3C4D"}, {"owner", "0123"}, {"pigeons", pigeons}, {"races", races}});
        if (!emulator.ready) {
            return Fail("the clock emulator did not start");
        }
        if (!measure(emulator, "marked upload", [&](ClockRun& run, ClockSession& session) {
                return UploadMarking(run, session, race);
            })) {
            return Fail("the marked upload did not run through");
        }
        if (!measure(emulator, "result upload", [&](ClockRun& run, ClockSession& session) {
                return UploadResults(run, session, race);
            })) {
            return Fail("the result upload did not run through");
        }
    }
    const int written = db.value(QStringLiteral("select count(*) from ZOL_PigRaceData where "
                                                "BackTime is not null"))
                            .toInt();
    if (written != kPigeons) {
        return Fail(QStringLiteral("%1 results written instead of %2").arg(written).arg(kPigeons));
    }
    for (const Phase& p : phases) {
        printf("%-16s measured %7.3f s  wire %7.3f s  ratio %.2f\n", p.name, p.measuredS, p.wireS,
               p.measuredS / p.wireS);
    }
    return 0;
}
