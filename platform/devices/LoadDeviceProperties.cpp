#include "LoadDeviceProperties.h"

namespace Corvane::Devices {

LoadDeviceProperties::LoadDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                           const QString& description, bool hasCentralUnit)
    : EconomicDeviceProperties(id, type, address, description)
    , m_hasCentralUnit(hasCentralUnit)
{
}

BaseDeviceProperties* LoadDeviceProperties::clone() const
{
    return new LoadDeviceProperties(*this);
}

bool LoadDeviceProperties::supportsEconomicEvaluation() const
{
    return deviceType() == 18002;
}

void LoadDeviceProperties::setHasCentralUnit(bool hasCentralUnit)
{
    assign(m_hasCentralUnit, hasCentralUnit);
}

bool LoadDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    return EconomicDeviceProperties::isEqual(other)
        && m_hasCentralUnit == static_cast<const LoadDeviceProperties&>(other).m_hasCentralUnit;
}

} // namespace Corvane::Devices
