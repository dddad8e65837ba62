#include "race_publish.h"

#include <QChart>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <memory>

#include "clock_deviation.h"
#include "data/club_settings.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/whole_file.h"
#include "entry_history.h"
#include "flying_time.h"
#include "loft_distances.h"
#include "members/member_privacy.h"
#include "publish/csv_text.h"
#include "publish/race_charts.h"
#include "race_results.h"
#include "result_lock.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

namespace {

QString SeasonIndexName(int season) {
    return QStringLiteral("index-%1.html").arg(season);
}

QString SpeedValueText(const QVariant& speed) {
    return speed.isNull() ? QString() : QString::number(speed.toDouble(), 'f', 3);
}

}  // namespace

QString RaceFileBase(const QString& liberCode, const QDate& liberDate) {
    QString code = liberCode;
    for (QChar& c : code) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!plain) {
            c = QLatin1Char('_');
        }
    }
    return DateText(liberDate) + QLatin1Char('-') + code;
}

RacePublication ReadRacePublication(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    RacePublication pub;
    const int mode = ClubDistanceMode(db);
    const int limit = ClockDeviationLimit(db);
    pub.speedTitle = SpeedTitle(mode);
    RacePage& page = pub.page;
    page.clubName = db.value(QStringLiteral("select ClubName from ZOL_ClubData order by rowid "
                                            "limit 1"))
                        .toString();
    QSqlQuery race =
        db.select(QStringLiteral("select LiberSite, LiberTime from ZOL_RaceData "
                                 "where LiberCode=? and substr(LiberDate,1,10)=? order by "
                                 "rowid limit 1"),
                  {liberCode, DateText(liberDate)});
    if (race.next()) {
        page.site = race.value(0).toString();
        const QTime time = ParseTime(race.value(1).toString());
        page.liberationTime = time.isValid() ? TimeText(time) : race.value(1).toString();
    }
    page.liberCode = liberCode;
    page.liberDate = liberDate;
    const ResultLock lock = ReadResultLock(db, liberCode, liberDate);
    page.state = ResultStateCaption(lock);
    page.final = lock.final;
    page.summary = RaceSummaryText(RaceResultSummary(db, liberCode, liberDate));
    //: The published ranking's column titles: position, name, ring, sex, colour, clock time,
    //: flying time, (speed), clock variation, distance.
    page.titles = QStringList{RaceText::tr("Pos."),        RaceText::tr("Name"),
                              RaceText::tr("Ring"),        RaceText::tr("S", "sex"),
                              RaceText::tr("C", "colour"), RaceText::tr("Clocked"),
                              RaceText::tr("Fly time"),    pub.speedTitle,
                              RaceText::tr("Var"),         RaceText::tr("Dist")};
    page.rightAligned = {0, 7, 8, 9};

    // Each member as the member lets them be published.
    const PublishedMembers members(db);

    QStringList csvTitles = RaceResultFields();
    csvTitles.insert(csvTitles.indexOf(QStringLiteral("LoftNo")) + 1, QStringLiteral("LoftName"));
    csvTitles << QStringLiteral("ClockFlag");
    pub.csv << csvTitles;

    bool flagged = false;
    QSqlQuery q = db.select(RaceResultSql(), {liberCode, DateText(liberDate)});
    const QSqlRecord fields = q.record();
    const int iPos = fields.indexOf(QStringLiteral("Pos"));
    const int iRing = fields.indexOf(QStringLiteral("PRingNo"));
    const int iBack = fields.indexOf(QStringLiteral("BackTime"));
    const int iFly = fields.indexOf(QStringLiteral("FlyTime"));
    const int iSpeed = fields.indexOf(QStringLiteral("FlySpeed"));
    const int iLoft = fields.indexOf(QStringLiteral("LoftNo"));
    const int iDist = fields.indexOf(QStringLiteral("dist"));
    const int iSex = fields.indexOf(QStringLiteral("sex"));
    const int iColour = fields.indexOf(QStringLiteral("ColorType"));
    const int iVari = fields.indexOf(QStringLiteral("TimeVari"));
    while (q.next()) {
        const QString loftNo = q.value(iLoft).toString();
        const QString loftName = members.of(loftNo).text();
        const bool deviates = ClockDeviates(q.value(iVari), limit);
        flagged = flagged || deviates;
        const QString mark = deviates ? DeviationMark() : QString();
        page.rows << QStringList{q.value(iPos).toString(),
                                 deviates ? loftName + QLatin1Char(' ') + mark : loftName,
                                 q.value(iRing).toString(),
                                 q.value(iSex).toString(),
                                 ColourCellText(q.value(iColour)),
                                 ClockedCellText(q.value(iBack)),
                                 FlyTimeCellText(q.value(iFly)),
                                 SpeedCellText(q.value(iSpeed)),
                                 VariationCellText(q.value(iVari)),
                                 q.value(iDist).toString()};
        pub.csv << QStringList{q.value(iPos).toString(),
                               q.value(fields.indexOf(QStringLiteral("LiberCode"))).toString(),
                               q.value(iRing).toString(),
                               q.value(iBack).toString(),
                               q.value(iFly).toString(),
                               SpeedValueText(q.value(iSpeed)),
                               loftNo,
                               members.known(loftNo) ? loftName : QString(),
                               q.value(iDist).toString(),
                               q.value(iSex).toString(),
                               q.value(iColour).toString(),
                               q.value(iVari).toString(),
                               mark};
        const QDateTime arrival = ParseMoment(q.value(iBack).toString());
        if (arrival.isValid()) {
            pub.arrivals << arrival;
        }
        if (!q.value(iSpeed).isNull()) {
            pub.speeds << q.value(iSpeed).toDouble();
        }
    }
    if (flagged) {
        page.legend = DeviationLegend(limit);
    }
    return pub;
}

