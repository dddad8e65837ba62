// Every screen and every panel fits a laptop's screen: nothing cut off, the window no larger.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

#include "app/main_window.h"
#include "screen_helpers.h"
#include "test_context.h"

namespace {

// A small club with something in every list, so that grids and labels hold real texts.
void SeedClub(TdmZOLF& db) {
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, Street, City, PostCode, "
        "AssociationCode, Language, Mode, DBBackupDays, PrintCount) values ('HF','Harbour "
        "Flyers','Quay 1','Oostende','8400','KBDB',0,0,7,1)");
    db.exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, Street, City) values "
        "('KBDB','0123','Jan Peeters','Kerkstraat 12','Gent'),"
        "('KBDB','0456','Marie Claes-Vandenberghe','Dorpsplein 3','Aalst')");
    db.exec("insert into ZOL_LoftClocks values ('0123','1A2B3C4D','2026-06-14 19:00:00.000',0)");
    db.exec(
        "insert into ZOL_LiberateSite values ('B23','Brussel','BRX','E004''21:00',"
        "'N050''51:00')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('B23','0123',61,250),('B23','0456',55,1200)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime, LiberLon, LiberLat, Updatetime, SynchFlag, RaceCode) values ('HF','B23',"
        "'Brussel','BRX','2026-06-13','07:30:00','E004''21:00','N050''51:00',"
        "'2026-06-10 18:00:00.000',1,'B230613')");
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, RCountry, RYear, RRegNumber, Sex, "
        "ColorType, DeleteMark, SynchFlag) values ('0123','BELG-2024-4100001','BELG',"
        "'2024','4100001','C','BB',0,0)");
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
        "FlySpeed, Dist, FlyTime) values ('HF','B23','2026-06-13','BELG-2024-4100001',"
        "'2026-06-13 08:31:12.345',1512.345,92000,'01:01:12.345')");
}

// Widgets of `root` the user cannot see whole: outside their parent's area, unless they sit
// in a scrolling area of the screen's own (a grid, which scrolls to them).
QStringList CutWidgets(QWidget& root) {
    QStringList cut;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || w->width() == 0 || w->height() == 0) {
            continue;
        }
        bool scrolls = false;
        for (QWidget* p = w->parentWidget(); p != nullptr && p != &root; p = p->parentWidget()) {
            auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget());
            scrolls = scrolls || (area != nullptr && area->viewport() == p);
        }
        if (scrolls) {
            continue;
        }
        const QWidget* parent = w->parentWidget();
        if (!parent->rect().contains(w->geometry())) {
            QString name = w->objectName();
            if (name.isEmpty()) {
                name = QString::fromLatin1(w->metaObject()->className());
            }
            const QRect r = w->geometry();
            cut << QStringLiteral("%1 (%2,%3 %4x%5 in %6 %7x%8)")
                       .arg(name)
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height())
                       .arg(parent->objectName())
                       .arg(parent->width())
                       .arg(parent->height());
        }
    }
    return cut;
}

// Whether the window's screen needs scrolling to be seen whole.
bool Scrolls(QWidget& window) {
    auto* area = window.findChild<QScrollArea*>(QStringLiteral("scrMain"));
    return area != nullptr &&
           (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible());
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }
    void everyScreenFits_data();
    void everyScreenFits();
    void smallWindowScrolls();
};

void TestLayout::everyScreenFits_data() {
    QTest::addColumn<QSize>("size");
    // A 1280 by 720 laptop leaves about 680 lines inside a maximised window with its title bar.
    QTest::newRow("laptop 1280x720") << QSize(1280, 680);
    QTest::newRow("desktop 1920x1080") << QSize(1920, 1040);
}

// Opens a panel of a screen the way the user does.
using Open = std::function<void(QWidget& screen)>;

void Choose(QWidget& screen, const char* menu, const QString& item) {
    for (QAction* a : child<QMenu>(screen, menu)->actions()) {
        if (a->text() == item) {
            a->trigger();
            return;
        }
    }
    qFatal("no menu item %s", qPrintable(item));
}

Open Member(const QString& item) {
    return [item](QWidget& screen) {
        auto* members = child<QTableView>(screen, "dbgrdMem");
        members->setCurrentIndex(members->model()->index(0, 1));
        Choose(screen, "rgMem", item);
    };
}

void TestLayout::everyScreenFits() {
    QFETCH(QSize, size);
    TestContext t;
    SeedClub(*t.db);
    TfrmMenu_V8_EU_TC window(t.app());
    window.setWindowState(Qt::WindowNoState);
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    struct View {
        ScreenId screen;
        const char* name;
        Open open;
    };
    const Open none = [](QWidget&) {};
    const auto race = [](int action) {
        return [action](QWidget& screen) { chooseRaceAction(screen, action); };
    };
    const auto tab = [](int index) {
        return [index](QWidget& screen) {
            child<QTabWidget>(screen, "PageControl1")->setCurrentIndex(index);
        };
    };
    const QList<View> views{
        {ScreenId::Home, "home", none},
        {ScreenId::ClockOperation, "clock-synchronise", tab(0)},
        {ScreenId::ClockOperation, "clock-marked-upload", tab(1)},
        {ScreenId::ClockOperation, "clock-result-upload", tab(2)},
        {ScreenId::Member, "member-list", none},
        {ScreenId::Member, "member-form", Member(QStringLiteral("Edit Member"))},
        {ScreenId::Member, "member-clocks", Member(QStringLiteral("Member Clocks"))},
        {ScreenId::Member, "member-rings",
         [](QWidget& screen) {
             Member(QStringLiteral("Member Rings List"))(screen);
             click(screen, "btnNew2");  // the range's upper number shows too
             Choose(screen, "pmFeatherColor", QStringLiteral("&A Add"));
         }},
        {ScreenId::Races, "races", none},
        {ScreenId::Races, "races-sun-data",
         [](QWidget& screen) { click(screen, "btnSetSunData"); }},
        {ScreenId::Races, "races-distances", race(3)},
        {ScreenId::Races, "races-status", race(4)},
        {ScreenId::Races, "races-result", race(5)},
        {ScreenId::Races, "races-other-clock", race(7)},
        {ScreenId::Races, "races-distance-download", race(8)},
        {ScreenId::Setup, "setup", none},
    };
    for (const View& view : views) {
        const QString what = QString::fromLatin1(view.name);
        QVERIFY(window.showScreen(view.screen));
        QWidget& screen = *window.currentScreen();
        view.open(screen);
        Settle();
        QVERIFY2(window.size() == size, qPrintable(QStringLiteral("%1 makes the window %2x%3")
                                                       .arg(what)
                                                       .arg(window.width())
                                                       .arg(window.height())));
        QVERIFY2(!Scrolls(window), qPrintable(what + QStringLiteral(" needs scrolling")));
        const QStringList cut = CutWidgets(screen);
        QVERIFY2(cut.isEmpty(),
                 qPrintable(what + QStringLiteral(": ") + cut.join(QStringLiteral("; "))));
        shot(window, QStringLiteral("%1-%2x%3").arg(what).arg(size.width()).arg(size.height()));
    }
}

// A window made smaller than a screen needs keeps its size; the screen scrolls in it.
void TestLayout::smallWindowScrolls() {
    TestContext t;
    SeedClub(*t.db);
    TfrmMenu_V8_EU_TC window(t.app());
    window.setWindowState(Qt::WindowNoState);
    window.resize(700, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.showScreen(ScreenId::Races));
    Settle();
    QCOMPARE(window.size(), QSize(700, 420));
    QVERIFY(Scrolls(window));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
