#pragma once

#include <QString>
#include <optional>

// Coordinates as people have them (copied from a map, a GPS or a federation list) turned into
// the text form a coordinate box stores:
//  - decimal degrees, alone or as a latitude, longitude pair: "51.208444, 4.387556",
//    "-0.5", "51.208444 N 4.387556 E", "N 51.208444 E 4.387556";
//  - degrees, minutes and seconds (or decimal minutes) with the usual marks or blanks:
//    "N 51°12'30.40\" E 4°23'15.20\"", "51 12 30.4 N", "51°12.507'N", "51:12:30.4";
//  - the stored form itself: "N051'12:30.40", "E121'", "121'30:00W".
// The hemisphere letter (N, S, E, W, before or after the numbers) or a minus sign gives the
// sign; a letter also says which coordinate it is. A pair without letters is latitude first,
// as maps give it; a single coordinate without a letter is the box's own.

enum class CoordinateAxis { Latitude, Longitude };

// The stored forms: a liberation point keeps whole seconds ("N050'00:00", 10 characters), a
// member loft hundredths of a second ("N051'30:00.00").
enum class CoordinateForm { Point, Loft };

struct PastedCoordinates {
    std::optional<QString> latitude;   // the stored text for the latitude box, when given
    std::optional<QString> longitude;  // the same for the longitude box
    bool rounded = false;              // the text had more precision than the stored form
};

// Converts a pasted text for a box of `axis` in `form`, rounding half-up to the stored
// precision. Throws UserError:
//  - a text that is none of the forms: "Invalid character in degrees field in string <text>";
//  - minutes or seconds of 60 or more: "Latitude Input Value  > 60 !" or "Longitude Input
//    Value > 60 !";
//  - a latitude beyond 90° or a longitude beyond 180°.
PastedCoordinates ConvertPastedCoordinates(const QString& text, CoordinateAxis axis,
                                           CoordinateForm form);

// What the boxes now hold, for the user to see: "Pasted: N051'12:30.40  E004'23:15.20", with
// "(rounded half-up to hundredths of a second)" or "(... to whole seconds)" when rounded.
QString PastedCoordinatesNote(const PastedCoordinates& pasted, CoordinateForm form);
