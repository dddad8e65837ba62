// live_board: the live board under a club's race-day load on loopback, while a clock is read.
//
//   - 300 phones, each from an address of its own, asking for the board's JSON every 15 s
//     with the tag they hold (mostly "304 Not Modified");
//   - a burst of 1,000 page requests a second for 10 s, each on a new connection;
//   - meanwhile a result upload of 120 arrivals against the clock emulator paced at 9600 baud,
//     in a race of 900 arrivals already read, so the board reads and renders the growing
//     ranking while the upload commits every second.
//
// Prints the latency of the answers (p50, p99; goal p99 <= 50 ms) and the result upload's
// time against its wire time, once without the board and once with it (goal <= 1.10).
// "--short" runs a small form (60 phones every 3 s, 200 requests a second for 2 s).
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "clockops/clock_session.h"
#include "clockops/clock_uploads.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/progress.h"
#include "data/prompts.h"
#include "device/win_api_v8.h"
#include "live/live_service.h"

#include "../tests/live/http_client.h"
#include "counting_port.h"

namespace {

constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 10.0;
constexpr int kPigeons = 120;
constexpr int kOtherLofts = 300;
constexpr int kBirdsPerLoft = 3;

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

int Fail(const QString& what) {
    fprintf(stderr, "live_board: %s\n", qPrintable(what));
    return 1;
}

QString Ring(int i) {
    return QStringLiteral("BE-2025-%1").arg(4100000 + i);
}

struct Plan {
    int phones = 300;
    int pollMs = 15000;
    int burstPerSecond = 1000;
    int burstMs = 10000;
    int burstStartMs = 5000;
};

// The phones and the burst, on a thread of their own with their own event loop.
class Load : public QObject {
  public:
    Load(quint16 port, const Plan& plan) : port_(port), plan_(plan) {}

    void begin() {
        clock_.start();
        for (int i = 0; i < plan_.phones; ++i) {
            auto* phone = new Phone;
            phone->socket = new QTcpSocket(this);
            phones_.push_back(phone);
            phone->socket->bind(
                QHostAddress(QStringLiteral("127.0.%1.%2").arg(1 + i / 250).arg(1 + i % 250)));
            connect(phone->socket, &QTcpSocket::readyRead, this, [this, phone] { read(phone); });
            phone->socket->connectToHost(QHostAddress::LocalHost, port_);
            // Spread over the poll interval, as phones are.
            QTimer::singleShot(int(qint64(plan_.pollMs) * i / plan_.phones), this,
                               [this, phone] { ask(phone); });
        }
        QTimer::singleShot(plan_.burstStartMs, this, [this] {
            burstClock_.start();
            auto* timer = new QTimer(this);
            timer->setInterval(10);
            connect(timer, &QTimer::timeout, this, [this, timer] {
                const qint64 due = burstClock_.elapsed() * plan_.burstPerSecond / 1000;
                while (burstSent_ < due && burstClock_.elapsed() < plan_.burstMs) {
                    burstOne();
                }
                if (burstClock_.elapsed() >= plan_.burstMs) {
                    timer->stop();
                }
            });
            timer->start();
        });
    }

    std::vector<double> phoneMs, burstMs;
    int failures = 0;

  private:
    struct Phone {
        QTcpSocket* socket = nullptr;
        QByteArray etag;
        QByteArray buffer;
        QElapsedTimer sent;
        bool waiting = false;
    };

    void ask(Phone* phone) {
        if (phone->socket->state() != QAbstractSocket::ConnectedState) {
            // Closed by the server meanwhile: a phone opens a new connection.
            phone->socket->abort();
            phone->socket->connectToHost(QHostAddress::LocalHost, port_);
            phone->socket->waitForConnected(1000);
        }
        phone->buffer.clear();
        phone->waiting = true;
        phone->sent.start();
        phone->socket->write(Get("/board.json", phone->etag.isEmpty()
                                                    ? QByteArray()
                                                    : "If-None-Match: " + phone->etag + "\r\n"));
        QTimer::singleShot(plan_.pollMs, this, [this, phone] { ask(phone); });
    }

    void read(Phone* phone) {
        phone->buffer += phone->socket->readAll();
        HttpReply r;
        r.raw = phone->buffer;
        if (phone->waiting && ParseReply(r)) {
            phone->waiting = false;
            phoneMs.push_back(phone->sent.nsecsElapsed() / 1e6);
            if (r.status == 200) {
                phone->etag = r.header("etag");
            } else if (r.status != 304) {
                ++failures;
            }
        }
    }

