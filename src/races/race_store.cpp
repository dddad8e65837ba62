#include "race_store.h"

#include <QSqlQuery>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/prompts.h"
#include "flying_time.h"

namespace {

// A coordinate whose longitude field begins with a blank is not set.
bool coordinatesBlank(const QString& longitude) {
    return longitude.isEmpty() || longitude.front() == QLatin1Char(' ');
}

// An empty field is stored as an empty text, not as null.
QString field(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QVariant coordinateValue(const QString& text, bool blank) {
    return blank ? QVariant(QMetaType::fromType<QString>()) : QVariant(field(text));
}

}  // namespace

QString RaceListSql() {
    return QStringLiteral(
        "select ClubID, LiberCode, LiberSiteAbbr, LiberSite, LiberDate, LiberTime from "
        "ZOL_RaceData");
}

QStringList ClubNames(TdmZOLF& db) {
    return db.texts(QStringLiteral("select ClubName from ZOL_ClubMap order by ClubID"));
}

QStringList LiberSiteNames(TdmZOLF& db) {
    return db.texts(QStringLiteral("select LiberSite from ZOL_LiberateSite"));
}

std::optional<RaceEditorData> FindRace(TdmZOLF& db, const QString& code, const QDate& date) {
    QSqlQuery q = db.select(
        QStringLiteral("select (select ClubName from ZOL_ClubMap m where m.ClubID=r.ClubID "
                       "order by m.ClubID limit 1), LiberCode, LiberSite, LiberSiteAbbr, "
                       "LiberLon, LiberLat, LiberDate, LiberTime from ZOL_RaceData r "
                       "where LiberCode=? and date(LiberDate)=? limit 1"),
        {code, DateText(date)});
    if (!q.next()) {
        return std::nullopt;
    }
    RaceEditorData race;
    race.clubName = q.value(0).toString();
    race.code = q.value(1).toString();
    race.site = q.value(2).toString();
    race.abbreviation = q.value(3).toString();
    race.longitude = q.value(4).toString();
    race.latitude = q.value(5).toString();
    race.date = ParseDate(q.value(6).toString());
    race.time = ParseTime(q.value(7).toString());
    return race;
}

std::optional<LiberSiteData> FindLiberSite(TdmZOLF& db, const QString& siteName) {
    QSqlQuery q = db.select(
        QStringLiteral("select LiberCode, LiberSite, LiberSiteAbbr, LiberLon, LiberLat from "
                       "ZOL_LiberateSite where LiberSite=? limit 1"),
        {siteName});
    if (!q.next()) {
        return std::nullopt;
    }
    return LiberSiteData{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(4).toString()};
}

RaceSaveResult SaveRace(TdmZOLF& db, Prompts& prompts, Clock& clock, const RaceEditorData& race) {
    RaceSaveResult result;
    // A race belongs to a club that is on the list; without one nothing is stored.
    const QVariant clubId = db.value(
        QStringLiteral("select ClubID from ZOL_ClubMap where ClubName=? order by ClubID limit 1"),
        {race.clubName});
    if (clubId.isNull()) {
        prompts.message(kLiberPointEntryError);
        return result;
    }
    const QString dateText = DateText(race.date);
    const QString raceCode = RaceCodeOf(race.code, race.date);
    const QString now = MomentMsText(clock.now());
    const bool blank = coordinatesBlank(race.longitude);

    const bool exists =
        db.rowCount(QStringLiteral("select 1 from ZOL_RaceData where ClubID=? and LiberCode=? "
                                   "and date(LiberDate)=?"),
                    {clubId, field(race.code), dateText}) > 0;
    if (exists) {
        if (race.site.isEmpty()) {
            prompts.message(kLiberPointEntryError);
            return result;
        }
        // The coordinate texts are written as they stand, also the empty mask.
        db.exec(QStringLiteral("update ZOL_RaceData set LiberSite=?, LiberSiteAbbr=?, "
                               "LiberDate=?, LiberTime=?, LiberLon=?, LiberLat=?, Updatetime=?, "
                               "RaceCode=?, SynchFlag=1 where ClubID=? and LiberCode=? and "
                               "date(LiberDate)=?"),
                {field(race.site), field(race.abbreviation), dateText, TimeText(race.time),
                 field(race.longitude), field(race.latitude), now, raceCode, clubId,
                 field(race.code), dateText});
        result.saved = true;
        return result;
    }

    const bool siteExists =
        db.rowCount(QStringLiteral("select 1 from ZOL_LiberateSite where LiberCode=?"),
                    {race.code}) > 0;
    if (!siteExists) {
        if (race.abbreviation.isEmpty() || race.site.isEmpty() || race.code.isEmpty()) {
            prompts.message(kLiberPointEntryError);
            return result;
        }
        db.exec(QStringLiteral("insert into ZOL_LiberateSite values(?,?,?,?,?)"),
                {field(race.code), field(race.site), field(race.abbreviation),
                 coordinateValue(race.longitude, blank), coordinateValue(race.latitude, blank)});
        // Every loft gets a zero distance row for the new code; a row the code already has
        // (distances downloaded before the site was entered) is kept.
        db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
                               "select ?, LoftNo, 0, 0 from ZOL_LoftData l where not exists "
                               "(select 1 from ZOL_LoftLibPointDist d where d.LiberCode=? and "
                               "d.LoftNo=l.LoftNo)"),
                {race.code, race.code});
        result.siteCreated = true;
    }
    if (race.site.isEmpty()) {
        prompts.message(kLiberPointEntryError);
        return result;
    }
    db.exec(QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                           "LiberSiteAbbr, LiberDate, LiberTime, LiberLon, LiberLat, Updatetime, "
                           "SynchFlag, RaceCode, DeleteMark) values(?,?,?,?,?,?,?,?,?,1,?,0)"),
            {clubId, field(race.code), field(race.site), field(race.abbreviation), dateText,
             TimeText(race.time), coordinateValue(race.longitude, blank),
             coordinateValue(race.latitude, blank), now, raceCode});
    result.saved = true;
    result.inserted = true;
    return result;
}

bool DeleteRace(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& code,
                const QString& dateText) {
    if (prompts.question(kDeleteRaceQuestion) != Prompts::Answer::Yes) {
        return false;
    }
    const QDate date = StrToDate(dateText);
    db.exec(QStringLiteral("delete from ZOL_RaceData where ClubID=? and LiberCode=? and "
                           "date(LiberDate)=?"),
            {clubId, code, DateText(date)});
    db.tryExec(QStringLiteral("delete from ZOL_SunSet_SunRise where RaceCode=?"),
               {RaceCodeOf(code, date)});
    return true;
}

void DeleteLiberSite(TdmZOLF& db, const QString& code) {
    db.exec(QStringLiteral("delete from ZOL_LiberateSite where LiberCode=?"), {code});
    db.exec(QStringLiteral("delete from ZOL_LoftLibPointDist where LiberCode=?"), {code});
}

void AddClub(TdmZOLF& db, const QString& clubId, const QString& clubName) {
    db.exec(QStringLiteral("insert into ZOL_ClubMap values(?,?)"), {clubId, clubName});
}

void DeleteClub(TdmZOLF& db, const QString& clubName) {
    db.exec(QStringLiteral("delete from ZOL_ClubMap where ClubName=?"), {clubName});
}

bool LiberCodeKeyAllowed(QChar key) {
    const char16_t c = key.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}
