// The Races screen as the secretary uses it: the editor, the action list, the sun data and the
// distance panels. With KESTRAVA_SHOTS set to a folder, the panels are saved there as pictures.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include "widgets/date_time_box.h"

#include "races/distance_method.h"
#include "races/race_screen.h"
#include "races/sun_data.h"
#include "screen_helpers.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

namespace {

void seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec("insert into ZOL_ClubMap values('KC','Kestrava Club')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('001','Ann',?,?)",
            {"W001'30:00.00", "N051'30:00.00"});
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('002','Bob',?,?)",
            {"W001'00:00.00", "N051'00:00.00"});
}

QString cell(SqlGrid* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// Enters a new race 1A "Dover" through the editor and saves it.
void enterRace(QWidget& screen) {
    child<QComboBox>(screen, "combClub")->setCurrentIndex(0);
    click(screen, "btn1");
    QTest::mouseClick(child<QCheckBox>(screen, "chkLibPoint"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(screen, "edtlibSiteAbbriv"), "dov");
    child<QComboBox>(screen, "combLibSite")->setEditText("Dover");
    child<QLineEdit>(screen, "medtRaceLon")->setText("E002'00:00");
    child<QLineEdit>(screen, "medtRaceLat")->setText("N050'00:00");
    child<DateTimeBox>(screen, "dtpLibDate")->setDate(QDate(2026, 5, 26));
    child<DateTimeBox>(screen, "dtpLibTime")->setTime(QTime(7, 0));
    QTest::keyClicks(child<QLineEdit>(screen, "edtLibCode"), "1A");
    click(screen, "btnOK");
}

}  // namespace

class TestRaceScreen : public QObject {
    Q_OBJECT
  private slots:
    void enterRaceThroughTheEditor();
    void codeKeysAndCoordinateChecks();
    void actionListAtThePointer();
    void sunDataPanel();
    void typedDateAndTimeAndANewDateAsks();
    void loftDistancePanel();
    void pastedCoordinatesAndBothMethods();
    void distanceDownloadPanel();
    void sortTextOutlivesTheScreen();
};

void TestRaceScreen::enterRaceThroughTheEditor() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    QCOMPARE(child<DateTimeBox>(screen, "dtpLibDate")->date(), QDate(2026, 6, 15));
    QVERIFY(!child<QLineEdit>(screen, "edtLibCode")->isEnabled());
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());
    QVERIFY(!child<QWidget>(screen, "rgRacePoint")->isVisible());
    QVERIFY(!child<QWidget>(screen, "grpClubMap")->isVisible());

    enterRace(screen);
    QVERIFY2(t.prompts.shown.isEmpty(), qPrintable(t.prompts.shown.join('\n')));
    auto* list = child<SqlGrid>(screen, "dbgrd1");
    QCOMPARE(list->rowCountShown(), 1);
    QCOMPARE(cell(list, 0, 2), QStringLiteral("DOV"));
    QCOMPARE(cell(list, 0, 5), QStringLiteral("07:00:00"));
    QCOMPARE(list->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Lib. Date"));
    QVERIFY(!child<QCheckBox>(screen, "chkLibPoint")->isChecked());
    QVERIFY(!child<QLineEdit>(screen, "edtLibCode")->isEnabled());
    QCOMPARE(child<QComboBox>(screen, "combLibSite")->findText("Dover"), 0);
    QCOMPARE(t.db->rowCount("select * from ZOL_LoftLibPointDist where LiberCode='1A'"), 2);
    shot(screen, "races-main");

    // A second race at the same point: choosing the site fills the editor; the blank mask of
    // an emptied longitude stores null coordinates on insert.
    click(screen, "btn1");
    auto* site = child<QComboBox>(screen, "combLibSite");
    site->setCurrentIndex(0);
    emit site->activated(0);
    QCOMPARE(child<QLineEdit>(screen, "edtLibCode")->text(), QStringLiteral("1A"));
    QCOMPARE(child<QLineEdit>(screen, "medtRaceLon")->text(), QStringLiteral("E002'00:00"));
    child<QLineEdit>(screen, "medtRaceLon")->clear();
    child<DateTimeBox>(screen, "dtpLibDate")->setDate(QDate(2026, 6, 2));
    click(screen, "btnOK");
    QCOMPARE(t.db->value("select LiberLon is null and LiberLat is null from ZOL_RaceData where "
                         "LiberDate='2026-06-02'")
                 .toInt(),
             1);

    // Clubs: add through the pop-up menu's group, delete without a question.
    child<QWidget>(screen, "grpClubMap")->show();
    QTest::keyClicks(child<QLineEdit>(screen, "edtClubCode"), "NB");
    QTest::keyClicks(child<QLineEdit>(screen, "edtClubNmae"), "Neighbours");
    click(screen, "btnClubSave");
    QVERIFY(!child<QWidget>(screen, "grpClubMap")->isVisible());
    QCOMPARE(child<QComboBox>(screen, "combClub")->count(), 2);
}

