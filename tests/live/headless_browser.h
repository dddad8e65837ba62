#pragma once

// Headless Chromium driven over its DevTools protocol: opens a page, and evaluates script in
// it while it runs, so a test sees the page as the browser has it at that moment.

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

class HeadlessBrowser {
  public:
    ~HeadlessBrowser() {
        socket_.close();
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    static QString program() { return QStandardPaths::findExecutable("chromium"); }

    // Starts the browser on `url` with a window of this size; false with the reason.
    bool start(const QString& url, int width, int height, QString* error) {
        process_.setProgram(program());
        process_.setArguments({"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                               "--no-first-run", "--disable-background-networking",
                               "--disable-component-update", "--disable-sync",
                               "--user-data-dir=" + profile_.path(), "--remote-debugging-port=0",
                               QStringLiteral("--window-size=%1,%2").arg(width).arg(height), url});
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start();
        if (!process_.waitForStarted(10000)) {
            *error = process_.errorString();
            return false;
        }
        // The browser writes its port and path into the profile once it listens.
        QFile active(QDir(profile_.path()).filePath("DevToolsActivePort"));
        QElapsedTimer t;
        t.start();
        QStringList lines;
        while (t.elapsed() < 60000) {
            if (active.open(QIODevice::ReadOnly)) {
                lines = QString::fromUtf8(active.readAll()).split('\n', Qt::SkipEmptyParts);
                active.close();
                if (lines.size() >= 2) {
                    break;
                }
            }
            QThread::msleep(100);
        }
        if (lines.size() < 2) {
            *error = QStringLiteral("the browser did not open its DevTools port");
            return false;
        }
        QObject::connect(&socket_, &QWebSocket::textMessageReceived, [this](const QString& text) {
            const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
            if (o.contains("id")) {
                replies_.insert(o.value("id").toInt(), o);
            }
        });
        QEventLoop loop;
        QObject::connect(&socket_, &QWebSocket::connected, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(lines[0], lines[1])));
        loop.exec();
        if (socket_.state() != QAbstractSocket::ConnectedState) {
            *error = QStringLiteral("no DevTools connection: ") + socket_.errorString();
            return false;
        }
        // The page the browser opened, attached to.
        const QJsonObject targets = call("Target.getTargets", {}, {});
        for (const QJsonValue& v :
             targets.value("result").toObject().value("targetInfos").toArray()) {
            const QJsonObject info = v.toObject();
            if (info.value("type") == "page") {
                const QJsonObject attached =
                    call("Target.attachToTarget",
                         {{"targetId", info.value("targetId")}, {"flatten", true}}, {});
                session_ = attached.value("result").toObject().value("sessionId").toString();
                break;
            }
        }
        if (session_.isEmpty()) {
            *error = QStringLiteral("no page to attach to");
            return false;
        }
        return true;
    }

    // A method of the page's session (or of the browser with an empty session).
    QJsonObject call(const QString& method, const QJsonObject& params, const QString& session) {
        const int id = ++lastId_;
        QJsonObject message{{"id", id}, {"method", method}, {"params", params}};
        if (!session.isEmpty()) {
            message.insert("sessionId", session);
        }
        socket_.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson()));
        QElapsedTimer t;
        t.start();
        while (!replies_.contains(id) && t.elapsed() < 10000) {
            QEventLoop loop;
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return replies_.take(id);
    }
    QJsonObject call(const QString& method, const QJsonObject& params = {}) {
        return call(method, params, session_);
    }

    // Opens another page in the same browser, as a phone of this width and height shows it;
    // returns its session.
    QString openPhonePage(const QString& url, int width, int height) {
        const QJsonObject created = call("Target.createTarget", {{"url", url}}, {});
        const QString target = created.value("result").toObject().value("targetId").toString();
        const QJsonObject attached =
            call("Target.attachToTarget", {{"targetId", target}, {"flatten", true}}, {});
        const QString session = attached.value("result").toObject().value("sessionId").toString();
        call("Emulation.setDeviceMetricsOverride",
             {{"width", width}, {"height", height}, {"deviceScaleFactor", 2}, {"mobile", true}},
             session);
        return session;
    }

    // The value of a script expression in the first page (or the page of `session`).
    QJsonValue evaluate(const QString& expression, const QString& session = {}) {
        const QJsonObject r =
            call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}},
                 session.isEmpty() ? session_ : session);
        return r.value("result").toObject().value("result").toObject().value("value");
    }

    // Waits until the expression is true in the page; the time it took, or -1.
    qint64 waitFor(const QString& expression, int ms, const QString& session = {}) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (evaluate(expression, session).toBool()) {
                return t.elapsed();
            }
            QEventLoop loop;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return -1;
    }

  private:
    QTemporaryDir profile_;
    QProcess process_;
    QWebSocket socket_;
    QString session_;
    int lastId_ = 0;
    QHash<int, QJsonObject> replies_;
};
