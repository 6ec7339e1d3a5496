#include "ManualClockTimer.h"

#include "ManualClock.h"

namespace Corvane::Sentrel {

ManualClockTimer::ManualClockTimer(ManualClock* clock, QObject* parent)
    : ClockTimer(parent)
    , m_clock(clock)
{
}

ManualClockTimer::~ManualClockTimer()
{
    if (m_clock)
        m_clock->forget(this);
}

void ManualClockTimer::begin()
{
    if (!m_clock)
        return;
    m_active = true;
    m_due = m_clock->monotonicMsecs() + interval();
    m_clock->schedule(this);
}

void ManualClockTimer::end()
{
    m_active = false;
}

int ManualClockTimer::remaining() const
{
    return m_clock ? int(qMax<qint64>(0, m_due - m_clock->monotonicMsecs())) : 0;
}

} // namespace Corvane::Sentrel
