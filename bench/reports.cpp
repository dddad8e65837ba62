// reports: how fast a long race result is laid out and written to PDF.
//
// Builds a race result of N rows (default 20,000) as the result panel's list holds them, lays it
// out on A4 pages and writes it to a PDF file. Prints the number of pages, the time to the first
// page (list to laid-out report, then that first page painted to PDF), the layout time, the
// PDF writing time and the pages written per second. Then reads the race ranking of a race with
// as many arrivals from a database and builds its report, and prints how long that takes.
//
//   reports [N] [file.pdf]

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <cstdio>

#include "data/database.h"
#include "races/race_ranking.h"
#include "reports/club_reports.h"
#include "reports/report_printing.h"

namespace {

QStandardItemModel* ResultList(int rows, QObject* parent) {
    const QStringList fields{"Pos",  "LiberCode", "PRingNo", "BackTime",  "FlyTime", "FlySpeed",
                             "dist", "LoftNo",    "sex",     "ColorType", "TimeVari"};
    auto* model = new QStandardItemModel(rows, fields.size(), parent);
    model->setHorizontalHeaderLabels(fields);
    for (int r = 0; r < rows; ++r) {
        const int secs = 4 * 3600 + r * 3;
        const QStringList cells{
            QString::number(r + 1),
            "B",
            QString::asprintf("GB-26-AB%06d", r),
            QString::asprintf("%02d:%02d:%02d.%03d  20-09", 10 + secs / 3600 % 10, secs / 60 % 60,
                              secs % 60, r % 1000),
            QString::asprintf("%02d:%02d:%02d", secs / 3600, secs / 60 % 60, secs % 60),
            QString::asprintf("%8.3f", 1500.0 - r * 0.05),
            QString::asprintf("%d/%d", 200 + r % 50, r % 1760),
            QString::asprintf("Member loft number %d", r % 400),
            r % 2 ? "H" : "C",
            "BC",
            r % 3 ? "0" : "+2"};
        for (int c = 0; c < cells.size(); ++c) {
            model->setData(model->index(r, c), cells[c]);
        }
    }
    return model;
}

// The ranking of a race with `rows` arrivals of 400 lofts, read and built into a report.
double RankingMs(int rows, const QString& dir) {
    TdmZOLF db(dir + QStringLiteral("/ranking.db"));
    db.transaction([&] {
        for (int l = 0; l < 400; ++l) {
            const QString loft = QString::asprintf("L%03d", l);
            db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values (?, ?)"),
                    {loft, QStringLiteral("Member ") + loft});
            db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                                   "Yards) values ('B', ?, 300, ?)"),
                    {loft, l});
        }
        for (int r = 0; r < rows; ++r) {
            const QString ring = QString::asprintf("GB-26-AB%06d", r);
            db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType) "
                                   "values (?, ?, 'C', 'BC')"),
                    {QString::asprintf("L%03d", r % 400), ring});
            const int secs = 4 * 3600 + r * 3;
            db.exec(
                QStringLiteral("insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, "
                               "BackTime, FlyTime, FlySpeed, TimeVari) values ('B', "
                               "'2026-09-20', ?, ?, ?, ?, 0)"),
                {ring,
                 QString::asprintf("2026-09-20 %02d:%02d:%02d.000", 10 + secs / 3600 % 10,
                                   secs / 60 % 60, secs % 60),
                 QString::asprintf("%02d:%02d:%02d.000", secs / 3600, secs / 60 % 60, secs % 60),
                 1500.0 - (r / 2) * 0.05});
        }
    });
    QElapsedTimer timer;
    timer.start();
    const ReportDefinition report = RaceRankingReportOf(db, "B", "2026-09-20", "B 2026-09-20 BDX");
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    QTemporaryDir dir;
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath("result.pdf");
    QStandardItemModel* list = ResultList(rows, &app);
    const RaceResultHeading heading{
        "A. Member", "LiberSite : Bench Site", "RaceCode : B 2026-09-20 07:30",
        "  400 Members sent 20000 birds - 20000 were clocked", "Distances : WGS84 geodesic"};
    QElapsedTimer total;
    total.start();
    const ReportDefinition report = RaceResultReport(heading, 1, *list);
    const double rowsMs = total.nsecsElapsed() / 1e6;
    const ReportLayout layout = LayOutReport(report, QDateTime::currentDateTime());
    const double layoutMs = total.nsecsElapsed() / 1e6;
    ReportLayout first = layout;
    first.pages = {layout.pages.first()};
    WriteReportPdf(first, dir.filePath("first.pdf"));
    const double firstPageMs = total.nsecsElapsed() / 1e6;

    QElapsedTimer writing;
    writing.start();
    WriteReportPdf(layout, file);
    const double writeMs = writing.nsecsElapsed() / 1e6;

    std::printf("rows:                 %d\n", rows);
    std::printf("pages:                %lld\n", static_cast<long long>(layout.pages.size()));
    std::printf(
        "time to first page:   %.0f ms (list rows read %.0f ms, layout %.0f ms, first page "
        "to PDF %.0f ms)\n",
        firstPageMs, rowsMs, layoutMs - rowsMs, firstPageMs - layoutMs);
    std::printf("PDF of all pages:     %.0f ms\n", writeMs);
    std::printf("pages per second:     %.0f (writing), %.0f (layout and writing)\n",
                layout.pages.size() / (writeMs / 1000),
                layout.pages.size() / ((writeMs + layoutMs) / 1000));
    std::printf("ranking of %d arrivals read and built: %.0f ms\n", rows,
                RankingMs(rows, dir.path()));
    return 0;
}
