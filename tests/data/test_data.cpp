// The data store: schema creation, refusal of foreign files, conversions and grid sorting.
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <csignal>

#include "data/backup_copy.h"
#include "data/clock.h"
#include "data/club_settings.h"
#include "data/convert.h"
#include "data/data_paths.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/display.h"
#include "data/errors.h"
#include "data/grid_sort.h"
#include "data/schema.h"
#include "data/settings_ini.h"

class TestData : public QObject {
    Q_OBJECT
  private slots:
    void newFileGetsEveryTableInColumnOrder();
    void rowIdentitiesAreEnforced();
    void clubSettingsTravelWithTheFile();
    void backupIsWholeOrNotWritten();
    void tableNamesIgnoreCase();
    void existingFileLackingTablesIsRefusedUntouched();
    void fileThatIsNotADatabaseIsRefused();
    void fileLeftMidChangeOpensAsLastCommitted();
    void lookupsUseIndexesAlsoOnAnOlderFile();
    void integerConversion_data();
    void integerConversion();
    void dateTexts();
    void int64Conversion_data();
    void int64Conversion();
    void millisecondTexts_data();
    void millisecondTexts();
    void momentInTheSkippedHourIsKept();
    void unreadableTextsRaiseTheMessage_data();
    void unreadableTextsRaiseTheMessage();
    void synchronisationWithinTheSameSecond_data();
    void synchronisationWithinTheSameSecond();
    void rowsOfOlderFilesWithoutFlags();
    void biasAndUtcSeconds_data();
    void biasAndUtcSeconds();
    void sortRuleThreeClicks();
    void distanceCells();
    void iniReading();
    void iniAsEditorsSaveIt_data();
    void iniAsEditorsSaveIt();
    void dataLinkNamesTheDatabase();
    void programFolderHoldsTheDataOnlyWhenPortable_data();
    void programFolderHoldsTheDataOnlyWhenPortable();
};

void TestData::newFileGetsEveryTableInColumnOrder() {
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("Kestrava_Europe.db")));
    QCOMPARE(ClubTableNames().size(), 12);
    for (const QString& table : ClubTableNames()) {
        const QSqlRecord rec = db.connection().record(table);
        QStringList columns;
        for (int i = 0; i < rec.count(); ++i) {
            columns << rec.fieldName(i);
        }
        QCOMPARE(columns, ColumnNames(table));
    }
    QCOMPARE(ColumnNames(QStringLiteral("ZOL_SunSet_SunRise")),
             QStringList({"RaceCode", "RaceDate", "SunSet", "SunRise", "Location"}));
    // Insert without a column list fills the stored order.
    db.exec(QStringLiteral("insert into ZOL_FeatherColor values(?,?)"), {"BB", "Blue Bar"});
    QCOMPARE(
        db.value(QStringLiteral("select FeathColor from ZOL_FeatherColor where ColorType='BB'"))
            .toString(),
        QStringLiteral("Blue Bar"));
}

// A club setting is stored in the file itself (a copy of the file carries it) and never
// alters a club table; a file that never stored one reads the fallback.
void TestData::clubSettingsTravelWithTheFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Kestrava_Europe.db"));
    {
        TdmZOLF db(file);
        QCOMPARE(ClubSetting(db, QStringLiteral("DistanceMethod"), QStringLiteral("flat")),
                 QStringLiteral("flat"));
        SetClubSetting(db, QStringLiteral("DistanceMethod"), QStringLiteral("geodesic"));
        SetClubSetting(db, QStringLiteral("DistanceMethod"), QStringLiteral("geodesic 2"));
        SetClubSetting(db, QStringLiteral("PublishFolder"), QStringLiteral("/srv/it's here"));
        db.backupTo(dir.filePath(QStringLiteral("copy.db")));
    }
    TdmZOLF copy(dir.filePath(QStringLiteral("copy.db")));
    QCOMPARE(ClubSetting(copy, QStringLiteral("DistanceMethod")), QStringLiteral("geodesic 2"));
    QCOMPARE(ClubSetting(copy, QStringLiteral("PublishFolder")), QStringLiteral("/srv/it's here"));
    QCOMPARE(ClubSetting(copy, QStringLiteral("Missing"), QStringLiteral("x")),
             QStringLiteral("x"));
    for (const QString& table : ClubTableNames()) {
        QCOMPARE(copy.connection().record(table).count(), ColumnNames(table).size());
    }
}

