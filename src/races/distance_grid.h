#pragma once

#include "data/app_context.h"
#include "loft_distances.h"
#include "widgets/sql_grid.h"

// A grid of loft distances (member, miles, yards) that takes typed digits: the loft distance
// and the distance download panels each show one. Both grids share one pending edit, so
// opening either panel drops what was left typed in the other.
class DistanceGrid : public SqlGrid {
    Q_OBJECT
  public:
    DistanceGrid(AppContext& ctx, DistanceGridEdit& edit, QWidget* parent = nullptr);

    // Titles the distance columns by the club's distance mode.
    void setDistanceTitles();
    // Stores the row being typed, if any, and shows the grid again on the same cell.
    void postEdit();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    AppContext& ctx_;
    DistanceGridEdit& edit_;
};
