#include "startup_backup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <filesystem>
#include <memory>

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

bool PrepareStartupBackup(TdmZOLF& db, const DataPaths& paths, const QVariant& backupDays,
                          const Clock& clock) {
    const StartupBackupFiles files = BackupFilesOf(paths);
    const QFileInfo current(files.current);
    if (!current.exists()) {
        QDir().mkpath(paths.backupDir);
        return true;
    }
    const QDate madeDay = current.lastModified().date();
    if (db.isServer() && madeDay >= clock.today()) {
        return false;
    }
    const QString made = DayText(madeDay);
    const int days = backupDays.toString().trimmed().toInt();
    const QString limit = DayText(clock.now().addDays(-days).date());
    if (limit < made) {
        return false;
    }
    // When the current backup cannot be kept under its date it stays where it is: deleting it
    // then would lose the only copy of that day's data.
    return KeepUnderDate(files.current, files.dated(made));
}

void RunStartupBackup(TdmZOLF& db, const DataPaths& paths, const QVariant& backupDays,
                      const Clock& clock) {
    if (PrepareStartupBackup(db, paths, backupDays, clock)) {
        WriteDatabaseCopy(db, BackupFilesOf(paths).current, false);
    }
}

QThread* StartupBackupInBackground(TdmZOLF& db, const DataPaths& paths, QObject* context,
                                   const std::function<void(bool, const QString&)>& done) {
    struct Outcome {
        bool ok = false;
        QString reason;
    };
    auto outcome = std::make_shared<Outcome>();
    const QString target = BackupFilesOf(paths).current;
    QThread* thread = QThread::create([&db, target, outcome] {
        outcome->ok = WriteDatabaseCopy(db, target, false, &outcome->reason);
    });
    QObject::connect(thread, &QThread::finished, context,
                     [outcome, done] { done(outcome->ok, outcome->reason); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread;
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
