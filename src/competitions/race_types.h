#pragma once

#include <QStringList>

#include "competition_types.h"

class TdmZOLF;

// Race types: the club's own list of tags ("Old Birds", "Young Birds", "National", ...), of
// which each race carries up to three. Championships count the races of chosen types. Kept in
// the program's own tables KST_RaceTypeName and KST_RaceType.

constexpr int kMaxRaceTypes = 3;

// The club's list, in its order; a new club file starts with "Old Birds", "Young Birds" and
// "National".
QStringList ClubRaceTypes(TdmZOLF& db);
// Replaces the club's list (blank names dropped, each name once). A type still carried by a
// race stays on that race.
void SetClubRaceTypes(TdmZOLF& db, const QStringList& types);

// The types of a race, in the order they were set.
QStringList RaceTypes(TdmZOLF& db, const RaceId& race);
// Sets the race's types. More than three, or a type not in the club's list, is refused with a
// message.
void SetRaceTypes(TdmZOLF& db, const RaceId& race, const QStringList& types);

// Creates the table(s) of the club's race types and the types of each race when missing. They are
// otherwise made when first written; a shared server's owner makes them all beforehand, since the
// clubs' logins cannot.
void CreateRaceTypeTables(TdmZOLF& db);
