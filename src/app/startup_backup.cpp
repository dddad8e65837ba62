#include "startup_backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "competitions/competition_types.h"
#include "data/backup_copy.h"
#include "data/database.h"
#include "data/date_time.h"

namespace {

QString DayText(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// Moves the current backup to its dated name, replacing an older file of that name, keeping
// its last-modified time.
bool KeepUnderDate(const QString& current, const QString& dated) {
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(current).toStdString(),
                            QFile::encodeName(dated).toStdString(), ec);
    return !ec;
}

}  // namespace

QString StartupBackupFiles::dated(const QString& yyyymmdd) const {
    const QFileInfo info(current);
    return info.absolutePath() + QStringLiteral("/Kestrava_Europe_") + yyyymmdd +
           QStringLiteral(".bak");
}

StartupBackupFiles BackupFilesOf(const DataPaths& paths) {
    return {paths.backupDir + QStringLiteral("/Kestrava_Europe.bak")};
}

void RunStartupBackup(TdmZOLF& db, const DataPaths& paths, const QVariant& backupDays,
                      const Clock& clock) {
    const StartupBackupFiles files = BackupFilesOf(paths);
    const QFileInfo current(files.current);
    if (!current.exists()) {
        QDir().mkpath(paths.backupDir);
        WriteDatabaseCopy(db, files.current, false);
        return;
    }
    const QString made = DayText(current.lastModified().date());
    const int days = backupDays.toString().trimmed().toInt();
    const QString limit = DayText(clock.now().addDays(-days).date());
    if (limit < made) {
        return;
    }
    // When the current backup cannot be kept under its date it stays where it is: deleting it
    // then would lose the only copy of that day's data.
    if (!KeepUnderDate(files.current, files.dated(made))) {
        return;
    }
    WriteDatabaseCopy(db, files.current, false);
}

QVariant ClubBackupDays(TdmZOLF& db) {
    return db.value(QStringLiteral("select DBBackupDays from ZOL_ClubData limit 1"));
}

void PurgeOldRaceData(TdmZOLF& db, const Clock& clock) {
    const QString oldest = DateText(clock.today().addDays(-59));
    // The season's championships and pool sheets still need the results of purged races.
    KeepSeasonResults(db, clock.today().addDays(-59));
    db.exec(QStringLiteral("delete from ZOL_PigRaceData where substr(LiberDate,1,10)<=?"),
            {oldest});
    db.exec(QStringLiteral("delete from ZOL_RaceClockTime where substr(LiberDate,1,10)<=?"),
            {oldest});
}
