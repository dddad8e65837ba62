#pragma once

#include <QDateTime>

// The program's one source of "now". Production uses SystemClock; tests fix the time with
// FixedClock so that backups, purges and flying times are reproducible.
class Clock {
  public:
    virtual ~Clock() = default;
    // Local date and time.
    virtual QDateTime now() const = 0;
    // Coordinated universal time.
    virtual QDateTime nowUtc() const = 0;
    // The time zone's standard offset from UTC in minutes, east positive, daylight saving
    // left out (for example 60 for Central Europe in summer and winter alike).
    virtual int standardOffsetMinutes() const = 0;

    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
  public:
    QDateTime now() const override;
    QDateTime nowUtc() const override;
    int standardOffsetMinutes() const override;
};

// A clock that stands still at the time it is given (local time), until moved.
class FixedClock : public Clock {
  public:
    explicit FixedClock(const QDateTime& local, int standardOffsetMinutes = 0)
        : local_(local), offset_(standardOffsetMinutes) {}
    void set(const QDateTime& local) { local_ = local; }
    void advanceMs(qint64 ms) { local_ = local_.addMSecs(ms); }

    QDateTime now() const override { return local_; }
    QDateTime nowUtc() const override;
    int standardOffsetMinutes() const override { return offset_; }

  private:
    QDateTime local_;
    int offset_;
};
