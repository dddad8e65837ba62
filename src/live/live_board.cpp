#include "live_board.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

#include "data/database.h"
#include "data/date_time.h"
#include "members/member_privacy.h"
#include "races/race_publish.h"
#include "races/race_results.h"
#include "races/result_lock.h"

namespace {

// The columns of the published ranking the board relies on.
constexpr int kRingColumn = 2;

QString RaceDateText(const LiveRace& race) {
    return DateText(race.liberDate);
}

bool RaceExists(TdmZOLF& db, const LiveRace& race) {
    return db.rowCount(QStringLiteral("select 1 from ZOL_RaceData where LiberCode=? and "
                                      "substr(LiberDate,1,10)=?"),
                       {race.liberCode, RaceDateText(race)}) > 0;
}

const char kBoardStyle[] =
    ".live{font-size:.9em;color:#444}.counts{font-size:1.1em;font-weight:bold}"
    "tr.new td{background:#fff2a8;font-weight:bold}"
    "td.prov{color:#9a5b00;font-size:.8em}"
    ".clocks{margin:.3em 0}.clocks span{white-space:nowrap}"
    ".latest{margin:.3em 0;padding:.3em .5em;background:#fff8d0;border-left:4px solid #e0b000}"
    "body.screen{max-width:none;font-size:2.1vw}body.screen table{font-size:1em}"
    "body.screen h1{font-size:1.6em}body.screen th{position:sticky;top:0}";

// The script of both pages: asks for the board's JSON (the browser sends the ETag it holds and
// takes the 304 for the copy it has), puts the new board in place, and notes when each arrival
// was first seen. The club-room screen also scrolls through the ranking by itself.
const char kScript[] =
    "(function(){var b=document.getElementById('board');if(!b||!window.fetch)return;"
    "var poll=(+b.getAttribute('data-poll')||15)*1000,tag=b.getAttribute('data-etag'),seen={};"
    "function mark(){var now=Date.now(),r=b.querySelectorAll('tr[data-ring]');"
    "for(var i=0;i<r.length;i++){var k=r[i].getAttribute('data-ring');"
    "if(!seen[k])seen[k]=now;r[i].setAttribute('data-seen',seen[k]);}}"
    "mark();function tick(){fetch('board.json',{cache:'no-cache'}).then(function(r){"
    "return r.ok?r.json():null;}).then(function(j){if(j&&j.etag!==tag){tag=j.etag;"
    "b.innerHTML=j.html;mark();}}).catch(function(){}).then(function(){"
    "setTimeout(tick,poll);});}setTimeout(tick,poll);"
    "if(document.body.className==='screen'){var pause=0;setInterval(function(){"
    "if(pause>0){pause--;if(pause===0&&window.innerHeight+window.scrollY>="
    "document.body.scrollHeight-2)window.scrollTo(0,0);return;}"
    "var y=window.scrollY;window.scrollBy(0,2);if(window.scrollY===y)pause=60;},50);}"
    "})();";

QString JoinedOrNone(const QStringList& names) {
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

QByteArray BoardFragment(const LiveBoardData& d, const QStringList& latest,
                         const QDateTime& readAt) {
    QString top =
        QStringLiteral("<header>\n<h1>") + HtmlText(d.clubName) + QStringLiteral("</h1>\n");
    if (!d.race.isValid()) {
        top += QStringLiteral("<p class=\"state\">No race to show yet.</p>\n</header>\n");
        top += QStringLiteral("<p class=\"live\">Last change seen at ") + TimeText(readAt.time()) +
               QStringLiteral("</p>\n");
        return top.toUtf8();
    }
    const RacePage& page = d.page;
    top += QStringLiteral("<h2>") + HtmlText(page.site) + QStringLiteral(" (") +
           HtmlText(page.liberCode) + QStringLiteral(") \u2013 ") + RaceDateText(d.race) +
           QStringLiteral("</h2>\n");
    top += QStringLiteral("<p>Liberation: ") + HtmlText(page.liberationTime) +
           QStringLiteral("</p>\n");
    top += d.final ? QStringLiteral("<p class=\"state final\">") + HtmlText(page.state) +
                         QStringLiteral(" \u2013 this result is final.</p>\n")
                   : QStringLiteral(
                         "<p class=\"state provisional\">Provisional \u2013 arrivals so far, the "
                         "result may still change.</p>\n");
    top += QStringLiteral("<p class=\"counts\">Birds marked: %1 \u00b7 arrived: %2</p>\n")
               .arg(d.marked)
               .arg(d.arrived);
    top += QStringLiteral("<p class=\"clocks\">Clocks read: <span>") +
           HtmlText(JoinedOrNone(d.clocksRead)) +
           QStringLiteral("</span><br>Still to read: <span>") +
           HtmlText(JoinedOrNone(d.clocksToRead)) + QStringLiteral("</span></p>\n</header>\n");

    // The rows of the latest arrivals, and the names shown on them.
    const QSet<QString> fresh(latest.begin(), latest.end());
    QList<QByteArray> attributes;
    QHash<QString, QString> latestText;
    for (const QStringList& row : page.rows) {
        const QString ring = row.value(kRingColumn).trimmed();
        QByteArray a = "data-ring=\"" + HtmlText(ring).toUtf8() + '"';
        if (fresh.contains(ring)) {
            a += " class=\"new\"";
            latestText.insert(ring, row.value(1).trimmed() + QLatin1Char(' ') + ring +
                                        QLatin1Char(' ') + row.value(5).trimmed());
        }
        attributes << a;
    }
    QString news;
    for (const QString& ring : latest) {
        if (latestText.contains(ring)) {
            news += (news.isEmpty() ? QString() : QStringLiteral(" \u00b7 ")) +
                    HtmlText(latestText.value(ring));
        }
    }
    QByteArray html = top.toUtf8();
    if (!news.isEmpty()) {
        html += "<p class=\"latest\">Latest arrivals: " + news.toUtf8() + "</p>\n";
    }
    if (page.rows.isEmpty()) {
        html += "<p class=\"summary\">No arrivals yet.</p>\n";
    } else {
        QStringList titles = page.titles;
        QList<QStringList> rows = page.rows;
        if (!d.final) {
            // Every row is provisional until the result is locked.
            titles << QString();
            for (QStringList& row : rows) {
                row << QStringLiteral("provisional");
            }
        }
        QByteArray table = RankingTableHtml(titles, page.rightAligned, rows, attributes);
        if (!d.final) {
            table.replace("<td>provisional</td>", "<td class=\"prov\">provisional</td>");
        }
        html += table;
    }
    if (!page.legend.isEmpty()) {
        html += "<p class=\"legend\">" + HtmlText(page.legend).toUtf8() + "</p>\n";
    }
    html += "<p class=\"live\">Last change seen at " + TimeText(readAt.time()).toUtf8() + "</p>\n";
    return html;
}

QByteArray Page(const LiveBoardData& d, const QByteArray& fragment, const QByteArray& etag,
                bool screen, int pollSeconds) {
    QString title = d.clubName;
    if (d.race.isValid()) {
        title += QStringLiteral(" \u2013 ") + d.page.site + QStringLiteral(" \u2013 live");
    }
    QByteArray html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        // Without the script the page asks again by itself.
        "<noscript><meta http-equiv=\"refresh\" content=\"30\"></noscript>\n<title>" +
        HtmlText(title).toUtf8() + "</title>\n<style>" + PublishedPageStyle() + kBoardStyle +
        "</style>\n</head>\n<body class=\"" + (screen ? "screen" : "phone") +
        "\">\n<div id=\"board\" data-poll=\"" +
        (screen ? QByteArray("0.5") : QByteArray::number(pollSeconds)) + "\" data-etag=\"" +
        HtmlText(QString::fromLatin1(etag)).toUtf8() + "\">\n" + fragment + "</div>\n<script>" +
        kScript + "</script>\n</body>\n</html>\n";
    return html;
}

}  // namespace

LiveRace ChooseLiveRace(TdmZOLF& db, const QDate& today, const LiveRace& chosen) {
    if (chosen.isValid() && RaceExists(db, chosen)) {
        return chosen;
    }
    QSqlQuery q = db.select(
        QStringLiteral(
            "select r.LiberCode, substr(r.LiberDate,1,10) as d, (select max(p.BackTime) from "
            "ZOL_PigRaceData p where p.LiberCode=r.LiberCode and "
            "substr(p.LiberDate,1,10)=substr(r.LiberDate,1,10)) as last from ZOL_RaceData r "
            "where substr(r.LiberDate,1,10)<=? order by d desc, last desc nulls last, "
            "r.LiberCode desc limit 1"),
        {DateText(today)});
    if (!q.next()) {
        return {};
    }
    return LiveRace{q.value(0).toString(), ParseDate(q.value(1).toString())};
}

QString LiveFingerprint(TdmZOLF& db, const LiveRace& race) {
    if (!race.isValid()) {
        return QString();
    }
    const QVariantList key{race.liberCode, RaceDateText(race)};
    QStringList parts;
    for (const QVariant& v : db.rows(QStringLiteral("select count(*), count(BackTime), "
                                                    "max(BackTime), sum(FlySpeed) from "
                                                    "ZOL_PigRaceData where LiberCode=? and "
                                                    "substr(LiberDate,1,10)=?"),
                                     key)
                                 .value(0)) {
        parts << v.toString();
    }
    for (const QVariant& v :
         db.rows(QStringLiteral("select count(ULClockTime), max(ULClockTime) from "
                                "ZOL_RaceClockTime where LiberCode=? and "
                                "substr(LiberDate,1,10)=?"),
                 key)
             .value(0)) {
        parts << v.toString();
    }
    const ResultLock lock = ReadResultLock(db, race.liberCode, race.liberDate);
    parts << QString::number(lock.final) << MomentText(lock.lockedAt);
    return parts.join(QLatin1Char('|'));
}

LiveBoardData ReadLiveBoard(TdmZOLF& db, const LiveRace& race) {
    LiveBoardData d;
    d.race = race;
    if (!race.isValid()) {
        d.clubName = db.value(QStringLiteral("select ClubName from ZOL_ClubData order by rowid "
                                             "limit 1"))
                         .toString();
        return d;
    }
    // The ranking exactly as the published page has it: the same names and columns.
    d.page = ReadRacePublication(db, race.liberCode, race.liberDate).page;
    d.clubName = d.page.clubName;
    d.final = ReadResultLock(db, race.liberCode, race.liberDate).final;
    const QVariantList key{race.liberCode, RaceDateText(race)};

    QSqlQuery arrivals = db.select(QStringLiteral("select PRingNo from ZOL_PigRaceData where "
                                                  "LiberCode=? and substr(LiberDate,1,10)=? and "
                                                  "BackTime is not null order by BackTime, "
                                                  "PRingNo"),
                                   key);
    while (arrivals.next()) {
        d.arrivalRings << arrivals.value(0).toString();
    }
    const QList<QVariantList> counts =
        db.rows(QStringLiteral("select count(*), count(BackTime) from ZOL_PigRaceData where "
                               "LiberCode=? and substr(LiberDate,1,10)=?"),
                key);
    d.marked = counts.value(0).value(0).toInt();
    d.arrived = counts.value(0).value(1).toInt();

    // A member's clock counts as read once its stop time was taken after the race or one of
    // its arrivals is stored.
    QSet<QString> read;
    for (const QString& loft : db.texts(QStringLiteral("select LoftNo from ZOL_RaceClockTime "
                                                       "where LiberCode=? and "
                                                       "substr(LiberDate,1,10)=? and "
                                                       "ULClockTime is not null"),
                                        key)) {
        read.insert(loft);
    }
    QStringList lofts;
    QSqlQuery status = db.select(RaceStatusSql(), key);
    while (status.next()) {
        const QString loft = status.value(0).toString();
        if (status.value(0).isNull() || lofts.contains(loft)) {
            if (!status.value(0).isNull() && status.value(3).toInt() > 0) {
                read.insert(loft);
            }
            continue;
        }
        lofts << loft;
        if (status.value(3).toInt() > 0) {
            read.insert(loft);
        }
    }
    const PublishedMembers members(db);
    for (const QString& loft : lofts) {
        (read.contains(loft) ? d.clocksRead : d.clocksToRead) << members.of(loft).text();
    }
    return d;
}

void ArrivalOrder::update(const LiveRace& race, const QStringList& rings) {
    if (!(race == race_)) {
        race_ = race;
        order_.clear();
        known_.clear();
    }
    const QSet<QString> now(rings.begin(), rings.end());
    // An arrival taken back (corrected, or the race unlocked and changed) leaves the order.
    if (now.size() != known_.size() ||
        !std::all_of(order_.begin(), order_.end(),
                     [&](const QString& r) { return now.contains(r); })) {
        QStringList kept;
        for (const QString& r : order_) {
            if (now.contains(r)) {
                kept << r;
            }
        }
        order_ = kept;
        known_.clear();
        for (int i = 0; i < order_.size(); ++i) {
            known_.insert(order_[i], i);
        }
    }
    for (const QString& r : rings) {
        if (!known_.contains(r)) {
            known_.insert(r, order_.size());
            order_ << r;
        }
    }
}

QStringList ArrivalOrder::latest(int count) const {
    QStringList out;
    for (int i = order_.size() - 1; i >= 0 && out.size() < count; --i) {
        out << order_[i];
    }
    return out;
}

LiveDocuments RenderLiveBoard(const LiveBoardData& d, const QStringList& latest, int pollSeconds,
                              const QDateTime& readAt) {
    const QByteArray fragment = BoardFragment(d, latest, readAt);
    QJsonObject o;
    o.insert(QStringLiteral("club"), d.clubName);
    if (d.race.isValid()) {
        o.insert(QStringLiteral("race"), d.race.liberCode);
        o.insert(QStringLiteral("date"), RaceDateText(d.race));
        o.insert(QStringLiteral("site"), d.page.site);
        o.insert(QStringLiteral("liberation"), d.page.liberationTime);
        o.insert(QStringLiteral("final"), d.final);
        o.insert(QStringLiteral("state"), d.final ? d.page.state : QStringLiteral("Provisional"));
        o.insert(QStringLiteral("marked"), d.marked);
        o.insert(QStringLiteral("arrived"), d.arrived);
        o.insert(QStringLiteral("ranked"), d.page.rows.size());
        o.insert(QStringLiteral("clocksRead"), QJsonArray::fromStringList(d.clocksRead));
        o.insert(QStringLiteral("clocksToRead"), QJsonArray::fromStringList(d.clocksToRead));
        o.insert(QStringLiteral("latest"), QJsonArray::fromStringList(latest));
    }
    o.insert(QStringLiteral("html"), QString::fromUtf8(fragment));
    // The tag follows what the board shows, not the moment it was read.
    QByteArray stable = fragment;
    const int updated = stable.lastIndexOf("<p class=\"live\">Last change seen at ");
    if (updated >= 0) {
        stable.truncate(updated);
    }
    stable +=
        QJsonDocument(QJsonObject{{QStringLiteral("latest"), QJsonArray::fromStringList(latest)}})
            .toJson(QJsonDocument::Compact);
    const QByteArray etag =
        '"' + QCryptographicHash::hash(stable, QCryptographicHash::Sha256).toHex().left(20) + '"';
    o.insert(QStringLiteral("etag"), QString::fromLatin1(etag));
    LiveDocuments docs;
    docs.etag = etag;
    docs.json = QJsonDocument(o).toJson(QJsonDocument::Compact);
    docs.phonePage = Page(d, fragment, etag, false, pollSeconds);
    docs.screenPage = Page(d, fragment, etag, true, pollSeconds);
    return docs;
}

QList<LiveRace> LiveRaceChoices(TdmZOLF& db) {
    QList<LiveRace> races;
    for (const QVariantList& row :
         db.rows(QStringLiteral("select LiberCode, substr(LiberDate,1,10) as d from "
                                "ZOL_RaceData order by d desc, LiberCode limit 40"))) {
        const LiveRace race{row.value(0).toString(), ParseDate(row.value(1).toString())};
        if (race.isValid()) {
            races << race;
        }
    }
    return races;
}
