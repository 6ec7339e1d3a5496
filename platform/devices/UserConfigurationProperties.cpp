#include "UserConfigurationProperties.h"

namespace Corvane::Devices {

bool UserConfigurationProperties::operator==(const UserConfigurationProperties& other) const
{
    return m_gui == other.m_gui && m_userSettings == other.m_userSettings;
}

} // namespace Corvane::Devices
