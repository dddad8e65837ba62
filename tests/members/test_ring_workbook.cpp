// Rings written to and read from workbooks: the export's layout, the import's composition,
// update-or-insert and the rows it leaves out, and what stays stored when it stops.
#include <QFile>
#include <QtTest>

#include "data/errors.h"
#include "data/progress.h"
#include "fuzz/workbook_checks.h"
#include "members/ring_store.h"
#include "members/ring_workbook.h"
#include "spreadsheet/workbook_reader.h"
#include "spreadsheet/workbook_writer.h"
#include "test_context.h"

namespace {

const QStringList kLong = {"LoftNo", "RCountry",  "RYear",   "RRegLetter", "RRegNumber",
                           "Sex",    "ColorType", "PRingNo", "E_Ring"};
const QStringList kShort = kLong.mid(0, 7);

struct Fixture : TestContext {
    Fixture() {
        for (const char* loft : {"001", "002"})
            db->exec("insert into ZOL_LoftData (LoftNo,LoftName) values(?,?)",
                     {loft, QString("Loft ") + loft});
    }
    // A workbook written to the test folder.
    QString sheet(const QStringList& titles, const QList<QVariantList>& rows,
                  const QString& name = "rings.xlsx") {
        WorkbookWriter book(titles);
        for (const QVariantList& row : rows)
            book.addRow(row);
        const QString file = root.filePath(name);
        book.save(file);
        return file;
    }
    RingImportResult import(const QString& file) {
        NoProgress none;
        return ImportRings(*db, clock, file, none);
    }
    void addRing(const QString& loft, const QString& c, const QString& y, const QString& l,
                 const QString& n, const QString& sex = "Cock") {
        RingEntry e;
        e.loftNo = loft;
        e.parts = {c, y, l, n};
        e.sexName = sex;
        e.colourName = "Other";
        SaveRing(*db, clock, e);
    }
    // "LoftNo|PRingNo|Sex|ColorType|E_Ring|SynchFlag|DeleteMark" of every ring, by ring number.
    QStringList rings() {
        QStringList out;
        QSqlQuery q = db->select(
            "select LoftNo,PRingNo,Sex,ColorType,E_Ring,SynchFlag,DeleteMark "
            "from ZOL_PigData order by PRingNo");
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < 7; ++i)
                row << (q.value(i).isNull() ? "null" : q.value(i).toString());
            out << row.join('|');
        }
        return out;
    }
};

// Counts progress steps and asks to stop after a number of them.
struct StoppingProgress : Progress {
    int steps = 0;
    int stopAfter = 1;
    void step(qint64, qint64, const QString&) override { ++steps; }
    bool stopRequested() const override { return steps > stopAfter; }
};

}  // namespace

class TestRingWorkbook : public QObject {
    Q_OBJECT
  private slots:
    void exportThenImportUpdatesEveryRing();
    void composesRingNumbers_data();
    void composesRingNumbers();
    void sexCodes();
    void titleOnlySheetImportsNothing();
    void leavesOutWhatItCannotStore();
    void ringTwiceInOneSheetIsStoredOnce();
    void sheetWithoutElectronicRingsKeepsThem();
    void failedRowKeepsTheRowsBefore();
    void stopKeepsTheRowsBefore();
    void formulaWithoutValueIsReportedAndSkipped();
    void unreadableFileStoresNothing();
};

