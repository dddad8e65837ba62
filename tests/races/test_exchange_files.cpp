// The WinSpeed file set and the text-message lists, byte for byte, on a small week.
#include <QTemporaryDir>
#include <QtTest>

#include "data/errors.h"
#include "race_reference.h"
#include "races/exchange_files.h"
#include "test_context.h"

namespace {

// Week 21 of 2016: race 1A on Thursday 26 May, race 2B on Saturday 28 May. Ann (001) has clock
// readings for 1A; Bob (002) has none and a name with two characters outside Latin-1.
void seedWeek(TdmZOLF& db) {
    db.exec("insert into ZOL_ClubData (ClubID, ClubName, Mode) values('KC','Kestrava Club',1)");
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName, PhoneNo, LoftLon, LoftLat, "
        "AssociationCode) values('001','Ann','0123',?,?,'KV')",
        {"E121'30:45.67", "N051'30:00.00"});
    db.exec("insert into ZOL_LoftData (LoftNo, LoftName) values('002',?)",
            {QString::fromUtf8("Bob \u0141o\u015b")});
    db.exec("insert into ZOL_LoftClocks values('001','CLK1','2016-05-01 10:00:00',1)");
    db.exec("insert into ZOL_LoftClocks values('001','CLK2','2016-05-20 10:00:00',1)");
    const auto pigeon = [&](const char* loft, const char* ring, const QVariant& sex,
                            const char* colour, const QVariant& eRing, const QVariant& uid) {
        db.exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, ColorType, E_Ring, UID, "
            "DeleteMark) values(?,?,?,?,?,?,0)",
            {loft, ring, sex, colour, eRing, uid});
    };
    pigeon("001", "GB16-12345678901", "C", "BBAR", "0123456789AB", "ABCDEF0123");
    pigeon("001", "NL16-12345", "H", "BLUECHEQ", QVariant(), QVariant());
    pigeon("002", "BE16-0000001", QVariant(), "RD", QVariant(), QVariant());
    const auto entry = [&](const char* code, const char* date, const char* ring,
                           const QVariant& back, const char* marked) {
        db.exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
            "MarkedTime) values('KC',?,?,?,?,?)",
            {code, date, ring, back, marked});
    };
    entry("1A", "2016-05-26", "NL16-12345", QVariant(), "2016-05-25 19:00:01");
    entry("1A", "2016-05-26", "GB16-12345678901", "2016-05-26 12:00:05.250", "2016-05-25 19:00:00");
    entry("1A", "2016-05-26", "BE16-0000001", "2016-05-26 13:00:00.000", "2016-05-25 20:00:00");
    entry("2B", "2016-05-28", "BE16-0000001", "2016-05-28 11:00:00.000", "2016-05-27 18:00:00");
    entry("3C", "2016-05-30", "GB16-12345678901", QVariant(), "2016-05-29 18:00:00");  // next week
    db.exec(
        "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo, DLMarkedTime, "
        "ULMasterTime, ULClockTime) values('1A','2016-05-26','001','2016-05-25 18:55:00',"
        "'2016-05-26 18:00:00','2016-05-26 18:00:07')");
}

const QDate kRaceDay(2016, 5, 26);
const QString kZeros = QStringLiteral("00000000000000000000");

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

class TestExchangeFiles : public QObject {
    Q_OBJECT
  private slots:
    void winSpeedWeek();
    void winSpeedFilesWritten();
    void unreadableArrivalWritesNothing();
    void cutRingsAndMarkingToTheSecond();
    void smsLists();
};

