#pragma once

#include "EconomicDeviceProperties.h"

namespace Corvane::Devices {

// A managed load: 18001 (controlled only) or 18002 (also reports its power
// and consumption, so it can be evaluated economically).
class LoadDeviceProperties : public EconomicDeviceProperties
{
public:
    LoadDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                         const QString& description, bool hasCentralUnit = true);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Load; }

    bool supportsEconomicEvaluation() const override;

    bool hasCentralUnit() const { return m_hasCentralUnit; }
    void setHasCentralUnit(bool hasCentralUnit);

    bool isEqual(const BaseDeviceProperties& other) const override;

private:
    bool m_hasCentralUnit = true;
};

} // namespace Corvane::Devices
