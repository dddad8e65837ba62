#pragma once

// An in-memory serial port for the link tests. Whatever is written is kept; a responder turns
// each written frame into reply pieces, each arriving a given number of milliseconds after the
// one before. Time is virtual: waiting costs nothing but is added up in waitedMs.

#include <QByteArray>
#include <QList>
#include <functional>

#include "device/serial_port.h"

struct ReplyPiece {
    int delayMs = 0;
    QByteArray bytes;
};

class FakeSerialPort : public SerialPort {
  public:
    using Responder = std::function<QList<ReplyPiece>(const QByteArray& frame)>;

    bool openOk = true;
    bool writeOk = true;
    QString openedName;
    QList<QByteArray> frames;  // every frame written
    QByteArray input;          // bytes waiting to be read
    QList<ReplyPiece> pending;
    Responder responder;
    qint64 waitedMs = 0;
    int clears = 0;

    bool open(const QString& name) override {
        openedName = name;
        open_ = openOk;
        return openOk;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override {
        if (!writeOk) {
            return false;
        }
        frames << bytes;
        if (responder) {
            pending = responder(bytes);
        }
        return true;
    }
    qint64 bytesAvailable() override { return input.size(); }
    QByteArray readAvailable(qint64 maxBytes) override {
        const QByteArray piece = input.left(maxBytes);
        input.remove(0, piece.size());
        return piece;
    }
    void clear() override {
        ++clears;
        input.clear();
    }
    bool waitForReadyRead(int ms) override {
        if (!input.isEmpty()) {
            return true;
        }
        if (!pending.isEmpty() && pending.first().delayMs <= ms) {
            waitedMs += pending.first().delayMs;
            input += pending.takeFirst().bytes;
            return true;
        }
        if (!pending.isEmpty()) {
            pending.first().delayMs -= ms;
        }
        waitedMs += ms;
        return false;
    }
    QString errorText() const override {
        return openOk ? QStringLiteral("Unable to write to com port (5)")
                      : QStringLiteral("Unable to open com port (2)");
    }

  private:
    bool open_ = false;
};

// A reply frame: start byte, class, command, length, status, data and a correct FCS.
inline QByteArray ReplyFrame(const QByteArray& data, quint8 status = 0, quint8 command = 0xC0) {
    QByteArray frame;
    frame += char(0x6C);
    frame += char(0x21);
    frame += char(command);
    frame += char(quint8(data.size() + 1));
    frame += char(status);
    frame += data;
    quint8 sum = 0;
    for (const char c : frame) {
        sum = quint8(sum + quint8(c));
    }
    frame += char(sum);
    return frame;
}
