// competitions: the payout of a race's pools and a season's championship standings, each against
// the straightforward per-bird loop, on the same generated data in the same run.
//
// Pools: one race of 20,000 pool entries in 10 pools (500 lofts, nominations, speeds with ties).
// The loop goes through the race's entry table once per bird, counting the faster and the equal
// birds of its pool, and shares its tie's prizes bird by bird. Championships: 30 races of 20,000
// entries each, lofts on the common rule; the loop finds every loft's best bird in every race by
// scanning the race and counts the birds faster than it. Both pairs must give the same money and
// the same scores.
//
//   competitions [entries [races]]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

#include "competitions/championship.h"
#include "competitions/pool_payout.h"

namespace {

constexpr int kLofts = 500;
constexpr int kPools = 10;

QString Loft(int i) {
    return QString::asprintf("%03d", i % kLofts + 1);
}

// Speeds in thousandths, rounded to a tenth so that equal speeds occur.
qint64 RandomSpeed(QRandomGenerator& random) {
    if (random.bounded(10) == 0) {
        return 0;  // not clocked
    }
    return (9000 + random.bounded(6000)) * 100;
}

// The race's pool entries as one table, as they are stored: a bird and the pool it is in.
struct Entry {
    int pool = 0;
    PoolBird bird;
};

// Per-bird prizes by the plain loop over the entry table: a bird's place is 1 + the counted
// birds of its pool strictly faster; its tie is every counted bird of its pool as fast; the
// tie's pot is the prizes of the places it covers.
QList<QHash<QString, Cents>> LoopPayouts(const QList<PoolDefinition>& pools,
                                         const QList<Entry>& entries) {
    auto counted = [&](const Entry& e) {
        const int first = pools[e.pool].countFirst;
        return first <= 0 || (e.bird.nomination >= 1 && e.bird.nomination <= first);
    };
    QList<QList<Cents>> prizes;
    for (int p = 0; p < pools.size(); ++p) {
        int n = 0;
        for (const Entry& e : entries) {
            n += e.pool == p && counted(e) ? 1 : 0;
        }
        const Cents stakes = pools[p].stake * n;
        prizes << PrizeTable(pools[p], n, stakes - stakes * pools[p].deduction / 10000);
    }
    QList<QHash<QString, Cents>> won(pools.size());
    for (const Entry& e : entries) {
        if (!counted(e) || e.bird.speedMilli <= 0) {
            continue;
        }
        int faster = 0;
        int equal = 0;
        for (const Entry& o : entries) {
            if (o.pool != e.pool || !counted(o)) {
                continue;
            }
            faster += o.bird.speedMilli > e.bird.speedMilli ? 1 : 0;
            equal += o.bird.speedMilli == e.bird.speedMilli ? 1 : 0;
        }
        const QList<Cents>& table = prizes[e.pool];
        Cents pot = 0;
        for (int k = faster; k < faster + equal && k < table.size(); ++k) {
            pot += table[k];
        }
        if (pot / equal > 0) {
            won[e.pool].insert(e.bird.ringNo, pot / equal);
        }
    }
    return won;
}

// Loft scores by the plain loop over every loft and race.
QHash<QString, qint64> LoopStandings(const QList<SeasonRace>& races) {
    QHash<QString, qint64> scores;
    for (int l = 0; l < kLofts; ++l) {
        const QString loft = Loft(l);
        qint64 total = 0;
        for (const SeasonRace& race : races) {
            qint64 best = 0;
            for (const RaceBird& b : race.birds) {
                if (b.loftNo == loft && b.speedMilli > best) {
                    best = b.speedMilli;
                }
            }
            if (best <= 0) {
                continue;
            }
            int faster = 0;
            for (const RaceBird& b : race.birds) {
                faster += b.speedMilli > best ? 1 : 0;
            }
            total += CommonRulePoints(faster + 1, int(race.birds.size()));
        }
        scores.insert(loft, total);
    }
    return scores;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int raceCount = argc > 2 ? std::atoi(argv[2]) : 30;
    QRandomGenerator random(2026);

    // Pools: levels from 0.50 to 5.00, split or one prize per N, some counting nominations.
    QList<PoolDefinition> pools;
    QList<Entry> table;
    for (int p = 0; p < kPools; ++p) {
        PoolDefinition d;
        d.name = QStringLiteral("Pool %1").arg(p + 1);
        d.stake = 50 * (p + 1);
        d.deduction = 1000;
        if (p % 2 == 0) {
            d.split = {5000, 3000, 2000};
        } else {
            d.rule = PrizeRule::OnePerN;
            d.birdsPerPrize = 4 + p;
        }
        d.countFirst = p % 3 == 0 ? 3 : 0;
        pools << d;
    }
    for (int i = 0; i < entries; ++i) {
        table << Entry{i % kPools,
                       PoolBird{Loft(i / kPools), QString::asprintf("GB26-%07d", i),
                                int(i / (kPools * kLofts)) % 6 + 1, RandomSpeed(random)}};
    }
    // The best of five runs of the program's way: the entries grouped by pool, then each pool
    // paid out.
    QElapsedTimer timer;
    QList<PoolPayout> payouts;
    double fastPools = 1e300;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        QList<QList<PoolBird>> poolBirds(kPools);
        for (const Entry& e : table) {
            poolBirds[e.pool] << e.bird;
        }
        payouts.clear();
        for (int p = 0; p < kPools; ++p) {
            payouts << ComputePoolPayout(pools[p], poolBirds[p]);
        }
        fastPools = std::min(fastPools, timer.nsecsElapsed() / 1e6);
    }
    timer.restart();
    const QList<QHash<QString, Cents>> loopPayouts = LoopPayouts(pools, table);
    const double loopPools = timer.nsecsElapsed() / 1e6;
    bool samePools = true;
    for (int p = 0; p < kPools; ++p) {
        samePools = samePools && payouts[p].balances();
        QHash<QString, Cents> won;
        for (const PoolLine& l : payouts[p].lines) {
            if (l.prize > 0) {
                won.insert(l.ringNo, l.prize);
            }
        }
        samePools = samePools && won == loopPayouts[p];
    }

