#pragma once

#include <QValidator>
#include <QWidget>
#include "widgets/child_signals.h"

class QLineEdit;
class QToolButton;

// Makes a text box turn everything typed into upper case (loft numbers, codes).
void SetUpperCase(QLineEdit* edit);

// Makes a box as wide as `characters` characters of its font (and its frame), no wider: a
// coordinate or code box need not stretch across the form.
void FitToCharacters(QLineEdit* edit, int characters);

// The text of a coordinate box with an input mask, blank positions as blanks (the form in
// which coordinates are stored and checked).
QString MaskedText(const QLineEdit* edit);

// A validator for a box that takes a whole number from `minimum` to `maximum`: only digits,
// never a number above the maximum (an empty box, or one below the minimum, is not finished).
class WholeNumberValidator : public QValidator {
  public:
    WholeNumberValidator(int minimum, int maximum, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

  private:
    int minimum_;
    int maximum_;
};

// The small pair of arrows beside a number box: each click steps the box's whole number by
// one within [minimum, maximum]. The box stays a plain text box, so a typed text that is not a
// whole number remains possible and is refused where the value is used.
class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);
    void stepBy(int steps);

  private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
