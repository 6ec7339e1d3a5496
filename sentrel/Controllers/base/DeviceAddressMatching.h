#pragma once

#include "devices/BaseDeviceProperties.h"
#include "pravikdriver/Address.h"

#include <QList>
#include <QMap>
#include <QString>

namespace Corvane::Devices {
class BaseDevice;
class DeviceAddress;
} // namespace Corvane::Devices
namespace Corvane::PravikDriver {
class OpenDriver;
}

namespace Corvane::Sentrel::Controllers {

// Finds a page controller's devices from the addresses of the gateways'
// messages: the address text of a device as sent and as compared, the point
// devices at an address, and the devices that a group, ambient or general
// command reaches. Works on the controller's device list and driver map,
// which must outlive it.
class DeviceAddressMatching
{
public:
    using DriverMap = QMap<int, PravikDriver::OpenDriver*>;

    DeviceAddressMatching(const QList<Devices::BaseDevice*>& devices, const DriverMap& drivers);

    static int addressType(const Devices::DeviceAddress& address);
    // Group, ambient and general addresses.
    static bool isCommandAddress(const Devices::DeviceAddress& address);
    static QString addressText(const Devices::DeviceAddress& address, PravikDriver::Address::DeviceType type,
                               PravikDriver::Address::Direction direction);
    static PravikDriver::Address::DeviceType addressDeviceType(Devices::BaseDeviceProperties::DeviceType deviceType);

    // Indices of the devices on that driver whose address is the message's;
    // group, ambient and general devices only with includeSpecial.
    QList<int> indicesByAddress(const QString& address, const PravikDriver::OpenDriver* driver,
                                bool includeSpecial) const;
    // The point devices on that driver that a group, ambient or general
    // command reaches.
    QList<Devices::BaseDevice*> devicesForGroupAddress(const QString& address,
                                                       const PravikDriver::OpenDriver* driver) const;
    // The point devices of the address; when there are none, the devices of
    // the family with a known state that the command address covers, and
    // fromGroup is set.
    QList<Devices::BaseDevice*> devicesForMessage(const QString& address, const PravikDriver::OpenDriver* driver,
                                                  int familyCode, bool* fromGroup) const;

private:
    static bool matches(const Devices::DeviceAddress& own, PravikDriver::Address::DeviceType type,
                        const QString& address);
    static bool reaches(const PravikDriver::Address& target, const Devices::DeviceAddress& own);
    bool isOnDriver(const Devices::BaseDevice* device, const PravikDriver::OpenDriver* driver) const;

    const QList<Devices::BaseDevice*>& m_devices;
    const DriverMap& m_drivers;
};

} // namespace Corvane::Sentrel::Controllers
