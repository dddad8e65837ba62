#include "federation_import.h"

#include <QMap>
#include <QSet>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "federation_text.h"
#include "races/flying_time.h"
#include "races/loft_distances.h"

void CreateFederationTables(TdmZOLF& db) {
    // Plain types and statements that every engine the program runs on reads the same way.
    db.exec(QStringLiteral(
        "create table if not exists KST_FedRace (ClubID TEXT not null, LiberCode TEXT not null, "
        "LiberDate TEXT not null, SiteCode TEXT, LiberTime TEXT, Source TEXT, ImportedAt TEXT)"));
    db.exec(
        QStringLiteral("create unique index if not exists KST_FedRace_Key on KST_FedRace "
                       "(ClubID, LiberCode, LiberDate)"));
    db.exec(
        QStringLiteral("create table if not exists KST_FedLoft (ClubID TEXT not null, "
                       "LoftNo TEXT not null, LoftName TEXT)"));
    db.exec(QStringLiteral(
        "create unique index if not exists KST_FedLoft_Key on KST_FedLoft (ClubID, LoftNo)"));
    db.exec(QStringLiteral("create index if not exists KST_FedLoft_Loft on KST_FedLoft (LoftNo)"));
    db.exec(QStringLiteral(
        "create table if not exists KST_FedEntry (ClubID TEXT not null, LiberCode TEXT not null, "
        "LiberDate TEXT not null, SiteCode TEXT, PRingNo TEXT not null, LoftNo TEXT, Sex TEXT, "
        "ColorType TEXT, BackTime TEXT, FlyTime TEXT, FlySpeed double precision, Dist bigint, "
        "TimeVari integer)"));
    db.exec(
        QStringLiteral("create unique index if not exists KST_FedEntry_Key on KST_FedEntry "
                       "(ClubID, LiberCode, LiberDate, PRingNo)"));
    db.exec(
        QStringLiteral("create index if not exists KST_FedEntry_Release on KST_FedEntry "
                       "(SiteCode, LiberDate)"));
    db.exec(
        QStringLiteral("create index if not exists KST_FedEntry_Ring on KST_FedEntry (PRingNo)"));
}

namespace {

QString RaceName(const QString& code, const QDate& date) {
    return code + QLatin1Char(' ') + DateText(date);
}

QString OwnClub(TdmZOLF& db) {
    return db.value(QStringLiteral("select ClubID from ZOL_ClubData order by ClubID limit 1"))
        .toString();
}

bool IsSkipped(const ImportPlan& plan, ConflictKind kind, const QSet<QString>& subjects,
               const QString& subject) {
    return plan.choice(kind) == Choice::Skip && subjects.contains(subject);
}

QSet<QString> Subjects(const ImportPlan& plan, ConflictKind kind) {
    QSet<QString> out;
    for (const Conflict& c : plan.conflicts) {
        if (c.kind == kind) {
            out.insert(c.subject);
        }
    }
    return out;
}

// Whether a race of the plan is left out as a whole.
bool RaceLeftOut(const ImportPlan& plan, const PlannedRace& r) {
    if (r.imported && plan.choice(ConflictKind::RaceImported) == Choice::Skip) {
        return true;
    }
    return r.siteCode.isEmpty() && plan.choice(ConflictKind::UnknownSite) == Choice::Skip;
}

}  // namespace

bool ImportPlan::has(ConflictKind k) const {
    for (const Conflict& c : conflicts) {
        if (c.kind == k) {
            return true;
        }
    }
    return false;
}

void ImportPlan::chooseSite(const QString& liberCode, const QDate& liberDate,
                            const QString& siteCode) {
    for (PlannedRace& r : races) {
        if (r.liberCode == liberCode && r.liberDate == liberDate) {
            r.siteCode = siteCode;
        }
    }
}

void ImportPlan::setLiberTime(const QString& liberCode, const QDate& liberDate, const QTime& time) {
    for (PlannedRace& r : races) {
        if (r.liberCode == liberCode && r.liberDate == liberDate) {
            r.liberTime = time;
        }
    }
}

