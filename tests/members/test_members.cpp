// Members, clocks, rings and feather colours: the rules and statements behind the member screen.
#include <QFile>
#include <QtTest>

#include "data/errors.h"
#include "members/feather_colours.h"
#include "members/member_store.h"
#include "members/ring_numbers.h"
#include "members/ring_store.h"
#include "races/coordinates.h"
#include "test_context.h"

namespace {
QStringList column(TdmZOLF& db, const QString& sql, const QVariantList& params = {}) {
    QStringList out;
    QSqlQuery q = db.select(sql, params);
    while (q.next()) {
        out << q.value(0).toString();
    }
    return out;
}

RingEntry ring(const QString& loft, const QString& c, const QString& y, const QString& l,
               const QString& n, const QString& upper = {}) {
    RingEntry e;
    e.loftNo = loft;
    e.parts = {c, y, l, n};
    e.upperNumber = upper;
    e.sexName = QStringLiteral("Cock");
    e.colourName = QStringLiteral("Other");
    return e;
}

MemberForm member(const QString& assoc, const QString& loft, const QString& name) {
    MemberForm f;
    f.associationCode = assoc;
    f.loftNo = loft;
    f.name = name;
    return f;
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& e) {
        return e.text();
    }
    return {};
}
}  // namespace

class TestMembers : public QObject {
    Q_OBJECT
  private slots:
    void ringComposition_data();
    void ringComposition();
    void ringFormRules();
    void ranges_data();
    void ranges();
    void refusedRangesStoreNothing_data();
    void refusedRangesStoreNothing();
    void rangeSkipsExistingNumbers();
    void composedNumberOfAnotherLoftIsUpdated();
    void editingWithAnUpperNumberUpdatesTheRing();
    void singleRingInsertAndRefusals();
    void birthYearHasFourDigits_data();
    void birthYearHasFourDigits();
    void loadAndDeleteMark();
    void deletedRingIsRestoredWhenSavedAgain();
    void featherColours();
    void memberInsertAndEdit();
    void memberEntryErrorStoresNothing();
    void newMemberWithALoftNumberInUseAsks();
    void coordinatesAreCheckedOnSave_data();
    void coordinatesAreCheckedOnSave();
    void deleteMember();
    void clockDelete();
    void coordinateCheckExaminesTheOtherBox_data();
    void coordinateCheckExaminesTheOtherBox();
    void settings();
};

void TestMembers::ringComposition_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("ringNo");
    QTest::addColumn<QString>("shown");
    QTest::newRow("GB") << "GB"
                        << "2016"
                        << "A"
                        << "12345"
                        << "GB16A12345"
                        << "GB 16 A 12345";
    QTest::newRow("AU short number") << "AU"
                                     << "2016"
                                     << "ABC"
                                     << "12"
                                     << "AU16-ABC-0012"
                                     << "AU 16 ABC 12";
    QTest::newRow("AU long number") << "AU"
                                    << "2016"
                                    << "ABC"
                                    << "12345"
                                    << "AU16-ABC-12345"
                                    << "AU 16 ABC 12345";
    QTest::newRow("MX four digits") << "MX"
                                    << "2021"
                                    << ""
                                    << "1234"
                                    << "MX21--1234"
                                    << "MX 21  1234";
    QTest::newRow("NWHU") << "NWHU"
                          << "2016"
                          << "CLS"
                          << "1234"
                          << "NWHU2016CLS1234"
                          << "NWHU 2016 CLS 1234";
    QTest::newRow("NEHU") << "NEHU"
                          << "2020"
                          << "SHOT"
                          << "77"
                          << "NEHU2020SHOT77"
                          << "NEHU 2020 SHOT 77";
    QTest::newRow("BELG dash") << "BELG"
                               << "2017"
                               << "-"
                               << "0098"
                               << "BELG17-0098"
                               << "BELG 17 - 0098";
    // No number: the selected ring keeps its number; it has no parts, so it shows as stored.
    QTest::newRow("no number") << "GB"
                               << "2016"
                               << ""
                               << ""
                               << "E1234567"
                               << "E1234567";
}

void TestMembers::ringComposition() {
    QFETCH(QString, country);
    QFETCH(QString, year);
    QFETCH(QString, letters);
    QFETCH(QString, number);
    QFETCH(QString, ringNo);
    QFETCH(QString, shown);
    const QString composed = ComposeRingNumber({country, year, letters, number}, "E1234567");
    QCOMPARE(composed, ringNo);
    // Shown from the stored columns; a ring read from a clock has no registration number.
    const QVariant regNumber = number.isEmpty() ? QVariant() : QVariant(number);
    const QVariant shownCountry = number.isEmpty() ? QVariant() : QVariant(country);
    QCOMPARE(RingDisplayText(composed, shownCountry, year, letters, regNumber), shown);
    QCOMPARE(RingDisplayText(QVariant(), country, year, letters, number), QString());
}