// A backup holds the data committed at that moment, also while another program is writing;
// on a disk that fills up it is not written at all, and the backup of that name made before
// stays as it was.
void TestData::backupIsWholeOrNotWritten() {
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("Kestrava_Europe.db")));
    db.exec(
        QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where "
                       "i<3000) insert into ZOL_PigData (LoftNo, PRingNo, Comment) select "
                       "'L1', 'R'||i, printf('%.200c', 'x') from n"));
    const QString target = dir.filePath(QStringLiteral("Kestrava_Europe.bak"));
    {
        TdmZOLF other(db.fileName());
        other.exec(QStringLiteral("begin immediate"));
        other.exec(QStringLiteral("delete from ZOL_PigData"));
        QVERIFY(WriteDatabaseCopy(db, target, false));
        other.exec(QStringLiteral("rollback"));
    }
    {
        TdmZOLF copy(target);
        QCOMPARE(copy.value(QStringLiteral("select count(*) from ZOL_PigData")).toInt(), 3000);
        QCOMPARE(copy.value(QStringLiteral("pragma integrity_check")).toString(), "ok");
    }
    const QByteArray before = [&] {
        QFile f(target);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    // The disk takes only the first 64 KB of any file.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteDatabaseCopy(db, target, true);
    QString failure;
    const QString direct = dir.filePath(QStringLiteral("direct.bak"));
    try {
        db.backupTo(direct);
    } catch (const DbError& e) {
        failure = e.text();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    QVERIFY(!written);
    QVERIFY2(failure.contains(direct), qPrintable(failure));
    QVERIFY(!QFileInfo::exists(direct));
    QFile after(target);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QVERIFY(after.readAll() == before);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.partial")}, QDir::Files), {});
}

void TestData::rowIdentitiesAreEnforced() {
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("k.db")));
    db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo) values (?,?)"),
            {"L1", "GB1"});
    QVERIFY_THROWS_EXCEPTION(
        DbError, db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo) values (?,?)"),
                         {"L1", "GB1"}));
    // Identity is case-sensitive: another spelling is another row.
    db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo) values (?,?)"),
            {"l1", "GB1"});
    db.exec(QStringLiteral("insert into ZOL_RaceData (LiberCode, LiberDate) values (?,?)"),
            {"A1", "2026-05-01"});
    QVERIFY(
        !db.tryExec(QStringLiteral("insert into ZOL_RaceData (LiberCode, LiberDate) values (?,?)"),
                    {"A1", "2026-05-01"}));
    // Sun data holds several rows per race.
    for (int i = 0; i < 2; ++i) {
        db.exec(QStringLiteral("insert into ZOL_SunSet_SunRise values(?,?,?,?,?)"),
                {"A10501", "2026-05-01", "21:00:00", "05:00:00", ""});
    }
}

void TestData::tableNamesIgnoreCase() {
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("k.db")));
    db.exec(QStringLiteral("insert into ZOL_Pigdata (LoftNo, PRingNo) values ('A','B')"));
    QCOMPARE(db.rowCount(QStringLiteral("select * from ZOL_PigData")), 1);
}

void TestData::existingFileLackingTablesIsRefusedUntouched() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.db"));
    {
        TdmZOLF db(file);
        db.exec(QStringLiteral("drop table ZOL_ClubMap"));
        db.exec(QStringLiteral("drop table ZOL_RaceClockTime"));
    }
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    try {
        TdmZOLF db(file);
        QFAIL("a file lacking tables was accepted");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("ZOL_ClubMap, ZOL_RaceClockTime")),
                 qPrintable(e.text()));
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestData::fileThatIsNotADatabaseIsRefused() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notes.db"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray text("These are the secretary's notes, not a database at all.\n");
    f.write(text.repeated(200));
    f.close();
    QVERIFY_THROWS_EXCEPTION(DbError, TdmZOLF db(file));
    QVERIFY_THROWS_EXCEPTION(DbError, TdmZOLF::MissingTables(file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), text.repeated(200));
}

