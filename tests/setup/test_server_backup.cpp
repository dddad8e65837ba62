// Backups of a club database on a server: written by pg_dump and loaded again by pg_restore.
// The cases that need a server run when the tests are pointed at one (KESTRAVA_TEST_POSTGRES).
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "data/backup_copy.h"
#include "data/server_backup.h"
#include "setup/club_setup.h"
#include "test_context.h"

namespace {

// Gives the club a record and one loft and backs it up on demand as "saved_260615.Bak" in the
// test folder; the backup's path, or an empty text (and a failed test) when it could not be made.
QString SeededBackup(TestContext& t) {
    t.db->exec(
        QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Street, AssociationCode) "
                       "values ('HF','Harbour Flyers','Old Road','NRPU')"));
    t.db->exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values ('001','Ann')"));
    const QString chosen = t.root.filePath(QStringLiteral("saved"));
    QString reason;
    if (!BackupOnDemand(*t.db, chosen, t.clock.today(), &reason)) {
        QTest::qFail(qPrintable(reason), __FILE__, __LINE__);
        return {};
    }
    return OnDemandBackupName(chosen, t.clock.today());
}

QString Street(TdmZOLF& db) {
    return db.value(QStringLiteral("select Street from ZOL_ClubData")).toString();
}

// Runs a statement on a server database on a connection of its own.
void OnServer(const QString& url, const QString& sql) {
    const ServerAddress a = ParseServerSource(url);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("raw"));
        db.setHostName(a.host);
        db.setPort(a.port);
        db.setUserName(a.user);
        db.setDatabaseName(a.database);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(sql));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

// Names a folder for the PostgreSQL client programs for the life of the object.
struct ToolFolder {
    explicit ToolFolder(const QString& folder) { qputenv("KESTRAVA_PG_BIN", folder.toUtf8()); }
    ~ToolFolder() { qunsetenv("KESTRAVA_PG_BIN"); }
};

}  // namespace

class TestServerBackup : public QObject {
    Q_OBJECT
  private slots:
    void failingDumpIsNeverSuccess();
    void backupAndRestore();
    void missingClientPrograms();
    void failedRestoreLeavesTheDatabase();
};

void TestServerBackup::failingDumpIsNeverSuccess() {
    if (FindServerTool(QStringLiteral("pg_dump")).isEmpty()) {
        QSKIP("pg_dump is not installed");
    }
    // Nothing listens on port 1.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("club.Bak"));
    try {
        DumpServerDatabase(
            ParseServerSource(QStringLiteral("postgresql://nobody@127.0.0.1:1/club")), file);
        QFAIL("the dump succeeded");
    } catch (const ServerToolError& e) {
        QVERIFY2(e.text().startsWith(QStringLiteral(
                     "The club database nobody@127.0.0.1:1/club could not be backed up: ")),
                 qPrintable(e.text()));
        // The tool's own first line, without its name in front.
        QVERIFY2(e.text().contains(QStringLiteral("127.0.0.1")) &&
                     !e.text().contains(QStringLiteral("pg_dump:")),
                 qPrintable(e.text()));
    }
}

