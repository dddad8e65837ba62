#include "clock.h"

#include <QTimeZone>

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

QDateTime SystemClock::nowUtc() const {
    return QDateTime::currentDateTimeUtc();
}

int SystemClock::standardOffsetMinutes() const {
    return QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
}

QDateTime FixedClock::nowUtc() const {
    // The fixed local time is read as standard time at the given offset.
    QDateTime utc(local_.date(), local_.time(), Qt::UTC);
    return utc.addSecs(-qint64(offset_) * 60);
}
