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
    return QStringLiteral("select * from (%1) order by \"%2\" %3")
        .arg(sql, m.captured(1), m.captured(2));
}