ImportPlan PlanImport(TdmZOLF& db, const ClubFile& file) {
    if (file.clubId.trimmed().isEmpty()) {
        throw UserError(Federation::tr("Name the club whose files these are."));
    }
    const QString own = OwnClub(db);
    if (!own.isEmpty() && file.clubId == own) {
        throw UserError(Federation::tr("%1 is this database's own club: its races are here "
                                       "already and are not imported.")
                            .arg(file.clubId));
    }
    CreateFederationTables(db);
    ImportPlan plan;
    plan.file = file;
    plan.mode = ClubDistanceMode(db);

    // Races: their site, the release's liberation time, and an earlier import.
    QHash<QString, int> raceIndex;
    for (const ClubFileRace& fr : file.races) {
        PlannedRace r;
        r.liberCode = fr.liberCode;
        r.liberDate = fr.liberDate;
        const QString name = RaceName(r.liberCode, r.liberDate);
        if (db.rowCount(QStringLiteral("select 1 from ZOL_LiberateSite where LiberCode=?"),
                        {r.liberCode}) > 0) {
            r.siteCode = r.liberCode;
        } else {
            plan.conflicts << Conflict{ConflictKind::UnknownSite, name,
                                       Federation::tr("Race %1: liberation code %2 is not a "
                                                      "known liberation site.")
                                           .arg(name, r.liberCode)};
        }
        r.imported = db.rowCount(QStringLiteral("select 1 from KST_FedRace where ClubID=? and "
                                                "LiberCode=? and LiberDate=?"),
                                 {file.clubId, r.liberCode, DateText(r.liberDate)}) > 0;
        if (r.imported) {
            plan.conflicts << Conflict{
                ConflictKind::RaceImported, name,
                Federation::tr("Race %1 of club %2 was imported before.").arg(name, file.clubId)};
        }
        raceIndex.insert(name, plan.races.size());
        plan.races << r;
    }
    for (PlannedRace& r : plan.races) {
        if (!r.siteCode.isEmpty()) {
            r.liberTime = ParseTime(db.value(QStringLiteral("select LiberTime from ZOL_RaceData "
                                                            "where LiberCode=? and "
                                                            "substr(LiberDate,1,10)=? limit 1"),
                                             {r.siteCode, DateText(r.liberDate)})
                                        .toString());
        }
    }

    // Lofts: names, and lofts flying for another club.
    QMap<QString, QString> lofts;  // loft -> the file's name (sorted for the preview)
    QHash<QString, QSet<QString>> ringLofts;
    for (const ClubFileEntry& e : file.entries) {
        PlannedRace& r = plan.races[raceIndex.value(RaceName(e.liberCode, e.liberDate))];
        ++r.entries;
        if (!e.backTime.isEmpty()) {
            ++r.clocked;
        }
        if (!e.loftNo.isEmpty()) {
            lofts.insert(e.loftNo, file.loftNames.value(e.loftNo));
        }
        ringLofts[e.ring].insert(e.loftNo);
    }
    QSqlQuery storedName =
        db.prepare(QStringLiteral("select LoftName from KST_FedLoft where ClubID=? and LoftNo=?"));
    QSqlQuery otherClub = db.prepare(QStringLiteral(
        "select ClubID from KST_FedLoft where LoftNo=? and ClubID<>? order by ClubID limit 1"));
    QSqlQuery ownLoft =
        db.prepare(QStringLiteral("select LoftName from ZOL_LoftData where LoftNo=? limit 1"));
    for (auto it = lofts.cbegin(); it != lofts.cend(); ++it) {
        TdmZOLF::run(storedName, {file.clubId, it.key()});
        if (storedName.next()) {
            const QString stored = storedName.value(0).toString();
            if (!it.value().isEmpty() && !stored.isEmpty() && stored != it.value()) {
                plan.conflicts << Conflict{ConflictKind::LoftRenamed, it.key(),
                                           Federation::tr("Loft %1 is known as \"%2\"; the file "
                                                          "names it \"%3\".")
                                               .arg(it.key(), stored, it.value())};
            }
        } else {
            plan.newLofts << it.key();
        }
        storedName.finish();
        TdmZOLF::run(otherClub, {it.key(), file.clubId});
        QString other = otherClub.next() ? otherClub.value(0).toString() : QString();
        otherClub.finish();
        if (other.isEmpty() && !own.isEmpty()) {
            TdmZOLF::run(ownLoft, {it.key()});
            if (ownLoft.next()) {
                other = own;
            }
            ownLoft.finish();
        }
        if (!other.isEmpty()) {
            plan.conflicts << Conflict{
                ConflictKind::LoftInTwoClubs, it.key(),
                Federation::tr("Loft %1 flies for club %2 as well.").arg(it.key(), other)};
        }
    }

    // Rings: one ring under two lofts, in the file or against what is stored. The stored rings
    // are looked up a block of rings at a time, not one statement per ring.
    QStringList rings = ringLofts.keys();
    std::sort(rings.begin(), rings.end());
    QHash<QString, QString> fileLoft;  // rings of one loft in the file
    for (const QString& ring : std::as_const(rings)) {
        if (ringLofts.value(ring).size() == 1) {
            fileLoft.insert(ring, *ringLofts.value(ring).cbegin());
        }
    }
    QHash<QString, QString> storedElsewhere;  // ring -> where else it is known
    const QStringList single = fileLoft.keys();
    constexpr int kBlock = 400;
    for (int from = 0; from < single.size(); from += kBlock) {
        const QStringList block = single.mid(from, kBlock);
        QStringList marks;
        QVariantList params;
        for (const QString& ring : block) {
            marks << QStringLiteral("?");
            params << ring;
        }
        const QString in = marks.join(QLatin1Char(','));
        QSqlQuery fed = db.select(QStringLiteral("select PRingNo, ClubID, LoftNo from KST_FedEntry "
                                                 "where PRingNo in (") +
                                      in + QStringLiteral(") order by PRingNo, ClubID, LoftNo"),
                                  params);
        while (fed.next()) {
            const QString ring = fed.value(0).toString();
            const QString club = fed.value(1).toString();
            const QString loft = fed.value(2).toString();
            if ((club != file.clubId || loft != fileLoft.value(ring)) &&
                !storedElsewhere.contains(ring)) {
                storedElsewhere.insert(ring, Federation::tr("loft %1 of club %2").arg(loft, club));
            }
        }
        if (own.isEmpty()) {
            continue;
        }
        QSqlQuery pigs = db.select(QStringLiteral("select PRingNo, LoftNo from ZOL_PigData where "
                                                  "PRingNo in (") +
                                       in + QStringLiteral(") order by PRingNo, LoftNo"),
                                   params);
        while (pigs.next()) {
            const QString ring = pigs.value(0).toString();
            const QString loft = pigs.value(1).toString();
            if (loft != fileLoft.value(ring) && !storedElsewhere.contains(ring)) {
                storedElsewhere.insert(ring, Federation::tr("loft %1 of club %2").arg(loft, own));
            }
        }
    }
    for (const QString& ring : std::as_const(rings)) {
        if (!fileLoft.contains(ring)) {
            QStringList inFile = ringLofts.value(ring).values();
            std::sort(inFile.begin(), inFile.end());
            plan.conflicts << Conflict{ConflictKind::RingInTwoLofts, ring,
                                       Federation::tr("Ring %1 is given under lofts %2.")
                                           .arg(ring, inFile.join(QStringLiteral(", ")))};
        } else if (storedElsewhere.contains(ring)) {
            plan.conflicts << Conflict{
                ConflictKind::RingInTwoLofts, ring,
                Federation::tr("Ring %1 of loft %2 is known under %3.")
                    .arg(ring, fileLoft.value(ring), storedElsewhere.value(ring))};
        }
    }
    return plan;
}

