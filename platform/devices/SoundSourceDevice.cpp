#include "SoundSourceDevice.h"

namespace Corvane::Devices {

SoundSourceDevice::SoundSourceDevice(const SoundSourceDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

SoundSourceDevice::Kind SoundSourceDevice::kind() const
{
    switch (deviceType()) {
    case 23002:
        return TrackPlayer;
    case 23004:
        return MediaPlayer;
    default:
        return Tuner;
    }
}

} // namespace Corvane::Devices
