#include "distance_download_panel.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "distance_grid.h"
#include "distance_method.h"
#include "loft_distances.h"
#include "race_panel_parts.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"

DistanceDownloadPanel::DistanceDownloadPanel(AppContext& ctx, DistanceGridEdit& edit,
                                             QWidget* parent)
    : QWidget(parent), ctx_(ctx), edit_(edit) {
    setObjectName(QStringLiteral("pnlDistDownLoad"));
    auto* layout = new QVBoxLayout(this);
    lblLoftDistDL_ = RacePanelTitle(this, "lblLoftDistDL", QString());
    layout->addWidget(lblLoftDistDL_);
    dbgridDistDL_ = new DistanceGrid(ctx_, edit_, this);
    dbgridDistDL_->setObjectName(QStringLiteral("dbgridDistDL"));
    layout->addWidget(dbgridDistDL_, 1);
    auto* fileRow = new QHBoxLayout;
    auto* choose = RacePanelButton(this, "Button1", tr("File Selected :"));
    labFilePath_ = new QLabel(this);
    labFilePath_->setObjectName(QStringLiteral("labFilePath"));
    connect(choose, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { chooseFile(); }); });
    fileRow->addWidget(choose);
    fileRow->addWidget(labFilePath_, 1);
    layout->addLayout(fileRow);
    auto* buttons = new QHBoxLayout;
    butDistDL_ = RacePanelButton(this, "butDistDL", tr("DownLoad"));
    auto* print = RacePanelButton(this, "butDistDLPrt", tr("Print"));
    // The rows this panel's grid holds, which may be every liberation code's, under this
    // panel's own title.
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return LoftDistanceReport(ReadClubHeading(ctx_.db), lblLoftDistDL_->text(),
                                      DistancesLineOf(ctx_.db, liberCode_),
                                      ClubDistanceMode(ctx_.db), *dbgridDistDL_->gridModel());
        });
    });
    connect(butDistDL_, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { download(); }); });
    buttons->addWidget(butDistDL_);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void DistanceDownloadPanel::open(const std::optional<QString>& liberCode) {
    lblLoftDistDL_->setText(tr(" Race distance download "));
    butDistDL_->setEnabled(false);
    dbgridDistDL_->setDistanceTitles();
    liberCode_ = liberCode;
    if (liberCode) {
        dbgridDistDL_->load(ctx_.db, LoftDistanceSql(true), {*liberCode});
    } else {
        dbgridDistDL_->load(ctx_.db, LoftDistanceSql(false));
    }
}

void DistanceDownloadPanel::chooseFile() {
    const QString file = ctx_.prompts.openFileName(tr("Texe file (*.TXT *.txt)"));
    if (file.isEmpty()) {
        labFilePath_->clear();
        butDistDL_->setEnabled(false);
        return;
    }
    labFilePath_->setText(QFileInfo(file).absoluteFilePath());
    butDistDL_->setEnabled(true);
}

void DistanceDownloadPanel::download() {
    edit_.cancel();
    try {
        DownloadDistances(ctx_.db, ctx_.prompts, labFilePath_->text());
    } catch (...) {
        dbgridDistDL_->reload();  // the lines before the bad one are stored
        throw;
    }
    dbgridDistDL_->reload();
}
