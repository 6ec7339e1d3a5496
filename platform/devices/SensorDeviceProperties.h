#pragma once

#include "BaseDeviceProperties.h"

namespace Corvane::Devices {

// A light sensor, a presence sensor or a sensor that is both.
class SensorDeviceProperties : public BaseDeviceProperties
{
public:
    SensorDeviceProperties(int id, DeviceType type, const DeviceAddress& address, const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Sensors; }
};

} // namespace Corvane::Devices
