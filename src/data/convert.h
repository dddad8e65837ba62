#pragma once

#include <QByteArray>
#include <QString>

// Text-to-number conversions with the program's standard conversion messages.

// A whole number, blanks before it allowed (not after); anything else throws UserError
// "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// The same for 64-bit whole numbers (device times are milliseconds since 1970), with the
// same message.
qint64 StrToInt64(const QString& text);

// Like StrToInt, but a text that is not a whole number gives `fallback`.
int StrToIntDef(const QString& text, int fallback);

// A decimal number with "." as decimal point; anything else throws UserError
// "'<text>' is not a valid floating point value".
double StrToFloat(const QString& text);

// The text of a file exchanged with other programs or written by hand: Latin-1, unless an
// editor saved it as UTF-8 and says so by the byte order mark in front, which is dropped.
QString ExchangeFileText(const QByteArray& bytes);

// The standard conversion message for a text that is not a whole number.
QString invalidIntegerText(const QString& text);
// The same naming the field it was typed in: "Stake: '1O' is not a valid integer value".
QString invalidIntegerText(const QString& field, const QString& text);
