#include "spreadsheet/workbook_writer.h"

#include <xlsxwriter.h>
#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cerrno>
#include <memory>

#include "data/date_time.h"
#include "data/errors.h"
#include "data/progress.h"
#include "data/sql_dialect.h"
#include "data/whole_file.h"
#include "spreadsheet/cell_text.h"
#include "spreadsheet/workbook_reader.h"

namespace {
struct SheetText {
    Q_DECLARE_TR_FUNCTIONS(Spreadsheet)
};
}  // namespace

namespace {

[[noreturn]] void Fail(const QString& reason) {
    throw UserError(SheetText::tr("Data transfer error: ") + reason);
}

void Check(lxw_error error, const QString& where) {
    if (error != LXW_NO_ERROR)
        Fail(QString::fromUtf8(lxw_strerror(error)) + where);
}

bool IsNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
            return true;
        default:
            return false;
    }
}

QString Text(const QVariant& value) {
    if (IsNumber(value))
        return CellNumberText(value.toDouble());
    switch (value.typeId()) {
        case QMetaType::QDate:
            return DateText(value.toDate());
        case QMetaType::QTime:
            return TimeText(value.toTime());
        case QMetaType::QDateTime:
            return GeneralText(value.toDateTime());
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        default:
            return value.toString();
    }
}

QString CellName(int row, int column) {
    // Rows and columns from 0, as the library counts them.
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

// Whether a value leaves a cell that a reader sees (an empty text leaves none).
bool HoldsValue(const QVariant& value) {
    if (value.isNull())
        return false;
    if (IsNumber(value) || value.typeId() == QMetaType::Bool)
        return true;
    return !Text(value).isEmpty();
}

struct WorkbookCloser {
    void operator()(lxw_workbook* book) const {
        lxw_workbook_free(book);  // a cell could not be written: nothing is saved
    }
};

}  // namespace

WorkbookWriter::WorkbookWriter(const QStringList& titles) : titles_(titles) {}

WorkbookWriter WorkbookWriter::FromQuery(QSqlQuery& query) {
    const bool server =
        query.driver() != nullptr && query.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    const QSqlRecord record = WithWrittenSpelling(server ? SqlEngine::Postgres : SqlEngine::Sqlite,
                                                  query.lastQuery(), query.record());
    QStringList titles;
    for (int i = 0; i < record.count(); ++i)
        titles << record.fieldName(i);
    WorkbookWriter book(titles);
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < record.count(); ++i)
            row << query.value(i);
        book.addRow(row);
    }
    return book;
}

void WorkbookWriter::setColumnFormat(int column, const QString& numberFormat) {
    formats_[column] = numberFormat;
}

void WorkbookWriter::setColumnWidth(int column, double width) {
    widths_[column] = width;
}

void WorkbookWriter::addRow(const QVariantList& values) {
    if (values.size() > titles_.size())
        Fail(SheetText::tr("a row has %1 values for %2 columns")
                 .arg(values.size())
                 .arg(titles_.size()));
    rows_.append(values);
}

void WorkbookWriter::save(const QString& fileName) const {
    NoProgress none;
    save(fileName, none);
}

void WorkbookWriter::save(const QString& fileName, Progress& progress) const {
    if (rows_.size() + 1 > LXW_ROW_MAX)
        Fail(SheetText::tr("%1 rows do not fit in one worksheet").arg(rows_.size()));
    if (titles_.size() > LXW_COL_MAX)
        Fail(SheetText::tr("%1 columns do not fit in one worksheet").arg(titles_.size()));

    const QFileInfo target(fileName);
    if (!target.absoluteDir().exists())
        Fail(SheetText::tr("the folder \"%1\" does not exist")
                 .arg(QDir::toNativeSeparators(target.absolutePath())));
    if (target.isDir())
        Fail(SheetText::tr("\"%1\" is a folder").arg(QDir::toNativeSeparators(fileName)));

    try {
        WriteWholeFileWith(fileName, [&](const QString& partial) {
            writeTo(partial, fileName, progress);
            verify(partial, fileName);
        });
    } catch (const FileWriteError& e) {
        Fail(e.text());
    }
}

