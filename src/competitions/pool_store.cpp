#include "pool_store.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"

namespace {

struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};

const char* const kPoolColumns =
    "Name, Stake, PrizeRule, Split, BirdsPerPrize, Deduction, CountFirst";

void EnsurePoolTables(TdmZOLF& db) {
    db.exec(QStringLiteral(
        "create table if not exists KST_PoolTemplate (Name TEXT primary key, Seq integer, "
        "Stake bigint, PrizeRule TEXT, Split TEXT, BirdsPerPrize integer, Deduction integer, "
        "CountFirst integer)"));
    db.exec(QStringLiteral(
        "create table if not exists KST_Pool (LiberCode TEXT not null, LiberDate TEXT not null, "
        "Name TEXT not null, Seq integer, Stake bigint, PrizeRule TEXT, Split TEXT, "
        "BirdsPerPrize integer, Deduction integer, CountFirst integer, "
        "primary key (LiberCode, LiberDate, Name))"));
    db.exec(QStringLiteral(
        "create table if not exists KST_Nomination (LiberCode TEXT not null, LiberDate TEXT not "
        "null, PRingNo TEXT not null, LoftNo TEXT, NomOrder integer, "
        "primary key (LiberCode, LiberDate, PRingNo))"));
    db.exec(QStringLiteral(
        "create table if not exists KST_PoolEntry (LiberCode TEXT not null, LiberDate TEXT not "
        "null, PoolName TEXT not null, PRingNo TEXT not null, LoftNo TEXT, "
        "primary key (LiberCode, LiberDate, PoolName, PRingNo))"));
}

QString RuleText(PrizeRule rule) {
    return rule == PrizeRule::OnePerN ? QStringLiteral("PerN") : QStringLiteral("Split");
}

PoolDefinition PoolOf(const QSqlQuery& q, int first) {
    PoolDefinition p;
    p.name = q.value(first).toString();
    p.stake = q.value(first + 1).toLongLong();
    p.rule = q.value(first + 2).toString() == QLatin1String("PerN") ? PrizeRule::OnePerN
                                                                    : PrizeRule::Split;
    try {
        p.split = ParseSplit(q.value(first + 3).toString());
    } catch (const UserError&) {
        p.split.clear();  // shown as an empty split; check() refuses to pay it out
    }
    p.birdsPerPrize = q.value(first + 4).toInt();
    p.deduction = q.value(first + 5).toInt();
    p.countFirst = q.value(first + 6).toInt();
    return p;
}

QVariantList PoolValues(const PoolDefinition& p) {
    return {p.name,          p.stake,     RuleText(p.rule), SplitText(p.split),
            p.birdsPerPrize, p.deduction, p.countFirst};
}

void CheckPools(const QList<PoolDefinition>& pools) {
    QSet<QString> names;
    for (const PoolDefinition& p : pools) {
        p.check();
        if (names.contains(p.name)) {
            throw UserError(CompetitionText::tr("The pool name %1 is used twice.").arg(p.name));
        }
        names.insert(p.name);
    }
}

// Pools read with `sql` (the pool columns first) and its parameters, or none when the tables do
// not exist yet.
QList<PoolDefinition> ReadPools(TdmZOLF& db, const QString& sql, const QVariantList& params) {
    QList<PoolDefinition> pools;
    try {
        QSqlQuery q = db.select(sql, params);
        while (q.next()) {
            pools << PoolOf(q, 0);
        }
    } catch (const DbError&) {
    }
    return pools;
}

QVariantList Key(const RaceId& race) {
    return {race.liberCode, DateText(race.liberDate)};
}

// The loft of each ring marked for the race.
QHash<QString, QString> MarkedLofts(TdmZOLF& db, const RaceId& race) {
    QHash<QString, QString> lofts;
    for (const MarkedBird& b : MarkedBirds(db, race)) {
        lofts.insert(b.ringNo, b.loftNo);
    }
    return lofts;
}

