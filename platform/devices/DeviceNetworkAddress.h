#pragma once

#include <QString>

namespace Corvane::Devices {

// How a gateway is reached: by a fixed IP address, or found on the network
// by its univocal code. The PravikNet password authenticates either way.
class DeviceNetworkAddress
{
public:
    enum IpAddressType {
        StaticIp = 0,
        DynamicIp = 1,
    };

    static const QString IP_DEFAULT_VALUE;
    static const int UC_DEFAULT_VALUE;
    static const QString PASSWORD_DEFAULT_VALUE;
    static const int DEFAULT_PORT;
    static const int DEFAULT_FC;

    DeviceNetworkAddress();
    DeviceNetworkAddress(int ipAddressType, const QString& ip, int uc, const QString& password,
                         int port = DEFAULT_PORT, int fc = DEFAULT_FC);

    int ipAddressType() const { return m_ipAddressType; }
    QString ip() const { return m_ip; }
    int uc() const { return m_uc; }
    QString password() const { return m_password; }
    int port() const { return m_port; }
    int fc() const { return m_fc; }

    DeviceNetworkAddress cloneWithType(int ipAddressType) const;
    DeviceNetworkAddress cloneWithIP(const QString& ip) const;
    DeviceNetworkAddress cloneWithUC(int uc) const;
    DeviceNetworkAddress cloneWithPass(const QString& password) const;
    DeviceNetworkAddress cloneWithPort(int port) const;
    DeviceNetworkAddress cloneWithFC(int fc) const;

    bool operator==(const DeviceNetworkAddress& other) const;
    bool operator!=(const DeviceNetworkAddress& other) const { return !(*this == other); }

private:
    int m_ipAddressType;
    QString m_ip;
    int m_uc;
    QString m_password;
    int m_port;
    int m_fc;
};

} // namespace Corvane::Devices
