#include "ThermoregulationStatusTimers.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

namespace Corvane::Sentrel::Controllers {

const int ThermoregulationStatusTimers::UPDATE_STATUS_DELAY = 1500;

ThermoregulationStatusTimers::ThermoregulationStatusTimers(QObject* parent)
    : QObject(parent)
{
}

ThermoregulationStatusTimers::~ThermoregulationStatusTimers()
{
    clear();
}

void ThermoregulationStatusTimers::schedule(int deviceId, StatusUpdateType type)
{
    const Key key(deviceId, type);
    ClockTimer* timer = m_timers.value(key);
    if (!timer) {
        timer = Clock::program()->createTimer(nullptr);
        timer->setSingleShot(true);
        connect(timer, &ClockTimer::timeout, this, &ThermoregulationStatusTimers::onTimeout);
        m_timers.insert(key, timer);
    }
    timer->start(UPDATE_STATUS_DELAY);
}

void ThermoregulationStatusTimers::clear()
{
    for (ClockTimer* timer : std::as_const(m_timers)) {
        timer->stop();
        delete timer;
    }
    m_timers.clear();
}

bool ThermoregulationStatusTimers::isActive(int deviceId, StatusUpdateType type) const
{
    const ClockTimer* timer = m_timers.value(Key(deviceId, type));
    return timer && timer->isActive();
}

void ThermoregulationStatusTimers::onTimeout()
{
    auto* timer = qobject_cast<ClockTimer*>(sender());
    const Key key = m_timers.key(timer, Key(0, 0));
    if (!timer || key == Key(0, 0))
        return;
    timer->stop();
    Q_EMIT due(key.first, key.second);
}

} // namespace Corvane::Sentrel::Controllers
