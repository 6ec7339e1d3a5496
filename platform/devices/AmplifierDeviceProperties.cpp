#include "AmplifierDeviceProperties.h"

namespace Corvane::Devices {

const BaseDeviceProperties::DeviceType AmplifierDeviceProperties::AMPLIFIER_DEVICE_TYPE = 23003;

AmplifierDeviceProperties::AmplifierDeviceProperties(int id, const DeviceAddress& address,
                                                     const QString& description)
    : BaseDeviceProperties(id, AMPLIFIER_DEVICE_TYPE, address, description)
{
}

AmplifierDeviceProperties::AmplifierDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* AmplifierDeviceProperties::clone() const
{
    return new AmplifierDeviceProperties(*this);
}

} // namespace Corvane::Devices
