// A race day's record of changes and the final lock, through the real workflows: a result
// upload against the clock emulator, a typed-in arrival and a recalculation; then the lock
// refusing each of them until it is lifted with a reason.
#include <QtTest>

#include "clockops/clock_uploads.h"
#include "clockops_fixture.h"
#include "data/club_settings.h"
#include "data/errors.h"
#include "races/clock_deviation.h"
#include "races/entry_history.h"
#include "races/manual_times.h"
#include "races/race_results.h"
#include "races/result_lock.h"

namespace {

const QDate kDay(2016, 9, 20);

// Every entry of the race, field by field, to show that a refused action changed nothing.
QString Entries(TdmZOLF& db) {
    QStringList rows;
    QSqlQuery q = db.select(
        "select PRingNo, coalesce(BackTime,'-'), coalesce(FlyTime,'-'), "
        "coalesce(FlySpeed,'-'), coalesce(Dist,'-'), coalesce(TimeVari,'-'), "
        "coalesce(MarkedTime,'-') from ZOL_PigRaceData order by PRingNo");
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 7; ++i) {
            cells << q.value(i).toString();
        }
        rows << cells.join('|');
    }
    return rows.join('\n');
}

// The history as "workflow ring field old>new", nulls as "-".
QStringList Changes(TdmZOLF& db) {
    QStringList out;
    for (const EntryChange& c : RaceHistory(db, "B23", kDay)) {
        out << QStringLiteral("%1 %2 %3 %4>%5")
                   .arg(c.workflow, c.ring, c.field,
                        c.oldValue.isNull() ? "-" : c.oldValue.toString(),
                        c.newValue.isNull() ? "-" : c.newValue.toString());
    }
    return out;
}

}  // namespace

class TestResultHistory : public QObject {
    Q_OBJECT
  private slots:
    void raceDayHistoryAndLock();
};

