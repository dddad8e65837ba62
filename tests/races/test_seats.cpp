// Two seats on one club database (two connections, as two programs on two PCs): a member edited
// on both, arrivals typed on several seats at once, and an action that meets another seat's lock.
#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include "data/edited_row.h"
#include "data/errors.h"
#include "members/member_store.h"
#include "members/ring_store.h"
#include "races/manual_times.h"
#include "races/race_store.h"
#include "setup/club_setup.h"
#include "test_context.h"

namespace {

const QDate kRaceDay(2026, 5, 26);

// The database of `t` as a second seat reaches it.
QString SourceOf(TestContext& t) {
    return t.server ? t.server->url() : t.paths.databaseFile;
}

MemberForm Member(const QString& loft, const QString& name, const QString& city = "Dover") {
    MemberForm f;
    f.associationCode = QStringLiteral("KC");
    f.loftNo = loft;
    f.name = name;
    f.city = city;
    return f;
}

// The first line of each question asked (what happened; the choices follow).
QStringList FirstLines(const QStringList& questions) {
    QStringList lines;
    for (const QString& q : questions) {
        lines << q.section('\n', 0, 0);
    }
    return lines;
}

QString StoredName(TdmZOLF& db, const QString& loft) {
    return db.value("select LoftName from ZOL_LoftData where LoftNo=?", {loft}).toString();
}

// Holds the whole file (a file) or the member's row (a server) in an open transaction, as a
// seat in the middle of saving does.
void HoldMember(TdmZOLF& db, const QString& loft) {
    QSqlQuery q(db.connection());
    QVERIFY(q.exec(db.isServer() ? "begin" : "begin immediate"));
    QVERIFY(q.prepare("update ZOL_LoftData set SynchFlag=0 where LoftNo=?"));
    q.addBindValue(loft);
    QVERIFY(q.exec());
}

void Release(TdmZOLF& db) {
    QSqlQuery q(db.connection());
    q.exec("commit");
}

}  // namespace

class TestSeats : public QObject {
    Q_OBJECT
  private slots:
    void memberEditedOnTwoSeats_data();
    void memberEditedOnTwoSeats();
    void ringEditedOnTwoSeats();
    void raceEditedOnTwoSeats();
    void clubSetupEditedOnTwoSeats_data();
    void clubSetupEditedOnTwoSeats();
    void waitForAnotherSeat_data();
    void waitForAnotherSeat();
    void manualTimesOnFourSeats();
    void serverConnectionLostAndBack();
};

void TestSeats::memberEditedOnTwoSeats_data() {
    QTest::addColumn<QString>("other");  // what the second seat does meanwhile
    QTest::addColumn<int>("answer");     // Prompts::Answer
    QTest::addColumn<QString>("asked");  // the question's first line; empty: nothing asked
    QTest::addColumn<int>("result");     // MemberSaveResult
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("seat");  // seat recorded for the row; empty: none

    const int yes = int(Prompts::Answer::Yes);
    const int no = int(Prompts::Answer::No);
    const int cancel = int(Prompts::Answer::Cancel);
    const QString changed = "Member 0123 was changed at 20:13 on another seat (DESK).";
    QTest::newRow("nobody else") << "" << yes << "" << int(MemberSaveResult::Updated) << "Ann Typed"
                                 << "ANTENNA";
    QTest::newRow("other seat saved the same values")
        << "same" << yes << "" << int(MemberSaveResult::Updated) << "Ann Typed"
        << "ANTENNA";
    QTest::newRow("column the form leaves alone")
        << "synch" << yes << "" << int(MemberSaveResult::Updated) << "Ann Typed"
        << "ANTENNA";
    QTest::newRow("reload") << "form" << no << changed << int(MemberSaveResult::Reload)
                            << "Ann Desk"
                            << "DESK";
    QTest::newRow("overwrite") << "form" << yes << changed << int(MemberSaveResult::Updated)
                               << "Ann Typed"
                               << "ANTENNA";
    QTest::newRow("keep the form")
        << "form" << cancel << changed << int(MemberSaveResult::Refused) << "Ann Desk"
        << "DESK";
    QTest::newRow("changed outside a form")
        << "raw" << no << "Member 0123 was changed on another seat."
        << int(MemberSaveResult::Reload) << "Ann Raw"
        << "";
    QTest::newRow("deleted, stored again")
        << "delete" << yes << "Member 0123 was deleted on another seat."
        << int(MemberSaveResult::Inserted) << "Ann Typed"
        << "ANTENNA";
}

