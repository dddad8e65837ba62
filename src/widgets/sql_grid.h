#pragma once

#include <QHash>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <functional>

#include "data/database.h"

// A read-only grid over the rows of one query, as every list screen of the program uses.
//
// Title clicks sort by the clicked column with the shared rule of grid_sort.h; the sort text
// lives where the caller keeps it (a screen module keeps one per module, so it survives the
// screen being closed and opened again, and several grids can share it).
class SqlGridModel : public QSqlQueryModel {
    Q_OBJECT
  public:
    using Formatter = std::function<QString(const QVariant& value, const QSqlRecord& row)>;
    using QSqlQueryModel::QSqlQueryModel;

    // Shows the column `field` through `format` (the stored value stays as it is).
    void setFormatter(const QString& field, Formatter format) { formatters_[field] = format; }
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
    // Aligns the column `field` apart from the others.
    void setFieldAlignment(const QString& field, Qt::Alignment alignment) {
        fieldAlignments_[field] = alignment;
    }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    QHash<QString, Formatter> formatters_;
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
