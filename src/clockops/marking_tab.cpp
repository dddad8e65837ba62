#include "marking_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "clockops/clock_uploads.h"
#include "clockops/marked_list.h"
#include "clockops/synch_shared.h"
#include "data/app_context.h"
#include "data/date_time.h"
#include "data/display.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "widgets/sql_grid.h"

MarkingTab::MarkingTab(SynchShared& shared, QWidget* parent) : QWidget(parent), shared_(shared) {
    auto* lbl3 = new QLabel(tr("Race Code :"), this);
    lbl3->setObjectName(QStringLiteral("lbl3"));
    cbbRaceCode_ = new QComboBox(this);
    cbbRaceCode_->setObjectName(QStringLiteral("cbbRaceCode"));
    cbbRaceCode_->setMinimumWidth(260);
    auto* btnPrint = new QPushButton(tr("Print"), this);
    btnPrint->setObjectName(QStringLiteral("btnMarkUpLdPrt"));
    auto* btnExport = new QPushButton(tr("Export Marked List"), this);
    btnExport->setObjectName(QStringLiteral("btnExportMarkList"));

    dbgrdMarking_ = new SqlGrid(this);
    dbgrdMarking_->setObjectName(QStringLiteral("dbgrdMarking"));
    dbgrdMarking_->setTitles({{QStringLiteral("LoftNo"), tr("Member")},
                              {QStringLiteral("PRingNo"), tr("Association Number")},
                              {QStringLiteral("MarkedTime"), tr("Marked Time")}});
    dbgrdMarking_->gridModel()->setFormatter(QStringLiteral("LoftNo"),
                                             [this](const QVariant& value, const QSqlRecord&) {
                                                 return LoftNameCellText(shared_.ctx.db, value);
                                             });
    dbgrdMarking_->horizontalHeader()->setStretchLastSection(true);
    mmoMark_ = new ClockMemoView(QStringLiteral("mmoMark"), this);
    timerMark_ = new QTimer(this);
    timerMark_->setObjectName(QStringLiteral("timerMark"));
    timerMark_->setInterval(5000);

    auto* top = new QHBoxLayout;
    top->addWidget(lbl3);
    top->addWidget(cbbRaceCode_);
    top->addStretch(1);
    top->addWidget(btnPrint);
    top->addWidget(btnExport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgrdMarking_, 2);
    layout->addWidget(mmoMark_, 1);

    connect(cbbRaceCode_, &QComboBox::textActivated, this,
            [this](const QString& item) { chooseRace(item); });
    connect(timerMark_, &QTimer::timeout, this, [this] { tick(); });
    // The grid's rows are taken before the preview opens; the marked upload keeps running.
    connect(btnPrint, &QPushButton::clicked, this, [this] {
        PrintReport(shared_.ctx, this, [this] {
            return MarkedPigeonsReport(
                ReadRaceDayHeading(shared_.ctx.db, race_.liberCode, cbbRaceCode_->currentText()),
                *dbgrdMarking_->gridModel());
        });
    });
    connect(btnExport, &QPushButton::clicked, this, [this] { exportList(); });
}

void MarkingTab::enter() {
    shown_ = true;
    guarded(shared_.ctx.prompts, [this] {
        cbbRaceCode_->clear();
        cbbRaceCode_->addItems(RaceListItems(shared_.ctx.db));
        cbbRaceCode_->setCurrentIndex(-1);
    });
}

void MarkingTab::leave() {
    shown_ = false;
    timerMark_->stop();
    memo_.hide();
    mmoMark_->showMemo(memo_);
}

void MarkingTab::chooseRace(const QString& item) {
    guarded(shared_.ctx.prompts, [&] {
        race_ = ChooseMarkingRace(shared_.ctx.db, item);
        shared_.race = race_;
        fillGrid(false);
        timerMark_->start();
    });
}

void MarkingTab::fillGrid(bool byRingOnly) {
    dbgrdMarking_->load(shared_.ctx.db, MarkingGridSql(byRingOnly),
                        {race_.liberCode, race_.raceDateText});
    for (int c : {2, 3, 4, 5}) {
        dbgrdMarking_->setColumnHidden(c, true);
    }
    dbgrdMarking_->resizeColumnsToContents();
}

void MarkingTab::tick() {
    timerMark_->stop();
    if (!shown_) {
        return;
    }
    if (shared_.runner.busy()) {
        timerMark_->start();
        return;
    }
    shared_.race = race_;
    shared_.startRun(ClockRunner::Workflow::Marking, memo_, mmoMark_,
                     [this](const ClockRunner::Outcome& outcome) {
                         guarded(shared_.ctx.prompts, [this] { fillGrid(true); });
                         if (outcome.error.isEmpty() && shown_ && !shared_.closing) {
                             timerMark_->start();
                         }
                     });
}

void MarkingTab::exportList() {
    guarded(shared_.ctx.prompts,
            [this] { ExportMarkedList(shared_.ctx.db, shared_.ctx.prompts, race_.raceDateText); });
}