void TestMembers::ringFormRules() {
    // Country rules of the letters box and number limits.
    QVERIFY(CountryRuleFor("BELG")->lettersFixed);
    QCOMPARE(CountryRuleFor("NL")->maxNumber, 7);
    QCOMPARE(CountryRuleFor("FR")->maxNumber, 6);
    QCOMPARE(CountryRuleFor("DV")->maxNumber, 5);
    QCOMPARE(CountryRuleFor("IHU")->maxLetters, 1);
    QCOMPARE(CountryRuleFor("IHU")->hint, QStringLiteral("Field value : 'N' Or 'S'"));
    QCOMPARE(CountryRuleFor("SU")->hint, QStringLiteral("Field value : 'A' ~ 'Z'"));
    QCOMPARE(CountryRuleFor("NEHU")->maxLetters, 5);
    QCOMPARE(CountryRuleFor("FR")->hint, QStringLiteral("Field value : '-' "));
    QVERIFY(!CountryRuleFor("AU").has_value());

    // Keys of the letters box.
    QVERIFY(LetterKeyAccepted("IHU", 'n') && LetterKeyAccepted("IHU", 'S'));
    QVERIFY(!LetterKeyAccepted("IHU", 'x'));
    QVERIFY(LetterKeyAccepted("GB", 'q') && !LetterKeyAccepted("GB", '-'));
    QVERIFY(LetterKeyAccepted("SU", '-') && !LetterKeyAccepted("SU", '1'));
    QVERIFY(LetterKeyAccepted("AU", '1'));

    // The "NEHU" letters test.
    for (const char* ok : {"AP", "shot", "SHOT", "X", "z", "ABCDE"}) {
        QVERIFY2(NehuLettersAccepted(ok), ok);
    }
    for (const char* bad : {"", "Q", "Shot", "ABCD", "ABCDEF"}) {
        QVERIFY2(!NehuLettersAccepted(bad), bad);
    }

    QCOMPARE(SexCode("Hen"), QStringLiteral("H"));
    QCOMPARE(SexCode("Unknown"), QStringLiteral("U"));
    QCOMPARE(SexName("C"), QStringLiteral("Cock"));
    QCOMPARE(SexName(QVariant()), QStringLiteral("Unknown"));
}

void TestMembers::ranges_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QStringList>("ringNos");
    QTest::addColumn<QStringList>("regNumbers");
    QTest::newRow("BELG keeps the typed width")
        << "BELG"
        << "0098"
        << "0101" << QStringList{"BELG17-0098", "BELG17-0099", "BELG17-0100", "BELG17-0101"}
        << QStringList{"0098", "0099", "0100", "0101"};
    QTest::newRow("AU zeros follow the typed length")
        << "AU"
        << "98"
        << "101" << QStringList{"AU17-X-0098", "AU17-X-0099", "AU17-X-00100", "AU17-X-00101"}
        << QStringList{"98", "99", "100", "101"};
    QTest::newRow("equal upper number gives one ring")
        << "GB"
        << "500"
        << "500" << QStringList{"GB17X500"} << QStringList{"500"};
    QTest::newRow("255 above is the longest range")
        << "GB"
        << "1"
        << "256" << QStringList{"GB17X1", "GB17X256"} << QStringList{"1", "256"};
}

void TestMembers::ranges() {
    QFETCH(QString, country);
    QFETCH(QString, number);
    QFETCH(QString, upper);
    QFETCH(QStringList, ringNos);
    QFETCH(QStringList, regNumbers);
    TestContext t;
    RingEntry e = ring("L1", country, "2017", country == "BELG" ? "-" : "X", number, upper);
    const RingSaveResult r = SaveRing(*t.db, t.clock, e);
    QCOMPARE(r.ringNo, ringNos.last());
    QVERIFY(r.skipped.isEmpty());
    const QStringList stored = column(*t.db, "select PRingNo from ZOL_PigData order by rowid");
    if (number == "1") {  // the long range: check its ends and its size
        QCOMPARE(stored.size(), 256);
        QCOMPARE(QStringList({stored.first(), stored.last()}), ringNos);
        return;
    }
    QCOMPARE(stored, ringNos);
    QCOMPARE(column(*t.db, "select RRegNumber from ZOL_PigData order by rowid"), regNumbers);
    QCOMPARE(RingCount(*t.db, "L1"), ringNos.size());
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData where SynchFlag=1 and DeleteMark=0 and "
                         "CreateDate='2026-06-15' and Updatetime='2026-06-15 10:00:00.000'")
                 .toInt(),
             ringNos.size());
}

