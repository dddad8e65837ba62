#pragma once

#include <QString>

#include "data/clock.h"
#include "data/data_paths.h"
#include "data/database.h"
#include "data/prompts.h"

// What every screen and workflow is given: the database, the user's prompts, the clock, the
// program's paths and the serial port of the club antenna.
struct AppContext {
    TdmZOLF& db;
    Prompts& prompts;
    Clock& clock;
    DataPaths paths;
    QString portName;
};
