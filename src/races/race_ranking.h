#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "reports/report_layout.h"

class TdmZOLF;

// The race ranking that the clock operation screen's result tab prints: every arrived pigeon
// of a race code, fastest first, with its margin to the winner.

// One arrived pigeon. Equal speeds share a place and come in the order of their arrival texts.
struct RankingRow {
    int rank = 0;
    QString loftNo;
    QString loftName;  // of the loft, when the member list holds it
    bool loftKnown = false;
    QString ringNo;
    QString sex;
    QVariant colorType;
    QVariant backTime;  // "yyyy-mm-dd hh:nn:ss.zzz"
    QString flyTime;    // "hh:nn:ss.zzz"
    QVariant flySpeed;
    QVariant timeVari;
    QString distance;  // miles "/" yards of the loft's distance row; "0" when it has none
};
// The race is its liberation code and date ("yyyy-MM-dd").
QList<RankingRow> ReadRaceRanking(TdmZOLF& db, const QString& liberCode, const QString& liberDate);

// A flying time minus the winner's in whole seconds (milliseconds ignored), as "01:02:05"; a
// "-" before a pigeon that flew a shorter time; empty when either time is empty. Throws
// UserError with the conversion message for an unreadable flying time.
QString RankingMargin(const QString& flyTime, const QString& winnerFlyTime);
// The second row's flying time minus the first's, as "0:1:5"; "0:0:0" with one row; empty
// with none.
QString WinningMargin(const QList<RankingRow>& rows);

// The printed ranking of the race chosen on the result tab (its liberation code and date, and
// the text of the race list's chosen item), read from the database now.
ReportDefinition RaceRankingReportOf(TdmZOLF& db, const QString& liberCode,
                                     const QString& liberDate, const QString& raceText);
