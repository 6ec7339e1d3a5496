#include "ScheduledScenarioItem.h"

namespace Corvane::Devices {

const int ScheduledScenarioItem::MAX_CEN_BUTTON = 255;
const int ScheduledScenarioItem::MAX_CEN_PLUS_BUTTON = 31;
const int ScheduledScenarioItem::CEN_ADDRESS_TYPE = 4;
const int ScheduledScenarioItem::CEN_PLUS_ADDRESS_TYPE = 5;

ScheduledScenarioItem::ScheduledScenarioItem()
    : ScheduledScenarioItem(false, Cen, 0, DeviceAddress::defaultAddress())
{
}

ScheduledScenarioItem::ScheduledScenarioItem(bool presence, CenType cenType, int pushButton,
                                             const DeviceAddress& address)
    : m_presence(presence)
    , m_cenType(cenType)
    , m_pushButton(pushButton)
    , m_address(address)
{
}

int ScheduledScenarioItem::addressType() const
{
    return m_cenType == CenPlus ? CEN_PLUS_ADDRESS_TYPE : CEN_ADDRESS_TYPE;
}

int ScheduledScenarioItem::maxPushButton() const
{
    return m_cenType == CenPlus ? MAX_CEN_PLUS_BUTTON : MAX_CEN_BUTTON;
}

bool ScheduledScenarioItem::operator==(const ScheduledScenarioItem& other) const
{
    return m_presence == other.m_presence && m_cenType == other.m_cenType
        && m_pushButton == other.m_pushButton && m_address == other.m_address;
}

} // namespace Corvane::Devices
