// Race day end to end: the board opened in headless Chromium (the club-room screen, and a phone
// 375 px wide), two members' clocks read at the antenna (the clock emulator) with the result
// upload, each arrival found in the page the browser shows: on the screen within two seconds
// of the upload storing it, on the phone at its next poll; before that the race with no
// arrivals, after it the race locked as final.
#include <QtTest>

#include "clockops/clock_uploads.h"
#include "clockops_fixture.h"
#include "headless_browser.h"
#include "http_client.h"
#include "live/live_service.h"
#include "races/result_lock.h"

namespace {

QJsonObject Arrival(const QString& ring, qint64 at) {
    const QJsonObject record{{"RaceCode", "B230920"}, {"RandNumMarked", 63},
                             {"RandNumberBack", 63},  {"UidBack", "04A1B2C3"},
                             {"GpsValid", false},     {"BackOrder", 1},
                             {"BackTimeEring", at},   {"BackTimeUid", at + 12},
                             {"BackHomeLat", 0},      {"BackHomeLon", 0}};
    return QJsonObject{{"AssocNum", ring}, {"raceRecords", QJsonArray{record}}};
}

QJsonArray RaceStop() {
    const qint64 readerStop = 1474329600000;  // 2016-09-20 08:00:00 local
    return QJsonArray{QJsonObject{{"RaceCode", "B230920"},
                                  {"RaceStopDeviceTIme", readerStop},
                                  {"RaceStopReaderTIme", readerStop}}};
}

QString Row(const QString& ring) {
    return QStringLiteral("!!document.querySelector('tr[data-ring=\"%1\"]')").arg(ring);
}

}  // namespace

class TestLiveBrowser : public QObject {
    Q_OBJECT
  private slots:
    void raceFollowedArrivalByArrival();
};

void TestLiveBrowser::raceFollowedArrivalByArrival() {
    if (HeadlessBrowser::program().isEmpty()) {
        QSKIP("chromium is not installed (scripts/install-deps.sh installs it)");
    }
    ClockOpsFixture f;
    TdmZOLF& db = *f.t.db;
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('B23','0123',12,345),('B23','0456',14,100)");
    db.exec(
        "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) values "
        "('B23','2016-09-20','0123'),('B23','2016-09-20','0456')");
    for (const char* ring : {"BE-2016-1", "BE-2016-2", "BE-2016-7"}) {
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
            "values('0101','B23','2016-09-20',?)",
            {ring});
    }
    LiveBoard board(db.fileName(), f.t.clock, RaceDayLog::folderFor(f.t.paths.dataDir));
    LiveSettings settings;
    settings.enabled = true;
    settings.port = 0;
    settings.listenOn = LiveInterface::ThisPcOnly;
    settings.pollSeconds = 3;
    board.apply(settings);
    QVERIFY(board.status().running);
    const QString address = board.status().address;
    QTRY_VERIFY_WITH_TIMEOUT(Exchange(board.port(), Get("/board.json")).body.contains("\"B23\""),
                             5000);

    HeadlessBrowser browser;
    QString error;
    QVERIFY2(browser.start(address + "screen", 1280, 720, &error), qPrintable(error));
    // No arrivals yet; both clocks still to read.
    QVERIFY(browser.waitFor("document.body.innerText.includes('No arrivals yet.')", 30000) >= 0);
    QVERIFY(browser
                .evaluate("document.body.innerText.includes('Still to read: Jan Peeters, "
                          "Piet Claes')")
                .toBool());

    // Jan's clock at the antenna.
    {
        EmulatorProcess emulator(
            ClockOf("0123", {Arrival("BE-2016-1", kLiberationMs + 3723004)}, RaceStop()));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        ClockSession session;
        QCOMPARE(UploadResults(run, session, ChooseResultRace("B23 2016-09-20 BRX")),
                 RunResult::Succeeded);
    }
    const qint64 onScreen = browser.waitFor(Row("BE-2016-1"), 5000);
    qInfo("first arrival on the club-room screen after %lld ms", onScreen);
    QVERIFY2(onScreen >= 0 && onScreen <= 2000, qPrintable(QString::number(onScreen)));
    QVERIFY(browser.evaluate("document.querySelector('tr[data-ring=\"BE-2016-1\"]').className")
                .toString() == "new");

    // A member's phone, 375 px wide: the arrival is there, and the page fits the width (the
    // ranking scrolls inside its box).
    const QString phone = browser.openPhonePage(address, 375, 812);
    QVERIFY(browser.waitFor(Row("BE-2016-1"), 20000, phone) >= 0);
    QVERIFY(browser.evaluate("document.documentElement.scrollWidth <= window.innerWidth", phone)
                .toBool());
    QCOMPARE(browser.evaluate("window.innerWidth", phone).toInt(), 375);

    // Piet's clock: on the screen within two seconds, on the phone at its next poll.
    {
        EmulatorProcess emulator(ClockOf("0456", {Arrival("BE-2016-7", kLiberationMs + 3900000)},
                                         RaceStop(), "5E6F7A8B"));
        QVERIFY(emulator.ready());
        auto api = DeviceOn(emulator);
        ClockRun run = f.run(*api);
        ClockSession session;
        QCOMPARE(UploadResults(run, session, ChooseResultRace("B23 2016-09-20 BRX")),
                 RunResult::Succeeded);
    }
    QElapsedTimer stored;
    stored.start();
    const qint64 screenAgain = browser.waitFor(Row("BE-2016-7"), 5000);
    QVERIFY2(screenAgain >= 0 && screenAgain <= 2000, qPrintable(QString::number(screenAgain)));
    const qint64 onPhone = browser.waitFor(Row("BE-2016-7"), 8000, phone);
    qInfo("second arrival: screen after %lld ms, phone after %lld ms", screenAgain,
          stored.elapsed());
    QVERIFY2(onPhone >= 0 && stored.elapsed() <= settings.pollSeconds * 1000 + 1500,
             qPrintable(QString::number(stored.elapsed())));
    QVERIFY(browser.evaluate("document.body.innerText.includes('Still to read: none')", phone)
                .toBool());
    QCOMPARE(browser.evaluate("document.querySelectorAll('td.prov').length", phone).toInt(), 2);

    // The secretary locks the result: both say it is final.
    LockResult(db, "B23", QDate(2016, 9, 20), QDateTime(QDate(2016, 9, 20), QTime(20, 0)));
    const QString final = "document.body.innerText.includes('this result is final')";
    QVERIFY(browser.waitFor(final, 3000) >= 0);
    QVERIFY(browser.waitFor(final, settings.pollSeconds * 1000 + 2000, phone) >= 0);
    QCOMPARE(browser.evaluate("document.querySelectorAll('td.prov').length", phone).toInt(), 0);
}

QTEST_MAIN(TestLiveBrowser)
#include "test_live_browser.moc"
