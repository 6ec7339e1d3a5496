#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator::TableModels {

// The sensors page: Description, Type and Address.
class SensorsTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 3; }
};

} // namespace Corvane::Configurator::TableModels
