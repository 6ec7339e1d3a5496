#include "ShutterDevice.h"

namespace Corvane::Devices {

ShutterDevice::ShutterDevice(const ShutterDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

void ShutterDevice::setOpening(bool opening)
{
    m_opening = opening;
    if (opening)
        m_closing = false;
}

void ShutterDevice::setClosing(bool closing)
{
    m_closing = closing;
    if (closing)
        m_opening = false;
}

} // namespace Corvane::Devices
