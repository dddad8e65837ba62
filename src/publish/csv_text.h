#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated values as spreadsheets and web tools read them: UTF-8 beginning with a
// byte-order mark (so that a spreadsheet program reads "Müller" as typed without asking), every
// line ended by CR LF, a field quoted (with its quotes doubled) when it holds a comma, a quote or
// a line break, or begins or ends with a blank.
//
// A spreadsheet program opens every field as typed text, never as a formula or a changed number:
//  - a text that begins with "=", "+", "-", "@", a tab or a carriage return (and is not a plain
//    number such as "-0.65") is written with an apostrophe before it, so that a loft named
//    "=HYPERLINK(...)" shows that name and opens nothing;
//  - digits with a leading zero ("0101", a loft or ring number) are written as the text formula
//    ="0101", so that the zero stays.
QByteArray CsvLine(const QStringList& fields);
// The whole file: the byte-order mark, then the lines.
QByteArray CsvBytes(const QList<QStringList>& rows);
