// Club setup: storing the club record on close, backup on demand and restore.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "data/local_settings.h"
#include "races/distance_method.h"
#include "setup/club_setup.h"
#include "setup/setup_screen.h"
#include "test_context.h"
#include "widgets/edit_controls.h"

using Edit = std::function<void(ClubSetupFields&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// The club as stored before each case: Harbour Flyers (HF) of the NRPU, plus a second known club.
void SeedClub(TdmZOLF& db) {
    db.exec(
        QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Street, City, PostCode, "
                       "AssociationCode, Language, Mode, DBBackupDays, PrintCount) "
                       "values ('HF','Harbour Flyers','Old Road','Port','PO1','NRPU',0,1,7,2)"));
    db.exec(
        QStringLiteral("insert into ZOL_ClubMap values ('HF','Harbour Flyers'),"
                       "('AB','Abbey Club')"));
}

QStringList Rows(TdmZOLF& db, const QString& sql) {
    QStringList rows;
    QSqlQuery q = db.select(sql);
    while (q.next()) {
        rows << q.value(0).toString();
    }
    return rows;
}

QStringList ClubRecords(TdmZOLF& db) {
    return Rows(db, QStringLiteral("select AssociationCode||'|'||ClubID||'|'||ClubName||'|'||"
                                   "Street||'|'||Mode||'|'||DBBackupDays||'|'||PrintCount "
                                   "from ZOL_ClubData"));
}

QStringList KnownClubs(TdmZOLF& db) {
    return Rows(db,
                QStringLiteral("select ClubID||'='||ClubName from ZOL_ClubMap order by ClubID"));
}

QByteArray Read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestSetup : public QObject {
    Q_OBJECT
  private slots:
    void storingOnClose_data();
    void storingOnClose();
    void screenFillsLocksAndRefusesBadNumbers();
    void changedOnAnotherSeatIsShownAgain();
    void tabOrderAndNumberBoxes();
    void antennaPortChosenAndRemembered();
    void backupOnDemand();
    void restoreRefusesForeignFiles_data();
    void restoreRefusesForeignFiles();
    void restoreReplacesTheDatabase();
    void restoreCopyFailureKeepsWorking();
};