void TestExchangeFiles::winSpeedWeek() {
    TestContext t;
    seedWeek(*t.db);
    QCOMPARE(WinSpeedProposedName(kRaceDay), QStringLiteral("W0010121.D00"));
    QCOMPARE(WinSpeedProposedName(QDate(2021, 1, 3)), QStringLiteral("W0010153.D00"));

    const WinSpeedFiles files = BuildWinSpeedFiles(*t.db, kRaceDay);
    const QStringList expected{
        "0260516",
        "1001001001Ann",
        "2001001125051855002605180000180007",
        "3001001GB16-123456789C 112605120005"
        "00000001" +
            kZeros + "BBAR",  // cut to 14
        "3001001NL16-12345    H 100000000000"
        "00000002" +
            kZeros + "BLUE",  // no arrival
        QString::fromUtf8("1001002001Bob \u0141o\u015b"),
        "2001002130120000003012000000000000",  // no clock readings
        "3001002BE16-0000001   112605130000"
        "00000001" +
            kZeros + "RD",  // no sex
        "0280516",
        // Bob again first on the next day: no new loft header.
        "3001002BE16-0000001   212805110000"
        "00000001" +
            kZeros + "RD",
    };
    QCOMPARE(files.records, expected);
    QCOMPARE(files.liberCodeList, (QStringList{"01,260516,1A", "02,280516,2B"}));
    QCOMPARE(files.loftList, (QStringList{"01,001", "02,002"}));

    // The counts queried bird by bird give the same file.
    QCOMPARE(BuildWinSpeedFiles(*t.db, kRaceDay, CountingPerBird(*t.db)).records, expected);

    int replaced = 0;
    const QByteArray bytes =
        ExchangeFileBytes({QString::fromUtf8("Zo\u00eb \u0141"), "x"}, &replaced);
    QCOMPARE(bytes, QByteArray("Zo\xeb ?\r\nx\r\n"));
    QCOMPARE(replaced, 1);
}

void TestExchangeFiles::winSpeedFilesWritten() {
    TestContext t;
    seedWeek(*t.db);
    QTemporaryDir dir;
    const QString path = dir.filePath("W0010121.D00");
    t.prompts.fileNames.enqueue(path);
    GenerateWinSpeedFile(*t.db, t.prompts, kRaceDay);
    QCOMPARE(readFile(dir.filePath("LiberCode_List.txt")),
             QByteArray("01,260516,1A\r\n02,280516,2B\r\n"));
    QCOMPARE(readFile(dir.filePath("Loft_List.txt")), QByteArray("01,001\r\n02,002\r\n"));
    const QByteArray records = readFile(path);
    QCOMPARE(records.count("\r\n"), 10);
    QVERIFY(records.contains("1001002001Bob ?o?\r\n"));
    QCOMPARE(t.prompts.of("information"),
             (QStringList{"2 character(s) that the file cannot hold were written as \"?\".",
                          "1 ring number(s) longer than 14 characters were cut in the WinSpeed "
                          "file: GB16-12345678901 as GB16-123456789."}));
}