// Stores the loft's nominations under the numbers given (a gap stays a gap: the bird written
// as 4 stays nomination 4).
void WriteNominations(TdmZOLF& db, const RaceId& race, const QString& loftNo,
                      const QMap<int, QString>& numbered) {
    db.exec(QStringLiteral("delete from KST_Nomination where LiberCode=? and LiberDate=? and "
                           "LoftNo=?"),
            Key(race) + QVariantList{loftNo});
    for (auto it = numbered.cbegin(); it != numbered.cend(); ++it) {
        db.exec(QStringLiteral("insert into KST_Nomination (LiberCode, LiberDate, PRingNo, "
                               "LoftNo, NomOrder) values(?,?,?,?,?)"),
                Key(race) + QVariantList{it.value(), loftNo, it.key()});
    }
}

}  // namespace

QList<PoolDefinition> PoolTemplate(TdmZOLF& db) {
    return ReadPools(db,
                     QStringLiteral("select %1 from KST_PoolTemplate order by Seq")
                         .arg(QLatin1String(kPoolColumns)),
                     {});
}

void SetPoolTemplate(TdmZOLF& db, const QList<PoolDefinition>& pools) {
    CheckPools(pools);
    db.transaction([&] {
        EnsurePoolTables(db);
        db.exec(QStringLiteral("delete from KST_PoolTemplate"));
        for (int i = 0; i < pools.size(); ++i) {
            db.exec(QStringLiteral("insert into KST_PoolTemplate (%1, Seq) values(?,?,?,?,?,?,?,?)")
                        .arg(QLatin1String(kPoolColumns)),
                    PoolValues(pools[i]) + QVariantList{i + 1});
        }
    });
}

QList<PoolDefinition> RacePools(TdmZOLF& db, const RaceId& race) {
    return ReadPools(db,
                     QStringLiteral("select %1 from KST_Pool where LiberCode=? and LiberDate=? "
                                    "order by Seq")
                         .arg(QLatin1String(kPoolColumns)),
                     Key(race));
}

void RefuseIfEntriesClosed(TdmZOLF& db, const Clock& clock, const RaceId& race) {
    const QDateTime liberation = RaceLiberation(db, race);
    if (clock.now() >= liberation) {
        throw UserError(CompetitionText::tr(
                            "Entries for race %1 of %2 closed at its liberation (%3); they cannot "
                            "be changed any more.")
                            .arg(race.liberCode, DateText(race.liberDate), MomentText(liberation)));
    }
}

bool SetRacePools(TdmZOLF& db, const Clock& clock, const RaceId& race,
                  const QList<PoolDefinition>& pools, const QStringList& previousNames,
                  Prompts* prompts) {
    CheckPools(pools);
    RefuseIfEntriesClosed(db, clock, race);
    QStringList names;
    QMap<QString, QString> renamed;  // stored name -> new name
    for (int i = 0; i < pools.size(); ++i) {
        names << pools[i].name;
        const QString before = previousNames.value(i);
        if (!before.isEmpty() && before != pools[i].name) {
            renamed.insert(before, pools[i].name);
        }
    }
    if (prompts != nullptr) {
        for (const PoolDefinition& p : pools) {
            if (p.stake > kPlausibleStake &&
                !prompts->confirmed(
                    CompetitionText::tr("Pool %1 has a stake of %2 per bird. Is that right?")
                        .arg(p.name, CentsText(p.stake)))) {
                return false;
            }
        }
    }
    bool stored = false;
    db.transaction([&] {
        EnsurePoolTables(db);
        // The entries of a pool that is gone (neither kept nor renamed) go with it, once the
        // secretary has seen what goes.
        const QList<QVariantList> counts = db.rows(
            QStringLiteral("select PoolName, count(*), count(distinct LoftNo) from KST_PoolEntry "
                           "where LiberCode=? and LiberDate=? group by PoolName order by PoolName"),
            Key(race));
        QStringList gone;
        QStringList lines;
        for (const QVariantList& row : counts) {
            const QString name = row.value(0).toString();
            if (!names.contains(name) && !renamed.contains(name)) {
                gone << name;
                lines << CompetitionText::tr("Pool %1: %2 entries of %3 lofts")
                             .arg(name)
                             .arg(row.value(1).toLongLong())
                             .arg(row.value(2).toLongLong());
            }
        }
        if (!gone.isEmpty() && prompts != nullptr &&
            !prompts->confirmed(
                CompetitionText::tr("These pools are removed, and their entries with them:\n%1"
                                    "\n\nSave the pools and remove these entries?")
                    .arg(lines.join(QLatin1Char('\n'))))) {
            return;
        }
        db.exec(QStringLiteral("delete from KST_Pool where LiberCode=? and LiberDate=?"),
                Key(race));
        for (int i = 0; i < pools.size(); ++i) {
            db.exec(QStringLiteral("insert into KST_Pool (LiberCode, LiberDate, %1, Seq) "
                                   "values(?,?,?,?,?,?,?,?,?,?)")
                        .arg(QLatin1String(kPoolColumns)),
                    Key(race) + PoolValues(pools[i]) + QVariantList{i + 1});
        }
        for (const QString& name : gone) {
            db.exec(QStringLiteral("delete from KST_PoolEntry where LiberCode=? and LiberDate=? "
                                   "and PoolName=?"),
                    Key(race) + QVariantList{name});
        }
        // Renamed in two steps, so that pools that swap names keep their own entries: first to
        // names no pool can have (a name is never empty and never starts with a control
        // character), then to the new ones.
        int step = 0;
        for (auto it = renamed.cbegin(); it != renamed.cend(); ++it, ++step) {
            db.exec(QStringLiteral("update KST_PoolEntry set PoolName=? where LiberCode=? and "
                                   "LiberDate=? and PoolName=?"),
                    QVariantList{QStringLiteral("\x01%1").arg(step)} + Key(race) +
                        QVariantList{it.key()});
        }
        step = 0;
        for (auto it = renamed.cbegin(); it != renamed.cend(); ++it, ++step) {
            db.exec(QStringLiteral("update KST_PoolEntry set PoolName=? where LiberCode=? and "
                                   "LiberDate=? and PoolName=?"),
                    QVariantList{it.value()} + Key(race) +
                        QVariantList{QStringLiteral("\x01%1").arg(step)});
        }
        stored = true;
    });
    return stored;
}

