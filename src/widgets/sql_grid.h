#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QTableView>
#include <QVector>
#include <functional>

#include "data/database.h"

// A read-only grid over the rows of one query, as every list screen of the program uses.
//
// The model reads the rows a page at a time, as the view shows them, and keeps only a few
// pages: a list of a whole federation's distances opens as fast, and in as little memory, as
// one of a single loft. The number of rows comes from a count of the same query. No statement
// stays open between two reads, so backups and other work on the database are never blocked
// by a grid on screen.
//
// Title clicks sort by the clicked column with the shared rule of grid_sort.h; the sort text
// lives where the caller keeps it (a screen module keeps one per module, so it survives the
// screen being closed and opened again, and several grids can share it).
class SqlGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using Formatter = std::function<QString(const QVariant& value, const QSqlRecord& row)>;
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the column `field` through `format` (the stored value stays as it is).
    void setFormatter(const QString& field, Formatter format) { formatters_[field] = format; }
    // Shows the column `field` through a lookup table read once per load: `sql` gives pairs
    // (value, text shown); a value without a pair shows `missing`.
    void setLookup(const QString& field, const QString& sql, const QString& missing);
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
    // Aligns the column `field` apart from the others.
    void setFieldAlignment(const QString& field, Qt::Alignment alignment) {
        fieldAlignments_[field] = alignment;
    }

    // Shows the rows of `sql` (run with `params`), counted with `countSql` when given (the
    // same rows unsorted); throws DbError.
    void setQuery(TdmZOLF& db, const QString& sql, const QVariantList& params,
                  const QString& countSql = {});
    // The fields of the query, without values.
    QSqlRecord record() const { return fields_; }
    // The values of one row (empty for a row that does not exist).
    QSqlRecord record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    static constexpr int kPageRows = 256;
    static constexpr int kPagesKept = 8;

  private:
    struct Lookup {
        QString sql;
        QString missing;
        QHash<QString, QString> texts;
    };
    const QVector<QSqlRecord>& page(int number) const;

    TdmZOLF* db_ = nullptr;
    QString sql_;
    QVariantList params_;
    QSqlRecord fields_;
    int rows_ = 0;
    mutable QHash<int, QVector<QSqlRecord>> pages_;
    mutable QList<int> recentPages_;  // most recently read last
    QHash<int, QString> titles_;
    QHash<QString, Formatter> formatters_;
    QHash<QString, Lookup> lookups_;
    QHash<QString, Qt::Alignment> fieldAlignments_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

class SqlGrid : public QTableView {
    Q_OBJECT
  public:
    explicit SqlGrid(QWidget* parent = nullptr);

    SqlGridModel* gridModel() const { return model_; }
    // The sort text this grid reads and writes; may be shared with other grids.
    void setSortText(QString* sortText) { sortText_ = sortText; }
    // Column titles by field name; fields without a title show their name.
    void setTitles(const QHash<QString, QString>& titles) { titles_ = titles; }
    // Runs the query (sorted by the current sort text) and shows its rows. Throws DbError.
    void load(TdmZOLF& db, const QString& sql, const QVariantList& params = {});
    // Runs the last query again, keeping the current row where possible.
    void reload();
    // The current row's record (empty when there is no current row).
    QSqlRecord currentRecord() const;
    int rowCountShown() const { return model_->rowCount(); }

  signals:
    // After a title click has re-sorted the grid.
    void sorted(const QString& sortText);

  private:
    void titleClicked(int section);

    SqlGridModel* model_;
    QString* sortText_ = nullptr;
    QString ownSortText_;
    QHash<QString, QString> titles_;
    TdmZOLF* db_ = nullptr;
    QString sql_;
    QVariantList params_;
};