RaceChartData ReadRaceChartData(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    RaceChartData data;
    data.speedTitle = SpeedTitle(ClubDistanceMode(db));
    // The listed birds in any order: the charts sort and count them themselves.
    QSqlQuery q = db.select(RaceResultRowsSql(QStringLiteral("a.BackTime, a.FlySpeed")),
                            {liberCode, DateText(liberDate)});
    while (q.next()) {
        const QDateTime arrival = ParseMoment(q.value(0).toString());
        if (arrival.isValid()) {
            data.arrivals << arrival;
        }
        if (!q.value(1).isNull()) {
            data.speeds << q.value(1).toDouble();
        }
    }
    return data;
}

PublishedFiles PublishRace(TdmZOLF& db, const QString& folder, const QString& liberCode,
                           const QDate& liberDate) {
    const QFileInfo dir(folder);
    if (folder.isEmpty() || !dir.isDir()) {
        throw UserError(RaceText::tr("The publish folder %1 does not exist.")
                            .arg(QDir::toNativeSeparators(folder)));
    }
    const QDir out(dir.absoluteFilePath());
    RacePublication pub = ReadRacePublication(db, liberCode, liberDate);
    const QString base = RaceFileBase(liberCode, liberDate);
    const int season = liberDate.year();
    pub.page.csvHref = base + QStringLiteral(".csv");
    pub.page.indexHref = SeasonIndexName(season);
    {
        std::unique_ptr<QChart> arrivals(ArrivalChart(ArrivalSeries(pub.arrivals)));
        pub.page.arrivalSvg = ChartSvg(arrivals.get());
        std::unique_ptr<QChart> speeds(SpeedChart(SpeedHistogram(pub.speeds), pub.speedTitle));
        pub.page.speedSvg = ChartSvg(speeds.get());
    }
    PublishedFiles files{out.filePath(base + QStringLiteral(".html")),
                         out.filePath(base + QStringLiteral(".csv")),
                         out.filePath(SeasonIndexName(season))};

    QList<IndexRace> races;
    QSqlQuery q = db.select(QStringLiteral("select LiberCode, LiberDate, LiberSite from "
                                           "ZOL_RaceData where substr(LiberDate,1,4)=? order by "
                                           "LiberDate, LiberCode"),
                            {QString::number(season)});
    while (q.next()) {
        IndexRace r;
        r.liberCode = q.value(0).toString();
        r.liberDate = ParseDate(q.value(1).toString());
        r.site = q.value(2).toString();
        if (!r.liberDate.isValid()) {
            continue;
        }
        const QString page = RaceFileBase(r.liberCode, r.liberDate) + QStringLiteral(".html");
        if (r.liberCode == liberCode && r.liberDate == liberDate) {
            r.href = page;
            r.state = pub.page.state;
        } else if (QFile file(out.filePath(page)); file.open(QIODevice::ReadOnly)) {
            // Another race's page says what it said when it was published: the index repeats
            // that, not the state the race has now (locked or unlocked since).
            r.href = page;
            r.state = PageStateText(file.readAll());
        }
        races << r;
    }
    // The page, its CSV and the index are one set: all are replaced, or none.
    WriteWholeFiles({{files.csv, CsvBytes(pub.csv), {}},
                     {files.page, RacePageHtml(pub.page), {}},
                     {files.index, SeasonIndexHtml(pub.page.clubName, season, races), {}}});
    return files;
}

bool PublishRaceAction(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                       const QDate& liberDate) {
    QString folder = ClubSetting(db, kPublishFolderSetting);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = prompts.folderName(RaceText::tr("Publish folder"), folder);
        if (folder.isEmpty()) {
            return false;
        }
        SetClubSetting(db, kPublishFolderSetting, folder);
    }
    const PublishedFiles files = PublishRace(db, folder, liberCode, liberDate);
    prompts.information(
        RaceText::tr("Published %1 of %2 to %3")
            .arg(liberCode, DateText(liberDate), QDir::toNativeSeparators(files.page)));
    return true;
}

QByteArray RaceHistoryCsv(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QList<QStringList> rows{RaceHistoryTitles()};
    for (const EntryChange& c : RaceHistory(db, liberCode, liberDate)) {
        rows << QStringList{
            MomentText(c.when),    c.workflow, c.ring, c.field, c.oldValue.toString(),
            c.newValue.toString(), c.user,     c.note};
    }
    return CsvBytes(rows);
}

bool ExportRaceHistory(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                       const QDate& liberDate) {
    const QString path =
        prompts.saveFileName(RaceText::tr("CSV file (*.csv)"),
                             RaceFileBase(liberCode, liberDate) + QStringLiteral("-history.csv"));
    if (path.isEmpty()) {
        return false;
    }
    WriteWholeFile(path, RaceHistoryCsv(db, liberCode, liberDate));
    return true;
}