QStringList Unresolved(const ImportPlan& plan) {
    QStringList out;
    const char* names[kConflictKinds] = {
        QT_TRANSLATE_NOOP("Federation", "loft numbers known under another name"),
        QT_TRANSLATE_NOOP("Federation", "rings under two lofts"),
        QT_TRANSLATE_NOOP("Federation", "lofts flying for another club"),
        QT_TRANSLATE_NOOP("Federation", "races imported before"),
        QT_TRANSLATE_NOOP("Federation", "races from an unknown site")};
    for (int k = 0; k < kConflictKinds; ++k) {
        if (plan.has(ConflictKind(k)) && plan.choices[k] == Choice::Undecided) {
            out << Federation::tr("Decide what to do with the %1.").arg(Federation::tr(names[k]));
        }
    }
    for (const PlannedRace& r : plan.races) {
        if (RaceLeftOut(plan, r)) {
            continue;
        }
        if (r.siteCode.isEmpty() && plan.choice(ConflictKind::UnknownSite) == Choice::Take) {
            out << Federation::tr("Choose the liberation site of race %1.")
                       .arg(RaceName(r.liberCode, r.liberDate));
        }
        if (plan.file.kind == ClubFile::Kind::WinSpeed && !r.liberTime.isValid() && r.clocked > 0) {
            out << Federation::tr(
                       "Give the liberation time of race %1: the database holds no "
                       "release of its site that day.")
                       .arg(RaceName(r.liberCode, r.liberDate));
        }
    }
    return out;
}