    void burstOne() {
        const int n = burstSent_++;
        auto* socket = new QTcpSocket(this);
        socket->bind(
            QHostAddress(QStringLiteral("127.1.%1.%2").arg(1 + n % 100 / 50).arg(1 + n % 50)));
        auto* started = new QElapsedTimer;
        started->start();
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::connected, socket, [socket] { socket->write(Get("/")); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, started, buffer] {
            *buffer += socket->readAll();
            HttpReply r;
            r.raw = *buffer;
            if (ParseReply(r)) {
                burstMs.push_back(started->nsecsElapsed() / 1e6);
                failures += r.status != 200;
                delete started;
                socket->disconnect(this);
                socket->abort();
                socket->deleteLater();
            }
        });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
            if (socket->state() != QAbstractSocket::ConnectedState) {
                ++failures;
            }
        });
        socket->connectToHost(QHostAddress::LocalHost, port_);
    }

    quint16 port_;
    Plan plan_;
    QElapsedTimer clock_;
    QElapsedTimer burstClock_;
    qint64 burstSent_ = 0;
    std::vector<Phone*> phones_;
};

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * (values.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
    Plan plan;
    if (app.arguments().contains(QStringLiteral("--short"))) {
        plan = Plan{60, 3000, 200, 2000, 1000};
    }
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    FixedClock clock(QDateTime(now.date(), QTime(12, 0)), -60);
    const QDate raceDay = clock.today();
    const QString raceCode = QStringLiteral("R1") + MonthDayText(raceDay);
    const QString dbFile = dir.filePath("Kestrava_Europe.db");
    TdmZOLF db(dbFile);
    db.exec(
        QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, AssociationCode, Mode, "
                       "PrintCount) values('0101','Bench club','12',0,2)"));
    db.exec(QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                           "LiberSiteAbbr, LiberDate, LiberTime, Updatetime, SynchFlag, "
                           "RaceCode, DeleteMark) values('0101','R1','Site','S',?,'07:00:00',?,"
                           "1,?,0)"),
            {DateText(raceDay), MomentText(now.addDays(-1)), raceCode});
    db.transaction([&] {
        db.exec(
            QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values('0123',"
                           "'Reader')"));
        db.exec(
            QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                           "Yards) values('R1','0123',250,345)"));
        for (int i = 1; i <= kPigeons; ++i) {
            db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, RRegNumber, E_Ring, "
                                   "ColorType, RYear, Sex, SynchFlag, DeleteMark, Updatetime) "
                                   "values('0123',?,?,?,'BB','2025','C',0,0,'2025-01-01')"),
                    {Ring(i), QString::number(4100000 + i), QStringLiteral("E%1").arg(7000 + i)});
            db.exec(QStringLiteral("insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, "
                                   "PRingNo, RandomCode) values('0101','R1',?,?,?)"),
                    {DateText(raceDay), Ring(i), i % 200});
        }
        // The members read before: 900 arrivals in the ranking already.
        for (int l = 0; l < kOtherLofts; ++l) {
            const QString loft = QStringLiteral("L%1").arg(l, 4, 10, QChar('0'));
            db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)"),
                    {loft, QStringLiteral("Member %1").arg(l)});
            db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                                   "Yards) values('R1',?,?,0)"),
                    {loft, 200 + l % 100});
            for (int b = 0; b < kBirdsPerLoft; ++b) {
                const QString ring = QStringLiteral("NL-%1-%2").arg(l).arg(b);
                db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, Sex, "
                                       "DeleteMark) values(?,?,'H',0)"),
                        {loft, ring});
                db.exec(QStringLiteral(
                            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
                            "BackTime, FlyTime, FlySpeed, Dist) values('0101','R1',?,?,?,"
                            "'03:00:00.000',?,300000)"),
                        {DateText(raceDay), ring,
                         MomentText(QDateTime(raceDay, QTime(10, 0)).addSecs(l * 7 + b)) +
                             QStringLiteral(".000"),
                         1500.0 + (l * 13 + b * 7) % 400});
            }
        }
    });

    const qint64 liberationMs = LocalToUtcSecs(QDateTime(raceDay, QTime(7, 0)), -60) * 1000;
    QJsonArray pigeons;
    for (int i = 1; i <= kPigeons; ++i) {
        const qint64 back = liberationMs + 3600000 + i * 1000;
        pigeons.append(QJsonObject{
            {"AssocNum", Ring(i)},
            {"raceRecords",
             QJsonArray{QJsonObject{{"RaceCode", raceCode},
                                    {"RandNumMarked", i % 200},
                                    {"RandNumberBack", i % 200},
                                    {"UidBack", QStringLiteral("04A1%1").arg(i, 4, 10, QChar('0'))},
                                    {"GpsValid", false},
                                    {"BackOrder", i},
                                    {"BackTimeEring", back},
                                    {"BackTimeUid", back + 7},
                                    {"BackHomeLat", 0},
                                    {"BackHomeLon", 0}}}}});
    }
    const QJsonArray races{QJsonObject{{"RaceCode", raceCode},
                                       {"RaceStopDeviceTIme", liberationMs + 40000000},
                                       {"RaceStopReaderTIme", liberationMs + 39998000}}};
    const QJsonObject state{
        {"deviceId", "1A2B3C4D"}, {"owner", "0123"}, {"pigeons", pigeons}, {"races", races}};
    const RaceChoice race{"R1", DateText(raceDay), raceCode, "0101"};

    NoProgress progress;
    SilentPrompts prompts;
    ClockMemo memo;
    RaceDayLog log(QString(), clock);
    // One result upload against a fresh emulator; its measured and wire time.
    const auto upload = [&](const char* name, double* measured, double* wire) {
        db.exec(
            QStringLiteral("update ZOL_PigRaceData set BackTime=null, FlyTime=null, "
                           "FlySpeed=null where PRingNo like 'BE-%'"));
        QFile file(dir.filePath(QStringLiteral("%1.json").arg(name)));
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        file.write(QJsonDocument(state).toJson());
        file.close();
        const QString link = dir.filePath(name);
        QProcess emulator;
        emulator.start(CLOCK_EMULATOR_PATH,
                       {"--state", file.fileName(), "--link", link, "--log",
                        dir.filePath(QStringLiteral("%1.log").arg(name)), "--pace"});
        if (!emulator.waitForReadyRead(5000) ||
            emulator.readLine().trimmed() != link.toLocal8Bit()) {
            return false;
        }
        auto port = std::make_unique<CountingPort>();
        CountingPort& counter = *port;
        TWinApiV8 api(std::move(port), link);
        ClockRun run{api, db, prompts, clock, progress, memo, log};
        ClockSession session;
        QElapsedTimer timer;
        timer.start();
        const RunResult result = UploadResults(run, session, race);
        *measured = timer.nsecsElapsed() / 1e9;
        *wire = (counter.sent + counter.received) * kBitsPerByte / kBaud;
        emulator.terminate();
        emulator.waitForFinished(3000);
        if (result != RunResult::Succeeded) {
            fprintf(stderr, "%s\n", qPrintable(memo.text()));
            QFile wireLog(dir.filePath(QStringLiteral("%1.log").arg(name)));
            if (wireLog.open(QIODevice::ReadOnly)) {
                fprintf(stderr, "%s\n", wireLog.readAll().right(1500).constData());
            }
        }
        return result == RunResult::Succeeded &&
               db.value(QStringLiteral("select count(BackTime) from ZOL_PigRaceData where "
                                       "PRingNo like 'BE-%'"))
                       .toInt() == kPigeons;
    };

    double aloneS = 0;
    double aloneWire = 0;
    if (!upload("alone", &aloneS, &aloneWire)) {
        return Fail("the result upload without the board did not run through");
    }

    LiveBoard board(dbFile, clock, QString());
    LiveSettings settings;
    settings.enabled = true;
    settings.port = 0;
    settings.listenOn = LiveInterface::ThisPcOnly;
    board.apply(settings);
    if (!board.status().running) {
        return Fail(board.status().problem);
    }
    QThread loadThread;
    auto* load = new Load(board.port(), plan);
    load->moveToThread(&loadThread);
    loadThread.start();
    QElapsedTimer wall;
    wall.start();
    QMetaObject::invokeMethod(load, [load] { load->begin(); });

    double withS = 0;
    double withWire = 0;
    if (!upload("with-board", &withS, &withWire)) {
        return Fail("the result upload with the board did not run through");
    }
    // The load runs its full course: one more poll round after the burst.
    const qint64 until =
        std::max<qint64>(plan.burstStartMs + plan.burstMs, plan.pollMs) + plan.pollMs;
    while (wall.elapsed() < until) {
        QThread::msleep(100);
    }
    std::vector<double> phoneMs;
    std::vector<double> burstMs;
    int failures = 0;
    QMetaObject::invokeMethod(
        load,
        [&] {
            phoneMs = load->phoneMs;
            burstMs = load->burstMs;
            failures = load->failures;
            delete load;
        },
        Qt::BlockingQueuedConnection);
    loadThread.quit();
    loadThread.wait();
    board.stop();

    constexpr double kGoalMs = 50.0;
    printf(
        "phones %d every %d s      %6zu answers  p50 %6.2f ms  p99 %6.2f ms  (goal p99 %.0f "
        "ms)  ratio %.2f\n",
        plan.phones, plan.pollMs / 1000, phoneMs.size(), Percentile(phoneMs, 0.5),
        Percentile(phoneMs, 0.99), kGoalMs, Percentile(phoneMs, 0.99) / kGoalMs);
    printf(
        "burst %d/s for %d s      %6zu answers  p50 %6.2f ms  p99 %6.2f ms  (goal p99 %.0f "
        "ms)  ratio %.2f\n",
        plan.burstPerSecond, plan.burstMs / 1000, burstMs.size(), Percentile(burstMs, 0.5),
        Percentile(burstMs, 0.99), kGoalMs, Percentile(burstMs, 0.99) / kGoalMs);
    printf("result upload alone       measured %7.3f s  wire %7.3f s  ratio %.2f\n", aloneS,
           aloneWire, aloneS / aloneWire);
    printf("result upload with board  measured %7.3f s  wire %7.3f s  (goal 1.10)  ratio %.2f\n",
           withS, withWire, withS / withWire);
    if (failures > 0) {
        fprintf(stderr, "live_board: %d requests failed or were refused\n", failures);
    }
    const size_t expected = size_t(plan.burstPerSecond) * plan.burstMs / 1000;
    return failures == 0 && burstMs.size() + 10 >= expected && !phoneMs.empty() ? 0 : 1;
}
