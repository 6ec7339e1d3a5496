#include "ThermoregulationButtons.h"

#include "controls/IconRenderer.h"
#include "devices/ThermoregulationDevice.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Gadgets::ThemeProvider;
using Button = Gadgets::CommandControl::ButtonData;

const QString ThermoregulationButtons::FAN_BUTTON_ID = QStringLiteral("FAN");
const QString ThermoregulationButtons::FAN_LOW_BUTTON_ID = QStringLiteral("FAN_LOW");
const QString ThermoregulationButtons::FAN_MEDIUM_BUTTON_ID = QStringLiteral("FAN_MEDIUM");
const QString ThermoregulationButtons::FAN_HIGH_BUTTON_ID = QStringLiteral("FAN_HIGH");
const QString ThermoregulationButtons::FAN_SILENT_BUTTON_ID = QStringLiteral("FAN_SILENT");
const QString ThermoregulationButtons::FAN_AUTO_BUTTON_ID = QStringLiteral("FAN_AUTO");
const QString ThermoregulationButtons::MODE_BUTTON_ID = QStringLiteral("MODE");
const QString ThermoregulationButtons::MODE_OFF_BUTTON_ID = QStringLiteral("MODE_OFF");
const QString ThermoregulationButtons::MODE_HEATING_BUTTON_ID = QStringLiteral("MODE_HEATING");
const QString ThermoregulationButtons::MODE_COOLING_BUTTON_ID = QStringLiteral("MODE_COOLING");
const QString ThermoregulationButtons::MODE_FAN_BUTTON_ID = QStringLiteral("MODE_FAN");
const QString ThermoregulationButtons::MODE_DRY_BUTTON_ID = QStringLiteral("MODE_DRY");
const QString ThermoregulationButtons::MODE_AUTO_BUTTON_ID = QStringLiteral("MODE_AUTO");
const QString ThermoregulationButtons::STATUS_BUTTON_ID = QStringLiteral("STATUS");
const QString ThermoregulationButtons::STATUS_PROTECT_BUTTON_ID = QStringLiteral("STATUS_PROTECT");
const QString ThermoregulationButtons::STATUS_OFF_BUTTON_ID = QStringLiteral("STATUS_OFF");
const QString ThermoregulationButtons::STATUS_MANUAL_BUTTON_ID = QStringLiteral("STATUS_MANUAL");
const QString ThermoregulationButtons::STATUS_AUTO_BUTTON_ID = QStringLiteral("STATUS_AUTO");
const QString ThermoregulationButtons::START_BUTTON_ID = QStringLiteral("START");
const QString ThermoregulationButtons::SWING_BUTTON_ID = QStringLiteral("SWING");
const QString ThermoregulationButtons::SWING_ON_BUTTON_ID = QStringLiteral("SWING_ON");
const QString ThermoregulationButtons::SWING_OFF_BUTTON_ID = QStringLiteral("SWING_OFF");

namespace {

Gadgets::Models::NavigationIcon expanding(Gadgets::Models::NavigationIcon icon)
{
    icon.setWillExpand(true);
    return icon;
}

} // namespace

