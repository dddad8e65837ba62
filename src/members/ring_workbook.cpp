#include "members/ring_workbook.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/progress.h"
#include "members/member_store.h"
#include "members/ring_numbers.h"
#include "spreadsheet/workbook_reader.h"
#include "spreadsheet/workbook_writer.h"

namespace {
struct MemberText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
}  // namespace

namespace {

const QStringList kRingColumns = {"LoftNo", "RCountry",  "RYear",   "RRegLetter", "RRegNumber",
                                  "Sex",    "ColorType", "PRingNo", "E_Ring"};
constexpr int kShortLayoutColumns = 7;

// "3, 5-9, 12": row numbers, runs of consecutive rows shortened.
QString RowList(const QList<int>& rows) {
    QStringList parts;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        parts << (j > i ? QStringLiteral("%1-%2").arg(rows[i]).arg(rows[j])
                        : QString::number(rows[i]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

QString RingExportSql() {
    return QStringLiteral(
        "select a.LoftNo,a.RCountry,a.RYear,a.RRegLetter,a.RRegNumber,"
        "iif(a.Sex='C','Cock',iif(a.Sex='H','Hen','Unknown')) as Sex,a.ColorType,a.PRingNo,"
        "a.E_Ring from ZOL_PigData a where a.LoftNo=? order by a.PRingNo");
}

int ExportRings(TdmZOLF& db, const QString& loftNo, const QString& fileName, Progress& progress) {
    WorkbookWriter book(kRingColumns);
    for (int column : {3, 5, 7, 8})
        book.setColumnFormat(column, kTextFormat);
    QSqlQuery q = db.select(RingExportSql(), {loftNo});
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < kRingColumns.size(); ++i)
            row << q.value(i);
        book.addRow(row);
    }
    book.save(fileName, progress);
    return book.rowCount();
}

RingImportResult ImportRings(TdmZOLF& db, const Clock& clock, const QString& fileName,
                             Progress& progress) {
    const WorkbookReader sheet(fileName);
    const int rows = sheet.rowCount();
    const bool longLayout = sheet.columnCount() != kShortLayoutColumns;
    // A sheet without a ninth column holds no electronic rings; the ones the clocks assigned
    // stay as they are.
    const bool hasElectronicRings = sheet.columnCount() >= kRingColumns.size();
    RingImportResult result;
    QHash<QString, bool> lofts;  // loft number -> is a member

    auto importRow =
        [&](int r) {
            // A formula without its value would read as an empty cell: another ring number,
            // sex or colour than the sheet shows.
            QStringList formulas;
            for (int c = 1; c <= kRingColumns.size(); ++c) {
                if (sheet.formulaWithoutValue(r, c))
                    formulas << MemberText::tr("row %1 column %2").arg(r).arg(ColumnLetters(c));
            }
            if (!formulas.isEmpty()) {
                result.formulaCells << formulas;
                return;
            }
            QStringList cell{QString()};  // cell[c] for columns 1 to 9, as texts (empty, not null)
            bool empty = true;
            for (int c = 1; c <= kRingColumns.size(); ++c) {
                cell << StoredText(sheet.text(r, c));
                empty = empty && cell.last().isEmpty();
            }
            if (empty)
                return;  // a row left blank inside the sheet
            const QString& loftNo = cell[1];
            const QString ringNo =
                longLayout && !cell[8].isEmpty() ? cell[8] : cell[2] + cell[3] + cell[4] + cell[5];
            if (ringNo.isEmpty()) {
                result.noRingRows << r;
                return;
            }
            auto loft = lofts.find(loftNo);
            if (loft == lofts.end())
                loft = lofts.insert(
                    loftNo,
                    db.rowCount(QStringLiteral("select LoftNo from ZOL_LoftData where LoftNo=?"),
                                {loftNo}) > 0);
            if (!loft.value()) {
                result.missingLoftRows << r;
                return;
            }
            const QString sex = SexCode(cell[6]);
            const QString& colour = cell[7];
            const QString& eRing = cell[9];
            const QDateTime now = clock.now();

            // A ring read twice from one sheet is found the second time, and updated.
            if (db.rowCount(
                    QStringLiteral("select PRingNo from ZOL_PigData where LoftNo=? and PRingNo=?"),
                    {loftNo, ringNo}) > 0) {
                if (hasElectronicRings)
                    db.exec(QStringLiteral("update ZOL_PigData set Sex=?,ColorType=?,E_Ring=?,"
                                           "Updatetime=? where PRingNo=?"),
                            {sex, colour, eRing, MomentMsText(now), ringNo});
                else
                    db.exec(QStringLiteral("update ZOL_PigData set Sex=?,ColorType=?,Updatetime=? "
                                           "where PRingNo=?"),
                            {sex, colour, MomentMsText(now), ringNo});
                ++result.updated;
                return;
            }
            // Races find a pigeon by its ring number alone, so a ring belongs to one loft only.
            const QVariant owner = db.value(
                QStringLiteral("select LoftNo from ZOL_PigData where PRingNo=? limit 1"), {ringNo});
            if (!owner.isNull()) {
                result.otherLoftRings
                    << MemberText::tr("row %1: %2 of loft %3").arg(r).arg(ringNo, owner.toString());
                return;
            }
            QVariantList values = {loftNo,
                                   ringNo,
                                   cell[2],
                                   cell[3],
                                   cell[4],
                                   cell[5],
                                   sex,
                                   colour,
                                   DateText(now.date()),
                                   MomentMsText(now)};
            QString sql = QStringLiteral(
                "insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,RRegNumber,Sex,"
                "ColorType,Comment,SynchFlag,DeleteMark,CreateDate,Updatetime");
            if (longLayout) {
                sql += QStringLiteral(",E_Ring) values(?,?,?,?,?,?,?,?,NULL,1,0,?,?,?)");
                values << eRing;
            } else {
                sql += QStringLiteral(") values(?,?,?,?,?,?,?,?,NULL,1,0,?,?)");
            }
            db.exec(sql, values);
            ++result.inserted;
        };

    // One transaction for the sheet; a row that fails ends the loop, and what came before it
    // is committed.
    db.transaction([&] {
        for (int r = 2; r <= rows; ++r) {
            if ((r - 2) % 100 == 0) {
                progress.step(r - 2, rows - 1, MemberText::tr("Row %1 of %2").arg(r).arg(rows));
                if (progress.stopRequested()) {
                    result.stoppedAtRow = r;  // asked to stop: no reason to give
                    return;
                }
            }
            try {
                importRow(r);
            } catch (const UserError& e) {
                result.stoppedAtRow = r;
                result.stopReason = e.text();
                return;
            }
        }
    });
    progress.step(qMax(rows - 1, 0), qMax(rows - 1, 0));
    return result;
}

QString RingImportReport(const RingImportResult& r) {
    QStringList lines;
    if (!r.missingLoftRows.isEmpty())
        lines << MemberText::tr("Rows not imported because their loft is not a member: %1.")
                     .arg(RowList(r.missingLoftRows));
    if (!r.otherLoftRings.isEmpty()) {
        constexpr int kShown = 20;
        QString rings = r.otherLoftRings.mid(0, kShown).join(QStringLiteral("; "));
        if (r.otherLoftRings.size() > kShown)
            rings += MemberText::tr("; and %1 more").arg(r.otherLoftRings.size() - kShown);
        lines << MemberText::tr("Rings not imported because they belong to another loft: %1.")
                     .arg(rings);
    }
    if (!r.noRingRows.isEmpty())
        lines << MemberText::tr("Rows not imported because they hold no ring number: %1.")
                     .arg(RowList(r.noRingRows));
    if (!r.formulaCells.isEmpty()) {
        constexpr int kShown = 20;
        QString cells = r.formulaCells.mid(0, kShown).join(QStringLiteral(", "));
        if (r.formulaCells.size() > kShown)
            cells += MemberText::tr(" and %1 more").arg(r.formulaCells.size() - kShown);
        lines << (r.formulaCells.size() == 1
                      ? MemberText::tr("Rows not imported: %1 holds a formula without a value: "
                                       "open and save the sheet in a spreadsheet program first.")
                      : MemberText::tr("Rows not imported: %1 hold a formula without a value: "
                                       "open and save the sheet in a spreadsheet program first."))
                     .arg(cells);
    }
    if (r.stoppedAtRow > 0 && r.stopReason.isEmpty())
        lines << MemberText::tr("The import was stopped at row %1. The rows before it are stored.")
                     .arg(r.stoppedAtRow);
    else if (r.stoppedAtRow > 0)
        lines << MemberText::tr("The import stopped at row %1: %2. The rows before it are stored.")
                     .arg(r.stoppedAtRow)
                     .arg(r.stopReason);
    return lines.join(QLatin1Char('\n'));
}
