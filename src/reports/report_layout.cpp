#include "report_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <array>

#include "data/date_time.h"

namespace {

constexpr double kUnitsPerMm = kReportUnitsPerInch / 25.4;
const QSizeF kA4(210.0 * kUnitsPerMm, 297.0 * kUnitsPerMm);
constexpr double kMarginX = 12.0 * kUnitsPerMm;
constexpr double kMarginY = 10.0 * kUnitsPerMm;
constexpr double kCellPadding = 15.0;  // 1.5 pt on each side of a cell's text
constexpr double kPictureSize = 18.0 * kUnitsPerMm;
constexpr double kBandGap = 40.0;  // 4 pt below the title band and above a footer

// Font metrics are needed for every cell; one set per style serves the whole run, with the
// advance of every Latin-1 character for a quick upper bound of a text's width.
struct StyleMetrics {
    explicit StyleMetrics(TextStyle style) : metrics(ReportFont(style)) {
        for (int c = 0; c < 256; ++c) {
            latin1[c] = metrics.horizontalAdvance(QChar(c));
        }
    }
    QFontMetricsF metrics;
    std::array<double, 256> latin1{};
};

const StyleMetrics& MetricsOf(TextStyle style) {
    static QHash<int, StyleMetrics*> cache;
    StyleMetrics*& m = cache[static_cast<int>(style)];
    if (m == nullptr) {
        m = new StyleMetrics(style);
    }
    return *m;
}

const QFontMetricsF& Metrics(TextStyle style) {
    return MetricsOf(style).metrics;
}

// The most room a text can take: the sum of its characters' advances, with a margin for
// kerning and shaping (a text beyond Latin-1 is measured).
double WidthBound(const QString& text, const StyleMetrics& m) {
    double width = 0;
    for (const QChar c : text) {
        if (c.unicode() > 255) {
            return m.metrics.horizontalAdvance(text) * 1.05 + 10;
        }
        width += m.latin1[c.unicode()];
    }
    return width * 1.05 + 10;
}

// True when the text fits `room` for certain. A text that is not known to fit is measured.
bool SurelyFits(const QString& text, const StyleMetrics& m, double room) {
    return WidthBound(text, m) <= room;
}

double LineHeight(TextStyle style) {
    return Metrics(style).height() + 2 * kCellPadding;
}

double LineHeight(const ReportLine& line) {
    double h = LineHeight(TextStyle::Normal);
    for (const ReportText& t : line) {
        h = std::max(h, LineHeight(t.style));
    }
    return h;
}

// A text as printed: itself, in a smaller font when it does not fit `width` (never cut: a cut
// sex, colour or race name reads as another one).
double TextScale(const QString& text, TextStyle style, double width) {
    const StyleMetrics& m = MetricsOf(style);
    const double room = std::max(0.0, width - 2 * kCellPadding);
    if (SurelyFits(text, m, room)) {
        return 1.0;
    }
    const double needed = m.metrics.horizontalAdvance(text);
    return needed <= room || needed <= 0 ? 1.0 : room / needed;
}

// The columns' widths: shares of `width` by their weights, after which the columns whose
// heading or longest text needs more take what the others do not need (a column of short or
// empty values gives up its room). Whole columns (rings, names) are served first.
QList<double> ColumnWidths(const ReportDefinition& report, double width) {
    double totalWeight = 0;
    for (const ReportColumn& col : report.columns) {
        totalWeight += col.weight;
    }
    QList<double> widths;
    for (const ReportColumn& col : report.columns) {
        widths << (totalWeight > 0 ? width * col.weight / totalWeight : 0);
    }
    const StyleMetrics& normal = MetricsOf(TextStyle::Normal);
    const StyleMetrics& bold = MetricsOf(TextStyle::Bold);
    QList<double> needs;
    double spare = 0;
    QList<double> spares;
    for (int i = 0; i < report.columns.size(); ++i) {
        const ReportColumn& col = report.columns[i];
        double need = WidthBound(col.header, bold);
        if (col.rowNumber) {
            need = std::max(need, WidthBound(QString::number(report.rows.size()), normal));
        } else {
            for (const QStringList& row : report.rows) {
                need = std::max(need, WidthBound(row.value(i), normal));
            }
        }
        need += 2 * kCellPadding;
        needs << need;
        spares << std::max(0.0, widths[i] - need);
        spare += spares.last();
    }
    // Whole columns first, then the others, each group in proportion to what it lacks.
    double given = 0;
    for (const bool whole : {true, false}) {
        double deficit = 0;
        for (int i = 0; i < widths.size(); ++i) {
            if (report.columns[i].whole == whole) {
                deficit += std::max(0.0, needs[i] - widths[i]);
            }
        }
        const double moved = std::min(deficit, spare - given);
        if (moved <= 0) {
            continue;
        }
        for (int i = 0; i < widths.size(); ++i) {
            if (report.columns[i].whole == whole) {
                widths[i] += std::max(0.0, needs[i] - widths[i]) * moved / deficit;
            }
        }
        given += moved;
    }
    if (given > 0) {
        for (int i = 0; i < widths.size(); ++i) {
            widths[i] -= spares[i] * given / spare;
        }
    }
    return widths;
}

struct Context {
    const QDateTime& now;
    int page = 1;
};

QString FieldText(SystemField field, const Context& c, int row) {
    switch (field) {
        case SystemField::PageNumber:
            return QString::number(c.page);
        case SystemField::Date:
            return DateText(c.now.date());
        case SystemField::Time:
            return TimeText(c.now.time());
        case SystemField::RowNumber:
            return QString::number(row + 1);
    }
    return {};
}

LaidBand LayOutLines(BandKind kind, const QList<ReportLine>& lines, double top, double width,
                     const Context& c) {
    LaidBand band{kind, {}, {}};
    double y = top;
    for (const ReportLine& line : lines) {
        const double h = LineHeight(line);
        for (const ReportText& t : line) {
            QString text = t.text;
            for (SystemField f : t.fields) {
                if (!text.isEmpty() && !text.endsWith(QLatin1Char(' '))) {
                    text += QLatin1Char(' ');
                }
                text += FieldText(f, c, 0);
            }
            const QRectF rect(kMarginX + t.left * width, y, t.width * width, h);
            band.texts << LaidText{rect, text, t.align, t.style,
                                   TextScale(text, t.style, rect.width())};
        }
        y += h;
    }
    band.rect = QRectF(kMarginX, top, width, y - top);
    return band;
}

double LinesHeight(const QList<ReportLine>& lines) {
    double h = 0;
    for (const ReportLine& line : lines) {
        h += LineHeight(line);
    }
    return h;
}

}  // namespace

