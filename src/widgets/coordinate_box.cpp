#include "coordinate_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

CoordinateBox::CoordinateBox(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(true);
}

void CoordinateBox::pasteFrom(const QString& text) {
    if (!isReadOnly() && isEnabled() && !text.trimmed().isEmpty()) {
        emit pasted(text);
    }
}

void CoordinateBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CoordinateBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            // The menu's own paste would put the text through the mask.
            disconnect(action, nullptr, this, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { pasteFrom(QApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CoordinateBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText() && !isReadOnly()) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void CoordinateBox::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
        pasteFrom(event->mimeData()->text());
        return;
    }
    QLineEdit::dropEvent(event);
}

void CoordinateBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        pasteFrom(QApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
