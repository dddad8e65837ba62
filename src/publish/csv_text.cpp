#include "csv_text.h"

namespace {

QByteArray CsvField(const QString& field) {
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                        field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
                        field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' '));
    if (!quoted) {
        return field.toUtf8();
    }
    QString text = field;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

}  // namespace

QByteArray CsvLine(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

QByteArray CsvBytes(const QList<QStringList>& rows) {
    QByteArray bytes;
    for (const QStringList& row : rows) {
        bytes += CsvLine(row);
    }
    return bytes;
}
