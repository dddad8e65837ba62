#include "sql_grid.h"

#include <QHeaderView>

#include "data/grid_sort.h"

QVariant SqlGridModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(
            fieldAlignments_.value(record().fieldName(index.column()), alignment_));
    }
    if (role == Qt::DisplayRole && index.isValid()) {
        const QString field = record().fieldName(index.column());
        const auto it = formatters_.constFind(field);
        if (it != formatters_.constEnd()) {
            const QSqlRecord row = record(index.row());
            return it.value()(row.value(index.column()), row);
        }
    }
    return QSqlQueryModel::data(index, role);
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
    model_->setQuery(db.select(SortedQuery(sql, *sortText_, fields), params, false));
    while (model_->canFetchMore()) {
        model_->fetchMore();
    }
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