void TestExchangeFiles::unreadableArrivalWritesNothing() {
    TestContext t;
    seedWeek(*t.db);
    t.db->exec("update ZOL_PigRaceData set BackTime='28/05/2016 11:00' where LiberCode='2B'");
    QTemporaryDir dir;
    t.prompts.fileNames.enqueue(dir.filePath("W0010121.D00"));
    QVERIFY(!guarded(t.prompts, [&] { GenerateWinSpeedFile(*t.db, t.prompts, kRaceDay); }));
    QCOMPARE(t.prompts.of("error").size(), 1);
    QVERIFY(t.prompts.of("error").first().contains("BE16-0000001"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

// Rings longer than the record holds are named, with the ones that become one ring; marking
// times stored with and without milliseconds share an order within their second.
void TestExchangeFiles::cutRingsAndMarkingToTheSecond() {
    TestContext t;
    seedWeek(*t.db);
    for (const char* ring : {"BE-2024-4100002", "BE-2024-4100001", "BE-2024-410000"}) {
        t.db->exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) "
            "values('001',?,'C',0)",
            {ring});
        t.db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
            "MarkedTime) values('KC','2B','2016-05-28',?,'2016-05-27 18:00:00')",
            {ring});
    }
    // GB16's marking (19:00:00) and NL16's, now within the same second.
    t.db->exec(
        "update ZOL_PigRaceData set MarkedTime='2016-05-25 19:00:00.400' where "
        "PRingNo='NL16-12345'");

    const WinSpeedFiles files = BuildWinSpeedFiles(*t.db, kRaceDay);
    QCOMPARE(files.cutRings,
             (QStringList{"BE-2024-4100001", "BE-2024-4100002", "GB16-12345678901"}));
    QCOMPARE(files.sharedCuts,
             (QList<QStringList>{{"BE-2024-410000", "BE-2024-4100001", "BE-2024-4100002"}}));
    const auto order = [&files](const QString& ring) {
        for (const QString& record : files.records) {
            if (record.startsWith('3') && record.mid(7, 14).trimmed() == ring.left(14)) {
                return record.mid(35, 8);
            }
        }
        return QString();
    };
    QCOMPARE(order("GB16-12345678901"), QStringLiteral("00000002"));
    QCOMPARE(order("NL16-12345"), QStringLiteral("00000002"));
    QCOMPARE(BuildWinSpeedFiles(*t.db, kRaceDay, CountingPerBird(*t.db)).records, files.records);

    QTemporaryDir dir;
    t.prompts.fileNames.enqueue(dir.filePath("W0010121.D00"));
    GenerateWinSpeedFile(*t.db, t.prompts, kRaceDay);
    QCOMPARE(t.prompts.of("information").last(),
             QStringLiteral("3 ring number(s) longer than 14 characters were cut in the WinSpeed "
                            "file: BE-2024-4100001 as BE-2024-410000, BE-2024-4100002 as "
                            "BE-2024-410000, GB16-12345678901 as GB16-123456789.\n"
                            "BE-2024-410000, BE-2024-4100001, BE-2024-4100002 became the same ring "
                            "number BE-2024-410000 there."));

    // A season of long rings: a short summary, and the whole list in its own window.
    for (int i = 0; i < 12; ++i) {
        const QString ring = QStringLiteral("BE-2024-41000%1").arg(i + 10);
        t.db->exec("insert into ZOL_PigData (LoftNo, PRingNo, DeleteMark) values('002',?,0)",
                   {ring});
        t.db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, "
            "MarkedTime) values('KC','1A','2016-05-26',?,'2016-05-25 20:00:00')",
            {ring});
    }
    t.prompts.fileNames.enqueue(dir.filePath("W0010121.D00"));
    GenerateWinSpeedFile(*t.db, t.prompts, kRaceDay);
    QCOMPARE(t.prompts.of("details"),
             QStringList{"15 ring numbers longer than 14 characters were cut in the WinSpeed "
                         "file; 3 groups of them became one ring number there. The whole list "
                         "is below."});
    QVERIFY(t.prompts.detailTexts.last().contains("BE-2024-4100021 as BE-2024-410002"));
}

void TestExchangeFiles::smsLists() {
    TestContext t;
    seedWeek(*t.db);
    // A coordinate never typed is the empty mask: empty in the list, as no coordinate.
    QCOMPARE(CompactCoordinate("    '  :  .  "), QString());
    QCOMPARE(CompactCoordinate(" 000'00:00.00"), QString());
    QCOMPARE(CompactCoordinate("W001'02:03.04"), QStringLiteral("W0010203.04"));
    t.db->exec("update ZOL_LoftData set LoftLon=?, LoftLat=? where LoftNo='002'",
               {"    '  :  .  ", "    '  :  .  "});
    const QString bob = QString::fromUtf8("Bob \u0141o\u015b");
    QCOMPARE(CoteLines(*t.db, "1A", kRaceDay),
             (QStringList{"001,Ann,0123,E1213045.67,N0513000.00,CLK2,KV,1A0526",
                          "002," + bob + ",,,,,,1A0526"}));
    QCOMPARE(
        RingLines(*t.db, "1A", kRaceDay),
        (QStringList{"001,Ann,GB16-12345678901,01234567,ABCDEF01KV,1A0526",
                     "001,Ann,NL16-12345,,KV,1A0526", "002," + bob + ",BE16-0000001,,,1A0526"}));

    // Each file only when its dialog is confirmed: the first cancelled, the second written.
    QTemporaryDir dir;
    t.prompts.fileNames.enqueue(QString());
    t.prompts.fileNames.enqueue(dir.filePath("RING.txt"));
    GenerateSmsTextFiles(*t.db, t.prompts, "1A", kRaceDay);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"RING.txt"});
    QVERIFY(readFile(dir.filePath("RING.txt")).endsWith("002,Bob ?o?,BE16-0000001,,,1A0526\r\n"));
}

QTEST_MAIN(TestExchangeFiles)
#include "test_exchange_files.moc"
