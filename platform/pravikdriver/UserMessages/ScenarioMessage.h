#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A scenario executed at a scenario module.
class ScenarioMessage
{
public:
    explicit ScenarioMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    int scenarioNumber() const { return m_scenarioNumber; }

private:
    QString m_where;
    int m_scenarioNumber = 0;
};

} // namespace Corvane::PravikDriver::UserMessages
