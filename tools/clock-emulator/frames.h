#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// Frames as the clock sees them on the wire.
//   request:  6C, class, command, n, n payload bytes, FCS
//   reply:    6C, class, command, m, status, m-1 data bytes, FCS
// The FCS is the 8-bit sum of every byte before it.
namespace emulator {

constexpr uint8_t kStartByte = 0x6C;
constexpr uint8_t kClass = 0x21;

enum Command : uint8_t {
    kJsonCall = 0xC0,
    kComVerify = 0xC1,
    kDeviceInit = 0xC2,
    kReadDeviceId = 0xC3,
    kSendText = 0xC4,
};

uint8_t FrameCheck(const QByteArray& bytes);

struct Request {
    uint8_t cls = 0;
    uint8_t command = 0;
    QByteArray payload;
    QByteArray raw;  // every byte of the frame as received
    bool fcsOk = false;
};

// The host recognises a reply only when it is at least 8 bytes long, so a reply with fewer than
// two data bytes of its own (an acknowledgement, a refusal) is padded to "OK" or, when the
// status is not 0, "NG".
QByteArray PaddedReplyData(uint8_t status, const QByteArray& data);

// The reply frame; data longer than 249 bytes cannot be framed (the length byte counts the
// status too) and the caller must not ask for it.
QByteArray ReplyFrame(uint8_t cls, uint8_t command, uint8_t status, const QByteArray& data);

// Cuts the byte stream from the host into request frames. Bytes before a start byte are
// dropped (and can be collected for the log); a frame that stops coming is dropped by
// dropStale().
class FrameReader {
  public:
    void feed(const QByteArray& bytes, int64_t nowNs);
    std::optional<Request> next();
    // Drops a partial frame that has had no new byte for longer than limitNs.
    bool dropStale(int64_t nowNs, int64_t limitNs);
    QByteArray takeDropped();
    // When the first byte of the frame next() will return arrived.
    int64_t frameStartNs() const { return startNs_; }
    bool hasPartial() const { return !buffer_.isEmpty(); }

  private:
    void skipToStart();
    QByteArray buffer_;
    QByteArray dropped_;
    int64_t startNs_ = 0;
    int64_t lastNs_ = 0;
};

}  // namespace emulator
