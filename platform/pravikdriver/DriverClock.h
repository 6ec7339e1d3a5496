#pragma once

#include <QtGlobal>

class QObject;

namespace Corvane::PravikDriver {

class DriverTimer;

// Where a driver reads the time and gets its timers (connection, heartbeat,
// silence, response, reconnection and closing), so that tests can run a
// driver against a real socket on a clock they move by hand.
class DriverClock
{
public:
    virtual ~DriverClock();

    // The computer's clock (QElapsedTimer and QTimer).
    static DriverClock* system();

    // Milliseconds since an arbitrary start; never goes back.
    virtual qint64 monotonicMsecs() const = 0;
    // A new stopped, repeating timer owned by parent.
    virtual DriverTimer* createTimer(QObject* parent) = 0;
};

} // namespace Corvane::PravikDriver