void TestSetup::storingOnClose_data() {
    QTest::addColumn<bool>("seeded");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("shown");

    const QStringList seededRecord{"NRPU|HF|Harbour Flyers|Old Road|1|7|2"};
    const QStringList seededKnown{"AB=Abbey Club", "HF=Harbour Flyers"};
    const QString mustBeFilled =
        QStringLiteral("message: Association and Club Abbreviation must be filled !");

    QTest::newRow("first run stores the club and lists it")
        << false << Edit([](ClubSetupFields& f) {
               f.clubChoice = "Custom";
               f.clubName = "Dune Racers";
               f.clubId = "DR";
               f.association = "KBDB";
           })
        << true << QStringList{"KBDB|DR|Dune Racers||0|0|1"} << QStringList{"DR=Dune Racers"}
        << QStringList();
    QTest::newRow("first run without association stores nothing")
        << false << Edit([](ClubSetupFields& f) {
               f.clubChoice = "Custom";
               f.clubName = "Dune Racers";
               f.clubId = "DR";
           })
        << false << QStringList() << QStringList() << QStringList{mustBeFilled};
    QTest::newRow("changed street updates the record")
        << true << Edit([](ClubSetupFields& f) { f.street = "Quay 1"; }) << true
        << QStringList{"NRPU|HF|Harbour Flyers|Quay 1|1|7|2"} << seededKnown << QStringList();
    QTest::newRow("changed numbers update the record") << true << Edit([](ClubSetupFields& f) {
        f.mode = 0;
        f.backupDays = " 3";
        f.copies = "5";
    }) << true << QStringList{"NRPU|HF|Harbour Flyers|Old Road|0|3|5"}
                                                       << seededKnown << QStringList();
    QTest::newRow("changed abbreviation replaces the record and lists the club")
        << true << Edit([](ClubSetupFields& f) {
               f.clubId = "HF2";
               f.clubName = "Harbour Flyers North";
           })
        << true << QStringList{"NRPU|HF2|Harbour Flyers North|Old Road|1|7|2"}
        << QStringList{"AB=Abbey Club", "HF=Harbour Flyers", "HF2=Harbour Flyers North"}
        << QStringList();
    QTest::newRow("changed association with a listed club keeps the list")
        << true << Edit([](ClubSetupFields& f) { f.association = "KBDB"; }) << true
        << QStringList{"KBDB|HF|Harbour Flyers|Old Road|1|7|2"} << seededKnown << QStringList();
    QTest::newRow("emptied association leaves everything as it was")
        << true << Edit([](ClubSetupFields& f) {
               f.clubChoice = "Custom";
               f.clubName = "Renamed";
               f.association = "";
           })
        << false << seededRecord << seededKnown << QStringList{mustBeFilled};
    QTest::newRow("custom renames the listed club")
        << true << Edit([](ClubSetupFields& f) {
               f.clubChoice = "Custom";
               f.clubName = "Harbour Flyers Ltd";
           })
        << true << QStringList{"NRPU|HF|Harbour Flyers Ltd|Old Road|1|7|2"}
        << QStringList{"AB=Abbey Club", "HF=Harbour Flyers Ltd"} << QStringList();
    QTest::newRow("backup age not a number: error, nothing stored")
        << true << Edit([](ClubSetupFields& f) {
               f.clubChoice = "Custom";
               f.clubName = "Renamed";
               f.backupDays = "7d";
           })
        << false << seededRecord << seededKnown
        << QStringList{QStringLiteral("error: ") + kBackupDaysRange};
    QTest::newRow("copies above five: error, nothing stored")
        << true << Edit([](ClubSetupFields& f) { f.copies = "9"; }) << false << seededRecord
        << seededKnown << QStringList{QStringLiteral("error: ") + kCopiesRange};
    QTest::newRow("backup age above 100: error, nothing stored")
        << true << Edit([](ClubSetupFields& f) { f.backupDays = "101"; }) << false << seededRecord
        << seededKnown << QStringList{QStringLiteral("error: ") + kBackupDaysRange};
    QTest::newRow("copies with a trailing blank: error, nothing stored")
        << true << Edit([](ClubSetupFields& f) {
               f.clubId = "NEW";
               f.copies = "2 ";
           })
        << false << seededRecord << seededKnown
        << QStringList{QStringLiteral("error: ") + kCopiesRange};
}

void TestSetup::storingOnClose() {
    QFETCH(bool, seeded);
    QFETCH(Edit, edit);
    QFETCH(bool, saved);
    QFETCH(QStringList, records);
    QFETCH(QStringList, known);
    QFETCH(QStringList, shown);

    TestContext t;
    if (seeded) {
        SeedClub(*t.db);
    }
    ClubSetupFields fields = LoadClubSetup(*t.db).value_or(ClubSetupFields{});
    if (!seeded) {
        fields.clubChoice = QLatin1String(kCustomClub);
    }
    edit(fields);
    bool result = false;
    guarded(t.prompts, [&] { result = StoreClubSetup(*t.db, t.prompts, fields); });
    QCOMPARE(result, saved);
    QCOMPARE(ClubRecords(*t.db), records);
    QCOMPARE(KnownClubs(*t.db), known);
    QCOMPARE(t.prompts.shown, shown);
}

