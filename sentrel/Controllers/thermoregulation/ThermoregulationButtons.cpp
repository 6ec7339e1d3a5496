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

using Buttons = ThermoregulationButtons;
using Icon = Gadgets::Models::NavigationIcon;
using IconFunction = Icon (*)(int value, const Buttons::Device* device);
using Supports = bool (Buttons::Device::*)(int value) const;

// A value of a fan-coil, speed, mode, status or swing, with the button that
// sets it and the picture that shows it; a table lists its buttons in ring
// order.
struct Choice
{
    int value;
    const QString& id;
    const QString& renderer;
};

QList<Choice> fanSetups()
{
    return {{1, Buttons::FAN_LOW_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_LOW},
            {2, Buttons::FAN_MEDIUM_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_MEDIUM},
            {3, Buttons::FAN_HIGH_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_HIGH},
            {0, Buttons::FAN_AUTO_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_AUTOMATIC}};
}

QList<Choice> speeds()
{
    return {{0, Buttons::FAN_AUTO_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_AUTOMATIC},
            {1, Buttons::FAN_LOW_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_LOW},
            {2, Buttons::FAN_MEDIUM_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_MEDIUM},
            {3, Buttons::FAN_HIGH_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_HIGH},
            {4, Buttons::FAN_SILENT_BUTTON_ID, ThemeProvider::THERMO_FANCOIL_SILENT}};
}

QList<Choice> modes()
{
    return {{0, Buttons::MODE_OFF_BUTTON_ID, ThemeProvider::OFF},
            {1, Buttons::MODE_HEATING_BUTTON_ID, ThemeProvider::THERMO_HEATING},
            {2, Buttons::MODE_COOLING_BUTTON_ID, ThemeProvider::THERMO_COOLING},
            {3, Buttons::MODE_FAN_BUTTON_ID, ThemeProvider::THERMO_FAN},
            {4, Buttons::MODE_DRY_BUTTON_ID, ThemeProvider::THERMO_DRY},
            {5, Buttons::MODE_AUTO_BUTTON_ID, ThemeProvider::THERMO_AUTOMATIC}};
}

QList<Choice> statuses()
{
    return {{1, Buttons::STATUS_PROTECT_BUTTON_ID, ThemeProvider::THERMO_ANTIFREEZE},
            {0, Buttons::STATUS_OFF_BUTTON_ID, ThemeProvider::OFF},
            {2, Buttons::STATUS_MANUAL_BUTTON_ID, ThemeProvider::THERMO_MANUAL},
            {3, Buttons::STATUS_AUTO_BUTTON_ID, ThemeProvider::THERMO_AUTOMATIC}};
}

QList<Choice> swings()
{
    return {{0, Buttons::SWING_OFF_BUTTON_ID, ThemeProvider::THERMO_SWING_OFF},
            {1, Buttons::SWING_ON_BUTTON_ID, ThemeProvider::THERMO_SWING_ON}};
}

// The picture of value, or fallback for a value not in choices.
QString rendererOf(const QList<Choice>& choices, int value, const QString& fallback = QString())
{
    for (const Choice& choice : choices) {
        if (choice.value == value)
            return choice.renderer;
    }
    return fallback;
}

// The value that the button id sets, or -1.
int valueOf(const QList<Choice>& choices, const QString& id)
{
    for (const Choice& choice : choices) {
        if (choice.id == id)
            return choice.value;
    }
    return -1;
}

Icon icon(const QString& renderer, bool active)
{
    if (renderer.isEmpty())
        return Icon();
    Icon result(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(renderer), {}), QString(), 0);
    if (active)
        result.setState(Icon::Active);
    return result;
}

Icon expanding(Icon icon)
{
    icon.setWillExpand(true);
    return icon;
}

