#pragma once

// Runs the clock workflows on a worker thread that owns the serial port and its own database
// connection, so that the window stays alive while a clock is read at 9600 baud. The screen
// starts a run, sees the memo and the progress as they change, and gets the clock state back
// when the run ends. Prompts of a run (the message boxes of the result verification) are shown
// on the window's thread, and the run waits for them.

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

#include "clockops/clock_session.h"

struct AppContext;
class ClockWorker;
class QEventLoop;

class ClockRunner : public QObject {
    Q_OBJECT
  public:
    enum class Workflow { Sync, Marking, Results };

    // How a run ended: a result, a stop asked for, or an error shown in the error box.
    struct Outcome {
        RunResult result = RunResult::Failed;
        bool stopped = false;
        QString error;  // a failure that ends automatic mode
    };
    using MemoListener = std::function<void(const ClockMemo&)>;
    using ProgressListener = std::function<void(qint64 done, qint64 total, const QString& text)>;
    using FinishListener = std::function<void(const ClockSession& session, const Outcome&)>;

    // Opens the port on the worker thread.
    explicit ClockRunner(AppContext& ctx, QObject* parent = nullptr);
    // Stops a run at its next safe point and waits for it, then closes the port.
    ~ClockRunner() override;

    bool busy() const { return busy_; }
    // Starts a run unless one is in progress (then nothing happens and false is returned).
    // The run's memo starts from `memo` (a run that ends early adds its line to the last run's).
    bool start(Workflow workflow, const ClockSession& session, const RaceChoice& race,
               const ClockMemo& memo, MemoListener memoOut, ProgressListener progress,
               FinishListener finished);
    // Why a run is asked to stop; the run says so in its memo and the race-day log.
    enum class StopReason { TabChanged, ScreenLeft };
    // Asks the run to stop between two device operations.
    void requestStop(StopReason reason);
    // Asks the run to stop and keeps the window alive until it has.
    void stopAndWait(StopReason reason);

  private:
    void finish(const ClockSession& session, const Outcome& outcome);

    QThread thread_;
    ClockWorker* worker_;
    std::atomic<bool> stop_{false};
    std::atomic<int> stopReason_{0};
    bool busy_ = false;
    QEventLoop* waiting_ = nullptr;
    MemoListener memo_;
    ProgressListener progress_;
    FinishListener finished_;
};
