// The real serial stack (Qt SerialPort) against a pseudo-terminal whose other end plays a clock:
// pieces with short gaps, a gap too long, stale input, and a port that does not exist.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QtTest>
#include <thread>

#include "device/win_api_v8.h"
#include "fake_serial_port.h"

namespace {
// The clock's end of a pseudo-terminal.
class PtyClock {
  public:
    PtyClock() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            name_ = QString::fromLocal8Bit(ptsname(master_));
        }
    }
    ~PtyClock() {
        if (worker_.joinable()) {
            worker_.join();
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    const QString& name() const { return name_; }

    void write(const QByteArray& bytes) {
        QVERIFY(::write(master_, bytes.constData(), size_t(bytes.size())) == bytes.size());
    }
    // On the next request of `size` bytes, answers with the pieces, `gapMs` apart.
    void answer(int size, QList<QByteArray> pieces, int gapMs) {
        if (worker_.joinable()) {
            worker_.join();
        }
        request_.clear();
        worker_ = std::thread([this, size, pieces, gapMs] {
            while (request_.size() < size) {
                pollfd p{master_, POLLIN, 0};
                if (poll(&p, 1, 3000) <= 0) {
                    return;
                }
                char buffer[512];
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n <= 0) {
                    return;
                }
                request_.append(buffer, n);
            }
            for (int i = 0; i < pieces.size(); ++i) {
                if (i > 0) {
                    usleep(useconds_t(gapMs) * 1000);
                }
                (void)!::write(master_, pieces[i].constData(), size_t(pieces[i].size()));
            }
        });
    }
    QByteArray request() {
        if (worker_.joinable()) {
            worker_.join();
        }
        return request_;
    }

  private:
    int master_ = -1;
    QString name_;
    std::thread worker_;
    QByteArray request_;
};

const QByteArray kReply = QByteArray::fromHex(
    "6C21C309001234567830303031"
    "2E");
}  // namespace

class TestSerialPty : public QObject {
    Q_OBJECT
  private slots:
    void exchangesOverTheRealStack();
    void portThatDoesNotExist();
};

void TestSerialPty::exchangesOverTheRealStack() {
    PtyClock clock;
    if (clock.name().isEmpty()) {
        QSKIP("no pseudo-terminals here");
    }
    QStringList errors;
    TWinApiV8 api(clock.name(), [&](const QString& m) { errors << m; });
    QVERIFY2(api.isPortOpen(), qPrintable(errors.join('\n')));
    {
        // While one device object holds the port, a second cannot open it.
        QStringList secondErrors;
        TWinApiV8 second(clock.name(), [&](const QString& m) { secondErrors << m; });
        QVERIFY(!second.isPortOpen());
        QCOMPARE(secondErrors.size(), 1);
    }

    // Two pieces 30 ms apart: one reply, and no more time than the wire needs.
    clock.answer(5, {kReply.left(6), kReply.mid(6)}, 30);
    QElapsedTimer timer;
    timer.start();
    QString id;
    QString rest;
    QVERIFY(api.ReadDeviceId(id, rest));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(clock.request(), QByteArray::fromHex("6C21C30050"));
    QCOMPARE(id, QString("12345678"));
    QCOMPARE(rest, QString("0001"));

    // A pause longer than 50 ms ends the exchange.
    clock.answer(5, {kReply.left(6), kReply.mid(6)}, 200);
    id.clear();
    QVERIFY(!api.ReadDeviceId(id, rest));
    clock.request();

    // What is left of it (and any other stale input) is discarded before the next request.
    clock.write("stale");
    usleep(20000);  // no event loop runs between exchanges of one conversation
    clock.answer(7, {ReplyFrame("OK", 0, 0xC4)}, 0);
    QVERIFY(api.SendText("OK"));
    QCOMPARE(clock.request(), QByteArray::fromHex("6C21C4024F4BED"));

    // A clock that never answers: the exchange gives up after the first-byte wait, 5 s.
    QByteArray out = "as passed";
    timer.restart();
    QVERIFY(!api.ComSendRecv(0x21, TWinApiV8::cmdReadDeviceId, {}, out));
    QVERIFY2(timer.elapsed() >= TWinApiV8::kFirstByteWaitMs - 50 &&
                 timer.elapsed() < TWinApiV8::kFirstByteWaitMs + 1000,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(out, QByteArray("as passed"));
    QVERIFY(errors.isEmpty());
}

void TestSerialPty::portThatDoesNotExist() {
    QStringList errors;
    TWinApiV8 api("/dev/kestrava-no-such-port", [&](const QString& m) { errors << m; });
    QVERIFY(!api.isPortOpen());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith("Unable to open com port /dev/kestrava-no-such-port"),
             qPrintable(errors[0]));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!api.SendText("OK"));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(errors.size(), 1);
}

QTEST_GUILESS_MAIN(TestSerialPty)
#include "test_serial_pty.moc"
