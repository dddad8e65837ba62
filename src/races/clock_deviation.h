#pragma once

#include <QString>
#include <QVariant>

class TdmZOLF;

// A member's clock that ran too fast or too slow against the reader during a race is flagged
// wherever its birds are listed (the result upload's memo, the result list, the ranking, the
// published page), so the secretary notices it before the result goes out. The limit is a club
// setting in seconds.

inline const QString kClockDeviationLimitSetting = QStringLiteral("ClockDeviationLimit");
constexpr int kDefaultClockDeviationLimit = 60;

// The club's limit in whole seconds (60 when never set or not a number of 0 or more).
int ClockDeviationLimit(TdmZOLF& db);

// Whether a clock variation in seconds (an entry's TimeVari; null when the clock was not read)
// is beyond the limit, either way.
bool ClockDeviates(const QVariant& timeVari, int limit);

// The mark put beside the loft of a flagged clock, and the line that explains it.
QString DeviationMark();
QString DeviationLegend(int limit);

// The memo line of a result upload whose clock is beyond the limit.
QString ClockDeviationLine(int variance, int limit);
