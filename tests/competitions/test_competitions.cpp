// Pools and their payouts in whole cents, entries and nominations closing at liberation, and
// the season's championships under each rule, all worked out by hand on small fixtures.
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "competitions/championship.h"
#include "competitions/championships_panel.h"
#include "competitions/competition_reports.h"
#include "competitions/pool_payout.h"
#include "competitions/pool_store.h"
#include "competitions/pools_panel.h"
#include "competitions/race_types.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "screen_helpers.h"
#include "spreadsheet/workbook_reader.h"
#include "spreadsheet/workbook_writer.h"
#include "test_context.h"

Q_DECLARE_METATYPE(PoolDefinition)
Q_DECLARE_METATYPE(QList<PoolBird>)
Q_DECLARE_METATYPE(ChampionshipDefinition)

namespace {

PoolDefinition SplitPool(Cents stake, const QString& split, const QString& deduction,
                         int countFirst = 0) {
    PoolDefinition p;
    p.name = QStringLiteral("P");
    p.stake = stake;
    p.split = ParseSplit(split);
    p.deduction = ParsePercent(deduction);
    p.countFirst = countFirst;
    return p;
}

// Birds "ring:loft:nomination:speed", the speed in the stored form with three decimals.
QList<PoolBird> Birds(const QStringList& specs) {
    QList<PoolBird> birds;
    for (const QString& s : specs) {
        const QStringList f = s.split(QLatin1Char(':'));
        birds << PoolBird{f[1], f[0], f[2].toInt(), SpeedMilli(f[3].toDouble())};
    }
    return birds;
}

// "ring=prize" for every bird that won something, in the sheet's order.
QStringList Winners(const PoolPayout& payout) {
    QStringList out;
    for (const PoolLine& l : payout.lines) {
        if (l.prize > 0) {
            out << l.ringNo + QLatin1Char('=') + CentsText(l.prize);
        }
    }
    return out;
}

// Three races of a season, worked by hand in the championship tests. Race 1: twelve birds
// entered, six clocked (places A1 1, B1 2, C1 3, A2 4, D1 5, C2 6). Race 2: four entered, A1 and
// B1 equally fast (both first), C1 third, D1 not clocked. Race 3: four entered, B1 first, C1
// second, A1 and A2 not clocked; loft D missed the race.
QList<SeasonRace> Season() {
    auto bird = [](const char* ring, double speed) {
        return RaceBird{QString(QLatin1Char(ring[0])), QLatin1String(ring), SpeedMilli(speed)};
    };
    SeasonRace r1{{"1", QDate(2026, 5, 2)},
                  {bird("A1", 1500), bird("B1", 1400), bird("C1", 1300), bird("A2", 1200),
                   bird("D1", 1100), bird("B2", 0), bird("C2", 1000), bird("D2", 0), bird("C3", 0),
                   bird("C4", 0), bird("D3", 0), bird("D4", 0)}};
    SeasonRace r2{{"2", QDate(2026, 5, 9)},
                  {bird("A1", 1450), bird("B1", 1450), bird("C1", 1300), bird("D1", 0)}};
    SeasonRace r3{{"3", QDate(2026, 5, 16)},
                  {bird("B1", 1600), bird("C1", 1500), bird("A1", 0), bird("A2", 0)}};
    return {r1, r2, r3};
}

// "place[=] key score" per standing row; "=" marks a shared place.
QStringList Rows(const Standings& s) {
    QStringList out;
    for (const Standing& r : s.rows) {
        const QString key =
            s.championship.subject == ChampionshipSubject::Pigeons ? r.ringNo : r.loftNo;
        out << QStringLiteral("%1%2 %3 %4")
                   .arg(r.place)
                   .arg(r.tie ? QStringLiteral("=") : QString())
                   .arg(key, ScoreText(s.championship, r.score));
    }
    return out;
}

ChampionshipDefinition Champ(ChampionshipRule rule,
                             ChampionshipSubject subject = ChampionshipSubject::Lofts) {
    ChampionshipDefinition c;
    c.name = QStringLiteral("Season");
    c.season = 2026;
    c.rule = rule;
    c.subject = subject;
    if (rule == ChampionshipRule::PointsTable) {
        c.points = {10, 8, 6, 4, 2};
    }
    return c;
}

const QDate kRaceDay(2026, 6, 20);
const RaceId kRace{QStringLiteral("1A"), kRaceDay};

// Race 1A on 2026-06-20 at 07:00, liberated after the test clock (2026-06-15 10:00). Loft 001
// marked R1 to R4, loft 002 marked S1 and S2; S3 belongs to 002 but was not marked.
void SeedRace(TdmZOLF& db) {
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime) "
        "values('KC','1A','Arras','2026-06-20','07:00:00')");
    const char* birds[][2] = {{"001", "R1"}, {"001", "R2"}, {"001", "R3"}, {"001", "R4"},
                              {"002", "S1"}, {"002", "S2"}, {"002", "S3"}};
    for (const auto& b : birds) {
        db.exec("insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark) values(?,?,0)",
                {b[0], b[1]});
        if (QLatin1String(b[1]) != QLatin1String("S3")) {
            db.exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
                "values('KC','1A','2026-06-20',?)",
                {b[1]});
        }
    }
}

