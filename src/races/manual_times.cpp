#include "manual_times.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/schema.h"
#include "entry_history.h"
#include "flying_time.h"
#include "loft_distances.h"
#include "result_lock.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

QStringList OtherClockLoftNames(TdmZOLF& db) {
    return db.texts(QStringLiteral("select LoftName from ZOL_LoftData order by LoftNo"));
}

std::optional<QString> LoftNoOfName(TdmZOLF& db, const QString& loftName) {
    const QVariant loftNo = db.value(
        QStringLiteral("select LoftNo from ZOL_LoftData where LoftName=? order by LoftNo limit 1"),
        {loftName});
    if (loftNo.isNull()) {
        return std::nullopt;
    }
    return loftNo.toString();
}

QStringList OtherClockRings(TdmZOLF& db, const QString& loftNo, const QString& ringEnd) {
    QString escaped = ringEnd;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return db.texts(QStringLiteral("select PRingNo from ZOL_PigData where LoftNo=? and PRingNo "
                                   "like ? escape '\\' and ") +
                        kNotDeleted + QStringLiteral(" order by PRingNo"),
                    {loftNo, QStringLiteral("%") + escaped});
}

QString OtherClockPigeonSql() {
    return QStringLiteral(
        "select a.PRingNo, (select b.BackTime from ZOL_PigRaceData b where b.LiberCode=? and "
        "substr(b.LiberDate,1,10)=? and b.PRingNo=a.PRingNo) as BackTime from ZOL_PigData a where "
        "a.LoftNo=? order by a.PRingNo");
}

std::optional<ClockReadings> FindClockReadings(TdmZOLF& db, const RaceKey& race,
                                               const QString& loftNo) {
    QSqlQuery q = db.select(
        QStringLiteral("select DLMarkedTime, ULMasterTime, ULClockTime from ZOL_RaceClockTime "
                       "where LiberCode=? and substr(LiberDate,1,10)=? and LoftNo=? limit 1"),
        {race.liberCode, DateText(race.liberDate), loftNo});
    if (!q.next()) {
        return std::nullopt;
    }
    return ClockReadings{ParseMoment(q.value(0).toString()), ParseMoment(q.value(1).toString()),
                         ParseMoment(q.value(2).toString())};
}

std::optional<QDateTime> StoredArrival(TdmZOLF& db, const RaceKey& race, const QString& ring) {
    const QVariant backTime =
        db.value(QStringLiteral("select BackTime from ZOL_PigRaceData where LiberCode=? and "
                                "substr(LiberDate,1,10)=? and PRingNo=? and BackTime is not null"),
                 {race.liberCode, DateText(race.liberDate), ring});
    if (backTime.isNull()) {
        return std::nullopt;
    }
    const QDateTime arrival = ParseMoment(backTime.toString());
    return arrival.isValid() ? std::optional<QDateTime>(arrival) : std::nullopt;
}

int ClockVariation(const ClockReadings& readings) {
    return int(readings.master.msecsTo(readings.member) / 1000);
}

