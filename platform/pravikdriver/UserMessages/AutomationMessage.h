#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// Movement of a shutter or curtain: 200000 still, 200001 opening, 200002 closing.
class AutomationMessage
{
public:
    explicit AutomationMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    int stateCode() const { return m_stateCode; }

private:
    QString m_where;
    int m_stateCode = 0;
};

} // namespace Corvane::PravikDriver::UserMessages
