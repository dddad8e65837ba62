#include "championship.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "race_types.h"

namespace {

struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};

constexpr qint64 kCoefficientScale = 1000;  // thousandths of the coefficient

bool LowerWins(ChampionshipRule rule) {
    return rule == ChampionshipRule::Coefficient;
}

struct Competitor {
    QString loftNo;
    QString ringNo;
    QList<qint64> values;  // per race, the numerator over the race's denominator
    int flown = 0;
};

// A whole number of any size (digits base 2^32, lowest first), for adding up the fractions of
// the common rule and the coefficient exactly: a rounded value per race would make two equal
// totals differ in the last decimal, and decide a tie.
using BigNumber = std::vector<quint32>;

void Trim(BigNumber& a) {
    while (!a.empty() && a.back() == 0) {
        a.pop_back();
    }
}

BigNumber Times(const BigNumber& a, quint32 factor) {
    BigNumber out;
    out.reserve(a.size() + 1);
    quint64 carry = 0;
    for (const quint32 digit : a) {
        const quint64 t = quint64(digit) * factor + carry;
        out.push_back(quint32(t));
        carry = t >> 32;
    }
    if (carry != 0) {
        out.push_back(quint32(carry));
    }
    Trim(out);
    return out;
}

void Add(BigNumber& a, const BigNumber& b) {
    if (a.size() < b.size()) {
        a.resize(b.size(), 0);
    }
    quint64 carry = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const quint64 t = quint64(a[i]) + (i < b.size() ? b[i] : 0) + carry;
        a[i] = quint32(t);
        carry = t >> 32;
    }
    if (carry != 0) {
        a.push_back(quint32(carry));
    }
}

// a x factor, for a factor of up to 64 bits.
BigNumber Times(const BigNumber& a, quint64 factor) {
    BigNumber out = Times(a, quint32(factor));
    if (factor >> 32 != 0) {
        BigNumber high = Times(a, quint32(factor >> 32));
        if (!high.empty()) {
            high.insert(high.begin(), 0);
        }
        Add(out, high);
    }
    return out;
}

// a / divisor and a % divisor.
std::pair<BigNumber, quint32> Divided(const BigNumber& a, quint32 divisor) {
    BigNumber quotient(a.size(), 0);
    quint64 rest = 0;
    for (size_t i = a.size(); i-- > 0;) {
        const quint64 current = (rest << 32) | a[i];
        quotient[i] = quint32(current / divisor);
        rest = current % divisor;
    }
    Trim(quotient);
    return {quotient, quint32(rest)};
}

int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

long double Approximately(const BigNumber& a) {
    long double out = 0;
    for (size_t i = a.size(); i-- > 0;) {
        out = out * 4294967296.0L + a[i];
    }
    return out;
}

// What one unit of a value is in the rule's printed unit: a race gives a fraction of 100 points
// (hundredths) under the common rule, a fraction of 1000 (thousandths) as a coefficient, and whole
// hundredths or thousandths otherwise.
qint64 PrintedScale(ChampionshipRule rule) {
    switch (rule) {
        case ChampionshipRule::CommonRule:
            return 10000;
        case ChampionshipRule::Coefficient:
            return 1000 * kCoefficientScale;
        default:
            return 1;
    }
}

// numerator / denominator x scale, rounded to the nearest whole unit.
qint64 Rounded(qint64 numerator, qint64 denominator, qint64 scale) {
    const __int128 scaled = __int128(numerator) * scale;
    return qint64((2 * scaled + denominator) / (2 * __int128(denominator)));
}

}  // namespace

void ChampionshipDefinition::check() const {
    if (name.trimmed().isEmpty()) {
        throw UserError(CompetitionText::tr("A championship needs a name."));
    }
    if (rule == ChampionshipRule::PointsTable && points.isEmpty()) {
        throw UserError(
            CompetitionText::tr("Championship %1 needs a table of points by place.").arg(name));
    }
    for (int p : points) {
        if (p < 0) {
            throw UserError(
                CompetitionText::tr("The points of championship %1 cannot be negative.").arg(name));
        }
    }
    if (bestN < 0 || ofM < 0) {
        throw UserError(
            CompetitionText::tr("The numbers of races of championship %1 cannot be negative.")
                .arg(name));
    }
    if (bestN > 0 && ofM > 0 && bestN > ofM) {
        throw UserError(
            CompetitionText::tr("Championship %1 counts the best %2 of %3 races: the best cannot "
                                "be more than the races.")
                .arg(name)
                .arg(bestN)
                .arg(ofM));
    }
}

