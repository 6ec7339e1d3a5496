#pragma once

#include <QList>
#include <QObject>
#include <QSet>

#include <functional>

namespace Corvane::PravikDriver {
class OpenDriver;
}

namespace Corvane::Sentrel {

class BaseSceneWindow;
class ClockTimer;

namespace Controllers {

// The two waits of quitting and of switching projects. The driver wait tells
// each gateway driver that it is closing and ends when every one has
// reported readyToClose(), or at the closing time-out; reports outside a
// wait, or from drivers it does not wait for, change nothing. The window
// wait asks each scene window to stop its input-mask worker and ends when
// every window has reported readyToDestroy() or is gone.
class ClosingHandshake : public QObject
{
    Q_OBJECT

public:
    explicit ClosingHandshake(int closingTimeoutMs, QObject* parent = nullptr);

    ClockTimer* closingTimer() const { return m_closingTimer; }
    bool isWaitingForDrivers() const { return m_waitingForDrivers; }
    QSet<PravikDriver::OpenDriver*> driversAwaitingClose() const { return m_drivers; }
    bool isWaitingForWindows() const { return !m_windows.isEmpty(); }

    // Starts a driver wait whose end runs completion (at once without
    // drivers). While a wait runs, takeOver gives it this completion instead
    // of its own; otherwise the call does nothing. Returns whether
    // completion will run.
    bool waitForDrivers(const QList<PravikDriver::OpenDriver*>& drivers, std::function<void()> completion,
                        bool takeOver);
    // The drivers are about to be deleted: the running wait no longer
    // counts on them.
    void forgetDrivers();
    void waitForWindows(const QList<BaseSceneWindow*>& windows, std::function<void()> completion);

Q_SIGNALS:
    // A driver wait ended.
    void driversReadyToClose();

private:
    void onDriverReadyToClose();
    void onWindowReadyDestroy(QObject* window);
    void endDriverWait();

    ClockTimer* m_closingTimer;
    bool m_waitingForDrivers = false;
    QSet<PravikDriver::OpenDriver*> m_drivers;
    std::function<void()> m_driversCompletion;
    QSet<QObject*> m_windows;
    std::function<void()> m_windowsCompletion;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
