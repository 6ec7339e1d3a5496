#include "tablemodels/AmplifiersTableModel.h"

#include "devices/Configuration.h"

namespace Corvane::Configurator::TableModels {

AmplifiersTableModel::AmplifiersTableModel(const QList<Devices::BaseDeviceProperties*>& devices,
                                           const Devices::Configuration* project, int serverId, QObject* parent)
    : BaseTableModel(devices, parent)
    , m_project(project)
    , m_serverId(serverId)
{
}

int AmplifiersTableModel::columnIndex(Column column) const
{
    switch (column) {
    case Column::Description:
        return 0;
    case Column::Address:
        return 1;
    default:
        return -1;
    }
}

int AmplifiersTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int AmplifiersTableModel::soundSystemType() const
{
    return m_project ? m_project->soundSystemType(m_serverId) : 0;
}

} // namespace Corvane::Configurator::TableModels
