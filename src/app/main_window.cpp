#include "main_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/home_screen.h"
#include "app/startup_backup.h"
#include "clockops/clock_session.h"
#include "data/local_settings.h"
#include "federation/combined_result.h"
#include "members/member_records.h"
#include "live/live_service.h"
#include "races/race_screen.h"
#include "setup/setup_screen.h"
#include "widgets/accessible_names.h"
#include "widgets/child_signals.h"

namespace {

// The main panel; while no screen is docked it shows a plain backdrop with the program's name.
class MainPanel : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0x1d, 0x4e, 0x7a));
        g.setColorAt(1, QColor(0x9c, 0xc3, 0xe0));
        p.fillRect(rect(), g);
        p.setPen(QColor(255, 255, 255, 210));
        QFont f = font();
        f.setPointSize(28);
        f.setBold(true);
        p.setFont(f);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Kestrava Club Management"));
    }

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};

struct Button {
    const char* name;
    const char* caption;
    ScreenId screen;
};

constexpr Button kButtons[] = {
    {"ToolButton1", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&H Home"), ScreenId::Home},
    {"ToolButton2", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&C Clock Operation"),
     ScreenId::ClockOperation},
    {"ToolButton3", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&M Member"), ScreenId::Member},
    {"ToolButton4", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&R Races"), ScreenId::Races},
    {"ToolButton5", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&S Setup"), ScreenId::Setup},
    // Shown while the database holds the results of more than one club (see markScreenButton).
    {"ToolButton6", QT_TRANSLATE_NOOP("TfrmMenu_V8_EU_TC", "&F Federation"), ScreenId::Federation},
};

}  // namespace

TfrmMenu_V8_EU_TC::TfrmMenu_V8_EU_TC(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmMenu_V8_EU_TC"));
    setWindowTitle(tr("Kestrava Club Management V8"));

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    for (const Button& b : kButtons) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QLatin1String(b.name));
        button->setText(tr(b.caption));  // "&" gives the Alt accelerator
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFixedWidth(147);
        // The button of the screen shown stays pressed (see markScreenButton).
        button->setCheckable(true);
        buttons_.append({b.screen, button});
        const ScreenId screen = b.screen;
        connect(button, &QToolButton::clicked, this,
                [this, screen] { guarded(ctx_.prompts, [&] { showScreen(screen); }); });
        ToolBar1->addWidget(button);
    }
    markScreenButton();
    // What the program holds about people, why, where and for how long.
    auto* about = new QToolButton(ToolBar1);
    about->setObjectName(QStringLiteral("btnAbout"));
    about->setText(tr("About"));
    about->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(about, &QToolButton::clicked, this, [this] {
        ctx_.prompts.message(tr("Kestrava Club Management V8") + QStringLiteral("\n\n") +
                             PersonalDataRecordText());
    });
    ToolBar1->addWidget(about);

    pnlMain = new MainPanel(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    auto* layout = new QVBoxLayout(pnlMain);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(pnlMain);

    placeWindow();

    firstRunCheck();
}

void TfrmMenu_V8_EU_TC::placeWindow() {
    // Where the user left the window last time, when it still fits a screen of this computer
    // (Qt moves it back onto the screen otherwise).
    if (restoreGeometry(RememberedWindowGeometry(*OpenLocalSettings()))) {
        return;
    }
    // First time: 1360 by 738, centred across the screen's width (never left of it), at the
    // top. On a smaller screen (a laptop of 1280 by 720) the window fills the screen instead
    // of running off its edge.
    const QScreen* screen = this->screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1360, 738);
    const QSize wanted(1360, 738);
    const int frameAllowance = 40;  // the title bar and borders the desktop adds
    if (area.width() < wanted.width() || area.height() < wanted.height() + frameAllowance) {
        resize(area.width(), std::max(200, area.height() - frameAllowance));
        move(area.topLeft());
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    resize(wanted);
    move(area.x() + (area.width() - wanted.width()) / 2, area.y());
}

void TfrmMenu_V8_EU_TC::firstRunCheck() {
    bool firstRun = false;
    if (!guarded(ctx_.prompts, [&] {
            firstRun = ctx_.db.rowCount(QStringLiteral("select 1 from ZOL_ClubData")) == 0;
        })) {
        startAllowed_ = false;
        return;
    }
    if (!firstRun) {
        return;
    }
    // The club setup as a modal window of its own, before the main window is shown.
    auto* setup = new TfrmSetup(ctx_, nullptr);
    setup->setWindowModality(Qt::ApplicationModal);
    setup->resize(760, 380);
    QEventLoop loop;
    connect(setup, &TfrmSetup::closed, &loop, &QEventLoop::quit);
    setup->show();
    loop.exec();
    startAllowed_ = setup->saved();
    delete setup;
}

void TfrmMenu_V8_EU_TC::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    // Runs once the window is on screen, so the backup message shows over it.
    QTimer::singleShot(0, this, [this] { startUp(); });
}

void TfrmMenu_V8_EU_TC::startUp() {
    if (!startAllowed_) {
        close();
        return;
    }
    QVariant days;
    guarded(ctx_.prompts, [&] { days = ClubBackupDays(ctx_.db); });
    if (ctx_.db.isServer()) {
        // The server's dump takes its time: it runs beside the secretary's work.
        if (PrepareStartupBackup(ctx_.db, ctx_.paths, days, ctx_.clock)) {
            startBackgroundBackup();
        }
    } else {
        ctx_.prompts.information(tr("Access DB Backup Now, Please. Wait !"), 2000);
        RunStartupBackup(ctx_.db, ctx_.paths, days, ctx_.clock);
    }
    // Members beyond the seasons the club keeps results with names for get neutral labels.
    guarded(ctx_.prompts,
            [this] { ApplyRetention(ctx_.db, ctx_.prompts, ctx_.clock, ctx_.paths.backupDir); });
    // The live board, when it is switched on for this PC; Home shows how it runs.
    auto* board = new LiveBoard(ctx_.db.fileName(), ctx_.clock,
                                RaceDayLog::folderFor(ctx_.paths.dataDir), this);
    board->apply(ReadLiveSettings(*OpenLocalSettings()));
    // The day's work is the first thing the secretary sees (after the backup, so that Home
    // shows it).
    if (current_ == nullptr) {
        guarded(ctx_.prompts, [this] { showScreen(ScreenId::Home); });
    }
}

TfrmMenu_V8_EU_TC::~TfrmMenu_V8_EU_TC() {
    if (backupThread_ != nullptr) {
        backupThread_->wait();
    }
}

void TfrmMenu_V8_EU_TC::startBackgroundBackup() {
    auto* label = new QLabel(tr("Backup of the club database running..."), statusBar());
    label->setObjectName(QStringLiteral("lblBackgroundBackup"));
    auto* busy = new QProgressBar(statusBar());
    busy->setObjectName(QStringLiteral("prgBackgroundBackup"));
    busy->setRange(0, 0);  // the dump tells nothing of how far it is
    busy->setMaximumWidth(160);
    statusBar()->addWidget(label);
    statusBar()->addWidget(busy);
    backupThread_ = StartupBackupInBackground(
        ctx_.db, ctx_.paths, this, [this, label, busy](bool ok, const QString& reason) {
            delete label;
            delete busy;
            // A failed backup stays said until the next message: the secretary must know.
            if (ok) {
                statusBar()->showMessage(tr("Backup of the club database made."), 10000);
            } else {
                statusBar()->showMessage(
                    tr("The backup of the club database failed: %1").arg(reason));
            }
        });
}

bool TfrmMenu_V8_EU_TC::closeCurrentScreen() {
    if (current_ == nullptr) {
        return true;
    }
    if (!current_->close()) {
        return false;
    }
    delete current_.data();
    delete scroller_.data();
    return true;
}

bool TfrmMenu_V8_EU_TC::showScreen(ScreenId id) {
    if (!closeCurrentScreen()) {
        markScreenButton();  // a click toggled the button: the screen shown has not changed
        return false;
    }
    // The screen fills the panel; on a screen too small for it (or a window made small) it
    // scrolls instead of running off the window's edge.
    scroller_ = new QScrollArea(pnlMain);
    scroller_->setObjectName(QStringLiteral("scrMain"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidgetResizable(true);
    current_ = CreateScreen(id, ctx_, scroller_);
    currentId_ = id;
    if (auto* races = qobject_cast<TfrmRace*>(current_.data())) {
        connect(
            races, &TfrmRace::federationWanted, this,
            [this] { guarded(ctx_.prompts, [&] { showScreen(ScreenId::Federation); }); },
            Qt::QueuedConnection);
    }
    if (auto* home = qobject_cast<TfrmHome*>(current_.data())) {
        // Queued: the switch destroys Home, which must not happen inside its own signal.
        connect(
            home, &TfrmHome::screenWanted, this,
            [this](ScreenId wanted) { guarded(ctx_.prompts, [&] { showScreen(wanted); }); },
            Qt::QueuedConnection);
    }
    NameControls(current_);  // for a screen reader: every control of the screen named
    current_->setAutoFillBackground(true);  // the screen covers the panel's backdrop
    scroller_->setWidget(current_);
    pnlMain->layout()->addWidget(scroller_);
    scroller_->show();
    current_->show();
    markScreenButton();
    return true;
}

void TfrmMenu_V8_EU_TC::markScreenButton() {
    for (const auto& [screen, button] : buttons_) {
        button->setChecked(current_ != nullptr && screen == currentId_);
        if (screen == ScreenId::Federation) {
            // A widget on a tool bar is shown and hidden through its action.
            const bool shown =
                button->isChecked() || (ctx_.db.isOpen() && FederationClubCount(ctx_.db) > 1);
            for (QAction* action : ToolBar1->actions()) {
                if (ToolBar1->widgetForAction(action) == button) {
                    action->setVisible(shown);
                }
            }
        }
    }
}

void TfrmMenu_V8_EU_TC::closeEvent(QCloseEvent* event) {
    // After a restore the connection is closed and the file holds the restored data: the
    // purge waits for the next run.
    if (ctx_.db.isOpen()) {
        guarded(ctx_.prompts, [this] { PurgeOldRaceData(ctx_.db, ctx_.clock); });
    }
    if (!closeCurrentScreen()) {
        event->ignore();
        return;
    }
    RememberWindowGeometry(*OpenLocalSettings(), saveGeometry());
    event->accept();
    emit closed();
}
