#include "race_results.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <optional>

#include "coordinates.h"
#include "data/batched_rows.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "entry_history.h"
#include "flying_time.h"
#include "loft_distances.h"
#include "manual_times.h"
#include "result_lock.h"
#include "spreadsheet/workbook_writer.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

QString RaceStatusSql() {
    // A bird gets its clock when its arrival is read; until then, or when its time was typed
    // in, it has none. A loft that flew one clock in the race counts such birds under that
    // clock. With several clocks nobody can tell which clock marked them, so they keep a row
    // of their own without a clock.
    return QStringLiteral(
        "with e as (select b.LoftNo, a.ClockID, a.BackTime from ZOL_PigRaceData a left join "
        "ZOL_PigData b on a.PRingNo=b.PRingNo where a.LiberCode=? and substr(a.LiberDate,1,10)=?), "
        "k as (select LoftNo, min(ClockID) as OnlyClock from e where ClockID is not null and "
        "LoftNo is not null group by LoftNo having count(distinct ClockID)=1) "
        "select s.LoftNo, s.ClockID, count(s.LoftNo) as MarkedCnt, count(s.BackTime) as "
        "ArriveCnt from (select e.LoftNo, coalesce(e.ClockID, k.OnlyClock) as ClockID, "
        "e.BackTime from e left join k on k.LoftNo=e.LoftNo) as s group by s.LoftNo, s.ClockID "
        "order by s.LoftNo nulls first, s.ClockID nulls first");
}

QString RaceResultSql() {
    // The places are ranked over all clocked entries of the race in one pass, before the
    // distance rows narrow the list down. The cross join keeps the distance row looked up by
    // code and loft after the pigeon is found, instead of scanning the code's rows per entry.
    return QStringLiteral(
        "select r.Pos, a.LiberCode, a.PRingNo, a.BackTime, a.FlyTime, a.FlySpeed, "
        "b.LoftNo, c.Miles || '/' || c.Yards as dist, b.Sex as sex, b.ColorType, a.TimeVari "
        "from (select rowid as id, case when FlySpeed is null then 1 else "
        "rank() over (order by FlySpeed desc nulls last) end as Pos from ZOL_PigRaceData "
        "where LiberCode=? and substr(LiberDate,1,10)=? and BackTime is not null) r "
        "join ZOL_PigRaceData a on a.rowid=r.id "
        "left join ZOL_PigData b on a.PRingNo=b.PRingNo "
        "cross join ZOL_LoftLibPointDist c where c.LiberCode=a.LiberCode and c.LoftNo=b.LoftNo "
        "order by a.FlySpeed desc nulls last, a.PRingNo");
}

QString RaceResultRowsSql(const QString& columns) {
    return QStringLiteral("select ") + columns +
           QStringLiteral(
               " from ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo "
               "cross join ZOL_LoftLibPointDist c where c.LiberCode=a.LiberCode and "
               "c.LoftNo=b.LoftNo and a.LiberCode=? and substr(a.LiberDate,1,10)=? and "
               "a.BackTime is not null");
}

QStringList RaceResultFields() {
    return {QStringLiteral("Pos"),       QStringLiteral("LiberCode"), QStringLiteral("PRingNo"),
            QStringLiteral("BackTime"),  QStringLiteral("FlyTime"),   QStringLiteral("FlySpeed"),
            QStringLiteral("LoftNo"),    QStringLiteral("dist"),      QStringLiteral("sex"),
            QStringLiteral("ColorType"), QStringLiteral("TimeVari")};
}

RaceSummary RaceResultSummary(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    const QVariantList race{liberCode, DateText(liberDate)};
    RaceSummary s;
    QSqlQuery q = db.select(
        // An entry without a loft counts as one member of its own (the bound mark is no loft
        // number).
        QStringLiteral("select count(distinct coalesce(b.LoftNo, ?)), count(*) from "
                       "ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo "
                       "where a.LiberCode=? and substr(a.LiberDate,1,10)=?"),
        {QString(QChar(1)), liberCode, DateText(liberDate)});
    if (q.next()) {
        s.members = q.value(0).toInt();
    }
    // Entries are counted apart from the join: a ring kept by two lofts is one entry.
    s.birds = db.value(QStringLiteral("select count(*) from ZOL_PigRaceData where LiberCode=? "
                                      "and substr(LiberDate,1,10)=?"),
                       race)
                  .toInt();
    // Counted without ranking and sorting the list.
    s.clocked = db.value(RaceResultRowsSql(QStringLiteral("count(*)")), race).toInt();
    return s;
}

