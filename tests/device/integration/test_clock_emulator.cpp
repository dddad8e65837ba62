// The clock emulator on its own, spoken to in raw frames over its pseudo-terminal: the frames
// a clock must answer byte for byte, its refusals, its pacing and its state file checks.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <QProcess>
#include <QTest>

#include "emulator_process.h"

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(text);
}

const QJsonObject kState{{"deviceId", "12345678"}, {"owner", "0001"}};

// The host's end of the line, opened raw.
class RawLine {
  public:
    explicit RawLine(const QString& path) {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
        termios mode{};
        if (fd_ >= 0 && tcgetattr(fd_, &mode) == 0) {
            cfmakeraw(&mode);
            tcsetattr(fd_, TCSANOW, &mode);
        }
    }
    ~RawLine() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    bool isOpen() const { return fd_ >= 0; }

    // Sends the bytes and collects the reply until the line has been quiet for quietMs.
    QByteArray exchange(const QByteArray& request, int quietMs = 150) {
        if (::write(fd_, request.constData(), request.size()) != request.size()) {
            return {};
        }
        QByteArray reply;
        pollfd wait{fd_, POLLIN, 0};
        while (poll(&wait, 1, quietMs) > 0) {
            char buffer[256];
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            reply.append(buffer, got);
        }
        return reply;
    }

  private:
    int fd_ = -1;
};

}  // namespace

class TestClockEmulator : public QObject {
    Q_OBJECT

  private slots:
    void answersFrames_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("ReadDeviceId") << Hex("6C21C30050") << Hex("6C21C3090012345678303030312E");
        QTest::newRow("SendText OK") << Hex("6C21C4024F4BED") << Hex("6C21C403004F4BEE");
        QTest::newRow("noise before the frame is skipped")
            << Hex("00FF6C21C30050") << Hex("6C21C3090012345678303030312E");
        QTest::newRow("wrong FCS refused") << Hex("6C21C30051") << Hex("6C21C303014E47E9");
        QTest::newRow("JSON call before ComVerify refused")
            << Hex("6C21C0067B7D000000004B") << Hex("6C21C003044E47E9");
        QTest::newRow("unknown command refused") << Hex("6C21C70054") << Hex("6C21C703024E47EE");
        QTest::newRow("ComVerify with 3 bytes refused")
            << Hex("6C21C10301020357") << Hex("6C21C103034E47E9");
    }
    void answersFrames() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        EmulatorProcess emulator(kState);
        QVERIFY(emulator.ready());
        RawLine line(emulator.link());
        QVERIFY(line.isOpen());
        QCOMPARE(line.exchange(request).toHex(' '), reply.toHex(' '));
        QVERIFY(emulator.stop());
    }

    void keepsWhatTheHostSends() {
        EmulatorProcess emulator(kState);
        QVERIFY(emulator.ready());
        {
            RawLine line(emulator.link());
            QCOMPARE(line.exchange(Hex("6C21C4024F4BED")), Hex("6C21C403004F4BEE"));
            // The same line may be opened again, as the program does screen after screen.
        }
        RawLine again(emulator.link());
        QCOMPARE(again.exchange(Hex("6C21C4024F4BED")), Hex("6C21C403004F4BEE"));
        QVERIFY(emulator.stop());
        QCOMPARE(emulator.state().value("texts").toArray(), (QJsonArray{"OK", "OK"}));
        QVERIFY(!QFile::exists(emulator.link()));  // a stopped clock leaves no link behind
        const QString log = emulator.log();
        QVERIFY2(log.contains("6C 21 C4 02 4F 4B ED") && log.contains("\"OK\""), qPrintable(log));
    }

    void signalsForTraining() {
        EmulatorProcess emulator(kState);
        QVERIFY(emulator.ready());
        RawLine line(emulator.link());
        const QByteArray readId = Hex("6C21C30050");
        emulator.signal(SIGUSR1);  // the clock is taken off the antenna
        QCOMPARE(line.exchange(readId), QByteArray());
        emulator.signal(SIGUSR1);  // and put back
        QCOMPARE(line.exchange(readId), Hex("6C21C3090012345678303030312E"));
        // The trainer edits the state file and has it read again.
        QJsonObject changed = kState;
        changed["owner"] = "0999";
        QFile file(emulator.statePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(changed).toJson());
        file.close();
        emulator.signal(SIGHUP);
        QCOMPARE(line.exchange(readId).mid(9, 4), QByteArray("0999"));
    }

    void clocksTakeTurns() {
        const QJsonObject second{{"deviceId", "CAFE0002"}, {"owner", "0002"}};
        EmulatorProcess emulator({kState, second}, {});
        QVERIFY(emulator.ready());
        RawLine line(emulator.link());
        const QByteArray sendOk = Hex("6C21C4024F4BED");
        QCOMPARE(line.exchange(Hex("6C21C30050")).mid(5, 4), Hex("12345678"));
        emulator.signal(SIGUSR2);  // the next member puts a clock in the antenna
        QCOMPARE(line.exchange(Hex("6C21C30050")).mid(5, 4), Hex("CAFE0002"));
        QCOMPARE(line.exchange(sendOk), Hex("6C21C403004F4BEE"));
        emulator.signal(SIGUSR2);  // and round again to the first
        QCOMPARE(line.exchange(Hex("6C21C30050")).mid(5, 4), Hex("12345678"));
        QVERIFY(emulator.stop());
        QCOMPARE(emulator.state(1).value("texts").toArray(), QJsonArray{"OK"});
        QVERIFY(emulator.state(0).value("texts").toArray().isEmpty());
    }

    void pacesAtTheLineSpeed() {
        EmulatorProcess emulator(kState, {"--pace"});
        QVERIFY(emulator.ready());
        RawLine line(emulator.link());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(line.exchange(Hex("6C21C30050"), 30), Hex("6C21C3090012345678303030312E"));
        // 5 + 14 bytes of 10 bits at 9600 baud: 19.8 ms on the wire, plus the quiet wait.
        const qint64 elapsed = clock.elapsed() - 30;
        QVERIFY2(elapsed >= 19 && elapsed < 150, qPrintable(QString::number(elapsed)));
    }

    void refusesABadStateFile_data() {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{\"deviceId\":") << "is not a JSON object";
        QTest::newRow("short id") << QByteArray(R"({"deviceId":"1234"})")
                                  << "deviceId must be 8 hexadecimal digits";
        QTest::newRow("pigeon without ring")
            << QByteArray(R"({"deviceId":"12345678","pigeons":[{"Uid":"1"}]})")
            << "pigeons[0]: needs the text member AssocNum";
        QTest::newRow("record not an object")
            << QByteArray(
                   R"({"deviceId":"12345678","pigeons":[{"AssocNum":"R","raceRecords":[1]}]})")
            << "pigeons[0].raceRecords[0]: must be an object";
    }
    void refusesABadStateFile() {
        QFETCH(QByteArray, state);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile file(dir.filePath("state.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(state);
        file.close();
        QProcess process;
        process.start(CLOCK_EMULATOR_PATH,
                      {"--state", file.fileName(), "--link", dir.filePath("clock")});
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 2);
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(!QFile::exists(dir.filePath("clock")));
    }
};

QTEST_GUILESS_MAIN(TestClockEmulator)
#include "test_clock_emulator.moc"