ManualArrivalResult SaveManualArrival(TdmZOLF& db, const RaceKey& race, const ManualArrival& entry,
                                      const QDateTime& when) {
    if (entry.loftNo.isEmpty()) {
        throw UserError(RaceText::tr("Choose the member first."));
    }
    if (db.value(QStringLiteral("select count(*) from ZOL_PigData where LoftNo=? and PRingNo=?"),
                 {entry.loftNo, entry.ring})
            .toInt() == 0) {
        throw UserError(
            RaceText::tr("Ring number '%1' is not a pigeon of this member.").arg(entry.ring));
    }
    RefuseIfFinal(db, race.liberCode, race.liberDate);
    const QString dateText = DateText(race.liberDate);
    const QVariant liberTime =
        db.value(QStringLiteral("select LiberTime from ZOL_RaceData where LiberCode=? and "
                                "substr(LiberDate,1,10)=? limit 1"),
                 {race.liberCode, dateText});
    if (liberTime.isNull()) {
        throw UserError(RaceText::tr("The race %1 of %2 has no liberation time.")
                            .arg(race.liberCode, dateText));
    }
    const QDateTime liberation(race.liberDate, StrToTime(liberTime.toString()));

    ManualArrivalResult r;
    r.distance = LoftTotalDistance(db, race.liberCode, entry.loftNo, ClubDistanceMode(db));
    r.variation = ClockVariation(entry.readings);
    r.ms = CalcuateSecs(db, RaceCodeOf(race.liberCode, race.liberDate), r.variation, entry.arrival,
                        liberation);
    r.speed = StoredFlySpeed(CalcFlySpeed(r.distance, r.ms));

    // Another seat may be storing arrivals of the same member at the same moment; the work is
    // run again when that seat was in the way, so that no arrival is lost or stored twice.
    db.repeatableTransaction([&] {
        const QVariantList readings{GeneralText(entry.readings.marked),
                                    GeneralText(entry.readings.master),
                                    GeneralText(entry.readings.member)};
        const QVariantList member{race.liberCode, dateText, entry.loftNo};
        if (db.rowCount(QStringLiteral("select 1 from ZOL_RaceClockTime where LiberCode=? and "
                                       "substr(LiberDate,1,10)=? and LoftNo=?"),
                        member) > 0) {
            db.exec(
                QStringLiteral("update ZOL_RaceClockTime set DLMarkedTime=?, ULMasterTime=?, "
                               "ULClockTime=? where LiberCode=? and substr(LiberDate,1,10)=? and "
                               "LoftNo=?"),
                readings + member);
        } else {
            db.exec(
                // A seat storing another arrival of this member at the same moment may have
                // added the row since: then this seat's readings go into it.
                QStringLiteral("insert into ZOL_RaceClockTime (DLMarkedTime, ULMasterTime, "
                               "ULClockTime, LiberCode, LiberDate, LoftNo) values(?,?,?,?,?,?) "
                               "on conflict (LiberCode, LiberDate, LoftNo) do update set "
                               "DLMarkedTime=excluded.DLMarkedTime, "
                               "ULMasterTime=excluded.ULMasterTime, "
                               "ULClockTime=excluded.ULClockTime"),
                readings + member);
        }

        // The variation is kept with the arrival, as a clock read through the antenna keeps
        // it, so that a recalculation of the race takes it off again.
        EnsureEntryHistoryTables(db);
        const QVariantList before =
            ReadTrackedEntry(db, race.liberCode, race.liberDate, entry.ring);
        const QVariantList result{MomentMsText(entry.arrival), MsToFlyTime(r.ms), r.speed,
                                  r.distance, r.variation};
        const QVariantList pigeon{race.liberCode, dateText, entry.ring};
        if (db.rowCount(QStringLiteral("select 1 from ZOL_PigRaceData where LiberCode=? and "
                                       "substr(LiberDate,1,10)=? and PRingNo=?"),
                        pigeon) > 0) {
            db.exec(
                QStringLiteral("update ZOL_PigRaceData set BackTime=?, FlyTime=?, FlySpeed=?, "
                               "Dist=?, TimeVari=? where LiberCode=? and substr(LiberDate,1,10)=? "
                               "and PRingNo=?"),
                result + pigeon);
        } else {
            db.exec(
                QStringLiteral("insert into ZOL_PigRaceData (BackTime, FlyTime, FlySpeed, Dist, "
                               "TimeVari, LiberCode, LiberDate, PRingNo, ClubID) "
                               "values(?,?,?,?,?,?,?,?,?)"),
                result + pigeon + QVariantList{race.clubId});
        }
        RecordEntryWrite(db, race.liberCode, race.liberDate, entry.ring, before,
                         EntryWorkflow::ManualTime, when);
    });
    return r;
}

QString EarlyArrivalWarning(const QString& ring, const ManualArrivalResult& result) {
    if (result.ms >= 0) {
        return {};
    }
    return QCoreApplication::translate("Races",
                                       "Ring %1 is stored with an arrival before the liberation: "
                                       "its flying time is %2 and it gets no speed. Check the "
                                       "date and time typed.")
        .arg(ring, QLatin1Char('-') + MsToFlyTime(-result.ms));
}
