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

// A statement the database refused; the text is the database layer's own message. The code
// says what kind of refusal it was where the program acts on it (the server's SQLSTATE, such as
// "55P03" for a wait for another seat that ended, or "busy" for a club file another program
// held too long); empty otherwise.
class DbError : public UserError {
  public:
    using UserError::UserError;
    DbError(const QString& text, const QString& code) : UserError(text), code_(code) {}
    const QString& code() const { return code_; }

  private:
    QString code_;
};
