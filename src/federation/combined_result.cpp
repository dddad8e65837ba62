#include "combined_result.h"

#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>
#include <cmath>
#include <memory>

#include "data/club_settings.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/whole_file.h"
#include "federation_import.h"
#include "federation_text.h"
#include "members/member_privacy.h"
#include "publish/race_charts.h"
#include "publish/race_page.h"
#include "competitions/competition_types.h"
#include "races/flying_time.h"
#include "races/race_publish.h"
#include "races/race_results.h"

namespace {

QString OwnClub(TdmZOLF& db) {
    return db.value(QStringLiteral("select ClubID from ZOL_ClubData order by ClubID limit 1"))
        .toString();
}

QString SiteName(TdmZOLF& db, const QString& code) {
    const QString name =
        db.value(QStringLiteral("select LiberSite from ZOL_LiberateSite where LiberCode=?"), {code})
            .toString();
    return name.isEmpty() ? code : name;
}

// The birds of the release, imported and the own club's, as one set of rows.
QString ReleaseEntries() {
    return QStringLiteral(
        "select f.ClubID, f.LoftNo, l.LoftName, f.PRingNo, f.Sex, f.ColorType, f.BackTime, "
        "f.FlyTime, f.FlySpeed, f.Dist from KST_FedEntry f left join KST_FedLoft l on "
        "l.ClubID=f.ClubID and l.LoftNo=f.LoftNo where f.SiteCode=? and f.LiberDate=? "
        "union all "
        "select cast(? as text), b.LoftNo, d.LoftName, a.PRingNo, b.Sex, b.ColorType, "
        "a.BackTime, a.FlyTime, a.FlySpeed, a.Dist from ZOL_PigRaceData a left join "
        "ZOL_PigData b on a.PRingNo=b.PRingNo left join ZOL_LoftData d on d.LoftNo=b.LoftNo "
        "where a.LiberCode=? and substr(a.LiberDate,1,10)=?");
}

QString DistText(qint64 dist, int mode) {
    const qint64 unit = mode != 0 ? 1760 : 1000;  // yards in a mile, metres in a kilometre
    return QStringLiteral("%1/%2").arg(dist / unit).arg(dist % unit);
}

}  // namespace

QString Release::text() const {
    return site == siteCode ? siteCode + QLatin1Char(' ') + DateText(liberDate)
                            : QStringLiteral("%1 (%2) %3").arg(site, siteCode, DateText(liberDate));
}

QList<Release> FederationReleases(TdmZOLF& db) {
    CreateFederationTables(db);
    QList<Release> out;
    QSqlQuery q = db.select(QStringLiteral(
        "select SiteCode, LiberDate from KST_FedEntry where SiteCode is not null group by "
        "SiteCode, LiberDate union select LiberCode, substr(LiberDate,1,10) from ZOL_RaceData "
        "order by 2 desc nulls last, 1 nulls first"));
    while (q.next()) {
        Release r;
        r.siteCode = q.value(0).toString();
        r.liberDate = ParseDate(q.value(1).toString());
        r.site = SiteName(db, r.siteCode);
        out << r;
    }
    return out;
}

int FederationClubCount(TdmZOLF& db) {
    // Only read: a club file that never imported anything is left without the tables.
    int imported = 0;
    try {
        imported =
            db.value(QStringLiteral("select count(distinct ClubID) from KST_FedRace")).toInt();
    } catch (const DbError&) {
        imported = 0;
    }
    return imported + (OwnClub(db).isEmpty() ? 0 : 1);
}

QString CombinedRankingSql() {
    // Every bird of the release in one pass: the ranked ones (clocked, with a distance and a
    // speed) first, placed among themselves; the others after them, without a place.
    return QStringLiteral(
               "select ClubID, LoftNo, LoftName, PRingNo, Sex, ColorType, BackTime, FlyTime, "
               "FlySpeed, Dist, case when Ranked=1 then rank() over (partition by Ranked order "
               "by FlySpeed desc) end as Place from (select ClubID, LoftNo, LoftName, PRingNo, "
               "Sex, ColorType, BackTime, FlyTime, FlySpeed, Dist, case when BackTime is not "
               "null and Dist>0 and FlySpeed>0 then 1 else 0 end as Ranked from (") +
           ReleaseEntries() +
           QStringLiteral(
               ") as e) as r order by Ranked desc, FlySpeed desc nulls last, PRingNo nulls "
               "first, ClubID nulls first");
}