QStringList PreviewLines(const ImportPlan& plan) {
    QStringList out;
    out << Federation::tr("Club %1 %2, file %3:")
               .arg(plan.file.clubId, plan.file.clubName, plan.file.fileName);
    for (const PlannedRace& r : plan.races) {
        out << Federation::tr("  race %1 (site %2): %3 birds, %4 clocked%5")
                   .arg(RaceName(r.liberCode, r.liberDate),
                        r.siteCode.isEmpty() ? Federation::tr("unknown") : r.siteCode)
                   .arg(r.entries)
                   .arg(r.clocked)
                   .arg(r.imported ? Federation::tr(", imported before") : QString());
    }
    if (!plan.newLofts.isEmpty()) {
        out << Federation::tr("  %n new loft(s): %1", nullptr, int(plan.newLofts.size()))
                   .arg(plan.newLofts.join(QStringLiteral(", ")));
    }
    for (const QString& note : plan.file.notes) {
        out << QStringLiteral("  ") + note;
    }
    if (plan.conflicts.isEmpty()) {
        out << Federation::tr("No conflicts.");
    }
    for (int k = 0; k < kConflictKinds; ++k) {
        for (const Conflict& c : plan.conflicts) {
            if (int(c.kind) == k) {
                out << QStringLiteral("  ! ") + c.text;
            }
        }
    }
    return out;
}

