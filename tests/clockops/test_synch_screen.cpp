// The clock operation screen driven through its object names against the clock emulator: the
// window stays alive during a run, a second click starts no second exchange, the memo shows the
// outcome in its colour, and closing the screen waits for the run to stop.

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "clockops/synch_screen.h"
#include "clockops/synch_shared.h"
#include "clockops_fixture.h"
#include "data/colours.h"

class TestSynchScreen : public QObject {
    Q_OBJECT

  private slots:
    // Each line of the memo on its own colour: a clock deviation stays red under the lime
    // success, and the memo as a whole does not end lime over a red line.
    void memoLinesKeepTheirColours() {
        ClockMemo memo;
        memo.showProgress("Loft : 0123 in Result data Upload , Pls Wait !");
        memo.errorLine("Clock deviation +90 s is beyond the club's limit of 60 s !");
        memo.appendSuccess("Race Result upload Success !");
        ClockMemoView view("mmoResult");
        view.showMemo(memo);
        QStringList colours;
        for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
            colours << b.blockFormat().background().color().name();
        }
        QCOMPARE(colours, (QStringList{Palette::MemoProgress.name(), Palette::MemoFailure.name(),
                                       Palette::MemoSuccess.name()}));
        QVERIFY(view.styleSheet().contains(Palette::MemoFailure.name()));
    }

    void syncNowFromTheScreen() {
        ClockOpsFixture f;
        // Every reply 150 ms late: a run of this loft takes over a second.
        EmulatorProcess emulator(ClockOf("K1_0123"), {"--delay", "150"});
        QVERIFY(emulator.ready());
        f.t.ctx->portName = emulator.link();
        auto* screen = new TfrmSynch_TC(f.t.app());
        screen->show();
        auto* syncNow = screen->findChild<QPushButton*>("butSyncNow");
        auto* memo = screen->findChild<QPlainTextEdit*>("mmoSynch");
        QVERIFY(syncNow && memo);
        QVERIFY(!memo->isVisible());

        // The event loop keeps turning while the clock is read.
        int ticks = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
        heartbeat.start(20);
        QTest::mouseClick(syncNow, Qt::LeftButton);
        QTest::mouseClick(syncNow, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(memo->toPlainText(),
                                  QString("In synchronize Loft Number: 0123 Please Wait! "), 5000);
        QVERIFY(memo->styleSheet().contains(Palette::MemoProgress.name()));
        QTest::mouseClick(syncNow, Qt::LeftButton);  // during the run: ignored
        QTRY_COMPARE_WITH_TIMEOUT(memo->toPlainText(), QString("Clock Synchornize Success !"),
                                  15000);
        QVERIFY(memo->isVisible());
        QVERIFY(memo->styleSheet().contains(Palette::MemoSuccess.name()));
        QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));
        QCOMPARE(emulator.log().count("ReadDeviceId"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(f.t.prompts.beeps, 1, 3000);
        QCOMPARE(f.value("select count(*) from ZOL_LoftClocks").toInt(), 1);

        // Closing during a run waits for it to stop at a safe point.
        // (clicked until the last run has handed the clock back: a click before is ignored)
        const auto clickAgain = [&] {
            QTest::mouseClick(syncNow, Qt::LeftButton);
            return memo->toPlainText().startsWith("In synchronize");
        };
        QTRY_VERIFY_WITH_TIMEOUT(clickAgain(), 5000);
        QVERIFY(screen->close());
        delete screen;
        QCOMPARE(f.value("select count(*) from ZOL_PigData where LoftNo='0123'").toInt(), 3);
    }

    // Leaving a tab during its run stops the run (it says so, in the memo and the race-day log)
    // and its timer stays stopped: only the shown tab reads clocks.
    void onlyTheShownTabReadsClocks() {
        ClockOpsFixture f;
        f.t.db->exec(
            "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo) values "
            "('B23','2016-09-20','BE-2016-1')");
        QJsonArray pigeons;
        for (int i = 1; i <= 3; ++i) {
            pigeons << QJsonObject{
                {"AssocNum", QStringLiteral("BE-2016-%1").arg(i)},
                {"raceRecords", QJsonArray{QJsonObject{{"RaceCode", "B230920"},
                                                       {"markTime", qint64(1474290000000)}}}}};
        }
        // Every reply 300 ms late: the marked upload of this loft takes about two seconds.
        EmulatorProcess emulator(ClockOf("0123", pigeons), {"--delay", "300"});
        QVERIFY(emulator.ready());
        f.t.ctx->portName = emulator.link();
        auto* screen = new TfrmSynch_TC(f.t.app());
        screen->show();
        auto* tabs = screen->findChild<QTabWidget*>("PageControl1");
        auto* marking = screen->findChild<QWidget*>("tsMarking");
        auto* races = marking->findChild<QComboBox*>("cbbRaceCode");
        auto* timerMark = marking->findChild<QTimer*>("timerMark");
        auto* memo = marking->findChild<QPlainTextEdit*>("mmoMark");
        tabs->setCurrentIndex(1);
        QCOMPARE(races->count(), 1);
        emit races->textActivated(races->itemText(0));
        QVERIFY(timerMark->isActive());
        timerMark->setInterval(10);
        QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().startsWith("Loft : 0123"), 5000);

        tabs->setCurrentIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().contains("Run stopped"), 5000);
        QCOMPARE(memo->toPlainText().split('\n').last(),
                 "Run stopped before the clock was read to the end : the tab was changed !");
        QTest::qWait(300);
        QVERIFY(!timerMark->isActive());
        const int requests = emulator.log().count("host  >");
        QTest::qWait(500);
        QCOMPARE(emulator.log().count("host  >"), requests);  // no hidden run reads the clock
        QFile log(f.log.fileName());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("run stopped: the tab was changed"));
        delete screen;
    }

    // A port that cannot be opened is reported once, without the worker waiting for the box:
    // the screen can be destroyed at once, and each run then adds one red line, not a box.
    void failingPortNeitherBlocksNorBoxes() {
        ClockOpsFixture f;
        f.t.ctx->portName = f.t.root.filePath("no-such-port");
        QElapsedTimer took;
        took.start();
        delete new TfrmSynch_TC(f.t.app());
        QVERIFY2(took.elapsed() < 3000, qPrintable(QString::number(took.elapsed())));
        QTRY_COMPARE_WITH_TIMEOUT(f.t.prompts.of("error").size(), 1, 3000);

        auto* screen = new TfrmSynch_TC(f.t.app());
        screen->show();
        QTRY_COMPARE_WITH_TIMEOUT(f.t.prompts.of("error").size(), 2, 3000);
        auto* syncNow = screen->findChild<QPushButton*>("butSyncNow");
        auto* memo = screen->findChild<QPlainTextEdit*>("mmoSynch");
        QTest::mouseClick(syncNow, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().contains("Please connect"), 3000);
        QTest::qWait(200);
        QCOMPARE(f.t.prompts.of("error").size(), 2);
        QVERIFY(memo->toPlainText().contains("Unable to open com port"));
        delete screen;
    }
};

QTEST_MAIN(TestSynchScreen)
#include "test_synch_screen.moc"