// The program stopped (power cut, killed) in the middle of a commit leaves the file changed in
// part and the journal that takes it back. Opening it again must give the last committed
// state, not refuse the club's own file.
void TestData::fileLeftMidChangeOpensAsLastCommitted() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("club.db"));
    const QString left = dir.filePath(QStringLiteral("left.db"));
    {
        TdmZOLF db(file);
        db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values('0123','Ann')"));
    }
    {
        // A change big enough to spill into the file before its commit; copied with its journal
        // while under way, the copy is the file as a killed program leaves it.
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "mid-change");
        writer.setDatabaseName(file);
        QVERIFY(writer.open());
        QSqlQuery q(writer);
        QVERIFY(q.exec("pragma cache_size=10"));
        QVERIFY(q.exec("begin"));
        QVERIFY(q.exec("update ZOL_LoftData set LoftName='Bert'"));
        QVERIFY(
            q.exec("with recursive n(i) as (select 1 union all select i+1 from n where i<400) "
                   "insert into ZOL_LoftData (LoftNo, LoftName) select printf('%04d', 1000 + i), "
                   "hex(randomblob(600)) from n"));
        QVERIFY(QFile::exists(file + "-journal"));
        QVERIFY(QFile::copy(file, left));
        QVERIFY(QFile::copy(file + "-journal", left + "-journal"));
        QVERIFY(q.exec("rollback"));
        q.finish();
        writer.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mid-change"));
    QCOMPARE(TdmZOLF::MissingTables(left), QStringList());
    TdmZOLF db(left);
    QCOMPARE(db.value(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(db.texts(QStringLiteral("select LoftNo||' '||LoftName from ZOL_LoftData")),
             QStringList{QStringLiteral("0123 Ann")});
}

void TestData::lookupsUseIndexesAlsoOnAnOlderFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("club.db"));
    const QStringList lookups = {
        "select 1 from ZOL_PigData where PRingNo=?",
        "select 1 from ZOL_LoftLibPointDist where LoftNo=?",
        "delete from ZOL_PigRaceData where substr(LiberDate,1,10)<=?",
        "delete from ZOL_RaceClockTime where substr(LiberDate,1,10)<=?",
        "select FlySpeed from ZOL_PigRaceData where LiberCode=? and substr(LiberDate,1,10)=?",
    };
    {
        // A file as an older version made it: the tables and their identities only.
        TdmZOLF db(file);
        for (const QString& name : db.texts(QStringLiteral(
                 "select name from sqlite_master where type='index' and name not like "
                 "'%_Identity' and name not like 'sqlite_%'"))) {
            db.exec(QStringLiteral("drop index %1").arg(name));
        }
        QSqlQuery q = db.select(QStringLiteral("explain query plan ") + lookups.first(), {"x"});
        QVERIFY(q.next());
        QVERIFY(q.value(3).toString().startsWith(QLatin1String("SCAN")));
    }
    TdmZOLF db(file);
    for (const QString& sql : lookups) {
        QSqlQuery q = db.select(QStringLiteral("explain query plan ") + sql,
                                QVariantList(sql.count(QLatin1Char('?')), "x"));
        QVERIFY(q.next());
        // A search through an index, not a scan of every row.
        QVERIFY2(q.value(3).toString().startsWith(QLatin1String("SEARCH")), qPrintable(sql));
    }
}

void TestData::integerConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "12" << true << 12;
    QTest::newRow("leading blank") << " 7" << true << 7;
    QTest::newRow("trailing blank") << "7 " << false << 0;
    QTest::newRow("two blanks") << "  " << false << 0;
    QTest::newRow("negative") << "-3" << true << -3;
    QTest::newRow("letters") << "12a" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("decimal") << "1.5" << false << 0;
}

