#include "backup_copy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "database.h"
#include "errors.h"
#include "server_backup.h"
#include "sql_dialect.h"
#include "whole_file.h"

namespace {
struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};
}  // namespace

bool CopyModificationTime(const QString& source, const QString& file) {
    const QDateTime modified = QFileInfo(source).lastModified();
    QFile f(file);
    return modified.isValid() && f.open(QIODevice::ReadWrite) &&
           f.setFileTime(modified, QFileDevice::FileModificationTime);
}

bool WriteDatabaseCopy(TdmZOLF& db, const QString& target, bool replace, QString* reason) {
    if (!replace && QFileInfo::exists(target)) {
        if (reason != nullptr) {
            *reason = FileWriteMessage(target, DataText::tr("the file exists already"));
        }
        return false;
    }
    try {
        WriteWholeFileWith(target, [&db](const QString& partial) {
            if (db.isServer()) {
                // The server's own dump program writes the temporary.
                DumpServerDatabase(ParseServerSource(db.fileName()), partial);
                return;
            }
            // SQLite fills the new, empty temporary.
            db.backupTo(partial);
            CopyModificationTime(db.fileName(), partial);
        });
    } catch (const FileWriteError& e) {
        if (reason != nullptr) {
            *reason = e.text();
        }
        return false;
    } catch (const ServerToolError& e) {
        if (reason != nullptr) {
            *reason = e.text();
        }
        return false;
    } catch (const DbError& e) {
        if (reason != nullptr) {
            *reason = FileWriteMessage(target, e.text());
        }
        return false;
    }
    return true;
}
