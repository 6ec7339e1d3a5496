#include "tablemodels/ActuatorsTableModel.h"

#include "devices/BaseDeviceProperties.h"

namespace Corvane::Configurator::TableModels {

int ActuatorsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 5;
}

Qt::ItemFlags ActuatorsTableModel::flags(const QModelIndex& index) const
{
    // The root has no flags (item views and model checkers expect none).
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Devices::BaseDeviceProperties* device = deviceAt(index);
    const bool pulOrGroups = index.column() == columnIndex(Column::Pul) || index.column() == columnIndex(Column::Groups);
    if (device && pulOrGroups) {
        const Devices::DeviceAddress address = device->address();
        if (address.isGroup() || address.isGeneral() || address.isAmbient())
            return Qt::NoItemFlags;
    }
    return BaseTableModel::flags(index);
}

} // namespace Corvane::Configurator::TableModels
