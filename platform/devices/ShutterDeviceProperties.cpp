#include "ShutterDeviceProperties.h"

namespace Corvane::Devices {

ShutterDeviceProperties::ShutterDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* ShutterDeviceProperties::clone() const
{
    return new ShutterDeviceProperties(*this);
}

} // namespace Corvane::Devices
