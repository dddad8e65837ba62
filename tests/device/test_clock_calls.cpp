// Talking to a clock: digests and key derivation, the handshake, initialisation, and the JSON
// method calls with their request texts and reply handling. Expected digests come from Qt's own
// MD5, expected DES blocks from an independent DES implementation.
#include <QCryptographicHash>
#include <QtTest>

#include "data/errors.h"
#include "device/digest.h"
#include "device/win_api_v8.h"
#include "fake_serial_port.h"

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
QByteArray md5(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

// A clock on the other end: it answers every frame with the reply data (and status) the test
// sets, and keeps the payloads it received.
struct TalkingClock {
    FakeSerialPort* port = nullptr;
    std::unique_ptr<TWinApiV8> api;
    QList<QByteArray> payloads;
    std::function<QByteArray(quint8 command, const QByteArray& payload)> answer;
    quint8 status = 0;
    bool silent = false;

    TalkingClock() {
        auto p = std::make_unique<FakeSerialPort>();
        port = p.get();
        port->responder = [this](const QByteArray& frame) {
            const quint8 command = quint8(frame[2]);
            payloads << frame.mid(4, frame.size() - 5);
            if (silent) {
                return QList<ReplyPiece>{};
            }
            const QByteArray data = answer ? answer(command, payloads.last()) : QByteArray("{}");
            return QList<ReplyPiece>{{5, ReplyFrame(data, status, command)}};
        };
        api = std::make_unique<TWinApiV8>(std::move(p), "ttyCLOCK");
        api->setRandomByteSource([n = 0]() mutable { return quint8(++n); });  // 01 02 03 04
    }
    void reply(const QByteArray& data) {
        answer = [data](quint8, const QByteArray&) { return data; };
    }
};

const QByteArray kKey = hex("0011223344556677");

enum Op {
    SetLoftInfo,
    SavePigeon,
    DeletePigeon,
    QueryPigeon,
    GetPigeonInfo,
    SaveRace,
    DeleteRace,
    QueryRace,
    GetRaceInfo,
    QueryRaceRecord
};

// Runs one operation; `text` receives its error, value or count text.
bool Run(TWinApiV8& api, Op op, const QString& a, const QString& b, QString& text) {
    int count = -7;
    bool ok = false;
    switch (op) {
        case SetLoftInfo:
            return api.SetLoftInfo(kKey, a, text);
        case SavePigeon:
            return api.SavePigeon(kKey, a, b, text);
        case DeletePigeon:
            return api.DeletePigeon(kKey, a, text);
        case GetPigeonInfo:
            return api.GetPigeonInfo(kKey, a.toInt(), b, text);
        case SaveRace:
            return api.SaveRace(kKey, a, b, text);
        case DeleteRace:
            return api.DeleteRace(kKey, a, text);
        case GetRaceInfo:
            return api.GetRaceInfo(kKey, a.toInt(), b, text);
        case QueryRaceRecord:
            return api.QueryRaceRecord(kKey, a, b, text);
        case QueryPigeon:
            ok = api.QueryPigeon(kKey, a, count, text);
            break;
        case QueryRace:
            ok = api.QueryRace(kKey, a, count, text);
            break;
    }
    text = QStringLiteral("count %1; %2").arg(count).arg(text);
    return ok;
}
}  // namespace

Q_DECLARE_METATYPE(Op)

class TestClockCalls : public QObject {
    Q_OBJECT
  private slots:
    void digests_data();
    void digests();
    void keyDerivation();
    void readDeviceId();
    void handshake();
    void hostRandomsNeverReach255();
    void deviceInit();
    void sendText();
    void requestTexts_data();
    void requestTexts();
    void replies_data();
    void replies();
    void linkFailures();
    void badIntegerStopsBeforeSending();
};

void TestClockCalls::digests_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("digest");
    // RFC 1321, appendix A.5
    QTest::newRow("empty") << QByteArray() << QByteArray("D41D8CD98F00B204E9800998ECF8427E");
    QTest::newRow("a") << QByteArray("a") << QByteArray("0CC175B9C0F1B6A831C399E269772661");
    QTest::newRow("abc") << QByteArray("abc") << QByteArray("900150983CD24FB0D6963F7D28E17F72");
    QTest::newRow("message digest")
        << QByteArray("message digest") << QByteArray("F96B697D7CB7938D525A2F31AAF161D0");
    QTest::newRow("alphabet") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                              << QByteArray("C3FCD3D76192E4007DFB496CCA67E13B");
    QTest::newRow("alphanumeric")
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
        << QByteArray("D174AB98D277D9F5A5611C2C9F419D9F");
    QTest::newRow("digits") << QByteArray("1234567890").repeated(8)
                            << QByteArray("57EDF4A22BE3C955AC49DA2E2107B67A");
}