void TestRaceScreen::codeKeysAndCoordinateChecks() {
    TestContext t;
    TfrmRace screen(t.app());
    screen.show();
    QTest::mouseClick(child<QCheckBox>(screen, "chkLibPoint"), Qt::LeftButton);
    auto* code = child<QLineEdit>(screen, "edtLibCode");
    QTest::keyClicks(code, "1B");
    QTest::keyClicks(code, "a");  // not a code character: deletes the one before
    QCOMPARE(code->text(), QStringLiteral("1"));
    QTest::keyClicks(code, "F9G");
    QCOMPARE(code->text(), QStringLiteral("1F"));
    // Delete (which carries the DEL character on X11) still removes the one after the cursor.
    QTest::keyClick(code, Qt::Key_Home);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(code, &del);
    QCOMPARE(code->text(), QStringLiteral("F"));

    auto* lon = child<QLineEdit>(screen, "medtRaceLon");
    auto* lat = child<QLineEdit>(screen, "medtRaceLat");
    lon->setText("E121'60:00");
    lat->setText("N051'30:00");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(lat, &leave);  // leaving the latitude checks the longitude
    QApplication::sendEvent(lon, &leave);  // and the other way round
    QCOMPARE(t.prompts.of("error"), QStringList{"Longitude Input Value > 60 !"});
    QCOMPARE(lon->text(), QStringLiteral("E121'60:00"));  // the text stays as typed
    lat->clear();
    screen.resize(1100, 620);
    shot(screen, "races-editor");
}

void TestRaceScreen::actionListAtThePointer() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    enterRace(screen);
    auto* actions = child<QListWidget>(screen, "rgRacePoint");
    QCOMPARE(actions->count(),
             15);  // the race actions, a line, "Federation", "Pools", "Championships"
    rightClickRace(screen, 0);
    QVERIFY(actions->isVisible());
    auto* grid = child<SqlGrid>(screen, "dbgrd1");
    const QPoint expected =
        grid->viewport()->mapTo(&screen, grid->visualRect(grid->model()->index(0, 1)).center()) +
        QPoint(30, 10);
    QCOMPARE(actions->pos(), expected);
    shot(screen, "races-actions");

    chooseAction(screen, 4);
    QVERIFY(child<QWidget>(screen, "pnlLoftRaceStat")->isVisible());
    QVERIFY(!actions->isVisible());
    QVERIFY(actions->selectedItems().isEmpty());
    click(screen, "btnLoftRaceStat");
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());

    // Delete Point asks first; No keeps the race.
    t.prompts.answers.enqueue(Prompts::Answer::No);
    rightClickRace(screen, 0);
    chooseAction(screen, 1);
    QCOMPARE(grid->rowCountShown(), 1);
    rightClickRace(screen, 0);
    chooseAction(screen, 1);
    QCOMPARE(grid->rowCountShown(), 0);
    QCOMPARE(t.prompts.of("question").size(), 2);

    QTest::mouseClick(grid->viewport(), Qt::LeftButton);
    QVERIFY(!actions->isVisible());

    // "Federation" asks the main window for the federation's screen, race or none.
    QSignalSpy federation(&screen, &TfrmRace::federationWanted);
    actions->show();
    chooseAction(screen, 12);
    QCOMPARE(federation.count(), 1);
}