void ClockBird(TdmZOLF& db, const char* ring, double speed) {
    db.exec(
        "update ZOL_PigRaceData set BackTime='2026-06-20 12:00:00.000', FlySpeed=? where "
        "PRingNo=?",
        {speed, ring});
}

// The three races of Season() as old-bird races in the database, plus a young-bird race that
// a championship of old birds does not count.
void SeedSeason(TdmZOLF& db) {
    for (const SeasonRace& r : Season()) {
        db.exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberDate, LiberTime) "
            "values('KC',?,?,'07:00:00')",
            {r.key.liberCode, DateText(r.key.liberDate)});
        SetRaceTypes(db, r.key, {"Old Birds", "National"});
        for (const RaceBird& b : r.birds) {
            db.exec(
                "insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark) select ?,?,0 where "
                "not exists (select 1 from ZOL_PigData where PRingNo=?)",
                {b.loftNo, b.ringNo, b.ringNo});
            db.exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
                "BackTime, FlySpeed) values('KC',?,?,?,?,?)",
                {r.key.liberCode, DateText(r.key.liberDate), b.ringNo,
                 b.speedMilli > 0 ? QVariant("2026-05-02 12:00:00.000") : QVariant(),
                 b.speedMilli > 0 ? QVariant(b.speedMilli / 1000.0) : QVariant()});
        }
    }
    const RaceId young{"9", QDate(2026, 5, 20)};
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberDate) values('KC','9','2026-05-20')");
    SetRaceTypes(db, young, {"Young Birds"});
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
        "FlySpeed) values('KC','9','2026-05-20','D1','2026-05-20 12:00:00.000',1999)");
}

}  // namespace

class TestCompetitions : public QObject {
    Q_OBJECT

  private slots:
    void moneyAndPercentTexts();
    void poolPayout_data();
    void poolPayout();
    void poolDefinitionsRefused();
    void onePrizePerNBirds();
    void entriesThroughTheDatabase();
    void entriesRefused();
    void poolRenamedOrRemoved();
    void standings_data();
    void standings();
    void exactTies();
    void seasonFromTheDatabase();
    void entriesFromASheet();
    void printedListsAndWorkbooks();
    void panels();
};

void TestCompetitions::moneyAndPercentTexts() {
    QCOMPARE(ParseCents("2.5"), 250);
    QCOMPARE(ParseCents("0,05"), 5);
    QCOMPARE(ParseCents("12"), 1200);
    QCOMPARE(CentsText(1205), QStringLiteral("12.05"));
    QCOMPARE(ParsePercent("12.5 %"), 1250);
    QCOMPARE(PercentText(1250), QStringLiteral("12.5"));
    QCOMPARE(SplitText(ParseSplit("50/30/20")), QStringLiteral("50/30/20"));
    for (const char* bad : {"", "-1", "1.234", "abc", "1e3", "2.5.0"}) {
        QVERIFY_THROWS_EXCEPTION(UserError, ParseCents(bad));
    }
    QVERIFY_THROWS_EXCEPTION(UserError, ParsePercent("100.01"));
}

