#include "race_result_panel.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "clock_deviation.h"
#include "data/date_time.h"
#include "data/display.h"
#include "data/translate.h"
#include "distance_method.h"
#include "entry_history.h"
#include "loft_distances.h"
#include "publish/race_charts.h"
#include "race_panel_parts.h"
#include "race_publish.h"
#include "race_results.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "result_lock.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

namespace {

// The order in which the grid shows the result's fields (LiberCode is not shown).
const QStringList kShownOrder{QStringLiteral("Pos"),       QStringLiteral("LoftNo"),
                              QStringLiteral("PRingNo"),   QStringLiteral("sex"),
                              QStringLiteral("ColorType"), QStringLiteral("BackTime"),
                              QStringLiteral("FlyTime"),   QStringLiteral("FlySpeed"),
                              QStringLiteral("TimeVari"),  QStringLiteral("dist")};

}  // namespace

RaceResultPanel::RaceResultPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlRaceResult"));
    auto* layout = new QVBoxLayout(this);
    lbl1RaceResultTitle_ = RacePanelTitle(this, "lbl1RaceResultTitle", QString());
    layout->addWidget(lbl1RaceResultTitle_);
    dbgrdRaceRec_ = new SqlGrid(this);
    dbgrdRaceRec_->setObjectName(QStringLiteral("dbgrdRaceRec"));
    SqlGridModel* model = dbgrdRaceRec_->gridModel();
    const auto cell = [model](const char* field, QString (*text)(const QVariant&)) {
        model->setFormatter(QLatin1String(field),
                            [text](const QVariant& v, const QSqlRecord&) { return text(v); });
    };
    // The members' names are read once with each load of the list, not once per row shown or
    // printed (a federation race lists many thousand arrivals).
    model->setLookup(QStringLiteral("LoftNo"),
                     QStringLiteral("select LoftNo, LoftName from ZOL_LoftData where LoftNo is "
                                    "not null"),
                     QString());
    model->setFormatter(
        QStringLiteral("LoftNo"), [this, model](const QVariant& v, const QSqlRecord& r) {
            // On the screen the secretary sees the member list's names; on paper each member
            // as they let themselves be published.
            const QString name = v.isNull() ? QString()
                                 : printed_ ? printed_->of(v.toString()).text()
                                            : model->lookupText(QStringLiteral("LoftNo"), v);
            return ClockDeviates(r.value(QStringLiteral("TimeVari")), deviationLimit_)
                       ? name + QLatin1Char(' ') + DeviationMark()
                       : name;
        });
    cell("ColorType", ColourCellText);
    cell("BackTime", ClockedCellText);
    cell("FlyTime", FlyTimeCellText);
    cell("FlySpeed", SpeedCellText);
    cell("TimeVari", VariationCellText);
    model->setFieldAlignment(QStringLiteral("FlySpeed"), Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(dbgrdRaceRec_, 1);
    lblRaceResultSum_ = new QLabel(this);
    lblRaceResultSum_->setObjectName(QStringLiteral("lblRaceResultSum"));
    lblRaceResultSum_->setFont(QFont(QStringLiteral("Monospace")));
    lblResultState_ = new QLabel(this);
    lblResultState_->setObjectName(QStringLiteral("lblResultState"));
    auto* sumLine = new QHBoxLayout;
    sumLine->addWidget(lblRaceResultSum_);
    sumLine->addStretch();
    sumLine->addWidget(lblResultState_);
    layout->addLayout(sumLine);

    auto* charts = new QHBoxLayout;
    for (auto [view, name] :
         {std::pair{&chvArrivals_, "chvArrivals"}, std::pair{&chvSpeeds_, "chvSpeeds"}}) {
        *view = new QChartView(this);
        (*view)->setObjectName(QLatin1String(name));
        (*view)->setRenderHint(QPainter::Antialiasing);
        (*view)->setMinimumHeight(200);
        (*view)->setMaximumHeight(260);
        charts->addWidget(*view);
    }
    layout->addLayout(charts);

    auto* buttons = new QHBoxLayout;
    btnRaceRec_ = RacePanelButton(this, "btnRaceRec", tr("OK"));
    auto* exportButton = RacePanelButton(this, "butResultExport", tr("ResultExport"));
    auto* recalculation = RacePanelButton(this, "btnRecaculate", tr("FlySpeed Recaculate"));
    connect(btnRaceRec_, &QPushButton::clicked, this, &RaceResultPanel::closed);
    connect(exportButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { exportResult(); }); });
    connect(recalculation, &QPushButton::clicked, this, &RaceResultPanel::showRecalculation);
    buttons->addWidget(btnRaceRec_);
    auto* print = RacePanelButton(this, "butPrtRaceResult", tr("Print"));
    connect(print, &QPushButton::clicked, this, [this] { printResult(); });
    buttons->addWidget(print);
    buttons->addWidget(exportButton);
    buttons->addWidget(recalculation);
    auto* publishButton = RacePanelButton(this, "btnPublish", tr("Publish"));
    connect(publishButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { publish(); }); });
    buttons->addWidget(publishButton);
    auto* history = RacePanelButton(this, "btnHistory", tr("History"));
    connect(history, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { showHistory(); }); });
    buttons->addWidget(history);
    buttons->addStretch();
    btnLockResult_ = RacePanelButton(this, "btnLockResult", tr("Lock result"));
    connect(btnLockResult_, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { lockResult(); }); });
    buttons->addWidget(btnLockResult_);
    edtUnlockReason_ = new QLineEdit(this);
    edtUnlockReason_->setObjectName(QStringLiteral("edtUnlockReason"));
    edtUnlockReason_->setPlaceholderText(tr("Reason for unlocking"));
    buttons->addWidget(edtUnlockReason_);
    btnUnlockResult_ = RacePanelButton(this, "btnUnlockResult", tr("Unlock"));
    connect(btnUnlockResult_, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { unlockResult(); }); });
    buttons->addWidget(btnUnlockResult_);
    layout->addLayout(buttons);

    grpHistory_ = new QGroupBox(tr("History"), this);
    grpHistory_->setObjectName(QStringLiteral("grpHistory"));
    auto* historyLayout = new QVBoxLayout(grpHistory_);
    dbgrdHistory_ = new SqlGrid(grpHistory_);
    dbgrdHistory_->setObjectName(QStringLiteral("dbgrdHistory"));
    for (const char* field : {"Workflow", "Field", "OldValue", "NewValue"}) {
        dbgrdHistory_->gridModel()->setFormatter(
            QLatin1String(field),
            [](const QVariant& v, const QSqlRecord&) { return ShownHistoryText(v.toString()); });
    }
    // A committee reads the history a screenful at a time: at least eight rows, not four.
    dbgrdHistory_->setMinimumHeight(dbgrdHistory_->fontMetrics().height() * 2 * 9);
    historyLayout->addWidget(dbgrdHistory_);
    auto* historyButtons = new QHBoxLayout;
    auto* historyExport = RacePanelButton(grpHistory_, "btnHistoryExport", tr("Export"));
    connect(historyExport, &QPushButton::clicked, this, [this] {
        guarded(ctx_.prompts,
                [this] { ExportRaceHistory(ctx_.db, ctx_.prompts, liberCode_, liberDate_); });
    });
    auto* historyClose = RacePanelButton(grpHistory_, "btnHistoryClose", tr("Close"));
    connect(historyClose, &QPushButton::clicked, grpHistory_, &QWidget::hide);
    historyButtons->addWidget(historyExport);
    historyButtons->addWidget(historyClose);
    historyButtons->addStretch();
    historyLayout->addLayout(historyButtons);
    layout->addWidget(grpHistory_, 1);
    grpHistory_->hide();

    grpRecaculate_ = new QGroupBox(this);
    grpRecaculate_->setObjectName(QStringLiteral("grpRecaculate"));
    auto* form = new QFormLayout(grpRecaculate_);
    dtpRaceDate_ = new DateTimeBox(DateTimeBox::Kind::Date, grpRecaculate_);
    dtpRaceDate_->setObjectName(QStringLiteral("dtpRaceDate"));
    form->addRow(tr("RaceDate :"), dtpRaceDate_);
    dtpRaceTime_ = new DateTimeBox(DateTimeBox::Kind::Time, grpRecaculate_);
    dtpRaceTime_->setObjectName(QStringLiteral("dtpRaceTime"));
    form->addRow(tr("RaceTime :"), dtpRaceTime_);
    // Which distances the recalculation will use: the loft distance rows as they stand.
    lblRecalcDistances_ = new QLabel(grpRecaculate_);
    lblRecalcDistances_->setObjectName(QStringLiteral("lblRecalcDistances"));
    lblRecalcDistances_->setWordWrap(true);
    form->addRow(lblRecalcDistances_);
    auto* groupButtons = new QHBoxLayout;
    auto* run = RacePanelButton(grpRecaculate_, "btnRecacute", tr("Recacute"));
    auto* exit = RacePanelButton(grpRecaculate_, "btnExit", tr("Exit"));
    connect(run, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { recalculate(); }); });
    connect(exit, &QPushButton::clicked, this, [this] {
        grpRecaculate_->hide();
        btnRaceRec_->setFocus();
    });
    groupButtons->addWidget(run);
    groupButtons->addWidget(exit);
    form->addRow(groupButtons);
    layout->addWidget(grpRecaculate_, 0, Qt::AlignLeft);
    grpRecaculate_->hide();
}

