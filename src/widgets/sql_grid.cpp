#include "sql_grid.h"

#include <QHeaderView>
#include <QSqlField>
#include <QSqlQuery>

#include "data/errors.h"
#include "data/grid_sort.h"
#include "data/sql_dialect.h"

namespace {
QString pagedSql(const QString& sql) {
    return QStringLiteral("select * from (%1) as q limit ? offset ?").arg(sql);
}

int blockCounter = 0;

// The row at `q` under the names and types of `shape`: a row reads the same whether it came
// straight from the query or through the scratch table (an empty value included, whose type
// the driver would otherwise guess from the statement it came through).
QSqlRecord RowOf(const QSqlRecord& shape, const QSqlQuery& q) {
    QSqlRecord row = shape;
    for (int i = 0; i < row.count(); ++i) {
        row.setValue(i, q.isNull(i) ? QVariant(shape.field(i).metaType()) : q.value(i));
    }
    return row;
}

// The first and last positions where two pages differ, or {-1, -1} when they do not.
std::pair<int, int> changedRows(const QVector<QSqlRecord>& before,
                                const QVector<QSqlRecord>& after) {
    int first = -1;
    int last = -1;
    for (int i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (!(before.at(i) == after.at(i))) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}
}  // namespace

SqlGridModel::~SqlGridModel() {
    dropBlock();
}

void SqlGridModel::setLookup(const QString& field, const QString& sql, const QString& missing) {
    lookups_[field] = Lookup{sql, missing, {}};
    describeColumns();
}

QString SqlGridModel::lookupText(const QString& field, const QVariant& value) const {
    const auto lookup = lookups_.constFind(field);
    return lookup == lookups_.constEnd() ? QString()
                                         : lookup->texts.value(value.toString(), lookup->missing);
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
    QSqlRecord shape = WithWrittenSpelling(db.isServer() ? SqlEngine::Postgres : SqlEngine::Sqlite,
                                           sql, q.record());
    shape.clearValues();
    QVector<QSqlRecord> first;
    while (q.next()) {
        first.append(RowOf(shape, q));
    }
    beginResetModel();
    dropBlock();
    db_ = &db;
    dbLife_ = db.lifetime();
    sql_ = sql;
    countSql_ = countSql.isEmpty() ? sql : countSql;
    params_ = params;
    fields_ = shape;
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
    dropBlock();
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

QSqlRecord SqlGridModel::withValues(const QSqlQuery& q) const {
    return RowOf(fields_, q);
}

void SqlGridModel::dropBlock() const {
    if (blockMade_ && db_ != nullptr && !dbLife_.expired() && db_->isOpen()) {
        try {
            db_->select(QStringLiteral("drop table if exists ") + blockTable_);
        } catch (const DbError&) {
            // It goes with the connection.
        }
    }
    blockMade_ = false;
    blockStart_ = -1;
}

void SqlGridModel::writeBlock(qint64 start) const {
    blockStart_ = -1;
    if (!blockMade_) {
        if (block_.isEmpty()) {
            block_ = QStringLiteral("KST_GridRows_%1").arg(++blockCounter);
        }
        // Its columns keep every value exactly as the query gives it.
        blockTable_ = db_->makeScratchTable(block_, fields_);
        blockMade_ = true;
    } else {
        db_->select(QStringLiteral("delete from ") + blockTable_);
    }
    QStringList columns;
    for (int i = 0; i < fields_.count(); ++i) {
        columns << QStringLiteral("c%1").arg(i);
    }
    QVariantList params = params_;
    params << kBlockRows << start;
    db_->select(QStringLiteral("insert into %1 (%2) select * from (%3) as q limit ? offset ?")
                    .arg(blockTable_, columns.join(QStringLiteral(", ")), sql_),
                params);
    blockStart_ = start;
}

QVector<QSqlRecord> SqlGridModel::readFromBlock(qint64 first, int count) const {
    const qint64 start = first / kBlockRows * kBlockRows;
    for (int attempt = 0;; ++attempt) {
        try {
            if (blockStart_ != start) {
                writeBlock(start);
            }
            QSqlQuery q = db_->select(
                QStringLiteral("select * from %1 order by rowid limit ? offset ?").arg(blockTable_),
                {count, first - start});
            QVector<QSqlRecord> rows;
            while (q.next()) {
                rows.append(withValues(q));
            }
            return rows;
        } catch (const DbError&) {
            // The scratch table went with a transaction rolled back or a connection closed
            // since it was written: write it once more.
            blockMade_ = false;
            blockStart_ = -1;
            if (attempt > 0) {
                throw;
            }
        }
    }
}

QVector<QSqlRecord> SqlGridModel::readPageOrThrow(int number) const {
    if (db_ == nullptr) {
        return {};
    }
    const qint64 first = qint64(number) * kPageRows;
    if (number > 0 || blockStart_ == 0) {
        return readFromBlock(first, kPageRows);
    }
    // The first page straight from the query: a list on screen shows it without writing a
    // block first.
    return readStraight(0, kPageRows);
}

QVector<QSqlRecord> SqlGridModel::readStraight(qint64 first, int count) const {
    QVariantList params = params_;
    params << count << first;
    QSqlQuery q = db_->select(pagedSql(sql_), params);
    QVector<QSqlRecord> rows;
    while (q.next()) {
        rows.append(withValues(q));
    }
    return rows;
}

QVector<QSqlRecord> SqlGridModel::readPage(int number) const {
    try {
        return readPageOrThrow(number);
    } catch (const DbError&) {
        // The file went away under the grid (a restore); the rows show empty until the screen
        // loads again.
        return {};
    }
}

void SqlGridModel::refresh() {
    if (db_ == nullptr) {
        return;
    }
    // Everything is read before the model changes, so a refused query leaves the grid as it
    // was.
    blockStart_ = -1;
    const int lastPage = rows_ > 0 ? (rows_ - 1) / kPageRows : 0;
    QList<int> numbers = recentPages_;
    numbers.removeOne(lastPage);
    numbers.append(lastPage);
    while (numbers.size() > kPagesKept) {
        numbers.removeFirst();
    }
    QHash<int, QVector<QSqlRecord>> fresh;
    const auto [low, high] = std::minmax_element(numbers.constBegin(), numbers.constEnd());
    if (*high - *low < 2 * kPagesKept) {
        // The pages the view holds lie close together: one run of the query reads them all.
        const QVector<QSqlRecord> span =
            readStraight(qint64(*low) * kPageRows, (*high - *low + 1) * kPageRows);
        for (int number : numbers) {
            fresh.insert(number, span.mid((number - *low) * kPageRows, kPageRows));
        }
    } else {
        for (int number : numbers) {
            fresh.insert(number, readPageOrThrow(number));
        }
    }
    const qsizetype inLast = fresh.value(lastPage).size();
    if (inLast == 0 && lastPage > 0) {
        // Rows before the last page the view holds are gone: show the query anew.
        setQuery(*db_, sql_, params_, countSql_);
        return;
    }
    const int newRows = lastPage * kPageRows + int(inLast);
    QList<std::pair<int, int>> changed;
    for (auto it = fresh.constBegin(); it != fresh.constEnd(); ++it) {
        const auto before = pages_.constFind(it.key());
        if (before == pages_.constEnd()) {
            continue;
        }
        // Only the rows the view holds: more at the end are inserted below.
        const int held = std::min<int>(kPageRows, rows_ - it.key() * kPageRows);
        auto [first, last] = changedRows(before.value().mid(0, held), it.value().mid(0, held));
        if (first >= 0) {
            changed.append({it.key() * kPageRows + first, it.key() * kPageRows + last});
        }
    }
    pages_ = fresh;
    recentPages_ = numbers;
    total_ = -1;
    complete_ = inLast < kPageRows;
    if (complete_) {
        total_ = newRows;
    }
    if (newRows > rows_) {
        beginInsertRows({}, rows_, newRows - 1);
        rows_ = newRows;
        endInsertRows();
    } else if (newRows < rows_) {
        beginRemoveRows({}, newRows, rows_ - 1);
        rows_ = newRows;
        endRemoveRows();
    }
    for (const auto& [first, last] : changed) {
        if (first < rows_) {
            emit dataChanged(index(first, 0), index(std::min(last, rows_ - 1), columnCount() - 1));
        }
    }
}

void SqlGridModel::forEachRow(const std::function<void(const QSqlRecord&)>& row) const {
    if (db_ == nullptr) {
        return;
    }
    QSqlQuery q = db_->select(sql_, params_);
    while (q.next()) {
        row(withValues(q));
    }
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
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(columns_.at(index.column()).alignment);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    const QSqlRecord* found = row(index.row());
    if (found == nullptr) {
        return {};
    }
    return cellData(*found, index.column(), role);
}

QVariant SqlGridModel::cellData(const QSqlRecord& row, int column, int role) const {
    if (column < 0 || column >= columns_.size()) {
        return {};
    }
    const Column& shown = columns_.at(column);
    const QVariant value = row.value(column);
    if (role == Qt::DisplayRole) {
        if (shown.format != nullptr) {
            // A column filled by a statement of its own shows empty while the database is
            // away (a server restarted, a file being restored); the grid loads again later.
            try {
                return (*shown.format)(value, row);
            } catch (const DbError&) {
                return {};
            }
        }
        if (shown.lookup != nullptr) {
            return shown.lookup->texts.value(value.toString(), shown.lookup->missing);
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
    load(db, sql, params, QString());
}

void SqlGrid::load(TdmZOLF& db, const QString& sql, const QVariantList& params,
                   const QString& countSql) {
    db_ = &db;
    sql_ = sql;
    countSql_ = countSql;
    params_ = params;
    QStringList fields;
    if (!sortText_->isEmpty()) {
        // The sort applies only to a field of the query.
        const QSqlRecord shape = WithWrittenSpelling(
            db.isServer() ? SqlEngine::Postgres : SqlEngine::Sqlite, sql,
            db.select(QStringLiteral("select * from (%1) as q limit 0").arg(sql), params).record());
        for (int i = 0; i < shape.count(); ++i) {
            fields << shape.fieldName(i);
        }
    }
    model_->setQuery(db, SortedQuery(sql, *sortText_, fields), params,
                     countSql.isEmpty() ? sql : countSql);
    // Every column as wide as its title and the rows read so far, so that names and ring
    // numbers show whole; a screen may widen or stretch a column after this.
    resizeColumnsToContents();
}

void SqlGrid::reload() {
    if (db_ == nullptr) {
        return;
    }
    const int row = currentIndex().row();
    load(*db_, sql_, params_, countSql_);
    if (row >= 0 && row < model_->rowCount()) {
        selectRow(row);
    }
}

void SqlGrid::refresh() {
    model_->refresh();
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

QModelIndex SqlGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Ctrl+End goes to the last row of the list, not to the last of the rows read so far.
    if (action == MoveEnd && (modifiers & Qt::ControlModifier)) {
        while (model_->canFetchMore({})) {
            model_->fetchMore({});
        }
    }
    return QTableView::moveCursor(action, modifiers);
}

void SqlGrid::titleClicked(int section) {
    const QString field = model_->record().fieldName(section);
    if (field.isEmpty() || db_ == nullptr) {
        return;
    }
    *sortText_ = NextSortText(*sortText_, field);
    load(*db_, sql_, params_, countSql_);
    emit sorted(*sortText_);
}
