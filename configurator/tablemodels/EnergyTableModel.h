#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Devices {
class EnergyDeviceProperties;
}

namespace Corvane::Configurator::TableModels {

// The energy page: Description, Family, Address (the meter's A), Unit,
// energy Type and Economic evaluation.
class EnergyTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnIndex(Column column) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The meter of a served index, else null.
    Devices::EnergyDeviceProperties* meterAt(const QModelIndex& index) const;
};

} // namespace Corvane::Configurator::TableModels
