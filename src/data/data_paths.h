#pragma once

#include <QString>

// Where the program keeps its files. The data folder holds the database and ZOLF.ini; backups
// go to "Backup" in the data folder's parent.
struct DataPaths {
    static constexpr const char* kDatabaseName = "Kestrava_Europe.db";
    static constexpr const char* kLinkFileName = "ZOLF.udl";
    static constexpr const char* kDesktopEntryName = "kestrava.desktop";

    QString dataDir;       // absolute, no trailing separator
    QString databaseFile;  // absolute
    QString iniFile;       // dataDir/ZOLF.ini
    QString backupDir;     // parent of dataDir, then "Backup"

    // Paths for a data folder, with the database in it.
    static DataPaths forDataDir(const QString& dir);
    // Paths for a database file named explicitly; the data folder is its folder.
    static DataPaths forDatabase(const QString& file);

    // The rules of a normal start:
    //  - `dataOption` (from --data DIR) wins when given;
    //  - otherwise a data link file ZOLF.udl in `workingDir` with a line "Data Source=PATH"
    //    names the database (a relative PATH is taken from `workingDir`);
    //  - otherwise the program's folder when it is writable (a portable install) and not the
    //    bin folder of an installation (one with share/applications/kestrava.desktop beside);
    //  - otherwise `appDataDir`/data.
    // The settings file is the data folder's ZOLF.ini, or, when it has none, the one beside
    // the program (the commented example installed with it).
    static DataPaths resolve(const QString& dataOption, const QString& workingDir,
                             const QString& programDir, const QString& appDataDir);

  private:
    static DataPaths resolveDataDir(const QString& dataOption, const QString& workingDir,
                                    const QString& programDir, const QString& appDataDir);

  public:
    // The "Data Source" of a data link file, or empty when the file or line is missing.
    static QString dataSourceOf(const QString& linkFile);
};
