#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "data/clock.h"
#include "data/data_paths.h"

class TdmZOLF;

// What the Home screen shows a secretary on opening: the club, the race ahead and the race
// just flown, which clocks still lack the latest race list, and how old the last backup is.
// Read from the database and the backup folder each time Home is shown.

struct HomeRace {
    QString liberCode;
    QString site;
    QDate date;
    QString liberTime;      // "HH:mm:ss" as stored, empty when none was entered
    int birdsMarked = 0;    // race entries with a marking time
    int birdsArrived = 0;   // entries with an arrival
    int clocksMarking = 0;  // lofts whose clock was read for marking
    int clocksResults = 0;  // lofts whose clock was read after the race (not typed in)
};

struct HomeFigures {
    QString clubName;
    QString clubId;
    QString association;

    // The first race dated today or later, and the latest one before today.
    std::optional<HomeRace> nextRace;
    std::optional<HomeRace> lastRace;

    // Clocks that hold every race the synchronisation would send them now, out of all known
    // clocks; the others as "loft number, name: clock id".
    int clocks = 0;
    int clocksSynchronised = 0;
    QStringList clocksBehind;
    // The races the synchronisation sends now (dated today or later, changed since they were
    // last sent), and the latest of their changes (invalid when none is known).
    int racesToSend = 0;
    QDateTime raceListChanged;

    // The current automatic backup: the moment of the data it holds (invalid when there is
    // none yet), the club's backup age, and whether it needs the secretary's attention.
    QDateTime lastBackup;
    int backupDays = 0;
    bool backupWarning = false;
};

// Throws DbError when the database refuses a query.
HomeFigures ReadHomeFigures(TdmZOLF& db, const DataPaths& paths, const Clock& clock);

// Whether the backup holding the data of `backup` wants attention: there is none, or it is
// more than `backupDays` calendar days old and the database changed after it (`changed`,
// invalid when unknown counts as changed). A backup that holds the data as it still stands is
// complete, however old.
bool BackupWarning(const QDateTime& backup, const QDateTime& changed, int backupDays,
                   const QDate& today);