ImportResult StoreImport(TdmZOLF& db, const ImportPlan& plan,
                         const std::function<bool(int, int)>& progress, const QDateTime& now) {
    const QStringList open = Unresolved(plan);
    if (!open.isEmpty()) {
        throw UserError(open.join(QLatin1Char('\n')));
    }
    const QSet<QString> renamed = Subjects(plan, ConflictKind::LoftRenamed);
    const QSet<QString> ringConflicts = Subjects(plan, ConflictKind::RingInTwoLofts);
    const QSet<QString> twoClubs = Subjects(plan, ConflictKind::LoftInTwoClubs);
    const ClubFile& file = plan.file;
    ImportResult result;

    CreateFederationTables(db);
    db.transaction([&] {
        if (db.rowCount(QStringLiteral("select 1 from ZOL_ClubMap where ClubID=?"),
                        {file.clubId}) == 0) {
            db.exec(QStringLiteral("insert into ZOL_ClubMap (ClubID, ClubName) values (?, ?)"),
                    {file.clubId, file.clubName.isEmpty() ? file.clubId : file.clubName});
        }
        QHash<QString, const PlannedRace*> races;
        for (const PlannedRace& r : plan.races) {
            if (RaceLeftOut(plan, r)) {
                continue;
            }
            races.insert(RaceName(r.liberCode, r.liberDate), &r);
            const QVariantList key{file.clubId, r.liberCode, DateText(r.liberDate)};
            if (r.imported) {
                db.exec(QStringLiteral("delete from KST_FedEntry where ClubID=? and LiberCode=? "
                                       "and LiberDate=?"),
                        key);
                db.exec(QStringLiteral("delete from KST_FedRace where ClubID=? and LiberCode=? "
                                       "and LiberDate=?"),
                        key);
            }
            db.exec(QStringLiteral("insert into KST_FedRace (ClubID, LiberCode, LiberDate, "
                                   "SiteCode, LiberTime, Source, ImportedAt) values "
                                   "(?, ?, ?, ?, ?, ?, ?)"),
                    key + QVariantList{
                              r.siteCode,
                              r.liberTime.isValid() ? QVariant(TimeText(r.liberTime)) : QVariant(),
                              file.fileName, MomentText(now)});
            ++result.races;
        }

        // Lofts new to the club, and the names the secretary chose to take.
        QSqlQuery loftKnown =
            db.prepare(QStringLiteral("select 1 from KST_FedLoft where ClubID=? and LoftNo=?"));
        QSqlQuery addLoft = db.prepare(
            QStringLiteral("insert into KST_FedLoft (ClubID, LoftNo, LoftName) values (?, ?, ?)"));
        QSqlQuery renameLoft = db.prepare(
            QStringLiteral("update KST_FedLoft set LoftName=? where ClubID=? and LoftNo=?"));
        QSet<QString> lofts;
        for (const ClubFileEntry& e : file.entries) {
            if (!e.loftNo.isEmpty() && races.contains(RaceName(e.liberCode, e.liberDate)) &&
                !IsSkipped(plan, ConflictKind::LoftInTwoClubs, twoClubs, e.loftNo)) {
                lofts.insert(e.loftNo);
            }
        }
        for (const QString& loft : std::as_const(lofts)) {
            const QVariant name =
                file.loftNames.contains(loft) ? QVariant(file.loftNames[loft]) : QVariant();
            TdmZOLF::run(loftKnown, {file.clubId, loft});
            const bool known = loftKnown.next();
            loftKnown.finish();
            if (!known) {
                TdmZOLF::run(addLoft, {file.clubId, loft, name});
                ++result.lofts;
            } else if (!name.isNull() && (!renamed.contains(loft) ||
                                          plan.choice(ConflictKind::LoftRenamed) == Choice::Take)) {
                // A name the club had not given before is taken; a changed one only when chosen.
                if (!renamed.contains(loft)) {
                    db.exec(QStringLiteral("update KST_FedLoft set LoftName=? where ClubID=? "
                                           "and LoftNo=? and (LoftName is null or LoftName='')"),
                            {name, file.clubId, loft});
                } else {
                    TdmZOLF::run(renameLoft, {name, file.clubId, loft});
                }
            }
        }

        // The birds.
        QSqlQuery add = db.prepare(QStringLiteral(
            "insert into KST_FedEntry (ClubID, LiberCode, LiberDate, SiteCode, PRingNo, LoftNo, "
            "Sex, ColorType, BackTime, FlyTime, FlySpeed, Dist, TimeVari) values "
            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QHash<QString, QList<SunRow>> sun;
        QHash<QString, QVariant> distances;
        const int total = int(file.entries.size());
        int done = 0;
        for (const ClubFileEntry& e : file.entries) {
            if (progress && done % 500 == 0 && !progress(done, total)) {
                throw UserError(Federation::tr("The import was cancelled; nothing was stored."));
            }
            ++done;
            const PlannedRace* r = races.value(RaceName(e.liberCode, e.liberDate));
            if (!r) {
                continue;
            }
            if (IsSkipped(plan, ConflictKind::RingInTwoLofts, ringConflicts, e.ring) ||
                IsSkipped(plan, ConflictKind::LoftInTwoClubs, twoClubs, e.loftNo)) {
                ++result.skipped;
                continue;
            }
            QVariant flyTime = e.flyTime.isEmpty() ? QVariant() : QVariant(e.flyTime);
            QVariant speed = e.flySpeed;
            QVariant dist = e.dist;
            if (file.kind == ClubFile::Kind::WinSpeed) {
                const QString dk = r->siteCode + QLatin1Char('\n') + e.loftNo;
                if (!distances.contains(dk)) {
                    const int d = e.loftNo.isEmpty()
                                      ? 0
                                      : LoftTotalDistance(db, r->siteCode, e.loftNo, plan.mode);
                    distances.insert(dk, d > 0 ? QVariant(d) : QVariant());
                }
                dist = distances.value(dk);
                if (!e.backTime.isEmpty()) {
                    const QString raceCode = RaceCodeOf(r->siteCode, r->liberDate);
                    if (!sun.contains(raceCode)) {
                        sun.insert(raceCode, RaceSunRows(db, raceCode));
                    }
                    const qint64 ms =
                        CalcuateSecs(0, ParseMoment(e.backTime),
                                     QDateTime(r->liberDate, r->liberTime), sun.value(raceCode));
                    flyTime = MsToFlyTime(ms);
                    if (!dist.isNull()) {
                        speed = StoredFlySpeed(CalcFlySpeed(dist.toLongLong(), ms));
                        // An arrival this early is a wrong time in the club's file (or a
                        // wrong liberation time typed for it): nothing of the file is stored.
                        if (speed.toDouble() > MaxClubFileSpeed(plan.mode)) {
                            throw UserError(
                                Federation::tr("%1: ring %2 would have flown %3 a minute; "
                                               "the arrival time cannot be right.")
                                    .arg(e.where, e.ring,
                                         FlySpeedText(speed.toDouble()).trimmed()));
                        }
                    }
                }
            }
            if (dist.isNull() || dist.toLongLong() <= 0) {
                dist = QVariant();
                speed = QVariant();  // never a speed without a distance
            }
            TdmZOLF::run(add, {file.clubId, e.liberCode, DateText(e.liberDate), r->siteCode, e.ring,
                               e.loftNo.isEmpty() ? QVariant() : QVariant(e.loftNo),
                               e.sex.isEmpty() ? QVariant() : QVariant(e.sex),
                               e.colorType.isEmpty() ? QVariant() : QVariant(e.colorType),
                               e.backTime.isEmpty() ? QVariant() : QVariant(e.backTime), flyTime,
                               speed, dist, e.timeVari});
            ++result.entries;
        }
        if (progress && !progress(total, total)) {
            throw UserError(Federation::tr("The import was cancelled; nothing was stored."));
        }
    });
    return result;
}
