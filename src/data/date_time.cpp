#include "date_time.h"

#include <QCoreApplication>
#include <cmath>

#include "errors.h"

namespace {
struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};
}  // namespace

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

namespace {

// The digits at [from, from + count) of `t` as a number, or -1 when any is not a digit.
int digitsAt(const QString& t, int from, int count) {
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The stored forms read directly: "yyyy-MM-dd", with " HH:mm:ss" and ".zzz". Results, the
// recalculation and the exchange files read tens of thousands of them, and the general
// parser costs far more than these few digits. Returns false for any other shape (the
// general parser then decides); a shape that fits but names no real date or time gives an
// invalid value, as the general parser would.
bool readStoredForm(const QString& t, QDate& date, QTime& time) {
    const int n = int(t.size());
    if (n != 10 && n != 19 && n != 23) {
        return false;
    }
    if (t.at(4) != u'-' || t.at(7) != u'-') {
        return false;
    }
    const int y = digitsAt(t, 0, 4);
    const int mo = digitsAt(t, 5, 2);
    const int d = digitsAt(t, 8, 2);
    if (y < 0 || mo < 0 || d < 0) {
        return false;
    }
    date = QDate(y, mo, d);
    time = QTime(0, 0);
    if (n == 10) {
        return true;
    }
    if (t.at(10) != u' ' || t.at(13) != u':' || t.at(16) != u':' || (n == 23 && t.at(19) != u'.')) {
        return false;
    }
    const int h = digitsAt(t, 11, 2);
    const int mi = digitsAt(t, 14, 2);
    const int sec = digitsAt(t, 17, 2);
    const int ms = n == 23 ? digitsAt(t, 20, 3) : 0;
    if (h < 0 || mi < 0 || sec < 0 || ms < 0) {
        return false;
    }
    time = QTime(h, mi, sec, ms);
    return true;
}

// A stored local moment. Clocks and stored texts run on standard time, so a moment can fall in
// the hour that daylight saving skips, where Qt has no local time: it is then kept with the
// same date and time of day (a UTC-based value), so it still reads and computes as written
// instead of being lost as unreadable.
QDateTime localMoment(const QDate& date, const QTime& time) {
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    QDateTime moment(date, time);
    return moment.isValid() ? moment : QDateTime(date, time, Qt::UTC);
}

}  // namespace

QDate ParseDate(const QString& text) {
    const QString t = text.trimmed();
    QDate date;
    QTime time;
    if (readStoredForm(t.left(10), date, time)) {
        return date;
    }
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
    QDate date;
    QTime time;
    if (readStoredForm(t, date, time)) {
        return localMoment(date, time);
    }
    if (t.size() == 10) {
        const QDate d = ParseDate(t);
        return localMoment(d, QTime(0, 0));
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

QString MomentSecondText(const QString& text) {
    const QString t = text.trimmed();
    QDate date;
    QTime time;
    if (readStoredForm(t, date, time)) {
        // A stored moment keeps its date and time of day as written (localMoment), so its text
        // needs no time-zone lookup, which costs far more than the digits.
        return date.isValid() && time.isValid() ? MomentText(QDateTime(date, time, Qt::UTC))
                                                : QString();
    }
    return MomentText(ParseMoment(t));
}

QDate StrToDate(const QString& text) {
    // A bare date, or the date of a stored moment (as written: see localMoment).
    QDate date;
    QTime time;
    if (!readStoredForm(text.trimmed(), date, time) || !date.isValid() || !time.isValid()) {
        date = ParseMoment(text).date();
    }
    if (!date.isValid()) {
        throw UserError(DataText::tr("'%1' is not a valid date").arg(text));
    }
    return date;
}

QTime StrToTime(const QString& text) {
    const QTime time = ParseTime(text);
    if (!time.isValid()) {
        throw UserError(DataText::tr("'%1' is not a valid time").arg(text));
    }
    return time;
}

QDateTime StrToDateTime(const QString& text) {
    const QDateTime moment = ParseMoment(text);
    if (!moment.isValid()) {
        throw UserError(DataText::tr("'%1' is not a valid date and time").arg(text));
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
        throw UserError(DataText::tr("'' is not a valid date"));
    }
    return double(kDayZero.daysTo(date));
}

double DayCount(const QDateTime& moment) {
    if (!moment.isValid()) {
        throw UserError(DataText::tr("'' is not a valid date and time"));
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
    return localMoment(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}
