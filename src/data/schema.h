#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The twelve tables of the club database, each with its columns in stored order.
struct ColumnDef {
    const char* name;
    const char* type;  // SQLite column type
};

struct TableDef {
    const char* name;
    std::vector<ColumnDef> columns;
    std::vector<const char*> identity;  // the fields that find one row
    bool identityUnique = true;
};

const std::vector<TableDef>& ClubSchema();

// The one test for "this pigeon is not deleted" in every statement on ZOL_PigData. Every
// insert writes DeleteMark 0 or 1, but files kept by older versions of the program hold rows
// with no DeleteMark at all (and -1 for a set flag); such a row counts as not deleted, so no
// list, count or clock upload skips it. The rows are read as they are: nothing is rewritten
// when a file is opened.
inline const QString kNotDeleted = QStringLiteral("coalesce(DeleteMark,0)=0");
// The same for "still to be sent to the clocks" (SynchFlag): any non-zero value is set, a
// missing one is not.
inline const QString kSynchFlagged = QStringLiteral("coalesce(SynchFlag,0)<>0");
QStringList ClubTableNames();
QStringList ColumnNames(const QString& table);
