#include "member_store.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlQuery>

#include "data/clock.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/edited_row.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/schema.h"
#include "data/settings_ini.h"
#include "data/translate.h"
#include "races/coordinates.h"

namespace {
struct MemberText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
}  // namespace

const QString kMemberEntryError =
    QStringLiteral(QT_TRANSLATE_NOOP("Members", "Set new Member find data entry error !"));
const QString kDeleteDataQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("Members", "This will delete the data ?"));

QString MemberListSql() {
    return QStringLiteral(
        "select a.AssociationCode,a.LoftNo,a.LoftName,count(b.ClockID) as clockCnt "
        "from ZOL_LoftData a left join ZOL_LoftClocks b on a.LoftNo=b.LoftNo "
        "group by a.AssociationCode,a.LoftNo,a.LoftName order by a.LoftNo");
}

QString CountText(int count) {
    return QString::asprintf("%.3d", count);
}

QString LoftNoCellText(const QString& associationCode, const QString& loftNo) {
    return loftNo.isEmpty() ? QString() : associationCode + QLatin1Char(' ') + loftNo;
}

QString ClubAssociationCode(TdmZOLF& db) {
    return db.value(QStringLiteral("select AssociationCode from ZOL_ClubData limit 1")).toString();
}

QString StoredText(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString ReplaceMemberQuestion(const QString& loftNo, const QString& name) {
    return MemberText::tr("Loft number %1 belongs to %2. Replace that member's details?")
        .arg(loftNo, name);
}

QString LoftNoTrimmedText(const QString& loftNo) {
    return MemberText::tr("The blanks around the loft number were removed: it is saved as \"%1\".")
        .arg(loftNo);
}

EditedRow MemberEditedRow(TdmZOLF& db, const QString& loftNo) {
    EditedRow row;
    row.table = QStringLiteral("ZOL_LoftData");
    row.keyColumns = QStringList{QStringLiteral("LoftNo")};
    row.key = QVariantList{loftNo};
    row.columns = QStringList{QStringLiteral("AssociationCode"),
                              QStringLiteral("LoftName"),
                              QStringLiteral("Street"),
                              QStringLiteral("City"),
                              QStringLiteral("PostCode"),
                              QStringLiteral("PhoneNo"),
                              QStringLiteral("LoftLon"),
                              QStringLiteral("LoftLat"),
                              QStringLiteral("Notes")};
    row.label = MemberText::tr("Member %1").arg(loftNo);
    LoadEditedRow(db, row);
    return row;
}

MemberSaveResult SaveMember(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                            const MemberForm& typed, MemberFormMode mode, EditedRow* loaded) {
    MemberForm f = typed;
    // Blanks typed around a new loft number would make a second member beside the one
    // without them. A member being edited keeps the loft number it is stored under.
    if (mode == MemberFormMode::AddNew) {
        f.loftNo = typed.loftNo.trimmed();
    }
    if (f.associationCode.isEmpty() || f.loftNo.isEmpty() || f.name.isEmpty()) {
        prompts.message(Translated("Members", kMemberEntryError));
        return MemberSaveResult::Refused;
    }
    // A coordinate with 60 minutes or seconds would count as a whole degree in every distance.
    CheckCoordText(f.lon, kLongitudeOver60);
    CheckCoordText(f.lat, kLatitudeOver60);
    if (f.loftNo != typed.loftNo) {
        prompts.message(LoftNoTrimmedText(f.loftNo));
    }
    QString notes = f.notes;
    notes.remove(QLatin1Char('\r'));
    notes.remove(QLatin1Char('\n'));
    const QString now = MomentMsText(clock.now());
    const QVariant existingName =
        db.value(QStringLiteral("select coalesce(LoftName,'') from ZOL_LoftData where LoftNo=?"),
                 {f.loftNo});
    const bool exists = existingName.isValid();
    // A new member typed with a loft number in use would silently overwrite that member.
    if (exists && mode == MemberFormMode::AddNew &&
        !prompts.confirmed(ReplaceMemberQuestion(f.loftNo, existingName.toString()))) {
        return MemberSaveResult::Refused;
    }
    // Whether the member is there is asked again inside the transaction when another seat may
    // have deleted it meanwhile (an overwrite of a deleted member stores it anew).
    bool inserted = !exists;
    const auto write = [&](bool present) {
        inserted = !present;
        if (!present) {
            db.exec(QStringLiteral("insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName,"
                                   "Street,City,PostCode,PhoneNo,LoftLon,LoftLat,Notes,UpdateTime,"
                                   "SynchFlag) values(?,?,?,?,?,?,?,?,?,?,?,1)"),
                    {f.associationCode, f.loftNo, f.name, StoredText(f.street), StoredText(f.city),
                     StoredText(f.postCode), StoredText(f.phone), StoredText(f.lon),
                     StoredText(f.lat), StoredText(notes), now});
            // The distances themselves are computed later by the loft distance update. A
            // distance typed for this loft number before the member existed is kept: it only
            // gets rows for the sites it lacks, so the member can always be added.
            db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode,LoftNo,Miles,Yards)"
                                   " select s.LiberCode,?,0,0 from ZOL_LiberateSite s where not"
                                   " exists (select 1 from ZOL_LoftLibPointDist d where"
                                   " d.LoftNo=? and d.LiberCode=s.LiberCode) order by s.rowid"),
                    {f.loftNo, f.loftNo});
        } else {
            QString street = f.street;
            street.replace(QLatin1Char(':'), QLatin1Char(' '));
            db.exec(QStringLiteral("update ZOL_LoftData set AssociationCode=?,LoftName=?,Street=?,"
                                   "City=?,PostCode=?,PhoneNo=?,LoftLon=?,LoftLat=?,Notes=?,"
                                   "UpdateTime=?,SynchFlag=1 where LoftNo=?"),
                    {f.associationCode, f.name, StoredText(street), StoredText(f.city),
                     StoredText(f.postCode), StoredText(f.phone), StoredText(f.lon),
                     StoredText(f.lat), StoredText(notes), now, f.loftNo});
        }
    };
    if (loaded != nullptr && mode == MemberFormMode::Edit) {
        const EditedRowSave saved = SaveEditedRow(db, prompts, clock, *loaded, [&] {
            write(db.value(QStringLiteral("select 1 from ZOL_LoftData where LoftNo=?"), {f.loftNo})
                      .isValid());
        });
        if (saved == EditedRowSave::Reload) {
            return MemberSaveResult::Reload;
        }
        if (saved == EditedRowSave::Kept) {
            return MemberSaveResult::Refused;
        }
    } else {
        db.transaction([&] { write(exists); });
    }
    return inserted ? MemberSaveResult::Inserted : MemberSaveResult::Updated;
}

