#pragma once

// Benches on a PostgreSQL server: `--engine postgresql` runs a bench's work on a new database of
// the server named by `--server URL` (or the environment variable KESTRAVA_BENCH_POSTGRES; the
// password in PGPASSWORD or ~/.pgpass), or, when none is named, on a private server started
// with scripts/pg-test-server.sh for the run and stopped after it, as the tests do (also when
// the bench is interrupted, killed or crashes: the script stops a server whose owner has gone).
// The database is dropped again at the end.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "data/sql_dialect.h"
#include "server_admin.h"

struct BenchOptions {
    bool server = false;
    QString serverUrl;
    QStringList rest;  // the arguments that are not engine options, in order
};

// Takes `--engine sqlite|postgresql` and `--server URL` out of the arguments (argv[0] excluded).
inline BenchOptions ParseBenchOptions(int argc, char** argv) {
    BenchOptions options;
    options.serverUrl = qEnvironmentVariable("KESTRAVA_BENCH_POSTGRES").trimmed();
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--engine") && i + 1 < argc) {
            const QString engine = QString::fromLocal8Bit(argv[++i]);
            if (engine != QLatin1String("postgresql") && engine != QLatin1String("sqlite")) {
                throw std::runtime_error("--engine takes sqlite or postgresql");
            }
            options.server = engine == QLatin1String("postgresql");
        } else if (arg == QLatin1String("--server") && i + 1 < argc) {
            options.serverUrl = QString::fromLocal8Bit(argv[++i]).trimmed();
            options.server = true;
        } else {
            options.rest << arg;
        }
    }
    return options;
}

class BenchServer {
  public:
    // Starts the private server when `named` is empty, then makes a new, empty database.
    explicit BenchServer(const QString& named) {
        QString base = named;
        if (base.isEmpty()) {
            base = startPrivate();
        }
        if (!IsServerSource(base)) {
            throw std::runtime_error("not a server address: " + base.toStdString());
        }
        base_ = ParseServerSource(base);
        name_ = QStringLiteral("kst_bench_%1").arg(QCoreApplication::applicationPid());
        admin(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        admin(QStringLiteral("create database %1").arg(name_));
        ServerAddress mine = base_;
        mine.database = name_;
        url_ = mine.url();
    }
    ~BenchServer() {
        try {
            admin(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
        }
        QSqlDatabase::removeDatabase(ServerAdminConnection());
        if (privateDir_) {
            QProcess::execute(QStringLiteral("bash"),
                              {script(), QStringLiteral("stop"), privateDir_->path()});
        }
    }
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    const QString& url() const { return url_; }

  private:
    static QString script() {
        return QStringLiteral(KESTRAVA_SOURCE_DIR "/scripts/pg-test-server.sh");
    }

    QString startPrivate() {
        privateDir_ = std::make_unique<QTemporaryDir>();
        const QString dir = privateDir_->path();
        QProcess start;
        start.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        start.start(QStringLiteral("bash"), {script(), QStringLiteral("start"), dir});
        start.waitForFinished(-1);
        QFile url(dir + QStringLiteral("/url"));
        QFile password(dir + QStringLiteral("/password"));
        if (start.exitCode() != 0 || !url.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("the private PostgreSQL server did not start");
        }
        if (password.open(QIODevice::ReadOnly)) {
            qputenv("PGPASSWORD", password.readAll().trimmed());
        }
        return QString::fromUtf8(url.readAll()).trimmed();
    }

    void admin(const QString& sql) const { ServerAdmin(base_, sql); }

    std::unique_ptr<QTemporaryDir> privateDir_;
    ServerAddress base_;
    QString name_;
    QString url_;
};
