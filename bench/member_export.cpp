// member_export: "what do you hold about me?" for a member of ten seasons.
//
// Builds a club file of 40 members who each raced 30 races a season for ten seasons (kept
// season results, 25 birds a race), with the current season's entries and a history of five
// changes per entry of the member asked about, then writes that member's folder (PDF and JSON).
// Prints the time against the minute the member may be kept waiting.
//
//   member_export [seasons]

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "competitions/competition_types.h"
#include "data/clock.h"
#include "data/database.h"
#include "members/member_records.h"
#include "races/entry_history.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seasons = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
    QTemporaryDir dir;
    TdmZOLF db(dir.filePath(QStringLiteral("club.db")));
    const int thisYear = 2026;
    db.transaction([&] {
        CreateSeasonResultTable(db);
        EnsureEntryHistoryTables(db);
        for (int m = 0; m < 40; ++m) {
            const QString loft = QString::asprintf("%04d", m + 1);
            db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName, Street, City) "
                                   "values (?, ?, 'Street 1', 'Town')"),
                    {loft, QStringLiteral("Member ") + loft});
            for (int b = 0; b < 25; ++b) {
                db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, RYear) "
                                       "values (?, ?, '2026')"),
                        {loft, QString::asprintf("BE-26-%04d%03d", m, b)});
            }
            for (int year = thisYear - seasons + 1; year <= thisYear; ++year) {
                for (int race = 0; race < 30; ++race) {
                    const QString day =
                        QDate(year, 4, 1).addDays(race * 5).toString(QStringLiteral("yyyy-MM-dd"));
                    for (int b = 0; b < 25; ++b) {
                        const QString ring =
                            QString::asprintf("BE-%02d-%04d%03d", year % 100, m, b);
                        db.exec(
                            QStringLiteral("insert into KST_SeasonResult (LiberCode, LiberDate, "
                                           "PRingNo, LoftNo, FlySpeed) values (?, ?, ?, ?, ?)"),
                            {QString::number(race), day, ring, loft, 1200.0 + b});
                        if (m == 0) {
                            for (int c = 0; c < 5; ++c) {
                                RecordEntryChange(
                                    db, QString::number(race), QDate::fromString(day, Qt::ISODate),
                                    EntryChange{QDateTime(QDate::fromString(day, Qt::ISODate),
                                                          QTime(12, c)),
                                                EntryWorkflow::ResultUpload,
                                                ring,
                                                QStringLiteral("FlySpeed"),
                                                {},
                                                1200.0 + c,
                                                QStringLiteral("secretary"),
                                                {}});
                            }
                        }
                    }
                }
            }
        }
    });
    FixedClock clock(QDateTime(QDate(thisYear, 10, 1), QTime(10, 0)));
    QElapsedTimer timer;
    timer.start();
    const MemberExport out = ExportMemberRecord(db, dir.path(), QStringLiteral("0001"), clock);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("member of %d seasons: folder written in %.1f s (a minute allowed); ratio %.3f\n",
                seasons, seconds, seconds / 60.0);
    return 0;
}
