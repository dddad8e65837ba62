#include "edit_controls.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/convert.h"

void SetUpperCase(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        }
    });
}

void FitToCharacters(QLineEdit* edit, int characters) {
    const QFontMetrics metrics(edit->font());
    edit->setMaximumWidth(metrics.horizontalAdvance(QString(characters + 2, QLatin1Char('0'))) +
                          16);
}

QString MaskedText(const QLineEdit* edit) {
    return edit->displayText().replace(QLatin1Char('_'), QLatin1Char(' '));
}

WholeNumberValidator::WholeNumberValidator(int minimum, int maximum, QObject* parent)
    : QValidator(parent), minimum_(minimum), maximum_(maximum) {}

QValidator::State WholeNumberValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) {
        return Intermediate;
    }
    for (QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return Invalid;
        }
    }
    bool ok = false;
    const int value = input.toInt(&ok);
    if (!ok || value > maximum_) {
        return Invalid;
    }
    return value < minimum_ ? Intermediate : Acceptable;
}

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto arrow = [this, layout](Qt::ArrowType type, int step) {
        auto* button = new QToolButton(this);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 12);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, step] { stepBy(step); });
        layout->addWidget(button);
    };
    arrow(Qt::UpArrow, 1);
    arrow(Qt::DownArrow, -1);
}

void UpDown::stepBy(int steps) {
    const int now = StrToIntDef(buddy_->text(), minimum_);
    buddy_->setText(QString::number(qBound(minimum_, now + steps, maximum_)));
}
