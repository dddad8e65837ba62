#pragma once

#include <QString>
#include <QStringList>

#include "errors.h"
#include "sql_dialect.h"

// Backups of a club database on a server are made and loaded by the PostgreSQL client programs
// (pg_dump, pg_restore), in their custom format. The password is never handed to them on a
// command line: they take it from the environment as the program does (PGPASSWORD, ~/.pgpass).

// A client program that could not be found or did not do its work; the text says why in plain
// words, ready to show.
class ServerToolError : public UserError {
  public:
    using UserError::UserError;
};

// Where a client program is: in the folder named by KESTRAVA_PG_BIN when that is set (and only
// there), else on PATH, else in the newest /usr/lib/postgresql/<version>/bin. Empty when none.
QString FindServerTool(const QString& name);

// Writes a backup of the database at `address` to `file` (which it overwrites). Throws
// ServerToolError when pg_dump is missing or fails; `file` may then hold a partial dump.
void DumpServerDatabase(const ServerAddress& address, const QString& file);

// True when `file` is a backup made by DumpServerDatabase (a custom-format archive).
bool IsServerBackup(const QString& file);
// The club tables a server backup lacks (by pg_restore's table of contents). Throws
// ServerToolError when pg_restore is missing or cannot read the file.
QStringList TablesMissingFromServerBackup(const QString& file, const QStringList& tables);

// Replaces the club's tables in the database at `address` by those of the backup `file`, in
// one transaction: when anything fails, the database is as it was. Throws ServerToolError.
void RestoreServerDatabase(const ServerAddress& address, const QString& file);
