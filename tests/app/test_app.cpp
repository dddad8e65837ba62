// The application shell: start-up backup, purge, the Home grid and a first start end to end.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/home_screen.h"
#include "app/main_window.h"
#include "app/startup_backup.h"
#include "members/member_screen.h"
#include "races/race_screen.h"
#include "setup/setup_screen.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

namespace {

void Write(const QString& file, const QByteArray& bytes, const QDateTime& modified) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();
    QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

QByteArray Read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Column(const SqlGrid* grid, int column) {
    QStringList out;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        out << grid->model()->index(row, column).data().toString();
    }
    return out;
}

}  // namespace

class TestApp : public QObject {
    Q_OBJECT
  private slots:
    void startupBackup_data();
    void startupBackup();
    void purgeKeepsTheLast58Days();
    void homeGridSortsByTitleClick();
    void firstStart_data();
    void firstStart();
};

// An existing current backup is a small text file, so that where it went can be seen; a new
// current backup is an SQLite copy of the database.
void TestApp::startupBackup_data() {
    QTest::addColumn<int>("currentAgeDays");  // age of the current backup, -1 = none yet
    QTest::addColumn<bool>("datedExists");    // an older file under the same dated name
    QTest::addColumn<QVariant>("backupDays");
    QTest::addColumn<bool>("rotated");  // kept under its date and made anew

    QTest::newRow("first backup makes folder and file") << -1 << false << QVariant(1) << false;
    QTest::newRow("made today, 1 day allowed: nothing") << 0 << false << QVariant(1) << false;
    QTest::newRow("made today, 0 days: a new one every start") << 0 << false << QVariant(0) << true;
    QTest::newRow("no backup age counts as 0") << 0 << false << QVariant() << true;
    QTest::newRow("5 days old, 5 allowed: rotated") << 5 << false << QVariant(5) << true;
    QTest::newRow("5 days old, 6 allowed: kept") << 5 << false << QVariant(6) << false;
    QTest::newRow("dated file of that day is replaced") << 3 << true << QVariant(2) << true;
}

void TestApp::startupBackup() {
    QFETCH(int, currentAgeDays);
    QFETCH(bool, datedExists);
    QFETCH(QVariant, backupDays);
    QFETCH(bool, rotated);

    TestContext t;
    t.db->exec(QStringLiteral("insert into ZOL_ClubMap values(?,?)"), {"HF", "Harbour Flyers"});
    const StartupBackupFiles files = BackupFilesOf(t.paths);
    QCOMPARE(files.current, t.root.path() + QStringLiteral("/Backup/Kestrava_Europe.bak"));
    const QDateTime made = t.clock.now().addDays(-currentAgeDays);
    const QString dated = files.dated(made.toString(QStringLiteral("yyyyMMdd")));
    if (currentAgeDays >= 0) {
        QDir().mkpath(t.paths.backupDir);
        Write(files.current, "previous backup", made);
        if (datedExists) {
            Write(dated, "older backup of that day", made.addSecs(-3600));
        }
    }

    RunStartupBackup(*t.db, t.paths, backupDays, t.clock);

    const bool madeAnew = currentAgeDays < 0 || rotated;
    if (madeAnew) {
        QCOMPARE(TdmZOLF::MissingTables(files.current), QStringList());
        TdmZOLF copy(files.current);
        QCOMPARE(copy.value(QStringLiteral("select ClubName from ZOL_ClubMap")).toString(),
                 QStringLiteral("Harbour Flyers"));
        // The copy carries the database's last-modified time, which names it later.
        QCOMPARE(QFileInfo(files.current).lastModified(),
                 QFileInfo(t.paths.databaseFile).lastModified());
    } else {
        QCOMPARE(Read(files.current), QByteArray("previous backup"));
    }
    if (rotated) {
        QCOMPARE(Read(dated), QByteArray("previous backup"));
        QCOMPARE(QFileInfo(dated).lastModified(), made);
    } else if (currentAgeDays >= 0) {
        QVERIFY(!QFile::exists(dated));
    }
    const QStringList left = QDir(t.paths.backupDir).entryList(QDir::Files);
    QVERIFY2(left.filter(QStringLiteral(".partial")).isEmpty(), qPrintable(left.join(' ')));
}

