#include "competition_reports.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "pool_store.h"
#include "reports/club_reports.h"
#include "spreadsheet/workbook_reader.h"
#include "spreadsheet/workbook_writer.h"

namespace {

struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCenter = Qt::AlignHCenter;

QList<ReportLine> TitleBand(TdmZOLF& db, const QString& title, const QString& subtitle) {
    return {{{ReadClubHeading(db).name, 0, 1, kCenter, TextStyle::Title, {}}},
            {{title, 0, 1, kCenter, TextStyle::Heading, {}}},
            {{subtitle, 0, 0.6, kLeft, TextStyle::Normal, {}},
             {CompetitionText::tr("Printed :"),
              0.6,
              0.4,
              kRight,
              TextStyle::Normal,
              {SystemField::Date, SystemField::Time}}}};
}

QList<ReportLine> PageFooter() {
    return {{{CompetitionText::tr("Page"),
              0.7,
              0.3,
              kRight,
              TextStyle::Normal,
              {SystemField::PageNumber}}}};
}

QString PlaceText(int place, bool tie) {
    if (place <= 0) {
        return {};
    }
    return QString::number(place) + (tie ? QStringLiteral("=") : QString());
}

QString RuleText(const PoolDefinition& p) {
    if (p.rule == PrizeRule::OnePerN) {
        return CompetitionText::tr("one prize per %1 birds").arg(p.birdsPerPrize);
    }
    return SplitText(p.split) + QStringLiteral(" %");
}

double Money(Cents c) {
    return double(c) / 100.0;
}

void Save(const WorkbookWriter& book, const QString& file) {
    book.save(file);
}

}  // namespace

QHash<QString, QString> LoftNames(TdmZOLF& db) {
    QHash<QString, QString> names;
    QSqlQuery q = db.select(QStringLiteral("select LoftNo, LoftName from ZOL_LoftData"));
    while (q.next()) {
        names.insert(q.value(0).toString(), q.value(1).toString());
    }
    return names;
}

QString BalanceText(const PoolPayout& p) {
    const QString figures =
        CompetitionText::tr("stakes %1 = prizes %2 + deduction %3 + remainder %4")
            .arg(CentsText(p.stakes), CentsText(p.paid), CentsText(p.deduction),
                 CentsText(p.remainder()));
    return (p.balances() ? CompetitionText::tr("Balances: ")
                         : CompetitionText::tr("DOES NOT BALANCE: ")) +
           figures;
}

