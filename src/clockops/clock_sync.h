#pragma once

// Clock synchronisation: brings a clock's race list and pigeon list up to date from the
// database and reads back the electronic rings the clock gave to the pigeons.

#include <QString>

#include "clockops/clock_session.h"

// The memo texts of the synchronisation.
extern const QString kSyncSuccessText;  // "Clock Synchornize Success !"

// The sex code a clock knows for a stored sex ("H" 0, "C" 1, "U" and anything else 2), and
// back (anything but "0", "1", "2" gives an empty sex).
int SexCodeForClock(const QString& sex);
QString SexFromClock(const QString& code);

// The SaveRace parameter text of a race row and the club record.
QString SaveRaceParams(const QString& clubId, const QString& liberCode, const QString& siteAbbr,
                       qint64 liberationMs, const QString& associationCode,
                       const QString& printCount);
// The SavePigeon parameter text of a pigeon row.
QString SavePigeonParams(const QString& regNumber, const QString& eRing, const QString& colour,
                         const QString& year, const QString& sex);

// One synchronisation run. A value that must be a whole number and is not throws UserError
// with the conversion message; what the run did before stays done. The exclamation sound is
// played through the prompts as the workflow says.
RunResult SyncClock(ClockRun& run, ClockSession& session);
