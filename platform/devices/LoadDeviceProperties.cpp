#include "LoadDeviceProperties.h"

namespace Corvane::Devices {

LoadDeviceProperties::LoadDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                           const QString& description, bool hasCentralUnit)
    : BaseDeviceProperties(id, type, address, description)
    , m_hasCentralUnit(hasCentralUnit)
{
}

BaseDeviceProperties* LoadDeviceProperties::clone() const
{
    return new LoadDeviceProperties(*this);
}

bool LoadDeviceProperties::supportsEconomicEvaluation(DeviceType type)
{
    return type == 18002;
}

void LoadDeviceProperties::setHasCentralUnit(bool hasCentralUnit)
{
    assign(m_hasCentralUnit, hasCentralUnit);
}

void LoadDeviceProperties::setIsEconomicEvaluationEnabled(bool enabled)
{
    assign(m_economicEvaluation, enabled && supportsEconomicEvaluation(deviceType()));
}

void LoadDeviceProperties::setCurrency(int currency)
{
    assign(m_currency, currency);
}

void LoadDeviceProperties::setTariff(double tariff)
{
    assign(m_tariff, tariff);
}

bool LoadDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!BaseDeviceProperties::isEqual(other))
        return false;
    const auto& load = static_cast<const LoadDeviceProperties&>(other);
    return m_hasCentralUnit == load.m_hasCentralUnit
        && m_economicEvaluation == load.m_economicEvaluation && m_currency == load.m_currency
        && m_tariff == load.m_tariff;
}

void LoadDeviceProperties::handleDeviceTypeChanged()
{
    if (!supportsEconomicEvaluation(deviceType()))
        m_economicEvaluation = false;
}

} // namespace Corvane::Devices
