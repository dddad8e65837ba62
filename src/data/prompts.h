#pragma once

#include <QString>
#include <functional>

// Everything the program shows to or asks of the user goes through this interface. Screens
// pass the Qt implementation (QtPrompts); tests pass ScriptedPrompts, which records what was
// shown and answers as told.
class Prompts {
  public:
    enum class Answer { Yes, No, Cancel };
    enum class Buttons { YesNo, YesNoCancel };

    virtual ~Prompts() = default;

    // A plain message box with an OK button.
    virtual void message(const QString& text) = 0;
    // An information box; with autoCloseMs > 0 it closes by itself after that time.
    virtual void information(const QString& text, int autoCloseMs = 0) = 0;
    // The standard error box for a failure inside a user action.
    virtual void error(const QString& text) = 0;
    // A confirmation box.
    virtual Answer question(const QString& text, Buttons buttons = Buttons::YesNo) = 0;
    // File dialogs; an empty result means cancelled. `filter` is in Qt's form
    // ("Excel File (*.xlsx)"); `proposed` is a file name or path to start with.
    virtual QString openFileName(const QString& filter, const QString& proposed = {}) = 0;
    virtual QString saveFileName(const QString& filter, const QString& proposed = {}) = 0;
    // A folder chooser (empty: cancelled); prompts without one answer cancelled.
    virtual QString folderName(const QString& title, const QString& proposed = {}) {
        (void)title;
        (void)proposed;
        return {};
    }
    // A line of text to type, `proposed` filled in (empty: cancelled); prompts without one
    // answer cancelled.
    virtual QString lineText(const QString& label, const QString& proposed = {}) {
        (void)label;
        (void)proposed;
        return {};
    }
    // A secret to type (a password), never shown on the screen nor kept (empty: cancelled);
    // prompts without one answer cancelled.
    virtual QString secretText(const QString& label) {
        (void)label;
        return {};
    }
    // A short message with a long text under it (a list of hundreds of lines): the text in a
    // window that scrolls and that the user may save to a file. Prompts without such a window
    // show both in an information box.
    virtual void details(const QString& summary, const QString& text) {
        information(summary + QStringLiteral("\n\n") + text);
    }
    // The system's exclamation sound.
    virtual void beep() = 0;

    bool confirmed(const QString& text) { return question(text) == Answer::Yes; }
};

// Runs one user action and shows a UserError (or any std::exception) once in the error box.
// Returns false when the action failed.
bool guarded(Prompts& prompts, const std::function<void()>& action);
