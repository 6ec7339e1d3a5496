#include "StringConsts.h"

#include "DeviceEnums.h"

#include <QCoreApplication>

namespace Corvane::Devices {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Devices", text);
}

} // namespace

QString StringConsts::getDeviceTypeString(int deviceType)
{
    switch (deviceType) {
    case 2001: return tr("Dimmer 100 levels");
    case 2002: return tr("Dimmer 10 levels");
    case 2003: return tr("Switch");
    case 2006: return tr("Dimmer 10 levels (DALI)");
    case 3001: return tr("Shutter");
    case 3002: return tr("Curtain");
    case 1002: return tr("Scenario");
    case 1003: return tr("Scenario PLUS");
    case 9002: return tr("Scheduled scenario");
    case 8001: return tr("External probe");
    case 8002: return tr("Probe");
    case 8003: return tr("Zone (99-zone central unit)");
    case 8004: return tr("Zone (4-zone central unit)");
    case 4001: return tr("Air conditioner (basic)");
    case 4003: return tr("Air conditioner (advanced)");
    case 20001: return tr("Light sensor");
    case 21001: return tr("Presence sensor");
    case 21002: return tr("Light and presence sensor");
    case 22001: return tr("Web server");
    case 23001: return tr("Radio");
    case 23002: return tr("Track player");
    case 23003: return tr("Amplifier");
    case 23004: return tr("Media player");
    case 7051: return tr("Electricity");
    case 7061: return tr("Water");
    case 7071: return tr("Gas");
    case 7081: return tr("Domestic hot water");
    case 7091: return tr("Heating or cooling");
    case 18001: return tr("Load");
    case 18002: return tr("Load with energy meter");
    default: return tr("Unknown (%1)").arg(deviceType);
    }
}

QString StringConsts::getMeasurementUnitString(int unit)
{
    switch (unit) {
    case DeviceEnums::KiloWattHour: return tr("kWh");
    case DeviceEnums::CubicMetre: return tr("m³");
    case DeviceEnums::Litre: return tr("l");
    case DeviceEnums::Decalitre: return tr("dal");
    case DeviceEnums::Hectolitre: return tr("hl");
    case DeviceEnums::CubicFoot: return tr("ft³");
    case DeviceEnums::CubicYard: return tr("yd³");
    case DeviceEnums::UsGallon: return tr("gal (US)");
    case DeviceEnums::UkGallon: return tr("gal (UK)");
    default: return QString();
    }
}

QString StringConsts::getEnergyTypeString(int energyDeviceType)
{
    return energyDeviceType == DeviceEnums::Production ? tr("Production") : tr("Consumption");
}

QString StringConsts::getCurrencyString(int currency)
{
    switch (currency) {
    case DeviceEnums::Euro: return tr("€");
    case DeviceEnums::UsDollar: return tr("$");
    case DeviceEnums::PoundSterling: return tr("£");
    case DeviceEnums::SwissFranc: return tr("CHF");
    case DeviceEnums::Yen: return tr("¥");
    default: return QString();
    }
}

} // namespace Corvane::Devices
