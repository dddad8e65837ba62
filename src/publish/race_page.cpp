#include "race_page.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

struct PageText {
    Q_DECLARE_TR_FUNCTIONS(Publish)
};

// The language the page's own texts are in, for its lang attribute (and so for a screen
// reader's voice): each translation gives its own code.
QString PageLanguage() {
    //: The language code of the published pages (nl, fr, de): the code of this translation.
    return PageText::tr("en");
}

const char kStyle[] =
    "body{font-family:system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;margin:0 auto;"
    "padding:12px;max-width:1100px;color:#111;background:#fff}"
    "h1{font-size:1.4em;margin:.2em 0}h2{font-size:1.15em;margin:.2em 0 .5em}"
    "p{margin:.3em 0}.state{font-weight:bold}.final{color:#0a5c0a}.provisional{color:#9a5b00}"
    ".summary{font-family:ui-monospace,Menlo,Consolas,monospace;white-space:pre-wrap}"
    ".scroll{overflow-x:auto;-webkit-overflow-scrolling:touch;margin:.6em 0}"
    "table{border-collapse:collapse;width:100%;font-size:.92em}"
    "th,td{padding:3px 6px;border-bottom:1px solid #ddd;text-align:left;white-space:nowrap}"
    "th{background:#eef1f5;position:sticky;top:0}td.n,th.n{text-align:right}"
    "tbody tr:nth-child(even){background:#f8f9fb}"
    ".charts{display:flex;flex-wrap:wrap;gap:12px}.charts figure{margin:0;flex:1 1 320px}"
    ".charts svg{width:100%;height:auto;max-width:640px}"
    "footer{margin-top:1em;font-size:.9em}a{color:#1a4f9c}"
    "@media (max-width:600px){body{padding:6px}th,td{padding:2px 4px}}"
    "@media print{body{max-width:none;padding:0}.scroll{overflow:visible}"
    "th{position:static}thead{display:table-header-group}tr,figure{break-inside:avoid}"
    "footer{display:none}a{color:inherit;text-decoration:none}}";

}  // namespace

const char* PublishedPageStyle() {
    return kStyle;
}

namespace {

QByteArray Head(const QString& title) {
    return QByteArrayLiteral("<!DOCTYPE html>\n<html lang=\"") + HtmlText(PageLanguage()).toUtf8() +
           QByteArrayLiteral(
               "\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, "
               "initial-scale=1\">\n<title>") +
           HtmlText(title).toUtf8() + QByteArrayLiteral("</title>\n<style>") + kStyle +
           QByteArrayLiteral("</style>\n</head>\n<body>\n");
}

QString StateClass(bool final) {
    return final ? QStringLiteral("state final") : QStringLiteral("state provisional");
}

}  // namespace