void TestApp::purgeKeepsTheLast58Days() {
    TestContext t;  // today is 2026-06-15
    // Dates as older or foreign writers leave them (with a midnight time) count as dates.
    for (const char* day : {"2026-03-01", "2026-04-17", "2026-04-17 00:00:00", "2026-04-18",
                            "2026-04-18 00:00:00", "2026-06-15"}) {
        t.db->exec(QStringLiteral("insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo) "
                                  "values ('L1', ?, 'GB-26-1')"),
                   {QString::fromLatin1(day)});
        t.db->exec(QStringLiteral("insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) "
                                  "values ('L1', ?, 'A1')"),
                   {QString::fromLatin1(day)});
    }
    PurgeOldRaceData(*t.db, t.clock);
    for (const char* table : {"ZOL_PigRaceData", "ZOL_RaceClockTime"}) {
        QStringList left;
        QSqlQuery q =
            t.db->select(QStringLiteral("select LiberDate from %1 order by LiberDate").arg(table));
        while (q.next()) {
            left << q.value(0).toString();
        }
        QCOMPARE(left, QStringList({"2026-04-18", "2026-04-18 00:00:00", "2026-06-15"}));
    }
}

void TestApp::homeGridSortsByTitleClick() {
    TestContext t;
    t.db->exec(
        QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values "
                       "('A1','Miller'),('B2','Adams'),('C3','Zeller')"));
    t.db->exec(
        QStringLiteral("insert into ZOL_LoftClocks (LoftNo, ClockID, LastSynchDate) values "
                       "('A1','0000AAAA','2026-05-02 14:30:00'),"
                       "('B2','0000BBBB',null),"
                       "('C3','0000CCCC','2026-06-01'),"
                       "('GONE','0000DDDD','2026-01-09 08:00:00')"));
    auto home = std::make_unique<TfrmHome>(t.app());
    home->show();
    auto* grid = home->findChild<SqlGrid*>(QStringLiteral("DBGrid1"));
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->rowCountShown(), 4);
    QCOMPARE(grid->model()->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignCenter);

    const auto click = [&grid](int column) {
        emit grid->horizontalHeader()->sectionClicked(column);
    };
    const QStringList ascending{"", "Adams", "Miller", "Zeller"};  // the vanished loft: empty
    click(1);
    QCOMPARE(Column(grid, 1), ascending);
    click(1);
    QCOMPARE(Column(grid, 1), QStringList({"Zeller", "Miller", "Adams", ""}));
    click(1);
    QCOMPARE(Column(grid, 1), ascending);
    // The date shows as the short date; no date shows empty.
    QCOMPARE(Column(grid, 2), QStringList({"2026-01-09", "", "2026-05-02", "2026-06-01"}));

    // The sort order outlives the screen: a new Home screen comes up sorted, and the next
    // click on the same title continues from there.
    home.reset();
    home = std::make_unique<TfrmHome>(t.app());
    home->show();
    grid = home->findChild<SqlGrid*>(QStringLiteral("DBGrid1"));
    QCOMPARE(Column(grid, 1), ascending);
    click(1);
    QCOMPARE(Column(grid, 1), QStringList({"Zeller", "Miller", "Adams", ""}));
    click(0);
    QCOMPARE(Column(grid, 0), QStringList({"0000AAAA", "0000BBBB", "0000CCCC", "0000DDDD"}));
}

// A first start on an empty data folder: the club setup comes first as its own window; with
// the association and abbreviation filled the main window follows and makes the first
// backup, without them the program ends.
void TestApp::firstStart_data() {
    QTest::addColumn<QString>("association");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("setup filled") << QStringLiteral("nrpu") << true;
    QTest::newRow("association left empty") << QString() << false;
}

