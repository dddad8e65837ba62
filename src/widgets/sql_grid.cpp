#include "sql_grid.h"

#include <QHeaderView>
#include <QSqlQuery>

#include "data/errors.h"
#include "data/grid_sort.h"

namespace {
QString pagedSql(const QString& sql) {
    return QStringLiteral("select * from (%1) limit ? offset ?").arg(sql);
}
}  // namespace

void SqlGridModel::setLookup(const QString& field, const QString& sql, const QString& missing) {
    lookups_[field] = Lookup{sql, missing, {}};
    describeColumns();
}

void SqlGridModel::describeColumns() {
    columns_.resize(fields_.count());
    for (int i = 0; i < fields_.count(); ++i) {
        const QString field = fields_.fieldName(i);
        const auto format = formatters_.constFind(field);
        const auto lookup = lookups_.constFind(field);
        columns_[i] = Column{format != formatters_.constEnd() ? &format.value() : nullptr,
                             lookup != lookups_.constEnd() ? &lookup.value() : nullptr,
                             fieldAlignments_.value(field, alignment_)};
    }
}

void SqlGridModel::setQuery(TdmZOLF& db, const QString& sql, const QVariantList& params,
                            const QString& countSql) {
    // Everything is read before the model changes, so a refused query leaves the grid as it
    // was.
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
    QVariantList pageParams = params;
    pageParams << kPageRows << 0;
    QSqlQuery q = db.select(pagedSql(sql), pageParams);
    QVector<QSqlRecord> first;
    while (q.next()) {
        first.append(q.record());
    }
    beginResetModel();
    db_ = &db;
    sql_ = sql;
    countSql_ = countSql.isEmpty() ? sql : countSql;
    params_ = params;
    fields_ = q.record();
    fields_.clearValues();
    rows_ = int(first.size());
    complete_ = rows_ < kPageRows;
    total_ = complete_ ? rows_ : -1;
    lookups_ = lookups;
    pages_.clear();
    recentPages_.clear();
    pages_.insert(0, first);
    recentPages_.append(0);
    describeColumns();
    endResetModel();
}

void SqlGridModel::clear() {
    beginResetModel();
    db_ = nullptr;
    sql_.clear();
    countSql_.clear();
    params_.clear();
    fields_ = QSqlRecord();
    rows_ = 0;
    complete_ = true;
    total_ = 0;
    pages_.clear();
    recentPages_.clear();
    describeColumns();
    endResetModel();
}

QVector<QSqlRecord> SqlGridModel::readPage(int number) const {
    QVector<QSqlRecord> rows;
    if (db_ == nullptr) {
        return rows;
    }
    try {
        QVariantList params = params_;
        params << kPageRows << qint64(number) * kPageRows;
        QSqlQuery q = db_->select(pagedSql(sql_), params);
        while (q.next()) {
            rows.append(q.record());
        }
    } catch (const DbError&) {
        // The file went away under the grid (a restore); the rows show empty until the screen
        // loads again.
    }
    return rows;
}

const QVector<QSqlRecord>& SqlGridModel::page(int number) const {
    const auto found = pages_.constFind(number);
    if (found != pages_.constEnd()) {
        if (recentPages_.last() != number) {
            recentPages_.removeOne(number);
            recentPages_.append(number);
        }
        return found.value();
    }
    const QVector<QSqlRecord> rows = readPage(number);
    if (recentPages_.size() >= kPagesKept) {
        pages_.remove(recentPages_.takeFirst());
    }
    recentPages_.append(number);
    return pages_.insert(number, rows).value();
}

const QSqlRecord* SqlGridModel::row(int number) const {
    if (number < 0 || (complete_ && number >= rows_)) {
        return nullptr;
    }
    const QVector<QSqlRecord>& rows = page(number / kPageRows);
    const int at = number % kPageRows;
    return at < rows.size() ? &rows.at(at) : nullptr;
}

QSqlRecord SqlGridModel::record(int number) const {
    const QSqlRecord* found = row(number);
    return found != nullptr ? *found : QSqlRecord();
}

int SqlGridModel::totalRows() const {
    if (total_ < 0) {
        total_ = complete_ || db_ == nullptr ? rows_ : db_->rowCount(countSql_, params_);
    }
    return total_;
}

int SqlGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

bool SqlGridModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !complete_;
}

void SqlGridModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    const int read = int(page(rows_ / kPageRows).size());
    if (read < kPageRows) {
        complete_ = true;
    }
    if (read > 0) {
        beginInsertRows({}, rows_, rows_ + read - 1);
        rows_ += read;
        endInsertRows();
    }
}

int SqlGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : fields_.count();
}

QVariant SqlGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columns_.size()) {
        return {};
    }
    const Column& column = columns_.at(index.column());
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    const QSqlRecord* found = row(index.row());
    if (found == nullptr) {
        return {};
    }
    const QVariant value = found->value(index.column());
    if (role == Qt::DisplayRole) {
        if (column.format != nullptr) {
            return (*column.format)(value, *found);
        }
        if (column.lookup != nullptr) {
            return column.lookup->texts.value(value.toString(), column.lookup->missing);
        }
    }
    return value;
}

QVariant SqlGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const QString field = fields_.fieldName(section);
        return titles_.value(field, field);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void SqlGridModel::setTitles(const QHash<QString, QString>& titles) {
    titles_ = titles;
    if (fields_.count() > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, fields_.count() - 1);
    }
}

SqlGrid::SqlGrid(QWidget* parent) : QTableView(parent), model_(new SqlGridModel(this)) {
    sortText_ = &ownSortText_;
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionsClickable(true);
    // Narrow numbers still leave room to type a longer one.
    horizontalHeader()->setMinimumSectionSize(48);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SqlGrid::titleClicked);
}

void SqlGrid::load(TdmZOLF& db, const QString& sql, const QVariantList& params) {
    db_ = &db;
    sql_ = sql;
    params_ = params;
    QStringList fields;
    if (!sortText_->isEmpty()) {
        // The sort applies only to a field of the query.
        const QSqlRecord shape =
            db.select(QStringLiteral("select * from (%1) limit 0").arg(sql), params).record();
        for (int i = 0; i < shape.count(); ++i) {
            fields << shape.fieldName(i);
        }
    }
    model_->setQuery(db, SortedQuery(sql, *sortText_, fields), params, sql);
    // Every column as wide as its title and the rows read so far, so that names and ring
    // numbers show whole; a screen may widen or stretch a column after this.
    resizeColumnsToContents();
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

bool SqlGrid::selectRowWhere(const QString& field, const QVariant& value) {
    const int column = model_->record().indexOf(field);
    if (column < 0) {
        return false;
    }
    for (int row = 0; row < model_->rowCount() || model_->canFetchMore({}); ++row) {
        if (row >= model_->rowCount()) {
            model_->fetchMore({});
        }
        if (model_->record(row).value(column) == value) {
            selectRow(row);
            return true;
        }
    }
    return false;
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
