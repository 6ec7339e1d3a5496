#pragma once

#include "commandcontrol/CommandControl.h"
#include "models/NavigationIcon.h"

#include <QList>
#include <QString>

namespace Corvane::Devices {
class ThermoregulationDevice;
}

namespace Corvane::Sentrel::Controllers {

// The command buttons of the thermoregulation page: the button ids, the
// icon of each value of a fan-coil, an air conditioner or a zone, and the
// button lists of the first and second command rings of each device type.
// An icon made with a device is active when it shows the device's current
// value; a zone status icon is disabled for any other value while the zone
// is locked.
class ThermoregulationButtons
{
public:
    using ButtonList = QList<Gadgets::CommandControl::ButtonData>;

    ThermoregulationButtons() = delete;

    static const QString FAN_BUTTON_ID;
    static const QString FAN_LOW_BUTTON_ID;
    static const QString FAN_MEDIUM_BUTTON_ID;
    static const QString FAN_HIGH_BUTTON_ID;
    static const QString FAN_SILENT_BUTTON_ID;
    static const QString FAN_AUTO_BUTTON_ID;
    static const QString MODE_BUTTON_ID;
    static const QString MODE_OFF_BUTTON_ID;
    static const QString MODE_HEATING_BUTTON_ID;
    static const QString MODE_COOLING_BUTTON_ID;
    static const QString MODE_FAN_BUTTON_ID;
    static const QString MODE_DRY_BUTTON_ID;
    static const QString MODE_AUTO_BUTTON_ID;
    static const QString STATUS_BUTTON_ID;
    static const QString STATUS_PROTECT_BUTTON_ID;
    static const QString STATUS_OFF_BUTTON_ID;
    static const QString STATUS_MANUAL_BUTTON_ID;
    static const QString STATUS_AUTO_BUTTON_ID;
    static const QString START_BUTTON_ID;
    static const QString SWING_BUTTON_ID;
    static const QString SWING_ON_BUTTON_ID;
    static const QString SWING_OFF_BUTTON_ID;

    using Device = Devices::ThermoregulationDevice;
    using Icon = Gadgets::Models::NavigationIcon;

    static Icon getIconForFanSetup(int setup, const Device* device);
    static Icon getIconForSpeed(int speed, const Device* device);
    static Icon getIconForMode(int mode, const Device* device);
    static Icon getIconForStatus(int status, const Device* device);
    static Icon getIconForSwing(int swing, const Device* device);

    static ButtonList getFanButtons(const Device* device);
    static ButtonList getStatusButtons(const Device* device);
    static ButtonList getSpeedButtons(const Device* device);
    static ButtonList getModeButtons(const Device* device);
    static ButtonList getSwingButtons(const Device* device);
    static ButtonList getCent4Buttons(const Device* device);
    static ButtonList getCent99Buttons(const Device* device);
    static ButtonList getACAdvancedButtons(const Device* device);
    static ButtonList getACBasicButtons();
    // The first ring of the device's type; empty for probes.
    static ButtonList getDeviceButtons(const Device* device);
    // The ring that a first-ring button opens; empty for any other id.
    static ButtonList getZone99SecondLevelButtons(const QString& id, const Device* device);
    static ButtonList getACAdvancedSecondLevelButtons(const QString& id, const Device* device);

    // The value a fan-coil button sets (FAN_SILENT is none); -1 for others.
    static int fanSetupOf(const QString& id);
    // The value a speed, mode or swing button sets; -1 for others.
    static int speedOf(const QString& id);
    static int modeOf(const QString& id);
    static int swingOf(const QString& id);

    // Each button id with the icon that shows the device's current state;
    // the first-ring buttons keep their expand mark.
    static QList<QPair<QString, Icon>> allCommandIcons(const Device* device);
};

} // namespace Corvane::Sentrel::Controllers
