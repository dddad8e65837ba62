#include "whole_file.h"

#include <QDir>
#include <QSaveFile>

#include "data/errors.h"

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        throw UserError(
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason));
    };
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.errorString());
    }
    // Written in pieces so that a full disk shows up at the write that meets it; the flush
    // before the commit catches what is still buffered (the commit alone can report success
    // on a full disk).
    constexpr qsizetype kPiece = 1 << 16;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece) {
        const qsizetype n = std::min(kPiece, bytes.size() - at);
        if (file.write(bytes.constData() + at, n) != n) {
            fail(file.errorString());
        }
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        fail(file.errorString());
    }
    if (!file.commit()) {
        throw UserError(QStringLiteral("Cannot write %1: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
