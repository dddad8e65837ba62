// Widgets every screen shares: the query grid over many rows, and the date and time boxes
// driven with the keyboard as the secretary uses them.
#include <QGlyphRun>
#include <QHeaderView>
#include <QSqlDriver>
#include <QTextLayout>
#include <QVBoxLayout>
#include <QtTest>

#include "data/errors.h"
#include "test_context.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

#include <sqlite3.h>

namespace {

// Counts the rows the statements sort: `counted(x)` returns x and adds one.
qint64 sortedRows = 0;

void AddSortCounter(TdmZOLF& db) {
    const QVariant handle = db.connection().driver()->handle();
    sqlite3* h = *static_cast<sqlite3* const*>(handle.constData());
    sqlite3_create_function(
        h, "counted", 1, SQLITE_UTF8, nullptr,
        [](sqlite3_context* c, int, sqlite3_value** v) {
            ++sortedRows;
            sqlite3_result_value(c, v[0]);
        },
        nullptr, nullptr);
}

// Every row the model holds, as its cells shown.
QStringList Shown(const QAbstractItemModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) {
            cells << model.index(r, c).data().toString();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

}  // namespace

class TestWidgets : public QObject {
    Q_OBJECT
  private slots:
    void gridOverManyRows();
    void gridSortsItsQueryOncePerBlock();
    void refreshShowsOnlyWhatChanged_data();
    void refreshShowsOnlyWhatChanged();
    void typedDateAndTimeAreTakenAsTyped_data();
    void typedDateAndTimeAreTakenAsTyped();
    void tabSelectsTheValueAndArrowsStepThePart();
    void unfinishedOrUnrealValuesAreRefused();
    void fullWidthMarksHaveGlyphs();
    void cellWhoseLookupFailsShowsEmpty();
};

// A list longer than the pages the grid reads and keeps: every row is reachable, the count is
// the query's, looked-up names show, and a backup can be made while the grid is on screen.
void TestWidgets::gridOverManyRows() {
    TestContext t;
    t.db->exec(QStringLiteral("insert into ZOL_FeatherColor values('BB','Blue Bar')"));
    const int rows = SqlGridModel::kPageRows * (SqlGridModel::kPagesKept + 2) + 7;
    t.db->transaction([&] {
        for (int i = 0; i < rows; ++i) {
            t.db->exec(QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo,ColorType) "
                                      "values('L1',?,?)"),
                       {QStringLiteral("R%1").arg(i, 5, 10, QLatin1Char('0')),
                        i % 2 == 0 ? QStringLiteral("BB") : QStringLiteral("XX")});
        }
    });
    SqlGrid grid;
    grid.gridModel()->setLookup(QStringLiteral("ColorType"),
                                QStringLiteral("select ColorType, FeathColor from "
                                               "ZOL_FeatherColor"),
                                QStringLiteral("Other"));
    grid.load(*t.db, QStringLiteral("select PRingNo, ColorType from ZOL_PigData order by PRingNo"));
    // The view gets the rows as it scrolls; the count is the query's.
    QCOMPARE(grid.model()->rowCount(), SqlGridModel::kPageRows);
    QCOMPARE(grid.rowCountShown(), rows);
    const auto ringNo = [](int row) {
        return QStringLiteral("R%1").arg(row, 5, 10, QLatin1Char('0'));
    };
    // Ctrl+End goes to the list's last row at once, past the pages not read yet.
    grid.show();
    grid.setCurrentIndex(grid.model()->index(0, 0));
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid.currentIndex().row(), rows - 1);
    QCOMPARE(grid.currentRecord().value(0).toString(), ringNo(rows - 1));
    grid.load(*t.db, QStringLiteral("select PRingNo, ColorType from ZOL_PigData order by PRingNo"));
    const auto cell = [&](int row, int column) {
        return grid.model()->index(row, column).data().toString();
    };
    QVERIFY(grid.selectRowWhere(QStringLiteral("PRingNo"), ringNo(rows - 1)));
    QCOMPARE(grid.currentRecord().value(0).toString(), ringNo(rows - 1));
    QCOMPARE(grid.model()->rowCount(), rows);
    // From the last row back to the first, past the pages kept.
    for (int row : {rows - 1, rows / 2, 0, 1, rows - 2}) {
        QCOMPARE(cell(row, 0), ringNo(row));
        QCOMPARE(cell(row, 1), row % 2 == 0 ? QStringLiteral("Blue Bar") : QStringLiteral("Other"));
    }
    QVERIFY(grid.gridModel()->record(rows).isEmpty());
    QVERIFY(!grid.selectRowWhere(QStringLiteral("PRingNo"), QStringLiteral("none")));
    if (t.db->isServer()) {
        TdmZOLF other(t.db->fileName());
        other.exec(QStringLiteral("insert into ZOL_FeatherColor values('RC','Red Chequer')"));
    } else {
        const QString copy = t.root.filePath(QStringLiteral("copy.db"));
        t.db->backupTo(copy);
        QVERIFY(QFile::exists(copy));
    }

    // A title click sorts the same rows the other way.
    grid.horizontalHeader()->sectionClicked(0);
    grid.horizontalHeader()->sectionClicked(0);
    QCOMPARE(cell(0, 0), ringNo(rows - 1));
    QCOMPARE(grid.rowCountShown(), rows);
}

