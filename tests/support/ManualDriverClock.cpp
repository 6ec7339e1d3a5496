#include "ManualDriverClock.h"

#include "ManualDriverTimer.h"

ManualDriverClock::~ManualDriverClock()
{
    for (ManualDriverTimer* timer : std::as_const(m_timers))
        timer->clockGone();
}

Corvane::PravikDriver::DriverTimer* ManualDriverClock::createTimer(QObject* parent)
{
    return new ManualDriverTimer(this, parent);
}

ManualDriverTimer* ManualDriverClock::nextDue() const
{
    ManualDriverTimer* next = nullptr;
    for (ManualDriverTimer* timer : m_timers) {
        if (!timer->m_active)
            continue;
        if (!next || timer->m_due < next->m_due || (timer->m_due == next->m_due && timer->m_sequence < next->m_sequence))
            next = timer;
    }
    return next;
}

qint64 ManualDriverClock::nextDueIn() const
{
    const ManualDriverTimer* next = nextDue();
    return next ? qMax<qint64>(0, next->m_due - m_now) : -1;
}

void ManualDriverClock::advance(qint64 msec)
{
    const qint64 end = m_now + msec;
    while (ManualDriverTimer* timer = nextDue()) {
        if (timer->m_due > end)
            break;
        m_now = timer->m_due;
        if (timer->isSingleShot())
            timer->m_active = false;
        else
            timer->start(qMax(1, timer->m_interval));
        Q_EMIT timer->timeout();
    }
    m_now = end;
}
