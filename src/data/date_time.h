#pragma once

#include <QDateTime>
#include <QString>

// The one place where dates and times are turned into the texts stored in the database and
// shown on screen, and back. The program's short date is the stored date form, so text
// comparisons of dates order them.
//
// Which function writes which stored column (one writer per column, nothing else formats them):
//   DateText      "yyyy-MM-dd"               LiberDate (always bare, and matched in SQL as
//                                            substr(LiberDate,1,10) so that a row an older writer
//                                            left with a time still matches), CreateDate, RaceDate
//   TimeText      "HH:mm:ss"                 LiberTime, SunSet, SunRise
//   MomentMsText  "yyyy-MM-dd HH:mm:ss.zzz"  the program's own moments: Updatetime (UpdateTime
//                                            of ZOL_LoftData), LastSynchDate; and BackTime, a
//                                            clock's arrival. The milliseconds keep the order
//                                            of an edit and a synchronisation made within the
//                                            same second (see SynchedSince); screens show
//                                            these columns to the second (GeneralText).
//   GeneralText   "yyyy-MM-dd[ HH:mm:ss]"    the moments a clock reports or the user types,
//                                            to the second: MarkedTime, AssignDate,
//                                            DLMarkedTime, ULMasterTime, ULClockTime
// MomentText and TimeMsText give the plain forms for texts shown, sent or written to files.
//
// The day-count form counts days since 1899-12-30 with the time of day as the fraction; the
// flying-time rules compute with it.

QString DateText(const QDate& date);            // "yyyy-MM-dd" (short date)
QString TimeText(const QTime& time);            // "HH:mm:ss" (long time)
QString MomentText(const QDateTime& moment);    // "yyyy-MM-dd HH:mm:ss"
QString GeneralText(const QDateTime& moment);   // short date, then " HH:mm:ss" unless midnight
QString TimeMsText(const QTime& time);          // "HH:mm:ss.zzz"
QString MomentMsText(const QDateTime& moment);  // "yyyy-MM-dd HH:mm:ss.zzz"

// Parsing accepts the stored forms, with or without ".zzz"; a moment text also gives its date
// or time, a date text gives midnight. Anything else gives an invalid value: use these where
// an empty or unreadable text has a meaning of its own (a blank cell, an optional column).
QDate ParseDate(const QString& text);
QTime ParseTime(const QString& text);
QDateTime ParseMoment(const QString& text);
// MomentText(ParseMoment(text)), quickly for the stored forms: empty when unreadable.
QString MomentSecondText(const QString& text);

// The same parses for a text that must hold a value (a stored arrival, a liberation date):
// anything unreadable throws UserError with the standard conversion message naming the text
// ("'<text>' is not a valid date", "... time", "... date and time"), so an unreadable value
// never enters a computation as day 0.
QDate StrToDate(const QString& text);
QTime StrToTime(const QString& text);
QDateTime StrToDateTime(const QString& text);

// Whether a clock synchronised at `lastSynchDate` already holds a race last changed at
// `updatetime` (both stored moment texts): true when the synchronisation is not before the
// change, to the millisecond, so an edit made in the same second after a synchronisation is
// still sent. A clock never synchronised (empty text) holds nothing; a race with no
// Updatetime counts as changed. Throws UserError for a text that is not a moment.
bool SynchedSince(const QString& lastSynchDate, const QString& updatetime);

// "mmdd" of a date, as used in race codes.
QString MonthDayText(const QDate& date);

// Day counts of valid values only: an invalid value throws UserError (it is never day 0).
double DayCount(const QDateTime& moment);
double DayCount(const QDate& date);
double DayFraction(const QTime& time);
QDateTime FromDayCount(double days);
