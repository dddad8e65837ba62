#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

#include "live/live_http.h"
#include "live/live_settings.h"

class Clock;

// The live board while the program runs: the HTTP server on a thread of its own, and a reader
// on another with its own database connection, which looks at the race four times a second and
// hands the server new pages when something changed. Neither holds the clock workflows'
// connection, transaction or thread. A board that cannot start or read says so in its status
// (Home shows it) and in the race-day log; race day goes on without it.
class LiveBoard : public QObject {
    Q_OBJECT
  public:
    struct Status {
        bool running = false;
        QString address;  // what a phone opens, "http://192.168.1.20:8080/"
        QString problem;  // why the board is not running or not up to date; empty when fine
    };

    LiveBoard(const QString& databaseFile, const Clock& clock, const QString& logsDir,
              QObject* parent = nullptr);
    ~LiveBoard() override;

    // The board of this program run, if one was made.
    static LiveBoard* instance();

    // Starts, stops or restarts the board as the settings say (nothing when they did not
    // change and it runs as they say).
    void apply(const LiveSettings& settings);
    void stop();
    Status status() const { return status_; }
    quint16 port() const { return port_; }
    // The limits of the HTTP surface for the next start (tests and the bench narrow them).
    void setLimits(const LiveLimits& limits) { limits_ = limits; }
    // How often the reader looks at the race (250 ms unless set).
    void setReadIntervalMs(int ms) { readIntervalMs_ = ms; }

  signals:
    void statusChanged();

  private slots:
    // From the reader: why it cannot read the data, or empty once it can again.
    void readProblem(const QString& problem);

  private:
    void start(const LiveSettings& settings);
    void log(const QString& text);

    QString databaseFile_;
    const Clock& clock_;
    QString logsDir_;
    LiveLimits limits_;
    int readIntervalMs_ = 250;
    LiveSettings settings_;
    Status status_;
    quint16 port_ = 0;
    QThread serverThread_;
    QThread readerThread_;
    LiveHttpServer* server_ = nullptr;
    QObject* reader_ = nullptr;
};

// The address a phone on the club's network opens for a board listening on every address of
// this PC: the first address of a network interface that is up, other than the loopback.
QString LiveBoardAddress(LiveInterface listenOn, quint16 port);
