// A race published as a web page, CSV and index: the rows and their order, texts escaped, the
// provisional or final line, files whole or not written at all; the page as a real browser
// renders it; and the charts' series.
#include <sys/resource.h>
#include <QChart>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "data/club_settings.h"
#include "data/errors.h"
#include "file_faults.h"
#include "publish/csv_text.h"
#include "publish/race_charts.h"
#include "races/race_publish.h"
#include "races/result_lock.h"
#include "test_context.h"

namespace {

const QDate kDay(2026, 5, 26);

// Club "Kestrava <Club>"; race 1A "Dover & Calais" liberated 07:00:00. Three birds with a
// distance, in this order of speed: R3 (O'Brien, a clock 75 s fast), R1 (Ann), R2 (O'Brien);
// R4 has no distance row and is not listed.
void seed(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava <Club>',1)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','1A','Dover & Calais','DOV','2026-05-26','07:00:00')");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime) values('KC','2B','Arras','ARR','2026-06-02','07:30:00')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('001','Ann')");
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('002', ?)",
            {QStringLiteral("O'Brien & <Sons> \"Fast\", Jr")});
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('003','Cid')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('1A','001',300,0),('1A','002',300,100)");
    const char* birds[][6] = {
        {"R1", "001", "2026-05-26 12:00:00.000", "05:00:00.000", "1760", "3"},
        {"R2", "002", "2026-05-26 12:30:00.000", "05:30:00.000", "1600.5", "0"},
        {"R3", "002", "2026-05-26 11:50:00.000", "04:50:00.000", "1820.25", "75"},
        {"R4", "003", "2026-05-26 11:00:00.000", "04:00:00.000", "0", "0"}};
    for (const auto& b : birds) {
        db.exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, DeleteMark) "
            "values(?,?,'C','BBAR',0)",
            {b[1], b[0]});
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "FlyTime, FlySpeed, TimeVari) values('KC','1A','2026-05-26',?,?,?,?,?)",
            {b[0], b[2], b[3], QString(b[4]).toDouble(), QString(b[5]).toInt()});
    }
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The rings of the page's ranking rows, in order (the third cell of each body row).
QStringList RowRings(const QString& html) {
    QStringList rings;
    const QString body = html.section("<tbody>", 1).section("</tbody>", 0, 0);
    static const QRegularExpression row(
        "<tr><td[^>]*>[^<]*</td><td[^>]*>[^<]*</td><td>([^<]*)</td>");
    for (auto m = row.globalMatch(body); m.hasNext();) {
        rings << m.next().captured(1);
    }
    return rings;
}

}  // namespace

class TestPublish : public QObject {
    Q_OBJECT
  private slots:
    void pageCsvAndIndex();
    void pageInBrowser();
    void unwritableFolderKeepsThePreviousPage();
    void csvOpensAsTypedInASpreadsheet();
    void chartSeries_data();
    void chartSeries();
    void emptyRaceCharts();
};

