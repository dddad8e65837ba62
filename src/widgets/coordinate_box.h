#pragma once

#include <QLineEdit>
#include "widgets/child_signals.h"

// A coordinate box with its input mask that does not let the mask mangle a pasted text: a
// coordinate copied from a map or a GPS ("51.208444, 4.387556") is handed to the screen as
// `pasted` (by the keyboard, the context menu, a drop or the middle button), and the screen
// puts the converted coordinates into its boxes. Typing goes through the mask as ever.
class CoordinateBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit CoordinateBox(QWidget* parent = nullptr);

  signals:
    void pasted(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void pasteFrom(const QString& text);

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
