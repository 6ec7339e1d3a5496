#include "DeviceAddress.h"

namespace Corvane::Devices {

const int DeviceAddress::EMPTY_INT_VALUE = -1;

// The special areas lie outside every numeric range an address rule allows
// (energy meters and scenario PLUS use areas up to 255).
const int DeviceAddress::ADDRESS_GEN = 1000;
const int DeviceAddress::ADDRESS_AMB = 1001;
const int DeviceAddress::ADDRESS_GR = 1002;

const int DeviceAddress::LEVEL_PRIVATE_RISER = 3;
const int DeviceAddress::LEVEL_LOCAL_BUS = 4;

const int DeviceAddress::DEFAULT_AREA_VALUE = 1;
const int DeviceAddress::DEFAULT_POINT_VALUE = 1;
const int DeviceAddress::DEFAULT_LEVEL_VALUE = DeviceAddress::LEVEL_PRIVATE_RISER;
const int DeviceAddress::DEFAULT_INTERFACE_VALUE = 1;

const int DeviceAddress::MAX_GROUPS_COUNT = 10;
const int DeviceAddress::MIN_GROUP = 1;
const int DeviceAddress::MAX_GROUP = 255;

DeviceAddress::DeviceAddress()
    : DeviceAddress(EMPTY_INT_VALUE, EMPTY_INT_VALUE, EMPTY_INT_VALUE, EMPTY_INT_VALUE)
{
}

DeviceAddress::DeviceAddress(int area, int point, int level, int interface, int pul,
                             const QList<int>& groups)
    : m_area(area)
    , m_point(point)
    , m_level(level)
    , m_interface(interface)
    , m_pul(pul)
    , m_groups(groups)
{
}

DeviceAddress DeviceAddress::clone(int pul) const
{
    return cloneWithPulAndGroups(pul, m_groups);
}

DeviceAddress DeviceAddress::clone(const QList<int>& groups) const
{
    return cloneWithPulAndGroups(m_pul, groups);
}

DeviceAddress DeviceAddress::cloneWithPulAndGroups(int pul, const QList<int>& groups) const
{
    return DeviceAddress(m_area, m_point, m_level, m_interface, pul, groups);
}

DeviceAddress DeviceAddress::cloneWithAreaId(int area) const
{
    return DeviceAddress(area, m_point, m_level, m_interface, m_pul, m_groups);
}

DeviceAddress DeviceAddress::cloneWithPointId(int point) const
{
    return DeviceAddress(m_area, point, m_level, m_interface, m_pul, m_groups);
}

DeviceAddress DeviceAddress::cloneWithLevel(int level) const
{
    return DeviceAddress(m_area, m_point, level, m_interface, m_pul, m_groups);
}

DeviceAddress DeviceAddress::cloneWithInterface(int interface) const
{
    return DeviceAddress(m_area, m_point, m_level, interface, m_pul, m_groups);
}

bool DeviceAddress::isDefaultOrEmpty() const
{
    const DeviceAddress bare(m_area, m_point, m_level, m_interface);
    return bare == DeviceAddress() || bare == defaultAddress();
}

bool DeviceAddress::isEmpty() const
{
    return *this == DeviceAddress();
}

bool DeviceAddress::operator==(const DeviceAddress& other) const
{
    return m_area == other.m_area && m_point == other.m_point && m_level == other.m_level
        && m_interface == other.m_interface && m_pul == other.m_pul && m_groups == other.m_groups;
}

DeviceAddress DeviceAddress::defaultAddress()
{
    return DeviceAddress(DEFAULT_AREA_VALUE, DEFAULT_POINT_VALUE, DEFAULT_LEVEL_VALUE,
                         DEFAULT_INTERFACE_VALUE);
}

} // namespace Corvane::Devices
