#include "pasted_coordinates.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

#include "coordinates.h"
#include "data/errors.h"

namespace {

struct PasteText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};

// Coordinates are computed exactly, in decimal: a value is a whole number of 10^-18 hundredths
// of an arc second, so that rounding half-up to the stored precision never depends on how a
// binary float happens to round "30.125".
using Int = __int128;
constexpr int kScale = 18;

Int Pow10(int n) {
    Int p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

struct Decimal {
    Int mantissa = 0;
    int scale = 0;  // digits after the point
    Int scaled(Int factor) const { return mantissa * factor * Pow10(kScale - scale); }
};

// Digits with an optional fraction ("12", "12.5", ".5", "12."); at most 18 fraction digits.
bool ParseDecimal(const QString& text, Decimal& d) {
    static const QRegularExpression number(QStringLiteral("^([0-9]{0,6})(?:\\.([0-9]{0,18}))?$"));
    const auto m = number.match(text);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty())) {
        return false;
    }
    const QString digits = m.captured(1) + m.captured(2);
    d = {};
    for (QChar c : digits) {
        d.mantissa = d.mantissa * 10 + (c.unicode() - '0');
    }
    d.scale = int(m.captured(2).size());
    return true;
}

struct Coordinate {
    QChar letter;  // N, S, E, W; null when none was given
    bool negative = false;
    bool signGiven = false;
    Decimal parts[3];   // degrees, minutes, seconds
    int next = 0;       // the next part a number without a mark fills
    bool full = false;  // a fraction or the seconds end a coordinate
};

[[noreturn]] void NotAForm(const QString& text) {
    throw UserError(PasteText::tr("Invalid character in %1 field in string %2")
                        .arg(PasteText::tr("degrees"), text));
}

// One text of marks for the many ways people type them.
QString Normalised(const QString& text) {
    QString s;
    for (QChar c : text) {
        switch (c.unicode()) {
            case 0x00BA:  // masculine ordinal, typed for a degree sign
            case 0x02DA:  // ring above
                s += QChar(0x00B0);
                break;
            case 0x2032:  // prime
            case 0x2019:
            case 0x2018:
            case 0x00B4:
            case 0x0060:
                s += QLatin1Char('\'');
                break;
            case 0x2033:  // double prime
            case 0x201D:
            case 0x201C:
                s += QLatin1Char('"');
                break;
            default:
                s += c.isSpace() ? QChar(QLatin1Char(' ')) : c.toUpper();
        }
    }
    s.replace(QStringLiteral("''"), QStringLiteral("\""));
    return s.trimmed();
}

struct Token {
    enum Kind { Number, Letter, Degree, Minute, Second, Separator } kind;
    QString text;  // a number's digits, or the letter
    bool negative = false;
    bool signGiven = false;
};

QList<Token> Tokens(const QString& s, const QString& original) {
    QList<Token> tokens;
    int i = 0;
    const auto isDigit = [&](int at) { return at < s.size() && s.at(at).isDigit(); };
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char(':')) {
            ++i;  // blanks and colons only part the numbers
        } else if (c.isDigit() || c == QLatin1Char('.') ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('+')) &&
                    (isDigit(i + 1) || (i + 1 < s.size() && s.at(i + 1) == QLatin1Char('.'))))) {
            Token t{Token::Number, {}};
            if (!c.isDigit() && c != QLatin1Char('.')) {
                t.signGiven = true;
                t.negative = c == QLatin1Char('-');
                ++i;
            }
            const int start = i;
            while (i < s.size() && (s.at(i).isDigit() || s.at(i) == QLatin1Char('.'))) {
                ++i;
            }
            t.text = s.mid(start, i - start);
            tokens << t;
        } else if (QStringLiteral("NSEW").contains(c)) {
            if (i + 1 < s.size() && s.at(i + 1).isLetter()) {
                NotAForm(original);  // a word, not a hemisphere letter
            }
            tokens << Token{Token::Letter, QString(c)};
            ++i;
        } else if (c == QChar(0x00B0)) {
            tokens << Token{Token::Degree, {}};
            ++i;
        } else if (c == QLatin1Char('\'')) {
            tokens << Token{Token::Minute, {}};
            ++i;
        } else if (c == QLatin1Char('"')) {
            tokens << Token{Token::Second, {}};
            ++i;
        } else if (c == QLatin1Char(',') || c == QLatin1Char(';')) {
            tokens << Token{Token::Separator, {}};
            ++i;
        } else {
            NotAForm(original);
        }
    }
    return tokens;
}

