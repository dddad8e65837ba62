#pragma once

#include <QString>
#include <QtGlobal>

// Where long work (a workbook of thousands of rows, a clock read at 9600 baud) reports how far
// it is, and learns that it should stop. Logic takes a Progress&; screens pass one that moves a
// progress bar and keeps the window painting, tests and benches pass NoProgress.
class Progress {
  public:
    virtual ~Progress() = default;
    // `done` of `total` steps (total 0 when not known), with a short text for the user
    // ("pigeon 37 of 120"). Called between two units of work, never inside one.
    virtual void step(qint64 done, qint64 total, const QString& text = {}) = 0;
    // True once the user, or a screen about to close, asked the work to stop at the next point
    // where stopping loses nothing.
    virtual bool stopRequested() const { return false; }
};

class NoProgress : public Progress {
  public:
    void step(qint64, qint64, const QString& = {}) override {}
};
