#include "LightsMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

LightsMessage::LightsMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    if (message.messageType() == PravikEnums::Command) {
        const int step = message.commandType() - LIGHT_OFF;
        m_on = step > 0;
        m_level = step == 0 ? 0 : (step == 1 ? -1 : convertDimmer10Value(step));
        return;
    }
    if (message.dimension() == LIGHT_FAULT) {
        m_diagnostic = true;
        const Value<int> fault = MessageFields::valueAt(message, 0);
        if (fault.isValid() && fault.value() >= 0 && fault.value() <= 2)
            m_errorType = fault.value();
        return;
    }
    m_dimmer100 = true;
    const Value<int> level = MessageFields::valueAt(message, 0);
    if (level.isValid()) {
        // Bounded before the offset is taken off, so that no value overflows.
        m_level = qBound(100, level.value(), 200) - 100;
        m_on = m_level > 0;
    }
}

bool LightsMessage::canDecode(const Message& message)
{
    if (message.systemType() != PravikEnums::Lighting)
        return false;
    if (message.messageType() == PravikEnums::Command)
        return message.commandType() >= LIGHT_OFF && message.commandType() <= LIGHT_DIMMER10_MAX;
    return MessageFields::carriesValues(message)
        && (message.dimension() == DIMMER100_LEVEL || message.dimension() == LIGHT_FAULT);
}

int LightsMessage::convertDimmer10Value(int step)
{
    return qBound(0, step, 10) * 10;
}

} // namespace Corvane::PravikDriver::UserMessages
