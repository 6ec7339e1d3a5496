#include "tablemodels/ThermoregModeModel.h"

#include "devices/DeviceEnums.h"

namespace Corvane::Configurator::TableModels {

using namespace Devices::DeviceEnums;

ThermoregModeModel::ThermoregModeModel(const QList<int>& modes, QObject* parent)
    : ThermoregOptionListModel({{tr("Off"), ModeOff},
                                {tr("Automatic"), ModeAutomatic},
                                {tr("Cooling"), ModeCooling},
                                {tr("Heating"), ModeHeating},
                                {tr("Dry"), ModeDry},
                                {tr("Fan"), ModeFan}},
                               modes, parent)
{
}

Qt::ItemFlags ThermoregModeModel::flags(const QModelIndex& index) const
{
    if (index.isValid() && index.row() == ROW_OFF_INDEX)
        return Qt::NoItemFlags;
    return ThermoregOptionListModel::flags(index);
}

} // namespace Corvane::Configurator::TableModels
