#pragma once

#include <QString>
#include <QStringList>

#include "members/ring_numbers.h"

class TdmZOLF;
class Clock;
class Prompts;

// A member's rings (ZOL_PigData): the ring list, saving one ring or a range, loading a ring
// into the form and marking a ring deleted.

// The ring list of one loft (bind the loft number): rings not marked deleted, by ring number.
// The columns shown come first (kRingListShownColumns of them), then the number parts.
QString RingListSql();
inline constexpr int kRingListShownColumns = 7;
int RingCount(TdmZOLF& db, const QString& loftNo);

// What the ring form holds when "Save" is pressed.
struct RingEntry {
    QString loftNo;            // the member whose ring list is open
    RingParts parts;           // as shown in the boxes
    QString upperNumber;       // upper registration number; empty for a single ring
    QString sexName;           // "Hen", "Cock" or "Unknown"
    QString colourName;        // colour box text
    QString comment;           // line breaks are removed when stored
    QString selectedRingNo;    // the ring selected in the list
    bool partsLocked = false;  // a ring loaded from the list: only sex, colour and comment change
};

struct RingSaveResult {
    QString ringNo;        // the ring saved (for a range, the last one inserted)
    bool updated = false;  // an existing ring was updated
    QStringList skipped;   // range numbers that exist already and were left alone
    QStringList revived;   // rings that were marked deleted and are restored
    // The ring was changed on another seat meanwhile and nothing was stored: the secretary
    // chose to see it as stored now (reload), or to keep the form as typed (kept).
    bool reload = false;
    bool kept = false;
};

extern const QString kRingNumberMissing;

// Saves the form. Without an upper number (or with the parts locked) the composed ring number
// decides, across the whole club: an existing ring gets its sex, colour and comment updated
// (its number parts and loft stay); otherwise the ring is inserted for the member. With an
// upper number every ring of the range that does not exist yet is inserted; the rings of the
// range that exist already, the first one included, are left as they are and named in
// `skipped`. A ring marked deleted whose number is saved again is restored (not deleted, to be
// sent to the clock) with the form's values for the member, and named in `revived`. Everything is
// checked before anything is written, and a range is stored whole or not at all. Throws UserError
// (nothing stored) for a number that is not whole, a refused range, "NEHU" letters that fail the
// test, or no ring number at all.
//
// With `loaded` (the ring as the form loaded it, RingEditedRow) and the parts locked, a ring that
// another seat changed or deleted meanwhile is not overwritten unasked (SaveEditedRow): the
// secretary chooses to overwrite, to reload (`reload`) or to keep the form (`kept`).
struct EditedRow;
class Prompts;
RingSaveResult SaveRing(TdmZOLF& db, const Clock& clock, const RingEntry& entry,
                        Prompts* prompts = nullptr, EditedRow* loaded = nullptr);
// The ring's row as the ring form edits it (sex, colour, comment, deleted or not), read now.
EditedRow RingEditedRow(TdmZOLF& db, const QString& ringNo);

// The message that names the rings restored because they had been deleted.
QString RevivedRingsText(const QStringList& revived);
// The message that names the range numbers skipped because they exist already.
QString SkippedRingsText(const QStringList& skipped);

// The form contents of a stored ring (the number parts are shown locked).
struct RingForm {
    bool found = false;
    QString country, year, letters, number, sexName, colourName, comment;
};
RingForm LoadRing(TdmZOLF& db, const QString& loftNo, const QString& ringNo);

// Asks "This will delete the data ?"; on Yes marks the ring deleted. Returns true when marked.
bool DeleteRing(TdmZOLF& db, Prompts& prompts, const Clock& clock, const QString& loftNo,
                const QString& ringNo);
// Marks the ring deleted and to be sent to the clock; the row stays until synchronisation.
void MarkRingDeleted(TdmZOLF& db, const Clock& clock, const QString& loftNo, const QString& ringNo);
