#include "ring_store.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlRecord>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/edited_row.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/schema.h"
#include "data/translate.h"
#include "members/feather_colours.h"
#include "members/member_store.h"

namespace {
struct MemberText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
}  // namespace

const QString kRingNumberMissing =
    QStringLiteral(QT_TRANSLATE_NOOP("Members", "Please enter the registration number."));

QString RingListSql() {
    return QStringLiteral(
               "select PRingNo,ColorType,Sex,E_Ring,CreateDate,AssignDate,Updatetime,"
               "RCountry,RYear,RRegLetter,RRegNumber,LoftNo from ZOL_PigData where LoftNo=? and ") +
           kNotDeleted + QStringLiteral(" order by PRingNo");
}

int RingCount(TdmZOLF& db, const QString& loftNo) {
    return db.rowCount(RingListSql(), {loftNo});
}

namespace {
QString withoutLineBreaks(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

bool ringExists(TdmZOLF& db, const QString& ringNo) {
    return db.rowCount(QStringLiteral("select PRingNo from ZOL_PigData where PRingNo=?"),
                       {ringNo}) > 0;
}

// A ring is one bird of one member: saving its number in another member's list never changes
// it. Refuses, naming the member who holds it; a ring no member holds may be edited anywhere.
void refuseOtherMembersRing(TdmZOLF& db, const QString& loftNo, const QString& ringNo) {
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("select p.LoftNo, coalesce(l.LoftName,'') from ZOL_PigData p left join "
                       "ZOL_LoftData l on l.LoftNo=p.LoftNo where p.PRingNo=? and "
                       "coalesce(p.DeleteMark,0)=0"),
        {ringNo});
    for (const QVariantList& row : rows) {
        const QString holder = row.value(0).toString();
        if (!holder.isEmpty() && holder != loftNo) {
            const QString name = row.value(1).toString();
            throw UserError(
                MemberText::tr("Ring %1 belongs to member %2; it was not changed. Open that "
                               "member's ring list to edit it.")
                    .arg(ringNo,
                         name.isEmpty() ? holder : QStringLiteral("%1 (%2)").arg(holder, name)));
        }
    }
}

bool ringMarkedDeleted(TdmZOLF& db, const QString& ringNo) {
    return db.rowCount(QStringLiteral("select PRingNo from ZOL_PigData where PRingNo=? and not ") +
                           kNotDeleted,
                       {ringNo}) > 0;
}

// A ring marked deleted that is saved again comes back with what the form holds, for the
// member whose list is open, and is sent to the clock again.
void reviveRing(TdmZOLF& db, const RingEntry& e, const QString& ringNo, const QString& number,
                const QString& sex, const QString& colour, const QString& comment,
                const QDateTime& now) {
    db.exec(QStringLiteral("update ZOL_PigData set LoftNo=?,RCountry=?,RYear=?,RRegLetter=?,"
                           "RRegNumber=?,Sex=?,ColorType=?,Comment=?,Updatetime=?,SynchFlag=1,"
                           "DeleteMark=0 where PRingNo=?"),
            {StoredText(e.loftNo), StoredText(e.parts.country), StoredText(e.parts.year),
             StoredText(e.parts.letters), StoredText(number), sex, StoredText(colour),
             StoredText(comment), MomentMsText(now), ringNo});
}

void insertRing(TdmZOLF& db, const RingEntry& e, const QString& ringNo, const QString& number,
                const QString& sex, const QString& colour, const QString& comment,
                const QDateTime& now) {
    db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,"
                           "RRegNumber,Sex,ColorType,Comment,SynchFlag,DeleteMark,CreateDate,"
                           "Updatetime) values(?,?,?,?,?,?,?,?,?,1,0,?,?)"),
            {StoredText(e.loftNo), ringNo, StoredText(e.parts.country), StoredText(e.parts.year),
             StoredText(e.parts.letters), StoredText(number), sex, StoredText(colour),
             StoredText(comment), DateText(now.date()), MomentMsText(now)});
}

