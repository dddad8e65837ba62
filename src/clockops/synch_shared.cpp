#include "synch_shared.h"

#include <QProgressBar>

#include "clock_texts.h"
#include "data/app_context.h"
#include "data/colours.h"

ClockMemoView::ClockMemoView(const QString& objectName, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(objectName);
    setReadOnly(true);
    QFont f = font();
    f.setPointSize(16);
    f.setBold(true);
    setFont(f);
    hide();
}

void ClockMemoView::showMemo(const ClockMemo& memo) {
    Rgb background = Palette::Base;
    switch (memo.colour()) {
        case ClockMemo::Colour::Yellow:
            background = Palette::MemoProgress;
            break;
        case ClockMemo::Colour::Red:
            background = Palette::MemoFailure;
            break;
        case ClockMemo::Colour::Lime:
            background = Palette::MemoSuccess;
            break;
        case ClockMemo::Colour::Plain:
            break;
    }
    setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: %1; color: %2; }")
                      .arg(background.name(), Palette::MemoText.name()));
    // The memo holds the workflow's English lines; the secretary reads them in her language.
    const QString shown = ShownClockText(memo.text());
    if (toPlainText() != shown) {
        setPlainText(shown);
    }
    setVisible(memo.visible());
}

SynchShared::SynchShared(AppContext& context) : ctx(context), runner(context) {}

void SynchShared::forgetLastClock() {
    session.lastClock.clear();
    forgetOnFinish_ = runner.busy();
}

bool SynchShared::startRun(ClockRunner::Workflow workflow, ClockMemo& memo, ClockMemoView* view,
                           std::function<void(const ClockRunner::Outcome&)> done) {
    forgetOnFinish_ = false;
    const bool started = runner.start(
        workflow, session, race, memo,
        [&memo, view](const ClockMemo& m) {
            memo = m;
            view->showMemo(m);
        },
        [this](qint64 step, qint64 total, const QString& text) {
            if (progressBar != nullptr) {
                progressBar->setRange(0, int(total));
                progressBar->setValue(int(step));
                progressBar->setFormat(ShownClockText(text));
            }
        },
        [this, done](const ClockSession& s, const ClockRunner::Outcome& outcome) {
            session = s;
            if (forgetOnFinish_) {
                session.lastClock.clear();
                forgetOnFinish_ = false;
            }
            if (progressBar != nullptr) {
                progressBar->setRange(0, 1);
                progressBar->setValue(0);
                progressBar->setFormat(QString());
            }
            if (!outcome.error.isEmpty()) {
                ctx.prompts.error(ShownClockText(outcome.error));
            }
            done(outcome);
        });
    return started;
}
