// Changing a race's result on the result panel: the recalculation shows what it will change
// before it stores anything, and a final result cannot be changed until it is unlocked.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "races/entry_history.h"
#include "races/race_results.h"
#include "races/race_screen.h"
#include "races/result_lock.h"
#include "screen_helpers.h"
#include "test_context.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

namespace {

const QDate kDay(2026, 5, 26);

// Race 1A liberated 07:00; Ann (001) at 300 miles, Bob (002) at 310 miles, Cid (003) without a
// distance row. A is clocked by a slow clock (-40 s), B and C by true clocks; D has no speed yet.
void seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','1A','Dover','DOV','2026-05-26','07:00:00')");
    const char* lofts[][3] = {{"001", "Ann", "300"}, {"002", "Bob", "310"}, {"003", "Cid", ""}};
    for (const auto& l : lofts) {
        db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)", {l[0], l[1]});
        if (*l[2]) {
            db.exec(
                "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                "values('1A',?,?,0)",
                {l[0], QString(l[2]).toInt()});
        }
    }
    const char* birds[][4] = {{"A", "001", "2026-05-26 12:00:00.000", "-40"},
                              {"B", "002", "2026-05-26 12:10:00.000", "0"},
                              {"C", "003", "2026-05-26 11:00:00.000", "0"},
                              {"D", "001", "2026-05-26 12:05:00.000", "0"}};
    for (const auto& b : birds) {
        db.exec("insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) values(?,?,'C',0)",
                {b[1], b[0]});
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "TimeVari) values('KC','1A','2026-05-26',?,?,?)",
            {b[0], b[2], QString(b[3]).toInt()});
    }
    RecalculateRace(db, "1A", kDay, QDateTime(kDay, QTime(7, 0)));
    db.exec("update ZOL_PigRaceData set FlySpeed=null, FlyTime=null where PRingNo='D'");
    db.exec("delete from KST_EntryHistory");  // the fixture's own computing is no change
}

// Every stored value the recalculation writes, per ring.
QMap<QString, QString> Stored(TdmZOLF& db) {
    QMap<QString, QString> rows;
    QSqlQuery q =
        db.select("select PRingNo, coalesce(FlyTime,'-'), FlySpeed, Dist from ZOL_PigRaceData");
    while (q.next()) {
        const auto cell = [&q](int i) {
            return q.value(i).isNull() ? QStringLiteral("-") : q.value(i).toString();
        };
        rows.insert(q.value(0).toString(), cell(1) + "|" + cell(2) + "|" + cell(3));
    }
    return rows;
}

}  // namespace

class TestResultChanges : public QObject {
    Q_OBJECT
  private slots:
    void previewListsExactlyWhatIsStored();
    void manyEntriesAreStoredWhole();
    void panelCancelLockAndUnlock();
};

void TestResultChanges::previewListsExactlyWhatIsStored() {
    TestContext t;
    seed(*t.db);
    // From 07:40 instead of 07:00: every flying time shrinks; A (its clock 40 s slow) and B
    // swap places; D, without a speed (placed 1), gets one; C has no distance and moves down.
    const QMap<QString, QString> before = Stored(*t.db);
    const RecalculationPlan plan =
        PlanRecalculation(*t.db, "1A", kDay, QDateTime(kDay, QTime(7, 40)));
    QCOMPARE(Stored(*t.db), before);  // working it out writes nothing
    QCOMPARE(plan.entries.size(), 4);
    QCOMPARE(plan.flyTimes, 4);
    QCOMPARE(plan.speeds, 3);  // C flies at 0 either way
    QStringList moves;
    for (const PlaceMove& m : plan.moves) {
        moves << QStringLiteral("%1 %2>%3").arg(m.ring).arg(m.from).arg(m.to);
    }
    QCOMPARE(moves, (QStringList{"A 2>1", "B 1>2", "D 1>3", "C 3>4"}));
    QCOMPARE(plan.places, 4);
    const QString text = RecalculationPreviewText(plan);
    QVERIFY2(text.contains("changes 4 flying time(s), 3 speed(s) and 4 place(s) of 4 clocked"),
             qPrintable(text));
    QVERIFY2(text.contains("A: 2 \u2192 1\nB: 1 \u2192 2\nD: 1 \u2192 3\nC: 3 \u2192 4"),
             qPrintable(text));

    QCOMPARE(ApplyRecalculation(*t.db, plan, t.clock.now()), 4);
    const QMap<QString, QString> after = Stored(*t.db);
    int changedRings = 0;
    for (const RecalculatedEntry& e : plan.entries) {
        QCOMPARE(after[e.ring], e.newFlyTime + "|" + QString::number(e.newSpeed, 'g', 10) + "|" +
                                    QString::number(e.newDist));
        changedRings += after[e.ring] != before[e.ring];
    }
    QCOMPARE(changedRings, 4);
    // The places now stored are the places the preview promised.
    QSqlQuery q = t.db->select(
        "select PRingNo, (select count(*)+1 from ZOL_PigRaceData b where b.FlySpeed>a.FlySpeed) "
        "from ZOL_PigRaceData a");
    while (q.next()) {
        for (const RecalculatedEntry& e : plan.entries) {
            if (e.ring == q.value(0).toString()) {
                QCOMPARE(q.value(1).toInt(), e.newPlace);
            }
        }
    }
    // The history holds each changed field once: 4 flying times, 3 speeds.
    QCOMPARE(RaceHistory(*t.db, "1A", kDay).size(), 7);
    // A second run from the same moment changes nothing and writes nothing.
    const RecalculationPlan again =
        PlanRecalculation(*t.db, "1A", kDay, QDateTime(kDay, QTime(7, 40)));
    QCOMPARE(again.flyTimes + again.speeds + again.places, 0);
    QCOMPARE(ApplyRecalculation(*t.db, again, t.clock.now()), 0);
}

