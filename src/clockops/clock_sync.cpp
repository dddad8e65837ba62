#include "clock_sync.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "data/clock.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/progress.h"
#include "data/prompts.h"
#include "data/schema.h"
#include "device/win_api_v8.h"

const QString kSyncSuccessText = QStringLiteral("Clock Synchornize Success !");

namespace {

const QString kPigeonFields = QStringLiteral("AssocNum%Uid%EringNum%UpdateTime%Year%Sex%Color");

QString Text(const QSqlQuery& q, const char* field) {
    return q.value(QLatin1String(field)).toString();
}

// A stored moment; null or unreadable counts as the earliest moment of all.
QDateTime StoredMoment(const QVariant& value) {
    const QDateTime moment = value.isNull() ? QDateTime() : ParseMoment(value.toString());
    return moment.isValid() ? moment : QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

// Step 4: races of the loft dated more than five days ago leave the clock and the table.
void DeleteOldRaces(ClockRun& run, ClockSession& session, QString& errorText) {
    const QString before = DateText(run.clock.today().addDays(-5));
    QSqlQuery q = run.db.select(
        QStringLiteral("select LiberCode, LiberDate from ZOL_RaceClockTime where LoftNo=? and "
                       "substr(LiberDate,1,10)<? order by rowid"),
        {session.loftNo, before});
    QList<QPair<QString, QString>> rows;
    while (q.next()) {
        rows << qMakePair(q.value(0).toString(), q.value(1).toString());
    }
    for (const auto& [liberCode, liberDate] : rows) {
        run.checkpoint();
        const QString raceCode = liberCode + MonthDayText(ParseDate(liberDate));
        if (run.api.DeleteRace(session.connectionKey, raceCode, errorText)) {
            run.log.line(QStringLiteral("race %1 deleted from the clock").arg(raceCode));
        } else {
            // Lost on the link, the race may still be in the clock: the row stays, so the
            // next run deletes it again.
            run.endOnLinkFailure(QStringLiteral("DeleteRace Error : ") + errorText);
            run.errorLine(QStringLiteral("DeleteRace Error : ") + errorText);
        }
        run.db.tryExec(QStringLiteral("delete from ZOL_RaceClockTime where LiberCode=? and "
                                      "LiberDate=? and LoftNo=?"),
                       {liberCode, liberDate, session.loftNo});
    }
}

// Step 5: current flagged races the clock has not had since they last changed.
bool SendCurrentRaces(ClockRun& run, ClockSession& session, QString& errorText) {
    bool ok = true;
    QSqlQuery club = run.db.select(
        QStringLiteral("select AssociationCode, PrintCount from ZOL_ClubData order by rowid "
                       "limit 1"));
    QString associationCode;
    QString printCount;
    if (club.next()) {
        associationCode = club.value(0).toString();
        printCount = club.value(1).toString();
    }
    const QVariant lastSynch = run.db.value(
        QStringLiteral("select LastSynchDate from ZOL_LoftClocks where LoftNo=? and ClockID=?"),
        {session.loftNo, session.clockId});
    const bool known = run.db.rowCount(QStringLiteral("select 1 from ZOL_LoftClocks where "
                                                      "LoftNo=? and ClockID=?"),
                                       {session.loftNo, session.clockId}) > 0;
    QSqlQuery q = run.db.select(
        QStringLiteral("select ClubID, LiberCode, LiberSiteAbbr, LiberDate, LiberTime, RaceCode, "
                       "Updatetime from ZOL_RaceData where substr(LiberDate,1,10)>=? and ") +
            kSynchFlagged + QStringLiteral(" order by rowid"),
        {DateText(run.clock.today())});
    struct Race {
        QString clubId, liberCode, abbr, date, time, raceCode;
        QVariant updated;
    };
    QList<Race> races;
    while (q.next()) {
        races << Race{Text(q, "ClubID"),
                      Text(q, "LiberCode"),
                      Text(q, "LiberSiteAbbr"),
                      Text(q, "LiberDate"),
                      Text(q, "LiberTime"),
                      Text(q, "RaceCode"),
                      q.value(QStringLiteral("Updatetime"))};
    }
    for (const Race& race : races) {
        run.checkpoint();
        if (known && SynchedSince(lastSynch.toString(), race.updated.toString())) {
            continue;
        }
        const QDateTime liberation(StrToDate(race.date), StrToTime(race.time));
        const qint64 ms = LocalToUtcSecs(liberation, run.clock.biasMinutes()) * 1000;
        const QString params =
            SaveRaceParams(race.clubId, race.liberCode, race.abbr, ms, associationCode, printCount);
        if (run.api.SaveRace(session.connectionKey, race.raceCode, params, errorText)) {
            run.log.line(QStringLiteral("race %1 sent: %2").arg(race.raceCode, params));
        } else {
            run.endOnLinkFailure(QStringLiteral("SaveRace Error : ") + errorText);
            run.errorLine(QStringLiteral("SaveRace Error : ") + errorText);
            ok = false;
        }
    }
    return ok;
}

// Step 6: the loft's pigeons (all of them when the clock holds none), and the deletions. The
// rings the clock refused are added to `refused`.
bool SendPigeons(ClockRun& run, ClockSession& session, QString& errorText, QSet<QString>& refused) {
    bool ok = true;
    int held = 0;
    const bool counted = run.api.QueryPigeon(session.connectionKey, QString(), held, errorText);
    QString sql = QStringLiteral(
        "select PRingNo, RRegNumber, E_Ring, ColorType, RYear, Sex, DeleteMark from ZOL_PigData "
        "where LoftNo=?");
    if (counted && held >= 1) {
        sql += QStringLiteral(" and ") + kSynchFlagged;
    }
    sql += QStringLiteral(" order by rowid");
    QSqlQuery q = run.db.select(sql, {session.loftNo});
    struct Pigeon {
        QString ring, reg, eRing, colour, year, sex;
        bool deleted;
    };
    QList<Pigeon> pigeons;
    while (q.next()) {
        pigeons << Pigeon{q.value(0).toString(),  q.value(1).toString(), q.value(2).toString(),
                          q.value(3).toString(),  q.value(4).toString(), q.value(5).toString(),
                          q.value(6).toInt() != 0};
    }
    const int total = int(pigeons.size());
    for (int i = 0; i < total; ++i) {
        run.checkpoint();
        const Pigeon& p = pigeons[i];
        run.progress.step(i + 1, total,
                          QStringLiteral("pigeon %1 of %2 sent").arg(i + 1).arg(total));
        if (p.deleted) {
            QString refused;
            if (!run.api.DeletePigeon(session.connectionKey, p.ring, refused)) {
                // A refusal is not looked at; a deletion lost on the link is sent again.
                run.endOnLinkFailure(QStringLiteral("DeletePigeon Error : ") + refused);
            }
            run.db.exec(QStringLiteral("delete from ZOL_PigData where LoftNo=? and PRingNo=?"),
                        {session.loftNo, p.ring});
            run.log.line(QStringLiteral("pigeon %1 deleted").arg(p.ring));
            continue;
        }
        const QString params = SavePigeonParams(p.reg, p.eRing, p.colour, p.year, p.sex);
        bool saved = false;
        try {
            saved = run.api.SavePigeon(session.connectionKey, p.ring, params, errorText);
        } catch (const UserError& e) {
            // A birth year that is no number: the message names the pigeon to mend.
            throw UserError(e.text() + QStringLiteral(" (ring ") + p.ring + QLatin1Char(')'));
        }
        if (saved) {
            run.db.exec(
                QStringLiteral("update ZOL_PigData set SynchFlag=0 where LoftNo=? and PRingNo=?"),
                {session.loftNo, p.ring});
            run.log.line(QStringLiteral("pigeon %1 sent: %2").arg(p.ring, params));
        } else {
            run.endOnLinkFailure(QStringLiteral("SavePigeon Error : ") + errorText);
            run.errorLine(QStringLiteral("SavePigeon Error : ") + errorText);
            refused.insert(p.ring);
            ok = false;
        }
    }
    return ok;
}

// Step 7: the electronic rings the clock assigned, read back. Returns false when a ring number
// read back belongs to another loft, or when the clock did not say what it holds: the clock is
// then synchronised again, so that no assignment is missed. A pigeon the clock refused in this
// run keeps what the club holds: the clock's copy of it is the old one.
bool ReadPigeonsBack(ClockRun& run, ClockSession& session, const QSet<QString>& refused) {
    bool ok = true;
    int count = 0;
    QString errorText;
    if (!run.api.QueryPigeon(session.connectionKey, QString(), count, errorText)) {
        run.endOnLinkFailure(QStringLiteral("QueryPigeon Error : ") + errorText);
        run.errorLine(QStringLiteral("QueryPigeon Error : ") + errorText);
        return false;
    }
    for (int i = 0; i < count; ++i) {
        run.checkpoint();
        run.progress.step(i + 1, count,
                          QStringLiteral("pigeon %1 of %2 read").arg(i + 1).arg(count));
        QString valueText;
        if (!run.api.GetPigeonInfo(session.connectionKey, i, kPigeonFields, valueText)) {
            run.endOnLinkFailure(QStringLiteral("GetPigeonInfo Error : ") + valueText);
            run.errorLine(QStringLiteral("GetPigeonInfo Error : ") + valueText);
            ok = false;
            continue;
        }
        const QStringList v = SplitValues(valueText);
        if (v.size() < 7) {
            continue;
        }
        const QString& ring = v[0];
        const QString& uid = v[1];
        const QString& eRing = v[2];
        const qint64 updateMs = StrToInt64(v[3]);
        const QDateTime t = DeviceMsToLocal(updateMs, run.clock.biasMinutes(), false);
        const QString now = MomentMsText(run.clock.now());
        QSqlQuery row = run.db.select(
            QStringLiteral("select Updatetime from ZOL_PigData where LoftNo=? and PRingNo=?"),
            {session.loftNo, ring});
        if (row.next()) {
            if (!refused.contains(ring) && StoredMoment(row.value(0)) < t) {
                run.db.exec(QStringLiteral("update ZOL_PigData set UID=?, E_Ring=?, AssignDate=?, "
                                           "Updatetime=? where LoftNo=? and PRingNo=?"),
                            {uid, eRing, GeneralText(t), now, session.loftNo, ring});
                run.log.line(QStringLiteral("pigeon %1 read: UID %2, E_Ring %3, assigned %4")
                                 .arg(ring, uid, eRing, MomentText(t)));
            }
            continue;
        }
        if (eRing.isEmpty()) {
            continue;
        }
        // The race tables join pigeons on the ring number alone: a second row under another
        // loft would count the bird twice.
        const QVariant other = run.db.value(
            QStringLiteral("select LoftNo from ZOL_PigData where PRingNo=? limit 1"), {ring});
        if (!other.isNull()) {
            run.errorLine(
                QStringLiteral("Ring %1 of loft %2 already belongs to loft %3 : not added !")
                    .arg(ring, session.loftNo, other.toString()));
            ok = false;
            continue;
        }
        run.db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo, UID, E_Ring, "
                                   "AssignDate, Sex, RYear, ColorType, CreateDate, Updatetime, "
                                   "SynchFlag, DeleteMark) values(?,?,?,?,?,?,?,?,?,?,0,0)"),
                    {session.loftNo, ring, uid, eRing, GeneralText(t), SexFromClock(v[5]), v[4],
                     v[6], DateText(t.date()), now});
        run.log.line(QStringLiteral("pigeon %1 added from the clock: UID %2, E_Ring %3")
                         .arg(ring, uid, eRing));
    }
    return ok;
}