void TestData::integerConversion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(StrToInt(text), value);
        return;
    }
    try {
        StrToInt(text);
        QFAIL("accepted");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestData::dateTexts() {
    const QDateTime m(QDate(2026, 3, 9), QTime(7, 5, 3));
    QCOMPARE(MomentText(m), QStringLiteral("2026-03-09 07:05:03"));
    QCOMPARE(GeneralText(m), QStringLiteral("2026-03-09 07:05:03"));
    QCOMPARE(GeneralText(QDateTime(QDate(2026, 3, 9), QTime(0, 0))), QStringLiteral("2026-03-09"));
    QCOMPARE(ParseMoment(QStringLiteral("2026-03-09 07:05:03")), m);
    QCOMPARE(ParseDate(QStringLiteral("2026-03-09 07:05:03")), QDate(2026, 3, 9));
    QCOMPARE(ParseTime(QStringLiteral("07:05:03")), QTime(7, 5, 3));
    QCOMPARE(ParseTime(QStringLiteral("5:00")), QTime(5, 0));
    QVERIFY(!ParseTime(QStringLiteral("25:30:00")).isValid());
    QVERIFY(!ParseDate(QStringLiteral("09/03/2026")).isValid());
    QCOMPARE(DayCount(QDate(1899, 12, 31)), 1.0);
    QCOMPARE(DayCount(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    QCOMPARE(FromDayCount(DayCount(m)), m);
    QCOMPARE(MonthDayText(QDate(2026, 3, 9)), QStringLiteral("0309"));
}

void TestData::int64Conversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("device time") << "1726823554567" << true << Q_INT64_C(1726823554567);
    QTest::newRow("negative") << "-1726823554567" << true << Q_INT64_C(-1726823554567);
    QTest::newRow("letters") << "12a" << false << Q_INT64_C(0);
    QTest::newRow("trailing blank") << "12 " << false << Q_INT64_C(0);
    QTest::newRow("beyond 64 bits") << "9223372036854775808" << false << Q_INT64_C(0);
}

void TestData::int64Conversion() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    if (valid) {
        QCOMPARE(StrToInt64(text), value);
        return;
    }
    try {
        StrToInt64(text);
        QFAIL("accepted");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestData::millisecondTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("moment");
    QTest::newRow("arrival") << "2026-06-15 12:30:15.250"
                             << QDateTime(QDate(2026, 6, 15), QTime(12, 30, 15, 250));
    QTest::newRow("whole second") << "2026-06-15 12:30:15.000"
                                  << QDateTime(QDate(2026, 6, 15), QTime(12, 30, 15));
    QTest::newRow("last ms of day")
        << "2026-12-31 23:59:59.999" << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999));
}

void TestData::millisecondTexts() {
    QFETCH(QString, text);
    QFETCH(QDateTime, moment);
    QCOMPARE(MomentMsText(moment), text);
    QCOMPARE(ParseMoment(text), moment);
    QCOMPARE(StrToDateTime(text), moment);
    // The recalculation reads the time of day from character 12 on ("hh:nn:ss.zzz").
    const QString timePart = text.mid(11, 12);
    QCOMPARE(timePart, TimeMsText(moment.time()));
    QCOMPARE(ParseTime(timePart), moment.time());
    QCOMPARE(ParseTime(text), moment.time());
    QCOMPARE(StrToDate(text), moment.date());
}

// Clocks keep standard time: an arrival in the hour that daylight saving skips in the
// computer's zone is still a real arrival and reads as written.
void TestData::momentInTheSkippedHourIsKept() {
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    const QDateTime m = ParseMoment(QStringLiteral("2026-03-29 02:30:00.250"));
    const QDateTime back = FromDayCount(DayCount(QDate(2026, 3, 29)) + DayFraction(QTime(2, 30)));
    // The quick reading of a moment's text and date gives what the full parse gives, in the
    // skipped hour too, and nothing for what cannot be read.
    for (const char* text :
         {"2026-03-29 02:30:00.250", "2026-03-29 02:30:00", "2026-06-12 19:00:05.400",
          " 2026-06-12 19:00:05 ", "2026-06-12", "2026-06-12 19:00", "2026-02-30 10:00:00",
          "2026-06-12 25:00:00", "12/06/2026", ""}) {
        const QString t = QString::fromLatin1(text);
        QCOMPARE(MomentSecondText(t), MomentText(ParseMoment(t)));
        const QDate parsed = ParseMoment(t).date();
        if (parsed.isValid()) {
            QCOMPARE(StrToDate(t), parsed);
        } else {
            QVERIFY_THROWS_EXCEPTION(UserError, StrToDate(t));
        }
    }
    if (zone.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", zone);
    }
    QVERIFY(m.isValid());
    QCOMPARE(MomentMsText(m), QStringLiteral("2026-03-29 02:30:00.250"));
    QCOMPARE(MomentText(back), QStringLiteral("2026-03-29 02:30:00"));
    QCOMPARE(DayCount(m), DayCount(QDate(2026, 3, 29)) + DayFraction(QTime(2, 30, 0, 250)));
}

