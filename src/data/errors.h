#pragma once

#include <QString>
#include <stdexcept>

// A failure inside a user action. It carries the exact text the user sees in the error box;
// screens catch it once, at their handler boundary (see `guarded` in prompts.h).
class UserError : public std::runtime_error {
  public:
    explicit UserError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

  private:
    QString text_;
};

// A statement the database refused; the text is the database layer's own message.
class DbError : public UserError {
  public:
    using UserError::UserError;
};
