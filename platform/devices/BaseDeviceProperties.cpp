#include "BaseDeviceProperties.h"

#include "DeviceTypeTable.h"
#include "log/Logger.h"

namespace Corvane::Devices {

BaseDeviceProperties::BaseDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                           const QString& description)
    : m_id(id)
    , m_deviceType(type)
    , m_description(description)
    , m_address(address)
{
}

int BaseDeviceProperties::familyCode() const
{
    return DeviceTypeTable::familyCode(m_deviceType);
}

int BaseDeviceProperties::addressType() const
{
    return DeviceTypeTable::addressType(m_deviceType);
}

void BaseDeviceProperties::getAllowedTypes(QList<DeviceType>& types) const
{
    types = DeviceTypeTable::typesOfGroup(deviceGroup());
}

bool BaseDeviceProperties::isAllowedType(DeviceType type) const
{
    QList<DeviceType> types;
    getAllowedTypes(types);
    return types.contains(type);
}

void BaseDeviceProperties::setDeviceType(DeviceType type)
{
    if (type == m_deviceType)
        return;
    if (!isAllowedType(type)) {
        Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << " type " << qint64(type)
                                        << " does not belong to the family of device "
                                        << qint64(m_id);
        return;
    }
    m_deviceType = type;
    handleDeviceTypeChanged();
    notifyChange();
}

void BaseDeviceProperties::setDescription(const QString& description)
{
    assign(m_description, description);
}

void BaseDeviceProperties::setAddress(const DeviceAddress& address)
{
    assign(m_address, address);
}

bool BaseDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    return deviceGroup() == other.deviceGroup() && m_id == other.m_id
        && m_deviceType == other.m_deviceType && m_description == other.m_description
        && m_address == other.m_address;
}

} // namespace Corvane::Devices
