#include "clock_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <memory>

#include "clockops/clock_sync.h"
#include "clockops/clock_uploads.h"
#include "data/app_context.h"
#include "data/errors.h"
#include "data/progress.h"
#include "device/win_api_v8.h"
#include "races/refusal.h"

namespace {

// The user's prompts, shown on the window's thread while the run waits for the answer.
class ForwardedPrompts : public Prompts {
  public:
    ForwardedPrompts(Prompts& target, QObject* windowSide) : target_(target), window_(windowSide) {}

    void message(const QString& text) override {
        call([&] { target_.message(text); });
    }
    void information(const QString& text, int autoCloseMs) override {
        call([&] { target_.information(text, autoCloseMs); });
    }
    void error(const QString& text) override {
        call([&] { target_.error(text); });
    }
    Answer question(const QString& text, Buttons buttons) override {
        Answer answer = Answer::Cancel;
        call([&] { answer = target_.question(text, buttons); });
        return answer;
    }
    QString openFileName(const QString& filter, const QString& proposed) override {
        QString name;
        call([&] { name = target_.openFileName(filter, proposed); });
        return name;
    }
    QString saveFileName(const QString& filter, const QString& proposed) override {
        QString name;
        call([&] { name = target_.saveFileName(filter, proposed); });
        return name;
    }
    void beep() override {
        call([&] { target_.beep(); });
    }

  private:
    void call(const std::function<void()>& action) {
        QMetaObject::invokeMethod(window_, action, Qt::BlockingQueuedConnection);
    }
    Prompts& target_;
    QObject* window_;
};

}  // namespace

// Lives on the worker thread: owns the device object (and so the port) and a database
// connection of its own.
class ClockWorker : public QObject {
  public:
    ClockWorker(AppContext& ctx, QObject* window, std::atomic<bool>& stop,
                std::atomic<int>& stopReason)
        : ctx_(ctx),
          window_(window),
          stop_(stop),
          stopReason_(stopReason),
          prompts_(ctx.prompts, window) {}

    void open() {
        try {
            db_ = std::make_unique<TdmZOLF>(ctx_.db.fileName());
        } catch (const UserError& e) {
            openError_ = e.text();
        }
        // A port failure during a run is a red line of that run (one per run, not a box every
        // 5 s); one outside a run (the port that fails to open with the screen) is shown in the
        // error box without this thread waiting for it, so that the window can close the screen
        // meanwhile.
        api_ = std::make_unique<TWinApiV8>(ctx_.portName, [this](const QString& message) {
            if (current_ != nullptr) {
                current_->errorLine(message, api_->port().errorTextInEnglish());
            } else {
                // Posted to the application, not the screen: shown even when the screen is
                // closed before the box comes up.
                Prompts* prompts = &ctx_.prompts;
                QMetaObject::invokeMethod(
                    qApp, [prompts, message] { prompts->error(message); }, Qt::QueuedConnection);
            }
        });
    }

    void close() {
        api_.reset();
        db_.reset();
    }

