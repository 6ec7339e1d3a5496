#include "ActuatorDeviceProperties.h"

namespace Corvane::Devices {

ActuatorDeviceProperties::ActuatorDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* ActuatorDeviceProperties::clone() const
{
    return new ActuatorDeviceProperties(*this);
}

} // namespace Corvane::Devices
