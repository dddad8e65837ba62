#pragma once

#include <QByteArray>

#include "device/serial_port.h"

// The real serial port, counting the bytes that cross it, so a bench can set its measured
// time against the wire time of those bytes.
class CountingPort : public QtSerialPort {
  public:
    bool write(const QByteArray& bytes) override {
        sent += bytes.size();
        return QtSerialPort::write(bytes);
    }
    QByteArray readAvailable(qint64 maxBytes) override {
        const QByteArray bytes = QtSerialPort::readAvailable(maxBytes);
        received += bytes.size();
        return bytes;
    }
    qint64 sent = 0;
    qint64 received = 0;
};