qint64 CommonRulePoints(int place, int entered) {
    if (place <= 0 || entered <= 0) {
        return 0;
    }
    const qint64 prizes = PrizeCount(entered, 4);
    if (place > prizes) {
        return 0;
    }
    return Rounded(prizes - place + 1, prizes, 10000);
}

QString ScoreText(const ChampionshipDefinition& champ, qint64 score) {
    if (champ.rule == ChampionshipRule::PointsTable || champ.rule == ChampionshipRule::CommonRule) {
        const QString t = MilliText(score * 10);
        return t.left(t.size() - 1);
    }
    return MilliText(score);
}

Standings ComputeStandings(const ChampionshipDefinition& champ, const QList<SeasonRace>& all) {
    Standings out;
    out.championship = champ;
    const QList<SeasonRace> races = champ.ofM > 0 ? all.mid(0, champ.ofM) : all;
    const qsizetype raceCount = races.size();
    for (const SeasonRace& r : races) {
        out.races << r.key;
    }
    const bool pigeons = champ.subject == ChampionshipSubject::Pigeons;
    // Each race's values are exact fractions over the race's own denominator (the prizes of the
    // common rule, the birds entered for the coefficient, 1 otherwise); a missed race gives 0, or
    // the worst coefficient (entered / entered).
    QList<qint64> denominators(raceCount, 1);
    QList<qint64> missedRow(raceCount, 0);
    for (qsizetype r = 0; r < raceCount; ++r) {
        const int entered = int(races[r].birds.size());
        if (champ.rule == ChampionshipRule::CommonRule) {
            denominators[r] = std::max(1, PrizeCount(entered, 4));
        } else if (champ.rule == ChampionshipRule::Coefficient) {
            denominators[r] = std::max(1, entered);
            missedRow[r] = denominators[r];
        }
    }
    QHash<QString, qsizetype> index;
    QList<Competitor> competitors;
    auto competitorOf = [&](const RaceBird& b) -> qsizetype {
        const QString& key = pigeons ? b.ringNo : b.loftNo;
        auto it = index.constFind(key);
        if (it != index.constEnd()) {
            return *it;
        }
        Competitor c;
        c.loftNo = b.loftNo;
        c.ringNo = pigeons ? b.ringNo : QString();
        c.values = missedRow;
        competitors << c;
        index.insert(key, competitors.size() - 1);
        return competitors.size() - 1;
    };

    // Per race: every competitor's best speed (one pass over the birds), then its place, which
    // is 1 + the clocked birds of the race strictly faster (birds of no known loft included).
    QList<qint64> best;
    QList<qsizetype> touched;
    QList<qint64> speeds;
    for (qsizetype r = 0; r < raceCount; ++r) {
        const QList<RaceBird>& birds = races[r].birds;
        speeds.clear();
        touched.clear();
        for (const RaceBird& b : birds) {
            if (b.speedMilli > 0) {
                speeds << b.speedMilli;
            }
            if (!pigeons && b.loftNo.isEmpty()) {
                continue;  // a ring no loft holds competes for no loft
            }
            const qsizetype at = competitorOf(b);
            if (best.size() < competitors.size()) {
                best.resize(competitors.size(), 0);
            }
            if (b.speedMilli > best[at]) {
                if (best[at] == 0) {
                    touched << at;
                }
                best[at] = b.speedMilli;
            }
        }
        std::sort(speeds.begin(), speeds.end(), std::greater<qint64>());
        for (qsizetype at : touched) {
            const qint64 speed = best[at];
            best[at] = 0;
            const int place = int(std::lower_bound(speeds.cbegin(), speeds.cend(), speed,
                                                   std::greater<qint64>()) -
                                  speeds.cbegin()) +
                              1;
            qint64 value = 0;
            switch (champ.rule) {
                case ChampionshipRule::PointsTable:
                    value =
                        place <= champ.points.size() ? qint64(champ.points[place - 1]) * 100 : 0;
                    break;
                case ChampionshipRule::CommonRule:
                    value = place <= denominators[r] ? denominators[r] - place + 1 : 0;
                    break;
                case ChampionshipRule::BestAverage:
                    value = speed;
                    break;
                case ChampionshipRule::Coefficient:
                    value = place;
                    break;
            }
            competitors[at].values[r] = value;
            ++competitors[at].flown;
        }
    }

    // The totals are added up exactly over one denominator for all races (their least common
    // multiple): each race's value times that multiple over the race's denominator.
    BigNumber common{1};
    for (const qint64 d : std::as_const(denominators)) {
        const quint32 rest = Divided(common, quint32(d)).second;
        common = Times(common, quint64(d / std::gcd(qint64(rest), d)));
    }
    const bool whole = common == BigNumber{1};
    std::vector<BigNumber> multipliers;
    multipliers.reserve(size_t(raceCount));
    for (const qint64 d : std::as_const(denominators)) {
        multipliers.push_back(Divided(common, quint32(d)).first);
    }
    const qint64 scale = PrintedScale(champ.rule);
    std::vector<BigNumber> exact;
    exact.reserve(size_t(competitors.size()));

    const bool lower = LowerWins(champ.rule);
    for (Competitor& c : competitors) {
        Standing s;
        s.loftNo = c.loftNo;
        s.ringNo = c.ringNo;
        s.perRace.resize(raceCount);
        for (qsizetype r = 0; r < raceCount; ++r) {
            s.perRace[r] = Rounded(c.values[r], denominators[r], scale);
        }
        s.racesFlown = c.flown;
        // The best N races: the highest values, or the lowest coefficients; earlier races first
        // among equal values.
        QList<qsizetype> order(raceCount);
        for (qsizetype i = 0; i < raceCount; ++i) {
            order[i] = i;
        }
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            const __int128 x = __int128(c.values[a]) * denominators[b];
            const __int128 y = __int128(c.values[b]) * denominators[a];
            return lower ? x < y : x > y;
        });
        const qsizetype n =
            champ.bestN > 0 ? std::min<qsizetype>(champ.bestN, raceCount) : raceCount;
        s.counted.fill(false, raceCount);
        BigNumber total;
        for (qsizetype i = 0; i < n; ++i) {
            s.counted[order[i]] = true;
            Add(total, Times(multipliers[size_t(order[i])], quint64(c.values[order[i]])));
        }
        // Only the printed score is rounded; places and ties are decided on the exact total (an
        // average has the same number of races for everyone, so its total decides).
        const qint64 divisor =
            champ.rule == ChampionshipRule::BestAverage ? std::max<qint64>(1, n) : 1;
        if (whole && total.size() <= 1) {
            s.score = Rounded(total.empty() ? 0 : qint64(total[0]), divisor, scale);
        } else {
            s.score = qint64(
                std::llround(Approximately(total) * scale / (Approximately(common) * divisor)));
        }
        exact.push_back(std::move(total));
        out.rows << s;
        // A season of many races and pigeons holds a value per pigeon per race: each
        // competitor's goes as soon as its standing holds what is shown of it.
        c.values = QList<qint64>();
    }
    QList<qsizetype> ranked(out.rows.size());
    for (qsizetype i = 0; i < ranked.size(); ++i) {
        ranked[i] = i;
    }
    const auto exactOrder = [&](qsizetype a, qsizetype b) {
        return Compare(exact[size_t(a)], exact[size_t(b)]);
    };
    std::sort(ranked.begin(), ranked.end(), [&](qsizetype a, qsizetype b) {
        if (const int c = exactOrder(a, b); c != 0) {
            return lower ? c < 0 : c > 0;
        }
        const Standing& x = out.rows[a];
        const Standing& y = out.rows[b];
        if (x.loftNo != y.loftNo) {
            return x.loftNo < y.loftNo;
        }
        return x.ringNo < y.ringNo;
    });
    QList<Standing> rows;
    rows.reserve(out.rows.size());
    for (qsizetype i = 0; i < ranked.size(); ++i) {
        rows << out.rows[ranked[i]];
        const bool sameAsBefore = i > 0 && exactOrder(ranked[i], ranked[i - 1]) == 0;
        rows[i].place = sameAsBefore ? rows[i - 1].place : int(i + 1);
        const bool sameAsNext = i + 1 < ranked.size() && exactOrder(ranked[i], ranked[i + 1]) == 0;
        rows[i].tie = sameAsBefore || sameAsNext;
    }
    out.rows = std::move(rows);
    return out;
}

