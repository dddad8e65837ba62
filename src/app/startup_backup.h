#pragma once

#include <QString>
#include <QVariant>
#include <functional>

#include "data/clock.h"
#include "data/data_paths.h"

class QObject;
class QThread;
class TdmZOLF;

// The automatic backup made each time the main window is shown.
//
// The current backup is Backup/Kestrava_Europe.bak. When it is missing it is made (and the
// Backup folder with it). When it exists and its last-modified date lies `backupDays` or more
// calendar days back, it is kept under its date (Kestrava_Europe_yyyymmdd.bak, replacing a
// file of that name) and a new current backup is made. Every copy carries the last-modified
// time of the data it holds. Failures change nothing further and are not reported.
struct StartupBackupFiles {
    QString current;                               // Backup/Kestrava_Europe.bak
    QString dated(const QString& yyyymmdd) const;  // Backup/Kestrava_Europe_<date>.bak
};
StartupBackupFiles BackupFilesOf(const DataPaths& paths);

// `backupDays` is the club's DBBackupDays; null or empty counts as 0.
void RunStartupBackup(TdmZOLF& db, const DataPaths& paths, const QVariant& backupDays,
                      const Clock& clock);

// The first half of the above: keeps the current backup under its date when a new one is due,
// and returns true when a new current backup is to be written (BackupFilesOf(paths).current).
// On a server the copy is the server's dump program's work and grows with every season, so it
// is due at most once a day (a current backup made today is enough, whatever the backup days),
// and the program writes it in the background (StartupBackupInBackground).
bool PrepareStartupBackup(TdmZOLF& db, const DataPaths& paths, const QVariant& backupDays,
                          const Clock& clock);

// Writes the current backup of a database on a server on a thread of its own and calls `done`
// on the caller's thread (through `context`) with true, or false and the reason. The copy
// uses only the server's address of `db`, never its connection, so the program goes on with
// its work meanwhile. Returns the thread (it deletes itself when done); whoever ends the
// program waits for it.
QThread* StartupBackupInBackground(TdmZOLF& db, const DataPaths& paths, QObject* context,
                                   const std::function<void(bool, const QString&)>& done);

// The club's DBBackupDays (null when there is no club record).
QVariant ClubBackupDays(TdmZOLF& db);

// Removes race entries and clock times of races liberated 59 days ago or earlier (a race 58
// days back stays). Throws DbError with the database's message.
void PurgeOldRaceData(TdmZOLF& db, const Clock& clock);