void TestPublish::pageCsvAndIndex() {
    TestContext t;
    seed(*t.db);
    QTemporaryDir out;
    const PublishedFiles files = PublishRace(*t.db, out.path(), "1A", kDay);
    QCOMPARE(QFileInfo(files.page).fileName(), "2026-05-26-1A.html");
    QCOMPARE(QFileInfo(files.index).fileName(), "index-2026.html");
    const QString html = QString::fromUtf8(Read(files.page));
    QCOMPARE(RowRings(html), (QStringList{"R3", "R1", "R2"}));
    // Texts as typed, escaped; nothing of them read as markup.
    QVERIFY(html.contains("<h1>Kestrava &lt;Club&gt;</h1>"));
    QVERIFY(html.contains("Dover &amp; Calais (1A) \u2013 2026-05-26"));
    QVERIFY(html.contains("<td>O&#39;Brien &amp; &lt;Sons&gt; &quot;Fast&quot;, Jr (!)</td>"));
    QVERIFY(html.contains("<td>Ann</td>"));  // a true clock: no mark
    QVERIFY(!html.contains("<Sons>"));
    QVERIFY(html.contains("<p>Liberation: 07:00:00</p>"));
    QVERIFY(html.contains("<p class=\"state provisional\">Provisional</p>"));
    QVERIFY(html.contains("   3 Members sent     4 birds -     3 were clocked"));
    QVERIFY(html.contains("(!) the clock was more than 60 s fast or slow"));
    QCOMPARE(html.count("<svg"), 2);
    QVERIFY(!html.contains("<script"));
    QVERIFY(!html.contains("<link") && !html.contains("src=") && !html.contains("<img"));

    const QByteArray csv = Read(files.csv);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.size(), 5);  // titles, three rows, and the empty rest after the last CR LF
    QCOMPARE(lines[0],
             "\xEF\xBB\xBFPos,LiberCode,PRingNo,BackTime,FlyTime,FlySpeed,LoftNo,LoftName,dist,"
             "sex,ColorType,TimeVari,ClockFlag\r");
    QCOMPARE(lines[1],
             "1,1A,R3,2026-05-26 11:50:00.000,04:50:00.000,1820.250,\"=\"\"002\"\"\","
             "\"O'Brien & <Sons> \"\"Fast\"\", Jr\",300/100,C,BBAR,75,(!)\r");
    QCOMPARE(lines[2],
             "2,1A,R1,2026-05-26 12:00:00.000,05:00:00.000,1760.000,\"=\"\"001\"\"\",Ann,"
             "300/0,C,BBAR,3,\r");
    QVERIFY(csv.endsWith("\r\n"));

    const QString index = QString::fromUtf8(Read(files.index));
    QVERIFY(index.contains("<a href=\"2026-05-26-1A.html\">Dover &amp; Calais</a>"));
    QVERIFY(index.contains("<td>Arras</td><td>not published</td>"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 3);

    // Final: the page says so when published again.
    LockResult(*t.db, "1A", kDay, QDateTime(QDate(2026, 5, 27), QTime(20, 15)));
    PublishRace(*t.db, out.path(), "1A", kDay);
    QVERIFY(QString::fromUtf8(Read(files.page))
                .contains("<p class=\"state final\">Final (locked 2026-05-27 20:15)</p>"));
    QVERIFY(QString::fromUtf8(Read(files.index)).contains("Final (locked 2026-05-27 20:15)"));

    // Unlocked and not published again, its page still says final: the index, written when
    // another race is published, says what the page says.
    UnlockResult(*t.db, "1A", kDay, "a clock read again",
                 QDateTime(QDate(2026, 5, 28), QTime(9, 0)));
    PublishRace(*t.db, out.path(), "2B", QDate(2026, 6, 2));
    const QString both = QString::fromUtf8(Read(files.index));
    QVERIFY2(both.contains("Dover &amp; Calais</a></td><td>Final (locked 2026-05-27 20:15)") &&
                 both.contains("Arras</a></td><td>Provisional"),
             qPrintable(both));

    // The folder is asked for once and kept for the club.
    QTemporaryDir chosen;
    t.prompts.fileNames.enqueue(chosen.path());
    QVERIFY(PublishRaceAction(*t.db, t.prompts, "1A", kDay));
    QVERIFY(PublishRaceAction(*t.db, t.prompts, "1A", kDay));
    QCOMPARE(t.prompts.of("folder").size(), 1);
    QCOMPARE(ClubSetting(*t.db, kPublishFolderSetting), chosen.path());
    QVERIFY(QFileInfo::exists(chosen.filePath("2026-05-26-1A.html")));
}

void TestPublish::pageInBrowser() {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) {
        QSKIP("chromium is not installed (scripts/install-deps.sh installs it)");
    }
    TestContext t;
    seed(*t.db);
    QTemporaryDir out;
    QTemporaryDir profile;
    const PublishedFiles files = PublishRace(*t.db, out.path(), "1A", kDay);
    QProcess browser;
    browser.start(chromium,
                  {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--no-first-run",
                   "--user-data-dir=" + profile.path(), "--window-size=390,844", "--dump-dom",
                   QUrl::fromLocalFile(files.page).toString()});
    QVERIFY(browser.waitForFinished(60000));
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    QVERIFY2(dom.contains("<tbody>"),
             qPrintable(QString::fromUtf8(browser.readAllStandardError())));
    // The browser's own document: the rows in order, the name shown exactly as typed.
    QCOMPARE(RowRings(dom), (QStringList{"R3", "R1", "R2"}));
    QVERIFY(dom.contains("<td>O'Brien &amp; &lt;Sons&gt; \"Fast\", Jr (!)</td>"));
    QCOMPARE(dom.count("<svg"), 2);
}

