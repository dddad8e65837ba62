#include "device/win_api_v8.h"

#include <QRandomGenerator>

#include "device/device_request.h"
#include "device/digest.h"
#include "device/frame.h"
#include "device/json_value.h"

namespace {

const char kDesKeyText[] = "40417596";
const char kInitSalt[] = "KWT3081";

// Two characters per byte; 0-9 and A-F are understood, any other character counts as its code
// minus 55 (so device id texts are always written in upper case). Characters missing from a
// short text count as zero.
QByteArray HexToBytes(const QString& hex, int byteCount) {
    const QByteArray text = hex.toLatin1();
    auto digit = [&](int i) -> int {
        if (i >= text.size()) {
            return 0;
        }
        const int c = quint8(text[i]);
        return c >= '0' && c <= '9' ? c - '0' : c - 55;
    };
    QByteArray bytes(byteCount, '\0');
    for (int i = 0; i < byteCount; ++i) {
        bytes[i] = char(quint8(digit(2 * i) * 16 + digit(2 * i + 1)));
    }
    return bytes;
}

QString UpperHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

}  // namespace

TWinApiV8::TWinApiV8(const QString& portName, ErrorHook onError)
    : TWinApiV8(std::make_unique<QtSerialPort>(), portName, std::move(onError)) {}

TWinApiV8::TWinApiV8(std::unique_ptr<SerialPort> port, const QString& portName, ErrorHook onError)
    : port_(std::move(port)), portName_(portName), onError_(std::move(onError)) {
    setRandomByteSource({});
    port_->close();
    if (!port_->open(portName)) {
        // Reported once; every exchange then fails without a reply.
        reportError(port_->errorText());
    }
}

TWinApiV8::~TWinApiV8() {
    port_->close();
}

bool TWinApiV8::isPortOpen() const {
    return port_->isOpen();
}

bool TWinApiV8::reopenIfClosed() {
    if (port_->isOpen()) {
        return true;
    }
    replyOutstanding_ = false;
    if (!port_->open(portName_)) {
        reportError(port_->errorText());
        return false;
    }
    return true;
}

void TWinApiV8::setRandomByteSource(RandomByteSource source) {
    if (source) {
        randomByte_ = std::move(source);
    } else {
        randomByte_ = [] { return quint8(QRandomGenerator::global()->bounded(255)); };
    }
}

void TWinApiV8::reportError(const QString& message) {
    if (onError_) {
        onError_(message);
    }
}

// ---------------------------------------------------------------- link

quint8 TWinApiV8::GetFCS(QByteArrayView bytes, int count) {
    return ::GetFCS(bytes, count);
}

void TWinApiV8::ComClear() {
    if (port_->bytesAvailable() > 0) {
        port_->clear();
    }
}

bool TWinApiV8::ComSendRecv(quint8 cls, quint8 command, const QByteArray& payload,
                            QByteArray& out) {
    linkFailed_ = false;
    linkFailure_.clear();
    if (payload.size() > frame::kMaxPayload) {
        out = QByteArrayLiteral("Parameter length > 255 Byte Error !");
        return false;
    }
    if (!port_->isOpen()) {
        linkFailed_ = true;
        linkFailure_ = QStringLiteral("the port is not open");
        return false;  // the failed opening was reported already
    }
    if (replyOutstanding_ && command == cmdJsonCall) {
        // The clock answers one request after the other: once it has answered this question,
        // whatever it still owed has come and been dropped. (Two JSON answers cannot be told
        // apart by their command byte.)
        QByteArray identity;
        if (!exchange(cls, cmdReadDeviceId, {}, identity)) {
            linkFailed_ = true;
            return false;
        }
    }
    return exchange(cls, command, payload, out);
}

namespace {
// The length of a whole, well-checked reply to another command at the front of the bytes
// received, or 0.
qsizetype ForeignReplyLength(const QByteArray& bytes, quint8 command) {
    if (bytes.size() < 8) {
        return 0;
    }
    const qsizetype length = quint8(bytes[3]) + 5;
    if (length < 8 || bytes.size() < length || quint8(bytes[2]) == command ||
        GetFCS(bytes, int(length - 1)) != quint8(bytes[length - 1])) {
        return 0;
    }
    return length;
}
}  // namespace

