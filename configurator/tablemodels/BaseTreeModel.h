#pragma once

#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator {
class DeviceTreeItem;
}

namespace Corvane::Configurator::TableModels {

// A tree over DeviceTreeItem nodes. The root is not shown: its children are
// the top-level rows and its values the header texts. Column 0 is a
// read-only caption, every further column editable.
class BaseTreeModel : public BaseModel
{
    Q_OBJECT

public:
    explicit BaseTreeModel(QObject* parent = nullptr);
    ~BaseTreeModel() override;

    DeviceTreeItem* rootNode() const { return m_rootItem; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The table base answers these as for a flat table; a tree needs the
    // general ones.
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& index) const override;

protected:
    // Replaces the whole tree by an empty root; callers reset the model.
    void clearTree();
    // The node of index; the root for an invalid index.
    DeviceTreeItem* itemAt(const QModelIndex& index) const;

private:
    DeviceTreeItem* m_rootItem;
};

} // namespace Corvane::Configurator::TableModels
