#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::PravikDriver::UserMessages {

// A light sensor's reading, or a gateway's report of how it reads light
// sensors (its light-sensor gateway type, 1 or 2). Readings of kind 1 come
// from the extended system, which carries the sensor's address as dimension
// parameters; readings of kind 0 come from the lighting system.
class LightSensorMessage
{
public:
    explicit LightSensorMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    bool isTypeReport() const { return m_reportedGatewayType > 0; }
    int reportedGatewayType() const { return m_reportedGatewayType; }
    int readingKind() const { return m_readingKind; }
    int luxValue() const { return m_lux.value(); }
    bool isLuxValueValid() const { return m_lux.isValid() && m_lux.value() >= 0; }
    // True when the message gives a lux value at all, a negative one included.
    bool hasLuxValue() const { return m_lux.isValid(); }

private:
    QString m_where;
    int m_reportedGatewayType = 0;
    int m_readingKind = -1;
    Value<int> m_lux;
};

} // namespace Corvane::PravikDriver::UserMessages
