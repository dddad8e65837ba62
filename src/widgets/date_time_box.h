#pragma once

#include <QDate>
#include <QLineEdit>
#include <QMap>
#include <QStyledItemDelegate>
#include <QTime>
#include "widgets/child_signals.h"

// A box for a date ("yyyy-MM-dd") or a time of day ("HH:mm:ss") that shows exactly the text
// that will be stored and takes it as typed: each typed digit fills the next position, a typed
// separator steps over the separator, a selection (Ctrl+A, or the whole box when Tab enters
// it) is replaced by what is typed, and the arrow keys Up and Down step the part under the
// cursor (year, month or day; hours, minutes or seconds). A box that is not filled with a real
// date or time has no value; the screen refuses it where the value is used.
class DateTimeBox : public QLineEdit {
    Q_OBJECT
  public:
    enum class Kind { Date, Time };
    explicit DateTimeBox(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }

    void setDate(const QDate& date);
    void setTime(const QTime& time);
    // The value shown; invalid when the box does not hold a whole, real date or time.
    QDate date() const;
    QTime time() const;
    // The value shown, or UserError with the conversion message ("'2027-02-30' is not a
    // valid date") when there is none.
    QDate checkedDate() const;
    QTime checkedTime() const;
    // A time whose minutes or seconds were not typed at all ("08:00") gets "00" for them; the
    // box does this itself when it is left.
    void completeTime();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // A time left with its minutes or seconds not typed ("08:00") gets "00" for them.
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void step(int steps);

    Kind kind_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};

// The editor of grid cells that hold a date or a time (by column): a DateTimeBox. A cell left
// without any digit typed stays empty; otherwise it gets the text the box shows.
class DateTimeDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    DateTimeDelegate(QMap<int, DateTimeBox::Kind> columns, QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    QMap<int, DateTimeBox::Kind> columns_;
};
