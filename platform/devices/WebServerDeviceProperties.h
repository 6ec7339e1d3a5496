#pragma once

#include "BaseDeviceProperties.h"
#include "DeviceNetworkAddress.h"

namespace Corvane::Devices {

// A gateway (plant): how to reach it, whether Sentrel shows its information
// page, and the kind of sound system behind it.
class WebServerDeviceProperties : public BaseDeviceProperties
{
public:
    static const DeviceType WEBSERVER_DEVICE_TYPE;

    explicit WebServerDeviceProperties(int id,
                                       const DeviceNetworkAddress& networkAddress = DeviceNetworkAddress(),
                                       const QString& description = QString(),
                                       bool viewerEnabled = true);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return WebServers; }

    DeviceNetworkAddress networkAddress() const { return m_networkAddress; }
    void setNetAddress(const DeviceNetworkAddress& address);
    bool viewerEnabled() const { return m_viewerEnabled; }
    void setViewerEnabled(bool enabled);
    // 0 basic, 1 all areas; any other value is stored as 1.
    int soundSystemType() const { return m_soundSystemType; }
    void setSoundSystemType(int type);

    bool isEqual(const BaseDeviceProperties& other) const override;

private:
    DeviceNetworkAddress m_networkAddress;
    bool m_viewerEnabled;
    int m_soundSystemType = 0;
};

} // namespace Corvane::Devices
