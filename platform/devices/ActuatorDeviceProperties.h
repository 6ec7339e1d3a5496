#pragma once

#include "BaseDeviceProperties.h"

namespace Corvane::Devices {

// A light: switch, 10-level or 100-level dimmer.
class ActuatorDeviceProperties : public BaseDeviceProperties
{
public:
    ActuatorDeviceProperties(int id, DeviceType type, const DeviceAddress& address, const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Lights; }
};

} // namespace Corvane::Devices
