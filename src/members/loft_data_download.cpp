#include "loft_data_download.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "clockops/clock_init.h"
#include "data/app_context.h"
#include "data/colours.h"
#include "device/win_api_v8.h"
#include "members/member_store.h"

namespace {

// The banner and its timer, made the first time they are needed.
QLabel* Banner(QWidget* screen) {
    auto* banner = screen->findChild<QLabel*>(QStringLiteral("panelLoftDL"));
    if (banner != nullptr) {
        return banner;
    }
    banner = new QLabel(screen);
    banner->setObjectName(QStringLiteral("panelLoftDL"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("background-color: %1; color: %2; "
                                         "font-size: 16pt; font-weight: bold;")
                              .arg(Palette::MemoSuccess.name(), Palette::MemoText.name()));
    banner->hide();
    auto* timer = new QTimer(screen);
    timer->setObjectName(QStringLiteral("timerDLMsg"));
    timer->setInterval(2000);
    QObject::connect(timer, &QTimer::timeout, banner, [banner, timer] {
        banner->hide();
        timer->stop();
    });
    return banner;
}

}  // namespace

void RunLoftDataDownload(QWidget* screen, AppContext& ctx, const MemberSettings& settings,
                         const QString& loftNo) {
    TWinApiV8 api(ctx.portName, [&ctx](const QString& message) { ctx.prompts.error(message); });
    const ClockInitSettings init{settings.apn, settings.hostSms, settings.timeZoneSeconds,
                                 settings.markedFlag};
    InitialiseClock(api, ctx.db, ctx.prompts, loftNo, init, [screen](const QString& text) {
        QLabel* banner = Banner(screen);
        banner->setText(text);
        banner->setGeometry(0, screen->height() / 2 - 40, screen->width(), 80);
        banner->raise();
        banner->show();
        screen->findChild<QTimer*>(QStringLiteral("timerDLMsg"))->start();
        banner->repaint();
    });
}
