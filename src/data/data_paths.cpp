#include "data_paths.h"

#include "sql_dialect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

DataPaths DataPaths::forDataDir(const QString& dir) {
    DataPaths p;
    p.dataDir = QDir::cleanPath(QDir(dir).absolutePath());
    p.databaseFile = p.dataDir + QLatin1Char('/') + QLatin1String(kDatabaseName);
    p.iniFile = p.dataDir + QStringLiteral("/ZOLF.ini");
    p.backupDir = QDir::cleanPath(p.dataDir + QStringLiteral("/../Backup"));
    return p;
}

DataPaths DataPaths::forDatabase(const QString& file) {
    const QFileInfo info(file);
    DataPaths p = forDataDir(info.absolutePath());
    p.databaseFile = info.absoluteFilePath();
    return p;
}

QString DataPaths::dataSourceOf(const QString& linkFile) {
    QFile f(linkFile);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = f.readAll();
    // Data link files are often written as UTF-16 with a byte order mark.
    QString text;
    if (bytes.startsWith("\xFF\xFE")) {
        text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    } else {
        text = QString::fromUtf8(bytes);
    }
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("[\r\n;]")))) {
        const QString line = raw.trimmed();
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(QLatin1String("Data Source"),
                                                      Qt::CaseInsensitive) == 0) {
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
                value.endsWith(QLatin1Char('"'))) {
                value = value.mid(1, value.size() - 2);
            }
            return value;
        }
    }
    return {};
}

DataPaths DataPaths::resolve(const QString& dataOption, const QString& workingDir,
                             const QString& programDir, const QString& appDataDir) {
    DataPaths p = resolveDataDir(dataOption, workingDir, programDir, appDataDir);
    // A data folder without settings reads the example installed beside the program, so that a
    // new club starts with its country ring codes.
    const QString beside = programDir + QStringLiteral("/ZOLF.ini");
    if (!programDir.isEmpty() && !QFileInfo::exists(p.iniFile) && QFileInfo::exists(beside)) {
        p.iniFile = QDir::cleanPath(QFileInfo(beside).absoluteFilePath());
    }
    return p;
}

namespace {
// The data folder without a --data option or a link file naming a database file.
DataPaths defaultDataDir(const QString& programDir, const QString& appDataDir) {
    // A program installed under a prefix (its desktop entry in ../share/applications) is not a
    // portable install, even where its folder is writable (~/.local/bin, or /usr/local/bin for
    // root): the club's data does not belong among the programs.
    const QFileInfo program(programDir);
    const bool installed =
        QFileInfo::exists(programDir + QStringLiteral("/../share/applications/") +
                          QLatin1String(DataPaths::kDesktopEntryName));
    if (program.isDir() && program.isWritable() && !installed) {
        return DataPaths::forDataDir(programDir);
    }
    return DataPaths::forDataDir(appDataDir + QStringLiteral("/data"));
}
}  // namespace

DataPaths DataPaths::resolveDataDir(const QString& dataOption, const QString& workingDir,
                                    const QString& programDir, const QString& appDataDir) {
    const QString source =
        dataSourceOf(QDir(workingDir).absoluteFilePath(QLatin1String(kLinkFileName)));
    if (!dataOption.isEmpty()) {
        DataPaths p = forDataDir(QDir(workingDir).absoluteFilePath(dataOption));
        if (IsServerSource(source)) {
            // The folder named is this PC's (settings, logs, backups); the club stays on the
            // server, where the other seats work on it too.
            p.databaseFile = source;
        }
        return p;
    }
    if (!source.isEmpty() && !IsServerSource(source)) {
        return forDatabase(QDir(workingDir).absoluteFilePath(source));
    }
    if (!source.isEmpty()) {
        // A database on a server: settings, logs and backups stay in the data folder that
        // this PC would use without a link file.
        DataPaths p = defaultDataDir(programDir, appDataDir);
        p.databaseFile = source;
        return p;
    }
    return defaultDataDir(programDir, appDataDir);
}
