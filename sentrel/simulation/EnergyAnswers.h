#pragma once

#include "pravikdriver/Message.h"

#include <QDate>

namespace Corvane::Sentrel {

class PseudoDriver;
class SimulationRandom;

// The simulated gateway's answers to the data requests of energy meters:
// instant values, day and month totals, and the hourly and daily series of
// both energy interfaces, all from one reading per hour and meter. The new interface answers in one message per hour
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

    static constexpr int MAX_DAYS_IN_MONTH = 31;
    // Old-interface frames carry random bytes below this bound as filler.
    static constexpr int FILLER_BOUND = 245;

private:
    bool respondToEnergyMonthPerDay(const PravikDriver::Message& request, bool previousYear);
    void deliver(const PravikDriver::Message& message);
    void deliverValue(const PravikDriver::Message& request, int value);
    void deliverOldFrames(const PravikDriver::Message& request, int dimension, const QList<int>& qualifiers,
                          const QList<int>& fillersPerFrame);
    // Every hour of every day of a meter has its reading, the same in every
    // answer, so that each total is the sum of the series that shows it.
    int hourReading(const QString& address, const QDate& date, int hour) const;
    // The hours of the day that have passed: all of a past day, those before
    // the current hour today, none of a day to come.
    int hoursPassed(const QDate& date) const;
    // The 24 readings of the day, 0 for the hours that have not passed.
    QList<int> dayHours(const QString& address, const QDate& date) const;
    int dayTotal(const QString& address, const QDate& date) const;
    int monthTotal(const QString& address, int year, int month) const;
    QDateTime now() const;

    PseudoDriver& m_driver;
    SimulationRandom& m_random;
};

} // namespace Corvane::Sentrel