void RaceResultPanel::open(const QSqlRecord& race, bool setTitle) {
    liberCode_ = RecordText(race, "LiberCode");
    liberDate_ = StrToDate(RecordText(race, "LiberDate"));
    liberTime_ = RecordText(race, "LiberTime");
    deviationLimit_ = ClockDeviationLimit(ctx_.db);
    const int mode = ClubDistanceMode(ctx_.db);
    dbgrdRaceRec_->setTitles({{QStringLiteral("Pos"), tr("Pos.")},
                              {QStringLiteral("LoftNo"), tr("Name")},
                              {QStringLiteral("PRingNo"), tr("Ring")},
                              {QStringLiteral("sex"), tr("S")},
                              {QStringLiteral("ColorType"), tr("C")},
                              {QStringLiteral("BackTime"), tr("Clocked")},
                              {QStringLiteral("FlyTime"), tr("FlyiTime")},
                              {QStringLiteral("FlySpeed"), SpeedTitle(mode)},
                              {QStringLiteral("TimeVari"), tr("Var")},
                              {QStringLiteral("dist"), tr("Dist")}});
    loadResult();
    lblRaceResultSum_->setText(RaceSummaryText(RaceResultSummary(ctx_.db, liberCode_, liberDate_)));
    grpRecaculate_->hide();
    grpHistory_->hide();
    showState();
    if (setTitle) {
        lbl1RaceResultTitle_->setText(RecordText(race, "ClubID") + tr(" Result for ") +
                                      RecordText(race, "LiberSite"));
    }
}