MemberForm LoadMember(TdmZOLF& db, const QString& loftNo) {
    MemberForm f;
    QSqlQuery q = db.select(
        QStringLiteral("select LoftName,PhoneNo,PostCode,Street,City,LoftNo,AssociationCode,"
                       "Notes,LoftLon,LoftLat from ZOL_LoftData where LoftNo=?"),
        {loftNo});
    if (q.next()) {
        f.name = q.value(0).toString();
        f.phone = q.value(1).toString();
        f.postCode = q.value(2).toString();
        f.street = q.value(3).toString();
        f.city = q.value(4).toString();
        f.loftNo = q.value(5).toString();
        f.associationCode = q.value(6).toString();
        f.notes = q.value(7).toString();
        f.lon = q.value(8).toString();
        f.lat = q.value(9).toString();
    }
    return f;
}

QString DeleteMemberQuestion(int pigeons) {
    return MemberText::tr("This Loft has %1 pigeon records, Do you want delete all data ?")
        .arg(pigeons);
}

QString DeleteLoftQuestion(const QString& loftNo, const QString& name) {
    return MemberText::tr("Delete the member %1 %2 and the loft's distances ?").arg(loftNo, name);
}

bool DeleteMember(TdmZOLF& db, Prompts& prompts, const QString& loftNo) {
    const int pigeons = db.rowCount(
        QStringLiteral("select PRingNo from ZOL_PigData where LoftNo=? and ") + kNotDeleted,
        {loftNo});
    // The member's distance rows go with it, so even a member without rings is not deleted
    // on a single click.
    const QString question =
        pigeons > 0
            ? DeleteMemberQuestion(pigeons)
            : DeleteLoftQuestion(
                  loftNo,
                  db.value(QStringLiteral("select LoftName from ZOL_LoftData where LoftNo=?"),
                           {loftNo})
                      .toString());
    if (!prompts.confirmed(question)) {
        return false;
    }
    db.transaction([&] {
        if (pigeons > 0) {
            // Every pigeon row of the loft goes, marked as deleted or not.
            db.exec(QStringLiteral("delete from ZOL_PigData where LoftNo=?"), {loftNo});
        }
        db.exec(QStringLiteral("delete from ZOL_LoftData where LoftNo=?"), {loftNo});
        db.tryExec(QStringLiteral("delete from ZOL_LoftLibPointDist where LoftNo=?"), {loftNo});
    });
    return true;
}

QString ClockListSql() {
    return QStringLiteral("select * from ZOL_LoftClocks where LoftNo=?");
}

QString ClockCountText(int count) {
    return MemberText::tr("Number of clocks %1").arg(count);
}

bool DeleteClock(TdmZOLF& db, Prompts& prompts, const QString& loftNo, const QString& clockId) {
    if (!prompts.confirmed(Translated("Members", kDeleteDataQuestion))) {
        return false;
    }
    db.exec(QStringLiteral("delete from ZOL_LoftClocks where LoftNo=? and ClockID=?"),
            {loftNo, clockId});
    return true;
}

void CheckLoftCoordOnLeave(LoftCoordBox left, const QString& lonText, const QString& latText) {
    if (left == LoftCoordBox::Latitude) {
        CheckCoordText(lonText, kLongitudeOver60);
    } else {
        CheckCoordText(latText, kLatitudeOver60);
    }
}

MemberSettings ReadMemberSettings(const QString& iniFile) {
    const ZolfIni ini(iniFile);
    MemberSettings s;
    try {
        s.timeZoneSeconds = StrToInt(ini.timeZone()) * 3600;
    } catch (const UserError& e) {
        // Named, so that the secretary knows which file and line to mend.
        throw UserError(e.text() + QStringLiteral(" (TimeZone in ZOLF.ini)"));
    }
    s.countryRingCodes = ini.countryRingCodes();
    s.apn = ini.apn();
    s.hostSms = ini.hostSms();
    s.markedFlag = ini.markedFlag();
    return s;
}

QStringList BirthYears(const QDate& today) {
    QStringList years;
    for (int y = today.year() - 9; y <= today.year() + 1; ++y) {
        years << QString::number(y);
    }
    return years;
}
