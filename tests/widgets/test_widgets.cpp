// The widgets every screen shares: the query grid.
#include <QHeaderView>
#include <QtTest>

#include "data/errors.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

class TestWidgets : public QObject {
    Q_OBJECT
  private slots:
    void gridOverManyRows();
};

// A list longer than the pages the grid reads: every row is reachable, the count is the
// query's, looked-up names show, and a backup can be made while the grid is on screen.
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
    QCOMPARE(grid.rowCountShown(), rows);
    const auto cell = [&](int row, int column) {
        return grid.model()->index(row, column).data().toString();
    };
    // From the last row back to the first, past the pages kept.
    for (int row : {rows - 1, rows / 2, 0, 1, rows - 2}) {
        QCOMPARE(cell(row, 0), QStringLiteral("R%1").arg(row, 5, 10, QLatin1Char('0')));
        QCOMPARE(cell(row, 1), row % 2 == 0 ? QStringLiteral("Blue Bar") : QStringLiteral("Other"));
    }
    QCOMPARE(grid.gridModel()->record(rows - 1).value(1).toString(),
             (rows - 1) % 2 == 0 ? QStringLiteral("BB") : QStringLiteral("XX"));
    QVERIFY(grid.gridModel()->record(rows).isEmpty());
    const QString copy = t.root.filePath(QStringLiteral("copy.db"));
    t.db->backupTo(copy);
    QVERIFY(QFile::exists(copy));

    // A title click sorts the same rows the other way.
    grid.horizontalHeader()->sectionClicked(0);
    grid.horizontalHeader()->sectionClicked(0);
    QCOMPARE(cell(0, 0), QStringLiteral("R%1").arg(rows - 1, 5, 10, QLatin1Char('0')));
    QCOMPARE(grid.rowCountShown(), rows);
}

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
