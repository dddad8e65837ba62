#include "synch_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "clockops/marking_tab.h"
#include "clockops/result_tab.h"
#include "clockops/sync_tab.h"
#include "clockops/synch_shared.h"

TfrmSynch_TC::TfrmSynch_TC(AppContext& ctx, QWidget* parent)
    : QWidget(parent), shared_(std::make_unique<SynchShared>(ctx)) {
    setObjectName(QStringLiteral("frmSynch_TC"));
    auto* title = new QLabel(QStringLiteral("Clock Operation"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont f = title->font();
    f.setPointSize(20);
    f.setBold(true);
    title->setFont(f);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("pnlPicture"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(96, 96));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picture->setFixedWidth(120);

    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    tsMatchIng_ = new SyncTab(*shared_, PageControl1_);
    tsMatchIng_->setObjectName(QStringLiteral("tsMatchIng"));
    tsMarking_ = new MarkingTab(*shared_, PageControl1_);
    tsMarking_->setObjectName(QStringLiteral("tsMarking"));
    tsCrtTimerTrain_ = new ResultTab(*shared_, PageControl1_);
    tsCrtTimerTrain_->setObjectName(QStringLiteral("tsCrtTimerTrain"));
    PageControl1_->addTab(tsMatchIng_, QStringLiteral("Synchronise Clock"));
    PageControl1_->addTab(tsMarking_, QStringLiteral("Marked Upload"));
    PageControl1_->addTab(tsCrtTimerTrain_, QStringLiteral("Result Upload"));
    PageControl1_->setCurrentIndex(0);

    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("pbClockRun"));
    bar->setRange(0, 1);
    bar->setValue(0);
    bar->setTextVisible(true);
    bar->setFormat(QString());
    shared_->progressBar = bar;

    auto* right = new QVBoxLayout;
    right->addWidget(PageControl1_, 1);
    right->addWidget(bar);
    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(body, 1);

    connect(PageControl1_, &QTabWidget::currentChanged, this,
            [this](int index) { tabChanged(index); });
}

TfrmSynch_TC::~TfrmSynch_TC() {
    shared_->closing = true;
    shared_->runner.stopAndWait();
}

void TfrmSynch_TC::tabChanged(int index) {
    tsMatchIng_->leave();
    tsMarking_->leave();
    tsCrtTimerTrain_->leave();
    shared_->forgetLastClock();
    if (index == 1) {
        tsMarking_->enter();
    } else if (index == 2) {
        tsCrtTimerTrain_->enter();
    }
}

void TfrmSynch_TC::closeEvent(QCloseEvent* event) {
    // A second request while the first waits for the run is refused; the first goes on.
    if (closing_) {
        event->ignore();
        return;
    }
    closing_ = true;
    shared_->closing = true;
    tsMatchIng_->leave();
    tsMarking_->leave();
    tsCrtTimerTrain_->leave();
    shared_->runner.stopAndWait();
    event->accept();
}