void TestServerBackup::backupAndRestore() {
    if (!TestsOnServer()) {
        QSKIP("needs a test server");
    }
    TestContext t;
    const QString backup = SeededBackup(t);
    QVERIFY(!backup.isEmpty());
    QVERIFY(IsServerBackup(backup));
    // Only the backup itself, no temporary left beside it.
    QCOMPARE(QDir(t.root.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("saved_260615.Bak")});

    t.db->exec(QStringLiteral("update ZOL_ClubData set Street='Changed later'"));
    t.db->exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values ('002','Bob')"));

    const ServerAddress server = ParseServerSource(t.db->fileName());
    // Answered No: nothing is replaced, nothing kept.
    t.prompts.answers << Prompts::Answer::No;
    RestoreOutcome outcome =
        RestoreDatabase(*t.db, t.prompts, backup, t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Cancelled);
    const QStringList asked = t.prompts.of(QStringLiteral("question"));
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked[0].startsWith(QStringLiteral("Restore the club database %1 on %2:%3 from the "
                                                "backup \"saved_260615.Bak\" of ")
                                     .arg(server.database, server.host)
                                     .arg(server.port)),
             qPrintable(asked[0]));
    QVERIFY2(asked[0].contains(QStringLiteral("holds 2 lofts")), qPrintable(asked[0]));
    QCOMPARE(Street(*t.db), QStringLiteral("Changed later"));

    outcome = RestoreDatabase(*t.db, t.prompts, backup, t.paths.backupDir, t.clock.now());
    QVERIFY2(outcome.status == RestoreOutcome::Status::Restored, qPrintable(outcome.message));
    QVERIFY(outcome.message.startsWith(QStringLiteral("successful recovery of data!")));
    {
        TdmZOLF restored(server.url());
        QCOMPARE(Street(restored), QStringLiteral("Old Road"));
        QCOMPARE(restored.rowCount(QStringLiteral("select * from ZOL_LoftData")), 1);
        // New rows still get numbers of their own after the restore.
        restored.exec(
            QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values ('003','Cy')"));
        QCOMPARE(restored.rowCount(QStringLiteral("select * from ZOL_LoftData")), 2);
    }
    // What was replaced was kept first and loads back.
    QVERIFY(IsServerBackup(outcome.keptCopy));
    t.db->reopen();
    outcome = RestoreDatabase(*t.db, t.prompts, outcome.keptCopy, t.paths.backupDir,
                              t.clock.now().addSecs(1));
    QVERIFY2(outcome.status == RestoreOutcome::Status::Restored, qPrintable(outcome.message));
    TdmZOLF again(server.url());
    QCOMPARE(Street(again), QStringLiteral("Changed later"));
}

void TestServerBackup::missingClientPrograms() {
    if (!TestsOnServer()) {
        QSKIP("needs a test server");
    }
    TestContext t;
    const QString backup = SeededBackup(t);
    QVERIFY(!backup.isEmpty());

    QTemporaryDir empty;
    ToolFolder tools(empty.path());
    const QString other = t.root.filePath(QStringLiteral("other"));
    QString reason;
    QVERIFY(!BackupOnDemand(*t.db, other, t.clock.today(), &reason));
    QCOMPARE(reason, QStringLiteral("pg_dump was not found; install the PostgreSQL client "
                                    "programs to back up a club database on a server."));
    QCOMPARE(QDir(t.root.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("saved_260615.Bak")});

    const RestoreOutcome outcome =
        RestoreDatabase(*t.db, t.prompts, backup, t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Refused);
    QVERIFY2(outcome.message.contains(QStringLiteral("pg_restore was not found")),
             qPrintable(outcome.message));
    QVERIFY(t.db->isOpen());
}

void TestServerBackup::failedRestoreLeavesTheDatabase() {
    if (!TestsOnServer()) {
        QSKIP("needs a test server");
    }
    TestContext t;
    const QString backup = SeededBackup(t);
    QVERIFY(!backup.isEmpty());

    // A club file's backup is not a server backup.
    QTemporaryDir dir;
    const QString fileBackup = dir.filePath(QStringLiteral("file.Bak"));
    { TdmZOLF file(fileBackup); }
    RestoreOutcome outcome =
        RestoreDatabase(*t.db, t.prompts, fileBackup, t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Refused);

    // Something of the server's own leans on a club table, so the restore cannot drop it and
    // stops half-way; the database must be as it was.
    t.db->exec(QStringLiteral("update ZOL_ClubData set Street='Changed later'"));
    OnServer(t.db->fileName(),
             QStringLiteral("create view kst_test_lofts as select * from ZOL_LoftData"));
    outcome = RestoreDatabase(*t.db, t.prompts, backup, t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Failed);
    QVERIFY2(outcome.message.startsWith(QStringLiteral("recovery failed, please try again!\n")) &&
                 outcome.message.endsWith(QStringLiteral("The current data is unchanged.")),
             qPrintable(outcome.message));
    // The server's reason, without the tool's prefixes.
    QVERIFY2(!outcome.message.contains(QStringLiteral("pg_restore")) &&
                 !outcome.message.contains(QStringLiteral("ERROR:")),
             qPrintable(outcome.message));
    QVERIFY(t.db->isOpen());
    QCOMPARE(Street(*t.db), QStringLiteral("Changed later"));
    QCOMPARE(t.db->rowCount(QStringLiteral("select * from ZOL_LoftData")), 1);
}

QTEST_MAIN(TestServerBackup)
#include "test_server_backup.moc"
