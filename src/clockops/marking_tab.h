#pragma once

#include <QWidget>

#include "clockops/clock_session.h"
#include "widgets/child_signals.h"

class ClockMemoView;
class QComboBox;
class QTimer;
class SqlGrid;
class SynchShared;

// Tab "Marked Upload": choose a race, then every clock put on the antenna is read for the
// pigeons it marked for it.
class MarkingTab : public QWidget {
    Q_OBJECT
  public:
    MarkingTab(SynchShared& shared, QWidget* parent = nullptr);
    // The tab becomes the active one: the race list is filled again.
    void enter();
    void leave();

  private:
    void chooseRace(const QString& item);
    void tick();
    void fillGrid(bool byRingOnly);
    void exportList();
    bool shown_ = false;  // only the shown tab's upload runs

    SynchShared& shared_;
    ClockMemo memo_;
    RaceChoice race_;
    QComboBox* cbbRaceCode_;
    SqlGrid* dbgrdMarking_;
    ClockMemoView* mmoMark_;
    QTimer* timerMark_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