void TestSetup::screenFillsLocksAndRefusesBadNumbers() {
    TestContext t;
    SeedClub(*t.db);
    TfrmSetup screen(t.app());
    screen.show();
    auto* name = screen.findChild<QLineEdit*>(QStringLiteral("edtClubName"));
    auto* abbreviation = screen.findChild<QLineEdit*>(QStringLiteral("edtClubAbbt"));
    auto* clubs = screen.findChild<QComboBox*>(QStringLiteral("cbbClubName"));
    auto* days = screen.findChild<QLineEdit*>(QStringLiteral("edtDay"));
    QCOMPARE(clubs->count(), 4);
    QCOMPARE(clubs->itemText(1), QStringLiteral("------------"));
    QCOMPARE(clubs->itemText(2), QStringLiteral("Abbey Club"));  // by ClubID: AB before HF
    QCOMPARE(clubs->currentText(), QStringLiteral("Harbour Flyers"));
    QCOMPARE(days->text(), QStringLiteral("7"));
    QCOMPARE(screen.findChild<QComboBox*>(QStringLiteral("cbbMode"))->currentText(),
             QStringLiteral("yds/min"));
    QCOMPARE(name->maxLength(), 50);
    QCOMPARE(abbreviation->maxLength(), 10);

    // Leaving the list without choosing locks nothing.
    emit clubs->lineEdit()->editingFinished();
    QVERIFY(name->isEnabled() && abbreviation->isEnabled());

    const auto choose = [clubs](int index) {
        clubs->setCurrentIndex(index);
        emit clubs->activated(index);
    };
    choose(2);
    QCOMPARE(name->text(), QStringLiteral("Abbey Club"));
    QCOMPARE(abbreviation->text(), QStringLiteral("AB"));
    QVERIFY(!name->isEnabled() && !abbreviation->isEnabled());
    choose(1);  // the separator changes nothing
    QVERIFY(!name->isEnabled());
    choose(0);
    QVERIFY(name->isEnabled() && abbreviation->isEnabled());
    QCOMPARE(abbreviation->text(), QStringLiteral("AB"));

    // A backup age that is not a number: the error naming the field shows and the screen
    // stays open.
    days->setText(QStringLiteral("x"));
    QVERIFY(!screen.close());
    QVERIFY(screen.isVisible());
    QCOMPARE(t.prompts.of(QStringLiteral("error")), QStringList({kBackupDaysRange}));
    QCOMPARE(ClubRecords(*t.db), QStringList({"NRPU|HF|Harbour Flyers|Old Road|1|7|2"}));
    // The up-down steps from a number within its limits.
    days->setText(QStringLiteral("100"));
    screen.findChild<UpDown*>(QStringLiteral("udDate"))->stepBy(1);
    QCOMPARE(days->text(), QStringLiteral("100"));
    // The distance method is stored with the club record, as a club setting.
    auto* method = screen.findChild<QComboBox*>(QStringLiteral("cbbDistanceMethod"));
    QCOMPARE(method->currentText(), QStringLiteral("Flat (federation file rule)"));
    method->setCurrentIndex(1);
    QVERIFY(screen.close());
    QVERIFY(screen.saved());
    QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Geodesic);
    QCOMPARE(KnownClubs(*t.db), QStringList({"AB=Abbey Club", "HF=Harbour Flyers"}));
    QCOMPARE(ClubRecords(*t.db), QStringList({"NRPU|AB|Abbey Club|Old Road|1|100|2"}));
}

// The first-run window as a new secretary fills it: Tab goes down the labels, and the two
// number boxes take only digits within their ranges.
void TestSetup::changedOnAnotherSeatIsShownAgain() {
    TestContext t;
    SeedClub(*t.db);
    TfrmSetup screen(t.app());
    screen.show();
    auto* street = screen.findChild<QLineEdit*>(QStringLiteral("edtClubStreet"));
    street->setText(QStringLiteral("Typed Road"));
    // Another seat changes the club while the screen is open; the secretary chooses to see it.
    {
        TdmZOLF desk(t.db->fileName());
        desk.exec(QStringLiteral("update ZOL_ClubData set Street='Desk Road'"));
    }
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!screen.close());
    QVERIFY(screen.isVisible());
    QCOMPARE(t.prompts.of(QStringLiteral("question")).value(0).section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("The club setup was changed on another seat."));
    QCOMPARE(street->text(), QStringLiteral("Desk Road"));
    QCOMPARE(ClubRecords(*t.db), QStringList({"NRPU|HF|Harbour Flyers|Desk Road|1|7|2"}));

    // Typed again over what is shown now: stored without a question.
    street->setText(QStringLiteral("Typed Road"));
    QVERIFY(screen.close());
    QVERIFY(screen.saved());
    QCOMPARE(t.prompts.of(QStringLiteral("question")).size(), 1);
    QCOMPARE(ClubRecords(*t.db), QStringList({"NRPU|HF|Harbour Flyers|Typed Road|1|7|2"}));
}

