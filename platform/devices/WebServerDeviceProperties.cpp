#include "WebServerDeviceProperties.h"

namespace Corvane::Devices {

const BaseDeviceProperties::DeviceType WebServerDeviceProperties::WEBSERVER_DEVICE_TYPE = 22001;

WebServerDeviceProperties::WebServerDeviceProperties(int id,
                                                     const DeviceNetworkAddress& networkAddress,
                                                     const QString& description, bool viewerEnabled)
    : BaseDeviceProperties(id, WEBSERVER_DEVICE_TYPE, DeviceAddress(), description)
    , m_networkAddress(networkAddress)
    , m_viewerEnabled(viewerEnabled)
{
}

BaseDeviceProperties* WebServerDeviceProperties::clone() const
{
    return new WebServerDeviceProperties(*this);
}

void WebServerDeviceProperties::setNetAddress(const DeviceNetworkAddress& address)
{
    assign(m_networkAddress, address);
}

void WebServerDeviceProperties::setViewerEnabled(bool enabled)
{
    assign(m_viewerEnabled, enabled);
}

void WebServerDeviceProperties::setSoundSystemType(int type)
{
    assign(m_soundSystemType, type == 0 ? 0 : 1);
}

bool WebServerDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!BaseDeviceProperties::isEqual(other))
        return false;
    const auto& server = static_cast<const WebServerDeviceProperties&>(other);
    return m_networkAddress == server.m_networkAddress
        && m_viewerEnabled == server.m_viewerEnabled
        && m_soundSystemType == server.m_soundSystemType;
}

} // namespace Corvane::Devices
