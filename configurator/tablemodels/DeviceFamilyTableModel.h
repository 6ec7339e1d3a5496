#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator::TableModels {

// The device table of a family page while the family has no table of its
// own: Description and Type, edited, and the Address, shown only.
class DeviceFamilyTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnIndex(Column column) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::TableModels
