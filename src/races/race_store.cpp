#include "race_store.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "coordinates.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/edited_row.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/translate.h"
#include "flying_time.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

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
        "select ClubID, LiberCode, LiberSiteAbbr, LiberSite, LiberDate, LiberTime, "
        "null as Result from ZOL_RaceData");
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
                       "where LiberCode=? and substr(LiberDate,1,10)=? limit 1"),
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

QString NewRaceDateQuestion(const QDate& newDate, const QDate& loadedDate) {
    return RaceText::tr("Save as a new race on %1? The race of %2 stays.")
        .arg(DateText(newDate), DateText(loadedDate));
}

EditedRow RaceEditedRow(TdmZOLF& db, const QString& code, const QDate& date) {
    EditedRow row;
    row.table = QStringLiteral("ZOL_RaceData");
    // A race is known by its code and day, whichever club it belongs to.
    row.keyColumns =
        QStringList{QStringLiteral("LiberCode"), QStringLiteral("substr(LiberDate,1,10)")};
    row.key = QVariantList{code, DateText(date)};
    row.columns = QStringList{QStringLiteral("ClubID"),        QStringLiteral("LiberSite"),
                              QStringLiteral("LiberSiteAbbr"), QStringLiteral("LiberTime"),
                              QStringLiteral("LiberLon"),      QStringLiteral("LiberLat"),
                              QStringLiteral("DeleteMark")};
    row.label = RaceText::tr("Race %1 of %2").arg(code, DateText(date));
    LoadEditedRow(db, row);
    return row;
}

namespace {
void insertRace(TdmZOLF& db, const RaceEditorData& race, const QVariant& clubId, const QString& now,
                const QString& raceCode) {
    const bool blank = coordinatesBlank(race.longitude);
    db.exec(QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, "
                           "LiberSiteAbbr, LiberDate, LiberTime, LiberLon, LiberLat, Updatetime, "
                           "SynchFlag, RaceCode, DeleteMark) values(?,?,?,?,?,?,?,?,?,1,?,0)"),
            {clubId, field(race.code), field(race.site), field(race.abbreviation),
             DateText(race.date), TimeText(race.time), coordinateValue(race.longitude, blank),
             coordinateValue(race.latitude, blank), now, raceCode});
}
}  // namespace