void TestResultHistory::raceDayHistoryAndLock() {
    ClockOpsFixture f;
    TdmZOLF& db = *f.t.db;
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('B23','0123',12,345)");
    for (const char* ring : {"BE-2016-1", "BE-2016-2"}) {
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) "
            "values('0101','B23','2016-09-20',?)",
            {ring});
    }
    // The clock ran 75 s fast: beyond the default limit of 60 s.
    const qint64 arrival = kLiberationMs + 3723004 + 75000;
    const QJsonObject record{{"RaceCode", "B230920"},    {"RandNumMarked", 63},
                             {"RandNumberBack", 63},     {"UidBack", "04A1B2C3"},
                             {"GpsValid", false},        {"BackOrder", 1},
                             {"BackTimeEring", arrival}, {"BackTimeUid", arrival},
                             {"BackHomeLat", 0},         {"BackHomeLon", 0}};
    const QJsonArray pigeons{
        QJsonObject{{"AssocNum", "BE-2016-1"}, {"raceRecords", QJsonArray{record}}}};
    const qint64 readerStop = 1474329600000;
    const QJsonArray races{QJsonObject{{"RaceCode", "B230920"},
                                       {"RaceStopDeviceTIme", readerStop + 75000},
                                       {"RaceStopReaderTIme", readerStop}}};
    EmulatorProcess emulator(ClockOf("0123", pigeons, races));
    QVERIFY(emulator.ready());
    auto api = DeviceOn(emulator);
    ClockRun run = f.run(*api);
    const RaceChoice race = ChooseResultRace("B23 2016-09-20 BRX");

    f.t.clock.set(QDateTime(kDay, QTime(18, 0)));
    QCOMPARE(UploadResults(run, f.session, race), RunResult::Succeeded);
    QVERIFY2(f.memo.lines().contains(ClockDeviationLine(75, 60)), qPrintable(f.memo.text()));
    // The deviation stays red below the lime success line, and the memo as a whole is red.
    QCOMPARE(f.memo.lineColours().at(f.memo.lines().indexOf(ClockDeviationLine(75, 60))),
             ClockMemo::Colour::Red);
    QCOMPARE(f.memo.lineColours().last(), ClockMemo::Colour::Lime);
    QCOMPARE(f.memo.colour(), ClockMemo::Colour::Red);
    QVERIFY(ClockDeviates(db.value("select TimeVari from ZOL_PigRaceData where "
                                   "PRingNo='BE-2016-1'"),
                          ClockDeviationLimit(db)));
    SetClubSetting(db, kClockDeviationLimitSetting, "90");
    QVERIFY(!ClockDeviates(75, ClockDeviationLimit(db)));

    // A typed-in arrival for the second pigeon, then a recalculation from 07:30.
    const RaceKey key{"0101", "B23", kDay};
    const QDateTime check(kDay, QTime(18, 0));
    SaveManualArrival(db, key,
                      {"0123", "BE-2016-2", {check, check, check}, QDateTime(kDay, QTime(8, 10))},
                      QDateTime(kDay, QTime(18, 5)));
    RecalculateRace(db, "B23", kDay, QDateTime(kDay, QTime(7, 30)), QDateTime(kDay, QTime(18, 10)));

    QCOMPARE(Changes(db), QStringList({"result upload BE-2016-1 BackTime -"
                                       ">2016-09-20 08:03:18.004",
                                       "result upload BE-2016-1 FlyTime -"
                                       ">01:02:03.004",
                                       "result upload BE-2016-1 FlySpeed -"
                                       ">198.952",
                                       "result upload BE-2016-1 Dist -"
                                       ">12345",
                                       "result upload BE-2016-1 TimeVari -"
                                       ">75",
                                       "result upload BE-2016-1 ClockID -"
                                       ">1A2B3C4D",
                                       "manual time BE-2016-2 BackTime -"
                                       ">2016-09-20 08:10:00.000",
                                       "manual time BE-2016-2 FlyTime -"
                                       ">01:10:00.000",
                                       "manual time BE-2016-2 FlySpeed -"
                                       ">176.357",
                                       "manual time BE-2016-2 Dist -"
                                       ">12345",
                                       "manual time BE-2016-2 TimeVari -"
                                       ">0",
                                       "recalculation BE-2016-1 FlyTime 01:02:03.004>00:32:03.004",
                                       "recalculation BE-2016-1 FlySpeed 198.952>385.179",
                                       "recalculation BE-2016-2 FlyTime 01:10:00.000>00:40:00.000",
                                       "recalculation BE-2016-2 FlySpeed 176.357>308.625"}));
    const QList<EntryChange> history = RaceHistory(db, "B23", kDay);
    QCOMPARE(history.first().when, QDateTime(kDay, QTime(18, 0)));
    QCOMPARE(history.last().when, QDateTime(kDay, QTime(18, 10)));
    QCOMPARE(history.first().user, LoginName(db));

    // Final: every action that would change the entries is refused and changes nothing.
    QCOMPARE(ResultStateText(db, "B23", kDay), "Provisional");
    LockResult(db, "B23", kDay, QDateTime(kDay, QTime(19, 45)));
    QCOMPARE(ResultStateText(db, "B23", kDay), "Final (locked 2016-09-20 19:45)");
    const QString before = Entries(db);
    const int changes = Changes(db).size();

    f.session.lastClock.clear();
    f.memo.clear();
    QCOMPARE(UploadResults(run, f.session, race), RunResult::Failed);
    QVERIFY2(f.memo.text().contains("is final (locked 2016-09-20 19:45)"),
             qPrintable(f.memo.text()));
    f.session.lastClock.clear();
    QCOMPARE(UploadMarking(run, f.session, ChooseMarkingRace(db, "B23 2016-09-20 BRX")),
             RunResult::Failed);
    QVERIFY_THROWS_EXCEPTION(
        UserError,
        SaveManualArrival(
            db, key, {"0123", "BE-2016-2", {check, check, check}, QDateTime(kDay, QTime(8, 20))}));
    QVERIFY_THROWS_EXCEPTION(UserError,
                             RecalculateRace(db, "B23", kDay, QDateTime(kDay, QTime(7, 0))));
    QVERIFY_THROWS_EXCEPTION(UserError, LockResult(db, "B23", kDay, QDateTime(kDay, QTime(20, 0))));
    QCOMPARE(Entries(db), before);
    QCOMPARE(Changes(db).size(), changes);
    QCOMPARE(Changes(db).last(), "lock  Result Provisional>Final");

    // Unlocking needs a reason, which the history keeps; then changes go through again.
    QVERIFY_THROWS_EXCEPTION(UserError,
                             UnlockResult(db, "B23", kDay, "  ", QDateTime(kDay, QTime(20, 0))));
    UnlockResult(db, "B23", kDay, "Typed the wrong arrival for BE-2016-2",
                 QDateTime(kDay, QTime(20, 0)));
    QCOMPARE(ResultStateText(db, "B23", kDay), "Provisional");
    const EntryChange unlock = RaceHistory(db, "B23", kDay).last();
    QCOMPARE(unlock.workflow, EntryWorkflow::Unlock);
    QCOMPARE(unlock.note, "Typed the wrong arrival for BE-2016-2");
    SaveManualArrival(db, key,
                      {"0123", "BE-2016-2", {check, check, check}, QDateTime(kDay, QTime(8, 20))},
                      QDateTime(kDay, QTime(20, 5)));
    QCOMPARE(Changes(db).last().left(30), "manual time BE-2016-2 FlySpeed");

    // The purge of old race entries leaves the history alone.
    db.exec("delete from ZOL_PigRaceData");
    QVERIFY(RaceHistory(db, "B23", kDay).size() > changes);
}

QTEST_GUILESS_MAIN(TestResultHistory)
#include "test_result_history.moc"
