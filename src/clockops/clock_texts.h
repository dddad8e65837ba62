#pragma once

#include <QString>

// The clock workflows write their memo lines, progress texts and messages in English: the
// race-day log keeps them so and the clock screen's code compares them. This gives a line as
// the secretary reads it, in the interface language: each known line (with its loft numbers,
// rings, clock errors left as they are) is translated, anything else is shown unchanged.
// A text of several lines is translated line by line.
QString ShownClockText(const QString& english);
