#include "tablemodels/SoundSourceDeviceModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/StringConsts.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceAddress;

SoundSourceDeviceModel::SoundSourceDeviceModel(const DeviceAddress& address, const QString& description,
                                               Devices::BaseDeviceProperties::DeviceType type, int originalDeviceId,
                                               int addressType, QObject* parent)
    : BaseModel(parent)
    , m_deviceId(originalDeviceId)
    , m_description(description)
    , m_deviceType(type)
    , m_address(address)
    , m_addressType(addressType)
{
}

DeviceAddress SoundSourceDeviceModel::newSourceAddress()
{
    return DeviceAddress(1, DeviceAddress::DEFAULT_POINT_VALUE, DeviceAddress::LEVEL_PRIVATE_RISER,
                         DeviceAddress::DEFAULT_INTERFACE_VALUE);
}

int SoundSourceDeviceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

int SoundSourceDeviceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SoundSourceDeviceModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == COLUMN_LABEL_INDEX) {
        if (role != Qt::DisplayRole)
            return {};
        switch (index.row()) {
        case ROW_ADDRESS_INDEX:
            return tr("Address");
        case ROW_DESCRIPTION_INDEX:
            return tr("Description");
        default:
            return tr("Type");
        }
    }
    return value(index.row(), role);
}

QVariant SoundSourceDeviceModel::value(int row, int role) const
{
    switch (row) {
    case ROW_ADDRESS_INDEX:
        if (role == Qt::DisplayRole)
            return ConfigUtilities::addressString(m_address, m_deviceType);
        if (role == Qt::EditRole)
            return QVariant::fromValue(m_address);
        return {};
    case ROW_DESCRIPTION_INDEX:
        if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::UserRole)
            return m_description;
        return {};
    default:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return Devices::StringConsts::getDeviceTypeString(m_deviceType);
        if (role == Qt::UserRole)
            return m_deviceType;
        if (role == Qt::DecorationRole)
            return QIcon(ConfigUtilities::getDeviceIconPath(m_deviceType));
        return {};
    }
}

bool SoundSourceDeviceModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != COLUMN_VALUE_INDEX)
        return false;
    switch (index.row()) {
    case ROW_ADDRESS_INDEX:
        m_address = value.canConvert<DeviceAddress>() ? value.value<DeviceAddress>() : DeviceAddress();
        break;
    case ROW_DESCRIPTION_INDEX:
        m_description = value.toString();
        break;
    default:
        m_deviceType = value.toInt();
        break;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags SoundSourceDeviceModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == COLUMN_VALUE_INDEX)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage SoundSourceDeviceModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid())
        return BaseMessageProvider::getHelpMessage(index);
    switch (index.row()) {
    case ROW_ADDRESS_INDEX:
        return {tr("Address"), tr("Assign an address to the sound source")};
    case ROW_DESCRIPTION_INDEX:
        return {tr("Description"), tr("Set the description of the sound source")};
    case ROW_DEVICE_TYPE_INDEX:
        return {tr("Type"), tr("Choose the proper source type")};
    default:
        return BaseMessageProvider::getHelpMessage(index);
    }
}

} // namespace Corvane::Configurator::TableModels
