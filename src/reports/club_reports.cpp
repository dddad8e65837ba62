#include "club_reports.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/database.h"
#include "data/date_time.h"
#include "widgets/sql_grid.h"

namespace {

// Printed headings are in the interface language; the cells hold the club's data as stored.
struct HeadingText {
    Q_DECLARE_TR_FUNCTIONS(ClubReports)
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCenter = Qt::AlignHCenter;

// The club's name and address at the top left, the emblem at the top right, the title centred.
ReportDefinition WithClubHeading(const ClubHeading& club, const QString& title) {
    ReportDefinition report;
    report.name = title;
    report.picture = true;
    report.titleBand = {
        {{club.name, 0, 0.75, kLeft, TextStyle::Heading, {}}},
        {{club.street, 0, 0.75, kLeft, TextStyle::Normal, {}}},
        {{club.city, 0, 0.75, kLeft, TextStyle::Normal, {}}},
        {{club.postCode, 0, 0.75, kLeft, TextStyle::Normal, {}}},
        {{title, 0, 1, kCenter, TextStyle::Title, {}}},
    };
    return report;
}

ReportLine PageNumberText() {
    return {
        {HeadingText::tr("Page"), 0.7, 0.3, kRight, TextStyle::Normal, {SystemField::PageNumber}}};
}

int FieldColumn(const QAbstractItemModel& list, const QString& field) {
    if (const auto* query = qobject_cast<const SqlGridModel*>(&list)) {
        return query->record().indexOf(field);
    }
    for (int c = 0; c < list.columnCount(); ++c) {
        if (list.headerData(c, Qt::Horizontal).toString().compare(field, Qt::CaseInsensitive) ==
            0) {
            return c;
        }
    }
    return -1;
}

// Club, date and time, site, race and total at the top of the clock operation screen's lists.
QList<ReportLine> RaceDayBand(const RaceDayHeading& heading, qsizetype rows) {
    return {
        {{heading.clubName, 0, 1, kCenter, TextStyle::Title, {}}},
        {{HeadingText::tr("Date :"),
          0,
          0.5,
          kLeft,
          TextStyle::Normal,
          {SystemField::Date, SystemField::Time}},
         {HeadingText::tr("Total : ") + QString::asprintf("%.3d", int(rows)),
          0.5,
          0.5,
          kRight,
          TextStyle::Bold,
          {}}},
        {{HeadingText::tr("LiberSite : ") + heading.liberSite,
          0,
          0.5,
          kLeft,
          TextStyle::Normal,
          {}},
         {HeadingText::tr("RaceCode : ") + heading.raceText,
          0.5,
          0.5,
          kRight,
          TextStyle::Normal,
          {}}},
    };
}

QString LiberSiteOf(TdmZOLF& db, const QString& liberCode, bool* found = nullptr) {
    const QVariant site =
        db.value(QStringLiteral("select LiberSite from ZOL_LiberateSite where LiberCode=? limit 1"),
                 {liberCode});
    if (found != nullptr) {
        *found = site.isValid();
    }
    return site.toString();
}

}  // namespace

ClubHeading ReadClubHeading(TdmZOLF& db) {
    QSqlQuery q = db.select(
        QStringLiteral("select ClubName, Street, City, PostCode from ZOL_ClubData limit 1"));
    ClubHeading club;
    if (q.next()) {
        club = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                q.value(3).toString()};
    }
    return club;
}

QList<QStringList> ListRows(const QAbstractItemModel& list, const QList<ListField>& fields) {
    QList<int> columns;
    for (const ListField& f : fields) {
        columns << FieldColumn(list, f.field);
    }
    QList<QStringList> rows;
    const auto texts = [&](const auto& cell) {
        QStringList cells;
        for (int i = 0; i < fields.size(); ++i) {
            const int role = fields[i].asShown ? Qt::DisplayRole : Qt::EditRole;
            cells << (columns[i] < 0 ? QString() : cell(columns[i], role).toString());
        }
        rows << cells;
    };
    // A screen's query grid reads its rows as the view scrolls; a report prints all of them,
    // read with one run of the grid's query (what the view holds stays as it is).
    if (const auto* query = qobject_cast<const SqlGridModel*>(&list)) {
        query->forEachRow([&](const QSqlRecord& row) {
            texts([&](int column, int role) { return query->cellData(row, column, role); });
        });
        return rows;
    }
    rows.reserve(list.rowCount());
    for (int r = 0; r < list.rowCount(); ++r) {
        texts([&](int column, int role) { return list.data(list.index(r, column), role); });
    }
    return rows;
}

