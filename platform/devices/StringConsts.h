#pragma once

#include <QString>

namespace Corvane::Devices {

// Translated names of device types, units, energy types and currencies.
class StringConsts
{
public:
    StringConsts() = delete;

    static QString getDeviceTypeString(int deviceType);
    static QString getMeasurementUnitString(int unit);
    // The unit of a meter's instant value, a rate: kW for a meter counting
    // kWh, the volume per hour for the others.
    static QString getInstantUnitString(int unit);
    static QString getEnergyTypeString(int energyDeviceType);
    static QString getCurrencyString(int currency);
    // The currency per hour, the unit of an instant value's cost.
    static QString getCurrencyRateString(int currency);
};

} // namespace Corvane::Devices
