#pragma once

#include "BaseDevice.h"
#include "EnergyDeviceProperties.h"

namespace Corvane::Devices {

class EnergyDeviceCache;

// An energy meter at run time: its instant value, the tariff the user set,
// whether the gateway pushes its values (new interface), and the cache of
// its consumption data. The cache belongs to whoever set it (the energy
// controller keeps one per gateway and address).
class EnergyDevice : public BaseDevice
{
public:
    EnergyDevice(const EnergyDeviceProperties& properties, int serverId);

    const EnergyDeviceProperties& energyProperties() const
    {
        return propertiesAs<EnergyDeviceProperties>();
    }

    int measurementUnit() const { return energyProperties().measurementUnit(); }
    int currency() const { return energyProperties().currency(); }
    bool isEconomicEvaluationEnabled() const { return energyProperties().isEconomicEvaluationEnabled(); }
    DeviceEnums::EnergyType energyType() const { return energyProperties().energyType(); }
    double tariff() const { return energyProperties().tariff(); }

    // The user's tariff when set, else the project's.
    double userTariff() const { return m_hasUserTariff ? m_userTariff : tariff(); }
    void setUserTariff(double tariff);
    bool hasUserTariff() const { return m_hasUserTariff; }

    double instantValue() const { return m_instantValue; }
    void setInstantValue(double value);
    // True once an instant value arrived.
    bool hasValue() const { return m_hasValue; }

    // A meter shows its instant value on its icon and favourite slider.
    bool hasSliderValue() const override { return true; }
    double valueMinimum() const override { return 0.0; }
    double valueMaximum() const override { return 1000.0; }
    double valueStep() const override { return 0.001; }

    // Whether the gateway pushes the meter's values; a meter starts on the
    // old interface until its gateway answers an automatic-update request.
    bool isNewInterfaceInUse() const { return m_newInterface; }
    void setIsNewInterfaceInUse(bool inUse) { m_newInterface = inUse; }

    EnergyDeviceCache* cache() const { return m_cache; }
    void setCache(EnergyDeviceCache* cache) { m_cache = cache; }

    double currentValue() const override { return m_instantValue; }

private:
    double m_userTariff = 0.0;
    bool m_hasUserTariff = false;
    double m_instantValue = 0.0;
    bool m_hasValue = false;
    bool m_newInterface = false;
    EnergyDeviceCache* m_cache = nullptr;
};

} // namespace Corvane::Devices
