#pragma once

#include <QString>
#include <QStringList>

class TdmZOLF;

// The club's feather colours (ZOL_FeatherColor): a colour code named by a colour name. A ring
// whose colour code has no name shows as "Other".

extern const QString kOtherColour;       // "Other"
extern const QString kColourEntryError;  // code or name missing

// The names for the colour box: "Other" first, then every colour name in table order.
QStringList ColourBoxNames(TdmZOLF& db);
// The code of the colour with this name; empty when no colour has the name (also "Other").
QString ColourCodeForName(TdmZOLF& db, const QString& name);
// The name shown for a colour code: its colour name, or "Other" when no colour has the code.
QString ColourNameForCode(TdmZOLF& db, const QString& code);
// Every colour as (code, name), in table order: a list reads them once and looks codes up.
QString ColourNamesSql();

// Adds a colour. Refuses (UserError kColourEntryError, nothing stored) an empty code or name;
// a code that exists already is refused by the database (DbError).
void AddFeatherColour(TdmZOLF& db, const QString& code, const QString& name);
// Deletes every colour with this name.
void DeleteFeatherColour(TdmZOLF& db, const QString& name);
