#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// Ring numbers: how a ring number is composed from its four parts, how it is shown in the ring
// list, and what the entry boxes accept for each country ring code.

// The parts of a ring number as typed in the ring form.
struct RingParts {
    QString country;  // country ring code, e.g. "GB"
    QString year;     // birth year, four digits
    QString letters;  // registration letters
    QString number;   // registration number
};

// Composes the ring number:
//  - "NWHU", "NEHU": country, four-digit year, letters and number joined;
//  - "AU", "IF", "CU", "MX": country, two-digit year, "-", letters, "-", number, the number led
//    by as many "0" as `zeroBaseLength` falls short of 4 (by default the number's own length);
//  - any other code with a number: country, two-digit year, letters and number joined;
//  - any other code without a number: `selectedRingNo` (a ring that has no registration parts,
//    such as one first read from a clock, keeps its number).
QString ComposeRingNumber(const RingParts& parts, const QString& selectedRingNo = {},
                          int zeroBaseLength = -1);

// Throws UserError(kBirthYearError) when the ring number composed from `parts` uses the birth
// year and the year is not four digits (a partial year would compose another ring's number).
void CheckBirthYear(const RingParts& parts);
extern const QString kBirthYearError;

// The ring number as the ring list shows it (the stored value is not changed). Arguments are
// the stored columns PRingNo, RCountry, RYear, RRegLetter and RRegNumber (null allowed).
QString RingDisplayText(const QVariant& ringNo, const QVariant& country, const QVariant& year,
                        const QVariant& letters, const QVariant& number);

// The registration numbers of a range "number" to "upper": every number from the first to the
// last, written with at least as many digits as `number` has. Throws UserError with the
// conversion message when either text is not a whole number, and kRangeRefused when `upper`
// is lower than `number` or more than 255 above it.
QStringList RangeNumbers(const QString& number, const QString& upper);
extern const QString kRangeRefused;

// Sex codes and their names: "Hen" <-> "H", "Cock" <-> "C", anything else "Unknown" / "U".
QString SexCode(const QString& name);
QString SexName(const QVariant& code);

// How choosing a country ring code sets up the letters box and the number limits.
struct CountryRule {
    bool lettersFixed = false;  // letters box set to "-" and disabled
    int maxLetters = 0;         // letters at most (when not fixed)
    int maxNumber = 0;          // number and upper number at most
    QString hint;               // hint of the letters box
};
// The rule of a country ring code, or nothing for a code without a rule (boxes unchanged).
std::optional<CountryRule> CountryRuleFor(const QString& country);

// Whether the letters box accepts the character `ch` while the country ring code box shows
// `country`. A character that is not accepted deletes the character before the cursor.
bool LetterKeyAccepted(const QString& country, QChar ch);

// The registration letters test of "NEHU": one of the association's codes (either case) or
// any text of exactly 5 characters.
bool NehuLettersAccepted(const QString& letters);
extern const QString kNehuLetterError;
