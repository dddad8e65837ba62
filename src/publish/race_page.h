#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The published web page of one race and the index page of a season: self-contained HTML
// (styles inline, charts as inline SVG, no script), a table that scrolls sideways on a phone,
// and clean printing. Every text from the club's data is escaped, so a name with "<", "&" or
// quotes shows as typed.

struct RacePage {
    QString clubName;
    QString site;       // liberation site
    QString liberCode;  // liberation code
    QDate liberDate;
    QString liberationTime;   // "HH:mm:ss"
    QString state;            // "Provisional" or "Final (locked ...)", as the club reads it
    bool final = false;       // whether the result is locked
    QString summary;          // the result's summary line
    QStringList titles;       // the ranking's column titles
    QList<int> rightAligned;  // columns of numbers
    QList<QStringList> rows;  // the ranking's cells, fastest first
    QString legend;           // a line under the table (the deviation mark), empty for none
    QByteArray arrivalSvg;    // the charts, as ChartSvg gives them
    QByteArray speedSvg;
    QString indexHref;  // the season's index page, relative
    QString csvHref;    // the ranking as CSV, relative
};
QByteArray RacePageHtml(const RacePage& page);

struct IndexRace {
    QDate liberDate;
    QString liberCode;
    QString site;
    QString state;
    QString href;  // the race's page, relative; empty when not published
};
QByteArray SeasonIndexHtml(const QString& clubName, int season, const QList<IndexRace>& races);

// The result state a published race page shows ("Provisional", "Final (locked ...)"), read
// from the page as RacePageHtml wrote it; empty when the page shows none.
QString PageStateText(const QByteArray& html);
// The ranking as the race page shows it: a table that scrolls sideways on a phone, every cell
// escaped. `rowAttributes` (already safe HTML attribute text, empty for none) go on the rows'
// <tr> elements, by row.
QByteArray RankingTableHtml(const QStringList& titles, const QList<int>& rightAligned,
                            const QList<QStringList>& rows,
                            const QList<QByteArray>& rowAttributes = {});
// The style sheet of the published pages, for other pages that must look the same.
const char* PublishedPageStyle();

// The pages' own texts (headings, links) are in the interface language, as is their lang
// attribute.

// Text made safe inside HTML elements and attributes.
QString HtmlText(const QString& text);
