// The live board over real connections: what it shows of a race (the published ranking, the
// same escaping, provisional rows, the latest arrivals, a locked race, a race with no
// arrivals), the JSON with its ETag, and the HTTP surface left running on the club's network:
// methods, paths with dot segments in every spelling, oversized and slow requests, floods
// from one address, a port that is taken, and random requests.
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>
#include <memory>

#include "clockops/clock_session.h"
#include "http_client.h"
#include "live/live_service.h"
#include "live/qr_code.h"
#include "races/race_publish.h"
#include "races/result_lock.h"
#include "test_context.h"

namespace {

const QDate kDay(2026, 5, 26);

// Club "Kestrava <Club>"; race 1A "Dover & Calais" of 2026-05-26 with four arrivals, three of
// them listed (R4's loft has no distance), and race 2B of 2026-06-02 with nothing yet.
void seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava <Club>',1)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','1A','Dover & Calais','DOV','2026-05-26','07:00:00')");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','2B','Arras','ARR','2026-06-02','07:30:00')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('001','Ann')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('002', ?)",
            {QStringLiteral("O'Brien & <Sons> \"Fast\", Jr")});
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('003','Cid')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('004','Dee')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('1A','001',300,0),('1A','002',300,100)");
    const char* birds[][6] = {
        {"R1", "001", "2026-05-26 12:00:00.000", "05:00:00.000", "1760", "3"},
        {"R2", "002", "2026-05-26 12:30:00.000", "05:30:00.000", "1600.5", "0"},
        {"R3", "002", "2026-05-26 11:50:00.000", "04:50:00.000", "1820.25", "75"},
        {"R4", "003", "2026-05-26 11:00:00.000", "04:00:00.000", "0", "0"}};
    for (const auto& b : birds) {
        db.exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
            "values(?,?,'C','BBAR',0)",
            {b[1], b[0]});
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "FlyTime, FlySpeed, TimeVari) values('KC','1A','2026-05-26',?,?,?,?,?)",
            {b[0], b[2], b[3], QString(b[4]).toDouble(), QString(b[5]).toInt()});
    }
    // Dee marked a bird and is still to be read.
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
        "values('004','R5','H','BBAR',0)");
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
        "values('KC','1A','2026-05-26','R5')");
}

// A board on this PC only, on a free port, looking at the data every 100 ms.
struct Board {
    LiveBoard board;
    explicit Board(TestContext& t, const LiveLimits& limits = {}, const QString& race = {})
        : board(t.db->fileName(), t.clock, RaceDayLog::folderFor(t.paths.dataDir)) {
        board.setLimits(limits);
        board.setReadIntervalMs(100);
        LiveSettings s;
        s.enabled = true;
        s.port = 0;
        s.listenOn = LiveInterface::ThisPcOnly;
        s.raceCode = race;
        s.raceDate = race.isEmpty() ? QDate() : kDay;
        board.apply(s);
    }
    quint16 port() const { return board.port(); }
};

QJsonObject Json(quint16 port) {
    return QJsonDocument::fromJson(Exchange(port, Get("/board.json")).body).object();
}

// Waits until the board's JSON satisfies `ready`.
template <typename Ready>
QJsonObject WaitJson(quint16 port, Ready ready, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    QJsonObject o;
    while (t.elapsed() < ms) {
        o = Json(port);
        if (ready(o)) {
            break;
        }
        QTest::qWait(50);
    }
    return o;
}

// The cells of each body row of a page, as written.
QStringList RowCells(const QString& html) {
    QStringList rows;
    const QString body = html.section("<tbody>", 1).section("</tbody>", 0, 0);
    static const QRegularExpression row("<tr[^>]*>(.*)</tr>");
    for (auto m = row.globalMatch(body); m.hasNext();) {
        rows << m.next().captured(1);
    }
    return rows;
}

}  // namespace

class TestLive : public QObject {
    Q_OBJECT
  private slots:
    void showsTheRankingAsPublished();
    void raceWithoutArrivalsAndNoRace();
    void etagAnswersNotModified();
    void surface_data();
    void surface();
    void slowClientsAreCutOff();
    void floodFromOneAddress();
    void randomRequests();
    void takenPortIsSaidAndLogged();
    void qrCodeOfTheAddress();
};

