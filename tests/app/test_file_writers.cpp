// Every file the program writes for the club, on a full disk and in a read-only folder: the
// failure is shown naming the file, and the previous files (held open by another program
// meanwhile) keep every byte.
#include <cerrno>
#include <QDir>
#include <QtTest>
#include <functional>

#include "data/backup_copy.h"
#include "file_faults.h"
#include "races/exchange_files.h"
#include "reports/report_layout.h"
#include "reports/report_printing.h"
#include "setup/club_setup.h"
#include "spreadsheet/workbook_writer.h"
#include "test_context.h"

namespace {

const QDate kRaceDay(2016, 5, 26);

// One loft with forty birds in race 1A, enough for every file to outgrow a nearly full disk.
void Seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('001','Ann',"
        "?,?)",
        {"E121'30:45.67", "N051'30:00.00"});
    for (int i = 0; i < 40; ++i) {
        const QString ring = QStringLiteral("GB16-%1").arg(1000 + i);
        db.exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
            "values('001',?,'C','BBAR',0)",
            {ring});
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "MarkedTime) values('KC','1A','2016-05-26',?,?,'2016-05-25 19:00:00')",
            {ring, QStringLiteral("2016-05-26 12:%1:00.000").arg(10 + i)});
    }
}

// Writes the writer's files into `folder`; what it showed or threw comes back as texts.
using Writer = std::function<QStringList(TestContext& t, const QString& folder)>;

QStringList Shown(TestContext& t, const std::function<void()>& action) {
    t.prompts.shown.clear();
    guarded(t.prompts, action);
    QStringList shown;
    for (const QString& text : t.prompts.shown) {
        if (!text.startsWith(QStringLiteral("save: "))) {  // the file dialogs
            shown << text;
        }
    }
    return shown;
}

ReportDefinition Listing(TdmZOLF& db) {
    ReportDefinition report;
    report.name = QStringLiteral("Rings");
    report.columns = {{QStringLiteral("Ring"), 1, Qt::AlignLeft, false}};
    for (const QString& ring : db.texts("select PRingNo from ZOL_PigRaceData order by 1")) {
        report.rows << QStringList{ring};
    }
    return report;
}

}  // namespace

Q_DECLARE_METATYPE(Writer)

class TestFileWriters : public QObject {
    Q_OBJECT
  private slots:
    void failedWriterKeepsPreviousFiles_data();
    void failedWriterKeepsPreviousFiles();
    void failedRestoreKeepsTheDatabase();
};

void TestFileWriters::failedWriterKeepsPreviousFiles_data() {
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("fullDisk");  // else a read-only folder

    const QList<std::tuple<const char*, Writer, QStringList>> writers{
        {"WinSpeed set",
         [](TestContext& t, const QString& folder) {
             t.prompts.fileNames << folder + "/W0010121.D00";
             return Shown(t, [&] { GenerateWinSpeedFile(*t.db, t.prompts, kRaceDay); });
         },
         {"W0010121.D00", "LiberCode_List.txt", "Loft_List.txt"}},
        {"SMS lists",
         [](TestContext& t, const QString& folder) {
             t.prompts.fileNames << folder + "/COTE.txt" << folder + "/RING.txt";
             return Shown(t, [&] { GenerateSmsTextFiles(*t.db, t.prompts, "1A", kRaceDay); });
         },
         {"COTE.txt", "RING.txt"}},
        {"workbook",
         [](TestContext& t, const QString& folder) {
             return Shown(t, [&] {
                 QSqlQuery q = t.db->select("select PRingNo, BackTime from ZOL_PigRaceData");
                 WorkbookWriter::FromQuery(q).save(folder + "/rings.xlsx");
             });
         },
         {"rings.xlsx"}},
        {"PDF",
         [](TestContext& t, const QString& folder) {
             return Shown(t, [&] {
                 WriteReportPdf(LayOutReport(Listing(*t.db), t.clock.now()), folder + "/Rings.pdf");
             });
         },
         {"Rings.pdf"}},
        {"backup on demand",
         [](TestContext& t, const QString& folder) {
             QString reason;
             return BackupOnDemand(*t.db, folder + "/club", t.clock.today(), &reason)
                        ? QStringList()
                        : QStringList{reason};
         },
         {"club_260615.Bak"}},
    };
    for (const auto& [name, writer, files] : writers) {
        QTest::newRow(qPrintable(QStringLiteral("%1, full disk").arg(name)))
            << writer << files << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, read-only folder").arg(name)))
            << writer << files << false;
    }
}

