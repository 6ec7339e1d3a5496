#include "ClosingHandshake.h"

#include "BaseSceneWindow.h"
#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "pravikdriver/OpenDriver.h"

#include <utility>

namespace Corvane::Sentrel::Controllers {

ClosingHandshake::ClosingHandshake(int closingTimeoutMs, QObject* parent)
    : QObject(parent)
    , m_closingTimer(Clock::program()->createTimer(this))
{
    m_closingTimer->setInterval(closingTimeoutMs);
    m_closingTimer->setSingleShot(true);
    connect(m_closingTimer, &ClockTimer::timeout, this, &ClosingHandshake::endDriverWait);
}

bool ClosingHandshake::waitForDrivers(const QList<PravikDriver::OpenDriver*>& drivers,
                                      std::function<void()> completion, bool takeOver)
{
    if (m_waitingForDrivers) {
        if (takeOver)
            m_driversCompletion = std::move(completion);
        return takeOver;
    }
    m_waitingForDrivers = true;
    m_driversCompletion = std::move(completion);
    m_drivers = QSet<PravikDriver::OpenDriver*>(drivers.cbegin(), drivers.cend());
    for (PravikDriver::OpenDriver* driver : std::as_const(m_drivers)) {
        connect(driver, &PravikDriver::Driver::readyToClose, this, &ClosingHandshake::onDriverReadyToClose,
                Qt::UniqueConnection);
        driver->setIsClosing(true);
    }
    if (m_drivers.isEmpty())
        endDriverWait();
    else
        m_closingTimer->start();
    return true;
}

void ClosingHandshake::forgetDrivers()
{
    for (PravikDriver::OpenDriver* driver : std::as_const(m_drivers))
        disconnect(driver, nullptr, this, nullptr);
    m_drivers.clear();
}

void ClosingHandshake::onDriverReadyToClose()
{
    auto* driver = static_cast<PravikDriver::OpenDriver*>(sender());
    if (!m_waitingForDrivers || !m_drivers.remove(driver))
        return;
    disconnect(driver, nullptr, this, nullptr);
    if (m_drivers.isEmpty())
        endDriverWait();
}

void ClosingHandshake::endDriverWait()
{
    if (!m_waitingForDrivers)
        return;
    m_closingTimer->stop();
    // Drivers that did not report in time are not waited for any more: a
    // late report must not end a later wait or run this one's end twice.
    forgetDrivers();
    m_waitingForDrivers = false;
    const std::function<void()> completion = std::exchange(m_driversCompletion, nullptr);
    Q_EMIT driversReadyToClose();
    if (completion)
        completion();
}

void ClosingHandshake::waitForWindows(const QList<BaseSceneWindow*>& windows, std::function<void()> completion)
{
    m_windowsCompletion = std::move(completion);
    for (BaseSceneWindow* window : windows) {
        if (!window || m_windows.contains(window))
            continue;
        m_windows.insert(window);
        connect(window, &BaseSceneWindow::readyToDestroy, this, [this, window] { onWindowReadyDestroy(window); });
        connect(window, &QObject::destroyed, this, [this, window] { onWindowReadyDestroy(window); });
    }
    if (m_windows.isEmpty()) {
        if (m_windowsCompletion)
            std::exchange(m_windowsCompletion, nullptr)();
        return;
    }
    for (QObject* window : QSet<QObject*>(m_windows))
        static_cast<BaseSceneWindow*>(window)->prepareToDestroy();
}

void ClosingHandshake::onWindowReadyDestroy(QObject* window)
{
    if (!m_windows.remove(window))
        return;
    disconnect(window, nullptr, this, nullptr);
    if (m_windows.isEmpty() && m_windowsCompletion)
        std::exchange(m_windowsCompletion, nullptr)();
}

} // namespace Corvane::Sentrel::Controllers
