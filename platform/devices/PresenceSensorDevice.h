#pragma once

#include "BaseDevice.h"
#include "SensorDeviceProperties.h"

namespace Corvane::Devices {

// A presence sensor at run time: whether someone is there, and how long a
// detection holds (seconds) after the sensor last reported.
class PresenceSensorDevice : public BaseDevice
{
public:
    PresenceSensorDevice(const SensorDeviceProperties& properties, int serverId);

    bool isPresenceDetected() const { return m_presenceDetected; }
    void setPresenceDetected(bool detected) { m_presenceDetected = detected; }
    int granularity() const { return m_granularity; }
    void setGranularity(int seconds) { m_granularity = seconds; }

private:
    bool m_presenceDetected = false;
    int m_granularity = 0;
};

} // namespace Corvane::Devices
