#include "SystemClockTimer.h"

namespace Corvane::Sentrel {

SystemClockTimer::SystemClockTimer(QObject* parent)
    : ClockTimer(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ClockTimer::timeout);
}

void SystemClockTimer::begin()
{
    m_timer.setSingleShot(isSingleShot());
    m_timer.start(interval());
}

void SystemClockTimer::end()
{
    m_timer.stop();
}

bool SystemClockTimer::running() const
{
    return m_timer.isActive();
}

int SystemClockTimer::remaining() const
{
    return m_timer.remainingTime();
}

} // namespace Corvane::Sentrel
