#include "ManualClock.h"

#include "ManualClockTimer.h"

namespace Corvane::Sentrel {

ManualClock::ManualClock(const QDateTime& start)
    : m_now(start)
{
}

ManualClock::~ManualClock()
{
    // Timers that outlive the clock stay stopped for good.
    for (ManualClockTimer* timer : std::as_const(m_timers)) {
        timer->m_clock = nullptr;
        timer->m_active = false;
    }
}

ClockTimer* ManualClock::createTimer(QObject* parent)
{
    auto* timer = new ManualClockTimer(this, parent);
    m_timers.append(timer);
    return timer;
}

void ManualClock::advance(qint64 msec)
{
    const qint64 target = m_elapsed + qMax<qint64>(0, msec);
    while (ManualClockTimer* timer = nextDueBy(target)) {
        moveTo(timer->m_due);
        if (timer->isSingleShot()) {
            timer->m_active = false;
        } else {
            timer->m_due += qMax(1, timer->interval());
            schedule(timer);
        }
        Q_EMIT timer->timeout();
    }
    moveTo(target);
}

void ManualClock::schedule(ManualClockTimer* timer)
{
    timer->m_sequence = m_nextSequence++;
}

void ManualClock::forget(ManualClockTimer* timer)
{
    m_timers.removeOne(timer);
}

ManualClockTimer* ManualClock::nextDueBy(qint64 msec) const
{
    ManualClockTimer* next = nullptr;
    for (ManualClockTimer* timer : m_timers) {
        if (!timer->m_active || timer->m_due > msec)
            continue;
        if (!next || timer->m_due < next->m_due
            || (timer->m_due == next->m_due && timer->m_sequence < next->m_sequence))
            next = timer;
    }
    return next;
}

void ManualClock::moveTo(qint64 msec)
{
    m_now = m_now.addMSecs(msec - m_elapsed);
    m_elapsed = msec;
}

} // namespace Corvane::Sentrel
