#pragma once

#include "BaseDevice.h"
#include "ScenarioDeviceProperties.h"

namespace Corvane::Devices {

// A scenario at run time. Scenarios have no state on the bus: a status
// request only finds out whether the gateway is connected. A scenario PLUS
// is started at a level chosen on its slider.
class ScenarioDevice : public BaseDevice
{
public:
    ScenarioDevice(const ScenarioDeviceProperties& properties, int serverId);

    const ScenarioDeviceProperties& scenarioProperties() const
    {
        return propertiesAs<ScenarioDeviceProperties>();
    }

    bool supportsRefresh() const override { return false; }
    bool hasSliderValue() const override { return deviceType() == 1003; }
    double currentValue() const override { return scenarioProperties().level(); }
    double valueMinimum() const override { return ScenarioDeviceProperties::MIN_LEVEL; }
    double valueMaximum() const override { return ScenarioDeviceProperties::MAX_LEVEL; }
};

} // namespace Corvane::Devices
