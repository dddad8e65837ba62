// Many random and mutated byte strings through JSON reading and reply reassembly: no crash, no
// hang, and the properties the fuzz targets check hold. Seeded, so a failure repeats.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include "fake_serial_port.h"
#include "fuzz/fuzz_checks.h"

namespace {
// Random bytes, or a well-formed sample with a few bit flips, insertions, deletions, repeats
// and splices.
QByteArray Mutated(QRandomGenerator& random, const QList<QByteArray>& samples) {
    if (random.bounded(4) == 0) {
        QByteArray bytes(random.bounded(80), '\0');
        for (char& c : bytes) {
            c = char(random.bounded(256));
        }
        return bytes;
    }
    QByteArray bytes = samples[random.bounded(samples.size())];
    const int edits = 1 + random.bounded(4);
    for (int e = 0; e < edits; ++e) {
        const int at = bytes.isEmpty() ? 0 : random.bounded(int(bytes.size()));
        switch (random.bounded(6)) {
            case 0:
                if (!bytes.isEmpty()) {
                    bytes[at] = char(bytes[at] ^ (1 << random.bounded(8)));
                }
                break;
            case 1:
                bytes.insert(at, char(random.bounded(256)));
                break;
            case 2:
                bytes.remove(at, 1 + random.bounded(8));
                break;
            case 3:
                bytes.insert(at, bytes.mid(at, 1 + random.bounded(16)));
                break;
            case 4:
                bytes = bytes.left(at) + samples[random.bounded(samples.size())];
                break;
            default:
                bytes.truncate(at);
                break;
        }
    }
    return bytes;
}
}  // namespace

class TestRobustness : public QObject {
    Q_OBJECT
  private slots:
    void jsonReading();
    void replyReassembly();
};

void TestRobustness::jsonReading() {
    const QList<QByteArray> samples = {
        R"({"error":0,"result":{"AssocNum":"NL-1","Uid":"9","Year":2024,"Sex":"1"}})",
        "\xEF\xBB\xBF{\"error\":0,\"result\":3}",
        R"([1, -2.5e3, true, false, null, "a\"\\\/\b\f\n\r\t\u00e9\uD83D\uDE00", [], {}])",
        R"({"k":1,"k":2,"":{"x":[[[["deep"]]]]}})",
        "{\"t\":\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"}",
        "[1 2,,]",
        QByteArray(40, '[') + QByteArray(40, ']'),
        "[4.94065645841247e-324,1e-400,2.2250738585072014e-308,1.7976931348623157e308,"
        "999999999999999.9,0.1234567890123456789,-0]",
    };
    for (const QByteArray& sample : samples) {
        QCOMPARE(CheckJsonInput(sample), QString());
    }
    QRandomGenerator random(20260615);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 30000; ++i) {
        const QByteArray input = Mutated(random, samples);
        const QString problem = CheckJsonInput(input);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + " for " + input.toHex()));
    }
    QVERIFY(timer.elapsed() < 60000);
}

void TestRobustness::replyReassembly() {
    // Each sample starts with the byte that sets how it is cut into pieces.
    const QList<QByteArray> samples = {
        '\x00' + ReplyFrame(R"({"error":0,"result":3})"),
        '\x05' + ReplyFrame(QByteArray::fromHex("1234567830303031"), 0, 0xC3),
        '\x2A' + ReplyFrame("x", 1),
        '\xFF' + ReplyFrame(QByteArray(249, 'd')),
        '\x11' + ReplyFrame("ab") + ReplyFrame("cd"),
    };
    for (const QByteArray& sample : samples) {
        QCOMPARE(CheckReplyInput(sample), QString());
    }
    QRandomGenerator random(4242);
    for (int i = 0; i < 30000; ++i) {
        const QByteArray input = Mutated(random, samples);
        const QString problem = CheckReplyInput(input);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + " for " + input.toHex()));
    }
}

QTEST_GUILESS_MAIN(TestRobustness)
#include "test_robustness.moc"
