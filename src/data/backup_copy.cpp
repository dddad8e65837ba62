#include "backup_copy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "database.h"
#include "errors.h"

bool CopyModificationTime(const QString& source, const QString& file) {
    const QDateTime modified = QFileInfo(source).lastModified();
    QFile f(file);
    return modified.isValid() && f.open(QIODevice::ReadWrite) &&
           f.setFileTime(modified, QFileDevice::FileModificationTime);
}

bool WriteDatabaseCopy(TdmZOLF& db, const QString& target, bool replace) {
    if (!replace && QFileInfo::exists(target)) {
        return false;
    }
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        db.backupTo(partial);
    } catch (const DbError&) {
        QFile::remove(partial);
        return false;
    }
    CopyModificationTime(db.fileName(), partial);
    std::error_code ec;
    // A rename within one folder replaces the old file in one step.
    std::filesystem::rename(QFile::encodeName(partial).toStdString(),
                            QFile::encodeName(target).toStdString(), ec);
    if (ec) {
        QFile::remove(partial);
        return false;
    }
    return true;
}
