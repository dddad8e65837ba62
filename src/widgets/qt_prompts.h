#pragma once

#include <QPointer>
#include <QWidget>

#include "data/prompts.h"

// The prompts as real dialogs, owned by the given window.
// The text of a message box as shown: a sentence, so its first letter is a capital
// ("backup was successful!" shows as "Backup was successful!"); a text that starts with a
// number, a quoted value or a path is left as it is.
QString BoxText(const QString& text);

class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text) override;
    void information(const QString& text, int autoCloseMs = 0) override;
    void error(const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    QString openFileName(const QString& filter, const QString& proposed) override;
    QString saveFileName(const QString& filter, const QString& proposed) override;
    QString folderName(const QString& title, const QString& proposed) override;
    QString lineText(const QString& label, const QString& proposed) override;
    QString secretText(const QString& label) override;
    void details(const QString& summary, const QString& text) override;
    void beep() override;

  private:
    QPointer<QWidget> parent_;
};
