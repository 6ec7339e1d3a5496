#pragma once

#include "pravikdriver/DriverClock.h"

#include <QList>

class ManualDriverTimer;

// A driver clock that stands still until the test moves it: advance() fires
// every timer that falls due on the way, in time order, with the time
// showing each timer's due moment while it fires. Timers started by a
// timeout take part in the same advance.
class ManualDriverClock : public Corvane::PravikDriver::DriverClock
{
public:
    ~ManualDriverClock() override;

    qint64 monotonicMsecs() const override { return m_now; }
    Corvane::PravikDriver::DriverTimer* createTimer(QObject* parent) override;

    void advance(qint64 msec);
    // Milliseconds until the next timer is due; -1 when none runs.
    qint64 nextDueIn() const;

private:
    friend class ManualDriverTimer;

    ManualDriverTimer* nextDue() const;

    qint64 m_now = 0;
    quint64 m_nextSequence = 0;
    QList<ManualDriverTimer*> m_timers;
};
