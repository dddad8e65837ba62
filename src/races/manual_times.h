#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class TdmZOLF;

// Arrivals typed in for a member whose clock is not read through the antenna: the clock's
// readings at marking and at the check against the master clock after the race, and each
// pigeon's arrival as the clock recorded it.

// The race the arrivals belong to (a row of the race list).
struct RaceKey {
    QString clubId;
    QString liberCode;
    QDate liberDate;
};

// Every member's loft name, by loft number.
QStringList OtherClockLoftNames(TdmZOLF& db);
// The loft number of the member with this loft name.
std::optional<QString> LoftNoOfName(TdmZOLF& db, const QString& loftName);

// The member's pigeons that are not deleted; with `ringEnd`, only the rings ending with it.
QStringList OtherClockRings(TdmZOLF& db, const QString& loftNo, const QString& ringEnd = {});

// The pigeon list: every pigeon of the member (PRingNo) with its arrival in the race, if any
// (BackTime). Parameters: liberation code, date text, loft number.
QString OtherClockPigeonSql();

struct ClockReadings {
    QDateTime marked;  // the member clock when the birds were marked
    QDateTime master;  // the master clock at the check
    QDateTime member;  // the member clock at the same moment
};

// The stored readings of a member's clock for the race (a reading that is missing or cannot
// be read stays invalid).
std::optional<ClockReadings> FindClockReadings(TdmZOLF& db, const RaceKey& race,
                                               const QString& loftNo);

// The pigeon's stored arrival in the race, when it has one.
std::optional<QDateTime> StoredArrival(TdmZOLF& db, const RaceKey& race, const QString& ring);

// Whole seconds the member clock runs ahead of the master clock, truncated toward zero.
int ClockVariation(const ClockReadings& readings);

struct ManualArrival {
    QString loftNo;
    QString ring;
    ClockReadings readings;
    QDateTime arrival;
};

struct ManualArrivalResult {
    int distance = 0;
    int variation = 0;
    qint64 ms = 0;
    double speed = 0;
};

// Stores the member's clock readings and the pigeon's arrival, flying time (less the clock
// variation), speed, distance and the variation itself (TimeVari), in one transaction; a second
// save of the same pigeon updates its row. The arrival is stored as "yyyy-MM-dd HH:mm:ss.zzz", like
// a clock's. Throws UserError when no member or no pigeon of that member is chosen, the race is
// not found, or its result is final. Every changed field of the entry goes into the race's change
// history at `when`.
ManualArrivalResult SaveManualArrival(TdmZOLF& db, const RaceKey& race, const ManualArrival& entry,
                                      const QDateTime& when = QDateTime::currentDateTime());

// The warning shown after an arrival earlier than the liberation was stored (a negative flying
// time, speed 0), naming the ring and the flying time as "-00:30:07.000"; empty otherwise.
QString EarlyArrivalWarning(const QString& ring, const ManualArrivalResult& result);
