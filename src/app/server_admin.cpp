#include "server_admin.h"

#include <QCommandLineParser>
#include <QTextStream>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

#include "competitions/championship.h"
#include "competitions/competition_types.h"
#include "competitions/pool_store.h"
#include "competitions/race_types.h"
#include "data/database.h"
#include "data/errors.h"
#include "data/server_access.h"
#include "federation/federation_import.h"
#include "races/distance_method.h"
#include "races/entry_history.h"

namespace {

// Reads one line as typed, without showing it when it comes from a terminal.
QString ReadSecretLine(QTextStream& in, bool terminal) {
#ifdef Q_OS_UNIX
    termios saved{};
    const bool hide = terminal && ::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hide) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const QString line = in.readLine();
    if (hide) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    return line;
#else
    Q_UNUSED(terminal);
    return in.readLine();
#endif
}

QString ReadNewPassword(const QString& login, QTextStream& in, QTextStream& out, bool terminal) {
    out << QStringLiteral("Password for %1: ").arg(login) << Qt::flush;
    const QString password = ReadSecretLine(in, terminal);
    if (terminal) {
        out << QStringLiteral("\nThe same password again: ") << Qt::flush;
        const QString again = ReadSecretLine(in, terminal);
        out << Qt::endl;
        if (again != password) {
            throw UserError(QStringLiteral("The two passwords differ; nothing was changed."));
        }
    } else {
        out << Qt::endl;
    }
    return password;
}

}  // namespace

void PrepareSharedServer(TdmZOLF& db) {
    if (!db.isServer()) {
        throw UserError(QStringLiteral("The database %1 is a file on this computer; logins and "
                                       "access rules exist only on a database server.")
                            .arg(db.fileName()));
    }
    db.transaction([&] {
        CreateFederationTables(db);
        EnsureEntryHistoryTables(db);
        CreatePoolTables(db);
        CreateRaceTypeTables(db);
        CreateChampionshipTable(db);
        CreateSeasonResultTable(db);
        CreateDistanceSourceTable(db);
        // The clubs' Setup screens store the distance method with the club record; stored
        // here once, a club that keeps it unchanged is not refused for it.
        SetClubDistanceMethod(db, ClubDistanceMethod(db));
    });
    SetUpServerAccess(db);
}

void AddServerAdminOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("set-up-server"),
                      QStringLiteral("On a database server shared by clubs: create the program's "
                                     "tables and the rules of who reaches what, then end.")});
    parser.addOption({QStringLiteral("add-club-login"),
                      QStringLiteral("Add the login <login> for the club given with --club (or "
                                     "give it a new password; the password is asked), then end."),
                      QStringLiteral("login")});
    parser.addOption({QStringLiteral("club"), QStringLiteral("The club code for --add-club-login."),
                      QStringLiteral("code")});
    parser.addOption({QStringLiteral("add-federation-login"),
                      QStringLiteral("Add the federation's login <login> (or give it a new "
                                     "password; the password is asked), then end."),
                      QStringLiteral("login")});
    parser.addOption({QStringLiteral("give-free-lofts"),
                      QStringLiteral("Give the club <code> every loft no club holds yet (the "
                                     "lofts of the club's copied file), then end."),
                      QStringLiteral("code")});
}

ServerAdminRequest ServerAdminRequestFrom(const QCommandLineParser& parser) {
    ServerAdminRequest r;
    int asked = 0;
    if (parser.isSet(QStringLiteral("set-up-server"))) {
        r.kind = ServerAdminRequest::Kind::SetUp;
        ++asked;
    }
    if (parser.isSet(QStringLiteral("add-club-login"))) {
        r.kind = ServerAdminRequest::Kind::ClubLogin;
        r.login = parser.value(QStringLiteral("add-club-login"));
        r.club = parser.value(QStringLiteral("club")).trimmed().toUpper();
        if (r.club.isEmpty()) {
            throw UserError(QStringLiteral("--add-club-login needs the club's code: --club CODE."));
        }
        ++asked;
    }
    if (parser.isSet(QStringLiteral("add-federation-login"))) {
        r.kind = ServerAdminRequest::Kind::FederationLogin;
        r.login = parser.value(QStringLiteral("add-federation-login"));
        ++asked;
    }
    if (parser.isSet(QStringLiteral("give-free-lofts"))) {
        r.kind = ServerAdminRequest::Kind::FreeLofts;
        r.club = parser.value(QStringLiteral("give-free-lofts")).trimmed().toUpper();
        ++asked;
    }
    if (asked > 1) {
        throw UserError(QStringLiteral("Give one server task at a time."));
    }
    return r;
}

int RunServerAdmin(TdmZOLF& db, const ServerAdminRequest& request, QTextStream& in,
                   QTextStream& out, bool terminal) {
    try {
        switch (request.kind) {
            case ServerAdminRequest::Kind::None:
                return 0;
            case ServerAdminRequest::Kind::SetUp:
                PrepareSharedServer(db);
                out << QStringLiteral("The access rules are set up on %1.").arg(db.fileName())
                    << Qt::endl;
                return 0;
            case ServerAdminRequest::Kind::ClubLogin: {
                PrepareSharedServer(db);
                const QString password = ReadNewPassword(request.login, in, out, terminal);
                CreateClubLogin(db, request.club, request.login, password);
                out << QStringLiteral("The login %1 works for the club %2 only.")
                           .arg(request.login, request.club)
                    << Qt::endl;
                return 0;
            }
            case ServerAdminRequest::Kind::FederationLogin: {
                PrepareSharedServer(db);
                const QString password = ReadNewPassword(request.login, in, out, terminal);
                CreateFederationLogin(db, request.login, password);
                out << QStringLiteral("The login %1 is the federation's.").arg(request.login)
                    << Qt::endl;
                return 0;
            }
            case ServerAdminRequest::Kind::FreeLofts: {
                PrepareSharedServer(db);
                const int taken = ClaimCopiedClub(db, request.club);
                out << QStringLiteral("%1 lofts that no club held are now the club %2's.")
                           .arg(taken)
                           .arg(request.club)
                    << Qt::endl;
                return 0;
            }
        }
    } catch (const UserError& e) {
        out << e.text() << Qt::endl;
    }
    return 1;
}
