#include "device/serial_port.h"

#include <QFileInfo>
#include <QSerialPort>

#include "device/serial_ports.h"

namespace {

// Says why `name` did not open, in words that tell the secretary what to do (in English for
// the race-day log).
QString OpenRefusal(const QString& name, QSerialPort::SerialPortError error,
                    const QString& systemText, bool inEnglish) {
    PortFailure failure = PortFailure::Other;
    QString group;
#ifdef Q_OS_WIN
    if (error == QSerialPort::DeviceNotFoundError) {
        failure = PortFailure::NotFound;
    } else if (error == QSerialPort::PermissionError) {
        failure = PortFailure::InUse;  // Windows refuses a port another program has open
    }
#else
    const QFileInfo device(name.startsWith(QLatin1Char('/')) ? name
                                                             : QStringLiteral("/dev/") + name);
    if (error == QSerialPort::DeviceNotFoundError || !device.exists()) {
        failure = PortFailure::NotFound;
    } else if (error == QSerialPort::PermissionError) {
        // The device's rights decide: a device the user may read and write is refused only
        // because another program has locked it.
        if (device.isReadable() && device.isWritable()) {
            failure = PortFailure::InUse;
        } else {
            failure = PortFailure::PermissionDenied;
            group = device.group();
        }
    }
#endif
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = qEnvironmentVariable("USERNAME");
    }
    return PortRefusal(
        name, failure, systemText,
        failure == PortFailure::NotFound ? FindSerialPorts() : QList<SerialPortFound>(), user,
        group == QLatin1String("root") ? QString() : group, inEnglish);
}

}  // namespace

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() {
    close();
}

bool QtSerialPort::open(const QString& name) {
    close();
    error_.clear();
    errorEnglish_.clear();
    port_->setPortName(name);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(0);
    if (!port_->open(QIODevice::ReadWrite)) {
        error_ = OpenRefusal(name, port_->error(), port_->errorString(), false);
        errorEnglish_ = OpenRefusal(name, port_->error(), port_->errorString(), true);
        return false;
    }
    // DTR and RTS are held off. Some ports (a pseudo-terminal, for one) have no such lines;
    // that is no reason to refuse the port.
    port_->setDataTerminalReady(false);
    port_->setRequestToSend(false);
    port_->clearError();
    return true;
}

void QtSerialPort::close() {
    if (port_->isOpen()) {
        port_->close();
    }
}

bool QtSerialPort::isOpen() const {
    return port_->isOpen();
}

bool QtSerialPort::write(const QByteArray& bytes) {
    errorEnglish_.clear();  // a write failure is written in English (the clock memo shows it)
    if (!port_->isOpen()) {
        error_ =
            QStringLiteral("Unable to write to com port %1 (port not open)").arg(port_->portName());
        return false;
    }
    // 100 ms per byte plus 1000 ms, as the write time-out.
    const int limitMs = 1000 + 100 * int(bytes.size());
    if (port_->write(bytes) != bytes.size()) {
        error_ = QStringLiteral("Unable to write to com port %1 (%2)")
                     .arg(port_->portName(), port_->errorString());
        return false;
    }
    while (port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(limitMs)) {
            error_ = QStringLiteral("Unable to write to com port %1 (%2)")
                         .arg(port_->portName(), port_->errorString());
            return false;
        }
    }
    return true;
}

qint64 QtSerialPort::bytesAvailable() {
    if (!port_->isOpen()) {
        return 0;
    }
    // Without an event loop, bytes reach the port object only when asked for: take in what the
    // driver holds, without waiting.
    if (port_->bytesAvailable() == 0) {
        port_->waitForReadyRead(0);
    }
    return port_->bytesAvailable();
}

QByteArray QtSerialPort::readAvailable(qint64 maxBytes) {
    return port_->isOpen() ? port_->read(maxBytes) : QByteArray();
}

void QtSerialPort::clear() {
    if (port_->isOpen()) {
        port_->clear(QSerialPort::AllDirections);
    }
}

bool QtSerialPort::waitForReadyRead(int ms) {
    if (!port_->isOpen()) {
        return false;
    }
    if (port_->bytesAvailable() > 0) {
        return true;
    }
    return port_->waitForReadyRead(ms) || port_->bytesAvailable() > 0;
}
