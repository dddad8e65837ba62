// The "Print" buttons of the screens: each opens a preview of its screen's list, and the list
// saved from the preview as PDF holds that list's rows.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "clockops/synch_screen.h"
#include "members/member_screen.h"
#include "races/race_screen.h"
#include "screen_helpers.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

namespace {

void Seed(TdmZOLF& db) {
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, Street, Mode) "
        "values('KC','Kestrava Club','Loft Lane 1',0)");
    db.exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName) values('NL','001','Ann')");
    db.exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName) values('NL','002','Bob')");
    db.exec("insert into ZOL_LoftClocks (LoftNo, ClockID) values('001','C77')");
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, Sex, CreateDate) values "
        "('001','NL-26-1234567','H','2026-03-01')");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSiteAbbr, LiberSite, LiberDate, "
        "LiberTime) values('KC','1A','DOV','Dover','2026-05-26','07:00:00')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('1A','001',312,450),('1A','002',298,12),('2B','002',100,1)");
    db.exec("insert into ZOL_LiberateSite (LiberCode, LiberSite) values('1A','Dover')");
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType) values "
        "('001','NL-26-7654321','C','BBAR')");
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, ClockID, "
        "MarkedTime, BackTime, FlyTime, FlySpeed, TimeVari) values "
        "('KC','1A','2026-05-26','NL-26-7654321','C77','2026-05-25 18:00:00',"
        "'2026-05-26 12:00:00.000','05:00:00.000',1001.25,3),"
        "('KC','1A','2026-05-26','NL-26-1234567','C77','2026-05-25 18:01:00',"
        "null,null,null,null)");
}

// Presses the Print button `button`, saves the preview as PDF and closes it; returns the text
// of the PDF ("no preview" when none opened).
QString Printed(QWidget& screen, const char* button, TestContext& t) {
    static int n = 0;
    const QString pdf = t.root.filePath(QStringLiteral("printed%1.pdf").arg(++n));
    t.prompts.fileNames.enqueue(pdf);
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview != nullptr) {
            previewed = true;
            preview->findChild<QAction*>(QStringLiteral("actSaveAsPdf"))->trigger();
            preview->reject();
        }
    });
    QTest::mouseClick(child<QPushButton>(screen, button), Qt::LeftButton);
    if (!previewed) {
        return QStringLiteral("no preview");
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    if (qEnvironmentVariableIsSet("KESTRAVA_KEEP_PDF")) {
        QFile::copy(pdf, qEnvironmentVariable("KESTRAVA_KEEP_PDF") + QFileInfo(pdf).fileName());
    }
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

// Chooses an item of a race list as a click on it does.
void ChooseItem(QComboBox* list, const QString& item) {
    list->setCurrentIndex(list->findText(item));
    emit list->textActivated(item);
}

}  // namespace

class TestPrintButtons : public QObject {
    Q_OBJECT
  private slots:
    void memberScreen() {
        TestContext t;
        Seed(*t.db);
        TfrmMember_TC screen(t.app());
        screen.show();
        QString text = Printed(screen, "butPrtMemList", t);
        QVERIFY2(text.contains("Kestrava Club Loft Lane 1"), qPrintable(text));
        QVERIFY2(text.contains("Member List Name LoftNo No. of Clocks Ann NL 001 1 Bob NL 002 0"),
                 qPrintable(text));

        auto* members = child<SqlGrid>(screen, "dbgrdMem");
        members->setCurrentIndex(members->model()->index(0, 1));
        emit members->doubleClicked(members->currentIndex());
        text = Printed(screen, "butPrtRingList", t);
        QVERIFY2(text.contains("Ring list of Ann - 001 Life Ring Number Sex E_Ring Color"),
                 qPrintable(text));
        QVERIFY2(text.contains("NL-26-1234567 Hen"), qPrintable(text));
        QVERIFY2(text.contains("2026-03-01"), qPrintable(text));
        QCOMPARE(t.prompts.of("error"), QStringList());
    }

