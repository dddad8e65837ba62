#include "flying_time.h"

#include <QSqlQuery>
#include <cmath>

#include "data/database.h"
#include "data/date_time.h"

namespace {

constexpr long double kMsPerDay = 86400000.0L;

// The time of day of a stored day count.
double timeOfDay(double days) {
    return days - std::floor(days);
}

// The time of day of a moment, to the millisecond.
double timeOfDay(const QDateTime& moment) {
    return DayFraction(moment.time());
}

// A stored date or time text as a day count: a time of day alone counts from day 0, and an
// empty cell is day 0 as a null value is. Any other text raises the conversion message
// rather than entering the flight as day 0.
double storedDayCount(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return 0.0;
    }
    const QDateTime moment = ParseMoment(text);
    if (moment.isValid()) {
        return DayCount(moment);
    }
    const QTime time = ParseTime(text);
    return time.isValid() ? DayFraction(time) : DayCount(StrToDateTime(text));
}

qint64 spanMs(long double fromDays, long double toDays) {
    return NearestInt((toDays - fromDays) * kMsPerDay);
}

}  // namespace

QString RaceCodeOf(const QString& liberCode, const QDate& liberDate) {
    return liberCode + MonthDayText(liberDate);
}

QList<SunRow> RaceSunRows(TdmZOLF& db, const QString& raceCode) {
    QList<SunRow> rows;
    QSqlQuery q =
        db.select(QStringLiteral("select RaceDate, SunSet, SunRise from ZOL_SunSet_SunRise where "
                                 "RaceCode=? order by RaceDate"),
                  {raceCode});
    while (q.next()) {
        SunRow row;
        const QString raceDate = q.value(0).toString();
        row.raceDate = raceDate.trimmed().isEmpty() ? QDate() : StrToDate(raceDate);
        row.sunSetNull = q.value(1).isNull() || q.value(1).toString().trimmed().isEmpty();
        row.sunSet = storedDayCount(q.value(1).toString());
        row.sunRise = storedDayCount(q.value(2).toString());
        rows << row;
    }
    return rows;
}

qint64 NearestInt(long double x) {
    const long double whole = std::trunc(x);
    return qint64(whole) + qint64(std::trunc((x - whole) * 2));
}

qint64 CalcuateSecs(int variation, const QDateTime& arrival, const QDateTime& liberation,
                    const QList<SunRow>& sunRows) {
    const int dayL = liberation.date().dayOfYear();
    const int dayA = arrival.date().dayOfYear();
    const double a = timeOfDay(arrival);
    const double l = timeOfDay(liberation);
    qint64 c = 0;

    if (dayL == dayA) {
        if (sunRows.isEmpty() || sunRows.first().sunSetNull) {
            c = spanMs(DayCount(liberation), DayCount(arrival));
        } else {
            const double ss = timeOfDay(sunRows.first().sunSet);
            c = a < ss ? spanMs(DayCount(liberation), DayCount(arrival)) : spanMs(l, ss);
        }
    } else {
        for (const SunRow& row : sunRows) {
            const int dayR =
                row.raceDate.isValid() ? row.raceDate.dayOfYear() : QDate(1899, 12, 30).dayOfYear();
            const double sr = timeOfDay(row.sunRise);
            const double ss = timeOfDay(row.sunSet);
            if (dayR == dayA) {
                if (a <= sr) {
                    // arrived before sunrise: nothing of this day counts
                } else if (a < ss) {
                    c += spanMs(sr, a);
                } else {
                    c += spanMs(row.sunRise, row.sunSet);
                }
            } else if (dayR == dayL) {
                c += spanMs(l, ss);
            } else if (dayR > dayL && dayR < dayA) {
                c += spanMs(row.sunRise, row.sunSet);
            }
            // A day before the liberation or after the arrival is not flown: a bird that is
            // home is not given a later day's daylight.
        }
    }

    if (c == 0) {
        return 0;
    }
    return c - 1000 * qint64(variation);
}

qint64 CalcuateSecs(TdmZOLF& db, const QString& raceCode, int variation, const QDateTime& arrival,
                    const QDateTime& liberation) {
    return CalcuateSecs(variation, arrival, liberation, RaceSunRows(db, raceCode));
}

double CalcFlySpeed(qint64 distance, qint64 ms) {
    if (distance < 1 || ms < 1) {
        return 0;
    }
    // Worked out in extended precision and rounded once to the 64-bit result, so that a speed
    // with an exact value (300020 yards in 5:20 h is 937.5625) keeps it.
    return double(static_cast<long double>(distance) / ms * 1000 * 60);
}

QString FlySpeedText(double speed) {
    // printf settles a value exactly halfway between two thousandths towards the even digit;
    // speeds are rounded as the club rounds, halves away from zero. speed x 1000 is exact in
    // extended precision, so the halfway test is exact too.
    const long double thousandths = static_cast<long double>(speed) * 1000;
    if (std::fabs(thousandths - std::trunc(thousandths)) == 0.5L) {
        speed = std::nextafter(speed, speed < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    return QString::asprintf("%8.3f", speed);
}

double StoredFlySpeed(double speed) {
    return FlySpeedText(speed).trimmed().toDouble();
}

QString MsToFlyTime(qint64 ms) {
    const qint64 z = ms % 1000;
    const qint64 t = ms / 1000;
    const qint64 h = t / 3600;
    const qint64 m = t / 60 - h * 60;
    const qint64 s = t - (h * 3600 + m * 60);
    return QString::asprintf("%.2lld:%.2lld:%.2lld.%.3lld", h, m, s, z);
}