void TestRingWorkbook::exportThenImportUpdatesEveryRing() {
    Fixture f;
    f.addRing("001", "GB", "2016", "A", "12345", "Hen");
    f.addRing("001", "NWHU", "2016", "CLS", "0098");
    f.addRing("001", "BELG", "2017", "", "0007", "Unknown");
    MarkRingDeleted(*f.db, f.clock, "001", "BELG170007");  // deleted rings are exported too
    f.addRing("002", "NL", "2018", "", "1");               // another loft's: not exported
    f.db->exec("update ZOL_PigData set ColorType='BB',E_Ring='E1',SynchFlag=0");
    const QStringList before = f.rings();

    const QString file = f.root.filePath("rings of 001");
    NoProgress none;
    QCOMPARE(ExportRings(*f.db, "001", file, none), 3);
    QVERIFY(QFile::exists(file));  // the name as chosen, no extension added

    const WorkbookReader read(file);
    QCOMPARE(read.rowCount(), 4);
    QCOMPARE(read.columnCount(), 9);
    for (int c = 1; c <= 9; ++c)
        QCOMPARE(read.text(1, c), kLong[c - 1]);
    QStringList second;
    for (int c = 1; c <= 9; ++c)
        second << read.text(2, c);
    QCOMPARE(second.join('|'), QString("001|BELG|2017||0007|Unknown|BB|BELG170007|E1"));
    QCOMPARE(read.text(3, 6), QString("Hen"));
    QCOMPARE(read.text(4, 8), QString("NWHU2016CLS0098"));

    f.clock.set(f.clock.now().addSecs(60));
    const RingImportResult result = f.import(file);
    QCOMPARE(result.inserted, 0);
    QCOMPARE(result.updated, 3);
    QCOMPARE(RingImportReport(result), QString());
    QCOMPARE(f.rings(), before);  // nothing changed, nothing flagged for the clocks
    QCOMPARE(f.db->rowCount("select * from ZOL_PigData where Updatetime like '2026-06-15 10:01%'"),
             3);
}

void TestRingWorkbook::composesRingNumbers_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QVariantList>("row");
    QTest::addColumn<QString>(
        "stored");  // LoftNo|PRingNo|Sex|ColorType|E_Ring|SynchFlag|DeleteMark
    QTest::newRow("seven columns, four-digit year")
        << kShort << QVariantList{"001", "GB", "2016", "A", "12345", "Cock", "BB"}
        << "001|GB2016A12345|C|BB|null|1|0";
    QTest::newRow("numbers in number cells, leading zeros in a text cell")
        << kShort << QVariantList{"001", "BELG", 2017, QVariant(), "0098", "Hen", 12}
        << "001|BELG20170098|H|12|null|1|0";
    QTest::newRow("nine columns, column 8 empty")
        << kLong << QVariantList{"001", "GB", 2016, "A", 12345, "Cock", "BB", "", "E-77"}
        << "001|GB2016A12345|C|BB|E-77|1|0";
    QTest::newRow("nine columns, ring number in column 8")
        << kLong << QVariantList{"001", "GB", "2016", "A", "12345", "Cock", "BB", "GB16A12345", ""}
        << "001|GB16A12345|C|BB||1|0";
    QTest::newRow("ring number given as a number")
        << kLong << QVariantList{"002", "", "", "", "", "", "", 4711, 987654}
        << "002|4711|U||987654|1|0";
}

void TestRingWorkbook::composesRingNumbers() {
    QFETCH(QStringList, titles);
    QFETCH(QVariantList, row);
    QFETCH(QString, stored);
    Fixture f;
    const RingImportResult result = f.import(f.sheet(titles, {row}));
    QCOMPARE(result.inserted, 1);
    QCOMPARE(f.rings(), QStringList{stored});
    QCOMPARE(f.db->value("select CreateDate||' '||Updatetime from ZOL_PigData").toString(),
             QString("2026-06-15 2026-06-15 10:00:00.000"));
}

void TestRingWorkbook::sexCodes() {
    Fixture f;
    f.import(f.sheet(kShort, {{"001", "GB", "2016", "A", "1", "Hen", ""},
                              {"001", "GB", "2016", "A", "2", "Cock", ""},
                              {"001", "GB", "2016", "A", "3", "H", ""},
                              {"001", "GB", "2016", "A", "4", "hen", ""},
                              {"001", "GB", "2016", "A", "5", QVariant(), ""}}));
    QCOMPARE(f.db->texts("select Sex from ZOL_PigData order by PRingNo"),
             QStringList({"H", "C", "U", "U", "U"}));
}

