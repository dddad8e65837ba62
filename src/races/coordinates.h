#pragma once

#include <QString>

// Coordinate texts of lofts and liberation points: hemisphere letter, "DDD'MM:SS" and, for
// lofts, ".hh" hundredths. A text whose first character is a blank counts as not set.

// Messages of the cross-field checks (the latitude one has two blanks before ">").
inline const QString kLongitudeOver60 = QStringLiteral("Longitude Input Value > 60 !");
inline const QString kLatitudeOver60 = QStringLiteral("Latitude Input Value  > 60 !");

// Checks the minutes and seconds of one coordinate text. Throws UserError with `message` when
// either is 60 or more, and the standard conversion error when a slot is not a whole number.
// A text with blank degrees is not checked.
void CheckCoordText(const QString& text, const QString& message);
