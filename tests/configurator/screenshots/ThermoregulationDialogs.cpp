#include "ThermoregulationDialogs.h"

#include "devices/Configuration.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "editors/ThermoregAdvancedEditor.h"
#include "editors/ThermoregCommandsEditor.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "tablemodels/TempSensorExtAddressModel.h"
#include "tablemodels/ThermoregulationCommandModel.h"
#include "tablemodels/ThermoregNotControlledAddrModel.h"

#include <QTableView>
#include <QTreeView>

using namespace Corvane::Configurator;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::ThermoregulationDeviceProperties;

namespace {

const ThermoregulationDeviceProperties* firstOfType(const Corvane::Devices::Configuration& project, int type)
{
    QList<BaseDeviceProperties*> devices;
    project.getDevicesByGroup(devices, BaseDeviceProperties::Thermoregulation, -1, true);
    for (const BaseDeviceProperties* device : devices) {
        if (device->deviceType() == type)
            return dynamic_cast<const ThermoregulationDeviceProperties*>(device);
    }
    return nullptr;
}

void selectAddressRow(Editors::AddressEditor& dialog, int row)
{
    const QModelIndex header = dialog.model()->index(0, 0);
    dialog.treeView()->setCurrentIndex(dialog.model()->index(row, 1, header));
}

} // namespace

void saveThermoregulationDialogs(const Corvane::Devices::Configuration& project, const DialogSaver& save)
{
    if (const auto* basic = firstOfType(project, 4001)) {
        Editors::ThermoregCommandsEditor commands(basic);
        if (!commands.commandEditors().isEmpty())
            commands.commandEditors().first()->table()->setCurrentIndex(
                commands.commandEditors().first()->model()->index(0, 1));
        save(commands, "<b>Description</b><br>Set the description of the command", "dialog-thermo-commands.png");
    }
    if (const auto* advanced = firstOfType(project, 4003)) {
        Editors::ThermoregAdvancedEditor parameters(advanced);
        save(parameters, QString("<b>Min (%1C)</b><br>Set the minimum allowed temperature").arg(QChar(0x00B0)),
             "dialog-thermo-advanced.png");
    }
    if (const auto* probe = firstOfType(project, 8002)) {
        Editors::AddressEditor address;
        address.setModel(new TableModels::ThermoregNotControlledAddrModel(probe->address(), probe->addressType(),
                                                                          &address));
        selectAddressRow(address, 2);
        save(address, "<b>Slave</b><br>Enter value of Slave configurator", "dialog-thermo-address-slave.png");
    }
    if (const auto* external = firstOfType(project, 8001)) {
        Editors::AddressEditor address;
        address.setModel(new TableModels::TempSensorExtAddressModel(external->address(), &address));
        selectAddressRow(address, 0);
        save(address, "<b>N</b><br>Enter value of N configurator", "dialog-thermo-address-external.png");
    }
}
