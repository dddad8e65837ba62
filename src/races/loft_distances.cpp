#include "loft_distances.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include "coordinates.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"

int ClubDistanceMode(TdmZOLF& db) {
    return db.value(QStringLiteral("select Mode from ZOL_ClubData limit 1")).toInt();
}

QString MilesTitle(int mode) {
    return mode != 0 ? QStringLiteral("Miles") : QStringLiteral("KM");
}

QString YardsTitle(int mode) {
    return mode != 0 ? QStringLiteral("Yards") : QStringLiteral("M");
}

QString LoftDistanceSql(bool filtered) {
    QString sql = QStringLiteral(
        "select LiberCode, (select LoftName from ZOL_LoftData l where l.LoftNo=d.LoftNo limit 1) "
        "as LoftName, LoftNo, Miles, Yards from ZOL_LoftLibPointDist d");
    if (filtered) {
        sql += QStringLiteral(" where LiberCode=?");
    }
    return sql;
}

int LoftTotalDistance(TdmZOLF& db, const QString& liberCode, const QString& loftNo, int mode) {
    QSqlQuery q = db.select(QStringLiteral("select Miles, Yards from ZOL_LoftLibPointDist where "
                                           "LiberCode=? and LoftNo=? limit 1"),
                            {liberCode, loftNo});
    if (!q.next()) {
        return 0;
    }
    return DistPairToUnits(q.value(0).toInt(), q.value(1).toInt(), mode);
}

namespace {

bool distanceRowExists(TdmZOLF& db, const QString& liberCode, const QString& loftNo) {
    return db.rowCount(QStringLiteral("select 1 from ZOL_LoftLibPointDist where LiberCode=? and "
                                      "LoftNo=?"),
                       {liberCode, loftNo}) > 0;
}

const QString kUpdatePair = QStringLiteral(
    "update ZOL_LoftLibPointDist set Miles=?, Yards=? where LiberCode=? and LoftNo=?");
const QString kInsertPair = QStringLiteral(
    "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values(?,?,?,?)");

}  // namespace

int LoftDistUpdate(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& liberCode,
                   const QString& liberDateText) {
    QSqlQuery race =
        db.select(QStringLiteral("select LiberLon, LiberLat from ZOL_RaceData where "
                                 "ClubID=? and LiberCode=? and date(LiberDate)=? limit 1"),
                  {clubId, liberCode, DateText(StrToDate(liberDateText))});
    if (!race.next()) {
        return 0;
    }
    const QString pointLon = race.value(0).toString();
    const QString pointLat = race.value(1).toString();
    const int mode = ClubDistanceMode(db);

    struct Loft {
        QString loftNo, lon, lat;
    };
    QList<Loft> lofts;
    QSqlQuery q = db.select(QStringLiteral(
        "select LoftNo, LoftLon, LoftLat from ZOL_LoftData where LoftLon is not null"));
    while (q.next()) {
        lofts << Loft{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    }

    int written = 0;
    db.transaction([&] {
        for (const Loft& loft : lofts) {
            const int metres = LoftPointMetres(loft.lon, loft.lat, pointLon, pointLat, prompts);
            const DistPair pair = MetresToDistPair(metres, mode);
            if (distanceRowExists(db, liberCode, loft.loftNo)) {
                db.exec(kUpdatePair, {pair.miles, pair.yards, liberCode, loft.loftNo});
            } else {
                db.exec(kInsertPair, {liberCode, loft.loftNo, pair.miles, pair.yards});
            }
            ++written;
        }
    });
    return written;
}

void SetLoftDistance(TdmZOLF& db, const QString& liberCode, const QString& loftNo,
                     const QVariant& miles, const QVariant& yards) {
    db.exec(kUpdatePair, {miles, yards, liberCode, loftNo});
}

int DownloadDistances(TdmZOLF& db, Prompts& prompts, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw UserError(QStringLiteral("Cannot open file %1.").arg(path));
    }
    QStringList lines =
        ExchangeFileText(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }

    int lineNo = 0;
    for (const QString& line : lines) {
        ++lineNo;
        QStringList fields = line.split(QLatin1Char(','));
        while (fields.size() < 4) {
            fields << QString();
        }
        const auto number = [&](const QString& text) -> QVariant {
            if (text.isEmpty()) {
                return QVariant(QMetaType::fromType<int>());
            }
            try {
                return StrToInt(text);
            } catch (const UserError& e) {
                throw UserError(QStringLiteral("%1 (line %2)").arg(e.text()).arg(lineNo));
            }
        };
        const QString& code = fields.at(0);
        const QString& loftNo = fields.at(1);
        if (distanceRowExists(db, code, loftNo)) {
            const QVariant miles = number(fields.at(2));
            const QVariant yards = number(fields.at(3));
            db.tryExec(kUpdatePair, {miles, yards, code, loftNo});
        } else if (!code.isEmpty()) {
            const QVariant miles = number(fields.at(2));
            const QVariant yards = number(fields.at(3));
            db.tryExec(kInsertPair, {code, loftNo, miles, yards});
        }
    }
    prompts.message(kDistanceDownloadSuccess);
    return lineNo;
}

DistanceGridEdit::Action DistanceGridEdit::key(const QString& keyText, const QString& liberCode,
                                               const QString& loftNo, const QString& field) {
    if (keyText.isEmpty()) {
        return Action::None;
    }
    if (keyText == QLatin1String("\r") || keyText == QLatin1String("\n")) {
        return editing_ ? Action::Post : Action::None;
    }
    const bool digit =
        keyText.size() == 1 && keyText.front().isDigit() && keyText.front().unicode() < 128;
    if (!digit) {
        const bool hadEdit = editing_;
        cancel();
        return hadEdit ? Action::Cancel : Action::None;
    }
    // A digit never drops what is typed; only the distance pair takes digits.
    if (field != QLatin1String("Miles") && field != QLatin1String("Yards")) {
        return Action::None;
    }
    if (!isPending(liberCode, loftNo)) {
        cancel();
        editing_ = true;
        liberCode_ = liberCode;
        loftNo_ = loftNo;
    }
    if (lastField_ != field || !texts_.contains(field)) {
        texts_[field] = keyText;  // the first digit replaces the value
    } else {
        texts_[field] += keyText;
    }
    lastField_ = field;
    return Action::Typed;
}

QString DistanceGridEdit::pendingText(const QString& liberCode, const QString& loftNo,
                                      const QString& field) const {
    if (!isPending(liberCode, loftNo)) {
        return QString();
    }
    return texts_.value(field);
}

void DistanceGridEdit::post(TdmZOLF& db) {
    if (!editing_) {
        return;
    }
    const QString code = liberCode_;
    const QString loftNo = loftNo_;
    const QHash<QString, QString> texts = texts_;
    cancel();
    QSqlQuery q = db.select(QStringLiteral("select Miles, Yards from ZOL_LoftLibPointDist where "
                                           "LiberCode=? and LoftNo=? limit 1"),
                            {code, loftNo});
    if (!q.next()) {
        return;
    }
    const QVariant miles = texts.contains(QStringLiteral("Miles"))
                               ? QVariant(StrToInt(texts.value(QStringLiteral("Miles"))))
                               : q.value(0);
    const QVariant yards = texts.contains(QStringLiteral("Yards"))
                               ? QVariant(StrToInt(texts.value(QStringLiteral("Yards"))))
                               : q.value(1);
    SetLoftDistance(db, code, loftNo, miles, yards);
}
