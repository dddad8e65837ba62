#pragma once

#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class DistanceGrid;
class DistanceGridEdit;
class QCheckBox;
class QLabel;
class QTableWidget;

// The loft distance panel: every member's distance to one race's liberation point, typed in
// the grid or computed again from the coordinates.
class LoftDistancePanel : public QWidget {
    Q_OBJECT
  public:
    LoftDistancePanel(AppContext& ctx, DistanceGridEdit& edit, QWidget* parent = nullptr);

    // Shows the distances of the race `race` (a row of the race list). Throws DbError.
    void open(const QSqlRecord& race);

  signals:
    void closed();

  private:
    void loftDistUpdate();
    void showMethod();
    void showComparison();

    AppContext& ctx_;
    DistanceGridEdit& edit_;
    QSqlRecord race_;
    QLabel* lblLoftPointDistTitle_ = nullptr;
    DistanceGrid* dbgrdLoftLibDist_ = nullptr;
    QLabel* lblDistanceMethod_ = nullptr;
    QCheckBox* chkCompareMethods_ = nullptr;
    QTableWidget* grdMethodCompare_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
