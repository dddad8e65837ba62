#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` whole or not at all: into a temporary file beside it, every write
// and the flush checked, then renamed over the old file. A web server or another program never
// sees half a file, and on a failure the previous file of that name stays as it was. Throws
// UserError naming the file and the system's reason.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