void TestData::unreadableTextsRaiseTheMessage_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("moment") << "moment"
                            << "2026-06-15 25:30:15.250"
                            << "'2026-06-15 25:30:15.250' is not a valid date and time";
    QTest::newRow("empty moment") << "moment"
                                  << ""
                                  << "'' is not a valid date and time";
    QTest::newRow("date") << "date"
                          << "15/06/2026"
                          << "'15/06/2026' is not a valid date";
    QTest::newRow("time") << "time"
                          << "12:30:1x"
                          << "'12:30:1x' is not a valid time";
}

void TestData::unreadableTextsRaiseTheMessage() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        if (kind == QLatin1String("moment")) {
            StrToDateTime(text);
        } else if (kind == QLatin1String("date")) {
            StrToDate(text);
        } else {
            StrToTime(text);
        }
        QFAIL("accepted");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), message);
    }
    // An invalid value never becomes day 0 of a flying-time computation.
    QVERIFY_THROWS_EXCEPTION(UserError, DayCount(ParseMoment(text)));
}

void TestData::synchronisationWithinTheSameSecond_data() {
    QTest::addColumn<QString>("synched");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<bool>("held");
    QTest::newRow("edit after sync, same second") << "2026-06-15 12:00:05.300"
                                                  << "2026-06-15 12:00:05.700" << false;
    QTest::newRow("sync after edit, same second") << "2026-06-15 12:00:05.700"
                                                  << "2026-06-15 12:00:05.300" << true;
    QTest::newRow("same millisecond") << "2026-06-15 12:00:05.300"
                                      << "2026-06-15 12:00:05.300" << true;
    // Texts an older version left without milliseconds are at .000 of their second.
    QTest::newRow("older sync text") << "2026-06-15 12:00:05"
                                     << "2026-06-15 12:00:05.001" << false;
    QTest::newRow("older race text") << "2026-06-15 12:00:05.000"
                                     << "2026-06-15 12:00:05" << true;
    QTest::newRow("midnight as a bare date") << "2026-06-15"
                                             << "2026-06-14 23:59:59.999" << true;
    QTest::newRow("never synchronised") << ""
                                        << "2026-06-15 12:00:05.300" << false;
    QTest::newRow("race without a time") << "2026-06-15 12:00:05.300"
                                         << "" << false;
}

void TestData::synchronisationWithinTheSameSecond() {
    QFETCH(QString, synched);
    QFETCH(QString, changed);
    QFETCH(bool, held);
    QCOMPARE(SynchedSince(synched, changed), held);
    // What the program stores for its own moments keeps the milliseconds; screens show the
    // second.
    const QDateTime moment(QDate(2026, 6, 15), QTime(12, 0, 5, 700));
    QCOMPARE(MomentMsText(moment), QStringLiteral("2026-06-15 12:00:05.700"));
    QCOMPARE(GeneralText(ParseMoment(MomentMsText(moment))), QStringLiteral("2026-06-15 12:00:05"));
    QVERIFY_THROWS_EXCEPTION(UserError, SynchedSince(QStringLiteral("yesterday"), changed));
}