// Degrees, minutes and seconds in any of the usual forms: one or two coordinates.
QList<Coordinate> FreeForm(const QString& s, const QString& original) {
    // "51,5" could be a decimal comma or a pair: only a text with a decimal point uses commas
    // to part numbers without a blank.
    static const QRegularExpression digitCommaDigit(QStringLiteral("[0-9],[0-9]"));
    if (!s.contains(QLatin1Char('.')) && s.contains(digitCommaDigit)) {
        NotAForm(original);
    }
    const QList<Token> tokens = Tokens(s, original);
    QList<Coordinate> coordinates;
    std::optional<Coordinate> current;
    QChar pendingLetter;
    const auto close = [&] {
        if (current) {
            coordinates << *current;
            current.reset();
        }
    };
    for (int i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens.at(i);
        switch (t.kind) {
            case Token::Letter:
                if (current && current->letter.isNull() && current->next > 0) {
                    current->letter = t.text.front();  // a letter after the numbers
                    close();
                } else {
                    close();
                    if (!pendingLetter.isNull()) {
                        NotAForm(original);
                    }
                    pendingLetter = t.text.front();  // a letter before the numbers
                }
                break;
            case Token::Separator:
                close();
                if (!pendingLetter.isNull()) {
                    NotAForm(original);
                }
                break;
            case Token::Degree:
            case Token::Minute:
            case Token::Second:
                NotAForm(original);  // a mark without a number before it
            case Token::Number: {
                int mark = -1;
                if (i + 1 < tokens.size()) {
                    const Token::Kind k = tokens.at(i + 1).kind;
                    if (k == Token::Degree || k == Token::Minute || k == Token::Second) {
                        mark = k - Token::Degree;
                        ++i;
                    }
                }
                int part = mark >= 0 ? mark : current ? current->next : 0;
                if (current && (current->full || part < current->next)) {
                    close();
                }
                if (!current) {
                    current = Coordinate{};
                    current->letter = pendingLetter;
                    pendingLetter = QChar();
                    part = mark >= 0 ? mark : 0;
                    if (part != 0) {
                        NotAForm(original);  // minutes or seconds without degrees
                    }
                }
                if (part > 2) {
                    NotAForm(original);
                }
                Decimal value;
                if (!ParseDecimal(t.text, value)) {
                    NotAForm(original);
                }
                if (t.signGiven) {
                    if (part != 0) {
                        NotAForm(original);
                    }
                    current->signGiven = true;
                    current->negative = t.negative;
                }
                current->parts[part] = value;
                current->next = part + 1;
                current->full = value.scale > 0 || part == 2;
                break;
            }
        }
    }
    close();
    if (!pendingLetter.isNull()) {
        NotAForm(original);
    }
    return coordinates;
}

// The stored form typed or pasted back: degrees, "'", minutes, ":", seconds.
std::optional<Coordinate> StoredForm(const QString& s, const QString& original) {
    static const QRegularExpression stored(QStringLiteral(
        "^([NSEW+-]?) *([0-9]{1,3})' *([0-9]{0,2}) *(?:: *([0-9]{0,2}(?:\\.[0-9]*)?) "
        "*)?([NSEW]?)$"));
    const auto m = stored.match(s);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QString lead = m.captured(1);
    const QString trail = m.captured(5);
    if (!lead.isEmpty() && !trail.isEmpty()) {
        NotAForm(original);
    }
    Coordinate c;
    if (lead == QLatin1String("-") || lead == QLatin1String("+")) {
        c.signGiven = true;
        c.negative = lead == QLatin1String("-");
    } else if (!lead.isEmpty()) {
        c.letter = lead.front();
    } else if (!trail.isEmpty()) {
        c.letter = trail.front();
    }
    for (int p = 0; p < 3; ++p) {
        const QString digits = m.captured(p + 2);
        if (!digits.isEmpty() && !ParseDecimal(digits, c.parts[p])) {
            NotAForm(original);
        }
    }
    return c;
}

CoordinateAxis AxisOfLetter(QChar letter) {
    return letter == QLatin1Char('N') || letter == QLatin1Char('S') ? CoordinateAxis::Latitude
                                                                    : CoordinateAxis::Longitude;
}

CoordinateAxis Other(CoordinateAxis axis) {
    return axis == CoordinateAxis::Latitude ? CoordinateAxis::Longitude : CoordinateAxis::Latitude;
}

