// The member screen as the secretary uses it: panels, grids, boxes and menus.
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "data/edited_row.h"
#include "members/member_screen.h"
#include "members/member_store.h"
#include "members/ring_numbers.h"
#include "members/ring_store.h"
#include "races/coordinates.h"
#include "spreadsheet/workbook_writer.h"
#include "test_context.h"
#include "widgets/sql_grid.h"

namespace {
template <typename W = QWidget>
W* child(QWidget* screen, const char* name) {
    W* w = screen->findChild<W*>(QLatin1String(name));
    if (w == nullptr) {
        qFatal("no widget %s", name);
    }
    return w;
}

void choose(QWidget* screen, const char* menu, const QString& item) {
    for (QAction* a : child<QMenu>(screen, menu)->actions()) {
        if (a->text() == item) {
            a->trigger();
            return;
        }
    }
    qFatal("no menu item %s", qPrintable(item));
}

void click(QWidget* screen, const char* name) {
    child<QPushButton>(screen, name)->click();
}

void leave(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

// Clicks a column title of a grid, found by its field name.
void clickTitle(SqlGrid* grid, const QString& field) {
    const int section = grid->gridModel()->record().indexOf(field);
    QVERIFY(section >= 0);
    emit grid->horizontalHeader()->sectionClicked(section);
}

QStringList gridColumn(SqlGrid* grid, int column) {
    QStringList out;
    for (int row = 0; row < grid->gridModel()->rowCount(); ++row) {
        out << grid->gridModel()->index(row, column).data().toString();
    }
    return out;
}

void selectRow(SqlGrid* grid, int row) {
    grid->setCurrentIndex(grid->gridModel()->index(row, 1));
}

void writeIni(TestContext& t, const QByteArray& text) {
    QFile ini(t.paths.iniFile);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(text);
}
}  // namespace

class TestMemberScreen : public QObject {
    Q_OBJECT
  private slots:
    void init() { TfrmMember_TC::sortText().clear(); }
    void sortTextIsSharedAndOutlivesTheScreen();
    void addAndEditMemberWithCoordinateChecks();
    void memberChangedOnAnotherSeatIsShownAgain();
    void ringsOneByOneAndAsRange();
    void leavingWithUnsavedFormsAsks();
    void ringBoxesFollowTheCountry();
    void lockedRingKeepsItsWholeNumber();
    void ringFormStartsAsAddNewAndLettersFollowTheCountry();
    void clocksAndFeatherColours();
    void ringsToAndFromAWorkbook();
    void badTimeZoneStopsTheShowStep();
    void screenshots();
};

void TestMemberScreen::sortTextIsSharedAndOutlivesTheScreen() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values "
        "('U','L1','Bert'),('U','L2','Ann')");
    auto screen = std::make_unique<TfrmMember_TC>(t.app());
    screen->show();
    auto* members = child<SqlGrid>(screen.get(), "dbgrdMem");
    QCOMPARE(gridColumn(members, 2), QStringList({"Bert", "Ann"}));
    clickTitle(members, "LoftName");
    QCOMPARE(gridColumn(members, 2), QStringList({"Ann", "Bert"}));

    // Another screen in between: the next click on the same title sorts descending.
    screen = std::make_unique<TfrmMember_TC>(t.app());
    screen->show();
    members = child<SqlGrid>(screen.get(), "dbgrdMem");
    QCOMPARE(gridColumn(members, 2), QStringList({"Ann", "Bert"}));
    clickTitle(members, "LoftName");
    QCOMPARE(TfrmMember_TC::sortText(), QStringLiteral("LoftName DESC"));
    QCOMPARE(gridColumn(members, 2), QStringList({"Bert", "Ann"}));

    // A title of the ring list in between: the member title starts ascending again.
    clickTitle(members, "LoftName");
    selectRow(members, 0);
    choose(screen.get(), "rgMem", "Member Rings List");
    clickTitle(child<SqlGrid>(screen.get(), "dbgrdMemRing"), "PRingNo");
    QCOMPARE(TfrmMember_TC::sortText(), QStringLiteral("PRingNo ASC"));
    screen = std::make_unique<TfrmMember_TC>(t.app());
    screen->show();
    clickTitle(child<SqlGrid>(screen.get(), "dbgrdMem"), "LoftName");
    QCOMPARE(TfrmMember_TC::sortText(), QStringLiteral("LoftName ASC"));
}