void TestClockCalls::digests() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, digest);
    QCOMPARE(TWinApiV8::DoMD5Array(text), QByteArray::fromHex(digest));
    QCOMPARE(TWinApiV8::DoMD5(text), QString::fromLatin1(digest.left(8)));
}

void TestClockCalls::keyDerivation() {
    // The textbook DES example (key 133457799BBCDFF1).
    const QByteArray key = hex("133457799BBCDFF1") + '\0';
    const QByteArray plain = hex("0123456789ABCDEF");
    uint8_t out[8];
    DesEncrypt(out, reinterpret_cast<const uint8_t*>(plain.constData()), key.constData());
    QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 8), hex("85E813540F0AB405"));
    // The device id text itself, as 8 characters, is the block; "40417596" the key.
    QCOMPARE(TWinApiV8::DiverseKey("12345678"), QString("CCA2A3306260A4FB"));
    QCOMPARE(TWinApiV8::DiverseKey("1234567800"), QString("CCA2A3306260A4FB"));
    QCOMPARE(TWinApiV8::DiverseKey("ABCD").size(), 16);  // a short id does not crash
}

void TestClockCalls::readDeviceId() {
    TalkingClock clock;
    clock.reply(hex("1234567830303031"));
    QString id;
    QString rest = "old";
    QVERIFY(clock.api->ReadDeviceId(id, rest));
    QCOMPARE(id, QString("12345678"));
    QCOMPARE(rest, QString("0001"));
    QVERIFY(clock.api->ReadDeviceId(id, rest));
    QCOMPARE(id, QString("1234567812345678"));  // appended, as documented
    QCOMPARE(clock.payloads.last(), QByteArray());

    clock.reply(hex("ABCDEF"));  // fewer than 4 id bytes
    id.clear();
    QVERIFY(!clock.api->ReadDeviceId(id, rest));
    QCOMPARE(id, QString());
}

void TestClockCalls::handshake() {
    const QString id = "1234ABCD";
    const QString keyText = TWinApiV8::DiverseKey(id);
    const QByteArray host = hex("01020304");
    const QByteArray device = hex("A0B1C2D3");
    const QByteArray digest = md5(host + device + hex("1234ABCD") + keyText.toLatin1());
    struct Case {
        const char* name;
        QByteArray data;
        bool ok;
    };
    QByteArray flipped = digest.left(4);
    flipped[3] = char(flipped[3] ^ 0x01);
    const QList<Case> cases = {
        {"proof right", device + digest.left(4), true},
        {"proof right, more data", device + digest.left(4) + "xy", true},
        {"one bit off", device + flipped, false},
        {"7 bytes", (device + digest.left(4)).left(7), false},
    };
    for (const Case& c : cases) {
        TalkingClock clock;
        clock.reply(c.data);
        QByteArray deviceRandom;
        QByteArray hostRandom;
        QByteArray connection = "unchanged";
        QVERIFY2(clock.api->ComVerify(id, keyText, deviceRandom, hostRandom, connection) == c.ok,
                 c.name);
        QCOMPARE(clock.payloads, QList<QByteArray>{host});
        QCOMPARE(hostRandom, host);
        QCOMPARE(connection, c.ok ? digest.mid(4, 8) : QByteArray("unchanged"));
        if (c.data.size() >= 8) {
            QCOMPARE(deviceRandom, device);
        }
    }

    // Only 0-9 and A-F are hexadecimal digits; any other character, also one below "0", counts
    // as its code minus 55: "-4" is (45 - 55) * 16 + 4 = -156, the byte 0x64.
    TalkingClock clock;
    const QByteArray oddDigest = md5(host + device + hex("1264ABCD") + keyText.toLatin1());
    clock.reply(device + oddDigest.left(4));
    QByteArray deviceRandom;
    QByteArray hostRandom;
    QByteArray connection;
    QVERIFY(clock.api->ComVerify("12-4ABCD", keyText, deviceRandom, hostRandom, connection));
    QCOMPARE(connection, oddDigest.mid(4, 8));
}

