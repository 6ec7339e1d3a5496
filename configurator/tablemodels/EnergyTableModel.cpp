#include "tablemodels/EnergyTableModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/StringConsts.h"
#include "log/Logger.h"

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::EnergyDeviceProperties;
using Devices::StringConsts;
using Log::Logger;

int EnergyTableModel::columnIndex(Column column) const
{
    switch (column) {
    case Column::Description: return 0;
    case Column::Type: return 1;
    case Column::Address: return 2;
    case Column::Unit: return 3;
    case Column::SecondType: return 4;
    case Column::EconomicEvaluation: return 5;
    default: return -1;
    }
}

int EnergyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 6;
}

EnergyDeviceProperties* EnergyTableModel::meterAt(const QModelIndex& index) const
{
    return dynamic_cast<EnergyDeviceProperties*>(deviceAt(index));
}

QVariant EnergyTableModel::data(const QModelIndex& index, int role) const
{
    if (!deviceAt(index))
        return {};
    const EnergyDeviceProperties* meter = meterAt(index);
    if (!meter)
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return BaseTableModel::data(index, role);
    const int column = index.column();
    if (column == columnIndex(Column::Address))
        return ConfigUtilities::addressString(meter->address(), meter->deviceType());
    if (column == columnIndex(Column::Unit))
        return StringConsts::getMeasurementUnitString(meter->measurementUnit());
    if (column == columnIndex(Column::SecondType))
        return StringConsts::getEnergyTypeString(meter->energyDeviceType());
    if (column == columnIndex(Column::EconomicEvaluation))
        return meter->isEconomicEvaluationEnabled() ? tr("Enabled") : tr("Disabled");
    return BaseTableModel::data(index, role);
}

QVariant EnergyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section == columnIndex(Column::Type))
        return tr("Family");
    return BaseTableModel::headerData(section, orientation, role);
}

bool EnergyTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    EnergyDeviceProperties* meter = role == Qt::EditRole ? meterAt(index) : nullptr;
    if (!meter)
        return false;
    const int column = index.column();
    if (column == columnIndex(Column::Address)) {
        meter->setAddress(meter->address().cloneWithAreaId(value.toInt()));
        Logger(Logger::Trace) << "Address changed of device " << meter->description();
    } else if (column == columnIndex(Column::Unit)) {
        meter->setMeasurementUnit(value.toInt());
    } else if (column == columnIndex(Column::SecondType)) {
        meter->setEnergyDeviceType(value.toInt());
    } else {
        const int unit = meter->measurementUnit();
        if (!BaseTableModel::setData(index, value, role))
            return false;
        if (meter->measurementUnit() != unit) {
            const QModelIndex unitCell = index.siblingAtColumn(columnIndex(Column::Unit));
            emit dataChanged(unitCell, unitCell);
        }
        return true;
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace Corvane::Configurator::TableModels
