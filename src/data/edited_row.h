#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class Clock;
class Prompts;
class TdmZOLF;

// A row of a club table as a form loaded it, so that Save can tell whether another seat changed
// it meanwhile. Only the columns the form edits are compared: a change elsewhere in the row (a
// clock's synch flag, say) is no reason to stop a save that leaves it alone.
//
// Who saved a row last, and when, is kept in KST_RowEdit, written in the same transaction as
// each save through a form; the club's tables themselves are never changed for it.
struct EditedRow {
    QString table;           // "ZOL_LoftData"; the program's own names only, never a typed text
    QStringList keyColumns;  // {"LoftNo"}; none for a table of one record (the club's)
    QVariantList key;        // {"0123"}
    QStringList columns;     // the columns the form edits
    QString label;           // how the row is named to the user: "Member 0123"

    // As loaded (LoadEditedRow); after a save as stored by it.
    bool found = false;
    QStringList values;
    QString savedBy;  // "seat|moment" of the last save through a form, when there was one
};

// Reads the row's compared columns and who saved it last. Throws DbError.
void LoadEditedRow(TdmZOLF& db, EditedRow& row);

enum class EditedRowSave {
    Saved,   // `write` ran and is stored
    Reload,  // the row was changed on another seat and the user chose to see it as stored now
    Kept,    // the user chose neither: nothing stored, the form keeps what was typed
};

// Stores the form through `write` in one transaction, after checking in that transaction that
// the row is still as loaded. When another seat changed or deleted it meanwhile, nothing is
// stored and the user is asked (ChangedOnAnotherSeatText): Yes overwrites with the form's values
// (checked again, in case it changed once more), No reloads, Cancel keeps the form. Each save
// records this seat (TdmZOLF::seat) and the clock's moment for the row. `write` may be run
// more than once when another seat is in the way, so it must do nothing but database work.
// Throws DbError.
EditedRowSave SaveEditedRow(TdmZOLF& db, Prompts& prompts, const Clock& clock, EditedRow& row,
                            const std::function<void()>& write);

// "Member 0123 was changed at 20:13 on another seat (PC-2)." and the question what to do; `when`
// and `seat` may be empty when the change was not made through a form; `deleted` when the row is
// gone.
QString ChangedOnAnotherSeatText(const QString& label, const QString& when, const QString& seat,
                                 bool deleted);