ReportDefinition MemberListReport(const ClubHeading& club, const QAbstractItemModel& members) {
    ReportDefinition report = WithClubHeading(club, HeadingText::tr("Member List"));
    report.columns = {{HeadingText::tr("Name"), 5, kLeft, false, true},
                      {HeadingText::tr("LoftNo"), 3, kLeft, false, true},
                      {HeadingText::tr("No. of Clocks"), 2, kRight, false}};
    report.rows = ListRows(members, {{QStringLiteral("LoftName"), false},
                                     {QStringLiteral("LoftNo"), true},
                                     {QStringLiteral("clockCnt"), false}});
    report.footer = {PageNumberText()};
    return report;
}

ReportDefinition RingListReport(const ClubHeading& club, const QString& loftName,
                                const QString& loftNo, const QAbstractItemModel& rings) {
    ReportDefinition report =
        WithClubHeading(club, HeadingText::tr(" Ring list of %1 - %2").arg(loftName, loftNo));
    report.columns = {{HeadingText::tr("Life Ring Number"), 3.4, kLeft, false, true},
                      {HeadingText::tr("Sex "), 0.9, kLeft, false},
                      {HeadingText::tr("E_Ring"), 2, kLeft, false, true},
                      {HeadingText::tr("Color"), 1.6, kLeft, false},
                      {HeadingText::tr("Created"), 2.2, kLeft, false},
                      {HeadingText::tr("Assign Date"), 4.2, kLeft, false},
                      {HeadingText::tr("Updated"), 4.2, kLeft, false}};
    report.rows = ListRows(rings, {{QStringLiteral("PRingNo"), false},
                                   {QStringLiteral("Sex"), true},
                                   {QStringLiteral("E_Ring"), false},
                                   {QStringLiteral("ColorType"), true},
                                   {QStringLiteral("CreateDate"), false},
                                   {QStringLiteral("AssignDate"), true},
                                   {QStringLiteral("Updatetime"), true}});
    report.footer = {PageNumberText()};
    return report;
}

ReportDefinition RaceListReport(const ClubHeading& club, const QAbstractItemModel& races) {
    ReportDefinition report = WithClubHeading(club, HeadingText::tr("Race List"));
    report.columns = {{HeadingText::tr("Club"), 1.2, kLeft, false},
                      {HeadingText::tr("Code"), 1, kLeft, false},
                      {HeadingText::tr("Lib.Site Abbr."), 1.8, kLeft, false},
                      {HeadingText::tr("Liberation Site"), 3.5, kLeft, false},
                      {HeadingText::tr("Lib Date"), 1.6, kLeft, false},
                      {HeadingText::tr("Lib Time"), 1.4, kLeft, false}};
    report.rows = ListRows(races, {{QStringLiteral("ClubID"), false},
                                   {QStringLiteral("LiberCode"), false},
                                   {QStringLiteral("LiberSiteAbbr"), false},
                                   {QStringLiteral("LiberSite"), false},
                                   {QStringLiteral("LiberDate"), false},
                                   {QStringLiteral("LiberTime"), true}});
    report.footer = {PageNumberText()};
    return report;
}

ReportDefinition LoftDistanceReport(const ClubHeading& club, const QString& title,
                                    const QString& distancesLine, int mode,
                                    const QAbstractItemModel& distances) {
    ReportDefinition report = WithClubHeading(club, title);
    report.titleBand << ReportLine{{distancesLine, 0, 1, kCenter, TextStyle::Normal, {}}};
    const bool imperial = mode != 0;
    report.columns = {
        {HeadingText::tr("Member"), 4, kLeft, false, true},
        {HeadingText::tr("Loft Number"), 3, kLeft, false, true},
        {imperial ? HeadingText::tr("Miles") : HeadingText::tr("KM"), 1.5, kRight, false},
        {imperial ? HeadingText::tr("Yards") : HeadingText::tr("M"), 1.5, kRight, false}};
    QList<ListField> fields{{QStringLiteral("LoftName"), true},
                            {QStringLiteral("LoftNo"), false},
                            {QStringLiteral("Miles"), false},
                            {QStringLiteral("Yards"), false}};
    // The download panel may list the distances of several liberation points: each row then
    // says which one it is for.
    QSet<QString> codes;
    for (const QStringList& row : ListRows(distances, {{QStringLiteral("LiberCode"), false}})) {
        codes << row.first();
    }
    if (codes.size() > 1) {
        report.columns.prepend({HeadingText::tr("Code"), 1.5, kLeft, false});
        fields.prepend({QStringLiteral("LiberCode"), false});
    }
    report.rows = ListRows(distances, fields);
    report.footer = {PageNumberText()};
    return report;
}