namespace {

void EnsureChampionshipTable(TdmZOLF& db) {
    db.exec(QStringLiteral(
        "create table if not exists KST_Championship (Name TEXT primary key, Season integer, "
        "RaceTypes TEXT, RuleKind TEXT, Points TEXT, BestN integer, OfM integer, Subject TEXT)"));
}

const char* const kRuleNames[] = {"Points", "Common", "Average", "Coefficient"};

QString RuleName(ChampionshipRule rule) {
    return QLatin1String(kRuleNames[int(rule)]);
}

ChampionshipRule RuleOf(const QString& name) {
    for (int i = 0; i < 4; ++i) {
        if (name == QLatin1String(kRuleNames[i])) {
            return ChampionshipRule(i);
        }
    }
    return ChampionshipRule::PointsTable;
}

}  // namespace

QList<ChampionshipDefinition> Championships(TdmZOLF& db) {
    QList<ChampionshipDefinition> out;
    try {
        QSqlQuery q =
            db.select(QStringLiteral("select Name, Season, RaceTypes, RuleKind, Points, "
                                     "BestN, OfM, Subject from KST_Championship "
                                     "order by Name"));
        while (q.next()) {
            ChampionshipDefinition c;
            c.name = q.value(0).toString();
            c.season = q.value(1).toInt();
            c.raceTypes = q.value(2).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            c.rule = RuleOf(q.value(3).toString());
            for (const QString& p :
                 q.value(4).toString().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                c.points << p.trimmed().toInt();
            }
            c.bestN = q.value(5).toInt();
            c.ofM = q.value(6).toInt();
            c.subject = q.value(7).toString() == QLatin1String("Pigeons")
                            ? ChampionshipSubject::Pigeons
                            : ChampionshipSubject::Lofts;
            out << c;
        }
    } catch (const DbError&) {
    }
    return out;
}

