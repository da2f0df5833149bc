#pragma once

#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <functional>

namespace Timing {

inline double median(QList<double> samples)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Milliseconds `work` takes.
inline double ms(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The medians of `measured` and `reference` over `rounds`, run in turns so that a change
// in the machine's load falls on both alike.
struct Pair
{
    double measured = 0;
    double reference = 0;
};

inline Pair interleaved(int rounds, const std::function<double()> &measured,
                        const std::function<double()> &reference)
{
    QList<double> a;
    QList<double> b;
    for (int round = 0; round < rounds; ++round) {
        a << measured();
        b << reference();
    }
    return {median(a), median(b)};
}

} // namespace Timing
