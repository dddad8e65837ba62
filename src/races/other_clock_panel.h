#pragma once

#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"
#include "manual_times.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;
class SqlGrid;

// "Add/Edit other Clock": the clock readings and arrivals of a member whose clock is not read
// through the antenna, typed in for one race.
class OtherClockPanel : public QWidget {
    Q_OBJECT
  public:
    explicit OtherClockPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the panel for the race `race` (a row of the race list). Throws DbError.
    void open(const QSqlRecord& race);

  private:
    void memberChosen();
    void search();
    void pigeonChosen();
    void pigeonClicked();
    void save();
    void loadPigeons();

    AppContext& ctx_;
    RaceKey race_;
    // The member chosen last; it stays when the panel is opened for another race.
    QString loftNo_;

    QLabel* lblAddOtherClockTitle_ = nullptr;
    QComboBox* cbbLoftNo_OtherClock_ = nullptr;
    QDateEdit* dtpMarkedDate_ = nullptr;
    QTimeEdit* dtpMarkedTime_ = nullptr;
    QDateEdit* dtpMasterDate_ = nullptr;
    QTimeEdit* dtpMasterTime_ = nullptr;
    QDateEdit* dtpMemberDate_ = nullptr;
    QTimeEdit* dtpMemberTime_ = nullptr;
    SqlGrid* dbgrdOtherClock_ = nullptr;
    QLineEdit* edtSearch_ = nullptr;
    QComboBox* cbbSelPigNo_ = nullptr;
    QDateEdit* dtpSelPigDate_ = nullptr;
    QTimeEdit* dtpSelPigTime_ = nullptr;
};
