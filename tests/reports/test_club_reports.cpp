#include <QtTest>

#include "data/errors.h"
#include "races/race_ranking.h"
#include "reports/club_reports.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

namespace {

const QDateTime kNow(QDate(2026, 6, 15), QTime(10, 0));
const ClubHeading kClub{"Homing Club", "1 Loft Lane", "Dovecote", "DC1 2AB"};
const QStringList kClubLines{"Homing Club", "1 Loft Lane", "Dovecote", "DC1 2AB"};

// A list as a screen holds it: the rows of `sql`, with some fields shown as "<stored>*" so
// that the report's choice between shown and stored texts is visible.
struct ScreenList {
    SqlGridModel model;
    ScreenList(TdmZOLF& db, const QString& sql, const QStringList& shownFields) {
        for (const QString& f : shownFields) {
            model.setFormatter(f, [](const QVariant& v, const QSqlRecord&) {
                return v.toString() + QLatin1Char('*');
            });
        }
        model.setQuery(db, sql, {});
    }
};

struct FirstPage {
    QStringList title, headers, row, footer;
};

FirstPage FirstPageOf(const ReportDefinition& report) {
    const ReportPage page = LayOutReport(report, kNow).pages.first();
    const QList<QStringList> rows = page.detailRows();
    return {page.texts(BandKind::Title), page.texts(BandKind::ColumnHeader),
            rows.isEmpty() ? QStringList() : rows.first(), page.texts(BandKind::Footer)};
}

void Insert(TdmZOLF& db, const QString& table, const QStringList& columns,
            const QList<QVariantList>& rows) {
    const QString sql = QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(table, columns.join(','),
                                 QStringList(columns.size(), QStringLiteral("?")).join(','));
    for (const QVariantList& row : rows) {
        db.exec(sql, row);
    }
}

// Race B of 2026-09-20: five arrivals (two of equal speed, one without a speed), one pigeon not
// arrived, one entry of another race. Loft L2 has no distance row; loft L9 is not in the member
// list.
void AddRace(TdmZOLF& db) {
    Insert(db, "ZOL_ClubData", {"ClubID", "ClubName", "Mode"}, {{"C1", "Homing Club", 1}});
    Insert(db, "ZOL_LoftData", {"LoftNo", "LoftName"},
           {{"L1", "Anna Jansen"}, {"L2", "Bert Smit"}});
    Insert(db, "ZOL_LiberateSite", {"LiberCode", "LiberSite"}, {{"B", "Bordeaux"}});
    Insert(db, "ZOL_LoftLibPointDist", {"LiberCode", "LoftNo", "Miles", "Yards"},
           {{"B", "L1", 250, 100}, {"B", "L9", 260, 5}});
    Insert(db, "ZOL_PigData", {"LoftNo", "PRingNo", "Sex", "ColorType"},
           {{"L1", "NL-26-1", "C", "BCH"},
            {"L2", "NL-26-2", "H", ""},
            {"L1", "NL-26-3", "H", "R"},
            {"L9", "NL-26-9", "C", "B"},
            {"L1", "NL-26-4", "C", "B"},
            {"L2", "NL-26-5", "H", "B"}});
    const QStringList cols{"LiberCode", "LiberDate", "PRingNo", "BackTime",
                           "FlyTime",   "FlySpeed",  "TimeVari"};
    Insert(db, "ZOL_PigRaceData", cols,
           {{"B", "2026-09-20", "NL-26-2", "2026-09-20 11:17:40.100", "03:12:10.100", 1300.5, 0},
            {"B", "2026-09-20", "NL-26-1", "2026-09-20 10:15:30.123", "02:10:05.900", 1500.123, 2},
            {"B", "2026-09-20", "NL-26-9", "2026-09-20 11:20:00.000", "03:14:00.000", 1300.5, -1},
            {"B", "2026-09-20", "NL-26-3", "2026-09-20 12:00:00.000", "03:50:00.000", 0.0, 1},
            {"B", "2026-09-20", "NL-26-4", QVariant(), QVariant(), QVariant(), QVariant()},
            {"B", "2026-09-20", "NL-26-5", "2026-09-20 13:00:00.000", "", QVariant(), QVariant()},
            {"B", "2025-09-13", "NL-26-1", "2025-09-13 10:00:00.000", "01:00:00.000", 2000.0, 0}});
}

}  // namespace