void TestMembers::refusedRangesStoreNothing_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("message");
    QTest::newRow("upper lower") << "101"
                                 << "98" << kRangeRefused;
    QTest::newRow("256 above") << "10"
                               << "266" << kRangeRefused;
    QTest::newRow("empty number") << ""
                                  << "101" << kRingNumberMissing;
    QTest::newRow("upper not whole") << "98"
                                     << "1O1"
                                     << "'1O1' is not a valid integer value";
}

void TestMembers::refusedRangesStoreNothing() {
    QFETCH(QString, number);
    QFETCH(QString, upper);
    QFETCH(QString, message);
    TestContext t;
    SaveRing(*t.db, t.clock, ring("L1", "GB", "2017", "A", "500"));
    RingEntry e = ring("L1", "GB", "2017", "A", number, upper);
    e.sexName = "Hen";
    QCOMPARE(errorOf([&] { SaveRing(*t.db, t.clock, e); }), message);
    QCOMPARE(column(*t.db, "select PRingNo||Sex from ZOL_PigData"), QStringList{"GB17A500C"});
}

void TestMembers::rangeSkipsExistingNumbers() {
    TestContext t;
    SaveRing(*t.db, t.clock, ring("L2", "GB", "2017", "A", "11"));
    SaveRing(*t.db, t.clock, ring("L1", "GB", "2017", "A", "13"));
    const RingSaveResult r = SaveRing(*t.db, t.clock, ring("L1", "GB", "2017", "A", "10", "14"));
    QCOMPARE(r.skipped, QStringList({"GB17A11", "GB17A13"}));
    QCOMPARE(r.ringNo, QStringLiteral("GB17A14"));
    QCOMPARE(SkippedRingsText(r.skipped),
             QStringLiteral("These ring numbers exist already and were skipped: GB17A11, GB17A13"));
    QCOMPARE(column(*t.db, "select PRingNo||LoftNo from ZOL_PigData order by PRingNo"),
             QStringList({"GB17A10L1", "GB17A11L2", "GB17A12L1", "GB17A13L1", "GB17A14L1"}));

    // A range that starts on an existing ring adds the others and leaves that ring, its sex
    // and its comment as they were.
    RingEntry lame = ring("L2", "GB", "2017", "A", "20");
    lame.sexName = "Hen";
    lame.comment = "lame left foot";
    SaveRing(*t.db, t.clock, lame);
    const RingSaveResult fromExisting =
        SaveRing(*t.db, t.clock, ring("L1", "GB", "2017", "A", "20", "22"));
    QCOMPARE(fromExisting.skipped, QStringList{"GB17A20"});
    QVERIFY(!fromExisting.updated);
    QCOMPARE(fromExisting.ringNo, QStringLiteral("GB17A22"));
    QCOMPARE(column(*t.db,
                    "select PRingNo||LoftNo||Sex||coalesce(Comment,'') from ZOL_PigData "
                    "where PRingNo>='GB17A20' order by PRingNo"),
             QStringList({"GB17A20L2Hlame left foot", "GB17A21L1C", "GB17A22L1C"}));
    // Every ring of the range exists already: nothing changes, and each is named.
    const RingSaveResult none = SaveRing(*t.db, t.clock, ring("L1", "GB", "2017", "A", "20", "20"));
    QCOMPARE(none.skipped, QStringList{"GB17A20"});
    QCOMPARE(none.ringNo, QString());
    QCOMPARE(t.db->value("select Comment from ZOL_PigData where PRingNo='GB17A20'").toString(),
             QStringLiteral("lame left foot"));
}

// A number typed in one member's list that composes another member's ring leaves that bird as
// it is: the save is refused, naming the member who holds it.
void TestMembers::composedNumberOfAnotherLoftIsUpdated() {
    TestContext t;
    t.db->exec("insert into ZOL_FeatherColor values('BB','Blue Bar')");
    SaveRing(*t.db, t.clock, ring("L2", "GB", "2016", "A", "12345"));
    t.clock.set(QDateTime(QDate(2026, 6, 16), QTime(8, 30)));
    RingEntry e = ring("L1", "GB", "2016", "A", "12345");
    e.sexName = "Hen";
    e.colourName = "Blue Bar";
    e.comment = "fast\r\nbird";
    QVERIFY(errorOf([&] { SaveRing(*t.db, t.clock, e); })
                .startsWith("Ring GB16A12345 belongs "
                            "to member L2;"));
    QSqlQuery q = t.db->select("select LoftNo,ColorType,Comment,Updatetime from ZOL_PigData");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("L2"));
    QCOMPARE(q.value(2).toString(), QString());
    QCOMPARE(q.value(3).toString(), QStringLiteral("2026-06-15 10:00:00.000"));
    QVERIFY(!q.next());
    QCOMPARE(RingCount(*t.db, "L1"), 0);
}

