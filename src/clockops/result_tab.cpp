#include "result_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <QVBoxLayout>

#include "clockops/clock_uploads.h"
#include "clockops/synch_shared.h"
#include "data/app_context.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "races/flying_time.h"
#include "races/loft_distances.h"
#include "races/race_publish.h"
#include "races/race_ranking.h"
#include "reports/report_preview.h"
#include "widgets/sql_grid.h"

ResultTab::ResultTab(SynchShared& shared, QWidget* parent) : QWidget(parent), shared_(shared) {
    auto* label = new QLabel(tr("Race Code :"), this);
    label->setObjectName(QStringLiteral("lblRaceCode_UPT"));
    cbbTimer_UPL_ = new QComboBox(this);
    cbbTimer_UPL_->setObjectName(QStringLiteral("cbbTimer_UPL"));
    cbbTimer_UPL_->setMinimumWidth(260);
    auto* btnPrint = new QPushButton(tr("Print"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));

    dbgrdTimerUPL_ = new SqlGrid(this);
    dbgrdTimerUPL_->setObjectName(QStringLiteral("dbgrdTimerUPL"));
    dbgrdTimerUPL_->gridModel()->setFormatter(QStringLiteral("FlySpeed"), [](const QVariant& value,
                                                                             const QSqlRecord&) {
        return value.isNull() || value.toDouble() == 0 ? QString() : FlySpeedText(value.toDouble());
    });
    dbgrdTimerUPL_->gridModel()->setFormatter(
        QStringLiteral("Dist"), [this](const QVariant&, const QSqlRecord& row) {
            return distances_.value(row.value(QStringLiteral("LoftNo")).toString(),
                                    QStringLiteral("0"));
        });
    dbgrdTimerUPL_->horizontalHeader()->setStretchLastSection(true);
    mmoResult_ = new ClockMemoView(QStringLiteral("mmoResult"), this);
    timerResult_ = new QTimer(this);
    timerResult_->setObjectName(QStringLiteral("timerResult"));
    timerResult_->setInterval(5000);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(cbbTimer_UPL_);
    top->addStretch(1);
    top->addWidget(btnPrint);
    auto* btnPublish = new QPushButton(tr("Publish"), this);
    btnPublish->setObjectName(QStringLiteral("btnPublish_UPL"));
    top->addWidget(btnPublish);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dbgrdTimerUPL_, 2);
    layout->addWidget(mmoResult_, 1);

    connect(cbbTimer_UPL_, &QComboBox::textActivated, this,
            [this](const QString& item) { chooseRace(item); });
    connect(timerResult_, &QTimer::timeout, this, [this] { tick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] {
        timerResult_->stop();
        printed_ = true;
        PrintReport(shared_.ctx, this, [this] {
            return RaceRankingReportOf(shared_.ctx.db, race_.liberCode, race_.raceDateText,
                                       cbbTimer_UPL_->currentText());
        });
    });
    // The race's result as web pages for the club's site, without stopping the upload.
    connect(btnPublish, &QPushButton::clicked, this, [this] {
        guarded(shared_.ctx.prompts, [this] {
            if (race_.liberCode.isEmpty()) {
                throw UserError(tr("Please. Select Race Code !"));
            }
            PublishRaceAction(shared_.ctx.db, shared_.ctx.prompts, race_.liberCode,
                              StrToDate(race_.raceDateText));
        });
    });
    setSpeedTitle();
}

void ResultTab::setSpeedTitle() {
    QString speed = tr("Fly Speed");
    guarded(shared_.ctx.prompts, [&] {
        const QVariant mode = shared_.ctx.db.value(
            QStringLiteral("select Mode from ZOL_ClubData order by rowid limit 1"));
        if (!mode.isNull()) {
            speed = mode.toInt() != 0 ? tr("Yds/Min") : tr("MPM");
        }
    });
    dbgrdTimerUPL_->setTitles({{QStringLiteral("Rank"), tr("Pos.")},
                               {QStringLiteral("LoftNo"), tr("Member")},
                               {QStringLiteral("PRingNo"), tr("Pigeon")},
                               {QStringLiteral("BackTime"), tr("Clocked")},
                               {QStringLiteral("FlySpeed"), speed},
                               {QStringLiteral("FlyTime"), tr("Flying Time")},
                               {QStringLiteral("Dist"), tr("Dist.")}});
}

void ResultTab::enter() {
    shown_ = true;
    guarded(shared_.ctx.prompts, [this] {
        cbbTimer_UPL_->clear();
        cbbTimer_UPL_->addItems(RaceListItems(shared_.ctx.db));
        cbbTimer_UPL_->setCurrentIndex(-1);
    });
}

void ResultTab::leave() {
    shown_ = false;
    timerResult_->stop();
    memo_.hide();
    mmoResult_->showMemo(memo_);
}

void ResultTab::chooseRace(const QString& item) {
    guarded(shared_.ctx.prompts, [&] {
        race_ = ChooseResultRace(item);
        shared_.race = race_;
        printed_ = false;
        setSpeedTitle();
        fillGrid();
        timerResult_->start();
    });
}

void ResultTab::fillGrid() {
    distances_ = LoftDistanceTexts(shared_.ctx.db, race_.liberCode);
    dbgrdTimerUPL_->load(shared_.ctx.db, ResultGridSql(), {race_.liberCode, race_.raceDateText});
    dbgrdTimerUPL_->resizeColumnsToContents();
}

void ResultTab::refreshGrid() {
    // Only the rows that changed are shown again; the secretary's place in the list stays.
    // The columns follow the new texts: a ring or a time read in since is shown whole.
    dbgrdTimerUPL_->refresh();
    dbgrdTimerUPL_->resizeColumnsToContents();
}

void ResultTab::tick() {
    timerResult_->stop();
    if (!shown_) {
        return;
    }
    if (shared_.runner.busy()) {
        timerResult_->start();
        return;
    }
    shared_.race = race_;
    shared_.startRun(
        ClockRunner::Workflow::Results, memo_, mmoResult_,
        [this](const ClockRunner::Outcome& outcome) {
            // A tick without a clock, or with the clock just read, wrote nothing.
            if (outcome.result != RunResult::NoClock && outcome.result != RunResult::SameClock) {
                guarded(shared_.ctx.prompts, [this] { refreshGrid(); });
            }
            if (outcome.error.isEmpty() && shown_ && !printed_ && !shared_.closing) {
                timerResult_->start();
            }
        });
}
