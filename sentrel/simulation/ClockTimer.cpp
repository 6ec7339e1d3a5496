#include "ClockTimer.h"

namespace Corvane::Sentrel {

ClockTimer::ClockTimer(QObject* parent)
    : QObject(parent)
{
}

void ClockTimer::setInterval(int msec)
{
    m_interval = qMax(0, msec);
    if (running())
        begin();
}

void ClockTimer::start(int msec)
{
    m_interval = qMax(0, msec);
    begin();
}

} // namespace Corvane::Sentrel