bool TWinApiV8::exchange(quint8 cls, quint8 command, const QByteArray& payload, QByteArray& out) {
    ComClear();
    if (!port_->write(BuildRequest(cls, command, payload))) {
        reportError(port_->errorText());
        linkFailure_ = port_->errorText();
        // Opened again at the next run: the antenna may have been unplugged.
        port_->close();
        linkFailed_ = true;
        return false;
    }
    // Only while an earlier reply may still be on its way is a reply to another command taken
    // for that one; otherwise the first bytes of a reply are not compared with the request.
    const bool lateReplyPossible = replyOutstanding_;
    replyOutstanding_ = true;
    // A time-out here is not reported: the loop below then finds nothing and fails.
    port_->waitForReadyRead(firstByteWaitMs_);
    TReplyAssembler reply;
    QByteArray received;
    int dropped = 0;
    while (port_->bytesAvailable() > 0) {
        received += port_->readAvailable(frame::kMaxReply);
        // The late answer to an earlier request is dropped, and this one awaited again.
        for (qsizetype length = lateReplyPossible ? ForeignReplyLength(received, command) : 0;
             length > 0 && dropped < 8; length = ForeignReplyLength(received, command)) {
            ++dropped;
            received.remove(0, length);
        }
        reply.reset();
        switch (reply.add(received)) {
            case TReplyAssembler::Success:
                replyOutstanding_ = false;
                out = reply.data();
                return true;
            case TReplyAssembler::FcsNotMatch:
                replyOutstanding_ = false;
                linkFailed_ = true;
                linkFailure_ = QStringLiteral("FCS Not Match");
                out = QByteArrayLiteral("FCS Not Match");
                return false;
            case TReplyAssembler::StatusFail:
                replyOutstanding_ = false;
                out = QByteArrayLiteral(" API Reply Status Fail !");
                return false;
            case TReplyAssembler::Incomplete:
                break;
        }
        // The rest must follow within the pause; a longer gap ends the exchange.
        if (!port_->waitForReadyRead(received.isEmpty() ? firstByteWaitMs_ : kPieceGapMs)) {
            break;
        }
    }
    linkFailed_ = true;
    linkFailure_ = received.isEmpty() ? QStringLiteral("no answer from the clock")
                                      : QStringLiteral("the clock's answer broke off");
    return false;
}

// ---------------------------------------------------------------- authentication

QString TWinApiV8::DoMD5(const QByteArray& text) {
    return UpperHex(Md5Digest(text)).left(8);
}

QByteArray TWinApiV8::DoMD5Array(const QByteArray& text) {
    return Md5Digest(text);
}

QString TWinApiV8::DiverseKey(const QString& deviceIdText) {
    QByteArray block = deviceIdText.toLatin1().left(8);
    block.append(8 - block.size(), '\0');
    QByteArray output(8, '\0');
    DesEncrypt(reinterpret_cast<uint8_t*>(output.data()),
               reinterpret_cast<const uint8_t*>(block.constData()), kDesKeyText);
    return UpperHex(output);
}

bool TWinApiV8::ReadDeviceId(QString& deviceIdText, QString& restText) {
    QByteArray data;
    if (!ComSendRecv(frame::kClass, cmdReadDeviceId, {}, data) || data.size() < 4) {
        return false;
    }
    deviceIdText += UpperHex(data.left(4));
    restText = QString::fromLatin1(data.mid(4));
    return true;
}

bool TWinApiV8::ComVerify(const QString& deviceIdText, const QString& keyText,
                          QByteArray& deviceRandom, QByteArray& hostRandom,
                          QByteArray& connectionKey) {
    const QByteArray idBytes = HexToBytes(deviceIdText, 4);
    hostRandom.resize(4);
    for (int i = 0; i < 4; ++i) {
        hostRandom[i] = char(randomByte_());
    }
    QByteArray data;
    if (!ComSendRecv(frame::kClass, cmdVerify, hostRandom, data) || data.size() < 8) {
        return false;
    }
    deviceRandom = data.left(4);
    const QByteArray proof = data.mid(4, 4);
    const QByteArray digest = Md5Digest(hostRandom + deviceRandom + idBytes + keyText.toLatin1());
    if (digest.left(4) != proof) {
        return false;
    }
    connectionKey = digest.mid(4, 8);
    return true;
}