// A race of more arrivals than one statement writes: every entry and every change of its
// history is stored, each exactly as the plan computed it.
void TestResultChanges::manyEntriesAreStoredWhole() {
    TestContext t;
    seed(*t.db);
    t.db->transaction([&] {
        for (int i = 0; i < 450; ++i) {
            const QString ring = QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0'));
            t.db->exec(
                "insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) "
                "values('002',?,'H',0)",
                {ring});
            t.db->exec(
                "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
                "BackTime, TimeVari) values('KC','1A','2026-05-26',?,?,0)",
                {ring, QStringLiteral("2026-05-26 12:%1:%2.%3")
                           .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                           .arg(i % 60, 2, 10, QLatin1Char('0'))
                           .arg(i % 1000, 3, 10, QLatin1Char('0'))});
        }
    });
    const RecalculationPlan plan =
        PlanRecalculation(*t.db, "1A", kDay, QDateTime(kDay, QTime(7, 40)));
    QCOMPARE(plan.entries.size(), 454);
    QCOMPARE(ApplyRecalculation(*t.db, plan, t.clock.now()), 454);
    const QMap<QString, QString> after = Stored(*t.db);
    QStringList history;
    for (const RecalculatedEntry& e : plan.entries) {
        QCOMPARE(after[e.ring], e.newFlyTime + "|" + QString::number(e.newSpeed, 'g', 10) + "|" +
                                    QString::number(e.newDist));
        if (e.flyTimeChanged()) {
            history << e.ring + " FlyTime";
        }
        if (e.speedChanged()) {
            history << e.ring + " FlySpeed";
        }
        if (e.distChanged()) {
            history << e.ring + " Dist";
        }
    }
    QStringList recorded;
    for (const EntryChange& c : RaceHistory(*t.db, "1A", kDay)) {
        recorded << c.ring + " " + c.field;
        QCOMPARE(c.workflow, EntryWorkflow::Recalculation);
    }
    QCOMPARE(recorded, history);
}

void TestResultChanges::panelCancelLockAndUnlock() {
    TestContext t;
    seed(*t.db);
    TfrmRace screen(t.app());
    screen.resize(1200, 760);
    screen.show();
    auto* races = child<SqlGrid>(screen, "dbgrd1");
    const auto resultColumn = [&] {
        for (int c = 0; c < races->model()->columnCount(); ++c) {
            if (races->model()->headerData(c, Qt::Horizontal).toString() == "Result") {
                return races->model()->index(0, c).data().toString();
            }
        }
        return QStringLiteral("<none>");
    };
    QCOMPARE(resultColumn(), "Provisional");
    chooseRaceAction(screen, 5);
    auto* state = child<QLabel>(screen, "lblResultState");
    QCOMPARE(state->text(), "Provisional");

    // Cancel on the preview: nothing changes.
    const QMap<QString, QString> before = Stored(*t.db);
    click(screen, "btnRecaculate");
    child<DateTimeBox>(screen, "dtpRaceTime")->setTime(QTime(7, 40));
    t.prompts.answers.enqueue(Prompts::Answer::No);
    click(screen, "btnRecacute");
    QCOMPARE(t.prompts.of("question").size(), 1);
    QVERIFY(t.prompts.of("question").first().contains("Places that move:"));
    QCOMPARE(Stored(*t.db), before);
    QVERIFY(RaceHistory(*t.db, "1A", kDay).isEmpty());

    // Locked: the recalculation is refused with the reason, the entries stay.
    t.clock.set(QDateTime(QDate(2026, 5, 27), QTime(20, 0)));
    click(screen, "btnLockResult");
    QCOMPARE(state->text(), "Final (locked 2026-05-27 20:00)");
    QVERIFY(!child<QPushButton>(screen, "btnLockResult")->isEnabled());
    click(screen, "btnRecacute");
    QCOMPARE(t.prompts.of("question").size(), 1);
    QVERIFY(t.prompts.of("error").last().contains("is final (locked 2026-05-27 20:00)"));
    QCOMPARE(Stored(*t.db), before);

    // Unlock without a reason is refused; with one it goes through and is kept.
    click(screen, "btnUnlockResult");
    QCOMPARE(t.prompts.of("error").last(), "Give the reason for unlocking the result.");
    QCOMPARE(state->text(), "Final (locked 2026-05-27 20:00)");
    child<QLineEdit>(screen, "edtUnlockReason")->setText("Liberation was 07:40, not 07:00");
    click(screen, "btnUnlockResult");
    QCOMPARE(state->text(), "Provisional");
    click(screen, "btnRecacute");
    QVERIFY(Stored(*t.db) != before);

    click(screen, "btnHistory");
    auto* history = child<SqlGrid>(screen, "dbgrdHistory");
    QVERIFY(history->isVisible());
    QCOMPARE(history->rowCountShown(), 2 + 7);  // lock, unlock, the recalculation's changes
    QCOMPARE(history->model()->index(1, 7).data().toString(), "Liberation was 07:40, not 07:00");
    shot(screen, "races-result-history");
}

QTEST_MAIN(TestResultChanges)
#include "test_result_changes.moc"
