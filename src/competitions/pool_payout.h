#pragma once

#include <QList>
#include <QString>

#include "competition_types.h"

// The money of a race's pools, worked out from the race's ranking. Everything is whole cents:
// shares are rounded down to the cent and what rounding leaves over is stated, so that the pool
// sheet always balances: stakes = prizes paid + club deduction + remainder.

enum class PrizeRule {
    Split,    // a fixed split of the prize money over the first places (50/30/20 %)
    OnePerN,  // one prize per N birds in the pool, all prizes equal
};

struct PoolDefinition {
    QString name;
    Cents stake = 0;  // per bird
    PrizeRule rule = PrizeRule::Split;
    QList<int> split;       // hundredths of a percent per place, adding up to 100 %
    int birdsPerPrize = 0;  // for OnePerN
    int deduction = 0;      // the club's deduction, hundredths of a percent of the stakes
    int countFirst = 0;     // only a loft's first N nominated birds are in the pool; 0: all

    // Throws UserError naming the pool when the definition cannot be paid out (a split that
    // does not add up to 100 %, no birds per prize, no stake, a deduction of 100 % or more).
    void check() const;
};

// A bird entered in the pool by its loft, with its nomination number for the race (0 when the
// loft did not nominate it) and its stored speed (0 when it was not clocked).
struct PoolBird {
    QString loftNo;
    QString ringNo;
    int nomination = 0;
    qint64 speedMilli = 0;
};

struct PoolLine {
    QString loftNo;
    QString ringNo;
    int nomination = 0;
    bool counted = false;  // false: nominated beyond the pool's count (no stake, no prize)
    int place = 0;         // in the pool; 0 when not clocked or not counted
    bool tie = false;      // shares its place with another bird
    qint64 speedMilli = 0;
    Cents stake = 0;
    Cents prize = 0;
};

struct PoolPayout {
    PoolDefinition pool;
    // Placed birds by place (ties by ring), then the unplaced counted birds, then the birds
    // not counted.
    QList<PoolLine> lines;
    int birds = 0;           // counted birds
    QList<Cents> prizes;     // the prize of each place before ties are shared
    Cents stakes = 0;        // counted birds x stake
    Cents deduction = 0;     // the club's share, rounded down
    Cents prizeMoney = 0;    // stakes - deduction
    Cents paid = 0;          // paid to the winners
    Cents roundingLeft = 0;  // what rounding down the prizes and the tied shares leaves
    Cents unclaimed = 0;     // prizes of places no bird reached

    Cents remainder() const { return roundingLeft + unclaimed; }
    bool balances() const { return stakes == paid + deduction + remainder(); }
};

// A stake per bird above this (100.00) is asked about before it is stored: a stake typed with
// digits too many is more likely than a pool of that size.
inline constexpr Cents kPlausibleStake = 10000;

// The payout of one pool. Only counted birds with a speed are placed; equal speeds share the
// prize money of the places they cover, each receiving the share rounded down to the cent.
PoolPayout ComputePoolPayout(const PoolDefinition& pool, const QList<PoolBird>& birds);

// The prize of each place: a split of the prize money, or for one prize per N birds, one equal
// prize per N counted birds (at least one prize when the pool has a bird).
QList<Cents> PrizeTable(const PoolDefinition& pool, int birds, Cents prizeMoney);

// What each loft staked and won over all the pools of the race, by loft number.
struct LoftPayout {
    QString loftNo;
    int birds = 0;  // counted pool entries
    Cents stakes = 0;
    Cents prizes = 0;
};
QList<LoftPayout> PayoutPerLoft(const QList<PoolPayout>& pools);
