#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// The result files a club sends to its federation, read into one form: the WinSpeed file set
// (the week's records with "LiberCode_List.txt" and "Loft_List.txt" beside it) and the result
// workbook of a race ("ResultExport"). Both are untrusted: a line or cell that cannot be read
// gives a UserError naming the file and where.

// One bird of a club's race as the club's file gives it.
struct ClubFileEntry {
    QString liberCode;  // the club's liberation code
    QDate liberDate;
    QString ring;
    QString loftNo;
    QString sex;
    QString colorType;
    QString backTime;   // "yyyy-MM-dd HH:mm:ss.zzz"; empty for a bird that did not arrive
    QString flyTime;    // empty when the file gives none (WinSpeed)
    QVariant flySpeed;  // null when the file gives none
    QVariant dist;      // total distance in the club's units; null when the file gives none
    QVariant timeVari;
    QString where;  // the file and line (or row) it came from, for messages
};

struct ClubFileRace {
    QString liberCode;
    QDate liberDate;
    bool operator==(const ClubFileRace& o) const {
        return liberCode == o.liberCode && liberDate == o.liberDate;
    }
};

struct ClubFile {
    enum class Kind { WinSpeed, ResultWorkbook };
    Kind kind = Kind::WinSpeed;
    QString fileName;
    QString clubId;
    QString clubName;
    QList<ClubFileRace> races;          // in file order
    QHash<QString, QString> loftNames;  // loft number -> name, when the file names lofts
    QList<ClubFileEntry> entries;
    // Lines of the file left out, with the reason (a ring given twice in one race).
    QStringList notes;
};

// What a club's file may hold. A file, line or value beyond these is refused with the file and
// line named, so that nothing of it is stored.
constexpr qint64 kClubFileMaxBytes = 32 * 1024 * 1024;  // each file of a set, and a workbook
constexpr int kClubFileMaxRing = 20;                    // characters of a ring number
constexpr int kClubFileMaxArrivalDays = 7;              // arrivals from the race's day on

// The fastest speed a pigeon can be credited with, in the club's unit per minute (mode 0:
// metres, otherwise yards): 3,000 metres a minute.
double MaxClubFileSpeed(int mode);

// One file of a WinSpeed set as read from disk.
struct ClubFileText {
    QString name;  // shown in messages
    QByteArray bytes;
};

// Reads a WinSpeed set from its three files' contents: the week's records, "LiberCode_List.txt"
// and "Loft_List.txt". Anything that is not a record of the set gives a UserError naming the
// file and line.
ClubFile ParseWinSpeedSet(const ClubFileText& records, const ClubFileText& raceList,
                          const ClubFileText& loftList, const QString& clubId,
                          const QString& clubName);

// Reads the WinSpeed file `file` of club `clubId` (whatever the file is called) with the two
// key lists from the same folder (their names matched without regard to case). The arrival's
// year is the race's, or the next one for an arrival in January of a December race.
ClubFile ReadWinSpeedSet(const QString& file, const QString& clubId, const QString& clubName);

// Reads a result workbook of club `clubId`: its columns found by their titles in row 1. The
// workbook does not name the race's day; `liberDate` gives it, or, when invalid, the day of the
// earliest arrival. Distances are read as "miles/yards" (or "km/m") in `mode`.
ClubFile ReadResultWorkbook(const QString& file, const QString& clubId, const QString& clubName,
                            const QDate& liberDate, int mode);

// The same from a file chosen by the secretary: a workbook when it ends in ".xlsx", otherwise
// a WinSpeed file.
ClubFile ReadClubFile(const QString& file, const QString& clubId, const QString& clubName,
                      int mode);
