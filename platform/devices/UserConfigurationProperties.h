#pragma once

#include "GuiProperties.h"
#include "UserDeviceSettings.h"

namespace Corvane::Devices {

// Everything the user settings file holds.
class UserConfigurationProperties
{
public:
    GuiProperties& gui() { return m_gui; }
    const GuiProperties& gui() const { return m_gui; }
    UserDeviceSettings& userSettings() { return m_userSettings; }
    const UserDeviceSettings& userSettings() const { return m_userSettings; }

    bool operator==(const UserConfigurationProperties& other) const;
    bool operator!=(const UserConfigurationProperties& other) const { return !(*this == other); }

private:
    GuiProperties m_gui;
    UserDeviceSettings m_userSettings;
};

} // namespace Corvane::Devices
