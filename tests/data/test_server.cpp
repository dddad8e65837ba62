// The club database on a server: the data link, a new database, refusals. The cases that
// need a server run when the tests are pointed at one (KESTRAVA_TEST_POSTGRES) and are
// skipped otherwise.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include "data/data_paths.h"
#include "data/database.h"
#include "data/errors.h"
#include "data/schema.h"
#include "data/sql_dialect.h"
#include "test_server.h"

namespace {
QString refusalOf(const QString& source) {
    try {
        TdmZOLF db(source);
    } catch (const DbError& e) {
        return e.text();
    }
    return {};
}

// Runs statements on a server database on a connection of its own.
void onServer(const QString& url, const QStringList& statements) {
    const ServerAddress a = ParseServerSource(url);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("raw"));
        db.setHostName(a.host);
        db.setPort(a.port);
        db.setUserName(a.user);
        db.setDatabaseName(a.database);
        QVERIFY(db.open());
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            QVERIFY2(q.exec(sql), qPrintable(sql));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}
}  // namespace

class TestServer : public QObject {
    Q_OBJECT
  private slots:
    void dataLinkNamesAServer();
    void serverAddresses_data();
    void serverAddresses();
    void columnNamesAsWritten_data();
    void columnNamesAsWritten();
    void emptyDatabaseGetsTheClubTables();
    void databaseOfAnotherProgramIsRefused();
    void refusedConnections_data();
    void refusedConnections();
    void refusalsInPlainWords();
    void driverRefusalsInPlainWords_data();
    void driverRefusalsInPlainWords();
    void refusalCodesReadAsText_data();
    void refusalCodesReadAsText();
    void certificateFailuresNamed_data();
    void certificateFailuresNamed();
};

void TestServer::dataLinkNamesAServer() {
    QTemporaryDir work;
    QTemporaryDir program;
    QFile link(work.filePath(QStringLiteral("ZOLF.udl")));
    QVERIFY(link.open(QIODevice::WriteOnly));
    link.write("[oledb]\r\nData Source=postgresql://secretary@clubserver:5433/kestrava\r\n");
    link.close();
    const DataPaths p = DataPaths::resolve(QString(), work.path(), program.path(), QString());
    QCOMPARE(p.databaseFile, QStringLiteral("postgresql://secretary@clubserver:5433/kestrava"));
    // Settings and backups stay in this PC's data folder.
    QCOMPARE(p.dataDir, QDir(program.path()).absolutePath());

    // A data folder named on the command line is this PC's folder; the club stays on the
    // server the link names (two seats must not each work on a file of their own unawares).
    QTemporaryDir folder;
    const DataPaths named =
        DataPaths::resolve(folder.path(), work.path(), program.path(), QString());
    QCOMPARE(named.databaseFile, QStringLiteral("postgresql://secretary@clubserver:5433/kestrava"));
    QCOMPARE(named.dataDir, QDir(folder.path()).absolutePath());
    QCOMPARE(named.iniFile, QDir(folder.path()).absoluteFilePath(QStringLiteral("ZOLF.ini")));
}

void TestServer::serverAddresses_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("display");  // empty: refused
    QTest::newRow("full") << "postgresql://sec@db.club:5433/kestrava"
                          << "sec@db.club:5433/kestrava";
    QTest::newRow("default port") << "postgresql://sec@127.0.0.1/club"
                                  << "sec@127.0.0.1:5432/club";
    QTest::newRow("password in link") << "postgresql://sec:secret@db/club"
                                      << "";
    QTest::newRow("no database") << "postgresql://sec@db:5432/"
                                 << "";
    QTest::newRow("no host") << "postgresql:///club"
                             << "";
}

void TestServer::serverAddresses() {
    QFETCH(QString, source);
    QFETCH(QString, display);
    QVERIFY(IsServerSource(source));
    if (display.isEmpty()) {
        try {
            ParseServerSource(source);
            QFAIL("accepted");
        } catch (const DbError& e) {
            QVERIFY(!e.text().contains(QLatin1String("secret")));
        }
    } else {
        QCOMPARE(ParseServerSource(source).display(), display);
    }
}

void TestServer::columnNamesAsWritten_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QString>("written");
    const QString result =
        "select r.Pos, b.Sex as sex, c.Miles || '/' || c.Yards as dist, "
        "count(*) from ZOL_PigRaceData a";
    QTest::newRow("alias") << result << "pos"
                           << "Pos";
    QTest::newRow("alias in lower case kept") << result << "sex"
                                              << "sex";
    QTest::newRow("alias over a column") << result << "dist"
                                         << "dist";
    QTest::newRow("no name of its own") << result << "count"
                                        << "count";
    QTest::newRow("quoted by the server") << result << "Pos"
                                          << "Pos";
    QTest::newRow("a table's column") << "select * from ZOL_PigData"
                                      << "pringno"
                                      << "PRingNo";
    QTest::newRow("part of a longer name") << "select LoftNoX from t"
                                           << "loftno"
                                           << "LoftNo";
}