QList<PoolDefinition> PoolsFromTemplate(TdmZOLF& db, const Clock& clock, const RaceId& race) {
    QList<PoolDefinition> pools = RacePools(db, race);
    if (pools.isEmpty()) {
        pools = PoolTemplate(db);
        if (!pools.isEmpty()) {
            SetRacePools(db, clock, race, pools);
        }
    }
    return pools;
}

QList<MarkedBird> MarkedBirds(TdmZOLF& db, const RaceId& race) {
    QSqlQuery q = db.select(
        QStringLiteral(
            "select (select max(p.LoftNo) from ZOL_PigData p where "
            "p.PRingNo=a.PRingNo) as LoftNo, a.PRingNo from ZOL_PigRaceData a where "
            "a.LiberCode=? and substr(a.LiberDate,1,10)=? order by 1 nulls first, 2 nulls first"),
        Key(race));
    QList<MarkedBird> birds;
    while (q.next()) {
        birds << MarkedBird{q.value(0).toString(), q.value(1).toString()};
    }
    return birds;
}

QMap<int, QString> NominationNumbers(TdmZOLF& db, const RaceId& race, const QString& loftNo) {
    QMap<int, QString> numbered;
    try {
        for (const QVariantList& row :
             db.rows(QStringLiteral("select NomOrder, PRingNo from KST_Nomination where "
                                    "LiberCode=? and LiberDate=? and LoftNo=?"),
                     Key(race) + QVariantList{loftNo})) {
            numbered.insert(row.value(0).toInt(), row.value(1).toString());
        }
    } catch (const DbError&) {
    }
    return numbered;
}

QStringList Nominations(TdmZOLF& db, const RaceId& race, const QString& loftNo) {
    try {
        return db.texts(QStringLiteral("select PRingNo from KST_Nomination where LiberCode=? "
                                       "and LiberDate=? and LoftNo=? order by NomOrder"),
                        Key(race) + QVariantList{loftNo});
    } catch (const DbError&) {
        return {};
    }
}

void SetNominations(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& loftNo,
                    const QStringList& rings) {
    QMap<int, QString> numbered;
    for (int i = 0; i < rings.size(); ++i) {
        numbered.insert(i + 1, rings[i]);
    }
    SetNominations(db, clock, race, loftNo, numbered);
}

