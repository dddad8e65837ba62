#pragma once

#include <QDate>
#include <QSqlRecord>
#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "members/member_privacy.h"
#include "reports/report_layout.h"
#include "widgets/child_signals.h"

class DateTimeBox;
class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SqlGrid;

// The ranked result of a race with its summary line and charts, the recalculation of its flying
// times from another liberation time (shown before it is stored), the export of the list to a
// workbook, publishing it as web pages, marking it final, and the history of its changes.
class RaceResultPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RaceResultPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the result of the race `race` (a row of the race list); with `setTitle` the title
    // names the race (a double click on the race list keeps the title as it was). Throws
    // DbError.
    void open(const QSqlRecord& race, bool setTitle);
    // The report that Print previews: the list as shown, headed by the member of the selected
    // row (the first when none is), the summary, the distances line and the result's state.
    ReportDefinition resultReport();

  signals:
    void closed();

  private:
    void loadResult();
    void printResult();
    void showRecalculation();
    void recalculate();
    void exportResult();
    void showState();
    void showCharts();
    void lockResult();
    void unlockResult();
    void showHistory();
    void publish();

    AppContext& ctx_;
    QString liberCode_;
    QDate liberDate_;
    QString liberTime_;
    int deviationLimit_ = 60;
    // While the result is printed: the members as they are published.
    std::optional<PublishedMembers> printed_;

    QLabel* lbl1RaceResultTitle_ = nullptr;
    SqlGrid* dbgrdRaceRec_ = nullptr;
    QLabel* lblRaceResultSum_ = nullptr;
    QPushButton* btnRaceRec_ = nullptr;
    QGroupBox* grpRecaculate_ = nullptr;
    DateTimeBox* dtpRaceDate_ = nullptr;
    DateTimeBox* dtpRaceTime_ = nullptr;
    QLabel* lblRecalcDistances_ = nullptr;
    QLabel* lblResultState_ = nullptr;
    QPushButton* btnLockResult_ = nullptr;
    QPushButton* btnUnlockResult_ = nullptr;
    QLineEdit* edtUnlockReason_ = nullptr;
    QChartView* chvArrivals_ = nullptr;
    QChartView* chvSpeeds_ = nullptr;
    QGroupBox* grpHistory_ = nullptr;
    SqlGrid* dbgrdHistory_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
