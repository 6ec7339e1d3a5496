#include "DeviceAddressMatching.h"

#include "devices/BaseDevice.h"
#include "devices/DeviceAddress.h"
#include "pravikdriver/PravikEnums.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::DeviceAddress;
using PravikDriver::Address;

DeviceAddressMatching::DeviceAddressMatching(const QList<BaseDevice*>& devices, const DriverMap& drivers)
    : m_devices(devices)
    , m_drivers(drivers)
{
}

int DeviceAddressMatching::addressType(const DeviceAddress& address)
{
    if (address.isGeneral())
        return PravikDriver::PravikEnums::General;
    if (address.isAmbient())
        return PravikDriver::PravikEnums::Ambient;
    if (address.isGroup())
        return PravikDriver::PravikEnums::Group;
    return PravikDriver::PravikEnums::Point;
}

bool DeviceAddressMatching::isCommandAddress(const DeviceAddress& address)
{
    return address.isGroup() || address.isGeneral() || address.isAmbient();
}

QString DeviceAddressMatching::addressText(const DeviceAddress& address, Address::DeviceType type,
                                           Address::Direction direction)
{
    return Address(addressType(address), type, address.area(), address.point(), address.level(),
                   address.interface())
        .toString(direction);
}

Address::DeviceType DeviceAddressMatching::addressDeviceType(Devices::BaseDeviceProperties::DeviceType deviceType)
{
    switch (deviceType) {
    case 23001:
    case 23002:
    case 23004:
        return Address::SoundSource;
    case 23003:
        return Address::Amplifier;
    case 8002:
        return Address::TemperatureProbe;
    case 8001:
        return Address::ExternalProbe;
    case 8004:
        return Address::Zone4;
    case 8003:
        return Address::Zone99;
    case 4001:
        return Address::BasicAirConditioner;
    case 4003:
        return Address::AdvancedAirConditioner;
    case 7051:
    case 7061:
    case 7071:
    case 7081:
    case 7091:
        return Address::EnergyMeter;
    case 18001:
    case 18002:
        return Address::Load;
    default:
        return Address::Unknown;
    }
}

QList<int> DeviceAddressMatching::indicesByAddress(const QString& address, const PravikDriver::OpenDriver* driver,
                                                   bool includeSpecial) const
{
    QList<int> indices;
    for (int i = 0; i < m_devices.size(); ++i) {
        const BaseDevice* device = m_devices.at(i);
        const DeviceAddress own = device->address();
        if ((!includeSpecial && isCommandAddress(own)) || !isOnDriver(device, driver))
            continue;
        if (matches(own, addressDeviceType(device->deviceType()), address))
            indices.append(i);
    }
    return indices;
}

bool DeviceAddressMatching::matches(const DeviceAddress& own, Address::DeviceType type, const QString& address)
{
    QString text = addressText(own, type, Address::Compare);
    if (text == address)
        return true;
    if (type == Address::Zone99)
        return addressText(own, Address::ZoneText, Address::Compare) == address;
    if (type == Address::SoundSource)
        return text.remove(QStringLiteral("5#")) == address;
    return false;
}

QList<BaseDevice*> DeviceAddressMatching::devicesForGroupAddress(const QString& address,
                                                                 const PravikDriver::OpenDriver* driver) const
{
    const Address target(address);
    if (!target.isValid() || target.kind() == PravikDriver::PravikEnums::Point)
        return {};
    QList<BaseDevice*> reached;
    for (BaseDevice* device : m_devices) {
        const DeviceAddress own = device->address();
        if (!isCommandAddress(own) && isOnDriver(device, driver) && reaches(target, own))
            reached.append(device);
    }
    return reached;
}

bool DeviceAddressMatching::reaches(const Address& target, const DeviceAddress& own)
{
    if (target.kind() == PravikDriver::PravikEnums::Ambient && own.area() != target.ambient())
        return false;
    if (target.kind() == PravikDriver::PravikEnums::Group && !own.groups().contains(target.group()))
        return false;
    if (target.kind() != PravikDriver::PravikEnums::Group && own.pul() > 0)
        return false;
    if (target.bus() == Address::PRIVATE_BUS && own.level() != Address::PRIVATE_BUS)
        return false;
    return target.bus() != Address::LOCAL_BUS
           || (own.level() == Address::LOCAL_BUS && own.interface() == target.interface());
}

QList<BaseDevice*> DeviceAddressMatching::devicesForMessage(const QString& address,
                                                            const PravikDriver::OpenDriver* driver, int familyCode,
                                                            bool* fromGroup) const
{
    QList<BaseDevice*> reached;
    for (int index : indicesByAddress(address, driver, false))
        reached.append(m_devices.at(index));
    if (fromGroup)
        *fromGroup = reached.isEmpty();
    if (!reached.isEmpty())
        return reached;
    // A command to several devices changes only those whose state is known:
    // an unknown one stays unknown until its own status arrives.
    for (BaseDevice* device : devicesForGroupAddress(address, driver)) {
        if (device->isStatusKnown() && device->familyCode() == familyCode)
            reached.append(device);
    }
    return reached;
}

bool DeviceAddressMatching::isOnDriver(const BaseDevice* device, const PravikDriver::OpenDriver* driver) const
{
    return m_drivers.value(device->serverId(), nullptr) == driver;
}

} // namespace Corvane::Sentrel::Controllers
