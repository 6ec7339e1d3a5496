#pragma once

#include "ActuatorDeviceProperties.h"
#include "BaseDevice.h"

#include <QSet>

namespace Corvane::Devices {

// A light at run time: on or off, its level and any fault the bus reports.
class ActuatorDevice : public BaseDevice
{
public:
    enum ErrorType {
        NoError = 0,
        LoadError = 1,
        DeviceError = 2,
    };

    ActuatorDevice(const ActuatorDeviceProperties& properties, int serverId);

    bool isOn() const { return m_on; }
    void setIsOn(bool on) { m_on = on; }
    // 0..100.
    int level() const { return m_level; }
    void setLevel(int level);
    int errorType() const { return m_errorType; }
    void setErrorType(int errorType) { m_errorType = errorType; }
    bool hasError() const { return m_errorType > NoError; }

    bool isDimmer() const;
    // Ten-level dimmers move in steps of 10.
    bool hasValueSteps() const;
    double valueStep() const override;
    // Slider steps a dimmer cannot take.
    QSet<int> invalidValueSteps() const;

    bool hasSliderValue() const override { return isDimmer(); }
    double currentValue() const override { return m_on ? m_level : 0; }

private:
    bool m_on = false;
    int m_level = 0;
    int m_errorType = NoError;
};

} // namespace Corvane::Devices
