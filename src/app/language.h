#pragma once

#include <QString>

#include "data/database.h"

// The interface language for this run. The club chooses it on the Setup screen (stored as the
// position in its Language box); it takes effect when the program starts.

// Installs the translations of `code` ("en", "nl", "fr", "de"), replacing those installed
// before; English, or a code without translations, leaves the program's own texts. Returns
// the code installed ("en" when none).
QString InstallLanguage(const QString& code);

// Installs the language of the club record; English when there is no club yet or its stored
// position is not one the box offers.
QString InstallClubLanguage(TdmZOLF& db);
