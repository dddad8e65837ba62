#pragma once

#include <QString>

class TdmZOLF;

// Writes a consistent copy of the open database to `target`, made by SQLite itself (never a
// byte copy of a file in use). The copy carries the database file's last-modified time, as a
// file copy would, so that a backup's date is the date of the data it holds. A database on a
// server is copied by pg_dump instead (see server_backup.h), dated when it was made.
//
// The copy is whole or not written (see whole_file.h): a failure never leaves a half-written
// backup under the real name, nor destroys the previous file of that name. With `replace` an
// existing `target` is replaced; without it an existing `target` makes the copy fail. Returns
// false on any failure, leaving `target` as it was; `reason` (when given) then says why.
bool WriteDatabaseCopy(TdmZOLF& db, const QString& target, bool replace, QString* reason = nullptr);

// Gives `file` the last-modified time of `source`; false when that cannot be done.
bool CopyModificationTime(const QString& source, const QString& file);
