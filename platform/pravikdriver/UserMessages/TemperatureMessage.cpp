#include "TemperatureMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

TemperatureMessage::TemperatureMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    if (message.messageType() == PravikEnums::Command)
        decodeCommand(message.commandType());
    else
        decodeDimension(message);
}

bool TemperatureMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Thermoregulation
        && (message.messageType() == PravikEnums::Command || MessageFields::carriesValues(message));
}

// Zone commands end in 02 (protection), 03 (off), 10 (manual) or 11
// (automatic) for each of the heating, cooling and generic modes.
void TemperatureMessage::decodeCommand(int command)
{
    if (command == UNIT_UNLOCKED || command == UNIT_LOCKED) {
        m_locked = Value<bool>(command == UNIT_LOCKED);
        return;
    }
    // Checked before the offset is taken off, so that no command overflows.
    if (command < 400100 || command > 400399)
        return;
    const int code = command - 400000;
    switch (code % 100) {
    case 2:
        m_zoneStatus = 1;
        break;
    case 3:
        m_zoneStatus = 0;
        break;
    case 10:
        m_zoneStatus = 2;
        break;
    case 11:
        m_zoneStatus = 3;
        break;
    default:
        break;
    }
}

void TemperatureMessage::decodeDimension(const Message& message)
{
    switch (message.dimension()) {
    case ZONE_TEMPERATURE:
        m_temperature = MessageFields::tenthsAt(message, 0);
        break;
    case EXTERNAL_PROBE_TEMPERATURE:
        // probe number, temperature, probe state
        m_temperature = MessageFields::tenthsAt(message, 1);
        break;
    case ZONE_SETPOINT:
        m_setpoint = MessageFields::tenthsAt(message, 0);
        break;
    case ZONE_OFFSET:
        m_offset = MessageFields::valueAt(message, 0);
        break;
    case FANCOIL_SETUP:
        m_fancoilSetup = MessageFields::valueAt(message, 0);
        break;
    case AIR_CONDITIONER_STATE:
        m_mode = MessageFields::valueAt(message, 0);
        m_setpoint = MessageFields::tenthsAt(message, 1);
        m_speed = MessageFields::valueAt(message, 2);
        m_swing = MessageFields::valueAt(message, 3);
        break;
    default:
        break;
    }
}

} // namespace Corvane::PravikDriver::UserMessages