ReportDefinition PoolSheetReport(TdmZOLF& db, const RaceId& race, const QList<PoolPayout>& pools) {
    const QHash<QString, QString> names = LoftNames(db);
    ReportDefinition report;
    report.name = CompetitionText::tr("Pool sheet %1")
                      .arg(race.liberCode + QLatin1Char(' ') + DateText(race.liberDate));
    report.titleBand = TitleBand(db, CompetitionText::tr("Pool sheet"), RaceTitle(db, race));
    report.columns = {{CompetitionText::tr("Pool"), 1.7, kLeft, false},
                      {CompetitionText::tr("Loft"), 0.9, kLeft, false},
                      {CompetitionText::tr("Name"), 2.4, kLeft, false, true},
                      {CompetitionText::tr("Ring"), 2.2, kLeft, false, true},
                      {CompetitionText::tr("Nom"), 0.7, kRight, false},
                      {CompetitionText::tr("Place"), 1.5, kRight, false},
                      {CompetitionText::tr("Speed"), 1.3, kRight, false},
                      {CompetitionText::tr("Stake"), 1.1, kRight, false},
                      {CompetitionText::tr("Prize"), 1.1, kRight, false}};
    // Each pool: a heading, its birds, then its totals in the money columns, so that the
    // sheet can be added up by hand: stakes = prizes + deduction + remainder.
    auto line = [](const QString& first, const QString& name, const QString& ring,
                   const QString& stake, const QString& prize) {
        return QStringList{first, {}, name, ring, {}, {}, {}, stake, prize};
    };
    Cents stakes = 0, paid = 0, deduction = 0, remainder = 0;
    bool allBalance = true;
    for (const PoolPayout& p : pools) {
        QString counts = p.pool.countFirst > 0
                             ? CompetitionText::tr("first %n nominated", nullptr, p.pool.countFirst)
                             : CompetitionText::tr("every bird entered");
        report.rows << line(p.pool.name,
                            CompetitionText::tr("%1 a bird, deduction %2 %")
                                .arg(CentsText(p.pool.stake), PercentText(p.pool.deduction)),
                            RuleText(p.pool) + QStringLiteral(", ") + counts, {}, {});
        for (const PoolLine& l : p.lines) {
            report.rows << QStringList{
                {},
                l.loftNo,
                names.value(l.loftNo),
                l.ringNo,
                l.nomination > 0 ? QString::number(l.nomination) : QString(),
                l.counted ? PlaceText(l.place, l.tie) : CompetitionText::tr("not counted"),
                l.speedMilli > 0 ? MilliText(l.speedMilli) : QString(),
                l.counted ? CentsText(l.stake) : QString(),
                l.prize > 0 ? CentsText(l.prize) : QString()};
        }
        report.rows << line(
            CompetitionText::tr("Total"), CompetitionText::tr("%n bird(s)", nullptr, p.birds),
            CompetitionText::tr("prizes paid"), CentsText(p.stakes), CentsText(p.paid));
        report.rows << line({}, {}, CompetitionText::tr("club deduction"), {},
                            CentsText(p.deduction));
        report.rows << line(
            {}, {},
            p.unclaimed > 0
                ? CompetitionText::tr("remainder (%1 not won)").arg(CentsText(p.unclaimed))
                : CompetitionText::tr("remainder"),
            {}, CentsText(p.remainder()));
        report.rows << line(p.balances() ? CompetitionText::tr("Balances")
                                         : CompetitionText::tr("DOES NOT BALANCE"),
                            {}, {}, CentsText(p.stakes),
                            CentsText(p.paid + p.deduction + p.remainder()));
        stakes += p.stakes;
        paid += p.paid;
        deduction += p.deduction;
        remainder += p.remainder();
        allBalance = allBalance && p.balances();
    }
    report.titleBand << ReportLine{
        {(allBalance ? CompetitionText::tr("All pools balance: ")
                     : CompetitionText::tr("DOES NOT BALANCE: ")) +
             CompetitionText::tr("stakes %1 = prizes %2 + deduction %3 + remainder %4")
                 .arg(CentsText(stakes), CentsText(paid), CentsText(deduction),
                      CentsText(remainder)),
         0,
         1,
         kLeft,
         TextStyle::Bold,
         {}}};
    report.footer = PageFooter();
    return report;
}

ReportDefinition LoftPayoutReport(TdmZOLF& db, const RaceId& race, const QList<PoolPayout>& pools) {
    const QHash<QString, QString> names = LoftNames(db);
    ReportDefinition report;
    report.name = CompetitionText::tr("Payout per loft %1")
                      .arg(race.liberCode + QLatin1Char(' ') + DateText(race.liberDate));
    report.titleBand = TitleBand(db, CompetitionText::tr("Payout per loft"), RaceTitle(db, race));
    report.columns = {{CompetitionText::tr("Loft"), 1.0, kLeft, false},
                      {CompetitionText::tr("Name"), 3.0, kLeft, false, true},
                      {CompetitionText::tr("Entries"), 1.0, kRight, false},
                      {CompetitionText::tr("Stakes"), 1.3, kRight, false},
                      {CompetitionText::tr("Prizes"), 1.3, kRight, false},
                      {CompetitionText::tr("Net"), 1.3, kRight, false}};
    Cents stakes = 0, prizes = 0;
    int birds = 0;
    for (const LoftPayout& l : PayoutPerLoft(pools)) {
        report.rows << QStringList{l.loftNo,
                                   names.value(l.loftNo),
                                   QString::number(l.birds),
                                   CentsText(l.stakes),
                                   CentsText(l.prizes),
                                   CentsText(l.prizes - l.stakes)};
        stakes += l.stakes;
        prizes += l.prizes;
        birds += l.birds;
    }
    report.rows << QStringList{CompetitionText::tr("Total"),
                               {},
                               QString::number(birds),
                               CentsText(stakes),
                               CentsText(prizes),
                               CentsText(prizes - stakes)};
    report.footer = PageFooter();
    return report;
}

