#include "ThermoregulationCommandProperties.h"

namespace Corvane::Devices {

const int ThermoregulationCommandProperties::EMPTY_ID = -1;

ThermoregulationCommandProperties::ThermoregulationCommandProperties(const DeviceAddress& address,
                                                                     const QString& description,
                                                                     int id)
    : m_id(id)
    , m_address(address)
    , m_description(description)
{
}

void ThermoregulationCommandProperties::setAddress(const DeviceAddress& address)
{
    assign(m_address, address);
}

void ThermoregulationCommandProperties::setDescription(const QString& description)
{
    assign(m_description, description);
}

bool ThermoregulationCommandProperties::operator==(const ThermoregulationCommandProperties& other) const
{
    return m_id == other.m_id && m_address == other.m_address
        && m_description == other.m_description;
}

} // namespace Corvane::Devices
