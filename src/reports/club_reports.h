#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include "report_layout.h"

class QAbstractItemModel;
class TdmZOLF;

// The program's printed lists. Each builder takes the rows of the list on the screen that
// prints it, in that list's order, plus the heading values, and returns the report to lay out.

// The club's name and address from the club record, printed at the top left of five lists.
struct ClubHeading {
    QString name;
    QString street;
    QString city;
    QString postCode;
};
ClubHeading ReadClubHeading(TdmZOLF& db);

// A field of a screen's list: printed as the list shows it, or as stored.
struct ListField {
    QString field;
    bool asShown = true;
};
// The texts of every row of `list`, one per field. A screen's query grid finds its columns by field
// name; any other model by its column titles.
QList<QStringList> ListRows(const QAbstractItemModel& list, const QList<ListField>& fields);

// Member screen: the member list (LoftName, LoftNo, clockCnt) and a member's ring list.
ReportDefinition MemberListReport(const ClubHeading& club, const QAbstractItemModel& members);
ReportDefinition RingListReport(const ClubHeading& club, const QString& loftName,
                                const QString& loftNo, const QAbstractItemModel& rings);

// Races screen: the race list, the loft distances under the distance panel's title (units
// labelled by the club's mode: 0 metric, otherwise imperial; a first column "Code" with the
// liberation code when the list holds more than one) with the line that says how the
// distances were computed, and the race statistics under the status panel's title with the
// race's date and liberation time.
ReportDefinition RaceListReport(const ClubHeading& club, const QAbstractItemModel& races);
ReportDefinition LoftDistanceReport(const ClubHeading& club, const QString& title,
                                    const QString& distancesLine, int mode,
                                    const QAbstractItemModel& distances);
ReportDefinition RaceStatisticsReport(const ClubHeading& club, const QString& statusTitle,
                                      const QDate& liberDate, const QTime& liberTime,
                                      const QAbstractItemModel& statistics);

// The race result's four heading lines.
struct RaceResultHeading {
    QString member;     // the name of the member of the result list's selected row
    QString site;       // "LiberSite : " and the liberation site
    QString race;       // "RaceCode : ", code, date, liberation time
    QString summary;    // the result panel's summary text
    QString distances;  // how the race's distances were computed
    // "Provisional" or "Final (locked ...)" under the summary; no line when empty.
    QString resultState = QString();
};
// Looks the member and the site up; a line whose lookup finds nothing stays empty.
RaceResultHeading ReadRaceResultHeading(TdmZOLF& db, const QString& selectedLoftNo,
                                        const QString& liberCode, const QDate& liberDate,
                                        const QTime& liberTime, const QString& summary);
ReportDefinition RaceResultReport(const RaceResultHeading& heading, int mode,
                                  const QAbstractItemModel& results);

// The heading of the two lists of the clock operation screen.
struct RaceDayHeading {
    QString clubName;
    QString liberSite;  // of the chosen race's liberation code; empty when there is none
    QString raceText;   // the text of the race list's chosen item
    // "Provisional" or "Final (locked ...)" under the heading; no line when empty.
    QString resultState = QString();
};
RaceDayHeading ReadRaceDayHeading(TdmZOLF& db, const QString& liberCode, const QString& raceText);

// The race ranking: its rows as printed (Pos, Name, speed, ring, colour, sex, clock and day,
// variation, distance, margin) and the footer's net flying time and winning margin.
ReportDefinition RaceRankingReport(const RaceDayHeading& heading, int mode,
                                   const QList<QStringList>& rows, const QString& netFlyingTime,
                                   const QString& winningMargin);
// The marking grid's rows (LoftNo as shown, PRingNo, Sex, MarkedTime), taken when called.
ReportDefinition MarkedPigeonsReport(const RaceDayHeading& heading,
                                     const QAbstractItemModel& marking);
