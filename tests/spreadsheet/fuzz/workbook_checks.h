#pragma once

// Checks run on arbitrary bytes, shared by the seeded robustness test and the libFuzzer target.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// A zip archive of the given parts, stored without compression.
QByteArray StoredZip(const QList<QPair<QByteArray, QByteArray>>& parts);

// A workbook package around a worksheet part and a shared-strings part (left out when empty).
QByteArray PackageAround(const QByteArray& sheetXml, const QByteArray& sharedStringsXml);

// Reads the bytes as a workbook: the first byte chooses whether the rest is a whole file, or a
// worksheet and a shared-strings part (split at the first zero byte) put into a package. Reading
// must end in a workbook or a UserError (no crash, no other exception), stay within its limits,
// and every cell of the used range must give its text. Returns what went wrong, or "".
QString CheckWorkbookInput(const QByteArray& bytes);