CombinedResult CombinedRanking(TdmZOLF& db, const QString& siteCode, const QDate& liberDate) {
    CreateFederationTables(db);
    CombinedResult result;
    result.release = Release{siteCode, SiteName(db, siteCode), liberDate};
    const QString own = OwnClub(db);
    // Per club its counts and its lofts (number -> name). A row's club, loft and words are
    // taken from here and from `words`, so that the rows of a large release share those
    // texts instead of each keeping copies of its own.
    struct Tally {
        ClubSummary summary;
        QHash<QString, QString> lofts;
    };
    QHash<QString, Tally> clubs;
    QSet<QString> words;
    const auto shared = [&words](const QString& text) { return *words.insert(text); };
    QMap<std::pair<QString, QString>, MissingDistance> missing;

    const PublishedMembers members(db);
    QSqlQuery q = db.select(CombinedRankingSql(),
                            {siteCode, DateText(liberDate), own, siteCode, DateText(liberDate)});
    while (q.next()) {
        auto found = clubs.find(q.value(0).toString());
        if (found == clubs.end()) {
            found = clubs.insert(q.value(0).toString(), Tally{});
        }
        const QString& club = found.key();
        Tally& tally = found.value();
        ClubSummary& c = tally.summary;
        ++c.birds;
        auto loftFound = tally.lofts.find(q.value(1).toString());
        if (loftFound == tally.lofts.end()) {
            // The own club's members as they let themselves be published; the other clubs'
            // names as their clubs' files gave them.
            loftFound = tally.lofts.insert(
                q.value(1).toString(),
                club == own ? members.of(q.value(1).toString()).text() : q.value(2).toString());
        }
        const QString& loft = loftFound.key();
        const QVariant place = q.value(10);
        if (q.value(6).isNull()) {
            continue;  // not home
        }
        ++c.clocked;
        if (place.isNull()) {
            MissingDistance& m = missing[{club, loft}];
            m.clubId = club;
            m.loftNo = loft;
            m.loftName = loftFound.value();
            ++m.clocked;
            continue;
        }
        CombinedRow r;
        r.clubId = club;
        r.loftNo = loft;
        r.loftName = loftFound.value();
        r.ring = q.value(3).toString();
        r.sex = shared(q.value(4).toString());
        r.colorType = shared(q.value(5).toString());
        r.backTime = q.value(6).toString();
        r.flyTime = q.value(7).toString();
        r.flySpeed = q.value(8).toDouble();
        r.dist = q.value(9).toLongLong();
        r.place = place.toInt();
        ++c.ranked;
        c.bestSpeed = std::max(c.bestSpeed, r.flySpeed);
        result.rows.append(std::move(r));
    }
    result.missing = missing.values();

    bool ok = false;
    int share =
        ClubSetting(db, QStringLiteral("FederationPrizeShare"), QStringLiteral("4")).toInt(&ok);
    if (!ok || share < 1) {
        share = 4;
    }
    result.overall.clubId = Federation::tr("All clubs");
    QHash<QString, QString> clubNames;
    QSqlQuery names = db.select(QStringLiteral("select ClubID, ClubName from ZOL_ClubMap"));
    while (names.next()) {
        if (!clubNames.contains(names.value(0).toString())) {
            clubNames.insert(names.value(0).toString(), names.value(1).toString());
        }
    }
    QStringList codes = clubs.keys();
    std::sort(codes.begin(), codes.end());
    for (const QString& code : std::as_const(codes)) {
        ClubSummary& c = clubs[code].summary;
        c.clubId = code;
        c.lofts = int(clubs[code].lofts.size());
        c.clubName = clubNames.value(code);
        c.prizes = std::min(c.ranked, PrizeCount(c.birds, share));
        result.overall.lofts += c.lofts;
        result.overall.birds += c.birds;
        result.overall.clocked += c.clocked;
        result.overall.ranked += c.ranked;
        result.overall.prizes += c.prizes;
        result.overall.bestSpeed = std::max(result.overall.bestSpeed, c.bestSpeed);
        result.clubs << c;
    }
    return result;
}

