#pragma once

#include <QDate>
#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"

class DateTimeBox;
class QGroupBox;
class QLabel;
class QPushButton;
class SqlGrid;

// The ranked result of a race with its summary line, the recalculation of its flying times
// from another liberation time, and the export of the list to a workbook.
class RaceResultPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RaceResultPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the result of the race `race` (a row of the race list); with `setTitle` the title
    // names the race (a double click on the race list keeps the title as it was). Throws
    // DbError.
    void open(const QSqlRecord& race, bool setTitle);

  signals:
    void closed();

  private:
    void loadResult();
    void printResult();
    void showRecalculation();
    void recalculate();
    void exportResult();

    AppContext& ctx_;
    QString liberCode_;
    QDate liberDate_;
    QString liberTime_;

    QLabel* lbl1RaceResultTitle_ = nullptr;
    SqlGrid* dbgrdRaceRec_ = nullptr;
    QLabel* lblRaceResultSum_ = nullptr;
    QPushButton* btnRaceRec_ = nullptr;
    QGroupBox* grpRecaculate_ = nullptr;
    DateTimeBox* dtpRaceDate_ = nullptr;
    DateTimeBox* dtpRaceTime_ = nullptr;
    QLabel* lblRecalcDistances_ = nullptr;
};
