#include "SystemClock.h"

#include "SystemClockTimer.h"

namespace Corvane::Sentrel {

SystemClock::SystemClock()
{
    m_elapsed.start();
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMsecs() const
{
    return m_elapsed.elapsed();
}

ClockTimer* SystemClock::createTimer(QObject* parent)
{
    return new SystemClockTimer(parent);
}

} // namespace Corvane::Sentrel
