#include "ThermoregulationCommandIcons.h"

#include "devices/ThermoregulationDevice.h"
#include "devices/UserDeviceSettings.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

ThermoregulationCommandIcons::Icon ThermoregulationCommandIcons::iconFor(const Device* device, int commandId)
{
    return Icon(Gadgets::ThemeProvider::AIRCONDITIONER, device->getCommandText(commandId), commandId);
}

void ThermoregulationCommandIcons::show(const Device* device)
{
    m_icons.clear();
    for (int id : device->orderedCommands())
        m_icons.append(iconFor(device, id));
}

ThermoregulationCommandIcons::Icon ThermoregulationCommandIcons::rename(int commandId, const QString& name)
{
    for (Icon& icon : m_icons) {
        if (icon.id() == commandId) {
            icon.setTooltip(name);
            return icon;
        }
    }
    return Icon();
}

QList<int> ThermoregulationCommandIcons::reorder(const QList<Icon>& shown)
{
    QList<int> order;
    for (const Icon& icon : shown) {
        for (int i = int(order.size()); i < m_icons.size(); ++i) {
            if (m_icons.at(i).id() == icon.id()) {
                m_icons.move(i, int(order.size()));
                order.append(icon.id());
                break;
            }
        }
    }
    return order;
}

void ThermoregulationCommandIcons::fillSettings(Devices::UserDeviceSettings& settings, int pageId,
                                                const Device* device)
{
    const QList<int> commands = device->orderedCommands();
    settings.setPageItemsOrder(pageId, commands, device->id());
    for (int id : commands) {
        if (device->isCustomCommandText(id))
            settings.setItemName(device->id(), device->getCommandText(id), id);
    }
}

QList<int> ThermoregulationCommandIcons::loadSettings(const Devices::UserDeviceSettings& settings, int pageId,
                                                      Device* device)
{
    device->setCommandsOrder(settings.pageItemsOrder(pageId, device->id()));
    QList<int> renamed;
    for (int id : device->orderedCommands()) {
        const QString name = settings.itemName(device->id(), id);
        if (!name.isEmpty()) {
            device->setCommandText(id, name);
            renamed.append(id);
        }
    }
    return renamed;
}

} // namespace Corvane::Sentrel::Controllers
