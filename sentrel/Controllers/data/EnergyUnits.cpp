#include "EnergyUnits.h"

#include "devices/DeviceEnums.h"
#include "devices/EnergyDevice.h"
#include "devices/StringConsts.h"
#include "energy/EnergyDataViewControl.h"
#include "theme/ThemeProvider.h"
#include "utilities/MeasurementUnitsConverter.h"

#include <QLocale>

namespace Corvane::Sentrel::Controllers {

using Devices::StringConsts;
using Gadgets::ThemeProvider;
using Utilities::MeasurementUnitsConverter;

namespace {

const int ELECTRICITY_METER = 7051;
const int WATER_METER = 7061;
const int GAS_METER = 7071;
const int HOT_WATER_METER = 7081;
const int HEATING_OR_COOLING_METER = 7091;
const int MONEY = 1;
const int DECIMALS = 2;

double cubicMetreQuotient(int unit)
{
    switch (unit) {
    case Devices::DeviceEnums::Litre:
        return MeasurementUnitsConverter::cubicMetresToLitres(1.0);
    case Devices::DeviceEnums::Decalitre:
        return MeasurementUnitsConverter::cubicMetresToDecalitres(1.0);
    case Devices::DeviceEnums::Hectolitre:
        return MeasurementUnitsConverter::cubicMetresToHectolitres(1.0);
    case Devices::DeviceEnums::CubicFoot:
        return MeasurementUnitsConverter::cubicMetresToCubicFeet(1.0);
    case Devices::DeviceEnums::CubicYard:
        return MeasurementUnitsConverter::cubicMetresToCubicYards(1.0);
    case Devices::DeviceEnums::UsGallon:
        return MeasurementUnitsConverter::cubicMetresToUsGallons(1.0);
    case Devices::DeviceEnums::UkGallon:
        return MeasurementUnitsConverter::cubicMetresToUkGallons(1.0);
    default:
        return 1.0;
    }
}

} // namespace

double EnergyUnits::quotient(int dataType, int deviceType, int measurementUnit, double tariff)
{
    const double perFamily = deviceType == ELECTRICITY_METER ? MeasurementUnitsConverter::wattsToKilowatts(1.0) : 1.0;
    return perFamily * cubicMetreQuotient(measurementUnit) * (dataType == MONEY ? tariff : 1.0);
}

double EnergyUnits::converted(double value, int dataType, const Devices::EnergyDevice* device)
{
    return value * quotient(dataType, device->deviceType(), device->measurementUnit(), device->userTariff());
}

QString EnergyUnits::instantText(const Devices::EnergyDevice* device, int dataType)
{
    // The instant value is kept converted for energy data already.
    const double tariff = dataType == MONEY ? device->userTariff() : 1.0;
    return twoDecimals(device->instantValue() * tariff);
}

QString EnergyUnits::valueFormat(int measurementUnit)
{
    return QStringLiteral("%1 ") + StringConsts::getInstantUnitString(measurementUnit);
}

QString EnergyUnits::iconName(int deviceType)
{
    switch (deviceType) {
    case ELECTRICITY_METER:
        return ThemeProvider::ENERGY_ELECTRICITY;
    case WATER_METER:
        return ThemeProvider::ENERGY_WATER;
    case GAS_METER:
        return ThemeProvider::ENERGY_GAS;
    case HOT_WATER_METER:
        return ThemeProvider::ENERGY_DOMESTIC_HOT_WATER;
    case HEATING_OR_COOLING_METER:
        return ThemeProvider::ENERGY_HEATING_OR_COOLING;
    default:
        return QString();
    }
}

void EnergyUnits::applyUnits(Gadgets::EnergyDataViewControl* view, const Devices::EnergyDevice* device)
{
    view->setMeasurementUnit(StringConsts::getMeasurementUnitString(device->measurementUnit()));
    view->setCurrency(StringConsts::getCurrencyString(device->currency()));
    view->setInstantUnits(StringConsts::getInstantUnitString(device->measurementUnit()),
                          StringConsts::getCurrencyRateString(device->currency()));
}

QString EnergyUnits::twoDecimals(double value)
{
    return QLocale().toString(value, 'f', DECIMALS);
}

} // namespace Corvane::Sentrel::Controllers
