#include "tablemodels/BaseTreeModel.h"

#include "DeviceTreeItem.h"

namespace Corvane::Configurator::TableModels {

BaseTreeModel::BaseTreeModel(QObject* parent)
    : BaseModel(parent)
    , m_rootItem(new DeviceTreeItem({}))
{
}

BaseTreeModel::~BaseTreeModel()
{
    delete m_rootItem;
}

void BaseTreeModel::clearTree()
{
    delete m_rootItem;
    m_rootItem = new DeviceTreeItem({});
}

DeviceTreeItem* BaseTreeModel::itemAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<DeviceTreeItem*>(index.internalPointer()) : m_rootItem;
}

QModelIndex BaseTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    DeviceTreeItem* child = itemAt(parent)->child(row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex BaseTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    DeviceTreeItem* parentItem = itemAt(index)->parentItem();
    if (!parentItem || parentItem == m_rootItem)
        return {};
    return createIndex(parentItem->row(), 0, parentItem);
}

int BaseTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemAt(parent)->childCount();
}

int BaseTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return m_rootItem->columnCount();
}

bool BaseTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0 && columnCount(parent) > 0;
}

QModelIndex BaseTreeModel::sibling(int row, int column, const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    return this->index(row, column, parent(index));
}

Qt::ItemFlags BaseTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

} // namespace Corvane::Configurator::TableModels
