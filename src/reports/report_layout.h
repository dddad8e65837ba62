#pragma once

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A banded report: a title band printed once at the start, a column header band at the top of
// every page, one detail band per row and, when the report has one, a page footer at the bottom
// of every page including the last. The layout (pages, bands and the text of every cell) is
// computed here, apart from painting, so that it can be checked without a printer.
//
// Positions and sizes are in layout units of 1/720 inch (a tenth of a point). Pages are A4
// portrait.

constexpr double kReportUnitsPerInch = 720.0;

// Values the report fills in itself while it is laid out.
enum class SystemField { PageNumber, Date, Time, RowNumber };

enum class TextStyle { Normal, Bold, Heading, Title };

// A label of the title band or the footer. Its text is set before the report is laid out; the
// system fields named in `fields` follow it, separated by blanks.
struct ReportText {
    QString text;
    double left = 0.0;   // where it starts, as a share of the printable width
    double width = 1.0;  // the share of the printable width it may fill
    Qt::Alignment align = Qt::AlignLeft;
    TextStyle style = TextStyle::Normal;
    QList<SystemField> fields;
};

// One line of a band: labels side by side, as high as the largest of their styles.
using ReportLine = QList<ReportText>;

struct ReportColumn {
    QString header;
    double weight = 1.0;  // share of the printable width, relative to the other columns
    Qt::Alignment align = Qt::AlignLeft;
    // A column that prints the running row number (1, 2, ...) instead of a cell of the row.
    bool rowNumber = false;
    // No column's texts are ever cut: a column is widened with the room other columns do not
    // need, and a text that still does not fit prints smaller. A whole column (ring numbers,
    // names) is widened before the others.
    bool whole = false;
};

struct ReportDefinition {
    QString name;                 // what the report is called (proposed PDF file name)
    QList<ReportLine> titleBand;  // printed once, at the start of the first page
    bool picture = false;         // a decoration at the top right of the title band
    QList<ReportColumn> columns;
    QList<QStringList> rows;   // the detail texts, one list per row, one text per column
    QList<ReportLine> footer;  // printed at the bottom of every page when not empty
};

enum class BandKind { Title, ColumnHeader, Detail, Footer };

struct LaidText {
    QRectF rect;
    QString text;  // as printed: never cut, printed smaller (fontScale) when it is too long
    Qt::Alignment align = Qt::AlignLeft;
    TextStyle style = TextStyle::Normal;
    double fontScale = 1.0;  // below 1 for a text printed smaller to fit its rectangle
};

struct LaidBand {
    BandKind kind = BandKind::Detail;
    QRectF rect;
    QList<LaidText> texts;
};

struct ReportPage {
    QList<LaidBand> bands;
    QRectF picture;  // empty when the page has no decoration

    // The texts of every band of `kind` on this page, band after band.
    QStringList texts(BandKind kind) const;
    // The detail bands' texts, one list per row.
    QList<QStringList> detailRows() const;
};

struct ReportLayout {
    QString name;
    QSizeF pageSize;  // in layout units
    QList<ReportPage> pages;
};

// Lays the report out on A4 portrait pages; `now` gives the date and time fields.
ReportLayout LayOutReport(const ReportDefinition& report, const QDateTime& now);

// The font every text of the given style is printed in (pixel sizes in layout units).
QFont ReportFont(TextStyle style);