bool TWinApiV8::DeviceInit(const QString& deviceIdText, const QString& ownerNo,
                           const QString& keyText, QString& errorText) {
    QByteArray deviceRandom;
    QByteArray hostRandom;
    QByteArray connectionKey;
    // Only for fresh randoms: the request goes out whatever the handshake gave.
    ComVerify(deviceIdText, keyText, deviceRandom, hostRandom, connectionKey);
    const QByteArray idBytes = HexToBytes(deviceIdText, 4);
    const QByteArray head = ownerNo.toLatin1() + ',' + keyText.toLatin1();
    const QByteArray code =
        Md5Digest(head + hostRandom + deviceRandom + idBytes + kInitSalt).left(4);
    QByteArray out;
    if (!ComSendRecv(frame::kClass, cmdDeviceInit, head + code, out)) {
        errorText = QString::fromLatin1(out);
        return false;
    }
    return true;
}

bool TWinApiV8::SendText(const QString& text) {
    QByteArray out;
    return ComSendRecv(frame::kClass, cmdSendText, text.toUtf8(), out);
}

// ---------------------------------------------------------------- JSON method calls

namespace {
std::unique_ptr<TJsonObject> Request(const char* method) {
    auto request = std::make_unique<TJsonObject>(true);
    request->AddTextMember(QStringLiteral("method"), QString::fromLatin1(method));
    return request;
}
}  // namespace

TWinApiV8::Reply TWinApiV8::call(const QByteArray& key, std::unique_ptr<TJsonObject> request) {
    Reply reply;
    const QByteArray json = TJson::ToText(request.get());
    request.reset();
    reply.sent = ComSendRecv(frame::kClass, cmdJsonCall, SignedPayload(json, key), reply.bytes);
    if (!reply.sent) {
        return reply;
    }
    reply.text = QString::fromUtf8(reply.bytes);
    std::unique_ptr<TJsonBase> parsed = TJson::FromText(reply.bytes);
    if (dynamic_cast<TJsonObject*>(parsed.get())) {
        reply.object.reset(static_cast<TJsonObject*>(parsed.release()));
    }
    if (reply.object) {
        // The clock refuses with a non-zero number in "error"; anything else there is no refusal.
        const auto* error =
            dynamic_cast<const TJsonNumber*>(reply.object->MemberValue(QStringLiteral("error")));
        reply.accepted = !(error && error->value() != 0);
    } else {
        linkFailed_ = true;  // not a JSON object: no answer to the request
    }
    return reply;
}

bool TWinApiV8::plainCall(const QByteArray& key, std::unique_ptr<TJsonObject> request,
                          QString& errorText, bool keepTextOnLinkFailure) {
    Reply reply = call(key, std::move(request));
    if (!reply.sent) {
        if (!keepTextOnLinkFailure) {
            errorText = QString::fromLatin1(reply.bytes);
        }
        return false;
    }
    if (!reply.accepted) {  // refused, or not a JSON object
        errorText = reply.text;
        return false;
    }
    return true;
}

bool TWinApiV8::countCall(const QByteArray& key, std::unique_ptr<TJsonObject> request, int& count,
                          QString& errorText) {
    Reply reply = call(key, std::move(request));
    if (!reply.sent) {
        return false;
    }
    if (reply.accepted) {
        const TJsonBase* result = reply.object->MemberValue(QStringLiteral("result"));
        const TJsonScalar value = result ? result->AsVariant() : TJsonScalar();
        bool ok = false;
        const int n = value.isReal() || value.isText() ? value.toInt(&ok) : 0;
        if (ok) {
            count = n;
            return true;
        }
        linkFailed_ = true;  // accepted, but without the count asked for
    }
    errorText = reply.text;
    return false;
}

bool TWinApiV8::valuesCall(const QByteArray& key, std::unique_ptr<TJsonObject> request,
                           const QStringList& fields, QString& valueText) {
    Reply reply = call(key, std::move(request));
    if (!reply.sent) {
        valueText = QString::fromLatin1(reply.bytes);
        return false;
    }
    const auto* result =
        reply.accepted
            ? dynamic_cast<const TJsonObject*>(reply.object->MemberValue(QStringLiteral("result")))
            : nullptr;
    // One value per member of the result, in the order of the requested fields; a result that
    // is not an object, lacks a requested field or holds more members than were requested is no
    // answer to the request.
    if (!result || result->ChildCount() > fields.size()) {
        linkFailed_ = linkFailed_ || reply.accepted;
        valueText = reply.text;
        return false;
    }
    QString values;
    for (int i = 0; i < result->ChildCount(); ++i) {
        const TJsonBase* value = result->MemberValue(fields[i]);
        if (!value) {
            linkFailed_ = true;
            valueText = reply.text;
            return false;
        }
        values += value->AsVariant().toText() + QLatin1Char('%');
    }
    valueText = values;
    return true;
}

