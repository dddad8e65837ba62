#include "member_screen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>
#include <QSqlRecord>
#include <QVBoxLayout>

#include "members/member_clock_panel.h"
#include "members/member_form_panel.h"
#include "members/member_list_panel.h"
#include "members/member_panel_parts.h"
#include "members/member_ring_panel.h"

QString& TfrmMember_TC::sortText() {
    return MemberScreenSortText();
}

TfrmMember_TC::TfrmMember_TC(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmMember_TC"));
    auto* layout = new QVBoxLayout(this);
    lblTitle_ = MemberNamed(new QLabel(tr("Member"), this), "lblTitle");
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    layout->addWidget(lblTitle_);
    pnlMem_ = new MemberListPanel(ctx_, settings_, this);
    pnlNewMember_ = new MemberFormPanel(ctx_, this);
    pnlClockList_ = new MemberClockPanel(ctx_, this);
    pnlMemRing_ = new MemberRingPanel(ctx_, this);
    layout->addWidget(pnlMem_, 1);
    layout->addWidget(pnlNewMember_, 1);
    layout->addWidget(pnlClockList_, 1);
    layout->addWidget(pnlMemRing_, 1);
    showOnly(pnlMem_);

    connect(pnlMem_, &MemberListPanel::addRequested, this, [this] { newMember(); });
    connect(pnlMem_, &MemberListPanel::editRequested, this, [this] { editMember(); });
    connect(pnlMem_, &MemberListPanel::clocksRequested, this, [this] { openClockList(); });
    connect(pnlMem_, &MemberListPanel::ringsRequested, this, [this] { openRingList(); });
    connect(pnlNewMember_, &MemberFormPanel::saved, this, [this] {
        pnlMem_->load();
        showList();
    });
    connect(pnlNewMember_, &MemberFormPanel::cancelled, this, [this] { showList(); });
    connect(pnlMemRing_, &MemberRingPanel::showRequested, this, [this] { showOnly(pnlMemRing_); });
}

void TfrmMember_TC::closeEvent(QCloseEvent* event) {
    const bool member = pnlNewMember_->isVisibleTo(this) && pnlNewMember_->hasUnsavedChanges();
    const bool ring = pnlMemRing_->isVisibleTo(this) && pnlMemRing_->hasUnsavedChanges();
    if (member || ring) {
        const Prompts::Answer answer = ctx_.prompts.question(
            member ? tr("The member form holds changes that are not saved. Save them?")
                   : tr("The ring form holds changes that are not saved. Save them?"),
            Prompts::Buttons::YesNoCancel);
        const bool stay = answer == Prompts::Answer::Cancel ||
                          (answer == Prompts::Answer::Yes &&
                           !(member ? pnlNewMember_->saveNow() : pnlMemRing_->saveNow()));
        if (stay) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

void TfrmMember_TC::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] { showStep(); });
    }
}

void TfrmMember_TC::showStep() {
    settings_ = ReadMemberSettings(ctx_.paths.iniFile);
    pnlMemRing_->setCountryCodes(settings_.countryRingCodes);
    pnlMemRing_->fillColours();
    pnlMem_->load();
    showOnly(pnlMem_);
    lblTitle_->setText(tr("Member"));
    pnlMemRing_->setBirthYears(BirthYears(ctx_.clock.today()));
}

void TfrmMember_TC::showOnly(QWidget* panel) {
    // The others are hidden first, so that two panels are never shown at once (the window
    // would grow to hold both).
    for (QWidget* p :
         std::initializer_list<QWidget*>{pnlMem_, pnlNewMember_, pnlClockList_, pnlMemRing_}) {
        if (p != panel) {
            p->hide();
        }
    }
    panel->show();
}

void TfrmMember_TC::showList() {
    lblTitle_->setText(tr("Member"));
    showOnly(pnlMem_);
}

void TfrmMember_TC::newMember() {
    guarded(ctx_.prompts, [this] {
        pnlNewMember_->startNew();
        lblTitle_->setText(tr("Member New Add"));
        showOnly(pnlNewMember_);
        pnlNewMember_->focusFirst();
    });
}

void TfrmMember_TC::editMember() {
    guarded(ctx_.prompts, [this] {
        if (pnlMem_->currentMember().isEmpty()) {
            return;
        }
        pnlNewMember_->startEdit(pnlMem_->currentLoftNo());
        lblTitle_->setText(tr("Member Edit Update"));
        showOnly(pnlNewMember_);
        pnlNewMember_->focusFirst();
    });
}

void TfrmMember_TC::openClockList() {
    guarded(ctx_.prompts, [this] {
        const QSqlRecord member = pnlMem_->currentMember();
        if (member.isEmpty()) {
            return;
        }
        pnlClockList_->open(member.value(QStringLiteral("LoftNo")).toString(),
                            member.value(QStringLiteral("LoftName")).toString());
        showOnly(pnlClockList_);
    });
}

void TfrmMember_TC::openRingList() {
    guarded(ctx_.prompts, [this] {
        const QSqlRecord member = pnlMem_->currentMember();
        if (member.isEmpty()) {
            return;
        }
        showOnly(pnlMemRing_);
        lblTitle_->setText(
            tr("%1's Ring List").arg(member.value(QStringLiteral("LoftName")).toString()));
        pnlMemRing_->open(member);
    });
}
