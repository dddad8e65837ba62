#include "race_types.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"

namespace {

struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};

void EnsureTypeTables(TdmZOLF& db) {
    db.exec(QStringLiteral(
        "create table if not exists KST_RaceTypeName (Name TEXT primary key, Seq integer)"));
    db.exec(QStringLiteral(
        "create table if not exists KST_RaceType (LiberCode TEXT not null, LiberDate TEXT not "
        "null, Slot integer not null, TypeName TEXT, primary key (LiberCode, LiberDate, Slot))"));
}

QStringList Cleaned(const QStringList& types) {
    QStringList out;
    for (const QString& t : types) {
        const QString name = t.trimmed();
        if (!name.isEmpty() && !out.contains(name)) {
            out << name;
        }
    }
    return out;
}

}  // namespace

QStringList ClubRaceTypes(TdmZOLF& db) {
    try {
        if (db.value(QStringLiteral("select count(*) from KST_RaceTypeName")).toInt() > 0) {
            return db.texts(QStringLiteral("select Name from KST_RaceTypeName order by Seq"));
        }
    } catch (const DbError&) {
    }
    // A club that never named its types is offered these, in its language; what a race or a
    // championship stores from them is then the club's own text.
    return {CompetitionText::tr("Old Birds"), CompetitionText::tr("Young Birds"),
            CompetitionText::tr("National")};
}

void SetClubRaceTypes(TdmZOLF& db, const QStringList& types) {
    const QStringList names = Cleaned(types);
    db.transaction([&] {
        EnsureTypeTables(db);
        db.exec(QStringLiteral("delete from KST_RaceTypeName"));
        for (int i = 0; i < names.size(); ++i) {
            db.exec(QStringLiteral("insert into KST_RaceTypeName (Name, Seq) values(?,?)"),
                    {names[i], i + 1});
        }
    });
}

QStringList RaceTypes(TdmZOLF& db, const RaceId& race) {
    try {
        return db.texts(QStringLiteral("select TypeName from KST_RaceType where LiberCode=? and "
                                       "LiberDate=? order by Slot"),
                        {race.liberCode, DateText(race.liberDate)});
    } catch (const DbError&) {
        return {};
    }
}

void SetRaceTypes(TdmZOLF& db, const RaceId& race, const QStringList& types) {
    const QStringList names = Cleaned(types);
    if (names.size() > kMaxRaceTypes) {
        throw UserError(CompetitionText::tr("A race carries at most %1 types.").arg(kMaxRaceTypes));
    }
    const QStringList known = ClubRaceTypes(db);
    const QStringList had = RaceTypes(db, race);
    for (const QString& t : names) {
        if (!known.contains(t) && !had.contains(t)) {
            throw UserError(CompetitionText::tr("%1 is not one of the club's race types.").arg(t));
        }
    }
    db.transaction([&] {
        EnsureTypeTables(db);
        db.exec(QStringLiteral("delete from KST_RaceType where LiberCode=? and LiberDate=?"),
                {race.liberCode, DateText(race.liberDate)});
        for (int i = 0; i < names.size(); ++i) {
            db.exec(QStringLiteral("insert into KST_RaceType (LiberCode, LiberDate, Slot, "
                                   "TypeName) values(?,?,?,?)"),
                    {race.liberCode, DateText(race.liberDate), i + 1, names[i]});
        }
    });
}

void CreateRaceTypeTables(TdmZOLF& db) {
    EnsureTypeTables(db);
}
