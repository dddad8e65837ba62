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
QStringList ClubTableNames();
QStringList ColumnNames(const QString& table);
