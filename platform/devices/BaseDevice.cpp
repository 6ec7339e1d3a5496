#include "BaseDevice.h"

namespace Corvane::Devices {

BaseDevice::BaseDevice(const BaseDeviceProperties& properties, int serverId)
    : m_properties(properties.clone())
    , m_serverId(serverId)
{
}

BaseDevice::~BaseDevice() = default;

QString BaseDevice::name() const
{
    return hasCustomName() ? m_customName : m_properties->description();
}

void BaseDevice::setCustomName(const QString& name)
{
    m_customName = name.trimmed();
}

QString BaseDevice::displayName(int) const
{
    return name();
}

} // namespace Corvane::Devices
