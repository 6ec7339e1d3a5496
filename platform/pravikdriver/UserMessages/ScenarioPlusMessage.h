#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A scenario plus started at a level, or stopped.
class ScenarioPlusMessage
{
public:
    explicit ScenarioPlusMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    bool isStarted() const { return m_started; }
    // The start level, or -1.
    int level() const { return m_level; }

private:
    QString m_where;
    bool m_started = false;
    int m_level = -1;
};

} // namespace Corvane::PravikDriver::UserMessages
