#pragma once

// The clock device interface: one exchange primitive over the serial link, the authentication
// handshake, and the ten JSON method calls. No operation shows anything: each returns a success
// flag and hands its error or value text to the caller. Serial-layer failures (a port that
// cannot be opened, a write error) go to the error hook, which the screen points at its error
// box.
//
// A conversation with a clock runs: ReadDeviceId, DiverseKey, (when initialising: DeviceInit and
// ReadDeviceId again), ComVerify, then any number of JSON operations signed with the connection
// key, and usually SendText with a closing message.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "device/json_value.h"
#include "device/serial_port.h"

class TWinApiV8 {
  public:
    using ErrorHook = std::function<void(const QString& message)>;
    // Draws one host random byte, 0 ... 254.
    using RandomByteSource = std::function<quint8()>;

    enum Command : quint8 {
        cmdJsonCall = 0xC0,
        cmdVerify = 0xC1,
        cmdDeviceInit = 0xC2,
        cmdReadDeviceId = 0xC3,
        cmdSendText = 0xC4,
    };

    // Longest wait for the first reply byte, and longest pause between pieces of a reply.
    static constexpr int kFirstByteWaitMs = 5000;
    static constexpr int kPieceGapMs = 50;

    // Opens the named serial port (the first command-line argument) on Qt SerialPort.
    explicit TWinApiV8(const QString& portName, ErrorHook onError = {});
    // Opens the given port object under that name (tests pass an in-memory port).
    TWinApiV8(std::unique_ptr<SerialPort> port, const QString& portName, ErrorHook onError = {});
    ~TWinApiV8();
    TWinApiV8(const TWinApiV8&) = delete;
    TWinApiV8& operator=(const TWinApiV8&) = delete;

    bool isPortOpen() const;
    // Opens the port again when it is not open (it failed to open, or a write to it failed and
    // it was closed), so that an antenna that was unplugged and plugged in again is found. A
    // failure is reported to the error hook. True when the port is open.
    bool reopenIfClosed();
    // Whether the last exchange got no usable answer from the clock: no reply, a reply that
    // stopped or failed its check byte, one that does not answer the request sent, or a port
    // that is not open or failed to write. A clock that answers with a refusal (a status or a
    // JSON error) is no link failure.
    bool linkFailed() const { return linkFailed_; }
    // Why the last exchange failed on the link, in the memo's words: "no answer from the
    // clock", "the clock's answer broke off", "the port is not open", or the port's own error
    // for a failed write; empty when the link did not fail.
    QString linkFailure() const { return linkFailed_ ? linkFailure_ : QString(); }
    SerialPort& port() { return *port_; }
    void setErrorHook(ErrorHook onError) { onError_ = std::move(onError); }
    // Tests fix the host randoms; by default they come from the system's generator.
    void setRandomByteSource(RandomByteSource source);
    // The wait for the first reply byte (kFirstByteWaitMs unless a test shortens it).
    void setFirstByteWaitMs(int ms) { firstByteWaitMs_ = ms; }

    // --- Link ---
    // Sends one request frame and waits for its reply. On success `out` holds the reply's data
    // bytes. After a request whose reply never came whole, a whole reply to another command
    // (the late one) is dropped and the wait goes on, and before a JSON call the clock's
    // identity is asked for first, so that a late reply is never taken for the answer to this
    // request. On failure `out` holds "Parameter length > 255 Byte Error !", "FCS Not Match" or
    // " API Reply Status Fail !", or is left as the caller passed it (no reply, a reply that
    // stopped or never added up, a port that is not open or fails to write).
    bool ComSendRecv(quint8 cls, quint8 command, const QByteArray& payload, QByteArray& out);
    // Discards whatever waits in the port's buffers, when anything waits in its input.
    void ComClear();
    static quint8 GetFCS(QByteArrayView bytes, int count);

