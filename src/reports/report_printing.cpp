#include "report_printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>

#include "data/errors.h"
#include "data/whole_file.h"

namespace {
struct HeadingText {
    Q_DECLARE_TR_FUNCTIONS(ClubReports)
};
}  // namespace

namespace {

// The club emblem at the top right of a heading: a pigeon ring seen from above.
void PaintPicture(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, rect.width() / 20);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = rect.adjusted(rect.width() * 0.05, rect.height() * 0.05,
                                       -rect.width() * 0.05, -rect.height() * 0.05);
    painter.drawEllipse(outer);
    const double inset = rect.width() * 0.18;
    painter.drawEllipse(outer.adjusted(inset, inset, -inset, -inset));
    // The ring's closing seam.
    const QPointF c = outer.center();
    painter.drawLine(QPointF(c.x(), outer.top()), QPointF(c.x(), outer.top() + inset));
    painter.restore();
}

void PaintPage(QPainter& painter, const ReportPage& page) {
    const QPen rule(Qt::black, 6.0);
    for (const LaidBand& band : page.bands) {
        for (const LaidText& t : band.texts) {
            QFont font = ReportFont(t.style);
            if (t.fontScale < 1.0) {
                font.setPixelSize(std::max(1, int(font.pixelSize() * t.fontScale)));
            }
            painter.setFont(font);
            painter.drawText(t.rect.adjusted(15, 0, -15, 0),
                             int(t.align | Qt::AlignVCenter | Qt::TextSingleLine), t.text);
        }
        painter.save();
        painter.setPen(rule);
        if (band.kind == BandKind::ColumnHeader) {
            painter.drawLine(band.rect.bottomLeft(), band.rect.bottomRight());
        } else if (band.kind == BandKind::Footer) {
            painter.drawLine(band.rect.topLeft(), band.rect.topRight());
        }
        painter.restore();
    }
    if (!page.picture.isEmpty()) {
        PaintPicture(painter, page.picture);
    }
}

}  // namespace

void PrepareReportPrinter(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

namespace {

// Paints every page on a device whose full page is `paper` (device pixels).
void PaintPages(const ReportLayout& layout, QPainter& painter, QPagedPaintDevice& device,
                const QRectF& paper) {
    // Layout units to device pixels; the page's top left corner is the origin.
    const double sx = paper.width() / layout.pageSize.width();
    const double sy = paper.height() / layout.pageSize.height();
    for (int i = 0; i < layout.pages.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        painter.resetTransform();
        painter.scale(sx, sy);
        PaintPage(painter, layout.pages[i]);
    }
    painter.end();
}

}  // namespace

void PaintReport(const ReportLayout& layout, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw UserError(
            HeadingText::tr("The report could not be printed: the printer did not "
                            "start."));
    }
    PaintPages(layout, painter, printer, printer.paperRect(QPrinter::DevicePixel));
}

QByteArray ReportPdfBytes(const ReportLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setTitle(layout.name);
        pdf.setCreator(QStringLiteral("Kestrava Club Management"));
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            throw UserError(HeadingText::tr("The PDF of the report could not be made."));
        }
        PaintPages(layout, painter, pdf, QRectF(0, 0, pdf.width(), pdf.height()));
    }
    return buffer.data();
}

void WriteReportPdf(const ReportLayout& layout, const QString& fileName) {
    // Made in memory first, so that only a whole PDF ever replaces a file.
    WriteWholeFile(fileName, ReportPdfBytes(layout));
}

QString ReportPdfFileName(const QString& reportName) {
    QString name = reportName.simplified();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("-"));
    if (name.isEmpty()) {
        name = QStringLiteral("Report");
    }
    return name + QStringLiteral(".pdf");
}
