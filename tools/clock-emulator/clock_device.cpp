#include "clock_device.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include "device_crypto.h"

namespace emulator {

namespace {

constexpr qsizetype kMaxReplyData = 249;  // the length byte counts the status byte too
const QByteArray kInitSalt = "KWT3081";

Answer Refuse(uint8_t status, const QString& why) {
    Answer answer;
    answer.status = status;
    answer.notes << QStringLiteral("refused (status %1): %2").arg(status).arg(why);
    return answer;
}

QJsonObject Error(int code, const QString& message, Answer& answer) {
    answer.notes << QStringLiteral("error %1: %2").arg(code).arg(message);
    return QJsonObject{{"error", code}, {"message", message}};
}

QString ValueText(const QJsonValue& value) {
    if (value.isBool()) {
        return value.toBool() ? "true" : "false";
    }
    if (value.isDouble()) {
        const double number = value.toDouble();
        const qint64 whole = value.toInteger();
        return number == static_cast<double>(whole) ? QString::number(whole)
                                                    : QString::number(number, 'g', 15);
    }
    return value.toString();
}

// A filter the clock understands: empty (everything) or NAME=VALUE, where VALUE may be
// wrapped in single quotes, any number of times over (the host sends RaceCode='''B230920''').
bool ParseFilter(const QString& filter, QString* name, QString* value) {
    static const QRegularExpression form(R"(^\s*(\w+)\s*=\s*(.*?)\s*$)");
    const auto match = form.match(filter);
    if (!match.hasMatch()) {
        return false;
    }
    *name = match.captured(1);
    QString text = match.captured(2);
    while (text.size() >= 2 && text.startsWith('\'') && text.endsWith('\'')) {
        text = text.mid(1, text.size() - 2).replace("''", "'");
    }
    *value = text;
    return true;
}

}  // namespace

ClockDevice::ClockDevice(ClockState& state, std::function<uint8_t()> random)
    : state_(state), random_(std::move(random)) {}

QString ClockDevice::commandName(uint8_t command) {
    switch (command) {
        case kJsonCall:
            return "JSON call";
        case kComVerify:
            return "ComVerify";
        case kDeviceInit:
            return "DeviceInit";
        case kReadDeviceId:
            return "ReadDeviceId";
        case kSendText:
            return "SendText";
    }
    return QStringLiteral("unknown command %1").arg(command, 2, 16, QChar('0')).toUpper();
}

Answer ClockDevice::handle(const Request& request) {
    if (!request.fcsOk) {
        return Refuse(kStatusBadFcs, "the frame check sequence does not match");
    }
    if (request.cls != kClass) {
        return Refuse(kStatusUnknownCommand,
                      QStringLiteral("unknown class %1").arg(request.cls, 2, 16, QChar('0')));
    }
    switch (request.command) {
        case kReadDeviceId:
            return readDeviceId();
        case kComVerify:
            return comVerify(request.payload);
        case kDeviceInit:
            return deviceInit(request.payload);
        case kSendText:
            return sendText(request.payload);
        case kJsonCall:
            return jsonCall(request.payload);
    }
    return Refuse(kStatusUnknownCommand, commandName(request.command));
}

Answer ClockDevice::readDeviceId() {
    Answer answer;
    answer.data = state_.deviceIdBytes() + state_.owner().left(kMaxReplyData - 4);
    answer.notes << QStringLiteral("device id %1, owner text \"%2\"")
                        .arg(QString::fromLatin1(state_.deviceIdText()),
                             QString::fromLatin1(state_.owner()));
    return answer;
}

Answer ClockDevice::comVerify(const QByteArray& payload) {
    if (payload.size() != 4) {
        return Refuse(kStatusBadPayload, "ComVerify needs 4 random bytes");
    }
    hostRandom_ = payload;
    deviceRandom_.clear();
    for (int i = 0; i < 4; ++i) {
        deviceRandom_.append(static_cast<char>(random_()));
    }
    const QByteArray digest =
        Md5(hostRandom_ + deviceRandom_ + state_.deviceIdBytes() + state_.keyText());
    connectionKey_ = digest.mid(4, 8);
    QByteArray proof = digest.left(4);
    Answer answer;
    answer.notes << QStringLiteral("host random %1, device random %2, proof %3, connection key %4")
                        .arg(QString::fromLatin1(hostRandom_.toHex(' ').toUpper()),
                             QString::fromLatin1(deviceRandom_.toHex(' ').toUpper()),
                             QString::fromLatin1(proof.toHex(' ').toUpper()),
                             QString::fromLatin1(connectionKey_.toHex(' ').toUpper()));
    if (spoilProof_) {
        spoilProof_ = false;
        proof[0] = static_cast<char>(proof[0] ^ 0x01);
        answer.notes << "fault: the proof is sent with one bit changed";
    }
    answer.data = deviceRandom_ + proof;
    for (auto& selection : selection_) {
        selection.clear();
    }
    queried_[0] = queried_[1] = false;
    return answer;
}

Answer ClockDevice::deviceInit(const QByteArray& payload) {
    if (hostRandom_.isEmpty()) {
        return Refuse(kStatusNotVerified, "DeviceInit before any ComVerify");
    }
    // owner number, comma, 16-character key text, 4-byte authentication code
    const qsizetype size = payload.size();
    if (size < 21 || payload[size - 21] != ',') {
        return Refuse(kStatusBadPayload, "expected owner number, comma, key text and code");
    }
    const QByteArray owner = payload.left(size - 21);
    const QByteArray keyText = payload.mid(size - 20, 16);
    const QByteArray code = payload.right(4);
    if (!QRegularExpression("^[0-9A-F]{16}$").match(QString::fromLatin1(keyText)).hasMatch()) {
        return Refuse(kStatusBadPayload, "the key text is not 16 hexadecimal digits");
    }
    const QByteArray expected = Md5(owner + ',' + keyText + hostRandom_ + deviceRandom_ +
                                    state_.deviceIdBytes() + kInitSalt)
                                    .left(4);
    if (code != expected) {
        return Refuse(kStatusBadAuthentication,
                      QStringLiteral("DeviceInit code %1, expected %2")
                          .arg(QString::fromLatin1(code.toHex(' ').toUpper()),
                               QString::fromLatin1(expected.toHex(' ').toUpper())));
    }
    state_.initialise(owner, keyText);
    connectionKey_.clear();  // the key changed: the host must verify again
    Answer answer;
    answer.stateChanged = true;
    answer.notes << QStringLiteral("initialised: owner \"%1\", key %2")
                        .arg(QString::fromLatin1(owner), QString::fromLatin1(keyText));
    return answer;
}

Answer ClockDevice::sendText(const QByteArray& payload) {
    const QString text = QString::fromUtf8(payload);
    state_.addText(text);
    Answer answer;
    answer.stateChanged = true;
    answer.notes << QStringLiteral("shows \"%1\"").arg(text);
    return answer;
}

Answer ClockDevice::jsonCall(const QByteArray& payload) {
    if (connectionKey_.isEmpty()) {
        return Refuse(kStatusNotVerified, "JSON call without a verified connection");
    }
    if (payload.size() < 5) {
        return Refuse(kStatusBadPayload, "JSON call shorter than its code");
    }
    const QByteArray json = payload.left(payload.size() - 4);
    const QByteArray code = payload.right(4);
    const QByteArray expected = Md5(json + connectionKey_).left(4);
    if (code != expected) {
        return Refuse(kStatusBadAuthentication,
                      QStringLiteral("authentication code %1, expected %2")
                          .arg(QString::fromLatin1(code.toHex(' ').toUpper()),
                               QString::fromLatin1(expected.toHex(' ').toUpper())));
    }
    Answer answer;
    answer.notes << QStringLiteral("authentication code %1 ok")
                        .arg(QString::fromLatin1(code.toHex(' ').toUpper()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    QJsonObject reply;
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        reply =
            Error(kErrorBadRequest,
                  QStringLiteral("not a JSON object (%1)").arg(parseError.errorString()), answer);
    } else {
        reply = method(document.object(), answer);
    }
    answer.data = QJsonDocument(reply).toJson(QJsonDocument::Compact);
    if (answer.data.size() > kMaxReplyData) {
        answer.notes
            << QStringLiteral("reply of %1 bytes does not fit in a frame").arg(answer.data.size());
        answer.data = QJsonDocument(Error(kErrorReplyTooLong, "reply too long", answer))
                          .toJson(QJsonDocument::Compact);
    }
    return answer;
}

QJsonObject ClockDevice::method(const QJsonObject& request, Answer& answer) {
    const QString name = request.value("method").toString();
    const QJsonObject params = request.value("params").toObject();
    auto text = [&](const QJsonObject& from, const char* member, QString* out) {
        if (!from.value(member).isString()) {
            return false;
        }
        *out = from.value(member).toString();
        return true;
    };
    const QJsonObject ok{{"error", 0}};
    QString key;

    if (name == "setLoftInfo") {
        if (!request.value("params").isObject()) {
            return Error(kErrorBadRequest, "setLoftInfo needs params", answer);
        }
        state_.mergeLoft(params);
        answer.stateChanged = true;
        answer.notes << QStringLiteral("loft settings: %1").arg(params.keys().join(", "));
        return ok;
    }
    if (name == "savePigeon" || name == "saveRace") {
        const auto kind = name == "savePigeon" ? ClockState::kPigeon : ClockState::kRace;
        const QString keyName = ClockState::keyName(kind);
        if (!text(params, keyName.toLatin1().constData(), &key)) {
            return Error(kErrorBadRequest, QStringLiteral("%1 needs params.%2").arg(name, keyName),
                         answer);
        }
        QJsonObject members = params;
        members.remove(keyName);
        const bool added = state_.saveEntry(kind, key, members);
        answer.stateChanged = true;
        answer.notes << QStringLiteral("%1 %2").arg(added ? "added" : "updated", key);
        return ok;
    }
    if (name == "deletePigeon" || name == "deleteRace") {
        const auto kind = name == "deletePigeon" ? ClockState::kPigeon : ClockState::kRace;
        const QString keyName = ClockState::keyName(kind);
        if (!text(request, keyName.toLatin1().constData(), &key)) {
            return Error(kErrorBadRequest, QStringLiteral("%1 needs %2").arg(name, keyName),
                         answer);
        }
        // Deleting what the clock does not hold leaves it as the host wants it: success.
        const bool removed = state_.removeEntry(kind, key);
        answer.stateChanged = removed;
        answer.notes << QStringLiteral("%1 %2").arg(removed ? "deleted" : "did not hold", key);
        return ok;
    }
    if (name == "queryPigeon") {
        QString filter;
        if (!text(params, "filter", &filter)) {
            return Error(kErrorBadRequest, "queryPigeon needs params.filter", answer);
        }
        return query(ClockState::kPigeon, filter, answer);
    }
    if (name == "queryRace") {
        // The host names the member "filer"; "filter" is understood as well.
        QString filter;
        if (!text(request, "filer", &filter) && !text(request, "filter", &filter)) {
            return Error(kErrorBadRequest, "queryRace needs filer", answer);
        }
        return query(ClockState::kRace, filter, answer);
    }
    if (name == "getPigeonInfo" || name == "getRaceInfo") {
        const auto kind = name == "getPigeonInfo" ? ClockState::kPigeon : ClockState::kRace;
        if (!request.value("index").isDouble()) {
            return Error(kErrorBadRequest, QStringLiteral("%1 needs index").arg(name), answer);
        }
        const qint64 index = request.value("index").toInteger(-1);
        const QJsonArray& list = kind == ClockState::kRace ? state_.races() : state_.pigeons();
        int at = -1;
        if (queried_[kind]) {
            const QStringList& selection = selection_[kind];
            if (index >= 0 && index < selection.size()) {
                at = state_.find(kind, selection[index]);
            }
        } else if (index >= 0 && index < list.size()) {
            at = static_cast<int>(index);
        }
        if (at < 0) {
            return Error(kErrorNotFound, QStringLiteral("no entry %1").arg(index), answer);
        }
        return info(kind, list[at].toObject(), request.value("fields"), answer);
    }
    if (name == "queryRaceRecord") {
        if (!text(request, "AssocNum", &key)) {
            return Error(kErrorBadRequest, "queryRaceRecord needs AssocNum", answer);
        }
        // A pigeon without a race record (or one the clock does not hold) has no race: the
        // clock answers with an empty RaceCode.
        const QJsonObject record = state_.latestRecord(key);
        if (record.isEmpty()) {
            answer.notes << QStringLiteral("%1 has no race record").arg(key);
        }
        return info(ClockState::kRecord, record, request.value("fields"), answer);
    }
    return Error(kErrorUnknownMethod, QStringLiteral("unknown method \"%1\"").arg(name), answer);
}

QJsonObject ClockDevice::info(ClockState::Kind kind, const QJsonObject& entry,
                              const QJsonValue& fields, Answer& answer) const {
    if (!fields.isArray()) {
        return Error(kErrorBadRequest, "fields must be a list", answer);
    }
    QJsonObject result;
    QStringList unknown;
    for (const QJsonValue field : fields.toArray()) {
        const QString name = field.toString();
        const QJsonValue value = ClockState::fieldValue(kind, entry, name);
        if (value.isUndefined()) {
            unknown << name;
        } else {
            result[name] = value;
        }
    }
    if (!unknown.isEmpty()) {
        answer.notes << QStringLiteral("unknown fields left out: %1").arg(unknown.join(", "));
    }
    return QJsonObject{{"error", 0}, {"result", result}};
}

QJsonObject ClockDevice::query(ClockState::Kind kind, const QString& filter, Answer& answer) {
    QString name;
    QString value;
    const bool all = filter.trimmed().isEmpty();
    if (!all && !ParseFilter(filter, &name, &value)) {
        return Error(kErrorBadRequest, QStringLiteral("filter not understood: %1").arg(filter),
                     answer);
    }
    const QJsonArray& list = kind == ClockState::kRace ? state_.races() : state_.pigeons();
    QStringList& selection = selection_[kind];
    selection.clear();
    for (const QJsonValue entry : list) {
        const QJsonObject object = entry.toObject();
        if (all || ValueText(ClockState::fieldValue(kind, object, name)) == value) {
            selection << object.value(ClockState::keyName(kind)).toString();
        }
    }
    queried_[kind] = true;
    answer.notes << QStringLiteral("%1 %2 selected")
                        .arg(selection.size())
                        .arg(kind == ClockState::kRace ? "race(s)" : "pigeon(s)");
    return QJsonObject{{"error", 0}, {"result", selection.size()}};
}

}  // namespace emulator
