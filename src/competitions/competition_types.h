#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class TdmZOLF;

// Shared pieces of the competitions: a race's key, its stored ranking as plain values, and money
// and percentages as whole numbers (cents and hundredths of a percent), never floating point.

using Cents = qint64;

struct RaceId {
    QString liberCode;
    QDate liberDate;
    bool operator==(const RaceId&) const = default;
};

// One bird entered in a race, as the competitions read it. `speedMilli` is the stored speed in
// thousandths (the speeds are kept with three decimals, so equal stored speeds compare equal);
// 0 for a bird that was not clocked or has no speed.
struct RaceBird {
    QString loftNo;
    QString ringNo;
    qint64 speedMilli = 0;
};

// "12.50" -> 1250. Accepts an optional sign-less amount with up to two decimals ("3", "3.5",
// "3.05", "3,05"); throws UserError naming the text otherwise.
Cents ParseCents(const QString& text);
// 1250 -> "12.50"; negative amounts with a "-".
QString CentsText(Cents cents);

// "12.5" -> 1250 hundredths of a percent; 0 to 100 %. Throws UserError naming the text.
int ParsePercent(const QString& text);
// 1250 -> "12.5", 5000 -> "50", 333 -> "3.33".
QString PercentText(int hundredths);
// "50/30/20" -> {5000, 3000, 2000}. Throws UserError on an unreadable share.
QList<int> ParseSplit(const QString& text);
QString SplitText(const QList<int>& shares);

// The number of prizes among `birds` birds at one prize per `birdsPerPrize` birds: whole prizes
// only, the part of a prize left over is no prize (62 birds at one per 4: 15 prizes), and one
// prize as soon as there is a bird. The one rule of the pools, the championships' common rule and
// the federation's prize list.
int PrizeCount(int birds, int birdsPerPrize);

// A stored speed in thousandths, rounded to the nearest (0 for a null or negative speed).
qint64 SpeedMilli(double speed);
// 1234567 -> "1234.567".
QString MilliText(qint64 milli);

// The birds entered in the race with their stored speeds (a speed counts only with an arrival
// time). Read from the race entries; when the entries have been purged (they are removed 59
// days after the race), from the copy the club database keeps of every purged race.
QList<RaceBird> ReadRaceBirds(TdmZOLF& db, const RaceId& race);

// Copies the entries of every race liberated on or before `lastDay` into the kept season results
// (replacing an older copy of the same race), so that the season's championships and a race's
// pool sheet still read them after the entries are purged. Call before the purge deletes them.
void KeepSeasonResults(TdmZOLF& db, const QDate& lastDay);

// The race's liberation moment (its date and liberation time). Throws UserError when the race is
// not in the race list.
QDateTime RaceLiberation(TdmZOLF& db, const RaceId& race);

// A readable name of the race: "1A 2026-05-26 Dover".
QString RaceTitle(TdmZOLF& db, const RaceId& race);

// Creates the table(s) of the season's stored rankings when missing. They are otherwise made when
// first written; a shared server's owner makes them all beforehand, since the clubs' logins cannot.
void CreateSeasonResultTable(TdmZOLF& db);
