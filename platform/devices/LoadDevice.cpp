#include "LoadDevice.h"

namespace Corvane::Devices {

LoadDevice::LoadDevice(const LoadDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

} // namespace Corvane::Devices
