#include "marked_list.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/prompts.h"
#include "spreadsheet/workbook_writer.h"

namespace {
struct ClockText {
    Q_DECLARE_TR_FUNCTIONS(ClockOperation)
};
}  // namespace

QList<QVariantList> MarkedListRows(TdmZOLF& db, const QString& raceDateText) {
    QSqlQuery q = db.select(
        QStringLiteral(
            "select a.LoftNo, a.PRingNo, a.Sex, a.ColorType, b.LiberCode, b.LiberDate, "
            "b.MarkedTime, (select count(*) from ZOL_PigRaceData e left join ZOL_PigData f on "
            "e.PRingNo=f.PRingNo where e.LiberCode=b.LiberCode and e.LiberDate=b.LiberDate and "
            "f.LoftNo=a.LoftNo and e.MarkedTime<=b.MarkedTime) as Nom from ZOL_PigRaceData b "
            "left join ZOL_PigData a on a.PRingNo=b.PRingNo where substr(b.LiberDate,1,10)=? order "
            "by a.LoftNo nulls first, b.MarkedTime nulls first"),
        {raceDateText});
    QList<QVariantList> rows;
    while (q.next()) {
        const QDate date = ParseDate(q.value(5).toString());
        const QDateTime marked = ParseMoment(q.value(6).toString());
        const int nom = q.value(7).toInt();
        rows << QVariantList{q.value(0),
                             q.value(1),
                             q.value(2),
                             q.value(3),
                             q.value(4),
                             date.isValid() ? QVariant(DateText(date)) : q.value(5),
                             marked.isValid() ? QVariant(GeneralText(marked)) : q.value(6),
                             nom > 5 ? 0 : nom};
    }
    return rows;
}

QString ExportMarkedList(TdmZOLF& db, Prompts& prompts, const QString& raceDateText) {
    const QString fileName = prompts.saveFileName(ClockText::tr("Excel File (*.xlsx)"));
    if (fileName.isEmpty()) {
        return {};
    }
    WorkbookWriter book({QStringLiteral("LoftNo"), QStringLiteral("PRingNo"), QStringLiteral("Sex"),
                         QStringLiteral("ColorType"), QStringLiteral("LiberCode"),
                         QStringLiteral("LiberDate"), QStringLiteral("MarkedTime"),
                         QStringLiteral("Nom")});
    for (int column = 1; column <= 7; ++column) {
        book.setColumnFormat(column, kTextFormat);
    }
    book.setColumnWidth(1, 12);
    book.setColumnWidth(2, 22);
    book.setColumnWidth(6, 12);
    book.setColumnWidth(7, 25);
    for (const QVariantList& row : MarkedListRows(db, raceDateText)) {
        book.addRow(row);
    }
    book.save(fileName);
    return fileName;
}