void TestMembers::editingWithAnUpperNumberUpdatesTheRing() {
    TestContext t;
    SaveRing(*t.db, t.clock, ring("L1", "GB", "2016", "A", "12345"));
    // A ring read from a clock has no number parts; the list's selection names it.
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,Sex,DeleteMark) values('L1','E77','U',0)");
    t.db->exec("update ZOL_PigData set SynchFlag=0");

    // The upper box still holds a number from an earlier range: the edit is stored, no
    // range is inserted.
    RingEntry e = ring("L1", "GB", "2016", "A", "12345", "12349");
    e.partsLocked = true;
    e.sexName = "Hen";
    RingSaveResult r = SaveRing(*t.db, t.clock, e);
    QVERIFY(r.updated);
    QVERIFY(r.skipped.isEmpty());
    QCOMPARE(r.ringNo, QStringLiteral("GB16A12345"));

    RingEntry fromClock = ring("L1", "", "", "", "", "20");
    fromClock.selectedRingNo = QStringLiteral("E77");
    fromClock.partsLocked = true;
    fromClock.sexName = "Hen";
    r = SaveRing(*t.db, t.clock, fromClock);
    QVERIFY(r.updated);
    QCOMPARE(column(*t.db, "select PRingNo||Sex||SynchFlag from ZOL_PigData order by PRingNo"),
             QStringList({"E77H1", "GB16A12345H1"}));
}

void TestMembers::singleRingInsertAndRefusals() {
    TestContext t;
    RingEntry e = ring("L1", "NEHU", "2020", "CLS", "77");
    e.sexName = "Unknown";
    SaveRing(*t.db, t.clock, e);
    QCOMPARE(column(*t.db,
                    "select LoftNo||'|'||PRingNo||'|'||RCountry||'|'||RYear||'|'||"
                    "RRegLetter||'|'||RRegNumber||'|'||Sex||'|'||ColorType from ZOL_PigData"),
             QStringList{"L1|NEHU2020CLS77|NEHU|2020|CLS|77|U|"});
    // Letters that fail the "NEHU" test, and a form without any number, store nothing.
    QCOMPARE(errorOf([&] { SaveRing(*t.db, t.clock, ring("L1", "NEHU", "2020", "QQ", "78")); }),
             kNehuLetterError);
    QCOMPARE(errorOf([&] { SaveRing(*t.db, t.clock, ring("L1", "GB", "2020", "A", "")); }),
             kRingNumberMissing);
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData").toInt(), 1);

    // The same number typed in another member's list, or loaded there as that member's: the
    // first member's bird keeps its sex, colour and comment, and the holder is named.
    t.db->exec("insert into ZOL_LoftData (LoftNo,LoftName) values('L1','Jansen')");
    t.db->exec("update ZOL_PigData set Comment='reeks 2024'");
    RingEntry other = ring("L2", "NEHU", "2020", "CLS", "77");
    other.sexName = "Hen";
    other.comment = "andere lid";
    QCOMPARE(errorOf([&] { SaveRing(*t.db, t.clock, other); }),
             QStringLiteral("Ring NEHU2020CLS77 belongs to member L1 (Jansen); it was not "
                            "changed. Open that member's ring list to edit it."));
    other.partsLocked = true;
    QVERIFY(!errorOf([&] { SaveRing(*t.db, t.clock, other); }).isEmpty());
    QCOMPARE(column(*t.db, "select LoftNo||'|'||Sex||'|'||Comment from ZOL_PigData"),
             QStringList{"L1|U|reeks 2024"});
}

void TestMembers::birthYearHasFourDigits_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("stored");
    QTest::newRow("partial year") << "NL"
                                  << "19"
                                  << "1111111" << false;
    QTest::newRow("no year") << "BELG"
                             << ""
                             << "1234500" << false;
    QTest::newRow("five digits") << "GB"
                                 << "20255"
                                 << "12345" << false;
    QTest::newRow("no year, a country that always uses it") << "AU"
                                                            << ""
                                                            << "" << false;
    QTest::newRow("four digits") << "NL"
                                 << "2025"
                                 << "1111111" << true;
    // A ring without number parts (first read from a clock) keeps its own number.
    QTest::newRow("no number parts") << ""
                                     << ""
                                     << "" << true;
}

