#pragma once

#include "tablemodels/ThermoregOptionListModel.h"

namespace Corvane::Configurator::TableModels {

// The operating modes an air conditioner offers. The Off row shows what
// the device has and cannot be changed.
class ThermoregModeModel : public ThermoregOptionListModel
{
    Q_OBJECT

public:
    static constexpr int ROW_OFF_INDEX = 0;
    static constexpr int ROW_AUTOMATIC_INDEX = 1;
    static constexpr int ROW_COOLING_INDEX = 2;
    static constexpr int ROW_HEATING_INDEX = 3;
    static constexpr int ROW_DRY_INDEX = 4;
    static constexpr int ROW_FAN_INDEX = 5;

    explicit ThermoregModeModel(const QList<int>& modes, QObject* parent = nullptr);

    QList<int> modes() const { return values(); }
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::TableModels
