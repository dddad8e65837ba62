#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class TdmZOLF;

// Flying time and speed of a pigeon: night hours taken out with the race's sun data, the
// clock's variation subtracted, the speed over the loft's total distance, and the flying-time
// text. Used by the manual clock times, the clock result upload and the recalculation.

// One sun row of a race (table ZOL_SunSet_SunRise). Times are kept as day counts (days since
// 1899-12-30, the time of day as the fraction), as stored: a time typed without a date counts
// from day 0, so only its fraction is its time of day.
struct SunRow {
    QDate raceDate;
    double sunSet = 0;   // 0 when null
    double sunRise = 0;  // 0 when null
    bool sunSetNull = true;
};

// The race code: liberation code followed by the liberation date's "mmdd".
QString RaceCodeOf(const QString& liberCode, const QDate& liberDate);

// The race's sun rows, ordered by RaceDate.
QList<SunRow> RaceSunRows(TdmZOLF& db, const QString& raceCode);

// The nearest integer, halves away from zero: whole part of x plus whole part of twice its
// fraction.
qint64 NearestInt(long double x);

// Flying time in milliseconds from liberation to arrival, counting only daylight when the
// race runs over more than one day, less 1000 x variation (seconds the member's clock runs
// fast). A result of 0 stays 0. Only the days of the year are compared, not the years.
qint64 CalcuateSecs(int variation, const QDateTime& arrival, const QDateTime& liberation,
                    const QList<SunRow>& sunRows);

// The same, reading the sun rows of the race with this race code.
qint64 CalcuateSecs(TdmZOLF& db, const QString& raceCode, int variation, const QDateTime& arrival,
                    const QDateTime& liberation);

// Speed in distance units per minute; 0 when the distance or the time is less than 1.
double CalcFlySpeed(qint64 distance, qint64 ms);

// The speed as stored and shown: "%8.3f".
QString FlySpeedText(double speed);

// The speed as stored in FlySpeed: the value of its "%8.3f" text, so that speeds that print
// the same compare equal (and share a place in the result).
double StoredFlySpeed(double speed);

// "hh:nn:ss.zzz"; 100 hours or more give more hour digits, a negative time gives each
// component its own minus sign.
QString MsToFlyTime(qint64 ms);
