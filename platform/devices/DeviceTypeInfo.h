#pragma once

#include "BaseDeviceProperties.h"
#include "ConfigPage.h"

#include <QList>

namespace Corvane::Devices {

// One row of the device-type table: where a device type belongs.
struct DeviceTypeInfo
{
    BaseDeviceProperties::DeviceType type = 0;
    BaseDeviceProperties::DeviceGroup group = BaseDeviceProperties::NoGroup;
    // The family code the runtime (Sentrel) sorts devices by.
    int familyCode = 0;
    // The pages that show the device; a combined sensor is on two pages.
    QList<ConfigPage::PageType> pageTypes;
    // The address rule (AddressVerifier type); 0 when the device has no bus address.
    int addressType = 0;
};

} // namespace Corvane::Devices
