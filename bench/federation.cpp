// federation: the program's everyday actions on a federation-size club file, against the same
// work done set-based in hand-written SQL on the same file.
//
// Builds the file in a temporary folder (3,000 lofts, 150,000 pigeons, 300 liberation sites,
// 900,000 distance rows, 200,000 race entries, 120,000 clock readings) and a distance file with
// one line per distance row, then times each action through the program's own functions and
// through raw SQL, and prints one line per action ending in "ratio X.XX" (program / raw SQL).
// Short actions run 15 times and their best run counts (their time is mostly the disk's flush
// of the commit, so it varies with what else the machine does). Runs in well under a minute.
//
// Then adds one race of 17,065 arrivals and times the race-day screens and lists on it: the
// result upload grid (and its refresh after a clock), the result panel's Print to its preview
// (with its distances line), the result list scrolled to its last row, the recalculation of
// the race with its history, the race list painted, Home with 3,969 clocks to synchronise, the
// distance update of every site, the ace pigeons of the season and the ring export of 100,000
// rings (each with its peak memory, in processes of their own), and the start-up backup (on a
// server: the time the window waits for it, the dump running in the background).
//
//   federation [--engine sqlite|postgresql] [--server URL] [folder]
//                           (the file is kept in `folder` when one is given)
//
// On postgresql the file is built as above, copied to a new database of the server (the copy's
// rows per second are printed) and every action then runs on the server, program and raw SQL
// through the same driver (see bench_server.h for which server).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include <sqlite3.h>
#include <xlsxwriter.h>

#include "app/home_screen.h"
#include "app/startup_backup.h"
#include "bench_server.h"
#include "clockops/clock_uploads.h"
#include "competitions/championship.h"
#include "competitions/championships_panel.h"
#include "competitions/competition_types.h"
#include "data/app_context.h"
#include "data/clock.h"
#include "data/club_copy.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/prompts.h"
#include "data/server_backup.h"
#include "members/feather_colours.h"
#include "members/member_store.h"
#include "members/ring_store.h"
#include "members/ring_workbook.h"
#include "races/coordinates.h"
#include "races/exchange_files.h"
#include "races/loft_distances.h"
#include "races/race_point_panel.h"
#include "races/race_result_panel.h"
#include "races/race_results.h"
#include "races/race_store.h"
#include "reports/club_reports.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

namespace {

constexpr int kLofts = 3000;
constexpr int kPigeonsPerLoft = 50;
constexpr int kSites = 300;
constexpr int kRaces = 40;
constexpr int kEntries = 200000;
constexpr int kRepeats = 15;

// Whether the actions run on a server (set once in main).
bool gServer = false;

// `expr` as a number of `width` digits with leading zeros, in the engine's own words.
QString padded(const QString& expr, int width) {
    return gServer ? QStringLiteral("lpad((%1)::text, %2, '0')").arg(expr).arg(width)
                   : QStringLiteral("printf('%0") + QString::number(width) +
                         QStringLiteral("d', ") + expr + QLatin1Char(')');
}

// Copies the rows of `table` in the club file that `where` selects into the same table on the
// server, 250 rows to a statement, in the caller's transaction. Returns the rows copied.
qint64 copyRows(TdmZOLF& from, TdmZOLF& to, const QString& table, const QString& where = {}) {
    QSqlQuery q = from.select(QStringLiteral("select * from ") + table +
                              (where.isEmpty() ? QString() : QStringLiteral(" where ") + where));
    const QSqlRecord rec = q.record();
    QStringList names;
    for (int c = 0; c < rec.count(); ++c) {
        names << rec.fieldName(c);
    }
    const QString row =
        QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(',') + ')';
    const QString head =
        QStringLiteral("insert into %1 (%2) values ").arg(table, names.join(QLatin1Char(',')));
    constexpr int kBatch = 250;
    QSqlQuery full = to.prepare(head + QStringList(kBatch, row).join(QLatin1Char(',')));
    QVariantList values;
    qint64 rows = 0;
    const auto flush = [&](bool whole) {
        if (whole) {
            TdmZOLF::run(full, values);
        } else if (!values.isEmpty()) {
            to.exec(head + QStringList(int(values.size() / names.size()), row).join(','), values);
        }
        values.clear();
    };
    while (q.next()) {
        for (int c = 0; c < names.size(); ++c) {
            values << q.value(c);
        }
        if (++rows % kBatch == 0) {
            flush(true);
        }
    }
    flush(false);
    return rows;
}

// Answers every question with Yes and shows nothing.
class SilentPrompts : public Prompts {
  public:
    void message(const QString&) override {}
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

// The best of `repeats` runs; run i gets its own number so that each one does fresh work.
double bestOf(int repeats, const std::function<void(int)>& work) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        best = std::min(best, msOf([&] { work(i); }));
    }
    return best;
}

void report(const char* action, double programMs, double rawMs, const QString& note = {}) {
    std::printf("%-44s program %9.1f ms  raw SQL %9.1f ms%s  ratio %.2f\n", action, programMs,
                rawMs, note.isEmpty() ? "" : qPrintable("  " + note), programMs / rawMs);
    std::fflush(stdout);
}

// A memory figure of this process from /proc/self/status ("VmRSS" now, "VmHWM" the peak).
long statusKb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QRegularExpression line(QLatin1String(key) + QStringLiteral(":\\s+(\\d+)"));
    const auto m = line.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : 0;
}

long residentKb() {
    return statusKb("VmRSS");
}

// The WinSpeed set of the week of `raceDay`, each side run in a fresh process of its own
// (`federation --winspeed program|raw FOLDER`), so that its peak memory is its own: the
// process's resident memory before the work and its peak after it (VmHWM) are read from
// /proc/self/status.
const QDate kWinSpeedDay(2026, 6, 12);

QStringList winspeedNames() {
    return {QString::asprintf("W00101%.2d.D00", kWinSpeedDay.weekNumber()),
            QStringLiteral("LiberCode_List.txt"), QStringLiteral("Loft_List.txt")};
}

