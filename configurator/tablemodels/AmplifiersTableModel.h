#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::TableModels {

// The amplifiers of a gateway's sound system: Description and Address.
class AmplifiersTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    AmplifiersTableModel(const QList<Devices::BaseDeviceProperties*>& devices, const Devices::Configuration* project,
                         int serverId, QObject* parent = nullptr);

    int columnIndex(Column column) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The gateway's sound-system type; 0 without a project.
    int soundSystemType() const;
    int serverId() const { return m_serverId; }

private:
    const Devices::Configuration* m_project;
    int m_serverId;
};

} // namespace Corvane::Configurator::TableModels
