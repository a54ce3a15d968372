#pragma once

// What every benchmark needs beside its own figures: medians of timed repetitions, the repaint a
// host's event loop would run next, a paint counter, and whether callgrind is counting.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <algorithm>
#include <vector>

namespace BenchSupport {

constexpr int kSamples = 20;   // timed repetitions behind each median of a closing table
constexpr int kWarmUps = 3;    // untimed repetitions first: caches, allocator and CPU clock settle

inline double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1.0e6;
}

/// The median of `samples` values of `sample()`, each a time in ms that the step measures itself.
template <typename Sample>
double medianOf(Sample sample, int samples = kSamples)
{
    for (int i = 0; i < kWarmUps; ++i)
        sample();
    std::vector<double> times;
    for (int i = 0; i < samples; ++i)
        times.push_back(sample());
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[samples / 2];
}

/// The median time in ms of `step()` as a whole.
template <typename Step>
double medianMs(Step step, int samples = kSamples)
{
    return medianOf([&step] {
        QElapsedTimer timer;
        timer.start();
        step();
        return elapsedMs(timer);
    }, samples);
}

/// A move or change only marks widgets or items dirty and posts the update request; the second
/// pass delivers that request and paints, as the next turn of a host's event loop would.
inline void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

/// Counts the paint events of the widgets it is installed on.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

/// Under -callgrind only the QBENCHMARK blocks count; repeated timings would only slow it down.
inline bool underCallgrind()
{
    return QCoreApplication::arguments().contains(QStringLiteral("-callgrindchild"));
}

} // namespace BenchSupport
