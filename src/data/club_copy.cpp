#include "club_copy.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include "database.h"
#include "errors.h"
#include "schema.h"
#include "whole_file.h"

namespace {
struct CopyText {
    Q_DECLARE_TR_FUNCTIONS(ClubCopy)
};

bool isOwnTable(const QString& name) {
    return name.startsWith(QLatin1String("KST_"), Qt::CaseInsensitive);
}

// The tables a database holds, as it names them.
QStringList tablesIn(TdmZOLF& db) {
    if (db.isServer()) {
        return db.texts(QStringLiteral(
            "select table_name from information_schema.tables where "
            "table_schema=current_schema() and table_type='BASE TABLE' order by table_name"));
    }
    return db.texts(
        QStringLiteral("select name from sqlite_master where type='table' order by name"));
}

QString findIn(const QStringList& names, const QString& name) {
    for (const QString& n : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            return n;
        }
    }
    return {};
}

// The club's twelve tables in their stored order, then the program's own tables the source has.
QStringList tablesToCopy(TdmZOLF& from) {
    const QStringList present = tablesIn(from);
    QStringList tables = ClubTableNames();
    for (const QString& name : present) {
        if (isOwnTable(name)) {
            tables << name;
        }
    }
    return tables;
}

// The columns of a table in stored order; the server's row number column is not among them.
QStringList columnsOf(TdmZOLF& db, const QString& table) {
    if (db.isServer()) {
        return db.texts(QStringLiteral("select column_name from information_schema.columns where "
                                       "table_schema=current_schema() and table_name=? and "
                                       "column_name<>'rowid' order by ordinal_position"),
                        {table.toLower()});
    }
    QStringList names;
    QSqlQuery q = db.select(QStringLiteral("pragma table_info(%1)").arg(table));
    while (q.next()) {
        names << q.value(1).toString();
    }
    return names;
}

// True when a file's table has a column that is its row number (an integer primary key): the
// row number is then stored through that column.
bool hasRowNumberColumn(TdmZOLF& db, const QString& table) {
    QSqlQuery q = db.select(QStringLiteral("pragma table_info(%1)").arg(table));
    int keys = 0;
    bool integerKey = false;
    while (q.next()) {
        if (q.value(5).toInt() > 0) {
            ++keys;
            integerKey =
                q.value(2).toString().compare(QLatin1String("integer"), Qt::CaseInsensitive) == 0;
        }
    }
    return keys == 1 && integerKey;
}

// The club settings. A database set up for several clubs already holds the settings its
// owner's set-up stored (the distance method) before any club is copied into it: the copied
// club's own settings take their place, and one the club's file lacks stays.
bool isSettings(const QString& table) {
    return table.compare(QLatin1String("KST_Setting"), Qt::CaseInsensitive) == 0;
}

