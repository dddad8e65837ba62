#pragma once

#include <QWidget>
#include <memory>
#include "widgets/child_signals.h"

struct AppContext;
class MarkingTab;
class QTabWidget;
class ResultTab;
class SyncTab;
class SynchShared;

// The clock operation screen: three tabs (synchronise, marked upload, result upload) over one
// device object. The clock is read on a worker thread, so the window stays alive; a run in
// progress is stopped at its next safe point before the screen closes.
class TfrmSynch_TC : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmSynch_TC(AppContext& ctx, QWidget* parent = nullptr);
    ~TfrmSynch_TC() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void tabChanged(int index);

    std::unique_ptr<SynchShared> shared_;
    QTabWidget* PageControl1_;
    SyncTab* tsMatchIng_;
    MarkingTab* tsMarking_;
    ResultTab* tsCrtTimerTrain_;
    bool closing_ = false;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