void TestMembers::birthYearHasFourDigits() {
    QFETCH(QString, country);
    QFETCH(QString, year);
    QFETCH(QString, number);
    QFETCH(bool, stored);
    TestContext t;
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,Sex,DeleteMark) values('L1','E1','C',0)");
    RingEntry e = ring("L1", country, year, "", number);
    e.selectedRingNo = "E1";
    e.sexName = "Hen";
    QCOMPARE(errorOf([&] { SaveRing(*t.db, t.clock, e); }), stored ? QString() : kBirthYearError);
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData").toString() +
                 t.db->texts("select Sex from ZOL_PigData order by rowid").join(','),
             stored ? (number.isEmpty() ? "1H" : "2C,H") : "1C");
}

void TestMembers::loadAndDeleteMark() {
    TestContext t;
    t.db->exec("insert into ZOL_FeatherColor values('RC','Red Chequer')");
    RingEntry e = ring("L1", "GB", "2016", "A", "12345");
    e.colourName = "Red Chequer";
    e.sexName = "Hen";
    e.comment = "x";
    SaveRing(*t.db, t.clock, e);
    RingForm f = LoadRing(*t.db, "L1", "GB16A12345");
    QVERIFY(f.found);
    QCOMPARE(
        QStringList({f.country, f.year, f.letters, f.number, f.sexName, f.colourName, f.comment}),
        QStringList({"GB", "2016", "A", "12345", "Hen", "Red Chequer", "x"}));
    // A colour code without a name shows as "Other".
    t.db->exec("delete from ZOL_FeatherColor");
    QCOMPARE(LoadRing(*t.db, "L1", "GB16A12345").colourName, QStringLiteral("Other"));

    t.db->exec("update ZOL_PigData set SynchFlag=0");
    t.clock.set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
    MarkRingDeleted(*t.db, t.clock, "L1", "GB16A12345");
    QCOMPARE(RingCount(*t.db, "L1"), 0);
    QCOMPARE(column(*t.db,
                    "select cast(DeleteMark as text)||cast(SynchFlag as text)||Updatetime from "
                    "ZOL_PigData"),
             QStringList{"11"
                         "2026-07-01 12:00:00.000"});
}

void TestMembers::deletedRingIsRestoredWhenSavedAgain() {
    TestContext t;
    SaveRing(*t.db, t.clock, ring("L1", "BELG", "2025", "-", "0098"));
    MarkRingDeleted(*t.db, t.clock, "L1", "BELG25-0098");
    t.clock.set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
    RingEntry again = ring("L1", "BELG", "2025", "-", "0098");
    again.sexName = "Hen";
    again.comment = "back";
    const RingSaveResult result = SaveRing(*t.db, t.clock, again);
    QCOMPARE(result.revived, QStringList{"BELG25-0098"});
    QCOMPARE(RevivedRingsText(result.revived),
             QStringLiteral("Ring BELG25-0098 was deleted and is restored."));
    const QString row =
        "select LoftNo||'|'||DeleteMark||SynchFlag||'|'||Sex||'|'||Comment||'|'||Updatetime "
        "from ZOL_PigData order by RRegNumber";
    QCOMPARE(column(*t.db, row), QStringList{"L1|01|H|back|2026-07-01 12:00:00.000"});
    QCOMPARE(RingCount(*t.db, "L1"), 1);

    // In a range: a deleted number (here of another loft) comes back for this member, a
    // listed one is skipped, the others are inserted.
    t.db->exec("update ZOL_PigData set SynchFlag=0");
    SaveRing(*t.db, t.clock, ring("L2", "BELG", "2025", "-", "0099"));
    MarkRingDeleted(*t.db, t.clock, "L2", "BELG25-0099");
    const RingSaveResult range =
        SaveRing(*t.db, t.clock, ring("L1", "BELG", "2025", "-", "0097", "0100"));
    QCOMPARE(range.revived, QStringList{"BELG25-0099"});
    QCOMPARE(range.skipped, QStringList{"BELG25-0098"});
    QCOMPARE(range.ringNo, QStringLiteral("BELG25-0100"));
    QCOMPARE(column(*t.db, "select RRegNumber||LoftNo||DeleteMark from ZOL_PigData order by 1"),
             QStringList({"0097L10", "0098L10", "0099L10", "0100L10"}));
    QCOMPARE(RingCount(*t.db, "L1"), 4);
}

