#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

// How much a workbook may unpack to and hold. A workbook is a zip archive of XML parts, so a
// small file can claim to unpack to gigabytes; these limits refuse such a file with a clear
// message before it exhausts memory.
struct WorkbookLimits {
    qint64 maxFileBytes = 100 * 1024 * 1024;   // the file as stored
    qint64 maxPartBytes = 64 * 1024 * 1024;    // one unpacked part
    qint64 maxTotalBytes = 160 * 1024 * 1024;  // all unpacked parts together
    qint64 maxCells = 1'000'000;               // cells holding a value
};

// Reads the first worksheet of a workbook (.xlsx), as written by the usual spreadsheet programs:
// shared and inline strings, numbers, booleans, formulas' last values; with or without a
// dimension element, cell references or the rows that hold nothing; in the transitional or the
// strict form. The file is untrusted: anything unreadable gives a UserError naming the file.
//
// Rows and columns count from 1; the used range runs from A1 to the last row and the last
// column that hold a value.
// The letters of a column as a spreadsheet names it: 1 is "A", 27 is "AA".
QString ColumnLetters(int column);

class WorkbookReader {
  public:
    explicit WorkbookReader(const QString& fileName, const WorkbookLimits& limits = {});
    // The same from the bytes of a file; `name` is the file name used in messages.
    static WorkbookReader FromBytes(const QByteArray& bytes, const QString& name,
                                    const WorkbookLimits& limits = {});

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    // A cell's value: a QString, a double or a bool; null when the cell is empty.
    QVariant value(int row, int column) const;
    // A cell's value as text: numbers as a spreadsheet shows them (12345, not 12345.0),
    // booleans "TRUE" or "FALSE", an empty cell "".
    QString text(int row, int column) const;
    // True for a cell that holds a formula but no value: a workbook written by a program that
    // does not compute formulas. Such a cell reads as empty although it is not; it counts in
    // the used range.
    bool formulaWithoutValue(int row, int column) const;

  private:
    WorkbookReader() = default;
    void load(const QByteArray& bytes, const QString& name, const WorkbookLimits& limits);

    QHash<quint64, QVariant> cells_;
    QSet<quint64> formulasWithoutValue_;
    int rows_ = 0;
    int columns_ = 0;
};
