#pragma once

#include "BaseDeviceProperties.h"
#include "DeviceEnums.h"

namespace Corvane::Devices {

// A device whose consumption can be evaluated economically (energy meters
// and loads): whether the evaluation is on, its currency and its tariff.
class EconomicDeviceProperties : public BaseDeviceProperties
{
public:
    static const double MIN_TARIFF;
    static const double MAX_TARIFF;

    static bool isTariffValid(double tariff);

    // Whether the device's type can be evaluated economically.
    virtual bool supportsEconomicEvaluation() const { return true; }

    bool isEconomicEvaluationEnabled() const { return m_economicEvaluation; }
    // Ignored (stays off) for a type without economic evaluation.
    void setIsEconomicEvaluationEnabled(bool enabled);
    int currency() const { return m_currency; }
    void setCurrency(int currency);
    double tariff() const { return m_tariff; }
    void setTariff(double tariff);

    bool isEqual(const BaseDeviceProperties& other) const override;

protected:
    EconomicDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                             const QString& description);

    // Turns the evaluation off when the new type does not support it.
    void handleDeviceTypeChanged() override;

private:
    bool m_economicEvaluation = false;
    int m_currency = DeviceEnums::Euro;
    double m_tariff = 0.0;
};

} // namespace Corvane::Devices