void TestMemberScreen::addAndEditMemberWithCoordinateChecks() {
    TestContext t;
    t.db->exec("insert into ZOL_ClubData (ClubID,AssociationCode) values ('C1','GBU')");
    t.db->exec("insert into ZOL_LiberateSite (LiberCode) values ('P1'),('P2')");
    TfrmMember_TC screen(t.app());
    screen.show();
    click(&screen, "btnMemNew");
    QCOMPARE(child<QLabel>(&screen, "lblTitle")->text(), QStringLiteral("Member New Add"));
    QVERIFY(child(&screen, "pnlNewMember")->isVisible());
    QVERIFY(!child(&screen, "pnlMem")->isVisible());
    QCOMPARE(child<QLineEdit>(&screen, "edtUnionCode")->text(), QStringLiteral("GBU"));

    // Missing name: the entry error, nothing stored, the form stays.
    auto* loftNo = child<QLineEdit>(&screen, "edtSeriesNo");
    QTest::keyClicks(loftNo, "l7");
    QCOMPARE(loftNo->text(), QStringLiteral("L7"));
    click(&screen, "btnOK");
    QCOMPARE(t.prompts.of("message"), QStringList{"Set new Member find data entry error !"});
    QVERIFY(child(&screen, "pnlNewMember")->isVisible());

    // Each coordinate box, when left, checks the other one.
    auto* lon = child<QLineEdit>(&screen, "medtLoftLon");
    auto* lat = child<QLineEdit>(&screen, "medtLoftLat");
    lon->setText("e001'61:00.00");
    leave(lon);
    QCOMPARE(t.prompts.shown.size(), 1);
    leave(lat);
    QCOMPARE(t.prompts.of("error").last(), kLongitudeOver60);
    lon->setText("E001'30:00.00");
    lat->setText("N051'30:75.00");
    leave(lat);
    leave(lon);
    QCOMPARE(t.prompts.of("error").last(), kLatitudeOver60);
    QCOMPARE(t.prompts.of("error").size(), 2);
    lat->setText("N051'30:15.00");

    child<QLineEdit>(&screen, "edtName")->setText("Ann Field");
    child<QLineEdit>(&screen, "edtStreet")->setText("Main St: 5");
    child<QPlainTextEdit>(&screen, "mmoNote")->setPlainText("one\ntwo");
    click(&screen, "btnOK");
    QVERIFY(child(&screen, "pnlMem")->isVisible());
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QStringLiteral("001"));
    auto* members = child<SqlGrid>(&screen, "dbgrdMem");
    QCOMPARE(gridColumn(members, 1), QStringList{"GBU L7"});
    QCOMPARE(t.db->value("select LoftLon||'|'||LoftLat||'|'||Notes||'|'||Street "
                         "from ZOL_LoftData")
                 .toString(),
             QStringLiteral("E001'30:00.00|N051'30:15.00|onetwo|Main St: 5"));
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 2);

    // Edit: the loft number is locked; an untouched coordinate stays blank.
    selectRow(members, 0);
    choose(&screen, "rgMem", "Edit Member");
    QCOMPARE(child<QLabel>(&screen, "lblTitle")->text(), QStringLiteral("Member Edit Update"));
    QVERIFY(!loftNo->isEnabled());
    QCOMPARE(child<QLineEdit>(&screen, "edtStreet")->text(), QStringLiteral("Main St: 5"));
    lat->clear();
    click(&screen, "btnOK");
    QCOMPARE(t.db->value("select LoftLat||'|'||Street from ZOL_LoftData").toString(),
             QStringLiteral("    '  :  .  |Main St  5"));
    QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 2);

    // A club association code longer than the box's six characters is kept whole.
    t.db->exec("update ZOL_ClubData set AssociationCode='ABCDEFGH'");
    click(&screen, "btnMemNew");
    auto* union_ = child<QLineEdit>(&screen, "edtUnionCode");
    QCOMPARE(union_->text(), QStringLiteral("ABCDEFGH"));
    child<QLineEdit>(&screen, "edtName")->setText("Bert");
    loftNo->setText("L8");
    click(&screen, "btnOK");
    QCOMPARE(t.db->value("select AssociationCode from ZOL_LoftData where LoftNo='L8'").toString(),
             QStringLiteral("ABCDEFGH"));
    // "AddNew" with the loft number of a member: asked, and No keeps the form and the member.
    click(&screen, "btnMemNew");
    child<QLineEdit>(&screen, "edtName")->setText("Carl");
    loftNo->setText("L8");
    t.prompts.answers << Prompts::Answer::No;
    click(&screen, "btnOK");
    QCOMPARE(t.prompts.of("question"),
             QStringList{"Loft number L8 belongs to Bert. Replace that member's details?"});
    QVERIFY(child(&screen, "pnlNewMember")->isVisible());
    QCOMPARE(t.db->value("select LoftName from ZOL_LoftData where LoftNo='L8'").toString(),
             QStringLiteral("Bert"));
    click(&screen, "btnCancel");
    t.prompts.shown.clear();

    selectRow(members, 1);
    choose(&screen, "rgMem", "Delete Member");  // no pigeons: asked all the same
    QCOMPARE(t.prompts.of("question"),
             QStringList{"Delete the member L8 Bert and the loft's distances ?"});
    t.prompts.shown.clear();
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QStringLiteral("001"));
    selectRow(members, 0);
    choose(&screen, "rgMem", "Edit Member");
    QCOMPARE(union_->maxLength(), 6);
    QCOMPARE(union_->text(), QStringLiteral("GBU"));
    click(&screen, "btnCancel");

    // Delete with pigeons asks; No keeps the member.
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,DeleteMark) values ('L7','R1',0)");
    t.prompts.answers << Prompts::Answer::No;
    selectRow(members, 0);
    choose(&screen, "rgMem", "Delete Member");
    QCOMPARE(t.prompts.of("question"),
             QStringList{"This Loft has 1 pigeon records, Do you want delete all data ?"});
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QStringLiteral("001"));
    selectRow(members, 0);
    choose(&screen, "rgMem", "Delete Member");
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QStringLiteral("000"));
}

