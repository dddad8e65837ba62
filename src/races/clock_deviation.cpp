#include "clock_deviation.h"

#include <cstdlib>

#include "data/club_settings.h"

int ClockDeviationLimit(TdmZOLF& db) {
    bool ok = false;
    const int limit = ClubSetting(db, kClockDeviationLimitSetting).trimmed().toInt(&ok);
    return ok && limit >= 0 ? limit : kDefaultClockDeviationLimit;
}

bool ClockDeviates(const QVariant& timeVari, int limit) {
    if (timeVari.isNull() || !timeVari.isValid()) {
        return false;
    }
    bool ok = false;
    const qlonglong v = timeVari.toLongLong(&ok);
    return ok && std::llabs(v) > limit;
}

QString DeviationMark() {
    return QStringLiteral("(!)");
}

QString DeviationLegend(int limit) {
    return QStringLiteral("(!) the clock was more than %1 s fast or slow at the check").arg(limit);
}

QString ClockDeviationLine(int variance, int limit) {
    return QStringLiteral("Clock deviation %1%2 s is beyond the club's limit of %3 s !")
        .arg(variance > 0 ? QStringLiteral("+") : QString())
        .arg(variance)
        .arg(limit);
}