void TestCompetitions::poolPayout_data() {
    QTest::addColumn<PoolDefinition>("pool");
    QTest::addColumn<QList<PoolBird>>("birds");
    QTest::addColumn<QStringList>("winners");
    QTest::addColumn<QString>("totals");  // stakes deduction paid remainder(unclaimed)

    // 7 x 0.50 = 3.50; 12.5 % is 0.4375, so 0.43; 3.07 to share: 1.53, 0.92 (0.921), 0.61
    // (0.614), 0.01 left over.
    QTest::newRow("fixed split, rounded down")
        << SplitPool(50, "50/30/20", "12.5")
        << Birds({"R1:001:0:1500", "R2:001:0:1400", "S1:002:0:1450", "S2:002:0:1300",
                  "T1:003:0:1200", "T2:003:0:0", "T3:003:0:1100"})
        << QStringList{"R1=1.53", "S1=0.92", "R2=0.61"} << "3.50 0.43 3.06 0.01(0.00)";

    // 9 birds at 1.00, one prize per 4: two prizes of 4.50.
    PoolDefinition perN = SplitPool(100, "100", "0");
    perN.rule = PrizeRule::OnePerN;
    perN.birdsPerPrize = 4;
    QTest::newRow("one prize per four birds")
        << perN
        << Birds({"A:1:0:900", "B:1:0:800", "C:1:0:700", "D:1:0:600", "E:1:0:500", "F:1:0:400",
                  "G:1:0:300", "H:1:0:200", "I:1:0:100"})
        << QStringList{"A=4.50", "B=4.50"} << "9.00 0.00 9.00 0.00(0.00)";

    // 10 x 1.00 = 10.00 as 5.00/3.00/2.00. B, C and D are equally fast: they cover places 2 to
    // 4 and share 3.00 + 2.00 = 5.00, 1.66 each, 0.02 left over.
    QTest::newRow("tie across the last prize")
        << SplitPool(100, "50/30/20", "0")
        << Birds({"A:1:0:1500", "B:2:0:1400", "C:3:0:1400", "D:4:0:1400", "E:5:0:1300",
                  "F:6:0:1200", "G:7:0:1100", "H:8:0:1000", "I:9:0:900", "J:10:0:0"})
        << QStringList{"A=5.00", "B=1.66", "C=1.66", "D=1.66"} << "10.00 0.00 9.98 0.02(0.00)";

    QTest::newRow("empty pool level") << SplitPool(200, "50/30/20", "10") << QList<PoolBird>{}
                                      << QStringList{} << "0.00 0.00 0.00 0.00(0.00)";

    // Only two birds clocked for three prizes: the third prize is not paid out.
    QTest::newRow("fewer winners than prizes")
        << SplitPool(100, "50/30/20", "10")
        << Birds({"A:1:0:1500", "B:2:0:1400", "C:3:0:0", "D:4:0:0", "E:5:0:0"})
        << QStringList{"A=2.25", "B=1.35"} << "5.00 0.50 3.60 0.90(0.90)";

    // The pool counts a loft's first two nominations. Loft 001 nominated R3 third (the fastest
    // bird, not counted); R4 was entered without a nomination (not counted); 4 birds pay.
    QTest::newRow("more nominated than counted")
        << SplitPool(100, "60/40", "0", 2)
        << Birds({"R1:001:1:1400", "R2:001:2:1200", "R3:001:3:1600", "R4:001:0:1700",
                  "S1:002:1:1300", "S2:002:2:1000"})
        << QStringList{"R1=2.40", "S1=1.60"} << "4.00 0.00 4.00 0.00(0.00)";
}

void TestCompetitions::poolPayout() {
    QFETCH(PoolDefinition, pool);
    QFETCH(QList<PoolBird>, birds);
    QFETCH(QStringList, winners);
    QFETCH(QString, totals);
    const PoolPayout p = ComputePoolPayout(pool, birds);
    QCOMPARE(Winners(p), winners);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4(%5)")
                 .arg(CentsText(p.stakes), CentsText(p.deduction), CentsText(p.paid),
                      CentsText(p.remainder()), CentsText(p.unclaimed)),
             totals);
    QVERIFY(p.balances());
    QCOMPARE(p.lines.size(), birds.size());
}

void TestCompetitions::poolDefinitionsRefused() {
    PoolDefinition p = SplitPool(100, "50/30", "0");
    QVERIFY_THROWS_EXCEPTION(UserError, p.check());  // adds up to 80 %
    p = SplitPool(100, "50/50", "0");
    p.rule = PrizeRule::OnePerN;
    p.birdsPerPrize = 0;
    QVERIFY_THROWS_EXCEPTION(UserError, p.check());
    // No stake, or all of it deducted: nothing a pool can mean.
    QVERIFY_THROWS_EXCEPTION(UserError, SplitPool(0, "100", "0").check());
    QVERIFY_THROWS_EXCEPTION(UserError, SplitPool(100, "100", "100").check());
    SplitPool(100, "100", "99.99").check();
}

// One prize per N birds counts whole prizes, alike in a pool and under the common rule (and in
// the federation's prize list, which asks the same function).
void TestCompetitions::onePrizePerNBirds() {
    PoolDefinition pool = SplitPool(100, "100", "0");
    pool.rule = PrizeRule::OnePerN;
    pool.birdsPerPrize = 4;
    for (const auto& [birds, prizes] :
         QList<std::pair<int, int>>{{0, 0}, {1, 1}, {3, 1}, {4, 1}, {7, 1}, {8, 2}, {62, 15}}) {
        QCOMPARE(PrizeCount(birds, 4), prizes);
        QCOMPARE(PrizeTable(pool, birds, 10000).size(), prizes);
        QCOMPARE(CommonRulePoints(prizes, birds) > 0, prizes > 0);
        QCOMPARE(CommonRulePoints(prizes + 1, birds), 0);
    }
}

