#pragma once

#include "pravikdriver/Message.h"

#include <QDate>

namespace Corvane::Sentrel {

class PseudoDriver;
class SimulationRandom;

// The simulated gateway's answers to the data requests of energy meters:
// instant values, day and month totals, and the hourly and daily series of
// both energy interfaces. The new interface answers in one message per hour
// or day, the old one in numbered frames whose filler bytes are random.
// Every answer is handed over with the driver's monitor flag (true). Each
// respondTo... operation returns true when it recognised the request and has
// handed its answer to the driver's listeners.
class EnergyAnswers
{
public:
    EnergyAnswers(PseudoDriver& driver, SimulationRandom& random);

    // The instant value, which comes before the automatic updates in the
    // driver's order.
    bool respondToInstantData(const PravikDriver::Message& request);
    // Totals and series, in their order; true when one took the request.
    bool respond(const PravikDriver::Message& request);

    bool respondToEnergyCurrentDayTotal(const PravikDriver::Message& request);
    bool respondToEnergyDayPerHour(const PravikDriver::Message& request);
    bool respondToEnergyCurrentMonthTotal(const PravikDriver::Message& request);
    bool respondToEnergyMonthTotal(const PravikDriver::Message& request);
    bool respondToEnergyMonthPerDay(const PravikDriver::Message& request);
    bool respondToEnergyMonthPerHour(const PravikDriver::Message& request);
    bool respondToEnergyMonthPerDayPrev(const PravikDriver::Message& request);

    // The year of month within the twelve months that end with today's (a
    // year earlier for previousYear), and how many of its days have passed:
    // today's day in the current month, else the month's length.
    static void deduceMonthPerDayYearDaysCount(int month, bool previousYear, const QDate& today, int& year,
                                               int& daysCount);

    static const int MAX_DAYS_IN_MONTH = 31;
    // Old-interface frames carry random bytes below this bound as filler.
    static const int FILLER_BOUND = 245;

private:
    bool respondToEnergyMonthPerDay(const PravikDriver::Message& request, bool previousYear);
    void deliver(const PravikDriver::Message& message);
    void deliverValue(const PravikDriver::Message& request, int value);
    void deliverOldFrames(const PravikDriver::Message& request, int dimension, const QList<int>& qualifiers,
                          const QList<int>& fillersPerFrame);
    // The total of count days of random hourly values.
    int randomDaysTotal(int count);
    QDateTime now() const;

    PseudoDriver& m_driver;
    SimulationRandom& m_random;
};

} // namespace Corvane::Sentrel