// The raw side: the week's entries read once and its clock readings once, the keys, counts and
// marking orders taken from them in memory, and the same records written to the same files.
int rawWinSpeed(TdmZOLF& db, const QString& setFolder) {
    const auto [monday, sunday] = IsoWeekDays(kWinSpeedDay);
    const QVariantList week{DateText(monday), DateText(sunday)};
    QList<WeekEntry> entries;
    QSqlQuery q = db.select(
        QStringLiteral("select a.ClubID, a.LiberCode, a.LiberDate, a.PRingNo, a.BackTime, "
                       "a.MarkedTime, b.LoftNo, b.Sex, b.ColorType, c.LoftName from "
                       "ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo left "
                       "join ZOL_LoftData c on b.LoftNo=c.LoftNo where substr(a.LiberDate,1,10) "
                       "between ? and ? order by substr(a.LiberDate,1,10), b.LoftNo nulls first, "
                       "a.BackTime is null, "
                       "a.BackTime, a.PRingNo"),
        week);
    while (q.next()) {
        entries << WeekEntry{q.value(0).toString(),
                             q.value(1).toString(),
                             QDate::fromString(q.value(2).toString().left(10), Qt::ISODate),
                             q.value(3).toString(),
                             q.value(4),
                             q.value(5),
                             q.value(6),
                             q.value(7),
                             q.value(8),
                             q.value(9)};
    }
    struct Readings {
        QVariant marked, master, member;
    };
    QHash<QString, Readings> readings;
    QSqlQuery r = db.select(
        QStringLiteral("select LiberCode||'|'||substr(LiberDate,1,10)||'|'||LoftNo, "
                       "DLMarkedTime, ULMasterTime, ULClockTime from ZOL_RaceClockTime where "
                       "substr(LiberDate,1,10) between ? and ?"),
        week);
    while (r.next()) {
        const QString key = r.value(0).toString();
        if (!readings.contains(key)) {
            readings.insert(key, Readings{r.value(1), r.value(2), r.value(3)});
        }
    }
    // The keys of the week, and per loft and day the clocked birds and the marking times.
    std::map<std::pair<QDate, QString>, int> raceKeys;
    std::map<QString, int> clubKeys;
    std::map<QString, int> loftKeys;
    QHash<QString, int> clocked;
    QHash<QString, QStringList> marks;
    const auto dayLoft = [](const WeekEntry& e) {
        return DateText(e.liberDate) + QLatin1Char('|') + e.loftNo.toString();
    };
    const auto raceLoft = [](const WeekEntry& e) {
        return e.liberCode + QLatin1Char('|') + DateText(e.liberDate) + QLatin1Char('|') +
               e.loftNo.toString();
    };
    for (const WeekEntry& e : entries) {
        raceKeys.emplace(std::pair{e.liberDate, e.liberCode}, 0);
        clubKeys.emplace(e.clubId, 0);
        loftKeys.emplace(e.loftNo.toString(), 0);
        if (!e.loftNo.isNull() && !e.backTime.isNull()) {
            ++clocked[dayLoft(e)];
        }
        if (!e.loftNo.isNull() && !e.markedTime.isNull()) {
            marks[raceLoft(e)] << e.markedTime.toString().left(19);
        }
    }
    for (QStringList& times : marks) {
        std::sort(times.begin(), times.end());
    }
    QStringList liberCodeList;
    QList<std::pair<QDate, QString>> races;
    for (const auto& [key, unused] : raceKeys) {
        const std::pair<QDate, QString> race{key.first, key.second.left(10)};
        races << race;
        liberCodeList << QString::asprintf("%.2d,", int(liberCodeList.size()) + 1) +
                             key.first.toString(QStringLiteral("ddMMyy")) + QLatin1Char(',') +
                             race.second;
    }
    int number = 0;
    for (auto& [club, n] : clubKeys) {
        n = ++number;
    }
    number = 0;
    QStringList loftList;
    for (auto& [loft, n] : loftKeys) {
        n = ++number;
        loftList << QString::asprintf("%.2d,", n) + loft;
    }
    const auto reading = [](const QVariant& stored) {
        const QString text = stored.toString().trimmed();
        return text.isEmpty() ? QDateTime(QDate(1899, 12, 30), QTime(0, 0)) : ParseMoment(text);
    };
    QStringList records;
    std::optional<QDate> lastDate;
    std::optional<QString> lastLoft;
    int club = 0;
    int loft = 0;
    for (const WeekEntry& e : entries) {
        if (lastDate != e.liberDate) {
            records << WinSpeedRecord0(e.liberDate);
            lastDate = e.liberDate;
        }
        const QString loftNo = e.loftNo.toString();
        if (lastLoft != loftNo) {
            club = clubKeys.at(e.clubId);
            loft = loftKeys.at(loftNo);
            records << WinSpeedRecord1(club, loft,
                                       e.loftNo.isNull() ? 0 : clocked.value(dayLoft(e)),
                                       e.loftName.toString());
            const Readings found = readings.value(raceLoft(e));
            records << WinSpeedRecord2(club, loft, reading(found.marked), reading(found.master),
                                       reading(found.member));
            lastLoft = loftNo;
        }
        int order = 0;
        if (!e.loftNo.isNull() && !e.markedTime.isNull()) {
            const QStringList& times = marks[raceLoft(e)];
            order =
                int(std::upper_bound(times.begin(), times.end(), e.markedTime.toString().left(19)) -
                    times.begin());
        }
        records << WinSpeedRecord3(
            club, loft, e, int(races.indexOf(std::pair{e.liberDate, e.liberCode.left(10)})) + 1,
            order);
    }
    const QStringList names = winspeedNames();
    const QList<QStringList> contents{records, liberCodeList, loftList};
    for (int i = 0; i < names.size(); ++i) {
        QFile out(setFolder + QLatin1Char('/') + names[i]);
        out.open(QIODevice::WriteOnly);
        out.write((contents[i].join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    return int(records.size());
}

// One side in this fresh process: prints its time, its memory growth at the peak and the
// records written.
int winspeedSide(const QString& side, const QString& folder, const QString& source) {
    TdmZOLF db(source.isEmpty() ? folder + QStringLiteral("/Kestrava_Europe.db") : source);
    const QString setFolder = folder + QStringLiteral("/winspeed-") + side;
    QDir().mkpath(setFolder);
    const long before = statusKb("VmRSS");
    int records = 0;
    const double ms = msOf([&] {
        if (side == QLatin1String("raw")) {
            records = rawWinSpeed(db, setFolder);
            return;
        }
        const WinSpeedFiles files = BuildWinSpeedFiles(db, kWinSpeedDay);
        const QStringList names = winspeedNames();
        WriteExchangeFiles({qMakePair(setFolder + QLatin1Char('/') + names[0], files.records),
                            qMakePair(setFolder + QLatin1Char('/') + names[1], files.liberCodeList),
                            qMakePair(setFolder + QLatin1Char('/') + names[2], files.loftList)});
        records = int(files.records.size());
    });
    std::printf("%.3f %ld %d\n", ms, std::max(0L, statusKb("VmHWM") - before), records);
    return 0;
}

struct SideRun {
    double ms = 1e300;
    long peakKb = 0;
    int records = 0;
};

// The best time of `repeats` fresh processes of one side (this program started with `args`),
// and the smallest peak among them.
SideRun runSide(const QStringList& args, int repeats) {
    SideRun best;
    best.peakKb = -1;
    for (int i = 0; i < repeats; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), args);
        child.waitForFinished(-1);
        const QStringList figures =
            QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
        if (figures.size() != 3) {
            std::fprintf(stderr, "%s side failed: %s\n", qPrintable(args.join(' ')),
                         child.readAllStandardError().constData());
            return best;
        }
        best.ms = std::min(best.ms, figures[0].toDouble());
        const long peak = figures[1].toLong();
        best.peakKb = best.peakKb < 0 ? peak : std::min(best.peakKb, peak);
        best.records = figures[2].toInt();
    }
    return best;
}

SideRun runWinSpeedSide(const QString& side, const QString& folder, const QString& source,
                        int repeats) {
    return runSide({QStringLiteral("--winspeed"), side, folder, source}, repeats);
}

// The loft that holds the 100,000 rings of the ring export.
const QString kRingLoft = QStringLiteral("RINGS");
constexpr int kExportRings = 100000;

// The ace pigeons of the season: a championship of single pigeons by their average speed over
// every race of 2026.
void chooseAcePigeons(QWidget& panel) {
    panel.findChild<QLineEdit*>(QStringLiteral("edtChampName"))->setText(QStringLiteral("Ace"));
    panel.findChild<QSpinBox*>(QStringLiteral("spnSeason"))->setValue(2026);
    panel.findChild<QComboBox*>(QStringLiteral("cbbChampRule"))
        ->setCurrentIndex(int(ChampionshipRule::BestAverage));
    panel.findChild<QComboBox*>(QStringLiteral("cbbChampSubject"))->setCurrentIndex(1);
}

// The raw side of the ace pigeons: each pigeon's best speed per race, its average over the
// season's races and its races flown, best first, every row read as the list shows it.
int rawAcePigeons(TdmZOLF& db) {
    const int races = db.value(QStringLiteral("select count(*) from (select distinct LiberCode, "
                                              "substr(LiberDate,1,10) from ZOL_RaceData where "
                                              "substr(LiberDate,1,10) between ? and ?) as r"),
                               {QStringLiteral("2026-01-01"), QStringLiteral("2026-12-31")})
                          .toInt();
    QSqlQuery q = db.select(
        QStringLiteral(
            "select x.LoftNo, l.LoftName, x.PRingNo, count(x.s), sum(coalesce(x.s,0))/? as a "
            "from (select max(p.LoftNo) as LoftNo, a.PRingNo, max(case when a.BackTime is null "
            "then null else a.FlySpeed end) as s from ZOL_PigRaceData a left join ZOL_PigData p "
            "on p.PRingNo=a.PRingNo where substr(a.LiberDate,1,10) between ? and ? group by "
            "a.PRingNo, a.LiberCode, substr(a.LiberDate,1,10)) as x left join ZOL_LoftData l on "
            "l.LoftNo=x.LoftNo group by x.LoftNo, l.LoftName, x.PRingNo order by a desc, "
            "x.LoftNo, x.PRingNo"),
        {std::max(1, races), QStringLiteral("2026-01-01"), QStringLiteral("2026-12-31")});
    QList<QStringList> rows;
    while (q.next()) {
        rows << QStringList{QString::number(rows.size() + 1),
                            q.value(0).toString(),
                            q.value(1).toString(),
                            q.value(2).toString(),
                            q.value(3).toString(),
                            QString::number(q.value(4).toDouble(), 'f', 3)};
    }
    return int(rows.size());
}

// The raw side of the ring export: the rows written straight from the query by the workbook
// library, as plainly as it allows.
int rawRingExport(TdmZOLF& db, const QString& file) {
    lxw_workbook* book = workbook_new(QFile::encodeName(file).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    QSqlQuery q = db.select(RingExportSql(), {kRingLoft});
    const int columns = q.record().count();
    for (int c = 0; c < columns; ++c) {
        worksheet_write_string(sheet, 0, lxw_col_t(c), q.record().fieldName(c).toUtf8().constData(),
                               nullptr);
    }
    int rows = 0;
    while (q.next()) {
        ++rows;
        for (int c = 0; c < columns; ++c) {
            if (!q.value(c).isNull()) {
                worksheet_write_string(sheet, lxw_row_t(rows), lxw_col_t(c),
                                       q.value(c).toString().toUtf8().constData(), nullptr);
            }
        }
    }
    workbook_close(book);
    return rows;
}

// One side of a memory line in this fresh process (`federation --peak ace|rings program|raw
// FOLDER SOURCE`): prints its time, its memory growth at the peak and the rows it made.
int peakSide(const QString& kind, const QString& side, const QString& folder,
             const QString& source) {
    TdmZOLF db(source.isEmpty() ? folder + QStringLiteral("/Kestrava_Europe.db") : source);
    SilentPrompts prompts;
    FixedClock clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    AppContext ctx{db, prompts, clock, DataPaths::forDataDir(folder), QStringLiteral("/dev/null")};
    std::unique_ptr<ChampionshipsPanel> panel;
    if (kind == QLatin1String("ace") && side == QLatin1String("program")) {
        panel = std::make_unique<ChampionshipsPanel>(ctx);
        panel->open();
        chooseAcePigeons(*panel);
    }
    const long before = statusKb("VmRSS");
    int rows = 0;
    const double ms = msOf([&] {
        if (kind == QLatin1String("ace")) {
            if (side == QLatin1String("raw")) {
                rows = rawAcePigeons(db);
                return;
            }
            panel->findChild<QPushButton*>(QStringLiteral("btnStandings"))->click();
            rows = panel->findChild<QTableWidget*>(QStringLiteral("grdStandings"))->rowCount();
            return;
        }
        const QString file = folder + QStringLiteral("/rings-%1.xlsx").arg(side);
        QFile::remove(file);
        if (side == QLatin1String("raw")) {
            rows = rawRingExport(db, file);
            return;
        }
        NoProgress none;
        rows = ExportRings(db, kRingLoft, file, none);
    });
    std::printf("%.3f %ld %d\n", ms, std::max(0L, statusKb("VmHWM") - before), rows);
    return 0;
}

const QString kCount =
    QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<?) ");

void buildFederation(TdmZOLF& db) {
    db.transaction([&] {
        db.exec(
            QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Mode) "
                           "values('FD','Federation',1)"));
        db.exec(QStringLiteral("insert into ZOL_ClubMap values('FD','Federation')"));
        db.exec(kCount + QStringLiteral("insert into ZOL_FeatherColor select 'C'||i, "
                                        "'Colour '||i from n"),
                {10});
        db.exec(
            kCount + QStringLiteral("insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, "
                                    "LoftLon, LoftLat, UpdateTime, SynchFlag) select 'GBU', "
                                    "printf('L%05d', i), 'Member '||i, 'E001''00:00.00', "
                                    "'N051''00:00.00', '2026-01-01 10:00:00.000', 0 from n"),
            {kLofts});
        db.exec(kCount + QStringLiteral("insert into ZOL_LiberateSite select printf('%03X', i), "
                                        "'Site '||i, 'S'||i, 'E002''00:00', 'N050''00:00' "
                                        "from n"),
                {kSites});
        db.exec(
            QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                           "Yards) select s.LiberCode, l.LoftNo, 100, 500 "
                           "from ZOL_LoftData l, ZOL_LiberateSite s"));
        db.exec(kCount +
                    QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, RCountry, RYear, "
                                   "RRegLetter, RRegNumber, Sex, ColorType, SynchFlag, DeleteMark, "
                                   "CreateDate, Updatetime) select printf('L%05d', (i-1)/?+1), "
                                   "printf('GB26A%06d', i), 'GB', '2026', 'A', printf('%06d', i), "
                                   "iif(i%2, 'C', 'H'), 'C'||(i%12), 0, 0, '2026-01-01', "
                                   "'2026-01-01 10:00:00.000' from n"),
                {kLofts * kPigeonsPerLoft, kPigeonsPerLoft});
        // Races on every third day back from 2026-06-15, so the purge has old days to drop.
        db.exec(kCount + QStringLiteral(
                             "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, "
                             "LiberTime, Updatetime, SynchFlag, RaceCode, DeleteMark) select "
                             "'FD', printf('%03X', i), 'Site '||i, date('2026-06-15', "
                             "printf('-%d days', 3*i)), '07:00:00', '2026-01-01 10:00:00.000', "
                             "0, '', 0 from n"),
                {kRaces});
        db.exec(
            kCount + QStringLiteral("insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, "
                                    "PRingNo, MarkedTime) select 'FD', printf('%03X', (i-1)/?+1), "
                                    "date('2026-06-15', printf('-%d days', 3*((i-1)/?+1))), "
                                    "printf('GB26A%06d', (i*7)%?+1), '2026-01-01 08:00:00' from n"),
            {kEntries, kEntries / kRaces, kEntries / kRaces, kLofts * kPigeonsPerLoft});
        db.exec(
            QStringLiteral("insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) "
                           "select r.LiberCode, r.LiberDate, l.LoftNo from ZOL_RaceData r, "
                           "ZOL_LoftData l"));
    });
}

