#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

class Progress;
class QSqlQuery;

// Writes a workbook with one worksheet, "Sheet1": row 1 holds the column titles, every further
// row one record, as one rectangular block from A1. Chosen columns get a number format and a
// width. Values keep their kind: texts are written as texts (a loft "001" stays "001"), numbers
// as numbers, null as an empty cell; in a text column ("@") every value is written as text.
//
//   WorkbookWriter book({"LoftNo", "RYear"});
//   book.setColumnFormat(2, kTextFormat);
//   book.addRow({"001", "2016"});
//   book.save(fileName);  // throws UserError "Data transfer error: ..." when it cannot be saved
class WorkbookWriter {
  public:
    explicit WorkbookWriter(const QStringList& titles);

    // The query's field names as titles and all its rows (from where the query stands).
    static WorkbookWriter FromQuery(QSqlQuery& query);

    // Columns are numbered from 1.
    void setColumnFormat(int column, const QString& numberFormat);  // "@" or "0.000"
    void setColumnWidth(int column, double width);                  // in characters

    // One record; a row shorter than the titles leaves the remaining cells empty, a longer one
    // is refused (the block is rectangular).
    void addRow(const QVariantList& values);

    const QStringList& titles() const { return titles_; }
    int rowCount() const { return int(rows_.size()); }  // records, without the title row

    // Saves under `fileName` exactly as given (no extension is added), replacing a file of that
    // name only once the new workbook is complete and reads back whole. A failure throws
    // UserError "Data transfer error: " + the reason and leaves a previous file as it was.
    void save(const QString& fileName, Progress& progress) const;
    void save(const QString& fileName) const;

  private:
    void writeTo(const QString& path, const QString& fileName, Progress& progress) const;
    void verify(const QString& path, const QString& fileName) const;

    QStringList titles_;
    QList<QVariantList> rows_;
    QMap<int, QString> formats_;
    QMap<int, double> widths_;
};

inline const QString kTextFormat = QStringLiteral("@");
inline const QString kThreeDecimalsFormat = QStringLiteral("0.000");
