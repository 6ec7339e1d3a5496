#pragma once

#include "Clock.h"

#include <QList>

namespace Corvane::Sentrel {

class ManualClockTimer;

// A clock that stands still until a test moves it. advance() moves the wall
// and the monotonic time together and fires every timer that falls due on
// the way, in time order (timers due at the same moment in the order they
// were started), with now() showing each timer's due time while it fires.
// A repeating timer keeps its phase: it is due again one interval after its
// due time, not after the moment it fired; an interval of 0 repeats every
// millisecond. Timers started or stopped by a timeout slot take part in the
// same advance. setDateTime() moves the wall time alone (a clock change, or a
// jump to just before midnight) and fires nothing.
class ManualClock : public Clock
{
public:
    explicit ManualClock(const QDateTime& start = QDateTime(QDate(2024, 1, 15), QTime(12, 0)));
    ~ManualClock() override;

    QDateTime now() const override { return m_now; }
    qint64 monotonicMsecs() const override { return m_elapsed; }
    ClockTimer* createTimer(QObject* parent = nullptr) override;

    void advance(qint64 msec);
    void setDateTime(const QDateTime& dateTime) { m_now = dateTime; }

private:
    friend class ManualClockTimer;

    void schedule(ManualClockTimer* timer);
    void forget(ManualClockTimer* timer);
    ManualClockTimer* nextDueBy(qint64 msec) const;
    void moveTo(qint64 msec);

    QDateTime m_now;
    qint64 m_elapsed = 0;
    quint64 m_nextSequence = 0;
    QList<ManualClockTimer*> m_timers;
};

} // namespace Corvane::Sentrel
