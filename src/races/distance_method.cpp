#include "distance_method.h"

#include <GeographicLib/Geodesic.hpp>
#include <QCoreApplication>
#include <QMap>
#include <QStringList>
#include <cmath>

#include "data/club_settings.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "loft_distances.h"

namespace {

const QString kMethodSetting = QStringLiteral("DistanceMethod");

struct DistanceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};

QString DistancesPrefix() {
    return DistanceText::tr("Distances : ");
}

}  // namespace

QString DistanceMethodName(DistanceMethod method) {
    return method == DistanceMethod::Geodesic ? DistanceText::tr("WGS84 geodesic")
                                              : DistanceText::tr("Flat (federation file rule)");
}

QString DistanceMethodKey(DistanceMethod method) {
    return method == DistanceMethod::Geodesic ? QStringLiteral("geodesic") : QStringLiteral("flat");
}

std::optional<DistanceMethod> DistanceMethodFromKey(const QString& key) {
    if (key == QLatin1String("flat")) {
        return DistanceMethod::Flat;
    }
    if (key == QLatin1String("geodesic")) {
        return DistanceMethod::Geodesic;
    }
    return std::nullopt;
}

DistanceMethod ClubDistanceMethod(TdmZOLF& db) {
    return DistanceMethodFromKey(ClubSetting(db, kMethodSetting)).value_or(DistanceMethod::Flat);
}

void SetClubDistanceMethod(TdmZOLF& db, DistanceMethod method) {
    SetClubSetting(db, kMethodSetting, DistanceMethodKey(method));
}

double GeodesicMetres(double lat1, double lon1, double lat2, double lon2) {
    double s12 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, s12);
    return s12;
}

double CoordDistanceMetres(DistanceMethod method, long double loftLat, long double loftLon,
                           long double pointLat, long double pointLon) {
    if (method == DistanceMethod::Geodesic) {
        return GeodesicMetres(double(loftLat), double(loftLon), double(pointLat), double(pointLon));
    }
    return CoordDistanceKm(loftLat, loftLon, pointLat, pointLon) * 1000;
}

DistPair DegreesDistPair(DistanceMethod method, int mode, const LoftPointDegrees& d) {
    if (method == DistanceMethod::Flat) {
        const int metres = int(std::trunc(static_cast<long double>(CoordDistanceKm(
                                              d.loftLat, d.loftLon, d.pointLat, d.pointLon)) *
                                          1000));
        return MetresToDistPair(metres, mode);
    }
    const double metres = CoordDistanceMetres(method, d.loftLat, d.loftLon, d.pointLat, d.pointLon);
    if (mode != 0) {
        const long long yards = (long long)std::trunc(metres / kMetresPerYard);
        return {int(yards / 1760), int(yards % 1760)};
    }
    return MetresToDistPair(int(std::trunc(metres)), mode);
}

DistPair LoftPointDistPair(DistanceMethod method, int mode, const QString& loftLon,
                           const QString& loftLat, const QString& pointLon, const QString& pointLat,
                           Prompts& prompts) {
    const auto d = ParseLoftPoint(loftLon, loftLat, pointLon, pointLat, prompts);
    return d ? DegreesDistPair(method, mode, *d) : DistPair{};
}

namespace {

const QString kSourceTable = QStringLiteral(
    "create table if not exists KST_DistanceSource (LiberCode TEXT primary key, Source TEXT)");

QString sourceKey(DistanceSource source) {
    switch (source) {
        case DistanceSource::Geodesic:
            return QStringLiteral("geodesic");
        case DistanceSource::File:
            return QStringLiteral("file");
        case DistanceSource::Typed:
            return QStringLiteral("typed");
        case DistanceSource::Flat:
            break;
    }
    return QStringLiteral("flat");
}

DistanceSource sourceOfMethod(DistanceMethod method) {
    return method == DistanceMethod::Geodesic ? DistanceSource::Geodesic : DistanceSource::Flat;
}

}  // namespace

DistanceSource LoftDistanceSource(TdmZOLF& db, const QString& liberCode) {
    QString key;
    try {
        key = db.value(QStringLiteral("select Source from KST_DistanceSource where LiberCode=?"),
                       {liberCode})
                  .toString();
    } catch (const DbError&) {
        return DistanceSource::Flat;  // no code recorded yet (or a read-only file)
    }
    if (key == QLatin1String("geodesic")) {
        return DistanceSource::Geodesic;
    }
    if (key == QLatin1String("file")) {
        return DistanceSource::File;
    }
    if (key == QLatin1String("typed")) {
        return DistanceSource::Typed;
    }
    return DistanceSource::Flat;
}

