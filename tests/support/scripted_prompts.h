#pragma once

#include <QQueue>
#include <QStringList>

#include "data/prompts.h"

// Prompts for tests: records every text shown (prefixed by its kind: "message: ",
// "information: ", "error: ", "question: ", "open: ", "save: ", "text: ", "secret: ") and answers
// from queues. A question with no scripted answer is answered Yes; a file dialog with no scripted
// name is cancelled.
class ScriptedPrompts : public Prompts {
  public:
    QStringList shown;
    QQueue<Answer> answers;
    QQueue<QString> fileNames;  // also the answers to lineText
    QQueue<QString> secrets;    // answers to secretText (recorded by their label only)
    int beeps = 0;

    void message(const QString& text) override { shown << QStringLiteral("message: ") + text; }
    void information(const QString& text, int) override {
        shown << QStringLiteral("information: ") + text;
    }
    void error(const QString& text) override { shown << QStringLiteral("error: ") + text; }
    Answer question(const QString& text, Buttons) override {
        shown << QStringLiteral("question: ") + text;
        return answers.isEmpty() ? Answer::Yes : answers.dequeue();
    }
    QString openFileName(const QString& filter, const QString&) override {
        shown << QStringLiteral("open: ") + filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const QString& filter, const QString&) override {
        shown << QStringLiteral("save: ") + filter;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString folderName(const QString& title, const QString&) override {
        shown << QStringLiteral("folder: ") + title;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString lineText(const QString& label, const QString&) override {
        shown << QStringLiteral("text: ") + label;
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString secretText(const QString& label) override {
        shown << QStringLiteral("secret: ") + label;
        return secrets.isEmpty() ? QString() : secrets.dequeue();
    }
    void details(const QString& summary, const QString& text) override {
        shown << QStringLiteral("details: ") + summary;
        detailTexts << text;
    }
    QStringList detailTexts;  // the long texts under "details", in order
    void beep() override { ++beeps; }

    // The texts shown of one kind ("message", "error", ...), without the prefix.
    QStringList of(const QString& kind) const {
        QStringList out;
        const QString prefix = kind + QStringLiteral(": ");
        for (const QString& s : shown) {
            if (s.startsWith(prefix)) {
                out << s.mid(prefix.size());
            }
        }
        return out;
    }
};
