#pragma once

#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"
#include "manual_times.h"
#include "widgets/child_signals.h"

class QComboBox;
class DateTimeBox;
class QLabel;
class QLineEdit;
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
    void fillRings(const QStringList& rings);
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
    DateTimeBox* dtpMarkedDate_ = nullptr;
    DateTimeBox* dtpMarkedTime_ = nullptr;
    DateTimeBox* dtpMasterDate_ = nullptr;
    DateTimeBox* dtpMasterTime_ = nullptr;
    DateTimeBox* dtpMemberDate_ = nullptr;
    DateTimeBox* dtpMemberTime_ = nullptr;
    SqlGrid* dbgrdOtherClock_ = nullptr;
    QLineEdit* edtSearch_ = nullptr;
    QComboBox* cbbSelPigNo_ = nullptr;
    DateTimeBox* dtpSelPigDate_ = nullptr;
    DateTimeBox* dtpSelPigTime_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
