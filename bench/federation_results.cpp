// federation_results: 100 clubs each send the WinSpeed file set of one release with 2,000
// arrivals (200,000 entries). Prints the import of the clubs' files (read, preview and store,
// in rows per second), the combined ranking of the release against the same ranking run as
// raw SQL (`ratio X`), and the printed combined result's time to its first page.
//
//   federation_results [--engine sqlite|postgresql] [--server URL] [clubs] [arrivals per club]
//
// On postgresql the same work runs on a new database of a server (see bench_server.h).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "bench_server.h"
#include "data/database.h"
#include "data/date_time.h"
#include "federation/club_files.h"
#include "federation/combined_result.h"
#include "federation/federation_import.h"
#include "races/exchange_files.h"
#include "reports/report_layout.h"
#include "reports/report_printing.h"

namespace {

const QDate kDay(2026, 6, 13);
constexpr int kLoftsPerClub = 40;

// A club's file set as the club's program writes it.
QString WriteClubFiles(const QString& dir, int club, int arrivals) {
    QDir().mkpath(dir);
    QStringList records{WinSpeedRecord0(kDay)};
    QStringList lofts;
    for (int l = 0; l < kLoftsPerClub; ++l) {
        lofts << QString::asprintf("%02d,K%03dL%02d", l + 1, club, l);
    }
    for (int l = 0; l < kLoftsPerClub; ++l) {
        const int birds = arrivals / kLoftsPerClub + (l < arrivals % kLoftsPerClub ? 1 : 0);
        records << WinSpeedRecord1(1, l + 1, birds,
                                   QStringLiteral("Member %1-%2").arg(club).arg(l));
        for (int b = 0; b < birds; ++b) {
            WeekEntry e;
            e.clubId = QStringLiteral("K%1").arg(club);
            e.liberCode = QStringLiteral("B23");
            e.liberDate = kDay;
            e.ring = QString::asprintf("BE-26-%03d%05d", club, l * 1000 + b);
            e.sex = QStringLiteral("C");
            e.colorType = QStringLiteral("BB");
            const int secs = 5400 + ((club * 7919 + l * 131 + b * 17) % 7200);
            e.backTime = MomentMsText(QDateTime(kDay, QTime(8, 0).addSecs(secs)));
            records << WinSpeedRecord3(1, l + 1, e, 1, b + 1);
        }
    }
    WriteExchangeFiles({{dir + "/W0010124.D00", records},
                        {dir + "/LiberCode_List.txt", {"01,130626,B23"}},
                        {dir + "/Loft_List.txt", lofts}});
    return dir + "/W0010124.D00";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(argc, argv);
    const int clubs = options.rest.size() > 0 ? options.rest[0].toInt() : 100;
    const int arrivals = options.rest.size() > 1 ? options.rest[1].toInt() : 2000;
    QTemporaryDir dir;
    std::unique_ptr<BenchServer> server;
    if (options.server) {
        server = std::make_unique<BenchServer>(options.serverUrl);
    }
    TdmZOLF db(server ? server->url() : dir.filePath("federation.db"));
    std::printf("engine:        %s\n", server ? "postgresql" : "sqlite");
    db.transaction([&] {
        db.exec(
            "insert into ZOL_ClubData (ClubID, ClubName, Mode) values ('FED', 'Federation', 0)");
        db.exec(
            "insert into ZOL_LiberateSite (LiberCode, LiberSite, LiberSiteAbbr) values "
            "('B23', 'Brussel', 'BRX')");
        db.exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "RaceCode) values ('FED', 'B23', 'Brussel', ?, '08:00:00', 'B230613')",
            {DateText(kDay)});
        for (int c = 0; c < clubs; ++c) {
            for (int l = 0; l < kLoftsPerClub; ++l) {
                db.exec(
                    "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                    "values ('B23', ?, ?, ?)",
                    {QString::asprintf("K%03dL%02d", c, l), 90 + (c + l) % 40, (c * l) % 1000});
            }
        }
    });
    QStringList files;
    for (int c = 0; c < clubs; ++c) {
        files << WriteClubFiles(dir.filePath(QStringLiteral("club%1").arg(c)), c, arrivals);
    }

    QElapsedTimer timer;
    timer.start();
    qint64 stored = 0;
    double readS = 0, planS = 0, storeS = 0;
    for (int c = 0; c < clubs; ++c) {
        QElapsedTimer step;
        step.start();
        const ClubFile file = ReadWinSpeedSet(files[c], QStringLiteral("K%1").arg(c),
                                              QStringLiteral("Club %1").arg(c));
        readS += step.nsecsElapsed() / 1e9;
        step.restart();
        const ImportPlan plan = PlanImport(db, file);
        planS += step.nsecsElapsed() / 1e9;
        step.restart();
        stored += StoreImport(db, plan).entries;
        storeS += step.nsecsElapsed() / 1e9;
    }
    const double importS = timer.nsecsElapsed() / 1e9;
    std::printf(
        "import:        %lld entries of %d clubs in %.2f s, %.0f rows per second (files "
        "read %.2f s, preview %.2f s, stored %.2f s)\n",
        static_cast<long long>(stored), clubs, importS, stored / importS, readS, planS, storeS);

    // The same ranking as raw SQL: the statement run and every value read.
    const QString own = QStringLiteral("FED");
    const QVariantList params{"B23", DateText(kDay), own, "B23", DateText(kDay)};
    double rawMs = 1e18, rankingMs = 1e18;
    int rows = 0;
    for (int round = 0; round < 3; ++round) {
        timer.restart();
        QSqlQuery q = db.select(CombinedRankingSql(), params);
        int n = 0;
        while (q.next()) {
            for (int i = 0; i < 11; ++i) {
                q.value(i);
            }
            ++n;
        }
        rawMs = std::min(rawMs, timer.nsecsElapsed() / 1e6);
        timer.restart();
        const CombinedResult result = CombinedRanking(db, "B23", kDay);
        rankingMs = std::min(rankingMs, timer.nsecsElapsed() / 1e6);
        rows = int(result.rows.size());
        if (n != result.overall.birds) {
            std::printf("rows differ: %d raw, %d in the result\n", n, result.overall.birds);
            return 1;
        }
    }
    std::printf("ranking:       %d rows ranked in %.0f ms, raw SQL %.0f ms, ratio %.2f\n", rows,
                rankingMs, rawMs, rankingMs / rawMs);

    timer.restart();
    const CombinedResult result = CombinedRanking(db, "B23", kDay);
    const ReportLayout layout =
        LayOutReport(CombinedResultReport(result, "Federation", 0), QDateTime::currentDateTime());
    ReportLayout first = layout;
    first.pages = {layout.pages.first()};
    WriteReportPdf(first, dir.filePath("first.pdf"));
    std::printf("printed:       %lld pages, first page after %.0f ms\n",
                static_cast<long long>(layout.pages.size()), timer.nsecsElapsed() / 1e6);
    return 0;
}
