#pragma once

// The frames of the clock link. A request is 6C, class, command, payload length, payload and
// the frame check sequence; a reply is start, class, command, length m, status, m - 1 data
// bytes and the frame check sequence.

#include <QByteArray>
#include <QByteArrayView>

namespace frame {
inline constexpr quint8 kStartByte = 0x6C;
inline constexpr quint8 kClass = 0x21;
// Longest payload a request may carry (a frame of at most 255 bytes).
inline constexpr int kMaxPayload = 250;
// Replies are read in pieces of at most this many bytes, and no longer reply is recognised.
inline constexpr int kMaxReply = 255;
}  // namespace frame

// Frame check sequence: the sum of the first `count` bytes modulo 256.
quint8 GetFCS(QByteArrayView bytes, int count);

// The request frame for a payload of at most kMaxPayload bytes.
QByteArray BuildRequest(quint8 cls, quint8 command, const QByteArray& payload);

// Puts a reply together from the pieces read off the port. After every piece it tells whether
// the bytes received so far are exactly one complete reply (at least 8 bytes, and as many as
// the length byte announces plus 5). Bytes before a reply, or a reply longer than 255 bytes,
// are never recognised.
class TReplyAssembler {
  public:
    enum State {
        Incomplete,   // keep reading
        Success,      // data() holds the reply's data bytes
        FcsNotMatch,  // complete, but the check sequence is wrong
        StatusFail,   // complete, but the status byte is not 0
    };

    State add(QByteArrayView piece);
    State state() const { return state_; }
    // The data bytes of a successful reply (after the status byte, before the check sequence).
    QByteArray data() const;
    int received() const { return received_; }
    void reset();

  private:
    QByteArray buffer_;  // at most kMaxReply bytes are kept
    int received_ = 0;   // all bytes received, also those beyond the buffer
    State state_ = Incomplete;
};
