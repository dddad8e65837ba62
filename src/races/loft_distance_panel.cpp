#include "loft_distance_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "data/display.h"
#include "distance_grid.h"
#include "distance_method.h"
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
    auto* methodRow = new QHBoxLayout;
    lblDistanceMethod_ = new QLabel(this);
    lblDistanceMethod_->setObjectName(QStringLiteral("lblDistanceMethod"));
    methodRow->addWidget(lblDistanceMethod_, 1);
    chkCompareMethods_ = new QCheckBox(tr("Compare both methods"), this);
    chkCompareMethods_->setObjectName(QStringLiteral("chkCompareMethods"));
    methodRow->addWidget(chkCompareMethods_);
    layout->addLayout(methodRow);
    dbgrdLoftLibDist_ = new DistanceGrid(ctx_, edit_, this);
    dbgrdLoftLibDist_->setObjectName(QStringLiteral("dbgrdLoftLibDist"));
    layout->addWidget(dbgrdLoftLibDist_, 1);
    // Before switching methods: every loft's distance by both, largest difference first.
    grdMethodCompare_ = new QTableWidget(this);
    grdMethodCompare_->setObjectName(QStringLiteral("grdMethodCompare"));
    grdMethodCompare_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMethodCompare_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdMethodCompare_->verticalHeader()->hide();
    grdMethodCompare_->hide();
    layout->addWidget(grdMethodCompare_, 1);
    connect(chkCompareMethods_, &QCheckBox::toggled, this,
            [this] { guarded(ctx_.prompts, [this] { showComparison(); }); });
    auto* buttons = new QHBoxLayout;
    auto* update = RacePanelButton(this, "btnLoftDistUpdate", tr("LoftDistUpdate"));
    auto* ok = RacePanelButton(this, "btnLoftLibDist", tr("OK"));
    auto* print = RacePanelButton(this, "butPrtLoftRaceDist", tr("Print"));
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return LoftDistanceReport(ReadClubHeading(ctx_.db), lblLoftPointDistTitle_->text(),
                                      DistancesLine(ctx_.db, RecordText(race_, "LiberCode")),
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
    chkCompareMethods_->setChecked(false);
    showMethod();
}

void LoftDistancePanel::showMethod() {
    const DistanceMethod club = ClubDistanceMethod(ctx_.db);
    lblDistanceMethod_->setText(DistancesLine(ctx_.db, RecordText(race_, "LiberCode")) +
                                tr("    Club method : ") + DistanceMethodName(club));
}

void LoftDistancePanel::showComparison() {
    const bool compare = chkCompareMethods_->isChecked();
    dbgrdLoftLibDist_->setVisible(!compare);
    grdMethodCompare_->setVisible(compare);
    if (!compare || race_.isEmpty()) {
        return;
    }
    const QList<MethodComparison> rows =
        CompareDistanceMethods(ctx_.db, RecordText(race_, "ClubID"), RecordText(race_, "LiberCode"),
                               RecordText(race_, "LiberDate"));
    const QString unit = ClubDistanceMode(ctx_.db) != 0 ? tr("yd") : tr("m");
    grdMethodCompare_->clear();
    grdMethodCompare_->setColumnCount(5);
    grdMethodCompare_->setHorizontalHeaderLabels(
        {tr("Member"), tr("LoftNo"),
         DistanceMethodName(DistanceMethod::Flat) + QStringLiteral(" (") + unit + QLatin1Char(')'),
         DistanceMethodName(DistanceMethod::Geodesic) + QStringLiteral(" (") + unit +
             QLatin1Char(')'),
         tr("Difference (") + unit + QLatin1Char(')')});
    grdMethodCompare_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const MethodComparison& c = rows.at(r);
        const int d = c.difference();
        const QString difference = (d > 0   ? QStringLiteral("+")
                                    : d < 0 ? QStringLiteral("-")
                                            : QString()) +
                                   DistanceCellText(std::abs(d));
        const QStringList texts{c.loftName, c.loftNo, DistanceCellText(c.flat),
                                DistanceCellText(c.geodesic), difference};
        for (int col = 0; col < texts.size(); ++col) {
            auto* item = new QTableWidgetItem(texts.at(col));
            if (col >= 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grdMethodCompare_->setItem(r, col, item);
        }
    }
    grdMethodCompare_->resizeColumnsToContents();
}

void LoftDistancePanel::loftDistUpdate() {
    edit_.cancel();
    if (race_.isEmpty()) {
        return;
    }
    LoftDistUpdate(ctx_.db, ctx_.prompts, RecordText(race_, "ClubID"),
                   RecordText(race_, "LiberCode"), RecordText(race_, "LiberDate"));
    dbgrdLoftLibDist_->reload();
    showMethod();
}
