#pragma once

#include "DeviceAddress.h"

namespace Corvane::Devices {

// One action of a scheduled scenario (enable, disable, start or stop): when
// present, a press of a CEN or CEN PLUS push button at an address.
class ScheduledScenarioItem
{
public:
    enum CenType {
        Cen = 0,
        CenPlus = 1,
    };

    static const int MAX_CEN_BUTTON;
    static const int MAX_CEN_PLUS_BUTTON;
    static const int CEN_ADDRESS_TYPE;
    static const int CEN_PLUS_ADDRESS_TYPE;

    ScheduledScenarioItem();
    ScheduledScenarioItem(bool presence, CenType cenType, int pushButton, const DeviceAddress& address);

    bool presence() const { return m_presence; }
    CenType cenType() const { return m_cenType; }
    int pushButton() const { return m_pushButton; }
    DeviceAddress address() const { return m_address; }

    // The address rule of the item's address and its highest push button.
    int addressType() const;
    int maxPushButton() const;

    bool operator==(const ScheduledScenarioItem& other) const;
    bool operator!=(const ScheduledScenarioItem& other) const { return !(*this == other); }

private:
    bool m_presence;
    CenType m_cenType;
    int m_pushButton;
    DeviceAddress m_address;
};

} // namespace Corvane::Devices
