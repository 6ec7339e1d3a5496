#include "DeviceTreeItem.h"

namespace Corvane::Configurator {

DeviceTreeItem::DeviceTreeItem(const QList<QVariant>& data, DeviceTreeItem* parentItem)
    : m_data(data)
    , m_parent(parentItem)
{
}

DeviceTreeItem::~DeviceTreeItem()
{
    // A node taken out of its parent may still be listed twice; delete once.
    const QList<DeviceTreeItem*> children = m_children;
    m_children.clear();
    QList<DeviceTreeItem*> deleted;
    for (DeviceTreeItem* child : children) {
        if (deleted.contains(child))
            continue;
        deleted.append(child);
        delete child;
    }
}

DeviceTreeItem* DeviceTreeItem::child(int row) const
{
    return row >= 0 && row < m_children.size() ? m_children.at(row) : nullptr;
}

QVariant DeviceTreeItem::data(int column) const
{
    return column >= 0 && column < m_data.size() ? m_data.at(column) : QVariant();
}

bool DeviceTreeItem::setData(const QVariant& value, int column)
{
    if (column < 0 || column >= m_data.size())
        return false;
    m_data[column] = value;
    return true;
}

void DeviceTreeItem::setData(const QList<QVariant>& data)
{
    m_data = data;
}

void DeviceTreeItem::addData(const QVariant& value)
{
    m_data.append(value);
}

int DeviceTreeItem::row() const
{
    return m_parent ? int(m_parent->m_children.indexOf(const_cast<DeviceTreeItem*>(this))) : 0;
}

void DeviceTreeItem::appendChild(DeviceTreeItem* item)
{
    m_children.append(item);
}

void DeviceTreeItem::insertChild(DeviceTreeItem* item, const DeviceTreeItem* sibling)
{
    const qsizetype position = m_children.indexOf(const_cast<DeviceTreeItem*>(sibling));
    if (position < 0 || position == m_children.size() - 1)
        m_children.append(item);
    else
        m_children.insert(position + 1, item);
}

void DeviceTreeItem::removeChild(DeviceTreeItem* item)
{
    m_children.removeAll(item);
}

bool DeviceTreeItem::containsChild(const DeviceTreeItem* item) const
{
    return m_children.contains(const_cast<DeviceTreeItem*>(item));
}

} // namespace Corvane::Configurator
