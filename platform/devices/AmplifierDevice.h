#pragma once

#include "AmplifierDeviceProperties.h"
#include "BaseDevice.h"

namespace Corvane::Devices {

// An amplifier at run time: on or off and its volume (0..31). The general
// amplifier (general address) drives every area.
class AmplifierDevice : public BaseDevice
{
public:
    static const int MAX_VOLUME;

    AmplifierDevice(const AmplifierDeviceProperties& properties, int serverId);

    bool isOn() const { return m_on; }
    void setIsOn(bool on) { m_on = on; }
    int volume() const { return m_volume; }
    void setVolume(int volume);
    bool isGeneral() const { return address().isGeneral(); }

    bool hasSliderValue() const override { return true; }
    double currentValue() const override { return m_volume; }
    double valueMaximum() const override { return MAX_VOLUME; }

private:
    bool m_on = false;
    int m_volume = 0;
};

} // namespace Corvane::Devices
