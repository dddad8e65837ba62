#include "synch_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "clockops/marking_tab.h"
#include "clockops/result_tab.h"
#include "clockops/sync_tab.h"
#include "clockops/synch_shared.h"

namespace {

// The decoration on the left: a clock face.
QPixmap ClockPicture() {
    QPixmap pixmap(100, 100);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(31, 78, 121), 5));
    p.setBrush(QColor(235, 242, 250));
    p.drawEllipse(QPointF(50, 50), 44, 44);
    p.setPen(QPen(QColor(31, 78, 121), 3));
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(50, 50);
        p.rotate(hour * 30.0);
        p.drawLine(QPointF(0, -36), QPointF(0, -40));
        p.restore();
    }
    p.setPen(QPen(QColor(31, 78, 121), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 50), QPointF(50, 24));
    p.drawLine(QPointF(50, 50), QPointF(68, 60));
    return pixmap;
}

}  // namespace

TfrmSynch_TC::TfrmSynch_TC(AppContext& ctx, QWidget* parent)
    : QWidget(parent), shared_(std::make_unique<SynchShared>(ctx)) {
    setObjectName(QStringLiteral("frmSynch_TC"));
    auto* title = new QLabel(tr("Clock Operation"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont f = title->font();
    f.setPointSize(20);
    f.setBold(true);
    title->setFont(f);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("pnlPicture"));
    picture->setPixmap(ClockPicture());
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
    PageControl1_->addTab(tsMatchIng_, tr("Synchronise Clock"));
    PageControl1_->addTab(tsMarking_, tr("Marked Upload"));
    PageControl1_->addTab(tsCrtTimerTrain_, tr("Result Upload"));
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
    shared_->runner.stopAndWait(ClockRunner::StopReason::ScreenLeft);
}

void TfrmSynch_TC::tabChanged(int index) {
    tsMatchIng_->leave();
    tsMarking_->leave();
    tsCrtTimerTrain_->leave();
    // Only the shown tab's workflow runs: a run of the tab left stops at its next safe point.
    if (shared_->runner.busy()) {
        shared_->runner.requestStop(ClockRunner::StopReason::TabChanged);
    }
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
    shared_->runner.stopAndWait(ClockRunner::StopReason::ScreenLeft);
    event->accept();
}
