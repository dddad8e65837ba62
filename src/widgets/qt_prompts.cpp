#include "qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

namespace {
struct QtPromptsText {
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)
};
}  // namespace

void QtPrompts::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

void QtPrompts::information(const QString& text, int autoCloseMs) {
    QMessageBox box(QMessageBox::Information, QtPromptsText::tr("Information"), text,
                    QMessageBox::Ok, parent_);
    if (autoCloseMs > 0) {
        QTimer::singleShot(autoCloseMs, &box, &QMessageBox::accept);
    }
    box.exec();
}

void QtPrompts::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QtPromptsText::tr("Error"), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

Prompts::Answer QtPrompts::question(const QString& text, Buttons buttons) {
    auto std = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) {
        std |= QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::Question, QtPromptsText::tr("Confirm"), text, std, parent_);
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

void QtPrompts::beep() {
    QApplication::beep();
}