RunResult SyncRun(ClockRun& run, ClockSession& session);

}  // namespace

int SexCodeForClock(const QString& sex) {
    if (sex == QLatin1String("H")) {
        return 0;
    }
    if (sex == QLatin1String("C")) {
        return 1;
    }
    return 2;
}

QString SexFromClock(const QString& code) {
    if (code == QLatin1String("0")) {
        return QStringLiteral("H");
    }
    if (code == QLatin1String("1")) {
        return QStringLiteral("C");
    }
    if (code == QLatin1String("2")) {
        return QStringLiteral("U");
    }
    return QString();
}

QString SaveRaceParams(const QString& clubId, const QString& liberCode, const QString& siteAbbr,
                       qint64 liberationMs, const QString& associationCode,
                       const QString& printCount) {
    return QStringLiteral(
               "ClubCode:%1%LiberCode:%2%LiberName:%3%LiberTime:%4%AssocCode:%5%"
               "PrintCount:#%6")
        .arg(clubId, liberCode, siteAbbr, QString::number(liberationMs), associationCode,
             printCount);
}

QString SavePigeonParams(const QString& regNumber, const QString& eRing, const QString& colour,
                         const QString& year, const QString& sex) {
    return QStringLiteral("regNum:%1%eringNum:%2%Color:%3%Year:#%4%Sex:#%5")
        .arg(regNumber, eRing, colour, year, QString::number(SexCodeForClock(sex)));
}

