// The serial link: request frames, reply reassembly and checks, time limits and port failures.
#include <QtTest>

#include "device/frame.h"
#include "device/win_api_v8.h"
#include "fake_serial_port.h"

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

struct Link {
    FakeSerialPort* port;
    std::unique_ptr<TWinApiV8> api;
    QStringList errors;
};

std::unique_ptr<Link> MakeLink(bool openOk = true) {
    auto link = std::make_unique<Link>();
    auto port = std::make_unique<FakeSerialPort>();
    port->openOk = openOk;
    link->port = port.get();
    Link* l = link.get();
    link->api = std::make_unique<TWinApiV8>(std::move(port), "ttyCLOCK",
                                            [l](const QString& m) { l->errors << m; });
    return link;
}
}  // namespace

Q_DECLARE_METATYPE(QList<ReplyPiece>)

class TestLink : public QObject {
    Q_OBJECT
  private slots:
    void requestFrames();
    void replies_data();
    void replies();
    void payloadLimit();
    void staleInputIsPurged();
    void portThatCannotOpen();
    void writeFailureIsReported();
};

void TestLink::requestFrames() {
    QCOMPARE(GetFCS(hex("6C21C300"), 4), quint8(0x50));
    QCOMPARE(GetFCS(hex("6C21C300"), 0), quint8(0));
    QCOMPARE(GetFCS(hex("FFFF02"), 3), quint8(0x00));  // modulo 256, no carry

    auto link = MakeLink();
    QCOMPARE(link->port->openedName, QString("ttyCLOCK"));
    QString id;
    QString rest;
    QVERIFY(!link->api->ReadDeviceId(id, rest));
    QVERIFY(!link->api->SendText("OK"));
    QCOMPARE(link->port->frames, QList<QByteArray>({hex("6C21C30050"), hex("6C21C4024F4BED")}));
}

void TestLink::replies_data() {
    QTest::addColumn<QList<ReplyPiece>>("pieces");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("waitedMs");  // -1: not checked

    const QByteArray unchanged = "as passed";
    const QByteArray good =
        hex("6C21C30900123456783030303"
            "12E");
    QTest::newRow("complete") << QList<ReplyPiece>{{0, good}} << true << hex("1234567830303031")
                              << 0;
    QTest::newRow("fcs wrong") << QList<ReplyPiece>{{0, hex("6C21C3090012345678303030310"
                                                            "0")}}
                               << false << QByteArray("FCS Not Match") << -1;
    QTest::newRow("status fail") << QList<ReplyPiece>{{0, hex("6C21C30901123456783030303"
                                                              "12F")}}
                                 << false << QByteArray(" API Reply Status Fail !") << -1;
    QTest::newRow("length 2 never accepted") << QList<ReplyPiece>{{0, hex("6C21C3020001"
                                                                          "52")}}
                                             << false << unchanged << 50;
    QTest::newRow("nothing") << QList<ReplyPiece>{} << false << unchanged << 5000;
    QTest::newRow("30 ms gap") << QList<ReplyPiece>{{10, good.left(6)}, {30, good.mid(6)}} << true
                               << hex("1234567830303031") << 40;
    QTest::newRow("60 ms gap") << QList<ReplyPiece>{{0, good.left(6)}, {60, good.mid(6)}} << false
                               << unchanged << 50;
    QTest::newRow("byte by byte") <<
        [&] {
            QList<ReplyPiece> pieces;
            for (const char c : good) {
                pieces << ReplyPiece{49, QByteArray(1, c)};
            }
            return pieces;
        }() << true << hex("1234567830303031")
                                  << 49 * int(good.size());
    QTest::newRow("byte before reply")
        << QList<ReplyPiece>{{0, hex("00")}, {0, good}} << false << unchanged << 50;
    QTest::newRow("extra byte in the same piece")
        << QList<ReplyPiece>{{0, good + hex("00")}} << false << unchanged << 50;
    QTest::newRow("extra byte after the reply")
        << QList<ReplyPiece>{{0, good}, {0, hex("00")}} << true << hex("1234567830303031") << 0;
    QTest::newRow("empty data") << QList<ReplyPiece>{{0, ReplyFrame({}, 0, 0xC3)}} << false
                                << unchanged << 50;  // 6 bytes: shorter than 8, never accepted
    QTest::newRow("250 data bytes") << QList<ReplyPiece>{{0, ReplyFrame(QByteArray(249, 'x'))}}
                                    << true << QByteArray(249, 'x') << 0;
    QTest::newRow("over 255 bytes")
        << QList<ReplyPiece>{{0, ReplyFrame(QByteArray(251, 'x'))}} << false << unchanged << 50;
}