void TestCompetitions::entriesThroughTheDatabase() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    PoolDefinition small = SplitPool(50, "100", "0", 1);
    small.name = QStringLiteral("0.50 nominated");
    PoolDefinition open = SplitPool(100, "60/40", "10");
    open.name = QStringLiteral("1.00 open");
    SetPoolTemplate(db, {small, open});
    QCOMPARE(PoolsFromTemplate(db, t.clock, kRace).size(), 2);

    SetNominations(db, t.clock, kRace, "001", {"R2", "R1"});
    for (const char* ring : {"R1", "R2", "R3", "S1"}) {
        EnterBird(db, t.clock, kRace, open.name, ring);
    }
    EnterBird(db, t.clock, kRace, small.name, "R1");
    EnterBird(db, t.clock, kRace, small.name, "R2");
    EnterBird(db, t.clock, kRace, small.name, "R1");  // entered once only
    QCOMPARE(PoolEntries(db, kRace).size(), 6);

    ClockBird(db, "R1", 1500.0);
    ClockBird(db, "R2", 1400.0);
    ClockBird(db, "S1", 1450.0);
    const QList<PoolPayout> payouts = RacePayouts(db, kRace);
    QCOMPARE(payouts.size(), 2);
    // Only R2, nominated first, counts in the nominated pool: it wins the 0.50 alone.
    QCOMPARE(Winners(payouts[0]), QStringList{"R2=0.50"});
    // 4 x 1.00 less 10 % = 3.60 as 2.16 and 1.44.
    QCOMPARE(Winners(payouts[1]), (QStringList{"R1=2.16", "S1=1.44"}));
    const QList<LoftPayout> lofts = PayoutPerLoft(payouts);
    QCOMPARE(lofts.size(), 2);
    QCOMPARE(lofts[0].stakes, 350);  // three open entries and R2 in the nominated pool
    QCOMPARE(lofts[0].prizes, 266);
    QCOMPARE(lofts[1].prizes, 144);

    // A sheet replaces the lofts' nominations and entries as a whole.
    ReplaceEntries(db, t.clock, kRace,
                   {EntryRow{2, "001", "R3", 1, {small.name}}, EntryRow{3, "001", "R4", 0, {}}});
    QCOMPARE(Nominations(db, kRace, "001"), QStringList{"R3"});
    QCOMPARE(PoolEntries(db, kRace).size(), 2);  // R3 in the small pool, S1 of loft 002 kept
}

void TestCompetitions::entriesRefused() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    PoolDefinition open = SplitPool(100, "100", "0");
    open.name = QStringLiteral("Open");
    SetRacePools(db, t.clock, kRace, {open});

    auto refused = [&](const std::function<void()>& action, const QString& part) {
        try {
            action();
        } catch (const UserError& e) {
            QVERIFY2(e.text().contains(part), qPrintable(e.text()));
            return;
        }
        QFAIL(qPrintable("not refused: " + part));
    };
    refused([&] { EnterBird(db, t.clock, kRace, "Open", "S3"); }, "not marked");
    refused([&] { EnterBird(db, t.clock, kRace, "Gold", "S1"); }, "no pool Gold");
    refused([&] { SetNominations(db, t.clock, kRace, "001", {"R1", "S1"}); }, "not a bird of");
    refused([&] { SetNominations(db, t.clock, kRace, "001", {"R1", "R1"}); }, "twice");
    // A sheet with one bad row stores nothing and names every bad row.
    refused(
        [&] {
            ReplaceEntries(
                db, t.clock, kRace,
                {EntryRow{2, "001", "R1", 1, {"Open"}}, EntryRow{3, "002", "S3", 1, {"Open"}},
                 EntryRow{4, "002", "R2", 0, {"Open"}}});
        },
        "Row 3: ring S3 is not marked");
    QVERIFY(PoolEntries(db, kRace).isEmpty());

    EnterBird(db, t.clock, kRace, "Open", "R1");
    t.clock.set(QDateTime(kRaceDay, QTime(7, 0)));  // the moment of liberation
    refused([&] { EnterBird(db, t.clock, kRace, "Open", "R2"); }, "closed at its liberation");
    refused([&] { WithdrawBird(db, t.clock, kRace, "Open", "R1"); }, "closed");
    refused([&] { SetNominations(db, t.clock, kRace, "001", {"R1"}); }, "closed");
    refused([&] { SetRacePools(db, t.clock, kRace, {}); }, "closed");
    QCOMPARE(PoolEntries(db, kRace).size(), 1);
}

