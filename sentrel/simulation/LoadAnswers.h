#pragma once

#include "pravikdriver/Message.h"

#include <QDateTime>

namespace Corvane::Sentrel {

class PseudoDriver;
class SimulationRandom;

// The simulated gateway's answers to the load-management requests: a load's
// status, forcing it on or off, and reading or resetting its two counters.
// Each respondTo... operation returns true when it recognised the request
// and has handed its answer to the driver's listeners.
class LoadAnswers
{
public:
    // How far back a counter's simulated reset date may lie.
    static constexpr int COUNTER_RESET_YEARS_BACK = 5;
    static constexpr int COUNTER_VALUE_MIN = 10;
    static constexpr int COUNTER_VALUE_MAX = 100;

    LoadAnswers(PseudoDriver& driver, SimulationRandom& random);

    // Offers the request to the answers in their order; true when one took it.
    bool respond(const PravikDriver::Message& request);

    bool respondToLoadStatus(const PravikDriver::Message& request);
    bool respondToResetLoad(const PravikDriver::Message& request);
    bool respondToRefreshLoad(const PravikDriver::Message& request);
    bool respondToForceLoadActuator(const PravikDriver::Message& request);

    // A moment of the last five years, never after now.
    QDateTime randomResetTime(const QDateTime& now);

private:
    void deliver(const PravikDriver::Message& message);
    // The counter (1 or 2) that the request asks about, 0 for none.
    static int counterOf(const PravikDriver::Message& request,
                         PravikDriver::Message (*factory)(const QString&, int));
    static QList<int> counterValues(int counter, int value, const QDateTime& time);

    PseudoDriver& m_driver;
    SimulationRandom& m_random;
};

} // namespace Corvane::Sentrel
