#pragma once

#include <QString>

namespace Corvane::Devices {
class ThermoregulationDevice;
}
namespace Corvane::PravikDriver::UserMessages {
class TemperatureMessage;
}

namespace Corvane::Sentrel::Controllers {

// Takes a gateway's temperature message into a thermoregulation device.
// Gateways may send values out of range: a measured temperature outside
// -50..100 °C and a fan-coil, mode, speed, swing or zone status outside its
// enumeration are ignored (the device keeps its value), a set-point is
// clamped to the device's bounds and an unknown offset means no offset.
// Each such value logs one warning naming the device and the field.
class ThermoregulationStateReader
{
public:
    static const double LOWEST_MEASURED_TEMPERATURE;
    static const double HIGHEST_MEASURED_TEMPERATURE;

    ThermoregulationStateReader() = delete;

    // statusKnown is the device's status before the message: an advanced
    // air conditioner that is off and not yet known falls back to set-point
    // 20, speed 0 and swing 0 for the fields the message leaves out.
    static void apply(Devices::ThermoregulationDevice* device,
                      const PravikDriver::UserMessages::TemperatureMessage& message, bool statusKnown);

    // A set-point inside the device's bounds; a clamp logs a warning.
    static double clampedSetpoint(const Devices::ThermoregulationDevice* device, double celsius);

    static void warn(const Devices::ThermoregulationDevice* device, const QString& field, const QString& problem);
};

} // namespace Corvane::Sentrel::Controllers
