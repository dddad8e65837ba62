#pragma once

#include <QMainWindow>
#include <QPointer>

#include "app/screens.h"
#include "data/app_context.h"
#include "widgets/child_signals.h"

class QScrollArea;
class QThread;
class QToolBar;
class QToolButton;

// The main window: the tool bar with the five screens and the main panel in which exactly one
// screen at a time is docked.
//
// Created: first-run check (an empty club table shows the club setup as a modal window of its
// own; start is allowed only when it stored the club record). Shown: the automatic backup.
// Closed: old race data is purged, then the current screen is closed.
class TfrmMenu_V8_EU_TC : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMenu_V8_EU_TC(AppContext& ctx, QWidget* parent = nullptr);
    // Waits for a backup still being written in the background.
    ~TfrmMenu_V8_EU_TC() override;

    bool startAllowed() const { return startAllowed_; }
    QWidget* currentScreen() const { return current_; }
    // Closes and destroys the current screen (it may refuse, then it stays) and docks a new
    // one. Returns false when the current screen refused to close.
    bool showScreen(ScreenId id);

  signals:
    // The window has closed; the program ends.
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Size and place: as the user left them, or the first-time default that fits the screen.
    void placeWindow();
    void firstRunCheck();
    void startUp();
    void startBackgroundBackup();
    bool closeCurrentScreen();
    // Presses the tool button of the screen shown and releases the others.
    void markScreenButton();

    AppContext& ctx_;
    bool startAllowed_ = true;
    bool shownOnce_ = false;
    // The start-up backup on a server, while it is being written.
    QPointer<QThread> backupThread_;
    QToolBar* ToolBar1;
    QWidget* pnlMain;
    QPointer<QWidget> current_;
    QPointer<QScrollArea> scroller_;  // holds the current screen
    ScreenId currentId_ = ScreenId::Home;
    QList<QPair<ScreenId, QToolButton*>> buttons_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