    // Runs one workflow; the listeners are called on the window's thread.
    void run(ClockRunner::Workflow workflow, ClockSession session, const RaceChoice& race,
             const ClockMemo& startMemo, const std::function<void(const ClockMemo&)>& memoOut,
             const std::function<void(qint64, qint64, const QString&)>& progressOut,
             const std::function<void(const ClockSession&, const ClockRunner::Outcome&)>& done) {
        ClockRunner::Outcome outcome;
        if (!db_) {
            outcome.error = openError_;
            post([=] { done(session, outcome); });
            return;
        }
        ClockMemo memo = startMemo;
        memo.setListener([this, memoOut](const ClockMemo& m) {
            const ClockMemo copy = m;
            post([memoOut, copy] { memoOut(copy); });
        });
        class StepsOut : public Progress {
          public:
            StepsOut(ClockWorker& w, std::function<void(qint64, qint64, const QString&)> out)
                : w_(w), out_(std::move(out)) {}
            void step(qint64 done, qint64 total, const QString& text) override {
                auto out = out_;
                w_.post([=] { out(done, total, text); });
            }
            bool stopRequested() const override { return w_.stop_; }

          private:
            ClockWorker& w_;
            std::function<void(qint64, qint64, const QString&)> out_;
        } progress(*this, progressOut);
        RaceDayLog log(RaceDayLog::folderFor(ctx_.paths.dataDir), ctx_.clock);
        ClockRun clockRun{*api_, *db_, prompts_, ctx_.clock, progress, memo, log};
        current_ = &clockRun;
        try {
            switch (workflow) {
                case ClockRunner::Workflow::Sync:
                    outcome.result = SyncClock(clockRun, session);
                    break;
                case ClockRunner::Workflow::Marking:
                    outcome.result = UploadMarking(clockRun, session, race);
                    break;
                case ClockRunner::Workflow::Results:
                    outcome.result = UploadResults(clockRun, session, race);
                    break;
            }
        } catch (const RunStopped&) {
            outcome.stopped = true;
            const QString why = stopReason_ == int(ClockRunner::StopReason::ScreenLeft)
                                    ? QStringLiteral("the Clock Operation screen was left")
                                    : QStringLiteral("the tab was changed");
            memo.errorLine(QStringLiteral("Run stopped before the clock was read to the end : ") +
                           why + QStringLiteral(" !"));
            log.line(QStringLiteral("run stopped: ") + why);
        } catch (const UserError& e) {
            outcome.error = e.text();
            log.line(QStringLiteral("ERROR ") + LogText(e));
        } catch (const std::exception& e) {
            outcome.error = QString::fromLocal8Bit(e.what());
            log.line(QStringLiteral("ERROR ") + outcome.error);
        }
        current_ = nullptr;
        post([=] { done(session, outcome); });
    }

    void post(const std::function<void()>& action) {
        QMetaObject::invokeMethod(window_, action, Qt::QueuedConnection);
    }

  private:
    AppContext& ctx_;
    QObject* window_;
    std::atomic<bool>& stop_;
    std::atomic<int>& stopReason_;
    ForwardedPrompts prompts_;
    ClockRun* current_ = nullptr;  // the run in progress
    std::unique_ptr<TdmZOLF> db_;
    std::unique_ptr<TWinApiV8> api_;
    QString openError_;
};

ClockRunner::ClockRunner(AppContext& ctx, QObject* parent)
    : QObject(parent), worker_(new ClockWorker(ctx, this, stop_, stopReason_)) {
    worker_->moveToThread(&thread_);
    thread_.start();
    // Queued, not waited for: opening may report a port error through the prompts, which are
    // shown on this thread.
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->open(); }, Qt::QueuedConnection);
}

ClockRunner::~ClockRunner() {
    stopAndWait(StopReason::ScreenLeft);
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->close(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

bool ClockRunner::start(Workflow workflow, const ClockSession& session, const RaceChoice& race,
                        const ClockMemo& startMemo, MemoListener memo, ProgressListener progress,
                        FinishListener finished) {
    if (busy_) {
        return false;
    }
    busy_ = true;
    stop_ = false;
    memo_ = std::move(memo);
    progress_ = std::move(progress);
    finished_ = std::move(finished);
    QMetaObject::invokeMethod(
        worker_,
        [this, workflow, session, race, startMemo] {
            worker_->run(
                workflow, session, race, startMemo,
                [this](const ClockMemo& m) {
                    if (memo_)
                        memo_(m);
                },
                [this](qint64 done, qint64 total, const QString& text) {
                    if (progress_) {
                        progress_(done, total, text);
                    }
                },
                [this](const ClockSession& s, const Outcome& o) { finish(s, o); });
        },
        Qt::QueuedConnection);
    return true;
}

void ClockRunner::finish(const ClockSession& session, const Outcome& outcome) {
    busy_ = false;
    if (waiting_ != nullptr) {
        waiting_->quit();
    }
    const FinishListener finished = std::move(finished_);
    finished_ = {};
    if (finished) {
        finished(session, outcome);
    }
}

void ClockRunner::requestStop(StopReason reason) {
    stopReason_ = int(reason);
    stop_ = true;
}

void ClockRunner::stopAndWait(StopReason reason) {
    if (!busy_) {
        return;
    }
    requestStop(reason);
    QEventLoop loop;
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
}
