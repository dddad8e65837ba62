#include "race_results.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

#include "coordinates.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "flying_time.h"
#include "loft_distances.h"
#include "manual_times.h"
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
        "ZOL_PigData b on a.PRingNo=b.PRingNo where a.LiberCode=? and date(a.LiberDate)=?), "
        "k as (select LoftNo, min(ClockID) as OnlyClock from e where ClockID is not null and "
        "LoftNo is not null group by LoftNo having count(distinct ClockID)=1) "
        "select s.LoftNo, s.ClockID, count(s.LoftNo) as MarkedCnt, count(s.BackTime) as "
        "ArriveCnt from (select e.LoftNo, coalesce(e.ClockID, k.OnlyClock) as ClockID, "
        "e.BackTime from e left join k on k.LoftNo=e.LoftNo) as s group by s.LoftNo, s.ClockID "
        "order by s.LoftNo, s.ClockID");
}

QString RaceResultSql() {
    // The places are ranked over all clocked entries of the race in one pass, before the
    // distance rows narrow the list down. The cross join keeps the distance row looked up by
    // code and loft after the pigeon is found, instead of scanning the code's rows per entry.
    return QStringLiteral(
        "select r.Pos, a.LiberCode, a.PRingNo, a.BackTime, a.FlyTime, a.FlySpeed, "
        "b.LoftNo, c.Miles || '/' || c.Yards as dist, b.Sex as sex, b.ColorType, a.TimeVari "
        "from (select rowid as id, case when FlySpeed is null then 1 else "
        "rank() over (order by FlySpeed desc) end as Pos from ZOL_PigRaceData "
        "where LiberCode=? and date(LiberDate)=? and BackTime is not null) r "
        "join ZOL_PigRaceData a on a.rowid=r.id "
        "left join ZOL_PigData b on a.PRingNo=b.PRingNo "
        "cross join ZOL_LoftLibPointDist c on c.LiberCode=a.LiberCode and c.LoftNo=b.LoftNo "
        "order by a.FlySpeed desc, a.PRingNo");
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
        QStringLiteral("select count(distinct coalesce(b.LoftNo, char(1))), count(*) from "
                       "ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo "
                       "where a.LiberCode=? and date(a.LiberDate)=?"),
        race);
    if (q.next()) {
        s.members = q.value(0).toInt();
    }
    // Entries are counted apart from the join: a ring kept by two lofts is one entry.
    s.birds = db.value(QStringLiteral("select count(*) from ZOL_PigRaceData where LiberCode=? "
                                      "and date(LiberDate)=?"),
                       race)
                  .toInt();
    s.clocked = db.rowCount(RaceResultSql(), race);
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

int RecalculateRace(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                    const QDateTime& liberation) {
    const QString dateText = DateText(liberDate);
    const int mode = ClubDistanceMode(db);
    int computed = 0;
    db.transaction([&] {
        const QList<SunRow> sunRows = RaceSunRows(db, RaceCodeOf(liberCode, liberDate));
        QHash<QString, int> distances;
        QSqlQuery d = db.select(QStringLiteral("select LoftNo, Miles, Yards from "
                                               "ZOL_LoftLibPointDist where LiberCode=?"),
                                {liberCode});
        while (d.next()) {
            const QString loft = d.value(0).toString();
            if (!distances.contains(loft)) {
                distances.insert(loft,
                                 DistPairToUnits(d.value(1).toInt(), d.value(2).toInt(), mode));
            }
        }
        // Arrivals typed in before their variation was kept with them: the member's clock
        // readings for the race still give it.
        QHash<QString, int> typedVariations;
        QSqlQuery v = db.select(QStringLiteral("select LoftNo, ULMasterTime, ULClockTime from "
                                               "ZOL_RaceClockTime where LiberCode=? and "
                                               "date(LiberDate)=?"),
                                {liberCode, dateText});
        while (v.next()) {
            const ClockReadings readings{
                {}, ParseMoment(v.value(1).toString()), ParseMoment(v.value(2).toString())};
            if (readings.master.isValid() && readings.member.isValid()) {
                typedVariations.insert(v.value(0).toString(), ClockVariation(readings));
            }
        }
        struct Entry {
            qint64 id;
            QString ring;
            QString backTime;
            int variation;
            QVariant loftNo;
        };
        QList<Entry> entries;
        QSqlQuery q = db.select(
            QStringLiteral("select a.rowid, a.PRingNo, a.BackTime, a.TimeVari, (select b.LoftNo "
                           "from ZOL_PigData b where b.PRingNo=a.PRingNo limit 1) from "
                           "ZOL_PigRaceData a where a.LiberCode=? and date(a.LiberDate)=? and "
                           "a.BackTime is not null"),
            {liberCode, dateText});
        while (q.next()) {
            const QVariant loftNo = q.value(4);
            const int variation = q.value(3).isNull() ? typedVariations.value(loftNo.toString(), 0)
                                                      : q.value(3).toInt();
            entries << Entry{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                             variation, loftNo};
        }
        for (const Entry& e : entries) {
            const int distance = e.loftNo.isNull() ? 0 : distances.value(e.loftNo.toString(), 0);
            const qint64 ms =
                CalcuateSecs(e.variation, ArrivalOf(e.ring, e.backTime), liberation, sunRows);
            db.exec(QStringLiteral(
                        "update ZOL_PigRaceData set FlyTime=?, FlySpeed=?, Dist=? where rowid=?"),
                    {MsToFlyTime(ms), StoredFlySpeed(CalcFlySpeed(distance, ms)), distance, e.id});
            ++computed;
        }
    });
    return computed;
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
