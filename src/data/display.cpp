#include "display.h"

#include "database.h"

QString DistanceCellText(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    const qlonglong n = value.toLongLong();
    QString digits = QString::number(n < 0 ? -n : n);
    for (int i = digits.size() - 3; i > 0; i -= 3) {
        digits.insert(i, QLatin1Char(','));
    }
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString LoftNameCellText(TdmZOLF& db, const QVariant& loftNo) {
    if (loftNo.isNull()) {
        return {};
    }
    return db
        .value(QStringLiteral("select LoftName from ZOL_LoftData where LoftNo=?"),
               {loftNo.toString()})
        .toString();
}
