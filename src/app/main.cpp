// Kestrava Club Management: program entry.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <memory>

#include "app/language.h"
#include "app/main_window.h"
#include "app/server_admin.h"
#include "data/app_context.h"
#include "data/errors.h"
#include "data/local_settings.h"
#include "widgets/accessible_names.h"
#include "widgets/qt_prompts.h"
#include "widgets/text_size.h"

namespace {

#ifdef Q_OS_WIN
const QString kDefaultPort = QStringLiteral("COM1");
#else
const QString kDefaultPort = QStringLiteral("/dev/ttyUSB0");
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NameControlsOfEveryWindow(app);
    QApplication::setApplicationName(QStringLiteral("Kestrava"));
    QApplication::setApplicationVersion(QStringLiteral("8.15"));
    QApplication::setDesktopFileName(QStringLiteral("kestrava"));
    // The program ends when the main window closes, not when the first-run window does.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kestrava Club Management"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("data"),
                      QStringLiteral("Keep the database and ZOLF.ini in <dir>."),
                      QStringLiteral("dir")});
    parser.addPositionalArgument(
        QStringLiteral("port"),
        QStringLiteral("Serial port of the club antenna for this run (default: the port chosen in "
                       "Setup, else %1).")
            .arg(kDefaultPort),
        QStringLiteral("[port]"));
    AddServerAdminOptions(parser);
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    const QString port = PortForRun(positional.isEmpty() ? QString() : positional.first(),
                                    RememberedPort(*OpenLocalSettings()), kDefaultPort);

    QtPrompts prompts;
    const DataPaths paths =
        DataPaths::resolve(parser.value(QStringLiteral("data")), QDir::currentPath(),
                           QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!QDir().mkpath(paths.dataDir)) {
        prompts.error(QStringLiteral("The data folder %1 cannot be created.").arg(paths.dataDir));
        return 1;
    }

    // The data module first: a file that is not a database of this program is refused here,
    // untouched, and the program ends.
    std::unique_ptr<TdmZOLF> db;
    try {
        db = std::make_unique<TdmZOLF>(paths.databaseFile);
    } catch (const UserError& e) {
        prompts.error(e.text());
        return 1;
    }

    // Saves made here are recorded under this seat's name (Setup), by default the host name.
    db->setSeat(RememberedSeat(*OpenLocalSettings()));

    // A task of a shared server's owner ends the program when done, before any window.
    try {
        const ServerAdminRequest admin = ServerAdminRequestFrom(parser);
        if (admin.kind != ServerAdminRequest::Kind::None) {
            QTextStream in(stdin);
            QTextStream out(stdout);
#ifdef Q_OS_UNIX
            const bool terminal = ::isatty(0) != 0;
#else
            const bool terminal = true;
#endif
            return RunServerAdmin(*db, admin, in, out, terminal);
        }
    } catch (const UserError& e) {
        QTextStream(stderr) << e.text() << Qt::endl;
        return 1;
    }

    // The club's language, chosen on the Setup screen, holds from here on.
    InstallClubLanguage(*db);
    ApplyLargerText(ClubLargerText(*db));

    SystemClock clock;
    AppContext ctx{*db, prompts, clock, paths, port};
    int result = 0;
    {
        TfrmMenu_V8_EU_TC window(ctx);
        prompts.setParent(&window);
        QObject::connect(&window, &TfrmMenu_V8_EU_TC::closed, &app, &QApplication::quit);
        if (!window.startAllowed()) {
            // The first run ended without a club record: the window closes before it is seen.
            window.close();
            return 0;
        }
        window.show();
        result = app.exec();
    }
    return result;
}