qint64 rowsOf(TdmZOLF& db, const QString& table) {
    return db.value(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
}

// The statement that makes one of the program's own tables as the source has it, in a form the
// target takes ("create table if not exists", so that a shared server gives it its access rules).
QString createTextFrom(TdmZOLF& from, const QString& table) {
    if (!from.isServer()) {
        static const QRegularExpression head(
            QStringLiteral("^\\s*create\\s+table\\s+(if\\s+not\\s+exists\\s+)?"),
            QRegularExpression::CaseInsensitiveOption);
        QString sql = from.value(QStringLiteral("select sql from sqlite_master where type='table' "
                                                "and name=?"),
                                 {table})
                          .toString();
        return sql.replace(head, QStringLiteral("create table if not exists "));
    }
    const QStringList keys =
        from.texts(QStringLiteral("select a.attname from pg_index i join pg_attribute a on "
                                  "a.attrelid=i.indrelid and a.attnum=any(i.indkey) where "
                                  "i.indrelid=to_regclass(?) and i.indisprimary "
                                  "order by array_position(i.indkey::int2[], a.attnum)"),
                   {table.toLower()});
    QSqlQuery q =
        from.select(QStringLiteral("select column_name, data_type, is_nullable, is_identity from "
                                   "information_schema.columns where table_schema=current_schema() "
                                   "and table_name=? and column_name<>'rowid' order by "
                                   "ordinal_position"),
                    {table.toLower()});
    QStringList columns;
    bool numberedKey = false;
    while (q.next()) {
        const QString name = q.value(0).toString();
        const QString type = q.value(1).toString();
        if (keys.size() == 1 && keys.first() == name &&
            q.value(3).toString() == QLatin1String("YES")) {
            columns << name + QStringLiteral(" integer primary key autoincrement");
            numberedKey = true;
            continue;
        }
        QString column = name;
        if (type.contains(QLatin1String("int"))) {
            column += QStringLiteral(" integer");
        } else if (type.contains(QLatin1String("double")) || type == QLatin1String("real") ||
                   type == QLatin1String("numeric")) {
            column += QStringLiteral(" real");
        } else {
            column += QStringLiteral(" TEXT");
        }
        if (q.value(2).toString() == QLatin1String("NO")) {
            column += QStringLiteral(" not null");
        }
        columns << column;
    }
    if (!keys.isEmpty() && !numberedKey) {
        columns << QStringLiteral("primary key (%1)").arg(keys.join(QStringLiteral(", ")));
    }
    return QStringLiteral("create table if not exists %1 (%2)")
        .arg(table, columns.join(QStringLiteral(", ")));
}

// The indexes of one of the program's own tables, as statements the target takes.
QStringList indexTextsFrom(TdmZOLF& from, const QString& table) {
    QStringList out;
    if (!from.isServer()) {
        static const QRegularExpression head(
            QStringLiteral("^\\s*create\\s+(unique\\s+)?index\\s+(if\\s+not\\s+exists\\s+)?"),
            QRegularExpression::CaseInsensitiveOption);
        for (QString sql : from.texts(QStringLiteral("select sql from sqlite_master where "
                                                     "type='index' and tbl_name=? and sql is "
                                                     "not null"),
                                      {table})) {
            const bool unique = head.match(sql).captured(1).size() > 0;
            out << sql.replace(head, unique ? QStringLiteral("create unique index if not exists ")
                                            : QStringLiteral("create index if not exists "));
        }
        return out;
    }
    static const QRegularExpression pgHead(QStringLiteral("^CREATE (UNIQUE )?INDEX "));
    static const QRegularExpression method(QStringLiteral(" USING btree "));
    static const QRegularExpression schema(QStringLiteral(" ON [A-Za-z_0-9]+\\."));
    for (QString sql : from.texts(QStringLiteral("select i.indexdef from pg_indexes i where "
                                                 "i.schemaname=current_schema() and "
                                                 "i.tablename=? and not exists (select 1 from "
                                                 "pg_index x where x.indexrelid=to_regclass("
                                                 "i.indexname) and x.indisprimary)"),
                                  {table.toLower()})) {
        const bool unique = !pgHead.match(sql).captured(1).isEmpty();
        sql.replace(pgHead, unique ? QStringLiteral("create unique index if not exists ")
                                   : QStringLiteral("create index if not exists "));
        sql.replace(method, QStringLiteral(" "));
        sql.replace(schema, QStringLiteral(" on "));
        out << sql;
    }
    return out;
}

// Makes the server's counters of a table (its row number, a numbered key) go on after the
// highest number copied, so that the next stored row gets a new one.
void advanceCounters(TdmZOLF& to, const QString& table) {
    const QStringList counters =
        to.texts(QStringLiteral("select column_name from information_schema.columns where "
                                "table_schema=current_schema() and table_name=? and "
                                "is_identity='YES'"),
                 {table.toLower()});
    for (const QString& column : counters) {
        to.value(QStringLiteral("select setval(pg_get_serial_sequence(?, ?), coalesce(max(%1), 0) "
                                "+ 1, false) from %2")
                     .arg(column, table),
                 {table.toLower(), column});
    }
}

qint64 copyRows(TdmZOLF& from, TdmZOLF& to, const QString& table, const QString& targetTable,
                qint64 done, qint64 total, Progress& progress) {
    const QStringList sourceColumns = columnsOf(from, table);
    const QStringList targetColumns = columnsOf(to, targetTable);
    QStringList names;
    for (const QString& column : sourceColumns) {
        const QString there = findIn(targetColumns, column);
        if (there.isEmpty()) {
            throw DbError(CopyText::tr("The table %1 of %2 has no column %3. Nothing was copied.")
                              .arg(targetTable, to.fileName(), column));
        }
        names << there;
    }
    // The row numbers go along, so that the rows keep the order in which they were stored.
    const bool numberThrough = !to.isServer() && hasRowNumberColumn(to, targetTable);
    QStringList insertColumns = names;
    if (!numberThrough) {
        insertColumns.prepend(QStringLiteral("rowid"));
    }
    QStringList marks;
    for (int i = 0; i < insertColumns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    QSqlQuery insert = to.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                                      .arg(targetTable, insertColumns.join(QStringLiteral(", ")),
                                           marks.join(QStringLiteral(", "))));
    QSqlQuery rows = from.select(QStringLiteral("select rowid, %1 from %2 order by rowid")
                                     .arg(sourceColumns.join(QStringLiteral(", ")), table));
    qint64 copied = 0;
    QVariantList values;
    while (rows.next()) {
        values.clear();
        for (int i = numberThrough ? 1 : 0; i <= sourceColumns.size(); ++i) {
            values << rows.value(i);
        }
        TdmZOLF::run(insert, values);
        ++copied;
        if (copied % 500 == 0) {
            progress.step(done + copied, total, targetTable);
        }
    }
    if (to.isServer()) {
        advanceCounters(to, targetTable);
    }
    return copied;
}
}  // namespace

