#include "ScenarioPlusMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

ScenarioPlusMessage::ScenarioPlusMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    m_started = message.commandType() == PravikCodes::SCENARIO_PLUS_START;
    if (m_started)
        m_level = MessageFields::valueAt(message, 0).valueOr(-1);
}

bool ScenarioPlusMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::ScenarioPlus && message.messageType() == PravikEnums::Command;
}

} // namespace Corvane::PravikDriver::UserMessages