void TestData::rowsOfOlderFilesWithoutFlags() {
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("club.db")));
    // DeleteMark/SynchFlag as an older version left them: missing, 0, 1, or -1 for "set".
    db.exec(
        QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo,DeleteMark,SynchFlag) values "
                       "('L1','A',null,null),('L1','B',0,0),('L1','C',1,1),"
                       "('L1','D',-1,-1)"));
    QCOMPARE(db.texts(QStringLiteral("select PRingNo from ZOL_PigData where ") + kNotDeleted +
                      QStringLiteral(" order by PRingNo")),
             QStringList({"A", "B"}));
    QCOMPARE(db.texts(QStringLiteral("select PRingNo from ZOL_PigData where ") + kSynchFlagged +
                      QStringLiteral(" order by PRingNo")),
             QStringList({"C", "D"}));
}

void TestData::biasAndUtcSeconds_data() {
    QTest::addColumn<int>("bias");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<qint64>("utcSecs");
    // East of UTC (UTC+8): the bias is negative.
    QTest::newRow("east") << -480 << QDateTime(QDate(2016, 9, 20), QTime(7, 0))
                          << Q_INT64_C(1474326000);
    // West of UTC (New York standard time).
    QTest::newRow("west") << 300 << QDateTime(QDate(2016, 9, 20), QTime(7, 0))
                          << Q_INT64_C(1474372800);
}

void TestData::biasAndUtcSeconds() {
    QFETCH(int, bias);
    QFETCH(QDateTime, local);
    QFETCH(qint64, utcSecs);
    QCOMPARE(LocalToUtcSecs(local, bias), utcSecs);
    QCOMPARE(LocalToUtcSecs(local, bias) * 1000, utcSecs * 1000);
    QCOMPARE(FromDayCount(UtcSecsToLocal(utcSecs, bias)), local);
    FixedClock clock(local, bias);
    QCOMPARE(clock.biasMinutes(), bias);
    QCOMPARE(clock.nowUtc().toSecsSinceEpoch(), utcSecs);
    // A product exactly half-way between two seconds goes to the even one: 1/256 of a day
    // after 1970-01-01 is 337.5 s, 3/256 of a day 1012.5 s.
    QCOMPARE(LocalToUtcSecs(25569.0 + 1.0 / 256, 0), Q_INT64_C(338));
    QCOMPARE(LocalToUtcSecs(25569.0 + 3.0 / 256, 0), Q_INT64_C(1012));
}

void TestData::sortRuleThreeClicks() {
    QString s;
    s = NextSortText(s, QStringLiteral("LoftName"));
    QCOMPARE(s, QStringLiteral("LoftName ASC"));
    s = NextSortText(s, QStringLiteral("LoftName"));
    QCOMPARE(s, QStringLiteral("LoftName DESC"));
    s = NextSortText(s, QStringLiteral("LoftName"));
    QCOMPARE(s, QStringLiteral("LoftName ASC"));
    QCOMPARE(NextSortText(s, QStringLiteral("ClockID")), QStringLiteral("ClockID ASC"));
    const QStringList fields{"LoftName", "ClockID"};
    QCOMPARE(SortedQuery(QStringLiteral("select 1"), QStringLiteral("x; drop table y ASC"), fields),
             QStringLiteral("select 1"));
    QCOMPARE(SortedQuery(QStringLiteral("select 1"), QStringLiteral("LiberDate ASC"), fields),
             QStringLiteral("select 1"));
    QCOMPARE(SortedQuery(QStringLiteral("select 1"), QStringLiteral("LoftName DESC"), fields),
             QStringLiteral("select * from (select 1) as q order by LoftName DESC nulls last"));
}

void TestData::distanceCells() {
    QCOMPARE(DistanceCellText(QVariant(1234)), QStringLiteral("1,234"));
    QCOMPARE(DistanceCellText(QVariant(0)), QStringLiteral("0"));
    QCOMPARE(DistanceCellText(QVariant(1234567)), QStringLiteral("1,234,567"));
    QCOMPARE(DistanceCellText(QVariant()), QString());
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("k.db")));
    db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values ('L1','Jan')"));
    QCOMPARE(LoftNameCellText(db, QStringLiteral("L1")), QStringLiteral("Jan"));
    QCOMPARE(LoftNameCellText(db, QStringLiteral("GONE")), QString());
    QCOMPARE(LoftNameCellText(db, QVariant()), QString());
}

