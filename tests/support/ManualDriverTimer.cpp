#include "ManualDriverTimer.h"

#include "ManualDriverClock.h"

ManualDriverTimer::ManualDriverTimer(ManualDriverClock* clock, QObject* parent)
    : DriverTimer(parent)
    , m_clock(clock)
{
    m_clock->m_timers.append(this);
}

ManualDriverTimer::~ManualDriverTimer()
{
    if (m_clock)
        m_clock->m_timers.removeAll(this);
}

void ManualDriverTimer::start(int msec)
{
    if (!m_clock)
        return;
    m_interval = qMax(0, msec);
    m_due = m_clock->monotonicMsecs() + m_interval;
    m_sequence = m_clock->m_nextSequence++;
    m_active = true;
}
