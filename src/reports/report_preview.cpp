#include "report_preview.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include "data/app_context.h"
#include "data/prompts.h"
#include "report_printing.h"

namespace {
struct HeadingText {
    Q_DECLARE_TR_FUNCTIONS(ClubReports)
};
}  // namespace

void PreviewReport(const ReportLayout& layout, Prompts& prompts, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(layout.name);
    PrepareReportPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPreview"));
    dialog.setWindowTitle(layout.name);
    // Tall enough to read a whole page.
    if (const QScreen* screen = dialog.screen()) {
        const QRect area = screen->availableGeometry();
        dialog.resize(std::min(area.width() * 9 / 10, 1000), area.height() * 9 / 10);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        guarded(prompts, [&] { PaintReport(layout, *target); });
    });
    auto* savePdf = new QAction(QObject::tr("Save as PDF"), &dialog);
    savePdf->setObjectName(QStringLiteral("actSaveAsPdf"));
    QObject::connect(savePdf, &QAction::triggered, &dialog, [&] {
        QString file = prompts.saveFileName(HeadingText::tr("PDF File (*.pdf)"),
                                            ReportPdfFileName(layout.name));
        if (!file.isEmpty()) {
            if (QFileInfo(file).suffix().isEmpty()) {
                file += QStringLiteral(".pdf");
            }
            guarded(prompts, [&] { WriteReportPdf(layout, file); });
        }
    });
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        toolBar->addAction(savePdf);
    }
    dialog.exec();
}

void PrintReport(AppContext& ctx, QWidget* parent,
                 const std::function<ReportDefinition()>& buildReport) {
    ReportLayout layout;
    if (guarded(ctx.prompts, [&] { layout = LayOutReport(buildReport(), ctx.clock.now()); })) {
        PreviewReport(layout, ctx.prompts, parent);
    }
}
