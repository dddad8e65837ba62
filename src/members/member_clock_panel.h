#pragma once

#include <QWidget>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class QLabel;
class QMenu;
class SqlGrid;

// A member's clocks: serial number, last synchronisation and whether one is due; a clock can
// be deleted from the list's menu.
class MemberClockPanel : public QWidget {
    Q_OBJECT
  public:
    explicit MemberClockPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the clocks of the member `loftNo`, named `loftName` in the title. Throws DbError.
    void open(const QString& loftNo, const QString& loftName);

  private:
    void load();
    void deleteClock();

    AppContext& ctx_;
    QString loftNo_;  // the member whose clock list is open
    QLabel* lblClockListTitle_;
    SqlGrid* dbgrdClockList_;
    QLabel* lblClockListSum_;
    QMenu* rgClockList_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
