#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class TdmZOLF;

// Writes many rows with a few statements instead of one statement per row: the rows go in
// groups as a list of value rows "(?,?,...),(?,?,...)" placed between `head` and `tail`, so
// that each statement carries up to `perStatement` rows. For example
//   head "insert into T (a, b) values ", tail ""
// or, to update from a list of rows (their columns named column1, column2, ... on both
// engines; a value compared with or stored into a number column wants a cast on the server,
// where the list's values are texts),
//   head "update T set b=v.column2 from (values ", tail ") as v where T.a=v.column1".
// Every row must have the same number of values. Runs in the caller's transaction; throws
// DbError when a statement is refused.
void ExecRowBatches(TdmZOLF& db, const QString& head, const QString& tail,
                    const QList<QVariantList>& rows, int perStatement = 200);