ReportDefinition RaceStatisticsReport(const ClubHeading& club, const QString& statusTitle,
                                      const QDate& liberDate, const QTime& liberTime,
                                      const QAbstractItemModel& statistics) {
    const QString title = statusTitle + QStringLiteral(" (") +
                          liberDate.toString(QStringLiteral("MM/dd")) + QLatin1Char(' ') +
                          liberTime.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(')');
    ReportDefinition report = WithClubHeading(club, title);
    report.columns = {{HeadingText::tr("Member"), 4, kLeft, false, true},
                      {HeadingText::tr("Clock"), 2.5, kLeft, false, true},
                      {HeadingText::tr("Birds Marked"), 2, kRight, false},
                      {HeadingText::tr("Birds arrived"), 2, kRight, false}};
    report.rows = ListRows(statistics, {{QStringLiteral("LoftNo"), true},
                                        {QStringLiteral("ClockID"), false},
                                        {QStringLiteral("MarkedCnt"), false},
                                        {QStringLiteral("ArriveCnt"), false}});
    report.footer = {PageNumberText()};
    return report;
}

RaceResultHeading ReadRaceResultHeading(TdmZOLF& db, const QString& selectedLoftNo,
                                        const QString& liberCode, const QDate& liberDate,
                                        const QTime& liberTime, const QString& summary) {
    RaceResultHeading heading;
    heading.member =
        db.value(QStringLiteral("select LoftName from ZOL_LoftData where LoftNo=? limit 1"),
                 {selectedLoftNo})
            .toString();
    bool siteFound = false;
    const QString site = LiberSiteOf(db, liberCode, &siteFound);
    if (siteFound) {
        heading.site = HeadingText::tr("LiberSite : ") + site;
    }
    heading.race = HeadingText::tr("RaceCode : ") + liberCode + QLatin1Char(' ') +
                   DateText(liberDate) + QLatin1Char(' ') +
                   liberTime.toString(QStringLiteral("HH:mm"));
    heading.summary = summary;
    return heading;
}

ReportDefinition RaceResultReport(const RaceResultHeading& heading, int mode,
                                  const QAbstractItemModel& results) {
    ReportDefinition report;
    // The race line without its caption, in whichever language it was read.
    const QString caption = HeadingText::tr("RaceCode : ");
    report.name =
        HeadingText::tr("Result ") + (heading.race.startsWith(caption)
                                          ? heading.race.mid(caption.size())
                                          : heading.race.section(QStringLiteral(" : "), 1));
    report.picture = true;
    report.titleBand = {
        {{heading.member, 0, 0.75, kLeft, TextStyle::Heading, {}}},
        {{heading.site, 0, 0.75, kLeft, TextStyle::Normal, {}}},
        {{heading.race, 0, 0.75, kLeft, TextStyle::Normal, {}}},
        {{heading.summary, 0, 1, kLeft, TextStyle::Normal, {}}},
        {{heading.distances, 0, 1, kLeft, TextStyle::Normal, {}}},
    };
    if (!heading.resultState.isEmpty()) {
        report.titleBand << ReportLine{{heading.resultState, 0, 1, kLeft, TextStyle::Bold, {}}};
    }
    report.columns = {
        {HeadingText::tr("Pos."), 0.8, kRight, false},
        {HeadingText::tr("Name"), 2.6, kLeft, false, true},
        {HeadingText::tr("Ring"), 2.5, kLeft, false, true},
        {HeadingText::tr("S"), 0.4, kLeft, false},
        {HeadingText::tr("C"), 0.7, kLeft, false},
        {HeadingText::tr("Clocked"), 3.3, kLeft, false},
        {HeadingText::tr("FlyTime"), 1.5, kLeft, false},
        {HeadingText::tr("Var"), 0.7, kRight, false},
        {mode != 0 ? HeadingText::tr("Yds/min") : HeadingText::tr("M/min"), 1.5, kRight, false},
        {HeadingText::tr("Dist."), 1.4, kRight, false}};
    report.rows = ListRows(results, {{QStringLiteral("Pos"), false},
                                     {QStringLiteral("LoftNo"), true},
                                     {QStringLiteral("PRingNo"), false},
                                     {QStringLiteral("sex"), false},
                                     {QStringLiteral("ColorType"), true},
                                     {QStringLiteral("BackTime"), true},
                                     {QStringLiteral("FlyTime"), true},
                                     {QStringLiteral("TimeVari"), true},
                                     {QStringLiteral("FlySpeed"), true},
                                     {QStringLiteral("dist"), false}});
    return report;
}

