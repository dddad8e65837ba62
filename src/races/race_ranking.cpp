#include "race_ranking.h"

#include <QSqlQuery>
#include <cstdlib>

#include "clock_deviation.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "loft_distances.h"
#include "members/member_privacy.h"
#include "race_results.h"
#include "reports/club_reports.h"
#include "result_lock.h"

namespace {

// Whole seconds of a flying time text "hh:nn:ss.zzz" (the milliseconds left out).
int FlySeconds(const QString& flyTime) {
    const QStringList parts = flyTime.trimmed().split(QLatin1Char(':'));
    if (parts.size() != 3) {
        throw UserError(invalidIntegerText(flyTime));
    }
    return StrToInt(parts[0]) * 3600 + StrToInt(parts[1]) * 60 +
           StrToInt(parts[2].section(QLatin1Char('.'), 0, 0));
}

// Seconds as hours, minutes and seconds, a "-" before a negative difference.
QString SignedTime(int seconds, bool leadingZeros) {
    const int s = std::abs(seconds);
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    if (leadingZeros) {
        return sign + QString::asprintf("%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    }
    return sign + QString::asprintf("%d:%d:%d", s / 3600, s / 60 % 60, s % 60);
}

}  // namespace

QList<RankingRow> ReadRaceRanking(TdmZOLF& db, const QString& liberCode, const QString& liberDate) {
    // The place is 1 + the number of the race's arrivals with a higher speed, which is the rank
    // among them by speed; an arrival without a speed is placed 1.
    QSqlQuery q = db.select(
        QStringLiteral(
            "select case when a.FlySpeed is null then 1 else rank() over (order by a.FlySpeed "
            "desc) end as Rank, b.LoftNo, a.PRingNo, b.Sex, b.ColorType, "
            "a.BackTime, a.FlyTime, a.FlySpeed, a.TimeVari, "
            "(select LoftName from ZOL_LoftData l where l.LoftNo=b.LoftNo limit 1), "
            "(select count(*) from ZOL_LoftData l where l.LoftNo=b.LoftNo), "
            "(select Miles||'/'||Yards from ZOL_LoftLibPointDist d where "
            "d.LiberCode=a.LiberCode and d.LoftNo=b.LoftNo limit 1) "
            "from ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo "
            "where a.LiberCode=? and substr(a.LiberDate,1,10)=? and a.BackTime is not null "
            "order by a.FlySpeed desc nulls last, a.BackTime"),
        {liberCode, liberDate});
    QList<RankingRow> rows;
    while (q.next()) {
        RankingRow row;
        row.rank = q.value(0).toInt();
        row.loftNo = q.value(1).toString();
        row.ringNo = q.value(2).toString();
        row.sex = q.value(3).toString();
        row.colorType = q.value(4);
        row.backTime = q.value(5);
        row.flyTime = q.value(6).toString();
        row.flySpeed = q.value(7);
        row.timeVari = q.value(8);
        row.loftName = q.value(9).toString();
        row.loftKnown = q.value(10).toInt() > 0;
        row.distance = q.value(11).isNull() ? QStringLiteral("0") : q.value(11).toString();
        rows << row;
    }
    return rows;
}

QString RankingMargin(const QString& flyTime, const QString& winnerFlyTime) {
    if (flyTime.isEmpty() || winnerFlyTime.isEmpty()) {
        return {};
    }
    return SignedTime(FlySeconds(flyTime) - FlySeconds(winnerFlyTime), true);
}

QString WinningMargin(const QList<RankingRow>& rows) {
    if (rows.isEmpty()) {
        return {};
    }
    if (rows.size() == 1) {
        return QStringLiteral("0:0:0");
    }
    if (rows[0].flyTime.isEmpty() || rows[1].flyTime.isEmpty()) {
        return {};
    }
    return SignedTime(FlySeconds(rows[1].flyTime) - FlySeconds(rows[0].flyTime), false);
}

ReportDefinition RaceRankingReportOf(TdmZOLF& db, const QString& liberCode,
                                     const QString& liberDate, const QString& raceText) {
    const QList<RankingRow> rows = ReadRaceRanking(db, liberCode, liberDate);
    const QString winner = rows.isEmpty() ? QString() : rows.first().flyTime;
    const int limit = ClockDeviationLimit(db);
    // The printed ranking is posted for everyone to see: each member as they let themselves be
    // published.
    const PublishedMembers members(db);
    QList<QStringList> texts;
    for (const RankingRow& row : rows) {
        // A loft the member list does not hold prints its number; a clock beyond the club's
        // deviation limit is marked beside it.
        const QString loft = members.of(row.loftNo).text();
        texts << QStringList{
            QString::number(row.rank),
            ClockDeviates(row.timeVari, limit) ? loft + QLatin1Char(' ') + DeviationMark() : loft,
            SpeedCellText(row.flySpeed),
            row.ringNo,
            ColourCellText(row.colorType),
            row.sex,
            ClockedCellText(row.backTime),
            VariationCellText(row.timeVari),
            row.distance,
            RankingMargin(row.flyTime, winner)};
    }
    RaceDayHeading heading = ReadRaceDayHeading(db, liberCode, raceText);
    const QDate raceDay = ParseDate(liberDate);
    if (raceDay.isValid()) {
        heading.resultState = ResultStateCaption(db, liberCode, raceDay);
    }
    return RaceRankingReport(heading, ClubDistanceMode(db), texts, winner, WinningMargin(rows));
}