void TestLink::replies() {
    QFETCH(QList<ReplyPiece>, pieces);
    QFETCH(bool, ok);
    QFETCH(QByteArray, out);
    QFETCH(int, waitedMs);
    auto link = MakeLink();
    link->port->responder = [&](const QByteArray&) { return pieces; };
    QByteArray got = "as passed";
    QCOMPARE(link->api->ComSendRecv(0x21, 0xC3, {}, got), ok);
    QCOMPARE(got, out);
    if (waitedMs >= 0) {
        QCOMPARE(link->port->waitedMs, qint64(waitedMs));
    }
    QVERIFY(link->errors.isEmpty());
}

void TestLink::payloadLimit() {
    auto link = MakeLink();
    link->port->responder = [](const QByteArray&) {
        return QList<ReplyPiece>{{0, ReplyFrame("ok")}};
    };
    QByteArray out;
    QVERIFY(link->api->ComSendRecv(0x21, 0xC0, QByteArray(250, 'p'), out));
    QCOMPARE(out, QByteArray("ok"));
    QCOMPARE(link->port->frames.last().size(), 255);
    QCOMPARE(quint8(link->port->frames.last()[3]), quint8(250));

    out = "kept";
    QVERIFY(!link->api->ComSendRecv(0x21, 0xC0, QByteArray(251, 'p'), out));
    QCOMPARE(out, QByteArray("Parameter length > 255 Byte Error !"));
    QCOMPARE(link->port->frames.size(), 1);  // nothing sent
}

void TestLink::staleInputIsPurged() {
    auto link = MakeLink();
    link->port->responder = [](const QByteArray&) {
        return QList<ReplyPiece>{{0, ReplyFrame("fresh")}};
    };
    QByteArray out;
    QVERIFY(link->api->ComSendRecv(0x21, 0xC0, "a", out));
    QCOMPARE(link->port->clears, 0);  // nothing waited: no purge
    link->port->input = ReplyFrame("stale");
    QVERIFY(link->api->ComSendRecv(0x21, 0xC0, "b", out));
    QCOMPARE(link->port->clears, 1);
    QCOMPARE(out, QByteArray("fresh"));
}

void TestLink::portThatCannotOpen() {
    auto link = MakeLink(false);
    QVERIFY(!link->api->isPortOpen());
    QCOMPARE(link->errors, QStringList{"Unable to open com port (2)"});
    QByteArray out = "as passed";
    QVERIFY(!link->api->ComSendRecv(0x21, 0xC3, {}, out));
    QString id;
    QString rest;
    QVERIFY(!link->api->ReadDeviceId(id, rest));
    QCOMPARE(out, QByteArray("as passed"));
    QVERIFY(link->port->frames.isEmpty());
    QCOMPARE(link->port->waitedMs, 0);  // fails at once, no 5 s wait
    QCOMPARE(link->errors.size(), 1);   // reported once, not at every exchange
}

void TestLink::writeFailureIsReported() {
    auto link = MakeLink();
    link->port->writeOk = false;
    QByteArray out = "as passed";
    QVERIFY(!link->api->ComSendRecv(0x21, 0xC3, {}, out));
    QCOMPARE(out, QByteArray("as passed"));
    QCOMPARE(link->errors, QStringList{"Unable to write to com port (5)"});
}

QTEST_GUILESS_MAIN(TestLink)
#include "test_link.moc"
