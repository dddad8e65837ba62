#include "server_backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <QVersionNumber>

namespace {
struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};

// How long a restore waits for another seat's lock on a table before it gives up (and leaves
// the database as it was) rather than hanging the program.
constexpr int kRestoreLockWaitMs = 30000;
// How long the client programs try to reach the server.
constexpr int kConnectTimeoutSeconds = 15;

QString MissingToolText(const QString& name) {
    if (name == QLatin1String("pg_restore")) {
        return DataText::tr(
            "pg_restore was not found; install the PostgreSQL client programs to restore a club "
            "database on a server.");
    }
    return DataText::tr(
        "pg_dump was not found; install the PostgreSQL client programs to back up a club "
        "database on a server.");
}

QStringList ConnectionArguments(const ServerAddress& a) {
    return {QStringLiteral("--no-password"),
            QStringLiteral("-h"),
            a.host,
            QStringLiteral("-p"),
            QString::number(a.port),
            QStringLiteral("-U"),
            a.user,
            QStringLiteral("-d"),
            a.database};
}

// The first error the program wrote, in plain words: without its "pg_restore: error: " prefix
// and the server's "could not execute query: ERROR:" in front of the reason itself.
QString FirstErrorLine(const QString& tool, const QByteArray& errors) {
    const QString errorPrefix = tool + QStringLiteral(": error: ");
    const QString toolPrefix = tool + QStringLiteral(": ");
    QString first;
    QString firstError;
    for (const QString& raw : QString::fromLocal8Bit(errors).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(errorPrefix)) {
            firstError = line.mid(errorPrefix.size());
            break;
        }
        if (first.isEmpty()) {
            first = line.startsWith(toolPrefix) ? line.mid(toolPrefix.size()) : line;
        }
    }
    QString text = firstError.isEmpty() ? first : firstError;
    const int server = text.indexOf(QLatin1String("ERROR:"));
    if (text.startsWith(QLatin1String("could not execute query: ")) && server >= 0) {
        text = text.mid(server + 6).trimmed();
    }
    return text;
}

struct ToolRun {
    int exitCode = -1;
    bool crashed = false;
    QByteArray output;
    QByteArray errors;
};

// Runs a client program to its end, keeping the windows painted meanwhile. The environment is
// the program's own, with the connection's protection and a limit on the wait for the server.
ToolRun RunTool(const QString& name, const QStringList& arguments, const QString& sslMode,
                const QString& serverOptions = {}) {
    const QString program = FindServerTool(name);
    if (program.isEmpty()) {
        throw ServerToolError(MissingToolText(name));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!sslMode.isEmpty()) {
        env.insert(QStringLiteral("PGSSLMODE"), sslMode);
    }
    if (!env.contains(QStringLiteral("PGCONNECT_TIMEOUT"))) {
        env.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QString::number(kConnectTimeoutSeconds));
    }
    if (!serverOptions.isEmpty()) {
        env.insert(
            QStringLiteral("PGOPTIONS"),
            (env.value(QStringLiteral("PGOPTIONS")) + QLatin1Char(' ') + serverOptions).trimmed());
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        throw ServerToolError(DataText::tr("%1 could not be started: %2")
                                  .arg(QFileInfo(program).fileName(), process.errorString()));
    }
    process.closeWriteChannel();
    QCoreApplication* app = QCoreApplication::instance();
    const bool windows = app != nullptr && QThread::currentThread() == app->thread();
    ToolRun run;
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(50);
        // Read as it comes, so that a program that writes much never waits on a full pipe.
        run.output += process.readAllStandardOutput();
        run.errors += process.readAllStandardError();
        if (windows) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        }
    }
    run.output += process.readAllStandardOutput();
    run.errors += process.readAllStandardError();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    return run;
}

// The plain reason a run failed, or empty when it succeeded.
QString FailureOf(const QString& tool, const ToolRun& run) {
    if (run.crashed) {
        return DataText::tr("%1 stopped unexpectedly.").arg(tool);
    }
    if (run.exitCode != 0) {
        const QString line = FirstErrorLine(tool, run.errors);
        return line.isEmpty() ? DataText::tr("%1 ended with code %2.").arg(tool).arg(run.exitCode)
                              : line;
    }
    return {};
}
}  // namespace

QString FindServerTool(const QString& name) {
    const QString folder = qEnvironmentVariable("KESTRAVA_PG_BIN");
    if (!folder.isEmpty()) {
        return QStandardPaths::findExecutable(name, {folder});
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty()) {
        return onPath;
    }
    QString newest;
    QVersionNumber newestVersion;
    const QDir installed(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version : installed.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString candidate = QStandardPaths::findExecutable(
            name, {installed.filePath(version + QStringLiteral("/bin"))});
        const QVersionNumber number = QVersionNumber::fromString(version);
        if (!candidate.isEmpty() && (newest.isEmpty() || number > newestVersion)) {
            newest = candidate;
            newestVersion = number;
        }
    }
    return newest;
}

void DumpServerDatabase(const ServerAddress& address, const QString& file) {
    const QString tool = QStringLiteral("pg_dump");
    const ToolRun run = RunTool(tool,
                                QStringList{QStringLiteral("-Fc")} + ConnectionArguments(address) +
                                    QStringList{QStringLiteral("-f"), file},
                                address.sslMode);
    QString failure = FailureOf(tool, run);
    if (failure.isEmpty() && !IsServerBackup(file)) {
        failure = DataText::tr("pg_dump wrote no backup.");
    }
    if (!failure.isEmpty()) {
        throw ServerToolError(DataText::tr("The club database %1 could not be backed up: %2")
                                  .arg(address.display(), failure));
    }
}

bool IsServerBackup(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(5) == "PGDMP";
}

QStringList TablesMissingFromServerBackup(const QString& file, const QStringList& tables) {
    const QString tool = QStringLiteral("pg_restore");
    const ToolRun run = RunTool(tool, {QStringLiteral("--list"), file}, {});
    const QString failure = FailureOf(tool, run);
    if (!failure.isEmpty()) {
        throw ServerToolError(failure);
    }
    // Table of contents lines: "215; 1259 16386 TABLE public zol_clubdata secretary".
    QStringList present;
    for (const QString& line : QString::fromUtf8(run.output).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        const int at = words.indexOf(QStringLiteral("TABLE"));
        if (at > 0 && at + 2 < words.size()) {
            present << words.at(at + 2).toLower();
        }
    }
    QStringList missing;
    for (const QString& table : tables) {
        if (!present.contains(table.toLower())) {
            missing << table;
        }
    }
    return missing;
}

void RestoreServerDatabase(const ServerAddress& address, const QString& file) {
    const QString tool = QStringLiteral("pg_restore");
    const ToolRun run =
        RunTool(tool,
                QStringList{QStringLiteral("--clean"), QStringLiteral("--if-exists"),
                            QStringLiteral("--single-transaction"), QStringLiteral("--no-owner")} +
                    ConnectionArguments(address) + QStringList{file},
                address.sslMode, QStringLiteral("-c lock_timeout=%1").arg(kRestoreLockWaitMs));
    const QString failure = FailureOf(tool, run);
    if (!failure.isEmpty()) {
        throw ServerToolError(failure);
    }
}
