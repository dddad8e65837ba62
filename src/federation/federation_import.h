#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>

#include "club_files.h"

class TdmZOLF;

// A federation keeps the results of its clubs in one database, apart from the club's own
// tables (a race there is one per liberation code and day, and a ring one per race, which two
// clubs flying from one site on one day would break): KST_FedRace (a club's race and the site
// it was released from), KST_FedLoft (a club's lofts and their names) and KST_FedEntry (the
// birds), each row carrying its club's code. A database without them is an ordinary club
// file and stays exactly as it was.
void CreateFederationTables(TdmZOLF& db);

// The kinds of conflict an import can meet; the secretary decides each kind once.
enum class ConflictKind {
    LoftRenamed,     // the club's loft number is known under another name
    RingInTwoLofts,  // one ring under two lofts (in the file, or the file and the database)
    LoftInTwoClubs,  // the loft number already flies for another club
    RaceImported,    // the club's race was imported before
    UnknownSite,     // the club's liberation code is not a known site
};
inline constexpr int kConflictKinds = 5;

// For each kind: Skip keeps the database as it is (the stored name, the ring's or loft's
// entries left out, the earlier import kept, the race left out); Take takes the file's side
// (the new name, the entries imported, the loft imported for this club too, the earlier import
// replaced, the race stored under the site chosen for it).
enum class Choice { Undecided, Skip, Take };

struct Conflict {
    ConflictKind kind;
    QString subject;  // the loft, the ring or the race ("CODE yyyy-MM-dd")
    QString text;     // what the preview shows
};

// One of the club's races as it will be stored.
struct PlannedRace {
    QString liberCode;
    QDate liberDate;
    QString siteCode;       // the federation's site; empty while unknown
    QTime liberTime;        // of the federation's release of that site and day; invalid if none
    bool imported = false;  // stored before
    int entries = 0;
    int clocked = 0;
};

struct ImportPlan {
    ClubFile file;
    int mode = 0;  // the federation's unit (0 metres, 1 yards)
    QList<PlannedRace> races;
    QList<Conflict> conflicts;
    Choice choices[kConflictKinds] = {};
    QStringList newLofts;  // lofts the federation does not know yet for this club

    Choice& choice(ConflictKind k) { return choices[int(k)]; }
    Choice choice(ConflictKind k) const { return choices[int(k)]; }
    bool has(ConflictKind k) const;
    // The site chosen for a race whose code is not a known site.
    void chooseSite(const QString& liberCode, const QDate& liberDate, const QString& siteCode);
    // The liberation time for a race whose site has no release that day in the database (a
    // WinSpeed file carries none).
    void setLiberTime(const QString& liberCode, const QDate& liberDate, const QTime& time);
};

// Works out what the file adds and every conflict, reading the database only.
ImportPlan PlanImport(TdmZOLF& db, const ClubFile& file);

// What still has to be decided before the plan can be stored; empty when it can.
QStringList Unresolved(const ImportPlan& plan);

// The preview's text: what will be added, then the conflicts by kind.
QStringList PreviewLines(const ImportPlan& plan);

struct ImportResult {
    int races = 0;
    int entries = 0;
    int lofts = 0;    // lofts new to the club
    int skipped = 0;  // entries left out by a decision
};

// Stores the plan in one transaction: all of it, or (when it fails or `progress` answers false
// to cancel) nothing. Refused while something is unresolved. Birds of a file without speeds
// (WinSpeed) get their flying time and speed from the release's liberation time, the site's
// sun data and the loft's distance to the site in the federation's distance rows; a bird
// whose loft has no distance keeps no speed and is listed apart by the combined result.
ImportResult StoreImport(TdmZOLF& db, const ImportPlan& plan,
                         const std::function<bool(int done, int total)>& progress = {},
                         const QDateTime& now = QDateTime::currentDateTime());
