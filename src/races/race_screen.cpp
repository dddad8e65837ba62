#include "race_screen.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "competitions/championships_panel.h"
#include "competitions/pools_panel.h"
#include "data/date_time.h"
#include "distance_download_panel.h"
#include "exchange_files.h"
#include "loft_distance_panel.h"
#include "other_clock_panel.h"
#include "race_panel_parts.h"
#include "race_point_panel.h"
#include "race_result_panel.h"
#include "race_status_panel.h"
#include "sun_data_panel.h"

QStringList TfrmRace::ActionItems() {
    return {tr("Edit Point"),
            tr("Delete Point"),
            QStringLiteral("-------------------------"),
            tr("Distance "),
            tr("Status"),
            tr("Result"),
            QStringLiteral("-------------------------"),
            tr("Add/Edit other Clock"),
            tr("Distance download"),
            tr("Generate WinSpeed File"),
            tr("Generate SMS Text File"),
            QStringLiteral("-------------------------"),
            tr("Federation"),
            tr("Pools"),
            tr("Championships")};
}

TfrmRace::TfrmRace(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmRace"));
    auto* layout = new QVBoxLayout(this);
    pnlRacePoint_ = new RacePointPanel(ctx_, this);
    pnlSunData_ = new SunDataPanel(ctx_, this);
    pnlLoftLibPointDist_ = new LoftDistancePanel(ctx_, distanceEdit_, this);
    pnlDistDownLoad_ = new DistanceDownloadPanel(ctx_, distanceEdit_, this);
    pnlOtherClosk_ = new OtherClockPanel(ctx_, this);
    pnlLoftRaceStat_ = new RaceStatusPanel(ctx_, this);
    pnlRaceResult_ = new RaceResultPanel(ctx_, this);
    pnlPools_ = new PoolsPanel(ctx_, this);
    pnlChampionships_ = new ChampionshipsPanel(ctx_, this);
    panels_ = {pnlRacePoint_,    pnlSunData_,    pnlLoftLibPointDist_,
               pnlDistDownLoad_, pnlOtherClosk_, pnlLoftRaceStat_,
               pnlRaceResult_,   pnlPools_,      pnlChampionships_};
    for (QWidget* panel : panels_) {
        layout->addWidget(panel);
    }

    connect(pnlRacePoint_, &RacePointPanel::actionListRequested, this, &TfrmRace::showActionList);
    connect(pnlRacePoint_, &RacePointPanel::actionListDismissed, this,
            [this] { rgRacePoint_->hide(); });
    connect(pnlRacePoint_, &RacePointPanel::sunDataRequested, this,
            [this](const QString& raceCode) {
                guarded(ctx_.prompts, [this, raceCode] { openSunData(raceCode); });
            });
    connect(pnlSunData_, &SunDataPanel::closed, this, [this] { showPanel(pnlRacePoint_); });
    connect(pnlLoftLibPointDist_, &LoftDistancePanel::closed, this,
            [this] { showPanel(pnlRacePoint_); });
    connect(pnlLoftRaceStat_, &RaceStatusPanel::closed, this, [this] { showPanel(pnlRacePoint_); });
    connect(pnlRaceResult_, &RaceResultPanel::closed, this, [this] { showPanel(pnlRacePoint_); });
    connect(pnlPools_, &PoolsPanel::closed, this, [this] { showPanel(pnlRacePoint_); });
    connect(pnlChampionships_, &ChampionshipsPanel::closed, this,
            [this] { showPanel(pnlRacePoint_); });
    connect(pnlRacePoint_, &RacePointPanel::raceDoubleClicked, this, [this] {
        guarded(ctx_.prompts, [this] {
            withRace([this](const QSqlRecord& race) {
                pnlRaceResult_->open(race, false);
                showPanel(pnlRaceResult_);
            });
        });
    });

    // The action list floats over the race list, at the pointer.
    rgRacePoint_ = new QListWidget(this);
    rgRacePoint_->setObjectName(QStringLiteral("rgRacePoint"));
    rgRacePoint_->addItems(ActionItems());
    rgRacePoint_->setFrameShape(QFrame::Box);
    rgRacePoint_->setFixedSize(rgRacePoint_->sizeHintForColumn(0) + 24,
                               rgRacePoint_->sizeHintForRow(0) * rgRacePoint_->count() + 6);
    connect(rgRacePoint_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = rgRacePoint_->row(item);
        guarded(ctx_.prompts, [this, index] { actionChosen(index); });
        rgRacePoint_->hide();
        rgRacePoint_->clearSelection();
    });

    showPanel(pnlRacePoint_);
    rgRacePoint_->hide();
}

