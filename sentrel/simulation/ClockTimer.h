#pragma once

#include <QObject>

namespace Corvane::Sentrel {

// A timer of a Clock, with the behaviour of QTimer: repeating unless made
// single-shot, start() (re)starts it with its interval, setInterval() on an
// active timer restarts it, and timeout() is emitted from the timer itself, so
// that a receiving slot finds it as sender().
class ClockTimer : public QObject
{
    Q_OBJECT

public:
    int interval() const { return m_interval; }
    void setInterval(int msec);
    bool isSingleShot() const { return m_singleShot; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }
    bool isActive() const { return running(); }
    // Milliseconds until the next timeout; -1 while stopped.
    int remainingTime() const { return running() ? remaining() : -1; }

public Q_SLOTS:
    void start() { begin(); }
    void start(int msec);
    void stop() { end(); }

Q_SIGNALS:
    void timeout();

protected:
    explicit ClockTimer(QObject* parent);

    // Starts or restarts the timer with interval() and isSingleShot().
    virtual void begin() = 0;
    virtual void end() = 0;
    virtual bool running() const = 0;
    virtual int remaining() const = 0;

private:
    int m_interval = 0;
    bool m_singleShot = false;
};

} // namespace Corvane::Sentrel
