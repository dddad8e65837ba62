#include "championship.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "race_types.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Competitions", text);
}

constexpr qint64 kCoefficientScale = 1000;  // thousandths of the coefficient
constexpr qint64 kWorstCoefficient = 1000 * kCoefficientScale;

bool LowerWins(ChampionshipRule rule) {
    return rule == ChampionshipRule::Coefficient;
}

qint64 MissedValue(ChampionshipRule rule) {
    return rule == ChampionshipRule::Coefficient ? kWorstCoefficient : 0;
}

struct Competitor {
    QString loftNo;
    QString ringNo;
    QList<qint64> values;
    int flown = 0;
};

}  // namespace

void ChampionshipDefinition::check() const {
    if (name.trimmed().isEmpty()) {
        throw UserError(tr("A championship needs a name."));
    }
    if (rule == ChampionshipRule::PointsTable && points.isEmpty()) {
        throw UserError(tr("Championship %1 needs a table of points by place.").arg(name));
    }
    for (int p : points) {
        if (p < 0) {
            throw UserError(tr("The points of championship %1 cannot be negative.").arg(name));
        }
    }
    if (bestN < 0 || ofM < 0) {
        throw UserError(
            tr("The numbers of races of championship %1 cannot be negative.").arg(name));
    }
    if (bestN > 0 && ofM > 0 && bestN > ofM) {
        throw UserError(tr("Championship %1 counts the best %2 of %3 races: the best cannot "
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
    const qint64 prizes = std::max(1, entered / 4);
    if (place > prizes) {
        return 0;
    }
    return 10000 * (prizes - place + 1) / prizes;
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
    const qint64 missed = MissedValue(champ.rule);
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
        c.values.fill(missed, raceCount);
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
        const int entered = int(birds.size());
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
                    value = CommonRulePoints(place, entered);
                    break;
                case ChampionshipRule::BestAverage:
                    value = speed;
                    break;
                case ChampionshipRule::Coefficient:
                    value = qint64(place) * 1000 * kCoefficientScale / entered;
                    break;
            }
            competitors[at].values[r] = value;
            ++competitors[at].flown;
        }
    }

    const bool lower = LowerWins(champ.rule);
    for (const Competitor& c : competitors) {
        Standing s;
        s.loftNo = c.loftNo;
        s.ringNo = c.ringNo;
        s.perRace = c.values;
        s.racesFlown = c.flown;
        // The best N races: the highest values, or the lowest coefficients; earlier races first
        // among equal values.
        QList<qsizetype> order(raceCount);
        for (qsizetype i = 0; i < raceCount; ++i) {
            order[i] = i;
        }
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return lower ? c.values[a] < c.values[b] : c.values[a] > c.values[b];
        });
        const qsizetype n =
            champ.bestN > 0 ? std::min<qsizetype>(champ.bestN, raceCount) : raceCount;
        s.counted.fill(false, raceCount);
        qint64 total = 0;
        for (qsizetype i = 0; i < n; ++i) {
            s.counted[order[i]] = true;
            total += c.values[order[i]];
        }
        s.score = champ.rule == ChampionshipRule::BestAverage ? (n > 0 ? total / n : 0) : total;
        out.rows << s;
    }
    std::sort(out.rows.begin(), out.rows.end(), [&](const Standing& a, const Standing& b) {
        if (a.score != b.score) {
            return lower ? a.score < b.score : a.score > b.score;
        }
        if (a.loftNo != b.loftNo) {
            return a.loftNo < b.loftNo;
        }
        return a.ringNo < b.ringNo;
    });
    for (qsizetype i = 0; i < out.rows.size(); ++i) {
        const bool sameAsBefore = i > 0 && out.rows[i].score == out.rows[i - 1].score;
        out.rows[i].place = sameAsBefore ? out.rows[i - 1].place : int(i + 1);
        const bool sameAsNext =
            i + 1 < out.rows.size() && out.rows[i].score == out.rows[i + 1].score;
        out.rows[i].tie = sameAsBefore || sameAsNext;
    }
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
