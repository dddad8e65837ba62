#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "reports/report_layout.h"

class TdmZOLF;

// The combined result of one release: every club's birds liberated from one site on one day,
// ranked together by speed with the club beside each loft. The birds are the federation's
// imported entries of that site and day, and the races of the database's own club from that
// site that day. Each bird's speed is the one stored with it, over its stored distance; a
// clocked bird without a distance is never ranked at speed 0: its loft is listed apart.

struct Release {
    QString siteCode;
    QString site;  // the site's name; the code when the site is not known
    QDate liberDate;
    QString text() const;  // "Site (CODE) yyyy-MM-dd"
};

// The releases the database holds results of, newest first.
QList<Release> FederationReleases(TdmZOLF& db);

// How many clubs the database holds results of (its own club included when it has races).
int FederationClubCount(TdmZOLF& db);

struct CombinedRow {
    int place = 0;  // 1 + the number of faster birds: equal speeds share a place (1, 2, 2, 4)
    QString clubId;
    QString loftNo;
    QString loftName;
    QString ring;
    QString sex;
    QString colorType;
    QString backTime;
    QString flyTime;
    double flySpeed = 0;
    qint64 dist = 0;
};

struct MissingDistance {
    QString clubId;
    QString loftNo;
    QString loftName;
    int clocked = 0;  // the loft's clocked birds left out of the ranking
};

struct ClubSummary {
    QString clubId;
    QString clubName;
    int lofts = 0;
    int birds = 0;  // sent
    int clocked = 0;
    int ranked = 0;
    int prizes = 0;  // one per `share` birds sent, rounded up, at most the ranked birds
    double bestSpeed = 0;
};

struct CombinedResult {
    Release release;
    QList<CombinedRow> rows;  // fastest first; equal speeds by ring, then club
    QList<MissingDistance> missing;
    QList<ClubSummary> clubs;  // by club code
    ClubSummary overall;
};

// The ranking statement: every bird of the release with ClubID, LoftNo, LoftName, PRingNo, Sex,
// ColorType, BackTime, FlyTime, FlySpeed, Dist and Place; the ranked birds first, fastest first,
// the others after them without a Place. Parameters: site, day, the own club's code, site, day.
QString CombinedRankingSql();

// One prize per `share` birds sent (the club setting FederationPrizeShare, 4 when not set).
CombinedResult CombinedRanking(TdmZOLF& db, const QString& siteCode, const QDate& liberDate);

// A club's prize list: its prize winners in combined order, with the club's own place first.
struct PrizeRow {
    int clubPlace = 0;
    CombinedRow row;
};
QList<PrizeRow> ClubPrizeList(const CombinedResult& result, const QString& clubId);

// One summary as a line: "CLUB  12 lofts  150 birds  87 clocked  85 ranked  38 prizes".
QString SummaryText(const ClubSummary& summary);

// The printed combined result (ranking, lofts without a distance, summaries), in `mode`'s unit.
ReportDefinition CombinedResultReport(const CombinedResult& result, const QString& federation,
                                      int mode);
// A club's printed prize list.
ReportDefinition ClubPrizeReport(const CombinedResult& result, const QString& clubId, int mode);

// The published page of the combined result (self-contained HTML) and its name
// "yyyy-MM-dd-federation-SITE.html".
QByteArray CombinedResultHtml(const CombinedResult& result, const QString& federation, int mode);
QString CombinedResultPageName(const Release& release);

class Prompts;
// "Publish": writes the combined result's page into the club's publish folder (asked for the
// first time, and kept with the club's data), whole or not at all, and says where. Returns the
// page written, or an empty text when the folder choice was cancelled.
QString PublishCombinedResult(TdmZOLF& db, Prompts& prompts, const CombinedResult& result,
                              const QString& federation, int mode);
