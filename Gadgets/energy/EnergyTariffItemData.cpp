#include "energy/EnergyTariffItemData.h"

namespace Corvane::Gadgets::Models {

EnergyTariffItemData::EnergyTariffItemData(const QString& description, int address, const QString& family,
                                           double value, const QString& currency, const QString& unit)
    : m_description(description)
    , m_address(address)
    , m_family(family)
    , m_value(value)
    , m_currency(currency)
    , m_unit(unit)
{
}

QVariant EnergyTariffItemData::operator[](int index) const
{
    switch (index) {
    case TariffDescription:
        return m_description;
    case TariffAddress:
        return m_address;
    case TariffFamily:
        return m_family;
    case TariffValue:
        return m_value;
    case TariffCurrency:
        return m_currency;
    case TariffUnit:
        return m_unit;
    default:
        return {};
    }
}

void EnergyTariffItemData::setAt(int index, const QVariant& value)
{
    if (!value.isValid())
        return;
    switch (index) {
    case TariffDescription:
        m_description = value.toString();
        break;
    case TariffAddress:
        m_address = value.toInt();
        break;
    case TariffFamily:
        m_family = value.toString();
        break;
    case TariffValue:
        m_value = value.toDouble();
        break;
    case TariffCurrency:
        m_currency = value.toString();
        break;
    default:
        break;
    }
}

} // namespace Corvane::Gadgets::Models
