#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

namespace Corvane::Configurator {

// A node of the editor's tree models: a row of column values and the child
// nodes, which it owns. The parent is not owned; a node does not add itself
// to its parent's children, its creator does.
class DeviceTreeItem : public QObject
{
    Q_OBJECT

public:
    explicit DeviceTreeItem(const QList<QVariant>& data, DeviceTreeItem* parentItem = nullptr);
    ~DeviceTreeItem() override;

    // Null for a row outside 0 .. childCount() - 1.
    DeviceTreeItem* child(int row) const;
    int childCount() const { return int(m_children.size()); }
    int columnCount() const { return int(m_data.size()); }
    // Invalid for a column outside 0 .. columnCount() - 1.
    QVariant data(int column) const;
    // False, and nothing changed, for a column outside the values.
    bool setData(const QVariant& value, int column);
    void setData(const QList<QVariant>& data);
    void addData(const QVariant& value);
    DeviceTreeItem* parentItem() const { return m_parent; }
    // Position in the parent's children; 0 without parent.
    int row() const;

    void appendChild(DeviceTreeItem* item);
    // Right after sibling; appended when sibling is not a child.
    void insertChild(DeviceTreeItem* item, const DeviceTreeItem* sibling);
    // Takes every occurrence of item out of the children without deleting it.
    void removeChild(DeviceTreeItem* item);
    bool containsChild(const DeviceTreeItem* item) const;

private:
    QList<QVariant> m_data;
    QList<DeviceTreeItem*> m_children;
    DeviceTreeItem* m_parent;
};

} // namespace Corvane::Configurator
