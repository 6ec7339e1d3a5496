#pragma once

#include <QtGlobal>

namespace Corvane::Sentrel {

class SimulationRandom;

// What the meters of a home read, by the instant-value dimension of their
// kind, in the meters' own units: watts and watt-hours of electricity, cubic
// metres of gas and water; heat is a heating's kilowatts (kilowatt-hours) or
// a hot-water meter's cubic metres, which the gateway does not tell apart.
class HomeMeterRanges
{
public:
    HomeMeterRanges() = delete;

    // The largest instant value (per hour for gas and water).
    static int instantMaximum(int instantDimension);
    // The consumption of one hour: a reading the gateway keeps for key.
    // Water comes in whole cubic metres, about one a day.
    static int hourReading(int instantDimension, const SimulationRandom& random, quint64 key);
    // The largest reading of one hour.
    static int hourMaximum(int instantDimension);
};

} // namespace Corvane::Sentrel