// Writes a distance file with one line per distance row (each distance one more than stored)
// and returns its number of lines.
int writeDistanceFile(TdmZOLF& db, const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QSqlQuery q = db.select(QStringLiteral(
        "select LiberCode, LoftNo, Miles, Yards from ZOL_LoftLibPointDist order by rowid"));
    QByteArray bytes;
    int lines = 0;
    while (q.next()) {
        ++lines;
        bytes += q.value(0).toString().toLatin1() + ',' + q.value(1).toString().toLatin1() + ',' +
                 QByteArray::number(q.value(2).toInt() + 1) + ',' +
                 QByteArray::number(q.value(3).toInt() + 1) + "\r\n";
    }
    file.write(bytes);
    return lines;
}

// The race of race day: code R17 liberated 2026-06-14 at 07:00, 17,065 arrivals of pigeons
// from every loft (some at equal speeds), and a distance row of every loft for its site.
constexpr int kArrivals = 17065;
const QString kBigRace = QStringLiteral("R17");
const QString kBigRaceDay = QStringLiteral("2026-06-14");

void addBigRace(TdmZOLF& db) {
    db.transaction([&] {
        db.exec(
            QStringLiteral("insert into ZOL_LiberateSite values('R17', 'Race day site', "
                           "'RDS', 'E003''00:00', 'N049''00:00')"));
        db.exec(
            QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                           "LiberDate, LiberTime, Updatetime, SynchFlag, RaceCode, "
                           "DeleteMark) values('FD', 'R17', 'Race day site', '2026-06-14', "
                           "'07:00:00', '2026-06-14 07:00:00.000', 0, 'R170614', 0)"));
        db.exec(
            QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                           "Yards) select 'R17', LoftNo, 250 + rowid % 40, rowid % 1760 "
                           "from ZOL_LoftData"));
        db.exec(kCount + QStringLiteral(
                             "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, "
                             "PRingNo, BackTime, FlySpeed, Dist, ClockID, TimeVari, MarkedTime, "
                             "FlyTime) select 'FD', 'R17', '2026-06-14', printf('GB26A%06d', "
                             "i*8), printf('2026-06-14 %02d:%02d:%02d.%03d', 11 + i/3600, "
                             "i/60%60, i%60, i%1000), 1500 - (i/3)*0.05, 440000, 'C'||(i%3000), "
                             "i%3-1, '2026-06-13 18:00:00', printf('%02d:%02d:%02d.%03d', "
                             "4 + i/3600, i/60%60, i%60, i%1000) from n"),
                {kArrivals});
    });
}

