#include "accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QString Caption(const QLabel* label) {
    QString text = label->text();
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

bool IsControl(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

// The label a layout puts before `w`: its form label, the cell to its left in a grid, or the
// item before it in a row.
QLabel* LabelBeside(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (parent == nullptr || parent->layout() == nullptr) {
        return nullptr;
    }
    QList<QLayout*> layouts = parent->findChildren<QLayout*>();
    layouts.prepend(parent->layout());
    for (QLayout* layout : layouts) {
        const int index = layout->indexOf(w);
        if (index < 0) {
            continue;
        }
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            return qobject_cast<QLabel*>(form->labelForField(w));
        }
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            for (int c = column - 1; c >= 0; --c) {
                QLayoutItem* item = grid->itemAtPosition(row, c);
                if (item != nullptr && item->widget() != nullptr) {
                    return qobject_cast<QLabel*>(item->widget());
                }
            }
            return nullptr;
        }
        if (index > 0 && layout->itemAt(index - 1)->widget() != nullptr) {
            return qobject_cast<QLabel*>(layout->itemAt(index - 1)->widget());
        }
        return nullptr;
    }
    return nullptr;
}

QString BoxTitle(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
        if (const auto* box = qobject_cast<const QGroupBox*>(p); box && !box->title().isEmpty()) {
            QString title = box->title();
            title.remove(QLatin1Char('&'));
            return title.trimmed();
        }
    }
    return {};
}

void Name(QWidget* w) {
    if (!w->accessibleName().isEmpty() || !IsControl(w)) {
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty()) {
            w->setAccessibleName(button->toolTip());
        }
        return;
    }
    for (QLabel* label : w->window()->findChildren<QLabel*>()) {
        if (label->buddy() == w) {
            return;  // the label names it already
        }
    }
    // A list box's own edit, a grid's parts: named through the box or the grid.
    if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr) {
        return;
    }
    if (QLabel* label = LabelBeside(w); label != nullptr && !Caption(label).isEmpty()) {
        label->setBuddy(w);
        return;
    }
    QString name;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        name = edit->placeholderText();
    }
    if (name.isEmpty()) {
        name = w->toolTip();
    }
    if (name.isEmpty()) {
        name = BoxTitle(w);
    }
    if (!name.isEmpty()) {
        w->setAccessibleName(name);
    }
}

class Namer : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) {
                NameControls(w);
            }
        }
        return false;
    }
};

}  // namespace

void NameControls(QWidget* root) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        Name(w);
    }
}

void NameControlsOfEveryWindow(QApplication& app) {
    app.installEventFilter(new Namer(&app));
}
