#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "publish/race_page.h"

class TdmZOLF;

// What the live board shows members on race day, read from the club's data and written as the
// pages and the small JSON document the server hands out. Nothing here changes data.

struct LiveRace {
    QString liberCode;
    QDate liberDate;
    bool isValid() const { return !liberCode.isEmpty() && liberDate.isValid(); }
    bool operator==(const LiveRace&) const = default;
};

// The race to show: `chosen` when the club has that race; otherwise the race being read: of the
// races liberated on the latest day not after `today`, the one with the latest arrival (then
// the last code). None when no race was flown yet.
LiveRace ChooseLiveRace(TdmZOLF& db, const QDate& today, const LiveRace& chosen = {});

// A few values that change whenever what the board shows of the race may have changed (an
// arrival stored, a clock read, the result locked): cheap enough to ask several times a second.
QString LiveFingerprint(TdmZOLF& db, const LiveRace& race);

struct LiveBoardData {
    QString clubName;
    LiveRace race;
    RacePage page;  // the ranking as the published page shows it, without the charts
    bool final = false;
    int marked = 0;          // birds entered in the race
    int arrived = 0;         // of them with an arrival
    QStringList clocksRead;  // members whose clock was read after the race, as published
    QStringList clocksToRead;
    QStringList arrivalRings;  // rings with an arrival, by arrival time
};
LiveBoardData ReadLiveBoard(TdmZOLF& db, const LiveRace& race);

// Keeps the order in which the board saw arrivals, so that the latest stored are highlighted:
// the arrivals of the first reading in the order they arrived, later ones as they come.
class ArrivalOrder {
  public:
    void update(const LiveRace& race, const QStringList& rings);
    // The last `count` rings seen, the newest first.
    QStringList latest(int count) const;

  private:
    LiveRace race_;
    QStringList order_;
    QHash<QString, int> known_;
};

// Everything the server hands out for one state of the board, made once per change.
struct LiveDocuments {
    QByteArray phonePage;   // "/": phone width first, refreshes itself
    QByteArray screenPage;  // "/screen": the club-room screen
    QByteArray json;        // "/board.json"
    QByteArray etag;        // of the JSON, quoted
};
// `latest`: rings to highlight, newest first. `pollSeconds`: how often the phone page asks.
LiveDocuments RenderLiveBoard(const LiveBoardData& data, const QStringList& latest, int pollSeconds,
                              const QDateTime& readAt);

// The races the board can be set to show, the latest first (the last 40).
QList<LiveRace> LiveRaceChoices(TdmZOLF& db);
