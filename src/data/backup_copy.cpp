#include "backup_copy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "database.h"
#include "errors.h"
#include "whole_file.h"

bool CopyModificationTime(const QString& source, const QString& file) {
    const QDateTime modified = QFileInfo(source).lastModified();
    QFile f(file);
    return modified.isValid() && f.open(QIODevice::ReadWrite) &&
           f.setFileTime(modified, QFileDevice::FileModificationTime);
}

bool WriteDatabaseCopy(TdmZOLF& db, const QString& target, bool replace, QString* reason) {
    if (!replace && QFileInfo::exists(target)) {
        if (reason != nullptr) {
            *reason = FileWriteMessage(target, QStringLiteral("the file exists already"));
        }
        return false;
    }
    try {
        WriteWholeFileWith(target, [&db](const QString& partial) {
            // SQLite fills the new, empty temporary.
            db.backupTo(partial);
            CopyModificationTime(db.fileName(), partial);
        });
    } catch (const FileWriteError& e) {
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
