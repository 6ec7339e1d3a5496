#include "EnergyDeviceProperties.h"

namespace Corvane::Devices {

EnergyDeviceProperties::EnergyDeviceProperties(int id, DeviceType type,
                                               const DeviceAddress& address,
                                               const QString& description, int measurementUnit)
    : EconomicDeviceProperties(id, type, address, description)
    , m_measurementUnit(measurementUnit)
{
    handleDeviceTypeChanged();
}

BaseDeviceProperties* EnergyDeviceProperties::clone() const
{
    return new EnergyDeviceProperties(*this);
}

QList<int> EnergyDeviceProperties::allowedUnitsForDeviceType(DeviceType type)
{
    static const QList<int> volumes = {
        DeviceEnums::CubicMetre, DeviceEnums::Litre,     DeviceEnums::Decalitre,
        DeviceEnums::Hectolitre, DeviceEnums::CubicFoot, DeviceEnums::CubicYard,
        DeviceEnums::UsGallon,   DeviceEnums::UkGallon,
    };
    switch (type) {
    case 7051:
    case 7091:
        return {DeviceEnums::KiloWattHour};
    case 7061:
    case 7071:
    case 7081:
        return volumes;
    default:
        return {};
    }
}

DeviceEnums::EnergyType EnergyDeviceProperties::energyTypeForDeviceType(DeviceType type)
{
    switch (type) {
    case 7051:
        return DeviceEnums::Electricity;
    case 7071:
        return DeviceEnums::Gas;
    case 7081:
    case 7091:
        return DeviceEnums::Heat;
    case 7061:
        return DeviceEnums::Water;
    default:
        return DeviceEnums::UnknownEnergy;
    }
}

void EnergyDeviceProperties::setMeasurementUnit(int unit)
{
    assign(m_measurementUnit, unit);
}

void EnergyDeviceProperties::setEnergyDeviceType(int type)
{
    assign(m_energyDeviceType, type);
}

bool EnergyDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!EconomicDeviceProperties::isEqual(other))
        return false;
    const auto& meter = static_cast<const EnergyDeviceProperties&>(other);
    return m_measurementUnit == meter.m_measurementUnit && m_energyDeviceType == meter.m_energyDeviceType;
}

void EnergyDeviceProperties::handleDeviceTypeChanged()
{
    EconomicDeviceProperties::handleDeviceTypeChanged();
    const QList<int> units = allowedUnitsForDeviceType(deviceType());
    if (!units.contains(m_measurementUnit))
        m_measurementUnit = units.value(0, DeviceEnums::KiloWattHour);
}

} // namespace Corvane::Devices
