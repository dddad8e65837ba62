#include "server_access.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "database.h"
#include "errors.h"
#include "sql_dialect.h"

namespace {

const QString kClubGroup = QStringLiteral("kestrava_club");
const QString kFederationGroup = QStringLiteral("kestrava_federation");

// What a table is to the clubs and to the federation.
enum class Reach {
    Private,         // the login lookup itself: owner only (the federation may read)
    ClubCode,        // rows carry the club's code
    Loft,            // rows reach a club through their loft
    Race,            // rows reach a club through their race (code and day)
    SharedWritable,  // every club reads and writes (sun times of a race day)
    SharedRead,      // every club reads; the federation writes
    ClubList,        // every club reads; a club writes its own entry only
    Federation,      // the federation's own tables: clubs reach nothing
};

// A refusal of the owner's work. Only the owner sets up access and adds logins, so a refused
// right says so with the server's reason, which the administrator needs.
DbError refused(const QSqlError& error) {
    if (IsPermissionRefusal(error)) {
        return DbError(QStringLiteral("Only the owner of the club tables, with the right to create "
                                      "logins, may do this (the server refused: %1).")
                           .arg(error.databaseText().trimmed()),
                       RefusalCode(error));
    }
    return DbError(RefusalText(SqlEngine::Postgres, error), RefusalCode(error));
}

// Runs a statement as it stands (grants, roles and policies cannot be prepared).
void raw(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) {
        throw refused(q.lastError());
    }
}

// Runs a query with its values bound, positioned before its first row.
QSqlQuery rawQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& params) {
    QSqlQuery q(db);
    if (!q.prepare(sql)) {
        throw refused(q.lastError());
    }
    for (int i = 0; i < params.size(); ++i) {
        q.bindValue(i, params.at(i));
    }
    if (!q.exec()) {
        throw refused(q.lastError());
    }
    return q;
}

QVariant rawValue(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = rawQuery(db, sql, params);
    return q.next() ? q.value(0) : QVariant();
}

QStringList rawTexts(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = rawQuery(db, sql, params);
    QStringList out;
    while (q.next()) {
        out << q.value(0).toString();
    }
    return out;
}

void requireServer(TdmZOLF& db) {
    if (!db.isServer()) {
        throw DbError(QStringLiteral("Logins and access rules exist only on a database server."));
    }
}

Reach reachOf(const QSqlDatabase& db, const QString& table) {
    const QString t = table.toLower();
    if (t == QLatin1String("kst_clubrole") || t == QLatin1String("kst_loftclub")) {
        return Reach::Private;
    }
    if (t == QLatin1String("zol_racedata") || t == QLatin1String("zol_pigracedata") ||
        t == QLatin1String("zol_clubdata")) {
        return Reach::ClubCode;
    }
    if (t == QLatin1String("zol_loftdata") || t == QLatin1String("zol_loftclocks") ||
        t == QLatin1String("zol_pigdata") || t == QLatin1String("zol_loftlibpointdist") ||
        t == QLatin1String("zol_raceclocktime")) {
        return Reach::Loft;
    }
    if (t == QLatin1String("zol_clubmap")) {
        return Reach::ClubList;
    }
    if (t == QLatin1String("zol_sunset_sunrise")) {
        return Reach::SharedWritable;
    }
    if (t.startsWith(QLatin1String("zol_"))) {
        return Reach::SharedRead;  // liberation sites, club list, feather colours
    }
    if (t.startsWith(QLatin1String("kst_fed"))) {
        return Reach::Federation;
    }
    // The program's own tables, by what their rows carry.
    const QStringList columns = rawTexts(db,
                                         QStringLiteral("select column_name::text from "
                                                        "information_schema.columns where "
                                                        "table_schema = current_schema() and "
                                                        "table_name = ?"),
                                         {t});
    if (columns.contains(QLatin1String("clubid"))) {
        return Reach::ClubCode;
    }
    if (columns.contains(QLatin1String("libercode")) &&
        columns.contains(QLatin1String("liberdate"))) {
        return Reach::Race;
    }
    if (columns.contains(QLatin1String("loftno"))) {
        return Reach::Loft;
    }
    return Reach::SharedRead;
}