// A pool renamed keeps its entries; a pool removed takes its entries only once the secretary
// has been told how many go.
void TestCompetitions::poolRenamedOrRemoved() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    PoolDefinition a = SplitPool(100, "100", "0");
    a.name = QStringLiteral("A");
    PoolDefinition b = SplitPool(50, "100", "0");
    b.name = QStringLiteral("B");
    SetRacePools(db, t.clock, kRace, {a, b});
    for (const char* ring : {"R1", "R2"}) {
        EnterBird(db, t.clock, kRace, "A", ring);
    }
    EnterBird(db, t.clock, kRace, "B", "S1");
    const auto entries = [&] {
        QStringList out;
        for (const PoolEntry& e : PoolEntries(db, kRace)) {
            out << e.poolName + ":" + e.ringNo;
        }
        out.sort();
        return out;
    };

    // The two pools swap names: each keeps its own birds.
    a.name = QStringLiteral("B");
    b.name = QStringLiteral("A");
    QVERIFY(SetRacePools(db, t.clock, kRace, {a, b}, {"A", "B"}, &t.prompts));
    QCOMPARE(entries(), (QStringList{"A:S1", "B:R1", "B:R2"}));
    QCOMPARE(t.prompts.shown, QStringList());

    // Removing the pool that holds R1 and R2: declined, nothing changes; confirmed, they go.
    t.prompts.answers.enqueue(Prompts::Answer::No);
    QVERIFY(!SetRacePools(db, t.clock, kRace, {b}, {"A"}, &t.prompts));
    QCOMPARE(t.prompts.of("question"),
             QStringList{"These pools are removed, and their entries with them:\nPool B: 2 "
                         "entries of 1 lofts\n\nSave the pools and remove these entries?"});
    QCOMPARE(RacePools(db, kRace).size(), 2);
    QCOMPARE(entries(), (QStringList{"A:S1", "B:R1", "B:R2"}));
    QVERIFY(SetRacePools(db, t.clock, kRace, {b}, {"A"}, &t.prompts));
    QCOMPARE(entries(), QStringList{"A:S1"});
    QCOMPARE(RacePools(db, kRace).size(), 1);

    // A stake beyond what a pool plausibly asks is confirmed first.
    b.stake = ParseCents("99999999999.99");
    t.prompts.answers.enqueue(Prompts::Answer::No);
    QVERIFY(!SetRacePools(db, t.clock, kRace, {b}, {"A"}, &t.prompts));
    QCOMPARE(t.prompts.of("question").last(),
             QStringLiteral("Pool A has a stake of 99999999999.99 per bird. Is that right?"));
    QCOMPARE(RacePools(db, kRace).first().stake, 50);
}

void TestCompetitions::standings_data() {
    QTest::addColumn<ChampionshipDefinition>("champ");
    QTest::addColumn<QStringList>("rows");

    // Best bird per loft; points 10/8/6/4/2. A: 10+10+0, B: 8+10+10, C: 6+6+8, D: 2+0+missed.
    QTest::newRow("points table, lofts")
        << Champ(ChampionshipRule::PointsTable)
        << QStringList{"1 B 28.00", "2= A 20.00", "2= C 20.00", "4 D 2.00"};

    ChampionshipDefinition firstTwo = Champ(ChampionshipRule::PointsTable);
    firstTwo.ofM = 2;
    QTest::newRow("points over the first two races")
        << firstTwo << QStringList{"1 A 20.00", "2 B 18.00", "3 C 12.00", "4 D 2.00"};

    // Race 1: 12 entered, 3 prizes: 100, 66.67, 33.33 (200/3 and 100/3, added up exactly and
    // rounded when printed). Races 2 and 3: 4 entered, one prize of 100 (A and B share first
    // place in race 2 and both score it).
    QTest::newRow("common rule") << Champ(ChampionshipRule::CommonRule)
                                 << QStringList{"1 B 266.67", "2 A 200.00", "3 C 33.33",
                                                "4 D 0.00"};

    // Best 2 of 3 speeds, a missed or unclocked race is 0: A (1500+1450)/2, B (1600+1450)/2,
    // C (1500+1300)/2, D (1100+0)/2.
    ChampionshipDefinition average = Champ(ChampionshipRule::BestAverage);
    average.bestN = 2;
    QTest::newRow("best 2 of 3 average speed")
        << average << QStringList{"1 B 1525.000", "2 A 1475.000", "3 C 1400.000", "4 D 550.000"};

    // place x 1000 / entered: A 1000/12 + 250 + 1000 (not clocked), B 2000/12 + 250 + 250,
    // C 250 + 750 + 500, D 5000/12 + 1000 + 1000 (missed).
    QTest::newRow("coefficient") << Champ(ChampionshipRule::Coefficient)
                                 << QStringList{"1 B 666.667", "2 A 1333.333", "3 C 1500.000",
                                                "4 D 2416.667"};

    // Ace pigeons on points: every bird entered competes; those that never scored share a place.
    QTest::newRow("ace pigeons on points")
        << Champ(ChampionshipRule::PointsTable, ChampionshipSubject::Pigeons)
        << QStringList{"1 B1 28.00", "2= A1 20.00", "2= C1 20.00", "4 A2 4.00",
                       "5 D1 2.00",  "6= B2 0.00",  "6= C2 0.00",  "6= C3 0.00",
                       "6= C4 0.00", "6= D2 0.00",  "6= D3 0.00",  "6= D4 0.00"};
}

void TestCompetitions::standings() {
    QFETCH(ChampionshipDefinition, champ);
    QFETCH(QStringList, rows);
    QCOMPARE(Rows(ComputeStandings(champ, Season())), rows);
}

