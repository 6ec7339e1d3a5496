#include "LightSensorDevice.h"

namespace Corvane::Devices {

LightSensorDevice::LightSensorDevice(const SensorDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

} // namespace Corvane::Devices