void TestRingWorkbook::titleOnlySheetImportsNothing() {
    Fixture f;
    const RingImportResult result = f.import(f.sheet(kLong, {}));
    QCOMPARE(result.inserted + result.updated, 0);
    QCOMPARE(RingImportReport(result), QString());
    QVERIFY(f.rings().isEmpty());
}

void TestRingWorkbook::leavesOutWhatItCannotStore() {
    Fixture f;
    f.addRing("002", "GB", "2016", "A", "1");
    const RingImportResult result = f.import(
        f.sheet(kShort, {{"009", "GB", "2016", "A", "7", "Cock", ""},  // loft 009 is not a member
                         {"009", "GB", "2016", "A", "8", "Cock", ""},
                         {"001", "GB", "2016", "A", "9", "Cock", ""},
                         {"009", "GB", "2016", "A", "10", "Cock", ""},
                         {"001", "GB", "16", "A", "1", "Hen", ""},  // GB16A1 is loft 002's
                         {"001", "", "", "", "", "Hen", ""},        // no ring number
                         {QVariant(), QVariant(), QVariant()},      // a blank row
                         {"002", "GB", "16", "A", "1", "Hen", ""}}));
    QCOMPARE(result.inserted, 1);
    QCOMPARE(result.updated, 1);
    QCOMPARE(f.rings(), QStringList({"002|GB16A1|H||null|1|0", "001|GB2016A9|C||null|1|0"}));
    QCOMPARE(RingImportReport(result),
             QString("Rows not imported because their loft is not a member: 2-3, 5.\n"
                     "Rings not imported because they belong to another loft: row 6: GB16A1 of "
                     "loft 002.\n"
                     "Rows not imported because they hold no ring number: 7."));
}

void TestRingWorkbook::ringTwiceInOneSheetIsStoredOnce() {
    Fixture f;
    const RingImportResult result =
        f.import(f.sheet(kLong, {{"001", "GB", "2016", "A", "5", "Cock", "BB", "", "E1"},
                                 {"001", "GB", "2016", "A", "5", "Hen", "RC", "", "E2"}}));
    QCOMPARE(result.inserted, 1);
    QCOMPARE(result.updated, 1);
    QCOMPARE(f.rings(), QStringList{"001|GB2016A5|H|RC|E2|1|0"});
}

void TestRingWorkbook::sheetWithoutElectronicRingsKeepsThem() {
    Fixture f;
    f.addRing("001", "GB", "2016", "A", "1");
    f.db->exec("update ZOL_PigData set E_Ring='E-1',SynchFlag=0");
    // Eight columns read as the long layout (ring number from column 8), but hold no column 9.
    f.import(f.sheet(kLong.mid(0, 8), {{"001", "", "", "", "", "Hen", "BB", "GB16A1"}}));
    QCOMPARE(f.rings(), QStringList{"001|GB16A1|H|BB|E-1|0|0"});
}

void TestRingWorkbook::failedRowKeepsTheRowsBefore() {
    Fixture f;
    f.db->exec(
        "create trigger refuse before insert on ZOL_PigData when new.PRingNo='GB2016A3' "
        "begin select raise(abort,'ring refused'); end");
    const RingImportResult result =
        f.import(f.sheet(kShort, {{"001", "GB", "2016", "A", "1", "Cock", ""},
                                  {"001", "GB", "2016", "A", "2", "Cock", ""},
                                  {"001", "GB", "2016", "A", "3", "Cock", ""},
                                  {"001", "GB", "2016", "A", "4", "Cock", ""}}));
    QCOMPARE(result.stoppedAtRow, 4);
    QCOMPARE(f.db->texts("select PRingNo from ZOL_PigData order by PRingNo"),
             QStringList({"GB2016A1", "GB2016A2"}));
    QVERIFY2(RingImportReport(result).startsWith("The import stopped at row 4: "),
             qPrintable(RingImportReport(result)));
    QVERIFY(RingImportReport(result).contains("ring refused"));
    QVERIFY(RingImportReport(result).endsWith("The rows before it are stored."));
}