void SetLoftDistanceSource(TdmZOLF& db, const QString& liberCode, DistanceSource source) {
    db.exec(kSourceTable);
    db.exec(QStringLiteral("insert into KST_DistanceSource (LiberCode, Source) values (?, ?) "
                           "on conflict (LiberCode) do update set Source=excluded.Source"),
            {liberCode, sourceKey(source)});
}

QString DistanceSourceName(DistanceSource source) {
    switch (source) {
        case DistanceSource::Geodesic:
            return DistanceMethodName(DistanceMethod::Geodesic);
        case DistanceSource::File:
            return DistanceText::tr("from a distance file");
        case DistanceSource::Typed:
            return DistanceText::tr("typed in (all or some)");
        case DistanceSource::Flat:
            break;
    }
    return DistanceMethodName(DistanceMethod::Flat);
}

QString DistancesLine(TdmZOLF& db, const QString& liberCode) {
    return DistancesPrefix() + DistanceSourceName(LoftDistanceSource(db, liberCode));
}

QString DistancesLineOf(TdmZOLF& db, const std::optional<QString>& liberCode) {
    if (liberCode) {
        return DistancesLine(db, *liberCode);
    }
    QMap<QString, QStringList> codesBySource;
    for (const QString& code : db.texts(QStringLiteral(
             "select distinct LiberCode from ZOL_LoftLibPointDist order by LiberCode"))) {
        codesBySource[DistanceSourceName(LoftDistanceSource(db, code))] << code;
    }
    if (codesBySource.size() <= 1) {
        return DistancesPrefix() + (codesBySource.isEmpty()
                                        ? DistanceSourceName(DistanceSource::Flat)
                                        : codesBySource.firstKey());
    }
    QStringList parts;
    for (auto it = codesBySource.cbegin(); it != codesBySource.cend(); ++it) {
        parts << it.key() + QStringLiteral(" (") + it.value().join(QStringLiteral(", ")) +
                     QLatin1Char(')');
    }
    return DistancesPrefix() + parts.join(QStringLiteral("; "));
}

QString RecalculationDistancesNote(TdmZOLF& db, const QString& liberCode) {
    const DistanceSource source = LoftDistanceSource(db, liberCode);
    QString note = DistanceText::tr("Distances : the loft distances of %1, %2.")
                       .arg(liberCode, DistanceSourceName(source));
    const DistanceMethod club = ClubDistanceMethod(db);
    if (source != DistanceSource::File && source != DistanceSource::Typed &&
        source != sourceOfMethod(club)) {
        note += DistanceText::tr(
                    " The club's method is %1: update the loft distances first to "
                    "recalculate with it.")
                    .arg(DistanceMethodName(club));
    }
    return note;
}

int EntriesWithEarlierDistances(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    const int perUnit = ClubDistanceMode(db) != 0 ? 1760 : 1000;
    return db
        .value(QStringLiteral(
                   // The race's entries first, then each one's pigeon and its loft's row:
                   // the file keeps the order "cross join" gives it (started from the
                   // distance rows it reads every entry of the race for each loft).
                   "select count(*) from ZOL_PigRaceData a cross join ZOL_PigData b cross join "
                   "ZOL_LoftLibPointDist c where b.PRingNo=a.PRingNo and c.LiberCode=a.LiberCode "
                   "and c.LoftNo=b.LoftNo and a.LiberCode=? and substr(a.LiberDate,1,10)=? and "
                   "a.BackTime is not null and coalesce(a.Dist,0)<>coalesce(c.Miles,0)*?+"
                   "coalesce(c.Yards,0)"),
               {liberCode, DateText(liberDate), perUnit})
        .toInt();
}

QString RaceResultDistancesLine(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QString line = DistancesLine(db, liberCode);
    const int earlier = EntriesWithEarlierDistances(db, liberCode, liberDate);
    if (earlier > 0) {
        line += DistanceText::tr(" (%1 clocked with earlier distances: not recalculated since)")
                    .arg(earlier);
    }
    return line;
}

void CreateDistanceSourceTable(TdmZOLF& db) {
    db.exec(kSourceTable);
}
