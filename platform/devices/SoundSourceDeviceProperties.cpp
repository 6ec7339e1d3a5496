#include "SoundSourceDeviceProperties.h"

namespace Corvane::Devices {

SoundSourceDeviceProperties::SoundSourceDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* SoundSourceDeviceProperties::clone() const
{
    return new SoundSourceDeviceProperties(*this);
}

} // namespace Corvane::Devices
