#pragma once

#include <QWidget>

#include "data/app_context.h"
#include "members/member_store.h"
#include "widgets/child_signals.h"

class MemberClockPanel;
class MemberFormPanel;
class MemberListPanel;
class MemberRingPanel;
class QLabel;

// The member screen: the member list, the member form, a member's clocks and a member's rings
// with the ring form and the feather colours, each a panel of its own. The screen shows one
// panel at a time under its title and hands the panels the member chosen in the list.
class TfrmMember_TC : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmMember_TC(AppContext& ctx, QWidget* parent = nullptr);

    // The sort text shared by the screen's three grids; it outlives every screen object.
    static QString& sortText();

  protected:
    void showEvent(QShowEvent* event) override;
    // Leaving the screen with a member or ring form typed and not stored asks whether to save
    // it, leave it unsaved or stay.
    void closeEvent(QCloseEvent* event) override;

  private:
    void showStep();
    void showOnly(QWidget* panel);
    void showList();

    void newMember();
    void editMember();
    void openClockList();
    void openRingList();

    AppContext& ctx_;
    MemberSettings settings_;

    QLabel* lblTitle_;
    MemberListPanel* pnlMem_;
    MemberFormPanel* pnlNewMember_;
    MemberClockPanel* pnlClockList_;
    MemberRingPanel* pnlMemRing_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