QFont ReportFont(TextStyle style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    switch (style) {
        case TextStyle::Normal:
            font.setPixelSize(90);
            break;
        case TextStyle::Bold:
            font.setPixelSize(90);
            font.setBold(true);
            break;
        case TextStyle::Heading:
            font.setPixelSize(110);
            font.setBold(true);
            break;
        case TextStyle::Title:
            font.setPixelSize(150);
            font.setBold(true);
            break;
    }
    return font;
}

QStringList ReportPage::texts(BandKind kind) const {
    QStringList out;
    for (const LaidBand& band : bands) {
        if (band.kind == kind) {
            for (const LaidText& t : band.texts) {
                out << t.text;
            }
        }
    }
    return out;
}

QList<QStringList> ReportPage::detailRows() const {
    QList<QStringList> out;
    for (const LaidBand& band : bands) {
        if (band.kind == BandKind::Detail) {
            QStringList row;
            for (const LaidText& t : band.texts) {
                row << t.text;
            }
            out << row;
        }
    }
    return out;
}

ReportLayout LayOutReport(const ReportDefinition& report, const QDateTime& now) {
    ReportLayout layout{report.name, kA4, {}};
    const double width = kA4.width() - 2 * kMarginX;
    const double bottom = kA4.height() - kMarginY;

    // Column edges.
    const QList<double> widths = ColumnWidths(report, width);
    QList<double> lefts;
    double x = kMarginX;
    for (const double w : widths) {
        lefts << x;
        x += w;
    }

    const double headerHeight = LineHeight(TextStyle::Bold);
    const double rowHeight = LineHeight(TextStyle::Normal);
    const double footerHeight = LinesHeight(report.footer);
    const double detailBottom = report.footer.isEmpty() ? bottom : bottom - footerHeight - kBandGap;

    Context c{now, 1};
    ReportPage page;
    double y = kMarginY;

    const auto startPage = [&] {
        LaidBand header{BandKind::ColumnHeader, QRectF(kMarginX, y, width, headerHeight), {}};
        for (int i = 0; i < report.columns.size(); ++i) {
            const QRectF rect(lefts[i], y, widths[i], headerHeight);
            const QString& heading = report.columns[i].header;
            header.texts << LaidText{rect, heading, report.columns[i].align, TextStyle::Bold,
                                     TextScale(heading, TextStyle::Bold, widths[i])};
        }
        page.bands << header;
        y += headerHeight;
    };
    const auto finishPage = [&] {
        if (!report.footer.isEmpty()) {
            page.bands << LayOutLines(BandKind::Footer, report.footer, bottom - footerHeight, width,
                                      c);
        }
        layout.pages << page;
        page = ReportPage{};
        ++c.page;
        y = kMarginY;
    };

    if (!report.titleBand.isEmpty() || report.picture) {
        LaidBand title = LayOutLines(BandKind::Title, report.titleBand, y, width, c);
        if (report.picture) {
            page.picture = QRectF(kMarginX + width - kPictureSize, y, kPictureSize, kPictureSize);
            title.rect.setHeight(std::max(title.rect.height(), kPictureSize));
        }
        page.bands << title;
        y += title.rect.height() + kBandGap;
    }
    startPage();

    for (int r = 0; r < report.rows.size(); ++r) {
        // A page always takes at least one row, however tall its bands are.
        const bool pageHasRows = page.bands.last().kind == BandKind::Detail;
        if (y + rowHeight > detailBottom && pageHasRows) {
            finishPage();
            startPage();
        }
        const QStringList& cells = report.rows[r];
        LaidBand detail{BandKind::Detail, QRectF(kMarginX, y, width, rowHeight), {}};
        for (int i = 0; i < report.columns.size(); ++i) {
            const ReportColumn& col = report.columns[i];
            const QString text =
                col.rowNumber ? FieldText(SystemField::RowNumber, c, r) : cells.value(i);
            const QRectF rect(lefts[i], y, widths[i], rowHeight);
            detail.texts << LaidText{rect, text, col.align, TextStyle::Normal,
                                     TextScale(text, TextStyle::Normal, widths[i])};
        }
        page.bands << detail;
        y += rowHeight;
    }
    finishPage();
    return layout;
}