void SetNominations(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& loftNo,
                    const QMap<int, QString>& numbered) {
    RefuseIfEntriesClosed(db, clock, race);
    const QStringList rings = numbered.values();
    const QHash<QString, QString> marked = MarkedLofts(db, race);
    QSet<QString> seen;
    for (const QString& ring : rings) {
        if (!marked.contains(ring)) {
            throw UserError(CompetitionText::tr("Ring %1 is not marked for race %2 of %3.")
                                .arg(ring, race.liberCode, DateText(race.liberDate)));
        }
        if (marked.value(ring) != loftNo) {
            throw UserError(
                CompetitionText::tr("Ring %1 is not a bird of loft %2.").arg(ring, loftNo));
        }
        if (seen.contains(ring)) {
            throw UserError(CompetitionText::tr("Ring %1 is nominated twice.").arg(ring));
        }
        seen.insert(ring);
    }
    db.transaction([&] {
        EnsurePoolTables(db);
        WriteNominations(db, race, loftNo, numbered);
    });
}

QList<PoolEntry> PoolEntries(TdmZOLF& db, const RaceId& race) {
    QList<PoolEntry> entries;
    try {
        QSqlQuery q =
            db.select(QStringLiteral("select e.PoolName, e.LoftNo, e.PRingNo from "
                                     "KST_PoolEntry e left join KST_Pool p on "
                                     "p.LiberCode=e.LiberCode and p.LiberDate=e.LiberDate "
                                     "and p.Name=e.PoolName where e.LiberCode=? and "
                                     "e.LiberDate=? order by p.Seq nulls first, e.LoftNo nulls "
                                     "first, e.PRingNo nulls first"),
                      Key(race));
        while (q.next()) {
            entries << PoolEntry{q.value(0).toString(), q.value(1).toString(),
                                 q.value(2).toString()};
        }
    } catch (const DbError&) {
    }
    return entries;
}

namespace {

void CheckPoolName(const QList<PoolDefinition>& pools, const QString& poolName) {
    for (const PoolDefinition& p : pools) {
        if (p.name == poolName) {
            return;
        }
    }
    throw UserError(CompetitionText::tr("The race has no pool %1.").arg(poolName));
}

}  // namespace

void EnterBird(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& poolName,
               const QString& ringNo) {
    RefuseIfEntriesClosed(db, clock, race);
    CheckPoolName(RacePools(db, race), poolName);
    const QHash<QString, QString> marked = MarkedLofts(db, race);
    if (!marked.contains(ringNo)) {
        throw UserError(CompetitionText::tr("Ring %1 is not marked for race %2 of %3.")
                            .arg(ringNo, race.liberCode, DateText(race.liberDate)));
    }
    db.transaction([&] {
        EnsurePoolTables(db);
        db.exec(QStringLiteral("delete from KST_PoolEntry where LiberCode=? and LiberDate=? and "
                               "PoolName=? and PRingNo=?"),
                Key(race) + QVariantList{poolName, ringNo});
        db.exec(QStringLiteral("insert into KST_PoolEntry (LiberCode, LiberDate, PoolName, "
                               "PRingNo, LoftNo) values(?,?,?,?,?)"),
                Key(race) + QVariantList{poolName, ringNo, marked.value(ringNo)});
    });
}

void WithdrawBird(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& poolName,
                  const QString& ringNo) {
    RefuseIfEntriesClosed(db, clock, race);
    db.transaction([&] {
        EnsurePoolTables(db);
        db.exec(QStringLiteral("delete from KST_PoolEntry where LiberCode=? and LiberDate=? and "
                               "PoolName=? and PRingNo=?"),
                Key(race) + QVariantList{poolName, ringNo});
    });
}

