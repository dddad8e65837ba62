#pragma once

#include <QDateTime>
#include <QString>

// The one place where dates and times are turned into the texts stored in the database and
// shown on screen, and back. Stored forms: dates "yyyy-MM-dd", times of day "HH:mm:ss",
// moments "yyyy-MM-dd HH:mm:ss". The program's short date is the stored date form, so text
// comparisons of dates order them.
//
// The day-count form counts days since 1899-12-30 with the time of day as the fraction; the
// flying-time rules compute with it.

QString DateText(const QDate& date);           // "yyyy-MM-dd" (short date)
QString TimeText(const QTime& time);           // "HH:mm:ss" (long time)
QString MomentText(const QDateTime& moment);   // "yyyy-MM-dd HH:mm:ss"
QString GeneralText(const QDateTime& moment);  // short date, then " HH:mm:ss" unless midnight

// Parsing accepts the stored forms; a moment text also gives its date or time, a date text
// gives midnight. Anything else gives an invalid value.
QDate ParseDate(const QString& text);
QTime ParseTime(const QString& text);
QDateTime ParseMoment(const QString& text);

// "mmdd" of a date, as used in race codes.
QString MonthDayText(const QDate& date);

double DayCount(const QDateTime& moment);
double DayCount(const QDate& date);
double DayFraction(const QTime& time);
QDateTime FromDayCount(double days);
