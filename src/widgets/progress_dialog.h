#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

#include "data/progress.h"

class QWidget;

// Progress of long work shown in a window-modal progress dialog. Each step moves the bar and
// lets the window paint; with `canStop` the dialog's "Cancel" button asks the work to stop at
// its next safe point. The dialog shows itself only when the work takes a moment, and closes
// when this object goes.
//
//   ProgressDialog progress(this, QStringLiteral("Spreadsheet Import"), true);
//   ImportRings(db, clock, file, progress);
class ProgressDialog : public Progress {
  public:
    ProgressDialog(QWidget* parent, const QString& title, bool canStop);
    ~ProgressDialog() override;

    void step(qint64 done, qint64 total, const QString& text = {}) override;
    bool stopRequested() const override;

    QProgressDialog& dialog() { return dialog_; }

  private:
    QProgressDialog dialog_;
    QElapsedTimer sincePaint_;
};
