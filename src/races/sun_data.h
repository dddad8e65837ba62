#pragma once

#include <QList>
#include <QString>

class TdmZOLF;

// The sun data panel: sunset and sunrise per race day, kept by race code. The grid has two
// header rows (titles and input hints) and six rows for days, every one of them saved (a race
// can last more than five days).

inline constexpr int kSunGridColumns = 4;
inline constexpr int kSunGridRows = 8;
inline constexpr int kSunGridHeaderRows = 2;

// Header rows: titles, then input hints ("yyyy-mm-dd " with its trailing blank).
QStringList SunGridTitles();
QStringList SunGridHints();

// One day of the grid, as the cells show it.
struct SunGridRow {
    QString raceDate;
    QString location;
    QString sunSet;
    QString sunRise;
    bool operator==(const SunGridRow&) const = default;
};

// The race's rows for the grid: date as short date, times as long time.
QList<SunGridRow> LoadSunData(TdmZOLF& db, const QString& raceCode);

// Replaces the race's sun rows with every grid row whose date cell is filled. Every
// cell is read first: a date or time that cannot be read throws UserError naming the cell and
// nothing is changed. A blank time cell stores null. The old rows go and the new ones come in
// one step.
void SaveSunData(TdmZOLF& db, const QString& raceCode, const QList<SunGridRow>& rows);
