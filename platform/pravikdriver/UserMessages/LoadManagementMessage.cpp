#include "LoadManagementMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

LoadManagementMessage::LoadManagementMessage(const Message& message)
{
    if (!canDecode(message))
        return;
    const QList<Value<int>> parameters = message.parameters();
    const int count = qBound(0, message.dimensionParameterCount(), int(parameters.size()));
    QList<int> dimensionParameters;
    QList<int> values;
    for (int i = 0; i < parameters.size(); ++i) {
        if (!parameters.at(i).isValid())
            return;
        (i < count ? dimensionParameters : values).append(parameters.at(i).value());
    }
    *this = LoadManagementMessage(message.dimension(), message.address(), dimensionParameters, values);
}

LoadManagementMessage::LoadManagementMessage(int dimension, const QString& address,
                                             const QList<int>& dimensionParameters, const QList<int>& values)
    : m_type(dimensionTypeToMessageType(dimension))
    , m_dimension(dimension)
    , m_address(address)
    , m_dimensionParameters(dimensionParameters)
    , m_values(values)
{
}

bool LoadManagementMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::EnergyManagement && MessageFields::carriesValues(message)
        && dimensionTypeToMessageType(message.dimension()) != 0;
}

int LoadManagementMessage::dimensionTypeToMessageType(int dimension)
{
    switch (dimension) {
    case AUTO_UPDATE:
        return 1;
    case INSTANT_ENERGY:
    case INSTANT_GAS:
    case INSTANT_HEAT:
    case INSTANT_WATER:
        return 2;
    case CURRENT_DAY_TOTAL:
        return 3;
    case CURRENT_MONTH_TOTAL:
        return 4;
    case MONTH_TOTAL:
        return 5;
    case NEW_MONTH_PER_DAY:
    case NEW_MONTH_PER_DAY_PREV:
    case OLD_MONTH_PER_DAY:
        return 6;
    case NEW_MONTH_PER_HOUR:
    case OLD_MONTH_PER_HOUR:
        return 7;
    case NEW_DAY_PER_HOUR:
    case OLD_DAY_PER_HOUR:
        return 8;
    case LOAD_STATUS:
        return 9;
    case LOAD_COUNTER:
        return 10;
    default:
        return 0;
    }
}

int LoadManagementMessage::messagesCount(int dimension)
{
    switch (dimension) {
    case NEW_MONTH_PER_DAY:
    case NEW_MONTH_PER_DAY_PREV:
        return 31;
    case OLD_MONTH_PER_DAY:
    case NEW_MONTH_PER_HOUR:
    case NEW_DAY_PER_HOUR:
        return 25;
    case OLD_MONTH_PER_HOUR:
        return 19;
    case OLD_DAY_PER_HOUR:
        return 10;
    default:
        return dimensionTypeToMessageType(dimension) != 0 ? 1 : 0;
    }
}

int LoadManagementMessage::year() const
{
    if (m_type == 5)
        return dimensionParameterAt(0);
    return m_type == 10 ? valueAt(3) : -1;
}

int LoadManagementMessage::month() const
{
    switch (m_type) {
    case 5:
        return dimensionParameterAt(1);
    case 6:
    case 7:
    case 8:
        return dimensionParameterAt(0);
    case 10:
        return valueAt(2);
    default:
        return -1;
    }
}

int LoadManagementMessage::day() const
{
    if (m_type == 8)
        return dimensionParameterAt(1);
    return m_type == 10 ? valueAt(1) : -1;
}

int LoadManagementMessage::dimensionParameterAt(int index) const
{
    return index < m_dimensionParameters.size() ? m_dimensionParameters.at(index) : -1;
}

int LoadManagementMessage::valueAt(int index) const
{
    return index < m_values.size() ? m_values.at(index) : -1;
}

// The gateway sends each state as a bit; 1 maps to field value 1 and 0 to 2.
int LoadManagementMessage::stateField(int index) const
{
    if (m_type != 9 || index >= m_values.size())
        return 0;
    return m_values.at(index) == 1 ? 1 : (m_values.at(index) == 0 ? 2 : 0);
}

} // namespace Corvane::PravikDriver::UserMessages
