#include "club_setup.h"

#include "data/club_settings.h"
#include "members/member_privacy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "data/backup_copy.h"
#include "data/club_copy.h"
#include "data/convert.h"
#include "data/date_time.h"
#include "data/edited_row.h"
#include "data/errors.h"
#include "data/schema.h"
#include "data/server_access.h"
#include "data/server_backup.h"
#include "data/sql_dialect.h"
#include "data/whole_file.h"
#include "races/distance_method.h"

std::optional<ClubSetupFields> LoadClubSetup(TdmZOLF& db) {
    QSqlQuery q = db.select(
        QStringLiteral("select ClubID, ClubName, Street, City, PostCode, Language, Mode, "
                       "AssociationCode, DBBackupDays, PrintCount from ZOL_ClubData limit 1"));
    if (!q.next()) {
        return std::nullopt;
    }
    ClubSetupFields f;
    f.clubId = q.value(0).toString();
    f.clubName = q.value(1).toString();
    f.clubChoice = f.clubName;
    f.street = q.value(2).toString();
    f.city = q.value(3).toString();
    f.postCode = q.value(4).toString();
    f.language = q.value(5).toInt();
    f.mode = q.value(6).toInt();
    f.distanceMethod = ClubDistanceMethod(db) == DistanceMethod::Geodesic ? 1 : 0;
    f.resultSeasonsKept = ResultSeasonsKept(db);
    f.association = q.value(7).toString();
    f.backupDays = q.value(8).toString();
    f.copies = q.value(9).toString();
    return f;
}

QString ClubLanguageCode(int position) {
    const int count = int(std::size(kClubLanguages));
    return QLatin1String(kClubLanguages[position >= 0 && position < count ? position : 0].code);
}

QStringList ClubLanguageNames() {
    QStringList names;
    for (const ClubLanguage& language : kClubLanguages) {
        names << QString::fromUtf8(language.name);
    }
    return names;
}

QStringList KnownClubChoices(TdmZOLF& db) {
    return QStringList{QLatin1String(kCustomClub), QLatin1String(kClubListSeparator)} +
           db.texts(QStringLiteral("select ClubName from ZOL_ClubMap order by ClubID"));
}

std::optional<KnownClub> FindKnownClub(TdmZOLF& db, const QString& clubName) {
    QSqlQuery q = db.select(
        QStringLiteral("select ClubID, ClubName from ZOL_ClubMap where ClubName=? limit 1"),
        {clubName});
    if (!q.next()) {
        return std::nullopt;
    }
    return KnownClub{q.value(0).toString(), q.value(1).toString()};
}

namespace {

void storeDistanceMethod(TdmZOLF& db, const ClubSetupFields& f) {
    if (f.distanceMethod) {
        SetClubDistanceMethod(
            db, *f.distanceMethod == 1 ? DistanceMethod::Geodesic : DistanceMethod::Flat);
    }
    if (f.resultSeasonsKept) {
        SetClubSetting(db, kResultSeasonsKeptSetting,
                       QString::number(qMax(0, *f.resultSeasonsKept)));
    }
}

}  // namespace

EditedRow ClubEditedRow(TdmZOLF& db) {
    EditedRow row;
    row.table = QStringLiteral("ZOL_ClubData");
    // The club table holds the club's one record, whatever its association and abbreviation
    // (which the screen edits too): no key columns.
    row.columns = QStringList{QStringLiteral("ClubID"),       QStringLiteral("ClubName"),
                              QStringLiteral("Street"),       QStringLiteral("City"),
                              QStringLiteral("PostCode"),     QStringLiteral("Language"),
                              QStringLiteral("Mode"),         QStringLiteral("AssociationCode"),
                              QStringLiteral("DBBackupDays"), QStringLiteral("PrintCount")};
    row.label = ClubSetup::tr("The club setup");
    LoadEditedRow(db, row);
    return row;
}

