#include "HomeMeterRanges.h"

#include "SimulationRandom.h"

#include "pravikdriver/PravikCodes.h"

namespace Corvane::Sentrel {

using namespace PravikDriver::PravikCodes;

namespace {

// Watts: a household's supply, or a roof's solar panels.
const int ELECTRICITY_WATTS_MAX = 3500;
const int ELECTRICITY_WATT_HOURS_MAX = 1000;
// Cubic metres per hour: a gas boiler and cooker at full power.
const int GAS_MAX = 2;
// Heat counts a heating's kilowatts and a hot-water meter's cubic metres
// alike: one unit at most, a heating's mild hour or every hot tap open.
const int HEAT_MAX = 1;
// Cubic metres per hour: every tap of the home open.
const int WATER_MAX = 1;
// One hour in so many draws a cubic metre of water.
const int WATER_HOURS_PER_CUBIC_METRE = 24;

} // namespace

int HomeMeterRanges::instantMaximum(int instantDimension)
{
    switch (instantDimension) {
    case INSTANT_GAS:
        return GAS_MAX;
    case INSTANT_HEAT:
        return HEAT_MAX;
    case INSTANT_WATER:
        return WATER_MAX;
    default:
        return ELECTRICITY_WATTS_MAX;
    }
}

int HomeMeterRanges::hourMaximum(int instantDimension)
{
    switch (instantDimension) {
    case INSTANT_GAS:
        return GAS_MAX;
    case INSTANT_HEAT:
        return HEAT_MAX;
    case INSTANT_WATER:
        return WATER_MAX;
    default:
        return ELECTRICITY_WATT_HOURS_MAX;
    }
}

int HomeMeterRanges::hourReading(int instantDimension, const SimulationRandom& random, quint64 key)
{
    if (instantDimension == INSTANT_WATER)
        return random.reading(key, WATER_HOURS_PER_CUBIC_METRE) == 0 ? WATER_MAX : 0;
    return random.reading(key, hourMaximum(instantDimension) + 1);
}

} // namespace Corvane::Sentrel
