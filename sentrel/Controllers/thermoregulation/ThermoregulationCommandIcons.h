#pragma once

#include "models/NavigationIcon.h"

#include <QList>

namespace Corvane::Devices {
class ThermoregulationDevice;
class UserDeviceSettings;
} // namespace Corvane::Devices

namespace Corvane::Sentrel::Controllers {

// The commands of a basic air conditioner as icons of their own, in the
// device's command order: each icon's id is the command's id and its
// tooltip the command's text. Also keeps the user's names and order of the
// commands in the user settings.
class ThermoregulationCommandIcons
{
public:
    using Device = Devices::ThermoregulationDevice;
    using Icon = Gadgets::Models::NavigationIcon;

    // Replaces the icons with those of device's commands.
    void show(const Device* device);
    void clear() { m_icons.clear(); }
    QList<Icon> icons() const { return m_icons; }
    bool isEmpty() const { return m_icons.isEmpty(); }
    // The icon of that command with the new tooltip, or none (id 0).
    Icon rename(int commandId, const QString& name);
    // Takes the order in which shown holds the command icons; returns the
    // command ids in their new order.
    QList<int> reorder(const QList<Icon>& shown);

    static Icon iconFor(const Device* device, int commandId);
    static void fillSettings(Devices::UserDeviceSettings& settings, int pageId, const Device* device);
    // Applies the stored order and names; returns the commands renamed.
    static QList<int> loadSettings(const Devices::UserDeviceSettings& settings, int pageId, Device* device);

private:
    QList<Icon> m_icons;
};

} // namespace Corvane::Sentrel::Controllers