ReportDefinition RaceResultPanel::resultReport() {
    // The member line names the member of the selected row (the first when none is).
    QSqlRecord row = dbgrdRaceRec_->currentRecord();
    if (row.isEmpty() && dbgrdRaceRec_->gridModel()->rowCount() > 0) {
        row = dbgrdRaceRec_->gridModel()->record(0);
    }
    RaceResultHeading heading =
        ReadRaceResultHeading(ctx_.db, RecordText(row, "LoftNo"), liberCode_, liberDate_,
                              ParseTime(liberTime_), lblRaceResultSum_->text());
    heading.distances = RaceResultDistancesLine(ctx_.db, liberCode_, liberDate_);
    heading.resultState = ResultStateCaption(ctx_.db, liberCode_, liberDate_);
    printed_.emplace(ctx_.db);
    if (!heading.member.isEmpty()) {
        heading.member = printed_->of(RecordText(row, "LoftNo")).text();
    }
    struct Reset {
        std::optional<PublishedMembers>& names;
        ~Reset() { names.reset(); }
    } reset{printed_};
    return RaceResultReport(heading, ClubDistanceMode(ctx_.db), *dbgrdRaceRec_->gridModel());
}

void RaceResultPanel::printResult() {
    PrintReport(ctx_, this, [this] { return resultReport(); });
}

