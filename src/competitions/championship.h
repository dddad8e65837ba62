#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "competition_types.h"

class TdmZOLF;

// Championships over a season: standings of lofts or of single pigeons (ace pigeons) over the
// season's races of chosen types, recomputed from the stored rankings whenever they are asked
// for. A loft competes in a race with its best bird; a pigeon with itself.

enum class ChampionshipRule {
    PointsTable,  // points by place from the club's table (place 1 gets the first number)
    CommonRule,   // 100 points for the first prize down to the last prize-winner, one prize per
                  // four birds entered
    BestAverage,  // average speed over the best N of the first M races
    Coefficient,  // place x 1000 / birds entered, added up; lowest wins
};

enum class ChampionshipSubject { Lofts, Pigeons };

struct ChampionshipDefinition {
    QString name;
    int season = 0;         // the year of the races it counts
    QStringList raceTypes;  // races with any of these types count; empty: every race
    ChampionshipRule rule = ChampionshipRule::PointsTable;
    QList<int> points;  // whole points per place, for PointsTable
    int bestN = 0;      // only the best N races count (0: all)
    int ofM = 0;        // only the season's first M races count (0: all)
    ChampionshipSubject subject = ChampionshipSubject::Lofts;

    // Throws UserError naming the championship when it cannot be computed.
    void check() const;
};

// One race of the season as the standings read it.
struct SeasonRace {
    RaceId key;
    QList<RaceBird> birds;  // every bird entered; clocked ones have a speed
};

// A competitor's standing. Scores are whole numbers in the rule's unit: hundredths of a point
// for the points rules, thousandths of the speed unit for the average, thousandths of the
// coefficient.
struct Standing {
    int place = 0;
    bool tie = false;  // shares its place
    QString loftNo;
    QString ringNo;  // for pigeons
    qint64 score = 0;
    QList<qint64> perRace;  // what each counted race gave (a missed race: see ComputeStandings)
    QList<bool> counted;    // whether each race is among the best N
    int racesFlown = 0;     // races with a clocked bird
};

struct Standings {
    ChampionshipDefinition championship;
    QList<RaceId> races;   // the counted races, in date order
    QList<Standing> rows;  // best first; ties share a place and are in loft and ring order
};

// The standings over `races` (already restricted to the season and the types, in date order).
// A missed race gives 0 points or 0 speed; for the coefficient it gives 1000 (as if placed last
// of all birds entered), so that a missed race never helps.
Standings ComputeStandings(const ChampionshipDefinition& champ, const QList<SeasonRace>& races);

// The points of a place under the common rule with `entered` birds, in hundredths of a point;
// 0 beyond the prizes.
qint64 CommonRulePoints(int place, int entered);

// Score as shown: "1234.56" points, "1234.567" speed or coefficient.
QString ScoreText(const ChampionshipDefinition& champ, qint64 score);

// Stored championships (KST_Championship), by name.
QList<ChampionshipDefinition> Championships(TdmZOLF& db);
// Adds or replaces the championship of that name.
void SaveChampionship(TdmZOLF& db, const ChampionshipDefinition& champ);
void DeleteChampionship(TdmZOLF& db, const QString& name);

// The season's races that count for the championship, in date order, with their stored
// rankings.
QList<SeasonRace> ReadSeasonRaces(TdmZOLF& db, const ChampionshipDefinition& champ);
// Standings computed now from the stored rankings.
Standings ReadStandings(TdmZOLF& db, const ChampionshipDefinition& champ);

// Creates the table(s) of the championships when missing. They are otherwise made when first
// written; a shared server's owner makes them all beforehand, since the clubs' logins cannot.
void CreateChampionshipTable(TdmZOLF& db);
