#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "errors.h"

// Every file the program writes for the club (exchange files, workbooks, PDFs, backups) is
// whole or not written at all:
//  - it is first written under a temporary name beside its target, every write and the final
//    flush to disk checked (a full USB stick or a read-only folder is an error, never a short
//    file reported as success);
//  - only a complete file is renamed over the target, so the previous file of that name stays
//    as it was until the new one replaces it in one step;
//  - files that belong together are all replaced, or none of them.
//
// A failure throws FileWriteError naming the file and the system's reason; the temporaries are
// removed and the previous files are unchanged.
class FileWriteError : public UserError {
  public:
    using UserError::UserError;
};

// One file of a set: its bytes, or a producer that writes the file itself at the temporary path
// it is given (for a library that writes by file name). A producer signals failure by throwing;
// what it wrote is then discarded.
struct WholeFile {
    QString target;
    QByteArray bytes;
    std::function<void(const QString& temporaryPath)> produce;  // when set, `bytes` is unused
};

// Writes the files as one set: every temporary is written and flushed first, then all are
// renamed over their targets. When a rename fails part way, the files already replaced get
// their previous contents back (read into memory beforehand: sets are meant for small files).
void WriteWholeFiles(const QList<WholeFile>& files);

void WriteWholeFile(const QString& target, const QByteArray& bytes);
void WriteWholeFileWith(const QString& target,
                        const std::function<void(const QString& temporaryPath)>& produce);

// Copies `source` to `target` in the same way, reading and writing piece by piece.
void CopyWholeFile(const QString& source, const QString& target);

// The message of a failed write: 'Cannot write "<file>": <reason>'.
QString FileWriteMessage(const QString& target, const QString& reason);