void TestMembers::featherColours() {
    TestContext t;
    AddFeatherColour(*t.db, "BB", "Blue Bar");
    AddFeatherColour(*t.db, "AA", "Ash");
    QCOMPARE(ColourBoxNames(*t.db), QStringList({"Other", "Blue Bar", "Ash"}));
    QCOMPARE(ColourCodeForName(*t.db, "Ash"), QStringLiteral("AA"));
    QCOMPARE(ColourCodeForName(*t.db, "Other"), QString());
    QCOMPARE(errorOf([&] { AddFeatherColour(*t.db, "", "Grizzle"); }), kColourEntryError);
    // A code or a name in use is refused in the program's words.
    QCOMPARE(errorOf([&] { AddFeatherColour(*t.db, "BB", "Black"); }),
             QStringLiteral("Colour code BB exists already."));
    QCOMPARE(errorOf([&] { AddFeatherColour(*t.db, "BK", "Ash"); }),
             QStringLiteral("Colour name Ash exists already."));
    QCOMPARE(ColourBoxNames(*t.db), QStringList({"Other", "Blue Bar", "Ash"}));
    DeleteFeatherColour(*t.db, "Blue Bar");
    QCOMPARE(ColourBoxNames(*t.db), QStringList({"Other", "Ash"}));
}

void TestMembers::memberInsertAndEdit() {
    TestContext t;
    for (const char* code : {"P1", "P2", "P3"}) {
        t.db->exec("insert into ZOL_LiberateSite (LiberCode) values(?)", {code});
    }
    MemberForm f{"GBU", "L7",  "Ann Field",     "Main St: 5",    "York",
                 "Y1",  "555", "E001'02:03.04", "N051'30:00.00", "first\r\nsecond"};
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, f), MemberSaveResult::Inserted);
    QCOMPARE(column(*t.db,
                    "select LiberCode||LoftNo||Miles||Yards from ZOL_LoftLibPointDist "
                    "order by LiberCode"),
             QStringList({"P1L700", "P2L700", "P3L700"}));
    QCOMPARE(column(*t.db,
                    "select Street||'|'||Notes||'|'||UpdateTime||'|'||SynchFlag "
                    "from ZOL_LoftData"),
             QStringList{"Main St: 5|firstsecond|2026-06-15 10:00:00.000|1"});
    MemberForm loaded = LoadMember(*t.db, "L7");
    QCOMPARE(loaded.lon, f.lon);
    QCOMPARE(loaded.associationCode, QStringLiteral("GBU"));

    // The same loft number again updates (even from a new form) and adds no distance rows.
    t.db->exec("update ZOL_LoftData set SynchFlag=0");
    f.name = "Ann Fields";
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, f), MemberSaveResult::Updated);
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 3);
    QCOMPARE(column(*t.db,
                    "select LoftName||'|'||Street||'|'||Notes||'|'||SynchFlag "
                    "from ZOL_LoftData"),
             QStringList{"Ann Fields|Main St  5|firstsecond|1"});

    // A distance typed for a loft number before its member exists does not stop the member
    // being added: it is kept, and only the missing sites get zero rows.
    t.db->exec(
        "insert into ZOL_LoftLibPointDist (LiberCode,LoftNo,Miles,Yards) "
        "values('P2','L8',12,345)");
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, member("GBU", "L8", "Bert")),
             MemberSaveResult::Inserted);
    QCOMPARE(column(*t.db,
                    "select LiberCode||'/'||Miles||'/'||Yards from ZOL_LoftLibPointDist "
                    "where LoftNo='L8' order by LiberCode"),
             QStringList({"P1/0/0", "P2/12/345", "P3/0/0"}));
}

void TestMembers::memberEntryErrorStoresNothing() {
    TestContext t;
    t.db->exec("insert into ZOL_LiberateSite (LiberCode) values('P1')");
    for (int missing = 0; missing < 3; ++missing) {
        MemberForm f = member("GBU", "L7", "Ann");
        (missing == 0 ? f.associationCode : missing == 1 ? f.loftNo : f.name).clear();
        QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, f), MemberSaveResult::Refused);
    }
    // A plain message box, each time.
    QCOMPARE(t.prompts.shown, QStringList(3, "message: " + kMemberEntryError));
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftData").toInt(), 0);
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 0);
}

