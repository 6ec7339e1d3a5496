#pragma once

#include <QElapsedTimer>
#include <QTimer>

// For the benches: how long the event loop kept a ticking timer waiting at
// most, between start() and stop(), in milliseconds.
class StallProbe
{
public:
    explicit StallProbe(int intervalMs);

    void start();
    void stop() { m_timer.stop(); }
    double longestMs() const { return m_longest / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    int m_intervalMs;
};