void TestPublish::unwritableFolderKeepsThePreviousPage() {
    TestContext t;
    seed(*t.db);
    QTemporaryDir out;
    const PublishedFiles files = PublishRace(*t.db, out.path(), "1A", kDay);
    const QByteArray page = Read(files.page);
    const QByteArray csv = Read(files.csv);
    t.db->exec("update ZOL_PigRaceData set FlySpeed=1900 where PRingNo='R2'");

    // A folder that is not there.
    const QString missing = out.filePath("2026-05-26-1A.html/results");
    try {
        PublishRace(*t.db, missing, "1A", kDay);
        QFAIL("published into a file");
    } catch (const UserError& e) {
        QVERIFY2(e.text().startsWith("The publish folder") && e.text().contains("does not exist"),
                 qPrintable(e.text()));
    }

    // A disk that fills up: no file gets more than 200 bytes.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
        PublishRace(*t.db, out.path(), "1A", kDay);
    } catch (const UserError& e) {
        message = e.text();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QVERIFY2(message.startsWith("Cannot write \"" + QDir::toNativeSeparators(files.csv) + "\": "),
             qPrintable(message));
    QCOMPARE(Read(files.page), page);
    QCOMPARE(Read(files.csv), csv);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);  // no leftovers

    // Page, CSV and index are one set: a disk that fills after the CSV, or an index that cannot
    // be replaced, leaves all three as they were.
    QVERIFY(csv.size() < 2000 && page.size() > 2000);
    {
        FileSizeLimit full(2000);
        QVERIFY_THROWS_EXCEPTION(UserError, PublishRace(*t.db, out.path(), "1A", kDay));
    }
    QVERIFY(QFile::remove(files.index));
    QVERIFY(QDir().mkpath(files.index + "/in the way"));
    try {
        PublishRace(*t.db, out.path(), "1A", kDay);
        QFAIL("published over a folder");
    } catch (const UserError& e) {
        QVERIFY2(e.text().contains(QDir::toNativeSeparators(files.index)), qPrintable(e.text()));
    }
    QCOMPARE(Read(files.page), page);
    QCOMPARE(Read(files.csv), csv);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

