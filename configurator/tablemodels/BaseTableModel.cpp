#include "tablemodels/BaseTableModel.h"

#include "devices/BaseDeviceProperties.h"
#include "devices/ConfigUtilities.h"
#include "devices/StringConsts.h"
#include "devices/addressverification/AddressVerifier.h"
#include "log/Logger.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::BaseDeviceProperties;
using Devices::ConfigUtilities;
using Devices::DeviceAddress;
using Log::Logger;

namespace {

constexpr int BASE_COLUMN_COUNT = 5;

} // namespace

BaseTableModel::BaseTableModel(const QList<BaseDeviceProperties*>& devices, QObject* parent)
    : BaseModel(parent)
    , m_devices(devices)
{
}

int BaseTableModel::columnIndex(Column column) const
{
    const int value = int(column);
    return value >= 0 && value < BASE_COLUMN_COUNT ? value : -1;
}

bool BaseTableModel::columnAt(int section, Column& column) const
{
    if (section < 0)
        return false;
    for (int value = 0; value < COLUMN_COUNT; ++value) {
        if (columnIndex(Column(value)) == section) {
            column = Column(value);
            return true;
        }
    }
    return false;
}

BaseDeviceProperties* BaseTableModel::device(int row) const
{
    return m_devices.value(row, nullptr);
}

void BaseTableModel::removeDevice(int id)
{
    beginResetModel();
    m_devices.removeIf([id](const BaseDeviceProperties* device) { return device && device->id() == id; });
    endResetModel();
}

int BaseTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_devices.size());
}

int BaseTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : BASE_COLUMN_COUNT;
}

BaseDeviceProperties* BaseTableModel::deviceAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_devices.size()
        || index.column() >= columnCount())
        return nullptr;
    return m_devices.at(index.row());
}

QVariant BaseTableModel::data(const QModelIndex& index, int role) const
{
    const BaseDeviceProperties* device = deviceAt(index);
    Column column;
    if (!device || !columnAt(index.column(), column))
        return {};
    const DeviceAddress address = device->address();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (column) {
        case Column::Description:
            return device->description();
        case Column::Address:
            return ConfigUtilities::addressString(address, device->deviceType());
        case Column::Type:
            return Devices::StringConsts::getDeviceTypeString(device->deviceType());
        case Column::Pul:
            return address.pul() ? ConfigUtilities::getTrueString() : ConfigUtilities::getFalseString();
        case Column::Groups:
            return ConfigUtilities::getGroupsString(address.groups());
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole) {
        if (column == Column::Type)
            return QIcon(ConfigUtilities::getDeviceIconPath(device->deviceType()));
        if (column == Column::Pul)
            return QIcon(ConfigUtilities::getBoolIconPath(address.pul()));
    }
    return {};
}

QString BaseTableModel::columnTitle(Column column)
{
    switch (column) {
    case Column::Description:
        return tr("Description");
    case Column::Type:
    case Column::SecondType:
        return tr("Type");
    case Column::Address:
        return tr("Address");
    case Column::Pul:
        return tr("PUL");
    case Column::Groups:
        return tr("Groups");
    case Column::Fancoil:
        return tr("Fancoil");
    case Column::CommandsParameters:
        return tr("Commands/Parameters");
    case Column::Unit:
        return tr("Unit");
    case Column::EconomicEvaluation:
        return tr("Economic evaluation");
    case Column::CentralUnitPresence:
        return tr("Central unit presence");
    }
    return {};
}

QVariant BaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    Column column;
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= columnCount()
        || !columnAt(section, column))
        return {};
    return columnTitle(column);
}

Qt::ItemFlags BaseTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return BaseModel::flags(index) | Qt::ItemIsEditable;
}

bool BaseTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    BaseDeviceProperties* device = deviceAt(index);
    Column column;
    if (role != Qt::EditRole || !device || !columnAt(index.column(), column))
        return false;
    const DeviceAddress address = device->address();
    switch (column) {
    case Column::Description:
        device->setDescription(value.toString());
        Logger(Logger::Trace) << "Device description changed";
        break;
    case Column::Type:
        device->setDeviceType(value.toInt());
        device->setAddress(Devices::AddressVerification::AddressVerifier::validate(device->address(), device->addressType()));
        Logger(Logger::Trace) << "Type changed of device " << device->description();
        break;
    case Column::Pul:
        device->setAddress(address.clone(value.toInt()));
        Logger(Logger::Trace) << "Pul changed of device " << device->description();
        break;
    case Column::Groups:
        device->setAddress(address.clone(value.canConvert<QList<int>>() ? value.value<QList<int>>() : QList<int>()));
        Logger(Logger::Trace) << "Groups changed of device " << device->description();
        break;
    case Column::Address: {
        const DeviceAddress written = value.canConvert<DeviceAddress>() ? value.value<DeviceAddress>() : DeviceAddress();
        device->setAddress(written.cloneWithPulAndGroups(address.pul(), address.groups()));
        Logger(Logger::Trace) << "Address changed of device " << device->description();
        break;
    }
    default:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

HelpMessage BaseTableModel::getHelpMessage(const QModelIndex& index) const
{
    Column column;
    if (!index.isValid() || !columnAt(index.column(), column))
        return s_emptyMessage;
    switch (column) {
    case Column::Address:
        return {tr("KWB Address"), tr("Set device address")};
    case Column::Type:
        return {tr("Type"), tr("Select device type")};
    case Column::Description:
        return {tr("Description"), tr("Set device description")};
    case Column::Pul:
        return {tr("PUL"), tr("Set PUL configurator value")};
    case Column::Groups:
        return {tr("Groups"), tr("Set groups that this device belongs to")};
    default:
        return {columnTitle(column), QString()};
    }
}

} // namespace Corvane::Configurator::TableModels
