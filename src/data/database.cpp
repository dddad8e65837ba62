#include "database.h"

#include <sqlite3.h>
#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>

#include <cerrno>
#include <cstring>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include "errors.h"
#include "schema.h"

namespace {
struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};
}  // namespace

namespace {

QAtomicInt connectionCounter;

QString errorText(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty()) {
        text = error.text();
    }
    return text;
}

QSqlQuery preparedOnly(const QSqlDatabase& db, const QString& sql, bool forwardOnly = true) {
    QSqlQuery q(db);
    q.setForwardOnly(forwardOnly);
    if (!q.prepare(sql)) {
        throw DbError(errorText(q.lastError()));
    }
    return q;
}

void execWith(QSqlQuery& q, const QVariantList& params) {
    for (int i = 0; i < params.size(); ++i) {
        q.bindValue(i, params.at(i));
    }
    if (!q.exec()) {
        throw DbError(errorText(q.lastError()));
    }
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& sql, const QVariantList& params,
                   bool forwardOnly = true) {
    QSqlQuery q = preparedOnly(db, sql, forwardOnly);
    execWith(q, params);
    return q;
}

QStringList missingFrom(const QStringList& present) {
    QStringList missing;
    for (const QString& name : ClubTableNames()) {
        if (!present.contains(name, Qt::CaseInsensitive)) {
            missing << name;
        }
    }
    return missing;
}

void createSchema(const QSqlDatabase& db) {
    for (const TableDef& t : ClubSchema()) {
        QStringList cols;
        for (const ColumnDef& c : t.columns) {
            cols << QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.type));
        }
        prepared(db,
                 QStringLiteral("create table %1 (%2)").arg(QLatin1String(t.name), cols.join(", ")),
                 {});
        QStringList keys;
        for (const char* k : t.identity) {
            keys << QLatin1String(k);
        }
        prepared(db,
                 QStringLiteral("create %1index %2_Identity on %2 (%3)")
                     .arg(t.identityUnique ? QStringLiteral("unique ") : QString(),
                          QLatin1String(t.name), keys.join(", ")),
                 {});
    }
}

// Plain indexes for the lookups that would otherwise read a whole table: a ring number across
// the club, a loft's distance rows, race entries and clock readings by day (the statements
// compare date(LiberDate)). A file that cannot take them (read only, locked) works without.
void addLookupIndexes(const QSqlDatabase& db) {
    static const char* const indexes[] = {
        "create index if not exists ZOL_PigData_PRingNo on ZOL_PigData (PRingNo)",
        "create index if not exists ZOL_LoftLibPointDist_LoftNo on ZOL_LoftLibPointDist (LoftNo)",
        "create index if not exists ZOL_PigRaceData_LiberDay on ZOL_PigRaceData (date(LiberDate))",
        "create index if not exists ZOL_RaceClockTime_LiberDay on ZOL_RaceClockTime "
        "(date(LiberDate))",
        // One race's entries (code and day), as the race-day grids and lists read them.
        "create index if not exists KST_PigRaceData_Race on ZOL_PigRaceData "
        "(LiberCode, date(LiberDate))",
    };
    for (const char* sql : indexes) {
        QSqlQuery q(db);
        q.exec(QLatin1String(sql));
    }
}

QSqlDatabase openSqlite(const QString& name, const QString& file, bool readOnly) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(file);
    if (readOnly) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!db.open()) {
        const QString text = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DbError(DataText::tr("Cannot open the database %1: %2").arg(file, text));
    }
    return db;
}

// Waits until what was written to `file` is on the disk.
bool SyncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QString newConnectionName() {
    return QStringLiteral("kestrava_%1").arg(connectionCounter.fetchAndAddRelaxed(1));
}

}  // namespace