// Gives one table its policies and privileges; run again, it sets the same.
void applyTo(const QSqlDatabase& db, const QString& table) {
    const QString t = table.toLower();
    static const QRegularExpression plainName(QStringLiteral("^[a-z_][a-z0-9_]*$"));
    if (!plainName.match(t).hasMatch()) {
        return;  // not one of the program's tables
    }
    const Reach reach = reachOf(db, t);
    raw(db, QStringLiteral("revoke all on %1 from %2, %3").arg(t, kClubGroup, kFederationGroup));
    QString rowsOfClub;
    switch (reach) {
        case Reach::ClubCode:
            rowsOfClub = QStringLiteral("ClubID = kst_session_club()");
            break;
        case Reach::Loft:
            rowsOfClub = QStringLiteral("kst_club_loft(LoftNo)");
            break;
        case Reach::Race:
            rowsOfClub = QStringLiteral("kst_club_race(LiberCode, LiberDate)");
            break;
        default:
            break;
    }
    if (!rowsOfClub.isEmpty()) {
        raw(db, QStringLiteral("alter table %1 enable row level security").arg(t));
        raw(db, QStringLiteral("drop policy if exists kst_club on %1").arg(t));
        raw(db, QStringLiteral("create policy kst_club on %1 to %2 using (%3) with check (%3)")
                    .arg(t, kClubGroup, rowsOfClub));
        raw(db, QStringLiteral("drop policy if exists kst_federation on %1").arg(t));
        raw(db, QStringLiteral("create policy kst_federation on %1 to %2 using (true) with "
                               "check (true)")
                    .arg(t, kFederationGroup));
        raw(db,
            QStringLiteral("grant select, insert, update, delete on %1 to %2").arg(t, kClubGroup));
        raw(db, QStringLiteral("grant select on %1 to %2").arg(t, kFederationGroup));
        if (t == QLatin1String("zol_loftlibpointdist")) {
            // A new liberation site brings a distance row for every loft.
            raw(db, QStringLiteral("grant insert, update, delete on %1 to %2")
                        .arg(t, kFederationGroup));
        }
        return;
    }
    switch (reach) {
        case Reach::Private:
            if (t == QLatin1String("kst_loftclub")) {
                raw(db, QStringLiteral("grant select on %1 to %2").arg(t, kFederationGroup));
            }
            break;
        case Reach::SharedWritable:
            raw(db, QStringLiteral("grant select, insert, update, delete on %1 to %2, %3")
                        .arg(t, kClubGroup, kFederationGroup));
            break;
        case Reach::SharedRead:
            raw(db, QStringLiteral("grant select on %1 to %2").arg(t, kClubGroup));
            raw(db, QStringLiteral("grant select, insert, update, delete on %1 to %2")
                        .arg(t, kFederationGroup));
            break;
        case Reach::ClubList:
            // A club's first set-up enters the club under its name in the list.
            raw(db, QStringLiteral("alter table %1 enable row level security").arg(t));
            raw(db, QStringLiteral("drop policy if exists kst_club_read on %1").arg(t));
            raw(db, QStringLiteral("create policy kst_club_read on %1 for select to %2 using "
                                   "(true)")
                        .arg(t, kClubGroup));
            raw(db, QStringLiteral("drop policy if exists kst_club on %1").arg(t));
            raw(db, QStringLiteral("create policy kst_club on %1 to %2 using (ClubID = "
                                   "kst_session_club()) with check (ClubID = kst_session_club())")
                        .arg(t, kClubGroup));
            raw(db, QStringLiteral("drop policy if exists kst_federation on %1").arg(t));
            raw(db, QStringLiteral("create policy kst_federation on %1 to %2 using (true) with "
                                   "check (true)")
                        .arg(t, kFederationGroup));
            raw(db, QStringLiteral("grant select, insert, update, delete on %1 to %2, %3")
                        .arg(t, kClubGroup, kFederationGroup));
            break;
        case Reach::Federation:
            raw(db, QStringLiteral("grant select, insert, update, delete on %1 to %2")
                        .arg(t, kFederationGroup));
            break;
        default:
            break;
    }
}

void ensureGroup(const QSqlDatabase& db, const QString& group) {
    if (rawValue(db, QStringLiteral("select count(*) from pg_roles where rolname = ?"), {group})
            .toInt() == 0) {
        raw(db, QStringLiteral("create role %1 nologin").arg(group));
    }
}

QString checkedLogin(const QString& login) {
    static const QRegularExpression name(QStringLiteral("^[a-z][a-z0-9_]{0,62}$"));
    if (!name.match(login).hasMatch() || login.startsWith(QLatin1String("pg_")) ||
        login == kClubGroup || login == kFederationGroup) {
        throw DbError(QStringLiteral("The login name \"%1\" cannot be used: give lower-case "
                                     "letters, digits and _ only, starting with a letter.")
                          .arg(login));
    }
    return login;
}

