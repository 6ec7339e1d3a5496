#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// Thermoregulation state; every field carries whether the message gave it.
// Temperatures are in degrees Celsius.
class TemperatureMessage
{
public:
    explicit TemperatureMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    Value<float> temperature() const { return m_temperature; }
    Value<float> setpoint() const { return m_setpoint; }
    Value<int> offset() const { return m_offset; }
    Value<int> fancoilSetup() const { return m_fancoilSetup; }
    Value<int> airConditionerMode() const { return m_mode; }
    Value<int> airConditionerSpeed() const { return m_speed; }
    Value<int> airConditionerSwing() const { return m_swing; }
    Value<int> zoneStatus() const { return m_zoneStatus; }
    Value<bool> isLocked() const { return m_locked; }

private:
    void decodeCommand(int command);
    void decodeDimension(const Message& message);

    QString m_where;
    Value<float> m_temperature;
    Value<float> m_setpoint;
    Value<int> m_offset;
    Value<int> m_fancoilSetup;
    Value<int> m_mode;
    Value<int> m_speed;
    Value<int> m_swing;
    Value<int> m_zoneStatus;
    Value<bool> m_locked;
};

} // namespace Corvane::PravikDriver::UserMessages