QStringList TdmZOLF::MissingTables(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        throw DbError(DataText::tr("The file %1 does not exist.").arg(file));
    }
    QStringList missing;
    QString failure;
    // Read without the right to write, so that a file of another program is left as it is. A
    // file the program was stopped in the middle of changing (a power cut, a crash) carries the
    // journal that takes it back to its last committed state, which only a connection that may
    // write can apply: then it is read that way, which applies the journal and nothing else.
    for (const bool readOnly : {true, false}) {
        const QString name = newConnectionName();
        bool retry = false;
        {
            QSqlDatabase db = openSqlite(name, file, readOnly);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
                QStringList present;
                while (q.next()) {
                    present << q.value(0).toString();
                }
                missing = missingFrom(present);
                failure.clear();
            } else {
                failure = errorText(q.lastError());
                // The driver gives the extended code (a journal to roll back, a log to recover).
                retry =
                    readOnly && (q.lastError().nativeErrorCode().toInt() & 0xff) == SQLITE_READONLY;
            }
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        if (!retry) {
            break;
        }
    }
    if (!failure.isEmpty()) {
        throw DbError(DataText::tr("%1 is not a database of this program: %2").arg(file, failure));
    }
    return missing;
}

QList<qint64> TdmZOLF::TableRowCounts(const QString& file, const QStringList& tables) {
    const QString name = newConnectionName();
    QList<qint64> counts;
    QString failure;
    {
        QSqlDatabase db = openSqlite(name, file, true);
        for (const QString& table : tables) {
            // Only the program's own table names reach this text, never a typed value.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("select count(*) from %1").arg(table)) || !q.next()) {
                failure = errorText(q.lastError());
                break;
            }
            counts << q.value(0).toLongLong();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        throw DbError(DataText::tr("Cannot read the database %1: %2").arg(file, failure));
    }
    return counts;
}

TdmZOLF::TdmZOLF(const QString& databaseFile)
    : file_(QFileInfo(databaseFile).absoluteFilePath()), connectionName_(newConnectionName()) {
    const bool isNew = !QFileInfo::exists(file_);
    if (!isNew) {
        const QStringList missing = MissingTables(file_);
        if (!missing.isEmpty()) {
            throw DbError(DataText::tr("The database %1 is not a database of this program; it "
                                       "lacks the tables %2. Nothing was changed in it.")
                              .arg(file_, missing.join(QStringLiteral(", "))));
        }
    }
    QSqlDatabase db = openSqlite(connectionName_, file_, false);
    if (isNew) {
        try {
            transaction([&] { createSchema(db); });
        } catch (...) {
            close();
            throw;
        }
    }
    addLookupIndexes(db);
}

TdmZOLF::~TdmZOLF() {
    close();
}

QSqlDatabase TdmZOLF::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool TdmZOLF::isOpen() const {
    return QSqlDatabase::contains(connectionName_) && connection().isOpen();
}

