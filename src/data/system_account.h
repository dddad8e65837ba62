#pragma once

#include <QString>

// The name of the system account running the program, as the operating system knows it (not
// from the environment, which anyone can set); empty when the system gives none.
QString SystemAccountName();
