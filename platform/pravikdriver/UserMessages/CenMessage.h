#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A CEN push-button action: 0 press, 1 short release, 2 release after hold, 3 hold tick.
class CenMessage
{
public:
    explicit CenMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    int pushButton() const { return m_pushButton; }
    int action() const { return m_action; }

private:
    QString m_where;
    int m_pushButton = -1;
    int m_action = -1;
};

} // namespace Corvane::PravikDriver::UserMessages
