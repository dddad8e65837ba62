#include "coordinates.h"

#include "data/convert.h"
#include "data/errors.h"

void CheckCoordText(const QString& text, const QString& message) {
    const QString padded = text.leftJustified(10, QLatin1Char(' '));
    if (padded.mid(1, 3) == QLatin1String("   ")) {
        return;
    }
    const int minutes = StrToInt(padded.mid(5, 2));
    if (minutes >= 60) {
        throw UserError(message);
    }
    const int seconds = StrToInt(padded.mid(8, 2));
    if (seconds >= 60) {
        throw UserError(message);
    }
}
