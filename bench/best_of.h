#pragma once

#include <QElapsedTimer>

#include <algorithm>

// The best of `runs` timings of `work`, in milliseconds: the least disturbed run on a shared
// machine.
template <typename F>
double bestMs(int runs, F work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
