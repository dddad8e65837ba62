// distances: every loft distance row of a federation file (3,000 lofts x 300 liberation sites,
// 900,000 rows) recomputed by the loft distance update, once with each distance method, and the
// bare arithmetic (coordinate texts parsed, distance computed) of the same 900,000 pairs.
// Prints one line per measure ending in "ratio X.XX": geodesic time / flat time in this run.
//
//   distances [folder]     (the file is kept in `folder` when one is given)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "data/database.h"
#include "data/prompts.h"
#include "races/distance_method.h"
#include "races/loft_distances.h"

namespace {

constexpr int kLofts = 3000;
constexpr int kSites = 300;

class SilentPrompts : public Prompts {
  public:
    void message(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void information(const QString&, int) override {}
    void error(const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    Answer question(const QString&, Buttons) override { return Answer::Yes; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

double msOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// A coordinate text in the stored form: hundredths of a second for lofts, whole seconds for
// liberation points.
QString Coordinate(char positive, char negative, double degrees, bool hundredths) {
    const char letter = degrees < 0 ? negative : positive;
    const long long units = (long long)(std::abs(degrees) * 3600 * (hundredths ? 100 : 1) + 0.5);
    const long long perSecond = hundredths ? 100 : 1;
    QString text = QStringLiteral("%1%2'%3:%4")
                       .arg(QChar(QLatin1Char(letter)))
                       .arg(units / (3600 * perSecond), 3, 10, QLatin1Char('0'))
                       .arg(units / (60 * perSecond) % 60, 2, 10, QLatin1Char('0'))
                       .arg(units / perSecond % 60, 2, 10, QLatin1Char('0'));
    if (hundredths) {
        text += QStringLiteral(".%1").arg(units % 100, 2, 10, QLatin1Char('0'));
    }
    return text;
}

struct Place {
    QString code;
    QString lon, lat;
};

// Lofts spread over 51-53.5 N, 2-7 E; liberation points over 42-49.5 N, 2 W-6 E.
void buildFederation(TdmZOLF& db, QList<Place>& lofts, QList<Place>& sites) {
    for (int i = 0; i < kLofts; ++i) {
        lofts << Place{QStringLiteral("L%1").arg(i + 1, 5, 10, QLatin1Char('0')),
                       Coordinate('E', 'W', 2 + (i % 97) * 5.0 / 97, true),
                       Coordinate('N', 'S', 51 + (i % 89) * 2.5 / 89, true)};
    }
    for (int i = 0; i < kSites; ++i) {
        sites << Place{QStringLiteral("%1").arg(i + 1, 3, 16, QLatin1Char('0')).toUpper(),
                       Coordinate('E', 'W', -2 + (i % 37) * 8.0 / 37, false),
                       Coordinate('N', 'S', 42 + (i % 31) * 7.5 / 31, false)};
    }
    db.transaction([&] {
        db.exec(
            QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Mode) "
                           "values('FD','Federation',0)"));
        QSqlQuery loft = db.prepare(QStringLiteral(
            "insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values(?,?,?,?)"));
        for (const Place& l : lofts) {
            TdmZOLF::run(loft, {l.code, QStringLiteral("Member ") + l.code, l.lon, l.lat});
        }
        QSqlQuery site = db.prepare(QStringLiteral(
            "insert into ZOL_LiberateSite (LiberCode, LiberSite, LiberSiteAbbr, LiberLon, "
            "LiberLat) values(?,?,?,?,?)"));
        QSqlQuery race = db.prepare(QStringLiteral(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "LiberLon, LiberLat) values('FD',?,?,'2026-06-14','07:00:00',?,?)"));
        for (const Place& s : sites) {
            TdmZOLF::run(site, {s.code, QStringLiteral("Site ") + s.code, s.code, s.lon, s.lat});
            TdmZOLF::run(race, {s.code, QStringLiteral("Site ") + s.code, s.lon, s.lat});
        }
        db.exec(
            QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                           "Yards) select s.LiberCode, l.LoftNo, 0, 0 from ZOL_LoftData l, "
                           "ZOL_LiberateSite s"));
    });
}

void report(const char* what, double flatMs, double geodesicMs) {
    std::printf("%-52s flat %9.1f ms  geodesic %9.1f ms  ratio %.2f\n", what, flatMs, geodesicMs,
                geodesicMs / flatMs);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString file = folder + QStringLiteral("/Kestrava_Europe.db");
    QFile::remove(file);
    TdmZOLF db(file);
    SilentPrompts prompts;
    QList<Place> lofts, sites;
    std::printf("building %d lofts x %d sites ...\n", kLofts, kSites);
    std::fflush(stdout);
    buildFederation(db, lofts, sites);

    // The arithmetic alone: the update's parsing and distance for every pair, nothing stored.
    const auto arithmetic = [&](DistanceMethod method) {
        long long sum = 0;
        const double ms = msOf([&] {
            for (const Place& s : sites) {
                for (const Place& l : lofts) {
                    const DistPair p =
                        LoftPointDistPair(method, 0, l.lon, l.lat, s.lon, s.lat, prompts);
                    sum += DistPairToUnits(p.miles, p.yards, 0);
                }
            }
        });
        std::fprintf(stderr, "(sum %lld)\n", sum);
        return ms;
    };
    const double flatSums = arithmetic(DistanceMethod::Flat);
    const double geodesicSums = arithmetic(DistanceMethod::Geodesic);
    report("900,000 distances computed (no database)", flatSums, geodesicSums);

    // The update action for every race, as the secretary runs it: rows read and written.
    const auto update = [&](DistanceMethod method) {
        SetClubDistanceMethod(db, method);
        return msOf([&] {
            for (const Place& s : sites) {
                LoftDistUpdate(db, prompts, QStringLiteral("FD"), s.code,
                               QStringLiteral("2026-06-14"));
            }
        });
    };
    const double flatUpdate = update(DistanceMethod::Flat);
    const double geodesicUpdate = update(DistanceMethod::Geodesic);
    report("900,000 loft distance rows updated (300 updates)", flatUpdate, geodesicUpdate);

    const long long geodesicTotal =
        db.value(QStringLiteral("select sum(Miles*1000+Yards) from ZOL_LoftLibPointDist"))
            .toLongLong();
    std::printf("rows %d, mean geodesic distance %.3f km\n",
                db.rowCount(QStringLiteral("select 1 from ZOL_LoftLibPointDist")),
                geodesicTotal / 1000.0 / (kLofts * kSites));
    return 0;
}
