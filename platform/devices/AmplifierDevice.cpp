#include "AmplifierDevice.h"

#include <algorithm>

namespace Corvane::Devices {

const int AmplifierDevice::MAX_VOLUME = 31;

AmplifierDevice::AmplifierDevice(const AmplifierDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

void AmplifierDevice::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, MAX_VOLUME);
}

} // namespace Corvane::Devices
