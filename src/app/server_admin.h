#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;
class TdmZOLF;

// Running a database server that several clubs and their federation share: what its owner does
// from the command line, before any window opens (see the README, "Running a federation
// server"). The password of a new login is typed, never given on the command line, and reaches
// the server only as a salted verifier.

// Creates every table of the program's own that is still missing (the clubs' logins cannot
// create tables) and sets up, or brings up to date, who reaches what.
void PrepareSharedServer(TdmZOLF& db);

struct ServerAdminRequest {
    enum class Kind { None, SetUp, ClubLogin, FederationLogin, FreeLofts };
    Kind kind = Kind::None;
    QString login;
    QString club;
};

// The options: --set-up-server, --add-club-login LOGIN --club CODE, --add-federation-login
// LOGIN, --give-free-lofts CODE.
void AddServerAdminOptions(QCommandLineParser& parser);
// What the command line asks; throws UserError for an incomplete or mixed request.
ServerAdminRequest ServerAdminRequestFrom(const QCommandLineParser& parser);

// Carries out the request on the open database (a server, opened by its owner). A new login's
// password is read from `in`: typed twice without echo on a terminal, one line otherwise.
// Reports to `out`; returns the program's exit code (0 done, 1 refused).
int RunServerAdmin(TdmZOLF& db, const ServerAdminRequest& request, QTextStream& in,
                   QTextStream& out, bool terminal);