void SaveChampionship(TdmZOLF& db, const ChampionshipDefinition& c) {
    c.check();
    QStringList points;
    for (int p : c.points) {
        points << QString::number(p);
    }
    db.transaction([&] {
        EnsureChampionshipTable(db);
        db.exec(QStringLiteral("delete from KST_Championship where Name=?"), {c.name});
        db.exec(QStringLiteral("insert into KST_Championship (Name, Season, RaceTypes, RuleKind, "
                               "Points, BestN, OfM, Subject) values(?,?,?,?,?,?,?,?)"),
                {c.name, c.season, c.raceTypes.join(QLatin1Char('\n')), RuleName(c.rule),
                 points.join(QLatin1Char(',')), c.bestN, c.ofM,
                 c.subject == ChampionshipSubject::Pigeons ? QStringLiteral("Pigeons")
                                                           : QStringLiteral("Lofts")});
    });
}

void DeleteChampionship(TdmZOLF& db, const QString& name) {
    db.transaction([&] {
        EnsureChampionshipTable(db);
        db.exec(QStringLiteral("delete from KST_Championship where Name=?"), {name});
    });
}

QList<SeasonRace> ReadSeasonRaces(TdmZOLF& db, const ChampionshipDefinition& champ) {
    const QString from = QStringLiteral("%1-01-01").arg(champ.season, 4, 10, QLatin1Char('0'));
    const QString to = QStringLiteral("%1-12-31").arg(champ.season, 4, 10, QLatin1Char('0'));
    QSqlQuery q = db.select(QStringLiteral("select distinct LiberCode, substr(LiberDate,1,10) "
                                           "from ZOL_RaceData where substr(LiberDate,1,10)>=? "
                                           "and substr(LiberDate,1,10)<=? order by 2, 1"),
                            {from, to});
    QList<RaceId> keys;
    while (q.next()) {
        keys << RaceId{q.value(0).toString(), ParseDate(q.value(1).toString())};
    }
    QList<SeasonRace> races;
    for (const RaceId& key : keys) {
        if (!champ.raceTypes.isEmpty()) {
            bool match = false;
            for (const QString& t : RaceTypes(db, key)) {
                match = match || champ.raceTypes.contains(t);
            }
            if (!match) {
                continue;
            }
        }
        races << SeasonRace{key, ReadRaceBirds(db, key)};
    }
    return races;
}

Standings ReadStandings(TdmZOLF& db, const ChampionshipDefinition& champ) {
    champ.check();
    return ComputeStandings(champ, ReadSeasonRaces(db, champ));
}

void CreateChampionshipTable(TdmZOLF& db) {
    EnsureChampionshipTable(db);
}
