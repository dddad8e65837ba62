#pragma once

#include <QSqlRecord>
#include <QWidget>
#include <functional>
#include <optional>

#include "data/app_context.h"
#include "loft_distances.h"
#include "widgets/child_signals.h"

class ChampionshipsPanel;
class DistanceDownloadPanel;
class LoftDistancePanel;
class OtherClockPanel;
class PoolsPanel;
class RaceResultPanel;
class RaceStatusPanel;
class QListWidget;
class RacePointPanel;
class SunDataPanel;

// The Races screen: the race list with the liberation point editor, the sun data of a race,
// the loft distances of its liberation code, the distance download, the typed-in clock times,
// the race's status and its result, the race's pools and the season's championships, each a
// panel of its own. The screen shows one panel at a time,
// offers the race list's action list and hands the panels the race chosen.
class TfrmRace : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmRace(AppContext& ctx, QWidget* parent = nullptr);

    // The items of the race list's action list, by index.
    static QStringList ActionItems();

  signals:
    // "Federation" on the action list: the combined results of the clubs.
    void federationWanted();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showPanel(QWidget* panel);
    void showActionList(const QPoint& globalPos);
    void actionChosen(int index);
    void openSunData(const QString& raceCode);
    void openLoftDistances();
    void openDistanceDownload();
    // The race list's current race, for the actions that need one (none: nothing happens).
    bool withRace(const std::function<void(const QSqlRecord&)>& action);

    AppContext& ctx_;
    // The pending typing of the two distance grids.
    DistanceGridEdit distanceEdit_;

    RacePointPanel* pnlRacePoint_ = nullptr;
    SunDataPanel* pnlSunData_ = nullptr;
    LoftDistancePanel* pnlLoftLibPointDist_ = nullptr;
    DistanceDownloadPanel* pnlDistDownLoad_ = nullptr;
    OtherClockPanel* pnlOtherClosk_ = nullptr;
    RaceStatusPanel* pnlLoftRaceStat_ = nullptr;
    RaceResultPanel* pnlRaceResult_ = nullptr;
    PoolsPanel* pnlPools_ = nullptr;
    ChampionshipsPanel* pnlChampionships_ = nullptr;
    QList<QWidget*> panels_;
    QListWidget* rgRacePoint_ = nullptr;

    // The liberation code the distance download shows: the one the loft distance panel last
    // showed, or every row before that.
    std::optional<QString> distanceFilterCode_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