void TestServer::columnNamesAsWritten() {
    QFETCH(QString, sql);
    QFETCH(QString, returned);
    QFETCH(QString, written);
    QSqlRecord record;
    record.append(QSqlField(returned, QMetaType(QMetaType::QString)));
    QCOMPARE(WithWrittenSpelling(SqlEngine::Postgres, sql, record).fieldName(0), written);
    // A file returns the names as the statement spells them: nothing is changed there.
    QCOMPARE(WithWrittenSpelling(SqlEngine::Sqlite, sql, record).fieldName(0), returned);
}

void TestServer::emptyDatabaseGetsTheClubTables() {
    if (!TestsOnServer()) {
        QSKIP("no test server named");
    }
    TestServerDatabase server;
    {
        TdmZOLF db(server.url());
        QVERIFY(db.isServer());
        for (const QString& table : ClubTableNames()) {
            const QSqlRecord rec = db.connection().record(table.toLower());
            QStringList columns;
            for (int i = 0; i < rec.count(); ++i) {
                columns << rec.fieldName(i);
            }
            // The server's row number follows the columns, so that inserts without a column
            // list fill the same columns as in a file.
            QCOMPARE(columns.size(), ColumnNames(table).size() + 1);
            QCOMPARE(columns.last(), QStringLiteral("rowid"));
            for (int i = 0; i < ColumnNames(table).size(); ++i) {
                QCOMPARE(columns.at(i), ColumnNames(table).at(i).toLower());
            }
        }
        db.exec(QStringLiteral("insert into ZOL_FeatherColor values(?,?)"), {"BB", "Blue Bar"});
        db.exec(QStringLiteral("insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, "
                               "FlySpeed, Dist) values (?,?,?,?,?)"),
                {"A1", "2026-06-14", "GB-26-1", 1234.567891, qint64(5000000000)});
    }
    // Opened again, nothing is created twice and the values read back as stored.
    TdmZOLF again(server.url());
    QCOMPARE(again.value(QStringLiteral("select FeathColor from ZOL_FeatherColor")).toString(),
             QStringLiteral("Blue Bar"));
    QCOMPARE(again.value(QStringLiteral("select FlySpeed from ZOL_PigRaceData")).toDouble(),
             1234.567891);
    QCOMPARE(again.value(QStringLiteral("select Dist from ZOL_PigRaceData")).toLongLong(),
             qint64(5000000000));
}

void TestServer::databaseOfAnotherProgramIsRefused() {
    if (!TestsOnServer()) {
        QSKIP("no test server named");
    }
    TestServerDatabase server;
    onServer(server.url(), {QStringLiteral("create table invoices (id int, total numeric)")});
    const QString text = refusalOf(server.url());
    QVERIFY2(text.contains(QLatin1String("not a database of this program")), qPrintable(text));
    // Nothing was made in it: without the other program's table it is empty again, and
    // becomes a club database.
    onServer(server.url(), {QStringLiteral("drop table invoices")});
    QCOMPARE(refusalOf(server.url()), QString());
}

void TestServer::refusedConnections_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expected");
    QTest::newRow("wrong host") << "port"
                                << "cannot be reached";
    QTest::newRow("wrong password") << "password"
                                    << "password is wrong or missing";
    QTest::newRow("no such database") << "database"
                                      << "has no database";
}

void TestServer::refusedConnections() {
    if (!TestsOnServer()) {
        QSKIP("no test server named");
    }
    QFETCH(QString, change);
    QFETCH(QString, expected);
    ServerAddress a = ParseServerSource(TestServerBase());
    const QByteArray password = qgetenv("PGPASSWORD");
    if (change == QLatin1String("port")) {
        a.port = 1;  // nothing listens there
    } else if (change == QLatin1String("password")) {
        qputenv("PGPASSWORD", "not-the-password");
    } else {
        a.database = QStringLiteral("kst_nowhere");
    }
    const QString text = refusalOf(a.url());
    qputenv("PGPASSWORD", password);
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("FATAL")) && !text.contains(QLatin1String("QPSQL")),
             qPrintable(text));
}