namespace {

QString RuleDescription(const ChampionshipDefinition& c) {
    QString rule;
    switch (c.rule) {
        case ChampionshipRule::PointsTable: {
            QStringList points;
            for (int p : c.points) {
                points << QString::number(p);
            }
            rule = CompetitionText::tr("points by place %1").arg(points.join(QLatin1Char('/')));
            break;
        }
        case ChampionshipRule::CommonRule:
            rule = CompetitionText::tr(
                "100 points down to the last prize, one prize per 4 birds entered");
            break;
        case ChampionshipRule::BestAverage:
            rule = CompetitionText::tr("average speed");
            break;
        case ChampionshipRule::Coefficient:
            rule = CompetitionText::tr("coefficient (place x 1000 / birds entered), lowest wins");
            break;
    }
    if (c.bestN > 0) {
        rule += CompetitionText::tr(", best %1 races").arg(c.bestN);
    }
    if (c.ofM > 0) {
        rule += CompetitionText::tr(" of the first %1").arg(c.ofM);
    }
    return rule;
}

QString RaceColumnTitle(const RaceId& r) {
    return r.liberCode + QLatin1Char(' ') + r.liberDate.toString(QStringLiteral("MM-dd"));
}

}  // namespace

ReportDefinition StandingsReport(TdmZOLF& db, const Standings& s) {
    const QHash<QString, QString> names = LoftNames(db);
    const bool pigeons = s.championship.subject == ChampionshipSubject::Pigeons;
    ReportDefinition report;
    report.name =
        CompetitionText::tr("Standings %1 %2").arg(s.championship.name).arg(s.championship.season);
    QStringList types = s.championship.raceTypes;
    report.titleBand = TitleBand(
        db, CompetitionText::tr("%1 %2").arg(s.championship.name).arg(s.championship.season),
        (pigeons ? CompetitionText::tr("Ace pigeons, ") : CompetitionText::tr("Lofts, ")) +
            RuleDescription(s.championship));
    report.titleBand << ReportLine{
        {CompetitionText::tr("%n race(s) counted", nullptr, int(s.races.size())) +
             (types.isEmpty()
                  ? QString()
                  : CompetitionText::tr(" of types %1").arg(types.join(QStringLiteral(", ")))),
         0,
         1,
         kLeft,
         TextStyle::Normal,
         {}}};
    report.columns = {{CompetitionText::tr("Place"), 0.8, kRight, false},
                      {CompetitionText::tr("Loft"), 1.0, kLeft, false},
                      {CompetitionText::tr("Name"), 2.6, kLeft, false, true}};
    if (pigeons) {
        report.columns << ReportColumn{CompetitionText::tr("Ring"), 2.2, kLeft, false, true};
    }
    // With few races each race's figure is shown; the best-N races that count are the ones
    // without brackets.
    const bool perRace = s.races.size() <= 6;
    if (perRace) {
        for (const RaceId& r : s.races) {
            report.columns << ReportColumn{RaceColumnTitle(r), 1.2, kRight, false};
        }
    }
    report.columns << ReportColumn{CompetitionText::tr("Flown"), 0.8, kRight, false}
                   << ReportColumn{CompetitionText::tr("Score"), 1.4, kRight, false};
    for (const Standing& st : s.rows) {
        QStringList row{PlaceText(st.place, st.tie), st.loftNo, names.value(st.loftNo)};
        if (pigeons) {
            row << st.ringNo;
        }
        if (perRace) {
            for (qsizetype i = 0; i < st.perRace.size(); ++i) {
                const QString v = ScoreText(s.championship, st.perRace[i]);
                row << (st.counted.value(i) ? v : QStringLiteral("(") + v + QStringLiteral(")"));
            }
        }
        row << QString::number(st.racesFlown) << ScoreText(s.championship, st.score);
        report.rows << row;
    }
    report.footer = PageFooter();
    return report;
}