void TestMemberScreen::memberChangedOnAnotherSeatIsShownAgain() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName,City) values "
        "('GBU','L7','Ann','Dover')");
    TfrmMember_TC screen(t.app());
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Edit Member");

    // Meanwhile the member is changed on the desk's seat.
    TdmZOLF desk(t.server ? t.server->url() : t.paths.databaseFile);
    desk.setSeat("DESK");
    ScriptedPrompts deskPrompts;
    EditedRow onDesk = MemberEditedRow(desk, "L7");
    MemberForm changed = LoadMember(desk, "L7");
    changed.name = "Ann Desk";
    changed.city = "Hull";
    SaveMember(desk, deskPrompts, t.clock, changed, MemberFormMode::Edit, &onDesk);

    // Save asks; No shows the member as stored now, and the form stays open.
    child<QLineEdit>(&screen, "edtName")->setText("Ann Typed");
    t.prompts.answers << Prompts::Answer::No;
    click(&screen, "btnOK");
    QCOMPARE(t.prompts.of("question").size(), 1);
    QVERIFY2(t.prompts.of("question")
                 .first()
                 .startsWith("Member L7 was changed at 10:00 on another seat (DESK)."),
             qPrintable(t.prompts.of("question").first()));
    QVERIFY(child(&screen, "pnlNewMember")->isVisible());
    QCOMPARE(child<QLineEdit>(&screen, "edtName")->text(), QStringLiteral("Ann Desk"));
    QCOMPARE(child<QLineEdit>(&screen, "edtToneCity")->text(), QStringLiteral("Hull"));
    QCOMPARE(desk.value("select LoftName from ZOL_LoftData").toString(),
             QStringLiteral("Ann Desk"));

    // Saved again from the refreshed form: nothing to ask, stored, back to the list.
    child<QLineEdit>(&screen, "edtName")->setText("Ann Again");
    click(&screen, "btnOK");
    QCOMPARE(t.prompts.of("question").size(), 1);
    QVERIFY(child(&screen, "pnlMem")->isVisible());
    QCOMPARE(desk.value("select LoftName||'|'||City from ZOL_LoftData").toString(),
             QStringLiteral("Ann Again|Hull"));
}