class TestClubReports : public QObject {
    Q_OBJECT
  private slots:
    // A list longer than what its grid has read so far prints every row, in the list's order.
    void longListPrintsEveryRow() {
        TestContext t;
        const int members = SqlGridModel::kPageRows * (SqlGridModel::kPagesKept + 1) + 3;
        ScreenList list(*t.db,
                        QStringLiteral("with recursive n(i) as (select 1 union all select i+1 "
                                       "from n where i<%1) select 'NL' as AssociationCode, "
                                       "printf('%04d', i) as LoftNo, 'Member ' || i as "
                                       "LoftName, 0 as clockCnt from n order by i")
                            .arg(members),
                        {});
        QCOMPARE(list.model.rowCount(), SqlGridModel::kPageRows);
        const QList<QStringList> rows = ListRows(
            list.model, {{QStringLiteral("LoftName"), true}, {QStringLiteral("LoftNo"), false}});
        QCOMPARE(rows.size(), members);
        QCOMPARE(rows.first(), (QStringList{"Member 1", "0001"}));
        QCOMPARE(rows.last(),
                 (QStringList{QStringLiteral("Member %1").arg(members),
                              QStringLiteral("%1").arg(members, 4, 10, QLatin1Char('0'))}));
    }

    // Every list of the member and race screens: its heading, column headers, a row printed
    // with the list's shown texts where the list's shown text is asked for, and the footer.
    void listsPrintTheScreensRows() {
        TestContext t;
        TdmZOLF& db = *t.db;
        const QStringList page1{"Page 1"};
        ScreenList members(db,
                           "select 'NL' as AssociationCode, '123' as LoftNo, "
                           "'Anna Jansen' as LoftName, 2 as clockCnt",
                           {"LoftNo", "LoftName"});
        ScreenList rings(db,
                         "select 'NL-26-1' as PRingNo, 'B' as ColorType, 'C' as Sex, "
                         "'E1' as E_Ring, '2026-01-02' as CreateDate, '2026-01-03 10:00:00' as "
                         "AssignDate, '2026-01-04 11:00:00' as Updatetime",
                         {"PRingNo", "ColorType", "Sex", "AssignDate", "Updatetime", "E_Ring"});
        ScreenList races(db,
                         "select 'C1' as ClubID, 'B' as LiberCode, 'BDX' as LiberSiteAbbr, "
                         "'Bordeaux' as LiberSite, '2026-09-20' as LiberDate, '07:30:00' as "
                         "LiberTime",
                         {"LiberTime", "LiberSite"});
        ScreenList distances(db,
                             "select 'B' as LiberCode, 'Anna Jansen' as LoftName, '123' as "
                             "LoftNo, 1234 as Miles, 56 as Yards",
                             {"LoftName", "LoftNo", "Miles"});
        ScreenList twoPoints(db,
                             "select 'B' as LiberCode, 'Anna Jansen' as LoftName, '123' as "
                             "LoftNo, 1234 as Miles, 56 as Yards union all select 'C', 'Anna "
                             "Jansen', '123', 1300, 7",
                             {"LoftName"});
        ScreenList stats(db,
                         "select '123' as LoftNo, 'C9' as ClockID, 4 as MarkedCnt, "
                         "3 as ArriveCnt",
                         {"LoftNo"});
        ScreenList results(db,
                           "select 1 as Pos, 'B' as LiberCode, 'NL-26-1' as PRingNo, "
                           "'10:15:30.123  20-09' as BackTime, '02:10:05' as FlyTime, "
                           "1500.123 as FlySpeed, '250/100' as dist, '123' as LoftNo, 'C' as "
                           "sex, 'BC' as ColorType, 2 as TimeVari",
                           {"LoftNo", "BackTime", "FlyTime", "TimeVari", "FlySpeed"});

        const struct {
            const char* name;
            ReportDefinition report;
            FirstPage expected;
        } cases[] = {
            {"member list",
             MemberListReport(kClub, members.model),
             {kClubLines + QStringList{"Member List"},
              {"Name", "LoftNo", "No. of Clocks"},
              {"Anna Jansen", "123*", "2"},
              page1}},
            {"ring list",
             RingListReport(kClub, "Anna Jansen", "123", rings.model),
             {kClubLines + QStringList{" Ring list of Anna Jansen - 123"},
              {"Life Ring Number", "Sex ", "E_Ring", "Color", "Created", "Assign Date", "Updated"},
              {"NL-26-1", "C*", "E1", "B*", "2026-01-02", "2026-01-03 10:00:00*",
               "2026-01-04 11:00:00*"},
              page1}},
            {"race list",
             RaceListReport(kClub, races.model),
             {kClubLines + QStringList{"Race List"},
              {"Club", "Code", "Lib.Site Abbr.", "Liberation Site", "Lib Date", "Lib Time"},
              {"C1", "B", "BDX", "Bordeaux", "2026-09-20", "07:30:00*"},
              page1}},
            {"loft distances, imperial",
             LoftDistanceReport(kClub, "Member loft distance to Bordeaux",
                                "Distances : WGS84 geodesic", 1, distances.model),
             {kClubLines +
                  QStringList{"Member loft distance to Bordeaux", "Distances : WGS84 geodesic"},
              {"Member", "Loft Number", "Miles", "Yards"},
              {"Anna Jansen*", "123", "1234", "56"},
              page1}},
            {"loft distances, metric",
             LoftDistanceReport(kClub, "Member loft distance to Bordeaux",
                                "Distances : WGS84 geodesic", 0, distances.model),
             {kClubLines +
                  QStringList{"Member loft distance to Bordeaux", "Distances : WGS84 geodesic"},
              {"Member", "Loft Number", "KM", "M"},
              {"Anna Jansen*", "123", "1234", "56"},
              page1}},
            {"loft distances of several liberation points",
             LoftDistanceReport(kClub, " Race distance download ", "Distances : from a file", 1,
                                twoPoints.model),
             {kClubLines + QStringList{" Race distance download ", "Distances : from a file"},
              {"Code", "Member", "Loft Number", "Miles", "Yards"},
              {"B", "Anna Jansen*", "123", "1234", "56"},
              page1}},
            {"race statistics",
             RaceStatisticsReport(kClub, " Status for Bordeaux", QDate(2026, 9, 20), QTime(7, 5, 9),
                                  stats.model),
             {kClubLines + QStringList{" Status for Bordeaux (09/20 07:05:09)"},
              {"Member", "Clock", "Birds Marked", "Birds arrived"},
              {"123*", "C9", "4", "3"},
              page1}},
            {"race result, imperial",
             RaceResultReport(
                 {"Anna Jansen", "LiberSite : Bordeaux", "RaceCode : B 2026-09-20 07:30",
                  "   1 Members sent ...", "Distances : Flat (federation file rule)"},
                 1, results.model),
             {{"Anna Jansen", "LiberSite : Bordeaux", "RaceCode : B 2026-09-20 07:30",
               "   1 Members sent ...", "Distances : Flat (federation file rule)"},
              {"Pos.", "Name", "Ring", "S", "C", "Clocked", "FlyTime", "Var", "Yds/min", "Dist."},
              {"1", "123*", "NL-26-1", "C", "BC", "10:15:30.123  20-09*", "02:10:05*", "2*",
               "1500.123*", "250/100"},
              {}}},
        };
        for (const auto& c : cases) {
            const FirstPage page = FirstPageOf(c.report);
            for (const auto& [got, want] :
                 {std::pair{page.title, c.expected.title},
                  std::pair{page.headers, c.expected.headers}, std::pair{page.row, c.expected.row},
                  std::pair{page.footer, c.expected.footer}}) {
                QVERIFY2(got == want, qPrintable(QStringLiteral("%1: got [%2], want [%3]")
                                                     .arg(c.name, got.join('|'), want.join('|'))));
            }
        }
        QCOMPARE(FirstPageOf(RaceResultReport({}, 0, results.model)).headers[8],
                 QStringLiteral("M/min"));
    }

