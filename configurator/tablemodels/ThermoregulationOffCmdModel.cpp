#include "tablemodels/ThermoregulationOffCmdModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "tablemodels/ThermoregulationCommandModel.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceAddress;

ThermoregulationOffCmdModel::ThermoregulationOffCmdModel(const DeviceAddress& address, bool presence, QObject* parent)
    : BaseModel(parent)
    , m_address(address)
    , m_presence(presence)
{
}

int ThermoregulationOffCmdModel::addressType() const
{
    return Devices::ThermoregulationDeviceProperties::COMMAND_ADDRESS_TYPE;
}

void ThermoregulationOffCmdModel::setPresence(bool presence)
{
    m_presence = presence;
    const QModelIndex cell = index(PresenceRow, 1);
    emit dataChanged(cell, cell);
}

int ThermoregulationOffCmdModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int ThermoregulationOffCmdModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ThermoregulationOffCmdModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0) {
        if (role != Qt::DisplayRole)
            return {};
        return index.row() == PresenceRow ? tr("Show OFF command") : tr("OFF command address");
    }
    if (index.row() == PresenceRow) {
        switch (role) {
        case Qt::DisplayRole: return ConfigUtilities::getYesNoString(m_presence);
        case Qt::DecorationRole: return QIcon(ConfigUtilities::getBoolIconPath(m_presence));
        case Qt::EditRole: return m_presence;
        default: return {};
        }
    }
    if (role == Qt::DisplayRole)
        return ConfigUtilities::addressStringForType(m_address, addressType());
    if (role == Qt::EditRole)
        return QVariant::fromValue(m_address);
    return {};
}

bool ThermoregulationOffCmdModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    if (index.row() == AddressRow) {
        m_address = ThermoregulationCommandModel::addressFromValue(value);
    } else {
        m_presence = value.toBool();
        emit presenceChanged();
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ThermoregulationOffCmdModel::flags(const QModelIndex& index) const
{
    return ThermoregulationCommandModel::propertyFlags(index);
}

HelpMessage ThermoregulationOffCmdModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid())
        return s_emptyMessage;
    if (index.row() == PresenceRow)
        return {tr("Show OFF command"), QString()};
    return {tr("OFF command address"), QString()};
}

} // namespace Corvane::Configurator::TableModels
