#pragma once

// The row-by-row forms the result list and the WinSpeed file set were first written in: a
// correlated count per result row for the places, and a count query per loft and per bird
// for the WinSpeed counts. Tests and the results benchmark check the program's one-pass forms
// against them on the same database.

#include <QSqlQuery>
#include <QSqlRecord>

#include "data/database.h"
#include "data/date_time.h"
#include "races/exchange_files.h"

inline QString CountingResultSql() {
    return QStringLiteral(
        "select (select count(*)+1 from ZOL_PigRaceData where LiberCode=? and "
        "substr(LiberDate,1,10)=? and FlySpeed>a.FlySpeed and BackTime is not null) as Pos, "
        "a.LiberCode, a.PRingNo, a.BackTime, a.FlyTime, a.FlySpeed, b.LoftNo, c.Miles || '/' || "
        "c.Yards as dist, b.Sex as sex, b.ColorType, a.TimeVari from (ZOL_PigRaceData a left "
        "join ZOL_PigData b on a.PRingNo=b.PRingNo) left join ZOL_LoftLibPointDist c on "
        "a.LiberCode=c.LiberCode where a.LiberCode=? and b.LoftNo=c.LoftNo and "
        "substr(a.LiberDate,1,10)=? and a.BackTime is not null order by a.FlySpeed desc "
        "nulls last, a.PRingNo");
}

// Every row of a query, every column as its stored value.
inline QList<QVariantList> AllRows(TdmZOLF& db, const QString& sql, const QVariantList& params) {
    QList<QVariantList> rows;
    QSqlQuery q = db.select(sql, params);
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i) {
            row << q.value(i);
        }
        rows << row;
    }
    return rows;
}

inline WinSpeedCounting CountingPerBird(TdmZOLF& db) {
    WinSpeedCounting counting;
    counting.clockedBirds = [&db](const QDate& date, const QString& loft) {
        return db
            .value(QStringLiteral("select count(*) from ZOL_PigRaceData a left join ZOL_PigData "
                                  "b on a.PRingNo=b.PRingNo where substr(a.LiberDate,1,10)=? and "
                                  "b.LoftNo=? and a.BackTime is not null"),
                   {DateText(date), loft})
            .toInt();
    };
    counting.markingOrder = [&db](const WeekEntry& e) {
        return db
            .value(QStringLiteral("select count(*) from ZOL_PigRaceData a left join ZOL_PigData "
                                  "b on a.PRingNo=b.PRingNo where a.LiberCode=? and "
                                  "substr(a.LiberDate,1,10)=? and b.LoftNo=? and "
                                  "substr(a.MarkedTime,1,19)<=substr(?,1,19)"),
                   {e.liberCode, DateText(e.liberDate), e.loftNo, e.markedTime})
            .toInt();
    };
    return counting;
}
