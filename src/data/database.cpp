#include "database.h"

#include <sqlite3.h>
#include <QAtomicInt>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QSysInfo>
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
#include "server_access.h"
#include "sql_dialect.h"

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

SqlEngine engineOf(const QSqlDriver* driver) {
    return driver != nullptr && driver->dbmsType() == QSqlDriver::PostgreSQL ? SqlEngine::Postgres
                                                                             : SqlEngine::Sqlite;
}

SqlEngine engineOf(const QSqlDatabase& db) {
    return engineOf(db.driver());
}

QString refusal(const QSqlDatabase& db, const QSqlError& error) {
    return RefusalText(engineOf(db), error);
}

QSqlQuery preparedOnly(const QSqlDatabase& db, const QString& sql, bool forwardOnly = true) {
    QSqlQuery q(db);
    // The server driver reads a forward-only result row by row, and then allows no other
    // statement on the connection until it is read to the end; the program runs statements
    // while it reads others, so the server always hands the whole result at once.
    q.setForwardOnly(forwardOnly && engineOf(db) == SqlEngine::Sqlite);
    if (!q.prepare(sql)) {
        throw DbError(refusal(db, q.lastError()), RefusalCode(q.lastError()));
    }
    return q;
}

void execWith(QSqlQuery& q, const QVariantList& params) {
    for (int i = 0; i < params.size(); ++i) {
        q.bindValue(i, params.at(i));
    }
    if (!q.exec()) {
        throw DbError(RefusalText(engineOf(q.driver()), q.lastError()), RefusalCode(q.lastError()));
    }
}

