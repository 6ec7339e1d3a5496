#include "ActuatorDevice.h"

#include <algorithm>

namespace Corvane::Devices {

ActuatorDevice::ActuatorDevice(const ActuatorDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

void ActuatorDevice::setLevel(int level)
{
    m_level = std::clamp(level, 0, 100);
}

bool ActuatorDevice::isDimmer() const
{
    return deviceType() != 2003;
}

bool ActuatorDevice::hasValueSteps() const
{
    return deviceType() == 2002 || deviceType() == 2006;
}

double ActuatorDevice::valueStep() const
{
    return hasValueSteps() ? 10.0 : 1.0;
}

QSet<int> ActuatorDevice::invalidValueSteps() const
{
    // A ten-level dimmer has no 10 % level: its lowest lit level is 20 %.
    return hasValueSteps() ? QSet<int>{1} : QSet<int>{};
}

} // namespace Corvane::Devices
