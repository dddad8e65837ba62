#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "competition_types.h"
#include "pool_payout.h"

class Clock;
class Prompts;
class TdmZOLF;

// The pools of a race, the lofts' nominations and the birds entered in each pool, kept in the
// program's own tables (KST_PoolTemplate, KST_Pool, KST_Nomination, KST_PoolEntry).
//
// Entries close at the race's liberation: from then on every change to a race's pools,
// nominations or entries is refused with a message. Only birds marked for the race (its race
// entries) can be nominated or entered, and only by their own loft.

// The club's template: the pools every new race starts with, in their order.
QList<PoolDefinition> PoolTemplate(TdmZOLF& db);
// Replaces the template. Throws UserError for a definition that cannot be paid out or a name
// used twice.
void SetPoolTemplate(TdmZOLF& db, const QList<PoolDefinition>& pools);

// The race's pools in their order (empty when none were set up).
QList<PoolDefinition> RacePools(TdmZOLF& db, const RaceId& race);
// Replaces the race's pools. `previousNames` gives, for each pool, the name it had when the
// pools were read (empty for a pool added since): a pool renamed keeps its entries under its new
// name. Entries of a pool no longer defined are removed; with `prompts`, only after the
// secretary confirms a question naming each such pool with its entries and lofts (false, nothing
// stored, when declined); a stake above kPlausibleStake is asked about too. Refused once entries
// have closed.
bool SetRacePools(TdmZOLF& db, const Clock& clock, const RaceId& race,
                  const QList<PoolDefinition>& pools, const QStringList& previousNames = {},
                  Prompts* prompts = nullptr);
// Gives the race the club's template when it has no pools yet; returns the race's pools.
QList<PoolDefinition> PoolsFromTemplate(TdmZOLF& db, const Clock& clock, const RaceId& race);

// Throws UserError "Entries for race ... closed at its liberation ..." once the race is
// liberated.
void RefuseIfEntriesClosed(TdmZOLF& db, const Clock& clock, const RaceId& race);

// The birds marked for the race, with their lofts: (loft, ring), by loft and ring.
struct MarkedBird {
    QString loftNo;
    QString ringNo;
};
QList<MarkedBird> MarkedBirds(TdmZOLF& db, const RaceId& race);

// The loft's nominations for the race, in order of their numbers.
QStringList Nominations(TdmZOLF& db, const RaceId& race, const QString& loftNo);
// The loft's nominations by their numbers (which may leave gaps: 1, 2, 4).
QMap<int, QString> NominationNumbers(TdmZOLF& db, const RaceId& race, const QString& loftNo);
// Replaces the loft's nomination order. Every ring must be marked for the race and be the
// loft's; a ring given twice is refused.
void SetNominations(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& loftNo,
                    const QStringList& rings);
// The same with the numbers given, kept as they are (1, 2, 4 stays 1, 2, 4).
void SetNominations(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& loftNo,
                    const QMap<int, QString>& numbered);

// The entries of a race: which ring is in which pool.
struct PoolEntry {
    QString poolName;
    QString loftNo;
    QString ringNo;
};
QList<PoolEntry> PoolEntries(TdmZOLF& db, const RaceId& race);
// Enters the bird in the pool (nothing happens when it is entered already), or takes it out.
void EnterBird(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& poolName,
               const QString& ringNo);
void WithdrawBird(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& poolName,
                  const QString& ringNo);

// The race's entries as a whole: per loft its nomination order, and per pool the rings in it.
// Replaces all nominations and entries of the lofts named in `lofts` in one transaction, after
// checking every ring; used by the workbook import. Returns nothing; throws UserError listing
// the rows that are wrong, storing nothing.
struct EntryRow {
    int row = 0;  // where it came from, for messages (0: not from a sheet)
    QString loftNo;
    QString ringNo;
    int nomination = 0;
    QStringList pools;
};
void ReplaceEntries(TdmZOLF& db, const Clock& clock, const RaceId& race,
                    const QList<EntryRow>& rows);

// The payout of every pool of the race from its stored ranking, in the pools' order.
QList<PoolPayout> RacePayouts(TdmZOLF& db, const RaceId& race);

// Creates the table(s) of the pool templates, pools, nominations and pool entries when missing.
// They are otherwise made when first written; a shared server's owner makes them all beforehand,
// since the clubs' logins cannot.
void CreatePoolTables(TdmZOLF& db);
