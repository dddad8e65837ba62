#include "home_figures.h"

#include <QFileInfo>
#include <QSqlQuery>

#include "app/startup_backup.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/schema.h"

namespace {

// One race's figures; `order` picks which race of those `where` leaves.
std::optional<HomeRace> ReadRace(TdmZOLF& db, const QString& where, const QString& order,
                                 const QDate& today) {
    QSqlQuery q = db.select(
        QStringLiteral("select LiberCode, LiberSite, substr(LiberDate,1,10), LiberTime from "
                       "ZOL_RaceData where ") +
            where + QStringLiteral(" order by ") + order + QStringLiteral(" limit 1"),
        {DateText(today)});
    if (!q.next()) {
        return std::nullopt;
    }
    HomeRace race;
    race.liberCode = q.value(0).toString();
    race.site = q.value(1).toString();
    const QString day = q.value(2).toString();
    race.date = ParseDate(day);
    const QTime time = ParseTime(q.value(3).toString());
    race.liberTime = time.isValid() ? TimeText(time) : q.value(3).toString();
    const QVariantList key{race.liberCode, day};
    QSqlQuery entries = db.select(
        QStringLiteral("select coalesce(sum(case when coalesce(MarkedTime,'')<>'' then 1 else 0 "
                       "end),0), coalesce(sum(case when coalesce(BackTime,'')<>'' then 1 else 0 "
                       "end),0) from ZOL_PigRaceData where LiberCode=? and "
                       "substr(LiberDate,1,10)=?"),
        key);
    if (entries.next()) {
        race.birdsMarked = entries.value(0).toInt();
        race.birdsArrived = entries.value(1).toInt();
    }
    // Clocks read through the antenna: a member's times typed in have no clock.
    QSqlQuery clocks = db.select(
        QStringLiteral("select coalesce(sum(case when coalesce(DLMarkedTime,'')<>'' then 1 "
                       "else 0 end),0), coalesce(sum(case when coalesce(ULClockTime,'')<>'' "
                       "then 1 else 0 end),0) from ZOL_RaceClockTime where LiberCode=? and "
                       "substr(LiberDate,1,10)=? and coalesce(ClockID,'')<>''"),
        key);
    if (clocks.next()) {
        race.clocksMarking = clocks.value(0).toInt();
        race.clocksResults = clocks.value(1).toInt();
    }
    return race;
}

// The database's last change as the file system knows it (its journal included).
QDateTime DatabaseChanged(const QString& file) {
    QDateTime latest;
    for (const QString& name : {file, file + QStringLiteral("-wal")}) {
        const QFileInfo info(name);
        if (info.exists() && (!latest.isValid() || info.lastModified() > latest)) {
            latest = info.lastModified();
        }
    }
    return latest;
}

}  // namespace

bool BackupWarning(const QDateTime& backup, const QDateTime& changed, int backupDays,
                   const QDate& today) {
    if (!backup.isValid()) {
        return true;
    }
    const bool old = backup.date() < today.addDays(-std::max(0, backupDays));
    const bool behind = !changed.isValid() || changed > backup;
    return old && behind;
}

HomeFigures ReadHomeFigures(TdmZOLF& db, const DataPaths& paths, const Clock& clock) {
    HomeFigures f;
    const QDate today = clock.today();
    QSqlQuery club = db.select(QStringLiteral(
        "select ClubName, ClubID, AssociationCode, DBBackupDays from ZOL_ClubData limit 1"));
    if (club.next()) {
        f.clubName = club.value(0).toString();
        f.clubId = club.value(1).toString();
        f.association = club.value(2).toString();
        f.backupDays = club.value(3).toString().trimmed().toInt();
    }

    f.nextRace = ReadRace(db, QStringLiteral("substr(LiberDate,1,10)>=?"),
                          QStringLiteral("substr(LiberDate,1,10), LiberTime, LiberCode"), today);
    f.lastRace = ReadRace(db, QStringLiteral("substr(LiberDate,1,10)<?"),
                          QStringLiteral("substr(LiberDate,1,10) desc nulls last, LiberTime desc "
                                         "nulls last, LiberCode desc nulls last"),
                          today);

    // The races the synchronisation sends: dated today or later and flagged. A clock holds
    // them all when it was synchronised after each one's last change (the synchronisation's
    // own rule).
    const QStringList changes =
        db.texts(QStringLiteral("select coalesce(Updatetime,'') from ZOL_RaceData where "
                                "substr(LiberDate,1,10)>=? and ") +
                     kSynchFlagged,
                 {DateText(today)});
    f.racesToSend = int(changes.size());
    for (const QString& change : changes) {
        const QDateTime moment = ParseMoment(change);
        if (moment.isValid() && (!f.raceListChanged.isValid() || moment > f.raceListChanged)) {
            f.raceListChanged = moment;
        }
    }
    QSqlQuery clocks = db.select(
        QStringLiteral("select a.LoftNo, b.LoftName, a.ClockID, coalesce(a.LastSynchDate,'') "
                       "from ZOL_LoftClocks a left join ZOL_LoftData b on a.LoftNo=b.LoftNo "
                       "order by a.LoftNo nulls first, a.ClockID nulls first"));
    while (clocks.next()) {
        ++f.clocks;
        const QString lastSynch = clocks.value(3).toString();
        bool holdsAll = true;
        for (const QString& change : changes) {
            try {
                holdsAll = holdsAll && SynchedSince(lastSynch, change);
            } catch (const UserError&) {
                holdsAll = false;  // an unreadable moment: the synchronisation sends again
            }
        }
        if (holdsAll) {
            ++f.clocksSynchronised;
        } else {
            const QString name = clocks.value(1).toString();
            f.clocksBehind << QStringLiteral("%1%2: %3")
                                  .arg(clocks.value(0).toString(),
                                       name.isEmpty() ? QString() : QStringLiteral(" ") + name,
                                       clocks.value(2).toString());
        }
    }

    const QFileInfo backup(BackupFilesOf(paths).current);
    if (backup.exists()) {
        f.lastBackup = backup.lastModified();
    }
    f.backupWarning =
        BackupWarning(f.lastBackup, DatabaseChanged(paths.databaseFile), f.backupDays, today);
    return f;
}