void TestLive::showsTheRankingAsPublished() {
    TestContext t;
    seed(*t.db);
    Board b(t, {}, "1A");
    QVERIFY(b.board.status().running);
    const QJsonObject o =
        WaitJson(b.port(), [](const QJsonObject& j) { return j.value("race") == "1A"; });
    QCOMPARE(o.value("race").toString(), "1A");
    QCOMPARE(o.value("marked").toInt(), 5);
    QCOMPARE(o.value("arrived").toInt(), 4);
    QCOMPARE(o.value("final").toBool(), false);
    QCOMPARE(o.value("clocksToRead").toArray(), QJsonArray{"Dee"});
    QCOMPARE(o.value("clocksRead").toArray().size(), 3);

    // Row by row the cells of the published page, escaped alike, each marked provisional.
    const QString published =
        QString::fromUtf8(RacePageHtml(ReadRacePublication(*t.db, "1A", kDay).page));
    const QStringList expected = RowCells(published);
    QCOMPARE(expected.size(), 3);
    const HttpReply phone = Exchange(b.port(), Get("/"));
    QCOMPARE(phone.status, 200);
    QCOMPARE(phone.header("content-type"), "text/html; charset=utf-8");
    const QString page = QString::fromUtf8(phone.body);
    const QStringList shown = RowCells(page);
    QCOMPARE(shown.size(), expected.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown[i], expected[i] + "<td class=\"prov\">provisional</td>");
    }
    QVERIFY(page.contains("<td>O&#39;Brien &amp; &lt;Sons&gt; &quot;Fast&quot;, Jr (!)</td>"));
    QVERIFY(!page.contains("<Sons>"));
    QVERIFY(page.contains("<h1>Kestrava &lt;Club&gt;</h1>"));
    // The latest arrivals stand out; the page refreshes itself without a script.
    QCOMPARE(page.count("class=\"new\""), 3);
    QVERIFY(page.contains("<noscript><meta http-equiv=\"refresh\" content=\"30\"></noscript>"));
    const HttpReply screen = Exchange(b.port(), Get("/screen"));
    QCOMPARE(screen.status, 200);
    QVERIFY(screen.body.contains("<body class=\"screen\">"));

    // Locked as final: the board says so and no row is provisional any more.
    LockResult(*t.db, "1A", kDay, QDateTime(QDate(2026, 5, 27), QTime(9, 0)));
    const QJsonObject locked =
        WaitJson(b.port(), [](const QJsonObject& j) { return j.value("final").toBool(); });
    QVERIFY(locked.value("final").toBool());
    const QString lockedPage = QString::fromUtf8(Exchange(b.port(), Get("/")).body);
    QVERIFY(lockedPage.contains("Final (locked 2026-05-27 09:00) \u2013 this result is final."));
    QVERIFY(!lockedPage.contains("<td class=\"prov\">"));
    QVERIFY(!lockedPage.contains("state provisional"));
}

void TestLive::raceWithoutArrivalsAndNoRace() {
    TestContext t;
    t.db->exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Club',1)");
    Board b(t);
    QVERIFY(WaitJson(b.port(), [](const QJsonObject& j) { return j.value("club") == "Club"; })
                .value("html")
                .toString()
                .contains("No race to show yet."));
    t.db->exec("delete from ZOL_ClubData");
    seed(*t.db);
    // The race being read: the latest day, here the race nobody has arrived in yet.
    const QJsonObject o =
        WaitJson(b.port(), [](const QJsonObject& j) { return j.value("race") == "2B"; });
    QCOMPARE(o.value("race").toString(), "2B");
    QCOMPARE(o.value("arrived").toInt(), 0);
    const QString page = QString::fromUtf8(Exchange(b.port(), Get("/")).body);
    QVERIFY(page.contains("No arrivals yet."));
    QVERIFY(page.contains("Birds marked: 0 \u00b7 arrived: 0"));
    QVERIFY(!page.contains("<table>"));
}