// The buttons of choices that the device supports (all without supports).
Buttons::ButtonList buttonsOf(const QList<Choice>& choices, IconFunction iconFor, const Buttons::Device* device,
                              Supports supports = nullptr)
{
    Buttons::ButtonList buttons;
    for (const Choice& choice : choices) {
        if (!supports || (device->*supports)(choice.value))
            buttons.append(Button(iconFor(choice.value, device), choice.id));
    }
    return buttons;
}

// The first-ring button id showing the current value, expand mark kept,
// then the icon of each choice.
void appendIcons(QList<QPair<QString, Icon>>& icons, const QString& id, int current, const QList<Choice>& choices,
                 IconFunction iconFor, const Buttons::Device* device)
{
    icons.append({id, expanding(iconFor(current, nullptr))});
    for (const Choice& choice : choices)
        icons.append({choice.id, iconFor(choice.value, device)});
}

} // namespace

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForFanSetup(int setup, const Device* device)
{
    return icon(rendererOf(fanSetups(), setup, ThemeProvider::THERMO_FANCOIL_AUTOMATIC),
                device && device->fancoil() == setup);
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForSpeed(int speed, const Device* device)
{
    return icon(rendererOf(speeds(), speed), device && device->airConditionerSpeed() == speed);
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForMode(int mode, const Device* device)
{
    return icon(rendererOf(modes(), mode, ThemeProvider::OFF), device && device->airConditionerMode() == mode);
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForStatus(int status, const Device* device)
{
    const bool active = device && device->zoneStatus() == status;
    const QString renderer = rendererOf(statuses(), status);
    Icon result = icon(renderer, active);
    if (!renderer.isEmpty() && device && !active && device->isLocked())
        result.setState(Icon::Disabled);
    return result;
}

ThermoregulationButtons::Icon ThermoregulationButtons::getIconForSwing(int swing, const Device* device)
{
    return icon(rendererOf(swings(), swing, ThemeProvider::THERMO_SWING_OFF),
                device && device->airConditionerSwing() == swing);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getFanButtons(const Device* device)
{
    return buttonsOf(fanSetups(), getIconForFanSetup, device);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getStatusButtons(const Device* device)
{
    return buttonsOf(statuses(), getIconForStatus, device);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getSpeedButtons(const Device* device)
{
    return buttonsOf(speeds(), getIconForSpeed, device, &Device::supportsAirConditionerSpeed);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getModeButtons(const Device* device)
{
    return buttonsOf(modes(), getIconForMode, device, &Device::supportsAirConditionerMode);
}

ThermoregulationButtons::ButtonList ThermoregulationButtons::getSwingButtons(const Device* device)
{
    return buttonsOf(swings(), getIconForSwing, device, &Device::supportsAirConditionerSwing);
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
    return valueOf(fanSetups(), id);
}

int ThermoregulationButtons::speedOf(const QString& id)
{
    return valueOf(speeds(), id);
}

int ThermoregulationButtons::modeOf(const QString& id)
{
    return valueOf(modes(), id);
}

int ThermoregulationButtons::swingOf(const QString& id)
{
    return valueOf(swings(), id);
}

QList<QPair<QString, ThermoregulationButtons::Icon>> ThermoregulationButtons::allCommandIcons(const Device* device)
{
    QList<QPair<QString, Icon>> icons;
    if (device->isAirconditioner())
        appendIcons(icons, FAN_BUTTON_ID, device->airConditionerSpeed(), speeds(), getIconForSpeed, device);
    else
        appendIcons(icons, FAN_BUTTON_ID, device->fancoil(), fanSetups(), getIconForFanSetup, device);
    appendIcons(icons, MODE_BUTTON_ID, device->airConditionerMode(), modes(), getIconForMode, device);
    appendIcons(icons, STATUS_BUTTON_ID, device->zoneStatus(), statuses(), getIconForStatus, device);
    appendIcons(icons, SWING_BUTTON_ID, device->airConditionerSwing(), swings(), getIconForSwing, device);
    return icons;
}

} // namespace Corvane::Sentrel::Controllers
