// The antenna's port as Setup lists it, and what the secretary is told when it will not open.
#include <QtTest>

#include "device/serial_ports.h"

Q_DECLARE_METATYPE(SerialPortFound)
Q_DECLARE_METATYPE(PortFailure)

namespace {

// Three ports as a Linux laptop with a USB antenna reports them, in the system's order.
QList<SerialPortFound> Laptop() {
    return {
        {"/dev/ttyUSB10", "ttyUSB10", "", ""},
        {"/dev/ttyS0", "ttyS0", "", ""},
        {"/dev/ttyUSB2", "ttyUSB2", "FT232R USB UART", "FTDI"},
    };
}

QStringList Texts(const QList<PortChoice>& choices) {
    QStringList out;
    for (const PortChoice& c : choices) {
        out << c.text + QStringLiteral(" => ") + c.port;
    }
    return out;
}

}  // namespace

class TestSerialPorts : public QObject {
    Q_OBJECT
  private slots:
    void choices_data();
    void choices();
    void refusals_data();
    void refusals();
};

void TestSerialPorts::choices_data() {
    QTest::addColumn<QList<SerialPortFound>>("found");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("expected");

    const QStringList listed{
        "/dev/ttyS0 => /dev/ttyS0",
        "/dev/ttyUSB2 - FT232R USB UART (FTDI) => /dev/ttyUSB2",
        "/dev/ttyUSB10 => /dev/ttyUSB10",
    };
    QTest::newRow("port in use is listed") << Laptop() << "/dev/ttyUSB2" << listed;
    QTest::newRow("port in use by its short name") << Laptop() << "ttyUSB2" << listed;
    QTest::newRow("nothing chosen yet") << Laptop() << "" << listed;
    // The emulator's link, or an antenna unplugged: shown first, so the box never shows
    // another port than the one the clock screens open.
    QStringList missing = listed;
    missing.prepend("/tmp/kestrava-clock - not found => /tmp/kestrava-clock");
    QTest::newRow("port in use not found") << Laptop() << "/tmp/kestrava-clock" << missing;
    // A device the system does not list as a serial port, yet there (a pseudo-terminal, a
    // link by id): shown first, not called missing.
    QStringList present = listed;
    present.prepend("/dev/null => /dev/null");
    QTest::newRow("port in use there, not listed") << Laptop() << "/dev/null" << present;
    QTest::newRow("no port at all")
        << QList<SerialPortFound>{} << "COM1" << QStringList{"COM1 - not found => COM1"};
    QTest::newRow("maker repeated as description")
        << QList<SerialPortFound>{{"COM3", "COM3", "Prolific", "Prolific"}} << "COM3"
        << QStringList{"COM3 - Prolific => COM3"};
}

void TestSerialPorts::choices() {
    QFETCH(QList<SerialPortFound>, found);
    QFETCH(QString, current);
    QFETCH(QStringList, expected);
    QCOMPARE(Texts(PortChoices(found, current)), expected);
}

void TestSerialPorts::refusals_data() {
    QTest::addColumn<PortFailure>("failure");
    QTest::addColumn<QList<SerialPortFound>>("found");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("expected");

    QTest::newRow("permission denied")
        << PortFailure::PermissionDenied << QList<SerialPortFound>{} << "dialout"
        << "Unable to open com port /dev/ttyUSB0: permission denied: add your user to the group "
           "dialout (sudo usermod -aG dialout jan) and log in again.";
    QTest::newRow("permission denied, the device's own group")
        << PortFailure::PermissionDenied << QList<SerialPortFound>{} << "uucp"
        << "Unable to open com port /dev/ttyUSB0: permission denied: add your user to the group "
           "uucp (sudo usermod -aG uucp jan) and log in again.";
    QTest::newRow("permission denied, group unknown")
        << PortFailure::PermissionDenied << QList<SerialPortFound>{} << ""
        << "Unable to open com port /dev/ttyUSB0: permission denied: add your user to the group "
           "dialout (sudo usermod -aG dialout jan) and log in again.";
    QTest::newRow("no such port, others there")
        << PortFailure::NotFound << Laptop() << ""
        << "Unable to open com port /dev/ttyUSB0: there is no such port. The serial ports on "
           "this computer are: /dev/ttyS0; /dev/ttyUSB2 - FT232R USB UART (FTDI); "
           "/dev/ttyUSB10. Choose the antenna's port in Setup.";
    QTest::newRow("no such port, none at all")
        << PortFailure::NotFound << QList<SerialPortFound>{} << ""
        << "Unable to open com port /dev/ttyUSB0: there is no such port, and no serial port was "
           "found on this computer. Connect the club antenna, then choose its port in Setup.";
    QTest::newRow("held by another program")
        << PortFailure::InUse << Laptop() << ""
        << "Unable to open com port /dev/ttyUSB0: another program is using it. Close that "
           "program (or another window of this one) and try again.";
    QTest::newRow("anything else keeps the system's words")
        << PortFailure::Other << Laptop() << ""
        << "Unable to open com port /dev/ttyUSB0 (Inappropriate ioctl for device)";
}

void TestSerialPorts::refusals() {
    QFETCH(PortFailure, failure);
    QFETCH(QList<SerialPortFound>, found);
    QFETCH(QString, group);
    QFETCH(QString, expected);
    QCOMPARE(
        PortRefusal("/dev/ttyUSB0", failure, "Inappropriate ioctl for device", found, "jan", group),
        expected);
}

QTEST_GUILESS_MAIN(TestSerialPorts)
#include "test_serial_ports.moc"