// A sorted list longer than a block of rows, scrolled to its end: every row comes once and in
// the query's order, the query is sorted once for the first page and once per block (not for
// every page), a printed list reads it once, and nothing stays open that would keep another
// program from writing.
void TestWidgets::gridSortsItsQueryOncePerBlock() {
    TestContext t;
    // (the sorted rows are counted on the file; the server shows the same rows)
    const bool counting = !t.db->isServer();
    if (counting) {
        AddSortCounter(*t.db);
    }
    const int rows = SqlGridModel::kBlockRows + 3 * SqlGridModel::kPageRows + 5;
    const QString sql =
        QStringLiteral(
            "with recursive n(i) as (select 1 union all select i+1 from n where i<%1) "
            "select i, 'R' || i as Ring from n order by %2(i * 7919 % %1), i")
            .arg(rows)
            .arg(counting ? QStringLiteral("counted") : QString());
    QList<int> expected;
    for (int i = 1; i <= rows; ++i) {
        expected << i;
    }
    std::sort(expected.begin(), expected.end(), [rows](int a, int b) {
        return std::pair(qint64(a) * 7919 % rows, a) < std::pair(qint64(b) * 7919 % rows, b);
    });

    SqlGrid grid;
    sortedRows = 0;
    grid.load(*t.db, sql);
    QAbstractItemModel& model = *grid.model();
    for (int row = 0; row < rows; ++row) {
        if (row == model.rowCount()) {
            QVERIFY(model.canFetchMore({}));
            model.fetchMore({});
        }
        QCOMPARE(model.index(row, 0).data().toInt(), expected.at(row));
    }
    QVERIFY(!model.canFetchMore({}));
    QCOMPARE(model.rowCount(), rows);
    QVERIFY2(!counting || sortedRows <= 3 * qint64(rows), qPrintable(QString::number(sortedRows)));
    // Back over both blocks.
    for (int row : {0, rows - 1, SqlGridModel::kBlockRows - 1, SqlGridModel::kBlockRows, 1}) {
        QCOMPARE(model.index(row, 1).data().toString(),
                 QStringLiteral("R%1").arg(expected.at(row)));
    }

    TdmZOLF other(t.db->fileName());
    other.exec(QStringLiteral("insert into ZOL_FeatherColor values('BB','Blue Bar')"));

    sortedRows = 0;
    QList<int> printed;
    grid.gridModel()->forEachRow([&](const QSqlRecord& row) { printed << row.value(0).toInt(); });
    QCOMPARE(printed, expected);
    QVERIFY(!counting || sortedRows == qint64(rows));
}

// After a clock has been read the ranked list is refreshed: the view is told about the rows
// that changed and the rows added or gone at the end, keeps its place, and then shows exactly
// what a list loaded anew shows.
void TestWidgets::refreshShowsOnlyWhatChanged_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("holdsAll");     // the view has scrolled to the end
    QTest::addColumn<int>("firstChanged");  // -1: no row's values changed
    QTest::addColumn<int>("lastChanged");
    QTest::addColumn<int>("rowsAdded");  // negative: removed
    QTest::newRow("nothing") << QString() << true << -1 << -1 << 0;
    QTest::newRow("slowest arrival") << "insert into ZOL_PigRaceData (LiberCode, LiberDate, "
                                        "PRingNo, FlySpeed) values('B','2026-06-14','S1',1)"
                                     << true << -1 << -1 << 1;
    QTest::newRow("arrival in the middle")
        << "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, FlySpeed) "
           "values('B','2026-06-14','S1',700.5)"
        << true << 300 << 599 << 1;
    QTest::newRow("one speed corrected")
        << "update ZOL_PigRaceData set FlySpeed=899.5 where PRingNo='R100'" << true << 100 << 100
        << 0;
    QTest::newRow("last entry removed")
        << "delete from ZOL_PigRaceData where PRingNo='R599'" << true << -1 << -1 << -1;
    QTest::newRow("first page held, fastest arrival")
        << "insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, FlySpeed) "
           "values('B','2026-06-14','S1',5000)"
        << false << 0 << SqlGridModel::kPageRows - 1 << 0;
}

