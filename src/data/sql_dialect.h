#pragma once

#include <QString>
#include <QStringList>

class QSqlError;
class QSqlRecord;

// The club database lives either in an SQLite file on this PC (the default) or on a PostgreSQL
// server that several seats share. Statements are written once, in the forms both engines
// understand; the few things that differ are answered here and nowhere else: how a table is
// created (column types, the row number the program orders by), how the driver is opened,
// which tables a database holds, and what a refusal means in words.

enum class SqlEngine { Sqlite, Postgres };

// A server named by a data link as "postgresql://USER@HOST:PORT/DATABASE". The password is
// never part of it: the server's usual means (PGPASSWORD, ~/.pgpass) supply it.
struct ServerAddress {
    QString user;
    QString host;
    int port = 5432;
    QString database;
    // How the connection is protected, as the link names it ("?sslmode=require"): "prefer"
    // (the default) encrypts whenever the server offers it, "require" refuses a server that
    // does not, "verify-ca"/"verify-full" also check the server's certificate.
    QString sslMode = QStringLiteral("prefer");

    // "USER@HOST:PORT/DATABASE", for messages.
    QString display() const;
    QString url() const;
};

// True when a data source names a server rather than a file.
bool IsServerSource(const QString& source);
// The parts of a server data source; throws DbError naming what is wrong with it (a password
// in it is refused, so that none is ever kept in a link file).
ServerAddress ParseServerSource(const QString& source);

// A "create table" statement as this engine takes it. On the server the types become
// bigint and double precision (the file's integers and reals are 64 bits), an
// "integer primary key autoincrement" becomes an identity column, and every table gains a
// "rowid" identity column at its end, so that statements that order by the order rows were
// stored in read the same on both.
QString CreateTableText(SqlEngine engine, const QString& sql);

// A scratch table of the connection's own (gone with the connection): the name statements
// reach it by, and the statement that makes it with the columns c0, c1, ... On the file the
// columns take no type, so they keep every value as given; on the server each takes the type
// named in `serverTypes` (one per column), and a "rowid" column numbers the rows in the order
// they were stored, as the file's own row number does.
QString ScratchTableName(SqlEngine engine, const QString& name);
QString CreateScratchTableText(SqlEngine engine, const QString& name,
                               const QStringList& serverTypes);

// What a refused statement means, in a sentence for the user: the server's own message
// without its prefixes, or a plain sentence for the refusals the program expects (a row
// stored twice, a wait for another seat that ended, a lost connection).
QString RefusalText(SqlEngine engine, const QSqlError& error);
// True when the server refused the action because this login has no right to it (42501).
bool IsPermissionRefusal(const QSqlError& error);
// The SQLSTATE of a server refusal ("23505"), or empty on the file engine. A connection the
// server closed (restarted, or the session ended) comes without one from the driver and is
// given "08006".
QString RefusalCode(const QSqlError& error);
// True for refusal codes that mean the connection to the server is gone: nothing more runs on
// it, and a new one must be made.
bool IsConnectionLost(const QString& code);
// True for a club file's refusal code that means another program holds the file (busy, locked).
bool IsBusyFileCode(const QString& code);
// True for refusal codes (RefusalCode, DbError::code) that mean another seat was in the way:
// a wait for its lock that ended, its work crossing this one (serialization, deadlock), or the
// club file held busy. The same work tried again may well succeed. Codes are read as text: a
// server's 42501 (no right) or 23505 (stored already) is never taken for the file's "busy".
bool IsSeatInTheWay(const QString& code);
// True for refusals that go away when the same work is tried again (another seat's work
// crossed this one: a serialization failure or a deadlock).
bool IsRetryable(const QSqlError& error);
// Why a server could not be opened, in a sentence naming the server: not reachable, a wrong or
// missing password, no such database, or the server's own reason.
QString ServerOpenFailureText(const ServerAddress& address, const QSqlError& error);

// A column name as the statement `sql` (or else the club's tables) spells it. The server hands
// back every name not quoted in the statement in lower case ("pos" for "as Pos"); titles of
// grids and workbooks, and lookups by name, use the spelling the program wrote.
QString WrittenSpelling(const QString& sql, const QString& name);
// The record of a result of `sql` with each field named as WrittenSpelling() spells it, on the
// server; the file engine keeps the statement's spelling itself, so there it is unchanged.
QSqlRecord WithWrittenSpelling(SqlEngine engine, const QString& sql, QSqlRecord record);
