#include "AmplifierDeviceProperties.h"

namespace Corvane::Devices {

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