void TestMembers::newMemberWithALoftNumberInUseAsks() {
    TestContext t;
    MemberForm jan{"BE",   "0123", "Jan Peeters",   "Kerkstraat 1",  "Gent",
                   "9000", "555",  "E003'43:00.00", "N051'03:00.00", "keeps late birds"};
    SaveMember(*t.db, t.prompts, t.clock, jan, MemberFormMode::AddNew);
    const QString stored =
        "select LoftName||'|'||Street||'|'||LoftLon||'|'||Notes from ZOL_LoftData";
    const QStringList janRow{"Jan Peeters|Kerkstraat 1|E003'43:00.00|keeps late birds"};

    // "AddNew" with the same loft number: asked, and No stores nothing.
    MemberForm other = member("BE", "0123", "Piet Claes");
    t.prompts.answers << Prompts::Answer::No;
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, other, MemberFormMode::AddNew),
             MemberSaveResult::Refused);
    QCOMPARE(
        t.prompts.of("question"),
        QStringList{"Loft number 0123 belongs to Jan Peeters. Replace that member's details?"});
    QCOMPARE(column(*t.db, stored), janRow);
    // Yes replaces; a form opened with "Edit Member" asks nothing.
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, other, MemberFormMode::AddNew),
             MemberSaveResult::Updated);
    QCOMPARE(column(*t.db, "select LoftName from ZOL_LoftData"), QStringList{"Piet Claes"});
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, jan, MemberFormMode::Edit),
             MemberSaveResult::Updated);
    QCOMPARE(t.prompts.of("question").size(), 2);

    // Blanks typed around the loft number are dropped, and said so: it is the same member,
    // and the same question comes.
    t.prompts.shown.clear();
    MemberForm blanks = member("BE", " 0123 ", "Piet Claes");
    t.prompts.answers << Prompts::Answer::No;
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, blanks, MemberFormMode::AddNew),
             MemberSaveResult::Refused);
    QCOMPARE(t.prompts.shown,
             QStringList({"message: " + LoftNoTrimmedText("0123"),
                          "question: Loft number 0123 belongs to Jan Peeters. Replace that "
                          "member's details?"}));
    blanks.loftNo = "\t0456  ";
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, blanks, MemberFormMode::AddNew),
             MemberSaveResult::Inserted);
    QCOMPARE(column(*t.db, "select LoftNo from ZOL_LoftData order by LoftNo"),
             QStringList({"0123", "0456"}));
    // Nothing but blanks is no loft number.
    blanks.loftNo = "   ";
    QCOMPARE(SaveMember(*t.db, t.prompts, t.clock, blanks, MemberFormMode::AddNew),
             MemberSaveResult::Refused);
    QCOMPARE(t.prompts.of("message").last(), kMemberEntryError);
}

void TestMembers::coordinatesAreCheckedOnSave_data() {
    QTest::addColumn<QString>("lon");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("error");
    const QString untouched = "    '  :  .  ";
    QTest::newRow("60 minutes of longitude") << "E004'60:00.00" << untouched << kLongitudeOver60;
    QTest::newRow("60 seconds of latitude") << untouched << "N051'30:60.00" << kLatitudeOver60;
    QTest::newRow("both fine") << "E004'59:59.99"
                               << "N051'00:00.00"
                               << "";
}

// Save runs the check of both boxes, whichever box was left last.
void TestMembers::coordinatesAreCheckedOnSave() {
    QFETCH(QString, lon);
    QFETCH(QString, lat);
    QFETCH(QString, error);
    TestContext t;
    MemberForm f = member("BE", "0123", "Jan");
    f.lon = lon;
    f.lat = lat;
    QCOMPARE(errorOf([&] { SaveMember(*t.db, t.prompts, t.clock, f, MemberFormMode::AddNew); }),
             error);
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftData").toInt(), error.isEmpty() ? 1 : 0);
}

