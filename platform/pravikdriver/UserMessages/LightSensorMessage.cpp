#include "LightSensorMessage.h"

#include "MessageFields.h"
#include "pravikdriver/Address.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

LightSensorMessage::LightSensorMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    if (message.dimension() == LIGHT_SENSORS_TYPE_1 || message.dimension() == LIGHT_SENSORS_TYPE_2) {
        m_reportedGatewayType = message.dimension() == LIGHT_SENSORS_TYPE_1 ? 1 : 2;
        return;
    }
    m_lux = MessageFields::valueAt(message, 0);
    if (message.systemType() != PravikEnums::LightSensorsExtended) {
        m_readingKind = 0;
        return;
    }
    m_readingKind = 1;
    const int count = message.dimensionParameterCount();
    const QStringList texts = message.rawParameters();
    if (count > 0 && count <= texts.size())
        m_where = texts.mid(0, count).join(Address::DELIMITER);
}

bool LightSensorMessage::canDecode(const Message& message)
{
    if (!MessageFields::carriesValues(message))
        return false;
    if (message.dimension() == LIGHT_SENSORS_TYPE_1 || message.dimension() == LIGHT_SENSORS_TYPE_2)
        return true;
    if (message.systemType() == PravikEnums::LightSensorsExtended)
        return true;
    return message.systemType() == PravikEnums::Lighting && message.dimension() == LIGHT_SENSOR_LUX;
}

} // namespace Corvane::PravikDriver::UserMessages
