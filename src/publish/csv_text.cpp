#include "csv_text.h"

#include <QRegularExpression>

namespace {

bool PlainNumber(const QString& field) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(field).hasMatch();
}

bool LeadingZeroDigits(const QString& field) {
    static const QRegularExpression digits(QStringLiteral("^0[0-9]+$"));
    return digits.match(field).hasMatch();
}

bool FormulaStart(const QString& field) {
    if (field.isEmpty() || PlainNumber(field)) {
        return false;
    }
    switch (field.front().unicode()) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
            return true;
        default:
            return false;
    }
}

QByteArray CsvField(const QString& typed) {
    QString field = typed;
    if (LeadingZeroDigits(typed)) {
        field = QStringLiteral("=\"") + typed + QLatin1Char('"');
    } else if (FormulaStart(typed)) {
        field = QLatin1Char('\'') + typed;
    }
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                        field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
                        field.contains(QLatin1Char('\t')) || field.startsWith(QLatin1Char(' ')) ||
                        field.endsWith(QLatin1Char(' '));
    if (!quoted) {
        return field.toUtf8();
    }
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + field.toUtf8() + '"';
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
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList& row : rows) {
        bytes += CsvLine(row);
    }
    return bytes;
}