void ReplaceEntries(TdmZOLF& db, const Clock& clock, const RaceId& race,
                    const QList<EntryRow>& rows) {
    RefuseIfEntriesClosed(db, clock, race);
    const QList<PoolDefinition> pools = RacePools(db, race);
    QSet<QString> poolNames;
    for (const PoolDefinition& p : pools) {
        poolNames.insert(p.name);
    }
    const QHash<QString, QString> marked = MarkedLofts(db, race);
    QStringList problems;
    auto problem = [&](const EntryRow& r, const QString& text) {
        problems << (r.row > 0 ? CompetitionText::tr("Row %1: %2").arg(r.row).arg(text) : text);
    };
    QSet<QString> rings;
    // Per loft, its nominated rings by nomination number.
    QHash<QString, QMap<int, QString>> nominations;
    QSet<QString> lofts;
    for (const EntryRow& r : rows) {
        if (!marked.contains(r.ringNo)) {
            problem(r, CompetitionText::tr("ring %1 is not marked for this race.").arg(r.ringNo));
            continue;
        }
        if (!r.loftNo.isEmpty() && marked.value(r.ringNo) != r.loftNo) {
            problem(
                r,
                CompetitionText::tr("ring %1 is not a bird of loft %2.").arg(r.ringNo, r.loftNo));
            continue;
        }
        if (rings.contains(r.ringNo)) {
            problem(r, CompetitionText::tr("ring %1 is given twice.").arg(r.ringNo));
            continue;
        }
        rings.insert(r.ringNo);
        const QString loft = marked.value(r.ringNo);
        lofts.insert(loft);
        if (r.nomination < 0) {
            problem(
                r,
                CompetitionText::tr("the nomination of ring %1 cannot be negative.").arg(r.ringNo));
        } else if (r.nomination > 0) {
            if (nominations[loft].contains(r.nomination)) {
                problem(r, CompetitionText::tr("loft %1 gives nomination %2 twice.")
                               .arg(loft)
                               .arg(r.nomination));
            }
            nominations[loft].insert(r.nomination, r.ringNo);
        }
        for (const QString& pool : r.pools) {
            if (!poolNames.contains(pool)) {
                problem(r, CompetitionText::tr("the race has no pool %1.").arg(pool));
            }
        }
    }
    if (!problems.isEmpty()) {
        const int shown = 10;
        QString text = CompetitionText::tr("The entries were not stored:") + QLatin1Char('\n') +
                       QStringList(problems.mid(0, shown)).join(QLatin1Char('\n'));
        if (problems.size() > shown) {
            text += QLatin1Char('\n') +
                    CompetitionText::tr("... and %1 more.").arg(problems.size() - shown);
        }
        throw UserError(text);
    }
    db.transaction([&] {
        EnsurePoolTables(db);
        for (const QString& loft : lofts) {
            db.exec(QStringLiteral("delete from KST_PoolEntry where LiberCode=? and LiberDate=? "
                                   "and LoftNo=?"),
                    Key(race) + QVariantList{loft});
            // The numbers as written in the sheet.
            WriteNominations(db, race, loft, nominations.value(loft));
        }
        for (const EntryRow& r : rows) {
            for (const QString& pool : r.pools) {
                db.exec(QStringLiteral("insert into KST_PoolEntry (LiberCode, LiberDate, "
                                       "PoolName, PRingNo, LoftNo) values(?,?,?,?,?)"),
                        Key(race) + QVariantList{pool, r.ringNo, marked.value(r.ringNo)});
            }
        }
    });
}

QList<PoolPayout> RacePayouts(TdmZOLF& db, const RaceId& race) {
    const QList<PoolDefinition> pools = RacePools(db, race);
    QHash<QString, qint64> speeds;
    for (const RaceBird& b : ReadRaceBirds(db, race)) {
        speeds.insert(b.ringNo, b.speedMilli);
    }
    QHash<QString, int> nomination;
    try {
        QSqlQuery q = db.select(QStringLiteral("select PRingNo, NomOrder from KST_Nomination "
                                               "where LiberCode=? and LiberDate=?"),
                                Key(race));
        while (q.next()) {
            nomination.insert(q.value(0).toString(), q.value(1).toInt());
        }
    } catch (const DbError&) {
    }
    QHash<QString, QList<PoolBird>> birds;
    for (const PoolEntry& e : PoolEntries(db, race)) {
        birds[e.poolName] << PoolBird{e.loftNo, e.ringNo, nomination.value(e.ringNo),
                                      speeds.value(e.ringNo)};
    }
    QList<PoolPayout> out;
    for (const PoolDefinition& p : pools) {
        out << ComputePoolPayout(p, birds.value(p.name));
    }
    return out;
}

void CreatePoolTables(TdmZOLF& db) {
    EnsurePoolTables(db);
}
