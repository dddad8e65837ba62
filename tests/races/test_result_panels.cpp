// The other-clock, status and result panels of the Races screen as the secretary uses them.
// With KESTRAVA_SHOTS set to a folder, the panels are saved there as pictures.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "races/race_screen.h"
#include "screen_helpers.h"
#include "test_context.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

namespace {

// Race 1A Dover on 26 May, liberated 07:00:00; Ann (001) at 300 miles with two pigeons, one
// clocked at 12:00:00; Bob (002) without pigeons.
void seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','1A','Dover','DOV','2026-05-26','07:00:00')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('001','Ann')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('002','Bob')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
        "values('1A','001',300,0)");
    for (const char* ring : {"GB26-0001", "GB26-0002"}) {
        db.exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
            "values('001',?,'C','BBAR',0)",
            {ring});
    }
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, ClockID, "
        "BackTime, FlyTime, FlySpeed, TimeVari) values('KC','1A','2026-05-26','GB26-0001',"
        "'C1','2026-05-26 12:00:00.000','05:00:00.000',1760,3)");
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, ClockID) "
        "values('KC','1A','2026-05-26','GB26-0002','C1')");
}

QString cell(SqlGrid* grid, int row, const QString& title) {
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        if (grid->model()->headerData(c, Qt::Horizontal).toString() == title) {
            return grid->model()->index(row, c).data().toString();
        }
    }
    return QStringLiteral("<no column %1>").arg(title);
}

void choose(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

}  // namespace

class TestResultPanels : public QObject {
    Q_OBJECT
  private slots:
    void otherClockPanel();
    void statusPanel();
    void resultPanelAndRecalculation();
};

void TestResultPanels::otherClockPanel() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    chooseRaceAction(screen, 7);
    chooseRaceAction(screen, 7);  // opened twice: each member once
    QVERIFY(child<QWidget>(screen, "pnlOtherClosk")->isVisible());
    QCOMPARE(child<QLabel>(screen, "lblAddOtherClockTitle")->text(),
             QStringLiteral("Add/Edit Other Clock     1A    DOV    2026-05-26"));
    auto* members = child<QComboBox>(screen, "cbbLoftNo_OtherClock");
    QCOMPARE(members->count(), 2);

    choose(members, "Ann");
    auto* pigeons = child<SqlGrid>(screen, "dbgrdOtherClock");
    QCOMPARE(pigeons->rowCountShown(), 2);
    QCOMPARE(cell(pigeons, 0, "Time"), QStringLiteral("2026-05-26 12:00:00.000"));
    auto* ring = child<QComboBox>(screen, "cbbSelPigNo");
    QCOMPARE(ring->count(), 2);
    // The arrival boxes follow the ring shown: the first ring's stored arrival.
    QCOMPARE(child<DateTimeBox>(screen, "dtpSelPigDate")->date(), QDate(2026, 5, 26));

    // A click on a clocked pigeon shows its arrival; typing the end of a ring narrows the list.
    QTest::mouseClick(pigeons->viewport(), Qt::LeftButton, {},
                      pigeons->visualRect(pigeons->model()->index(0, 0)).center());
    QCOMPARE(child<DateTimeBox>(screen, "dtpSelPigTime")->time(), QTime(12, 0));
    auto* search = child<QLineEdit>(screen, "edtSearch");
    search->setText("0002");
    emit search->editingFinished();
    QCOMPARE(ring->count(), 1);
    choose(ring, "GB26-0002");
    QCOMPARE(child<DateTimeBox>(screen, "dtpSelPigTime")->time(), QTime(0, 0));

    child<DateTimeBox>(screen, "dtpMasterDate")->setDate(QDate(2026, 5, 26));
    child<DateTimeBox>(screen, "dtpMasterTime")->setTime(QTime(18, 0, 0));
    child<DateTimeBox>(screen, "dtpMemberDate")->setDate(QDate(2026, 5, 26));
    child<DateTimeBox>(screen, "dtpMemberTime")->setTime(QTime(18, 0, 7));
    child<DateTimeBox>(screen, "dtpSelPigDate")->setDate(QDate(2026, 5, 26));
    // The arrival typed over what the box shows; a box left unfinished is refused.
    auto* arrival = child<DateTimeBox>(screen, "dtpSelPigTime");
    arrival->setFocus();
    QTest::keyClick(arrival, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(arrival, "1230");
    click(screen, "btnOtherClock_Save");
    QCOMPARE(t.prompts.of("error").size(), 1);
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceClockTime"), 0);
    t.prompts.shown.clear();
    QTest::keyClicks(arrival, "00");
    QCOMPARE(arrival->text(), QStringLiteral("12:30:00"));
    click(screen, "btnOtherClock_Save");
    QVERIFY2(t.prompts.shown.isEmpty(), qPrintable(t.prompts.shown.join('\n')));
    QCOMPARE(t.db->value("select BackTime || ' ' || FlyTime from ZOL_PigRaceData where "
                         "PRingNo='GB26-0002'")
                 .toString(),
             QStringLiteral("2026-05-26 12:30:00.000 05:29:53.000"));
    QCOMPARE(cell(pigeons, 1, "Time"), QStringLiteral("2026-05-26 12:30:00.000"));
    shot(screen, "races-otherclock");

    // Bob keeps no pigeons: saving says so and stores nothing.
    choose(members, "Bob");
    click(screen, "btnOtherClock_Save");
    QCOMPARE(t.prompts.of("error").size(), 1);
    QCOMPARE(t.db->rowCount("select * from ZOL_RaceClockTime where LoftNo='002'"), 0);
}

