#pragma once

// What the three tabs of the clock operation screen share: the screen's state (the clock on
// the antenna, the chosen race, the stop times), the runner that owns the port, and the
// progress bar; and the memo widget each tab shows its messages in.

#include <QPlainTextEdit>
#include <functional>

#include "clockops/clock_runner.h"
#include "clockops/clock_session.h"

struct AppContext;
class QProgressBar;

// A tab's message memo: large font, each line on its own colour as the workflow leaves it.
class ClockMemoView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit ClockMemoView(const QString& objectName, QWidget* parent = nullptr);
    void showMemo(const ClockMemo& memo);

  private:
    QList<ClockMemo::Colour> shownColours_;
};

class SynchShared {
  public:
    explicit SynchShared(AppContext& context);

    AppContext& ctx;
    ClockSession session;
    RaceChoice race;
    ClockRunner runner;
    QProgressBar* progressBar = nullptr;
    bool closing = false;  // the screen is being closed: no timer starts again

    // Forgets the last handled clock, also for a run in progress when it ends.
    void forgetLastClock();

    // Starts a run for a tab unless one is in progress: the tab's memo goes with it and comes
    // back as it changes, the progress bar follows it, the clock state comes back at the end
    // and then `done` is called. Returns false when a run was in progress.
    bool startRun(ClockRunner::Workflow workflow, ClockMemo& memo, ClockMemoView* view,
                  std::function<void(const ClockRunner::Outcome&)> done);

  private:
    bool forgetOnFinish_ = false;
};
