#pragma once

#include <QObject>

// A widget's children outlive its destructor body: Qt deletes them afterwards, in QWidget's own
// destructor, and on the way they emit signals (a box that had the focus reports its editing
// finished, a tab widget its current tab changed). A slot of the widget reached then runs on an
// object that is no longer of its class, and may store a half-typed value.
//
// Declared as the last member of a widget class, this cuts every connection from the widget's
// descendants to the widget itself before anything else of it is taken down (the members go in
// reverse order, right after the destructor body), so no slot of it runs during its destruction.
class ChildSignalsCut {
  public:
    explicit ChildSignalsCut(QObject* owner) : owner_(owner) {}
    ChildSignalsCut(const ChildSignalsCut&) = delete;
    ChildSignalsCut& operator=(const ChildSignalsCut&) = delete;
    ~ChildSignalsCut() {
        const QList<QObject*> children = owner_->findChildren<QObject*>();
        for (QObject* child : children) {
            QObject::disconnect(child, nullptr, owner_, nullptr);
        }
    }

  private:
    QObject* owner_;
};
