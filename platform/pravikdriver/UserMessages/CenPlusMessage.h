#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A CEN+ push-button action: 0 short click, 1 hold start, 2 hold continue, 3 release after hold.
class CenPlusMessage
{
public:
    explicit CenPlusMessage(const Message& message);

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
