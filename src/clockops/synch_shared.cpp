#include "synch_shared.h"

#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>

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

namespace {
Rgb MemoBackground(ClockMemo::Colour colour) {
    switch (colour) {
        case ClockMemo::Colour::Yellow:
            return Palette::MemoProgress;
        case ClockMemo::Colour::Red:
            return Palette::MemoFailure;
        case ClockMemo::Colour::Lime:
            return Palette::MemoSuccess;
        case ClockMemo::Colour::Plain:
            break;
    }
    return Palette::Base;
}
}  // namespace

void ClockMemoView::showMemo(const ClockMemo& memo) {
    setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: %1; color: %2; }")
                      .arg(MemoBackground(memo.colour()).name(), Palette::MemoText.name()));
    // The memo holds the workflow's English lines; the secretary reads them in her language.
    const QString shown = ShownClockText(memo.text());
    if (toPlainText() != shown || shownColours_ != memo.lineColours()) {
        setPlainText(shown);
        // Each line on its own colour: a red line stays red below a later lime one.
        QTextCursor cursor(document());
        for (int i = 0; i < memo.lineColours().size(); ++i) {
            const QTextBlock block = document()->findBlockByNumber(i);
            if (!block.isValid()) {
                break;
            }
            cursor.setPosition(block.position());
            QTextBlockFormat format = block.blockFormat();
            format.setBackground(QColor(MemoBackground(memo.lineColours().at(i)).name()));
            cursor.setBlockFormat(format);
        }
        shownColours_ = memo.lineColours();
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
