#include "EnergyDevice.h"

namespace Corvane::Devices {

EnergyDevice::EnergyDevice(const EnergyDeviceProperties& properties, int serverId)
    : BaseDevice(properties, serverId)
{
}

void EnergyDevice::setUserTariff(double tariff)
{
    if (!EnergyDeviceProperties::isTariffValid(tariff))
        return;
    m_userTariff = tariff;
    m_hasUserTariff = true;
}

void EnergyDevice::setInstantValue(double value)
{
    m_instantValue = value;
    m_hasValue = true;
}

} // namespace Corvane::Devices
