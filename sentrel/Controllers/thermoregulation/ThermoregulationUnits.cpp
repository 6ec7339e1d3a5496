#include "ThermoregulationUnits.h"

#include "Settings.h"

#include "devices/GuiProperties.h"
#include "devices/ThermoregulationDevice.h"
#include "utilities/MathTools.h"
#include "widgets/TemperatureUnit.h"

namespace Corvane::Sentrel::Controllers {

namespace {

const int ZONE_99 = 8003;
const int ZONE_4 = 8004;
const int ADVANCED_AIR_CONDITIONER = 4003;

// A zone's offset: 1 to 3 is up and 11 to 13 down by 1 to 3; others show
// nothing.
QString zoneOffsetText(int offset)
{
    if (offset >= 1 && offset <= 3)
        return QStringLiteral(" +%1").arg(offset);
    if (offset >= 11 && offset <= 13)
        return QStringLiteral(" -%1").arg(offset - 10);
    return QString();
}

} // namespace

bool ThermoregulationUnits::isFahrenheit()
{
    return Settings::guiProperties().temperatureUnit() == Gadgets::Fahrenheit;
}

double ThermoregulationUnits::convertToFahrenheit(double celsius)
{
    return 9 * celsius / 5 + 32;
}

double ThermoregulationUnits::convertToCelsius(double fahrenheit)
{
    return (fahrenheit - 32) * 5 / 9;
}

double ThermoregulationUnits::celsiusToActualTemperature(double celsius)
{
    return isFahrenheit() ? convertToFahrenheit(celsius) : celsius;
}

// A slider moves in whole steps of the device, so that each of its
// positions is a set-point the device takes and shows back unchanged.
double ThermoregulationUnits::celsiusToActualStep(double step)
{
    return isFahrenheit() ? 9 * step / 5 : step;
}

double ThermoregulationUnits::actualTemperatureToCelsius(double value)
{
    return isFahrenheit() ? convertToCelsius(value) : value;
}

double ThermoregulationUnits::actualTemperatureToRoundedCelsius(double value, double step)
{
    return Utilities::MathTools::round(actualTemperatureToCelsius(value), step);
}

QString ThermoregulationUnits::valueFormat(const Device* device)
{
    const QString unit = QChar(0x00B0) + QLatin1String(isFahrenheit() ? "F" : "C");
    switch (device->deviceType()) {
    case ADVANCED_AIR_CONDITIONER:
        return QStringLiteral("%1") + unit;
    case ZONE_99:
    case ZONE_4:
        return device->isStatusKnown() ? QStringLiteral("%1") + unit + zoneOffsetText(device->offset()) : QString();
    default:
        return QString();
    }
}

} // namespace Corvane::Sentrel::Controllers
