#pragma once

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <memory>
#include <stdexcept>

#include "data/database.h"
#include "data/sql_dialect.h"
#include "server_admin.h"

// The database server the data, store and workflow tests run against instead of a file, when
// the environment variable KESTRAVA_TEST_POSTGRES names one: either a server address
// ("postgresql://USER@HOST:PORT/DATABASE", the password in PGPASSWORD or ~/.pgpass) or the
// folder in which scripts/pg-test-server.sh wrote the address of the server it started (files
// url and password). Unset, the tests use SQLite files.
inline QString TestServerBase() {
    static const QString base = [] {
        const QString named = qEnvironmentVariable("KESTRAVA_TEST_POSTGRES").trimmed();
        if (named.isEmpty() || IsServerSource(named)) {
            return named;
        }
        QFile url(named + QStringLiteral("/url"));
        QFile password(named + QStringLiteral("/password"));
        if (!url.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("KESTRAVA_TEST_POSTGRES names no test server folder");
        }
        if (password.open(QIODevice::ReadOnly)) {
            qputenv("PGPASSWORD", password.readAll().trimmed());
        }
        return QString::fromUtf8(url.readAll()).trimmed();
    }();
    return base;
}

inline bool TestsOnServer() {
    return !TestServerBase().isEmpty();
}

// A new, empty database on the test server for one test, dropped again at the end.
class TestServerDatabase {
  public:
    TestServerDatabase() {
        static QAtomicInt counter;
        const ServerAddress base = ParseServerSource(TestServerBase());
        name_ = QStringLiteral("kst_%1_%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(counter.fetchAndAddRelaxed(1));
        admin(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        admin(QStringLiteral("create database %1").arg(name_));
        ServerAddress mine = base;
        mine.database = name_;
        url_ = mine.url();
    }
    ~TestServerDatabase() {
        try {
            admin(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        } catch (...) {
        }
    }
    TestServerDatabase(const TestServerDatabase&) = delete;
    TestServerDatabase& operator=(const TestServerDatabase&) = delete;

    const QString& url() const { return url_; }

  private:
    static void admin(const QString& sql) { ServerAdmin(ParseServerSource(TestServerBase()), sql); }

    QString name_;
    QString url_;
};

// Opens the database with another login: the password reaches the connection the way it
// reaches the program, through PGPASSWORD.
inline std::unique_ptr<TdmZOLF> OpenAs(const QString& url, const QString& login,
                                       const QString& password) {
    ServerAddress a = ParseServerSource(url);
    a.user = login;
    const QByteArray saved = qgetenv("PGPASSWORD");
    qputenv("PGPASSWORD", password.toUtf8());
    std::unique_ptr<TdmZOLF> db;
    try {
        db = std::make_unique<TdmZOLF>(a.url());
    } catch (...) {
        qputenv("PGPASSWORD", saved);
        throw;
    }
    qputenv("PGPASSWORD", saved);
    return db;
}