void WritePoolSheetWorkbook(TdmZOLF& db, const QList<PoolPayout>& pools, const QString& file) {
    const QHash<QString, QString> names = LoftNames(db);
    // Workbook titles are read by other programs: not translated.
    WorkbookWriter book({QStringLiteral("Pool"), QStringLiteral("LoftNo"),
                         QStringLiteral("LoftName"), QStringLiteral("PRingNo"),
                         QStringLiteral("Nom"), QStringLiteral("Counted"), QStringLiteral("Place"),
                         QStringLiteral("FlySpeed"), QStringLiteral("Stake"),
                         QStringLiteral("Prize")});
    book.setColumnFormat(2, kTextFormat);
    book.setColumnFormat(4, kTextFormat);
    book.setColumnFormat(8, kThreeDecimalsFormat);
    book.setColumnFormat(9, QStringLiteral("0.00"));
    book.setColumnFormat(10, QStringLiteral("0.00"));
    book.setColumnWidth(1, 20);
    book.setColumnWidth(3, 25);
    book.setColumnWidth(4, 20);
    for (const PoolPayout& p : pools) {
        for (const PoolLine& l : p.lines) {
            book.addRow({p.pool.name, l.loftNo, names.value(l.loftNo), l.ringNo,
                         l.nomination > 0 ? QVariant(l.nomination) : QVariant(), l.counted ? 1 : 0,
                         l.place > 0 ? QVariant(l.place) : QVariant(),
                         l.speedMilli > 0 ? QVariant(double(l.speedMilli) / 1000.0) : QVariant(),
                         l.counted ? QVariant(Money(l.stake)) : QVariant(), Money(l.prize)});
        }
        book.addRow({QStringLiteral("Total ") + p.pool.name,
                     {},
                     {},
                     {},
                     {},
                     p.birds,
                     {},
                     {},
                     Money(p.stakes),
                     Money(p.paid)});
        book.addRow({QStringLiteral("Deduction ") + p.pool.name,
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     Money(p.deduction)});
        book.addRow({QStringLiteral("Remainder ") + p.pool.name,
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     {},
                     Money(p.remainder())});
    }
    Save(book, file);
}

void WriteLoftPayoutWorkbook(TdmZOLF& db, const QList<PoolPayout>& pools, const QString& file) {
    const QHash<QString, QString> names = LoftNames(db);
    WorkbookWriter book({QStringLiteral("LoftNo"), QStringLiteral("LoftName"),
                         QStringLiteral("Entries"), QStringLiteral("Stakes"),
                         QStringLiteral("Prizes"), QStringLiteral("Net")});
    book.setColumnFormat(1, kTextFormat);
    for (int c = 4; c <= 6; ++c) {
        book.setColumnFormat(c, QStringLiteral("0.00"));
    }
    book.setColumnWidth(2, 30);
    for (const LoftPayout& l : PayoutPerLoft(pools)) {
        book.addRow({l.loftNo, names.value(l.loftNo), l.birds, Money(l.stakes), Money(l.prizes),
                     Money(l.prizes - l.stakes)});
    }
    Save(book, file);
}

