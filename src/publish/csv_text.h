#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated values as spreadsheets and web tools read them: UTF-8, every line ended by
// CR LF, a field quoted (with its quotes doubled) when it holds a comma, a quote or a line
// break, or begins or ends with a blank.
QByteArray CsvLine(const QStringList& fields);
QByteArray CsvBytes(const QList<QStringList>& rows);