void TestClockCalls::hostRandomsNeverReach255() {
    auto port = std::make_unique<FakeSerialPort>();
    port->responder = [](const QByteArray&) { return QList<ReplyPiece>{{0, ReplyFrame("short")}}; };
    TWinApiV8 api(std::move(port), "ttyCLOCK");  // the system's generator
    QSet<int> seen;
    for (int i = 0; i < 400; ++i) {
        QByteArray device;
        QByteArray host;
        QByteArray key;
        QVERIFY(!api.ComVerify("00000000", "K", device, host, key));
        QCOMPARE(host.size(), 4);
        for (const char b : host) {
            QVERIFY(quint8(b) != 255);
            seen.insert(quint8(b));
        }
    }
    QVERIFY(seen.size() > 200);  // fresh randoms, not a constant
}

void TestClockCalls::deviceInit() {
    const QString id = "0A0B0C0D";
    const QString keyText = TWinApiV8::DiverseKey(id);
    for (const bool verifyAnswered : {true, false}) {
        TalkingClock clock;
        clock.answer = [&](quint8 command, const QByteArray&) {
            return command == 0xC1 && verifyAnswered ? hex("55667788") + hex("00000000")
                                                     : QByteArray("done");
        };
        QString error = "untouched";
        QVERIFY(clock.api->DeviceInit(id, "NL-123", keyText, error));
        QCOMPARE(error, QString("untouched"));
        // The handshake (which fails here: the proof is wrong) still gives fresh randoms, and
        // the initialisation goes out anyway.
        QCOMPARE(clock.payloads.size(), 2);
        // Without an answer to the handshake there is no device random.
        const QByteArray device = verifyAnswered ? hex("55667788") : QByteArray();
        const QByteArray head = "NL-123," + keyText.toLatin1();
        const QByteArray code =
            md5(head + hex("01020304") + device + hex("0A0B0C0D") + "KWT3081").left(4);
        QCOMPARE(clock.payloads[1], head + code);
    }

    TalkingClock refusing;
    refusing.status = 3;
    QString error;
    QVERIFY(!refusing.api->DeviceInit(id, "NL-123", keyText, error));
    QCOMPARE(error, QString(" API Reply Status Fail !"));

    TalkingClock clock;
    QVERIFY(!clock.api->DeviceInit(id, QString(240, 'L'), keyText, error));
    QCOMPARE(error, QString("Parameter length > 255 Byte Error !"));
    QCOMPARE(clock.payloads.size(), 1);  // only the handshake went out
}

void TestClockCalls::sendText() {
    TalkingClock clock;
    QVERIFY(clock.api->SendText(QString::fromUtf8("Loft é")));
    QCOMPARE(clock.payloads.last(), QByteArray("Loft \xC3\xA9"));
    QVERIFY(clock.api->SendText(QString(250, 'x')));
    QVERIFY(!clock.api->SendText(QString(125, QChar(0xE9)) + 'x'));  // 251 bytes as UTF-8
    QCOMPARE(clock.payloads.size(), 2);
}

