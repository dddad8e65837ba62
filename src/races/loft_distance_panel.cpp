#include "loft_distance_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "distance_grid.h"
#include "loft_distances.h"
#include "race_panel_parts.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"

LoftDistancePanel::LoftDistancePanel(AppContext& ctx, DistanceGridEdit& edit, QWidget* parent)
    : QWidget(parent), ctx_(ctx), edit_(edit) {
    setObjectName(QStringLiteral("pnlLoftLibPointDist"));
    auto* layout = new QVBoxLayout(this);
    lblLoftPointDistTitle_ = RacePanelTitle(this, "lblLoftPointDistTitle", QString());
    layout->addWidget(lblLoftPointDistTitle_);
    dbgrdLoftLibDist_ = new DistanceGrid(ctx_, edit_, this);
    dbgrdLoftLibDist_->setObjectName(QStringLiteral("dbgrdLoftLibDist"));
    layout->addWidget(dbgrdLoftLibDist_, 1);
    auto* buttons = new QHBoxLayout;
    auto* update = RacePanelButton(this, "btnLoftDistUpdate", tr("LoftDistUpdate"));
    auto* ok = RacePanelButton(this, "btnLoftLibDist", tr("OK"));
    auto* print = RacePanelButton(this, "butPrtLoftRaceDist", tr("Print"));
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return LoftDistanceReport(ReadClubHeading(ctx_.db), lblLoftPointDistTitle_->text(),
                                      ClubDistanceMode(ctx_.db), *dbgrdLoftLibDist_->gridModel());
        });
    });
    connect(update, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { loftDistUpdate(); }); });
    connect(ok, &QPushButton::clicked, this, [this] {
        guarded(ctx_.prompts, [this] { dbgrdLoftLibDist_->postEdit(); });
        emit closed();
    });
    buttons->addWidget(update);
    buttons->addWidget(ok);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void LoftDistancePanel::open(const QSqlRecord& race) {
    race_ = race;
    edit_.cancel();
    lblLoftPointDistTitle_->setText(tr("Member loft distance to ") + RecordText(race, "LiberSite"));
    dbgrdLoftLibDist_->setDistanceTitles();
    dbgrdLoftLibDist_->load(ctx_.db, LoftDistanceSql(true), {RecordText(race, "LiberCode")});
    dbgrdLoftLibDist_->hideColumn(0);
}

void LoftDistancePanel::loftDistUpdate() {
    edit_.cancel();
    if (race_.isEmpty()) {
        return;
    }
    LoftDistUpdate(ctx_.db, ctx_.prompts, RecordText(race_, "ClubID"),
                   RecordText(race_, "LiberCode"), RecordText(race_, "LiberDate"));
    dbgrdLoftLibDist_->reload();
}
