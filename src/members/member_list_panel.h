#pragma once

#include <QSqlRecord>
#include <QWidget>

#include "data/app_context.h"
#include "members/member_store.h"
#include "widgets/child_signals.h"

class QLabel;
class QMenu;
class SqlGrid;

// The member list: the members with their clock counts, the count of members, "AddNew",
// "Print" and the list's action menu. Deleting a member and the loft data download happen
// here; the other actions are asked of the screen.
class MemberListPanel : public QWidget {
    Q_OBJECT
  public:
    // `settings` are the screen's member settings, read each time the screen is shown.
    MemberListPanel(AppContext& ctx, const MemberSettings& settings, QWidget* parent = nullptr);

    // Reads the list again. Throws DbError.
    void load();
    // The member the list marks (empty when none).
    QSqlRecord currentMember() const;
    QString currentLoftNo() const;

  signals:
    void addRequested();
    void editRequested();
    void ringsRequested();
    void clocksRequested();

  private:
    void deleteMember();
    void exportMemberData();
    void eraseMember();

    AppContext& ctx_;
    const MemberSettings& settings_;
    SqlGrid* dbgrdMem_;
    QLabel* lblMemCnt_;
    QMenu* rgMem_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