void TestApp::firstStart() {
    QFETCH(QString, association);
    QFETCH(bool, allowed);

    QTemporaryDir root;
    const DataPaths paths = DataPaths::forDataDir(root.filePath(QStringLiteral("data")));
    QVERIFY(QDir().mkpath(paths.dataDir));
    TdmZOLF db(paths.databaseFile);
    ScriptedPrompts prompts;
    FixedClock clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    AppContext ctx{db, prompts, clock, paths, QStringLiteral("/dev/null")};

    bool setupSeen = false;
    QTimer::singleShot(0, [&] {
        TfrmSetup* setup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* s = qobject_cast<TfrmSetup*>(w); s != nullptr && s->isVisible()) {
                setup = s;
            }
        }
        QVERIFY(setup != nullptr);
        QVERIFY(setup->isModal());
        setupSeen = true;
        setup->findChild<QLineEdit*>(QStringLiteral("edtClubName"))
            ->setText(QStringLiteral("Harbour Flyers"));
        QTest::keyClicks(setup->findChild<QLineEdit*>(QStringLiteral("edtClubAbbt")), "hf");
        QTest::keyClicks(setup->findChild<QLineEdit*>(QStringLiteral("edtAssociation")),
                         association);
        QCOMPARE(setup->findChild<QComboBox*>(QStringLiteral("cbbClubName"))->currentText(),
                 QStringLiteral("Custom"));
        setup->close();
    });
    TfrmMenu_V8_EU_TC window(ctx);
    QVERIFY(setupSeen);
    QCOMPARE(window.startAllowed(), allowed);

    const QString backup = root.filePath(QStringLiteral("Backup/Kestrava_Europe.bak"));
    if (!allowed) {
        QCOMPARE(prompts.shown,
                 QStringList({"message: Association and Club Abbreviation must be filled !"}));
        QCOMPARE(db.rowCount(QStringLiteral("select * from ZOL_ClubData")), 0);
        QCOMPARE(db.rowCount(QStringLiteral("select * from ZOL_ClubMap")), 0);
        QVERIFY(window.close());
        QVERIFY(!QFile::exists(backup));
        return;
    }
    QCOMPARE(db.value(QStringLiteral("select AssociationCode || '/' || ClubID || '/' || ClubName "
                                     "|| '/' || DBBackupDays || '/' || PrintCount "
                                     "from ZOL_ClubData"))
                 .toString(),
             QStringLiteral("NRPU/HF/Harbour Flyers/0/1"));
    QCOMPARE(db.rowCount(QStringLiteral("select * from ZOL_ClubMap where ClubID='HF'")), 1);

    window.show();
    QTRY_VERIFY(QFile::exists(backup));
    QCOMPARE(prompts.of(QStringLiteral("information")),
             QStringList({"Access DB Backup Now, Please. Wait !"}));
    QCOMPARE(TdmZOLF::MissingTables(backup), QStringList());

    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrava Club Management V8"));
    QCOMPARE(window.size(), QSize(1360, 738));
    QCOMPARE(window.y(), 0);
    const QStringList captions{"&H Home", "&C Clock Operation", "&M Member", "&R Races",
                               "&S Setup"};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = window.findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i + 1));
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), captions[i]);
        QCOMPARE(button->width(), 147);
    }
    QVERIFY(window.currentScreen() == nullptr);

    // One screen at a time: switching closes and destroys the old one.
    auto* pnlMain = window.findChild<QWidget*>(QStringLiteral("pnlMain"));
    window.findChild<QToolButton*>(QStringLiteral("ToolButton5"))->click();
    QPointer<QWidget> setup = window.currentScreen();
    QVERIFY(qobject_cast<TfrmSetup*>(setup) != nullptr);
    QCOMPARE(setup->parentWidget(), pnlMain);
    setup->findChild<QLineEdit*>(QStringLiteral("edtClubStreet"))->setText("Quay 1");
    window.findChild<QToolButton*>(QStringLiteral("ToolButton1"))->click();
    QVERIFY(setup.isNull());
    QVERIFY(qobject_cast<TfrmHome*>(window.currentScreen()) != nullptr);
    QCOMPARE(pnlMain->findChildren<TfrmSetup*>().size(), 0);
    QCOMPARE(db.value(QStringLiteral("select Street from ZOL_ClubData")).toString(),
             QStringLiteral("Quay 1"));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);  // Alt+S presses "&S Setup"
    QTRY_VERIFY(qobject_cast<TfrmSetup*>(window.currentScreen()) != nullptr);
    window.findChild<QToolButton*>(QStringLiteral("ToolButton3"))->click();
    QVERIFY(qobject_cast<TfrmMember_TC*>(window.currentScreen()) != nullptr);
    window.findChild<QToolButton*>(QStringLiteral("ToolButton4"))->click();
    QVERIFY(qobject_cast<TfrmRace*>(window.currentScreen()) != nullptr);
    QCOMPARE(pnlMain->findChildren<TfrmMember_TC*>().size(), 0);
    // Only the button of the screen shown is pressed.
    QStringList pressed;
    for (auto* button : window.findChildren<QToolButton*>()) {
        if (button->isChecked()) {
            pressed << button->objectName();
        }
    }
    QCOMPARE(pressed, QStringList{"ToolButton4"});
    // The window keeps its size whichever panel of a screen is shown.
    window.currentScreen()->findChild<QPushButton*>(QStringLiteral("btnSetSunData"))->click();
    QVERIFY(window.currentScreen()->findChild<QWidget*>(QStringLiteral("pnlSunData"))->isVisible());
    QCOMPARE(window.size(), QSize(1360, 738));

    QSignalSpy closed(&window, &TfrmMenu_V8_EU_TC::closed);
    QVERIFY(window.close());
    QCOMPARE(closed.size(), 1);
    QVERIFY(window.currentScreen() == nullptr);
    QCOMPARE(prompts.of(QStringLiteral("error")), QStringList());
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
