#include "date_time.h"

#include <cmath>

#include "errors.h"

namespace {
const QDate kDayZero(1899, 12, 30);
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");
const QString kMomentFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kTimeMsFormat = QStringLiteral("HH:mm:ss.zzz");
const QString kMomentMsFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
constexpr double kMsPerDay = 86400000.0;
}  // namespace

QString DateText(const QDate& date) {
    return date.isValid() ? date.toString(kDateFormat) : QString();
}

QString TimeText(const QTime& time) {
    return time.isValid() ? time.toString(kTimeFormat) : QString();
}

QString MomentText(const QDateTime& moment) {
    return moment.isValid() ? moment.toString(kMomentFormat) : QString();
}

QString GeneralText(const QDateTime& moment) {
    if (!moment.isValid()) {
        return {};
    }
    if (moment.time() == QTime(0, 0)) {
        return DateText(moment.date());
    }
    return DateText(moment.date()) + QLatin1Char(' ') + TimeText(moment.time());
}

QString TimeMsText(const QTime& time) {
    return time.isValid() ? time.toString(kTimeMsFormat) : QString();
}

QString MomentMsText(const QDateTime& moment) {
    return moment.isValid() ? moment.toString(kMomentMsFormat) : QString();
}

QDate ParseDate(const QString& text) {
    const QString t = text.trimmed();
    return QDate::fromString(t.left(10), kDateFormat);
}

QTime ParseTime(const QString& text) {
    QString t = text.trimmed();
    if (t.size() > 10 && t.at(10) == QLatin1Char(' ')) {
        t = t.mid(11);
    }
    QTime time = QTime::fromString(t, kTimeFormat);
    if (!time.isValid()) {
        time = QTime::fromString(t, kTimeMsFormat);
    }
    if (!time.isValid()) {
        time = QTime::fromString(t, QStringLiteral("HH:mm"));
    }
    if (!time.isValid()) {
        time = QTime::fromString(t, QStringLiteral("H:mm:ss"));
    }
    if (!time.isValid()) {
        time = QTime::fromString(t, QStringLiteral("H:mm"));
    }
    return time;
}

QDateTime ParseMoment(const QString& text) {
    const QString t = text.trimmed();
    if (t.size() == 10) {
        const QDate d = ParseDate(t);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    QDateTime m = QDateTime::fromString(t, kMomentFormat);
    if (!m.isValid()) {
        m = QDateTime::fromString(t, kMomentMsFormat);
    }
    if (!m.isValid()) {
        m = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    return m;
}

QDate StrToDate(const QString& text) {
    const QDate date = ParseMoment(text).date();  // a bare date, or the date of a stored moment
    if (!date.isValid()) {
        throw UserError(QStringLiteral("'%1' is not a valid date").arg(text));
    }
    return date;
}

QTime StrToTime(const QString& text) {
    const QTime time = ParseTime(text);
    if (!time.isValid()) {
        throw UserError(QStringLiteral("'%1' is not a valid time").arg(text));
    }
    return time;
}

QDateTime StrToDateTime(const QString& text) {
    const QDateTime moment = ParseMoment(text);
    if (!moment.isValid()) {
        throw UserError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    }
    return moment;
}

bool SynchedSince(const QString& lastSynchDate, const QString& updatetime) {
    if (lastSynchDate.trimmed().isEmpty()) {
        return false;
    }
    const QDateTime synched = StrToDateTime(lastSynchDate);
    return !updatetime.trimmed().isEmpty() && synched >= StrToDateTime(updatetime);
}

QString MonthDayText(const QDate& date) {
    return date.toString(QStringLiteral("MMdd"));
}

double DayFraction(const QTime& time) {
    return time.msecsSinceStartOfDay() / kMsPerDay;
}

double DayCount(const QDate& date) {
    if (!date.isValid()) {
        throw UserError(QStringLiteral("'' is not a valid date"));
    }
    return double(kDayZero.daysTo(date));
}

double DayCount(const QDateTime& moment) {
    if (!moment.isValid()) {
        throw UserError(QStringLiteral("'' is not a valid date and time"));
    }
    return DayCount(moment.date()) + DayFraction(moment.time());
}

QDateTime FromDayCount(double days) {
    const double whole = std::floor(days);
    qint64 ms = std::llround((days - whole) * kMsPerDay);
    QDate date = kDayZero.addDays(qint64(whole));
    if (ms >= qint64(kMsPerDay)) {
        date = date.addDays(1);
        ms -= qint64(kMsPerDay);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}
