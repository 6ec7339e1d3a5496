#pragma once

#include <QObject>

namespace Corvane::UpdateChecker {

// A timer of the updater's jobs (the check deadline, the download rate
// window), behaving like a QTimer: repeating unless made single-shot, and
// start() restarts a running timer. The updater runs on QTimers unless it is
// given timers of another kind, such as a test's that time out when told.
class UpdaterTimer : public QObject
{
    Q_OBJECT

public:
    bool isSingleShot() const { return m_singleShot; }
    void setSingleShot(bool singleShot) { m_singleShot = singleShot; }

    virtual void start(int msec) = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    void timeout();

protected:
    explicit UpdaterTimer(QObject* parent)
        : QObject(parent)
    {
    }

private:
    bool m_singleShot = false;
};

} // namespace Corvane::UpdateChecker
