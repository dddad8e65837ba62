// The application shell: start-up backup, purge, the Home grid and a first start end to end.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/home_figures.h"
#include "app/home_screen.h"
#include "app/main_window.h"
#include "app/startup_backup.h"
#include "data/date_time.h"
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
    // The user's own settings (window place, antenna port) stay out of the tests' way.
    QTemporaryDir settings_;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    }
    void startupBackup_data();
    void startupBackup();
    void purgeKeepsTheLast58Days();
    void homeGridSortsByTitleClick();
    void homeFiguresOfAClub();
    void backupWarning_data();
    void backupWarning();
    void windowComesBackAsLeft();
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
    // An old entry without a race code is purged too (the season keeps no copy of it).
    t.db->exec(
        QStringLiteral("insert into ZOL_PigRaceData (LiberDate, PRingNo) values "
                       "('2026-03-01', 'GB-26-2')"));
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

// A club on Monday 2026-06-15 at 10:00: a race flown on Saturday, two ahead, and three clocks
// synchronised at different times.
void TestApp::homeFiguresOfAClub() {
    TestContext t;
    auto& db = *t.db;
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, AssociationCode, DBBackupDays) values "
        "('HF','Harbour Flyers','NRPU',7)");
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName) values ('A1','Miller'),('B2','Adams'),"
        "('C3','Zeller')");
    db.exec(
        "insert into ZOL_RaceData (LiberCode, LiberSite, LiberDate, LiberTime, Updatetime, "
        "SynchFlag) values "
        // flown: before today, the later of two
        "('AR','Arras','2026-06-13','08:15:00','2026-06-10 12:00:00.000',1),"
        "('QV','Quievrain','2026-06-06','09:00:00','2026-06-01 12:00:00.000',1),"
        // ahead: the first is next; the later change of the unflagged one is not sent
        "('B23','Brussels','2026-06-20','07:30:00','2026-06-14 18:00:00.000',1),"
        "('NO','Noyon','2026-06-27','07:00:00','2026-06-12 08:00:00.000',1),"
        "('XX','Unsent','2026-06-21','07:00:00','2026-06-15 09:00:00.000',0)");
    // Saturday's race: three birds marked from two lofts (a fourth entered, never marked), two
    // arrived; both clocks read for marking, one read after the race, and the arrival of a third
    // loft typed in (no clock read). Entries of another race of the same code do not count.
    db.exec(
        "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, MarkedTime, BackTime) values "
        "('AR','2026-06-13','R1','2026-06-12 19:00:00','2026-06-13 11:02:03.000'),"
        "('AR','2026-06-13','R2','2026-06-12 19:01:00','2026-06-13 11:05:00.000'),"
        "('AR','2026-06-13','R3','2026-06-12 19:10:00',null),('AR','2026-06-13','R4','',''),"
        "('AR','2026-05-30','R5','2026-05-29 19:00:00','2026-05-30 12:00:00.000'),"
        "('B23','2026-06-20','R1','2026-06-19 19:00:00',null)");
    db.exec(
        "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo, ClockID, DLMarkedTime, "
        "ULClockTime) values ('AR','2026-06-13','A1','0000AAAA','2026-06-12 19:00:00',"
        "'2026-06-13 20:00:00'),('AR','2026-06-13','B2','0000BBBB','2026-06-12 19:10:00',null),"
        "('AR','2026-06-13','C3',null,'2026-06-12 19:20:00','2026-06-13 20:10:00')");
    // A1 after the last change of the races ahead; B2 before it; C3 never.
    db.exec(
        "insert into ZOL_LoftClocks (LoftNo, ClockID, LastSynchDate) values "
        "('A1','0000AAAA','2026-06-14 19:00:00.000'),"
        "('B2','0000BBBB','2026-06-14 17:59:59.999'),('C3','0000CCCC',null)");

    HomeFigures f = ReadHomeFigures(db, t.paths, t.clock);
    QCOMPARE(f.clubName + '|' + f.clubId + '|' + f.association, QString("Harbour Flyers|HF|NRPU"));
    QVERIFY(f.nextRace && f.lastRace);
    const auto race = [](const HomeRace& r) {
        return QStringList{r.liberCode,
                           r.site,
                           DateText(r.date),
                           r.liberTime,
                           QString::number(r.birdsMarked),
                           QString::number(r.birdsArrived),
                           QString::number(r.clocksMarking),
                           QString::number(r.clocksResults)}
            .join('|');
    };
    QCOMPARE(race(*f.nextRace), QString("B23|Brussels|2026-06-20|07:30:00|1|0|0|0"));
    QCOMPARE(race(*f.lastRace), QString("AR|Arras|2026-06-13|08:15:00|3|2|2|1"));
    QCOMPARE(f.racesToSend, 2);
    QCOMPARE(f.raceListChanged, QDateTime(QDate(2026, 6, 14), QTime(18, 0)));
    QCOMPARE(f.clocks, 3);
    QCOMPARE(f.clocksSynchronised, 1);
    QCOMPARE(f.clocksBehind, QStringList({"B2 Adams: 0000BBBB", "C3 Zeller: 0000CCCC"}));
    {
        // The screen says how many and lists them where a long list scrolls.
        TfrmHome home(t.app());
        home.show();
        auto* list = home.findChild<QListWidget*>(QStringLiteral("lstClocksBehind"));
        QVERIFY(list != nullptr && list->isVisible());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("C3 Zeller: 0000CCCC"));
        QVERIFY(home.findChild<QLabel*>(QStringLiteral("lblClocksSynch"))
                    ->text()
                    .endsWith("Still to synchronise: 2 clocks"));
    }
    // No backup yet: that wants attention.
    QVERIFY(!f.lastBackup.isValid());
    QVERIFY(f.backupWarning);

    // A backup of 2026-06-05, 10 days old, with the club's limit at 7 days: a warning once the
    // database changed after it, none while it still holds the data as it stands.
    QDir().mkpath(t.paths.backupDir);
    const QDateTime backupMade(QDate(2026, 6, 5), QTime(9, 0));
    Write(BackupFilesOf(t.paths).current, "backup", backupMade);
    QFile dbFile(t.paths.databaseFile);
    QVERIFY(dbFile.open(QIODevice::ReadWrite));
    QVERIFY(dbFile.setFileTime(backupMade, QFileDevice::FileModificationTime));
    dbFile.close();
    f = ReadHomeFigures(db, t.paths, t.clock);
    QCOMPARE(f.lastBackup, backupMade);
    QCOMPARE(f.backupDays, 7);
    QVERIFY(!f.backupWarning);
    db.exec("update ZOL_ClubData set PrintCount=2");
    QVERIFY(ReadHomeFigures(db, t.paths, t.clock).backupWarning);

    // Every clock synchronised after the last change: all up to date; and with no race ahead
    // there is nothing any clock lacks.
    db.exec("update ZOL_LoftClocks set LastSynchDate='2026-06-15 09:30:00.000'");
    f = ReadHomeFigures(db, t.paths, t.clock);
    QCOMPARE(f.clocksSynchronised, 3);
    QVERIFY(f.clocksBehind.isEmpty());
    db.exec("delete from ZOL_RaceData");
    f = ReadHomeFigures(db, t.paths, t.clock);
    QVERIFY(!f.nextRace && !f.lastRace);
    QCOMPARE(f.racesToSend, 0);
    QCOMPARE(f.clocksSynchronised, 3);
}

