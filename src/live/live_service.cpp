#include "live_service.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTimer>
#include <exception>

#include "clockops/clock_session.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"

namespace {
struct LiveText {
    Q_DECLARE_TR_FUNCTIONS(LiveBoard)
};

LiveBoard* theBoard = nullptr;

// Every this often the board is made again even when nothing it watches changed (a member's
// name, or what the club publishes of members).
constexpr qint64 kFullReadMs = 15000;
constexpr qint64 kReopenMs = 60000;

// Reads the race on the reader thread, through a connection of its own.
class LiveReader : public QObject {
  public:
    LiveReader(const QString& databaseFile, const Clock& clock, const LiveSettings& settings,
               int intervalMs, LiveHttpServer* server, LiveBoard* board)
        : file_(databaseFile),
          clock_(clock),
          chosen_{settings.raceCode, settings.raceDate},
          pollSeconds_(settings.pollSeconds),
          intervalMs_(intervalMs),
          server_(server),
          board_(board) {}

    void begin() {
        auto* timer = new QTimer(this);
        timer->setInterval(intervalMs_);
        connect(timer, &QTimer::timeout, this, [this] { tick(); });
        timer->start();
        tick();
    }

  private:
    void tick() {
        QString problem;
        try {
            const qint64 started = QDateTime::currentMSecsSinceEpoch();
            // Opened anew now and then, so a club file restored from a backup is followed.
            if (db_ && started - opened_ > kReopenMs) {
                db_.reset();
            }
            if (!db_) {
                db_ = std::make_unique<TdmZOLF>(file_);
                opened_ = started;
            }
            const LiveRace race = ChooseLiveRace(*db_, clock_.today(), chosen_);
            const QString print = race.liberCode + QLatin1Char('|') + DateText(race.liberDate) +
                                  QLatin1Char('|') + LiveFingerprint(*db_, race);
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            if (print == lastPrint_ && now - lastFull_ < kFullReadMs) {
                report(QString());
                return;
            }
            const LiveBoardData data = ReadLiveBoard(*db_, race);
            order_.update(race, data.arrivalRings);
            auto docs = std::make_shared<const LiveDocuments>(
                RenderLiveBoard(data, order_.latest(3), pollSeconds_, clock_.now()));
            lastPrint_ = print;
            lastFull_ = now;
            if (docs->etag != lastEtag_) {
                lastEtag_ = docs->etag;
                LiveHttpServer* server = server_;
                QMetaObject::invokeMethod(server, [server, docs] { server->setDocuments(docs); });
            }
        } catch (const UserError& e) {
            problem = e.text();
        } catch (const std::exception& e) {
            problem = QString::fromLocal8Bit(e.what());
        }
        if (!problem.isEmpty()) {
            // Opened again at the next look: the server may be back, the file replaced.
            db_.reset();
        }
        report(problem);
    }

    void report(const QString& problem) {
        if (problem == reported_) {
            return;
        }
        reported_ = problem;
        QMetaObject::invokeMethod(board_, "readProblem", Qt::QueuedConnection,
                                  Q_ARG(QString, problem));
    }

    QString file_;
    const Clock& clock_;
    LiveRace chosen_;
    int pollSeconds_;
    int intervalMs_;
    LiveHttpServer* server_;
    LiveBoard* board_;
    std::unique_ptr<TdmZOLF> db_;
    ArrivalOrder order_;
    QString lastPrint_;
    qint64 lastFull_ = 0;
    qint64 opened_ = 0;
    QByteArray lastEtag_;
    QString reported_;
};

}  // namespace

QString LiveBoardAddress(LiveInterface listenOn, quint16 port) {
    QString host = QStringLiteral("127.0.0.1");
    if (listenOn == LiveInterface::ClubNetwork) {
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
            const auto flags = i.flags();
            if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
                (flags & QNetworkInterface::IsLoopBack)) {
                continue;
            }
            for (const QNetworkAddressEntry& e : i.addressEntries()) {
                if (e.ip().protocol() == QAbstractSocket::IPv4Protocol && !e.ip().isLoopback()) {
                    host = e.ip().toString();
                    break;
                }
            }
            if (host != QLatin1String("127.0.0.1")) {
                break;
            }
        }
    }
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

