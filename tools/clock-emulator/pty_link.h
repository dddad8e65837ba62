#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The clock's end of the serial line: a pseudo-terminal in raw mode whose slave is reached
// through a symbolic link, so that the program opens the link as its serial port.
namespace emulator {

int64_t MonotonicNs();
void SleepUntilNs(int64_t deadlineNs);

class PtyLink {
  public:
    PtyLink() = default;
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;
    ~PtyLink();

    bool open(const QString& linkPath, QString* error);
    int fd() const { return master_; }
    QString slavePath() const { return slavePath_; }

    // Reads what has arrived, without waiting; an empty result when nothing has.
    QByteArray readAvailable();
    // Writes every byte, waiting up to a second while the line is full.
    bool writeAll(const QByteArray& bytes);

  private:
    int master_ = -1;
    int slave_ = -1;  // held open so that the line stays up between the host's sessions
    QString slavePath_;
    QString linkPath_;
};

}  // namespace emulator