ThermoregulationButtons::Icon ThermoregulationButtons::icon(const QString& renderer, bool active)
{
    Icon result(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(renderer), {}), QString(), 0);
    if (active)
        result.setState(Icon::Active);
    return result;
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForFanSetup(int setup, const Device* device)
{
    const bool active = device && device->fancoil() == setup;
    switch (setup) {
    case 1:
        return icon(ThemeProvider::THERMO_FANCOIL_LOW, active);
    case 2:
        return icon(ThemeProvider::THERMO_FANCOIL_MEDIUM, active);
    case 3:
        return icon(ThemeProvider::THERMO_FANCOIL_HIGH, active);
    default:
        return icon(ThemeProvider::THERMO_FANCOIL_AUTOMATIC, active);
    }
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForSpeed(int speed, const Device* device)
{
    const bool active = device && device->airConditionerSpeed() == speed;
    switch (speed) {
    case 0:
        return icon(ThemeProvider::THERMO_FANCOIL_AUTOMATIC, active);
    case 1:
        return icon(ThemeProvider::THERMO_FANCOIL_LOW, active);
    case 2:
        return icon(ThemeProvider::THERMO_FANCOIL_MEDIUM, active);
    case 3:
        return icon(ThemeProvider::THERMO_FANCOIL_HIGH, active);
    case 4:
        return icon(ThemeProvider::THERMO_FANCOIL_SILENT, active);
    default:
        return Icon();
    }
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForMode(int mode, const Device* device)
{
    const bool active = device && device->airConditionerMode() == mode;
    switch (mode) {
    case 1:
        return icon(ThemeProvider::THERMO_HEATING, active);
    case 2:
        return icon(ThemeProvider::THERMO_COOLING, active);
    case 3:
        return icon(ThemeProvider::THERMO_FAN, active);
    case 4:
        return icon(ThemeProvider::THERMO_DRY, active);
    case 5:
        return icon(ThemeProvider::THERMO_AUTOMATIC, active);
    default:
        return icon(ThemeProvider::OFF, active);
    }
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForStatus(int status, const Device* device)
{
    const bool active = device && device->zoneStatus() == status;
    Icon result;
    switch (status) {
    case 0:
        result = icon(ThemeProvider::OFF, active);
        break;
    case 1:
        result = icon(ThemeProvider::THERMO_ANTIFREEZE, active);
        break;
    case 2:
        result = icon(ThemeProvider::THERMO_MANUAL, active);
        break;
    case 3:
        result = icon(ThemeProvider::THERMO_AUTOMATIC, active);
        break;
    default:
        return Icon();
    }
    if (device && !active && device->isLocked())
        result.setState(Icon::Disabled);
    return result;
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForSwing(int swing, const Device* device)
{
    const bool active = device && device->airConditionerSwing() == swing;
    return icon(swing == 1 ? ThemeProvider::THERMO_SWING_ON : ThemeProvider::THERMO_SWING_OFF, active);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getFanButtons(const Device* device)
{
    return {
        Button(getIconForFanSetup(1, device), FAN_LOW_BUTTON_ID),
        Button(getIconForFanSetup(2, device), FAN_MEDIUM_BUTTON_ID),
        Button(getIconForFanSetup(3, device), FAN_HIGH_BUTTON_ID),
        Button(getIconForFanSetup(0, device), FAN_AUTO_BUTTON_ID),
    };
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getStatusButtons(const Device* device)
{
    return {
        Button(getIconForStatus(1, device), STATUS_PROTECT_BUTTON_ID),
        Button(getIconForStatus(0, device), STATUS_OFF_BUTTON_ID),
        Button(getIconForStatus(2, device), STATUS_MANUAL_BUTTON_ID),
        Button(getIconForStatus(3, device), STATUS_AUTO_BUTTON_ID),
    };
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getSpeedButtons(const Device* device)
{
    const QList<QPair<int, QString>> speeds {
        {0, FAN_AUTO_BUTTON_ID}, {1, FAN_LOW_BUTTON_ID}, {2, FAN_MEDIUM_BUTTON_ID},
        {3, FAN_HIGH_BUTTON_ID}, {4, FAN_SILENT_BUTTON_ID},
    };
    ButtonList buttons;
    for (const auto& [speed, id] : speeds) {
        if (device->supportsAirConditionerSpeed(speed))
            buttons.append(Button(getIconForSpeed(speed, device), id));
    }
    return buttons;
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getModeButtons(const Device* device)
{
    const QList<QPair<int, QString>> modes {
        {0, MODE_OFF_BUTTON_ID}, {1, MODE_HEATING_BUTTON_ID}, {2, MODE_COOLING_BUTTON_ID},
        {3, MODE_FAN_BUTTON_ID}, {4, MODE_DRY_BUTTON_ID},     {5, MODE_AUTO_BUTTON_ID},
    };
    ButtonList buttons;
    for (const auto& [mode, id] : modes) {
        if (device->supportsAirConditionerMode(mode))
            buttons.append(Button(getIconForMode(mode, device), id));
    }
    return buttons;
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getSwingButtons(const Device* device)
{
    ButtonList buttons;
    if (device->supportsAirConditionerSwing(0))
        buttons.append(Button(getIconForSwing(0, device), SWING_OFF_BUTTON_ID));
    if (device->supportsAirConditionerSwing(1))
        buttons.append(Button(getIconForSwing(1, device), SWING_ON_BUTTON_ID));
    return buttons;
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getCent4Buttons(const Device* device)
{
    return device->supportsFancoil() ? getFanButtons(device) : ButtonList();
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getCent99Buttons(const Device* device)
{
    ButtonList buttons {Button(expanding(getIconForStatus(device->zoneStatus(), nullptr)), STATUS_BUTTON_ID)};
    if (device->supportsFancoil())
        buttons.append(Button(expanding(getIconForFanSetup(device->fancoil(), nullptr)), FAN_BUTTON_ID));
    return buttons;
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getACAdvancedButtons(const Device* device)
{
    ButtonList buttons {Button(expanding(getIconForMode(device->airConditionerMode(), nullptr)), MODE_BUTTON_ID)};
    if (device->supportsAirConditionerSpeed())
        buttons.append(Button(expanding(getIconForSpeed(device->airConditionerSpeed(), nullptr)), FAN_BUTTON_ID));
    if (device->supportsAirConditionerSwing())
        buttons.append(Button(expanding(getIconForSwing(device->airConditionerSwing(), nullptr)), SWING_BUTTON_ID));
    return buttons;
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getACBasicButtons()
{
    return {Button(icon(ThemeProvider::START, false), START_BUTTON_ID)};
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getDeviceButtons(const Device* device)
{
    switch (device->deviceType()) {
    case 8004:
        return getCent4Buttons(device);
    case 8003:
        return getCent99Buttons(device);
    case 4003:
        return getACAdvancedButtons(device);
    case 4001:
        return getACBasicButtons();
    default:
        return {};
    }
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getZone99SecondLevelButtons(const QString& id,
                                                                                        const Device* device)
{
    if (id == STATUS_BUTTON_ID)
        return getStatusButtons(device);
    if (id == FAN_BUTTON_ID)
        return getFanButtons(device);
    return {};
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getACAdvancedSecondLevelButtons(const QString& id,
                                                                                            const Device* device)
{
    if (id == SWING_BUTTON_ID)
        return getSwingButtons(device);
    if (id == FAN_BUTTON_ID)
        return getSpeedButtons(device);
    if (id == MODE_BUTTON_ID)
        return getModeButtons(device);
    return {};
}

int ThermoregulationButtons::fanSetupOf(const QString& id)
{
    if (id == FAN_LOW_BUTTON_ID)
        return 1;
    if (id == FAN_MEDIUM_BUTTON_ID)
        return 2;
    if (id == FAN_HIGH_BUTTON_ID)
        return 3;
    if (id == FAN_AUTO_BUTTON_ID)
        return 0;
    return -1;
}

int ThermoregulationButtons::speedOf(const QString& id)
{
    if (id == FAN_SILENT_BUTTON_ID)
        return 4;
    return fanSetupOf(id);
}

int ThermoregulationButtons::modeOf(const QString& id)
{
    const QStringList modes {MODE_OFF_BUTTON_ID, MODE_HEATING_BUTTON_ID, MODE_COOLING_BUTTON_ID,
                             MODE_FAN_BUTTON_ID, MODE_DRY_BUTTON_ID,     MODE_AUTO_BUTTON_ID};
    return int(modes.indexOf(id));
}

int ThermoregulationButtons::swingOf(const QString& id)
{
    if (id == SWING_ON_BUTTON_ID)
        return 1;
    if (id == SWING_OFF_BUTTON_ID)
        return 0;
    return -1;
}

QList<QPair<QString, ThermoregulationButtons::Icon>> ThermoregulationButtons::allCommandIcons(const Device* device)
{
    QList<QPair<QString, Icon>> icons;
    if (device->isAirconditioner()) {
        icons.append({FAN_BUTTON_ID, expanding(getIconForSpeed(device->airConditionerSpeed(), nullptr))});
        for (const QString& id : {FAN_LOW_BUTTON_ID, FAN_MEDIUM_BUTTON_ID, FAN_HIGH_BUTTON_ID, FAN_SILENT_BUTTON_ID,
                                  FAN_AUTO_BUTTON_ID})
            icons.append({id, getIconForSpeed(speedOf(id), device)});
    } else {
        icons.append({FAN_BUTTON_ID, expanding(getIconForFanSetup(device->fancoil(), nullptr))});
        for (const QString& id : {FAN_LOW_BUTTON_ID, FAN_MEDIUM_BUTTON_ID, FAN_HIGH_BUTTON_ID, FAN_AUTO_BUTTON_ID})
            icons.append({id, getIconForFanSetup(fanSetupOf(id), device)});
    }
    icons.append({MODE_BUTTON_ID, expanding(getIconForMode(device->airConditionerMode(), nullptr))});
    for (const QString& id : {MODE_OFF_BUTTON_ID, MODE_HEATING_BUTTON_ID, MODE_COOLING_BUTTON_ID, MODE_FAN_BUTTON_ID,
                              MODE_DRY_BUTTON_ID, MODE_AUTO_BUTTON_ID})
        icons.append({id, getIconForMode(modeOf(id), device)});
    icons.append({STATUS_BUTTON_ID, expanding(getIconForStatus(device->zoneStatus(), nullptr))});
    const QList<QPair<QString, int>> statuses {
        {STATUS_PROTECT_BUTTON_ID, 1}, {STATUS_OFF_BUTTON_ID, 0}, {STATUS_MANUAL_BUTTON_ID, 2}, {STATUS_AUTO_BUTTON_ID, 3}};
    for (const auto& [id, status] : statuses)
        icons.append({id, getIconForStatus(status, device)});
    icons.append({SWING_BUTTON_ID, expanding(getIconForSwing(device->airConditionerSwing(), nullptr))});
    icons.append({SWING_ON_BUTTON_ID, getIconForSwing(1, device)});
    icons.append({SWING_OFF_BUTTON_ID, getIconForSwing(0, device)});
    return icons;
}

} // namespace Corvane::Sentrel::Controllers
