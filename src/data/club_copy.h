#pragma once

#include <QList>
#include <QString>

#include "progress.h"

class TdmZOLF;

// Moving a club between a file on this PC and a database server: every table of the club (its
// twelve tables and every table of the program's own the club has) is copied row by row, column
// by column by name, in the order the rows were stored, as one transaction on the target.

// The rows of one table on both sides after a copy.
struct CopiedTable {
    QString table;
    qint64 sourceRows = 0;
    qint64 targetRows = 0;
};

// Copies the club in `from` into `to`, which must hold no club rows: a target holding rows in
// any of the club's tables, or in a table of the program's own that the source also has, is
// refused with a DbError naming the table, and left untouched. Settings are the exception: the
// club's settings replace those of the same name the target holds, and the others stay (a
// server set up for several clubs holds its owner's before any club comes). Tables of the
// program's own that
// the target lacks are made there first. Afterwards every table's rows are counted on both
// sides; a difference undoes the whole copy and throws DbError naming the table. Returns the
// counts, table by table.
QList<CopiedTable> CopyClubDatabase(TdmZOLF& from, TdmZOLF& to, Progress& progress);

// The same into a new club file `file` (which is replaced only by a complete copy: until the
// copy has succeeded the previous file of that name, if any, stays as it was).
QList<CopiedTable> CopyClubToFile(TdmZOLF& from, const QString& file, Progress& progress);