// Equal totals of fractions are equal: a value rounded in each race before adding would part
// them in the last decimal and decide the tie.
void TestCompetitions::exactTies() {
    auto race = [](const char* code, const QList<std::pair<const char*, double>>& birds) {
        SeasonRace r{{QLatin1String(code), QDate(2026, 5, 2)}, {}};
        for (const auto& [ring, speed] : birds) {
            r.birds << RaceBird{QString(QLatin1Char(ring[0])), QLatin1String(ring),
                                SpeedMilli(speed)};
        }
        return r;
    };
    // Common rule: X is second of twelve (200/3) and third of twelve (100/3), Y first of four.
    QList<std::pair<const char*, double>> a{{"Z1", 1500}, {"X1", 1400}};
    QList<std::pair<const char*, double>> b{{"Z1", 1500}, {"W1", 1400}, {"X1", 1300}};
    for (const char* ring : {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "V9"}) {
        b << std::pair{ring, 0.0};
        a << std::pair{ring, 0.0};
    }
    a << std::pair{"V0", 0.0};
    QCOMPARE(Rows(ComputeStandings(Champ(ChampionshipRule::CommonRule),
                                   {race("1", a), race("2", b),
                                    race("3", {{"Y1", 1500}, {"U1", 0}, {"U2", 0}, {"U3", 0}})})),
             (QStringList{"1 Z 200.00", "2= X 100.00", "2= Y 100.00", "4 W 66.67", "5= U 0.00",
                          "5= V 0.00"}));
    // Coefficient: three lofts at exactly 4000/3 each (1/3 + 1, 2/3 + 2/3, 1 + 1/3 of 1000).
    QCOMPARE(Rows(ComputeStandings(Champ(ChampionshipRule::Coefficient),
                                   {race("1", {{"P1", 1500}, {"Q1", 1400}, {"R1", 1300}}),
                                    race("2", {{"R1", 1500}, {"Q1", 1400}, {"P1", 1300}})})),
             (QStringList{"1= P 1333.333", "1= Q 1333.333", "1= R 1333.333"}));
}

void TestCompetitions::seasonFromTheDatabase() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedSeason(db);
    QVERIFY_THROWS_EXCEPTION(UserError,
                             SetRaceTypes(db, {"9", QDate(2026, 5, 20)},
                                          {"Old Birds", "National", "Young Birds", "Sprint"}));

    ChampionshipDefinition champ = Champ(ChampionshipRule::PointsTable);
    champ.raceTypes = QStringList{"Old Birds"};
    SaveChampionship(db, champ);
    QCOMPARE(Championships(db).size(), 1);
    const QStringList expected{"1 B 28.00", "2= A 20.00", "2= C 20.00", "4 D 2.00"};
    QCOMPARE(Rows(ReadStandings(db, Championships(db).first())), expected);

    // The race entries are purged 59 days after a race; the season keeps counting them.
    // A second close of the program before the purge replaces the copy, it does not add to it.
    KeepSeasonResults(db, QDate(2026, 5, 31));
    KeepSeasonResults(db, QDate(2026, 5, 31));
    db.exec("delete from ZOL_PigRaceData");
    QCOMPARE(Rows(ReadStandings(db, champ)), expected);
}