void TestSeats::memberEditedOnTwoSeats() {
    QFETCH(QString, other);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(int, result);
    QFETCH(QString, stored);
    QFETCH(QString, seat);

    TestContext t;
    t.db->setSeat("ANTENNA");
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann"), MemberFormMode::AddNew),
             MemberSaveResult::Inserted);
    // Both seats open the member's form.
    EditedRow onAntenna = MemberEditedRow(*t.db, "0123");
    TdmZOLF desk(SourceOf(t));
    desk.setSeat("DESK");
    EditedRow onDesk = MemberEditedRow(desk, "0123");

    ScriptedPrompts deskPrompts;
    const FixedClock evening(QDateTime(QDate(2026, 6, 15), QTime(20, 13, 5)));
    if (other == "same" || other == "form") {
        const QString name = other == "same" ? "Ann" : "Ann Desk";
        QCOMPARE(SaveMember(desk, deskPrompts, evening, Member("0123", name), MemberFormMode::Edit,
                            &onDesk),
                 MemberSaveResult::Updated);
        QVERIFY(deskPrompts.shown.isEmpty());
    } else if (other == "synch") {
        desk.exec("update ZOL_LoftData set SynchFlag=0 where LoftNo='0123'");
    } else if (other == "raw") {
        desk.exec("update ZOL_LoftData set LoftName='Ann Raw' where LoftNo='0123'");
    } else if (other == "delete") {
        desk.exec("delete from ZOL_LoftData where LoftNo='0123'");
    }

    t.prompts.answers.enqueue(Prompts::Answer(answer));
    const MemberSaveResult saved = SaveMember(
        *t.db, t.prompts, t.clock, Member("0123", "Ann Typed"), MemberFormMode::Edit, &onAntenna);
    QCOMPARE(int(saved), result);
    const QStringList questions = t.prompts.of("question");
    QCOMPARE(FirstLines(questions), asked.isEmpty() ? QStringList() : QStringList{asked});
    // Both seats read what is stored.
    QCOMPARE(StoredName(*t.db, "0123"), stored);
    QCOMPARE(StoredName(desk, "0123"), stored);
    QCOMPARE(desk.rowCount("select 1 from ZOL_LoftData where LoftNo='0123'"), 1);
    QCOMPARE(desk.value("select Seat from KST_RowEdit where TableName='ZOL_LoftData' and "
                        "RowKey='0123'")
                 .toString(),
             seat);
    if (saved == MemberSaveResult::Reload) {
        // The form shows the other seat's values, and saving them again asks nothing.
        onAntenna = MemberEditedRow(*t.db, "0123");
        QCOMPARE(LoadMember(*t.db, "0123").name, stored);
        QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann Again"),
                            MemberFormMode::Edit, &onAntenna),
                 MemberSaveResult::Updated);
        QCOMPARE(t.prompts.of("question").size(), questions.size());
        QCOMPARE(StoredName(desk, "0123"), QString("Ann Again"));
    }
}

