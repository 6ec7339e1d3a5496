#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Devices {
class LoadDeviceProperties;
}

namespace Corvane::Configurator::TableModels {

// The load page: Description, Central unit presence, Address (the load's
// A), Type and Economic evaluation; a load of type 18001 has no evaluation.
class LoadTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    static constexpr int CONTROLLED_ONLY_TYPE = 18001;

    using BaseTableModel::BaseTableModel;

    int columnIndex(Column column) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The load of a served index, else null.
    Devices::LoadDeviceProperties* loadAt(const QModelIndex& index) const;
};

} // namespace Corvane::Configurator::TableModels
