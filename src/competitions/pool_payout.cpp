#include "pool_payout.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>

#include "data/errors.h"

namespace {
struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};
}  // namespace

void PoolDefinition::check() const {
    if (name.trimmed().isEmpty()) {
        throw UserError(CompetitionText::tr("A pool needs a name."));
    }
    if (stake <= 0) {
        throw UserError(
            CompetitionText::tr("Pool %1 needs a stake of more than 0.00 per bird.").arg(name));
    }
    if (rule == PrizeRule::Split) {
        int total = 0;
        for (int s : split) {
            total += s;
        }
        if (split.isEmpty() || total != 10000) {
            throw UserError(
                CompetitionText::tr("The prize split of pool %1 adds up to %2 %, not 100 %.")
                    .arg(name, PercentText(total)));
        }
    } else if (birdsPerPrize <= 0) {
        throw UserError(
            CompetitionText::tr(
                "Pool %1 pays one prize per how many birds? Give a number of 1 or more.")
                .arg(name));
    }
    if (deduction < 0 || deduction >= 10000) {
        // A deduction of 100 % leaves no prize money: every stake would go to the club.
        throw UserError(
            CompetitionText::tr("The deduction of pool %1 must lie from 0 to less than 100 %.")
                .arg(name));
    }
    if (countFirst < 0) {
        throw UserError(
            CompetitionText::tr("The nominated birds counted in pool %1 cannot be negative.")
                .arg(name));
    }
}

QList<Cents> PrizeTable(const PoolDefinition& pool, int birds, Cents prizeMoney) {
    QList<Cents> prizes;
    if (birds <= 0) {
        return prizes;
    }
    if (pool.rule == PrizeRule::Split) {
        for (int share : pool.split) {
            prizes << prizeMoney * share / 10000;
        }
    } else {
        const int count = PrizeCount(birds, pool.birdsPerPrize);
        const Cents each = prizeMoney / count;
        prizes.fill(each, count);
    }
    return prizes;
}

PoolPayout ComputePoolPayout(const PoolDefinition& pool, const QList<PoolBird>& birds) {
    PoolPayout out;
    out.pool = pool;
    QList<PoolLine> counted;
    QList<PoolLine> notCounted;
    for (const PoolBird& b : birds) {
        PoolLine line;
        line.loftNo = b.loftNo;
        line.ringNo = b.ringNo;
        line.nomination = b.nomination;
        line.speedMilli = b.speedMilli;
        line.counted =
            pool.countFirst <= 0 || (b.nomination >= 1 && b.nomination <= pool.countFirst);
        if (line.counted) {
            line.stake = pool.stake;
            counted << line;
        } else {
            notCounted << line;
        }
    }
    out.birds = int(counted.size());
    out.stakes = pool.stake * out.birds;
    out.deduction = out.stakes * pool.deduction / 10000;
    out.prizeMoney = out.stakes - out.deduction;
    out.prizes = PrizeTable(pool, out.birds, out.prizeMoney);
    Cents tablePaid = 0;
    for (Cents p : out.prizes) {
        tablePaid += p;
    }
    out.roundingLeft = out.prizeMoney - tablePaid;

    std::sort(counted.begin(), counted.end(), [](const PoolLine& a, const PoolLine& b) {
        const bool aPlaced = a.speedMilli > 0;
        const bool bPlaced = b.speedMilli > 0;
        if (aPlaced != bPlaced) {
            return aPlaced;
        }
        if (a.speedMilli != b.speedMilli) {
            return a.speedMilli > b.speedMilli;
        }
        if (a.loftNo != b.loftNo) {
            return a.loftNo < b.loftNo;
        }
        return a.ringNo < b.ringNo;
    });
    const qsizetype prizeCount = out.prizes.size();
    qsizetype i = 0;
    while (i < counted.size() && counted[i].speedMilli > 0) {
        qsizetype j = i;
        while (j < counted.size() && counted[j].speedMilli == counted[i].speedMilli) {
            ++j;
        }
        // Birds i..j-1 share places i+1..j and the prizes of those places.
        Cents pot = 0;
        for (qsizetype k = i; k < j && k < prizeCount; ++k) {
            pot += out.prizes[k];
        }
        const qsizetype group = j - i;
        const Cents share = pot / group;
        out.roundingLeft += pot - share * group;
        for (qsizetype k = i; k < j; ++k) {
            counted[k].place = int(i + 1);
            counted[k].tie = group > 1;
            counted[k].prize = share;
            out.paid += share;
        }
        i = j;
    }
    for (qsizetype k = i; k < prizeCount; ++k) {
        out.unclaimed += out.prizes[k];
    }
    std::sort(notCounted.begin(), notCounted.end(), [](const PoolLine& a, const PoolLine& b) {
        return a.loftNo != b.loftNo ? a.loftNo < b.loftNo : a.nomination < b.nomination;
    });
    out.lines = counted + notCounted;
    return out;
}

QList<LoftPayout> PayoutPerLoft(const QList<PoolPayout>& pools) {
    QMap<QString, LoftPayout> lofts;
    for (const PoolPayout& pool : pools) {
        for (const PoolLine& line : pool.lines) {
            if (!line.counted) {
                continue;
            }
            LoftPayout& l = lofts[line.loftNo];
            l.loftNo = line.loftNo;
            ++l.birds;
            l.stakes += line.stake;
            l.prizes += line.prize;
        }
    }
    return lofts.values();
}