    // Ring numbers of up to 20 characters and long names print whole in the lists that show
    // them most.
    // The distance columns are found by their field, whatever the secretary's language calls
    // them: in German the miles printed empty beside the yards.
    void loftDistancesInAnotherLanguage() {
        class German : public QTranslator {
          public:
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*,
                              int) const override {
                return qstrcmp(context, "ClubReports") == 0 && qstrcmp(source, "Miles") == 0
                           ? QStringLiteral("Meilen")
                           : QString();
            }
        } german;
        QCoreApplication::installTranslator(&german);
        TestContext t;
        ScreenList distances(*t.db,
                             "select 'B' as LiberCode, 'Anna Jansen' as LoftName, '123' as "
                             "LoftNo, 127 as Miles, 1732 as Yards",
                             {"LoftName"});
        const FirstPage page = FirstPageOf(LoftDistanceReport(
            kClub, "Bordeaux", "Distances : WGS84 geodesic", 1, distances.model));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(page.headers, (QStringList{"Member", "Loft Number", "Meilen", "Yards"}));
        QCOMPARE(page.row, (QStringList{"Anna Jansen*", "123", "127", "1732"}));
    }

    void longRingNumbersPrintWhole() {
        TestContext t;
        const QString ring = "GB16A123456789012345";
        const QString name = "Johannes van der Berghe-Smits";
        ScreenList rings(*t.db,
                         "select '" + ring +
                             "' as PRingNo, 'BBAR' as ColorType, 'C' as Sex, "
                             "'E0123456789ABCDEF' as E_Ring, '2026-01-02' as CreateDate, "
                             "'2026-01-03 10:00:00' as AssignDate, '2026-01-04 11:00:00' as "
                             "Updatetime",
                         {});
        ScreenList results(*t.db,
                           "select 1 as Pos, 'B' as LiberCode, '" + ring +
                               "' as PRingNo, "
                               "'10:15:30.123  20-09' as BackTime, '02:10:05' as FlyTime, "
                               "1500.123 as FlySpeed, '250/100' as dist, '" +
                               name +
                               "' as LoftNo, "
                               "'C' as sex, 'BC' as ColorType, 2 as TimeVari",
                           {});
        const QStringList ringRow =
            FirstPageOf(RingListReport(kClub, name, "123", rings.model)).row;
        QCOMPARE(ringRow.mid(0, 3), (QStringList{ring, "C", "E0123456789ABCDEF"}));
        const QStringList resultRow =
            FirstPageOf(RaceResultReport({"", "", "", "", ""}, 1, results.model)).row;
        QCOMPARE(resultRow.mid(1, 2), (QStringList{name, ring}));
        QCOMPARE(resultRow[5], QStringLiteral("10:15:30.123  20-09"));
    }

    void raceResultHeadingLooksUpMemberAndSite() {
        TestContext t;
        AddRace(*t.db);
        const RaceResultHeading found = ReadRaceResultHeading(*t.db, "L1", "B", QDate(2026, 9, 20),
                                                              QTime(7, 30, 15), "  2 Members sent");
        QCOMPARE(found.member, QStringLiteral("Anna Jansen"));
        QCOMPARE(found.site, QStringLiteral("LiberSite : Bordeaux"));
        QCOMPARE(found.race, QStringLiteral("RaceCode : B 2026-09-20 07:30"));
        QCOMPARE(found.summary, QStringLiteral("  2 Members sent"));
        const RaceResultHeading missing =
            ReadRaceResultHeading(*t.db, "L9", "X", QDate(2026, 9, 20), QTime(7, 30), "");
        QCOMPARE(missing.member, QString());
        QCOMPARE(missing.site, QString());
    }

    // The ranking of one race: places shared by equal speeds, the texts of every column, the
    // margins to the winner and the footer's flying times.
    void rankingOfARace() {
        TestContext t;
        AddRace(*t.db);
        const QList<RankingRow> rows = ReadRaceRanking(*t.db, "B", "2026-09-20");
        QCOMPARE(rows.size(), 5);
        const ReportDefinition report =
            RaceRankingReportOf(*t.db, "B", "2026-09-20", "B 2026-09-20 BDX");
        const ReportPage page = LayOutReport(report, kNow).pages.first();
        QCOMPARE(
            page.texts(BandKind::Title),
            (QStringList{"Homing Club", "Date : 2026-06-15 10:00:00", "Total : 005",
                         "LiberSite : Bordeaux", "RaceCode : B 2026-09-20 BDX", "Provisional"}));
        QCOMPARE(page.texts(BandKind::ColumnHeader),
                 (QStringList{"Pos", "Name", "Yds/min", "Ring Particulars ", "C", "S",
                              "Clock / day", "Var", "Distance", "Margin"}));
        const QList<QStringList> expected{
            {"1", "Anna Jansen", "1500.123", "NL-26-1", "BC", "C", "10:15:30.123  20-09", "+2",
             "250/100", "00:00:00"},
            {"2", "Bert Smit", "1300.500", "NL-26-2", "", "H", "11:17:40.100  20-09", "0", "0",
             "01:02:05"},
            {"2", "L9", "1300.500", "NL-26-9", "B", "C", "11:20:00.000  20-09", "-1", "260/5",
             "01:03:55"},
            {"4", "Anna Jansen", "", "NL-26-3", "R", "H", "12:00:00.000  20-09", "+1", "250/100",
             "01:39:55"},
            {"1", "Bert Smit", "", "NL-26-5", "B", "H", "13:00:00.000  20-09", "", "0", ""}};
        QCOMPARE(page.detailRows(), expected);
        QCOMPARE(page.texts(BandKind::Footer), (QStringList{"Net Flying Time : 02:10:05.900",
                                                            "Winning Margin : 1:2:5", "Page 1"}));
        QCOMPARE(FirstPageOf(RaceRankingReport({}, 0, {}, {}, {})).headers[2],
                 QStringLiteral("MPM"));
    }

    void rankingMargins_data() {
        QTest::addColumn<QString>("flyTime");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<QString>("margin");
        QTest::newRow("winner") << "02:10:05.900"
                                << "02:10:05.100"
                                << "00:00:00";
        QTest::newRow("1 h 2 min 5 s, milliseconds ignored") << "03:12:10.000"
                                                             << "02:10:05.999"
                                                             << "01:02:05";
        QTest::newRow("faster on a shorter distance") << "02:00:00.000"
                                                      << "02:10:05.000"
                                                      << "-00:10:05";
        QTest::newRow("not flown") << ""
                                   << "02:10:05.000"
                                   << "";
    }
    void rankingMargins() {
        QFETCH(QString, flyTime);
        QFETCH(QString, winner);
        QFETCH(QString, margin);
        QCOMPARE(RankingMargin(flyTime, winner), margin);
    }

    // One row: a winning margin of 0:0:0; no rows: the headings, "Total : 000" and empty
    // footer times instead of a conversion error; an unreadable flying time: the error.
    void rankingEdges() {
        RankingRow winner;
        winner.flyTime = QStringLiteral("02:10:05.900");
        QCOMPARE(WinningMargin({winner}), QStringLiteral("0:0:0"));

        TestContext t;
        const FirstPage empty = FirstPageOf(RaceRankingReportOf(*t.db, "B", "2026-09-20", "B"));
        QVERIFY(empty.title.contains(QStringLiteral("Total : 000")));
        QCOMPARE(empty.headers.size(), 10);
        QVERIFY(empty.row.isEmpty());
        QCOMPARE(empty.footer, (QStringList{"Net Flying Time : ", "Winning Margin : ", "Page 1"}));

        RankingRow bad;
        bad.flyTime = QStringLiteral("2h10");
        try {
            WinningMargin({winner, bad});
            QFAIL("an unreadable flying time was taken");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), QStringLiteral("'2h10' is not a valid integer value"));
        }
    }

    // The marking grid's rows as they were when the report was made, numbered; an empty grid
    // prints its headings with "Total : 000".
    void markedPigeons() {
        TestContext t;
        AddRace(*t.db);
        ScreenList marking(*t.db,
                           "select a.LoftNo, a.PRingNo, a.Sex, a.ColorType, b.MarkedTime from "
                           "ZOL_PigRaceData b left join ZOL_PigData a on a.PRingNo=b.PRingNo "
                           "where b.LiberDate='2026-09-20' order by a.LoftNo, a.PRingNo",
                           {"LoftNo"});
        const RaceDayHeading heading = ReadRaceDayHeading(*t.db, "B", "B 2026-09-20 BDX");
        const ReportDefinition report = MarkedPigeonsReport(heading, marking.model);
        t.db->exec("delete from ZOL_PigRaceData");
        marking.model.setQuery(*t.db, "select * from ZOL_PigRaceData", {});

        const ReportPage page = LayOutReport(report, kNow).pages.first();
        QVERIFY(page.texts(BandKind::Title).contains(QStringLiteral("Total : 006")));
        QCOMPARE(page.texts(BandKind::ColumnHeader),
                 (QStringList{"Pos", "Name", "Pigeon ", "S", "Marked ", "Yds/Min", "Flying Time",
                              "Dist."}));
        const QList<QStringList> rows = page.detailRows();
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0], (QStringList{"1", "L1*", "NL-26-1", "C", "", "", "", ""}));
        QCOMPARE(rows[5].first(), QStringLiteral("6"));
        QCOMPARE(page.texts(BandKind::Footer), QStringList{"Page 1"});

        const FirstPage empty = FirstPageOf(MarkedPigeonsReport(heading, marking.model));
        QVERIFY(empty.title.contains(QStringLiteral("Total : 000")));
        QVERIFY(empty.row.isEmpty());
    }
};

QTEST_MAIN(TestClubReports)
#include "test_club_reports.moc"
