#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "data/database.h"
#include "data/progress.h"
#include "data/prompts.h"

class Clock;
struct EditedRow;

// The club setup screen's work, apart from its widgets.

// The texts the setup work shows; ClubSetupText gives them in the interface language.
inline constexpr const char* kCustomClub = QT_TRANSLATE_NOOP("ClubSetup", "Custom");
inline constexpr const char* kClubListSeparator = "------------";
inline constexpr const char* kMustBeFilled =
    QT_TRANSLATE_NOOP("ClubSetup", "Association and Club Abbreviation must be filled !");
inline constexpr const char* kBackupFilter =
    QT_TRANSLATE_NOOP("ClubSetup", "Access BackUp files (*.Bak)");
inline constexpr const char* kBackupDone = QT_TRANSLATE_NOOP("ClubSetup", "backup was successful!");
inline constexpr const char* kBackupFailed =
    QT_TRANSLATE_NOOP("ClubSetup", "backup failed, please retry!");
inline constexpr const char* kRestoreDone =
    QT_TRANSLATE_NOOP("ClubSetup", "successful recovery of data!");
inline constexpr const char* kRestoreFailed =
    QT_TRANSLATE_NOOP("ClubSetup", "recovery failed, please try again!");
inline constexpr const char* kBackupDaysRange = QT_TRANSLATE_NOOP(
    "ClubSetup", "The maximum age of the backup must be a whole number of days from 0 to 100.");
inline constexpr const char* kServerLinkPrompt = QT_TRANSLATE_NOOP(
    "ClubSetup",
    "The database on the server (postgresql://USER@HOST:PORT/DATABASE; the password is taken "
    "from PGPASSWORD or the password file):");
inline constexpr const char* kClubFileFilter =
    QT_TRANSLATE_NOOP("ClubSetup", "Club database (*.db)");
inline constexpr const char* kCopiedTo =
    QT_TRANSLATE_NOOP("ClubSetup", "The club was copied to %1:");
inline constexpr const char* kCopiedRows = QT_TRANSLATE_NOOP("ClubSetup", "%1: %2 rows");
inline constexpr const char* kCopiedLofts =
    QT_TRANSLATE_NOOP("ClubSetup", "The club %1 holds the %2 lofts that came with it.");
inline constexpr const char* kClubLoginName = QT_TRANSLATE_NOOP(
    "ClubSetup",
    "The club %1 has no login of its own on this server yet. Name of its new login (lower-case "
    "letters, digits and _):");
inline constexpr const char* kClubLoginPassword =
    QT_TRANSLATE_NOOP("ClubSetup", "Password for the login %1:");
inline constexpr const char* kClubLoginPasswordAgain =
    QT_TRANSLATE_NOOP("ClubSetup", "The same password again:");
inline constexpr const char* kPasswordsDiffer =
    QT_TRANSLATE_NOOP("ClubSetup", "The two passwords differ. Type them again.");
inline constexpr const char* kClubLoginMade = QT_TRANSLATE_NOOP(
    "ClubSetup",
    "The login %1 works for the club %2 only. The club's secretary names it in the data link:\n"
    "Data Source=%3");
inline constexpr const char* kClubLoginByAdministrator = QT_TRANSLATE_NOOP(
    "ClubSetup",
    "The club %1 has no login of its own on this server yet, and only the federation's "
    "administrator may add one. The administrator runs:\nkestrava --add-club-login LOGIN --club "
    "%1");
inline constexpr const char* kClubLoginLater = QT_TRANSLATE_NOOP(
    "ClubSetup",
    "No login was made for the club %1. It can be added later with:\nkestrava --add-club-login "
    "LOGIN --club %1");
inline constexpr const char* kCopiesRange =
    QT_TRANSLATE_NOOP("ClubSetup", "Copies must be a whole number from 1 to 5.");

struct ClubSetup {
    Q_DECLARE_TR_FUNCTIONS(ClubSetup)
};
inline QString ClubSetupText(const char* text) {
    return ClubSetup::tr(text);
}

// The interface languages of the Language box, by the position stored in the club record.
// Each is named in its own language, so that a user who cannot read the current one finds it.
struct ClubLanguage {
    const char* code;
    const char* name;  // UTF-8
};
inline constexpr ClubLanguage kClubLanguages[] = {
    {"en", "English"}, {"nl", "Nederlands"}, {"fr", "Fran\u00e7ais"}, {"de", "Deutsch"}};
// The language code of a stored position; English for a position the box does not offer.
QString ClubLanguageCode(int position);
QStringList ClubLanguageNames();

// The texts of the setup screen's boxes, as the user left them.
struct ClubSetupFields {
    QString clubChoice;  // the text the known-club list shows ("Custom", a club's name, ...)
    QString clubName;
    QString clubId;  // the club abbreviation
    QString street;
    QString city;
    QString postCode;
    QString association;
    int language = 0;  // list positions
    int mode = 0;
    QString backupDays = QStringLiteral("0");
    QString copies = QStringLiteral("1");
    // The club's distance method as a list position (0 flat, 1 WGS84 geodesic); left as it is
    // when not given.
    std::optional<int> distanceMethod;
    // How many seasons results are kept with members' names (0: all); left as it is when not
    // given.
    std::optional<int> resultSeasonsKept;
};

// The stored club record as the screen shows it; nothing when the club table is empty.
std::optional<ClubSetupFields> LoadClubSetup(TdmZOLF& db);

