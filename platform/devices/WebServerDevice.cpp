#include "WebServerDevice.h"

namespace Corvane::Devices {

WebServerDevice::WebServerDevice(const WebServerDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

} // namespace Corvane::Devices