QString HtmlText(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '<':
                out += QLatin1String("&lt;");
                break;
            case '>':
                out += QLatin1String("&gt;");
                break;
            case '&':
                out += QLatin1String("&amp;");
                break;
            case '"':
                out += QLatin1String("&quot;");
                break;
            case '\'':
                out += QLatin1String("&#39;");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString PageStateText(const QByteArray& html) {
    static const QRegularExpression state(QStringLiteral("<p class=\"state [a-z]+\">([^<]*)</p>"));
    const QRegularExpressionMatch m = state.match(QString::fromUtf8(html));
    if (!m.hasMatch()) {
        return {};
    }
    QString text = m.captured(1);
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QByteArray RankingTableHtml(const QStringList& titles, const QList<int>& rightAligned,
                            const QList<QStringList>& rows,
                            const QList<QByteArray>& rowAttributes) {
    // The rows are many on a big race: written straight into bytes.
    QByteArray html = "<div class=\"scroll\">\n<table>\n<thead><tr>";
    QList<QByteArray> open;
    for (int c = 0; c < titles.size(); ++c) {
        const bool number = rightAligned.contains(c);
        html += number ? "<th class=\"n\">" : "<th>";
        html += HtmlText(titles[c]).toUtf8();
        html += "</th>";
        open << (number ? QByteArrayLiteral("<td class=\"n\">") : QByteArrayLiteral("<td>"));
    }
    html += "</tr></thead>\n<tbody>\n";
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        html += "<tr";
        if (r < rowAttributes.size() && !rowAttributes[r].isEmpty()) {
            html += ' ' + rowAttributes[r];
        }
        html += ">";
        for (int c = 0; c < row.size(); ++c) {
            html += c < open.size() ? open[c] : QByteArrayLiteral("<td>");
            html += HtmlText(row[c].trimmed()).toUtf8();
            html += "</td>";
        }
        html += "</tr>\n";
    }
    html += "</tbody>\n</table>\n</div>\n";
    return html;
}

QByteArray RacePageHtml(const RacePage& page) {
    const QString date = page.liberDate.toString(QStringLiteral("yyyy-MM-dd"));
    QByteArray html = Head(page.clubName + QStringLiteral(" \u2013 ") + page.site +
                           QStringLiteral(" \u2013 ") + date);
    QString top;
    top += QStringLiteral("<header>\n<h1>") + HtmlText(page.clubName) + QStringLiteral("</h1>\n");
    top += QStringLiteral("<h2>") + HtmlText(page.site) + QStringLiteral(" (") +
           HtmlText(page.liberCode) + QStringLiteral(") \u2013 ") + date +
           QStringLiteral("</h2>\n");
    top += QStringLiteral("<p>") + HtmlText(PageText::tr("Liberation: ") + page.liberationTime) +
           QStringLiteral("</p>\n");
    top += QStringLiteral("<p class=\"") + StateClass(page.final) + QStringLiteral("\">") +
           HtmlText(page.state) + QStringLiteral("</p>\n");
    top += QStringLiteral("<p class=\"summary\">") + HtmlText(page.summary) +
           QStringLiteral("</p>\n</header>\n");
    html += top.toUtf8();

    html += RankingTableHtml(page.titles, page.rightAligned, page.rows);
    if (!page.legend.isEmpty()) {
        html += "<p class=\"legend\">" + HtmlText(page.legend).toUtf8() + "</p>\n";
    }
    html += "<section class=\"charts\">\n<figure>" + page.arrivalSvg + "</figure>\n<figure>" +
            page.speedSvg + "</figure>\n</section>\n";
    QString foot = QStringLiteral("<footer>");
    if (!page.csvHref.isEmpty()) {
        foot += QStringLiteral("<a href=\"") + HtmlText(page.csvHref) + QStringLiteral("\">") +
                HtmlText(PageText::tr("Ranking as CSV")) + QStringLiteral("</a>");
    }
    if (!page.indexHref.isEmpty()) {
        foot += QStringLiteral(" \u00b7 <a href=\"") + HtmlText(page.indexHref) +
                QStringLiteral("\">") +
                HtmlText(PageText::tr("All races of %1").arg(page.liberDate.year())) +
                QStringLiteral("</a>");
    }
    foot += QStringLiteral("</footer>\n</body>\n</html>\n");
    html += foot.toUtf8();
    return html;
}

QByteArray SeasonIndexHtml(const QString& clubName, int season, const QList<IndexRace>& races) {
    QByteArray html = Head(clubName + QStringLiteral(" \u2013 ") + QString::number(season));
    QString body = QStringLiteral("<header>\n<h1>") + HtmlText(clubName) +
                   QStringLiteral("</h1>\n<h2>") +
                   HtmlText(PageText::tr("Races of %1").arg(season)) +
                   QStringLiteral("</h2>\n</header>\n<div class=\"scroll\">\n<table>\n<thead><tr>");
    for (const char* title :
         {QT_TRANSLATE_NOOP("Publish", "Date"), QT_TRANSLATE_NOOP("Publish", "Race"),
          QT_TRANSLATE_NOOP("Publish", "Site"), QT_TRANSLATE_NOOP("Publish", "Result")}) {
        body += QStringLiteral("<th>") + HtmlText(QCoreApplication::translate("Publish", title)) +
                QStringLiteral("</th>");
    }
    body += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const IndexRace& r : races) {
        const QString site = r.href.isEmpty() ? HtmlText(r.site)
                                              : QStringLiteral("<a href=\"") + HtmlText(r.href) +
                                                    QStringLiteral("\">") + HtmlText(r.site) +
                                                    QStringLiteral("</a>");
        body += QStringLiteral("<tr><td>") + r.liberDate.toString(QStringLiteral("yyyy-MM-dd")) +
                QStringLiteral("</td><td>") + HtmlText(r.liberCode) + QStringLiteral("</td><td>") +
                site + QStringLiteral("</td><td>") +
                (r.href.isEmpty() ? HtmlText(PageText::tr("not published")) : HtmlText(r.state)) +
                QStringLiteral("</td></tr>\n");
    }
    body += QStringLiteral("</tbody>\n</table>\n</div>\n</body>\n</html>\n");
    return html + body.toUtf8();
}