void TestClockCalls::requestTexts_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("query pigeons")
        << QueryPigeon << ""
        << "" << QByteArray(R"({"method":"queryPigeon","params":{"filter":""}})");
    QTest::newRow("loft items")
        << SetLoftInfo << "ClubCode:12%AssocCode:#7"
        << "" << QByteArray(R"({"method":"setLoftInfo","params":{"ClubCode":"12","AssocCode":7}})");
    QTest::newRow("trailing percent")
        << SetLoftInfo << "ClubCode:12%"
        << "" << QByteArray(R"({"method":"setLoftInfo","params":{"ClubCode":"12"}})");
    QTest::newRow("dollar first") << SetLoftInfo << "HostIp:h$80%HostPath:/p"
                                  << ""
                                  << QByteArray(R"({"method":"setLoftInfo","params":)"
                                                R"({"HostIp":"h:80","HostPath":"\/p"}})");
    QTest::newRow("dollar last") << SetLoftInfo << "HostPath:/p%HostIp:h$80"
                                 << ""
                                 << QByteArray(R"({"method":"setLoftInfo","params":)"
                                               R"({"HostPath":"\/p","HostIp":"h:80"}})");
    QTest::newRow("odd items") << SetLoftInfo << "a::b%%#-5%x%t:#+3%n:$#1"
                               << ""
                               << QByteArray(R"({"method":"setLoftInfo","params":)"
                                             R"({"a":":b","":"","":-5,"":"x","t":3,"n":":#1"}})");
    QTest::newRow("dollar in the name")
        << SetLoftInfo << "a$b:c$d%e:f"
        << "" << QByteArray(R"({"method":"setLoftInfo","params":{"a:b":"c$d","e":"f"}})");
    QTest::newRow("empty items") << SetLoftInfo << ""
                                 << "" << QByteArray(R"({"method":"setLoftInfo","params":{}})");
    QTest::newRow("pigeon keeps dollar")
        << SavePigeon << "NL-2024-1"
        << "Color:a$b%Year:#2024"
        << QByteArray(R"({"method":"savePigeon","params":)"
                      R"({"AssocNum":"NL-2024-1","Color":"a$b","Year":2024}})");
    QTest::newRow("delete pigeon")
        << DeletePigeon << "R9"
        << "" << QByteArray(R"({"method":"deletePigeon","AssocNum":"R9"})");
    QTest::newRow("pigeon info")
        << GetPigeonInfo << "3"
        << "AssocNum%Uid%%"
        << QByteArray(R"({"method":"getPigeonInfo","index":3,"fields":["AssocNum","Uid",""]})");
    QTest::newRow("save race") << SaveRace << "AB0615"
                               << "LiberName:Été%PrintCount:#2"
                               << QByteArray(R"({"method":"saveRace","params":{"RaceCode":)"
                                             "\"AB0615\",\"LiberName\":\"\xC3\x89t\xC3\xA9\","
                                             R"("PrintCount":2}})");
    QTest::newRow("delete race") << DeleteRace << "R1"
                                 << "" << QByteArray(R"({"method":"deleteRace","RaceCode":"R1"})");
    QTest::newRow("query race") << QueryRace << "F"
                                << "" << QByteArray(R"({"method":"queryRace","filer":"F"})");
    QTest::newRow("race info")
        << GetRaceInfo << "0"
        << "RaceCode%MarkDeviceTime"
        << QByteArray(
               R"({"method":"getRaceInfo","index":0,"fields":["RaceCode","MarkDeviceTime"]})");
    QTest::newRow("race record") << QueryRaceRecord << "R\"1"
                                 << "RaceCode%markTime"
                                 << QByteArray(
                                        R"({"method":"queryRaceRecord","AssocNum":"R\"1","fields":)"
                                        R"(["RaceCode","markTime"]})");
}

void TestClockCalls::requestTexts() {
    QFETCH(Op, op);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QByteArray, json);
    TalkingClock clock;
    QString text;
    Run(*clock.api, op, a, b, text);
    QCOMPARE(clock.port->frames.size(), 1);
    const QByteArray frame = clock.port->frames.first();
    QCOMPARE(frame.left(3), hex("6C21C0"));
    QCOMPARE(quint8(frame[3]), quint8(json.size() + 4));
    QCOMPARE(clock.payloads.first(), json + md5(json + kKey).left(4));
}