void RaceResultPanel::loadResult() {
    dbgrdRaceRec_->load(ctx_.db, RaceResultSql(), {liberCode_, DateText(liberDate_)},
                        RaceResultRowsSql(QStringLiteral("1")));
    const QSqlRecord fields = dbgrdRaceRec_->gridModel()->record();
    QHeaderView* header = dbgrdRaceRec_->horizontalHeader();
    for (int i = 0; i < fields.count(); ++i) {
        dbgrdRaceRec_->setColumnHidden(i, !kShownOrder.contains(fields.fieldName(i)));
    }
    for (int visual = 0; visual < kShownOrder.size(); ++visual) {
        const int logical = fields.indexOf(kShownOrder.at(visual));
        if (logical >= 0) {
            header->moveSection(header->visualIndex(logical), visual);
        }
    }
    dbgrdRaceRec_->resizeColumnsToContents();
    showCharts();
}

void RaceResultPanel::showCharts() {
    const RaceChartData data = ReadRaceChartData(ctx_.db, liberCode_, liberDate_);
    // The views own their charts and delete the one they showed before.
    chvArrivals_->setChart(ArrivalChart(ArrivalSeries(data.arrivals)));
    chvSpeeds_->setChart(SpeedChart(SpeedHistogram(data.speeds), data.speedTitle));
}

void RaceResultPanel::showState() {
    const ResultLock lock = ReadResultLock(ctx_.db, liberCode_, liberDate_);
    lblResultState_->setText(ResultStateCaption(lock));
    btnLockResult_->setEnabled(!lock.final);
    btnUnlockResult_->setEnabled(lock.final);
    edtUnlockReason_->setEnabled(lock.final);
}

void RaceResultPanel::lockResult() {
    LockResult(ctx_.db, liberCode_, liberDate_, ctx_.clock.now());
    showState();
}

void RaceResultPanel::unlockResult() {
    UnlockResult(ctx_.db, liberCode_, liberDate_, edtUnlockReason_->text(), ctx_.clock.now());
    edtUnlockReason_->clear();
    showState();
}

void RaceResultPanel::showHistory() {
    EnsureEntryHistoryTables(ctx_.db);
    dbgrdHistory_->load(ctx_.db, RaceHistorySql(), {liberCode_, DateText(liberDate_)});
    const QStringList titles = RaceHistoryTitles();
    const QSqlRecord fields = dbgrdHistory_->gridModel()->record();
    QHash<QString, QString> named;
    for (int i = 0; i < fields.count() && i < titles.size(); ++i) {
        named.insert(fields.fieldName(i), Translated("Races", titles[i]));
    }
    dbgrdHistory_->setTitles(named);
    dbgrdHistory_->resizeColumnsToContents();
    grpHistory_->show();
}

void RaceResultPanel::publish() {
    PublishRaceAction(ctx_.db, ctx_.prompts, liberCode_, liberDate_);
}

void RaceResultPanel::showRecalculation() {
    dtpRaceDate_->setDate(liberDate_);
    const QTime time = ParseTime(liberTime_);
    dtpRaceTime_->setTime(time.isValid() ? time : QTime(0, 0));
    guarded(ctx_.prompts, [this] {
        lblRecalcDistances_->setText(RecalculationDistancesNote(ctx_.db, liberCode_));
    });
    grpRecaculate_->show();
    dtpRaceDate_->setFocus();
}

void RaceResultPanel::recalculate() {
    const RecalculationPlan plan =
        PlanRecalculation(ctx_.db, liberCode_, liberDate_,
                          QDateTime(dtpRaceDate_->checkedDate(), dtpRaceTime_->checkedTime()));
    if (!ctx_.prompts.confirmed(RecalculationPreviewText(plan))) {
        return;
    }
    ApplyRecalculation(ctx_.db, plan, ctx_.clock.now());
    loadResult();
    grpRecaculate_->hide();
    btnRaceRec_->setFocus();
}

void RaceResultPanel::exportResult() {
    ExportRaceResult(ctx_.db, ctx_.prompts, liberCode_, liberDate_);
}