void TestMemberScreen::ringsOneByOneAndAsRange() {
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=GB,AU,NEHU\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    t.db->exec("insert into ZOL_FeatherColor values ('BB','Blue Bar')");
    TfrmMember_TC screen(t.app());
    screen.show();
    auto* members = child<SqlGrid>(&screen, "dbgrdMem");
    selectRow(members, 0);
    emit members->doubleClicked(members->currentIndex());
    QCOMPARE(child<QLabel>(&screen, "lblTitle")->text(), QStringLiteral("Ann's Ring List"));
    QVERIFY(child(&screen, "edtUpRegNum")->isHidden());

    auto* country = child<QComboBox>(&screen, "cbbCountryRingCode");
    auto* year = child<QComboBox>(&screen, "combBYear");
    QCOMPARE(year->count(), 11);
    auto* letters = child<QLineEdit>(&screen, "edtRegLetter");
    auto* number = child<QLineEdit>(&screen, "edtRegNum");
    auto* rings = child<SqlGrid>(&screen, "dbgrdMemRing");

    // One ring.
    click(&screen, "btnNew");
    QCOMPARE(year->currentText(), QStringLiteral("2026"));
    country->setCurrentText("GB");
    letters->setText("A");
    QTest::keyClicks(number, "12x345");
    QCOMPARE(number->text(), QStringLiteral("12345"));
    child<QComboBox>(&screen, "cbbBColour")->setCurrentText("Blue Bar");
    click(&screen, "btnOK_Ring");
    QCOMPARE(gridColumn(rings, 0), QStringList{"GB 26 A 12345"});
    QCOMPARE(gridColumn(rings, 1), QStringList{"Blue Bar"});
    QCOMPARE(gridColumn(rings, 2), QStringList{"Cock"});
    QCOMPARE(gridColumn(rings, 4), QStringList{"2026-06-15"});
    QCOMPARE(gridColumn(rings, 6), QStringList{"2026-06-15 10:00:00"});
    // The three date columns are centred, the others are not.
    const auto alignment = [rings](int column) {
        return rings->gridModel()
            ->index(0, column)
            .data(Qt::TextAlignmentRole)
            .value<Qt::Alignment>();
    };
    QCOMPARE(alignment(4), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(alignment(6), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(alignment(0) != Qt::Alignment(Qt::AlignCenter));

    // A range: AU 98 to 101, one of them present already.
    t.db->exec("insert into ZOL_PigData (LoftNo,PRingNo,DeleteMark) values ('L9','AU26-X-0099',0)");
    click(&screen, "btnNew2");
    QVERIFY(!child(&screen, "edtUpRegNum")->isHidden());
    country->setCurrentText("AU");
    letters->setText("X");
    number->setText("98");
    child<QLineEdit>(&screen, "edtUpRegNum")->setText("101");
    click(&screen, "btnOK_Ring");
    QCOMPARE(t.prompts.of("message"),
             QStringList{"These ring numbers exist already and were skipped: AU26-X-0099"});
    QCOMPARE(child<QLabel>(&screen, "lblRingCnt")->text(), QStringLiteral("004"));
    QCOMPARE(gridColumn(rings, 0),
             QStringList({"AU 26 X 100", "AU 26 X 101", "AU 26 X 98", "GB 26 A 12345"}));
    QCOMPARE(rings->currentRecord().value("PRingNo").toString(), QStringLiteral("AU26-X-00101"));
    QCOMPARE(child<QLineEdit>(&screen, "edtUpRegNum")->text(), QString());

    // A range whose first ring is the member's already: it is named and left alone, and a
    // second Save of the form as the range left it writes nothing over it either.
    t.db->exec(
        "insert into ZOL_PigData (LoftNo,PRingNo,Comment,Updatetime,DeleteMark) values "
        "('L1','AU26-X-0200','Kampioen ''super'' – één','2026-01-01 00:00:00.000',0)");
    click(&screen, "btnNew2");
    letters->setText("X");
    number->setText("200");
    child<QLineEdit>(&screen, "edtUpRegNum")->setText("201");
    child<QPlainTextEdit>(&screen, "mmoComment")->setPlainText("reeks");
    click(&screen, "btnOK_Ring");
    click(&screen, "btnOK_Ring");
    QCOMPARE(t.prompts.of("message").mid(1),
             QStringList({"These ring numbers exist already and were skipped: AU26-X-0200",
                          "The range is stored; nothing was changed since. Type the next ring, "
                          "or choose AddNew or Add a Range."}));
    QCOMPARE(t.db->value("select Comment||'|'||Updatetime from ZOL_PigData where "
                         "PRingNo='AU26-X-0200'")
                 .toString(),
             QStringLiteral("Kampioen 'super' – één|2026-01-01 00:00:00.000"));

    // Click a ring: its parts are locked, only sex, colour and comment change.
    selectRow(rings, 5);
    emit rings->clicked(rings->currentIndex());
    QCOMPARE(number->text(), QStringLiteral("12345"));
    QVERIFY(!number->isEnabled() && !country->isEnabled());
    child<QComboBox>(&screen, "cbbSex")->setCurrentText("Hen");
    click(&screen, "btnOK_Ring");
    QCOMPARE(gridColumn(rings, 2).last(), QStringLiteral("Hen"));
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData").toInt(), 7);

    // Delete marks it; it leaves the list but stays in the table.
    selectRow(rings, 0);
    choose(&screen, "rgMemRing", "Delete Ring");
    QCOMPARE(t.prompts.of("question"), QStringList{"This will delete the data ?"});
    QCOMPARE(child<QLabel>(&screen, "lblRingCnt")->text(), QStringLiteral("005"));
    QCOMPARE(t.db->value("select DeleteMark||SynchFlag from ZOL_PigData where "
                         "PRingNo='AU26-X-00100'")
                 .toString(),
             QStringLiteral("11"));
}

// Leaving the screen with a typed ring or member form asks: Cancel stays, No leaves it
// unsaved, Yes stores it first.
void TestMemberScreen::leavingWithUnsavedFormsAsks() {
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=GB\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    {
        TfrmMember_TC screen(t.app());
        screen.show();
        QVERIFY(screen.close());  // nothing typed: nothing asked
        QCOMPARE(t.prompts.of("question"), QStringList());
    }
    TfrmMember_TC screen(t.app());
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Member Rings List");
    click(&screen, "btnNew");
    child<QComboBox>(&screen, "cbbCountryRingCode")->setCurrentText("GB");
    child<QLineEdit>(&screen, "edtRegLetter")->setText("A");
    child<QLineEdit>(&screen, "edtRegNum")->setText("12345");
    t.prompts.answers << Prompts::Answer::Cancel << Prompts::Answer::Yes;
    QVERIFY(!screen.close());
    QCOMPARE(t.prompts.of("question"),
             QStringList{"The ring form holds changes that are not saved. Save them?"});
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData").toInt(), 0);
    QVERIFY(screen.close());
    QCOMPARE(t.db->value("select PRingNo from ZOL_PigData").toString(),
             QStringLiteral("GB26A12345"));

    // The member form: "No" leaves without storing the name typed.
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Edit Member");
    child<QLineEdit>(&screen, "edtName")->setText("Ann Changed");
    t.prompts.answers << Prompts::Answer::No;
    QVERIFY(screen.close());
    QCOMPARE(t.prompts.of("question").last(),
             QStringLiteral("The member form holds changes that are not saved. Save them?"));
    QCOMPARE(t.db->value("select LoftName from ZOL_LoftData").toString(), QStringLiteral("Ann"));
}

void TestMemberScreen::ringBoxesFollowTheCountry() {
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=BELG, IHU ,NEHU,AU\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    TfrmMember_TC screen(t.app());
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Member Rings List");
    auto* country = child<QComboBox>(&screen, "cbbCountryRingCode");
    QCOMPARE(country->count(), 4);
    auto* letters = child<QLineEdit>(&screen, "edtRegLetter");
    auto* number = child<QLineEdit>(&screen, "edtRegNum");
    click(&screen, "btnNew");

    country->setCurrentIndex(0);
    emit country->activated(0);
    QCOMPARE(letters->text(), QStringLiteral("-"));
    QVERIFY(!letters->isEnabled());
    QCOMPARE(number->maxLength(), 7);
    // "Cancel" empties the boxes but a fixed "-" stays, so the next ring is composed with it.
    number->setText("0098");
    click(&screen, "btnCan_Ring");
    QCOMPARE(number->text(), QString());
    QCOMPARE(letters->text(), QStringLiteral("-"));
    number->setText("0099");
    click(&screen, "btnOK_Ring");
    QCOMPARE(t.db->value("select PRingNo from ZOL_PigData").toString(),
             QStringLiteral("BELG26-0099"));
    t.db->exec("delete from ZOL_PigData");
    // A code without a rule opens the letters box again, with the form's general limits.
    country->setCurrentIndex(3);
    emit country->activated(3);
    QVERIFY(letters->isEnabled());
    QCOMPARE(number->maxLength(), 7);
    QCOMPARE(letters->maxLength(), 5);
    QCOMPARE(letters->toolTip(), QString());

    // "IHU": only N or S; another letter deletes the character before the cursor.
    country->setCurrentIndex(1);
    emit country->activated(1);
    QVERIFY(letters->isEnabled());
    QCOMPARE(letters->maxLength(), 1);
    QCOMPARE(letters->toolTip(), QStringLiteral("Field value : 'N' Or 'S'"));
    QCOMPARE(number->maxLength(), 6);
    letters->clear();
    QTest::keyClicks(letters, "n");
    QCOMPARE(letters->text(), QStringLiteral("N"));
    QTest::keyClicks(letters, "x");
    QCOMPARE(letters->text(), QString());

    // "NEHU": letters that are not a code and not 5 long are refused when the box is left.
    country->setCurrentIndex(2);
    emit country->activated(2);
    QTest::keyClicks(letters, "ab");
    leave(letters);
    QCOMPARE(t.prompts.of("message"), QStringList{"Registration Letter Input Error!"});
    letters->setText("SHOT");
    leave(letters);
    QCOMPARE(t.prompts.of("message").size(), 1);

    // A refused range stores nothing and says why.
    country->setCurrentText("AU");
    click(&screen, "btnNew2");
    letters->setText("Q");
    number->setText("101");
    child<QLineEdit>(&screen, "edtUpRegNum")->setText("98");
    click(&screen, "btnOK_Ring");
    QCOMPARE(t.prompts.of("error"), QStringList{kRangeRefused});
    QCOMPARE(t.db->value("select count(*) from ZOL_PigData").toInt(), 0);
}

// A ring stored with a longer number than the country chosen last allows is still updated,
// not inserted again under a shortened number.
void TestMemberScreen::lockedRingKeepsItsWholeNumber() {
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=FR,BELG\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    t.db->exec(
        "insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,RRegNumber,Sex,"
        "DeleteMark) values ('L1','BELG17-1234567','BELG','2017','-','1234567','C',0)");
    TfrmMember_TC screen(t.app());
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Member Rings List");
    auto* country = child<QComboBox>(&screen, "cbbCountryRingCode");
    auto* number = child<QLineEdit>(&screen, "edtRegNum");
    click(&screen, "btnNew");
    country->setCurrentIndex(0);
    emit country->activated(0);
    QCOMPARE(number->maxLength(), 6);

    auto* rings = child<SqlGrid>(&screen, "dbgrdMemRing");
    selectRow(rings, 0);
    emit rings->clicked(rings->currentIndex());
    QCOMPARE(number->text(), QStringLiteral("1234567"));
    child<QComboBox>(&screen, "cbbSex")->setCurrentText("Hen");
    click(&screen, "btnOK_Ring");
    QCOMPARE(t.prompts.shown, QStringList());
    QCOMPARE(t.db->value("select group_concat(PRingNo||Sex) from ZOL_PigData").toString(),
             QStringLiteral("BELG17-1234567H"));

    // Typing after "Cancel" is held to the limit of the country chosen last again.
    click(&screen, "btnCan_Ring");
    QCOMPARE(number->text(), QString());
    QCOMPARE(number->maxLength(), 6);
}

void TestMemberScreen::ringFormStartsAsAddNewAndLettersFollowTheCountry() {
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=BELG,AU,GB\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    TfrmMember_TC screen(t.app());
    screen.show();
    selectRow(child<SqlGrid>(&screen, "dbgrdMem"), 0);
    choose(&screen, "rgMem", "Member Rings List");
    auto* country = child<QComboBox>(&screen, "cbbCountryRingCode");
    auto* year = child<QComboBox>(&screen, "combBYear");
    auto* letters = child<QLineEdit>(&screen, "edtRegLetter");
    auto* number = child<QLineEdit>(&screen, "edtRegNum");
    const auto ringNumbers = [&t] {
        return t.db->texts("select PRingNo from ZOL_PigData order by rowid");
    };

    // Saved without "AddNew": this year and the shown country's rule, as after "AddNew".
    QCOMPARE(year->currentText(), QStringLiteral("2026"));
    QCOMPARE(letters->text(), QStringLiteral("-"));
    QTest::keyClicks(number, "0098");
    click(&screen, "btnOK_Ring");
    click(&screen, "btnNew");
    QTest::keyClicks(number, "0099");
    click(&screen, "btnOK_Ring");
    QCOMPARE(ringNumbers(), QStringList({"BELG26-0098", "BELG26-0099"}));

    // The fixed "-" belongs to BELG only: another country empties and unlocks the box.
    for (int other : {1, 2}) {
        click(&screen, "btnNew");
        country->setCurrentIndex(0);
        emit country->activated(0);
        country->setCurrentIndex(other);
        emit country->activated(other);
        QVERIFY(letters->isEnabled());
        QCOMPARE(letters->text(), QString());
    }
    QTest::keyClicks(letters, "a");
    QTest::keyClicks(number, "54321");
    click(&screen, "btnOK_Ring");
    // AU has no rule of its own: neither BELG's "-" nor GB's one letter holds for it.
    click(&screen, "btnNew");
    country->setCurrentIndex(1);
    emit country->activated(1);
    QTest::keyClicks(letters, "abc");
    QTest::keyClicks(number, "12");
    click(&screen, "btnOK_Ring");
    QCOMPARE(ringNumbers().mid(2), QStringList({"GB26A54321", "AU26-ABC-0012"}));

    // A birth year of fewer than four digits is refused, whether or not a year of the list
    // starts with it (never completed to one); nothing is stored.
    for (const auto& [typed, kept] : {std::pair{"19xy", "19"}, std::pair{"20", "20"}}) {
        click(&screen, "btnNew");
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        year->setFocus();
        year->setEditText(QString());
        QTest::keyClicks(year, typed);
        leave(year);
        QCOMPARE(year->currentText(), QString(kept));
        QTest::keyClicks(letters, "a");
        QTest::keyClicks(number, "1111");
        t.prompts.shown.clear();
        click(&screen, "btnOK_Ring");
        QCOMPARE(t.prompts.of("error"), QStringList{kBirthYearError});
    }
    QCOMPARE(ringNumbers().size(), 4);
}

void TestMemberScreen::clocksAndFeatherColours() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    t.db->exec(
        "insert into ZOL_LoftClocks (LoftNo,ClockID,SynchStat) values "
        "('L1','C100',1),('L1','C200',0)");
    TfrmMember_TC screen(t.app());
    screen.show();
    auto* members = child<SqlGrid>(&screen, "dbgrdMem");
    QCOMPARE(gridColumn(members, 3), QStringList{"2"});
    selectRow(members, 0);
    choose(&screen, "rgMem", "Member Clocks");
    QCOMPARE(child<QLabel>(&screen, "lblClockListTitle")->text(),
             QStringLiteral("Ann's Clock List"));
    QCOMPARE(child<QLabel>(&screen, "lblClockListSum")->text(),
             QStringLiteral("Number of clocks 2"));
    auto* clocks = child<SqlGrid>(&screen, "dbgrdClockList");
    selectRow(clocks, 0);
    choose(&screen, "rgClockList", "Delete");
    QCOMPARE(child<QLabel>(&screen, "lblClockListSum")->text(),
             QStringLiteral("Number of clocks 1"));
    QCOMPARE(gridColumn(clocks, 1), QStringList{"C200"});

    // No clock on the antenna (the test context's port is /dev/null): the download says so.
    t.prompts.answers << Prompts::Answer::No;
    choose(&screen, "rgMem", "Loft Data Download");
    QCOMPARE(t.prompts.of("message").last(),
             QStringLiteral("Please connect to club antenna and clock."));

    // Feather colours from the colour box's pop-up menu.
    auto* colours = child<QComboBox>(&screen, "cbbBColour");
    QCOMPARE(colours->count(), 1);
    choose(&screen, "pmFeatherColor", "&A Add");
    QVERIFY(!child(&screen, "grpBirdColor")->isHidden());
    child<QLineEdit>(&screen, "edtColorCode")->setText("RC");
    child<QLineEdit>(&screen, "edtColorName")->setText("Red Chequer");
    click(&screen, "btnColorSave");
    QVERIFY(child(&screen, "grpBirdColor")->isHidden());
    QCOMPARE(colours->itemText(1), QStringLiteral("Red Chequer"));
    colours->setCurrentIndex(1);
    choose(&screen, "pmFeatherColor", "&D Delete");
    QCOMPARE(colours->count(), 1);
    QCOMPARE(t.db->value("select count(*) from ZOL_FeatherColor").toInt(), 0);
}

void TestMemberScreen::ringsToAndFromAWorkbook() {
    TestContext t;
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    t.db->exec(
        "insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,RRegNumber,Sex,"
        "SynchFlag,DeleteMark) values ('L1','GB16A1','GB','2016','A','1','C',0,0)");
    TfrmMember_TC screen(t.app());
    screen.show();
    auto* members = child<SqlGrid>(&screen, "dbgrdMem");
    selectRow(members, 0);
    emit members->doubleClicked(members->currentIndex());
    auto* rings = child<SqlGrid>(&screen, "dbgrdMemRing");

    // Both export buttons write the member's rings; a cancelled dialog writes nothing.
    const QString file = t.root.filePath("Ann.xlsx");
    click(&screen, "btnXlsExport");
    QVERIFY(!QFile::exists(file));
    t.prompts.fileNames << file;
    click(&screen, "btnRingExport");
    QVERIFY(QFile::exists(file));
    QCOMPARE(t.prompts.of("save"), QStringList({"Excel File (*.xlsx)", "Excel File (*.xlsx)"}));

    // The import lists the new ring at once and reports the row it left out.
    {
        WorkbookWriter book(
            {"LoftNo", "RCountry", "RYear", "RRegLetter", "RRegNumber", "Sex", "ColorType"});
        book.addRow({"L1", "GB", "2016", "A", "2", "Hen", ""});
        book.addRow({"L9", "GB", "2016", "A", "3", "Hen", ""});
        book.save(file);
    }
    t.prompts.fileNames << file;
    click(&screen, "btnXlsImport");
    QCOMPARE(gridColumn(rings, 0), QStringList({"GB 16 A 1", "GB 16 A 2"}));
    QCOMPARE(t.prompts.of("message"),
             QStringList{"Rows not imported because their loft is not a member: 3."});

    // A file that is not a workbook: one error naming it, nothing stored.
    QFile text(file);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a workbook");
    text.close();
    t.prompts.fileNames << file;
    click(&screen, "btnXlsImport");
    QCOMPARE(t.prompts.of("error").size(), 1);
    QVERIFY(t.prompts.of("error").constFirst().contains(file));
    QCOMPARE(t.db->rowCount("select * from ZOL_PigData"), 2);
}

void TestMemberScreen::badTimeZoneStopsTheShowStep() {
    TestContext t;
    writeIni(t, "[Parameter]\nTimeZone=1.5\nCountryRingCode=GB\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName) values ('U','L1','Ann')");
    TfrmMember_TC screen(t.app());
    screen.show();
    QCOMPARE(t.prompts.of("error"),
             QStringList{"'1.5' is not a valid integer value (TimeZone in ZOLF.ini)"});
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QString());
    QCOMPARE(child<QComboBox>(&screen, "cbbCountryRingCode")->count(), 0);

    // The file is read again each time the screen is shown.
    writeIni(t, "[Parameter]\nTimeZone=1\nCountryRingCode=GB,NL\n");
    screen.hide();
    screen.show();
    QCOMPARE(t.prompts.of("error").size(), 1);
    QCOMPARE(child<QComboBox>(&screen, "cbbCountryRingCode")->count(), 2);
    QCOMPARE(child<QLabel>(&screen, "lblMemCnt")->text(), QStringLiteral("001"));
}

