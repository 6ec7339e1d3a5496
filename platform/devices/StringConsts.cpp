#include "StringConsts.h"

#include "DeviceEnums.h"

#include <QCoreApplication>

namespace Corvane::Devices {

QString StringConsts::getDeviceTypeString(int deviceType)
{
    switch (deviceType) {
    case 2001: return QCoreApplication::translate("Devices", "Dimmer 100 levels");
    case 2002: return QCoreApplication::translate("Devices", "Dimmer 10 levels");
    case 2003: return QCoreApplication::translate("Devices", "Switch");
    case 2006: return QCoreApplication::translate("Devices", "Dimmer 10 levels (DALI)");
    case 3001: return QCoreApplication::translate("Devices", "Shutter");
    case 3002: return QCoreApplication::translate("Devices", "Curtain");
    case 1002: return QCoreApplication::translate("Devices", "Scenario");
    case 1003: return QCoreApplication::translate("Devices", "Scenario PLUS");
    case 9002: return QCoreApplication::translate("Devices", "Scheduled scenario");
    case 8001: return QCoreApplication::translate("Devices", "External probe");
    case 8002: return QCoreApplication::translate("Devices", "Probe");
    case 8003: return QCoreApplication::translate("Devices", "Zone (99-zone central unit)");
    case 8004: return QCoreApplication::translate("Devices", "Zone (4-zone central unit)");
    case 4001: return QCoreApplication::translate("Devices", "Air conditioner (basic)");
    case 4003: return QCoreApplication::translate("Devices", "Air conditioner (advanced)");
    case 20001: return QCoreApplication::translate("Devices", "Light sensor");
    case 21001: return QCoreApplication::translate("Devices", "Presence sensor");
    case 21002: return QCoreApplication::translate("Devices", "Light and presence sensor");
    case 22001: return QCoreApplication::translate("Devices", "Web server");
    case 23001: return QCoreApplication::translate("Devices", "Radio");
    case 23002: return QCoreApplication::translate("Devices", "Track player");
    case 23003: return QCoreApplication::translate("Devices", "Amplifier");
    case 23004: return QCoreApplication::translate("Devices", "Media player");
    case 7051: return QCoreApplication::translate("Devices", "Electricity");
    case 7061: return QCoreApplication::translate("Devices", "Water");
    case 7071: return QCoreApplication::translate("Devices", "Gas");
    case 7081: return QCoreApplication::translate("Devices", "Domestic hot water");
    case 7091: return QCoreApplication::translate("Devices", "Heating or cooling");
    case 18001: return QCoreApplication::translate("Devices", "Load");
    case 18002: return QCoreApplication::translate("Devices", "Load with energy meter");
    default: return QCoreApplication::translate("Devices", "Unknown (%1)").arg(deviceType);
    }
}

QString StringConsts::getMeasurementUnitString(int unit)
{
    switch (unit) {
    case DeviceEnums::KiloWattHour: return QCoreApplication::translate("Devices", "kWh");
    case DeviceEnums::CubicMetre: return QCoreApplication::translate("Devices", "m³");
    case DeviceEnums::Litre: return QCoreApplication::translate("Devices", "l");
    case DeviceEnums::Decalitre: return QCoreApplication::translate("Devices", "dal");
    case DeviceEnums::Hectolitre: return QCoreApplication::translate("Devices", "hl");
    case DeviceEnums::CubicFoot: return QCoreApplication::translate("Devices", "ft³");
    case DeviceEnums::CubicYard: return QCoreApplication::translate("Devices", "yd³");
    case DeviceEnums::UsGallon: return QCoreApplication::translate("Devices", "gal (US)");
    case DeviceEnums::UkGallon: return QCoreApplication::translate("Devices", "gal (UK)");
    default: return QString();
    }
}

QString StringConsts::getInstantUnitString(int unit)
{
    switch (unit) {
    case DeviceEnums::KiloWattHour: return QCoreApplication::translate("Devices", "kW");
    case DeviceEnums::CubicMetre: return QCoreApplication::translate("Devices", "m³/h");
    case DeviceEnums::Litre: return QCoreApplication::translate("Devices", "l/h");
    case DeviceEnums::Decalitre: return QCoreApplication::translate("Devices", "dal/h");
    case DeviceEnums::Hectolitre: return QCoreApplication::translate("Devices", "hl/h");
    case DeviceEnums::CubicFoot: return QCoreApplication::translate("Devices", "ft³/h");
    case DeviceEnums::CubicYard: return QCoreApplication::translate("Devices", "yd³/h");
    case DeviceEnums::UsGallon: return QCoreApplication::translate("Devices", "gal/h (US)");
    case DeviceEnums::UkGallon: return QCoreApplication::translate("Devices", "gal/h (UK)");
    default: return QString();
    }
}

QString StringConsts::getEnergyTypeString(int energyDeviceType)
{
    return energyDeviceType == DeviceEnums::Production ? QCoreApplication::translate("Devices", "Production") : QCoreApplication::translate("Devices", "Consumption");
}

QString StringConsts::getCurrencyString(int currency)
{
    switch (currency) {
    case DeviceEnums::Euro: return QCoreApplication::translate("Devices", "€");
    case DeviceEnums::UsDollar: return QCoreApplication::translate("Devices", "$");
    case DeviceEnums::PoundSterling: return QCoreApplication::translate("Devices", "£");
    case DeviceEnums::SwissFranc: return QCoreApplication::translate("Devices", "CHF");
    case DeviceEnums::Yen: return QCoreApplication::translate("Devices", "¥");
    default: return QString();
    }
}

QString StringConsts::getCurrencyRateString(int currency)
{
    const QString symbol = getCurrencyString(currency);
    return symbol.isEmpty() ? QString() : QCoreApplication::translate("Devices", "%1/h").arg(symbol);
}

} // namespace Corvane::Devices
