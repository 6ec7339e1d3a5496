#include "DeviceNetworkAddress.h"

namespace Corvane::Devices {

const QString DeviceNetworkAddress::IP_DEFAULT_VALUE = QStringLiteral("0.0.0.0");
const int DeviceNetworkAddress::UC_DEFAULT_VALUE = 0;
const QString DeviceNetworkAddress::PASSWORD_DEFAULT_VALUE = QStringLiteral("12345");
const int DeviceNetworkAddress::DEFAULT_PORT = 20000;
const int DeviceNetworkAddress::DEFAULT_FC = 0;

DeviceNetworkAddress::DeviceNetworkAddress()
    : DeviceNetworkAddress(StaticIp, IP_DEFAULT_VALUE, UC_DEFAULT_VALUE, PASSWORD_DEFAULT_VALUE)
{
}

DeviceNetworkAddress::DeviceNetworkAddress(int ipAddressType, const QString& ip, int uc,
                                           const QString& password, int port, int fc)
    : m_ipAddressType(ipAddressType)
    , m_ip(ip)
    , m_uc(uc)
    , m_password(password)
    , m_port(port)
    , m_fc(fc)
{
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithType(int ipAddressType) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_ipAddressType = ipAddressType;
    return copy;
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithIP(const QString& ip) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_ip = ip;
    return copy;
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithUC(int uc) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_uc = uc;
    return copy;
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithPass(const QString& password) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_password = password;
    return copy;
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithPort(int port) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_port = port;
    return copy;
}

DeviceNetworkAddress DeviceNetworkAddress::cloneWithFC(int fc) const
{
    DeviceNetworkAddress copy(*this);
    copy.m_fc = fc;
    return copy;
}

bool DeviceNetworkAddress::operator==(const DeviceNetworkAddress& other) const
{
    return m_ipAddressType == other.m_ipAddressType && m_ip == other.m_ip && m_uc == other.m_uc
        && m_password == other.m_password && m_port == other.m_port && m_fc == other.m_fc;
}

} // namespace Corvane::Devices
