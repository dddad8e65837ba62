#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "coordinates.h"

class TdmZOLF;
class Prompts;

// How a loft's distance from a liberation point is computed from their coordinates. The club
// chooses on the Setup screen; the choice is stored with the club's data (KST_Setting), so a
// backup or a copy of the database carries it.
enum class DistanceMethod {
    Flat,      // the flat-earth rule of the federation distance files: the default
    Geodesic,  // the shortest path on the WGS84 ellipsoid
};

// The method's name as the Setup screen lists it and printed headings name it.
QString DistanceMethodName(DistanceMethod method);
// The text stored for the method ("flat", "geodesic"), and back; nothing for another text.
QString DistanceMethodKey(DistanceMethod method);
std::optional<DistanceMethod> DistanceMethodFromKey(const QString& key);

// The club's method: Flat until the club chooses otherwise (also for a stored text this
// program does not know).
DistanceMethod ClubDistanceMethod(TdmZOLF& db);
// Stores the club's method. Changes no distance: loft distances follow only when they are
// updated, and a flown race only when it is recalculated. Throws DbError.
void SetClubDistanceMethod(TdmZOLF& db, DistanceMethod method);

// Metres along the WGS84 geodesic between two positions in decimal degrees (north and east
// positive).
double GeodesicMetres(double lat1, double lon1, double lat2, double lon2);

// Metres between a loft and a liberation point (decimal degrees) by the method, not rounded.
double CoordDistanceMetres(DistanceMethod method, long double loftLat, long double loftLon,
                           long double pointLat, long double pointLon);

// The international yard, in metres.
inline constexpr double kMetresPerYard = 0.9144;

// The one place a race distance is computed from coordinate texts: the stored pair of a loft
// (its longitude and latitude texts) from a liberation point, in the club's unit mode.
//  - Flat: whole metres truncated, then converted as the federation files do (metric pair, or
//    yards with the factor 1.093613); exactly as the distances were always computed.
//  - Geodesic: whole metres truncated (metric), or whole international yards truncated from
//    the unrounded metres (imperial).
// A coordinate that is not set or does not parse gives 0 0, as LoftPointMetres does (after the
// parser's message).
DistPair LoftPointDistPair(DistanceMethod method, int mode, const QString& loftLon,
                           const QString& loftLat, const QString& pointLon, const QString& pointLat,
                           Prompts& prompts);
// The same from the four coordinates already parsed (an update parses each loft and the
// liberation point once).
DistPair DegreesDistPair(DistanceMethod method, int mode, const LoftPointDegrees& degrees);

// Where the loft distance rows of a liberation code last came from: the method of the last
// distance update, or a distance file. Rows never computed since this was first recorded (or
// typed in) count as Flat, the only rule the update ever used before.
// Typed: at least one distance of the code was typed into the grid since the rows were last
// computed or read.
enum class DistanceSource { Flat, Geodesic, File, Typed };
DistanceSource LoftDistanceSource(TdmZOLF& db, const QString& liberCode);
// Records the source of a code's rows (called by the update and by a distance file). Throws
// DbError.
void SetLoftDistanceSource(TdmZOLF& db, const QString& liberCode, DistanceSource source);
QString DistanceSourceName(DistanceSource source);

// The line that printed distance lists and results carry: "Distances : " and the source of
// the code's rows.
QString DistancesLine(TdmZOLF& db, const QString& liberCode);

// The same for the rows of one code, or of every code: one source, or each source with the
// codes whose rows came from it ("Distances : WGS84 geodesic (A1, B2); from a distance file
// (C3)").
QString DistancesLineOf(TdmZOLF& db, const std::optional<QString>& liberCode);

// What the recalculation of a race will use: the source of its code's loft distances, and a
// reminder when the club's method differs from it (the rows change only through the update).
QString RecalculationDistancesNote(TdmZOLF& db, const QString& liberCode);

// The number of the race's clocked entries whose stored distance differs from their loft's
// current distance row: entries flown before the rows changed and not recalculated since.
int EntriesWithEarlierDistances(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// The distance line of a race's printed result: the source of the rows, and a note when some
// entries still carry the distances they were flown with before the rows changed.
QString RaceResultDistancesLine(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// Creates the table(s) of where each site's distances came from when missing. They are otherwise
// made when first written; a shared server's owner makes them all beforehand, since the clubs'
// logins cannot.
void CreateDistanceSourceTable(TdmZOLF& db);
