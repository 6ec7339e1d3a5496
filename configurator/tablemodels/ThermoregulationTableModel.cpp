#include "tablemodels/ThermoregulationTableModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "log/Logger.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::ThermoregulationDeviceProperties;
using Log::Logger;

namespace {

bool fancoilApplies(int type)
{
    return type == 8003 || type == 8004;
}

bool commandsApply(int type)
{
    return type == ThermoregulationTableModel::BASIC_AIR_CONDITIONER
        || type == ThermoregulationTableModel::ADVANCED_AIR_CONDITIONER;
}

} // namespace

int ThermoregulationTableModel::columnIndex(Column column) const
{
    switch (column) {
    case Column::Description: return 0;
    case Column::Type: return 1;
    case Column::Address: return 2;
    case Column::Fancoil: return 3;
    case Column::CommandsParameters: return 4;
    default: return -1;
    }
}

int ThermoregulationTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

ThermoregulationDeviceProperties* ThermoregulationTableModel::thermoAt(const QModelIndex& index) const
{
    return dynamic_cast<ThermoregulationDeviceProperties*>(deviceAt(index));
}

QString ThermoregulationTableModel::commandsOrParameters(const ThermoregulationDeviceProperties& device) const
{
    if (device.deviceType() == BASIC_AIR_CONDITIONER)
        return tr("%1 command(s) configured").arg(device.commandsCount());
    if (device.deviceType() == ADVANCED_AIR_CONDITIONER)
        return tr("Min - %1, Max - %2, Step - %3")
            .arg(QString::number(device.minTemperature(), 'g', 6), QString::number(device.maxTemperature(), 'g', 6),
                 QString::number(device.step(), 'g', 6));
    return {};
}

QVariant ThermoregulationTableModel::data(const QModelIndex& index, int role) const
{
    const ThermoregulationDeviceProperties* device = thermoAt(index);
    if (!device)
        return {};
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column == columnIndex(Column::Fancoil))
            return ConfigUtilities::getYesNoString(device->hasFancoil());
        if (column == columnIndex(Column::CommandsParameters) && commandsApply(device->deviceType()))
            return commandsOrParameters(*device);
    } else if (role == Qt::DecorationRole && column == columnIndex(Column::Fancoil)) {
        return QIcon(ConfigUtilities::getBoolIconPath(device->hasFancoil()));
    }
    return BaseTableModel::data(index, role);
}

Qt::ItemFlags ThermoregulationTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsEnabled;
    if (const ThermoregulationDeviceProperties* device = thermoAt(index)) {
        const int column = index.column();
        if (column == columnIndex(Column::Fancoil) && !fancoilApplies(device->deviceType()))
            return Qt::NoItemFlags;
        if (column == columnIndex(Column::CommandsParameters) && !commandsApply(device->deviceType()))
            return Qt::NoItemFlags;
    }
    return BaseTableModel::flags(index);
}

bool ThermoregulationTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    ThermoregulationDeviceProperties* device = role == Qt::EditRole ? thermoAt(index) : nullptr;
    if (!device)
        return false;
    const int column = index.column();
    if (column == columnIndex(Column::Fancoil)) {
        device->setHasFancoil(value.toBool());
        Logger(Logger::Trace) << "Fancoil changed of device " << device->description();
    } else if (column == columnIndex(Column::Type)) {
        if (!BaseTableModel::setData(index, value, role))
            return false;
        // The address, the fancoil and what the last cell offers follow the type.
        emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
        return true;
    } else if (column != columnIndex(Column::CommandsParameters)) {
        return BaseTableModel::setData(index, value, role);
    }
    // The dialogs of the Commands/Parameters cell write the device
    // themselves; the call only refreshes the cell.
    emit dataChanged(index, index);
    return true;
}

} // namespace Corvane::Configurator::TableModels
