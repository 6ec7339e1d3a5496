#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace Corvane::Gadgets {
class FavoriteControl;
class SvgElement;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

class ThermoregulationController;

// The favourites of the thermoregulation page: the device icon opens the
// device's first ring, a button that opens a second ring shows it (and
// closes it on a second click), any other button sends its command through
// the controller. Keeps, per device, which first-ring button has its second
// ring open, and the favourite controls whose icons follow a device.
class ThermoregulationFavorites
{
public:
    explicit ThermoregulationFavorites(ThermoregulationController& controller);

    void handleElementClick(Gadgets::FavoriteControl* control, int deviceId, int subDeviceId,
                            Gadgets::SvgElement* element);
    void clearOpenCommands() { m_openCommands.clear(); }
    QString openCommand(int deviceId) const { return m_openCommands.value(deviceId); }

    void registerControl(int deviceId, Gadgets::FavoriteControl* control);
    void unregisterControl(Gadgets::FavoriteControl* control);
    QList<Gadgets::FavoriteControl*> controlsOf(int deviceId) const { return m_controls.values(deviceId); }

private:
    void handleButtonClick(Gadgets::FavoriteControl* control, int deviceId, int subDeviceId,
                           Gadgets::SvgElement* element);
    void handleDeviceIconClick(Gadgets::FavoriteControl* control, int deviceId);

    ThermoregulationController& m_controller;
    QHash<int, QString> m_openCommands;
    QMultiHash<int, Gadgets::FavoriteControl*> m_controls;
};

} // namespace Corvane::Sentrel::Controllers
