#include "fuzz_checks.h"

#include "../fake_serial_port.h"
#include "device/frame.h"
#include "device/json_value.h"
#include "device/win_api_v8.h"

QString CheckJsonInput(const QByteArray& bytes) {
    const std::unique_ptr<TJsonBase> value = TJson::FromText(bytes);
    if (!value) {
        return {};
    }
    const QByteArray text = TJson::ToText(value.get());
    const std::unique_ptr<TJsonBase> again = TJson::FromText(text);
    if (!again) {
        return QStringLiteral("own text not accepted: ") + QString::fromLatin1(text.toHex());
    }
    if (TJson::ToText(again.get()) != text) {
        return QStringLiteral("own text changed on reading: ") + QString::fromLatin1(text.toHex());
    }
    if (const auto* object = dynamic_cast<const TJsonObject*>(value.get())) {
        for (int i = 0; i < object->ChildCount(); ++i) {
            const int first = object->MemberIndex(object->MemberNameAt(i));
            if (first < 0 || first > i || object->MemberNameAt(first) != object->MemberNameAt(i)) {
                return QStringLiteral("member %1 not found by its name").arg(i);
            }
        }
    }
    return {};
}

namespace {
// Piece sizes cycle through 1 + (pattern bits), so the same bytes arrive in many different cuts.
QList<QByteArray> Pieces(const QByteArray& bytes) {
    QList<QByteArray> pieces;
    if (bytes.isEmpty()) {
        return pieces;
    }
    const quint8 pattern = quint8(bytes[0]);
    qsizetype at = 1;
    for (int k = 0; at < bytes.size(); ++k) {
        const int size =
            pattern == 0 ? 300 : 1 + ((pattern >> (k % 4 * 2)) & 3) * (pattern % 7 + 1);
        pieces << bytes.mid(at, size);
        at += size;
    }
    return pieces;
}
}  // namespace

QString CheckReplyInput(const QByteArray& bytes) {
    const QList<QByteArray> pieces = Pieces(bytes);

    // Reassembly alone.
    TReplyAssembler assembler;
    QByteArray received;
    for (const QByteArray& piece : pieces) {
        received += piece;
        const TReplyAssembler::State state = assembler.add(piece);
        if (state == TReplyAssembler::Incomplete) {
            continue;
        }
        const int n = int(received.size());
        if (n < 8 || n > 255 || n != quint8(received[3]) + 5) {
            return QStringLiteral("recognised %1 bytes that do not add up").arg(n);
        }
        const bool fcsOk = GetFCS(received, n - 1) == quint8(received[n - 1]);
        const bool statusOk = received[4] == 0;
        const TReplyAssembler::State expected =
            !fcsOk ? TReplyAssembler::FcsNotMatch
                   : (statusOk ? TReplyAssembler::Success : TReplyAssembler::StatusFail);
        if (state != expected) {
            return QStringLiteral("wrong verdict on a complete reply");
        }
        if (state == TReplyAssembler::Success && assembler.data() != received.mid(5, n - 6)) {
            return QStringLiteral("wrong reply data");
        }
        break;
    }

    // A whole exchange, the pieces arriving 0 to 63 ms apart.
    auto port = std::make_unique<FakeSerialPort>();
    FakeSerialPort* fake = port.get();
    QList<ReplyPiece> script;
    for (const QByteArray& piece : pieces) {
        script << ReplyPiece{quint8(piece[0]) & 63, piece};
    }
    fake->responder = [&](const QByteArray&) { return script; };
    TWinApiV8 api(std::move(port), QStringLiteral("fuzz"));
    QByteArray out = "as passed";
    const bool ok = api.ComSendRecv(0x21, 0xC0, "{}", out);
    if (fake->waitedMs > TWinApiV8::kFirstByteWaitMs + 64 * (pieces.size() + 1)) {
        return QStringLiteral("waited %1 ms").arg(fake->waitedMs);
    }
    if (ok && (out.size() > 249 || !bytes.contains(out))) {
        return QStringLiteral("success with data that was never sent");
    }
    if (!ok && out != "as passed" && out != "FCS Not Match" && out != " API Reply Status Fail !") {
        return QStringLiteral("unknown failure text");
    }
    return {};
}