    // Championships: every loft's 40 birds, each entered in most races.
    QList<SeasonRace> races;
    for (int r = 0; r < raceCount; ++r) {
        SeasonRace race{{QString::number(r + 1), QDate(2026, 4, 4).addDays(7 * r)}, {}};
        race.birds.reserve(entries);
        for (int i = 0; i < entries; ++i) {
            if (random.bounded(20) == 0) {
                continue;  // not sent this week
            }
            race.birds << RaceBird{Loft(i), QString::asprintf("GB26-%07d", i), RandomSpeed(random)};
        }
        races << race;
    }
    ChampionshipDefinition champ;
    champ.name = QStringLiteral("Season");
    champ.season = 2026;
    champ.rule = ChampionshipRule::CommonRule;
    Standings standings;
    double fastChamp = 1e300;
    for (int run = 0; run < 5; ++run) {
        timer.restart();
        standings = ComputeStandings(champ, races);
        fastChamp = std::min(fastChamp, timer.nsecsElapsed() / 1e6);
    }
    timer.restart();
    const QHash<QString, qint64> loopScores = LoopStandings(races);
    const double loopChamp = timer.nsecsElapsed() / 1e6;
    bool sameChamp = standings.rows.size() == loopScores.size();
    for (const Standing& s : standings.rows) {
        sameChamp = sameChamp && loopScores.value(s.loftNo, -1) == s.score;
    }

    std::printf("pools: %d entries in %d pools: %.1f ms, per-bird loop %.1f ms, same results: %s\n",
                entries, kPools, fastPools, loopPools, samePools ? "yes" : "NO");
    std::printf("pools speed-up: %.1fx\n", loopPools / fastPools);
    std::printf(
        "championships: %d races of %d entries: %.1f ms, per-bird loop %.1f ms, same "
        "results: %s\n",
        raceCount, entries, fastChamp, loopChamp, sameChamp ? "yes" : "NO");
    std::printf("championships speed-up: %.1fx\n", loopChamp / fastChamp);
    return samePools && sameChamp ? 0 : 1;
}