// True for statements the server runs but does not prepare (tables, indexes, savepoints,
// settings); they take no values.
bool isUtility(const QSqlDatabase& db, const QString& sql) {
    if (engineOf(db) != SqlEngine::Postgres) {
        return false;
    }
    static const QRegularExpression utility(
        QStringLiteral("^\\s*(create|drop|alter|savepoint|release|rollback|set|lock|analyze)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return utility.match(sql).hasMatch();
}

void execUtility(const QSqlDatabase& db, const QString& sql) {
    static const QRegularExpression createTable(QStringLiteral("^\\s*create\\s+table\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    // A table or index made when first needed: on the server only its owner may run the
    // statement, even when the table is there already, so it is run only when it is missing.
    static const QRegularExpression ifMissing(
        QStringLiteral("^\\s*create\\s+(?:unique\\s+)?(table|index)\\s+if\\s+not\\s+exists\\s+"
                       "([A-Za-z_][A-Za-z0-9_]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch missing = ifMissing.match(sql);
    if (missing.hasMatch()) {
        QSqlQuery there(db);
        there.prepare(QStringLiteral("select to_regclass(?) is not null"));
        there.bindValue(0, missing.captured(2));
        if (there.exec() && there.next() && there.value(0).toBool()) {
            return;
        }
    }
    QSqlQuery q(db);
    const bool isTable = createTable.match(sql).hasMatch();
    if (!q.exec(isTable ? CreateTableText(engineOf(db), sql) : sql)) {
        throw DbError(refusal(db, q.lastError()), RefusalCode(q.lastError()));
    }
    if (isTable && missing.hasMatch()) {
        // On a server shared by clubs, the new table gets its access rules at once.
        ApplyAccessToNewTable(db, missing.captured(2));
    }
}

// A statement that changes nothing: run twice, it does no harm.
bool IsReading(const QString& sql) {
    return sql.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive);
}

QSqlQuery prepared(const QSqlDatabase& db, const QString& sql, const QVariantList& params,
                   bool forwardOnly = true) {
    if (params.isEmpty() && isUtility(db, sql)) {
        execUtility(db, sql);
        return QSqlQuery(db);
    }
    QSqlQuery q = preparedOnly(db, sql, forwardOnly);
    execWith(q, params);
    return q;
}

QStringList tablesOf(const QSqlDatabase& db) {
    if (engineOf(db) == SqlEngine::Postgres) {
        return db.tables(QSql::Tables);
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
        throw DbError(errorText(q.lastError()));
    }
    QStringList names;
    while (q.next()) {
        names << q.value(0).toString();
    }
    return names;
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
// compare the day of LiberDate, its first ten characters). A file that cannot take them (read
// only, locked) works without. Files of earlier versions keep their indexes on
// substr(LiberDate,1,10) beside these; they do no harm.
void addLookupIndexes(const QSqlDatabase& db) {
    static const char* const indexes[] = {
        "create index if not exists ZOL_PigData_PRingNo on ZOL_PigData (PRingNo)",
        "create index if not exists ZOL_LoftLibPointDist_LoftNo on ZOL_LoftLibPointDist (LoftNo)",
        "create index if not exists KST_PigRaceData_Day on ZOL_PigRaceData "
        "(substr(LiberDate,1,10))",
        "create index if not exists KST_RaceClockTime_Day on ZOL_RaceClockTime "
        "(substr(LiberDate,1,10))",
        // One race's entries (code and day), as the race-day grids and lists read them.
        "create index if not exists KST_PigRaceData_RaceDay on ZOL_PigRaceData "
        "(LiberCode, substr(LiberDate,1,10))",
    };
    // On the server the row number is a column like any other, without an index of its own:
    // the statements that find race entries by it (results worked out arrival by arrival, the
    // ranked lists joined back to their entries) would read the whole table for each.
    static const char* const serverIndexes[] = {
        "create index if not exists KST_PigRaceData_Row on ZOL_PigRaceData (rowid)",
    };
    if (engineOf(db) == SqlEngine::Postgres) {
        for (const char* sql : serverIndexes) {
            try {
                execUtility(db, QLatin1String(sql));
            } catch (const DbError&) {
            }
        }
    }
    for (const char* sql : indexes) {
        if (engineOf(db) == SqlEngine::Postgres) {
            // Only the tables' owner may add them; another login finds them there already.
            try {
                execUtility(db, QLatin1String(sql));
            } catch (const DbError&) {
            }
            continue;
        }
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

QSqlDatabase openServer(const QString& name, const ServerAddress& address) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setUserName(address.user);
    db.setDatabaseName(address.database);
    // No password here: the driver's library takes it from PGPASSWORD or ~/.pgpass. The
    // connection is encrypted whenever the server offers it, or as the link asks.
    db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=Kestrava;sslmode=%1")
                             .arg(address.sslMode));
    if (!db.isValid() || !db.open()) {
        const QString text = ServerOpenFailureText(address, db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw DbError(text);
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("set client_min_messages to warning"));
    // Statements are prepared once and kept. The server would plan a kept statement once for
    // any values after a few runs, and for a race's entries it then guesses the rows of an
    // average race: a race of many arrivals is read as a whole table. Planned with the values
    // each time, it takes the race's own rows.
    q.exec(QStringLiteral("set plan_cache_mode to force_custom_plan"));
    return db;
}

QSqlDatabase openSource(const QString& name, const QString& source) {
    if (IsServerSource(source)) {
        return openServer(name, ParseServerSource(source));
    }
    return openSqlite(name, source, false);
}

// Waits until what was written to `file` is on the disk.
bool SyncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// While another seat holds what an action needs, the program tries again in slices this long;
// in between, the windows repaint and timers run (the user's clicks wait until the action ends).
constexpr int kWaitSliceMs = 50;
// How long one statement of a repeatable action waits for a server lock before the action is
// undone and tried again.
constexpr int kServerSliceMs = 250;
// The file engine's own wait for a busy file, as the driver sets it when it opens the file.
constexpr int kDriverBusyMs = 5000;
// The longest a single server statement outside a repeatable action waits for a lock.
constexpr int kServerStatementWaitMs = 10000;

void WaitAlive(int ms) {
    QElapsedTimer waited;
    waited.start();
    QCoreApplication* app = QCoreApplication::instance();
    const bool windows = app != nullptr && QThread::currentThread() == app->thread();
    do {
        if (windows) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        }
        QThread::msleep(5);
    } while (waited.elapsed() < ms);
}

sqlite3* sqliteHandleOf(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    return handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
               ? *static_cast<sqlite3* const*>(handle.constData())
               : nullptr;
}

// One attempt to take the file for writing at once, waiting a short slice for another
// program's write lock. On failure `error` says why (the file engine's busy code while the
// file is held).
bool TryBeginImmediate(QSqlDatabase& db, QSqlError& error) {
    sqlite3* handle = sqliteHandleOf(db);
    if (handle != nullptr) {
        sqlite3_busy_timeout(handle, kWaitSliceMs);
    }
    QSqlQuery q(db);
    const bool begun = q.exec(QStringLiteral("begin immediate"));
    if (handle != nullptr) {
        sqlite3_busy_timeout(handle, kDriverBusyMs);
    }
    if (!begun) {
        error = q.lastError();
    }
    return begun;
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

QStringList TdmZOLF::IntegrityFaults(const QString& file) {
    const QString name = newConnectionName();
    QStringList faults;
    QString failure;
    {
        QSqlDatabase db = openSqlite(name, file, true);
        QSqlQuery q(db);
        // Every page and index is read; the first hundred faults are plenty to say why.
        if (q.exec(QStringLiteral("pragma integrity_check(100)"))) {
            while (q.next()) {
                const QString line = q.value(0).toString();
                if (line != QLatin1String("ok")) {
                    faults << line;
                }
            }
        } else {
            failure = errorText(q.lastError());
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        throw DbError(DataText::tr("Cannot read the database %1: %2").arg(file, failure));
    }
    return faults;
}

TdmZOLF::TdmZOLF(const QString& databaseFile)
    : file_(IsServerSource(databaseFile) ? databaseFile.trimmed()
                                         : QFileInfo(databaseFile).absoluteFilePath()),
      connectionName_(newConnectionName()),
      seat_(QSysInfo::machineHostName()) {
    if (IsServerSource(file_)) {
        openOnServer();
        return;
    }
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

void TdmZOLF::openOnServer() {
    const ServerAddress address = ParseServerSource(file_);
    file_ = address.url();
    QSqlDatabase db = openServer(connectionName_, address);
    try {
        const QStringList present = tablesOf(db);
        const QStringList missing = missingFrom(present);
        if (present.isEmpty()) {
            // An empty database: the club starts here.
            transaction([&] { createSchema(db); });
        } else if (!missing.isEmpty()) {
            throw DbError(QStringLiteral("The database %1 is not a database of this program; it "
                                         "lacks the tables %2. Nothing was changed in it.")
                              .arg(address.display(), missing.join(QStringLiteral(", "))));
        }
        // The club settings are read inside actions; on the server a read of a missing table
        // would void the action's whole transaction, so the table is there from the start.
        execUtility(db, QStringLiteral("create table if not exists KST_Setting (Name TEXT primary "
                                       "key, Value TEXT)"));
        applyServerLockTimeout();
    } catch (...) {
        close();
        throw;
    }
    addLookupIndexes(db);
}

bool TdmZOLF::isServer() const {
    return IsServerSource(file_);
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
        openSource(connectionName_, file_);
        if (isServer()) {
            applyServerLockTimeout();
        }
    }
}

void TdmZOLF::setSeat(const QString& seat) {
    seat_ = seat.trimmed().isEmpty() ? QSysInfo::machineHostName() : seat.trimmed();
}

void TdmZOLF::setLockWaitLimit(int ms) {
    lockWaitLimitMs_ = qMax(0, ms);
    if (isServer() && isOpen()) {
        applyServerLockTimeout();
    }
}

void TdmZOLF::applyServerLockTimeout() {
    // A seat that keeps rows in an open transaction never stops this one for good.
    tryRaw(QStringLiteral("set lock_timeout = %1")
               .arg(qMax(1, qMin(lockWaitLimitMs_, kServerStatementWaitMs))));
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

void TdmZOLF::mendConnection() {
    // The driver closes a connection it found broken; statements on it then fail without a
    // reason of the server's.
    if (depth_ > 0 || !isServer() || (!lost_ && isOpen())) {
        return;
    }
    close();
    // Throws, in plain words, while the server cannot be reached; the next use tries again.
    reopen();
    lost_ = false;
}

template <typename Work>
auto TdmZOLF::attended(bool repeatable, Work work) -> decltype(work()) {
    if (depth_ == 0) {
        mendConnection();
    }
    try {
        return work();
    } catch (const DbError& e) {
        if (!isServer() || (!IsConnectionLost(e.code()) && isOpen())) {
            throw;
        }
        lost_ = true;
        if (!repeatable || depth_ > 0) {
            if (IsConnectionLost(e.code())) {
                throw;
            }
            const QString lost = QStringLiteral("08006");
            throw DbError(
                RefusalText(SqlEngine::Postgres,
                            QSqlError(QString(), QString(), QSqlError::ConnectionError, lost)),
                lost);
        }
    }
    // The statement changes nothing (a read, or a begin): it runs once more on a new
    // connection.
    mendConnection();
    return work();
}

void TdmZOLF::shielded(const QString& sql, const std::function<void()>& run) {
    // The program's own tables are made when first needed, and a read of one not made yet is
    // taken as "nothing there". On the server such a refusal would void the whole transaction
    // around it, so inside one these statements run in a savepoint of their own.
    if (depth_ == 0 || !isServer() || !sql.contains(QLatin1String("KST_"), Qt::CaseInsensitive)) {
        run();
        return;
    }
    tryRaw(QStringLiteral("savepoint kst_own"));
    try {
        run();
    } catch (...) {
        tryRaw(QStringLiteral("rollback to savepoint kst_own"));
        tryRaw(QStringLiteral("release savepoint kst_own"));
        throw;
    }
    tryRaw(QStringLiteral("release savepoint kst_own"));
}

void TdmZOLF::exec(const QString& sql, const QVariantList& params) {
    attended(false, [&] {
        shielded(sql, [&] {
            if (params.isEmpty() && isUtility(connection(), sql)) {
                execUtility(connection(), sql);
                return;
            }
            runKept(kept(sql), params, [](QSqlQuery&) { return 0; });
        });
    });
}

bool TdmZOLF::tryExec(const QString& sql, const QVariantList& params) {
    if (depth_ == 0) {
        try {
            exec(sql, params);
            return true;
        } catch (const DbError&) {
            return false;
        }
    }
    // Inside a transaction, a refused statement must not take the rest of the transaction
    // with it (the server gives up the whole transaction after any refusal), so it runs in
    // a savepoint of its own.
    tryRaw(QStringLiteral("savepoint kst_try"));
    try {
        exec(sql, params);
    } catch (const DbError&) {
        tryRaw(QStringLiteral("rollback to savepoint kst_try"));
        tryRaw(QStringLiteral("release savepoint kst_try"));
        return false;
    }
    tryRaw(QStringLiteral("release savepoint kst_try"));
    return true;
}

QSqlQuery TdmZOLF::select(const QString& sql, const QVariantList& params, bool forwardOnly) {
    QSqlQuery result;
    attended(IsReading(sql), [&] {
        shielded(sql, [&] { result = prepared(connection(), sql, params, forwardOnly); });
    });
    return result;
}

QVariant TdmZOLF::value(const QString& sql, const QVariantList& params) {
    QVariant result;
    attended(IsReading(sql), [&] {
        shielded(sql, [&] {
            result = runKept(kept(sql), params,
                             [](QSqlQuery& q) { return q.next() ? q.value(0) : QVariant(); });
        });
    });
    return result;
}

QStringList TdmZOLF::texts(const QString& sql, const QVariantList& params) {
    QStringList result;
    attended(IsReading(sql), [&] {
        shielded(sql, [&] {
            result = runKept(kept(sql), params, [](QSqlQuery& q) {
                QStringList out;
                while (q.next()) {
                    out << q.value(0).toString();
                }
                return out;
            });
        });
    });
    return result;
}

QList<QVariantList> TdmZOLF::rows(const QString& sql, const QVariantList& params) {
    QList<QVariantList> result;
    attended(IsReading(sql), [&] {
        shielded(sql, [&] {
            result = runKept(kept(sql), params, [](QSqlQuery& q) {
                QList<QVariantList> out;
                const int columns = q.record().count();
                while (q.next()) {
                    QVariantList row;
                    for (int c = 0; c < columns; ++c) {
                        row << q.value(c);
                    }
                    out << row;
                }
                return out;
            });
        });
    });
    return result;
}

QSqlQuery TdmZOLF::prepare(const QString& sql) {
    return attended(true, [&] { return preparedOnly(connection(), sql); });
}

void TdmZOLF::run(QSqlQuery& statement, const QVariantList& params) {
    execWith(statement, params);
}

QString TdmZOLF::makeScratchTable(const QString& name, const QSqlRecord& like) {
    const SqlEngine engine = isServer() ? SqlEngine::Postgres : SqlEngine::Sqlite;
    QStringList types;
    if (engine == SqlEngine::Postgres) {
        // The server's own names of the result's types, so that each value reads back as it
        // was written (a field of no known type is taken as text).
        QStringList oids;
        for (int i = 0; i < like.count(); ++i) {
            const int oid = like.field(i).typeID();
            oids << QString::number(oid > 0 ? oid : 25);
        }
        types = texts(QStringLiteral("select format_type(t::oid, null) from "
                                     "unnest(string_to_array(?, ',')) with ordinality as u(t, n) "
                                     "order by n"),
                      {oids.join(QLatin1Char(','))});
    } else {
        for (int i = 0; i < like.count(); ++i) {
            types << QString();
        }
    }
    const QString table = ScratchTableName(engine, name);
    // Run once each and not kept: the table is made anew for every query it holds rows of.
    select(QStringLiteral("drop table if exists ") + table);
    select(CreateScratchTableText(engine, name, types));
    return table;
}

int TdmZOLF::rowCount(const QString& sql, const QVariantList& params) {
    return value(QStringLiteral("select count(*) from (%1) as q").arg(sql), params).toInt();
}

void TdmZOLF::transaction(const std::function<void()>& work) {
    QSqlDatabase db = connection();
    if (depth_ > 0) {
        // Inside another action's transaction: this part is kept or undone on its own, and
        // the whole is stored when the outermost action commits.
        const QString mark = QStringLiteral("kst_part_%1").arg(depth_);
        exec(QStringLiteral("savepoint ") + mark);
        ++depth_;
        try {
            work();
        } catch (...) {
            --depth_;
            tryRaw(QStringLiteral("rollback to savepoint ") + mark);
            tryRaw(QStringLiteral("release savepoint ") + mark);
            throw;
        }
        --depth_;
        exec(QStringLiteral("release savepoint ") + mark);
        return;
    }
    attended(true, [&] {
        db = connection();
        begin(db);
    });
    depth_ = 1;
    try {
        work();
    } catch (...) {
        depth_ = 0;
        db.rollback();
        throw;
    }
    depth_ = 0;
    if (!db.commit()) {
        const QString text = refusal(db, db.lastError());
        const QString code = RefusalCode(db.lastError());
        db.rollback();
        if (isServer() && IsConnectionLost(code)) {
            lost_ = true;
        }
        throw DbError(text, code);
    }
}

bool TdmZOLF::beginSteps(QSqlError* error) {
    if (depth_ > 0) {
        if (error != nullptr) {
            *error = QSqlError(QString(), QStringLiteral("A transaction is open."),
                               QSqlError::TransactionError);
        }
        return false;
    }
    try {
        attended(true, [&] {
            QSqlDatabase db = connection();
            if (engineOf(db) == SqlEngine::Sqlite) {
                // The file is taken for writing at once: a deferred transaction that has read
                // cannot wait for another program's write lock and would fail at its first
                // write. While the file is held this fails after a short wait; the caller
                // tries again as long as it sees fit.
                QSqlError refused;
                if (TryBeginImmediate(db, refused)) {
                    return;
                }
                if (IsBusyFileCode(refused.nativeErrorCode())) {
                    // The engine's own words ("database is locked"): the caller says what
                    // waits for it.
                    throw DbError(refused.databaseText(), QStringLiteral("busy"));
                }
                // A file that cannot be written (read only) is still read in a transaction.
            }
            if (!db.transaction()) {
                throw DbError(refusal(db, db.lastError()), RefusalCode(db.lastError()));
            }
        });
    } catch (const DbError& e) {
        if (error != nullptr) {
            // Already in plain words.
            *error = QSqlError(QString(), e.text(), QSqlError::TransactionError, e.code());
        }
        return false;
    }
    depth_ = 1;
    return true;
}

bool TdmZOLF::commitSteps(QSqlError* error) {
    QSqlDatabase db = connection();
    if (depth_ == 0) {
        return true;
    }
    if (!db.commit()) {
        if (error != nullptr) {
            *error = db.lastError();
        }
        if (isServer() && IsConnectionLost(RefusalCode(db.lastError()))) {
            lost_ = true;
        }
        if (isServer()) {
            // The server ends a transaction whose commit it refused.
            db.rollback();
            depth_ = 0;
        }
        return false;
    }
    depth_ = 0;
    return true;
}

void TdmZOLF::rollbackSteps() {
    if (depth_ > 0) {
        connection().rollback();
    }
    depth_ = 0;
}

void TdmZOLF::begin(QSqlDatabase& db) {
    if (engineOf(db) == SqlEngine::Postgres) {
        if (!db.transaction()) {
            throw DbError(refusal(db, db.lastError()), RefusalCode(db.lastError()));
        }
        return;
    }
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QSqlError error;
        if (TryBeginImmediate(db, error)) {
            return;
        }
        if (!IsBusyFileCode(error.nativeErrorCode())) {
            // A file that cannot be written (read only) is still read in a transaction.
            if (!db.transaction()) {
                throw DbError(refusal(db, db.lastError()), RefusalCode(db.lastError()));
            }
            return;
        }
        if (waited.elapsed() >= lockWaitLimitMs_) {
            throw DbError(refusal(db, error), QStringLiteral("busy"));
        }
        WaitAlive(kWaitSliceMs);
    }
}

void TdmZOLF::repeatableTransaction(const std::function<void()>& work) {
    if (depth_ > 0) {
        transaction(work);
        return;
    }
    QElapsedTimer waited;
    waited.start();
    int storedFirst = 0;
    for (;;) {
        try {
            transaction([&] {
                if (isServer()) {
                    // Short waits, so that the windows stay alive between them.
                    exec(QStringLiteral("set local lock_timeout = %1").arg(kServerSliceMs));
                }
                work();
            });
            return;
        } catch (const DbError& e) {
            // A row another seat stored first is seen as stored when the work runs again; a
            // row refused as stored twice more often than that is a fault of the work itself.
            const bool storedTwice = e.code() == QLatin1String("23505") && ++storedFirst > 3;
            if (!IsSeatInTheWay(e.code()) || storedTwice || waited.elapsed() >= lockWaitLimitMs_) {
                throw;
            }
        }
        WaitAlive(kWaitSliceMs);
    }
}

bool TdmZOLF::tryRaw(const QString& sql) {
    QSqlQuery q(connection());
    return q.exec(sql);
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
