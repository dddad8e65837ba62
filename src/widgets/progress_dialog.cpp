#include "widgets/progress_dialog.h"

#include <QCoreApplication>

namespace {
constexpr int kShowAfterMs = 400;  // quick work finishes without a dialog flashing up
constexpr int kPaintEveryMs = 50;
}  // namespace

ProgressDialog::ProgressDialog(QWidget* parent, const QString& title, bool canStop)
    : dialog_(parent) {
    dialog_.setObjectName(QStringLiteral("dlgProgress"));
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    if (!canStop)
        dialog_.setCancelButton(nullptr);
    dialog_.setRange(0, 0);
    dialog_.setValue(0);
    sincePaint_.start();
}

ProgressDialog::~ProgressDialog() {
    dialog_.close();
}

void ProgressDialog::step(qint64 done, qint64 total, const QString& text) {
    // The bar counts in int; large totals are scaled down.
    const qint64 scale = total > 1'000'000'000 ? total / 1'000'000'000 + 1 : 1;
    const int maximum = int(total / scale);
    if (dialog_.maximum() != maximum)
        dialog_.setMaximum(maximum);
    if (!text.isEmpty())
        dialog_.setLabelText(text);
    dialog_.setValue(int(qMin(done, total > 0 ? total : done) / scale));
    if (sincePaint_.elapsed() >= kPaintEveryMs) {
        QCoreApplication::processEvents();
        sincePaint_.restart();
    }
}

bool ProgressDialog::stopRequested() const {
    return dialog_.wasCanceled();
}
