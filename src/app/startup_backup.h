#pragma once

#include <QString>
#include <QVariant>

#include "data/clock.h"
#include "data/data_paths.h"

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

// The club's DBBackupDays (null when there is no club record).
QVariant ClubBackupDays(TdmZOLF& db);

// Removes race entries and clock times of races liberated 59 days ago or earlier (a race 58
// days back stays). Throws DbError with the database's message.
void PurgeOldRaceData(TdmZOLF& db, const Clock& clock);
