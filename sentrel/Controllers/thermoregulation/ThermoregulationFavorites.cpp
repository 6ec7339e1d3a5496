#include "ThermoregulationFavorites.h"

#include "ThermoregulationButtons.h"
#include "ThermoregulationController.h"

#include "controls/SvgContentButton.h"
#include "devices/ThermoregulationDevice.h"
#include "favorite/FavoriteControl.h"

namespace Corvane::Sentrel::Controllers {

using Buttons = ThermoregulationButtons;
using Device = Devices::ThermoregulationDevice;

namespace {

const int ZONE_99 = 8003;
const int ZONE_4 = 8004;
const int BASIC_AIR_CONDITIONER = 4001;
const int ADVANCED_AIR_CONDITIONER = 4003;

} // namespace

ThermoregulationFavorites::ThermoregulationFavorites(ThermoregulationController& controller)
    : m_controller(controller)
{
}

void ThermoregulationFavorites::handleElementClick(Gadgets::FavoriteControl* control, int deviceId, int subDeviceId,
                                                   Gadgets::SvgElement* element)
{
    if (!control || !element || !m_controller.getDeviceById(deviceId))
        return;
    if (element != static_cast<Gadgets::SvgElement*>(control->centerButton()))
        handleButtonClick(control, deviceId, subDeviceId, element);
    else
        handleDeviceIconClick(control, deviceId);
}

void ThermoregulationFavorites::handleButtonClick(Gadgets::FavoriteControl* control, int deviceId, int subDeviceId,
                                                  Gadgets::SvgElement* element)
{
    auto* device = static_cast<Device*>(m_controller.getDeviceById(deviceId));
    const QString id = control->getButtonId(element);
    if (m_openCommands.contains(deviceId) && m_openCommands.value(deviceId) == id) {
        m_openCommands.remove(deviceId);
        control->hideCommandControl2();
        return;
    }
    Buttons::ButtonList list;
    switch (device->deviceType()) {
    case ZONE_4:
        m_controller.handleZone4Command1Button(id, device);
        break;
    case ZONE_99:
        list = Buttons::getZone99SecondLevelButtons(id, device);
        if (list.isEmpty())
            m_controller.handleZone99Command2Button(id, device);
        break;
    case ADVANCED_AIR_CONDITIONER:
        list = Buttons::getACAdvancedSecondLevelButtons(id, device);
        if (list.isEmpty())
            m_controller.handleACAdvancedCommand2Button(id, device);
        break;
    case BASIC_AIR_CONDITIONER:
        m_controller.handleACBasicCommand1Button(id, device, subDeviceId);
        break;
    default:
        break;
    }
    if (list.isEmpty())
        return;
    control->setCommand1SelectedButton(id);
    control->setCommand2Buttons(list, list.size() % 2 == 0, control->getCommandButtonCenter(element));
    control->showCommandControl2();
    m_openCommands.insert(deviceId, id);
}

void ThermoregulationFavorites::handleDeviceIconClick(Gadgets::FavoriteControl* control, int deviceId)
{
    const auto* device = static_cast<const Device*>(m_controller.getDeviceById(deviceId));
    if (!device->isStatusKnown())
        return;
    if (control->control1ExpandProgress() > 0) {
        m_openCommands.remove(deviceId);
        control->hideCommandControls();
        return;
    }
    const Buttons::ButtonList buttons = Buttons::getDeviceButtons(device);
    if (!buttons.isEmpty()) {
        control->setCommand1Buttons(buttons);
        control->showCommandControl1();
    }
}

void ThermoregulationFavorites::registerControl(int deviceId, Gadgets::FavoriteControl* control)
{
    if (control && !m_controls.contains(deviceId, control))
        m_controls.insert(deviceId, control);
}

void ThermoregulationFavorites::unregisterControl(Gadgets::FavoriteControl* control)
{
    for (auto it = m_controls.begin(); it != m_controls.end();) {
        if (it.value() == control)
            it = m_controls.erase(it);
        else
            ++it;
    }
}

} // namespace Corvane::Sentrel::Controllers