// Creates the login or gives it the new password, in the one group named; never the login the
// program runs under, nor one with the server's full rights.
void ensureLogin(TdmZOLF& db, const QString& login, const QString& password, const QString& group,
                 const QString& otherGroup) {
    requireServer(db);
    checkedLogin(login);
    if (password.isEmpty()) {
        throw DbError(QStringLiteral("The login %1 needs a password.").arg(login));
    }
    const QSqlDatabase c = db.connection();
    if (!ServerAccessIsSetUp(c)) {
        SetUpServerAccess(db);
    }
    // Null when there is no such login yet.
    const QVariant mighty = rawValue(
        c,
        QStringLiteral("select rolsuper or rolcreaterole or rolcreatedb or rolbypassrls from "
                       "pg_roles where rolname = ?"),
        {login});
    const QString me = rawValue(c, QStringLiteral("select session_user::text")).toString();
    if (mighty.toBool() || login == me) {
        throw DbError(QStringLiteral("The login %1 has more rights than a club or the "
                                     "federation should; choose another name.")
                          .arg(login));
    }
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), 4);
    const QString verifier = ScramVerifier(password, salt);
    db.transaction([&] {
        // A new login has none of the server's wider rights (the defaults); one that has them
        // was refused above.
        raw(c, QStringLiteral("%1 role %2 with login password '%3'")
                   .arg(mighty.isNull() ? QStringLiteral("create") : QStringLiteral("alter"), login,
                        verifier));
        // A login is a club's or the federation's, never both.
        if (rawValue(c, QStringLiteral("select pg_has_role(?, ?, 'member')"), {login, otherGroup})
                .toBool()) {
            raw(c, QStringLiteral("revoke %1 from %2").arg(otherGroup, login));
        }
        raw(c, QStringLiteral("grant %1 to %2").arg(group, login));
    });
}

QByteArray hmac(const QByteArray& key, const QByteArray& message) {
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

}  // namespace

QString ScramVerifier(const QString& password, const QByteArray& salt, int iterations) {
    // PBKDF2 with HMAC-SHA-256, one block of 32 bytes (the server's own key derivation).
    const QByteArray secret = password.normalized(QString::NormalizationForm_KC).toUtf8();
    QByteArray u = hmac(secret, salt + QByteArray("\x00\x00\x00\x01", 4));
    QByteArray salted = u;
    for (int i = 1; i < iterations; ++i) {
        u = hmac(secret, u);
        for (int b = 0; b < salted.size(); ++b) {
            salted[b] = char(salted.at(b) ^ u.at(b));
        }
    }
    const QByteArray storedKey =
        QCryptographicHash::hash(hmac(salted, "Client Key"), QCryptographicHash::Sha256);
    const QByteArray serverKey = hmac(salted, "Server Key");
    return QStringLiteral("SCRAM-SHA-256$%1:%2$%3:%4")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(storedKey.toBase64()),
             QString::fromLatin1(serverKey.toBase64()));
}

bool ServerAccessIsSetUp(const QSqlDatabase& db) {
    if (db.driver() == nullptr || db.driver()->dbmsType() != QSqlDriver::PostgreSQL) {
        return false;
    }
    QSqlQuery q(db);
    return q.exec(QStringLiteral("select to_regprocedure('kst_session_club()') is not null")) &&
           q.next() && q.value(0).toBool();
}

void ApplyAccessToNewTable(const QSqlDatabase& db, const QString& table) {
    if (ServerAccessIsSetUp(db)) {
        applyTo(db, table);
    }
}

