#include "ScenarioMessage.h"

#include "pravikdriver/PravikEnums.h"

namespace Corvane::PravikDriver::UserMessages {

ScenarioMessage::ScenarioMessage(const Message& message)
    : m_where(message.address())
    , m_scenarioNumber(canDecode(message) ? message.commandType() : 0)
{
}

bool ScenarioMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Scenarios && message.messageType() == PravikEnums::Command;
}

} // namespace Corvane::PravikDriver::UserMessages