void TestSeats::ringEditedOnTwoSeats() {
    TestContext t;
    t.db->setSeat("ANTENNA");
    SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann"), MemberFormMode::AddNew);
    RingEntry typed;
    typed.loftNo = "0123";
    typed.parts = {"GB", "2026", "A", "123"};
    typed.sexName = "Cock";
    typed.colourName = "Other";
    const QString ringNo = SaveRing(*t.db, t.clock, typed).ringNo;
    QVERIFY(!ringNo.isEmpty());
    const auto comment = [&](TdmZOLF& db) {
        return db
            .value("select Comment||'|'||DeleteMark from ZOL_PigData where PRingNo=?", {ringNo})
            .toString();
    };
    // The ring as the form holds it once loaded from the list.
    typed.partsLocked = true;
    typed.selectedRingNo = ringNo;

    EditedRow onAntenna = RingEditedRow(*t.db, ringNo);
    TdmZOLF desk(SourceOf(t));
    desk.setSeat("DESK");
    ScriptedPrompts deskPrompts;
    EditedRow onDesk = RingEditedRow(desk, ringNo);
    RingEntry deskTyped = typed;
    deskTyped.comment = "desk";
    QVERIFY(!SaveRing(desk, t.clock, deskTyped, &deskPrompts, &onDesk).reload);

    // Reload: nothing stored.
    typed.comment = "antenna";
    t.prompts.answers << Prompts::Answer::No;
    RingSaveResult r = SaveRing(*t.db, t.clock, typed, &t.prompts, &onAntenna);
    QVERIFY(r.reload && !r.kept && !r.updated);
    QCOMPARE(t.prompts.of("question").value(0).section('\n', 0, 0),
             "Ring " + ringNo + " was changed at 10:00 on another seat (DESK).");
    QCOMPARE(comment(desk), QString("desk|0"));

    // Deleted on the desk, then saved here: asked, and Yes brings the ring back as typed.
    onAntenna = RingEditedRow(*t.db, ringNo);
    MarkRingDeleted(desk, t.clock, "0123", ringNo);
    r = SaveRing(*t.db, t.clock, typed, &t.prompts, &onAntenna);
    QCOMPARE(r.revived, QStringList{ringNo});
    QCOMPARE(t.prompts.of("question").value(1).section('\n', 0, 0),
             "Ring " + ringNo + " was changed on another seat.");
    QCOMPARE(comment(desk), QString("antenna|0"));

    // The form stays open: its next save asks nothing.
    typed.comment = "again";
    r = SaveRing(*t.db, t.clock, typed, &t.prompts, &onAntenna);
    QVERIFY(r.updated);
    QCOMPARE(t.prompts.of("question").size(), 2);
    QCOMPARE(comment(desk), QString("again|0"));
}

void TestSeats::raceEditedOnTwoSeats() {
    TestContext t;
    t.db->exec("insert into ZOL_ClubMap (ClubID, ClubName) values('KC','Kestrava Club')");
    RaceEditorData typed;
    typed.clubName = "Kestrava Club";
    typed.code = "1A";
    typed.site = "Dover";
    typed.abbreviation = "DOV";
    typed.date = kRaceDay;
    typed.time = QTime(7, 0);
    QVERIFY(SaveRace(*t.db, t.prompts, t.clock, typed).inserted);
    typed.loadedDate = kRaceDay;

    EditedRow onAntenna = RaceEditedRow(*t.db, "1A", kRaceDay);
    TdmZOLF desk(SourceOf(t));
    desk.setSeat("DESK");
    ScriptedPrompts deskPrompts;
    EditedRow onDesk = RaceEditedRow(desk, "1A", kRaceDay);
    RaceEditorData deskTyped = typed;
    deskTyped.time = QTime(7, 30);
    QVERIFY(SaveRace(desk, deskPrompts, t.clock, deskTyped, &onDesk).saved);

    // The liberation time typed here overwrites the desk's only when the secretary says so.
    typed.time = QTime(8, 15);
    t.prompts.answers << Prompts::Answer::Cancel << Prompts::Answer::Yes;
    RaceSaveResult r = SaveRace(*t.db, t.prompts, t.clock, typed, &onAntenna);
    QVERIFY(r.kept && !r.saved);
    QCOMPARE(desk.value("select LiberTime from ZOL_RaceData").toString(), QString("07:30:00"));
    r = SaveRace(*t.db, t.prompts, t.clock, typed, &onAntenna);
    QVERIFY(r.saved && !r.inserted);
    QCOMPARE(t.prompts.of("question").size(), 2);
    QCOMPARE(t.prompts.of("question").value(1).section('\n', 0, 0),
             QString("Race 1A of 2026-05-26 was changed at 10:00 on another seat (DESK)."));
    QCOMPARE(desk.value("select LiberTime||'|'||count(*) from ZOL_RaceData group by LiberTime")
                 .toString(),
             QString("08:15:00|1"));
}

