#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "frames.h"

// The emulator's log: every request and reply in hexadecimal and decoded, one block each, for
// a person to read.
namespace emulator {

class WireLog {
  public:
    // Writes to stderr, or to the file when a path is given.
    bool open(const QString& path, QString* error);
    ~WireLog();

    void line(const QString& text);
    void request(int number, const Request& request);
    void reply(int number, const QByteArray& frame, const QStringList& notes);
    void dropped(const QByteArray& bytes);

    static QString hex(const QByteArray& bytes);

  private:
    void write(const QString& head, const QStringList& lines);
    FILE* out_ = stderr;
};

}  // namespace emulator
