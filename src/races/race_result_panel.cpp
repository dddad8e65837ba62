#include "race_result_panel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/date_time.h"
#include "data/display.h"
#include "distance_method.h"
#include "loft_distances.h"
#include "race_panel_parts.h"
#include "race_results.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
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
    model->setFormatter(QStringLiteral("LoftNo"), [this](const QVariant& v, const QSqlRecord&) {
        return LoftNameCellText(ctx_.db, v);
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
    layout->addWidget(lblRaceResultSum_);

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
    buttons->addStretch();
    layout->addLayout(buttons);

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
    if (setTitle) {
        lbl1RaceResultTitle_->setText(RecordText(race, "ClubID") + tr(" Result for ") +
                                      RecordText(race, "LiberSite"));
    }
}

void RaceResultPanel::printResult() {
    PrintReport(ctx_, this, [this] {
        // The member line names the member of the selected row (the first when none is).
        QSqlRecord row = dbgrdRaceRec_->currentRecord();
        if (row.isEmpty() && dbgrdRaceRec_->gridModel()->rowCount() > 0) {
            row = dbgrdRaceRec_->gridModel()->record(0);
        }
        RaceResultHeading heading =
            ReadRaceResultHeading(ctx_.db, RecordText(row, "LoftNo"), liberCode_, liberDate_,
                                  ParseTime(liberTime_), lblRaceResultSum_->text());
        heading.distances = RaceResultDistancesLine(ctx_.db, liberCode_, liberDate_);
        return RaceResultReport(heading, ClubDistanceMode(ctx_.db), *dbgrdRaceRec_->gridModel());
    });
}

void RaceResultPanel::loadResult() {
    dbgrdRaceRec_->load(ctx_.db, RaceResultSql(), {liberCode_, DateText(liberDate_)});
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
    RecalculateRace(ctx_.db, liberCode_, liberDate_,
                    QDateTime(dtpRaceDate_->checkedDate(), dtpRaceTime_->checkedTime()));
    loadResult();
    grpRecaculate_->hide();
    btnRaceRec_->setFocus();
}

void RaceResultPanel::exportResult() {
    ExportRaceResult(ctx_.db, ctx_.prompts, liberCode_, liberDate_);
}
