#pragma once

#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class DistanceGrid;
class DistanceGridEdit;
class QLabel;
class QPushButton;

// The distance download panel: reads a distance file into the loft distances.
class DistanceDownloadPanel : public QWidget {
    Q_OBJECT
  public:
    DistanceDownloadPanel(AppContext& ctx, DistanceGridEdit& edit, QWidget* parent = nullptr);

    // Shows the distances of the liberation code `liberCode`, or every row without one.
    // Throws DbError.
    void open(const std::optional<QString>& liberCode);

  private:
    void chooseFile();
    void download();

    AppContext& ctx_;
    DistanceGridEdit& edit_;
    std::optional<QString> liberCode_;  // the code the grid shows; every code when none
    QLabel* lblLoftDistDL_ = nullptr;
    DistanceGrid* dbgridDistDL_ = nullptr;
    QLabel* labFilePath_ = nullptr;
    QPushButton* butDistDL_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
