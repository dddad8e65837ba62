#include "clock_state.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>

#include "device_crypto.h"

namespace emulator {

namespace {

const char* const kPigeonDefaults[][2] = {
    {"AssocNum", ""},     {"regNum", ""}, {"eringNum", ""}, {"Uid", ""},
    {"UpdateTime", "#0"}, {"Year", "#0"}, {"Sex", "#2"},    {"Color", ""},
};
const char* const kRaceDefaults[][2] = {
    {"RaceCode", ""},
    {"ClubCode", ""},
    {"LiberCode", ""},
    {"LiberName", ""},
    {"LiberTime", ""},
    {"AssocCode", ""},
    {"PrintCount", "#0"},
    {"MarkDeviceTime", "#0"},
    {"RaceStopDeviceTIme", "#0"},
    {"RaceStopReaderTIme", "#0"},
};
const char* const kRecordDefaults[][2] = {
    {"RaceCode", ""},      {"markTime", "#0"},    {"RandNumMarked", "#0"}, {"RandNumberBack", "#0"},
    {"UidBack", ""},       {"GpsValid", "false"}, {"BackOrder", "#0"},     {"BackTimeEring", "#0"},
    {"BackTimeUid", "#0"}, {"BackHomeLat", "#0"}, {"BackHomeLon", "#0"},
};

template <size_t N>
QJsonValue DefaultFrom(const char* const (&table)[N][2], const QString& field) {
    for (const auto& row : table) {
        if (field.compare(QLatin1String(row[0]), Qt::CaseInsensitive) == 0) {
            const QString text = QLatin1String(row[1]);
            if (text == "false") {
                return false;
            }
            if (text.startsWith('#')) {
                return text.mid(1).toLongLong();
            }
            return text;
        }
    }
    return QJsonValue(QJsonValue::Undefined);
}

QString Describe(const QString& where, const QString& what) {
    return QStringLiteral("%1: %2").arg(where, what);
}

bool CheckEntries(const QJsonValue& value, const QString& where, const QString& key,
                  QString* error) {
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isArray()) {
        *error = Describe(where, "must be a list");
        return false;
    }
    const QJsonArray list = value.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(where).arg(i);
        if (!list[i].isObject()) {
            *error = Describe(at, "must be an object");
            return false;
        }
        const QJsonObject entry = list[i].toObject();
        if (!key.isEmpty() && !entry.value(key).isString()) {
            *error = Describe(at, QStringLiteral("needs the text member %1").arg(key));
            return false;
        }
        if (key == "AssocNum" &&
            !CheckEntries(entry.value("raceRecords"), at + ".raceRecords", "", error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString MemberName(const QJsonObject& object, const QString& name) {
    if (object.contains(name)) {
        return name;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
            return it.key();
        }
    }
    return {};
}

bool ClockState::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2 at byte %3")
                     .arg(path, parseError.errorString())
                     .arg(parseError.offset);
        return false;
    }
    QJsonObject root = document.object();
    const QString id = root.value("deviceId").toString().toUpper();
    if (!QRegularExpression("^[0-9A-F]{8}$").match(id).hasMatch()) {
        *error = Describe(path, "deviceId must be 8 hexadecimal digits");
        return false;
    }
    for (const char* name : {"owner", "key"}) {
        if (!root.value(name).isUndefined() && !root.value(name).isString()) {
            *error = Describe(path, QStringLiteral("%1 must be a text").arg(name));
            return false;
        }
    }
    const QString key = root.value("key").toString().toUpper();
    if (!key.isEmpty() && !QRegularExpression("^[0-9A-F]{16}$").match(key).hasMatch()) {
        *error = Describe(path, "key must be 16 hexadecimal digits (or empty)");
        return false;
    }
    if (!root.value("loft").isUndefined() && !root.value("loft").isObject()) {
        *error = Describe(path, "loft must be an object");
        return false;
    }
    if (!CheckEntries(root.value("pigeons"), "pigeons", "AssocNum", error) ||
        !CheckEntries(root.value("races"), "races", "RaceCode", error)) {
        error->prepend(path + ": ");
        return false;
    }
    if (!root.value("texts").isUndefined() && !root.value("texts").isArray()) {
        *error = Describe(path, "texts must be a list");
        return false;
    }
    path_ = path;
    deviceId_ = id.toLatin1();
    owner_ = root.value("owner").toString().toLatin1();
    key_ = key.toLatin1();
    loft_ = root.value("loft").toObject();
    pigeons_ = root.value("pigeons").toArray();
    races_ = root.value("races").toArray();
    texts_ = root.value("texts").toArray();
    root_ = root;
    return true;
}

bool ClockState::save(QString* error) const {
    QJsonObject root = root_;
    root["deviceId"] = QString::fromLatin1(deviceId_);
    root["owner"] = QString::fromLatin1(owner_);
    root["key"] = QString::fromLatin1(key_);
    root["loft"] = loft_;
    root["pigeons"] = pigeons_;
    root["races"] = races_;
    root["texts"] = texts_;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path_, file.errorString());
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path_, file.errorString());
        return false;
    }
    return true;
}

