#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A presence sensor's report: presence state 1 (detected) or 2 (ended), 0
// when not given, and its hold time (granularity) in seconds, 0 when not given.
// A hold time the gateway sends is kept in the int range, negative included,
// so that its reader can tell a wrong one from none.
class PresenceSensorMessage
{
public:
    explicit PresenceSensorMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    int presenceState() const { return m_presenceState; }
    int granularity() const { return m_granularity; }

private:
    QString m_where;
    int m_presenceState = 0;
    int m_granularity = 0;
};

} // namespace Corvane::PravikDriver::UserMessages
