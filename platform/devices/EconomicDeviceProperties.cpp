#include "EconomicDeviceProperties.h"

namespace Corvane::Devices {

const double EconomicDeviceProperties::MIN_TARIFF = 0.0;
const double EconomicDeviceProperties::MAX_TARIFF = 100000.0;

EconomicDeviceProperties::EconomicDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

bool EconomicDeviceProperties::isTariffValid(double tariff)
{
    return tariff >= MIN_TARIFF && tariff <= MAX_TARIFF;
}

void EconomicDeviceProperties::setIsEconomicEvaluationEnabled(bool enabled)
{
    assign(m_economicEvaluation, enabled && supportsEconomicEvaluation());
}

void EconomicDeviceProperties::setCurrency(int currency)
{
    assign(m_currency, currency);
}

void EconomicDeviceProperties::setTariff(double tariff)
{
    assign(m_tariff, tariff);
}

bool EconomicDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!BaseDeviceProperties::isEqual(other))
        return false;
    const auto& economic = static_cast<const EconomicDeviceProperties&>(other);
    return m_economicEvaluation == economic.m_economicEvaluation && m_currency == economic.m_currency
        && m_tariff == economic.m_tariff;
}

void EconomicDeviceProperties::handleDeviceTypeChanged()
{
    if (!supportsEconomicEvaluation())
        m_economicEvaluation = false;
}

} // namespace Corvane::Devices
