#pragma once

#include "tablemodels/ActuatorsTableModel.h"

namespace Corvane::Configurator::TableModels {

// The automation page: the lighting page's columns and rules.
class AutomationTableModel : public ActuatorsTableModel
{
    Q_OBJECT

public:
    using ActuatorsTableModel::ActuatorsTableModel;
};

} // namespace Corvane::Configurator::TableModels