void TfrmRace::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    pnlRacePoint_->focusClub();
}

void TfrmRace::showPanel(QWidget* panel) {
    // The others are hidden first: for a moment two panels shown at once would need more
    // height than the window has, and the window would grow to give it.
    for (QWidget* p : panels_) {
        if (p != panel) {
            p->hide();
        }
    }
    panel->show();
}

void TfrmRace::showActionList(const QPoint& globalPos) {
    rgRacePoint_->move(mapFromGlobal(globalPos) + QPoint(30, 10));
    rgRacePoint_->raise();
    rgRacePoint_->show();
}

void TfrmRace::actionChosen(int index) {
    switch (index) {
        case 0:
            pnlRacePoint_->selectRace();
            break;
        case 1:
            pnlRacePoint_->deleteRace();
            break;
        case 3:
            openLoftDistances();
            break;
        case 8:
            openDistanceDownload();
            break;
        case 4:
            withRace([this](const QSqlRecord& race) {
                pnlLoftRaceStat_->open(race);
                showPanel(pnlLoftRaceStat_);
            });
            break;
        case 5:
            withRace([this](const QSqlRecord& race) {
                pnlRaceResult_->open(race, true);
                showPanel(pnlRaceResult_);
            });
            break;
        case 7:
            withRace([this](const QSqlRecord& race) {
                pnlOtherClosk_->open(race);
                showPanel(pnlOtherClosk_);
            });
            break;
        case 9:
            withRace([this](const QSqlRecord& race) {
                GenerateWinSpeedFile(ctx_.db, ctx_.prompts,
                                     StrToDate(RecordText(race, "LiberDate")));
            });
            break;
        case 10:
            withRace([this](const QSqlRecord& race) {
                GenerateSmsTextFiles(ctx_.db, ctx_.prompts, RecordText(race, "LiberCode"),
                                     StrToDate(RecordText(race, "LiberDate")));
            });
            break;
        case 12:
            emit federationWanted();
            break;
        case 13:
            withRace([this](const QSqlRecord& race) {
                pnlPools_->open(RaceId{RecordText(race, "LiberCode"),
                                       StrToDate(RecordText(race, "LiberDate"))});
                showPanel(pnlPools_);
            });
            break;
        case 14:
            pnlChampionships_->open();
            showPanel(pnlChampionships_);
            break;
        default:
            break;
    }
}

bool TfrmRace::withRace(const std::function<void(const QSqlRecord&)>& action) {
    const QSqlRecord race = pnlRacePoint_->currentRace();
    if (race.isEmpty()) {
        return false;
    }
    action(race);
    return true;
}

void TfrmRace::openSunData(const QString& raceCode) {
    pnlSunData_->open(raceCode);
    showPanel(pnlSunData_);
    pnlSunData_->startTyping();
}

void TfrmRace::openLoftDistances() {
    const QSqlRecord race = pnlRacePoint_->currentRace();
    if (race.isEmpty()) {
        return;
    }
    distanceFilterCode_ = RecordText(race, "LiberCode");
    pnlLoftLibPointDist_->open(race);
    showPanel(pnlLoftLibPointDist_);
}

void TfrmRace::openDistanceDownload() {
    pnlDistDownLoad_->open(distanceFilterCode_);
    showPanel(pnlDistDownLoad_);
}
