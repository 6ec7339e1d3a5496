#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

BaseModel::BaseModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

} // namespace Corvane::Configurator::TableModels
