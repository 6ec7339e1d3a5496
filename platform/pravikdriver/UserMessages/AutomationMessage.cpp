#include "AutomationMessage.h"

#include "pravikdriver/PravikEnums.h"

namespace Corvane::PravikDriver::UserMessages {

AutomationMessage::AutomationMessage(const Message& message)
    : m_where(message.address())
    , m_stateCode(canDecode(message) ? message.commandType() : 0)
{
}

bool AutomationMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Automation && message.messageType() == PravikEnums::Command;
}

} // namespace Corvane::PravikDriver::UserMessages