void TestRaceScreen::sunDataPanel() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    enterRace(screen);
    SaveSunData(*t.db, "1A0526", {{"2026-05-26", "Dover", "20:00:00", ""}});

    click(screen, "btnSetSunData");
    auto* grid = child<QTableWidget>(screen, "StrGridSunSet");
    QVERIFY(child<QWidget>(screen, "pnlSunData")->isVisible());
    QCOMPARE(grid->rowCount(), 8);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Race Date"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("yyyy-mm-dd "));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("20:00:00"));
    QCOMPARE(grid->columnWidth(1), 136);
    grid->setItem(3, 0, new QTableWidgetItem("2026-05-27"));
    grid->setItem(3, 2, new QTableWidgetItem("20:30:00"));
    grid->setItem(3, 3, new QTableWidgetItem("05:00"));
    shot(screen, "races-sundata");
    click(screen, "btnOK_Sun");
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());
    QCOMPARE(t.db->rowCount("select * from ZOL_SunSet_SunRise where RaceCode='1A0526'"), 2);

    // A time that cannot be read is refused; the panel stays open and the rows stay.
    click(screen, "btnSetSunData");
    grid->setItem(4, 0, new QTableWidgetItem("2026-05-28"));
    grid->setItem(4, 2, new QTableWidgetItem("8.30 pm"));
    click(screen, "btnOK_Sun");
    QCOMPARE(t.prompts.of("error").size(), 1);
    QVERIFY(child<QWidget>(screen, "pnlSunData")->isVisible());
    QCOMPARE(t.db->rowCount("select * from ZOL_SunSet_SunRise where RaceCode='1A0526'"), 2);
    click(screen, "btnCan_Sun");
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());
}

// The liberation date and time take what is typed; a race loaded into the editor with another
// date asks before a second race is stored; the sun grid takes a sixth day as typed.
void TestRaceScreen::typedDateAndTimeAndANewDateAsks() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    enterRace(screen);
    auto* list = child<SqlGrid>(screen, "dbgrd1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 1)).center());
    auto* date = child<DateTimeBox>(screen, "dtpLibDate");
    auto* time = child<DateTimeBox>(screen, "dtpLibTime");
    QCOMPARE(date->displayText(), QStringLiteral("2026-05-26"));
    date->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(date, "2026-05-27");
    QTest::keyClick(date, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), time);
    QTest::keyClicks(time, "08:00:00");
    QCOMPARE(time->displayText(), QStringLiteral("08:00:00"));

    t.prompts.answers << Prompts::Answer::No;
    click(screen, "btnOK");
    QCOMPARE(t.prompts.of("question"),
             QStringList{"Save as a new race on 2026-05-27? The race of 2026-05-26 stays."});
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceData"), 1);
    click(screen, "btnOK");
    QCOMPARE(t.db->texts("select LiberDate||' '||LiberTime from ZOL_RaceData order by 1"),
             QStringList({"2026-05-26 07:00:00", "2026-05-27 08:00:00"}));

    // The sixth day of the sun grid, typed into its date and time boxes, is saved.
    click(screen, "btnSetSunData");
    auto* grid = child<QTableWidget>(screen, "StrGridSunSet");
    const auto type = [grid](int row, int column, const QString& text) {
        grid->setCurrentCell(row, column);
        grid->edit(grid->model()->index(row, column));
        DateTimeBox* box = nullptr;  // the open editor (a closed one may await deletion)
        for (DateTimeBox* b : grid->findChildren<DateTimeBox*>()) {
            box = b->isVisible() ? b : box;
        }
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, text);
        grid->setCurrentCell(0, 0);
    };
    type(7, 0, "2026-06-01");
    type(7, 2, "21:05:00");
    click(screen, "btnOK_Sun");
    QCOMPARE(t.db->texts("select RaceDate||' '||SunSet from ZOL_SunSet_SunRise where "
                         "RaceCode='1A0527'"),
             QStringList{"2026-06-01 21:05:00"});

    // A new club starts from empty boxes.
    child<QLineEdit>(screen, "edtClubCode")->setText("OLD");
    for (QAction* a : child<QMenu>(screen, "pmClubCode")->actions()) {
        if (a->text() == "&A Add") {
            a->trigger();
        }
    }
    QCOMPARE(child<QLineEdit>(screen, "edtClubCode")->text(), QString());
}

