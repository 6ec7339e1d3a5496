#include "tablemodels/ThermoregulationCommandModel.h"

#include "devices/ConfigUtilities.h"

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceAddress;

ThermoregulationCommandModel::ThermoregulationCommandModel(const DeviceAddress& address, const QString& description,
                                                           int id, int addressType, QObject* parent)
    : BaseModel(parent)
    , m_originalId(id)
    , m_description(description)
    , m_address(address)
    , m_addressType(addressType)
{
}

int ThermoregulationCommandModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int ThermoregulationCommandModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ThermoregulationCommandModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0) {
        if (role != Qt::DisplayRole)
            return {};
        return index.row() == DescriptionRow ? tr("Description") : tr("Address");
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    if (index.row() == DescriptionRow)
        return m_description;
    if (role == Qt::DisplayRole)
        return ConfigUtilities::addressStringForType(m_address, m_addressType);
    return QVariant::fromValue(m_address);
}

DeviceAddress ThermoregulationCommandModel::addressFromValue(const QVariant& value)
{
    return value.canConvert<DeviceAddress>() ? value.value<DeviceAddress>() : DeviceAddress();
}

bool ThermoregulationCommandModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    if (index.row() == AddressRow)
        m_address = addressFromValue(value);
    else
        m_description = value.toString();
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ThermoregulationCommandModel::propertyFlags(const QModelIndex& index)
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

Qt::ItemFlags ThermoregulationCommandModel::flags(const QModelIndex& index) const
{
    return propertyFlags(index);
}

HelpMessage ThermoregulationCommandModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid())
        return s_emptyMessage;
    if (index.row() == DescriptionRow)
        return {tr("Description"), tr("Set the description of the command")};
    return {tr("Address"), tr("Assign an address to the command")};
}

} // namespace Corvane::Configurator::TableModels
