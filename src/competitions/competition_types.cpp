#include "competition_types.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"

namespace {

struct CompetitionText {
    Q_DECLARE_TR_FUNCTIONS(Competitions)
};

// A whole number with up to `decimals` decimals as an integer scaled by 10^decimals; -1 when the
// text is not such a number.
qint64 ScaledNumber(QString text, int decimals) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty()) {
        return -1;
    }
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? text : text.left(dot);
    QString frac = dot < 0 ? QString() : text.mid(dot + 1);
    if ((whole.isEmpty() && frac.isEmpty()) || frac.size() > decimals || whole.size() > 12) {
        return -1;
    }
    for (const QChar c : whole + frac) {
        if (!c.isDigit() || c.unicode() > '9') {
            return -1;
        }
    }
    frac = frac.leftJustified(decimals, QLatin1Char('0'));
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    for (int i = 0; i < decimals; ++i) {
        value *= 10;
    }
    return value + (decimals > 0 ? frac.toLongLong() : 0);
}

}  // namespace

Cents ParseCents(const QString& text) {
    const qint64 v = ScaledNumber(text, 2);
    if (v < 0) {
        throw UserError(
            CompetitionText::tr("'%1' is not an amount of money (for example 2.50)").arg(text));
    }
    return v;
}

int PrizeCount(int birds, int birdsPerPrize) {
    if (birds <= 0) {
        return 0;
    }
    return std::max(1, birds / std::max(1, birdsPerPrize));
}

QString CentsText(Cents cents) {
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const qint64 a = cents < 0 ? -cents : cents;
    return sign + QString::number(a / 100) + QLatin1Char('.') +
           QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
}

int ParsePercent(const QString& text) {
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char('%'))) {
        t.chop(1);
    }
    const qint64 v = ScaledNumber(t, 2);
    if (v < 0 || v > 10000) {
        throw UserError(CompetitionText::tr("'%1' is not a percentage from 0 to 100").arg(text));
    }
    return int(v);
}

QString PercentText(int hundredths) {
    QString t = QString::number(hundredths / 100);
    const int frac = hundredths % 100;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(2, QLatin1Char('0'));
        if (f.endsWith(QLatin1Char('0'))) {
            f.chop(1);
        }
        t += QLatin1Char('.') + f;
    }
    return t;
}

QList<int> ParseSplit(const QString& text) {
    QList<int> shares;
    const QStringList parts = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts) {
        shares << ParsePercent(p);
    }
    return shares;
}

QString SplitText(const QList<int>& shares) {
    QStringList parts;
    for (int s : shares) {
        parts << PercentText(s);
    }
    return parts.join(QLatin1Char('/'));
}

qint64 SpeedMilli(double speed) {
    if (!std::isfinite(speed) || speed <= 0) {
        return 0;
    }
    return std::llround(speed * 1000.0);
}

QString MilliText(qint64 milli) {
    const QString sign = milli < 0 ? QStringLiteral("-") : QString();
    const qint64 a = milli < 0 ? -milli : milli;
    return sign + QString::number(a / 1000) + QLatin1Char('.') +
           QString::number(a % 1000).rightJustified(3, QLatin1Char('0'));
}

namespace {

void EnsureSeasonResultTable(TdmZOLF& db) {
    db.exec(QStringLiteral(
        "create table if not exists KST_SeasonResult (LiberCode TEXT not null, LiberDate TEXT "
        "not null, PRingNo TEXT not null, LoftNo TEXT, FlySpeed double precision, "
        "primary key (LiberCode, LiberDate, PRingNo))"));
}

QList<RaceBird> BirdsOf(QSqlQuery& q) {
    QList<RaceBird> birds;
    while (q.next()) {
        RaceBird b;
        b.loftNo = q.value(0).toString();
        b.ringNo = q.value(1).toString();
        b.speedMilli = q.value(2).isNull() ? 0 : SpeedMilli(q.value(2).toDouble());
        birds << b;
    }
    return birds;
}

}  // namespace