void TdmZOLF::close() {
    kept_.clear();
    if (!QSqlDatabase::contains(connectionName_)) {
        return;
    }
    {
        QSqlDatabase db = connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void TdmZOLF::reopen() {
    if (!isOpen()) {
        if (QSqlDatabase::contains(connectionName_)) {
            QSqlDatabase::removeDatabase(connectionName_);
        }
        openSqlite(connectionName_, file_, false);
    }
}

QSqlQuery& TdmZOLF::kept(const QString& sql) {
    auto it = kept_.find(sql);
    if (it == kept_.end()) {
        constexpr int kKeptStatements = 64;
        if (kept_.size() >= kKeptStatements) {
            kept_.clear();
        }
        it = kept_.insert(sql, preparedOnly(connection(), sql));
    }
    return it.value();
}

namespace {
// Runs a kept statement and hands it to `read`; afterwards the statement is reset, so that it
// holds no rows and blocks nothing until it is run again.
template <typename Read>
auto runKept(QSqlQuery& q, const QVariantList& params, Read read) {
    struct Reset {
        QSqlQuery& q;
        ~Reset() { q.finish(); }
    } reset{q};
    execWith(q, params);
    return read(q);
}
}  // namespace

void TdmZOLF::exec(const QString& sql, const QVariantList& params) {
    runKept(kept(sql), params, [](QSqlQuery&) { return 0; });
}

bool TdmZOLF::tryExec(const QString& sql, const QVariantList& params) {
    try {
        exec(sql, params);
        return true;
    } catch (const DbError&) {
        return false;
    }
}

QSqlQuery TdmZOLF::select(const QString& sql, const QVariantList& params, bool forwardOnly) {
    return prepared(connection(), sql, params, forwardOnly);
}

QVariant TdmZOLF::value(const QString& sql, const QVariantList& params) {
    return runKept(kept(sql), params,
                   [](QSqlQuery& q) { return q.next() ? q.value(0) : QVariant(); });
}

QStringList TdmZOLF::texts(const QString& sql, const QVariantList& params) {
    return runKept(kept(sql), params, [](QSqlQuery& q) {
        QStringList out;
        while (q.next()) {
            out << q.value(0).toString();
        }
        return out;
    });
}

QSqlQuery TdmZOLF::prepare(const QString& sql) {
    return preparedOnly(connection(), sql);
}

void TdmZOLF::run(QSqlQuery& statement, const QVariantList& params) {
    execWith(statement, params);
}

int TdmZOLF::rowCount(const QString& sql, const QVariantList& params) {
    return value(QStringLiteral("select count(*) from (%1)").arg(sql), params).toInt();
}

void TdmZOLF::transaction(const std::function<void()>& work) {
    QSqlDatabase db = connection();
    if (!db.transaction()) {
        throw DbError(errorText(db.lastError()));
    }
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString text = errorText(db.lastError());
        db.rollback();
        throw DbError(text);
    }
}

void TdmZOLF::backupTo(const QString& target) {
    // An empty file is taken as new (the whole-file writer creates its temporary before it
    // hands it over); a file with anything in it is never overwritten.
    if (QFileInfo(target).size() > 0) {
        throw DbError(DataText::tr("The backup %1 already exists.").arg(target));
    }
    const QVariant handle = connection().driver()->handle();
    sqlite3* source = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                          ? *static_cast<sqlite3* const*>(handle.constData())
                          : nullptr;
    if (source == nullptr) {
        throw DbError(DataText::tr("The database is not open."));
    }
    sqlite3* copy = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(target).constData(), &copy,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString failure;
    if (rc == SQLITE_OK) {
        // The copy is renamed into place or removed by its caller, so it needs no journal of
        // its own; it is synced to the disk before it counts as written.
        sqlite3_exec(copy, "pragma journal_mode=off", nullptr, nullptr, nullptr);
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        if (backup == nullptr) {
            rc = sqlite3_errcode(copy);
        } else {
            // All pages in one step, so that the copy is one consistent state of the file. Another
            // program writing the file at that moment makes the step wait a little and try again.
            for (int attempt = 0; attempt < 50; ++attempt) {
                rc = sqlite3_backup_step(backup, -1);
                if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) {
                    break;
                }
                QThread::msleep(100);
            }
            sqlite3_backup_finish(backup);
            if (rc == SQLITE_DONE) {
                rc = sqlite3_errcode(copy);
            }
        }
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        failure = QString::fromUtf8(copy != nullptr ? sqlite3_errmsg(copy) : sqlite3_errstr(rc));
        if (failure.isEmpty() || failure == QLatin1String("not an error")) {
            failure = QString::fromUtf8(sqlite3_errstr(rc));
        }
    }
    if (sqlite3_close(copy) != SQLITE_OK && failure.isEmpty()) {
        failure = DataText::tr("the copy could not be closed");
    }
    if (failure.isEmpty()) {
        QFile written(target);
        if (!written.open(QIODevice::ReadWrite)) {
            failure = written.errorString();
        } else if (!SyncToDisk(written)) {
            failure = QString::fromLocal8Bit(std::strerror(errno));
        }
    }
    if (!failure.isEmpty()) {
        QFile::remove(target);
        throw DbError(DataText::tr("The backup %1 could not be written: %2").arg(target, failure));
    }
}