void TestCompetitions::entriesFromASheet() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    PoolDefinition a = SplitPool(50, "100", "0", 2);
    a.name = QStringLiteral("A 0.50");
    PoolDefinition b = SplitPool(100, "100", "0");
    b.name = QStringLiteral("B 1.00");
    SetRacePools(db, t.clock, kRace, {a, b});

    // The club's sheet: each ring once, its nomination, and a mark under each pool level.
    const QString file = t.root.filePath("entries.xlsx");
    WorkbookWriter sheet({"LoftNo", "PRingNo", "Nom", "A 0.50", "B 1.00"});
    sheet.addRow({"001", "R1", 2, "x", 1});
    sheet.addRow({"001", "R2", 1, 1, {}});
    sheet.addRow({"001", "R3", {}, 0, 1});
    sheet.addRow({"002", "S1", 1, 1, 1});
    sheet.addRow({{}, {}, {}, {}, {}});
    sheet.save(file);
    QCOMPARE(ReadEntriesWorkbook(db, t.clock, kRace, file), 4);
    QCOMPARE(Nominations(db, kRace, "001"), (QStringList{"R2", "R1"}));
    QCOMPARE(PoolEntries(db, kRace).size(), 6);

    // What the program writes reads back to the same entries.
    const QString exported = t.root.filePath("exported.xlsx");
    WriteEntriesWorkbook(db, kRace, exported);
    const WorkbookReader back(exported);
    QCOMPARE(back.rowCount(), 7);  // titles and the six marked birds
    QCOMPARE(back.text(2, 2), QStringLiteral("R1"));
    QCOMPARE(back.text(2, 3), QStringLiteral("2"));
    ReadEntriesWorkbook(db, t.clock, kRace, exported);
    QCOMPARE(PoolEntries(db, kRace).size(), 6);
    QCOMPARE(Nominations(db, kRace, "001"), (QStringList{"R2", "R1"}));

    // A column that is no pool of the race is refused before anything is stored.
    WorkbookWriter wrong({"PRingNo", "C 2.00"});
    wrong.addRow({"R4", 1});
    wrong.save(file);
    QVERIFY_THROWS_EXCEPTION(UserError, ReadEntriesWorkbook(db, t.clock, kRace, file));
    QCOMPARE(PoolEntries(db, kRace).size(), 6);

    // Under a pool only x, 1 or yes enter a bird; "no", "-", "n" or an amount are refused,
    // each named by its row and column, and nothing is stored.
    WorkbookWriter unclear({"LoftNo", "PRingNo", "Nom", "A 0.50", "B 1.00"});
    unclear.addRow({"001", "R1", 1, "no", "YES"});
    unclear.addRow({"001", "R2", 2, "-", "n"});
    unclear.addRow({"002", "S1", 1, "0.50", "X"});
    unclear.save(file);
    try {
        ReadEntriesWorkbook(db, t.clock, kRace, file);
        QFAIL("unclear marks read as entries");
    } catch (const UserError& e) {
        QCOMPARE(e.text().split('\n').mid(1),
                 (QStringList{"Row 2, column D (A 0.50): 'no' does not enter a bird; type x, 1 "
                              "or yes to enter it, or leave the cell empty.",
                              "Row 3, column D (A 0.50): '-' does not enter a bird; type x, 1 "
                              "or yes to enter it, or leave the cell empty.",
                              "Row 3, column E (B 1.00): 'n' does not enter a bird; type x, 1 "
                              "or yes to enter it, or leave the cell empty.",
                              "Row 4, column D (A 0.50): '0.50' does not enter a bird; type x, "
                              "1 or yes to enter it, or leave the cell empty."}));
    }
    QCOMPARE(PoolEntries(db, kRace).size(), 6);

    // The secretary is told what the sheet replaces before anything is stored (declined:
    // nothing changes), and nominations keep the numbers written: 1, 2, 4 stays 1, 2, 4.
    WorkbookWriter gaps({"LoftNo", "PRingNo", "Nom", "A 0.50"});
    gaps.addRow({"001", "R1", 1, "x"});
    gaps.addRow({"001", "R2", 2, {}});
    gaps.addRow({"001", "R3", 4, "x"});
    gaps.save(file);
    t.prompts.answers.enqueue(Prompts::Answer::No);
    QCOMPARE(ReadEntriesWorkbook(db, t.clock, kRace, file, &t.prompts), -1);
    QCOMPARE(t.prompts.of("question"),
             QStringList{"The sheet holds 3 rings of 1 lofts (001).\nIt replaces every earlier "
                         "entry (4) and nomination (2) of these lofts; nominations keep the "
                         "numbers written in the sheet.\n\nStore the sheet's entries?"});
    QCOMPARE(PoolEntries(db, kRace).size(), 6);
    QCOMPARE(ReadEntriesWorkbook(db, t.clock, kRace, file, &t.prompts), 3);
    QCOMPARE(NominationNumbers(db, kRace, "001"),
             (QMap<int, QString>{{1, "R1"}, {2, "R2"}, {4, "R3"}}));
    QCOMPARE(PoolEntries(db, kRace).size(), 4);
}

void TestCompetitions::printedListsAndWorkbooks() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('001','Ann'),('002','Bob')");
    PoolDefinition open = SplitPool(100, "60/40", "10");
    open.name = QStringLiteral("Open");
    SetRacePools(db, t.clock, kRace, {open});
    for (const char* ring : {"R1", "R2", "S1"}) {
        EnterBird(db, t.clock, kRace, "Open", ring);
    }
    ClockBird(db, "R1", 1500.0);
    ClockBird(db, "S1", 1500.0);  // shares first place with R1: (1.62 + 1.08) / 2 each
    const QList<PoolPayout> payouts = RacePayouts(db, kRace);

    const ReportLayout sheet = LayOutReport(PoolSheetReport(db, kRace, payouts), t.clock.now());
    const QList<QStringList> rows = sheet.pages.first().detailRows();
    QVERIFY(
        rows.contains(QStringList{"", "001", "Ann", "R1", "", "1=", "1500.000", "1.00", "1.35"}));
    QVERIFY(
        rows.contains(QStringList{"", "002", "Bob", "S1", "", "1=", "1500.000", "1.00", "1.35"}));
    const QString title = sheet.pages.first().texts(BandKind::Title).join(' ');
    QVERIFY2(title.contains("All pools balance: stakes 3.00 = prizes 2.70 + deduction 0.30 + "
                            "remainder 0.00"),
             qPrintable(title));

    const ReportDefinition lofts = LoftPayoutReport(db, kRace, payouts);
    QCOMPARE(lofts.rows.first(), (QStringList{"001", "Ann", "2", "2.00", "1.35", "-0.65"}));
    QCOMPARE(lofts.rows.last(), (QStringList{"Total", "", "3", "3.00", "2.70", "-0.30"}));

    const QString book = t.root.filePath("pools.xlsx");
    WritePoolSheetWorkbook(db, payouts, book);
    const WorkbookReader read(book);
    QCOMPARE(read.text(1, 10), QStringLiteral("Prize"));
    QCOMPARE(read.text(5, 1), QStringLiteral("Total Open"));
    QCOMPARE(read.text(5, 10), QStringLiteral("2.7"));

    ChampionshipDefinition champ = Champ(ChampionshipRule::PointsTable);
    const Standings standings = ComputeStandings(champ, Season());
    const ReportDefinition printed = StandingsReport(db, standings);
    QCOMPARE(printed.rows[1], (QStringList{"2=", "A", "", "10.00", "10.00", "0.00", "2", "20.00"}));
    WriteStandingsWorkbook(db, standings, book);
    const WorkbookReader season(book);
    QCOMPARE(season.rowCount(), 5);
    QCOMPARE(season.text(2, 10), QStringLiteral("28"));
}

