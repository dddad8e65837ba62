#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TdmZOLF;
class Clock;
class Progress;

// A member's rings written to a workbook, and rings read from one (of any lofts).
//
// The workbook has the titles in row 1 and one ring a row, in nine columns: LoftNo, RCountry,
// RYear, RRegLetter, RRegNumber, Sex ("Cock", "Hen", "Unknown"), ColorType (the colour code),
// PRingNo and E_Ring; RYear, RRegNumber, ColorType and PRingNo are text cells. A sheet of
// exactly seven used columns (LoftNo to ColorType) is read as the short layout.

// Every ring of the loft, those marked deleted included, by ring number.
QString RingExportSql();

// Writes the loft's rings to `fileName` (as given). Throws UserError "Data transfer error: ..."
// when the file cannot be saved. Returns the number of rings written.
int ExportRings(TdmZOLF& db, const QString& loftNo, const QString& fileName, Progress& progress);

struct RingImportResult {
    int inserted = 0;
    int updated = 0;
    QList<int> missingLoftRows;  // rows whose loft is not a member
    QStringList otherLoftRings;  // "row 5: GB16A1 of loft 002": rings that belong to another loft
    QList<int> noRingRows;       // rows with a loft but no ring number
    QStringList formulaCells;    // "row 3 column H": formulas without a value; rows left out
    int stoppedAtRow = 0;        // the row where the import stopped (0: it ran to the end)
    QString stopReason;          // why it stopped there (empty: the user stopped it)
};

// Reads the rings of the workbook's first worksheet from row 2 on. A ring is looked up by the
// row's loft and ring number: found, its sex, colour (and for nine columns its electronic ring)
// are updated; not found, it is inserted for that loft, flagged for the clocks. The ring number
// is column 8 when the sheet has not 7 columns and column 8 holds one, otherwise columns 2 to 5
// joined (four-digit year, no "-"). Rows of a loft that is not a member, rings that belong to
// another loft, rows without a ring number and rows with a formula that has no value (a sheet
// no spreadsheet program has computed) are left out and listed in the result.
//
// All rows are stored in one transaction. A row that fails, or a stop asked for by `progress`,
// ends the import there with the rows before it stored. A file that cannot be read throws
// UserError naming it, and nothing is stored.
RingImportResult ImportRings(TdmZOLF& db, const Clock& clock, const QString& fileName,
                             Progress& progress);

// What the user is told after an import: the rows left out and where it stopped, or an empty
// text when every row was imported.
QString RingImportReport(const RingImportResult& result);
