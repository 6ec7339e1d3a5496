#pragma once

#include <QString>

namespace Corvane::Devices {
class EnergyDevice;
}
namespace Corvane::Gadgets {
class EnergyDataViewControl;
}

namespace Corvane::Sentrel::Controllers {

// How the energy page shows a meter's values. Meters report raw integers:
// electricity in watts and watt hours, the other families in cubic metres
// (per hour for their instant flow). Amounts are shown in the meter's unit
// (kWh, m³, l, ...) or, as money, times its tariff; the instant value is a
// rate, shown per hour (kW, m³/h, €/h).
class EnergyUnits
{
public:
    EnergyUnits() = delete;

    // The factor from a meter's raw value to the value shown: watts to
    // kilowatts for electricity, cubic metres to the meter's unit, and the
    // tariff for money (data type 1).
    static double quotient(int dataType, int deviceType, int measurementUnit, double tariff);
    static double converted(double value, int dataType, const Devices::EnergyDevice* device);
    // The instant value's text for a view of that data type, 2 decimals.
    static QString instantText(const Devices::EnergyDevice* device, int dataType);
    // The slider text of an instant value: the number and its rate unit.
    static QString valueFormat(int measurementUnit);
    // The theme icon of a meter family; empty for an unknown family.
    static QString iconName(int deviceType);
    // The view's amount, money and instant units for the meter.
    static void applyUnits(Gadgets::EnergyDataViewControl* view, const Devices::EnergyDevice* device);
    static QString twoDecimals(double value);
};

} // namespace Corvane::Sentrel::Controllers
