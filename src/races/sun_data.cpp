#include "sun_data.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

QStringList SunGridTitles() {
    return {RaceText::tr("Race Date"), RaceText::tr("Location"), RaceText::tr("Sunset"),
            RaceText::tr("Sunrise")};
}

QStringList SunGridHints() {
    return {RaceText::tr("yyyy-mm-dd "), QString(), RaceText::tr("hh:mm:ss"),
            RaceText::tr("hh:mm:ss")};
}

QList<SunGridRow> LoadSunData(TdmZOLF& db, const QString& raceCode) {
    QList<SunGridRow> rows;
    QSqlQuery q = db.select(
        QStringLiteral("select RaceDate, Location, SunSet, SunRise from ZOL_SunSet_SunRise where "
                       "RaceCode=? order by RaceDate"),
        {raceCode});
    while (q.next()) {
        rows << SunGridRow{DateText(ParseDate(q.value(0).toString())), q.value(1).toString(),
                           TimeText(ParseTime(q.value(2).toString())),
                           TimeText(ParseTime(q.value(3).toString()))};
    }
    return rows;
}

namespace {

QString cellName(int row, const QString& column) {
    return RaceText::tr("row %1, \"%2\"").arg(row).arg(column);
}

QVariant timeValue(const QString& text, int row, const QString& column) {
    if (text.trimmed().isEmpty()) {
        return QVariant(QMetaType::fromType<QString>());
    }
    const QTime time = ParseTime(text);
    if (!time.isValid()) {
        throw UserError(RaceText::tr("Sun data %1: '%2' is not a time (hh:mm:ss); nothing was "
                                     "saved.")
                            .arg(cellName(row, column), text));
    }
    return TimeText(time);
}

}  // namespace

void SaveSunData(TdmZOLF& db, const QString& raceCode, const QList<SunGridRow>& rows) {
    QList<QVariantList> inserts;
    const QStringList titles = SunGridTitles();
    for (int i = 0; i < rows.size(); ++i) {
        const SunGridRow& row = rows.at(i);
        const int number = i + 1;
        if (row.raceDate.trimmed().isEmpty()) {
            continue;
        }
        const QDate date = ParseDate(row.raceDate);
        if (!date.isValid() || row.raceDate.trimmed().size() != 10) {
            throw UserError(RaceText::tr("Sun data %1: '%2' is not a date (yyyy-mm-dd); nothing "
                                         "was saved.")
                                .arg(cellName(number, titles.at(0)), row.raceDate));
        }
        inserts << QVariantList{raceCode, DateText(date),
                                timeValue(row.sunSet, number, titles.at(2)),
                                timeValue(row.sunRise, number, titles.at(3)), row.location};
    }
    db.transaction([&] {
        db.tryExec(QStringLiteral("delete from ZOL_SunSet_SunRise where RaceCode=?"), {raceCode});
        for (const QVariantList& values : inserts) {
            db.exec(QStringLiteral("insert into ZOL_SunSet_SunRise values(?,?,?,?,?)"), values);
        }
    });
}
