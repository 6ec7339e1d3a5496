#include "CenPlusMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

CenPlusMessage::CenPlusMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    m_action = message.commandType() - PravikCodes::CEN_PLUS_BASE;
    m_pushButton = MessageFields::valueAt(message, 0).valueOr(-1);
}

bool CenPlusMessage::canDecode(const Message& message)
{
    const int action = message.commandType() - PravikCodes::CEN_PLUS_BASE;
    return message.systemType() == PravikEnums::CenPlus && message.messageType() == PravikEnums::Command
        && action >= 0 && action <= 3;
}

} // namespace Corvane::PravikDriver::UserMessages
