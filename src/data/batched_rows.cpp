#include "batched_rows.h"

#include <QStringList>
#include <algorithm>

#include "database.h"

void ExecRowBatches(TdmZOLF& db, const QString& head, const QString& tail,
                    const QList<QVariantList>& rows, int perStatement) {
    if (rows.isEmpty()) {
        return;
    }
    const qsizetype columns = rows.first().size();
    const QString row = QLatin1Char('(') +
                        QStringList(columns, QStringLiteral("?")).join(QLatin1Char(',')) +
                        QLatin1Char(')');
    // At most a few thousand values to a statement: both engines take far more, and the
    // statement text of a full group is prepared once and kept.
    const qsizetype group = std::max<qsizetype>(
        1, std::min<qsizetype>(perStatement, 4000 / std::max<qsizetype>(1, columns)));
    for (qsizetype start = 0; start < rows.size(); start += group) {
        const qsizetype count = std::min(group, rows.size() - start);
        QVariantList values;
        values.reserve(count * columns);
        for (qsizetype i = start; i < start + count; ++i) {
            values += rows.at(i);
        }
        db.exec(head + QStringList(count, row).join(QLatin1Char(',')) + tail, values);
    }
}