namespace {

// One cell as a spreadsheet program holds it after opening a CSV file.
struct SheetCell {
    bool formula = false;
    QString type;  // "string", "float", ...
    QString text;  // as shown
};

// The CSV file opened by LibreOffice (read as UTF-8, its other settings as they come), as rows
// of cells; empty when LibreOffice is not installed.
QList<QList<SheetCell>> OpenedBySpreadsheet(const QString& csvFile, const QString& work) {
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty()) {
        return {};
    }
    QProcess convert;
    convert.start(office,
                  {"-env:UserInstallation=" + QUrl::fromLocalFile(work + "/profile").toString(),
                   "--headless", "--norestore", "--infilter=CSV:44,34,76,1", "--convert-to", "fods",
                   "--outdir", work, csvFile});
    if (!convert.waitForFinished(240000)) {
        return {};
    }
    const QString sheet =
        QString::fromUtf8(Read(work + "/" + QFileInfo(csvFile).completeBaseName() + ".fods"));
    QList<QList<SheetCell>> rows;
    static const QRegularExpression rowExp("<table:table-row[^>]*>(.*?)</table:table-row>",
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cellExp(
        "<table:table-cell([^>]*?)(/>|>(.*?)</table:table-cell>)",
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression typeExp("office:value-type=\"(\\w+)\"");
    static const QRegularExpression tagExp("<[^>]+>");
    for (auto r = rowExp.globalMatch(sheet); r.hasNext();) {
        QList<SheetCell> cells;
        for (auto c = cellExp.globalMatch(r.next().captured(1)); c.hasNext();) {
            const QRegularExpressionMatch m = c.next();
            SheetCell cell;
            cell.formula = m.captured(1).contains("table:formula");
            cell.type = typeExp.match(m.captured(1)).captured(1);
            cell.text = m.captured(3)
                            .remove(tagExp)
                            .trimmed()
                            .replace("&apos;", "'")
                            .replace("&quot;", "\"")
                            .replace("&lt;", "<")
                            .replace("&gt;", ">")
                            .replace("&amp;", "&");
            cells << cell;
        }
        rows << cells;
    }
    return rows;
}

}  // namespace

// Names typed by the members reach the spreadsheet as text: none opens as a formula, a loft
// number keeps its leading zero, and a name with an accent reads as typed.
void TestPublish::csvOpensAsTypedInASpreadsheet() {
    TestContext t;
    seed(*t.db);
    const QStringList names{"=HYPERLINK(\"http://example.invalid\",\"Click me\")",
                            "+31 6 12345678",
                            "-2+3",
                            "@SUM(1,2)",
                            "\t=1+1",
                            "\r=2+2",
                            QStringLiteral("M\u00fcller")};
    for (int i = 0; i < names.size(); ++i) {
        const QString loft = QStringLiteral("01%1").arg(i, 2, 10, QLatin1Char('0'));
        const QString ring = QStringLiteral("X%1").arg(i);
        t.db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values(?,?)", {loft, names[i]});
        t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
            "('1A',?,300,0)",
            {loft});
        t.db->exec("insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) values(?,?,'C',0)",
                   {loft, ring});
        t.db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
            "BackTime, FlyTime, FlySpeed, TimeVari) values('KC','1A','2026-05-26',?,?,"
            "'06:00:00.000',?,-4)",
            {ring, QStringLiteral("2026-05-26 13:%1:00.000").arg(i, 2, 10, QLatin1Char('0')),
             1400.0 - i});
    }
    QTemporaryDir out;
    const PublishedFiles files = PublishRace(*t.db, out.path(), "1A", kDay);
    QVERIFY(Read(files.csv).startsWith("\xEF\xBB\xBF"));

    const QList<QList<SheetCell>> sheet = OpenedBySpreadsheet(files.csv, out.path());
    if (sheet.isEmpty()) {
        QSKIP("LibreOffice is not installed (scripts/install-deps.sh installs it)");
    }
    QCOMPARE(sheet.first().value(0).text, QStringLiteral("Pos"));  // the mark is not a character
    const int loftColumn = 6;
    const int nameColumn = 7;
    QStringList shownNames;
    for (const QList<SheetCell>& row : sheet.mid(1)) {
        if (row.size() <= nameColumn || !row[loftColumn].text.startsWith("01")) {
            continue;
        }
        const SheetCell& loft = row[loftColumn];
        QCOMPARE(loft.type, QStringLiteral("string"));
        QCOMPARE(loft.text.size(), 4);
        const SheetCell& name = row[nameColumn];
        QVERIFY2(!name.formula && name.type == "string", qPrintable(loft.text + ": " + name.text));
        QCOMPARE(row[5].type, QStringLiteral("float"));   // the speed stays a number
        QCOMPARE(row[11].type, QStringLiteral("float"));  // and so does -4
        shownNames << loft.text + " " + name.text;
    }
    // The spreadsheet keeps a tab or line break inside the text as markup of its own; what
    // counts is that the text after the apostrophe is shown, not run.
    static const QRegularExpression blanks("[\t\r\n]");
    shownNames.replaceInStrings(blanks, QString());
    // The apostrophe that keeps a text from being read as a formula shows before it.
    QCOMPARE(shownNames,
             (QStringList{"0100 '=HYPERLINK(\"http://example.invalid\",\"Click me\")",
                          "0101 '+31 6 12345678", "0102 '-2+3", "0103 '@SUM(1,2)", "0104 '=1+1",
                          "0105 '=2+2", QStringLiteral("0106 M\u00fcller")}));
}

