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
    // The time zone's base bias in minutes: UTC = local time + bias. Standard time only,
    // daylight saving left out, so a zone east of UTC is negative (-60 for Central Europe in
    // summer and winter alike, -480 for China, 300 for New York). The clock workflows and
    // everything that turns local moments into UTC use this one sign.
    virtual int biasMinutes() const = 0;

    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
  public:
    QDateTime now() const override;
    QDateTime nowUtc() const override;
    int biasMinutes() const override;
};

// A clock that stands still at the time it is given (local time), until moved.
class FixedClock : public Clock {
  public:
    explicit FixedClock(const QDateTime& local, int biasMinutes = 0)
        : local_(local), bias_(biasMinutes) {}
    void set(const QDateTime& local) { local_ = local; }
    void advanceMs(qint64 ms) { local_ = local_.addMSecs(ms); }

    QDateTime now() const override { return local_; }
    QDateTime nowUtc() const override;
    int biasMinutes() const override { return bias_; }
    void setBiasMinutes(int bias) { bias_ = bias; }

  private:
    QDateTime local_;
    int bias_;
};

// A local moment as whole seconds since 1970 in UTC: the moment as a day count, to the nearest
// whole second (halves to the even neighbour), then the bias added.
qint64 LocalToUtcSecs(double localDayCount, int biasMinutes);
qint64 LocalToUtcSecs(const QDateTime& local, int biasMinutes);
// Whole UTC seconds since 1970 back to a local moment as a day count.
double UtcSecsToLocal(qint64 utcSecs, int biasMinutes);