void TestClockCalls::replies_data() {
    QTest::addColumn<Op>("op");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");  // error, value or "count n; error" text

    QTest::newRow("count") << QueryPigeon << "" << QByteArray(R"({"error":0,"result":3})") << true
                           << "count 3; before";
    QTest::newRow("count refused")
        << QueryPigeon << "" << QByteArray(R"({"error":2})") << false << R"(count -7; {"error":2})";
    QTest::newRow("error not a number")
        << QueryRace << "" << QByteArray(R"({"error":"2","result":4})") << true
        << "count 4; before";
    QTest::newRow("count as text")
        << QueryRace << "" << QByteArray(R"({"result":"12"})") << true << "count 12; before";
    QTest::newRow("count rounded")
        << QueryRace << "" << QByteArray(R"({"result":2.6})") << true << "count 3; before";
    QTest::newRow("count missing")
        << QueryPigeon << "" << QByteArray(R"({"error":0})") << false << R"(count -7; {"error":0})";
    QTest::newRow("count not json")
        << QueryPigeon << "" << QByteArray("busy") << false << "count -7; busy";
    QTest::newRow("values in field order")
        << GetPigeonInfo << "AssocNum%Uid"
        << QByteArray(R"({"error":0,"result":{"Uid":"9","AssocNum":"7"}})") << true << "7%9%";
    QTest::newRow("value kinds") << GetRaceInfo << "a%b%c%d%e"
                                 << QByteArray(R"({"result":{"a":1.5,"b":true,"c":null,)"
                                               R"("d":1700000000000,"e":"\u00e9"}})")
                                 << true << "1.5%True%%1700000000000%é%";
    QTest::newRow("fewer members than fields")
        << QueryRaceRecord << "a%b" << QByteArray(R"({"result":{"a":1}})") << true << "1%";
    QTest::newRow("field missing")
        << QueryRaceRecord << "a%b" << QByteArray(R"({"result":{"a":1,"x":2}})") << false
        << R"({"result":{"a":1,"x":2}})";
    QTest::newRow("more members than fields")
        << GetPigeonInfo << "a" << QByteArray(R"({"result":{"a":1,"b":2}})") << false
        << R"({"result":{"a":1,"b":2}})";
    QTest::newRow("result not an object")
        << GetPigeonInfo << "a" << QByteArray(R"({"result":5})") << false << R"({"result":5})";
    QTest::newRow("values refused")
        << GetRaceInfo << "a" << QByteArray(R"({"error":1,"result":{"a":1}})") << false
        << R"({"error":1,"result":{"a":1}})";
    QTest::newRow("values not json")
        << GetRaceInfo << "a" << QByteArray("\xFF\xFE") << false << QString::fromUtf8("\xFF\xFE");
    QTest::newRow("saved") << SetLoftInfo << "" << QByteArray(R"({"error":0})") << true << "before";
    QTest::newRow("saved, no error member")
        << SaveRace << "" << QByteArray(R"({"result":1})") << true << "before";
    QTest::newRow("save refused") << SavePigeon << "" << QByteArray(R"({"error":-1,"m":"é"})")
                                  << false << R"({"error":-1,"m":"é"})";
    QTest::newRow("save reply not json")
        << DeleteRace << "" << QByteArray("<html>") << false << "<html>";
    QTest::newRow("save reply a list") << DeletePigeon << "" << QByteArray("[0]") << false << "[0]";
}

void TestClockCalls::replies() {
    QFETCH(Op, op);
    QFETCH(QString, fields);
    QFETCH(QByteArray, reply);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    TalkingClock clock;
    clock.reply(reply);
    QString got = "before";
    QCOMPARE(Run(*clock.api, op, "0", fields, got), ok);
    QCOMPARE(got, text);
}

// A failed exchange hands back the link's text, except where the callers rely on the text they
// passed staying as it was.
void TestClockCalls::linkFailures() {
    const QList<std::tuple<Op, QString, QString>> cases = {
        {SetLoftInfo, " API Reply Status Fail !", ""},
        {DeletePigeon, " API Reply Status Fail !", ""},
        {GetPigeonInfo, " API Reply Status Fail !", ""},
        {DeleteRace, "before", "before"},
        {QueryPigeon, "count -7; before", "count -7; before"},
        {QueryRace, "count -7; before", "count -7; before"},
    };
    for (const auto& [op, refused, silent] : cases) {
        TalkingClock clock;
        clock.status = 1;
        QString got = "before";
        QVERIFY(!Run(*clock.api, op, "0", "a", got));
        QCOMPARE(got, refused);
        clock.silent = true;  // no reply: the text after a time-out
        got = "before";
        QVERIFY(!Run(*clock.api, op, "0", "a", got));
        QCOMPARE(got, silent);
    }
    TalkingClock clock;
    QString error;
    QVERIFY(!clock.api->SetLoftInfo(kKey, "Apn:" + QString(240, 'a'), error));
    QCOMPARE(error, QString("Parameter length > 255 Byte Error !"));
    QVERIFY(clock.payloads.isEmpty());
}

void TestClockCalls::badIntegerStopsBeforeSending() {
    TalkingClock clock;
    QString error;
    try {
        clock.api->SetLoftInfo(kKey, "Apn:x%pi0:#1a", error);
        QFAIL("no conversion error");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), QString("'1a' is not a valid integer value"));
    }
    QVERIFY_THROWS_EXCEPTION(UserError, clock.api->SavePigeon(kKey, "R", "Year:#", error));
    QVERIFY(clock.port->frames.isEmpty());
}

QTEST_GUILESS_MAIN(TestClockCalls)
#include "test_clock_calls.moc"