void TestSetup::tabOrderAndNumberBoxes() {
    TestContext t;
    TfrmSetup screen(t.app());
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto* name = screen.findChild<QLineEdit*>(QStringLiteral("edtClubName"));
    QTRY_COMPARE(QApplication::focusWidget(), name);
    QStringList order;
    for (int i = 0; i < 16; ++i) {
        QWidget* focus = QApplication::focusWidget();
        // The known-club list is focused through its text box.
        order << (focus->objectName().isEmpty() ? focus->parentWidget() : focus)->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"edtClubName", "edtClubAbbt", "cbbClubName", "edtClubStreet",
                                 "edtClubToneCity", "edtPostCode", "edtAssociation", "cbbLangue",
                                 "cbbMode", "cbbDistanceMethod", "edtSeasonsKept", "chkLargerText",
                                 "edtDay", "btnLoadBk", "btnBackNow", "edtCopies"}));

    auto* days = screen.findChild<QLineEdit*>(QStringLiteral("edtDay"));
    auto* copies = screen.findChild<QLineEdit*>(QStringLiteral("edtCopies"));
    days->selectAll();
    QTest::keyClicks(days, "1x0a1");
    QCOMPARE(days->text(), QStringLiteral("10"));
    copies->selectAll();
    QTest::keyClicks(copies, "9");
    QCOMPARE(copies->text(), QStringLiteral("1"));
    QTest::keyClicks(copies, "x");
    QCOMPARE(copies->text(), QStringLiteral("1"));
    copies->selectAll();
    QTest::keyClicks(copies, "4");
    QCOMPARE(copies->text(), QStringLiteral("4"));
}

// A port typed into the box (the clock emulator's link, which the system does not list) is
// the one the clock screens open from then on, and at the next start.
void TestSetup::antennaPortChosenAndRemembered() {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    TestContext t;
    SeedClub(*t.db);
    TfrmSetup screen(t.app());
    screen.show();
    auto* port = screen.findChild<QComboBox*>(QStringLiteral("cbbPort"));
    QVERIFY(port != nullptr);
    // The port in use (the test's /dev/null) is shown, whether the system lists it or not.
    QCOMPARE(port->currentData().toString(), QStringLiteral("/dev/null"));
    port->lineEdit()->selectAll();
    QTest::keyClicks(port->lineEdit(), "/tmp/kestrava-clock");
    QTest::keyClick(port->lineEdit(), Qt::Key_Return);
    QCOMPARE(t.app().portName, QStringLiteral("/tmp/kestrava-clock"));
    QCOMPARE(RememberedPort(*OpenLocalSettings()), QStringLiteral("/tmp/kestrava-clock"));
    QCOMPARE(port->currentData().toString(), QStringLiteral("/tmp/kestrava-clock"));

    // Typed and left without Enter: stored when the screen closes.
    port->lineEdit()->selectAll();
    QTest::keyClicks(port->lineEdit(), "/dev/ttyUSB1");
    QVERIFY(screen.close());
    QCOMPARE(RememberedPort(*OpenLocalSettings()), QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(t.app().portName, QStringLiteral("/dev/ttyUSB1"));
    // The command line still wins for its run.
    QCOMPARE(PortForRun("/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyUSB0"), QString("/dev/ttyACM0"));
    QCOMPARE(PortForRun("", "/dev/ttyUSB1", "/dev/ttyUSB0"), QString("/dev/ttyUSB1"));
    QCOMPARE(PortForRun("", "", "/dev/ttyUSB0"), QString("/dev/ttyUSB0"));
}

void TestSetup::backupOnDemand() {
    TestContext t;
    SeedClub(*t.db);
    const QString chosen = t.root.filePath(QStringLiteral("mine.Bak"));
    const QString written = t.root.filePath(QStringLiteral("mine.Bak_260615.Bak"));
    QCOMPARE(OnDemandBackupName(chosen, t.clock.today()), written);

    TfrmSetup screen(t.app());
    auto* button = screen.findChild<QPushButton*>(QStringLiteral("btnBackNow"));
    t.prompts.fileNames << chosen;
    button->click();
    QVERIFY(QFile::exists(written));
    // A second backup the same day replaces the first.
    t.db->exec(QStringLiteral("update ZOL_ClubData set Street='Second'"));
    t.prompts.fileNames << chosen;
    button->click();
    {
        TdmZOLF copy(written);
        QCOMPARE(copy.value(QStringLiteral("select Street from ZOL_ClubData")).toString(),
                 QStringLiteral("Second"));
    }
    t.prompts.fileNames << t.root.filePath(QStringLiteral("no/such/folder/x"));
    button->click();
    button->click();  // cancelled: nothing happens
    const QString failed =
        QStringLiteral("message: backup failed, please retry!\nCannot write \"%1\": ")
            .arg(OnDemandBackupName(t.root.filePath(QStringLiteral("no/such/folder/x")),
                                    t.clock.today()));
    QCOMPARE(t.prompts.shown.size(), 7);
    QVERIFY2(t.prompts.shown[5].startsWith(failed), qPrintable(t.prompts.shown[5]));
    t.prompts.shown[5] = failed;
    QCOMPARE(t.prompts.shown,
             QStringList({"save: Access BackUp files (*.Bak)", "message: backup was successful!",
                          "save: Access BackUp files (*.Bak)", "message: backup was successful!",
                          "save: Access BackUp files (*.Bak)", failed,
                          "save: Access BackUp files (*.Bak)"}));
    QCOMPARE(QDir(t.root.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("mine.Bak_260615.Bak")});
}

void TestSetup::restoreRefusesForeignFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("text file") << QStringLiteral("text");
    QTest::newRow("SQLite file lacking tables") << QStringLiteral("sqlite");
    QTest::newRow("the database in use") << QStringLiteral("self");
    QTest::newRow("damaged backup") << QStringLiteral("damaged");
}