void TestSeats::clubSetupEditedOnTwoSeats_data() {
    QTest::addColumn<QString>("other");   // what the second seat does meanwhile
    QTest::addColumn<int>("answer");      // Prompts::Answer
    QTest::addColumn<QString>("asked");   // the question's first line; empty: nothing asked
    QTest::addColumn<int>("result");      // ClubSetupSave
    QTest::addColumn<QString>("stored");  // abbreviation|street of the one club record

    const int yes = int(Prompts::Answer::Yes);
    const int no = int(Prompts::Answer::No);
    const int cancel = int(Prompts::Answer::Cancel);
    const QString changed = "The club setup was changed at 20:13 on another seat (DESK).";
    QTest::newRow("nobody else") << "" << yes << "" << int(ClubSetupSave::Stored)
                                 << "HF|Typed Road";
    QTest::newRow("reload") << "street" << no << changed << int(ClubSetupSave::Reload)
                            << "HF|Desk Road";
    QTest::newRow("overwrite") << "street" << yes << changed << int(ClubSetupSave::Stored)
                               << "HF|Typed Road";
    QTest::newRow("keep the screen")
        << "street" << cancel << changed << int(ClubSetupSave::Kept) << "HF|Desk Road";
    // A new abbreviation replaces the record: still the club's one record that was changed.
    QTest::newRow("abbreviation changed, overwritten")
        << "abbreviation" << yes << changed << int(ClubSetupSave::Stored) << "HF|Typed Road";
    QTest::newRow("changed outside the screen")
        << "raw" << no << "The club setup was changed on another seat."
        << int(ClubSetupSave::Reload) << "HF|Raw Road";
}

void TestSeats::clubSetupEditedOnTwoSeats() {
    QFETCH(QString, other);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(int, result);
    QFETCH(QString, stored);

    TestContext t;
    t.db->setSeat("ANTENNA");
    ClubSetupFields club;
    club.association = "KC";
    club.clubId = "HF";
    club.clubName = club.clubChoice = "Harbour Flyers";
    club.street = "Old Road";
    QVERIFY(StoreClubSetup(*t.db, t.prompts, club));
    // Both seats open the setup screen.
    EditedRow onAntenna = ClubEditedRow(*t.db);
    TdmZOLF desk(SourceOf(t));
    desk.setSeat("DESK");
    EditedRow onDesk = ClubEditedRow(desk);

    ScriptedPrompts deskPrompts;
    const FixedClock evening(QDateTime(QDate(2026, 6, 15), QTime(20, 13, 5)));
    if (other == "street" || other == "abbreviation") {
        ClubSetupFields onTheDesk = club;
        onTheDesk.street = "Desk Road";
        if (other == "abbreviation") {
            onTheDesk.clubId = "HFX";
        }
        QCOMPARE(SaveClubSetup(desk, deskPrompts, evening, onTheDesk, onDesk),
                 ClubSetupSave::Stored);
        QVERIFY(deskPrompts.shown.isEmpty());
    } else if (other == "raw") {
        desk.exec("update ZOL_ClubData set Street='Raw Road'");
    }

    ClubSetupFields typed = club;
    typed.street = "Typed Road";
    t.prompts.answers.enqueue(Prompts::Answer(answer));
    const ClubSetupSave saved = SaveClubSetup(*t.db, t.prompts, t.clock, typed, onAntenna);
    QCOMPARE(int(saved), result);
    const QStringList questions = t.prompts.of("question");
    QCOMPARE(FirstLines(questions), asked.isEmpty() ? QStringList() : QStringList{asked});
    // Both seats read the one record.
    const QString record = "select ClubID||'|'||Street from ZOL_ClubData";
    QCOMPARE(t.db->value(record).toString(), stored);
    QCOMPARE(desk.value(record).toString(), stored);
    QCOMPARE(desk.rowCount("select 1 from ZOL_ClubData"), 1);
    if (saved != ClubSetupSave::Kept) {
        // The screen shows the record as stored now, and storing it again asks nothing.
        if (saved == ClubSetupSave::Reload) {
            onAntenna = ClubEditedRow(*t.db);
        }
        typed.street = "Again Road";
        QCOMPARE(SaveClubSetup(*t.db, t.prompts, t.clock, typed, onAntenna), ClubSetupSave::Stored);
        QCOMPARE(t.prompts.of("question").size(), questions.size());
        QCOMPARE(desk.value("select Street from ZOL_ClubData").toString(), QString("Again Road"));
    }
}

