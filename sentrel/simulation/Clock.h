#pragma once

#include <QDateTime>

class QObject;

namespace Corvane::Sentrel {

class ClockTimer;

// Where Sentrel's code reads the time and gets its timers, so that tests can
// run it on a manual clock (ManualClock) instead of waiting. Code without a
// clock of its own uses Clock::program(); classes that take a Clock* treat
// null as that clock.
class Clock
{
public:
    virtual ~Clock();

    // The computer's clock: QDateTime for the wall time, QElapsedTimer for the
    // monotonic time, QTimer for the timers.
    static Clock* system();
    // The clock the program runs on: the computer's, unless a test installed
    // another one with setProgramClock().
    static Clock* program();
    // Installs the clock that program() returns, and that the date helpers
    // of the Utilities library read; null restores the computer's. The caller keeps ownership and must restore it before the
    // clock goes away.
    static void setProgramClock(Clock* clock);
    // clock, or the program's clock when clock is null.
    static Clock* orSystem(Clock* clock) { return clock ? clock : program(); }

    // Local wall-clock date and time; may jump (midnight, user changes).
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start; never goes back. Use it to
    // measure waits.
    virtual qint64 monotonicMsecs() const = 0;
    // A new stopped, repeating timer with interval 0, owned by parent.
    virtual ClockTimer* createTimer(QObject* parent = nullptr) = 0;
};

} // namespace Corvane::Sentrel
