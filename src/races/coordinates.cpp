#include "coordinates.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <charconv>
#include <cmath>

#include "data/convert.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/translate.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

void CheckCoordText(const QString& text, const QString& message) {
    const QString padded = text.leftJustified(10, QLatin1Char(' '));
    if (padded.mid(1, 3) == QLatin1String("   ")) {
        return;
    }
    const int minutes = StrToInt(padded.mid(5, 2));
    if (minutes >= 60) {
        throw UserError(Translated("Races", message));
    }
    const int seconds = StrToInt(padded.mid(8, 2));
    if (seconds >= 60) {
        throw UserError(Translated("Races", message));
    }
}

namespace {

const QChar kDegreeSign(0x00B0);
const QChar kAcuteAccent(0x00B4);

// Blanks and control characters are trimmed from both ends.
QString trimmedCoordText(const QString& text) {
    int first = 0;
    int last = text.size() - 1;
    while (first <= last && text.at(first).unicode() <= 0x20) {
        ++first;
    }
    while (last >= first && text.at(last).unicode() <= 0x20) {
        --last;
    }
    return text.mid(first, last - first + 1);
}

bool endsDegrees(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\'') || c == QLatin1Char(',') ||
           c == QLatin1Char(':') || c == kDegreeSign;
}

bool skippedAfterDegrees(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char(':') ||
           c == kDegreeSign || c == kAcuteAccent;
}

bool endsPart(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\'') || c == QLatin1Char(',') ||
           c == QLatin1Char(':') || c == kAcuteAccent;
}

// A whole decimal number: leading blanks, optional sign, digits with an optional "." fraction
// and an optional exponent; "." whatever the locale.
bool parseNumber(const QString& text, long double& value) {
    static const QRegularExpression number(
        QStringLiteral("^ *([+-]?)((?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)$"));
    const auto m = number.match(text);
    if (!m.hasMatch()) {
        return false;
    }
    const QByteArray digits = m.captured(2).toLatin1();
    long double v = 0;
    const auto result = std::from_chars(digits.constData(), digits.constData() + digits.size(), v);
    if (result.ec != std::errc() || result.ptr != digits.constData() + digits.size()) {
        return false;
    }
    value = m.captured(1) == QLatin1String("-") ? -v : v;
    return true;
}

}  // namespace

bool StrToCoord(const QString& text, long double& degrees, Prompts& prompts) {
    QString s = trimmedCoordText(text);
    if (s.isEmpty()) {
        return false;
    }

    static const QString marks = QStringLiteral("-ENSW");
    long double sign = 1;
    QChar mark;
    if (marks.contains(s.front().toUpper())) {
        mark = s.front().toUpper();
        s.remove(0, 1);
    } else if (marks.contains(s.back().toUpper())) {
        mark = s.back().toUpper();
        s.chop(1);
    }
    if (mark == QLatin1Char('-') || mark == QLatin1Char('S') || mark == QLatin1Char('W')) {
        sign = -1;
    }

    s += QLatin1Char(',');
    QString parts[3] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.0")};
    int counter = 0;
    int i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        const bool ends = counter == 0 ? endsDegrees(c) : endsPart(c);
        if (!ends) {
            ++i;
            continue;
        }
        if (counter <= 2) {
            parts[counter] = s.left(i);
        }
        s.remove(0, i + 1);
        while (!s.isEmpty() &&
               (counter == 0 ? skippedAfterDegrees(s.front()) : endsPart(s.front()))) {
            s.remove(0, 1);
        }
        ++counter;
        i = 0;
    }

    static const char* const names[3] = {QT_TRANSLATE_NOOP("Races", "degrees"),
                                         QT_TRANSLATE_NOOP("Races", "minutes"),
                                         QT_TRANSLATE_NOOP("Races", "seconds")};
    long double values[3] = {0, 0, 0};
    for (int p = 0; p < 3; ++p) {
        if (!parseNumber(parts[p], values[p])) {
            prompts.message(RaceText::tr("Invalid character in %1 field in string %2")
                                .arg(RaceText::tr(names[p]), text));
            degrees = 0;
            return false;
        }
    }
    degrees = (values[1] / 60 + values[0] + values[2] / 3600) * sign;
    return true;
}

double CoordDistanceKm(long double loftLat, long double loftLon, long double pointLat,
                       long double pointLon) {
    const long double k = 0.0174532925222222L;
    const double dLat = double(loftLat - pointLat);
    const double dy = double(110.9481458L * dLat);
    const double dLon = double(loftLon - pointLon);
    const double cL = double(std::cos(loftLat * k) * 111.3200144L);
    const double cP = double(std::cos(pointLat * k) * 111.3200144L);
    const double dx = double((static_cast<long double>(cL) + cP) * dLon / 2);
    const double result =
        double(std::sqrt(static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy));
    return result;
}

std::optional<LoftPointDegrees> ParseLoftPoint(const QString& loftLon, const QString& loftLat,
                                               const QString& pointLon, const QString& pointLat,
                                               Prompts& prompts) {
    // A coordinate not set (empty, or blank in its first position, as the empty mask leaves
    // it) gives nothing without a message; a point updated with blank fields stores the empty
    // mask.
    for (const QString* text : {&loftLon, &loftLat, &pointLon, &pointLat}) {
        if (text->isEmpty() || text->front() == QLatin1Char(' ')) {
            return std::nullopt;
        }
    }
    LoftPointDegrees d;
    if (!StrToCoord(loftLat, d.loftLat, prompts) || !StrToCoord(loftLon, d.loftLon, prompts) ||
        !StrToCoord(pointLat, d.pointLat, prompts) || !StrToCoord(pointLon, d.pointLon, prompts)) {
        return std::nullopt;
    }
    return d;
}

int LoftPointMetres(const QString& loftLon, const QString& loftLat, const QString& pointLon,
                    const QString& pointLat, Prompts& prompts) {
    const auto d = ParseLoftPoint(loftLon, loftLat, pointLon, pointLat, prompts);
    if (!d) {
        return 0;
    }
    return int(std::trunc(static_cast<long double>(
                              CoordDistanceKm(d->loftLat, d->loftLon, d->pointLat, d->pointLon)) *
                          1000));
}

DistPair MetresToDistPair(int metres, int mode) {
    if (mode != 0) {
        const long long totalYards = (long long)(std::trunc(metres * 1.093613L));
        return {int(totalYards / 1760), int(totalYards % 1760)};
    }
    return {metres / 1000, metres % 1000};
}

int DistPairToUnits(int miles, int yards, int mode) {
    return mode != 0 ? miles * 1760 + yards : miles * 1000 + yards;
}
