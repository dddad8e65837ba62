#include "device/frame.h"

quint8 GetFCS(QByteArrayView bytes, int count) {
    quint8 sum = 0;
    for (int i = 0; i < count && i < bytes.size(); ++i) {
        sum = quint8(sum + quint8(bytes[i]));
    }
    return sum;
}

QByteArray BuildRequest(quint8 cls, quint8 command, const QByteArray& payload) {
    QByteArray frame;
    frame.reserve(payload.size() + 5);
    frame += char(frame::kStartByte);
    frame += char(cls);
    frame += char(command);
    frame += char(quint8(payload.size()));
    frame += payload;
    frame += char(GetFCS(frame, int(frame.size())));
    return frame;
}

TReplyAssembler::State TReplyAssembler::add(QByteArrayView piece) {
    if (piece.isEmpty()) {
        return state_;
    }
    // Counted up to one past the longest reply: more can never be recognised anyway.
    received_ = int(qMin<qint64>(qint64(received_) + piece.size(), frame::kMaxReply + 1));
    const qsizetype room = frame::kMaxReply - buffer_.size();
    buffer_.append(piece.first(qMin(room, piece.size())));
    state_ = Incomplete;
    // Complete only when what arrived adds up exactly to the announced size.
    if (received_ >= 8 && received_ <= frame::kMaxReply && received_ == quint8(buffer_[3]) + 5) {
        if (GetFCS(buffer_, received_ - 1) != quint8(buffer_[received_ - 1])) {
            state_ = FcsNotMatch;
        } else if (buffer_[4] != 0) {
            state_ = StatusFail;
        } else {
            state_ = Success;
        }
    }
    return state_;
}

QByteArray TReplyAssembler::data() const {
    if (state_ != Success) {
        return {};
    }
    return buffer_.mid(5, received_ - 6);
}

void TReplyAssembler::reset() {
    buffer_.clear();
    received_ = 0;
    state_ = Incomplete;
}
