#pragma once

#include <QStringList>
#include <QWidget>
#include "widgets/child_signals.h"

class QComboBox;

// The race editor's three choices of race type (each the club's list or nothing).
class RaceTypeBox : public QWidget {
    Q_OBJECT
  public:
    explicit RaceTypeBox(QWidget* parent = nullptr);

    // Fills each choice with the club's types; a type the race carries that is no longer on
    // the club's list is offered too.
    void setChoices(const QStringList& clubTypes);
    void setTypes(const QStringList& types);
    QStringList types() const;  // the chosen types, blanks left out

  private:
    QList<QComboBox*> boxes_;
    QStringList choices_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
