#pragma once

#include "models/NavigationIcon.h"

namespace Corvane::Devices {
class ThermoregulationDevice;
}

namespace Corvane::Sentrel::Controllers {

class BaseController;

// The carousel icons of the thermoregulation devices: the icon a device
// starts with, and its state drawn into its icon and slider in the user's
// unit. A probe or zone of known state shows its temperature, an air
// conditioner its own picture; a device of unknown state its picture only.
class ThermoregulationDeviceIcons
{
public:
    using Device = Devices::ThermoregulationDevice;
    using Icon = Gadgets::Models::NavigationIcon;

    explicit ThermoregulationDeviceIcons(BaseController& controller);

    static Icon initialIcon(const Device* device);
    // Whether a click on the device's icon opens a ring of commands.
    static bool willIconExpand(const Device* device);

    void drawState(const Device* device);
    void drawSlider(const Device* device);

private:
    BaseController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers
