#pragma once

#include "BaseMessageProvider.h"

#include <QAbstractTableModel>

namespace Corvane::Configurator::TableModels {

// Base of every model of the editor: a table model that also tells the help
// of each of its cells.
class BaseModel : public QAbstractTableModel, public BaseMessageProvider
{
    Q_OBJECT

public:
    explicit BaseModel(QObject* parent = nullptr);
};

} // namespace Corvane::Configurator::TableModels