void TestSeats::waitForAnotherSeat_data() {
    QTest::addColumn<int>("releaseAfterMs");  // -1: not within the limit
    QTest::newRow("goes on when the other seat is done") << 700;
    QTest::newRow("says why not after the limit") << -1;
}

void TestSeats::waitForAnotherSeat() {
    QFETCH(int, releaseAfterMs);
    TestContext t;
    SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann"), MemberFormMode::AddNew);
    EditedRow loaded = MemberEditedRow(*t.db, "0123");
    TdmZOLF desk(SourceOf(t));
    HoldMember(desk, "0123");
    t.db->setLockWaitLimit(releaseAfterMs < 0 ? 1500 : 20000);

    // The other seat finishes while this one waits: only a wait that keeps the program's events
    // running lets it.
    bool released = false;
    if (releaseAfterMs >= 0) {
        QTimer::singleShot(releaseAfterMs, [&] {
            Release(desk);
            released = true;
        });
    }
    QElapsedTimer waited;
    waited.start();
    QString failure;
    try {
        SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann Typed"), MemberFormMode::Edit,
                   &loaded);
    } catch (const DbError& e) {
        failure = e.text();
    }
    if (releaseAfterMs >= 0) {
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(released);
        QVERIFY(waited.elapsed() >= releaseAfterMs - 50);
        QCOMPARE(StoredName(desk, "0123"), QString("Ann Typed"));
    } else {
        Release(desk);
        QVERIFY(waited.elapsed() >= 1400);
        QVERIFY2(failure.contains("Another seat") && failure.contains("nothing of this action"),
                 qPrintable(failure));
        for (const char* raw : {"locked", "ERROR", "lock timeout", "QPSQL", "QSQLITE"}) {
            QVERIFY2(!failure.contains(raw, Qt::CaseInsensitive), qPrintable(failure));
        }
        QCOMPARE(StoredName(desk, "0123"), QString("Ann"));
    }
    QVERIFY(t.prompts.of("question").isEmpty());
}

void TestSeats::manualTimesOnFourSeats() {
    constexpr int kWriters = 4;
    constexpr int kEach = 500;
    TestContext t;
    const QStringList lofts{"001", "002", "003", "004"};
    t.db->transaction([&] {
        t.db->exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Club',1)");
        t.db->exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime) "
            "values('KC','1A','Dover','2026-05-26','07:00:00')");
        for (const QString& loft : lofts) {
            t.db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)", {loft, loft});
            t.db->exec(
                "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                "values('1A',?,300,0)",
                {loft});
        }
        for (int w = 0; w < kWriters; ++w) {
            for (int i = 0; i < kEach; ++i) {
                t.db->exec(
                    "insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) "
                    "values(?,?,'C',0)",
                    {lofts.at(i % lofts.size()), QString("W%1-%2").arg(w).arg(i)});
            }
        }
    });

    // Every seat types arrivals of every loft, so that they meet on the lofts' clock rows too.
    const RaceKey race{"KC", "1A", kRaceDay};
    const ClockReadings readings{QDateTime(kRaceDay, QTime(5, 0)),
                                 QDateTime(kRaceDay, QTime(18, 0)),
                                 QDateTime(kRaceDay, QTime(18, 0, 3))};
    const auto arrival = [](int w, int i) {
        return QDateTime(kRaceDay, QTime(12, 0)).addMSecs(qint64(w) * 1000 + qint64(i) * 4000);
    };
    QMutex mutex;
    QStringList failures;
    QList<QThread*> seats;
    const QString source = SourceOf(t);
    for (int w = 0; w < kWriters; ++w) {
        seats << QThread::create([&, w] {
            try {
                TdmZOLF db(source);
                db.setLockWaitLimit(120000);
                for (int i = 0; i < kEach; ++i) {
                    SaveManualArrival(db, race,
                                      {lofts.at(i % lofts.size()), QString("W%1-%2").arg(w).arg(i),
                                       readings, arrival(w, i)});
                }
            } catch (const std::exception& e) {
                QMutexLocker lock(&mutex);
                failures << QString::fromStdString(e.what());
            }
        });
    }
    for (QThread* s : seats) {
        s->start();
    }
    for (QThread* s : seats) {
        QVERIFY(s->wait(300000));
        delete s;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));

    QSqlQuery q = t.db->select(
        "select PRingNo, BackTime, count(*) from ZOL_PigRaceData group by PRingNo, BackTime");
    QHash<QString, QString> stored;
    while (q.next()) {
        QCOMPARE(q.value(2).toInt(), 1);
        stored.insert(q.value(0).toString(), q.value(1).toString());
    }
    QCOMPARE(stored.size(), kWriters * kEach);
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kEach; ++i) {
            QCOMPARE(stored.value(QString("W%1-%2").arg(w).arg(i)),
                     arrival(w, i).toString("yyyy-MM-dd HH:mm:ss.zzz"));
        }
    }
    QCOMPARE(t.db->texts("select LoftNo from ZOL_RaceClockTime order by LoftNo"), lofts);
    QCOMPARE(t.db->rowCount("select 1 from KST_EntryHistory where Field='BackTime'"),
             kWriters * kEach);
}