QString RaceSummaryText(const RaceSummary& s) {
    return RaceText::tr("%1 Members sent %2 birds - %3 were clocked")
        .arg(s.members, 4)
        .arg(s.birds, 5)
        .arg(s.clocked, 5);
}

QString SpeedTitle(int mode) {
    return mode != 0 ? RaceText::tr("Yds/Min") : RaceText::tr("MPM");
}

QString ColourCellText(const QVariant& colorType) {
    return colorType.toString().left(2);
}

QString ClockedCellText(const QVariant& backTime) {
    if (backTime.isNull()) {
        return {};
    }
    const QString t = backTime.toString();
    return t.mid(11) + QStringLiteral("  ") + t.mid(8, 2) + QLatin1Char('-') + t.mid(5, 2);
}

QString FlyTimeCellText(const QVariant& flyTime) {
    return flyTime.toString().left(8);
}

QString SpeedCellText(const QVariant& flySpeed) {
    const double speed = flySpeed.toDouble();
    return flySpeed.isNull() || speed == 0 ? QString() : FlySpeedText(speed);
}

QString VariationCellText(const QVariant& timeVari) {
    if (timeVari.isNull()) {
        return {};
    }
    const int v = timeVari.toInt();
    return v >= 1 ? QStringLiteral("+") + QString::number(v) : timeVari.toString();
}

QDateTime ArrivalOf(const QString& ring, const QString& backTime) {
    const QDateTime arrival = ParseMoment(backTime);
    if (!arrival.isValid()) {
        throw UserError(RaceText::tr("The arrival '%1' of ring %2 is not a valid date and time.")
                            .arg(backTime, ring));
    }
    return arrival;
}

namespace {

qint64 SpeedKey(double speed) {
    return qRound64(speed * 1000);
}

// Places as the result list gives them: 1 + the number of entries with a strictly greater
// speed; an entry without a speed is placed 1.
QList<int> PlacesOf(const QList<std::optional<double>>& speeds) {
    QList<double> sorted;
    for (const auto& s : speeds) {
        if (s) {
            sorted << *s;
        }
    }
    std::sort(sorted.begin(), sorted.end(), std::greater<double>());
    QList<int> places;
    for (const auto& s : speeds) {
        if (!s) {
            places << 1;
            continue;
        }
        const auto faster =
            std::lower_bound(sorted.begin(), sorted.end(), *s, std::greater<double>());
        places << int(faster - sorted.begin()) + 1;
    }
    return places;
}

}  // namespace

bool RecalculatedEntry::flyTimeChanged() const {
    return oldFlyTime.isNull() || oldFlyTime.toString() != newFlyTime;
}

bool RecalculatedEntry::speedChanged() const {
    return oldSpeed.isNull() || SpeedKey(oldSpeed.toDouble()) != SpeedKey(newSpeed);
}

bool RecalculatedEntry::distChanged() const {
    return oldDist.isNull() || oldDist.toInt() != newDist;
}

