#pragma once

// Statements on a PostgreSQL server outside any club database (making and dropping the
// databases the tests and benches run on), shared by both.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <stdexcept>

#include "data/sql_dialect.h"

// The connection ServerAdmin keeps open between statements.
inline QString ServerAdminConnection() {
    return QStringLiteral("kst_server_admin");
}

// Runs a statement on the database `server` names (the server's first database), on a
// connection of its own that stays open for the next statement. Throws std::runtime_error with
// the server's reason.
inline void ServerAdmin(const ServerAddress& server, const QString& sql) {
    const QString connection = ServerAdminConnection();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::contains(connection)
                              ? QSqlDatabase::database(connection)
                              : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        if (!db.isOpen()) {
            db.setHostName(server.host);
            db.setPort(server.port);
            db.setUserName(server.user);
            db.setDatabaseName(server.database);
            if (!db.open()) {
                failure = db.lastError().text();
            }
        }
        if (failure.isEmpty()) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("set client_min_messages to warning")) || !q.exec(sql)) {
                failure = q.lastError().text();
            }
        }
    }
    if (!failure.isEmpty()) {
        throw std::runtime_error(("server: " + failure).toStdString());
    }
}
