#pragma once

#include "BaseDevice.h"
#include "ShutterDeviceProperties.h"

namespace Corvane::Devices {

// A shutter (3001) or curtain at run time: moving up/open, down/close, or still.
class ShutterDevice : public BaseDevice
{
public:
    ShutterDevice(const ShutterDeviceProperties& properties, int serverId);

    bool isShutter() const { return deviceType() == 3001; }
    bool isOpening() const { return m_opening; }
    void setOpening(bool opening);
    bool isClosing() const { return m_closing; }
    void setClosing(bool closing);

private:
    bool m_opening = false;
    bool m_closing = false;
};

} // namespace Corvane::Devices