void TestData::iniReading() {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("ZOLF.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "[Other]\nAPN=wrong\n[parameter]\nCountryRingCode= gb , AU,Nl \r\napn=internet\n"
        "TimeZone=\n");
    f.close();
    const ZolfIni ini(f.fileName());
    // Upper case, as the box shows them, so the country rules apply to "gb" too.
    QCOMPARE(ini.countryRingCodes(), QStringList({"GB", "AU", "NL"}));
    QCOMPARE(ini.apn(), QStringLiteral("internet"));
    QCOMPARE(ini.hostSms(), QString());
    QCOMPARE(ini.timeZone(), QStringLiteral("0"));
    const ZolfIni missing(dir.filePath(QStringLiteral("none.ini")));
    QCOMPARE(missing.countryRingCodes(), QStringList());
    QCOMPARE(missing.markedFlag(), QStringLiteral("0"));
}

// ZOLF.ini is edited by hand: an editor may put a UTF-8 byte order mark in front of the
// section, and values may be written in quotes.
void TestData::iniAsEditorsSaveIt_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("apn");
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF[Parameter]\r\nAPN=web\r\n") << QStringLiteral("web");
    QTest::newRow("double quotes")
        << QByteArray("[Parameter]\nAPN=\"web.club\"\n") << QStringLiteral("web.club");
    QTest::newRow("single quotes")
        << QByteArray("[Parameter]\nAPN='web'\n") << QStringLiteral("web");
    QTest::newRow("unmatched quote stays")
        << QByteArray("[Parameter]\nAPN=\"web\n") << QStringLiteral("\"web");
}

void TestData::iniAsEditorsSaveIt() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, apn);
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("ZOLF.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QCOMPARE(ZolfIni(f.fileName()).apn(), apn);
}

void TestData::dataLinkNamesTheDatabase() {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("ZOLF.udl")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[oledb]\r\nProvider=SQLite;Data Source=club/My.db;Mode=Share Deny None\r\n");
    f.close();
    const DataPaths p = DataPaths::resolve({}, dir.path(), QStringLiteral("/nonexistent"),
                                           dir.filePath(QStringLiteral("app")));
    QCOMPARE(p.databaseFile, dir.filePath(QStringLiteral("club/My.db")));
    QCOMPARE(p.backupDir, dir.filePath(QStringLiteral("Backup")));
    const DataPaths opt = DataPaths::resolve(QStringLiteral("d"), dir.path(), {}, {});
    QCOMPARE(opt.databaseFile, dir.filePath(QStringLiteral("d/Kestrava_Europe.db")));
}

// A writable program folder holds the data (an unpacked portable copy, or the build folder);
// the bin folder of an installation, with the desktop entry beside it, does not.
void TestData::programFolderHoldsTheDataOnlyWhenPortable_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("portable folder") << false;
    QTest::newRow("installed under a prefix") << true;
}

void TestData::programFolderHoldsTheDataOnlyWhenPortable() {
    QFETCH(bool, installed);
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    if (installed) {
        QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/applications"))));
        QFile entry(prefix.filePath(QStringLiteral("share/applications/kestrava.desktop")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
    }
    const QString appData = prefix.filePath(QStringLiteral("home/Kestrava"));
    const DataPaths p = DataPaths::resolve({}, prefix.path(), bin, appData);
    QCOMPARE(p.dataDir, installed ? appData + QStringLiteral("/data") : bin);

    // The example settings installed beside the program serve a data folder that has none;
    // the data folder's own file wins.
    QFile example(bin + QStringLiteral("/ZOLF.ini"));
    QVERIFY(example.open(QIODevice::WriteOnly));
    example.close();
    QCOMPARE(DataPaths::resolve({}, prefix.path(), bin, appData).iniFile,
             bin + QStringLiteral("/ZOLF.ini"));
    const QString own = prefix.filePath(QStringLiteral("own"));
    QVERIFY(QDir().mkpath(own));
    QFile ownIni(own + QStringLiteral("/ZOLF.ini"));
    QVERIFY(ownIni.open(QIODevice::WriteOnly));
    ownIni.close();
    QCOMPARE(DataPaths::resolve(own, prefix.path(), bin, appData).iniFile,
             own + QStringLiteral("/ZOLF.ini"));
}

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
