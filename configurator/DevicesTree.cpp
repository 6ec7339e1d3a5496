#include "DevicesTree.h"

#include "editdelegates/DeviceTreeDelegate.h"

#include <QHeaderView>

namespace Corvane::Configurator {

DevicesTree::DevicesTree(QWidget* parent)
    : QTreeView(parent)
    , m_delegate(new EditDelegates::DeviceTreeDelegate(this))
{
    header()->hide();
    setItemDelegate(m_delegate);
}

void DevicesTree::setConfiguration(const Devices::Configuration* project)
{
    m_delegate->setConfiguration(project);
    viewport()->update();
}

DevicesTreeModel* DevicesTree::treeModel() const
{
    return qobject_cast<DevicesTreeModel*>(model());
}

QModelIndex DevicesTree::findIndex(DevicesTreeModel::NodeType type, int serverId) const
{
    const DevicesTreeModel* model = treeModel();
    if (!model)
        return {};
    return findIndex(model, model->index(0, 0), type, serverId);
}

QModelIndex DevicesTree::findIndex(const DevicesTreeModel* model, const QModelIndex& start,
                                   DevicesTreeModel::NodeType type, int serverId)
{
    if (!start.isValid())
        return {};
    if (model->nodeType(start) == type && model->serverId(start) == serverId)
        return start;
    for (int row = 0; row < model->rowCount(start); ++row) {
        const QModelIndex found = findIndex(model, model->index(row, 0, start), type, serverId);
        if (found.isValid())
            return found;
    }
    return {};
}

DevicesTreeModel::NodeType DevicesTree::nodeTypeAtIndex(const QModelIndex& index) const
{
    const DevicesTreeModel* model = treeModel();
    return model ? model->nodeType(index) : DevicesTreeModel::None;
}

DevicesTreeModel::NodeType DevicesTree::selectedNodeType() const
{
    return selectionModel() ? nodeTypeAtIndex(selectionModel()->currentIndex()) : DevicesTreeModel::None;
}

int DevicesTree::selectedServerId() const
{
    const DevicesTreeModel* model = treeModel();
    if (!model || !selectionModel())
        return -1;
    return model->serverId(selectionModel()->currentIndex());
}

} // namespace Corvane::Configurator
