#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class TdmZOLF;
class Clock;
class Prompts;

// The club's members (ZOL_LoftData): the member list, saving and deleting a member, the
// member's clocks, the loft coordinate checks and the settings the member screen reads.

// A box's text as stored: as typed, an empty box as an empty text (never null).
QString StoredText(const QString& text);

// The member list: association code, loft number, name and the number of the loft's clocks.
QString MemberListSql();
// A count as the member screen shows it: three digits at least ("007").
QString CountText(int count);
// The loft number column of the member list: the association code, a blank and the loft
// number; empty when the loft number is empty.
QString LoftNoCellText(const QString& associationCode, const QString& loftNo);
// The club's association code, put into the form of a new member.
QString ClubAssociationCode(TdmZOLF& db);

// What the member form holds.
struct MemberForm {
    QString associationCode, loftNo, name, street, city, postCode, phone, lon, lat, notes;
};
extern const QString kMemberEntryError;

// How the member form was opened: "AddNew" (the loft number may be typed) or "Edit Member".
enum class MemberFormMode { Edit, AddNew };

// Saves the form: a loft number that does not exist is inserted, with a zero distance row for
// every liberation site; one that exists is updated (the street's ":" become blanks, distance
// rows are left alone). Notes are stored without line breaks. When the association code, loft
// number or name is empty it shows kMemberEntryError in a plain message box and stores nothing.
// Both coordinates get the check made when a coordinate box is left: one with 60 minutes or
// seconds throws UserError and stores nothing. A form opened with "AddNew" whose loft number
// belongs to a member already asks ReplaceMemberQuestion first; on No nothing is stored.
// A loft number typed in an "AddNew" form is stored without the blanks around it (the
// secretary is told, LoftNoTrimmedText), so " 0101 " is the member 0101 and not a second one.
//
// With `loaded` (the member's row as the form loaded it, MemberEditedRow), an edited member
// that another seat changed or deleted meanwhile is not overwritten unasked: the secretary
// chooses to overwrite (stored, Updated or Inserted), to see the stored member (Reload; nothing
// stored) or to keep the form open (Refused).
enum class MemberSaveResult { Refused, Inserted, Updated, Reload };
struct EditedRow;
MemberSaveResult SaveMember(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                            const MemberForm& form, MemberFormMode mode = MemberFormMode::Edit,
                            EditedRow* loaded = nullptr);
// The member's row as the member form edits it, read now (before the form is filled, so that a
// change made meanwhile is seen at Save rather than missed).
EditedRow MemberEditedRow(TdmZOLF& db, const QString& loftNo);
QString ReplaceMemberQuestion(const QString& loftNo, const QString& name);
QString LoftNoTrimmedText(const QString& loftNo);
MemberForm LoadMember(TdmZOLF& db, const QString& loftNo);

// Deletes the member and its distance rows, after a question: with active pigeons whether to
// delete them all (DeleteMemberQuestion), without them whether to delete the member and its
// distances (DeleteLoftQuestion). On No nothing is deleted. Returns true when it was deleted.
bool DeleteMember(TdmZOLF& db, Prompts& prompts, const QString& loftNo);
QString DeleteMemberQuestion(int pigeons);
QString DeleteLoftQuestion(const QString& loftNo, const QString& name);

// The member's clocks (bind the loft number).
QString ClockListSql();
QString ClockCountText(int count);
extern const QString kDeleteDataQuestion;  // "This will delete the data ?"
// Asks, then deletes the clock. Returns true when it was deleted.
bool DeleteClock(TdmZOLF& db, Prompts& prompts, const QString& loftNo, const QString& clockId);

// The check made when one loft coordinate box is left: it examines the other box's text.
enum class LoftCoordBox { Longitude, Latitude };
void CheckLoftCoordOnLeave(LoftCoordBox left, const QString& lonText, const QString& latText);

// The settings the member screen reads from ZOLF.ini each time it is shown.
struct MemberSettings {
    QStringList countryRingCodes;
    QString apn;
    QString hostSms;
    int timeZoneSeconds = 0;
    QString markedFlag;
};
// Throws UserError with the conversion message when TimeZone is not a whole number.
MemberSettings ReadMemberSettings(const QString& iniFile);

// The birth years offered in the ring form: this year - 9 to this year + 1.
QStringList BirthYears(const QDate& today);
