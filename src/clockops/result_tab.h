#pragma once

#include <QHash>
#include <QWidget>

#include "clockops/clock_session.h"
#include "widgets/child_signals.h"

class ClockMemoView;
class QComboBox;
class QTimer;
class SqlGrid;
class SynchShared;

// Tab "Result Upload": choose a race, then every clock put on the antenna is read for its
// arrivals, which are verified and ranked.
class ResultTab : public QWidget {
    Q_OBJECT
  public:
    ResultTab(SynchShared& shared, QWidget* parent = nullptr);
    void enter();
    void leave();
    // The speed column's title by the club's unit.
    void setSpeedTitle();

  private:
    void chooseRace(const QString& item);
    void tick();
    void fillGrid();
    void refreshGrid();

    SynchShared& shared_;
    ClockMemo memo_;
    RaceChoice race_;
    // The race's distance of each loft as the grid's Dist column shows it ("miles/yards"),
    // read once with the grid rather than for every row painted.
    QHash<QString, QString> distances_;
    QComboBox* cbbTimer_UPL_;
    SqlGrid* dbgrdTimerUPL_;
    ClockMemoView* mmoResult_;
    QTimer* timerResult_;
    bool shown_ = false;    // only the shown tab's upload runs
    bool printed_ = false;  // "Print" stops the upload until a race is chosen again
  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
