#include "StallProbe.h"

#include <algorithm>

StallProbe::StallProbe(int intervalMs)
    : m_intervalMs(intervalMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    });
}

void StallProbe::start()
{
    m_clock.start();
    m_last = 0;
    m_longest = 0;
    m_timer.start(m_intervalMs);
}
