#include "convert.h"

#include "errors.h"

QString invalidIntegerText(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

int StrToInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        throw UserError(invalidIntegerText(text));
    }
    return value;
}

int StrToIntDef(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

double StrToFloat(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        throw UserError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    return value;
}
