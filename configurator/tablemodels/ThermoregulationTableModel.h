#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Devices {
class ThermoregulationDeviceProperties;
}

namespace Corvane::Configurator::TableModels {

// The thermoregulation page: Description, Type, Address, Fancoil (editable
// for zones of a central unit only) and Commands/Parameters (the favourite
// commands of a basic air conditioner or the advanced parameters of an
// advanced one, both edited in dialogs).
class ThermoregulationTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnIndex(Column column) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The thermoregulation device of a served index, else null.
    Devices::ThermoregulationDeviceProperties* thermoAt(const QModelIndex& index) const;

    static constexpr int BASIC_AIR_CONDITIONER = 4001;
    static constexpr int ADVANCED_AIR_CONDITIONER = 4003;

private:
    QString commandsOrParameters(const Devices::ThermoregulationDeviceProperties& device) const;
};

} // namespace Corvane::Configurator::TableModels