LiveBoard::LiveBoard(const QString& databaseFile, const Clock& clock, const QString& logsDir,
                     QObject* parent)
    : QObject(parent), databaseFile_(databaseFile), clock_(clock), logsDir_(logsDir) {
    serverThread_.setObjectName(QStringLiteral("live board server"));
    readerThread_.setObjectName(QStringLiteral("live board reader"));
    if (theBoard == nullptr) {
        theBoard = this;
    }
}

LiveBoard::~LiveBoard() {
    stop();
    if (theBoard == this) {
        theBoard = nullptr;
    }
}

LiveBoard* LiveBoard::instance() {
    return theBoard;
}

void LiveBoard::apply(const LiveSettings& settings) {
    if (settings == settings_ && settings.enabled == (server_ != nullptr) &&
        status_.problem.isEmpty()) {
        return;
    }
    stop();
    settings_ = settings;
    if (settings.enabled) {
        start(settings);
    }
}

void LiveBoard::start(const LiveSettings& settings) {
    const QHostAddress address = settings.listenOn == LiveInterface::ThisPcOnly
                                     ? QHostAddress(QHostAddress::LocalHost)
                                     : QHostAddress(QHostAddress::AnyIPv4);
    serverThread_.start();
    auto* server = new LiveHttpServer(limits_);
    server->moveToThread(&serverThread_);
    bool listening = false;
    QString error;
    QMetaObject::invokeMethod(
        server,
        [server, address, &settings, &listening, &error] {
            listening = server->start(address, static_cast<quint16>(settings.port), &error);
        },
        Qt::BlockingQueuedConnection);
    if (!listening) {
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
        serverThread_.quit();
        serverThread_.wait();
        status_ = Status{};
        const QString problem = LiveText::tr("The live board could not start on port %1: %2")
                                    .arg(settings.port)
                                    .arg(error);
        log(problem);
        status_.problem = problem;
        emit statusChanged();
        return;
    }
    server_ = server;
    QMetaObject::invokeMethod(
        server, [this, server] { port_ = server->port(); }, Qt::BlockingQueuedConnection);

    readerThread_.start();
    auto* reader = new LiveReader(databaseFile_, clock_, settings, readIntervalMs_, server, this);
    reader->moveToThread(&readerThread_);
    reader_ = reader;
    QMetaObject::invokeMethod(reader, [reader] { reader->begin(); });

    status_ = Status{true, LiveBoardAddress(settings.listenOn, port_), QString()};
    log(QStringLiteral("Live board on %1 (listening on %2)")
            .arg(status_.address, address.toString()));
    emit statusChanged();
}

void LiveBoard::stop() {
    if (reader_ != nullptr) {
        QObject* reader = reader_;
        QMetaObject::invokeMethod(
            reader, [reader] { delete reader; }, Qt::BlockingQueuedConnection);
        reader_ = nullptr;
    }
    readerThread_.quit();
    readerThread_.wait();
    if (server_ != nullptr) {
        LiveHttpServer* server = server_;
        QMetaObject::invokeMethod(
            server, [server] { delete server; }, Qt::BlockingQueuedConnection);
        server_ = nullptr;
        log(QStringLiteral("Live board stopped"));
    }
    serverThread_.quit();
    serverThread_.wait();
    const bool changed = status_.running || !status_.problem.isEmpty();
    status_ = Status{};
    port_ = 0;
    if (changed) {
        emit statusChanged();
    }
}

void LiveBoard::readProblem(const QString& problem) {
    if (server_ == nullptr || problem == status_.problem) {
        return;
    }
    status_.problem =
        problem.isEmpty()
            ? QString()
            : LiveText::tr("The live board cannot read the club's data: %1").arg(problem);
    if (!problem.isEmpty()) {
        log(status_.problem);
    }
    emit statusChanged();
}

void LiveBoard::log(const QString& text) {
    RaceDayLog dayLog(logsDir_, clock_);
    dayLog.setWorkflow(QStringLiteral("Live board"));
    dayLog.line(text);
    qInfo("%s", qPrintable(text));
}
