#pragma once

// Runs the clock emulator for one test: writes its state file into a temporary folder, starts
// it on a fresh pseudo-terminal link, and reads back what the clock holds afterwards.

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

class EmulatorProcess {
  public:
    explicit EmulatorProcess(const QJsonObject& state, const QStringList& options = {})
        : EmulatorProcess(QList<QJsonObject>{state}, options) {}

    // Several clocks on one line: the first is on the antenna, SIGUSR2 brings the next.
    EmulatorProcess(const QList<QJsonObject>& states, const QStringList& options) {
        static int serial = 0;
        link_ = dir_.filePath(
            QStringLiteral("clock-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial));
        QStringList arguments{"--link", link_, "--log", logPath()};
        for (qsizetype i = 0; i < states.size(); ++i) {
            QFile file(statePath(i));
            if (file.open(QIODevice::WriteOnly)) {
                file.write(QJsonDocument(states[i]).toJson());
                file.close();
            }
            arguments << "--state" << statePath(i);
        }
        process_.setProgram(CLOCK_EMULATOR_PATH);
        process_.setArguments(arguments + options);
        process_.start();
        // The emulator prints its link once the line is up.
        QElapsedTimer waited;
        waited.start();
        while (!process_.canReadLine() && waited.elapsed() < 5000 &&
               process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(100);
        }
        ready_ = process_.canReadLine() && process_.readLine().trimmed() == link_.toLocal8Bit();
    }

    ~EmulatorProcess() { stop(); }

    bool ready() const { return ready_; }
    QString link() const { return link_; }
    qint64 pid() const { return process_.processId(); }
    QString statePath(qsizetype clock = 0) const {
        return dir_.filePath(QStringLiteral("state-%1.json").arg(clock));
    }
    QString logPath() const { return dir_.filePath("emulator.log"); }

    // Stops the emulator (SIGTERM) and reports whether it ended cleanly.
    bool stop() {
        if (process_.state() == QProcess::NotRunning) {
            return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
        }
        process_.terminate();
        return process_.waitForFinished(3000) && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }

    // Sends a signal (SIGUSR1, SIGHUP) and gives the emulator a moment to act on it.
    void signal(int number) {
        ::kill(static_cast<pid_t>(process_.processId()), number);
        QThread::msleep(100);
    }

    // What a clock holds now, as saved in its state file.
    QJsonObject state(qsizetype clock = 0) const {
        QFile file(statePath(clock));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject{};
    }

    QString log() const {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

  private:
    QTemporaryDir dir_;
    QString link_;
    QProcess process_;
    bool ready_ = false;
};
