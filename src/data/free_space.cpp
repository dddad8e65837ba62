#include "free_space.h"

#include <QSqlError>
#include <QSqlQuery>

#include "database.h"
#include "errors.h"

void RewriteWithoutFreeSpace(TdmZOLF& db, const QStringList& tables) {
    if (!db.isServer()) {
        // VACUUM is refused while a statement of the connection is still open; closing the
        // connection ends the kept ones.
        db.close();
        db.reopen();
        db.exec(QStringLiteral("vacuum"));
        return;
    }
    // The server takes VACUUM only as a plain statement, never a prepared one.
    QSqlQuery q(db.connection());
    for (const QString& table : tables) {
        if (!q.exec(QStringLiteral("vacuum full ") + table)) {
            throw DbError(q.lastError().text(), q.lastError().nativeErrorCode());
        }
    }
}