void SetUpServerAccess(TdmZOLF& db) {
    requireServer(db);
    const QSqlDatabase c = db.connection();
    db.transaction([&] {
        ensureGroup(c, kClubGroup);
        ensureGroup(c, kFederationGroup);
        // Which club each club login works for, and which club each loft belongs to.
        db.exec(
            QStringLiteral("create table if not exists KST_ClubRole (RoleName TEXT primary "
                           "key, ClubID TEXT not null)"));
        db.exec(
            QStringLiteral("create table if not exists KST_LoftClub (LoftNo TEXT primary "
                           "key, ClubID TEXT not null)"));
        // The lookups run with the owner's rights, so that a club's login needs no right on
        // the lookup tables, and a fixed search path, so that no one can put a table of the
        // same name in their way.
        // The loft lookup is volatile: a stable function sees the rows as they were when the
        // statement began, and so would not see the loft a new member's insert has just tied
        // to the club.
        const QString lookup = QStringLiteral(
            "language sql %1 security definer set search_path = pg_catalog, public as $$ %2 $$");
        const QString stable = QStringLiteral("stable");
        raw(c, QStringLiteral("create or replace function kst_session_club() returns text ") +
                   lookup.arg(stable, QStringLiteral("select ClubID from KST_ClubRole where "
                                                     "RoleName = session_user")));
        raw(c, QStringLiteral("create or replace function kst_club_loft(loft text) returns "
                              "boolean ") +
                   lookup.arg(QStringLiteral("volatile"),
                              QStringLiteral("select exists (select 1 from KST_LoftClub c where "
                                             "c.LoftNo = loft and c.ClubID = "
                                             "kst_session_club())")));
        raw(c, QStringLiteral("create or replace function kst_club_race(code text, day text) "
                              "returns boolean ") +
                   lookup.arg(
                       stable,
                       QStringLiteral("select exists (select 1 from ZOL_RaceData r where "
                                      "r.LiberCode = code and substr(r.LiberDate, 1, 10) = "
                                      "substr(day, 1, 10) and r.ClubID = kst_session_club())")));
        // A loft a club enters is that club's loft (unless another club holds the number:
        // then the club's policy refuses the new row).
        raw(c, QStringLiteral(
                   "create or replace function kst_tag_loft() returns trigger language plpgsql "
                   "security definer set search_path = pg_catalog, public as $$ "
                   "declare club text := kst_session_club(); "
                   "begin "
                   "if club is not null and new.LoftNo is not null then "
                   "insert into KST_LoftClub (LoftNo, ClubID) values (new.LoftNo, club) "
                   "on conflict (LoftNo) do nothing; "
                   "end if; "
                   "return new; "
                   "end $$"));
        raw(c, QStringLiteral("drop trigger if exists kst_tag_loft on zol_loftdata"));
        raw(c, QStringLiteral("create trigger kst_tag_loft before insert on zol_loftdata for "
                              "each row execute function kst_tag_loft()"));
        raw(c, QStringLiteral("revoke create on schema public from public"));
        raw(c, QStringLiteral("grant usage on schema public to %1, %2")
                   .arg(kClubGroup, kFederationGroup));
        const QStringList tables = rawTexts(c, QStringLiteral("select tablename::text from "
                                                              "pg_tables where schemaname = "
                                                              "current_schema()"));
        for (const QString& table : tables) {
            applyTo(c, table);
        }
    });
}

void CreateClubLogin(TdmZOLF& db, const QString& clubId, const QString& login,
                     const QString& password) {
    const QString club = clubId.trimmed();
    if (club.isEmpty()) {
        throw DbError(QStringLiteral("A club login needs the club's code."));
    }
    ensureLogin(db, login, password, kClubGroup, kFederationGroup);
    db.exec(QStringLiteral("insert into KST_ClubRole (RoleName, ClubID) values (?, ?) "
                           "on conflict (RoleName) do update set ClubID = excluded.ClubID"),
            {login, club});
}

void CreateFederationLogin(TdmZOLF& db, const QString& login, const QString& password) {
    ensureLogin(db, login, password, kFederationGroup, kClubGroup);
    db.exec(QStringLiteral("delete from KST_ClubRole where RoleName = ?"), {login});
}

int ClaimCopiedClub(TdmZOLF& db, const QString& clubId) {
    if (!db.isServer() || !ServerAccessIsSetUp(db.connection())) {
        return 0;
    }
    const QString freeLofts = QStringLiteral(
        "from ZOL_LoftData where LoftNo is not null and LoftNo not in (select LoftNo from "
        "KST_LoftClub)");
    int taken = 0;
    db.transaction([&] {
        taken = db.rowCount(QStringLiteral("select distinct LoftNo ") + freeLofts);
        db.exec(QStringLiteral("insert into KST_LoftClub (LoftNo, ClubID) select distinct "
                               "LoftNo, cast(? as text) ") +
                    freeLofts,
                {clubId.trimmed()});
    });
    return taken;
}

ClubLoginNeed ClubLoginNeeded(TdmZOLF& db, const QString& clubId) {
    const QString club = clubId.trimmed();
    if (club.isEmpty() || !db.isServer()) {
        return ClubLoginNeed::None;
    }
    const QSqlDatabase c = db.connection();
    // A club's own login works for its club already, and may set up no other.
    if (!ServerAccessIsSetUp(c) || !SessionClub(db).isEmpty()) {
        return ClubLoginNeed::None;
    }
    const bool mayRead =
        rawValue(c, QStringLiteral("select has_table_privilege('kst_clubrole', 'select')"))
            .toBool();
    if (mayRead &&
        rawValue(c, QStringLiteral("select count(*) from KST_ClubRole where ClubID = ?"), {club})
                .toInt() > 0) {
        return ClubLoginNeed::None;
    }
    const bool mayCreate =
        mayRead &&
        rawValue(c, QStringLiteral("select (rolsuper or rolcreaterole) and "
                                   "has_table_privilege('kst_clubrole', 'insert') from pg_roles "
                                   "where rolname = session_user"))
            .toBool();
    return mayCreate ? ClubLoginNeed::Create : ClubLoginNeed::AskAdministrator;
}

QString SessionClub(TdmZOLF& db) {
    if (!db.isServer() || !ServerAccessIsSetUp(db.connection())) {
        return {};
    }
    return rawValue(db.connection(), QStringLiteral("select kst_session_club()")).toString();
}
