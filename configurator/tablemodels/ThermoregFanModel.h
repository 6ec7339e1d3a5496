#pragma once

#include "tablemodels/ThermoregOptionListModel.h"

namespace Corvane::Configurator::TableModels {

// The fan speeds an air conditioner offers.
class ThermoregFanModel : public ThermoregOptionListModel
{
    Q_OBJECT

public:
    static constexpr int ROW_AUTOMATIC_INDEX = 0;
    static constexpr int ROW_HIGHT_INDEX = 1;
    static constexpr int ROW_MEDIUM_INDEX = 2;
    static constexpr int ROW_LOW_INDEX = 3;
    static constexpr int ROW_SILENT_INDEX = 4;

    explicit ThermoregFanModel(const QList<int>& fanSettings, QObject* parent = nullptr);

    QList<int> fanSettings() const { return values(); }
};

} // namespace Corvane::Configurator::TableModels
