#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class TdmZOLF;
class Prompts;
class Clock;

// Liberation sites, races and clubs as the Races screen keeps them.

inline const QString kLiberPointEntryError =
    QStringLiteral(QT_TRANSLATE_NOOP("Races", "Set new liberate point find data entry error !"));
inline const QString kDeleteRaceQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("Races", "This will delete the data ?"));

// The race list: one row per race, the columns the list shows in their order (code in column
// 1, date in column 4), and last a Result column the list fills with "Provisional" or "Final".
QString RaceListSql();

// Club names ordered by club id, and every liberation site name.
QStringList ClubNames(TdmZOLF& db);
QStringList LiberSiteNames(TdmZOLF& db);

// What the liberation point editor holds.
struct RaceEditorData {
    QString clubName;
    QString code;
    QString site;
    QString abbreviation;
    QString longitude;  // coordinate mask texts; the empty mask is "    '  :  "
    QString latitude;
    QDate date;
    QTime time;
    // The date of the race the editor was filled from (a click or "Edit Point"); invalid for
    // a race entered with "AddNew".
    QDate loadedDate;
};

// The race with this code and date, as the editor shows it (club by name).
std::optional<RaceEditorData> FindRace(TdmZOLF& db, const QString& code, const QDate& date);

// A liberation site by name: code, abbreviation and coordinates (null coordinates empty).
struct LiberSiteData {
    QString code;
    QString site;
    QString abbreviation;
    QString longitude;
    QString latitude;
};
std::optional<LiberSiteData> FindLiberSite(TdmZOLF& db, const QString& siteName);

struct RaceSaveResult {
    bool saved = false;        // the race row was inserted or updated
    bool inserted = false;     // a new race
    bool siteCreated = false;  // a new liberation site, with a zero distance row per loft
    // The race was changed on another seat meanwhile and nothing was stored: the secretary
    // chose to see it as stored now (reload), or to keep the editor as typed (kept).
    bool reload = false;
    bool kept = false;
};

// Saves the editor: updates the race of this club, code and date, or inserts it (creating
// the liberation site first when its code is new). An incomplete entry shows the entry error
// and stops; a site created before that stays. Every save sets SynchFlag so that the clocks
// get the race again.
//  - Both coordinates get the check made when a coordinate box is left (UserError).
//  - A race loaded into the editor whose date was changed would be saved as a second race:
//    NewRaceDateQuestion asks first, and No stores nothing.
//  - A race with this code and date of another club is refused (UserError), as the race list
//    knows a race by code and date.
//  - With `loaded` (the race as the editor loaded it, RaceEditedRow), a race that another seat
//    changed or deleted meanwhile is not overwritten unasked (SaveEditedRow).
struct EditedRow;
RaceSaveResult SaveRace(TdmZOLF& db, Prompts& prompts, Clock& clock, const RaceEditorData& race,
                        EditedRow* loaded = nullptr);
// The race's row as the liberation point editor edits it, read now.
EditedRow RaceEditedRow(TdmZOLF& db, const QString& code, const QDate& date);
QString NewRaceDateQuestion(const QDate& newDate, const QDate& loadedDate);

// Asks first; deletes the race and its sun rows (entries, clock times and distances stay).
bool DeleteRace(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& code,
                const QString& dateText);

// Deletes the liberation site with this code and every loft's distance to it, after asking
// DeleteSiteQuestion (which also counts the races that use the code). Returns true when it
// was deleted; a code no site has gets a message and deletes nothing.
bool DeleteLiberSite(TdmZOLF& db, Prompts& prompts, const QString& code);
QString DeleteSiteQuestion(const QString& code, const QString& site, int races);

// Adds a known club. An empty code or name, or a code or name in use, is refused with
// UserError in the program's words; nothing is stored.
void AddClub(TdmZOLF& db, const QString& clubId, const QString& clubName);
// Deletes the club after asking DeleteClubQuestion (its races stay, but cannot be saved until
// the club exists again). Returns true when it was deleted.
bool DeleteClub(TdmZOLF& db, Prompts& prompts, const QString& clubName);
QString DeleteClubQuestion(const QString& clubName);

// Keys of the liberation code field: 0-9 and A-F are typed, any other key deletes the
// character before the cursor.
bool LiberCodeKeyAllowed(QChar key);