void TestResultPanels::statusPanel() {
    TestContext t;
    seed(*t.db);
    t.db->exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
        "values('KC','1A','2026-05-26','XX')");  // a ring no member keeps
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    chooseRaceAction(screen, 4);
    QCOMPARE(child<QLabel>(screen, "lblLoftRaceStatTiTle")->text(),
             QStringLiteral(" Status for Dover"));
    auto* grid = child<SqlGrid>(screen, "dbgrdLoftRaceStat");
    QCOMPARE(grid->rowCountShown(), 2);
    QCOMPARE(cell(grid, 0, "Member"), QString());  // the unknown ring's group
    QCOMPARE(cell(grid, 0, "Birds marked"), QStringLiteral("0"));
    QCOMPARE(cell(grid, 1, "Member"), QStringLiteral("Ann"));
    QCOMPARE(cell(grid, 1, "Clock"), QStringLiteral("C1"));
    QCOMPARE(cell(grid, 1, "Birds marked"), QStringLiteral("2"));
    QCOMPARE(cell(grid, 1, "Birds arrived"), QStringLiteral("1"));
    shot(screen, "races-status");
}

void TestResultPanels::resultPanelAndRecalculation() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1100, 620);
    screen.show();
    chooseRaceAction(screen, 5);
    QVERIFY(child<QWidget>(screen, "pnlRaceResult")->isVisible());
    QCOMPARE(child<QLabel>(screen, "lbl1RaceResultTitle")->text(),
             QStringLiteral("KC Result for Dover"));
    auto* grid = child<SqlGrid>(screen, "dbgrdRaceRec");
    QCOMPARE(grid->rowCountShown(), 1);
    QStringList shown;
    QHeaderView* header = grid->horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (!header->isSectionHidden(logical)) {
            shown << grid->model()->headerData(logical, Qt::Horizontal).toString() + "=" +
                         grid->model()->index(0, logical).data().toString();
        }
    }
    QCOMPARE(shown, (QStringList{"Pos.=1", "Name=Ann", "Ring=GB26-0001", "S=C", "C=BB",
                                 "Clocked=12:00:00.000  26-05", "FlyiTime=05:00:00",
                                 "Yds/Min=1760.000", "Var=+3", "Dist=300/0"}));
    QCOMPARE(child<QLabel>(screen, "lblRaceResultSum")->text(),
             QStringLiteral("   1 Members sent     2 birds -     1 were clocked"));
    shot(screen, "races-result");

    // Recalculation from 08:00 instead of 07:00: an hour less, less the clock's 3 seconds.
    QVERIFY(!child<QWidget>(screen, "grpRecaculate")->isVisible());
    click(screen, "btnRecaculate");
    QVERIFY(child<QWidget>(screen, "grpRecaculate")->isVisible());
    auto* time = child<DateTimeBox>(screen, "dtpRaceTime");
    QCOMPARE(time->time(), QTime(7, 0));
    QCOMPARE(child<DateTimeBox>(screen, "dtpRaceDate")->date(), QDate(2026, 5, 26));
    time->setTime(QTime(8, 0));
    click(screen, "btnRecacute");
    QVERIFY(!child<QWidget>(screen, "grpRecaculate")->isVisible());
    QCOMPARE(cell(grid, 0, "FlyiTime"), QStringLiteral("03:59:57"));
    QCOMPARE(t.db->value("select LiberTime from ZOL_RaceData").toString(),
             QStringLiteral("07:00:00"));

    // OK goes back; a double click on the race list opens the result and keeps the title,
    // with the member's name as it is now.
    click(screen, "btnRaceRec");
    QVERIFY(child<QWidget>(screen, "pnlRacePoint")->isVisible());
    t.db->exec("update ZOL_ClubData set Mode=0");
    t.db->exec("update ZOL_LoftData set LoftName='Ann Peeters' where LoftName='Ann'");
    auto* races = child<SqlGrid>(screen, "dbgrd1");
    const QPoint at = races->visualRect(races->model()->index(0, 1)).center();
    QTest::mouseDClick(races->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(child<QWidget>(screen, "pnlRaceResult")->isVisible());
    QCOMPARE(child<QLabel>(screen, "lbl1RaceResultTitle")->text(),
             QStringLiteral("KC Result for Dover"));
    QCOMPARE(cell(grid, 0, "MPM"), QStringLiteral("2200.458"));
    QCOMPARE(cell(grid, 0, "Name"), QStringLiteral("Ann Peeters"));
}

QTEST_MAIN(TestResultPanels)
#include "test_result_panels.moc"
