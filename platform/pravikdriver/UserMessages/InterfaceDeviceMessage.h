#pragma once

#include "pravikdriver/Message.h"

#include <QDate>
#include <QTime>

namespace Corvane::PravikDriver::UserMessages {

// A gateway's report about itself; each message fills the fields of one
// setting and leaves the others null, empty or 0.
class InterfaceDeviceMessage
{
public:
    explicit InterfaceDeviceMessage(const Message& message);

    static bool canDecode(const Message& message);
    // The article text of a gateway device-type code.
    static QString deviceTypeText(int code);

    QTime time() const { return m_time; }
    QDate date() const { return m_date; }
    QString ipAddress() const { return m_ipAddress; }
    QString netMask() const { return m_netMask; }
    QString macAddress() const { return m_macAddress; }
    QString deviceType() const { return m_deviceType; }
    QString firmwareVersion() const { return m_firmwareVersion; }
    qint64 uptimeSeconds() const { return m_uptimeSeconds; }

private:
    void decode(const Message& message);

    QTime m_time;
    QDate m_date;
    QString m_ipAddress;
    QString m_netMask;
    QString m_macAddress;
    QString m_deviceType;
    QString m_firmwareVersion;
    qint64 m_uptimeSeconds = 0;
};

} // namespace Corvane::PravikDriver::UserMessages