QList<CopiedTable> CopyClubDatabase(TdmZOLF& from, TdmZOLF& to, Progress& progress) {
    const QStringList tables = tablesToCopy(from);
    const QStringList present = tablesIn(to);
    // Nothing on the target may be overwritten or mixed with the copy.
    QList<qint64> sourceRows;
    qint64 total = 0;
    for (const QString& table : tables) {
        const QString there = findIn(present, table);
        if (!there.isEmpty() && !isSettings(table) && rowsOf(to, there) > 0) {
            throw DbError(CopyText::tr("%1 already holds rows in the table %2. A club is copied "
                                       "only into an empty database; nothing was changed.")
                              .arg(to.fileName(), table));
        }
        sourceRows << rowsOf(from, table);
        total += sourceRows.last();
    }
    QList<CopiedTable> counts;
    to.transaction([&] {
        counts.clear();
        qint64 done = 0;
        for (int i = 0; i < tables.size(); ++i) {
            const QString& table = tables.at(i);
            QString target = findIn(present, table);
            if (target.isEmpty()) {
                to.exec(createTextFrom(from, table));
                for (const QString& index : indexTextsFrom(from, table)) {
                    to.exec(index);
                }
                target = table;
            }
            qint64 kept = 0;
            if (isSettings(table)) {
                for (const QString& name :
                     from.texts(QStringLiteral("select Name from %1").arg(table))) {
                    to.exec(QStringLiteral("delete from %1 where Name=?").arg(target), {name});
                }
                kept = rowsOf(to, target);
            }
            progress.step(done, total, target);
            const qint64 copied = copyRows(from, to, table, target, done, total, progress);
            done += copied;
            const CopiedTable count{table, sourceRows.at(i), rowsOf(to, target)};
            if (count.targetRows - kept != count.sourceRows || copied != count.sourceRows) {
                throw DbError(CopyText::tr("The table %1 has %2 rows in %3 but %4 in the copy. "
                                           "Nothing was copied.")
                                  .arg(table)
                                  .arg(count.sourceRows)
                                  .arg(from.fileName())
                                  .arg(count.targetRows));
            }
            counts << count;
        }
        progress.step(total, total);
    });
    if (to.isServer() && !counts.isEmpty()) {
        // The server plans its statements by what it knows of each table; until it has looked
        // at the copied rows it takes them for empty tables and may read a whole table where an
        // index would do (a ring range save took 20 ms instead of 1). It would look by itself
        // later; the copy has it look now. Not being allowed to is no reason to fail the copy.
        QStringList tables;
        for (const CopiedTable& count : counts) {
            tables << count.table;
        }
        to.tryExec(QStringLiteral("analyze ") + tables.join(QStringLiteral(", ")));
    }
    return counts;
}

QList<CopiedTable> CopyClubToFile(TdmZOLF& from, const QString& file, Progress& progress) {
    QList<CopiedTable> counts;
    WriteWholeFileWith(file, [&](const QString& temporaryPath) {
        // The new file is made by the data module itself, with the club's tables.
        QFile::remove(temporaryPath);
        TdmZOLF to(temporaryPath);
        counts = CopyClubDatabase(from, to, progress);
        to.close();
    });
    return counts;
}
