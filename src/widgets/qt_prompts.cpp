#include "qt_prompts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/whole_file.h"

namespace {
struct QtPromptsText {
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)
};
}  // namespace

QString BoxText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown) {
        if (c.isLetter()) {
            c = c.toUpper();
            break;
        }
        if (!c.isSpace()) {
            break;
        }
    }
    return shown;
}

void QtPrompts::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), BoxText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

void QtPrompts::information(const QString& text, int autoCloseMs) {
    QMessageBox box(QMessageBox::Information, QtPromptsText::tr("Information"), BoxText(text),
                    QMessageBox::Ok, parent_);
    if (autoCloseMs > 0) {
        QTimer::singleShot(autoCloseMs, &box, &QMessageBox::accept);
    }
    box.exec();
}

void QtPrompts::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QtPromptsText::tr("Error"), BoxText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Prompts::Answer QtPrompts::question(const QString& text, Buttons buttons) {
    auto std = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) {
        std |= QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::Question, QtPromptsText::tr("Confirm"), BoxText(text), std,
                    parent_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QString QtPrompts::openFileName(const QString& filter, const QString& proposed) {
    return QFileDialog::getOpenFileName(parent_, QString(), proposed, filter);
}

QString QtPrompts::saveFileName(const QString& filter, const QString& proposed) {
    return QFileDialog::getSaveFileName(parent_, QString(), proposed, filter);
}

QString QtPrompts::folderName(const QString& title, const QString& proposed) {
    return QFileDialog::getExistingDirectory(parent_, title, proposed);
}

QString QtPrompts::lineText(const QString& label, const QString& proposed) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, QApplication::applicationName(), label,
                                               QLineEdit::Normal, proposed, &ok);
    return ok ? text.trimmed() : QString();
}

QString QtPrompts::secretText(const QString& label) {
    bool ok = false;
    // Taken as typed: spaces may belong to a password.
    const QString text = QInputDialog::getText(parent_, QApplication::applicationName(), label,
                                               QLineEdit::Password, QString(), &ok);
    return ok ? text : QString();
}

void QtPrompts::details(const QString& summary, const QString& text) {
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("dlgDetails"));
    dialog.setWindowTitle(QtPromptsText::tr("Information"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* head = new QLabel(summary, &dialog);
    head->setWordWrap(true);
    layout->addWidget(head);
    auto* list = new QPlainTextEdit(text, &dialog);
    list->setObjectName(QStringLiteral("mmoDetails"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons->button(QDialogButtonBox::Save), &QPushButton::clicked, &dialog,
                     [this, &summary, &text] {
                         const QString file =
                             saveFileName(QtPromptsText::tr("Text file (*.txt)"), QString());
                         if (file.isEmpty()) {
                             return;
                         }
                         QString all = summary + QStringLiteral("\n\n") + text;
                         all.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
                         guarded(*this, [&] { WriteWholeFile(file, all.toUtf8()); });
                     });
    dialog.resize(720, 480);
    dialog.exec();
}

void QtPrompts::beep() {
    QApplication::beep();
}
