#include "grid_sort.h"

#include <QRegularExpression>

QString NextSortText(const QString& sortText, const QString& field) {
    if (sortText.startsWith(field) && !sortText.contains(QLatin1String(" DESC"))) {
        return field + QLatin1String(" DESC");
    }
    return field + QLatin1String(" ASC");
}

QString SortedQuery(const QString& sql, const QString& sortText, const QStringList& fields) {
    // The sort text comes from column names only; anything else is not applied.
    static const QRegularExpression valid(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*) (ASC|DESC)$"));
    const auto m = valid.match(sortText);
    if (!m.hasMatch() || !fields.contains(m.captured(1), Qt::CaseInsensitive)) {
        return sql;
    }
    // Empty cells first when ascending, last when descending, on either engine.
    return QStringLiteral("select * from (%1) as q order by %2 %3 nulls %4")
        .arg(sql, m.captured(1), m.captured(2),
             m.captured(2) == QLatin1String("ASC") ? QStringLiteral("first")
                                                   : QStringLiteral("last"));
}
