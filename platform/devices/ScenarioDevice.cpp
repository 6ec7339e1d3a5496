#include "ScenarioDevice.h"

namespace Corvane::Devices {

ScenarioDevice::ScenarioDevice(const ScenarioDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

} // namespace Corvane::Devices