namespace {

// An empty box is stored as an empty text, not as null. Without `loaded` the record is stored
// whatever another seat did.
ClubSetupSave StoreClub(TdmZOLF& db, Prompts& prompts, const ClubSetupFields& fields,
                        const Clock* clock, EditedRow* loaded) {
    ClubSetupFields f = fields;
    for (QString* text :
         {&f.clubName, &f.clubId, &f.street, &f.city, &f.postCode, &f.association}) {
        if (text->isNull()) {
            *text = QStringLiteral("");
        }
    }
    // Both numbers are checked before anything is written, so a typing error stores nothing.
    // A text that is no number gets the message naming the field, as one out of range does.
    const int backupDays = StrToIntDef(f.backupDays, -1);
    const int copies = StrToIntDef(f.copies, 0);
    if (backupDays < 0 || backupDays > 100) {
        throw UserError(ClubSetupText(kBackupDaysRange));
    }
    if (copies < 1 || copies > 5) {
        throw UserError(ClubSetupText(kCopiesRange));
    }

    const auto recordFound = [&] {
        return db.rowCount(QStringLiteral("select 1 from ZOL_ClubData where AssociationCode=? "
                                          "and ClubID=?"),
                           {f.association, f.clubId}) > 0;
    };
    // Checked before the known-club list is touched: a refused store changes nothing at all.
    if (!recordFound() && (f.association.isEmpty() || f.clubId.isEmpty())) {
        prompts.message(ClubSetupText(kMustBeFilled));
        return ClubSetupSave::Refused;
    }

    // Everything in one transaction; it may run again when another seat is in the way, so the
    // record is looked up again inside it.
    bool newClub = false;
    const auto write = [&] {
        const bool found = recordFound();
        newClub = !found;
        if (!found && (f.association.isEmpty() || f.clubId.isEmpty())) {
            throw UserError(ClubSetupText(kMustBeFilled));
        }
        if (f.clubChoice == QLatin1String(kCustomClub)) {
            if (db.rowCount(QStringLiteral("select 1 from ZOL_ClubMap where ClubID=?"),
                            {f.clubId}) > 0) {
                db.exec(QStringLiteral("update ZOL_ClubMap set ClubName=? where ClubID=?"),
                        {f.clubName, f.clubId});
            } else {
                db.exec(QStringLiteral("insert into ZOL_ClubMap (ClubID, ClubName) values (?,?)"),
                        {f.clubId, f.clubName});
            }
        }
        if (found) {
            db.exec(QStringLiteral("update ZOL_ClubData set ClubName=?, Street=?, City=?, "
                                   "PostCode=?, Language=?, Mode=?, DBBackupDays=?, PrintCount=? "
                                   "where AssociationCode=? and ClubID=?"),
                    {f.clubName, f.street, f.city, f.postCode, f.language, f.mode, backupDays,
                     copies, f.association, f.clubId});
        } else {
            // The old club record goes and the new one comes in one step, so that a failure
            // cannot leave the program without a club record.
            if (db.isServer() && ServerAccessIsSetUp(db.connection())) {
                // On a server the clubs share, every club keeps its own record: a new club
                // code adds a club (the owner's login reaches every club's record).
                db.exec(QStringLiteral("delete from ZOL_ClubData where ClubID=?"), {f.clubId});
            } else {
                db.exec(QStringLiteral("delete from ZOL_ClubData"));
            }
            db.tryExec(QStringLiteral("insert into ZOL_ClubMap (ClubID, ClubName) values (?,?)"),
                       {f.clubId, f.clubName});
            db.exec(QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName, Street, City, "
                                   "PostCode, Language, Mode, AssociationCode, DBBackupDays, "
                                   "PrintCount) values (?,?,?,?,?,?,?,?,?,?)"),
                    {f.clubId, f.clubName, f.street, f.city, f.postCode, f.language, f.mode,
                     f.association, backupDays, copies});
        }
        storeDistanceMethod(db, f);
    };
    ClubSetupSave result = ClubSetupSave::Kept;
    if (loaded == nullptr || clock == nullptr) {
        db.transaction(write);
        result = ClubSetupSave::Stored;
    } else {
        switch (SaveEditedRow(db, prompts, *clock, *loaded, write)) {
            case EditedRowSave::Saved:
                result = ClubSetupSave::Stored;
                break;
            case EditedRowSave::Reload:
                return ClubSetupSave::Reload;
            case EditedRowSave::Kept:
                break;
        }
    }
    // A new club on a server shared by clubs gets its own login.
    if (result == ClubSetupSave::Stored && newClub) {
        OfferClubLogin(db, prompts, f.clubId);
    }
    return result;
}

}  // namespace

bool StoreClubSetup(TdmZOLF& db, Prompts& prompts, const ClubSetupFields& fields) {
    return StoreClub(db, prompts, fields, nullptr, nullptr) == ClubSetupSave::Stored;
}

ClubSetupSave SaveClubSetup(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                            const ClubSetupFields& fields, EditedRow& loaded) {
    return StoreClub(db, prompts, fields, &clock, &loaded);
}

QString OnDemandBackupName(const QString& chosen, const QDate& today) {
    return chosen + QLatin1Char('_') + today.toString(QStringLiteral("yyMMdd")) +
           QStringLiteral(".Bak");
}

