#pragma once

#include <QString>

namespace Corvane::Devices {
class ThermoregulationDevice;
}

namespace Corvane::Sentrel::Controllers {

// Temperatures in the user's unit: the thermoregulation page holds them in
// Celsius and shows and takes them in the unit of the user's settings.
class ThermoregulationUnits
{
public:
    using Device = Devices::ThermoregulationDevice;

    ThermoregulationUnits() = delete;

    static bool isFahrenheit();
    static double convertToFahrenheit(double celsius);
    static double convertToCelsius(double fahrenheit);
    static double celsiusToActualTemperature(double celsius);
    // A temperature step of the Celsius scale in the user's unit.
    static double celsiusToActualStep(double step);
    static double actualTemperatureToCelsius(double value);
    static double actualTemperatureToRoundedCelsius(double value, double step);
    // The slider text of the device: the set-point in the user's unit, with
    // a zone's offset; none for devices without a set-point to show.
    static QString valueFormat(const Device* device);
};

} // namespace Corvane::Sentrel::Controllers