void TestRingWorkbook::stopKeepsTheRowsBefore() {
    Fixture f;
    QList<QVariantList> rows;
    for (int i = 1; i <= 250; ++i)
        rows << QVariantList{"001", "GB", "2016", "A", i, "Cock", ""};
    StoppingProgress stopping;  // asks to stop at the second step, row 102
    const RingImportResult result = ImportRings(*f.db, f.clock, f.sheet(kShort, rows), stopping);
    QCOMPARE(result.stoppedAtRow, 102);
    QCOMPARE(result.inserted, 100);
    QCOMPARE(f.db->rowCount("select * from ZOL_PigData"), 100);
    QCOMPARE(RingImportReport(result),
             QString("The import was stopped at row 102. The rows before it are stored."));
}

void TestRingWorkbook::formulaWithoutValueIsReportedAndSkipped() {
    Fixture f;
    // As a program that writes formulas without computing them leaves a sheet: row 3's ring
    // number and sex are formulas with no value; row 4's ring number has its computed value.
    const auto text = [](const char* ref, const QString& t) {
        return QStringLiteral("<c r=\"%1\" t=\"inlineStr\"><is><t>%2</t></is></c>").arg(ref, t);
    };
    QString xml = "<worksheet><sheetData><row r=\"1\">";
    for (int c = 0; c < kLong.size(); ++c)
        xml += text(qPrintable(ColumnLetters(c + 1) + "1"), kLong[c]);
    xml += "</row><row r=\"2\">" + text("A2", "001") + text("B2", "GB") + text("C2", "2016") +
           text("D2", "A") + text("E2", "11111") + text("F2", "Hen") + "</row>";
    xml += "<row r=\"3\">" + text("A3", "001") + text("B3", "GB") + text("C3", "2016") +
           text("D3", "A") + text("E3", "55555") +
           "<c r=\"F3\"><f>IF(E3&gt;0,\"Hen\",\"Cock\")</f><v></v></c>"
           "<c r=\"H3\"><f>\"GB16A\"&amp;E3</f><v/></c></row>";
    xml += "<row r=\"4\">" + text("A4", "001") + text("F4", "Cock") +
           "<c r=\"H4\" t=\"str\"><f>\"GB16A\"&amp;\"33333\"</f><v>GB16A33333</v></c></row>";
    xml += "</sheetData></worksheet>";
    const QString file = f.root.filePath("formulas.xlsx");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(PackageAround(xml.toUtf8(), {}));
    out.close();

    const RingImportResult result = f.import(file);
    QCOMPARE(result.inserted, 2);
    QCOMPARE(f.rings(), QStringList({"001|GB16A33333|C|||1|0", "001|GB2016A11111|H|||1|0"}));
    QCOMPARE(RingImportReport(result),
             QString("Rows not imported: row 3 column F, row 3 column H hold a formula without a "
                     "value: open and save the sheet in a spreadsheet program first."));
}

void TestRingWorkbook::unreadableFileStoresNothing() {
    Fixture f;
    f.addRing("001", "GB", "2016", "A", "1");
    const QStringList before = f.rings();
    const QString file = f.root.filePath("rings.xlsx");
    QFile text(file);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("LoftNo;RCountry;RYear\n001;GB;2016\n");
    text.close();
    try {
        f.import(file);
        QFAIL("imported a text file");
    } catch (const UserError& e) {
        QCOMPARE(e.text(), QString("The file \"%1\" cannot be read as a workbook: it is not a zip "
                                   "archive.")
                               .arg(file));
    }
    QVERIFY_THROWS_EXCEPTION(UserError, f.import(f.root.filePath("missing.xlsx")));
    QCOMPARE(f.rings(), before);
}

QTEST_GUILESS_MAIN(TestRingWorkbook)
#include "test_ring_workbook.moc"
