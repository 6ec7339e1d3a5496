#include "PresenceSensorDevice.h"

namespace Corvane::Devices {

PresenceSensorDevice::PresenceSensorDevice(const SensorDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

} // namespace Corvane::Devices
