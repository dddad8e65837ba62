#pragma once

#include <QWidget>

#include "data/app_context.h"

class SqlGrid;

// The Home screen: every known clock with its loft's name and the date of its last
// synchronisation.
class TfrmHome : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmHome(AppContext& ctx, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    AppContext& ctx_;
    SqlGrid* DBGrid1;
};
