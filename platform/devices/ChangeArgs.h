#pragma once

namespace Corvane::Devices {

// What changed in an observed object.
class ChangeArgs
{
public:
    enum ChangeType {
        Generic = 0,
        PropertyChanged = 1,
        DeviceAdded = 2,
        DeviceRemoved = 3,
        DeviceMoved = 4,
    };

    explicit ChangeArgs(ChangeType type = Generic, int deviceId = -1)
        : m_type(type)
        , m_deviceId(deviceId)
    {
    }

    ChangeType changeType() const { return m_type; }
    int deviceId() const { return m_deviceId; }

private:
    ChangeType m_type;
    int m_deviceId;
};

} // namespace Corvane::Devices
