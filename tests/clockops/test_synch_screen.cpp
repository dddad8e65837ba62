// The clock operation screen driven through its object names against the clock emulator: the
// window stays alive during a run, a second click starts no second exchange, the memo shows the
// outcome in its colour, and closing the screen waits for the run to stop.

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "clockops/synch_screen.h"
#include "clockops_fixture.h"

class TestSynchScreen : public QObject {
    Q_OBJECT

  private slots:
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
        QVERIFY(memo->styleSheet().contains("yellow"));
        QTest::mouseClick(syncNow, Qt::LeftButton);  // during the run: ignored
        QTRY_COMPARE_WITH_TIMEOUT(memo->toPlainText(), QString("Clock Synchornize Success !"),
                                  15000);
        QVERIFY(memo->isVisible());
        QVERIFY(memo->styleSheet().contains("lime"));
        QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));
        QCOMPARE(emulator.log().count("ReadDeviceId"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(f.t.prompts.beeps, 1, 3000);
        QCOMPARE(f.value("select count(*) from ZOL_LoftClocks").toInt(), 1);

        // Closing during a run waits for it to stop at a safe point.
        QTest::mouseClick(syncNow, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(memo->toPlainText().startsWith("In synchronize"), 5000);
        QVERIFY(screen->close());
        delete screen;
        QCOMPARE(f.value("select count(*) from ZOL_PigData where LoftNo='0123'").toInt(), 3);
    }
};

QTEST_MAIN(TestSynchScreen)
#include "test_synch_screen.moc"
