#include "whole_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

struct DataText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};

constexpr qint64 kPiece = 1 << 20;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void fail(const QString& target, const QString& reason) {
    throw FileWriteError(FileWriteMessage(target, reason));
}

// Fills an open, unbuffered temporary file; throws FileWriteError naming the target.
using Filler = std::function<void(QFile& out, const QString& target)>;

struct Item {
    QString target;  // as the user chose it, and named in messages
    Filler fill;
    QString file = {};  // the plain file replaced (a symbolic link's target)
};

void writeAll(QFile& out, const QByteArray& bytes, const QString& target) {
    for (qint64 at = 0; at < bytes.size();) {
        // A short write (the disk filling up) is followed by one that says why.
        const qint64 n = out.write(bytes.constData() + at, qMin(kPiece, bytes.size() - at));
        if (n <= 0) {
            fail(target, out.errorString());
        }
        at += n;
    }
}

// Creates an empty file under a fresh name beside `file` and opens it for writing; failures
// name `target`.
QString createTemporary(const QString& file, const QString& target, QFile& out) {
    const QFileInfo info(file);
    const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName();
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString path = stem + QStringLiteral(".%1.part")
                                        .arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6,
                                             16, QLatin1Char('0'));
        out.setFileName(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (info.exists()) {
                // A replaced file keeps who may read it.
                out.setPermissions(info.permissions());
            }
            return path;
        }
        if (QFileInfo::exists(path)) {
            continue;  // another writer's temporary: try the next name
        }
        fail(target, out.errorString());
    }
    fail(target, DataText::tr("no temporary name is free beside it"));
}

// Everything written reaches the disk before the file may replace anything.
void flushToDisk(QFile& out, const QString& target) {
    if (!out.flush()) {
        fail(target, out.errorString());
    }
#ifdef Q_OS_UNIX
    if (::fsync(out.handle()) != 0) {
        fail(target, QString::fromLocal8Bit(std::strerror(errno)));
    }
#endif
    out.close();
    if (out.error() != QFileDevice::NoError) {
        fail(target, out.errorString());
    }
}

void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

// Renames `from` over `to` in one step; the reason on failure.
std::optional<QString> renameOver(const QString& from, const QString& to) {
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), ec);
    if (ec) {
        return QString::fromLocal8Bit(ec.message().c_str());
    }
    return std::nullopt;
}

void writeTemporary(const Item& item, QString& temporary) {
    QFile out;
    temporary = createTemporary(item.file, item.target, out);
    item.fill(out, item.target);
    flushToDisk(out, item.target);
}

// The file to replace: a symbolic link's own target (the link stays), as an absolute path.
// A folder or anything else that is not a plain file (a device, a pipe) is never replaced.
QString fileToReplace(const QString& target) {
    QFileInfo info(target);
    if (info.isSymLink()) {
        info = QFileInfo(info.symLinkTarget());
    }
    if (info.isDir()) {
        fail(target, DataText::tr("it is a folder"));
    }
    if (info.exists() && !info.isFile()) {
        fail(target, DataText::tr("it is not a plain file"));
    }
    return info.absoluteFilePath();
}

void writeSet(QList<Item> items) {
    for (Item& item : items) {
        item.file = fileToReplace(item.target);
    }
    QStringList temporaries;
    auto removeTemporaries = [&temporaries](qsizetype from) {
        for (qsizetype i = from; i < temporaries.size(); ++i) {
            if (!temporaries[i].isEmpty()) {
                QFile::remove(temporaries[i]);
            }
        }
    };
    try {
        for (const Item& item : items) {
            temporaries << QString();
            writeTemporary(item, temporaries.last());
        }
    } catch (...) {
        removeTemporaries(0);
        throw;
    }

    // What a set replaces is kept until the whole set is in place.
    QList<std::optional<QByteArray>> previous;
    if (items.size() > 1) {
        for (const Item& item : items) {
            QFile old(item.file);
            previous << (old.open(QIODevice::ReadOnly) ? std::optional(old.readAll())
                                                       : std::nullopt);
        }
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        const std::optional<QString> reason = renameOver(temporaries[i], items[i].file);
        if (!reason) {
            temporaries[i].clear();
            continue;
        }
        removeTemporaries(i);
        for (qsizetype j = 0; j < i; ++j) {
            try {
                if (previous[j]) {
                    WriteWholeFile(items[j].file, *previous[j]);
                } else {
                    QFile::remove(items[j].file);
                }
            } catch (const FileWriteError&) {
                // The reason of the first failure is the one to report.
            }
        }
        fail(items[i].target, *reason);
    }
    for (const Item& item : items) {
        syncFolder(QFileInfo(item.file).absolutePath());
    }
}

Item itemOf(const WholeFile& file) {
    if (file.produce) {
        const auto produce = file.produce;
        return {file.target, [produce](QFile& out, const QString& target) {
                    const QString path = out.fileName();
                    out.close();
                    produce(path);
                    // Reopened without truncating, to flush what the producer wrote.
                    if (!out.open(QIODevice::ReadWrite | QIODevice::ExistingOnly |
                                  QIODevice::Unbuffered)) {
                        fail(target, out.errorString());
                    }
                }};
    }
    const QByteArray bytes = file.bytes;
    return {file.target,
            [bytes](QFile& out, const QString& target) { writeAll(out, bytes, target); }};
}

}  // namespace

QString FileWriteMessage(const QString& target, const QString& reason) {
    return DataText::tr("Cannot write \"%1\": %2").arg(native(target), reason);
}

void WriteWholeFiles(const QList<WholeFile>& files) {
    QList<Item> items;
    for (const WholeFile& file : files) {
        items << itemOf(file);
    }
    writeSet(items);
}

void WriteWholeFile(const QString& target, const QByteArray& bytes) {
    WriteWholeFiles({WholeFile{target, bytes, {}}});
}

void WriteWholeFileWith(const QString& target,
                        const std::function<void(const QString& temporaryPath)>& produce) {
    WriteWholeFiles({WholeFile{target, {}, produce}});
}

void CopyWholeFile(const QString& source, const QString& target) {
    writeSet({Item{
        target, [source](QFile& out, const QString& target) {
            QFile in(source);
            if (!in.open(QIODevice::ReadOnly)) {
                throw FileWriteError(
                    DataText::tr("Cannot read \"%1\": %2").arg(native(source), in.errorString()));
            }
            while (!in.atEnd()) {
                const QByteArray piece = in.read(kPiece);
                if (piece.isEmpty() && in.error() != QFileDevice::NoError) {
                    throw FileWriteError(DataText::tr("Cannot read \"%1\": %2")
                                             .arg(native(source), in.errorString()));
                }
                writeAll(out, piece, target);
            }
        }}});
}