void TestPublish::chartSeries_data() {
    QTest::addColumn<QList<double>>("speeds");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("bins");
    QTest::newRow("fixture") << QList<double>{1820.25, 1760, 1600.5, 1755, 1690} << 20.0
                             << "1600:1 1620:0 1640:0 1660:0 1680:1 1700:0 1720:0 1740:1 "
                                "1760:1 1780:0 1800:0 1820:1";
    QTest::newRow("one speed") << QList<double>{1200} << 1.0 << "1200:1";
    QTest::newRow("on the edges") << QList<double>{0, 10, 20} << 2.0
                                  << "0:1 2:0 4:0 6:0 8:0 10:1 12:0 14:0 16:0 18:0 20:1";
    QTest::newRow("narrow") << QList<double>{1000.52, 1000.91, 1001.17} << 0.05
                            << "1000.5:1 1000.55:0 1000.6:0 1000.65:0 1000.7:0 1000.75:0 "
                               "1000.8:0 1000.85:0 1000.9:1 1000.95:0 1001:0 1001.05:0 "
                               "1001.1:0 1001.15:1";
}

void TestPublish::chartSeries() {
    QFETCH(QList<double>, speeds);
    QFETCH(double, width);
    QFETCH(QString, bins);
    const auto [lo, hi] = std::minmax_element(speeds.begin(), speeds.end());
    QVERIFY(qAbs(HistogramBinWidth(*lo, *hi) - width) < 1e-9);
    QStringList shown;
    int total = 0;
    for (const SpeedBin& b : SpeedHistogram(speeds)) {
        shown << QString::number(b.from, 'g', 10) + ":" + QString::number(b.count);
        QVERIFY(qAbs(b.to - b.from - width) < 1e-9);
        total += b.count;
    }
    QCOMPARE(shown.join(' '), bins);
    QCOMPARE(total, speeds.size());

    // Arrivals by the minute, over a night: one series per day, the count running on.
    const QList<ArrivalDay> days = ArrivalSeries(
        {QDateTime(kDay, QTime(21, 10, 59)), QDateTime(kDay, QTime(20, 55, 3)),
         QDateTime(kDay, QTime(21, 10, 0)), QDateTime(kDay.addDays(1), QTime(6, 2, 30)),
         QDateTime(kDay.addDays(1), QTime(6, 2, 31)), QDateTime(kDay.addDays(1), QTime(7, 0))});
    QStringList points;
    for (const ArrivalDay& d : days) {
        QStringList line;
        for (const ArrivalPoint& p : d.points) {
            line << p.minute.toString("HH:mm") + "=" + QString::number(p.count);
        }
        points << d.day.toString("MM-dd") + " " + line.join(' ');
    }
    QCOMPARE(points, (QStringList{"05-26 20:55=1 21:10=3", "05-27 06:02=5 07:00=6"}));
}

void TestPublish::emptyRaceCharts() {
    QVERIFY(ArrivalSeries({}).isEmpty());
    QVERIFY(SpeedHistogram({}).isEmpty());
    std::unique_ptr<QChart> arrivals(ArrivalChart({}));
    std::unique_ptr<QChart> speeds(SpeedChart({}, "Yds/Min"));
    QCOMPARE(arrivals->axes().size(), 2);
    QCOMPARE(speeds->axes().size(), 2);
    const QByteArray svg = ChartSvg(arrivals.get());
    QVERIFY(svg.startsWith("<svg"));
    QVERIFY(svg.contains("Birds arrived"));  // the axis is drawn

    // A race nobody clocked publishes a page with an empty table and both charts.
    TestContext t;
    t.db->exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime) "
        "values('KC','9Z','Nowhere','2026-05-30','08:00:00')");
    QTemporaryDir out;
    const QString html =
        QString::fromUtf8(Read(PublishRace(*t.db, out.path(), "9Z", QDate(2026, 5, 30)).page));
    QVERIFY(RowRings(html).isEmpty());
    QCOMPARE(html.count("<svg"), 2);
    QVERIFY(html.contains("    0 were clocked"));
}

QTEST_MAIN(TestPublish)
#include "test_publish.moc"
