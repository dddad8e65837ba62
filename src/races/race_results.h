#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariantList>

class Prompts;
class TdmZOLF;
class WorkbookWriter;

// The status and the ranked result of one race, and the recalculation of its flying times.
// A race is its liberation code and date; its entries are the ZOL_PigRaceData rows of that
// code and date, clocked when BackTime is set.

// Status per member and clock: LoftNo, ClockID, MarkedCnt (entries whose pigeon is known),
// ArriveCnt (entries with an arrival). Entries without a clock count under the loft's clock
// when the loft has entries of one clock only in the race; with several clocks they keep a row
// without a clock. Parameters: liberation code, date text.
QString RaceStatusSql();

// The result list, fastest first (equal speeds by ring number): Pos, LiberCode, PRingNo,
// BackTime, FlyTime, FlySpeed, dist ("miles/yards" or "km/m"), LoftNo, sex, ColorType,
// TimeVari. Only clocked entries whose loft has a distance row for the code are listed. Pos is
// 1 + the number of the race's clocked entries with a strictly greater speed (equal speeds
// share a place: 1, 2, 2, 4); an entry without a speed is placed 1. Parameters: liberation code,
// date text.
QString RaceResultSql();
// The same rows as RaceResultSql, neither ranked nor ordered, with the given columns of the
// entry `a`, the pigeon `b` and the distance row `c`: for counting or charting the list.
QString RaceResultRowsSql(const QString& columns);

// The field names of the result list, in order (also the exported titles).
QStringList RaceResultFields();

struct RaceSummary {
    int members = 0;  // members with entries (entries of unknown pigeons count as one)
    int birds = 0;    // entries
    int clocked = 0;  // rows of the result list
};
RaceSummary RaceResultSummary(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);
// "%4d Members sent %5d birds - %5d were clocked"
QString RaceSummaryText(const RaceSummary& summary);

// The speed column's title: "Yds/Min", or "MPM" in metric mode (Mode 0).
QString SpeedTitle(int mode);

// What the result grid shows of the stored values.
QString ColourCellText(const QVariant& colorType);    // first two characters
QString ClockedCellText(const QVariant& backTime);    // "hh:nn:ss.zzz  dd-mm"
QString FlyTimeCellText(const QVariant& flyTime);     // first eight characters
QString SpeedCellText(const QVariant& flySpeed);      // "%8.3f", blank for 0
QString VariationCellText(const QVariant& timeVari);  // "+" before 1 or more

// Computes again every clocked entry's flying time, speed and distance of the race from the
// liberation moment `liberation` (the race's own liberation time is not changed), with the
// race's sun data and each entry's clock variation (for an arrival stored without one, the
// variation of its member's typed clock readings for the race), in one transaction. An arrival that
// does not read as a date and time stops it with a message naming the ring, and nothing changes;
// so does a race whose result is final. Returns the entries computed.
int RecalculateRace(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                    const QDateTime& liberation,
                    const QDateTime& when = QDateTime::currentDateTime());

// One clocked entry as a recalculation would leave it.
struct RecalculatedEntry {
    qint64 id = 0;
    QString ring;
    QVariant oldFlyTime;
    QString newFlyTime;
    QVariant oldSpeed;
    double newSpeed = 0;
    QVariant oldDist;
    int newDist = 0;
    int oldPlace = 0;  // among the race's clocked entries, as the result list places them
    int newPlace = 0;

    bool flyTimeChanged() const;
    bool speedChanged() const;
    bool distChanged() const;
    bool changed() const { return flyTimeChanged() || speedChanged() || distChanged(); }
};

struct PlaceMove {
    QString ring;
    int from = 0;
    int to = 0;
};

// What a recalculation will change, worked out before anything is written.
struct RecalculationPlan {
    QString liberCode;
    QDate liberDate;
    QDateTime liberation;
    QList<RecalculatedEntry> entries;  // every clocked entry
    int flyTimes = 0;                  // entries whose flying time changes
    int speeds = 0;
    int places = 0;
    QList<PlaceMove> moves;  // the rings whose place moves, by new place, then ring
};

// Works out the recalculation without writing. Throws UserError when the race's result is
// final or an arrival does not read as a date and time.
RecalculationPlan PlanRecalculation(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                                    const QDateTime& liberation);
// The confirmation text: how many flying times, speeds and places change, and the rings whose
// place moves (old -> new; a long list ends with how many more).
QString RecalculationPreviewText(const RecalculationPlan& plan);
// Writes exactly the changes of the plan in one transaction, each changed field into the
// race's change history at `when`. Refused when the result has become final. Returns the
// entries written.
int ApplyRecalculation(TdmZOLF& db, const RecalculationPlan& plan, const QDateTime& when);

// The stored arrival of a ring read as a date and time; an unreadable text throws UserError
// naming the ring and the text.
QDateTime ArrivalOf(const QString& ring, const QString& backTime);

// The result list as a workbook: the stored values under the field names (the loft number,
// the whole arrival and flying-time texts, the speed as a number), rings, arrivals and flying
// times as text, speeds with three decimals.
WorkbookWriter RaceResultWorkbook(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// "ResultExport": asks for the file and saves the workbook there; a file that cannot be saved
// throws UserError "Data transfer error: ...". Returns false when cancelled.
bool ExportRaceResult(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                      const QDate& liberDate);
