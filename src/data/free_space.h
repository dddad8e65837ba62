#pragma once

#include <QStringList>

class TdmZOLF;

// Rewrites the stored data so that nothing deleted or overwritten stays behind in free space:
// a club file is rewritten whole (VACUUM; the file keeps its name), on a server each of
// `tables` is rewritten (VACUUM FULL). Runs outside any transaction. Throws DbError with the
// database's reason when it is refused (on a server, a login that does not own the tables).
void RewriteWithoutFreeSpace(TdmZOLF& db, const QStringList& tables);