// Presses a key on the widget and lets the window handle it.
void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, key, modifiers);
    QApplication::processEvents();
}

RingEntry rangeEntry(const QString& loftNo, int first) {
    RingEntry e;
    e.loftNo = loftNo;
    e.parts = {QStringLiteral("GB"), QStringLiteral("2025"), QStringLiteral("B"),
               QString::number(first)};
    e.upperNumber = QString::number(first + 49);
    e.sexName = QStringLiteral("Cock");
    e.colourName = QStringLiteral("Colour 3");
    return e;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && qstrcmp(argv[1], "--peak") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication app(argc, argv);
        return peakSide(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5]));
    }
    if (argc == 5 && qstrcmp(argv[1], "--winspeed") == 0) {
        QCoreApplication app(argc, argv);
        return winspeedSide(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                            QString::fromLocal8Bit(argv[4]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(argc, argv);
    gServer = options.server;
    QTemporaryDir tmp;
    const QString folder = options.rest.isEmpty() ? tmp.path() : options.rest.first();
    const QString file = folder + QStringLiteral("/Kestrava_Europe.db");
    QFile::remove(file);
    SilentPrompts prompts;
    FixedClock clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));

    // On a server the file is built first and then copied over; `built` stays the file.
    std::unique_ptr<BenchServer> server;
    std::unique_ptr<TdmZOLF> built;
    if (gServer) {
        server = std::make_unique<BenchServer>(options.serverUrl);
        built = std::make_unique<TdmZOLF>(file);
    }
    TdmZOLF db(gServer ? server->url() : file);
    const double buildMs = msOf([&] { buildFederation(built ? *built : db); });
    std::printf("engine: %s\n", gServer ? "postgresql" : "sqlite");
    if (gServer) {
        // The program's own "Copy to server", table by table in one transaction.
        qint64 rows = 0;
        const double copyMs = msOf([&] {
            NoProgress none;
            for (const CopiedTable& table : CopyClubDatabase(*built, db, none)) {
                rows += table.targetRows;
            }
        });
        std::printf("%-44s %lld rows in %.1f s, %.0f rows per second\n",
                    "copy of the federation file to the server", static_cast<long long>(rows),
                    copyMs / 1000, rows / (copyMs / 1000));
        std::fflush(stdout);
    }
    const QString distanceFile = folder + QStringLiteral("/distances.txt");
    const int distanceLines = writeDistanceFile(db, distanceFile);
    std::printf(
        "federation file: %d lofts, %d pigeons, %d sites, %d distance rows, %d race "
        "entries, %d clock readings (built in %.1f s)\n",
        db.value(QStringLiteral("select count(*) from ZOL_LoftData")).toInt(),
        db.value(QStringLiteral("select count(*) from ZOL_PigData")).toInt(),
        db.value(QStringLiteral("select count(*) from ZOL_LiberateSite")).toInt(),
        db.value(QStringLiteral("select count(*) from ZOL_LoftLibPointDist")).toInt(),
        db.value(QStringLiteral("select count(*) from ZOL_PigRaceData")).toInt(),
        db.value(QStringLiteral("select count(*) from ZOL_RaceClockTime")).toInt(), buildMs / 1000);

    // A range of 50 new rings for one loft (each one looked up across the club first).
    const double rangeProgram = bestOf(kRepeats, [&](int i) {
        SaveRing(db, clock, rangeEntry(QStringLiteral("L00001"), 1000 + 100 * i));
    });
    const double rangeRaw = bestOf(kRepeats, [&](int i) {
        db.transaction([&] {
            db.exec(kCount + QStringLiteral(
                                 "insert into ZOL_PigData (LoftNo, PRingNo, RCountry, RYear, "
                                 "RRegLetter, RRegNumber, Sex, ColorType, Comment, SynchFlag, "
                                 "DeleteMark, CreateDate, Updatetime) select 'L00002', "
                                 "'GB25B'||(?+i-1), 'GB', '2025', 'B', ?+i-1, 'C', 'C3', '', 1, "
                                 "0, '2026-06-15', '2026-06-15 10:00:00.000' from n where not "
                                 "exists (select 1 from ZOL_PigData p where p.PRingNo="
                                 "'GB25B'||(?+i-1))"),
                    {50, 5000 + 100 * i, 5000 + 100 * i, 5000 + 100 * i});
        });
    });
    report("save a range of 50 rings", rangeProgram, rangeRaw);

    // A new member: the loft and a zero distance row for every site.
    const double memberProgram = bestOf(kRepeats, [&](int i) {
        MemberForm f;
        f.associationCode = QStringLiteral("GBU");
        f.loftNo = QStringLiteral("N%1").arg(i);
        f.name = QStringLiteral("New member");
        SaveMember(db, prompts, clock, f);
    });
    const double memberRaw = bestOf(kRepeats, [&](int i) {
        const QString loftNo = QStringLiteral("R%1").arg(i);
        db.transaction([&] {
            db.exec(QStringLiteral("insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, "
                                   "UpdateTime, SynchFlag) values('GBU', ?, 'New member', "
                                   "'2026-06-15 10:00:00.000', 1)"),
                    {loftNo});
            db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                                   "Yards) select LiberCode, ?, 0, 0 from ZOL_LiberateSite"),
                    {loftNo});
        });
    });
    report("save a new member", memberProgram, memberRaw);

    // Deleting a member with its 50 pigeons and 300 distance rows.
    const double deleteProgram = bestOf(kRepeats, [&](int i) {
        DeleteMember(db, prompts, QStringLiteral("L%1").arg(100 + i, 5, 10, QLatin1Char('0')));
    });
    const double deleteRaw = bestOf(kRepeats, [&](int i) {
        const QString loftNo = QStringLiteral("L%1").arg(200 + i, 5, 10, QLatin1Char('0'));
        db.transaction([&] {
            db.exec(QStringLiteral("delete from ZOL_PigData where LoftNo=?"), {loftNo});
            db.exec(QStringLiteral("delete from ZOL_LoftData where LoftNo=?"), {loftNo});
            db.exec(QStringLiteral("delete from ZOL_LoftLibPointDist where LoftNo=?"), {loftNo});
        });
    });
    report("delete a member", deleteProgram, deleteRaw);

    // The ring list of one loft with its colour names, every cell read as the grid shows it.
    SqlGrid rings;
    rings.gridModel()->setLookup(QStringLiteral("ColorType"), ColourNamesSql(), kOtherColour);
    const auto readAll = [](const SqlGrid& grid) {
        int cells = 0;
        for (int r = 0; r < grid.model()->rowCount(); ++r) {
            for (int c = 0; c < grid.model()->columnCount(); ++c) {
                cells += grid.model()->index(r, c).data().isValid() ? 1 : 0;
            }
        }
        return cells;
    };
    const double ringsProgram = bestOf(kRepeats, [&](int i) {
        rings.load(db, RingListSql(),
                   {QStringLiteral("L%1").arg(1000 + i, 5, 10, QLatin1Char('0'))});
        readAll(rings);
    });
    const double ringsRaw = bestOf(kRepeats, [&](int i) {
        QSqlQuery q = db.select(
            QStringLiteral("select p.PRingNo, coalesce(c.FeathColor, 'Other'), p.Sex, p.E_Ring, "
                           "p.CreateDate, p.AssignDate, p.Updatetime, p.RCountry, p.RYear, "
                           "p.RRegLetter, p.RRegNumber, p.LoftNo from ZOL_PigData p left join "
                           "ZOL_FeatherColor c on c.ColorType=p.ColorType where p.LoftNo=? and "
                           "coalesce(p.DeleteMark,0)=0 order by p.PRingNo"),
            {QStringLiteral("L%1").arg(1100 + i, 5, 10, QLatin1Char('0'))});
        int cells = 0;
        while (q.next()) {
            for (int c = 0; c < 12; ++c) {
                cells += q.value(c).isValid() ? 1 : 0;
            }
        }
    });
    report("open a loft's ring list (50 rings)", ringsProgram, ringsRaw);

    // The distance download panel without a filter: the grid on screen, first rows painted.
    SqlGrid distances;
    distances.resize(900, 700);
    distances.show();
    const long rssBefore = residentKb();
    const double panelProgram = bestOf(kRepeats, [&](int) {
        distances.load(db, LoftDistanceSql(false));
        QApplication::processEvents();
    });
    const long rssGrowthKb = residentKb() - rssBefore;
    const double panelRaw = bestOf(kRepeats, [&](int) {
        db.value(QStringLiteral("select count(*) from ZOL_LoftLibPointDist"));
        QSqlQuery q = db.select(QStringLiteral(
            "select d.LiberCode, l.LoftName, d.LoftNo, d.Miles, d.Yards from "
            "ZOL_LoftLibPointDist d left join ZOL_LoftData l on l.LoftNo=d.LoftNo limit 256"));
        while (q.next()) {
        }
    });
    report("open the distance panel (all rows)", panelProgram, panelRaw,
           QStringLiteral("%1 rows, memory +%2 MB")
               .arg(distances.rowCountShown())
               .arg(rssGrowthKb / 1024.0, 0, 'f', 1));
    distances.hide();

    // The distance file: one line per distance row, every one an update.
    const double downloadProgram = msOf([&] { DownloadDistances(db, prompts, distanceFile); });
    const double downloadRaw = msOf([&] {
        QFile in(distanceFile);
        in.open(QIODevice::ReadOnly);
        const QStringList lines = QString::fromLatin1(in.readAll()).split(QStringLiteral("\r\n"));
        db.transaction([&] {
            db.exec(gServer ? QStringLiteral("create temp table dl (c text, l text, m bigint, "
                                             "y bigint)")
                            : QStringLiteral("create temp table dl (c, l, m, y)"));
            QSqlQuery insert = db.prepare(QStringLiteral("insert into dl values(?,?,?,?)"));
            for (const QString& line : lines) {
                const QStringList f = line.split(QLatin1Char(','));
                if (f.size() >= 4) {
                    TdmZOLF::run(insert, {f[0], f[1], f[2].toInt(), f[3].toInt()});
                }
            }
            db.exec(
                QStringLiteral("update ZOL_LoftLibPointDist as d set Miles=dl.m, Yards=dl.y "
                               "from dl where d.LiberCode=dl.c and d.LoftNo=dl.l"));
            db.exec(
                QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                               "Yards) select c, l, m, y from dl where not exists (select 1 "
                               "from ZOL_LoftLibPointDist d where d.LiberCode=dl.c and "
                               "d.LoftNo=dl.l)"));
            db.exec(QStringLiteral("drop table dl"));
        });
    });
    report("import the distance file", downloadProgram, downloadRaw,
           QStringLiteral("%1 lines").arg(distanceLines));

    // The WinSpeed set of the latest race's week, the one race's birds all arrived: built and
    // written through the program, against the same records read and written as plainly as
    // can be. Each side runs in a process of its own, for its peak memory.
    {
        db.exec(QStringLiteral("update ZOL_PigRaceData set BackTime='2026-06-12 12:'||") +
                padded(QStringLiteral("(rowid/60)%60"), 2) + QStringLiteral("||':'||") +
                padded(QStringLiteral("rowid%60"), 2) +
                QStringLiteral("||'.000' where substr(LiberDate,1,10)='2026-06-12'"));
        const QString source = gServer ? db.fileName() : QString();
        const SideRun program = runWinSpeedSide(QStringLiteral("program"), folder, source, 3);
        const SideRun raw = runWinSpeedSide(QStringLiteral("raw"), folder, source, 3);
        db.exec(
            QStringLiteral("update ZOL_PigRaceData set BackTime=null where "
                           "substr(LiberDate,1,10)='2026-06-12'"));
        bool same = true;
        for (const QString& name : winspeedNames()) {
            QFile a(folder + QStringLiteral("/winspeed-program/") + name);
            QFile b(folder + QStringLiteral("/winspeed-raw/") + name);
            same = same && a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) &&
                   a.readAll() == b.readAll();
        }
        report(
            "WinSpeed week", program.ms, raw.ms,
            QStringLiteral("%1 records%2").arg(program.records).arg(same ? "" : ", FILES DIFFER"));
        std::printf("%-44s program %9.1f MB  raw SQL %9.1f MB  ratio %.2f\n",
                    "WinSpeed week, peak memory", program.peakKb / 1024.0, raw.peakKb / 1024.0,
                    double(program.peakKb) / double(std::max(1L, raw.peakKb)));
        std::fflush(stdout);
    }

    // The start-up purge of race entries and clock readings older than 58 days (then the
    // purged rows are put back for the raw side: the file copied back, or on a server the two
    // tables copied again from the file).
    // Both sides start from the same rows and an empty table of kept season results.
    CreateSeasonResultTable(db);
    if (!gServer) {
        QFile::copy(file, folder + QStringLiteral("/before-purge.db"));
    }
    const double purgeProgram = msOf([&] { PurgeOldRaceData(db, clock); });
    if (gServer) {
        db.transaction([&] {
            db.exec(QStringLiteral("delete from KST_SeasonResult"));
            for (const QString& table :
                 {QStringLiteral("ZOL_PigRaceData"), QStringLiteral("ZOL_RaceClockTime")}) {
                db.exec(QStringLiteral("delete from ") + table);
                copyRows(*built, db, table);
            }
        });
    } else {
        db.close();
        QFile::remove(file);
        QFile::rename(folder + QStringLiteral("/before-purge.db"), file);
        db.reopen();
    }
    // The same work as the program: the season's results of the purged races are kept first
    // (championships and pool sheets need them), then the old rows go.
    const double purgeRaw = msOf([&] {
        db.exec(QStringLiteral("delete from KST_SeasonResult where LiberDate<=? and exists "
                               "(select 1 from ZOL_PigRaceData a where "
                               "a.LiberCode=KST_SeasonResult.LiberCode and "
                               "substr(a.LiberDate,1,10)=KST_SeasonResult.LiberDate)"),
                {QStringLiteral("2026-04-17")});
        db.exec(QStringLiteral(
                    "insert into KST_SeasonResult (LiberCode, LiberDate, PRingNo, LoftNo, "
                    "FlySpeed) select a.LiberCode, substr(a.LiberDate,1,10), a.PRingNo, "
                    "max(p.LoftNo), max(case when a.BackTime is null then null else "
                    "a.FlySpeed end) from ZOL_PigRaceData a left join ZOL_PigData p on "
                    "p.PRingNo=a.PRingNo where substr(a.LiberDate,1,10)<=? and a.LiberCode is "
                    "not null and a.PRingNo is not null group by a.LiberCode, "
                    "substr(a.LiberDate,1,10), a.PRingNo"),
                {QStringLiteral("2026-04-17")});
        db.exec(QStringLiteral("delete from ZOL_PigRaceData where LiberDate<=?"),
                {QStringLiteral("2026-04-17")});
        db.exec(QStringLiteral("delete from ZOL_RaceClockTime where LiberDate<=?"),
                {QStringLiteral("2026-04-17")});
    });
    report("purge race entries older than 58 days", purgeProgram, purgeRaw);

    // Race day on the race of 17,065 arrivals (on a server: added to the file, then its rows
    // copied over).
    if (gServer) {
        addBigRace(*built);
        db.transaction([&] {
            copyRows(*built, db, QStringLiteral("ZOL_LiberateSite"),
                     QStringLiteral("LiberCode='R17'"));
            copyRows(*built, db, QStringLiteral("ZOL_RaceData"), QStringLiteral("LiberCode='R17'"));
            copyRows(*built, db, QStringLiteral("ZOL_LoftLibPointDist"),
                     QStringLiteral("LiberCode='R17'"));
            copyRows(*built, db, QStringLiteral("ZOL_PigRaceData"),
                     QStringLiteral("LiberCode='R17'"));
        });
        // The server's own statistics of the tables, as it soon gathers them by itself after
        // so many new rows: the stand-in for a clock's arrivals below is planned on them.
        db.exec(QStringLiteral("analyze"));
    } else {
        addBigRace(db);
    }
    const QVariantList bigRace{kBigRace, kBigRaceDay};
    const QString rankedRaw = QStringLiteral(
        "select case when a.FlySpeed is null then 1 else rank() over (order by a.FlySpeed desc) "
        "end, b.LoftNo, a.PRingNo, a.BackTime, a.FlyTime, a.FlySpeed, a.Dist from "
        "ZOL_PigRaceData a left join ZOL_PigData b on b.PRingNo=a.PRingNo where a.LiberCode=? "
        "and a.LiberDate=? and a.BackTime is not null order by a.FlySpeed desc, a.BackTime");
    const auto readRows = [&](const QString& sql, const QVariantList& params) {
        QSqlQuery q = db.select(sql, params);
        int values = 0;
        while (q.next()) {
            for (int c = 0; c < q.record().count(); ++c) {
                values += q.value(c).isValid() ? 1 : 0;
            }
        }
        return values;
    };

    // The result upload tab's grid: chosen race, first rows painted, columns sized.
    SqlGrid upload;
    upload.resize(900, 700);
    upload.show();
    const double uploadProgram = bestOf(5, [&](int) {
        upload.load(db, ResultGridSql(), bigRace);
        upload.resizeColumnsToContents();
        QApplication::processEvents();
    });
    const double uploadRaw =
        bestOf(5, [&](int) { readRows(rankedRaw + QStringLiteral(" limit 256"), bigRace); });
    report("result upload grid (17,065 arrivals)", uploadProgram, uploadRaw);

    // The same grid after a clock of 20 arrivals has been read, scrolled half way down.
    upload.scrollTo(upload.model()->index(upload.model()->rowCount() - 1, 0));
    QApplication::processEvents();
    const double refreshProgram = bestOf(5, [&](int i) {
        db.exec(QStringLiteral("update ZOL_PigRaceData set FlySpeed=FlySpeed+0.01 where "
                               "LiberCode='R17' and PRingNo in (select PRingNo from "
                               "ZOL_PigRaceData where LiberCode='R17' limit 20 offset ?)"),
                {1000 * (i + 1)});
        upload.refresh();
        QApplication::processEvents();
    });
    const double refreshRaw =
        bestOf(5, [&](int) { readRows(rankedRaw + QStringLiteral(" limit 512"), bigRace); });
    report("result upload grid refreshed after a clock", refreshProgram, refreshRaw);
    upload.hide();

    // The race result panel of the Races screen, its report built and laid out for the
    // preview, and its list scrolled to the last row.
    const DataPaths paths = DataPaths::forDataDir(folder);
    AppContext ctx{db, prompts, clock, paths, QStringLiteral("/dev/null")};
    RaceResultPanel panel(ctx);
    panel.resize(1000, 700);
    panel.show();
    QSqlRecord race;
    {
        QSqlQuery q =
            db.select(QStringLiteral("select * from ZOL_RaceData where LiberCode=?"), {kBigRace});
        q.next();
        race = q.record();
    }
    panel.open(race, true);
    QApplication::processEvents();
    auto* results = panel.findChild<SqlGrid*>(QStringLiteral("dbgrdRaceRec"));
    // (the server takes no "on" after "cross join"; the file keeps its join order by it)
    const QString cross = gServer ? QStringLiteral("join") : QStringLiteral("cross join");
    const QString resultRaw =
        QStringLiteral(
            "select rank() over (order by a.FlySpeed desc), a.LiberCode, a.PRingNo, "
            "a.BackTime, a.FlyTime, a.FlySpeed, b.LoftNo, c.Miles||'/'||c.Yards, "
            "b.Sex, b.ColorType, a.TimeVari, l.LoftName from ZOL_PigRaceData a %1 "
            "ZOL_PigData b on b.PRingNo=a.PRingNo %1 ZOL_LoftLibPointDist c on "
            "c.LiberCode=a.LiberCode and c.LoftNo=b.LoftNo left join ZOL_LoftData l "
            "on l.LoftNo=b.LoftNo where a.LiberCode=? and a.LiberDate=? and "
            "a.BackTime is not null order by a.FlySpeed desc, a.PRingNo")
            .arg(cross);
    // The result panel's Print: the report as the button builds it (its distances line and
    // result state read), laid out for the preview.
    int pages = 0;
    const double printProgram = bestOf(3, [&](int) {
        const ReportLayout layout = LayOutReport(panel.resultReport(), clock.now());
        pages = int(layout.pages.size());
    });
    const double printRaw = bestOf(3, [&](int) {
        readRows(resultRaw, bigRace);
        db.value(QStringLiteral("select count(*) from ZOL_PigRaceData a %1 ZOL_PigData b on "
                                "b.PRingNo=a.PRingNo %1 ZOL_LoftLibPointDist c on "
                                "c.LiberCode=a.LiberCode and c.LoftNo=b.LoftNo where "
                                "a.LiberCode=? and a.LiberDate=? and a.BackTime is not null and "
                                "coalesce(a.Dist,0)<>coalesce(c.Miles,0)*1760+coalesce(c.Yards,0)")
                     .arg(cross),
                 bigRace);
    });
    report("print the race result (preview)", printProgram, printRaw,
           QStringLiteral("%1 pages").arg(pages));

    const double scrollProgram = bestOf(3, [&](int) {
        panel.open(race, true);
        QApplication::processEvents();
        results->setFocus();
        const int last = results->rowCountShown() - 1;
        while (results->currentIndex().row() < last) {
            press(results, Qt::Key_End, Qt::ControlModifier);
        }
    });
    const double scrollRaw = bestOf(3, [&](int) { readRows(resultRaw, bigRace); });
    report("result list scrolled to its last row", scrollProgram, scrollRaw);

    // "FlySpeed Recaculate" from another liberation time (a minute later each run): every
    // arrival's flying time and speed change, each change with its history.
    int recalculated = 0;
    const double recalcProgram = bestOf(3, [&](int i) {
        panel.findChild<QPushButton*>(QStringLiteral("btnRecaculate"))->click();
        panel.findChild<DateTimeBox*>(QStringLiteral("dtpRaceTime"))->setTime(QTime(7, 1 + i, 0));
        panel.findChild<QPushButton*>(QStringLiteral("btnRecacute"))->click();
        QApplication::processEvents();
        recalculated = db.value(QStringLiteral("select count(*) from KST_EntryHistory")).toInt();
    });
    const double recalcRaw = bestOf(3, [&](int i) {
        readRows(QStringLiteral("select a.rowid, a.PRingNo, a.BackTime, a.TimeVari, b.LoftNo, "
                                "c.Miles, c.Yards from ZOL_PigRaceData a left join ZOL_PigData b "
                                "on b.PRingNo=a.PRingNo left join ZOL_LoftLibPointDist c on "
                                "c.LiberCode=a.LiberCode and c.LoftNo=b.LoftNo where "
                                "a.LiberCode=? and a.LiberDate=? and a.BackTime is not null"),
                 bigRace);
        db.transaction([&] {
            for (const char* field : {"FlyTime", "FlySpeed"}) {
                db.exec(QStringLiteral("insert into KST_EntryHistory (Moment, LiberCode, "
                                       "LiberDate, Workflow, PRingNo, Field, OldValue, NewValue, "
                                       "UserName) select '2026-06-15 10:00:00.000', LiberCode, "
                                       "LiberDate, 'recalculation', PRingNo, ?, %1, %1, 'bench' "
                                       "from ZOL_PigRaceData where LiberCode=? and LiberDate=? "
                                       "and BackTime is not null")
                            .arg(QLatin1String(field)),
                        {QLatin1String(field), kBigRace, kBigRaceDay});
            }
            db.exec(QStringLiteral("update ZOL_PigRaceData set FlySpeed=FlySpeed-?, "
                                   "FlyTime=FlyTime where LiberCode=? and LiberDate=? and "
                                   "BackTime is not null"),
                    {0.01 * (i + 1), kBigRace, kBigRaceDay});
        });
    });
    report("recalculate the race with its history", recalcProgram, recalcRaw,
           QStringLiteral("%1 history rows").arg(recalculated));
    panel.hide();

    // The Races screen's race list, filled and painted (each race's result state shown).
    const double raceListProgram = bestOf(5, [&](int) {
        RacePointPanel list(ctx);
        list.resize(1000, 700);
        list.show();
        QApplication::processEvents();
    });
    const double raceListRaw = bestOf(5, [&](int) {
        readRows(RaceListSql(), {});
        readRows(QStringLiteral("select LiberCode, LiberDate, LockedAt from KST_ResultLock"), {});
    });
    report("race list painted", raceListProgram, raceListRaw);

    // Home with 3,969 clocks still to synchronise to a race ahead.
    db.transaction([&] {
        db.exec(
            QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                           "LiberDate, LiberTime, Updatetime, SynchFlag, RaceCode, "
                           "DeleteMark) values('FD', 'NXT', 'Next site', '2026-06-20', "
                           "'07:00:00', '2026-06-15 09:00:00.000', 1, 'NXT0620', 0)"));
        db.exec(kCount +
                    QStringLiteral("insert into ZOL_LoftClocks (LoftNo, ClockID, "
                                   "LastSynchDate) select 'L'||") +
                    padded(QStringLiteral("i%3000+1"), 5) + QStringLiteral(", 'K'||") +
                    padded(QStringLiteral("i"), 7) +
                    QStringLiteral(", '2026-06-01 10:00:00.000' from n"),
                {3969});
    });
    int clocksBehind = 0;
    const double homeProgram = bestOf(5, [&](int) {
        TfrmHome home(ctx);
        home.resize(1000, 700);
        home.show();
        QApplication::processEvents();
        clocksBehind = home.findChild<QListWidget*>(QStringLiteral("lstClocksBehind"))->count();
    });
    const double homeRaw = bestOf(5, [&](int) {
        readRows(QStringLiteral("select a.LoftNo, b.LoftName, a.ClockID, a.LastSynchDate from "
                                "ZOL_LoftClocks a left join ZOL_LoftData b on a.LoftNo=b.LoftNo "
                                "order by a.LoftNo, a.ClockID"),
                 {});
    });
    report("Home opened", homeProgram, homeRaw,
           QStringLiteral("%1 clocks to synchronise").arg(clocksBehind));

    // "LoftDistUpdate" of every race's site: every loft's distance computed and written.
    db.exec(
        QStringLiteral("update ZOL_RaceData set LiberLon='E002''30:00', "
                       "LiberLat='N050''15:00'"));
    const QList<QVariantList> sites =
        db.rows(QStringLiteral("select ClubID, LiberCode, LiberDate from ZOL_RaceData"));
    int distanceRows = 0;
    const double updateProgram = msOf([&] {
        distanceRows = 0;
        for (const QVariantList& site : sites) {
            distanceRows += LoftDistUpdate(db, prompts, site[0].toString(), site[1].toString(),
                                           site[2].toString());
        }
    });
    const double updateRaw = msOf([&] {
        // The lofts' coordinates read and parsed once, every site's distances computed and
        // written through a scratch table.
        struct Loft {
            QString loftNo;
            long double lat, lon;
        };
        QList<Loft> lofts;
        QSqlQuery q = db.select(QStringLiteral(
            "select LoftNo, LoftLat, LoftLon from ZOL_LoftData where LoftLon is not null"));
        while (q.next()) {
            Loft l{q.value(0).toString(), 0, 0};
            StrToCoord(q.value(1).toString(), l.lat, prompts);
            StrToCoord(q.value(2).toString(), l.lon, prompts);
            lofts << l;
        }
        long double pointLat = 0, pointLon = 0;
        StrToCoord(QStringLiteral("N050'15:00"), pointLat, prompts);
        StrToCoord(QStringLiteral("E002'30:00"), pointLon, prompts);
        db.transaction([&] {
            db.exec(gServer ? QStringLiteral("create temp table dl (c text, l text, m bigint, "
                                             "y bigint)")
                            : QStringLiteral("create temp table dl (c, l, m, y)"));
            for (const QVariantList& site : sites) {
                QVariantList values;
                int rows = 0;
                const auto flush = [&] {
                    if (rows > 0) {
                        db.exec(QStringLiteral("insert into dl values ") +
                                    QStringList(rows, QStringLiteral("(?,?,?,?)")).join(','),
                                values);
                    }
                    values.clear();
                    rows = 0;
                };
                for (const Loft& l : lofts) {
                    const DistPair pair = MetresToDistPair(
                        int(CoordDistanceKm(l.lat, l.lon, pointLat, pointLon) * 1000), 1);
                    values << site[1] << l.loftNo << pair.miles << pair.yards;
                    if (++rows == 500) {
                        flush();
                    }
                }
                flush();
            }
            db.exec(
                QStringLiteral("update ZOL_LoftLibPointDist as d set Miles=dl.m, "
                               "Yards=dl.y from dl where d.LiberCode=dl.c and d.LoftNo=dl.l"));
            db.exec(
                QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, "
                               "Yards) select c, l, m, y from dl where not exists (select 1 "
                               "from ZOL_LoftLibPointDist d where d.LiberCode=dl.c and "
                               "d.LoftNo=dl.l)"));
            db.exec(QStringLiteral("drop table dl"));
        });
    });
    report("update the distances of every site", updateProgram, updateRaw,
           QStringLiteral("%1 sites, %2 rows").arg(sites.size()).arg(distanceRows));

    // The ace pigeons of the season and the ring export of 100,000 rings, each side in a
    // fresh process of its own for its peak memory. The season's entries all arrived first.
    {
        db.exec(
            QStringLiteral("update ZOL_PigRaceData set BackTime=substr(LiberDate,1,10)||' "
                           "12:00:00.000', FlySpeed=1000+rowid%997 where BackTime is null"));
        db.transaction([&] {
            db.exec(QStringLiteral("insert into ZOL_LoftData (AssociationCode, LoftNo, "
                                   "LoftName, UpdateTime, SynchFlag) values('GBU', ?, 'Ring "
                                   "holder', '2026-06-15 10:00:00.000', 0)"),
                    {kRingLoft});
            db.exec(kCount +
                        QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, RCountry, "
                                       "RYear, RRegLetter, RRegNumber, Sex, ColorType, "
                                       "SynchFlag, DeleteMark, CreateDate, Updatetime) select "
                                       "?, 'GB26R'||") +
                        padded(QStringLiteral("i"), 6) + QStringLiteral(", 'GB', '2026', 'R', ") +
                        padded(QStringLiteral("i"), 6) +
                        QStringLiteral(", 'C', 'C3', 0, 0, '2026-01-01', '2026-01-01 "
                                       "10:00:00.000' from n"),
                    {kExportRings, kRingLoft});
        });
        const QString source = gServer ? db.fileName() : QString();
        for (const auto& [kind, title] :
             {std::pair{QStringLiteral("ace"), "ace pigeons (Standings)"},
              std::pair{QStringLiteral("rings"), "ring export of 100,000 rings"}}) {
            const SideRun program = runSide(
                {QStringLiteral("--peak"), kind, QStringLiteral("program"), folder, source}, 1);
            const SideRun raw =
                runSide({QStringLiteral("--peak"), kind, QStringLiteral("raw"), folder, source}, 1);
            report(title, program.ms, raw.ms, QStringLiteral("%1 rows").arg(program.records));
            std::printf("%-44s program %9.1f MB  raw SQL %9.1f MB  ratio %.2f\n",
                        qPrintable(QString::fromLatin1(title) + QStringLiteral(", peak memory")),
                        program.peakKb / 1024.0, raw.peakKb / 1024.0,
                        double(program.peakKb) / double(std::max(1L, raw.peakKb)));
            std::fflush(stdout);
        }
    }

    if (gServer) {
        // Start-up on a server: the window waits only for the backup to be started; the dump
        // itself runs beside it. Against the server's dump program run directly.
        const DataPaths at = DataPaths::forDataDir(folder + QStringLiteral("/server/data"));
        QThread* thread = nullptr;
        QElapsedTimer whole;
        whole.start();
        const double startProgram = msOf([&] {
            if (PrepareStartupBackup(db, at, QVariant(0), clock)) {
                thread = StartupBackupInBackground(db, at, &app, [](bool ok, const QString& why) {
                    if (!ok) {
                        std::fprintf(stderr, "background backup failed: %s\n", qPrintable(why));
                    }
                });
            }
        });
        if (thread != nullptr) {
            thread->wait();
        }
        const double backgroundMs = whole.nsecsElapsed() / 1e6;
        QApplication::processEvents();
        const double startRaw = msOf([&] {
            QProcess dump;
            dump.start(FindServerTool(QStringLiteral("pg_dump")),
                       {QStringLiteral("-Fc"), QStringLiteral("-d"), db.fileName(),
                        QStringLiteral("-f"), folder + QStringLiteral("/raw.dump")});
            dump.waitForFinished(-1);
        });
        report("start-up on a server (window waits)", startProgram, startRaw,
               QStringLiteral("backup in the background %1 ms").arg(backgroundMs, 0, 'f', 0));
        // Started again the same day: no second dump.
        const double againProgram = msOf([&] {
            if (PrepareStartupBackup(db, at, QVariant(0), clock)) {
                StartupBackupInBackground(db, at, &app, [](bool, const QString&) {})->wait();
            }
        });
        report("start-up on a server again the same day", againProgram, startRaw);
        return 0;
    }
    // The start-up backup of the whole file (no current backup yet), against SQLite's own
    // backup API from a connection of its own.
    const double backupProgram = bestOf(3, [&](int i) {
        const DataPaths at = DataPaths::forDataDir(folder + QStringLiteral("/p%1/data").arg(i));
        RunStartupBackup(db, at, QVariant(0), clock);
    });
    const double backupRaw = bestOf(3, [&](int i) {
        sqlite3* source = nullptr;
        sqlite3* copy = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &source);
        sqlite3_open(QFile::encodeName(folder + QStringLiteral("/raw%1.bak").arg(i)).constData(),
                     &copy);
        sqlite3_backup* b = sqlite3_backup_init(copy, "main", source, "main");
        sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
        sqlite3_close(copy);
        sqlite3_close(source);
    });
    report("start-up backup", backupProgram, backupRaw,
           QStringLiteral("%1 MB").arg(QFileInfo(file).size() / 1048576.0, 0, 'f', 0));
    return 0;
}
