#include "SensorDeviceProperties.h"

namespace Corvane::Devices {

SensorDeviceProperties::SensorDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* SensorDeviceProperties::clone() const
{
    return new SensorDeviceProperties(*this);
}

} // namespace Corvane::Devices
