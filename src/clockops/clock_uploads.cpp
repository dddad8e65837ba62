#include "clock_uploads.h"

#include "clock_texts.h"

#include <QSqlQuery>
#include <QVariant>
#include <cstdlib>

#include "data/clock.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/progress.h"
#include "data/prompts.h"
#include "data/schema.h"
#include "device/win_api_v8.h"
#include "races/clock_deviation.h"
#include "races/coordinates.h"
#include "races/entry_history.h"
#include "races/flying_time.h"
#include "races/loft_distances.h"
#include "races/result_lock.h"

namespace {

const QString kMarkFields = QStringLiteral("RaceCode%markTime");
const QString kMarkRaceFields = QStringLiteral("RaceCode%MarkDeviceTime");
const QString kStopFields = QStringLiteral("RaceCode%RaceStopDeviceTIme%RaceStopReaderTIme");
const QString kArrivalFields = QStringLiteral(
    "RaceCode%RandNumMarked%RandNumberBack%UidBack%GpsValid%BackOrder%BackTimeEring%"
    "BackTimeUid%BackHomeLat%BackHomeLon");
const QString kNoPosition = QStringLiteral("0000'00:00");

// The liberation code before the first blank, and the text after it up to the next blank.
void SplitRaceItem(const QString& item, QString& code, QString& date) {
    const qsizetype blank = item.indexOf(QLatin1Char(' '));
    code = (blank < 0 ? item : item.left(blank)).trimmed();
    date.clear();
    if (blank >= 0) {
        const QString rest = item.mid(blank + 1);
        const qsizetype next = rest.indexOf(QLatin1Char(' '));
        date = next < 0 ? rest : rest.left(next);
    }
}

QString HexCode(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString Coordinate(qint64 value, QChar positive, QChar negative) {
    const qint64 a = std::llabs(value);
    QString text = QString::asprintf("%.4lld'%.2lld:%.2lld.%.2lld", a / 3600000, (a / 60000) % 60,
                                     (a / 1000) % 60, a % 1000);
    text[0] = value < 0 ? negative : positive;
    return text.left(14);
}

// A run for a race whose result is final ends before the clock is touched, with the reason.
bool RefusedAsFinal(ClockRun& run, const RaceChoice& race) {
    try {
        RefuseIfFinal(run.db, race.liberCode, ParseDate(race.raceDateText));
    } catch (const UserError& e) {
        run.memo.clear();
        run.errorLine(e.text());
        return true;
    }
    return false;
}

}  // namespace

QString FormatDeviceLon(qint64 value) {
    return Coordinate(value, QLatin1Char('E'), QLatin1Char('W'));
}

QString FormatDeviceLat(qint64 value) {
    return Coordinate(value, QLatin1Char('N'), QLatin1Char('S'));
}

int TimeVariance(double clockStop, double readerStop) {
    // The difference of the two day counts, in milliseconds in extended precision, cut toward
    // zero, then whole seconds toward zero.
    const long double ms = static_cast<long double>(clockStop - readerStop) * 86400000.0L;
    return int(qint64(ms) / 1000);
}

QStringList RaceListItems(TdmZOLF& db) {
    QStringList items;
    QSqlQuery q = db.select(QStringLiteral(
        "select LiberCode, LiberDate, LiberSiteAbbr from ZOL_RaceData order by rowid"));
    while (q.next()) {
        const QDate date = ParseDate(q.value(1).toString());
        items << q.value(0).toString() + QLatin1Char(' ') +
                     (date.isValid() ? DateText(date) : q.value(1).toString()) + QLatin1Char(' ') +
                     q.value(2).toString();
    }
    return items;
}

RaceChoice ChooseMarkingRace(TdmZOLF& db, const QString& item) {
    const QString noRace = QStringLiteral("Please. Select Race Code !");
    QString code;
    QString date;
    SplitRaceItem(item, code, date);
    if (code.isEmpty()) {
        throw UserError(noRace);
    }
    QSqlQuery q =
        db.select(QStringLiteral("select ClubID, RaceCode, LiberDate from ZOL_RaceData "
                                 "where LiberCode=? and substr(LiberDate,1,10)=? order by rowid"),
                  {code, date.trimmed()});
    if (!q.next()) {
        throw UserError(noRace);
    }
    RaceChoice race;
    race.liberCode = code;
    race.raceCode = q.value(1).toString();
    race.raceDateText = DateText(ParseDate(q.value(2).toString()));
    race.clubId = q.value(0).toString();
    return race;
}

RaceChoice ChooseResultRace(const QString& item) {
    RaceChoice race;
    SplitRaceItem(item, race.liberCode, race.raceDateText);
    race.raceCode = race.liberCode + MonthDayText(StrToDate(race.raceDateText));
    return race;
}

QString MarkingGridSql(bool byRingOnly) {
    return QStringLiteral(
               "select a.LoftNo, b.PRingNo, a.Sex, a.ColorType, b.LiberCode, b.LiberDate, "
               "b.MarkedTime from ZOL_PigRaceData b left join ZOL_PigData a on "
               "a.PRingNo=b.PRingNo where b.LiberCode=? and substr(b.LiberDate,1,10)=? order by ") +
           (byRingOnly ? QStringLiteral("b.PRingNo nulls first")
                       : QStringLiteral("a.LoftNo nulls first, b.PRingNo nulls first"));
}

QString ResultGridSql() {
    // The places are ranked over the race's arrivals in one pass (equal speeds share a place,
    // an arrival without a speed is placed 1), before the pigeons are joined in.
    return QStringLiteral(
        "select r.Rank, b.LoftNo, a.PRingNo, a.BackTime, a.FlyTime, a.FlySpeed, a.Dist from "
        "(select rowid as id, case when FlySpeed is null then 1 else rank() over (order by "
        "FlySpeed desc nulls last) end as Rank from ZOL_PigRaceData where LiberCode=? and "
        "substr(LiberDate,1,10)=? and BackTime is not null) r join ZOL_PigRaceData a on "
        "a.rowid=r.id "
        "left join ZOL_PigData b on a.PRingNo=b.PRingNo order by a.FlySpeed desc nulls last, "
        "a.BackTime");
}

// ---------------------------------------------------------------- marked upload

namespace {
RunResult MarkingRun(ClockRun& run, ClockSession& session, const RaceChoice& race);
RunResult ResultRun(ClockRun& run, ClockSession& session, const RaceChoice& race);
}  // namespace

RunResult UploadMarking(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    run.log.setWorkflow(QStringLiteral("marked upload ") + race.raceCode);
    if (RefusedAsFinal(run, race)) {
        return RunResult::Failed;
    }
    return GuardedRun(run, true, [&] { return MarkingRun(run, session, race); });
}

RunResult UploadResults(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    run.log.setWorkflow(QStringLiteral("result upload ") + race.raceCode);
    if (RefusedAsFinal(run, race)) {
        return RunResult::Failed;
    }
    return GuardedRun(run, false, [&] { return ResultRun(run, session, race); });
}

namespace {

RunResult MarkingRun(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    run.memo.clear();
    run.memo.hide();
    EnsureEntryHistoryTables(run.db);
    const QDate raceDate = ParseDate(race.raceDateText);
    const QDateTime now = run.clock.now();
    bool success = true;
    const auto ended = ConnectOrEnd(
        run, session, LoftFromIdentity::WholeText, QStringLiteral("ComVerify Error !"), false, [&] {
            run.memo.showProgress(QStringLiteral("Loft : ") + session.loftNo +
                                  QStringLiteral(" in Marked data Upload , Pls Wait !"));
        });
    if (ended) {
        return *ended;
    }
    const QByteArray& key = session.connectionKey;
    const int bias = run.clock.biasMinutes();

    // The clock's marking time, when it said it: a run that did not read it writes none, and
    // one stored by an earlier run is never replaced by a time the clock did not give.
    qint64 markTime = 0;
    bool markTimeRead = false;
    int races = 0;
    QString errorText;
    if (!run.api.QueryRace(key, QString(), races, errorText)) {
        run.endOnLinkFailure(QStringLiteral("QueryRace Error : ") + errorText);
        run.errorLine(QStringLiteral("QueryRace Error : ") + errorText);
        success = false;
    } else {
        for (int i = 0; i < races; ++i) {
            run.checkpoint();
            QString values;
            if (!run.api.GetRaceInfo(key, i, kMarkRaceFields, values)) {
                // A refused entry may be the race: the clock is read again.
                run.endOnLinkFailure(QStringLiteral("GetRaceInfo Error : ") + values);
                run.errorLine(QStringLiteral("GetRaceInfo Error : ") + values);
                success = false;
                continue;
            }
            const QStringList v = SplitValues(values);
            if (v.value(0) == race.raceCode) {
                markTime = StrToInt64(v.value(1));
                markTimeRead = markTime != 0;
                break;
            }
        }
    }

    int marked = 0;
    const QStringList rings =
        run.db.texts(QStringLiteral("select PRingNo from ZOL_PigData where LoftNo=? and ") +
                         kNotDeleted + QStringLiteral(" order by rowid"),
                     {session.loftNo});
    for (int i = 0; i < rings.size(); ++i) {
        run.checkpoint();
        const QString& ring = rings[i];
        run.progress.step(i + 1, rings.size(),
                          QStringLiteral("pigeon %1 of %2").arg(i + 1).arg(rings.size()));
        QString values;
        if (!run.api.QueryRaceRecord(key, ring, kMarkFields, values)) {
            run.endOnLinkFailure(QStringLiteral("QueryRaceRecord Error : ") + values);
            run.errorLine(QStringLiteral("QueryRaceRecord Error : ") + values);
            success = false;
            continue;
        }
        const QStringList v = SplitValues(values);
        if (v.value(0) != race.raceCode) {
            continue;
        }
        const QDateTime m = DeviceMsToLocal(StrToInt64(v.value(1)), bias, false);
        const QVariantList key3{race.liberCode, race.raceDateText, ring};
        const QVariantList before = ReadTrackedEntry(run.db, race.liberCode, raceDate, ring);
        if (run.db.rowCount(QStringLiteral("select 1 from ZOL_PigRaceData where LiberCode=? and "
                                           "substr(LiberDate,1,10)=? and PRingNo=?"),
                            key3) > 0) {
            run.db.exec(QStringLiteral("update ZOL_PigRaceData set ClubID=?, MarkedTime=? where "
                                       "LiberCode=? and substr(LiberDate,1,10)=? and PRingNo=?"),
                        {race.clubId, GeneralText(m), race.liberCode, race.raceDateText, ring});
        } else {
            run.db.exec(QStringLiteral("insert into ZOL_PigRaceData (ClubID, LiberCode, "
                                       "LiberDate, PRingNo, MarkedTime) values(?,?,?,?,?)"),
                        {race.clubId, race.liberCode, DateText(StrToDate(race.raceDateText)), ring,
                         GeneralText(m)});
        }
        RecordEntryWrite(run.db, race.liberCode, raceDate, ring, before,
                         EntryWorkflow::MarkedUpload, now);
        run.log.line(QStringLiteral("pigeon %1 marked at %2").arg(ring, MomentText(m)));
        ++marked;
    }

    const QDateTime d = DeviceMsToLocal(markTime, bias, false);
    const QVariant markText = markTimeRead ? QVariant(GeneralText(d)) : QVariant();
    if (run.db.rowCount(QStringLiteral("select 1 from ZOL_RaceClockTime where LiberCode=? and "
                                       "substr(LiberDate,1,10)=? and LoftNo=?"),
                        {race.liberCode, race.raceDateText, session.loftNo}) > 0) {
        if (markTimeRead) {
            run.db.exec(QStringLiteral("update ZOL_RaceClockTime set DLMarkedTime=? where "
                                       "LiberCode=? and substr(LiberDate,1,10)=? and LoftNo=?"),
                        {markText, race.liberCode, race.raceDateText, session.loftNo});
        }
    } else {
        run.db.exec(QStringLiteral("insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo, "
                                   "ClockID, DLMarkedTime) values(?,?,?,?,?)"),
                    {race.liberCode, DateText(StrToDate(race.raceDateText)), session.loftNo,
                     session.clockId, markText});
    }
    run.log.line(QStringLiteral("clock marking time %1, %2 pigeon(s) marked")
                     .arg(markTimeRead ? MomentText(d) : QStringLiteral("not read"))
                     .arg(marked));
    run.commitLast();
    // A clock that could not say everything is read again at the next run.
    if (success) {
        session.lastClock = session.clockId;
    }

    const QString successText = QStringLiteral("Marked data upload Success !");
    if (marked >= 1 && success) {
        run.memo.appendSuccess(successText);
        run.api.SendText(session.loftNo + QStringLiteral(" ") + successText);
    } else if (marked == 0) {
        run.errorLine(QStringLiteral("RaceCode : ") + race.raceCode +
                      QStringLiteral(" No Marked data ! "));
    }
    run.prompts.beep();
    return success && marked >= 1 ? RunResult::Succeeded : RunResult::Failed;
}

}  // namespace

// ---------------------------------------------------------------- result upload

namespace {

// The clock's stop readings of the race, when it reports the race. A clock that does not
// say whether it holds the race ends the run: its arrivals would be timed without its
// variance.
void ReadStopTimes(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    int races = 0;
    QString errorText;
    if (!run.api.QueryRace(session.connectionKey,
                           QStringLiteral("RaceCode=") + QuotedText(QuotedText(race.raceCode)),
                           races, errorText)) {
        throw RunFailed{QStringLiteral("QueryRace Error : ") + errorText};
    }
    const int bias = run.clock.biasMinutes();
    for (int i = 0; i < races; ++i) {
        run.checkpoint();
        QString values;
        if (!run.api.GetRaceInfo(session.connectionKey, i, kStopFields, values)) {
            throw RunFailed{QStringLiteral("GetRaceInfo Error : ") + values};
        }
        const QStringList v = SplitValues(values);
        if (v.value(0) == race.raceCode) {
            session.clockStop = UtcSecsToLocal(StrToInt64(v.value(1)) / 1000, bias);
            session.readerStop = UtcSecsToLocal(StrToInt64(v.value(2)) / 1000, bias);
            session.variance = TimeVariance(session.clockStop, session.readerStop);
            session.haveStops = true;
            run.log.line(QStringLiteral("stop times: clock %1, reader %2, variance %3 s")
                             .arg(MomentText(FromDayCount(session.clockStop)),
                                  MomentText(FromDayCount(session.readerStop)))
                             .arg(session.variance));
            return;
        }
    }
}

RunResult ResultRun(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    run.memo.hide();
    run.memo.clear();
    const auto ended = ConnectOrEnd(
        run, session, LoftFromIdentity::WholeText, QStringLiteral("ComVerify Error : "), false,
        [&] {
            run.memo.showProgress(QStringLiteral("Loft : ") + session.loftNo +
                                  QStringLiteral(" in Result data Upload , Pls Wait !"));
        });
    if (ended) {
        return *ended;
    }
    // Each clock is judged by its own stop readings: a clock that does not report the race
    // has no variance (0) and leaves the stored readings alone.
    session.clockStop = session.readerStop = 0;
    session.variance = 0;
    session.haveStops = false;
    ReadStopTimes(run, session, race);
    const int deviationLimit = ClockDeviationLimit(run.db);
    if (session.haveStops && ClockDeviates(session.variance, deviationLimit)) {
        run.errorLine(ClockDeviationLine(session.variance, deviationLimit));
    }

    const int bias = run.clock.biasMinutes();
    const QStringList rings = run.db.texts(
        QStringLiteral(
            "select PRingNo from ZOL_PigRaceData where LiberCode=? and "
            "substr(LiberDate,1,10)=? and PRingNo in (select PRingNo from ZOL_PigData where "
            "LoftNo=?) order by rowid"),
        {race.liberCode, race.raceDateText, session.loftNo});
    session.arrivals.clear();
    for (int i = 0; i < rings.size(); ++i) {
        run.checkpoint();
        const QString& ring = rings[i];
        run.progress.step(i + 1, rings.size(),
                          QStringLiteral("pigeon %1 of %2").arg(i + 1).arg(rings.size()));
        QString values;
        if (!run.api.QueryRaceRecord(session.connectionKey, ring, kArrivalFields, values)) {
            session.arrivals.clear();
            throw RunFailed{QStringLiteral("QueryRaceRecord Error : ") + values};
        }
        const QStringList v = SplitValues(values);
        if (v.value(0) != race.raceCode || v.value(6) == QLatin1String("0")) {
            continue;
        }
        PScoreR a;
        a.ringNo = ring;
        a.markValue = StrToInt(v.value(1));
        a.markCode = HexCode(a.markValue);
        a.backCode = HexCode(StrToInt(v.value(2)));
        a.chipId = v.value(3);
        a.gpsValid = v.value(4);
        a.backOrder = StrToInt(v.value(5));
        a.ringArrival = DeviceMsToLocal(StrToInt64(v.value(6)), bias, true);
        a.chipArrival = DeviceMsToLocal(StrToInt64(v.value(7)), bias, true);
        if (a.gpsValid == QLatin1String("True")) {
            a.lonText = FormatDeviceLon(StrToInt(v.value(9)));
            a.latText = FormatDeviceLat(StrToInt(v.value(8)));
        } else {
            a.lonText = a.latText = kNoPosition;
        }
        run.log.line(QStringLiteral("arrival %1: marked %2, back %3, chip %4, at %5, GPS %6 %7 %8")
                         .arg(ring, a.markCode, a.backCode, a.chipId, MomentMsText(a.ringArrival),
                              a.gpsValid, a.lonText, a.latText));
        session.arrivals << a;
    }

    VerifyArrivals(run, session, race);

    if (session.haveStops) {
        // A refusal ends the run like any write the database refuses: nothing of it is kept
        // and the clock is read again.
        run.db.exec(QStringLiteral("update ZOL_RaceClockTime set ULMasterTime=?, ULClockTime=? "
                                   "where LiberCode=? and substr(LiberDate,1,10)=? and LoftNo=?"),
                    {GeneralText(FromDayCount(session.readerStop)),
                     GeneralText(FromDayCount(session.clockStop)), race.liberCode,
                     race.raceDateText, session.loftNo});
    }
    // Success is shown, and the clock taken as handled, only for what is stored.
    run.commitLast();
    session.lastClock = session.clockId;
    const bool any = !session.arrivals.isEmpty();
    if (!any) {
        run.errorLine(QStringLiteral("Race Result No Record upload !"));
    } else {
        const QString successText = QStringLiteral("Race Result upload Success !");
        run.memo.appendSuccess(successText);
        run.log.line(successText);
        run.api.SendText(session.loftNo + QStringLiteral(" ") + successText);
    }
    run.prompts.beep();
    return any ? RunResult::Succeeded : RunResult::Failed;
}

}  // namespace

void VerifyArrivals(ClockRun& run, ClockSession& session, const RaceChoice& race) {
    const int mode = run.db
                         .value(QStringLiteral("select Mode from ZOL_ClubData order by rowid "
                                               "limit 1"))
                         .toInt();
    const QDate raceDate = ParseDate(race.raceDateText);
    RefuseIfFinal(run.db, race.liberCode, raceDate);
    EnsureEntryHistoryTables(run.db);
    for (const PScoreR& a : session.arrivals) {
        const QVariantList where{race.liberCode, race.raceDateText, a.ringNo};
        const QString whereSql =
            QStringLiteral(" where LiberCode=? and substr(LiberDate,1,10)=? and PRingNo=?");
        if (run.db.rowCount(QStringLiteral("select 1 from ZOL_PigRaceData") + whereSql, where) !=
            1) {
            const QString text = QStringLiteral("PRingNo not found in this race (") + a.ringNo +
                                 QStringLiteral(")!!");
            run.log.line(QStringLiteral("ERROR ") + text);
            run.commit();
            run.prompts.message(ShownClockText(text));
            continue;
        }
        const qint64 distance = LoftTotalDistance(run.db, race.liberCode, session.loftNo, mode);
        QSqlQuery lib = run.db.select(QStringLiteral("select LiberDate, LiberTime from "
                                                     "ZOL_RaceData where LiberCode=? and "
                                                     "substr(LiberDate,1,10)=? order by rowid"),
                                      {race.liberCode, race.raceDateText});
        if (!lib.next()) {
            // The race left the race list since it was chosen: no liberation to fly from.
            throw UserError(QStringLiteral("Race ") + race.liberCode + QLatin1Char(' ') +
                            race.raceDateText + QStringLiteral(" not found !"));
        }
        const QTime libTime = StrToTime(lib.value(1).toString());
        const QDateTime liberation(StrToDate(lib.value(0).toString()),
                                   QTime(libTime.hour(), libTime.minute(), libTime.second()));
        // Night hours out; the clock's variance only applies to a positive flying time.
        const qint64 c = CalcuateSecs(run.db, race.raceCode, 0, a.ringArrival, liberation);
        const qint64 flyMs = c > 0 ? c - 1000LL * session.variance : 0;
        const double speed = CalcFlySpeed(distance, flyMs);
        if (a.markCode == a.backCode) {
            const QString speedText = FlySpeedText(speed);
            const QVariantList before =
                ReadTrackedEntry(run.db, race.liberCode, raceDate, a.ringNo);
            run.db.exec(
                QStringLiteral("update ZOL_PigRaceData set BackTime=?, FlyTime=?, "
                               "FlySpeed=?, Dist=?, ClockID=?, UID_Real=?, TimeVari=?, "
                               "RandomCode=?, RealRandom=?, BackLon=?, BackLat=?") +
                    whereSql,
                {MomentMsText(a.ringArrival), MsToFlyTime(flyMs), StoredFlySpeed(speed), distance,
                 session.clockId, a.chipId, session.variance, a.markValue, a.backCode, a.lonText,
                 a.latText, race.liberCode, race.raceDateText, a.ringNo});
            RecordEntryWrite(run.db, race.liberCode, raceDate, a.ringNo, before,
                             EntryWorkflow::ResultUpload, run.clock.now());
            run.log.line(QStringLiteral("result %1: back %2, flying %3, speed %4, distance %5")
                             .arg(a.ringNo, MomentMsText(a.ringArrival), MsToFlyTime(flyMs),
                                  speedText.trimmed())
                             .arg(distance));
        } else {
            run.log.line(QStringLiteral("ERROR security code of %1: marked %2, back %3")
                             .arg(a.ringNo, a.markCode, a.backCode));
            run.commit();
            run.prompts.message(ShownClockText(QStringLiteral("Security Code not match !! (") +
                                               a.ringNo + QStringLiteral(")")));
            run.db.exec(
                QStringLiteral("update ZOL_PigRaceData set UID_Real=?, RandomCode=?, "
                               "RealRandom=?") +
                    whereSql,
                {a.chipId, a.markValue, a.backCode, race.liberCode, race.raceDateText, a.ringNo});
        }
    }
}