void TestMembers::deleteMember() {
    TestContext t;
    t.db->exec("insert into ZOL_LiberateSite (LiberCode) values('P1')");
    SaveMember(*t.db, t.prompts, t.clock, member("GBU", "L1", "One"));
    SaveMember(*t.db, t.prompts, t.clock, member("GBU", "L2", "Two"));
    t.db->exec("insert into ZOL_LoftClocks (LoftNo,ClockID) values('L1','C1')");
    // No active pigeons: its distances go too, so it asks as well; No keeps the member, Yes
    // deletes it and its clock stays.
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,DeleteMark) values('L1','OLD',1)");
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!DeleteMember(*t.db, t.prompts, "L1"));
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 2);
    QVERIFY(DeleteMember(*t.db, t.prompts, "L1"));
    QCOMPARE(t.prompts.of("question"),
             QStringList(2, "Delete the member L1 One and the loft's distances ?"));
    t.prompts.shown.clear();
    QCOMPARE(column(*t.db, "select LoftNo from ZOL_LoftData"), QStringList{"L2"});
    QCOMPARE(column(*t.db, "select LoftNo from ZOL_LoftLibPointDist"), QStringList{"L2"});
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftClocks").toInt(), 1);

    // Twelve rings saved (and one marked deleted): the exact question; No keeps everything.
    SaveRing(*t.db, t.clock, ring("L2", "GB", "2016", "A", "100", "111"));
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,DeleteMark) values('L2','GONE',1)");
    // A row an older version wrote without DeleteMark is an active pigeon, listed and counted.
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo) values('L2','OLDER')");
    QCOMPARE(RingCount(*t.db, "L2"), 13);
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!DeleteMember(*t.db, t.prompts, "L2"));
    QCOMPARE(t.prompts.of("question"),
             QStringList{"This Loft has 13 pigeon records, Do you want delete all data ?"});
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData where LoftNo='L2'").toInt(), 14);
    // Yes: member, every pigeon row and the distance rows go.
    QVERIFY(DeleteMember(*t.db, t.prompts, "L2"));
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData where LoftNo='L2'").toInt(), 0);
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftData").toInt(), 0);
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 0);
}

void TestMembers::clockDelete() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftClocks (LoftNo,ClockID) values('L1','C1'),('L1','C2'),"
        "('L2','C1')");
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(!DeleteClock(*t.db, t.prompts, "L1", "C1"));
    QVERIFY(DeleteClock(*t.db, t.prompts, "L1", "C1"));
    QCOMPARE(t.prompts.of("question"),
             QStringList({"This will delete the data ?", "This will delete the data ?"}));
    QCOMPARE(column(*t.db, "select LoftNo||ClockID from ZOL_LoftClocks order by 1"),
             QStringList({"L1C2", "L2C1"}));
    QCOMPARE(ClockCountText(2), QStringLiteral("Number of clocks 2"));
}

void TestMembers::coordinateCheckExaminesTheOtherBox_data() {
    QTest::addColumn<QString>("lon");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("leavingLat");
    QTest::addColumn<QString>("leavingLon");
    const QString untouched = "    '  :  .  ";
    QTest::newRow("bad longitude") << "E001'61:00.00" << untouched << kLongitudeOver60 << "";
    QTest::newRow("bad latitude seconds") << untouched << "N051'30:60.00"
                                          << "" << kLatitudeOver60;
    QTest::newRow("partly blank minutes")
        << "E001'6 :00.00" << untouched << "'6 ' is not a valid integer value"
        << "";
    QTest::newRow("both fine") << "W179'59:59.99"
                               << "S089'00:00.00"
                               << ""
                               << "";
}

void TestMembers::coordinateCheckExaminesTheOtherBox() {
    QFETCH(QString, lon);
    QFETCH(QString, lat);
    QFETCH(QString, leavingLat);
    QFETCH(QString, leavingLon);
    QCOMPARE(errorOf([&] { CheckLoftCoordOnLeave(LoftCoordBox::Latitude, lon, lat); }), leavingLat);
    QCOMPARE(errorOf([&] { CheckLoftCoordOnLeave(LoftCoordBox::Longitude, lon, lat); }),
             leavingLon);
}

void TestMembers::settings() {
    TestContext t;
    QFile ini(t.paths.iniFile);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Parameter]\r\nCountryRingCode= GB , NEHU,AU\r\nAPN=net\r\nTimeZone=2\r\n");
    ini.close();
    MemberSettings s = ReadMemberSettings(t.paths.iniFile);
    QCOMPARE(s.countryRingCodes, QStringList({"GB", "NEHU", "AU"}));
    QCOMPARE(s.apn, QStringLiteral("net"));
    QCOMPARE(s.timeZoneSeconds, 7200);
    QCOMPARE(s.markedFlag, QStringLiteral("0"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Parameter]\r\nTimeZone=5.5\r\n");
    ini.close();
    QCOMPARE(errorOf([&] { ReadMemberSettings(t.paths.iniFile); }),
             QStringLiteral("'5.5' is not a valid integer value (TimeZone in ZOLF.ini)"));
    QCOMPARE(BirthYears(QDate(2026, 6, 15)).first(), QStringLiteral("2017"));
    QCOMPARE(BirthYears(QDate(2026, 6, 15)).last(), QStringLiteral("2027"));
    QCOMPARE(CountText(7), QStringLiteral("007"));
    QCOMPARE(LoftNoCellText("GBU", "L1"), QStringLiteral("GBU L1"));
    QCOMPARE(LoftNoCellText("GBU", ""), QString());
}

QTEST_GUILESS_MAIN(TestMembers)
#include "test_members.moc"
