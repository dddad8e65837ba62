#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

class TdmZOLF;

// Who reaches what when several clubs and their federation share one database server.
//
// Three kinds of login work on it:
//  - the owner, who created the club tables (the federation's administrator); only the owner
//    sets up access and adds logins;
//  - the federation's logins (members of kestrava_federation): they read every club's rows and
//    write the federation's own tables (imports, combined results) and the shared lists
//    (liberation sites, club list, feather colours, sun times, club settings, distances);
//  - one login per club (members of kestrava_club, tied to a club code in KST_ClubRole): it
//    reads and writes its own club's races, entries, lofts, pigeons, clocks, distances and
//    clock times, reads the shared lists, and reaches nothing else.
// The server itself enforces this (row-level security and privileges), so a club's login used
// from any SQL tool reaches no more than it does through this program. A loft belongs to the
// club that entered it (KST_LoftClub); the tables without a club code reach a club through
// their loft, and the program's own race tables through their race.
//
// Everything here is for a server database only; on a file it throws DbError.

// Sets up (or brings up to date) the group logins, the club lookup, the policies and the
// privileges on every table the database holds. Safe to run again at any time; the owner runs
// it after adding tables. Throws DbError when the login lacks the right to create roles.
void SetUpServerAccess(TdmZOLF& db);

// True when the database's access has been set up (by SetUpServerAccess).
bool ServerAccessIsSetUp(const QSqlDatabase& db);

// After the owner created one of the program's own tables on a database whose access is set
// up: gives the table its policies and privileges at once. Nothing happens elsewhere.
void ApplyAccessToNewTable(const QSqlDatabase& db, const QString& table);

// Adds a club's login, or gives an existing one this club and password. The login name is
// lower case letters, digits and "_"; the password is sent to the server only as a salted
// verifier, never in clear. Throws DbError for a bad name, an empty password, a login that is
// the owner's or a superuser's, or when the server refuses.
void CreateClubLogin(TdmZOLF& db, const QString& clubId, const QString& login,
                     const QString& password);

// The same for a login of the federation.
void CreateFederationLogin(TdmZOLF& db, const QString& login, const QString& password);

// After a club's own file was copied into a server database, or the owner entered lofts: when
// the server is shared by clubs (its access set up), the club gets every loft that no club
// holds yet. Returns how many lofts it took (0 on a file or on a server not shared).
int ClaimCopiedClub(TdmZOLF& db, const QString& clubId);

// Whether a club on a shared server still needs a login of its own, as the login now running
// sees it.
enum class ClubLoginNeed {
    None,              // a file, a server not shared, or the club has its login already
    Create,            // none yet, and this login may create it (CreateClubLogin)
    AskAdministrator,  // none yet (or this login cannot tell), and only the owner may create it
};
ClubLoginNeed ClubLoginNeeded(TdmZOLF& db, const QString& clubId);

// The club code this connection's login is tied to; empty for the owner, a federation login,
// or a file.
QString SessionClub(TdmZOLF& db);

// The server's password verifier (SCRAM-SHA-256) for `password`, salted with `salt`: what the
// server stores instead of the password.
QString ScramVerifier(const QString& password, const QByteArray& salt, int iterations = 4096);