bool BackupOnDemand(TdmZOLF& db, const QString& chosen, const QDate& today, QString* reason) {
    return WriteDatabaseCopy(db, OnDemandBackupName(chosen, today), true, reason);
}

namespace {

RestoreOutcome Refused(const QString& file, const QString& why) {
    return {RestoreOutcome::Status::Refused,
            ClubSetup::tr("%1 was not loaded: %2\nThe current data is unchanged.")
                .arg(QFileInfo(file).fileName(), why),
            {}};
}

bool SameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

}  // namespace

namespace {
// The tables a summary counts, in the order of DatabaseSummary's fields.
QStringList SummaryTables() {
    return {QStringLiteral("ZOL_LoftData"), QStringLiteral("ZOL_PigData"),
            QStringLiteral("ZOL_RaceData"), QStringLiteral("ZOL_PigRaceData")};
}
}  // namespace

DatabaseSummary SummaryOf(const QString& databaseFile) {
    const QList<qint64> n = TdmZOLF::TableRowCounts(databaseFile, SummaryTables());
    return {n.value(0), n.value(1), n.value(2), n.value(3)};
}

DatabaseSummary SummaryOf(TdmZOLF& db) {
    QList<qint64> n;
    for (const QString& table : SummaryTables()) {
        // Only the program's own table names reach this text.
        n << db.value(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
    }
    return {n.value(0), n.value(1), n.value(2), n.value(3)};
}

QString SummaryText(const DatabaseSummary& s) {
    auto count = [](qint64 n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(ClubSetupText(n == 1 ? one : many));
    };
    return ClubSetup::tr("%1, %2, %3 and %4")
        .arg(count(s.lofts, QT_TRANSLATE_NOOP("ClubSetup", "loft"),
                   QT_TRANSLATE_NOOP("ClubSetup", "lofts")),
             count(s.pigeons, QT_TRANSLATE_NOOP("ClubSetup", "pigeon"),
                   QT_TRANSLATE_NOOP("ClubSetup", "pigeons")),
             count(s.races, QT_TRANSLATE_NOOP("ClubSetup", "race"),
                   QT_TRANSLATE_NOOP("ClubSetup", "races")),
             count(s.entries, QT_TRANSLATE_NOOP("ClubSetup", "race entry"),
                   QT_TRANSLATE_NOOP("ClubSetup", "race entries")));
}

QString BeforeRestoreCopyName(const QString& backupDir, const QDateTime& now) {
    return QDir(backupDir).filePath(QStringLiteral("Kestrava_Europe_before_restore_") +
                                    now.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                                    QStringLiteral(".Bak"));
}

namespace {

RestoreOutcome RestoreFailed(const QString& reason) {
    return {RestoreOutcome::Status::Failed,
            ClubSetupText(kRestoreFailed) + QLatin1Char('\n') + reason +
                ClubSetup::tr("\nThe current data is unchanged."),
            {}};
}

// The copy of what a restore replaces: never over an older one of the same second.
QString FreeBeforeRestoreName(const QString& backupDir, const QDateTime& now) {
    QString kept = BeforeRestoreCopyName(backupDir, now);
    for (int n = 2; QFileInfo::exists(kept); ++n) {
        kept = BeforeRestoreCopyName(backupDir, now)
                   .replace(QStringLiteral(".Bak"), QStringLiteral("_%1.Bak").arg(n));
    }
    return kept;
}

// A club database on a server is restored by pg_restore from a backup pg_dump made, in one
// transaction on the server: a restore that fails leaves the database as it was.
RestoreOutcome RestoreOnServer(TdmZOLF& db, Prompts& prompts, const QString& backupFile,
                               const QString& backupDir, const QDateTime& now) {
    const ServerAddress server = ParseServerSource(db.fileName());
    if (!IsServerBackup(backupFile)) {
        return Refused(backupFile, ClubSetup::tr("it is not a backup of a club database on a "
                                                 "server."));
    }
    try {
        const QStringList missing = TablesMissingFromServerBackup(backupFile, ClubTableNames());
        if (!missing.isEmpty()) {
            return Refused(backupFile,
                           ClubSetup::tr("it is not a backup of this program's database; it "
                                         "lacks the tables %1.")
                               .arg(missing.join(QStringLiteral(", "))));
        }
    } catch (const ServerToolError& e) {
        return Refused(backupFile, e.text());
    }
    DatabaseSummary current;
    try {
        current = SummaryOf(db);
    } catch (const DbError&) {
        // The question then shows the current data as empty; the copy below still keeps it.
    }
    const QString kept = FreeBeforeRestoreName(backupDir, now);
    const QString made = GeneralText(QFileInfo(backupFile).lastModified());
    const QString question =
        ClubSetup::tr(
            "Restore the club database %1 on %2:%3 from the backup \"%4\" of %5?\n\nThe "
            "database holds %6, and will be replaced.\n\nThe current data is kept first as "
            "\"%7\", which \"Load Backup\" can restore.")
            .arg(server.database, server.host)
            .arg(server.port)
            .arg(QFileInfo(backupFile).fileName(), made, SummaryText(current),
                 QDir::toNativeSeparators(kept));
    if (prompts.question(question) != Prompts::Answer::Yes) {
        return {RestoreOutcome::Status::Cancelled, {}, {}};
    }

    QDir().mkpath(backupDir);
    QString reason;
    if (!WriteDatabaseCopy(db, kept, false, &reason)) {
        return RestoreFailed(ClubSetup::tr("The current data could not be kept first: ") + reason);
    }
    // The program's own connection holds nothing the restore must wait for.
    db.close();
    try {
        RestoreServerDatabase(server, backupFile);
    } catch (const ServerToolError& e) {
        try {
            db.reopen();
        } catch (const DbError&) {
        }
        return RestoreFailed(e.text());
    }
    return {RestoreOutcome::Status::Restored,
            ClubSetupText(kRestoreDone) + ClubSetup::tr("\nThe data it replaced is kept as \"%1\".")
                                              .arg(QDir::toNativeSeparators(kept)),
            kept};
}

}  // namespace

RestoreOutcome RestoreDatabase(TdmZOLF& db, Prompts& prompts, const QString& backupFile,
                               const QString& backupDir, const QDateTime& now) {
    if (db.isServer()) {
        return RestoreOnServer(db, prompts, backupFile, backupDir, now);
    }
    const QString target = db.fileName();
    if (SameFile(backupFile, target)) {
        return Refused(backupFile, ClubSetup::tr("it is the database in use."));
    }
    // Only a database of this program may replace the club's data.
    DatabaseSummary incoming;
    try {
        const QStringList missing = TdmZOLF::MissingTables(backupFile);
        if (!missing.isEmpty()) {
            return Refused(backupFile,
                           ClubSetup::tr("it is not a backup of this program's database; it "
                                         "lacks the tables %1.")
                               .arg(missing.join(QStringLiteral(", "))));
        }
        // A damaged backup would replace sound data with damaged data: it is refused before
        // anything is asked or replaced.
        const QStringList faults = TdmZOLF::IntegrityFaults(backupFile);
        if (!faults.isEmpty()) {
            return Refused(backupFile, ClubSetup::tr("it is damaged (%1).")
                                           .arg(faults.mid(0, 3).join(QStringLiteral("; "))));
        }
        incoming = SummaryOf(backupFile);
    } catch (const DbError& e) {
        return Refused(
            backupFile,
            ClubSetup::tr("it is not a backup of the club database (%1).").arg(e.text()));
    }
    DatabaseSummary current;
    try {
        current = SummaryOf(target);
    } catch (const DbError&) {
        // The question then shows the current data as empty; the copy below still keeps it.
    }

    // The copy of what is replaced: never over an older one of the same second.
    const QString kept = FreeBeforeRestoreName(backupDir, now);
    const QString made = GeneralText(QFileInfo(backupFile).lastModified());
    const QString question =
        ClubSetup::tr(
            "Load the backup \"%1\" of %2?\n\nIt holds %3.\nThe current data "
            "holds %4, and will be replaced.\n\nThe current data is kept first as "
            "\"%5\", which \"Load Backup\" can restore.")
            .arg(QFileInfo(backupFile).fileName(), made, SummaryText(incoming),
                 SummaryText(current), QDir::toNativeSeparators(kept));
    if (prompts.question(question) != Prompts::Answer::Yes) {
        return {RestoreOutcome::Status::Cancelled, {}, {}};
    }

    QDir().mkpath(backupDir);
    QString reason;
    if (!WriteDatabaseCopy(db, kept, false, &reason)) {
        return RestoreFailed(ClubSetup::tr("The current data could not be kept first: ") + reason);
    }

    // The backup is copied beside the database first, so that the database file is replaced in
    // one step and a failed copy leaves it as it was.
    const QString incomingFile = target + QStringLiteral(".restore");
    try {
        CopyWholeFile(backupFile, incomingFile);
    } catch (const FileWriteError& e) {
        return RestoreFailed(e.text());
    }
    QFile(incomingFile)
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    CopyModificationTime(backupFile, incomingFile);

    db.close();
    // Journal files of the old database must not be applied to the restored one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        QFile::remove(target + QLatin1String(suffix));
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(incomingFile).toStdString(),
                            QFile::encodeName(target).toStdString(), ec);
    if (ec) {
        QFile::remove(incomingFile);
        try {
            db.reopen();
        } catch (const DbError&) {
        }
        return RestoreFailed(QString::fromLocal8Bit(ec.message().c_str()));
    }
    return {RestoreOutcome::Status::Restored,
            ClubSetupText(kRestoreDone) + ClubSetup::tr("\nThe data it replaced is kept as \"%1\".")
                                              .arg(QDir::toNativeSeparators(kept)),
            kept};
}