void TestSetup::restoreRefusesForeignFiles() {
    QFETCH(QString, kind);
    TestContext t;
    SeedClub(*t.db);
    QString file = t.root.filePath(QStringLiteral("foreign.Bak"));
    if (kind == QLatin1String("text")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Club list\r\nHF;Harbour Flyers\r\n");
    } else if (kind == QLatin1String("sqlite")) {
        TdmZOLF other(file);
        other.exec(QStringLiteral("drop table ZOL_PigData"));
    } else if (kind == QLatin1String("damaged")) {
        // A sound backup of a club with a few thousand rings, then 16 bytes overwritten in the
        // middle of the file, as a failing disk or an interrupted copy leaves it: the tables are
        // all there and can be counted, yet part of the data is gone.
        t.db->transaction([&] {
            for (int i = 0; i < 3000; ++i) {
                t.db->exec(QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo,Comment) "
                                          "values('0101',?,'reeks')"),
                           {QStringLiteral("BE24%1").arg(i, 7, 10, QLatin1Char('0'))});
            }
        });
        t.db->backupTo(file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        QVERIFY(f.size() > 8 * pageSize);
        QVERIFY(f.seek((f.size() / pageSize / 2) * pageSize));
        f.write(QByteArray(16, '\xff'));
        f.close();
        QCOMPARE(TdmZOLF::MissingTables(file), QStringList());
    } else {
        file = t.paths.databaseFile;
    }
    const QByteArray before = Read(t.paths.databaseFile);

    const RestoreOutcome outcome =
        RestoreDatabase(*t.db, t.prompts, file, t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Refused);
    QCOMPARE(t.prompts.of(QStringLiteral("question")), QStringList());
    QVERIFY2(outcome.message.contains(QStringLiteral("was not loaded")) &&
                 outcome.message.endsWith(QStringLiteral("The current data is unchanged.")),
             qPrintable(outcome.message));
    if (kind == QLatin1String("sqlite")) {
        QVERIFY(outcome.message.contains(QStringLiteral("ZOL_PigData")));
    }
    if (kind == QLatin1String("damaged")) {
        QVERIFY2(outcome.message.contains(QStringLiteral("damaged")), qPrintable(outcome.message));
        QVERIFY(!QFileInfo::exists(t.paths.databaseFile + QStringLiteral(".restore")));
        QCOMPARE(QDir(t.paths.backupDir).entryList(QDir::Files), QStringList());
    }
    QVERIFY(t.db->isOpen());
    QCOMPARE(Read(t.paths.databaseFile), before);
    QCOMPARE(ClubRecords(*t.db), QStringList({"NRPU|HF|Harbour Flyers|Old Road|1|7|2"}));
}