void TestApp::backupWarning_data() {
    QTest::addColumn<int>("backupAge");     // days before today; -1 = no backup
    QTest::addColumn<int>("changedAfter");  // 1 changed after it, 0 not, -1 unknown
    QTest::addColumn<int>("backupDays");
    QTest::addColumn<bool>("warning");
    QTest::newRow("no backup") << -1 << 0 << 7 << true;
    QTest::newRow("today's, changed since, 0 days") << 0 << 1 << 0 << false;
    QTest::newRow("yesterday's, changed since, 0 days") << 1 << 1 << 0 << true;
    QTest::newRow("yesterday's, unchanged since") << 1 << 0 << 0 << false;
    QTest::newRow("7 days old, 7 allowed") << 7 << 1 << 7 << false;
    QTest::newRow("8 days old, 7 allowed") << 8 << 1 << 7 << true;
    QTest::newRow("8 days old, change unknown") << 8 << -1 << 7 << true;
    QTest::newRow("a year old, unchanged since") << 365 << 0 << 7 << false;
}

void TestApp::backupWarning() {
    QFETCH(int, backupAge);
    QFETCH(int, changedAfter);
    QFETCH(int, backupDays);
    QFETCH(bool, warning);
    const QDate today(2026, 6, 15);
    const QDateTime backup =
        backupAge < 0 ? QDateTime() : QDateTime(today.addDays(-backupAge), QTime(8, 0));
    const QDateTime changed = changedAfter < 0 ? QDateTime()
                              : changedAfter   ? backup.addSecs(60)
                                               : backup;
    QCOMPARE(BackupWarning(backup, changed, backupDays, today), warning);
}