void TestRaceScreen::loftDistancePanel() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    enterRace(screen);
    // The race list's sort text also serves the distance grids.
    emit child<SqlGrid>(screen, "dbgrd1")->horizontalHeader()->sectionClicked(4);
    rightClickRace(screen, 0);
    chooseAction(screen, 3);
    QVERIFY(child<QWidget>(screen, "pnlLoftLibPointDist")->isVisible());
    QCOMPARE(child<QLabel>(screen, "lblLoftPointDistTitle")->text(),
             QStringLiteral("Member loft distance to Dover"));
    auto* grid = child<SqlGrid>(screen, "dbgrdLoftLibDist");
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Member"));
    QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Miles"));
    QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Yards"));

    click(screen, "btnLoftDistUpdate");
    QCOMPARE(cell(grid, 0, 1), QStringLiteral("Ann"));
    QCOMPARE(cell(grid, 0, 3), QStringLiteral("184"));
    QCOMPARE(cell(grid, 0, 4), QStringLiteral("1,415"));
    shot(screen, "races-loftdistance");

    // Typing: digits edit, Backspace drops the edit, Enter stores.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 3));
    QTest::keyClicks(grid, "12");
    QCOMPARE(cell(grid, 1, 3), QStringLiteral("12"));
    QTest::keyClick(grid, Qt::Key_Backspace);
    QVERIFY(cell(grid, 1, 3) != QStringLiteral("12"));
    QTest::keyClicks(grid, "150");
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(t.db->value("select Miles from ZOL_LoftLibPointDist where LoftNo='002'").toInt(), 150);
    // Moving to another row stores the row being typed.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClicks(grid, "9");
    QTest::keyClick(grid, Qt::Key_Up);
    QTRY_COMPARE(t.db->value("select Yards from ZOL_LoftLibPointDist where LoftNo='002'").toInt(),
                 9);
    QVERIFY(t.prompts.shown.isEmpty());

    click(screen, "btnLoftLibDist");
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());
}

// A map's coordinates pasted into a coordinate box fill both boxes in the stored form; the
// distance panel shows both methods per loft before the club switches, and the update then
// computes with the club's method.
void TestRaceScreen::pastedCoordinatesAndBothMethods() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    enterRace(screen);
    click(screen, "btn1");
    QTest::mouseClick(child<QCheckBox>(screen, "chkLibPoint"), Qt::LeftButton);
    auto* lon = child<QLineEdit>(screen, "medtRaceLon");
    auto* lat = child<QLineEdit>(screen, "medtRaceLat");
    QApplication::clipboard()->setText("50.5, -1.25");
    lat->setFocus();
    QTest::keyClick(lat, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(lat->text(), QStringLiteral("N050'30:00"));
    QCOMPARE(lon->text(), QStringLiteral("W001'15:00"));
    QCOMPARE(child<QLabel>(screen, "lblCoordPasted")->text(),
             QStringLiteral("Pasted: N050'30:00  W001'15:00"));
    QApplication::clipboard()->setText("Dover harbour");
    QTest::keyClick(lon, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.prompts.of("error"),
             QStringList{"Invalid character in degrees field in string Dover harbour"});
    QCOMPARE(lon->text(), QStringLiteral("W001'15:00"));
    click(screen, "btnCancel");

    rightClickRace(screen, 0);
    chooseAction(screen, 3);
    QCOMPARE(child<QLabel>(screen, "lblDistanceMethod")->text(),
             QStringLiteral("Distances : Flat (federation file rule)    Club method : Flat "
                            "(federation file rule)"));
    QTest::mouseClick(child<QCheckBox>(screen, "chkCompareMethods"), Qt::LeftButton);
    auto* compare = child<QTableWidget>(screen, "grdMethodCompare");
    QVERIFY(compare->isVisible());
    QCOMPARE(compare->rowCount(), 2);
    QCOMPARE(compare->item(0, 0)->text(), QStringLiteral("Ann"));
    QCOMPARE(compare->item(0, 2)->text(), QStringLiteral("325,255"));
    QCOMPARE(compare->item(0, 3)->text(), QStringLiteral("325,939"));
    QCOMPARE(compare->item(0, 4)->text(), QStringLiteral("+684"));
    QCOMPARE(compare->horizontalHeaderItem(4)->text(), QStringLiteral("Difference (yd)"));
    shot(screen, "races-distance-methods");
    QCOMPARE(t.db->rowCount("select 1 from ZOL_LoftLibPointDist where Miles<>0"), 0);

    QTest::mouseClick(child<QCheckBox>(screen, "chkCompareMethods"), Qt::LeftButton);
    SetClubDistanceMethod(*t.db, DistanceMethod::Geodesic);
    click(screen, "btnLoftDistUpdate");
    auto* grid = child<SqlGrid>(screen, "dbgrdLoftLibDist");
    QVERIFY(grid->isVisible());
    QCOMPARE(cell(grid, 0, 3), QStringLiteral("185"));
    QCOMPARE(cell(grid, 0, 4), QStringLiteral("339"));
    QCOMPARE(child<QLabel>(screen, "lblDistanceMethod")->text(),
             QStringLiteral("Distances : WGS84 geodesic    Club method : WGS84 geodesic"));
}

