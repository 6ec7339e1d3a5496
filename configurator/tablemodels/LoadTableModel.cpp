#include "tablemodels/LoadTableModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/LoadDeviceProperties.h"
#include "log/Logger.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::LoadDeviceProperties;
using Log::Logger;

int LoadTableModel::columnIndex(Column column) const
{
    switch (column) {
    case Column::Description: return 0;
    case Column::CentralUnitPresence: return 1;
    case Column::Address: return 2;
    case Column::Type: return 3;
    case Column::EconomicEvaluation: return 4;
    default: return -1;
    }
}

int LoadTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

LoadDeviceProperties* LoadTableModel::loadAt(const QModelIndex& index) const
{
    return dynamic_cast<LoadDeviceProperties*>(deviceAt(index));
}

Qt::ItemFlags LoadTableModel::flags(const QModelIndex& index) const
{
    // The root has no flags (item views and model checkers expect none).
    if (!index.isValid())
        return Qt::NoItemFlags;
    const LoadDeviceProperties* load = loadAt(index);
    if (load && index.column() == columnIndex(Column::EconomicEvaluation)
        && load->deviceType() == CONTROLLED_ONLY_TYPE)
        return Qt::NoItemFlags;
    return BaseTableModel::flags(index);
}

QVariant LoadTableModel::data(const QModelIndex& index, int role) const
{
    if (!deviceAt(index))
        return {};
    const LoadDeviceProperties* load = loadAt(index);
    if (!load)
        return {};
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column == columnIndex(Column::Address))
            return ConfigUtilities::addressString(load->address(), load->deviceType());
        if (column == columnIndex(Column::CentralUnitPresence))
            return ConfigUtilities::getYesNoString(load->hasCentralUnit());
        if (column == columnIndex(Column::EconomicEvaluation))
            return load->isEconomicEvaluationEnabled() ? tr("Enabled") : tr("Disabled");
    } else if (role == Qt::DecorationRole && column == columnIndex(Column::CentralUnitPresence)) {
        return QIcon(ConfigUtilities::getBoolIconPath(load->hasCentralUnit()));
    }
    return BaseTableModel::data(index, role);
}

QVariant LoadTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return BaseTableModel::headerData(section, orientation, role);
}

bool LoadTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    LoadDeviceProperties* load = role == Qt::EditRole ? loadAt(index) : nullptr;
    if (!load)
        return false;
    const int column = index.column();
    if (column == columnIndex(Column::Address)) {
        load->setAddress(load->address().cloneWithAreaId(value.toInt()));
        Logger(Logger::Trace) << "Address changed of device";
    } else if (column == columnIndex(Column::CentralUnitPresence)) {
        load->setHasCentralUnit(value.toBool());
    } else {
        if (column == columnIndex(Column::Type) && value.toInt() == CONTROLLED_ONLY_TYPE
            && load->isEconomicEvaluationEnabled()) {
            load->setIsEconomicEvaluationEnabled(false);
            const QModelIndex evaluation = index.siblingAtColumn(columnIndex(Column::EconomicEvaluation));
            emit dataChanged(evaluation, evaluation);
        }
        return BaseTableModel::setData(index, value, role);
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace Corvane::Configurator::TableModels
