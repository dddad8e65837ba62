// The program's device interface over the real serial stack (QSerialPort on a pseudo-terminal)
// against the clock emulator: a whole conversation with the clock's state checked afterwards,
// forged signatures, replies that come in pieces or not at all, and the clock's refusals.

#include <QElapsedTimer>
#include <QJsonArray>
#include <QTest>

#include "device/win_api_v8.h"
#include "emulator_process.h"

namespace {

const QString kRecordFields =
    "RaceCode%RandNumMarked%RandNumberBack%UidBack%GpsValid%BackOrder%BackTimeEring%BackTimeUid%"
    "BackHomeLat%BackHomeLon";
const QString kPigeonFields = "AssocNum%Uid%EringNum%UpdateTime%Year%Sex%Color";

QJsonObject ClockState() {
    const QJsonObject arrival{
        {"RaceCode", "B230920"},
        {"markTime", qint64(1474290000000)},
        {"RandNumMarked", 63},
        {"RandNumberBack", 63},
        {"UidBack", "04A1B2C3"},
        {"GpsValid", true},
        {"BackOrder", 1},
        {"BackTimeEring", qint64(1474350000123)},
        {"BackTimeUid", qint64(1474350000456)},
        {"BackHomeLat", -90185005},
        {"BackHomeLon", 436223456},
    };
    return QJsonObject{
        {"deviceId", "1A2B3C4D"},
        {"owner", "K1_0123"},
        {"pigeons",
         QJsonArray{
             QJsonObject{{"AssocNum", "BE-2015-1000001"},
                         {"regNum", "1000001"},
                         {"eringNum", "E100"},
                         {"Uid", "04A1B2C3"},
                         {"UpdateTime", qint64(1474326000000)},
                         {"Year", 2015},
                         {"Sex", 0},
                         {"Color", "BB"},
                         {"raceRecords", QJsonArray{arrival}}},
             QJsonObject{{"AssocNum", "BE-2015-1000002"}, {"eringNum", "E200"}},
         }},
        {"races", QJsonArray{QJsonObject{{"RaceCode", "A010915"}, {"LiberCode", "A01"}}}},
    };
}

// A connection to the emulated clock up to a verified connection key.
struct Session {
    explicit Session(const QString& link) : api(link) {}
    bool verify() {
        QString rest;
        deviceId.clear();
        return api.ReadDeviceId(deviceId, rest) &&
               api.ComVerify(deviceId, TWinApiV8::DiverseKey(deviceId), deviceRandom, hostRandom,
                             key);
    }
    TWinApiV8 api;
    QString deviceId;
    QByteArray deviceRandom, hostRandom, key;
};

QJsonObject Find(const QJsonArray& list, const QString& keyName, const QString& key) {
    for (const QJsonValue& entry : list) {
        if (entry.toObject().value(keyName).toString() == key) {
            return entry.toObject();
        }
    }
    return {};
}

}  // namespace

class TestDeviceAgainstEmulator : public QObject {
    Q_OBJECT