void TestRaceScreen::distanceDownloadPanel() {
    TestContext t;
    seed(*t.db);
    t.db->exec("update ZOL_ClubData set Mode=0");
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    enterRace(screen);
    rightClickRace(screen, 0);
    chooseAction(screen, 8);
    QVERIFY(child<QWidget>(screen, "pnlDistDownLoad")->isVisible());
    QCOMPARE(child<QLabel>(screen, "lblLoftDistDL")->text(),
             QStringLiteral(" Race distance download "));
    auto* download = child<QPushButton>(screen, "butDistDL");
    QVERIFY(!download->isEnabled());
    auto* grid = child<SqlGrid>(screen, "dbgridDistDL");
    QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("KM"));
    QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("M"));

    QTemporaryDir dir;
    const QString path = dir.filePath("dist.TXT");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("1A,001,120,350\r\n1A,002,7,8\r\n");
    f.close();
    t.prompts.fileNames.enqueue(path);
    click(screen, "Button1");
    QCOMPARE(child<QLabel>(screen, "labFilePath")->text(), path);
    QVERIFY(download->isEnabled());
    click(screen, "butDistDL");
    QCOMPARE(t.prompts.of("message"), QStringList{"Race Distance download success \uFF01\uFF01"});
    QCOMPARE(cell(grid, 0, 3), QStringLiteral("120"));
    QCOMPARE(cell(grid, 1, 4), QStringLiteral("8"));
    shot(screen, "races-download");

    click(screen, "Button1");  // cancelled: the label is cleared
    QCOMPARE(child<QLabel>(screen, "labFilePath")->text(), QString());
}

void TestRaceScreen::sortTextOutlivesTheScreen() {
    TestContext t;
    seed(*t.db);
    t.db->exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberDate) values('KC','1A','2026-05-26')");
    t.db->exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberDate) values('KC','2B','2026-06-02')");
    {
        TfrmRace screen(t.app());
        screen.show();
        auto* header = child<SqlGrid>(screen, "dbgrd1")->horizontalHeader();
        emit header->sectionClicked(1);
        emit header->sectionClicked(1);  // the second click sorts descending
        QCOMPARE(cell(child<SqlGrid>(screen, "dbgrd1"), 0, 1), QStringLiteral("2B"));
    }
    TfrmRace again(t.app());
    QCOMPARE(cell(child<SqlGrid>(again, "dbgrd1"), 0, 1), QStringLiteral("2B"));
}

QTEST_MAIN(TestRaceScreen)
#include "test_race_screen.moc"
