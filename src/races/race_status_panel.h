#pragma once

#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class QLabel;
class SqlGrid;

// The status of a race: birds marked and arrived per member and clock.
class RaceStatusPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RaceStatusPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the status of the race `race` (a row of the race list). Throws DbError.
    void open(const QSqlRecord& race);

  signals:
    void closed();

  private:
    AppContext& ctx_;
    QSqlRecord race_;  // the race whose status is shown
    QLabel* lblLoftRaceStatTiTle_ = nullptr;
    SqlGrid* dbgrdLoftRaceStat_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
