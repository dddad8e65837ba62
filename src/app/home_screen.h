#pragma once

#include <QWidget>

#include "app/screens.h"
#include "data/app_context.h"
#include "widgets/child_signals.h"

class QLabel;
class QListWidget;
class QPushButton;
class SqlGrid;

// The Home screen: the day's work at a glance (the club, the race ahead and the race just
// flown, the clocks still to synchronise, the last backup) with buttons to the screens that
// work needs, and below it every known clock with its loft's name and the date of its last
// synchronisation. Everything is read again each time the screen is shown.
class TfrmHome : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmHome(AppContext& ctx, QWidget* parent = nullptr);

  signals:
    // The user pressed the button to another screen.
    void screenWanted(ScreenId screen);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill();

    AppContext& ctx_;
    QLabel* lblClub;
    QLabel* lblNextRace;
    QLabel* lblLastRace;
    QLabel* lblClocksSynch;
    // The clocks still to synchronise, one a line ("loft name: clock").
    QListWidget* lstClocksBehind;
    QLabel* lblBackup;
    QPushButton* btnHomeRaces;
    QPushButton* btnHomeClocks;
    QPushButton* btnHomeSetup;
    SqlGrid* DBGrid1;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
