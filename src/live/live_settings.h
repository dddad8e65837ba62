#pragma once

#include <QDate>
#include <QString>

class QSettings;

// The live board belongs to the PC that serves it: whether it is on, its port, the interface it
// listens on, how often phones ask and which race it shows are kept in this user's settings,
// never in the club's data.

enum class LiveInterface {
    ClubNetwork,  // every address of this PC: phones on the club's network reach it
    ThisPcOnly,   // the loopback address only
};

struct LiveSettings {
    bool enabled = false;
    int port = 8080;
    LiveInterface listenOn = LiveInterface::ClubNetwork;
    int pollSeconds = 15;  // how often a phone page asks for news
    // The race shown; an empty code follows the race being read.
    QString raceCode;
    QDate raceDate;

    bool operator==(const LiveSettings&) const = default;
};

LiveSettings ReadLiveSettings(QSettings& settings);
void WriteLiveSettings(QSettings& settings, const LiveSettings& live);
