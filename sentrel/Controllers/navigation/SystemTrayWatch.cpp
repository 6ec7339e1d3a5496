#include "SystemTrayWatch.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include <QSystemTrayIcon>

namespace Corvane::Sentrel::Controllers {

SystemTrayWatch::SystemTrayWatch(Availability availability, QObject* parent)
    : QObject(parent)
    , m_availability(availability ? std::move(availability) : [] { return QSystemTrayIcon::isSystemTrayAvailable(); })
    , m_timer(Clock::program()->createTimer(this))
{
    m_timer->setInterval(CHECK_INTERVAL_MS);
    connect(m_timer, &ClockTimer::timeout, this, &SystemTrayWatch::check);
}

void SystemTrayWatch::start()
{
    m_timer->start();
    check();
}

void SystemTrayWatch::check()
{
    if (!m_availability())
        return;
    m_timer->stop();
    Q_EMIT trayAvailable();
}

} // namespace Corvane::Sentrel::Controllers
