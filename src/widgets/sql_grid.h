#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QTableView>
#include <QVector>
#include <functional>

#include "data/database.h"
#include "widgets/child_signals.h"

// A read-only grid over the rows of one query, as every list screen of the program uses.
//
// The model reads the rows a page at a time, as the view scrolls to them, and keeps only a few
// pages: a list of a whole federation's distances opens as fast, and in as little memory, as
// one of a single loft. The first page is read straight from the query; the pages after it come
// from a block of rows the query wrote once into a scratch table of the connection's own
// temporary store, so a sorted or ranked list is not sorted again for every page. The number
// of rows, where a screen shows it, comes from a count of the same query. No statement stays
// open between two reads, so backups and other work on the database are never blocked by a grid
// on screen.
//
// Title clicks sort by the clicked column with the shared rule of grid_sort.h; the sort text
// lives where the caller keeps it (a screen module keeps one per module, so it survives the
// screen being closed and opened again, and several grids can share it).
class SqlGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using Formatter = std::function<QString(const QVariant& value, const QSqlRecord& row)>;
    using QAbstractTableModel::QAbstractTableModel;
    ~SqlGridModel() override;

    // Shows the column `field` through `format` (the stored value stays as it is).
    void setFormatter(const QString& field, Formatter format) {
        formatters_[field] = format;
        describeColumns();
    }
    // Shows the column `field` through a lookup table read once per load: `sql` gives pairs
    // (value, text shown); a value without a pair shows `missing`.
    void setLookup(const QString& field, const QString& sql, const QString& missing);
    // The text the lookup of `field` gives for `value`, for a formatter that shows more than it.
    QString lookupText(const QString& field, const QVariant& value) const;
    void setAlignment(Qt::Alignment alignment) {
        alignment_ = alignment;
        describeColumns();
    }
    // Aligns the column `field` apart from the others.
    void setFieldAlignment(const QString& field, Qt::Alignment alignment) {
        fieldAlignments_[field] = alignment;
        describeColumns();
    }

    // Shows the rows of `sql` (run with `params`), its first page read; `countSql` (the same
    // rows unsorted) counts them when given. Throws DbError.
    void setQuery(TdmZOLF& db, const QString& sql, const QVariantList& params,
                  const QString& countSql = {});
    // Shows no rows and no columns until the next query.
    void clear();
    // Reads the query again for the rows the view holds and tells the view only what changed:
    // rows whose values differ, rows added or gone at the end. The view keeps its place and its
    // selection. Throws DbError.
    void refresh();
    // Runs the query once and hands every row to `row`, in order (a printed list).
    void forEachRow(const std::function<void(const QSqlRecord& row)>& row) const;
    // A cell of `row` as the grid shows it (DisplayRole) or as stored (EditRole).
    QVariant cellData(const QSqlRecord& row, int column, int role) const;
    // The fields of the query, without values.
    QSqlRecord record() const { return fields_; }
    // The values of one row of the query, also one the view has not reached yet (empty for a
    // row that does not exist).
    QSqlRecord record(int row) const;
    // Every row of the query, counted by the database once per load.
    int totalRows() const;

    // The rows read so far; the view reads more as it scrolls to the end.
    int rowCount(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Column titles by field name; fields without a title show their name.
    void setTitles(const QHash<QString, QString>& titles);

    static constexpr int kPageRows = 256;
    static constexpr int kPagesKept = 8;
    // Rows of the query held at a time in the scratch table.
    static constexpr int kBlockRows = kPageRows * 128;

  private:
    QVector<QSqlRecord> readPage(int number) const;
    QVector<QSqlRecord> readPageOrThrow(int number) const;
    // `count` rows from `first` on, straight from the query.
    QVector<QSqlRecord> readStraight(qint64 first, int count) const;
    // The rows from `first` on, up to `count`, read from the block that holds them (written
    // first when no block does).
    QVector<QSqlRecord> readFromBlock(qint64 first, int count) const;
    void writeBlock(qint64 start) const;
    void dropBlock() const;
    QSqlRecord withValues(const QSqlQuery& q) const;
    // Works out, column by column, how cells are shown (done once, not for every cell).
    void describeColumns();
    // The row in its page (read when needed), or null for a row that does not exist.
    const QSqlRecord* row(int number) const;
    struct Lookup {
        QString sql;
        QString missing;
        QHash<QString, QString> texts;
    };
    const QVector<QSqlRecord>& page(int number) const;

    TdmZOLF* db_ = nullptr;
    std::weak_ptr<const void> dbLife_;
    QString sql_;
    QString countSql_;
    QVariantList params_;
    QSqlRecord fields_;
    int rows_ = 0;            // rows the view has been given
    bool complete_ = true;    // a page shorter than kPageRows has been read
    mutable int total_ = -1;  // counted rows, -1 until asked for
    mutable QHash<int, QVector<QSqlRecord>> pages_;
    mutable QString block_;       // the scratch table's name
    mutable QString blockTable_;  // ... as statements reach it
    mutable bool blockMade_ = false;
    mutable qint64 blockStart_ = -1;  // the query's row written first, -1 when none is
    mutable QList<int> recentPages_;  // most recently read last
    QHash<QString, QString> titles_;
    QHash<QString, Formatter> formatters_;
    QHash<QString, Lookup> lookups_;
    QHash<QString, Qt::Alignment> fieldAlignments_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    struct Column {
        const Formatter* format = nullptr;
        const Lookup* lookup = nullptr;
        Qt::Alignment alignment;
    };
    QVector<Column> columns_;
};

class SqlGrid : public QTableView {
    Q_OBJECT
  public:
    explicit SqlGrid(QWidget* parent = nullptr);

    SqlGridModel* gridModel() const { return model_; }
    // The sort text this grid reads and writes; may be shared with other grids.
    void setSortText(QString* sortText) { sortText_ = sortText; }
    // Column titles by field name; fields without a title show their name.
    void setTitles(const QHash<QString, QString>& titles) { model_->setTitles(titles); }
    // Runs the query (sorted by the current sort text) and shows its rows. Throws DbError.
    void load(TdmZOLF& db, const QString& sql, const QVariantList& params = {});
    // The same, with `countSql` giving the same rows more cheaply (unranked, unsorted), to
    // count them.
    void load(TdmZOLF& db, const QString& sql, const QVariantList& params, const QString& countSql);
    // Runs the last query again, keeping the current row where possible.
    void reload();
    // Reads the last query again and updates only the rows that changed (see the model).
    void refresh();
    // The current row's record (empty when there is no current row).
    QSqlRecord currentRecord() const;
    // Selects the first row whose `field` holds `value`, reading further rows as needed.
    // Returns false when no row does.
    bool selectRowWhere(const QString& field, const QVariant& value);
    // Every row of the query (not only those read so far).
    int rowCountShown() const { return model_->totalRows(); }

  signals:
    // After a title click has re-sorted the grid.
    void sorted(const QString& sortText);

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    void titleClicked(int section);

    SqlGridModel* model_;
    QString* sortText_ = nullptr;
    QString ownSortText_;
    TdmZOLF* db_ = nullptr;
    QString sql_;
    QString countSql_;
    QVariantList params_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