QList<PrizeRow> ClubPrizeList(const CombinedResult& result, const QString& clubId) {
    int prizes = 0;
    for (const ClubSummary& c : result.clubs) {
        if (c.clubId == clubId) {
            prizes = c.prizes;
        }
    }
    QList<PrizeRow> out;
    int place = 0;
    int previousPlace = 0;
    double previousSpeed = -1;
    for (const CombinedRow& r : result.rows) {
        if (r.clubId != clubId) {
            continue;
        }
        ++place;
        // Equal speeds share the club's place as they share the combined one.
        const int clubPlace = r.flySpeed == previousSpeed ? previousPlace : place;
        if (clubPlace > prizes) {
            break;
        }
        out << PrizeRow{clubPlace, r};
        previousPlace = clubPlace;
        previousSpeed = r.flySpeed;
    }
    return out;
}

QString SummaryText(const ClubSummary& c) {
    return Federation::tr("%1  %2 lofts  %3 birds  %4 clocked  %5 ranked  %6 prizes")
        .arg(c.clubId)
        .arg(c.lofts)
        .arg(c.birds)
        .arg(c.clocked)
        .arg(c.ranked)
        .arg(c.prizes);
}

namespace {

QList<ReportColumn> RankingColumns(int mode, bool clubPlace) {
    QList<ReportColumn> cols;
    if (clubPlace) {
        cols << ReportColumn{Federation::tr("Club pl."), 0.7, Qt::AlignRight};
    }
    cols << ReportColumn{Federation::tr("Pos."), 0.6, Qt::AlignRight}
         << ReportColumn{Federation::tr("Club"), 0.9} << ReportColumn{Federation::tr("Loft"), 0.9}
         << ReportColumn{Federation::tr("Name"), 1.8, Qt::AlignLeft, false, true}
         << ReportColumn{Federation::tr("Ring"), 1.8, Qt::AlignLeft, false, true}
         << ReportColumn{Federation::tr("Clocked"), 1.6, Qt::AlignLeft, false, true}
         << ReportColumn{Federation::tr("Dist"), 1.0, Qt::AlignRight}
         << ReportColumn{SpeedTitle(mode), 1.0, Qt::AlignRight};
    return cols;
}

QStringList RankingCells(const CombinedRow& r, int mode) {
    return {QString::number(r.place),
            r.clubId,
            r.loftNo,
            r.loftName,
            r.ring,
            ClockedCellText(r.backTime),
            DistText(r.dist, mode),
            FlySpeedText(r.flySpeed).trimmed()};
}

ReportLine Line(const QString& text, TextStyle style = TextStyle::Normal) {
    return ReportLine{ReportText{text, 0, 1, Qt::AlignLeft, style, {}}};
}

QList<ReportLine> Footer() {
    return {ReportLine{ReportText{QString(),
                                  0,
                                  0.5,
                                  Qt::AlignLeft,
                                  TextStyle::Normal,
                                  {SystemField::Date, SystemField::Time}},
                       ReportText{Federation::tr("Page"),
                                  0.5,
                                  0.5,
                                  Qt::AlignRight,
                                  TextStyle::Normal,
                                  {SystemField::PageNumber}}}};
}

}  // namespace

ReportDefinition CombinedResultReport(const CombinedResult& result, const QString& federation,
                                      int mode) {
    ReportDefinition report;
    report.name = Federation::tr("Combined result %1").arg(result.release.text());
    report.titleBand << Line(federation, TextStyle::Title)
                     << Line(Federation::tr("Combined result: %1").arg(result.release.text()),
                             TextStyle::Heading);
    for (const ClubSummary& c : result.clubs) {
        report.titleBand << Line(SummaryText(c));
    }
    report.titleBand << Line(SummaryText(result.overall), TextStyle::Bold);
    if (!result.missing.isEmpty()) {
        QStringList lofts;
        for (const MissingDistance& m : result.missing) {
            lofts << Federation::tr("%1 %2 (%3 clocked)").arg(m.clubId, m.loftNo).arg(m.clocked);
        }
        report.titleBand << Line(Federation::tr("Not ranked, no distance to the site: %1")
                                     .arg(lofts.join(QStringLiteral(", "))),
                                 TextStyle::Bold);
    }
    report.columns = RankingColumns(mode, false);
    for (const CombinedRow& r : result.rows) {
        report.rows << RankingCells(r, mode);
    }
    report.footer = Footer();
    return report;
}

