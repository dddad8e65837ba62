// Widgets every screen shares, driven with the keyboard as the secretary uses them.
#include <QGlyphRun>
#include <QTextLayout>
#include <QVBoxLayout>
#include <QtTest>

#include "data/errors.h"
#include "widgets/date_time_box.h"

class TestWidgets : public QObject {
    Q_OBJECT
  private slots:
    void typedDateAndTimeAreTakenAsTyped_data();
    void typedDateAndTimeAreTakenAsTyped();
    void tabSelectsTheValueAndArrowsStepThePart();
    void unfinishedOrUnrealValuesAreRefused();
    void fullWidthMarksHaveGlyphs();
};

void TestWidgets::typedDateAndTimeAreTakenAsTyped_data() {
    QTest::addColumn<bool>("isDate");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("how");  // "all": Ctrl+A first; "home": cursor at the start
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date, Ctrl+A") << true << "2026-06-15"
                                  << "all"
                                  << "2027-01-15"
                                  << "2027-01-15";
    QTest::newRow("date over the year") << true << "2026-06-15"
                                        << "home"
                                        << "2027-01-15"
                                        << "2027-01-15";
    QTest::newRow("date without separators") << true << "2026-06-15"
                                             << "home"
                                             << "20270115"
                                             << "2027-01-15";
    QTest::newRow("time, Ctrl+A") << false << "08:52:00"
                                  << "all"
                                  << "08:00:00"
                                  << "08:00:00";
    QTest::newRow("time over the hours") << false << "08:52:00"
                                         << "home"
                                         << "17:05:30"
                                         << "17:05:30";
    QTest::newRow("letters are not taken") << false << "08:52:00"
                                           << "all"
                                           << "0x8:0a0:00"
                                           << "08:00:00";
}

void TestWidgets::typedDateAndTimeAreTakenAsTyped() {
    QFETCH(bool, isDate);
    QFETCH(QString, before);
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DateTimeBox box(isDate ? DateTimeBox::Kind::Date : DateTimeBox::Kind::Time);
    box.setText(before);
    if (how == "all") {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    } else {
        QTest::keyClick(&box, Qt::Key_Home);
    }
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.displayText(), shown);
    if (isDate) {
        QCOMPARE(box.date(), QDate::fromString(shown, Qt::ISODate));
    } else {
        QCOMPARE(box.time(), QTime::fromString(shown, Qt::ISODate));
    }
}

void TestWidgets::tabSelectsTheValueAndArrowsStepThePart() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* date = new DateTimeBox(DateTimeBox::Kind::Date, &window);
    auto* time = new DateTimeBox(DateTimeBox::Kind::Time, &window);
    layout->addWidget(date);
    layout->addWidget(time);
    date->setDate(QDate(2026, 12, 31));
    time->setTime(QTime(8, 52, 0, 500));
    QCOMPARE(time->displayText(), QStringLiteral("08:52:00"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), time);
    QTest::keyClicks(time, "08:00:00");
    QCOMPARE(time->time(), QTime(8, 0));

    // Up and Down step the part the cursor stands in, carrying into the larger parts.
    time->setCursorPosition(4);
    QTest::keyClick(time, Qt::Key_Down);
    QCOMPARE(time->displayText(), QStringLiteral("07:59:00"));
    time->setCursorPosition(0);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(time, Qt::Key_Down);
    }
    QCOMPARE(time->displayText(), QStringLiteral("23:59:00"));
    date->setCursorPosition(9);
    QTest::keyClick(date, Qt::Key_Up);
    QCOMPARE(date->displayText(), QStringLiteral("2027-01-01"));
    date->setCursorPosition(6);
    QTest::keyClick(date, Qt::Key_Up);
    QCOMPARE(date->date(), QDate(2027, 2, 1));
    date->setCursorPosition(0);
    QTest::keyClick(date, Qt::Key_Down);
    QCOMPARE(date->date(), QDate(2026, 2, 1));
}

void TestWidgets::unfinishedOrUnrealValuesAreRefused() {
    const auto errorOf = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const UserError& e) {
            return e.text();
        }
        return QString();
    };
    DateTimeBox date(DateTimeBox::Kind::Date);
    date.setText("2027-02-30");
    QVERIFY(!date.date().isValid());
    QCOMPARE(errorOf([&] { date.checkedDate(); }),
             QStringLiteral("'2027-02-30' is not a valid date"));
    date.setDate(QDate(2027, 5, 15));
    QTest::keyClick(&date, Qt::Key_End);
    QTest::keyClick(&date, Qt::Key_Backspace);
    QCOMPARE(errorOf([&] { date.checkedDate(); }),
             QStringLiteral("'2027-05-1_' is not a valid date"));
    DateTimeBox time(DateTimeBox::Kind::Time);
    time.setText("24:00:00");
    QCOMPARE(errorOf([&] { time.checkedTime(); }),
             QStringLiteral("'24:00:00' is not a valid time"));
    time.clear();
    QVERIFY(!time.time().isValid());
}

// Some messages end in full-width exclamation marks: an installed font must draw them (not
// the empty boxes of a missing glyph).
void TestWidgets::fullWidthMarksHaveGlyphs() {
    QTextLayout layout(QStringLiteral("Race Distance download success \uFF01\uFF01"),
                       QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            QVERIFY2(index != 0, qPrintable(run.rawFont().familyName()));
            ++glyphs;
        }
    }
    QVERIFY(glyphs >= 32);
}

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
