#include "race_status_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/date_time.h"
#include "data/display.h"
#include "race_panel_parts.h"
#include "race_results.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "widgets/sql_grid.h"

RaceStatusPanel::RaceStatusPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlLoftRaceStat"));
    auto* layout = new QVBoxLayout(this);
    lblLoftRaceStatTiTle_ = RacePanelTitle(this, "lblLoftRaceStatTiTle", QString());
    layout->addWidget(lblLoftRaceStatTiTle_);
    dbgrdLoftRaceStat_ = new SqlGrid(this);
    dbgrdLoftRaceStat_->setObjectName(QStringLiteral("dbgrdLoftRaceStat"));
    dbgrdLoftRaceStat_->setTitles({{QStringLiteral("LoftNo"), tr("Member")},
                                   {QStringLiteral("ClockID"), tr("Clock")},
                                   {QStringLiteral("MarkedCnt"), tr("Birds marked")},
                                   {QStringLiteral("ArriveCnt"), tr("Birds arrived")}});
    dbgrdLoftRaceStat_->gridModel()->setFormatter(
        QStringLiteral("LoftNo"),
        [this](const QVariant& v, const QSqlRecord&) { return LoftNameCellText(ctx_.db, v); });
    layout->addWidget(dbgrdLoftRaceStat_, 1);
    auto* buttons = new QHBoxLayout;
    auto* ok = RacePanelButton(this, "btnLoftRaceStat", tr("OK"));
    connect(ok, &QPushButton::clicked, this, &RaceStatusPanel::closed);
    buttons->addWidget(ok);
    auto* print = RacePanelButton(this, "butPrtRaceStat", tr("Print"));
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return RaceStatisticsReport(ReadClubHeading(ctx_.db), lblLoftRaceStatTiTle_->text(),
                                        StrToDate(RecordText(race_, "LiberDate")),
                                        ParseTime(RecordText(race_, "LiberTime")),
                                        *dbgrdLoftRaceStat_->gridModel());
        });
    });
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void RaceStatusPanel::open(const QSqlRecord& race) {
    race_ = race;
    dbgrdLoftRaceStat_->load(
        ctx_.db, RaceStatusSql(),
        {RecordText(race, "LiberCode"), DateText(StrToDate(RecordText(race, "LiberDate")))});
    lblLoftRaceStatTiTle_->setText(tr(" Status for ") + RecordText(race, "LiberSite"));
}
