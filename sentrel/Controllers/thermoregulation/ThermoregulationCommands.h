#pragma once

#include <QString>

namespace Corvane::Devices {
class ThermoregulationDevice;
}
namespace Corvane::PravikDriver {
class OpenDriver;
}

namespace Corvane::Sentrel::Controllers {

// The requests that the thermoregulation buttons and sliders send, with the
// device state they change at once (the rest comes back in the gateway's
// answers). Temperatures are in Celsius. Each takes the driver that the
// request is handed to, so that nothing changes without one.
class ThermoregulationCommands
{
public:
    using Device = Devices::ThermoregulationDevice;
    using Driver = PravikDriver::OpenDriver;

    ThermoregulationCommands() = delete;

    // A fan-coil speed button; FAN_SILENT and other ids send nothing.
    static void setFanSpeed(const QString& id, const QString& address, Driver& driver);
    // A zone status button: unlocks the zone, then sets the status;
    // STATUS_MANUAL sends setpoint and keeps it. Other ids send nothing.
    static void setZoneStatus(const QString& id, double setpoint, Driver& driver, Device* device);
    // A mode, speed or swing button of an advanced air conditioner: the
    // device takes the new state at once; off sends the mode alone.
    static void setAirConditionerState(const QString& id, Driver& driver, Device* device);
    static void setZoneSetpoint(double celsius, Driver& driver, Device* device);
    static void setAirConditionerSetpoint(double celsius, Driver& driver, const Device* device);
    // Runs the scenario of a basic air conditioner's command.
    static void runCommand(int commandId, Driver& driver, const Device* device);
};

} // namespace Corvane::Sentrel::Controllers
