#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

// The data module: owns the one connection to the club database for the whole run.
//
// Every statement takes its values as bound parameters ("?" in the text), never spliced in.
// A statement the database refuses throws DbError with the database's own message. The
// statements of exec(), value(), texts() and rowCount() are prepared once per text and kept,
// so an action that runs one statement for many rows does not prepare it again each time.
class TdmZOLF {
  public:
    // Opens the database file. A file that does not exist yet is created with the twelve
    // tables. On every file the indexes that the ring, distance and race-entry lookups need
    // are added where missing (an index changes no table). An existing file that is not a database
    // of this program (not SQLite, or lacking any table) is refused with a DbError naming what is
    // wrong, and left untouched.
    //
    // A data source "postgresql://USER@HOST:PORT/DATABASE" names a database on a server
    // instead: an empty one gets the tables, one holding the club's tables is used, and one
    // holding other tables is refused the same way. The password comes from the server's usual
    // means (PGPASSWORD, ~/.pgpass). A server that cannot be reached or refuses the user throws
    // a DbError saying so.
    explicit TdmZOLF(const QString& databaseFile);
    ~TdmZOLF();
    TdmZOLF(const TdmZOLF&) = delete;
    TdmZOLF& operator=(const TdmZOLF&) = delete;

    // The database file, or the server address "postgresql://USER@HOST:PORT/DATABASE"; another
    // TdmZOLF opened with it reaches the same database.
    const QString& fileName() const { return file_; }
    // True when the database is on a server rather than in a file.
    bool isServer() const;
    // Expires when this object is destroyed: for objects that keep a pointer to it and may
    // outlive it.
    std::weak_ptr<const void> lifetime() const { return lifetime_; }
    QSqlDatabase connection() const;
    bool isOpen() const;
    void close();
    // Opens the connection again after close() (for example when replacing the file failed).
    void reopen();

    // Runs a statement that returns no rows.
    void exec(const QString& sql, const QVariantList& params = {});
    // Runs a statement and discards any error (for the places where an error is ignored).
    bool tryExec(const QString& sql, const QVariantList& params = {});
    // Runs a query; the result is positioned before the first row. A grid model needs a
    // scrollable result (forwardOnly false).
    QSqlQuery select(const QString& sql, const QVariantList& params = {}, bool forwardOnly = true);
    // First column of the first row, or a null QVariant when there is no row.
    QVariant value(const QString& sql, const QVariantList& params = {});
    // The first column of every row, as texts.
    QStringList texts(const QString& sql, const QVariantList& params = {});
    // Every row with the values of its columns (a few rows, read whole at once).
    QList<QVariantList> rows(const QString& sql, const QVariantList& params = {});
    // A statement prepared once, to be run many times with run() (an import's lines).
    QSqlQuery prepare(const QString& sql);
    // Runs a prepared statement with these values. Throws DbError when it is refused.
    static void run(QSqlQuery& statement, const QVariantList& params);
    // Makes `name` anew as a scratch table of this connection's own (it goes with the
    // connection), with a column c0, c1, ... for each field of `like` (a result of this
    // database) that keeps every value exactly as the query gave it, and whose "rowid" numbers
    // the rows in the order they were stored. Returns the name statements reach it by.
    // Throws DbError.
    QString makeScratchTable(const QString& name, const QSqlRecord& like);
    // Rows of the query, as counted by "select count(*) from (sql)".
    int rowCount(const QString& sql, const QVariantList& params = {});
    // Runs `work` in one transaction: all of it is stored, or (on an exception) none of it.
    // Inside another transaction it is a part of that one, undone on its own on an exception.
    void transaction(const std::function<void()>& work);

    // Like transaction(), for work that does nothing but database work and so may be run again.
    // When another seat is in the way (it holds a row or the file this work needs, its work
    // crossed this one, or it stored the same new row first), everything is undone, the program
    // waits a moment with its windows alive and runs `work` again, until the lock wait limit has
    // passed; then it throws DbError saying that another seat held the data. Inside another
    // transaction it is a plain part of that one.
    void repeatableTransaction(const std::function<void()>& work);
    // A transaction that its owner commits in steps rather than around one piece of work (a
    // clock read stores what it has read every second). While it is open, statements run as
    // parts of it exactly as inside transaction(). Each returns false when the database refused
    // (`error`, when given, says why). A refused commit leaves the transaction open, to be
    // committed again or rolled back; on the server a refused commit has ended it already.
    bool beginSteps(QSqlError* error = nullptr);
    bool commitSteps(QSqlError* error = nullptr);
    void rollbackSteps();
    // The longest time an action waits for another seat before it gives up (30 seconds unless
    // set). A transaction waits for the club file with the windows alive; on the server a single
    // statement outside repeatableTransaction gives up after this time at most.
    void setLockWaitLimit(int ms);
    int lockWaitLimit() const { return lockWaitLimitMs_; }
    // The name under which this seat's saves are recorded, so that another seat can say who
    // changed a row: the computer's host name unless set.
    const QString& seat() const { return seat_; }
    void setSeat(const QString& seat);

    // Writes a consistent copy of the open database to `target` (which must not exist),
    // page by page through SQLite's backup API, and waits until it is on the disk. A copy that
    // fails (a full disk, an unwritable folder) is removed and throws DbError with the reason.
    void backupTo(const QString& target);

    // The club tables that `file` lacks; throws DbError when the file is not an SQLite
    // database. The file is only read.
    static QStringList MissingTables(const QString& file);
    // The number of rows of each of these club tables in `file`, which is only read. Throws
    // DbError when the file cannot be read.
    static QList<qint64> TableRowCounts(const QString& file, const QStringList& tables);
    // What SQLite's own integrity check finds wrong in `file` (damaged pages, broken indexes),
    // one line per fault, empty when the file is sound. The file is only read. Throws DbError
    // when the file cannot be read at all.
    static QStringList IntegrityFaults(const QString& file);

  private:
    void openOnServer();
    bool tryRaw(const QString& sql);
    // Begins the outermost transaction. A club file is taken for writing at once, so that two
    // programs on one file take turns instead of one failing half-way; while another program
    // holds it, the program waits with its windows alive.
    void begin(QSqlDatabase& db);
    void applyServerLockTimeout();
    void shielded(const QString& sql, const std::function<void()>& run);
    // Runs `work`, one statement or the start of an action. Outside any action, a connection
    // the server closed meanwhile (restarted, or the session ended) is made anew first; a
    // `repeatable` statement (one that changes nothing, or a begin) that meets such a
    // connection runs once more on a new one.
    template <typename Work>
    auto attended(bool repeatable, Work work) -> decltype(work());
    // Makes the connection anew after the server closed it.
    void mendConnection();
    // The kept statement for `sql`, prepared on first use.
    QSqlQuery& kept(const QString& sql);

    QString file_;
    QString connectionName_;
    QHash<QString, QSqlQuery> kept_;
    int depth_ = 0;      // transactions open, the outermost first
    bool lost_ = false;  // the server closed the connection; it is made anew before the next use
    int lockWaitLimitMs_ = 30000;
    QString seat_;
    std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
};
