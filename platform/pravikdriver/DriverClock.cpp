#include "DriverClock.h"

#include "DriverTimer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace Corvane::PravikDriver {

namespace {

class SystemDriverTimer : public DriverTimer
{
public:
    explicit SystemDriverTimer(QObject* parent)
        : DriverTimer(parent)
    {
        connect(&m_timer, &QTimer::timeout, this, &DriverTimer::timeout);
    }

    void start(int msec) override
    {
        m_timer.setSingleShot(isSingleShot());
        m_timer.start(msec);
    }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class SystemDriverClock : public DriverClock
{
public:
    SystemDriverClock() { m_elapsed.start(); }

    qint64 monotonicMsecs() const override { return m_elapsed.elapsed(); }
    DriverTimer* createTimer(QObject* parent) override { return new SystemDriverTimer(parent); }

private:
    QElapsedTimer m_elapsed;
};

} // namespace

DriverClock::~DriverClock() = default;

DriverClock* DriverClock::system()
{
    static SystemDriverClock clock;
    return &clock;
}

} // namespace Corvane::PravikDriver
