#pragma once

#include "BaseDeviceProperties.h"

namespace Corvane::Devices {

// A shutter or curtain motor.
class ShutterDeviceProperties : public BaseDeviceProperties
{
public:
    ShutterDeviceProperties(int id, DeviceType type, const DeviceAddress& address, const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Automation; }
};

} // namespace Corvane::Devices
