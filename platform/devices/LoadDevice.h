#pragma once

#include "BaseDevice.h"
#include "LoadDeviceProperties.h"

#include <QDateTime>

namespace Corvane::Devices {

// A managed load at run time: enabled (plugged and controlled), forced on,
// its instant power and its two consumption counters.
class LoadDevice : public BaseDevice
{
public:
    // A counter: the consumption (Wh) since a moment.
    struct CounterData
    {
        QDateTime since;
        qint64 wattHours = 0;
    };

    LoadDevice(const LoadDeviceProperties& properties, int serverId);

    const LoadDeviceProperties& loadProperties() const { return propertiesAs<LoadDeviceProperties>(); }

    bool isEnabled() const { return m_enabled; }
    void setEnable(bool enabled) { m_enabled = enabled; }
    bool isForced() const { return m_forced; }
    void setForce(bool forced) { m_forced = forced; }
    // Watts.
    int currentData() const { return m_currentData; }
    void setCurrentData(int watts) { m_currentData = watts; }
    CounterData counter1Data() const { return m_counter1; }
    void setCounter1Data(const CounterData& data) { m_counter1 = data; }
    CounterData counter2Data() const { return m_counter2; }
    void setCounter2Data(const CounterData& data) { m_counter2 = data; }
    QDateTime lastUpdate() const { return m_lastUpdate; }
    void setLastUpdate(const QDateTime& time) { m_lastUpdate = time; }

    // Only 18002 reports power and counters.
    bool supportsInfo() const { return deviceType() == 18002; }
    double currentValue() const override { return m_currentData; }

private:
    bool m_enabled = true;
    bool m_forced = false;
    int m_currentData = 0;
    CounterData m_counter1;
    CounterData m_counter2;
    QDateTime m_lastUpdate;
};

} // namespace Corvane::Devices
