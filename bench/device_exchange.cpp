// device_exchange: how much longer a clock conversation takes than its bytes need on the wire.
//
// Starts the clock emulator paced at 9600 baud in both directions, then over the real serial
// stack runs ReadDeviceId (to learn the clock's id, not measured), ComVerify and N GetPigeonInfo
// calls (default 200), the reading loop of a clock synchronisation. Prints the measured time,
// the wire time of every byte exchanged (10 bits a byte at 9600 baud) and their ratio.
//
//   device_exchange [N]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "device/serial_port.h"
#include "device/win_api_v8.h"

#include "counting_port.h"

namespace {

constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 10.0;  // start bit, 8 data bits, stop bit

QJsonObject BenchState() {
    QJsonArray pigeons;
    for (int i = 1; i <= 20; ++i) {
        pigeons.append(QJsonObject{{"AssocNum", QStringLiteral("BE-2025-%1").arg(4100000 + i)},
                                   {"regNum", QString::number(4100000 + i)},
                                   {"eringNum", QStringLiteral("E%1").arg(7000 + i)},
                                   {"Uid", QStringLiteral("04A1%1").arg(i, 4, 10, QChar('0'))},
                                   {"UpdateTime", qint64(1750000000000) + i},
                                   {"Year", 2025},
                                   {"Sex", i % 2},
                                   {"Color", "BB"}});
    }
    return {{"deviceId", "1A2B3C4D"}, {"owner", "0123"}, {"pigeons", pigeons}};
}

int Fail(const char* what) {
    fprintf(stderr, "device_exchange: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int calls = argc > 1 ? QString(argv[1]).toInt() : 200;
    if (calls < 1) {
        return Fail("the number of calls must be at least 1");
    }

    QTemporaryDir dir;
    QFile stateFile(dir.filePath("state.json"));
    if (!stateFile.open(QIODevice::WriteOnly)) {
        return Fail("cannot write the state file");
    }
    stateFile.write(QJsonDocument(BenchState()).toJson());
    stateFile.close();
    const QString link = dir.filePath("clock");
    QProcess emulator;
    emulator.start(CLOCK_EMULATOR_PATH, {"--state", stateFile.fileName(), "--link", link, "--log",
                                         dir.filePath("emulator.log"), "--pace"});
    if (!emulator.waitForReadyRead(5000) || emulator.readLine().trimmed() != link.toLocal8Bit()) {
        return Fail("the clock emulator did not start");
    }

    auto port = std::make_unique<CountingPort>();
    CountingPort& counter = *port;
    TWinApiV8 api(std::move(port), link);
    QString id;
    QString rest;
    if (!api.ReadDeviceId(id, rest)) {
        return Fail("ReadDeviceId failed");
    }
    counter.sent = counter.received = 0;

    QElapsedTimer clock;
    clock.start();
    QByteArray deviceRandom, hostRandom, key;
    if (!api.ComVerify(id, TWinApiV8::DiverseKey(id), deviceRandom, hostRandom, key)) {
        return Fail("ComVerify failed");
    }
    const int pigeons = 20;
    for (int i = 0; i < calls; ++i) {
        QString values;
        if (!api.GetPigeonInfo(key, i % pigeons, "AssocNum%Uid%EringNum%UpdateTime%Year%Sex%Color",
                               values)) {
            return Fail(qPrintable("GetPigeonInfo failed: " + values));
        }
    }
    const double measuredS = clock.nsecsElapsed() / 1e9;
    emulator.terminate();
    emulator.waitForFinished(3000);

    const qint64 bytes = counter.sent + counter.received;
    const double wireS = bytes * kBitsPerByte / kBaud;
    printf("exchanges     %d (ComVerify + %d GetPigeonInfo)\n", calls + 1, calls);
    printf("bytes         %lld sent, %lld received, %lld in all\n",
           static_cast<long long>(counter.sent), static_cast<long long>(counter.received),
           static_cast<long long>(bytes));
    printf("measured      %.3f s\n", measuredS);
    printf("wire time     %.3f s (%d bits a byte at %.0f baud)\n", wireS,
           static_cast<int>(kBitsPerByte), kBaud);
    printf("ratio         %.3f (measured / wire)\n", measuredS / wireS);
    printf("per exchange  %.1f ms measured, %.1f ms on the wire\n", measuredS * 1000 / (calls + 1),
           wireS * 1000 / (calls + 1));
    return 0;
}