    // The marked pigeons and the ranking of the race chosen on their tabs; printing the ranking
    // stops the result upload.
    void clockOperationScreen() {
        TestContext t;
        Seed(*t.db);
        TfrmSynch_TC screen(t.app());
        screen.show();
        auto* tabs = screen.findChild<QTabWidget*>();
        const QString race = QStringLiteral("1A 2026-05-26 DOV");

        tabs->setCurrentIndex(1);
        ChooseItem(child<QComboBox>(screen, "cbbRaceCode"), race);
        QString text = Printed(screen, "btnMarkUpLdPrt", t);
        QVERIFY2(text.startsWith("Kestrava Club Date : 2026-06-15 10:00:00 Total : 002 LiberSite : "
                                 "Dover RaceCode : 1A 2026-05-26 DOV Pos Name Pigeon S Marked "
                                 "Yds/Min Flying Time Dist. 1 Ann NL-26-1234567 H 2026-05-25 "
                                 "18:01:00 2 Ann NL-26-7654321 C 2026-05-25 18:00:00 Page 1"),
                 qPrintable(text));

        tabs->setCurrentIndex(2);
        ChooseItem(child<QComboBox>(screen, "cbbTimer_UPL"), race);
        QVERIFY(child<QTimer>(screen, "timerResult")->isActive());
        text = Printed(screen, "btnPrint", t);
        QVERIFY2(
            text.contains(
                "Total : 001 LiberSite : Dover RaceCode : 1A 2026-05-26 DOV Provisional Pos Name "
                "MPM Ring Particulars C S Clock / day Var Distance Margin 1 Ann "
                "1001.250 NL-26-7654321 BB C 12:00:00.000 26-05 +3 312/450 "
                "00:00:00 Net Flying Time : 05:00:00.000 Winning Margin : 0:0:0 "
                "Page 1"),
            qPrintable(text));
        QVERIFY(!child<QTimer>(screen, "timerResult")->isActive());
        // The test machine has no antenna; the screen says so when it opens the port. Printing
        // says nothing.
        QCOMPARE(t.prompts.of("error").filter(QRegularExpression("^(?!Unable to open com port)")),
                 QStringList());
        screen.close();
    }

    void racesScreen() {
        TestContext t;
        Seed(*t.db);
        TfrmRace screen(t.app());
        screen.resize(1100, 620);
        screen.show();
        QString text = Printed(screen, "butPrtRacePoint", t);
        QVERIFY2(text.contains("Race List Club Code Lib.Site Abbr. Liberation Site Lib Date Lib "
                               "Time KC 1A DOV Dover 2026-05-26 07:00:00 Page 1"),
                 qPrintable(text));

        chooseRaceAction(screen, 4);
        text = Printed(screen, "butPrtRaceStat", t);
        QVERIFY2(text.contains(" Status for Dover (05/26 07:00:00) Member Clock Birds Marked Birds "
                               "arrived Ann C77 2 1 Page 1"),
                 qPrintable(text));
        QTest::mouseClick(child<QPushButton>(screen, "btnLoftRaceStat"), Qt::LeftButton);

        chooseRaceAction(screen, 5);
        text = Printed(screen, "butPrtRaceResult", t);
        // The heading names how the distances were computed (this entry was stored with a
        // distance other than its loft's row).
        QVERIFY2(text.startsWith("Ann LiberSite : Dover RaceCode : 1A 2026-05-26 07:00 1 Members "
                                 "sent 2 birds - 1 were clocked Distances : Flat (federation"),
                 qPrintable(text));
        QVERIFY2(text.contains(
                     "rule) (1 clocked with earlier distances: not recalculated since) Provisional "
                     "Pos. Name Ring S C Clocked FlyTime Var M/min Dist. 1 Ann "
                     "NL-26-7654321 C BB 12:00:00.000 26-05 05:00:00 +3 1001.250 "
                     "312/450"),
                 qPrintable(text));
        QTest::mouseClick(child<QPushButton>(screen, "btnRaceRec"), Qt::LeftButton);

        chooseRaceAction(screen, 3);
        text = Printed(screen, "butPrtLoftRaceDist", t);
        QVERIFY2(text.contains("Member loft distance to Dover Distances : Flat (federation"),
                 qPrintable(text));
        QVERIFY2(
            text.contains("rule) Member Loft Number KM M Ann 001 312 450 Bob 002 298 12 Page 1"),
            qPrintable(text));

        chooseRaceAction(screen, 8);
        text = Printed(screen, "butDistDLPrt", t);
        QVERIFY2(text.contains("Race distance download Distances : Flat (federation"),
                 qPrintable(text));
        QVERIFY2(text.contains("rule) Member Loft Number KM M Ann 001 312 450"), qPrintable(text));
        QCOMPARE(t.prompts.of("error"), QStringList());
    }
};

QTEST_MAIN(TestPrintButtons)
#include "test_print_buttons.moc"
