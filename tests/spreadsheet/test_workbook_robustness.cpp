// Many mutated workbooks and worksheets through the reader: no crash, no hang, and the
// properties the fuzz target checks hold. Seeded, so a failure repeats.
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include "data/errors.h"
#include "fuzz/workbook_checks.h"
#include "spreadsheet/workbook_reader.h"

namespace {

// A sample with a few XML-minded edits: bytes flipped, tags or runs of text repeated, cut or
// moved, digits made large, and pieces of other samples spliced in.
QByteArray Mutated(QRandomGenerator& random, const QList<QByteArray>& samples) {
    QByteArray bytes = samples[random.bounded(samples.size())];
    const int edits = 1 + random.bounded(5);
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = 1 + random.bounded(int(qMax<qsizetype>(1, bytes.size() - 1)));
        switch (random.bounded(7)) {
            case 0:
                bytes[at % bytes.size()] =
                    char(bytes[at % bytes.size()] ^ (1 << random.bounded(8)));
                break;
            case 1:  // repeat the element that starts here
            {
                const qsizetype end = bytes.indexOf('>', at);
                if (end > at)
                    bytes.insert(at, bytes.mid(at, end - at + 1).repeated(1 + random.bounded(50)));
                break;
            }
            case 2:
                bytes.remove(at, 1 + random.bounded(40));
                break;
            case 3: {
                static const char* const digits[] = {"0",          "99999999999", "1048577",
                                                     "16385",      "-1",          "2147483648",
                                                     "XFD1048576", "1e308",       "nan"};
                bytes.insert(at, digits[random.bounded(int(std::size(digits)))]);
                break;
            }
            case 4: {
                const QByteArray& other = samples[random.bounded(samples.size())];
                const int from = random.bounded(int(qMax<qsizetype>(1, other.size())));
                bytes = bytes.left(at) + other.mid(from, 1 + random.bounded(200)) + bytes.mid(at);
                break;
            }
            case 5:
                bytes.truncate(at);
                break;
            default: {
                static const char* const pieces[] = {"<c t=\"s\"><v>7</v></c>",
                                                     "<row>",
                                                     "</row>",
                                                     "<c r=\"A1\"/>",
                                                     "<![CDATA[x]]>",
                                                     "_x0041_",
                                                     "&amp;",
                                                     "<x:c>",
                                                     "\0"};
                bytes.insert(at, pieces[random.bounded(int(std::size(pieces)))]);
                break;
            }
        }
    }
    return bytes;
}

QList<QByteArray> Seeds() {
    QList<QByteArray> seeds;
    QDirIterator it(QStringLiteral(CORPUS_DIR), QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            seeds << file.readAll();
    }
    // Worksheets alone (first byte 1: put into a package), with and without shared strings.
    seeds << QByteArray(
                 "\x01<worksheet><dimension ref=\"A1:XFD1048576\"/><sheetData><row r=\"2\">"
                 "<c r=\"B2\" t=\"s\"><v>1</v></c><c r=\"D2\"><v>1.5</v></c></row>"
                 "</sheetData></worksheet>")
                 .append('\0')
                 .append("<sst><si><t>a</t></si><si><r><t>b</t></r><rPh><t>c</t></rPh></si></sst>");
    seeds << QByteArray(
        "\x01<x:worksheet xmlns:x=\"s\"><x:sheetData><x:row><x:c t=\"inlineStr\">"
        "<x:is><x:t>_x005F_x0041_</x:t></x:is></x:c><x:c t=\"e\"><x:v>#N/A</x:v>"
        "</x:c></x:row></x:sheetData></x:worksheet>");
    return seeds;
}

}  // namespace

class TestWorkbookRobustness : public QObject {
    Q_OBJECT
  private slots:
    void seedsRead();
    void mutatedInput();
};

void TestWorkbookRobustness::seedsRead() {
    const QList<QByteArray> seeds = Seeds();
    QVERIFY(seeds.size() >= 4);
    for (const QByteArray& seed : seeds)
        QCOMPARE(CheckWorkbookInput(seed), QString());
    // A worksheet alone reads as one: texts, numbers, escapes and references.
    const WorkbookReader read = WorkbookReader::FromBytes(
        PackageAround("<worksheet><sheetData><row><c t=\"inlineStr\"><is><t>_x005F_x0041_ "
                      "_x0041_</t></is></c><c r=\"C1\"><v>12345.0</v></c></row></sheetData>"
                      "</worksheet>",
                      {}),
        "sheet.xlsx");
    QCOMPARE(read.text(1, 1), QString("_x0041_ A"));
    QCOMPARE(read.text(1, 3), QString("12345"));
    QCOMPARE(read.columnCount(), 3);
}

void TestWorkbookRobustness::mutatedInput() {
    const QList<QByteArray> seeds = Seeds();
    QRandomGenerator random(20261210);
    for (int i = 0; i < 20000; ++i) {
        const QByteArray input = Mutated(random, seeds);
        const QString problem = CheckWorkbookInput(input);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + " for input " + QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(TestWorkbookRobustness)
#include "test_workbook_robustness.moc"