// The rings of a range that are stored already, each with whether it is marked deleted
// (a number stored twice counts as deleted when any of its rows is), read in one statement.
// Each number is looked up on its own by the ring number index: a list of numbers compared at
// once may be read by a scan of every ring on a server that has no figures about the table
// yet (a club just copied there).
QHash<QString, bool> storedRings(TdmZOLF& db, const QStringList& ringNos) {
    QHash<QString, bool> stored;
    if (ringNos.isEmpty()) {
        return stored;
    }
    QVariantList params;
    QStringList numbers;
    for (const QString& no : ringNos) {
        params << no;
        numbers << (numbers.isEmpty() ? QStringLiteral("select ? as r")
                                      : QStringLiteral("select ?"));
    }
    const QList<QVariantList> rows =
        db.rows(QStringLiteral("select v.r, (select max(case when ") + kNotDeleted +
                    QStringLiteral(" then 0 else 1 end) from ZOL_PigData p where "
                                   "p.PRingNo=v.r) from (") +
                    numbers.join(QStringLiteral(" union all ")) + QStringLiteral(") as v"),
                params);
    for (const QVariantList& row : rows) {
        if (!row.value(1).isNull()) {
            stored.insert(row.value(0).toString(), row.value(1).toInt() != 0);
        }
    }
    return stored;
}

// The new rings of a range (ring number, registration number), stored by one statement with a
// row for each, in the order given.
void insertRings(TdmZOLF& db, const RingEntry& e, const QList<std::pair<QString, QString>>& rings,
                 const QString& sex, const QString& colour, const QString& comment,
                 const QDateTime& now) {
    if (rings.isEmpty()) {
        return;
    }
    QVariantList params;
    for (const auto& [ringNo, number] : rings) {
        params << StoredText(e.loftNo) << ringNo << StoredText(e.parts.country)
               << StoredText(e.parts.year) << StoredText(e.parts.letters) << StoredText(number)
               << sex << StoredText(colour) << StoredText(comment) << DateText(now.date())
               << MomentMsText(now);
    }
    db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,"
                           "RRegNumber,Sex,ColorType,Comment,SynchFlag,DeleteMark,CreateDate,"
                           "Updatetime) values") +
                QStringList(int(rings.size()), QStringLiteral("(?,?,?,?,?,?,?,?,?,1,0,?,?)"))
                    .join(QLatin1Char(',')),
            params);
}
}  // namespace

QString RevivedRingsText(const QStringList& revived) {
    return revived.size() == 1
               ? MemberText::tr("Ring %1 was deleted and is restored.").arg(revived.first())
               : MemberText::tr("Rings %1 were deleted and are restored.")
                     .arg(revived.join(QStringLiteral(", ")));
}

QString SkippedRingsText(const QStringList& skipped) {
    return MemberText::tr("These ring numbers exist already and were skipped: ") +
           skipped.join(QStringLiteral(", "));
}

EditedRow RingEditedRow(TdmZOLF& db, const QString& ringNo) {
    EditedRow row;
    row.table = QStringLiteral("ZOL_PigData");
    row.keyColumns = QStringList{QStringLiteral("PRingNo")};
    row.key = QVariantList{ringNo};
    row.columns = QStringList{QStringLiteral("Sex"), QStringLiteral("ColorType"),
                              QStringLiteral("Comment"), QStringLiteral("DeleteMark")};
    row.label = MemberText::tr("Ring %1").arg(ringNo);
    LoadEditedRow(db, row);
    return row;
}

