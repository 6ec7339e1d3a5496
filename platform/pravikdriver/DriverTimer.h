#pragma once

#include <QObject>

namespace Corvane::PravikDriver {

// A timer of a DriverClock, behaving like a QTimer: repeating unless made
// single-shot, and start() restarts a running timer.
class DriverTimer : public QObject
{
    Q_OBJECT

public:
    bool isSingleShot() const { return m_singleShot; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }

    virtual void start(int msec) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void timeout();

protected:
    explicit DriverTimer(QObject* parent)
        : QObject(parent)
    {
    }

private:
    bool m_singleShot = false;
};

} // namespace Corvane::PravikDriver
