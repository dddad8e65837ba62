#pragma once

#include <QList>
#include <QString>

#include "championship.h"
#include "competition_types.h"
#include "pool_payout.h"
#include "reports/report_layout.h"

class Clock;
class Prompts;
class TdmZOLF;

// The printed lists and workbooks of the competitions: the pool sheet of a race (who entered
// what, who won what, and the totals that balance), the payout per loft, and a championship's
// standings. Reports go through the report engine (preview, printer, PDF); workbooks through
// the workbook writer, whole or not at all.

// Loft names by loft number, for the lists.
QHash<QString, QString> LoftNames(TdmZOLF& db);

// "balances" or "DOES NOT BALANCE" with the figures: stakes = prizes + deduction + remainder.
QString BalanceText(const PoolPayout& pool);

ReportDefinition PoolSheetReport(TdmZOLF& db, const RaceId& race, const QList<PoolPayout>& pools);
ReportDefinition LoftPayoutReport(TdmZOLF& db, const RaceId& race, const QList<PoolPayout>& pools);
ReportDefinition StandingsReport(TdmZOLF& db, const Standings& standings);

// Workbooks of the same lists. Throw UserError "Data transfer error: ..." when the file cannot
// be written; a previous file of that name is then left as it was.
void WritePoolSheetWorkbook(TdmZOLF& db, const QList<PoolPayout>& pools, const QString& file);
void WriteLoftPayoutWorkbook(TdmZOLF& db, const QList<PoolPayout>& pools, const QString& file);
void WriteStandingsWorkbook(TdmZOLF& db, const Standings& standings, const QString& file);

// The race's entries as a workbook the club can fill in: LoftNo, PRingNo, Nom and one column
// per pool (1 where the bird is entered), a row for every bird marked for the race.
void WriteEntriesWorkbook(TdmZOLF& db, const RaceId& race, const QString& file);
// Reads such a workbook (columns found by their titles; LoftNo and Nom may be left out; under a
// pool x, 1 or yes enters the bird, an empty cell or 0 does not, other text is refused) and
// replaces the entries of the
// lofts it names, all or nothing. Returns the number of rings read. Throws UserError naming
// the file, the column or the rows that are wrong.
// With `prompts`, the secretary is first told what the sheet replaces (the earlier entries and
// nominations of its lofts) and asked; -1 when declined, nothing stored.
int ReadEntriesWorkbook(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& file,
                        Prompts* prompts = nullptr);