void WriteStandingsWorkbook(TdmZOLF& db, const Standings& s, const QString& file) {
    const QHash<QString, QString> names = LoftNames(db);
    QStringList titles{QStringLiteral("Place"), QStringLiteral("Tie"), QStringLiteral("LoftNo"),
                       QStringLiteral("LoftName"), QStringLiteral("PRingNo")};
    for (const RaceId& r : s.races) {
        titles << r.liberCode + QLatin1Char(' ') + DateText(r.liberDate);
    }
    titles << QStringLiteral("Flown") << QStringLiteral("Score");
    WorkbookWriter book(titles);
    book.setColumnFormat(3, kTextFormat);
    book.setColumnFormat(5, kTextFormat);
    book.setColumnWidth(4, 30);
    book.setColumnWidth(5, 20);
    const bool points = s.championship.rule == ChampionshipRule::PointsTable ||
                        s.championship.rule == ChampionshipRule::CommonRule;
    const double unit = points ? 100.0 : 1000.0;
    for (int c = 6; c <= titles.size(); ++c) {
        if (c != titles.size() - 1) {
            book.setColumnFormat(c, points ? QStringLiteral("0.00") : kThreeDecimalsFormat);
        }
    }
    for (const Standing& st : s.rows) {
        QVariantList row{st.place, st.tie ? QStringLiteral("=") : QString(), st.loftNo,
                         names.value(st.loftNo), st.ringNo};
        for (qint64 v : st.perRace) {
            row << double(v) / unit;
        }
        row << st.racesFlown << double(st.score) / unit;
        book.addRow(row);
    }
    Save(book, file);
}

void WriteEntriesWorkbook(TdmZOLF& db, const RaceId& race, const QString& file) {
    const QList<PoolDefinition> pools = RacePools(db, race);
    QStringList titles{QStringLiteral("LoftNo"), QStringLiteral("PRingNo"), QStringLiteral("Nom")};
    for (const PoolDefinition& p : pools) {
        titles << p.name;
    }
    QSet<QString> entered;
    for (const PoolEntry& e : PoolEntries(db, race)) {
        entered.insert(e.poolName + QLatin1Char('\n') + e.ringNo);
    }
    WorkbookWriter book(titles);
    book.setColumnFormat(1, kTextFormat);
    book.setColumnFormat(2, kTextFormat);
    book.setColumnWidth(2, 20);
    QHash<QString, QMap<int, QString>> nominations;
    for (const MarkedBird& b : MarkedBirds(db, race)) {
        if (!nominations.contains(b.loftNo)) {
            nominations.insert(b.loftNo, NominationNumbers(db, race, b.loftNo));
        }
        const int nom = nominations.value(b.loftNo).key(b.ringNo, 0);
        QVariantList row{b.loftNo, b.ringNo, nom > 0 ? QVariant(int(nom)) : QVariant()};
        for (const PoolDefinition& p : pools) {
            row << (entered.contains(p.name + QLatin1Char('\n') + b.ringNo) ? QVariant(1)
                                                                            : QVariant());
        }
        book.addRow(row);
    }
    Save(book, file);
}