    // --- Authentication ---
    // First 8 characters of the upper-case hexadecimal MD5 digest of the bytes.
    static QString DoMD5(const QByteArray& text);
    // The 16 bytes of the MD5 digest of the bytes.
    static QByteArray DoMD5Array(const QByteArray& text);
    // The clock's key text (16 upper-case hexadecimal characters) from its device id text.
    static QString DiverseKey(const QString& deviceIdText);
    // Appends the clock's 8-character device id text to `deviceIdText` (callers pass an empty
    // text) and replaces `restText` with the text the clock holds after it (its owner number).
    bool ReadDeviceId(QString& deviceIdText, QString& restText);
    // The handshake. hostRandom (4 bytes, each 0 ... 254) and deviceRandom (4 bytes) are handed
    // out as soon as they are known; connectionKey (8 bytes) is set only on success.
    bool ComVerify(const QString& deviceIdText, const QString& keyText, QByteArray& deviceRandom,
                   QByteArray& hostRandom, QByteArray& connectionKey);
    // Initialises the clock with its owner number (the loft number) and key text. On failure
    // errorText becomes the exchange's out text.
    bool DeviceInit(const QString& deviceIdText, const QString& ownerNo, const QString& keyText,
                    QString& errorText);
    // Sends a text for the clock to show (UTF-8 on the wire).
    bool SendText(const QString& text);

    // --- JSON method calls, each signed with the connection key ---
    // Parameter texts are items "name:value" joined by "%", "#" before an integer value.
    // Field texts are names joined by "%". An item "#..." that is not a whole number throws
    // UserError "'...' is not a valid integer value" before anything is sent.
    bool SetLoftInfo(const QByteArray& key, const QString& params, QString& errorText);
    bool SavePigeon(const QByteArray& key, const QString& ring, const QString& params,
                    QString& errorText);
    bool DeletePigeon(const QByteArray& key, const QString& ring, QString& errorText);
    bool QueryPigeon(const QByteArray& key, const QString& filter, int& count, QString& errorText);
    // valueText: the values of the requested fields in their order, each followed by "%".
    bool GetPigeonInfo(const QByteArray& key, int index, const QString& fields, QString& valueText);
    bool SaveRace(const QByteArray& key, const QString& raceCode, const QString& params,
                  QString& errorText);
    bool DeleteRace(const QByteArray& key, const QString& raceCode, QString& errorText);
    bool QueryRace(const QByteArray& key, const QString& filter, int& count, QString& errorText);
    bool GetRaceInfo(const QByteArray& key, int index, const QString& fields, QString& valueText);
    bool QueryRaceRecord(const QByteArray& key, const QString& ring, const QString& fields,
                         QString& valueText);

  private:
    struct Reply {
        bool sent = false;                    // the exchange succeeded
        QByteArray bytes;                     // reply data, or the exchange's out text
        QString text;                         // the reply data as text
        std::unique_ptr<TJsonObject> object;  // the reply, when it is a JSON object
        bool accepted = false;                // a JSON object without a non-zero "error"
    };
    Reply call(const QByteArray& key, std::unique_ptr<TJsonObject> request);
    bool plainCall(const QByteArray& key, std::unique_ptr<TJsonObject> request, QString& errorText,
                   bool keepTextOnLinkFailure);
    bool countCall(const QByteArray& key, std::unique_ptr<TJsonObject> request, int& count,
                   QString& errorText);
    bool valuesCall(const QByteArray& key, std::unique_ptr<TJsonObject> request,
                    const QStringList& fields, QString& valueText);
    void reportError(const QString& message);
    // One request and its reply; ComSendRecv adds the catching up after a lost reply.
    bool exchange(quint8 cls, quint8 command, const QByteArray& payload, QByteArray& out);
    std::unique_ptr<SerialPort> port_;
    QString portName_;
    bool linkFailed_ = false;
    QString linkFailure_;
    // A request went out and its reply never came whole: it may still arrive, late.
    bool replyOutstanding_ = false;
    ErrorHook onError_;
    RandomByteSource randomByte_;
    int firstByteWaitMs_ = kFirstByteWaitMs;
};
