#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class TdmZOLF;
class Prompts;

// Result files for other programs: the week's race data in WinSpeed's fixed-width records
// with its two key lists, and the two lists of the text-message service (COTE.txt, RING.txt).
// Every file is Latin-1 text with CR LF after each line; a character outside Latin-1 is
// written as "?".

// The ISO week of a date (Monday to Sunday; week 1 holds the year's first Thursday), and the
// proposed WinSpeed file name for it: "W00101ww.D00".
QString WinSpeedProposedName(const QDate& raceDate);
QPair<QDate, QDate> IsoWeekDays(const QDate& raceDate);  // Monday, Sunday

// One entry of the week, in file order: by date, loft, arrival (birds without one last), ring.
struct WeekEntry {
    QString clubId;
    QString liberCode;
    QDate liberDate;
    QString ring;
    QVariant backTime;
    QVariant markedTime;
    QVariant loftNo;  // null for a ring no member keeps
    QVariant sex;
    QVariant colorType;
    QVariant loftName;
};

// The key lists of the week and the numbers they give (a value not in its list gets the
// list's length + 1).
struct WinSpeedKeys {
    QList<QPair<QDate, QString>> races;  // by date, then code
    QStringList clubs;
    QStringList lofts;  // an unknown pigeon's loft is the empty text
    int raceNumber(const QDate& date, const QString& code) const;
    int clubNumber(const QString& clubId) const;
    int loftNumber(const QString& loftNo) const;
};

// The characters of a ring number that a pigeon record holds.
inline constexpr int kWinSpeedRingLength = 14;

// The file set as lines, before it is written.
struct WinSpeedFiles {
    QStringList records;        // the chosen file
    QStringList liberCodeList;  // "LiberCode_List.txt"
    QStringList loftList;       // "Loft_List.txt"
    // The week's ring numbers longer than the record holds (sorted), and the groups of rings
    // that become one ring number once cut (each sorted; a ring of exactly that number first).
    QStringList cutRings;
    QList<QStringList> sharedCuts;
};

// How the walk over the entries learns a loft's clocked birds on a date and a bird's marking
// order (the entries of its race and loft marked at or before it, compared to the second).
struct WinSpeedCounting {
    std::function<int(const QDate& date, const QString& loftNo)> clockedBirds;
    std::function<int(const WeekEntry& entry)> markingOrder;
};

QList<WeekEntry> WeekEntries(TdmZOLF& db, const QDate& raceDate);
WinSpeedKeys WeekKeys(TdmZOLF& db, const QDate& raceDate);

// The file set of the week holding `raceDate`, the counts taken from the entries in one pass.
// A stored arrival or clock reading that does not read as a date and time throws UserError
// naming the ring or the loft.
WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate);
WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate,
                                 const WinSpeedCounting& counting);
WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate,
                                 const QList<WeekEntry>& entries, const WinSpeedCounting& counting);

// What the secretary is told about cut ring numbers; empty when none was cut.
QString WinSpeedRingNote(const WinSpeedFiles& files);
// Up to this many cut rings are named in one message box; more get a summary and the list in a
// window of its own.
inline constexpr int kWinSpeedCutsInOneBox = 10;

// The records, each without its line end.
QString WinSpeedRecord0(const QDate& liberDate);
QString WinSpeedRecord1(int club, int loft, int clockedBirds, const QString& loftName);
QString WinSpeedRecord2(int club, int loft, const QDateTime& marked, const QDateTime& master,
                        const QDateTime& member);
QString WinSpeedRecord3(int club, int loft, const WeekEntry& entry, int raceNumber,
                        int markingOrder);

// The lines of COTE.txt (one per member with entries in the race) and RING.txt (one per
// entry).
QStringList CoteLines(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);
QStringList RingLines(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// A coordinate text joined for COTE.txt: E121'30:45.67 gives E1213045.67; empty when unset.
QString CompactCoordinate(const QString& coordinate);

// Lines as file bytes: Latin-1, CR LF after every line; `replaced` counts the characters
// written as "?".
QByteArray ExchangeFileBytes(const QStringList& lines, int* replaced = nullptr);

// Writes the files as one set, whole or not at all (see data/whole_file.h). Returns the
// characters written as "?". Throws FileWriteError naming the file and the reason when a file
// cannot be written; then none of the previous files is replaced.
int WriteExchangeFiles(const QList<QPair<QString, QStringList>>& files);

// The actions of the race list: ask for the file names and write the files; a replaced
// character is reported.
void GenerateWinSpeedFile(TdmZOLF& db, Prompts& prompts, const QDate& raceDate);
void GenerateSmsTextFiles(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                          const QDate& liberDate);