int ReadEntriesWorkbook(TdmZOLF& db, const Clock& clock, const RaceId& race, const QString& file,
                        Prompts* prompts) {
    RefuseIfEntriesClosed(db, clock, race);
    const WorkbookReader sheet(file);
    QSet<QString> poolNames;
    for (const PoolDefinition& p : RacePools(db, race)) {
        poolNames.insert(p.name);
    }
    int loftCol = 0, ringCol = 0, nomCol = 0;
    QMap<int, QString> poolCols;  // by column, so marks are read and named left to right
    for (int c = 1; c <= sheet.columnCount(); ++c) {
        const QString title = sheet.text(1, c).trimmed();
        if (title.compare(QLatin1String("LoftNo"), Qt::CaseInsensitive) == 0) {
            loftCol = c;
        } else if (title.compare(QLatin1String("PRingNo"), Qt::CaseInsensitive) == 0) {
            ringCol = c;
        } else if (title.compare(QLatin1String("Nom"), Qt::CaseInsensitive) == 0) {
            nomCol = c;
        } else if (poolNames.contains(title)) {
            poolCols.insert(c, title);
        } else if (!title.isEmpty()) {
            throw UserError(CompetitionText::tr("%1: column %2 \"%3\" is not a pool of this race.")
                                .arg(file, ColumnLetters(c), title));
        }
    }
    if (ringCol == 0) {
        throw UserError(
            CompetitionText::tr("%1 has no column PRingNo in its first row.").arg(file));
    }
    QList<EntryRow> rows;
    QStringList problems;
    for (int r = 2; r <= sheet.rowCount(); ++r) {
        EntryRow row;
        row.row = r;
        row.ringNo = sheet.text(r, ringCol).trimmed();
        if (row.ringNo.isEmpty()) {
            continue;
        }
        row.loftNo = loftCol > 0 ? sheet.text(r, loftCol).trimmed().toUpper() : QString();
        const QString nom = nomCol > 0 ? sheet.text(r, nomCol).trimmed() : QString();
        bool ok = true;
        row.nomination = nom.isEmpty() ? 0 : nom.toInt(&ok);
        if (!ok || row.nomination < 0) {
            problems << CompetitionText::tr("Row %1: the nomination '%2' is not a whole number.")
                            .arg(r)
                            .arg(nom);
        }
        for (auto it = poolCols.cbegin(); it != poolCols.cend(); ++it) {
            // Only a mark that can mean nothing else enters the bird: "x", "1" or "yes" (also in
            // the program's language). An empty cell or "0" leaves it out; any other text ("no",
            // "-", "0.50") is refused rather than guessed.
            const QString v = sheet.text(r, it.key()).trimmed();
            if (v.isEmpty() || v == QLatin1String("0")) {
                continue;
            }
            const bool mark = v.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0 ||
                              v == QLatin1String("1") ||
                              v.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 ||
                              v.compare(CompetitionText::tr("yes"), Qt::CaseInsensitive) == 0;
            if (mark) {
                row.pools << it.value();
            } else {
                problems << CompetitionText::tr(
                                "Row %1, column %2 (%3): '%4' does not enter a bird; type x, 1 or "
                                "yes to enter it, or leave the cell empty.")
                                .arg(r)
                                .arg(ColumnLetters(it.key()), it.value(), v);
            }
        }
        rows << row;
    }
    if (!problems.isEmpty()) {
        throw UserError(CompetitionText::tr("The entries were not stored:") + QLatin1Char('\n') +
                        problems.mid(0, 10).join(QLatin1Char('\n')));
    }
    if (prompts != nullptr) {
        // What the sheet replaces, said before anything is stored: every earlier entry and
        // nomination of the lofts it names, in every pool.
        QSet<QString> lofts;
        const QList<MarkedBird> marked = MarkedBirds(db, race);
        QHash<QString, QString> loftOf;
        for (const MarkedBird& b : marked) {
            loftOf.insert(b.ringNo, b.loftNo);
        }
        for (const EntryRow& row : std::as_const(rows)) {
            lofts.insert(row.loftNo.isEmpty() ? loftOf.value(row.ringNo) : row.loftNo);
        }
        int entries = 0;
        for (const PoolEntry& e : PoolEntries(db, race)) {
            entries += lofts.contains(e.loftNo) ? 1 : 0;
        }
        int nominated = 0;
        for (const QString& loft : std::as_const(lofts)) {
            nominated += int(Nominations(db, race, loft).size());
        }
        QStringList names(lofts.cbegin(), lofts.cend());
        names.sort();
        if (!prompts->confirmed(
                CompetitionText::tr(
                    "The sheet holds %1 rings of %2 lofts (%3).\nIt replaces every earlier entry "
                    "(%4) and nomination (%5) of these lofts; nominations keep the numbers "
                    "written in the sheet.\n\nStore the sheet's entries?")
                    .arg(rows.size())
                    .arg(names.size())
                    .arg(names.join(QStringLiteral(", ")))
                    .arg(entries)
                    .arg(nominated))) {
            return -1;
        }
    }
    ReplaceEntries(db, clock, race, rows);
    return int(rows.size());
}
