#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "file_faults.h"

#include "data/errors.h"
#include "spreadsheet/cell_text.h"
#include "spreadsheet/workbook_reader.h"
#include "spreadsheet/workbook_writer.h"

class TestWorkbooks : public QObject {
    Q_OBJECT

  private slots:
    void numberTexts_data();
    void numberTexts();
    void savesUnderTheNameAsGiven();
    void failedSaveIsADataTransferError();
    void readsWhatTheWriterWrote();
    void readsOtherProgramsFiles_data();
    void readsOtherProgramsFiles();
    void refusesFilesItCannotRead_data();
    void refusesFilesItCannotRead();
    void limitsWhatAFileMayUnpack();
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
        QCOMPARE(e.text(), QString("Data transfer error: the folder \"%1\" does not exist")
                               .arg(dir.filePath("no such folder")));
    }
    // A disk that is full: the reason and the file name, and the previous file kept.
    const QString full = dir.filePath("rings.xlsx");
    WorkbookWriter previous({"LoftNo"});
    previous.save(full);
    const QByteArray before = FileBytes(full);
    WorkbookWriter many({"LoftNo", "Name"});
    for (int i = 0; i < 2000; ++i)
        many.addRow({QString::number(i), QStringLiteral("Member %1").arg(i)});
    try {
        FileSizeLimit limit(8192);
        many.save(full);
        QFAIL("saved onto a full disk");
    } catch (const UserError& e) {
        QVERIFY2(e.text().startsWith("Data transfer error: "), qPrintable(e.text()));
        QVERIFY2(e.text().contains(full), qPrintable(e.text()));
    }
    QCOMPARE(FileBytes(full), before);
    QFile::remove(full);

    // A cell the format cannot hold stops the save and leaves no file behind.
    WorkbookWriter tooLong({"Comment"});
    tooLong.addRow({QString(40000, 'x')});
    const QString name = dir.filePath("long.xlsx");
    QVERIFY_THROWS_EXCEPTION(UserError, tooLong.save(name));
    QVERIFY(!QFile::exists(name));
}

void TestWorkbooks::readsWhatTheWriterWrote() {
    QTemporaryDir dir;
    WorkbookWriter book({"LoftNo", "RYear", "RRegNumber", "Speed", "E_Ring"});
    book.setColumnFormat(2, kTextFormat);
    book.setColumnFormat(3, kTextFormat);
    book.setColumnFormat(4, kThreeDecimalsFormat);
    book.addRow({"001", 2016, "0098", 1234.5678, QVariant()});
    book.addRow({"002", "2017", 12345, 3});  // a short row leaves its last cell empty
    const QString name = dir.filePath("rings.xlsx");
    book.save(name);

    const WorkbookReader read(name);
    QCOMPARE(read.rowCount(), 3);
    QCOMPARE(read.columnCount(), 5);  // the title row reaches column 5
    const QStringList expected[] = {{"LoftNo", "RYear", "RRegNumber", "Speed", "E_Ring"},
                                    {"001", "2016", "0098", "1234.5678", ""},
                                    {"002", "2017", "12345", "3", ""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(read.text(r + 1, c + 1), expected[r][c]);
    // Text columns hold texts even for numbers given; other columns keep numbers.
    QCOMPARE(read.value(2, 2).typeId(), QMetaType::QString);
    QCOMPARE(read.value(3, 3).typeId(), QMetaType::QString);
    QCOMPARE(read.value(2, 4), QVariant(1234.5678));
    QVERIFY(read.value(2, 5).isNull());
    QVERIFY(read.value(9, 9).isNull());
}

namespace {
QString Fixture(const QString& name) {
    return QStringLiteral(FIXTURE_DIR "/") + name;
}
}  // namespace

void TestWorkbooks::readsOtherProgramsFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("inline strings") << "openpyxl_inline.xlsx";
    QTest::newRow("shared strings") << "libreoffice_shared.xlsx";
    QTest::newRow("no dimension, no references") << "no_references.xlsx";
    QTest::newRow("strict, prefixed, stored second") << "strict_prefixed.xlsx";
}

// Every fixture holds the same cells (see fixtures/make_fixtures.py).
void TestWorkbooks::readsOtherProgramsFiles() {
    QFETCH(QString, file);
    const WorkbookReader read(Fixture(file));
    QCOMPARE(read.rowCount(), 4);
    QCOMPARE(read.columnCount(), 7);
    const QStringList expected[] = {
        {"LoftNo", "RCountry", "RYear", "RRegNumber", "Speed", "Flag", "Name"},
        {"001", "GB", "2016", "0098", "1234.5", "TRUE", "Müller & Söhne"},
        {"", "", "", "", "", "", ""},
        {"002", "NL", "2017", "12345", "0.25", "FALSE", "<none>"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c)
            QCOMPARE(read.text(r + 1, c + 1), expected[r][c]);
    QCOMPARE(read.value(2, 3), QVariant(2016.0));
    QCOMPARE(read.value(4, 5), QVariant(0.25));
}

void TestWorkbooks::refusesFilesItCannotRead_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QString>("message");
    QFile good(Fixture("openpyxl_inline.xlsx"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray workbook = good.readAll();
    QTest::newRow("missing") << QByteArray() << "The workbook \"%1\" does not exist.";
    QTest::newRow("text file") << QByteArray("LoftNo;RCountry\n001;GB\n")
                               << "The file \"%1\" cannot be read as a workbook: it is not a "
                                  "zip archive.";
    QTest::newRow("cut short") << workbook.left(workbook.size() / 2)
                               << "The file \"%1\" cannot be read as a workbook: it is not a "
                                  "zip archive.";
    QByteArray damaged = workbook;
    const qsizetype sheet = damaged.indexOf("xl/worksheets/sheet1.xml");
    damaged[sheet + 40] = char(damaged[sheet + 40] ^ 0x55);  // inside the packed sheet
    QTest::newRow("damaged part") << damaged
                                  << "The file \"%1\" cannot be read as a workbook: the part "
                                     "xl/worksheets/sheet1.xml is damaged.";
}

void TestWorkbooks::refusesFilesItCannotRead() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString name = dir.filePath("rings.xlsx");
    if (!bytes.isEmpty()) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    try {
        WorkbookReader read(name);
        QFAIL("read a file that is not a workbook");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), message.arg(name));
    }
}

void TestWorkbooks::limitsWhatAFileMayUnpack() {
    QTemporaryDir dir;
    WorkbookWriter book({"A", "B"});
    for (int i = 0; i < 2000; ++i)
        book.addRow({i, QString(200, 'x') + QString::number(i)});  // packs small, unpacks large
    const QString name = dir.filePath("big.xlsx");
    book.save(name);

    WorkbookLimits small;
    small.maxPartBytes = 64 * 1024;
    QVERIFY_THROWS_EXCEPTION(UserError, WorkbookReader(name, small));
    WorkbookLimits few;
    few.maxCells = 1000;
    try {
        WorkbookReader read(name, few);
        QFAIL("read more cells than allowed");
    } catch (const UserError& e) {
        QVERIFY2(e.text().endsWith("it holds more than 1000 cells."), qPrintable(e.text()));
    }
    QCOMPARE(WorkbookReader(name).rowCount(), 2001);
}

QTEST_GUILESS_MAIN(TestWorkbooks)
#include "test_workbooks.moc"
