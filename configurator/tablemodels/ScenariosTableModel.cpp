#include "tablemodels/ScenariosTableModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/ScenarioDeviceProperties.h"
#include "tablemodels/ScheduledScenarioUpdater.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::ScenarioDeviceProperties;

namespace {

constexpr int SCENARIO_COLUMN_COUNT = 3;
constexpr int SCHEDULED_SCENARIO_TYPE = 9002;

} // namespace

int ScenariosTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : SCENARIO_COLUMN_COUNT;
}

bool ScenariosTableModel::isParameters(const QModelIndex& index) const
{
    return index.column() == columnIndex(Column::Address);
}

QVariant ScenariosTableModel::data(const QModelIndex& index, int role) const
{
    const Devices::BaseDeviceProperties* device = deviceAt(index);
    if (!device)
        return {};
    if ((role == Qt::DisplayRole || role == Qt::EditRole) && isParameters(index)) {
        const auto* scenario = dynamic_cast<const ScenarioDeviceProperties*>(device);
        return scenario ? Devices::ConfigUtilities::getScenarioParamsString(*scenario) : QString();
    }
    return BaseTableModel::data(index, role);
}

QVariant ScenariosTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section == columnIndex(Column::Address))
        return tr("Parameters");
    return BaseTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ScenariosTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsEnabled;
    return BaseModel::flags(index) | Qt::ItemIsEditable;
}

bool ScenariosTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Devices::BaseDeviceProperties* device = deviceAt(index);
    if (role != Qt::EditRole || !device || !isParameters(index))
        return BaseTableModel::setData(index, value, role);
    if (device->deviceType() == SCHEDULED_SCENARIO_TYPE) {
        auto* scenario = dynamic_cast<ScenarioDeviceProperties*>(device);
        if (!scenario || !value.canConvert<ScheduledScenarioUpdater>())
            return false;
        const auto items = value.value<ScheduledScenarioUpdater>();
        scenario->setItems(items.enableItem(), items.disableItem(), items.startItem(), items.stopItem());
    } else {
        device->setAddress(value.canConvert<DeviceAddress>() ? value.value<DeviceAddress>() : DeviceAddress());
    }
    emit dataChanged(index, index);
    return true;
}

} // namespace Corvane::Configurator::TableModels