bool TWinApiV8::SetLoftInfo(const QByteArray& key, const QString& params, QString& errorText) {
    auto request = Request("setLoftInfo");
    auto members = std::make_unique<TJsonObject>(true);
    AddParamMembers(*members, params, true);
    request->AddMember(QStringLiteral("params"), std::move(members));
    return plainCall(key, std::move(request), errorText, false);
}

bool TWinApiV8::SavePigeon(const QByteArray& key, const QString& ring, const QString& params,
                           QString& errorText) {
    auto request = Request("savePigeon");
    auto members = std::make_unique<TJsonObject>(true);
    members->AddTextMember(QStringLiteral("AssocNum"), ring);
    AddParamMembers(*members, params, false);
    request->AddMember(QStringLiteral("params"), std::move(members));
    return plainCall(key, std::move(request), errorText, false);
}

bool TWinApiV8::DeletePigeon(const QByteArray& key, const QString& ring, QString& errorText) {
    auto request = Request("deletePigeon");
    request->AddTextMember(QStringLiteral("AssocNum"), ring);
    return plainCall(key, std::move(request), errorText, false);
}

bool TWinApiV8::QueryPigeon(const QByteArray& key, const QString& filter, int& count,
                            QString& errorText) {
    auto request = Request("queryPigeon");
    auto members = std::make_unique<TJsonObject>(true);
    members->AddTextMember(QStringLiteral("filter"), filter);
    request->AddMember(QStringLiteral("params"), std::move(members));
    return countCall(key, std::move(request), count, errorText);
}

bool TWinApiV8::GetPigeonInfo(const QByteArray& key, int index, const QString& fields,
                              QString& valueText) {
    auto request = Request("getPigeonInfo");
    request->AddIntMember(QStringLiteral("index"), index);
    request->AddMember(QStringLiteral("fields"), FieldList(fields));
    return valuesCall(key, std::move(request), SplitPercentItems(fields), valueText);
}

bool TWinApiV8::SaveRace(const QByteArray& key, const QString& raceCode, const QString& params,
                         QString& errorText) {
    auto request = Request("saveRace");
    auto members = std::make_unique<TJsonObject>(true);
    members->AddTextMember(QStringLiteral("RaceCode"), raceCode);
    AddParamMembers(*members, params, false);
    request->AddMember(QStringLiteral("params"), std::move(members));
    return plainCall(key, std::move(request), errorText, false);
}

bool TWinApiV8::DeleteRace(const QByteArray& key, const QString& raceCode, QString& errorText) {
    auto request = Request("deleteRace");
    request->AddTextMember(QStringLiteral("RaceCode"), raceCode);
    return plainCall(key, std::move(request), errorText, true);
}

bool TWinApiV8::QueryRace(const QByteArray& key, const QString& filter, int& count,
                          QString& errorText) {
    auto request = Request("queryRace");
    request->AddTextMember(QStringLiteral("filer"), filter);
    return countCall(key, std::move(request), count, errorText);
}

bool TWinApiV8::GetRaceInfo(const QByteArray& key, int index, const QString& fields,
                            QString& valueText) {
    auto request = Request("getRaceInfo");
    request->AddIntMember(QStringLiteral("index"), index);
    request->AddMember(QStringLiteral("fields"), FieldList(fields));
    return valuesCall(key, std::move(request), SplitPercentItems(fields), valueText);
}

bool TWinApiV8::QueryRaceRecord(const QByteArray& key, const QString& ring, const QString& fields,
                                QString& valueText) {
    auto request = Request("queryRaceRecord");
    request->AddTextMember(QStringLiteral("AssocNum"), ring);
    request->AddMember(QStringLiteral("fields"), FieldList(fields));
    return valuesCall(key, std::move(request), SplitPercentItems(fields), valueText);
}
