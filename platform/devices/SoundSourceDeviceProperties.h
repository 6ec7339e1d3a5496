#pragma once

#include "BaseDeviceProperties.h"

namespace Corvane::Devices {

// A sound source: a tuner (stations) or a track player.
class SoundSourceDeviceProperties : public BaseDeviceProperties
{
public:
    SoundSourceDeviceProperties(int id, DeviceType type, const DeviceAddress& address, const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return SoundSources; }
};

} // namespace Corvane::Devices
