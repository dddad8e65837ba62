#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "publish/race_page.h"

class Prompts;
class TdmZOLF;

// Publishing a race's result: a web page per race with its charts, the ranking as CSV, and an
// index page of the season's races, all written into the club's publish folder (a club
// setting, chosen once).

inline const QString kPublishFolderSetting = QStringLiteral("PublishFolder");

// What is published of one race, read from the result list.
struct RacePublication {
    RacePage page;              // without the charts
    QList<QStringList> csv;     // titles, then one row per listed bird
    QList<QDateTime> arrivals;  // of the listed birds
    QList<double> speeds;
    QString speedTitle;
};
RacePublication ReadRacePublication(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// The charts of the race as the result panel shows them (series of the listed birds).
struct RaceChartData {
    QList<QDateTime> arrivals;
    QList<double> speeds;
    QString speedTitle;
};
RaceChartData ReadRaceChartData(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// The file names of a race's page and CSV, without folder: "2026-05-26-1A.html" (characters
// other than letters, digits, "-" and "_" in the code become "_").
QString RaceFileBase(const QString& liberCode, const QDate& liberDate);

struct PublishedFiles {
    QString page;
    QString csv;
    QString index;
};
// Writes the race's page and CSV into `folder` and rewrites the index of the race's season
// there ("index-yyyy.html", the season's races with links to those published). Each file is
// written whole or not at all; a failure throws UserError naming the file, and leaves the
// previous file of that name as it was.
PublishedFiles PublishRace(TdmZOLF& db, const QString& folder, const QString& liberCode,
                           const QDate& liberDate);

// The race's history of changes as CSV (titles, then one row per change, oldest first).
QByteArray RaceHistoryCsv(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);
// Asks for a file and writes the history there. Returns false when cancelled.
bool ExportRaceHistory(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                       const QDate& liberDate);

// "Publish": asks for the publish folder the first time (remembered for the club), publishes
// and says where. Returns false when the folder choice was cancelled.
bool PublishRaceAction(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                       const QDate& liberDate);