QByteArray ClockState::deviceIdText() const {
    return deviceId_;
}

QByteArray ClockState::deviceIdBytes() const {
    return HexTextToBytes(deviceId_);
}

QByteArray ClockState::owner() const {
    return owner_;
}

QByteArray ClockState::keyText() const {
    return key_.isEmpty() ? DerivedKeyText(deviceId_) : key_;
}

void ClockState::initialise(const QByteArray& owner, const QByteArray& keyText) {
    owner_ = owner;
    key_ = keyText;
}

void ClockState::addText(const QString& text) {
    texts_.append(text);
}

void ClockState::mergeLoft(const QJsonObject& params) {
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QString existing = MemberName(loft_, it.key());
        loft_[existing.isEmpty() ? it.key() : existing] = it.value();
    }
}

int ClockState::find(Kind kind, const QString& key) const {
    const QJsonArray& list = kind == kRace ? races_ : pigeons_;
    const QString name = keyName(kind);
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].toObject().value(name).toString() == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ClockState::saveEntry(Kind kind, const QString& key, const QJsonObject& params) {
    QJsonArray& list = kind == kRace ? races_ : pigeons_;
    const int at = find(kind, key);
    QJsonObject entry = at >= 0 ? list[at].toObject() : QJsonObject{{keyName(kind), key}};
    if (at < 0 && kind == kPigeon) {
        // A pigeon new to the clock has no electronic ring assignment of its own yet.
        entry["Uid"] = "";
        entry["UpdateTime"] = 0;
    }
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QString existing = MemberName(entry, it.key());
        entry[existing.isEmpty() ? it.key() : existing] = it.value();
    }
    if (at >= 0) {
        list[at] = entry;
    } else {
        list.append(entry);
    }
    return at < 0;
}

bool ClockState::removeEntry(Kind kind, const QString& key) {
    QJsonArray& list = kind == kRace ? races_ : pigeons_;
    const int at = find(kind, key);
    if (at < 0) {
        return false;
    }
    list.removeAt(at);
    return true;
}

QJsonObject ClockState::latestRecord(const QString& ring) const {
    const int at = find(kPigeon, ring);
    if (at < 0) {
        return {};
    }
    const QJsonArray records = pigeons_[at].toObject().value("raceRecords").toArray();
    return records.isEmpty() ? QJsonObject{} : records.last().toObject();
}

QJsonValue ClockState::fieldValue(Kind kind, const QJsonObject& entry, const QString& field) {
    const QString name = MemberName(entry, field);
    if (!name.isEmpty()) {
        return entry.value(name);
    }
    switch (kind) {
        case kPigeon:
            return DefaultFrom(kPigeonDefaults, field);
        case kRace:
            return DefaultFrom(kRaceDefaults, field);
        case kRecord:
            return DefaultFrom(kRecordDefaults, field);
    }
    return QJsonValue(QJsonValue::Undefined);
}

}  // namespace emulator
