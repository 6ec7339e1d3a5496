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
    static QString getEnergyTypeString(int energyDeviceType);
    static QString getCurrencyString(int currency);
};

} // namespace Corvane::Devices