// The server drops a seat's connection (restarted, or the seat's session ended by its
// administrator): the action under way says so in plain words and stores nothing, and the
// seat goes on working once the server is there again, without a restart of the program.
void TestSeats::serverConnectionLostAndBack() {
    TestContext t;
    if (!t.db->isServer()) {
        QSKIP("A club file has no connection to lose.");
    }
    SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann"), MemberFormMode::AddNew);
    TdmZOLF admin(SourceOf(t));
    const auto dropOtherSessions = [&] {
        admin.exec(
            "select pg_terminate_backend(pid) from pg_stat_activity where "
            "datname=current_database() and pid<>pg_backend_pid()");
        QTest::qWait(100);
    };
    const auto plain = [](const QString& failure) {
        for (const char* raw : {"server closed", "no connection to the server", "terminating",
                                "FATAL", "QPSQL", "Unable to"}) {
            QVERIFY2(!failure.contains(raw, Qt::CaseInsensitive), qPrintable(failure));
        }
    };

    // Lost while the seat was idle: the next form, list and save work as before.
    dropOtherSessions();
    EditedRow opened = MemberEditedRow(*t.db, "0123");
    QCOMPARE(LoadMember(*t.db, "0123").name, QString("Ann"));
    dropOtherSessions();
    QCOMPARE(StoredName(*t.db, "0123"), QString("Ann"));
    dropOtherSessions();
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann Two"), MemberFormMode::Edit),
             MemberSaveResult::Updated);
    QCOMPARE(StoredName(admin, "0123"), QString("Ann Two"));

    // Lost in the middle of an action: nothing of it is stored, the message is plain, and
    // the action after it is stored.
    QString failure;
    try {
        t.db->transaction([&] {
            t.db->exec("update ZOL_LoftData set LoftName='Half' where LoftNo='0123'");
            dropOtherSessions();
            t.db->exec("update ZOL_LoftData set City='Half' where LoftNo='0123'");
        });
    } catch (const DbError& e) {
        failure = e.text();
    }
    QVERIFY(!failure.isEmpty());
    plain(failure);
    QCOMPARE(StoredName(admin, "0123"), QString("Ann Two"));
    QCOMPARE(
        SaveMember(*t.db, t.prompts, t.clock, Member("0123", "Ann Three"), MemberFormMode::Edit),
        MemberSaveResult::Updated);
    QCOMPARE(StoredName(admin, "0123"), QString("Ann Three"));

    // A statement outside any action meets the lost connection: plain words, and the seat
    // works again afterwards.
    dropOtherSessions();
    failure.clear();
    try {
        t.db->exec("update ZOL_LoftData set Notes='x' where LoftNo='0123'");
    } catch (const DbError& e) {
        failure = e.text();
    }
    plain(failure);
    QCOMPARE(StoredName(*t.db, "0123"), QString("Ann Three"));
}

QTEST_MAIN(TestSeats)
#include "test_seats.moc"