  private slots:
    void wholeConversation() {
        EmulatorProcess emulator(ClockState());
        QVERIFY(emulator.ready());
        TWinApiV8 api(emulator.link(), [](const QString& error) { QFAIL(qPrintable(error)); });
        QVERIFY(api.isPortOpen());

        QString id;
        QString rest;
        QVERIFY(api.ReadDeviceId(id, rest));
        QCOMPARE(id, "1A2B3C4D");
        QCOMPARE(rest, "K1_0123");
        const QString keyText = TWinApiV8::DiverseKey(id);
        QString error = "untouched";
        QVERIFY(api.DeviceInit(id, "0123", keyText, error));
        QCOMPARE(error, "untouched");
        id.clear();
        QVERIFY(api.ReadDeviceId(id, rest));
        QCOMPARE(rest, "0123");

        QByteArray deviceRandom, hostRandom, key;
        QVERIFY(api.ComVerify(id, keyText, deviceRandom, hostRandom, key));
        QCOMPARE(key.size(), 8);

        QVERIFY2(api.SetLoftInfo(key,
                                 "OwnerName:Jan Peeters%City:Gent%HostIp:club.example$80%"
                                 "HostPath:/upload%timeZone:#-480",
                                 error),
                 qPrintable(error));
        QVERIFY2(api.SaveRace(key, "B230920",
                              "ClubCode:0101%LiberCode:B23%LiberName:BRX%"
                              "LiberTime:1474326000000%AssocCode:12%PrintCount:#2",
                              error),
                 qPrintable(error));
        QVERIFY(api.DeleteRace(key, "A010915", error));
        int count = -1;
        QVERIFY(api.QueryRace(key, "RaceCode='''B230920'''", count, error));
        QCOMPARE(count, 1);
        QString values;
        QVERIFY(api.GetRaceInfo(key, 0, "RaceCode%RaceStopDeviceTIme%RaceStopReaderTIme", values));
        QCOMPARE(values, "B230920%0%0%");

        QVERIFY(api.SavePigeon(key, "BE-2016-2000003",
                               "regNum:2000003%eringNum:E300%Color:BC%Year:#2016%Sex:#1", error));
        QVERIFY(api.SavePigeon(key, "BE-2015-1000001",
                               "regNum:1000001%eringNum:E101%Color:BB%Year:#2015%Sex:#0", error));
        QVERIFY(api.DeletePigeon(key, "BE-2015-1000002", error));
        QVERIFY(api.QueryPigeon(key, "", count, error));
        QCOMPARE(count, 2);
        QStringList pigeons;
        for (int i = 0; i < count; ++i) {
            QVERIFY(api.GetPigeonInfo(key, i, kPigeonFields, values));
            pigeons << values;
        }
        QCOMPARE(pigeons, (QStringList{"BE-2015-1000001%04A1B2C3%E101%1474326000000%2015%0%BB%",
                                       "BE-2016-2000003%%E300%0%2016%1%BC%"}));
        QVERIFY(api.QueryRaceRecord(key, "BE-2015-1000001", kRecordFields, values));
        QCOMPARE(values,
                 "B230920%63%63%04A1B2C3%True%1%1474350000123%1474350000456%-90185005%436223456%");
        // A pigeon that was never marked answers with an empty race code.
        QVERIFY(api.QueryRaceRecord(key, "BE-2016-2000003", "RaceCode%markTime", values));
        QCOMPARE(values, "%0%");
        QVERIFY(api.SendText(QString::fromUtf8("0123 Clock Synchornize Success ! \xC3\xA9")));

        QVERIFY(emulator.stop());
        const QJsonObject state = emulator.state();
        QCOMPARE(state.value("owner").toString(), "0123");
        QCOMPARE(state.value("key").toString(), keyText);
        const QJsonObject loft = state.value("loft").toObject();
        QCOMPARE(loft.value("OwnerName").toString(), "Jan Peeters");
        QCOMPARE(loft.value("HostIp").toString(), "club.example:80");
        QCOMPARE(loft.value("HostPath").toString(), "/upload");
        QCOMPARE(loft.value("timeZone"), QJsonValue(-480));
        const QJsonArray races = state.value("races").toArray();
        QCOMPARE(races.size(), 1);
        const QJsonObject race = races[0].toObject();
        QCOMPARE(race.value("RaceCode").toString(), "B230920");
        QCOMPARE(race.value("LiberTime"), QJsonValue("1474326000000"));
        QCOMPARE(race.value("PrintCount"), QJsonValue(2));
        const QJsonArray stored = state.value("pigeons").toArray();
        QCOMPARE(stored.size(), 2);
        const QJsonObject added = Find(stored, "AssocNum", "BE-2016-2000003");
        QCOMPARE(added.value("eringNum").toString(), "E300");
        QCOMPARE(added.value("Year"), QJsonValue(2016));
        QCOMPARE(added.value("Sex"), QJsonValue(1));
        const QJsonObject kept = Find(stored, "AssocNum", "BE-2015-1000001");
        QCOMPARE(kept.value("eringNum").toString(), "E101");
        QCOMPARE(kept.value("Uid").toString(), "04A1B2C3");  // the clock's own assignment stays
        QCOMPARE(kept.value("raceRecords").toArray().size(), 1);
        QCOMPARE(state.value("texts").toArray().last().toString(),
                 QString::fromUtf8("0123 Clock Synchornize Success ! \xC3\xA9"));
    }