RaceDayHeading ReadRaceDayHeading(TdmZOLF& db, const QString& liberCode, const QString& raceText) {
    return {ReadClubHeading(db).name, LiberSiteOf(db, liberCode), raceText};
}

ReportDefinition RaceRankingReport(const RaceDayHeading& heading, int mode,
                                   const QList<QStringList>& rows, const QString& netFlyingTime,
                                   const QString& winningMargin) {
    ReportDefinition report;
    report.name = HeadingText::tr("Ranking ") + heading.raceText;
    report.titleBand = RaceDayBand(heading, rows.size());
    if (!heading.resultState.isEmpty()) {
        report.titleBand << ReportLine{{heading.resultState, 0, 1, kLeft, TextStyle::Bold, {}}};
    }
    report.columns = {
        {HeadingText::tr("Pos"), 0.7, kRight, false},
        {HeadingText::tr("Name"), 2.6, kLeft, false, true},
        {mode != 0 ? HeadingText::tr("Yds/min") : HeadingText::tr("MPM"), 1.5, kRight, false},
        {HeadingText::tr("Ring Particulars "), 2.6, kLeft, false, true},
        {HeadingText::tr("C"), 0.5, kLeft, false},
        {HeadingText::tr("S"), 0.4, kLeft, false},
        {HeadingText::tr("Clock / day"), 3.3, kLeft, false},
        {HeadingText::tr("Var"), 0.6, kRight, false},
        {HeadingText::tr("Distance"), 1.4, kRight, false},
        {HeadingText::tr("Margin"), 1.4, kRight, false}};
    report.rows = rows;
    report.footer = {{{HeadingText::tr("Net Flying Time : ") + netFlyingTime,
                       0,
                       0.35,
                       kLeft,
                       TextStyle::Normal,
                       {}},
                      {HeadingText::tr("Winning Margin : ") + winningMargin,
                       0.35,
                       0.35,
                       kLeft,
                       TextStyle::Normal,
                       {}},
                      PageNumberText().first()}};
    return report;
}

ReportDefinition MarkedPigeonsReport(const RaceDayHeading& heading,
                                     const QAbstractItemModel& marking) {
    ReportDefinition report;
    report.name = HeadingText::tr("Marked ") + heading.raceText;
    report.columns = {{HeadingText::tr("Pos"), 0.7, kRight, true},
                      {HeadingText::tr("Name"), 3, kLeft, false, true},
                      {HeadingText::tr("Pigeon "), 2.6, kLeft, false, true},
                      {HeadingText::tr("S"), 0.4, kLeft, false},
                      {HeadingText::tr("Marked "), 3.6, kLeft, false},
                      {HeadingText::tr("Yds/Min"), 1.3, kRight, false},
                      {HeadingText::tr("Flying Time"), 1.8, kLeft, false},
                      {HeadingText::tr("Dist."), 1.0, kRight, false}};
    report.rows = ListRows(marking, {{QStringLiteral("LoftNo"), true},
                                     {QStringLiteral("PRingNo"), false},
                                     {QStringLiteral("Sex"), false},
                                     {QStringLiteral("MarkedTime"), false}});
    for (QStringList& row : report.rows) {
        row.prepend(QString());  // the running number goes there
    }
    report.titleBand = RaceDayBand(heading, report.rows.size());
    report.footer = {PageNumberText()};
    return report;
}
