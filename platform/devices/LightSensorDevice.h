#pragma once

#include "BaseDevice.h"
#include "SensorDeviceProperties.h"

namespace Corvane::Devices {

// A light sensor at run time: the light intensity in lux.
class LightSensorDevice : public BaseDevice
{
public:
    LightSensorDevice(const SensorDeviceProperties& properties, int serverId);

    int intensity() const { return m_intensity; }
    void setIntensity(int lux) { m_intensity = lux; }
    double currentValue() const override { return m_intensity; }

private:
    int m_intensity = 0;
};

} // namespace Corvane::Devices