void TestLive::etagAnswersNotModified() {
    TestContext t;
    seed(*t.db);
    Board b(t, {}, "1A");
    WaitJson(b.port(), [](const QJsonObject& j) { return j.value("race") == "1A"; });
    const HttpReply first = Exchange(b.port(), Get("/board.json"));
    const QByteArray etag = first.header("etag");
    QVERIFY(etag.startsWith('"') && etag.size() > 10);
    QCOMPARE(first.header("content-type"), "application/json");
    const HttpReply same =
        Exchange(b.port(), Get("/board.json", "If-None-Match: " + etag + "\r\n"));
    QCOMPARE(same.status, 304);
    QVERIFY(same.body.isEmpty());
    const HttpReply head =
        Exchange(b.port(), "HEAD /board.json HTTP/1.1\r\nHost: b\r\n\r\n", 3000, false, true);
    QCOMPARE(head.status, 200);
    QCOMPARE(head.header("content-length").toInt(), first.body.size());
    QVERIFY(head.body.isEmpty());

    // Dee's bird arrives: a new tag within two seconds.
    t.db->exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('1A','004',300,0)");
    t.db->exec(
        "update ZOL_PigRaceData set BackTime='2026-05-26 12:10:00.000', "
        "FlyTime='05:10:00.000', FlySpeed=1700 where PRingNo='R5'");
    QElapsedTimer seen;
    seen.start();
    HttpReply next;
    do {
        next = Exchange(b.port(), Get("/board.json", "If-None-Match: " + etag + "\r\n"));
    } while (next.status == 304 && seen.elapsed() < 3000);
    QCOMPARE(next.status, 200);
    QVERIFY2(seen.elapsed() < 2000, qPrintable(QString::number(seen.elapsed())));
    QVERIFY(next.header("etag") != etag);
    const QJsonObject o = QJsonDocument::fromJson(next.body).object();
    QCOMPARE(o.value("latest").toArray().first().toString(), "R5");
    QVERIFY(o.value("html").toString().contains("<tr data-ring=\"R5\" class=\"new\">"));
}

void TestLive::surface_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    const QByteArray host = " HTTP/1.1\r\nHost: b\r\n\r\n";
    QTest::newRow("phone") << "GET /" + host << 200;
    QTest::newRow("screen") << "GET /screen" + host << 200;
    QTest::newRow("query ignored") << "GET /screen?x=%3Cscript%3E" + host << 200;
    QTest::newRow("http/1.0") << QByteArray("GET /board.json HTTP/1.0\r\n\r\n") << 200;
    for (const char* method :
         {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE", "CONNECT", "PROPFIND", "BREW"}) {
        QTest::newRow(method) << QByteArray(method) + " /" + host << 405;
    }
    QTest::newRow("post with body")
        << QByteArray("POST / HTTP/1.1\r\nHost: b\r\nContent-Length: 4\r\n\r\nabcd") << 405;
    QTest::newRow("get with body")
        << QByteArray("GET / HTTP/1.1\r\nHost: b\r\nContent-Length: 4\r\n\r\nabcd") << 413;
    QTest::newRow("chunked")
        << QByteArray("GET / HTTP/1.1\r\nHost: b\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n")
        << 413;
    for (const char* path :
         {"/../../../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/%2E%2E%2F%2E%2E%2Fetc%2Fpasswd",
          "/..%2f..%2f..%2fetc%2fpasswd", "/%252e%252e/etc/passwd", "/.%2e/.%2e/etc/passwd",
          "/..\\..\\etc\\passwd", "/screen/../board.json", "/./", "//etc/passwd", "/index.html",
          "/board.json/", "/%00", "/CMakeLists.txt", "/%c0%ae%c0%ae/etc/passwd"}) {
        QTest::newRow(path) << "GET " + QByteArray(path) + host << 404;
    }
    QTest::newRow("absolute form") << "GET http://b/etc/passwd" + host << 400;
    QTest::newRow("no target") << QByteArray("GET\r\n\r\n") << 400;
    QTest::newRow("lower-case method") << "get /" + host << 400;
    QTest::newRow("version") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 505;
    QTest::newRow("not http") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11)
                              << 400;
    QTest::newRow("control in header")
        << QByteArray("GET / HTTP/1.1\r\nHost: b\x01\r\n\r\n") << 400;
    QTest::newRow("long request line") << "GET /" + QByteArray(3000, 'a') + host << 414;
    QTest::newRow("large header") << "GET / HTTP/1.1\r\nHost: b\r\nX-A: " + QByteArray(9000, 'a') +
                                         "\r\n\r\n"
                                  << 431;
    QByteArray many = "GET / HTTP/1.1\r\nHost: b\r\n";
    for (int i = 0; i < 100; ++i) {
        many += "X-" + QByteArray::number(i) + ": 1\r\n";
    }
    QTest::newRow("many headers") << many + "\r\n" << 431;
}