void TestServer::refusalsInPlainWords() {
    if (!TestsOnServer()) {
        QSKIP("no test server named");
    }
    TestServerDatabase server;
    TdmZOLF db(server.url());
    db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo) values (?)"), {"0123"});
    try {
        db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo) values (?)"), {"0123"});
        QFAIL("stored twice");
    } catch (const DbError& e) {
        // Named as a duplicate with its key, and not taken for another seat in the way.
        QVERIFY2(e.text().startsWith(QLatin1String("This is stored already")) &&
                     e.text().contains(QLatin1String("(loftno)=(0123)")),
                 qPrintable(e.text()));
        QCOMPARE(e.code(), QStringLiteral("23505"));
    }
    // A refused statement allowed to fail leaves the rest of the action standing.
    db.transaction([&] {
        QVERIFY(
            !db.tryExec(QStringLiteral("insert into ZOL_LoftData (LoftNo) values (?)"), {"0123"}));
        db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo) values (?)"), {"0456"});
    });
    QCOMPARE(db.rowCount(QStringLiteral("select LoftNo from ZOL_LoftData")), 2);
}

// Refusals as the server's driver hands them over: a seat sees the program's sentence, never
// the server's file names or the driver's own wording.
void TestServer::driverRefusalsInPlainWords_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("disk full")
        << "53100"
        << "ERROR:  could not extend file \"pg_tblspc/32964/PG_15/16385/40967\": No space "
           "left on device"
        << "The database server's disk is full";
    QTest::newRow("killed mid-statement")
        << ""
        << "server closed the connection unexpectedly\n\tThis probably means ..."
        << "The connection to the database server was lost";
    QTest::newRow("closed before the statement")
        << ""
        << "no connection to the server"
        << "The connection to the database server was lost";
    QTest::newRow("ended by the administrator")
        << "57P01"
        << "FATAL:  terminating connection due to administrator command"
        << "The connection to the database server was lost";
    QTest::newRow("no right") << "42501"
                              << "ERROR:  permission denied for table zol_racedata"
                              << "This login has no right";
    QTest::newRow("stored already")
        << "23505"
        << "ERROR:  duplicate key value violates unique constraint \"zol_racedata_identity\"\n"
           "DETAIL:  Key (libercode, liberdate)=(BRU, 2026-05-02) already exists."
        << "This is stored already";
}

void TestServer::driverRefusalsInPlainWords() {
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const QSqlError error(QString(), text, QSqlError::StatementError, code);
    const QString said = RefusalText(SqlEngine::Postgres, error);
    QVERIFY2(said.startsWith(shown), qPrintable(said));
    QVERIFY2(!said.contains("pg_tblspc") && !said.contains("server closed") &&
                 !said.contains("no connection"),
             qPrintable(said));
}

// A state code is text: the server's 42501 and 23505 are digits only, and once were read as a
// number whose low byte matched the file's "busy", so a refused right was waited on for 30 s.
void TestServer::refusalCodesReadAsText_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("busyFile");
    QTest::addColumn<bool>("anotherSeat");
    QTest::newRow("file busy") << "5" << true << true;
    QTest::newRow("file locked") << "6" << true << true;
    QTest::newRow("file busy, extended") << "517" << true << true;
    QTest::newRow("file read only") << "8" << false << false;
    QTest::newRow("lock not available") << "55P03" << false << true;
    QTest::newRow("serialization") << "40001" << false << true;
    QTest::newRow("deadlock") << "40P01" << false << true;
    QTest::newRow("no right") << "42501" << false << false;
    QTest::newRow("stored already") << "23505" << false << false;
    QTest::newRow("disk full") << "53100" << false << false;
    QTest::newRow("no code") << "" << false << false;
}

void TestServer::refusalCodesReadAsText() {
    QFETCH(QString, code);
    QFETCH(bool, busyFile);
    QFETCH(bool, anotherSeat);
    QCOMPARE(IsBusyFileCode(code), busyFile);
    QCOMPARE(IsSeatInTheWay(code), anotherSeat);
}

void TestServer::certificateFailuresNamed_data() {
    QTest::addColumn<QString>("driverText");
    QTest::addColumn<QString>("named");
    QTest::newRow("root certificate missing")
        << "root certificate file \"/home/sec/.postgresql/root.crt\" does not exist\nEither "
           "provide the file or change sslmode to disable server certificate verification."
        << "/home/sec/.postgresql/root.crt";
    QTest::newRow("wrong root certificate") << "SSL error: certificate verify failed"
                                            << "did not pass the check of its certificate";
    QTest::newRow("other host") << "server certificate for \"db.example\" does not match host "
                                   "name \"db\""
                                << "did not pass the check of its certificate";
}

void TestServer::certificateFailuresNamed() {
    QFETCH(QString, driverText);
    QFETCH(QString, named);
    const ServerAddress address = ParseServerSource("postgresql://sec@db/club?sslmode=verify-ca");
    const QString said = ServerOpenFailureText(
        address, QSqlError(driverText, QString(), QSqlError::ConnectionError));
    QVERIFY2(said.contains(named), qPrintable(said));
    QVERIFY2(!said.contains("unprotected"), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestServer)
#include "test_server.moc"
