#include "settings_ini.h"

#include <QFile>

#include "convert.h"

ZolfIni::ZolfIni(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    // The file is written by hand in the system code page, or saved as UTF-8 with a byte order
    // mark in front of the first section.
    const QString text = ExchangeFileText(file.readAll());
    bool inSection = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2)
                            .trimmed()
                            .compare(QLatin1String("Parameter"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (inSection && eq > 0) {
            QString value = line.mid(eq + 1).trimmed();
            // A value written in quotes ("internet" or 'internet') reads without them.
            if (value.size() >= 2 &&
                (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
                value.back() == value.front()) {
                value = value.mid(1, value.size() - 2);
            }
            entries_.append({line.left(eq).trimmed(), value});
        }
    }
}

QString ZolfIni::value(const QString& key) const {
    for (const auto& [k, v] : entries_) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            return v;
        }
    }
    return {};
}

QStringList ZolfIni::countryRingCodes() const {
    QStringList codes;
    for (const QString& part : value(QStringLiteral("CountryRingCode")).split(QLatin1Char(','))) {
        // Upper case, as the box shows them and the country rules name them.
        const QString code = part.trimmed().toUpper();
        if (!code.isEmpty()) {
            codes << code;
        }
    }
    return codes;
}

QString ZolfIni::timeZone() const {
    const QString v = value(QStringLiteral("TimeZone"));
    return v.isEmpty() ? QStringLiteral("0") : v;
}

QString ZolfIni::markedFlag() const {
    const QString v = value(QStringLiteral("MarkedFlag"));
    return v.isEmpty() ? QStringLiteral("0") : v;
}