void TestLive::surface() {
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    static TestContext* t = nullptr;
    static Board* b = nullptr;
    if (b == nullptr) {
        t = new TestContext;  // one board for the table (left for the process to end)
        seed(*t->db);
        b = new Board(*t, {}, "1A");
        WaitJson(b->port(), [](const QJsonObject& j) { return j.value("race") == "1A"; });
    }
    const HttpReply r = Exchange(b->port(), request, 3000, status >= 400 && status != 404);
    QCOMPARE(r.status, status);
    QVERIFY(!r.raw.contains("root:"));
    if (status == 405) {
        QCOMPARE(r.header("allow"), "get, head");  // the client gives headers lower-case
    }
    if (status >= 400 && status != 404) {
        QVERIFY2(r.closed, "a refused connection stays open");
    }
    // The board still answers.
    QCOMPARE(Exchange(b->port(), Get("/")).status, 200);
}

void TestLive::slowClientsAreCutOff() {
    TestContext t;
    LiveLimits limits;
    limits.headerTimeoutMs = 400;
    limits.idleTimeoutMs = 700;
    Board b(t, limits);
    // Half a request, then silence: 408 and closed.
    QElapsedTimer clock;
    clock.start();
    HttpReply r = Exchange(b.port(), "GET / HTT", 3000, true);
    QCOMPARE(r.status, 408);
    QVERIFY(r.closed);
    QVERIFY(clock.elapsed() < 1500);

    // A byte every 100 ms keeps no request alive past the limit.
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, b.port());
    QVERIFY(s.waitForConnected(2000));
    const QByteArray dribble = "GET / HTTP/1.1\r\nHost: b\r\nX-Slow: aaaaaaaaaaaaaaaaaaaaaaaaa";
    QByteArray got;
    clock.restart();
    for (int i = 0; i < dribble.size() && s.state() == QAbstractSocket::ConnectedState; ++i) {
        s.write(dribble.mid(i, 1));
        s.waitForBytesWritten(100);
        if (s.waitForReadyRead(100)) {
            got += s.readAll();
        }
    }
    if (s.state() != QAbstractSocket::UnconnectedState) {
        s.waitForDisconnected(1000);
    }
    got += s.readAll();
    QVERIFY2(got.startsWith("HTTP/1.1 408 "), got.constData());
    QVERIFY(clock.elapsed() < 1500);

    // A kept connection with nothing asked is closed.
    QTcpSocket idle;
    idle.connectToHost(QHostAddress::LocalHost, b.port());
    QVERIFY(idle.waitForConnected(2000));
    idle.write(Get("/board.json"));
    QVERIFY(idle.waitForReadyRead(2000));
    clock.restart();
    QVERIFY(idle.waitForDisconnected(3000) || idle.state() == QAbstractSocket::UnconnectedState);
    QVERIFY(clock.elapsed() >= 300 && clock.elapsed() < 2500);
}

void TestLive::floodFromOneAddress() {
    TestContext t;
    LiveLimits limits;
    limits.connectionsPerAddress = 4;
    Board b(t, limits);
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < 4; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress::LocalHost, b.port());
        QVERIFY(held.back()->waitForConnected(2000));
    }
    QTest::qWait(100);
    for (int i = 0; i < 20; ++i) {
        const HttpReply r = Exchange(b.port(), Get("/"), 3000, true);
        QCOMPARE(r.status, 503);
        QVERIFY(r.closed);
    }
    // The connections it holds are served, and once they are gone the address is welcome.
    held.front()->write(Get("/"));
    QVERIFY(held.front()->waitForReadyRead(2000));
    QVERIFY(held.front()->readAll().startsWith("HTTP/1.1 200 OK"));
    held.clear();
    QTRY_COMPARE_WITH_TIMEOUT(Exchange(b.port(), Get("/")).status, 200, 3000);
}

