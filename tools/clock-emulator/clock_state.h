#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What one clock holds, kept in a JSON state file:
//   deviceId    8 hexadecimal digits, the clock's identity
//   owner       the text the clock reports after its id (its loft number once initialised)
//   key         the clock's key text; empty or missing means the key derived from the id
//   loft        the loft and club settings the host wrote with setLoftInfo
//   pigeons     [{AssocNum, regNum, eringNum, Uid, UpdateTime, Year, Sex, Color,
//                 raceRecords: [{RaceCode, markTime, RandNumMarked, ...}]}]
//   races       [{RaceCode, ClubCode, LiberCode, LiberName, LiberTime, AssocCode, PrintCount,
//                 MarkDeviceTime, RaceStopDeviceTIme, RaceStopReaderTIme}]
//   texts       every text the host sent for the clock to show, oldest first
// Member names are matched without regard to case, because the host writes a pigeon's
// eringNum and reads it back as EringNum. Members the emulator does not know are kept.
namespace emulator {

class ClockState {
  public:
    // Reads and checks a state file; on failure returns false with a message in error.
    bool load(const QString& path, QString* error);
    // Writes the state back to its file atomically (a reader never sees half a file).
    bool save(QString* error) const;
    QString path() const { return path_; }

    QByteArray deviceIdText() const;
    QByteArray deviceIdBytes() const;
    QByteArray owner() const;
    QByteArray keyText() const;
    void initialise(const QByteArray& owner, const QByteArray& keyText);
    void addText(const QString& text);

    void mergeLoft(const QJsonObject& params);

    enum Kind { kPigeon, kRace, kRecord };
    QJsonArray& pigeons() { return pigeons_; }
    QJsonArray& races() { return races_; }
    // Index of the entry whose key member (AssocNum, RaceCode) equals key, or -1.
    int find(Kind kind, const QString& key) const;
    // Creates or updates the entry with that key from the members of params; returns true
    // when the entry was new.
    bool saveEntry(Kind kind, const QString& key, const QJsonObject& params);
    bool removeEntry(Kind kind, const QString& key);
    // The pigeon's latest race record (the last of its list), empty when it has none.
    QJsonObject latestRecord(const QString& ring) const;

    // The value a clock reports for a field of an entry: the member of that name (any case),
    // else the kind's default for a field it knows; an unknown field gives undefined.
    static QJsonValue fieldValue(Kind kind, const QJsonObject& entry, const QString& field);
    static QString keyName(Kind kind) { return kind == kRace ? "RaceCode" : "AssocNum"; }

  private:
    QString path_;
    QJsonObject root_;  // members other than the ones below, kept as they were
    QByteArray deviceId_;
    QByteArray owner_;
    QByteArray key_;
    QJsonObject loft_;
    QJsonArray pigeons_;
    QJsonArray races_;
    QJsonArray texts_;
};

// Finds a member by name without regard to case; returns its exact name, or an empty text.
QString MemberName(const QJsonObject& object, const QString& name);

}  // namespace emulator
