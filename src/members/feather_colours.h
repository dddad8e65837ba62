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

// Adds a colour. Refuses with UserError, storing nothing, an empty code or name
// (kColourEntryError), a code that exists already ("Colour code BB exists already.") and a name
// that exists already (the colour box could not tell the two apart).
void AddFeatherColour(TdmZOLF& db, const QString& code, const QString& name);
// Deletes every colour with this name.
void DeleteFeatherColour(TdmZOLF& db, const QString& name);
