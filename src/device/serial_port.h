#pragma once

// The serial port the club antenna hangs on, reduced to what the clock link needs, so that
// tests can put an in-memory port or a pseudo-terminal in its place.

#include <QByteArray>
#include <QString>
#include <memory>

class QSerialPort;

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the named port (9600 baud, 8 data bits, no parity, 1 stop bit, no flow control).
    // False when it cannot be opened; errorText() then says why.
    virtual bool open(const QString& name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes the whole block and waits until it has left. False on a write error.
    virtual bool write(const QByteArray& bytes) = 0;
    // Number of received bytes waiting to be read.
    virtual qint64 bytesAvailable() = 0;
    // Up to maxBytes of the waiting bytes, without waiting for more.
    virtual QByteArray readAvailable(qint64 maxBytes) = 0;
    // Discards whatever waits in the input and output buffers.
    virtual void clear() = 0;
    // True as soon as at least one byte waits to be read (at once when one waits already);
    // false when none arrived within ms milliseconds.
    virtual bool waitForReadyRead(int ms) = 0;
    // The message of the last failure, naming the failed step.
    virtual QString errorText() const = 0;
    // The same message in English, for the race-day log.
    virtual QString errorTextInEnglish() const { return errorText(); }
};

// The real port, on Qt SerialPort. Used without an event loop: input is collected by
// waitForReadyRead.
class QtSerialPort : public SerialPort {
  public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() override;
    QByteArray readAvailable(qint64 maxBytes) override;
    void clear() override;
    bool waitForReadyRead(int ms) override;
    QString errorText() const override { return error_; }
    QString errorTextInEnglish() const override {
        return errorEnglish_.isEmpty() ? error_ : errorEnglish_;
    }

  private:
    std::unique_ptr<QSerialPort> port_;
    QString error_;
    QString errorEnglish_;  // set with error_ when the two differ
};