// The known-club list: "Custom", the separator, then every known club's name by ClubID.
QStringList KnownClubChoices(TdmZOLF& db);

struct KnownClub {
    QString clubId;
    QString clubName;
};
// The known club with this name, if any.
std::optional<KnownClub> FindKnownClub(TdmZOLF& db, const QString& clubName);

// Stores the fields when the screen closes; returns the saved flag.
//  - A backup age or copies text that is not a whole number throws the conversion error, and
//    one outside its range (0 to 100 days, 1 to 5 copies) throws kBackupDaysRange or
//    kCopiesRange; nothing is stored.
//  - With "Custom" chosen, the known club with the abbreviation gets the typed name (or is
//    added).
//  - The club record with the same association and abbreviation is updated.
//  - Otherwise, with the association or abbreviation empty, kMustBeFilled is shown and
//    nothing is stored (false); else the club record is replaced by a new one and the club is
//    added to the known clubs (ignored when it is already there). On a server shared by
//    clubs, the new club is then offered a login of its own (OfferClubLogin).
//  - The distance method, when given, is stored with the record (it changes no distance).
//  Everything is stored in one transaction.
bool StoreClubSetup(TdmZOLF& db, Prompts& prompts, const ClubSetupFields& fields);

// The club record as the setup screen edits it, read now (before the screen is filled, so that
// a change made meanwhile on another seat is seen when the screen stores its fields).
EditedRow ClubEditedRow(TdmZOLF& db);

enum class ClubSetupSave {
    Stored,
    Refused,  // kMustBeFilled was shown; nothing stored
    Reload,   // changed on another seat, and the secretary chose to see it as stored now
    Kept,     // changed on another seat, and the secretary chose to keep the screen open
};
// StoreClubSetup for a screen that read the club record with ClubEditedRow: a record that
// another seat changed (or deleted) since is not overwritten unasked; the secretary chooses to
// overwrite it (Stored), to see it as stored now (Reload) or to keep the screen open (Kept),
// and nothing is stored for the last two. After Stored, `loaded` is the record as stored.
ClubSetupSave SaveClubSetup(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                            const ClubSetupFields& fields, EditedRow& loaded);

// The file a backup on demand writes: the chosen name as typed, "_", the date as yymmdd, ".Bak".
QString OnDemandBackupName(const QString& chosen, const QDate& today);
// Writes that backup, replacing a file of the same name; false when it failed (`reason`, when
// given, then names the file and why), and a previous file of that name is as it was.
bool BackupOnDemand(TdmZOLF& db, const QString& chosen, const QDate& today,
                    QString* reason = nullptr);

// Replacing the database by a backup file.
struct RestoreOutcome {
    enum class Status {
        Restored,   // the database file now holds the backup; the connection is closed
        Refused,    // the file is not a database of this program; nothing was touched
        Failed,     // the file could not be put in place; the database is as it was and open
        Cancelled,  // the user kept the current data; nothing was touched
    };
    Status status;
    QString message;   // what to show the user (empty when cancelled)
    QString keptCopy;  // where the replaced data was kept (when restored)
};

// What a database holds, for the question before a restore.
struct DatabaseSummary {
    qint64 lofts = 0;
    qint64 pigeons = 0;
    qint64 races = 0;
    qint64 entries = 0;  // race entries
};
DatabaseSummary SummaryOf(const QString& databaseFile);
// The same counts on an open database (a file or a server). Throws DbError.
DatabaseSummary SummaryOf(TdmZOLF& db);
QString SummaryText(const DatabaseSummary& summary);  // "4 lofts, 30 pigeons, 2 races and ..."

// The copy of the current data kept before a restore replaces it, in the backup folder:
// "Kestrava_Europe_before_restore_yyyyMMdd_HHmmss.Bak", loadable again by "Load Backup".
QString BeforeRestoreCopyName(const QString& backupDir, const QDateTime& now);

// "Copy to server...": asks for the server's database, opens it (an empty one gets the club's
// tables), copies the whole club into it and shows the rows copied, table by table. A database
// already holding a club is refused and left as it was. On a server shared by clubs, the club
// `clubId` gets the lofts that came with the copy and is offered a login of its own. False when
// cancelled or refused (then the reason was shown).
bool CopyClubToServer(TdmZOLF& db, Prompts& prompts, const QString& clubId, Progress& progress);
// On a database server shared by clubs, a club without a login of its own gets one: asks for
// the new login's name and its password (typed twice, never shown) and creates it, or, when
// the login running may not create logins, says what the federation's administrator must run.
// Nothing happens on a file, on a server not shared, or for a club that has its login. Shows
// its own refusals.
void OfferClubLogin(TdmZOLF& db, Prompts& prompts, const QString& clubId);
// "Copy to file...": asks for a file name and writes the whole club into a new club file there
// (replacing a file of that name only with a complete copy), then shows the rows copied.
bool CopyClubToNewFile(TdmZOLF& db, Prompts& prompts, Progress& progress);

// Asks first, naming the backup's date (the date of the data it holds) and what it holds
// against the current data; then keeps a copy of the current database in `backupDir`, and only
// when that copy is whole replaces the database file by the backup.
RestoreOutcome RestoreDatabase(TdmZOLF& db, Prompts& prompts, const QString& backupFile,
                               const QString& backupDir, const QDateTime& now);
