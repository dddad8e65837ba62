#include "loft_distances.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

#include "coordinates.h"
#include "data/batched_rows.h"
#include "data/convert.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/translate.h"
#include "distance_method.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

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
    // Loft numbers are unique, so the join gives each distance row once.
    QString sql = QStringLiteral(
        "select d.LiberCode as LiberCode, l.LoftName as LoftName, d.LoftNo as LoftNo, "
        "d.Miles as Miles, d.Yards as Yards from ZOL_LoftLibPointDist d "
        "left join ZOL_LoftData l on l.LoftNo=d.LoftNo");
    if (filtered) {
        sql += QStringLiteral(" where d.LiberCode=?");
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

QHash<QString, QString> LoftDistanceTexts(TdmZOLF& db, const QString& liberCode) {
    QHash<QString, QString> texts;
    QSqlQuery q = db.select(
        QStringLiteral("select LoftNo, Miles, Yards from ZOL_LoftLibPointDist where LiberCode=?"),
        {liberCode});
    while (q.next()) {
        const QString loftNo = q.value(0).toString();
        if (!texts.contains(loftNo)) {
            texts.insert(loftNo, q.value(1).toString() + QLatin1Char('/') + q.value(2).toString());
        }
    }
    return texts;
}

namespace {

const QString kUpdatePair = QStringLiteral(
    "update ZOL_LoftLibPointDist set Miles=?, Yards=? where LiberCode=? and LoftNo=?");
const QString kInsertPair = QStringLiteral(
    "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values(?,?,?,?)");

// A distance field of the file: empty stores null, anything else must be a whole number.
QVariant distanceNumber(const QString& text) {
    return text.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(StrToInt(text));
}

}  // namespace

namespace {

struct LoftCoordinates {
    QString loftNo, loftName, lon, lat;
};

// The race's own coordinates (nothing when there is no such race) and every loft with a
// longitude.
bool readRacePoint(TdmZOLF& db, const QString& clubId, const QString& liberCode,
                   const QString& liberDateText, QString& pointLon, QString& pointLat) {
    QSqlQuery race =
        db.select(QStringLiteral("select LiberLon, LiberLat from ZOL_RaceData where "
                                 "ClubID=? and LiberCode=? and substr(LiberDate,1,10)=? limit 1"),
                  {clubId, liberCode, DateText(StrToDate(liberDateText))});
    if (!race.next()) {
        return false;
    }
    pointLon = race.value(0).toString();
    pointLat = race.value(1).toString();
    return true;
}

QList<LoftCoordinates> lofts(TdmZOLF& db) {
    QList<LoftCoordinates> list;
    QSqlQuery q =
        db.select(QStringLiteral("select LoftNo, LoftName, LoftLon, LoftLat from "
                                 "ZOL_LoftData where LoftLon is not null"));
    while (q.next()) {
        list << LoftCoordinates{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toString()};
    }
    return list;
}

// Parsing for a view: a loft whose coordinates do not parse is left out without a message
// (the update shows it).
class QuietPrompts : public Prompts {
  public:
    void message(const QString&) override {}
    void information(const QString&, int) override {}
    void error(const QString&) override {}
    Answer question(const QString&, Buttons) override { return Answer::No; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

}  // namespace

int LoftDistUpdate(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& liberCode,
                   const QString& liberDateText) {
    QString pointLon, pointLat;
    if (!readRacePoint(db, clubId, liberCode, liberDateText, pointLon, pointLat)) {
        return 0;
    }
    const int mode = ClubDistanceMode(db);
    const DistanceMethod method = ClubDistanceMethod(db);
    const QList<LoftCoordinates> all = lofts(db);

    // Each loft's coordinates and the liberation point are parsed once (the point when the
    // first loft with coordinates needs it, so that a point that does not parse is said once).
    const auto notSet = [](const QString& text) {
        return text.isEmpty() || text.front() == QLatin1Char(' ');
    };
    const bool pointSet = !notSet(pointLon) && !notSet(pointLat);
    std::optional<std::optional<std::pair<long double, long double>>> point;
    const auto pairOf = [&](const LoftCoordinates& loft) -> DistPair {
        if (!pointSet || notSet(loft.lon) || notSet(loft.lat)) {
            return {};
        }
        LoftPointDegrees d;
        if (!StrToCoord(loft.lat, d.loftLat, prompts) ||
            !StrToCoord(loft.lon, d.loftLon, prompts)) {
            return {};
        }
        if (!point) {
            long double lat = 0, lon = 0;
            point = StrToCoord(pointLat, lat, prompts) && StrToCoord(pointLon, lon, prompts)
                        ? std::optional(std::pair{lat, lon})
                        : std::nullopt;
        }
        if (!*point) {
            return {};
        }
        d.pointLat = (*point)->first;
        d.pointLon = (*point)->second;
        return DegreesDistPair(method, mode, d);
    };
    QList<QVariantList> updates;
    QList<QVariantList> inserts;
    db.transaction([&] {
        const QStringList stored =
            db.texts(QStringLiteral("select LoftNo from ZOL_LoftLibPointDist where LiberCode=?"),
                     {liberCode});
        QSet<QString> existing(stored.cbegin(), stored.cend());
        for (const LoftCoordinates& loft : all) {
            const DistPair pair = pairOf(loft);
            (existing.contains(loft.loftNo) ? updates : inserts)
                << QVariantList{liberCode, loft.loftNo, pair.miles, pair.yards};
            existing.insert(loft.loftNo);
        }
        ExecRowBatches(db,
                       QStringLiteral("update ZOL_LoftLibPointDist set Miles=cast(v.column3 as "
                                      "bigint), Yards=cast(v.column4 as bigint) from (values "),
                       QStringLiteral(") as v where ZOL_LoftLibPointDist.LiberCode=v.column1 and "
                                      "ZOL_LoftLibPointDist.LoftNo=v.column2"),
                       updates);
        ExecRowBatches(db,
                       QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, "
                                      "Miles, Yards) values "),
                       QString(), inserts);
        SetLoftDistanceSource(
            db, liberCode,
            method == DistanceMethod::Geodesic ? DistanceSource::Geodesic : DistanceSource::Flat);
    });
    return int(all.size());
}

QList<MethodComparison> CompareDistanceMethods(TdmZOLF& db, const QString& clubId,
                                               const QString& liberCode,
                                               const QString& liberDateText) {
    QList<MethodComparison> rows;
    QString pointLon, pointLat;
    if (!readRacePoint(db, clubId, liberCode, liberDateText, pointLon, pointLat)) {
        return rows;
    }
    const int mode = ClubDistanceMode(db);
    QuietPrompts quiet;
    for (const LoftCoordinates& loft : lofts(db)) {
        if (!ParseLoftPoint(loft.lon, loft.lat, pointLon, pointLat, quiet)) {
            continue;
        }
        const auto total = [&](DistanceMethod method) {
            const DistPair pair =
                LoftPointDistPair(method, mode, loft.lon, loft.lat, pointLon, pointLat, quiet);
            return DistPairToUnits(pair.miles, pair.yards, mode);
        };
        rows << MethodComparison{loft.loftNo, loft.loftName, total(DistanceMethod::Flat),
                                 total(DistanceMethod::Geodesic)};
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const MethodComparison& a, const MethodComparison& b) {
                         return a.difference() > b.difference();
                     });
    return rows;
}

void SetLoftDistance(TdmZOLF& db, const QString& liberCode, const QString& loftNo,
                     const QVariant& miles, const QVariant& yards) {
    db.exec(kUpdatePair, {miles, yards, liberCode, loftNo});
}

QString DistanceDownloadMessage(const QStringList& strangers) {
    if (strangers.isEmpty()) {
        return Translated("Races", kDistanceDownloadSuccess);
    }
    constexpr int kListed = 20;
    QString listed = strangers.mid(0, kListed).join(QStringLiteral("\n"));
    if (strangers.size() > kListed) {
        listed += RaceText::tr("\n... and %1 more").arg(strangers.size() - kListed);
    }
    return Translated("Races", kDistanceDownloadSuccess) +
           RaceText::tr(
               "\n%1 line(s) name a loft that is not a member; their distances are "
               "stored for when the loft joins:\n%2")
               .arg(strangers.size())
               .arg(listed);
}

int DownloadDistances(TdmZOLF& db, Prompts& prompts, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw UserError(RaceText::tr("Cannot open file %1.").arg(path));
    }
    QStringList lines =
        ExchangeFileText(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }

    // One transaction for the whole file; a bad line ends it, and the lines before it are
    // committed before its error is shown.
    QSqlQuery exists = db.prepare(QStringLiteral(
        "select 1 from ZOL_LoftLibPointDist where LiberCode=? and LoftNo=? limit 1"));
    QSqlQuery update = db.prepare(kUpdatePair);
    QSqlQuery insert = db.prepare(kInsertPair);
    QSqlQuery member =
        db.prepare(QStringLiteral("select 1 from ZOL_LoftData where LoftNo=? limit 1"));
    QStringList strangers;  // lines stored for a loft that is not a member
    // Whether a loft is a member, asked once per loft: a file holds a line for every loft and
    // site, and on a server every question is a round trip.
    QHash<QString, bool> members;
    const auto tryRun = [](QSqlQuery& statement, const QVariantList& params) {
        try {
            TdmZOLF::run(statement, params);
            return true;
        } catch (const DbError&) {
            return false;  // a line the database refuses is passed over
        }
    };
    int lineNo = 0;
    QString failure;
    QSet<QString> codes;  // the codes whose rows now hold the file's distances
    const auto readLines = [&] {
        for (const QString& line : lines) {
            ++lineNo;
            QStringList fields = line.split(QLatin1Char(','));
            while (fields.size() < 4) {
                fields << QString();
            }
            const QString& code = fields.at(0);
            const QString& loftNo = fields.at(1);
            if (code.isEmpty()) {
                // Without a code a line only updates a row that exists.
                TdmZOLF::run(exists, {code, loftNo});
                const bool found = exists.next();
                exists.finish();
                if (!found) {
                    continue;
                }
            }
            QVariant miles;
            QVariant yards;
            try {
                miles = distanceNumber(fields.at(2));
                yards = distanceNumber(fields.at(3));
            } catch (const UserError& e) {
                failure = RaceText::tr("%1 (line %2)").arg(e.text()).arg(lineNo);
                return;
            }
            bool stored = tryRun(update, {miles, yards, code, loftNo});
            if (stored && update.numRowsAffected() == 0) {
                stored = !code.isEmpty() && tryRun(insert, {code, loftNo, miles, yards});
            }
            if (stored) {
                codes.insert(code);
                auto known = members.constFind(loftNo);
                if (known == members.constEnd()) {
                    TdmZOLF::run(member, {loftNo});
                    known = members.insert(loftNo, member.next());
                    member.finish();
                }
                if (!known.value()) {
                    strangers << RaceText::tr("line %1 \"%2\"").arg(lineNo).arg(line);
                }
            }
        }
    };
    db.transaction([&] {
        readLines();
        for (const QString& code : codes) {
            SetLoftDistanceSource(db, code, DistanceSource::File);
        }
    });
    if (!failure.isEmpty()) {
        throw UserError(failure);
    }
    prompts.message(DistanceDownloadMessage(strangers));
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
    // A typed distance is no longer the method's or the file's: the race's lists say so.
    db.transaction([&] {
        SetLoftDistance(db, code, loftNo, miles, yards);
        SetLoftDistanceSource(db, code, DistanceSource::Typed);
    });
}
