#pragma once

#include "BaseDeviceProperties.h"

namespace Corvane::Devices {

// An amplifier of the sound system; its address holds the area (A) and the point (PF).
class AmplifierDeviceProperties : public BaseDeviceProperties
{
public:
    static const DeviceType AMPLIFIER_DEVICE_TYPE;

    AmplifierDeviceProperties(int id, const DeviceAddress& address, const QString& description);
    AmplifierDeviceProperties(int id, DeviceType type, const DeviceAddress& address, const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Amplifiers; }
};

} // namespace Corvane::Devices