ReportDefinition ClubPrizeReport(const CombinedResult& result, const QString& clubId, int mode) {
    ReportDefinition report;
    report.name = Federation::tr("Prize list %1 %2").arg(clubId, result.release.text());
    report.titleBand << Line(Federation::tr("Prize list of club %1").arg(clubId), TextStyle::Title)
                     << Line(result.release.text(), TextStyle::Heading);
    for (const ClubSummary& c : result.clubs) {
        if (c.clubId == clubId) {
            report.titleBand << Line(SummaryText(c));
        }
    }
    report.columns = RankingColumns(mode, true);
    for (const PrizeRow& p : ClubPrizeList(result, clubId)) {
        report.rows << (QStringList{QString::number(p.clubPlace)} + RankingCells(p.row, mode));
    }
    report.footer = Footer();
    return report;
}

QByteArray CombinedResultHtml(const CombinedResult& result, const QString& federation, int mode) {
    RacePage page;
    page.clubName = federation;
    page.site = result.release.site;
    page.liberCode = result.release.siteCode;
    page.liberDate = result.release.liberDate;
    page.state = Federation::tr("Combined result of %n club(s)", nullptr, int(result.clubs.size()));
    QStringList summaries;
    for (const ClubSummary& c : result.clubs) {
        summaries << SummaryText(c);
    }
    summaries << SummaryText(result.overall);
    page.summary = summaries.join(QStringLiteral(" \u00b7 "));
    for (const ReportColumn& c : RankingColumns(mode, false)) {
        page.titles << c.header;
    }
    page.rightAligned = {0, 6, 7};
    QList<QDateTime> arrivals;
    QList<double> speeds;
    for (const CombinedRow& r : result.rows) {
        page.rows << RankingCells(r, mode);
        arrivals << ParseMoment(r.backTime);
        speeds << r.flySpeed;
    }
    if (!result.missing.isEmpty()) {
        QStringList lofts;
        for (const MissingDistance& m : result.missing) {
            lofts << Federation::tr("%1 %2 (%3 clocked)").arg(m.clubId, m.loftNo).arg(m.clocked);
        }
        page.legend = Federation::tr("Not ranked, no distance to the site: %1")
                          .arg(lofts.join(QStringLiteral(", ")));
    }
    const std::unique_ptr<QChart> arrivalChart(ArrivalChart(ArrivalSeries(arrivals)));
    const std::unique_ptr<QChart> speedChart(SpeedChart(SpeedHistogram(speeds), SpeedTitle(mode)));
    page.arrivalSvg = ChartSvg(arrivalChart.get());
    page.speedSvg = ChartSvg(speedChart.get());
    return RacePageHtml(page);
}

QString CombinedResultPageName(const Release& release) {
    QString site = release.siteCode;
    for (QChar& c : site) {
        if (!c.isLetterOrNumber()) {
            c = QLatin1Char('_');
        }
    }
    return DateText(release.liberDate) + QStringLiteral("-federation-") + site +
           QStringLiteral(".html");
}

QString PublishCombinedResult(TdmZOLF& db, Prompts& prompts, const CombinedResult& result,
                              const QString& federation, int mode) {
    QString folder = ClubSetting(db, kPublishFolderSetting);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = prompts.folderName(Federation::tr("Publish folder"), folder);
        if (folder.isEmpty()) {
            return {};
        }
        SetClubSetting(db, kPublishFolderSetting, folder);
    }
    const QString page = QDir(folder).filePath(CombinedResultPageName(result.release));
    WriteWholeFile(page, CombinedResultHtml(result, federation, mode));
    prompts.information(Federation::tr("Published the combined result of %1 to %2")
                            .arg(result.release.text(), QDir::toNativeSeparators(page)));
    return page;
}
