#include "clock.h"

#include <QTimeZone>
#include <cmath>

#include "date_time.h"

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

QDateTime SystemClock::nowUtc() const {
    return QDateTime::currentDateTimeUtc();
}

int SystemClock::biasMinutes() const {
    return -QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
}

QDateTime FixedClock::nowUtc() const {
    // The fixed local time is read as standard time at the given bias.
    QDateTime utc(local_.date(), local_.time(), Qt::UTC);
    return utc.addSecs(qint64(bias_) * 60);
}

namespace {
constexpr double kUnixEpochDayCount = 25569.0;  // 1970-01-01 as a day count since 1899-12-30
}

qint64 LocalToUtcSecs(double localDayCount, int biasMinutes) {
    const double secs = (localDayCount - kUnixEpochDayCount) * 86400.0;
    return qint64(std::nearbyint(secs)) +
           qint64(biasMinutes) * 60;  // default rounding: halves to even
}

qint64 LocalToUtcSecs(const QDateTime& local, int biasMinutes) {
    return LocalToUtcSecs(DayCount(local), biasMinutes);
}

double UtcSecsToLocal(qint64 utcSecs, int biasMinutes) {
    return double(utcSecs - qint64(biasMinutes) * 60) / 86400.0 + kUnixEpochDayCount;
}
