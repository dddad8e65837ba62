#include "workbook_checks.h"

#include <zlib.h>
#include <QtEndian>
#include <exception>

#include "data/errors.h"
#include "spreadsheet/workbook_reader.h"

namespace {

void Put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void Put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

}  // namespace

QByteArray StoredZip(const QList<QPair<QByteArray, QByteArray>>& parts) {
    QByteArray out;
    QByteArray directory;
    for (const auto& [name, data] : parts) {
        const quint32 crc =
            quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
        const quint32 offset = quint32(out.size());
        Put32(out, 0x04034b50);
        Put16(out, 20);    // version needed
        Put16(out, 0);     // flags
        Put16(out, 0);     // stored
        Put16(out, 0);     // time
        Put16(out, 0x21);  // date
        Put32(out, crc);
        Put32(out, quint32(data.size()));
        Put32(out, quint32(data.size()));
        Put16(out, quint16(name.size()));
        Put16(out, 0);
        out += name;
        out += data;

        Put32(directory, 0x02014b50);
        Put16(directory, 20);  // made by
        Put16(directory, 20);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0x21);
        Put32(directory, crc);
        Put32(directory, quint32(data.size()));
        Put32(directory, quint32(data.size()));
        Put16(directory, quint16(name.size()));
        Put16(directory, 0);  // extra
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, offset);
        directory += name;
    }
    const quint32 start = quint32(out.size());
    out += directory;
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, quint16(parts.size()));
    Put16(out, quint16(parts.size()));
    Put32(out, quint32(directory.size()));
    Put32(out, start);
    Put16(out, 0);
    return out;
}

QByteArray PackageAround(const QByteArray& sheetXml, const QByteArray& sharedStringsXml) {
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    QList<QPair<QByteArray, QByteArray>> parts = {
        {"_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel +
                            "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" "
         "r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel +
             "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
             rel + "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", sheetXml},
    };
    if (!sharedStringsXml.isEmpty())
        parts.append({"xl/sharedStrings.xml", sharedStringsXml});
    return StoredZip(parts);
}

QString CheckWorkbookInput(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    QByteArray file = bytes.mid(1);
    if (bytes[0] & 1) {
        const qsizetype split = file.indexOf('\0');
        file = split < 0 ? PackageAround(file, {})
                         : PackageAround(file.left(split), file.mid(split + 1));
    }
    WorkbookLimits limits;
    limits.maxPartBytes = 4 * 1024 * 1024;
    limits.maxTotalBytes = 8 * 1024 * 1024;
    limits.maxCells = 20000;
    try {
        const WorkbookReader read =
            WorkbookReader::FromBytes(file, QStringLiteral("fuzz.xlsx"), limits);
        if (read.rowCount() < 0 || read.rowCount() > 1048576 || read.columnCount() < 0 ||
            read.columnCount() > 16384)
            return QStringLiteral("used range %1 x %2")
                .arg(read.rowCount())
                .arg(read.columnCount());
        if ((read.rowCount() == 0) != (read.columnCount() == 0))
            return QStringLiteral("used range with one side empty");
        // The last used row and column each hold a value (or a formula) somewhere.
        int cells = 0;
        for (int r = 1; r <= qMin(read.rowCount(), 300); ++r)
            for (int c = 1; c <= qMin(read.columnCount(), 60); ++c) {
                const QVariant v = read.value(r, c);
                if (!v.isNull() && read.text(r, c).isEmpty())
                    return QStringLiteral("cell %1,%2 holds a value without text").arg(r).arg(c);
                cells += !v.isNull() || read.formulaWithoutValue(r, c);
            }
        if (read.rowCount() > 0 && read.rowCount() <= 300 && read.columnCount() <= 60 && cells == 0)
            return QStringLiteral("a used range without values");
    } catch (const UserError& e) {
        if (!e.text().startsWith(QStringLiteral("The file \"fuzz.xlsx\" cannot be read")))
            return QStringLiteral("unexpected message: ") + e.text();
    } catch (const std::exception& e) {
        return QStringLiteral("exception: ") + QString::fromUtf8(e.what());
    }
    return {};
}
