#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "data/errors.h"
#include "spreadsheet/cell_text.h"
#include "spreadsheet/workbook_writer.h"

class TestWorkbooks : public QObject {
    Q_OBJECT

  private slots:
    void numberTexts_data();
    void numberTexts();
    void savesUnderTheNameAsGiven();
    void failedSaveIsADataTransferError();
};

void TestWorkbooks::numberTexts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 12345.0 << "12345";
    QTest::newRow("negative") << -7.0 << "-7";
    QTest::newRow("fraction") << 1234.567 << "1234.567";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("huge") << 1e20 << "1e+20";
}

void TestWorkbooks::numberTexts() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(CellNumberText(value), text);
}

void TestWorkbooks::savesUnderTheNameAsGiven() {
    QTemporaryDir dir;
    WorkbookWriter book({"LoftNo", "RYear"});
    book.setColumnFormat(2, kTextFormat);
    book.addRow({"001", 2016});
    const QString name = dir.filePath("rings of 001");
    book.save(name);
    QVERIFY(QFile::exists(name));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"rings of 001"});
}

void TestWorkbooks::failedSaveIsADataTransferError() {
    QTemporaryDir dir;
    WorkbookWriter book({"LoftNo"});
    book.addRow({"001"});
    try {
        book.save(dir.filePath("no such folder/rings.xlsx"));
        QFAIL("saved into a missing folder");
    } catch (const UserError& e) {
        QVERIFY2(e.text().startsWith("Data transfer error: "), qPrintable(e.text()));
        QVERIFY2(e.text().contains("rings.xlsx"), qPrintable(e.text()));
    }

    // A cell the format cannot hold stops the save and leaves no file behind.
    WorkbookWriter tooLong({"Comment"});
    tooLong.addRow({QString(40000, 'x')});
    const QString name = dir.filePath("long.xlsx");
    QVERIFY_THROWS_EXCEPTION(UserError, tooLong.save(name));
    QVERIFY(!QFile::exists(name));
}

QTEST_GUILESS_MAIN(TestWorkbooks)
#include "test_workbooks.moc"
