#include "convert.h"

#include <QCoreApplication>

#include "errors.h"

namespace {
struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};
}  // namespace

QString invalidIntegerText(const QString& text) {
    return DataText::tr("'%1' is not a valid integer value").arg(text);
}

QString invalidIntegerText(const QString& field, const QString& text) {
    return DataText::tr("%1: '%2' is not a valid integer value").arg(field, text);
}

namespace {
// Leading blanks are allowed, trailing ones are not (as in "5 " typed into a two-digit slot).
QString withoutLeadingBlanks(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace()) {
        ++i;
    }
    return text.mid(i);
}
}  // namespace

int StrToInt(const QString& text) {
    bool ok = false;
    const QString t = withoutLeadingBlanks(text);
    const int value = t.endsWith(QLatin1Char(' ')) ? 0 : t.toInt(&ok, 10);
    if (!ok) {
        throw UserError(invalidIntegerText(text));
    }
    return value;
}

qint64 StrToInt64(const QString& text) {
    bool ok = false;
    const QString t = withoutLeadingBlanks(text);
    const qint64 value = t.endsWith(QLatin1Char(' ')) ? 0 : t.toLongLong(&ok, 10);
    if (!ok) {
        throw UserError(invalidIntegerText(text));
    }
    return value;
}

int StrToIntDef(const QString& text, int fallback) {
    try {
        return StrToInt(text);
    } catch (const UserError&) {
        return fallback;
    }
}

double StrToFloat(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        throw UserError(DataText::tr("'%1' is not a valid floating point value").arg(text));
    }
    return value;
}

QString ExchangeFileText(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3))
                                            : QString::fromLatin1(bytes);
}
