#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "data/errors.h"
#include "reports/report_layout.h"
#include "reports/report_preview.h"
#include "reports/report_printing.h"
#include "scripted_prompts.h"

namespace {

const QDateTime kNow(QDate(2026, 6, 15), QTime(10, 5, 30));

// A list of `rows` numbered rows under a title, with a page footer.
ReportDefinition NumberedList(int rows) {
    ReportDefinition report;
    report.name = QStringLiteral("Numbered: List");
    report.titleBand = {
        {{QStringLiteral("Numbered List"), 0, 1, Qt::AlignHCenter, TextStyle::Title, {}}},
        {{QStringLiteral("Printed"),
          0,
          1,
          Qt::AlignLeft,
          TextStyle::Normal,
          {SystemField::Date, SystemField::Time}}}};
    report.columns = {{QStringLiteral("No"), 1, Qt::AlignRight, true},
                      {QStringLiteral("Text"), 4, Qt::AlignLeft, false},
                      {QStringLiteral("Value"), 2, Qt::AlignRight, false}};
    for (int i = 0; i < rows; ++i) {
        report.rows << QStringList{QString(), QStringLiteral("row %1").arg(i + 1),
                                   QString::number(i * 10)};
    }
    report.footer = {{{QStringLiteral("Page"),
                       0.5,
                       0.5,
                       Qt::AlignRight,
                       TextStyle::Normal,
                       {SystemField::PageNumber}}}};
    return report;
}

double Bottom(const ReportPage& page, BandKind kind) {
    double bottom = 0;
    for (const LaidBand& band : page.bands) {
        if (band.kind == kind) {
            bottom = std::max(bottom, band.rect.bottom());
        }
    }
    return bottom;
}

}  // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
  private slots:
    // Several pages: the title once, the headers and the footer on every page (the last too),
    // every row once and in order, the pages after the first equally full, no row under the
    // footer or off the page.
    void pagesOfALongList() {
        const ReportLayout layout = LayOutReport(NumberedList(200), kNow);
        QVERIFY(layout.pages.size() >= 3);
        QCOMPARE(layout.pages[0].texts(BandKind::Title),
                 (QStringList{"Numbered List", "Printed 2026-06-15 10:05:30"}));
        QList<QStringList> all;
        for (int p = 0; p < layout.pages.size(); ++p) {
            const ReportPage& page = layout.pages[p];
            QCOMPARE(page.texts(BandKind::Title).isEmpty(), p > 0);
            QCOMPARE(page.texts(BandKind::ColumnHeader), (QStringList{"No", "Text", "Value"}));
            QCOMPARE(page.texts(BandKind::Footer),
                     QStringList{QStringLiteral("Page %1").arg(p + 1)});
            double footerTop = layout.pageSize.height();
            for (const LaidBand& band : page.bands) {
                if (band.kind == BandKind::Footer) {
                    footerTop = band.rect.top();
                }
            }
            QVERIFY(Bottom(page, BandKind::Detail) <= footerTop);
            QVERIFY(Bottom(page, BandKind::Footer) <= layout.pageSize.height());
            if (p > 0 && p + 1 < layout.pages.size()) {
                QCOMPARE(page.detailRows().size(), layout.pages[1].detailRows().size());
            }
            all += page.detailRows();
        }
        QCOMPARE(all.size(), 200);
        for (int i = 0; i < all.size(); ++i) {
            QCOMPARE(all[i],
                     (QStringList{QString::number(i + 1), QStringLiteral("row %1").arg(i + 1),
                                  QString::number(i * 10)}));
        }
    }

    void emptyReportPrintsItsHeadings() {
        const ReportLayout layout = LayOutReport(NumberedList(0), kNow);
        QCOMPARE(layout.pages.size(), 1);
        QCOMPARE(layout.pages[0].texts(BandKind::Title).first(), QStringLiteral("Numbered List"));
        QCOMPARE(layout.pages[0].texts(BandKind::ColumnHeader),
                 (QStringList{"No", "Text", "Value"}));
        QVERIFY(layout.pages[0].detailRows().isEmpty());
        QCOMPARE(layout.pages[0].texts(BandKind::Footer), QStringList{"Page 1"});
    }

    // No text is ever cut: a column whose values are short or empty gives its room to the
    // columns that need it ("Doffer" under a narrow sex heading, a long heading over short
    // values), and a text that still does not fit prints smaller inside its column.
    void textsAreNeverCut() {
        const QFontMetricsF normal(ReportFont(TextStyle::Normal));
        const QFontMetricsF bold(ReportFont(TextStyle::Bold));
        const auto fits = [](const QFontMetricsF& m, const LaidText& t) {
            return m.horizontalAdvance(t.text) * t.fontScale <= t.rect.width() - 30 + 1;
        };
        ReportDefinition report;
        report.columns = {{QStringLiteral("Sex"), 0.3, Qt::AlignLeft, false},
                          {QStringLiteral("Aangemaakt op"), 0.3, Qt::AlignLeft, false},
                          {QStringLiteral("Note"), 6, Qt::AlignLeft, false},
                          {QStringLiteral("Empty"), 3, Qt::AlignLeft, false}};
        report.rows << QStringList{QStringLiteral("Doffer"), QStringLiteral("1"),
                                   QStringLiteral("fine"), QString()};
        const ReportPage roomy = LayOutReport(report, kNow).pages[0];
        QCOMPARE(roomy.texts(BandKind::ColumnHeader),
                 (QStringList{"Sex", "Aangemaakt op", "Note", "Empty"}));
        QCOMPARE(roomy.detailRows().first(), (QStringList{"Doffer", "1", "fine", ""}));
        for (const LaidBand& band : roomy.bands) {
            for (const LaidText& t : band.texts) {
                QCOMPARE(t.fontScale, 1.0);
                QVERIFY(fits(band.kind == BandKind::Detail ? normal : bold, t));
            }
        }

        // A text longer than the whole line prints smaller, in full, inside its rectangle.
        ReportDefinition crowded = NumberedList(1);
        crowded.rows[0][1] = QStringLiteral("A very long liberation site name ").repeated(8);
        crowded.columns[2].header = QStringLiteral("A header far too long for its narrow column");
        crowded.rows[0][2] = QStringLiteral("1234567890").repeated(4);
        const ReportPage page = LayOutReport(crowded, kNow).pages[0];
        QCOMPARE(page.detailRows().first().mid(1),
                 (QStringList{crowded.rows[0][1], crowded.rows[0][2]}));
        QCOMPARE(page.texts(BandKind::ColumnHeader)[2], crowded.columns[2].header);
        for (const LaidBand& band : page.bands) {
            for (const LaidText& t : band.texts) {
                QVERIFY(!t.text.contains(QChar(0x2026)));
                if (band.kind == BandKind::Detail) {
                    QVERIFY(fits(normal, t));
                }
            }
        }
        QVERIFY(page.bands[2].texts[1].fontScale < 1.0);
    }

    // Ring numbers and names print whole: their columns take the room other columns do not
    // need, and a text that still does not fit prints smaller, never cut.
    void wholeColumnsAreNeverCut() {
        const QFontMetricsF normal(ReportFont(TextStyle::Normal));
        const auto fits = [&](const LaidText& t) {
            return normal.horizontalAdvance(t.text) * t.fontScale <= t.rect.width() - 30 + 1;
        };
        ReportDefinition report;
        report.columns = {{QStringLiteral("Ring"), 1, Qt::AlignLeft, false, true},
                          {QStringLiteral("Sex"), 1, Qt::AlignLeft, false},
                          {QStringLiteral("Note"), 6, Qt::AlignLeft, false},
                          {QStringLiteral("Name"), 1, Qt::AlignLeft, false, true}};
        const QStringList rings{"GB16A123456789012345", "BELG2016-1234567", "NL-26-1"};
        for (const QString& ring : rings) {
            report.rows << QStringList{ring, "C", "fine", "Johannes van der Berghe-Smits"};
        }
        const ReportLayout roomy = LayOutReport(report, kNow);
        const QList<QStringList> rows = roomy.pages[0].detailRows();
        for (int r = 0; r < rings.size(); ++r) {
            QCOMPARE(rows[r][0], rings[r]);
            QCOMPARE(rows[r][3], QStringLiteral("Johannes van der Berghe-Smits"));
        }
        const LaidBand& first = roomy.pages[0].bands[1];
        QCOMPARE(first.kind, BandKind::Detail);
        for (int c : {0, 3}) {
            QCOMPARE(first.texts[c].fontScale, 1.0);
            QVERIFY(fits(first.texts[c]));
        }
        // The room came from the note column, which still holds its text and its header.
        QCOMPARE(first.texts[2].text, QStringLiteral("fine"));
        QCOMPARE(roomy.pages[0].texts(BandKind::ColumnHeader),
                 (QStringList{"Ring", "Sex", "Note", "Name"}));

        // Nine whole columns of long rings cannot all be widened: they print smaller.
        ReportDefinition crowded;
        for (int c = 0; c < 9; ++c) {
            crowded.columns << ReportColumn{QStringLiteral("Ring"), 1, Qt::AlignLeft, false, true};
        }
        crowded.rows << QStringList(9, rings[0]);
        const ReportLayout crowdedLayout = LayOutReport(crowded, kNow);
        const LaidBand& tight = crowdedLayout.pages[0].bands[1];
        for (const LaidText& t : tight.texts) {
            QCOMPARE(t.text, rings[0]);
            QVERIFY(t.fontScale < 1.0);
            QVERIFY(fits(t));
        }
    }

    // The PDF holds every page, and its text is the report's.
    void writesAPdf() {
        QTemporaryDir dir;
        const ReportLayout layout = LayOutReport(NumberedList(120), kNow);
        QCOMPARE(ReportPdfFileName(layout.name), QStringLiteral("Numbered- List.pdf"));
        const QString file = dir.filePath(ReportPdfFileName(layout.name));
        WriteReportPdf(layout, file);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) did not run");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), layout.pages.size());
        QVERIFY(pages[0].contains(QStringLiteral("Numbered List")));
        QVERIFY(pages[0].contains(QStringLiteral("Printed 2026-06-15 10:05:30")));
        QVERIFY(pages[0].contains(QStringLiteral("row 1 ")));
        QVERIFY(pages.last().contains(QStringLiteral("row 120")));
        QVERIFY(pages.last().contains(QStringLiteral("Page %1").arg(pages.size())));
        QVERIFY(pages.last().contains(QStringLiteral("Value")));

        QVERIFY_THROWS_EXCEPTION(UserError,
                                 WriteReportPdf(layout, dir.filePath("no/such/folder/x.pdf")));
    }

    // The preview offers "Save as PDF" with the report's name as the proposed file, and adds
    // the extension the user left out.
    void previewSavesAsPdf() {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        prompts.fileNames.enqueue(dir.filePath(QStringLiteral("mailed")));
        bool saved = false;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(preview != nullptr);
            auto* save = preview->findChild<QAction*>(QStringLiteral("actSaveAsPdf"));
            QVERIFY(save != nullptr);
            QCOMPARE(save->text(), QStringLiteral("Save as PDF"));
            save->trigger();
            saved = true;
            preview->reject();
        });
        PreviewReport(LayOutReport(NumberedList(3), kNow), prompts, nullptr);
        QVERIFY(saved);
        QCOMPARE(prompts.of("save"), QStringList{"PDF File (*.pdf)"});
        QVERIFY(prompts.of("error").isEmpty());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("mailed.pdf"))));
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
