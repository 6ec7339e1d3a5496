#pragma once

#include "DeviceEnums.h"
#include "EconomicDeviceProperties.h"

namespace Corvane::Devices {

// An energy meter: electricity (7051), water (7061), gas (7071), domestic
// hot water (7081), heating or cooling (7091).
class EnergyDeviceProperties : public EconomicDeviceProperties
{
public:
    // A unit the type does not allow is replaced by the type's default unit.
    EnergyDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                           const QString& description, int measurementUnit = DeviceEnums::KiloWattHour);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Energy; }

    // The units a meter of the type can show, the first being its default.
    static QList<int> allowedUnitsForDeviceType(DeviceType type);
    // The kind of energy the gateway reports for a meter of the type.
    static DeviceEnums::EnergyType energyTypeForDeviceType(DeviceType type);

    int measurementUnit() const { return m_measurementUnit; }
    void setMeasurementUnit(int unit);
    int energyDeviceType() const { return m_energyDeviceType; }
    void setEnergyDeviceType(int type);
    DeviceEnums::EnergyType energyType() const { return energyTypeForDeviceType(deviceType()); }

    bool isEqual(const BaseDeviceProperties& other) const override;

protected:
    void handleDeviceTypeChanged() override;

private:
    int m_measurementUnit;
    int m_energyDeviceType = DeviceEnums::Consumption;
};

} // namespace Corvane::Devices
