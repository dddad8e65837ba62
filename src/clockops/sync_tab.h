#pragma once

#include <QWidget>

#include "clockops/clock_session.h"
#include "widgets/child_signals.h"

class ClockMemoView;
class QTimer;
class SynchShared;

// Tab "Synchronise Clock": "Sync Now" for one clock, "Sync Auto" for clock after clock.
class SyncTab : public QWidget {
    Q_OBJECT
  public:
    SyncTab(SynchShared& shared, QWidget* parent = nullptr);
    // The tab is left or the screen closes: automatic mode ends, the memo is hidden.
    void leave();

  private:
    void syncNow();
    void tick();
    void run(bool automatic);

    SynchShared& shared_;
    ClockMemo memo_;
    ClockMemoView* mmoSynch_;
    QTimer* timerSync_;
    bool automatic_ = false;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