namespace {
QString copiedText(const QString& target, const QList<CopiedTable>& counts) {
    QStringList lines{ClubSetupText(kCopiedTo).arg(target)};
    for (const CopiedTable& c : counts) {
        lines << ClubSetupText(kCopiedRows).arg(c.table).arg(c.targetRows);
    }
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

bool CopyClubToServer(TdmZOLF& db, Prompts& prompts, const QString& clubId, Progress& progress) {
    const QString link =
        prompts.lineText(ClubSetupText(kServerLinkPrompt), QStringLiteral("postgresql://"));
    if (link.isEmpty()) {
        return false;
    }
    try {
        // Checked before anything is opened, so that a password typed into the link is refused.
        const ServerAddress address = ParseServerSource(link);
        TdmZOLF server(address.url());
        const QList<CopiedTable> counts = CopyClubDatabase(db, server, progress);
        QString text = copiedText(address.display(), counts);
        // On a server shared by clubs the copied lofts belong to no club yet: they become this
        // club's.
        if (!clubId.trimmed().isEmpty() && ServerAccessIsSetUp(server.connection())) {
            const int lofts = ClaimCopiedClub(server, clubId.trimmed());
            text +=
                QLatin1Char('\n') + ClubSetupText(kCopiedLofts).arg(clubId.trimmed()).arg(lofts);
        }
        prompts.message(text);
        OfferClubLogin(server, prompts, clubId);
        return true;
    } catch (const UserError& e) {
        prompts.error(e.text());
        return false;
    }
}

void OfferClubLogin(TdmZOLF& db, Prompts& prompts, const QString& clubId) {
    const QString club = clubId.trimmed();
    try {
        const ClubLoginNeed need = ClubLoginNeeded(db, club);
        if (need == ClubLoginNeed::None) {
            return;
        }
        if (need == ClubLoginNeed::AskAdministrator) {
            prompts.message(ClubSetupText(kClubLoginByAdministrator).arg(club));
            return;
        }
        // Asked again after a refusal (a bad name, two different passwords) until made or
        // cancelled.
        QString login;
        for (;;) {
            login = prompts.lineText(ClubSetupText(kClubLoginName).arg(club), login);
            if (login.isEmpty()) {
                break;
            }
            const QString password =
                prompts.secretText(ClubSetupText(kClubLoginPassword).arg(login));
            if (password.isEmpty()) {
                break;
            }
            if (prompts.secretText(ClubSetupText(kClubLoginPasswordAgain)) != password) {
                prompts.error(ClubSetupText(kPasswordsDiffer));
                continue;
            }
            try {
                CreateClubLogin(db, club, login, password);
            } catch (const UserError& e) {
                prompts.error(e.text());
                continue;
            }
            ServerAddress link = ParseServerSource(db.fileName());
            link.user = login;
            prompts.message(ClubSetupText(kClubLoginMade).arg(login, club, link.url()));
            return;
        }
        prompts.message(ClubSetupText(kClubLoginLater).arg(club));
    } catch (const UserError& e) {
        prompts.error(e.text());
    }
}

bool CopyClubToNewFile(TdmZOLF& db, Prompts& prompts, Progress& progress) {
    const QString file = prompts.saveFileName(ClubSetupText(kClubFileFilter));
    if (file.isEmpty()) {
        return false;
    }
    try {
        const QList<CopiedTable> counts = CopyClubToFile(db, file, progress);
        prompts.message(copiedText(QDir::toNativeSeparators(file), counts));
        return true;
    } catch (const UserError& e) {
        // The engine's reason ("database or disk is full") does not say which file.
        const QString native = QDir::toNativeSeparators(file);
        prompts.error(e.text().contains(native)
                          ? e.text()
                          : ClubSetup::tr("The club could not be copied to \"%1\": %2")
                                .arg(native, e.text()));
        return false;
    }
}