RecalculationPlan PlanRecalculation(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                                    const QDateTime& liberation) {
    RefuseIfFinal(db, liberCode, liberDate);
    const QString dateText = DateText(liberDate);
    const int mode = ClubDistanceMode(db);
    RecalculationPlan plan;
    plan.liberCode = liberCode;
    plan.liberDate = liberDate;
    plan.liberation = liberation;
    const QList<SunRow> sunRows = RaceSunRows(db, RaceCodeOf(liberCode, liberDate));
    QHash<QString, int> distances;
    QSqlQuery d = db.select(QStringLiteral("select LoftNo, Miles, Yards from "
                                           "ZOL_LoftLibPointDist where LiberCode=?"),
                            {liberCode});
    while (d.next()) {
        const QString loft = d.value(0).toString();
        if (!distances.contains(loft)) {
            distances.insert(loft, DistPairToUnits(d.value(1).toInt(), d.value(2).toInt(), mode));
        }
    }
    // Arrivals typed in before their variation was kept with them: the member's clock
    // readings for the race still give it.
    QHash<QString, int> typedVariations;
    QSqlQuery v = db.select(QStringLiteral("select LoftNo, ULMasterTime, ULClockTime from "
                                           "ZOL_RaceClockTime where LiberCode=? and "
                                           "substr(LiberDate,1,10)=?"),
                            {liberCode, dateText});
    while (v.next()) {
        const ClockReadings readings{
            {}, ParseMoment(v.value(1).toString()), ParseMoment(v.value(2).toString())};
        if (readings.master.isValid() && readings.member.isValid()) {
            typedVariations.insert(v.value(0).toString(), ClockVariation(readings));
        }
    }
    QSqlQuery q = db.select(
        QStringLiteral("select a.rowid, a.PRingNo, a.BackTime, a.TimeVari, (select b.LoftNo "
                       "from ZOL_PigData b where b.PRingNo=a.PRingNo limit 1), a.FlyTime, "
                       "a.FlySpeed, a.Dist from ZOL_PigRaceData a where a.LiberCode=? and "
                       "substr(a.LiberDate,1,10)=? and a.BackTime is not null"),
        {liberCode, dateText});
    QList<std::optional<double>> oldSpeeds;
    QList<std::optional<double>> newSpeeds;
    while (q.next()) {
        RecalculatedEntry e;
        e.id = q.value(0).toLongLong();
        e.ring = q.value(1).toString();
        const QVariant loftNo = q.value(4);
        e.newDist = loftNo.isNull() ? 0 : distances.value(loftNo.toString(), 0);
        const int variation =
            q.value(3).isNull() ? typedVariations.value(loftNo.toString(), 0) : q.value(3).toInt();
        const qint64 ms =
            CalcuateSecs(variation, ArrivalOf(e.ring, q.value(2).toString()), liberation, sunRows);
        e.newFlyTime = MsToFlyTime(ms);
        e.newSpeed = StoredFlySpeed(CalcFlySpeed(e.newDist, ms));
        e.oldFlyTime = q.value(5);
        e.oldSpeed = q.value(6);
        e.oldDist = q.value(7);
        oldSpeeds << (e.oldSpeed.isNull() ? std::nullopt
                                          : std::optional<double>(e.oldSpeed.toDouble()));
        newSpeeds << std::optional<double>(e.newSpeed);
        plan.entries << e;
    }
    const QList<int> oldPlaces = PlacesOf(oldSpeeds);
    const QList<int> newPlaces = PlacesOf(newSpeeds);
    for (int i = 0; i < plan.entries.size(); ++i) {
        RecalculatedEntry& e = plan.entries[i];
        e.oldPlace = oldPlaces[i];
        e.newPlace = newPlaces[i];
        plan.flyTimes += e.flyTimeChanged() ? 1 : 0;
        plan.speeds += e.speedChanged() ? 1 : 0;
        if (e.oldPlace != e.newPlace) {
            ++plan.places;
            plan.moves << PlaceMove{e.ring, e.oldPlace, e.newPlace};
        }
    }
    std::sort(plan.moves.begin(), plan.moves.end(), [](const PlaceMove& a, const PlaceMove& b) {
        return a.to != b.to ? a.to < b.to : a.ring < b.ring;
    });
    return plan;
}