void WorkbookWriter::writeTo(const QString& path, const QString& fileName,
                             Progress& progress) const {
    const QByteArray name = QFile::encodeName(path);
    // The library's own temporary files go beside the workbook too, so that a full temporary
    // folder cannot cut a part of it short.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(folder.constData());
    std::unique_ptr<lxw_workbook, WorkbookCloser> book(
        workbook_new_opt(name.constData(), &options));
    if (!book)
        Fail(SheetText::tr("the workbook could not be created"));
    lxw_worksheet* sheet = workbook_add_worksheet(book.get(), "Sheet1");
    if (!sheet)
        Fail(SheetText::tr("the worksheet could not be created"));

    // One format object per formatted column; the library owns them.
    QMap<int, lxw_format*> formats;
    for (auto it = formats_.cbegin(); it != formats_.cend(); ++it) {
        lxw_format* format = workbook_add_format(book.get());
        format_set_num_format(format, it.value().toUtf8().constData());
        formats[it.key()] = format;
    }
    QMap<int, double> widths = widths_;
    for (auto it = formats.cbegin(); it != formats.cend(); ++it)
        if (!widths.contains(it.key()))
            widths[it.key()] = LXW_DEF_COL_WIDTH;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it) {
        if (it.key() < 1 || it.key() > LXW_COL_MAX)
            continue;
        const lxw_col_t col = lxw_col_t(it.key() - 1);
        Check(worksheet_set_column(sheet, col, col, it.value(), formats.value(it.key(), nullptr)),
              {});
    }

    auto write = [&](int row, int column, const QVariant& value) {
        lxw_format* format = formats.value(column + 1, nullptr);
        const lxw_row_t r = lxw_row_t(row);
        const lxw_col_t c = lxw_col_t(column);
        lxw_error error = LXW_NO_ERROR;
        const bool asText = formats_.value(column + 1) == kTextFormat;
        if (value.isNull())
            return;
        if (IsNumber(value) && !asText)
            error = worksheet_write_number(sheet, r, c, value.toDouble(), format);
        else if (value.typeId() == QMetaType::Bool && !asText)
            error = worksheet_write_boolean(sheet, r, c, value.toBool(), format);
        else
            error = worksheet_write_string(sheet, r, c, Text(value).toUtf8().constData(), format);
        Check(error, SheetText::tr(" (cell %1)").arg(CellName(row, column)));
    };

    for (int c = 0; c < titles_.size(); ++c)
        write(0, c, titles_[c]);
    const qint64 total = rows_.size();
    for (qint64 r = 0; r < total; ++r) {
        if (r % 500 == 0)
            progress.step(r, total, SheetText::tr("Row %1 of %2").arg(r).arg(total));
        const QVariantList& row = rows_[r];
        for (int c = 0; c < row.size(); ++c)
            write(int(r + 1), c, row[c]);
    }
    progress.step(total, total, SheetText::tr("Saving %1").arg(fileName));

    // The library says only that its zip writer failed; the system's reason (a full disk, no
    // permission) is what the secretary can act on.
    errno = 0;
    const lxw_error closed = workbook_close(book.release());
    const int reason = errno;
    if (closed != LXW_NO_ERROR) {
        Fail(FileWriteMessage(fileName, reason != 0 ? qt_error_string(reason)
                                                    : QString::fromUtf8(lxw_strerror(closed))));
    }
}

// The library does not notice every failed write of its temporary files, so the workbook is
// read back before it may replace anything: it must open and hold exactly the block written.
void WorkbookWriter::verify(const QString& path, const QString& fileName) const {
    int lastRow = 0;
    int lastColumn = 0;
    auto note = [&](int row, int column, const QVariant& value) {
        if (HoldsValue(value)) {
            lastRow = qMax(lastRow, row);
            lastColumn = qMax(lastColumn, column);
        }
    };
    for (int c = 0; c < titles_.size(); ++c)
        note(1, c + 1, titles_[c]);
    for (qsizetype r = 0; r < rows_.size(); ++r)
        for (int c = 0; c < rows_[r].size(); ++c)
            note(int(r + 2), c + 1, rows_[r][c]);
    // The limits that guard against hostile files must not refuse our own large workbook.
    WorkbookLimits limits;
    limits.maxFileBytes = qMax(limits.maxFileBytes, QFileInfo(path).size());
    limits.maxPartBytes = limits.maxTotalBytes = qint64(16) << 30;
    limits.maxCells = qMax(limits.maxCells, qint64(rows_.size() + 1) * qMax(1, lastColumn));
    try {
        const WorkbookReader back(path, limits);
        if (back.rowCount() == lastRow && back.columnCount() == lastColumn)
            return;
    } catch (const UserError&) {
    }
    Fail(QStringLiteral("\"%1\" could not be written whole; the disk may be full")
             .arg(QDir::toNativeSeparators(fileName)));
}
