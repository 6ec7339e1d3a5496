#include "tablemodels/DeviceFamilyTableModel.h"

namespace Corvane::Configurator::TableModels {

int DeviceFamilyTableModel::columnIndex(Column column) const
{
    switch (column) {
    case Column::Description: return 0;
    case Column::Type: return 1;
    case Column::Address: return 2;
    default: return -1;
    }
}

int DeviceFamilyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

Qt::ItemFlags DeviceFamilyTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = BaseTableModel::flags(index);
    if (index.isValid() && index.column() == columnIndex(Column::Address))
        flags &= ~Qt::ItemIsEditable;
    return flags;
}

} // namespace Corvane::Configurator::TableModels
