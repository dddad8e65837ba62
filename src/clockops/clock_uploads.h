#pragma once

// The marked upload (which pigeons a clock marked for the chosen race) and the result upload
// (the arrivals of the chosen race, verified and turned into results).

#include <QString>
#include <QStringList>

#include "clockops/clock_session.h"
#include "clockops/clock_sync.h"

class TdmZOLF;

// The race list of both upload tabs: "LiberCode yyyy-MM-dd LiberSiteAbbr" for every race.
QStringList RaceListItems(TdmZOLF& db);

// Choosing a race on the marked upload tab. An item without a liberation code throws
// UserError "Please. Select Race Code !", as does an item that names no stored race.
RaceChoice ChooseMarkingRace(TdmZOLF& db, const QString& item);
// Choosing a race on the result upload tab: the code before the first blank, the date after
// it, the race code from both. The club id stays empty.
RaceChoice ChooseResultRace(const QString& item);

// The marked grid of a race (bind liberation code and date): LoftNo, PRingNo, Sex, ColorType,
// LiberCode, LiberDate, MarkedTime; ordered by loft and ring, or by ring alone after a run.
QString MarkingGridSql(bool byRingOnly);
// The ranking of a race (bind the liberation code and the date text): Rank, LoftNo, PRingNo,
// BackTime, FlyTime, FlySpeed, Dist; fastest first, equal speeds share a place and go by
// arrival.
QString ResultGridSql();

// One marked upload run.
RunResult UploadMarking(ClockRun& run, ClockSession& session, const RaceChoice& race);

// One result upload run: stop times, arrivals, verification, stop times stored.
RunResult UploadResults(ClockRun& run, ClockSession& session, const RaceChoice& race);
// Verifies the arrivals of the session against the race entries and writes the results.
void VerifyArrivals(ClockRun& run, ClockSession& session, const RaceChoice& race);

// A clock's coordinate (thousandths of an arc second) as "E121'10:23.456".
QString FormatDeviceLon(qint64 value);
QString FormatDeviceLat(qint64 value);

// The time variance of a clock in whole seconds from its two stop readings (day counts).
int TimeVariance(double clockStop, double readerStop);
