#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator::TableModels {

// The lighting page: Description, Type, Address, PUL and Groups. PUL and
// Groups do not apply to a group, general or ambient address.
class ActuatorsTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::TableModels
