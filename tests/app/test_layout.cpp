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
#include "small_club.h"
#include "test_context.h"

namespace {

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

// The desktop's scale (QT_SCALE_FACTOR): 1.5 for 150 %, 2 for 200 %; 1 without one.
double Scale() {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    return scale > 0 ? scale : 1.0;
}

// Whether a screen larger than the window shows the scroll bar that reaches the rest of it.
QString Unreachable(QWidget& window) {
    auto* area = window.findChild<QScrollArea*>(QStringLiteral("scrMain"));
    if (area == nullptr || area->widget() == nullptr) {
        return {};
    }
    const QSize screen = area->widget()->size();
    const QSize room = area->maximumViewportSize();
    QStringList faults;
    if (screen.height() > room.height() && !area->verticalScrollBar()->isVisible()) {
        faults << QStringLiteral("%1 lines below the fold without a scroll bar")
                      .arg(screen.height() - room.height());
    }
    if (screen.width() > room.width() && !area->horizontalScrollBar()->isVisible()) {
        faults << QStringLiteral("%1 columns beyond the edge without a scroll bar")
                      .arg(screen.width() - room.width());
    }
    return faults.join(QStringLiteral("; "));
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
    // Scaled (large type), the same screen has fewer of the program's pixels: 150 % is tried on
    // the laptop, 200 % on a 1920 by 1080 screen.
    const double scale = Scale();
    if (scale < 1.9) {
        QTest::addRow("laptop 1280x720 at %d %%", qRound(scale * 100))
            << QSize(qRound(1280 / scale), qRound(680 / scale));
    }
    if (scale < 1.1 || scale > 1.9) {
        QTest::addRow("desktop 1920x1080 at %d %%", qRound(scale * 100))
            << QSize(qRound(1920 / scale), qRound(1040 / scale));
    }
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
        // Unscaled every screen fits; scaled it may scroll, as long as it can.
        if (Scale() < 1.1) {
            QVERIFY2(!Scrolls(window), qPrintable(what + QStringLiteral(" needs scrolling")));
        }
        const QString unreachable = Unreachable(window);
        QVERIFY2(unreachable.isEmpty(), qPrintable(what + QStringLiteral(": ") + unreachable));
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
