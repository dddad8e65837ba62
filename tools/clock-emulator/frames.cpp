#include "frames.h"

namespace emulator {

uint8_t FrameCheck(const QByteArray& bytes) {
    uint8_t sum = 0;
    for (char c : bytes) {
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    }
    return sum;
}

QByteArray PaddedReplyData(uint8_t status, const QByteArray& data) {
    if (data.size() >= 2) {
        return data;
    }
    return status == 0 ? QByteArray("OK") : QByteArray("NG");
}

QByteArray ReplyFrame(uint8_t cls, uint8_t command, uint8_t status, const QByteArray& data) {
    QByteArray frame;
    frame.append(static_cast<char>(kStartByte));
    frame.append(static_cast<char>(cls));
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>(static_cast<uint8_t>(data.size() + 1)));
    frame.append(static_cast<char>(status));
    frame.append(data);
    frame.append(static_cast<char>(FrameCheck(frame)));
    return frame;
}

void FrameReader::feed(const QByteArray& bytes, int64_t nowNs) {
    if (bytes.isEmpty()) {
        return;
    }
    if (buffer_.isEmpty()) {
        startNs_ = nowNs;
    }
    buffer_.append(bytes);
    lastNs_ = nowNs;
    skipToStart();
}

void FrameReader::skipToStart() {
    const qsizetype start = buffer_.indexOf(static_cast<char>(kStartByte));
    const qsizetype drop = start < 0 ? buffer_.size() : start;
    if (drop > 0) {
        dropped_.append(buffer_.left(drop));
        buffer_.remove(0, drop);
    }
}

std::optional<Request> FrameReader::next() {
    if (buffer_.size() < 5) {
        return std::nullopt;
    }
    const int length = static_cast<uint8_t>(buffer_[3]);
    const qsizetype total = 5 + length;
    if (buffer_.size() < total) {
        return std::nullopt;
    }
    Request request;
    request.raw = buffer_.left(total);
    request.cls = static_cast<uint8_t>(request.raw[1]);
    request.command = static_cast<uint8_t>(request.raw[2]);
    request.payload = request.raw.mid(4, length);
    request.fcsOk =
        FrameCheck(request.raw.left(total - 1)) == static_cast<uint8_t>(request.raw[total - 1]);
    buffer_.remove(0, total);
    // What follows belongs to the next frame; it started arriving no earlier than now.
    startNs_ = lastNs_;
    skipToStart();
    return request;
}

bool FrameReader::dropStale(int64_t nowNs, int64_t limitNs) {
    if (buffer_.isEmpty() || nowNs - lastNs_ <= limitNs) {
        return false;
    }
    dropped_.append(buffer_);
    buffer_.clear();
    return true;
}

QByteArray FrameReader::takeDropped() {
    QByteArray dropped = dropped_;
    dropped_.clear();
    return dropped;
}

}  // namespace emulator
