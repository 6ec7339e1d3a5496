#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// State of a light: switched, dimmed (ten steps or percent) or a fault report.
class LightsMessage
{
public:
    explicit LightsMessage(const Message& message);

    static bool canDecode(const Message& message);
    // The percent level of a ten-step dimmer step.
    static int convertDimmer10Value(int step);

    QString where() const { return m_where; }
    bool isOn() const { return m_on; }
    // Percent level, or -1 when the message gives none.
    int level() const { return m_level; }
    bool isDimmer100() const { return m_dimmer100; }
    // Set when the message is an actuator diagnostic report.
    bool isDiagnostic() const { return m_diagnostic; }
    // -1 without fault information, else 0 (no fault), 1 or 2.
    int errorType() const { return m_errorType; }
    bool hasError() const { return m_errorType > 0; }

private:
    QString m_where;
    bool m_on = false;
    int m_level = -1;
    bool m_dimmer100 = false;
    bool m_diagnostic = false;
    int m_errorType = -1;
};

} // namespace Corvane::PravikDriver::UserMessages