RunResult SyncClock(ClockRun& run, ClockSession& session) {
    run.log.setWorkflow(QStringLiteral("synchronise"));
    return GuardedRun(run, true, [&] { return SyncRun(run, session); });
}

namespace {

RunResult SyncRun(ClockRun& run, ClockSession& session) {
    run.memo.hide();
    if (const auto ended = ConnectOrEnd(run, session, LoftFromIdentity::AfterUnderscore,
                                        QStringLiteral("ComVerify Error : "), true)) {
        return *ended;
    }
    run.memo.showProgress(QStringLiteral("In synchronize Loft Number: ") + session.loftNo +
                          QStringLiteral(" Please Wait! "));
    QString errorText;
    DeleteOldRaces(run, session, errorText);
    bool success = SendCurrentRaces(run, session, errorText);
    QSet<QString> refused;
    success = SendPigeons(run, session, errorText, refused) && success;
    success = ReadPigeonsBack(run, session, refused) && success;
    run.commit();
    if (success) {
        const QString now = MomentMsText(run.clock.now());
        if (run.db.rowCount(QStringLiteral("select 1 from ZOL_LoftClocks where LoftNo=? and "
                                           "ClockID=?"),
                            {session.loftNo, session.clockId}) == 0) {
            run.db.exec(QStringLiteral("insert into ZOL_LoftClocks (LoftNo, ClockID) values(?,?)"),
                        {session.loftNo, session.clockId});
        }
        run.db.exec(QStringLiteral("update ZOL_LoftClocks set LastSynchDate=?, SynchStat=0 where "
                                   "LoftNo=? and ClockID=?"),
                    {now, session.loftNo, session.clockId});
        // Success is shown only for what is stored.
        run.commitLast();
        session.lastClock = session.clockId;
        run.memo.showSuccess(kSyncSuccessText);
        run.log.line(kSyncSuccessText);
        run.api.SendText(session.loftNo + QStringLiteral(" ") + kSyncSuccessText);
    }
    run.prompts.beep();
    return success ? RunResult::Succeeded : RunResult::Failed;
}

}  // namespace