// The window's size is the user's, kept on this computer from one run to the next.
void TestApp::windowComesBackAsLeft() {
    TestContext t;
    t.db->exec("insert into ZOL_ClubData (ClubID, AssociationCode) values ('HF','NRPU')");
    {
        TfrmMenu_V8_EU_TC window(t.app());
        window.setWindowState(Qt::WindowNoState);
        window.resize(1100, 650);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.close());
    }
    TfrmMenu_V8_EU_TC again(t.app());
    QCOMPARE(again.size(), QSize(1100, 650));
    QVERIFY(!again.isMaximized());
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
    const QStringList captions{"&H Home", "&C Clock Operation", "&M Member", "&R Races",
                               "&S Setup"};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = window.findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i + 1));
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), captions[i]);
        QCOMPARE(button->width(), 147);
    }
    // The window opens on the day's work; its buttons lead to the screens that work needs.
    QTRY_VERIFY(qobject_cast<TfrmHome*>(window.currentScreen()) != nullptr);
    QVERIFY(window.findChild<QToolButton*>(QStringLiteral("ToolButton1"))->isChecked());
    QVERIFY(window.currentScreen()
                ->findChild<QLabel*>(QStringLiteral("lblClub"))
                ->text()
                .startsWith(QStringLiteral("Harbour Flyers")));

    // One screen at a time: switching closes and destroys the old one.
    auto* pnlMain = window.findChild<QWidget*>(QStringLiteral("pnlMain"));
    window.currentScreen()->findChild<QPushButton*>(QStringLiteral("btnHomeSetup"))->click();
    QTRY_VERIFY(qobject_cast<TfrmSetup*>(window.currentScreen()) != nullptr);
    QPointer<QWidget> setup = window.currentScreen();
    QVERIFY(qobject_cast<TfrmSetup*>(setup) != nullptr);
    QVERIFY(pnlMain->isAncestorOf(setup));
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
    const QSize size = window.size();
    window.currentScreen()->findChild<QPushButton*>(QStringLiteral("btnSetSunData"))->click();
    QVERIFY(window.currentScreen()->findChild<QWidget*>(QStringLiteral("pnlSunData"))->isVisible());
    window.currentScreen()->findChild<QPushButton*>(QStringLiteral("btnCan_Sun"))->click();
    QVERIFY(
        window.currentScreen()->findChild<QWidget*>(QStringLiteral("pnlRacePoint"))->isVisible());
    QCOMPARE(window.size(), size);

    QSignalSpy closed(&window, &TfrmMenu_V8_EU_TC::closed);
    QVERIFY(window.close());
    QCOMPARE(closed.size(), 1);
    QVERIFY(window.currentScreen() == nullptr);
    QCOMPARE(prompts.of(QStringLiteral("error")), QStringList());
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
