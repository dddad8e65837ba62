#include "live_settings.h"

#include <QSettings>

#include "data/date_time.h"

namespace {
const QString kEnabled = QStringLiteral("LiveBoard/Enabled");
const QString kPort = QStringLiteral("LiveBoard/Port");
const QString kInterface = QStringLiteral("LiveBoard/Interface");
const QString kPoll = QStringLiteral("LiveBoard/PollSeconds");
const QString kRaceCode = QStringLiteral("LiveBoard/RaceCode");
const QString kRaceDate = QStringLiteral("LiveBoard/RaceDate");
}  // namespace

LiveSettings ReadLiveSettings(QSettings& settings) {
    LiveSettings live;
    live.enabled = settings.value(kEnabled, false).toBool();
    bool ok = false;
    const int port = settings.value(kPort, 8080).toInt(&ok);
    live.port = ok && port > 0 && port < 65536 ? port : 8080;
    live.listenOn = settings.value(kInterface).toString() == QLatin1String("local")
                        ? LiveInterface::ThisPcOnly
                        : LiveInterface::ClubNetwork;
    const int poll = settings.value(kPoll, 15).toInt(&ok);
    live.pollSeconds = ok ? qBound(2, poll, 300) : 15;
    live.raceCode = settings.value(kRaceCode).toString();
    live.raceDate = ParseDate(settings.value(kRaceDate).toString());
    if (!live.raceDate.isValid()) {
        live.raceCode.clear();
    }
    return live;
}

void WriteLiveSettings(QSettings& settings, const LiveSettings& live) {
    settings.setValue(kEnabled, live.enabled);
    settings.setValue(kPort, live.port);
    settings.setValue(kInterface, live.listenOn == LiveInterface::ThisPcOnly
                                      ? QStringLiteral("local")
                                      : QStringLiteral("network"));
    settings.setValue(kPoll, live.pollSeconds);
    settings.setValue(kRaceCode, live.raceCode);
    settings.setValue(kRaceDate, live.raceCode.isEmpty() ? QString() : DateText(live.raceDate));
    settings.sync();
}