void TestFileWriters::failedWriterKeepsPreviousFiles() {
    QFETCH(Writer, writer);
    QFETCH(QStringList, files);
    QFETCH(bool, fullDisk);
    TestContext t;
    Seed(*t.db);
    const QString folder = t.root.filePath("out");
    QVERIFY(QDir().mkpath(folder));

    // The files of a first run, as the club mailed them.
    const QStringList first = writer(t, folder);
    QVERIFY2(first.isEmpty(), qPrintable(first.join('\n')));
    QList<QByteArray> previous;
    for (const QString& file : files) {
        previous << FileBytes(folder + "/" + file);
        QVERIFY2(previous.last().size() > 0 && previous.last() != "<missing>", qPrintable(file));
    }
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    // The data changes, so a new run would write other bytes; another program holds the
    // previous files open.
    t.db->exec(
        "update ZOL_PigRaceData set BackTime='2016-05-26 13:00:00.000', PRingNo="
        "PRingNo||'X'");
    t.db->exec("update ZOL_PigData set PRingNo=PRingNo||'X'");
    t.db->exec("update ZOL_LoftData set LoftName='Ann Again'");
    QList<std::shared_ptr<QFile>> held;
    for (const QString& file : files) {
        held << std::make_shared<QFile>(folder + "/" + file);
        QVERIFY(held.last()->open(QIODevice::ReadOnly));
    }
    QStringList shown;
    if (fullDisk) {
        FileSizeLimit limit(1024);
        shown = writer(t, folder);
    } else {
        ReadOnlyFolder readOnly(folder);
        shown = writer(t, folder);
    }

    QVERIFY2(shown.size() == 1, qPrintable(shown.join('\n')));
    bool named = false;
    for (const QString& file : files) {
        named = named || shown.first().contains(file);
    }
    QVERIFY2(named, qPrintable(shown.first()));
    if (!fullDisk) {
        QVERIFY2(shown.first().contains("Permission denied"), qPrintable(shown.first()));
    }
    // The system's reason, never only a library's code for it.
    QVERIFY2(!shown.first().contains("ZIP_ERRNO"), qPrintable(shown.first()));
    if (fullDisk && QByteArray(QTest::currentDataTag()).startsWith("workbook")) {
        QVERIFY2(shown.first().contains(qt_error_string(EFBIG)), qPrintable(shown.first()));
    }
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(held[i]->readAll(), previous[i]);
        QCOMPARE(FileBytes(folder + "/" + files[i]), previous[i]);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), entries);
}

// A restore keeps a copy of the current data first; when that copy cannot be written, the
// database is not replaced.
void TestFileWriters::failedRestoreKeepsTheDatabase() {
    for (const bool fullDisk : {true, false}) {
        TestContext t;
        Seed(*t.db);
        const QString older = t.root.filePath("older.Bak");
        QVERIFY(WriteDatabaseCopy(*t.db, older, false));
        t.db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values('002','Bob')");
        QVERIFY(QDir().mkpath(t.paths.backupDir));
        const QByteArray before = FileBytes(t.paths.databaseFile);
        QFile held(t.paths.databaseFile);
        QVERIFY(held.open(QIODevice::ReadOnly));

        RestoreOutcome outcome{};
        if (fullDisk) {
            FileSizeLimit limit(1024);
            outcome = RestoreDatabase(*t.db, t.prompts, older, t.paths.backupDir, t.clock.now());
        } else {
            ReadOnlyFolder readOnly(t.paths.backupDir);
            outcome = RestoreDatabase(*t.db, t.prompts, older, t.paths.backupDir, t.clock.now());
        }
        QCOMPARE(outcome.status, RestoreOutcome::Status::Failed);
        QVERIFY2(outcome.message.startsWith("recovery failed, please try again!") &&
                     outcome.message.contains("Kestrava_Europe_before_restore_"),
                 qPrintable(outcome.message));
        QVERIFY(t.db->isOpen());
        QCOMPARE(t.db->value("select LoftName from ZOL_LoftData where LoftNo='002'").toString(),
                 QStringLiteral("Bob"));
        QCOMPARE(held.readAll(), before);
        QCOMPARE(QDir(t.paths.backupDir).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

QTEST_MAIN(TestFileWriters)
#include "test_file_writers.moc"
