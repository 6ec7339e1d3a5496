#pragma once

#include "BaseDeviceProperties.h"
#include "DeviceEnums.h"

namespace Corvane::Devices {

// A managed load: 18001 (controlled only) or 18002 (also reports its power
// and consumption, so it can be evaluated economically).
class LoadDeviceProperties : public BaseDeviceProperties
{
public:
    LoadDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                         const QString& description, bool hasCentralUnit = true);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Load; }

    static bool supportsEconomicEvaluation(DeviceType type);

    bool hasCentralUnit() const { return m_hasCentralUnit; }
    void setHasCentralUnit(bool hasCentralUnit);

    bool isEconomicEvaluationEnabled() const { return m_economicEvaluation; }
    // Ignored (stays off) for a type without economic evaluation.
    void setIsEconomicEvaluationEnabled(bool enabled);
    int currency() const { return m_currency; }
    void setCurrency(int currency);
    double tariff() const { return m_tariff; }
    void setTariff(double tariff);

    bool isEqual(const BaseDeviceProperties& other) const override;

protected:
    void handleDeviceTypeChanged() override;

private:
    bool m_hasCentralUnit = true;
    bool m_economicEvaluation = false;
    int m_currency = DeviceEnums::Euro;
    double m_tariff = 0.0;
};

} // namespace Corvane::Devices