QString RecalculationPreviewText(const RecalculationPlan& plan) {
    QString text = RaceText::tr(
                       "Recalculating %1 of %2 from the liberation at %3 changes %4 flying "
                       "time(s), %5 speed(s) and %6 place(s) of %7 clocked bird(s).")
                       .arg(plan.liberCode, DateText(plan.liberDate), MomentText(plan.liberation))
                       .arg(plan.flyTimes)
                       .arg(plan.speeds)
                       .arg(plan.places)
                       .arg(plan.entries.size());
    if (!plan.moves.isEmpty()) {
        text += RaceText::tr("\n\nPlaces that move:");
        const int shown = std::min<int>(plan.moves.size(), 40);
        for (int i = 0; i < shown; ++i) {
            const PlaceMove& m = plan.moves[i];
            text += QStringLiteral("\n%1: %2 \u2192 %3").arg(m.ring).arg(m.from).arg(m.to);
        }
        if (plan.moves.size() > shown) {
            text += RaceText::tr("\n... and %1 more").arg(plan.moves.size() - shown);
        }
    }
    return text + RaceText::tr("\n\nStore these changes?");
}

int ApplyRecalculation(TdmZOLF& db, const RecalculationPlan& plan, const QDateTime& when) {
    RefuseIfFinal(db, plan.liberCode, plan.liberDate);
    const QString user = LoginName(db);
    const QString moment = MomentMsText(when);
    const QString dateText = DateText(plan.liberDate);
    // The changed entries and their history, each written in groups of rows rather than a
    // statement (on the server a round trip) per entry and per change.
    QList<QVariantList> updates;
    QList<QVariantList> history;
    for (const RecalculatedEntry& e : plan.entries) {
        if (!e.changed()) {
            continue;
        }
        updates << QVariantList{e.id, e.newFlyTime, e.newSpeed, e.newDist};
        const auto record = [&](bool changed, const char* field, const QVariant& from,
                                const QVariant& to) {
            if (changed) {
                history << QVariantList{
                    moment, plan.liberCode,       dateText,           EntryWorkflow::Recalculation,
                    e.ring, QLatin1String(field), HistoryValue(from), HistoryValue(to),
                    user};
            }
        };
        record(e.flyTimeChanged(), "FlyTime", e.oldFlyTime, e.newFlyTime);
        record(e.speedChanged(), "FlySpeed", e.oldSpeed, e.newSpeed);
        record(e.distChanged(), "Dist", e.oldDist, e.newDist);
    }
    db.transaction([&] {
        EnsureEntryHistoryTables(db);
        ExecRowBatches(db,
                       QStringLiteral("update ZOL_PigRaceData set FlyTime=v.column2, "
                                      "FlySpeed=cast(v.column3 as double precision), "
                                      "Dist=cast(v.column4 as bigint) from (values "),
                       QStringLiteral(") as v where ZOL_PigRaceData.rowid=cast(v.column1 as "
                                      "bigint)"),
                       updates);
        ExecRowBatches(db,
                       QStringLiteral("insert into KST_EntryHistory (Moment, LiberCode, "
                                      "LiberDate, Workflow, PRingNo, Field, OldValue, NewValue, "
                                      "UserName) values "),
                       QString(), history);
    });
    return int(updates.size());
}

int RecalculateRace(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                    const QDateTime& liberation, const QDateTime& when) {
    const RecalculationPlan plan = PlanRecalculation(db, liberCode, liberDate, liberation);
    ApplyRecalculation(db, plan, when);
    return plan.entries.size();
}

WorkbookWriter RaceResultWorkbook(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QSqlQuery q = db.select(RaceResultSql(), {liberCode, DateText(liberDate)});
    WorkbookWriter book = WorkbookWriter::FromQuery(q);
    for (int column : {3, 4, 5}) {
        book.setColumnFormat(column, kTextFormat);
    }
    book.setColumnFormat(6, kThreeDecimalsFormat);
    const QList<QPair<int, double>> widths{{3, 20}, {4, 25}, {5, 15}, {6, 10}, {7, 10}, {8, 20}};
    for (const auto& [column, width] : widths) {
        book.setColumnWidth(column, width);
    }
    return book;
}

bool ExportRaceResult(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                      const QDate& liberDate) {
    const QString path = prompts.saveFileName(RaceText::tr("Excel File (*.xlsx)"));
    if (path.isEmpty()) {
        return false;
    }
    RaceResultWorkbook(db, liberCode, liberDate).save(path);
    return true;
}
