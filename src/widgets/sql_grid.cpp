#include "sql_grid.h"

#include <QHeaderView>
#include <QSqlQuery>

#include "data/errors.h"
#include "data/grid_sort.h"

void SqlGridModel::setLookup(const QString& field, const QString& sql, const QString& missing) {
    lookups_[field] = Lookup{sql, missing, {}};
}

void SqlGridModel::setQuery(TdmZOLF& db, const QString& sql, const QVariantList& params,
                            const QString& countSql) {
    // Everything is read before the model changes, so a refused query leaves the grid as it
    // was.
    const QSqlRecord fields =
        db.select(QStringLiteral("select * from (%1) limit 0").arg(sql), params).record();
    const int rows = db.rowCount(countSql.isEmpty() ? sql : countSql, params);
    QHash<QString, Lookup> lookups = lookups_;
    for (Lookup& lookup : lookups) {
        lookup.texts.clear();
        QSqlQuery q = db.select(lookup.sql);
        while (q.next()) {
            const QString value = q.value(0).toString();
            if (!lookup.texts.contains(value)) {
                lookup.texts.insert(value, q.value(1).toString());
            }
        }
    }
    beginResetModel();
    db_ = &db;
    sql_ = sql;
    params_ = params;
    fields_ = fields;
    rows_ = rows;
    lookups_ = lookups;
    pages_.clear();
    recentPages_.clear();
    endResetModel();
}

const QVector<QSqlRecord>& SqlGridModel::page(int number) const {
    const auto found = pages_.constFind(number);
    if (found != pages_.constEnd()) {
        recentPages_.removeOne(number);
        recentPages_.append(number);
        return found.value();
    }
    QVector<QSqlRecord> rows;
    if (db_ != nullptr) {
        try {
            QVariantList params = params_;
            params << kPageRows << qint64(number) * kPageRows;
            QSqlQuery q = db_->select(
                QStringLiteral("select * from (%1) limit ? offset ?").arg(sql_), params);
            while (q.next()) {
                rows.append(q.record());
            }
        } catch (const DbError&) {
            // The file went away under the grid (a restore); the rows show empty until the
            // screen loads again.
        }
    }
    if (recentPages_.size() >= kPagesKept) {
        pages_.remove(recentPages_.takeFirst());
    }
    recentPages_.append(number);
    return pages_.insert(number, rows).value();
}

QSqlRecord SqlGridModel::record(int row) const {
    if (row < 0 || row >= rows_) {
        return {};
    }
    const QVector<QSqlRecord>& rows = page(row / kPageRows);
    const int at = row % kPageRows;
    return at < rows.size() ? rows.at(at) : QSqlRecord();
}

int SqlGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SqlGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : fields_.count();
}

QVariant SqlGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const QString field = fields_.fieldName(index.column());
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(fieldAlignments_.value(field, alignment_));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    const QSqlRecord row = record(index.row());
    const QVariant value = row.value(index.column());
    if (role == Qt::DisplayRole) {
        const auto format = formatters_.constFind(field);
        if (format != formatters_.constEnd()) {
            return format.value()(value, row);
        }
        const auto lookup = lookups_.constFind(field);
        if (lookup != lookups_.constEnd()) {
            return lookup->texts.value(value.toString(), lookup->missing);
        }
    }
    return value;
}

QVariant SqlGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return titles_.value(section, fields_.fieldName(section));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool SqlGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                 int role) {
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole)) {
        return false;
    }
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

SqlGrid::SqlGrid(QWidget* parent) : QTableView(parent), model_(new SqlGridModel(this)) {
    sortText_ = &ownSortText_;
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SqlGrid::titleClicked);
}

void SqlGrid::load(TdmZOLF& db, const QString& sql, const QVariantList& params) {
    db_ = &db;
    sql_ = sql;
    params_ = params;
    const QSqlRecord shape =
        db.select(QStringLiteral("select * from (%1) limit 0").arg(sql), params).record();
    QStringList fields;
    for (int i = 0; i < shape.count(); ++i) {
        fields << shape.fieldName(i);
    }
    model_->setQuery(db, SortedQuery(sql, *sortText_, fields), params, sql);
    const QSqlRecord rec = model_->record();
    for (int i = 0; i < rec.count(); ++i) {
        const QString title = titles_.value(rec.fieldName(i), rec.fieldName(i));
        model_->setHeaderData(i, Qt::Horizontal, title);
    }
}

void SqlGrid::reload() {
    if (db_ == nullptr) {
        return;
    }
    const int row = currentIndex().row();
    load(*db_, sql_, params_);
    if (row >= 0 && row < model_->rowCount()) {
        selectRow(row);
    }
}

QSqlRecord SqlGrid::currentRecord() const {
    const int row = currentIndex().row();
    return row >= 0 ? model_->record(row) : QSqlRecord();
}

void SqlGrid::titleClicked(int section) {
    const QString field = model_->record().fieldName(section);
    if (field.isEmpty() || db_ == nullptr) {
        return;
    }
    *sortText_ = NextSortText(*sortText_, field);
    load(*db_, sql_, params_);
    emit sorted(*sortText_);
}