void TestCompetitions::panels() {
    TestContext t;
    TdmZOLF& db = *t.db;
    SeedRace(db);
    PoolDefinition open = SplitPool(100, "60/40", "10");
    open.name = QStringLiteral("Open");
    SetPoolTemplate(db, {open});

    PoolsPanel pools(t.app());
    pools.resize(900, 600);
    pools.show();
    pools.open(kRace);
    QCOMPARE(child<QTableWidget>(pools, "grdPools")->rowCount(), 1);  // the club's template
    QCOMPARE(RacePools(db, kRace).size(), 1);
    auto* entries = child<QTableWidget>(pools, "grdPoolEntries");
    QCOMPARE(entries->rowCount(), 6);
    QCOMPARE(entries->item(0, 1)->text(), QStringLiteral("R1"));
    entries->item(0, 3)->setText("x");  // R1 into the pool
    QCoreApplication::processEvents();
    entries->item(1, 2)->setText("1");  // R2 nominated first
    QCoreApplication::processEvents();
    QCOMPARE(PoolEntries(db, kRace).size(), 1);
    QCOMPARE(Nominations(db, kRace, "001"), QStringList{"R2"});

    // After liberation a change is refused with a message, and the grid shows what is stored.
    t.clock.set(QDateTime(kRaceDay, QTime(7, 0, 1)));
    entries->item(2, 3)->setText("x");
    QCoreApplication::processEvents();
    QVERIFY2(t.prompts.shown.last().startsWith("error: Entries for race 1A"),
             qPrintable(t.prompts.shown.join('\n')));
    QCOMPARE(entries->item(2, 3)->text(), QString());
    QCOMPARE(PoolEntries(db, kRace).size(), 1);

    // Before liberation: renamed in the grid and saved, the entry follows the pool; removed and
    // saved, a question comes first, and "No" keeps it all.
    t.clock.set(QDateTime(kRaceDay, QTime(6, 0)));
    auto* poolGrid = child<QTableWidget>(pools, "grdPools");
    poolGrid->item(0, 0)->setText("Open 1.00");
    click(pools, "btnPoolSave");
    QCOMPARE(PoolEntries(db, kRace).size(), 1);
    QCOMPARE(PoolEntries(db, kRace).first().poolName, QStringLiteral("Open 1.00"));
    poolGrid->setCurrentCell(0, 0);
    click(pools, "btnPoolRemove");
    t.prompts.answers.enqueue(Prompts::Answer::No);
    click(pools, "btnPoolSave");
    QVERIFY2(t.prompts.shown.last().startsWith("question: These pools are removed"),
             qPrintable(t.prompts.shown.join('\n')));
    QCOMPARE(RacePools(db, kRace).size(), 1);
    QCOMPARE(PoolEntries(db, kRace).size(), 1);
    t.clock.set(QDateTime(kRaceDay, QTime(7, 0, 1)));

    // One bird for two prizes: it wins 60 % of 0.90; the second prize stays in the remainder.
    ClockBird(db, "R1", 1500.0);
    child<QTabWidget>(pools, "tabPools")->setCurrentIndex(2);
    QCOMPARE(child<QLabel>(pools, "lblPoolBalance")->text(),
             QStringLiteral("Open 1.00: Balances: stakes 1.00 = prizes 0.54 + deduction 0.10 "
                            "+ remainder 0.36"));

    SeedSeason(db);
    ChampionshipsPanel champs(t.app());
    champs.resize(1100, 600);
    champs.show();
    champs.open();
    child<QLineEdit>(champs, "edtChampName")->setText("Old birds");
    child<QSpinBox>(champs, "spnSeason")->setValue(2026);
    child<QLineEdit>(champs, "edtChampPoints")->setText("10, 8, 6, 4, 2");
    auto* types = child<QListWidget>(champs, "lstChampTypes");
    types->findItems("Old Birds", Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    click(champs, "btnChampSave");
    QCOMPARE(Championships(db).size(), 1);
    QCOMPARE(Championships(db).first().raceTypes, QStringList{"Old Birds"});
    click(champs, "btnStandings");
    auto* grid = child<QTableWidget>(champs, "grdStandings");
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("B"));
    QCOMPARE(grid->item(0, grid->columnCount() - 1)->text(), QStringLiteral("28.00"));
    shot(champs, "championships");
    shot(pools, "pools");
}

QTEST_MAIN(TestCompetitions)
#include "test_competitions.moc"
