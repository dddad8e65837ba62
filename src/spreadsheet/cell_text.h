#pragma once

#include <QString>

// A number as a spreadsheet shows it in a general cell: whole numbers without a decimal part
// (12345, not 12345.0), others with up to 15 significant digits.
QString CellNumberText(double value);
