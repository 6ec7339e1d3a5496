#include "PresenceSensorMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

#include <limits>

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

PresenceSensorMessage::PresenceSensorMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    if (message.commandType() == PRESENCE_DETECTED)
        m_presenceState = 1;
    else if (message.commandType() == PRESENCE_ENDED)
        m_presenceState = 2;
    // The hold time comes as hours, minutes and seconds.
    const Value<int> hours = MessageFields::valueAt(message, 0);
    const Value<int> minutes = MessageFields::valueAt(message, 1);
    const Value<int> seconds = MessageFields::valueAt(message, 2);
    if (hours.isValid() && minutes.isValid() && seconds.isValid())
        m_granularity = int(qBound(qint64(std::numeric_limits<int>::min()),
                                   qint64(hours.value()) * 3600 + qint64(minutes.value()) * 60 + seconds.value(),
                                   qint64(std::numeric_limits<int>::max())));
}

bool PresenceSensorMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Lighting && message.dimension() == PRESENCE_GRANULARITY
        && MessageFields::carriesValues(message);
}

} // namespace Corvane::PravikDriver::UserMessages
