#pragma once

#include "DevicesTreeModel.h"

#include <QTreeView>

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator {

namespace EditDelegates {
class DeviceTreeDelegate;
}

// The pages tree: no header; plants with validation errors are tinted.
class DevicesTree : public QTreeView
{
    Q_OBJECT

public:
    explicit DevicesTree(QWidget* parent = nullptr);

    // The first node, depth first from the gadget node, of that type and
    // server id; invalid when none matches or the model is another.
    QModelIndex findIndex(DevicesTreeModel::NodeType type, int serverId) const;
    DevicesTreeModel::NodeType nodeTypeAtIndex(const QModelIndex& index) const;
    DevicesTreeModel::NodeType selectedNodeType() const;
    int selectedServerId() const;
    // The project whose validation marks tint the plants (may be null).
    void setConfiguration(const Devices::Configuration* project);

private:
    static QModelIndex findIndex(const DevicesTreeModel* model, const QModelIndex& start,
                                 DevicesTreeModel::NodeType type, int serverId);
    DevicesTreeModel* treeModel() const;

    EditDelegates::DeviceTreeDelegate* m_delegate;
};

} // namespace Corvane::Configurator
