#include "sync_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "clockops/synch_shared.h"

SyncTab::SyncTab(SynchShared& shared, QWidget* parent) : QWidget(parent), shared_(shared) {
    auto* label =
        new QLabel(tr("Please connect your Tamrel to the Club Antenna (ring marker) , then click  "
                      "\"Sync Now\"  \nfor a single clock or \"Auto Sync\" for multiple clock in "
                      "a row."),
                   this);
    label->setObjectName(QStringLiteral("Label2"));
    QFont f = label->font();
    f.setPointSize(12);
    label->setFont(f);
    auto* butSyncNow = new QPushButton(tr("Sync Now"), this);
    butSyncNow->setObjectName(QStringLiteral("butSyncNow"));
    auto* butSyncAuto = new QPushButton(tr("Sync Auto"), this);
    butSyncAuto->setObjectName(QStringLiteral("butSyncAuto"));
    mmoSynch_ = new ClockMemoView(QStringLiteral("mmoSynch"), this);
    timerSync_ = new QTimer(this);
    timerSync_->setObjectName(QStringLiteral("timerSync"));
    timerSync_->setInterval(5000);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(butSyncNow);
    buttons->addWidget(butSyncAuto);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
    layout->addWidget(mmoSynch_, 1);
    layout->addStretch(0);  // holds the text and buttons at the top while the memo is hidden

    connect(butSyncNow, &QPushButton::clicked, this, [this] { syncNow(); });
    connect(butSyncAuto, &QPushButton::clicked, this, [this] {
        automatic_ = true;
        timerSync_->start();
    });
    connect(timerSync_, &QTimer::timeout, this, [this] { tick(); });
}

void SyncTab::leave() {
    timerSync_->stop();
    automatic_ = false;
    memo_.hide();
    mmoSynch_->showMemo(memo_);
}

void SyncTab::syncNow() {
    // A click while a clock is being read starts no second exchange.
    if (shared_.runner.busy()) {
        return;
    }
    shared_.forgetLastClock();
    run(false);
}

void SyncTab::tick() {
    timerSync_->stop();
    if (shared_.runner.busy()) {  // a "Sync Now" run: its memo stays, the next tick comes later
        timerSync_->start();
        return;
    }
    memo_.clear();
    memo_.hide();
    mmoSynch_->showMemo(memo_);
    run(true);
}

void SyncTab::run(bool automatic) {
    shared_.startRun(
        ClockRunner::Workflow::Sync, memo_, mmoSynch_,
        [this, automatic](const ClockRunner::Outcome& outcome) {
            // An unreadable number ends automatic mode; so does leaving the tab.
            if (!outcome.error.isEmpty()) {
                automatic_ = false;
            }
            if (automatic_ && !shared_.closing && (automatic || !timerSync_->isActive())) {
                timerSync_->start();
            }
        });
}
