#include "tablemodels/ThermoregFanModel.h"

#include "devices/DeviceEnums.h"

namespace Corvane::Configurator::TableModels {

using namespace Devices::DeviceEnums;

ThermoregFanModel::ThermoregFanModel(const QList<int>& fanSettings, QObject* parent)
    : ThermoregOptionListModel({{tr("Automatic"), SpeedAutomatic},
                                {tr("High"), SpeedHigh},
                                {tr("Medium"), SpeedMedium},
                                {tr("Low"), SpeedLow},
                                {tr("Silent"), SpeedSilent}},
                               fanSettings, parent)
{
}

} // namespace Corvane::Configurator::TableModels