void TestWidgets::refreshShowsOnlyWhatChanged() {
    QFETCH(QString, change);
    QFETCH(bool, holdsAll);
    QFETCH(int, firstChanged);
    QFETCH(int, lastChanged);
    QFETCH(int, rowsAdded);
    TestContext t;
    t.db->transaction([&] {
        for (int i = 0; i < 600; ++i) {
            t.db->exec(QStringLiteral("insert into ZOL_PigRaceData (LiberCode, LiberDate, PRingNo, "
                                      "FlySpeed) values('B', '2026-06-14', ?, ?)"),
                       {QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')), 1000 - i});
        }
    });
    const QString ranking = QStringLiteral(
        "select case when FlySpeed is null then 1 else rank() over (order by FlySpeed desc) end "
        "as Pos, PRingNo, FlySpeed from ZOL_PigRaceData where LiberCode=? order by FlySpeed "
        "desc, PRingNo");
    SqlGrid grid;
    grid.load(*t.db, ranking, {"B"});
    QAbstractItemModel& model = *grid.model();
    while (holdsAll && model.canFetchMore({})) {
        model.fetchMore({});
    }
    const int before = model.rowCount();
    grid.selectRow(150);
    if (!change.isEmpty()) {
        t.db->exec(change);
    }
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    grid.refresh();

    QCOMPARE(resets.count(), 0);
    QCOMPARE(model.rowCount(), before + rowsAdded);
    int first = -1;
    int last = -1;
    for (const QList<QVariant>& signal : changed) {
        const int top = signal.at(0).toModelIndex().row();
        const int bottom = signal.at(1).toModelIndex().row();
        first = first < 0 ? top : std::min(first, top);
        last = std::max(last, bottom);
    }
    QCOMPARE(first, firstChanged);
    QCOMPARE(last, lastChanged);
    QCOMPARE(grid.currentIndex().row(), 150);

    SqlGrid fresh;
    fresh.load(*t.db, ranking, {"B"});
    while (fresh.model()->rowCount() < model.rowCount() && fresh.model()->canFetchMore({})) {
        fresh.model()->fetchMore({});
    }
    QCOMPARE(Shown(model), Shown(*fresh.model()));
    QCOMPARE(model.canFetchMore({}), fresh.model()->canFetchMore({}));
}

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
    // Seconds (or minutes and seconds) not typed are 0 once the box is left.
    time->selectAll();
    QTest::keyClicks(time, "0715");
    QTest::keyClick(time, Qt::Key_Backtab);
    QTRY_COMPARE(QApplication::focusWidget(), date);
    QCOMPARE(time->displayText(), QStringLiteral("07:15:00"));
    time->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(time, "08:00:00");

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

// A column filled by a statement of its own (a loft's distance in the result grid) meets a
// database that went away (the server restarted, a file restored): the cell shows empty
// instead of the refusal ending the program while the grid paints.
void TestWidgets::cellWhoseLookupFailsShowsEmpty() {
    TestContext t;
    t.db->exec(QStringLiteral("insert into ZOL_PigData (LoftNo,PRingNo) values('L1','R1')"));
    SqlGrid grid;
    grid.gridModel()->setFormatter(
        QStringLiteral("LoftNo"), [](const QVariant&, const QSqlRecord&) -> QString {
            throw DbError(QStringLiteral("gone"), QStringLiteral("08006"));
        });
    grid.load(*t.db, QStringLiteral("select PRingNo, LoftNo from ZOL_PigData"));
    QCOMPARE(grid.model()->index(0, 0).data().toString(), QStringLiteral("R1"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QString());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
