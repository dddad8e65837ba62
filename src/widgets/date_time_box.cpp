#include "date_time_box.h"

#include <QKeyEvent>
#include <algorithm>

#include "data/date_time.h"
#include "edit_controls.h"

namespace {
// Digits in every position and the separators of the stored forms; "_" marks a position not
// typed yet.
const QString kDateMask = QStringLiteral("9999-99-99;_");
const QString kTimeMask = QStringLiteral("99:99:99;_");

// The part of the text the cursor stands in: 0, 1 or 2 (year/month/day, hours/minutes/seconds).
int partAt(DateTimeBox::Kind kind, int cursor) {
    if (kind == DateTimeBox::Kind::Date) {
        return cursor <= 4 ? 0 : cursor <= 7 ? 1 : 2;
    }
    return cursor <= 2 ? 0 : cursor <= 5 ? 1 : 2;
}
}  // namespace

DateTimeBox::DateTimeBox(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setInputMask(kind == Kind::Date ? kDateMask : kTimeMask);
    // Wide enough for the text and a little room, not stretched across the form.
    FitToCharacters(this, kind == Kind::Date ? 10 : 8);
}

void DateTimeBox::setDate(const QDate& date) {
    setText(date.isValid() ? DateText(date) : QString());
}

void DateTimeBox::setTime(const QTime& time) {
    setText(time.isValid() ? TimeText(QTime(time.hour(), time.minute(), time.second()))
                           : QString());
}

QDate DateTimeBox::date() const {
    return ParseDate(displayText());
}

QTime DateTimeBox::time() const {
    return ParseTime(displayText());
}

QDate DateTimeBox::checkedDate() const {
    return StrToDate(displayText());
}

QTime DateTimeBox::checkedTime() const {
    return StrToTime(displayText());
}

void DateTimeBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Entered with the keyboard, the whole value is selected so that typing replaces it (a
    // masked box would otherwise put the cursor after the last character).
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        selectAll();
    }
}

void DateTimeBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateTimeBox::step(int steps) {
    const int cursor = cursorPosition();
    const int part = partAt(kind_, cursor);
    if (kind_ == Kind::Date) {
        const QDate d = date();
        if (!d.isValid()) {
            return;
        }
        setDate(part == 0 ? d.addYears(steps) : part == 1 ? d.addMonths(steps) : d.addDays(steps));
    } else {
        const QTime t = time();
        if (!t.isValid()) {
            return;
        }
        // Hours, minutes and seconds go round within the day.
        setTime(t.addSecs(steps * (part == 0 ? 3600 : part == 1 ? 60 : 1)));
    }
    setCursorPosition(cursor);
}

DateTimeDelegate::DateTimeDelegate(QMap<int, DateTimeBox::Kind> columns, QObject* parent)
    : QStyledItemDelegate(parent), columns_(std::move(columns)) {}

QWidget* DateTimeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (!columns_.contains(index.column())) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* box = new DateTimeBox(columns_.value(index.column()), parent);
    box->setMaximumWidth(QWIDGETSIZE_MAX);
    return box;
}

void DateTimeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = qobject_cast<DateTimeBox*>(editor);
    if (box == nullptr) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    box->setText(index.data(Qt::EditRole).toString());
    box->selectAll();
}

void DateTimeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* box = qobject_cast<DateTimeBox*>(editor);
    if (box == nullptr) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString shown = box->displayText();
    const bool anyDigit =
        std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    model->setData(index, anyDigit ? shown : QString(), Qt::EditRole);
}