QList<RaceBird> ReadRaceBirds(TdmZOLF& db, const RaceId& race) {
    const QString day = DateText(race.liberDate);
    QSqlQuery q = db.select(
        QStringLiteral("select (select max(p.LoftNo) from ZOL_PigData p where "
                       "p.PRingNo=a.PRingNo), a.PRingNo, case when a.BackTime is null then null "
                       "else a.FlySpeed end from ZOL_PigRaceData a where a.LiberCode=? and "
                       "substr(a.LiberDate,1,10)=? order by a.PRingNo nulls first"),
        {race.liberCode, day});
    QList<RaceBird> birds = BirdsOf(q);
    if (!birds.isEmpty()) {
        return birds;
    }
    try {
        QSqlQuery kept =
            db.select(QStringLiteral("select LoftNo, PRingNo, FlySpeed from KST_SeasonResult where "
                                     "LiberCode=? and LiberDate=? order by PRingNo"),
                      {race.liberCode, day});
        return BirdsOf(kept);
    } catch (const DbError&) {
        return {};  // no race was ever purged in this file
    }
}

void KeepSeasonResults(TdmZOLF& db, const QDate& lastDay) {
    const QString last = DateText(lastDay);
    if (db.value(QStringLiteral("select 1 from ZOL_PigRaceData where substr(LiberDate,1,10)<=? "
                                "limit 1"),
                 {last})
            .isNull()) {
        return;
    }
    // Every race about to be purged at once, each replacing its earlier copy by its key (code
    // and day): two statements whatever the number of races, which on a server saves a trip
    // over the network for each.
    db.transaction([&] {
        EnsureSeasonResultTable(db);
        db.exec(QStringLiteral("delete from KST_SeasonResult where LiberDate<=? and exists "
                               "(select 1 from ZOL_PigRaceData a where "
                               "a.LiberCode=KST_SeasonResult.LiberCode and "
                               "substr(a.LiberDate,1,10)=KST_SeasonResult.LiberDate)"),
                {last});
        db.exec(QStringLiteral(
                    "insert into KST_SeasonResult (LiberCode, LiberDate, PRingNo, LoftNo, "
                    "FlySpeed) select a.LiberCode, substr(a.LiberDate,1,10), a.PRingNo, "
                    "max(p.LoftNo), max(case when a.BackTime is null then null else "
                    "a.FlySpeed end) from ZOL_PigRaceData a left join ZOL_PigData p on "
                    "p.PRingNo=a.PRingNo where substr(a.LiberDate,1,10)<=? and a.LiberCode is "
                    "not null and a.PRingNo is not null group by a.LiberCode, "
                    "substr(a.LiberDate,1,10), a.PRingNo"),
                {last});
    });
}

QDateTime RaceLiberation(TdmZOLF& db, const RaceId& race) {
    QSqlQuery q = db.select(QStringLiteral("select LiberTime from ZOL_RaceData where "
                                           "LiberCode=? and substr(LiberDate,1,10)=? limit 1"),
                            {race.liberCode, DateText(race.liberDate)});
    if (!q.next()) {
        throw UserError(CompetitionText::tr("Race %1 of %2 is not in the race list.")
                            .arg(race.liberCode, DateText(race.liberDate)));
    }
    const QTime time = ParseTime(q.value(0).toString());
    return QDateTime(race.liberDate, time.isValid() ? time : QTime(0, 0));
}

QString RaceTitle(TdmZOLF& db, const RaceId& race) {
    const QVariant site =
        db.value(QStringLiteral("select LiberSite from ZOL_RaceData where LiberCode=? and "
                                "substr(LiberDate,1,10)=? limit 1"),
                 {race.liberCode, DateText(race.liberDate)});
    QString t = race.liberCode + QLatin1Char(' ') + DateText(race.liberDate);
    if (!site.toString().isEmpty()) {
        t += QLatin1Char(' ') + site.toString();
    }
    return t;
}

void CreateSeasonResultTable(TdmZOLF& db) {
    EnsureSeasonResultTable(db);
}