RaceSaveResult SaveRace(TdmZOLF& db, Prompts& prompts, Clock& clock, const RaceEditorData& race,
                        EditedRow* loaded) {
    RaceSaveResult result;
    // A coordinate with 60 minutes or seconds would count as a whole degree in every distance.
    CheckCoordText(race.longitude, kLongitudeOver60);
    CheckCoordText(race.latitude, kLatitudeOver60);
    // A race belongs to a club that is on the list; without one nothing is stored.
    const QVariant clubId = db.value(
        QStringLiteral("select ClubID from ZOL_ClubMap where ClubName=? order by ClubID limit 1"),
        {race.clubName});
    if (clubId.isNull()) {
        prompts.message(Translated("Races", kLiberPointEntryError));
        return result;
    }
    const QString dateText = DateText(race.date);
    const QString raceCode = RaceCodeOf(race.code, race.date);
    const QString now = MomentMsText(clock.now());
    const bool blank = coordinatesBlank(race.longitude);

    const bool exists =
        db.rowCount(QStringLiteral("select 1 from ZOL_RaceData where ClubID=? and LiberCode=? "
                                   "and substr(LiberDate,1,10)=?"),
                    {clubId, field(race.code), dateText}) > 0;
    if (exists) {
        if (race.site.isEmpty()) {
            prompts.message(Translated("Races", kLiberPointEntryError));
            return result;
        }
        // The coordinate texts are written as they stand, also the empty mask.
        const auto update = [&] {
            db.exec(QStringLiteral("update ZOL_RaceData set LiberSite=?, LiberSiteAbbr=?, "
                                   "LiberDate=?, LiberTime=?, LiberLon=?, LiberLat=?, "
                                   "Updatetime=?, RaceCode=?, SynchFlag=1 where ClubID=? and "
                                   "LiberCode=? and substr(LiberDate,1,10)=?"),
                    {field(race.site), field(race.abbreviation), dateText, TimeText(race.time),
                     field(race.longitude), field(race.latitude), now, raceCode, clubId,
                     field(race.code), dateText});
        };
        if (loaded == nullptr || !loaded->found ||
            loaded->key != QVariantList{field(race.code), dateText}) {
            update();
            result.saved = true;
            return result;
        }
        // The race as the editor loaded it: stored only when nobody changed it meanwhile, or
        // when the secretary chooses to overwrite (a race deleted there is stored again).
        const EditedRowSave saved = SaveEditedRow(db, prompts, clock, *loaded, [&] {
            result.inserted =
                db.rowCount(QStringLiteral("select 1 from ZOL_RaceData where ClubID=? and "
                                           "LiberCode=? and substr(LiberDate,1,10)=?"),
                            {clubId, field(race.code), dateText}) == 0;
            if (result.inserted) {
                insertRace(db, race, clubId, now, raceCode);
            } else {
                update();
            }
        });
        result.saved = saved == EditedRowSave::Saved;
        result.reload = saved == EditedRowSave::Reload;
        result.kept = saved == EditedRowSave::Kept;
        return result;
    }

    // The date is part of a race's identity: a loaded race with another date is a new race.
    if (race.loadedDate.isValid() && race.loadedDate != race.date &&
        !prompts.confirmed(NewRaceDateQuestion(race.date, race.loadedDate))) {
        return result;
    }
    const QVariant otherClub = db.value(
        QStringLiteral(
            "select ClubID from ZOL_RaceData where LiberCode=? and substr(LiberDate,1,10)=? "
            "limit 1"),
        {field(race.code), dateText});
    if (otherClub.isValid()) {
        throw UserError(RaceText::tr("A race with the code %1 on %2 exists already (club %3).")
                            .arg(race.code, dateText, otherClub.toString()));
    }

    const bool siteExists =
        db.rowCount(QStringLiteral("select 1 from ZOL_LiberateSite where LiberCode=?"),
                    {race.code}) > 0;
    if (!siteExists) {
        if (race.abbreviation.isEmpty() || race.site.isEmpty() || race.code.isEmpty()) {
            prompts.message(Translated("Races", kLiberPointEntryError));
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
        prompts.message(Translated("Races", kLiberPointEntryError));
        return result;
    }
    insertRace(db, race, clubId, now, raceCode);
    result.saved = true;
    result.inserted = true;
    return result;
}

bool DeleteRace(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& code,
                const QString& dateText) {
    if (prompts.question(Translated("Races", kDeleteRaceQuestion)) != Prompts::Answer::Yes) {
        return false;
    }
    const QDate date = StrToDate(dateText);
    db.exec(QStringLiteral("delete from ZOL_RaceData where ClubID=? and LiberCode=? and "
                           "substr(LiberDate,1,10)=?"),
            {clubId, code, DateText(date)});
    db.tryExec(QStringLiteral("delete from ZOL_SunSet_SunRise where RaceCode=?"),
               {RaceCodeOf(code, date)});
    return true;
}

QString DeleteSiteQuestion(const QString& code, const QString& site, int races) {
    QString text = RaceText::tr(
                       "Delete the liberation site %1 %2? Every loft's distance to it "
                       "is deleted too.")
                       .arg(code, site);
    if (races > 0) {
        text += races == 1 ? RaceText::tr(" 1 race uses it.")
                           : RaceText::tr(" %1 races use it.").arg(races);
    }
    return text;
}

bool DeleteLiberSite(TdmZOLF& db, Prompts& prompts, const QString& code) {
    const QVariant site =
        db.value(QStringLiteral("select coalesce(LiberSite,'') from ZOL_LiberateSite where "
                                "LiberCode=? limit 1"),
                 {code});
    if (!site.isValid()) {
        prompts.message(RaceText::tr("No liberation site has the code '%1'.").arg(code));
        return false;
    }
    const int races =
        db.rowCount(QStringLiteral("select 1 from ZOL_RaceData where LiberCode=?"), {code});
    if (!prompts.confirmed(DeleteSiteQuestion(code, site.toString(), races))) {
        return false;
    }
    db.transaction([&] {
        db.exec(QStringLiteral("delete from ZOL_LiberateSite where LiberCode=?"), {code});
        db.exec(QStringLiteral("delete from ZOL_LoftLibPointDist where LiberCode=?"), {code});
    });
    return true;
}

void AddClub(TdmZOLF& db, const QString& clubId, const QString& clubName) {
    if (clubId.trimmed().isEmpty() || clubName.trimmed().isEmpty()) {
        throw UserError(RaceText::tr("Please enter a club code and a club name."));
    }
    if (db.rowCount(QStringLiteral("select 1 from ZOL_ClubMap where ClubID=?"), {clubId}) > 0) {
        throw UserError(RaceText::tr("Club code %1 exists already.").arg(clubId));
    }
    // The race editor chooses a club by its name: two clubs of one name could not be told apart.
    if (db.rowCount(QStringLiteral("select 1 from ZOL_ClubMap where ClubName=?"), {clubName}) > 0) {
        throw UserError(RaceText::tr("Club name %1 exists already.").arg(clubName));
    }
    db.exec(QStringLiteral("insert into ZOL_ClubMap values(?,?)"), {clubId, clubName});
}

QString DeleteClubQuestion(const QString& clubName) {
    return RaceText::tr(
               "Delete the club %1? Races of %1 can no longer be saved until the club "
               "exists again.")
        .arg(clubName);
}

bool DeleteClub(TdmZOLF& db, Prompts& prompts, const QString& clubName) {
    if (!prompts.confirmed(DeleteClubQuestion(clubName))) {
        return false;
    }
    db.exec(QStringLiteral("delete from ZOL_ClubMap where ClubName=?"), {clubName});
    return true;
}

bool LiberCodeKeyAllowed(QChar key) {
    const char16_t c = key.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}
