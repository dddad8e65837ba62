// The program's own colours and the published pages are readable with weak eyes: every text
// colour reaches a contrast of 4.5 to 1 on the backgrounds it stands on (WCAG 2.2 AA).
#include <QApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QtTest>

#include "data/colours.h"
#include "publish/race_page.h"

namespace {

Rgb FromHex(QString hex) {
    if (hex.size() == 3) {
        hex = QString(hex[0]) + hex[0] + hex[1] + hex[1] + hex[2] + hex[2];
    }
    return {hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
            hex.mid(4, 2).toInt(nullptr, 16)};
}

Rgb FromColor(const QColor& c) {
    return {c.red(), c.green(), c.blue()};
}

}  // namespace

Q_DECLARE_METATYPE(Rgb)

class TestContrast : public QObject {
    Q_OBJECT
  private slots:
    void ratioOfKnownPairs();
    void programColours_data();
    void programColours();
    void publishedPage();
};

// The formula against the figures WCAG gives: black on white 21, a grey at the AA limit.
void TestContrast::ratioOfKnownPairs() {
    QCOMPARE(qRound(ContrastRatio({0, 0, 0}, {255, 255, 255}) * 100), 2100);
    QCOMPARE(qRound(ContrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}) * 100), 454);
    QCOMPARE(ContrastRatio({0xff, 0, 0}, {0xff, 0, 0}), 1.0);
    QCOMPARE(Palette::WarningText.name(), QStringLiteral("#a00000"));
}

void TestContrast::programColours_data() {
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("background");
    const QPalette light = QApplication::palette();
    QTest::newRow("warning on a window") << Palette::WarningText << Palette::Window;
    QTest::newRow("warning on a list") << Palette::WarningText << Palette::Base;
    QTest::newRow("warning on this desktop's window")
        << Palette::WarningText << FromColor(light.color(QPalette::Window));
    QTest::newRow("memo at work") << Palette::MemoText << Palette::MemoProgress;
    QTest::newRow("memo failure") << Palette::MemoText << Palette::MemoFailure;
    QTest::newRow("memo done") << Palette::MemoText << Palette::MemoSuccess;
}

void TestContrast::programColours() {
    QFETCH(Rgb, text);
    QFETCH(Rgb, background);
    const double ratio = ContrastRatio(text, background);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3")
                                          .arg(text.name(), background.name())
                                          .arg(ratio, 0, 'f', 2)));
}

// Every text colour of the page's style on every background of it (the page itself white).
void TestContrast::publishedPage() {
    RacePage page;
    page.clubName = QStringLiteral("Harbour Flyers");
    page.titles = {QStringLiteral("Pos.")};
    page.rows = {{QStringLiteral("1")}};
    page.indexHref = QStringLiteral("index-2026.html");
    const QString html = QString::fromUtf8(RacePageHtml(page));
    static const QRegularExpression colour(
        QStringLiteral("(?<![-\\w])(color|background):#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})\\b"));
    QList<Rgb> texts;
    QList<Rgb> backgrounds{{255, 255, 255}};
    for (const QRegularExpressionMatch& m : colour.globalMatch(html)) {
        (m.captured(1) == QLatin1String("color") ? texts : backgrounds) << FromHex(m.captured(2));
    }
    QVERIFY(texts.size() >= 4);
    QVERIFY(backgrounds.size() >= 3);
    QStringList faults;
    for (const Rgb& text : texts) {
        for (const Rgb& background : backgrounds) {
            const double ratio = ContrastRatio(text, background);
            if (ratio < 4.5) {
                faults << QStringLiteral("%1 on %2: %3")
                              .arg(text.name(), background.name())
                              .arg(ratio, 0, 'f', 2);
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestContrast)
#include "test_contrast.moc"