// Writes pictures of the panels when KESTRAVA_SHOTS names a folder (to look at, not compared).
void TestMemberScreen::screenshots() {
    const auto shoot = [](QWidget& screen, const QString& file) {
        QApplication::processEvents();
        return screen.grab().save(file);
    };
    const QString dir = qEnvironmentVariable("KESTRAVA_SHOTS");
    if (dir.isEmpty()) {
        QSKIP("KESTRAVA_SHOTS not set");
    }
    TestContext t;
    writeIni(t, "[Parameter]\nCountryRingCode=GB,AU,NEHU,BELG\n");
    t.db->exec(
        "insert into ZOL_LoftData (AssociationCode,LoftNo,LoftName,LoftLon,LoftLat) values "
        "('GBU','L1','Ann Field','E001''30:00.00','N051''30:15.00'),"
        "('GBU','L2','Bert Moss',null,null)");
    t.db->exec(
        "insert into ZOL_LoftClocks (LoftNo,ClockID,LastSynchDate,SynchStat) values "
        "('L1','0A1B2C3D','2026-06-01 18:00:00',0)");
    t.db->exec("insert into ZOL_FeatherColor values ('BB','Blue Bar')");
    TfrmMember_TC screen(t.app());
    screen.resize(1100, 650);
    screen.show();
    QVERIFY(shoot(screen, dir + "/member_list.png"));
    // The choice list at the pointer, over the whole screen.
    auto* members0 = child<SqlGrid>(&screen, "dbgrdMem");
    const QPoint cell = members0->visualRect(members0->gridModel()->index(0, 2)).center();
    emit members0->customContextMenuRequested(cell);
    QApplication::processEvents();
    QVERIFY(screen.screen()->grabWindow(0).save(dir + "/member_menu.png"));
    child<QMenu>(&screen, "rgMem")->hide();
    auto* members = child<SqlGrid>(&screen, "dbgrdMem");
    selectRow(members, 0);
    choose(&screen, "rgMem", "Edit Member");
    QVERIFY(shoot(screen, dir + "/member_form.png"));
    choose(&screen, "rgMem", "Member Clocks");
    QVERIFY(shoot(screen, dir + "/member_clocks.png"));
    choose(&screen, "rgMem", "Member Rings List");
    RingEntry e;
    e.loftNo = "L1";
    e.parts = {"AU", "2025", "ABC", "98"};
    e.upperNumber = "101";
    e.sexName = "Hen";
    e.colourName = "Blue Bar";
    SaveRing(*t.db, t.clock, e);
    click(&screen, "btnNew2");
    child<QComboBox>(&screen, "cbbCountryRingCode")->setCurrentText("GB");
    child<QLineEdit>(&screen, "edtRegLetter")->setText("A");
    child<QLineEdit>(&screen, "edtRegNum")->setText("12345");
    click(&screen, "btnOK_Ring");
    choose(&screen, "pmFeatherColor", "&A Add");
    QVERIFY(shoot(screen, dir + "/member_rings.png"));
}

QTEST_MAIN(TestMemberScreen)
#include "test_member_screen.moc"
