#pragma once

#include <QString>
#include <QVariant>

class TdmZOLF;

// How the distance grids show stored values (the stored values never change).

// Miles or yards: empty for null, otherwise the whole number with thousands separators
// (1234 -> "1,234", 0 -> "0").
QString DistanceCellText(const QVariant& value);

// The loft's name looked up by loft number; empty when the number is null or unknown.
QString LoftNameCellText(TdmZOLF& db, const QVariant& loftNo);