void TestLive::randomRequests() {
    TestContext t;
    seed(*t.db);
    LiveLimits limits;
    limits.headerTimeoutMs = 300;
    Board b(t, limits, "1A");
    WaitJson(b.port(), [](const QJsonObject& j) { return j.value("race") == "1A"; });
    const QList<QByteArray> documents{Exchange(b.port(), Get("/")).body,
                                      Exchange(b.port(), Get("/screen")).body,
                                      Exchange(b.port(), Get("/board.json")).body};
    const quint32 seedValue = QRandomGenerator::global()->generate();
    QRandomGenerator random(seedValue);
    const QList<QByteArray> methods{"GET", "HEAD", "POST", "get", "G\0T", "", "DELETE", "GETT"};
    const QList<QByteArray> pieces{"/",          "..",   "%2e", "%2f",  "%00", "screen",
                                   "board.json", "?",    "#",   "%",    "\\",  "/etc/passwd",
                                   "//",         "\xff", " ",   "\r\n", "%25", "~"};
    int answered = 0;
    for (int i = 0; i < 400; ++i) {
        QByteArray req;
        if (random.bounded(10) == 0) {
            for (int n = random.bounded(200); n > 0; --n) {
                req += char(random.bounded(256));
            }
        } else {
            req = methods[random.bounded(methods.size())] + ' ';
            for (int n = random.bounded(6); n > 0; --n) {
                req += pieces[random.bounded(pieces.size())];
            }
            req += random.bounded(8) == 0 ? " HTTP/1.0\r\n" : " HTTP/1.1\r\n";
            for (int n = random.bounded(4); n > 0; --n) {
                req += "X-" + QByteArray::number(random.bounded(1000)) + ": " +
                       QByteArray(random.bounded(300), 'v') + "\r\n";
            }
            if (random.bounded(6) != 0) {
                req += "\r\n";
            }
        }
        const HttpReply r = Exchange(b.port(), req, 1500);
        QVERIFY2(!r.raw.contains("root:"), qPrintable(QString::number(seedValue)));
        if (r.status == 200) {
            QVERIFY2(r.body.isEmpty() || documents.contains(r.body),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seedValue).arg(req.toHex())));
        }
        answered += r.status != 0;
    }
    QVERIFY(answered > 200);
    QCOMPARE(Exchange(b.port(), Get("/")).body, documents[0]);
}

void TestLive::takenPortIsSaidAndLogged() {
    TestContext t;
    QTcpServer taken;
    QVERIFY(taken.listen(QHostAddress::LocalHost));
    LiveBoard board(t.db->fileName(), t.clock, RaceDayLog::folderFor(t.paths.dataDir));
    QSignalSpy changed(&board, &LiveBoard::statusChanged);
    LiveSettings s;
    s.enabled = true;
    s.port = taken.serverPort();
    s.listenOn = LiveInterface::ThisPcOnly;
    board.apply(s);
    QVERIFY(!board.status().running);
    QVERIFY2(board.status().problem.contains(QString::number(s.port)),
             qPrintable(board.status().problem));
    QCOMPARE(changed.size(), 1);
    RaceDayLog log(RaceDayLog::folderFor(t.paths.dataDir), t.clock);
    QFile file(log.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains(board.status().problem));
    // Another port: it runs, and says where.
    s.port = 0;
    board.apply(s);
    QVERIFY(board.status().running);
    QVERIFY(board.status().problem.isEmpty());
    QCOMPARE(board.status().address, QStringLiteral("http://127.0.0.1:%1/").arg(board.port()));
    board.apply(LiveSettings{});
    QVERIFY(!board.status().running);
}

void TestLive::qrCodeOfTheAddress() {
    const QImage qr = QrCodeImage("http://192.168.1.20:8080/", 3);
    QVERIFY(!qr.isNull());
    QCOMPARE(qr.width(), qr.height());
    QCOMPARE(qr.width() % 3, 0);
    // The quiet zone is white; the finder pattern's corner is black.
    QCOMPARE(qGray(qr.pixel(0, 0)), 255);
    QCOMPARE(qGray(qr.pixel(4 * 3, 4 * 3)), 0);
    QCOMPARE(qGray(qr.pixel(qr.width() - 1 - 4 * 3, 4 * 3)), 0);
}

QTEST_MAIN(TestLive)
#include "test_live.moc"
