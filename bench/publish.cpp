// publish: a race of 20,000 arrivals published (web page, CSV, the season's index and both
// charts), against writing the same result rows as a plain CSV file in the same run.
//
//   publish [arrivals]

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "best_of.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/whole_file.h"
#include "publish/csv_text.h"
#include "races/race_publish.h"
#include "races/race_results.h"

namespace {

const QDate kRaceDay(2026, 5, 28);
constexpr int kLofts = 400;

void generate(TdmZOLF& db, int arrivals) {
    QRandomGenerator random(2026);
    db.transaction([&] {
        db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
        db.exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
            "DeleteMark) values('KC','1A','Dover','2026-05-28','07:00:00',0)");
        for (int l = 0; l < kLofts; ++l) {
            const QString loft = QString::asprintf("%03d", l + 1);
            db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)",
                    {loft, QStringLiteral("Loft & Sons <%1>").arg(l + 1)});
            db.exec(
                "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                "values('1A',?,?,?)",
                {loft, 250 + random.bounded(100), random.bounded(1760)});
        }
        for (int i = 0; i < arrivals; ++i) {
            const QString loft = QString::asprintf("%03d", i % kLofts + 1);
            const QString ring = QString::asprintf("GB26-%07d", i);
            db.exec(
                "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
                "values(?,?,?,?,0)",
                {loft, ring, i % 2 ? "C" : "H", i % 3 ? "BBAR" : "BLUECHEQ"});
            const QDateTime back =
                QDateTime(kRaceDay, QTime(11, 0)).addMSecs(random.bounded(4 * 3600 * 1000));
            db.exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
                "BackTime, TimeVari, ClockID) values('KC','1A','2026-05-28',?,?,?,?)",
                {ring, MomentMsText(back), random.bounded(161) - 80,
                 QStringLiteral("CLK%1").arg(i % kLofts)});
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int arrivals = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("bench.db")));
    generate(db, arrivals);
    RecalculateRace(db, QStringLiteral("1A"), kRaceDay, QDateTime(kRaceDay, QTime(7, 0)));
    const QString folder = dir.filePath(QStringLiteral("web"));
    QDir().mkpath(folder);

    PublishedFiles files;
    const double publishMs =
        bestMs(3, [&] { files = PublishRace(db, folder, QStringLiteral("1A"), kRaceDay); });
    const QString plain = dir.filePath(QStringLiteral("plain.csv"));
    const double plainMs = bestMs(3, [&] {
        QSqlQuery q = db.select(RaceResultSql(), {QStringLiteral("1A"), DateText(kRaceDay)});
        QList<QStringList> rows{RaceResultFields()};
        while (q.next()) {
            QStringList row;
            for (int c = 0; c < 11; ++c) {
                row << q.value(c).toString();
            }
            rows << row;
        }
        WriteWholeFile(plain, CsvBytes(rows));
    });
    std::printf("publish: %d arrivals, page %lld bytes, CSV %lld bytes, index %lld bytes\n",
                arrivals, QFileInfo(files.page).size(), QFileInfo(files.csv).size(),
                QFileInfo(files.index).size());
    std::printf(
        "publish (page + CSV + index + both charts): %.1f ms; plain CSV of the same "
        "rows: %.1f ms; ratio %.2f\n",
        publishMs, plainMs, publishMs / plainMs);
    return 0;
}
