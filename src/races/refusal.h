#pragma once

#include "data/errors.h"

// A refusal the race-day log records too (a final result's entries that a clock run may not
// change): shown in the interface language, written to the log in English.
class LoggedRefusal : public UserError {
  public:
    LoggedRefusal(const QString& text, const QString& english)
        : UserError(text), english_(english) {}
    const QString& english() const { return english_; }

  private:
    QString english_;
};

// The text of `e` for the race-day log: English where the thrower gave it.
inline QString LogText(const UserError& e) {
    const auto* refusal = dynamic_cast<const LoggedRefusal*>(&e);
    return refusal != nullptr ? refusal->english() : e.text();
}