void TestSetup::restoreReplacesTheDatabase() {
    TestContext t;
    SeedClub(*t.db);
    const QString chosen = t.root.filePath(QStringLiteral("saved"));
    QVERIFY(BackupOnDemand(*t.db, chosen, t.clock.today()));
    const QString backup = OnDemandBackupName(chosen, t.clock.today());
    {
        QFile made(backup);
        QVERIFY(made.open(QIODevice::ReadWrite));
        QVERIFY(made.setFileTime(QDateTime(QDate(2026, 5, 2), QTime(18, 30)),
                                 QFileDevice::FileModificationTime));
    }
    t.db->exec(QStringLiteral("update ZOL_ClubData set Street='Changed later'"));
    t.db->exec(
        QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values "
                       "('001','Ann'),('002','Bob')"));
    t.db->exec(
        QStringLiteral("insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo) "
                       "values ('1A','2026-06-01','GB1')"));
    // A leftover journal of the old file must not reach the restored one.
    QFile journal(t.paths.databaseFile + QStringLiteral("-journal"));
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.close();

    TfrmSetup screen(t.app());
    screen.show();
    auto* load = screen.findChild<QPushButton*>(QStringLiteral("btnLoadBk"));
    const QString kept = t.root.filePath(
        QStringLiteral("Backup/Kestrava_Europe_before_restore_20260615_100000.Bak"));
    const QString question =
        QStringLiteral(
            "Load the backup \"saved_260615.Bak\" of 2026-05-02 18:30:00?\n\nIt "
            "holds 0 lofts, 0 pigeons, 0 races and 0 race entries.\nThe current data "
            "holds 2 lofts, 0 pigeons, 0 races and 1 race entry, and will be "
            "replaced.\n\nThe current data is kept first as \"%1\", which \"Load "
            "Backup\" can restore.")
            .arg(kept);

    // Answered No: nothing is replaced, nothing kept.
    t.prompts.fileNames << backup;
    t.prompts.answers << Prompts::Answer::No;
    load->click();
    QCOMPARE(t.prompts.of(QStringLiteral("question")), QStringList{question});
    QCOMPARE(t.prompts.of(QStringLiteral("message")), QStringList());
    QVERIFY(t.db->isOpen());
    QVERIFY(!QFileInfo::exists(kept));

    t.prompts.fileNames << backup;
    load->click();
    QCOMPARE(t.prompts.of(QStringLiteral("message")),
             QStringList({"successful recovery of data!\nThe data it replaced is kept as \"" +
                          kept + "\"."}));
    QVERIFY(!t.db->isOpen());
    QVERIFY(!journal.exists());
    // The screen closes its window (the program ends) without storing into the new file.
    QTRY_VERIFY(!screen.isVisible());
    QVERIFY(!screen.saved());

    TdmZOLF restored(t.paths.databaseFile);
    QCOMPARE(ClubRecords(restored), QStringList({"NRPU|HF|Harbour Flyers|Old Road|1|7|2"}));
    // What was replaced can be loaded again.
    TdmZOLF before(kept);
    QCOMPARE(before.value(QStringLiteral("select Street from ZOL_ClubData")).toString(),
             QStringLiteral("Changed later"));
    QCOMPARE(before.rowCount(QStringLiteral("select * from ZOL_LoftData")), 2);
}

void TestSetup::restoreCopyFailureKeepsWorking() {
    TestContext t;
    SeedClub(*t.db);
    const QString chosen = t.root.filePath(QStringLiteral("saved"));
    QVERIFY(BackupOnDemand(*t.db, chosen, t.clock.today()));
    // The place the backup is copied to first is taken, so the copy fails.
    QVERIFY(QDir().mkpath(t.paths.databaseFile + QStringLiteral(".restore")));

    const RestoreOutcome outcome =
        RestoreDatabase(*t.db, t.prompts, OnDemandBackupName(chosen, t.clock.today()),
                        t.paths.backupDir, t.clock.now());
    QCOMPARE(outcome.status, RestoreOutcome::Status::Failed);
    QVERIFY2(outcome.message.startsWith(QStringLiteral("recovery failed, please try again!\n")),
             qPrintable(outcome.message));
    QVERIFY(t.db->isOpen());
    t.db->exec(QStringLiteral("update ZOL_ClubData set Street='Still working'"));
    QCOMPARE(t.db->value(QStringLiteral("select Street from ZOL_ClubData")).toString(),
             QStringLiteral("Still working"));
}

QTEST_MAIN(TestSetup)
#include "test_setup.moc"