QString StoredText(const Coordinate& c, CoordinateAxis axis, CoordinateForm form,
                   const QString& original, bool& rounded) {
    if (c.signGiven && !c.letter.isNull()) {
        NotAForm(original);  // "-51 N": a sign and a letter that may disagree
    }
    const QString over60 = axis == CoordinateAxis::Latitude ? kLatitudeOver60 : kLongitudeOver60;
    const Int sixty = Int(60) * Pow10(kScale);
    if (c.parts[1].scaled(1) >= sixty || c.parts[2].scaled(1) >= sixty) {
        throw UserError(over60);
    }
    // Hundredths of an arc second, times 10^18.
    const Int total = c.parts[0].scaled(360000) + c.parts[1].scaled(6000) + c.parts[2].scaled(100);
    const int limit = axis == CoordinateAxis::Latitude ? 90 : 180;
    if (total > Int(limit) * 360000 * Pow10(kScale)) {
        throw UserError(
            axis == CoordinateAxis::Latitude
                ? PasteText::tr("A latitude cannot be beyond 90\u00B0: %1").arg(original)
                : PasteText::tr("A longitude cannot be beyond 180\u00B0: %1").arg(original));
    }
    const bool negative =
        c.negative || c.letter == QLatin1Char('S') || c.letter == QLatin1Char('W');
    const QChar letter = axis == CoordinateAxis::Latitude ? QLatin1Char(negative ? 'S' : 'N')
                                                          : QLatin1Char(negative ? 'W' : 'E');
    // Half-up to the stored precision: hundredths for a loft, whole seconds for a point.
    const Int unit = form == CoordinateForm::Loft ? Pow10(kScale) : 100 * Pow10(kScale);
    const Int q = (total + unit / 2) / unit;
    rounded = rounded || q * unit != total;
    const long long perSecond = form == CoordinateForm::Loft ? 100 : 1;
    const long long units = (long long)q;
    const long long degrees = units / (3600 * perSecond);
    const long long minutes = units / (60 * perSecond) % 60;
    const long long seconds = units / perSecond % 60;
    QString text = QString(letter) + QStringLiteral("%1'%2:%3")
                                         .arg(degrees, 3, 10, QLatin1Char('0'))
                                         .arg(minutes, 2, 10, QLatin1Char('0'))
                                         .arg(seconds, 2, 10, QLatin1Char('0'));
    if (form == CoordinateForm::Loft) {
        text += QStringLiteral(".%1").arg(units % 100, 2, 10, QLatin1Char('0'));
    }
    return text;
}

}  // namespace

PastedCoordinates ConvertPastedCoordinates(const QString& text, CoordinateAxis axis,
                                           CoordinateForm form) {
    const QString s = Normalised(text);
    if (s.isEmpty()) {
        NotAForm(text);
    }
    QList<Coordinate> coordinates;
    if (const auto stored = StoredForm(s, text)) {
        coordinates << *stored;
    } else {
        coordinates = FreeForm(s, text);
    }
    if (coordinates.isEmpty() || coordinates.size() > 2) {
        NotAForm(text);
    }

    // Which coordinate is which: the letters say; a pair without them is latitude first.
    QList<CoordinateAxis> axes;
    if (coordinates.size() == 1) {
        const QChar l = coordinates.front().letter;
        axes << (l.isNull() ? axis : AxisOfLetter(l));
    } else {
        const QChar a = coordinates.at(0).letter;
        const QChar b = coordinates.at(1).letter;
        const CoordinateAxis first = !a.isNull()   ? AxisOfLetter(a)
                                     : !b.isNull() ? Other(AxisOfLetter(b))
                                                   : CoordinateAxis::Latitude;
        axes << first << Other(first);
        if (!b.isNull() && AxisOfLetter(b) != axes.at(1)) {
            NotAForm(text);  // two latitudes or two longitudes
        }
    }

    PastedCoordinates pasted;
    for (int i = 0; i < coordinates.size(); ++i) {
        const QString stored =
            StoredText(coordinates.at(i), axes.at(i), form, text, pasted.rounded);
        (axes.at(i) == CoordinateAxis::Latitude ? pasted.latitude : pasted.longitude) = stored;
    }
    return pasted;
}

QString PastedCoordinatesNote(const PastedCoordinates& pasted, CoordinateForm form) {
    QStringList texts;
    for (const auto& t : {pasted.latitude, pasted.longitude}) {
        if (t) {
            texts << *t;
        }
    }
    QString note = PasteText::tr("Pasted: %1").arg(texts.join(QStringLiteral("  ")));
    if (pasted.rounded) {
        note += form == CoordinateForm::Loft
                    ? PasteText::tr(" (rounded half-up to hundredths of a second)")
                    : PasteText::tr(" (rounded half-up to whole seconds)");
    }
    return note;
}
