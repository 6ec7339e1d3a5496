#pragma once

#include "BaseDevice.h"
#include "WebServerDeviceProperties.h"

#include <QDate>
#include <QTime>

namespace Corvane::Devices {

// A gateway at run time: what it reported about itself.
class WebServerDevice : public BaseDevice
{
public:
    // serverId is the gateway's own id.
    WebServerDevice(const WebServerDeviceProperties& properties, int serverId);

    const WebServerDeviceProperties& webServerProperties() const
    {
        return propertiesAs<WebServerDeviceProperties>();
    }

    QTime time() const { return m_time; }
    void setTime(const QTime& time) { m_time = time; }
    QDate date() const { return m_date; }
    void setDate(const QDate& date) { m_date = date; }
    QString ip() const { return m_ip; }
    void setIP(const QString& ip) { m_ip = ip; }
    QString netMask() const { return m_netMask; }
    void setNetMask(const QString& mask) { m_netMask = mask; }
    QString macAddress() const { return m_macAddress; }
    void setMacAddress(const QString& mac) { m_macAddress = mac; }
    QString reportedDeviceType() const { return m_reportedDeviceType; }
    void setDeviceType(const QString& type) { m_reportedDeviceType = type; }
    QString firmwareVersion() const { return m_firmwareVersion; }
    void setFirmwareVersion(const QString& version) { m_firmwareVersion = version; }
    qint64 uptimeSecs() const { return m_uptimeSecs; }
    void setUptimeSecs(qint64 seconds) { m_uptimeSecs = seconds; }

private:
    QTime m_time;
    QDate m_date;
    QString m_ip;
    QString m_netMask;
    QString m_macAddress;
    QString m_reportedDeviceType;
    QString m_firmwareVersion;
    qint64 m_uptimeSecs = 0;
};

} // namespace Corvane::Devices