RingSaveResult SaveRing(TdmZOLF& db, const Clock& clock, const RingEntry& e, Prompts* prompts,
                        EditedRow* loaded) {
    CheckBirthYear(e.parts);
    const QString ringNo = ComposeRingNumber(e.parts, e.selectedRingNo);
    if (ringNo.isEmpty()) {
        throw UserError(Translated("Members", kRingNumberMissing));
    }
    const QString comment = withoutLineBreaks(e.comment);
    const QString colour = ColourCodeForName(db, e.colourName);
    const QString sex = SexCode(e.sexName);
    const QDateTime now = clock.now();
    RingSaveResult result;

    // A ring loaded from the list is edited, whatever the upper number box still holds (a
    // ring read from a clock has no number to count a range from). A range only adds rings:
    // one that exists already, even the first, is named and left alone, so that the empty
    // comment of a new range never overwrites a ring's comment. A ring marked deleted is not
    // in any list: saving its number again restores it, alone or as part of the range typed.
    const bool range = !e.upperNumber.isEmpty() && !e.partsLocked;
    if (!range) {
        refuseOtherMembersRing(db, e.loftNo, ringNo);
    }
    if (!range && e.partsLocked && prompts != nullptr && loaded != nullptr && loaded->found &&
        loaded->key.value(0).toString() == ringNo) {
        // The ring as the form loaded it: saved only when nobody changed it meanwhile, or when
        // the secretary chooses to overwrite (a ring deleted there comes back).
        const EditedRowSave saved = SaveEditedRow(db, *prompts, clock, *loaded, [&] {
            result = {};
            if (ringMarkedDeleted(db, ringNo)) {
                reviveRing(db, e, ringNo, e.parts.number, sex, colour, comment, now);
                result.revived << ringNo;
            } else if (ringExists(db, ringNo)) {
                db.exec(QStringLiteral("update ZOL_PigData set Sex=?,ColorType=?,Comment=?,"
                                       "Updatetime=?,SynchFlag=1 where PRingNo=?"),
                        {sex, StoredText(colour), StoredText(comment), MomentMsText(now), ringNo});
                result.updated = true;
            } else {
                insertRing(db, e, ringNo, e.parts.number, sex, colour, comment, now);
            }
        });
        result.ringNo = ringNo;
        result.reload = saved == EditedRowSave::Reload;
        result.kept = saved == EditedRowSave::Kept;
        return result;
    }
    if (!range && ringMarkedDeleted(db, ringNo)) {
        reviveRing(db, e, ringNo, e.parts.number, sex, colour, comment, now);
        result.ringNo = ringNo;
        result.revived << ringNo;
        return result;
    }
    if (!range && ringExists(db, ringNo)) {
        db.exec(QStringLiteral("update ZOL_PigData set Sex=?,ColorType=?,Comment=?,Updatetime=?,"
                               "SynchFlag=1 where PRingNo=?"),
                {sex, StoredText(colour), StoredText(comment), MomentMsText(now), ringNo});
        result.ringNo = ringNo;
        result.updated = true;
        return result;
    }
    // A range is read before anything is written, so that a number or upper number that is
    // not whole, or a range that runs backwards or too far, stores nothing.
    QStringList numbers;
    if (range) {
        numbers = RangeNumbers(e.parts.number, e.upperNumber);
    }
    if (e.parts.country == QLatin1String("NEHU") && !NehuLettersAccepted(e.parts.letters)) {
        throw UserError(Translated("Members", kNehuLetterError));
    }
    if (!range) {
        insertRing(db, e, ringNo, e.parts.number, sex, colour, comment, now);
        result.ringNo = ringNo;
        return result;
    }
    // The whole range is looked up at once and its new rings stored at once: on a server
    // every statement is a trip over the network.
    QStringList ringNos;
    for (const QString& number : std::as_const(numbers)) {
        RingParts parts = e.parts;
        parts.number = number;
        ringNos << ComposeRingNumber(parts, {}, int(e.parts.number.size()));
    }
    db.transaction([&] {
        result = {};
        const QHash<QString, bool> stored = storedRings(db, ringNos);
        QList<std::pair<QString, QString>> fresh;
        for (int i = 0; i < ringNos.size(); ++i) {
            const QString& no = ringNos.at(i);
            const auto found = stored.constFind(no);
            if (found == stored.constEnd()) {
                fresh.append({no, numbers.at(i)});
            } else if (found.value()) {
                reviveRing(db, e, no, numbers.at(i), sex, colour, comment, now);
                result.revived << no;
            } else {
                result.skipped << no;
                continue;
            }
            result.ringNo = no;
        }
        insertRings(db, e, fresh, sex, colour, comment, now);
    });
    return result;
}

RingForm LoadRing(TdmZOLF& db, const QString& loftNo, const QString& ringNo) {
    RingForm form;
    QSqlQuery q = db.select(
        QStringLiteral("select RCountry,ColorType,Sex,RYear,RRegLetter,RRegNumber,Comment "
                       "from ZOL_PigData where LoftNo=? and PRingNo=?"),
        {loftNo, ringNo});
    if (!q.next()) {
        return form;
    }
    form.found = true;
    form.country = q.value(0).toString();
    form.colourName = ColourNameForCode(db, q.value(1).toString());
    form.sexName = SexName(q.value(2));
    form.year = q.value(3).toString();
    form.letters = q.value(4).toString();
    form.number = q.value(5).toString();
    form.comment = q.value(6).toString();
    return form;
}

void MarkRingDeleted(TdmZOLF& db, const Clock& clock, const QString& loftNo,
                     const QString& ringNo) {
    db.exec(QStringLiteral("update ZOL_PigData set DeleteMark=1,SynchFlag=1,Updatetime=? "
                           "where LoftNo=? and PRingNo=?"),
            {MomentMsText(clock.now()), loftNo, ringNo});
}

bool DeleteRing(TdmZOLF& db, Prompts& prompts, const Clock& clock, const QString& loftNo,
                const QString& ringNo) {
    if (!prompts.confirmed(Translated("Members", kDeleteDataQuestion))) {
        return false;
    }
    MarkRingDeleted(db, clock, loftNo, ringNo);
    return true;
}
