#pragma once

#include <QList>
#include <QMetaType>

namespace Corvane::Devices {

// The bus address of a device: area (A), point (PL), bus level and interface,
// plus the PUL flag and the groups the device belongs to. A default-made
// address is the empty address (every field EMPTY_INT_VALUE, PUL 0, no group).
class DeviceAddress
{
public:
    static const int EMPTY_INT_VALUE;

    // Special areas: the whole installation, an ambient (PL holds its
    // number) and a group (PL holds the group number).
    static const int ADDRESS_GEN;
    static const int ADDRESS_AMB;
    static const int ADDRESS_GR;

    static const int LEVEL_PRIVATE_RISER;
    static const int LEVEL_LOCAL_BUS;

    static const int DEFAULT_AREA_VALUE;
    static const int DEFAULT_POINT_VALUE;
    static const int DEFAULT_LEVEL_VALUE;
    static const int DEFAULT_INTERFACE_VALUE;

    static const int MAX_GROUPS_COUNT;
    static const int MIN_GROUP;
    static const int MAX_GROUP;

    DeviceAddress();
    DeviceAddress(int area, int point, int level, int interface, int pul = 0,
                  const QList<int>& groups = {});

    int area() const { return m_area; }
    int point() const { return m_point; }
    int level() const { return m_level; }
    int interface() const { return m_interface; }
    int pul() const { return m_pul; }
    QList<int> groups() const { return m_groups; }

    // The address classes a driver distinguishes by the area.
    bool isGeneral() const { return m_area == ADDRESS_GEN; }
    bool isAmbient() const { return m_area == ADDRESS_AMB; }
    bool isGroup() const { return m_area == ADDRESS_GR; }

    DeviceAddress clone(int pul) const;
    DeviceAddress clone(const QList<int>& groups) const;
    DeviceAddress cloneWithPulAndGroups(int pul, const QList<int>& groups) const;
    DeviceAddress cloneWithAreaId(int area) const;
    DeviceAddress cloneWithPointId(int point) const;
    DeviceAddress cloneWithLevel(int level) const;
    DeviceAddress cloneWithInterface(int interface) const;

    // True for the empty address and for the address new devices start with.
    bool isDefaultOrEmpty() const;
    bool isEmpty() const;

    bool operator==(const DeviceAddress& other) const;
    bool operator!=(const DeviceAddress& other) const { return !(*this == other); }

    static DeviceAddress defaultAddress();

private:
    int m_area;
    int m_point;
    int m_level;
    int m_interface;
    int m_pul;
    QList<int> m_groups;
};

} // namespace Corvane::Devices

Q_DECLARE_METATYPE(Corvane::Devices::DeviceAddress)
