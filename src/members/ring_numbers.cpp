#include "ring_numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QVariant>

#include "data/convert.h"
#include "data/errors.h"
#include "data/translate.h"

namespace {
struct MemberText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
}  // namespace

const QString kRangeRefused = QStringLiteral(QT_TRANSLATE_NOOP(
    "Members",
    "The upper registration number must not be lower than the registration number, nor more "
    "than 255 above it. Nothing was stored."));
const QString kNehuLetterError =
    QStringLiteral(QT_TRANSLATE_NOOP("Members", "Registration Letter Input Error!"));
const QString kBirthYearError = QStringLiteral(QT_TRANSLATE_NOOP(
    "Members", "The birth year must have four digits, for example 2025. Nothing was stored."));

namespace {
bool isOneOf(const QString& value, std::initializer_list<const char*> codes) {
    for (const char* code : codes) {
        if (value == QLatin1String(code)) {
            return true;
        }
    }
    return false;
}
}  // namespace

QString ComposeRingNumber(const RingParts& p, const QString& selectedRingNo, int zeroBaseLength) {
    if (isOneOf(p.country, {"NWHU", "NEHU"})) {
        return p.country + p.year + p.letters + p.number;
    }
    const QString yy = p.year.mid(2, 2);
    if (isOneOf(p.country, {"AU", "IF", "CU", "MX"})) {
        const int base = zeroBaseLength < 0 ? int(p.number.size()) : zeroBaseLength;
        const QString zeros(qMax(0, 4 - base), QLatin1Char('0'));
        return p.country + yy + QLatin1Char('-') + p.letters + QLatin1Char('-') + zeros + p.number;
    }
    if (!p.number.isEmpty()) {
        return p.country + yy + p.letters + p.number;
    }
    return selectedRingNo;
}

void CheckBirthYear(const RingParts& p) {
    // Only a code without its own rule and without a number leaves the year out: such a ring
    // keeps the number of the ring selected in the list.
    const bool usesYear =
        isOneOf(p.country, {"NWHU", "NEHU", "AU", "IF", "CU", "MX"}) || !p.number.isEmpty();
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (usesYear && !fourDigits.match(p.year).hasMatch()) {
        throw UserError(Translated("Members", kBirthYearError));
    }
}

QString RingDisplayText(const QVariant& ringNo, const QVariant& country, const QVariant& year,
                        const QVariant& letters, const QVariant& number) {
    if (ringNo.isNull()) {
        return {};
    }
    const QString c = country.toString();
    if (isOneOf(c, {"NWHU", "NEHU"})) {
        return QStringList{c, year.toString(), letters.toString(), number.toString()}.join(
            QLatin1Char(' '));
    }
    if (number.isNull()) {
        return ringNo.toString();
    }
    return QStringList{c, year.toString().mid(2, 2), letters.toString(), number.toString()}.join(
        QLatin1Char(' '));
}

QStringList RangeNumbers(const QString& number, const QString& upper) {
    const int first = StrToInt(number);
    const int last = StrToInt(upper);
    if (last < first || last - first > 255) {
        throw UserError(Translated("Members", kRangeRefused));
    }
    const int width = int(number.size());
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers << QString::number(n).rightJustified(width, QLatin1Char('0'));
    }
    return numbers;
}

QString SexCode(const QString& name) {
    if (name == QLatin1String("Hen")) {
        return QStringLiteral("H");
    }
    if (name == QLatin1String("Cock")) {
        return QStringLiteral("C");
    }
    return QStringLiteral("U");
}

QString SexName(const QVariant& code) {
    const QString c = code.toString();
    if (c == QLatin1String("H")) {
        return QStringLiteral("Hen");
    }
    if (c == QLatin1String("C")) {
        return QStringLiteral("Cock");
    }
    return QStringLiteral("Unknown");
}

std::optional<CountryRule> CountryRuleFor(const QString& country) {
    const QString dash = MemberText::tr("Field value : '-' ");
    if (isOneOf(country, {"BELG", "NL"})) {
        return CountryRule{true, 0, 7, dash};
    }
    if (country == QLatin1String("FR")) {
        return CountryRule{true, 0, 6, dash};
    }
    if (country == QLatin1String("IHU")) {
        return CountryRule{false, 1, 6, MemberText::tr("Field value : 'N' Or 'S'")};
    }
    if (isOneOf(country, {"GB", "NWHU", "WHU", "SU"})) {
        return CountryRule{false, 1, 5, MemberText::tr("Field value : 'A' ~ 'Z'")};
    }
    if (country == QLatin1String("NEHU")) {
        return CountryRule{false, 5, 5, MemberText::tr("Field value : AP,BOR... ")};
    }
    if (country == QLatin1String("DV")) {
        return CountryRule{true, 0, 5, dash};
    }
    return std::nullopt;
}

bool LetterKeyAccepted(const QString& country, QChar ch) {
    const bool letter = (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) ||
                        (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'));
    if (country == QLatin1String("IHU")) {
        return QStringLiteral("NSns").contains(ch);
    }
    if (isOneOf(country, {"GB", "NWHU", "WHU"})) {
        return letter;
    }
    if (country == QLatin1String("SU")) {
        return letter || ch == QLatin1Char('-');
    }
    return true;
}

bool NehuLettersAccepted(const QString& letters) {
    static const QStringList codes = {
        "AP",   "BOR", "BV",  "CD",  "CF", "CLS", "CON", "CR",  "DAR", "DC",  "EC", "FUT", "GF",
        "HAR",  "HET", "HOU", "MDS", "MT", "N",   "NEC", "NOR", "NP",  "NW",  "NY", "SAC", "SED",
        "SHOT", "SP",  "SS",  "SUN", "TD", "TEE", "TN",  "TR",  "TV",  "WAN", "WD", "X",   "Z"};
    if (letters.size() == 5) {
        return true;
    }
    // Each code is accepted as listed or all in lower case.
    return codes.contains(letters) ||
           (letters == letters.toLower() && codes.contains(letters.toUpper()));
}