    void exampleStateAnswersAResultUpload() {
        // The example state of the README, read the way the result upload reads a clock.
        QFile example(EXAMPLE_STATE_PATH);
        QVERIFY(example.open(QIODevice::ReadOnly));
        EmulatorProcess emulator(QJsonDocument::fromJson(example.readAll()).object());
        QVERIFY(emulator.ready());
        Session session(emulator.link());
        QVERIFY(session.verify());
        int count = 0;
        QString error;
        QString values;
        QVERIFY(session.api.QueryRace(session.key, "RaceCode='''B230920'''", count, error));
        QCOMPARE(count, 1);
        QVERIFY(session.api.GetRaceInfo(session.key, 0,
                                        "RaceCode%RaceStopDeviceTIme%RaceStopReaderTIme", values));
        QCOMPARE(values, "B230920%1726855205000%1726855200000%");
        const QStringList expected{
            "B230920%63%63%04A10001%True%1%1726823554567%1726823554579%183800500%13392250%",
            "B230920%17%0%%False%0%0%0%0%0%",
            "%0%0%%False%0%0%0%0%0%",
        };
        const QStringList rings{"BE-2024-4100001", "BE-2024-4100002", "BE-2023-3900417"};
        for (int i = 0; i < rings.size(); ++i) {
            QVERIFY(session.api.QueryRaceRecord(session.key, rings[i], kRecordFields, values));
            QCOMPARE(values, expected[i]);
        }
    }

    void forgedProofRefused() {
        // Request 2 is the ComVerify; the clock's proof comes back with one bit changed.
        EmulatorProcess emulator(ClockState(), {"--fault", "bad-proof@2"});
        QVERIFY(emulator.ready());
        Session session(emulator.link());
        session.key = "previous";
        QVERIFY(!session.verify());
        QCOMPARE(session.key, QByteArray("previous"));
        QVERIFY(session.verify());  // the next handshake is honest again
    }

    void forgedRequestCodeRefused() {
        EmulatorProcess emulator(ClockState());
        QVERIFY(emulator.ready());
        Session session(emulator.link());
        QVERIFY(session.verify());
        QByteArray forged = session.key;
        forged[7] = char(forged[7] ^ 0x01);
        QString error;
        QVERIFY(!session.api.SavePigeon(forged, "BE-2016-9", "regNum:9", error));
        QCOMPARE(error, " API Reply Status Fail !");
        QVERIFY(session.api.SavePigeon(session.key, "BE-2016-8", "regNum:8", error));
        QVERIFY(emulator.stop());
        const QJsonArray pigeons = emulator.state().value("pigeons").toArray();
        QVERIFY(Find(pigeons, "AssocNum", "BE-2016-9").isEmpty());
        QVERIFY(!Find(pigeons, "AssocNum", "BE-2016-8").isEmpty());
    }

    void clockRefusals_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("carriedOut");
        // Request 3 is the SetLoftInfo after ReadDeviceId and ComVerify.
        QTest::newRow("reply damaged on the way back") << "bad-fcs@3"
                                                       << "FCS Not Match" << true;
        QTest::newRow("status byte") << "status=9@3"
                                     << " API Reply Status Fail !" << false;
        QTest::newRow("error member") << "error=2@3"
                                      << R"({"error":2,"message":"injected fault"})" << false;
    }
    void clockRefusals() {
        QFETCH(QString, fault);
        QFETCH(QString, error);
        QFETCH(bool, carriedOut);
        EmulatorProcess emulator(ClockState(), {"--fault", fault});
        QVERIFY(emulator.ready());
        Session session(emulator.link());
        QVERIFY(session.verify());
        QString text;
        QVERIFY(!session.api.SetLoftInfo(session.key, "City:Gent", text));
        QCOMPARE(text, error);
        QVERIFY(emulator.stop());
        QCOMPARE(emulator.state().value("loft").toObject().contains("City"), carriedOut);
    }

    void replyInTwoPieces_data() {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("30 ms gap") << 30 << true;
        QTest::newRow("120 ms gap") << 120 << false;
    }
    void replyInTwoPieces() {
        QFETCH(int, gapMs);
        QFETCH(bool, accepted);
        EmulatorProcess emulator(ClockState(), {"--split", QString::number(gapMs)});
        QVERIFY(emulator.ready());
        TWinApiV8 api(emulator.link());
        QString id = "before";
        QString rest = "rest";
        QCOMPARE(api.ReadDeviceId(id, rest), accepted);
        QCOMPARE(id, accepted ? "before1A2B3C4D" : "before");
        QCOMPARE(rest, accepted ? "K1_0123" : "rest");
    }

    void noClockOnTheAntenna() {
        EmulatorProcess emulator(ClockState(), {"--fault", "no-reply:all"});
        QVERIFY(emulator.ready());
        TWinApiV8 api(emulator.link());
        QByteArray out = "caller's text";
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!api.ComSendRecv(0x21, TWinApiV8::cmdReadDeviceId, {}, out));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 5000 && elapsed < 6000, qPrintable(QString::number(elapsed)));
        QCOMPARE(out, QByteArray("caller's text"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceAgainstEmulator)
#include "test_device_against_emulator.moc"
