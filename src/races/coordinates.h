#pragma once

#include <QString>
#include <optional>

class Prompts;

// Coordinate texts of lofts and liberation points: hemisphere letter, "DDD'MM:SS" and, for
// lofts, ".hh" hundredths. A text whose first character is a blank counts as not set.
// Distances between a loft and a liberation point, and the stored distance pair.

// Messages of the cross-field checks (the latitude one has two blanks before ">").
inline const QString kLongitudeOver60 =
    QStringLiteral(QT_TRANSLATE_NOOP("Races", "Longitude Input Value > 60 !"));
inline const QString kLatitudeOver60 =
    QStringLiteral(QT_TRANSLATE_NOOP("Races", "Latitude Input Value  > 60 !"));

// Checks the minutes and seconds of one coordinate text. Throws UserError with `message` when
// either is 60 or more, and the standard conversion error when a slot is not a whole number.
// A text with blank degrees is not checked.
void CheckCoordText(const QString& text, const QString& message);

// Parses a coordinate text to signed decimal degrees (E and N positive; W, S and "-"
// negative). An empty or blank text gives false without a message; 0 degrees (a loft near the
// Greenwich meridian or the equator) is a coordinate like any other. A part that is not a number
// shows "Invalid character in <part> field in string <text>" and gives false with `degrees` set to
// 0.
bool StrToCoord(const QString& text, long double& degrees, Prompts& prompts);

// Flat-earth distance in kilometres between a loft and a liberation point (decimal degrees).
double CoordDistanceKm(long double loftLat, long double loftLon, long double pointLat,
                       long double pointLon);

// The four coordinates of a loft and a liberation point in decimal degrees, parsed from their
// texts in the order latitude, longitude of the loft, then of the point. Nothing when any of the
// texts is not set (empty or blank in its first position), without a message, or does not parse
// (after the parser's message).
struct LoftPointDegrees {
    long double loftLat = 0, loftLon = 0, pointLat = 0, pointLon = 0;
};
std::optional<LoftPointDegrees> ParseLoftPoint(const QString& loftLon, const QString& loftLat,
                                               const QString& pointLon, const QString& pointLat,
                                               Prompts& prompts);

// Whole metres (truncated) between a loft (its longitude and latitude texts) and a liberation
// point. 0 when any of the four texts is not set (empty or blank in its first position), without
// a message, or does not parse (after the parser's message).
int LoftPointMetres(const QString& loftLon, const QString& loftLat, const QString& pointLon,
                    const QString& pointLat, Prompts& prompts);

// The stored distance pair: miles and yards (imperial, Mode not 0) or kilometres and metres
// (metric, Mode 0).
struct DistPair {
    int miles = 0;
    int yards = 0;
    bool operator==(const DistPair&) const = default;
};

DistPair MetresToDistPair(int metres, int mode);

// The total distance of a pair, in yards (imperial) or metres (metric).
int DistPairToUnits(int miles, int yards, int mode);
