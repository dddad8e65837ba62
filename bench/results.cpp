// results: the race result list and the WinSpeed file set on a federation-sized week, against
// the row-by-row forms they replace.
//
// Generates a club database with 400 lofts, 20,000 pigeons and one race of 20,000 entries (the
// whole week), recalculates the race, then times the ranked result list against the correlated
// count per row, and the WinSpeed file set against counting bird by bird. Both pairs must give
// identical rows and identical bytes.
//
//   results [entries [keep]]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "best_of.h"
#include "data/database.h"
#include "data/date_time.h"
#include "race_reference.h"
#include "races/exchange_files.h"
#include "races/race_results.h"

namespace {

const QDate kRaceDay(2026, 5, 28);
constexpr int kLofts = 400;

void generate(TdmZOLF& db, int entries) {
    QRandomGenerator random(2026);
    db.transaction([&] {
        db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
        db.exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "DeleteMark) values('KC','1A','Dover','2026-05-28','07:00:00',0)");
        for (int l = 0; l < kLofts; ++l) {
            const QString loft = QString::asprintf("%03d", l + 1);
            db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)",
                    {loft, QStringLiteral("Loft %1").arg(l + 1)});
            if (l % 50 != 7) {  // a few lofts without a distance row
                db.exec(
                    "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                    "values('1A',?,?,?)",
                    {loft, 250 + random.bounded(100), random.bounded(1760)});
            }
            if (l % 2 == 0) {
                db.exec(
                    "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo, "
                    "DLMarkedTime, ULMasterTime, ULClockTime) values('1A','2026-05-28',?,"
                    "'2026-05-27 18:00:00','2026-05-28 19:00:00','2026-05-28 19:00:04')",
                    {loft});
            }
        }
        for (int i = 0; i < entries; ++i) {
            const QString loft = QString::asprintf("%03d", i % kLofts + 1);
            const QString ring = QString::asprintf("GB26-%07d", i);
            db.exec(
                "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
                "values(?,?,?,?,0)",
                {loft, ring, i % 2 ? "C" : "H", i % 3 ? "BBAR" : "BLUECHEQ"});
            const QDateTime marked(kRaceDay.addDays(-1),
                                   QTime(18, 0).addSecs(random.bounded(7200)));
            const QVariant back =
                random.bounded(10) == 0
                    ? QVariant()
                    : QVariant(MomentMsText(QDateTime(kRaceDay, QTime(11, 0))
                                                .addMSecs(random.bounded(4 * 3600 * 1000))));
            db.exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
                "MarkedTime, TimeVari, ClockID) values('KC','1A','2026-05-28',?,?,?,?,?)",
                {ring, back, GeneralText(marked), random.bounded(11) - 5,
                 QStringLiteral("CLK%1").arg(i % kLofts)});
        }
    });
}

QByteArray fileSet(const WinSpeedFiles& f) {
    return ExchangeFileBytes(f.records) + ExchangeFileBytes(f.liberCodeList) +
           ExchangeFileBytes(f.loftList);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    dir.setAutoRemove(argc <= 2);  // a second argument keeps the generated database
    if (argc > 2) {
        std::printf("database: %s\n", qPrintable(dir.filePath(QStringLiteral("bench.db"))));
    }
    TdmZOLF db(dir.filePath(QStringLiteral("bench.db")));
    generate(db, entries);
    std::printf("entries: %d in one race of the week, %d lofts\n", entries, kLofts);

    int computed = 0;
    const double recalcMs = bestMs(3, [&] {
        computed =
            RecalculateRace(db, QStringLiteral("1A"), kRaceDay, QDateTime(kRaceDay, QTime(7, 0)));
    });
    std::printf("recalculation: %d entries in %.1f ms\n", computed, recalcMs);

    const QVariantList race{QStringLiteral("1A"), DateText(kRaceDay)};
    QList<QVariantList> fast;
    QList<QVariantList> counting;
    const double fastMs = bestMs(5, [&] { fast = AllRows(db, RaceResultSql(), race); });
    const double countingMs =
        bestMs(1, [&] { counting = AllRows(db, CountingResultSql(), race + race); });
    int shared = 0;
    for (int i = 1; i < fast.size(); ++i) {
        shared += fast.at(i).at(0) == fast.at(i - 1).at(0) ? 1 : 0;
    }
    std::printf(
        "result list: %lld rows (%d sharing a place) in %.1f ms; counted per row %.1f ms; "
        "rows %s\n",
        qlonglong(fast.size()), shared, fastMs, countingMs,
        fast == counting ? "identical" : "DIFFERENT");
    std::printf("ranking speed-up: %.1fx\n", countingMs / fastMs);

    QByteArray fastBytes;
    QByteArray countingBytes;
    const double winFastMs =
        bestMs(3, [&] { fastBytes = fileSet(BuildWinSpeedFiles(db, kRaceDay)); });
    const double winCountingMs = bestMs(
        1, [&] { countingBytes = fileSet(BuildWinSpeedFiles(db, kRaceDay, CountingPerBird(db))); });
    std::printf("WinSpeed file set: %lld bytes in %.1f ms; counted per bird %.1f ms; bytes %s\n",
                qlonglong(fastBytes.size()), winFastMs, winCountingMs,
                fastBytes == countingBytes ? "identical" : "DIFFERENT");
    std::printf("winspeed speed-up: %.1fx\n", winCountingMs / winFastMs);
    return fast == counting && fastBytes == countingBytes ? 0 : 1;
}
