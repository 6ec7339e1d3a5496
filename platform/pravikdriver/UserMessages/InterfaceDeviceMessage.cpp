#include "InterfaceDeviceMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

#include <QStringList>

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

namespace {

// The values from index to index + count - 1, or an empty list when one is
// missing or outside 0..maximum.
QList<int> valuesInRange(const Message& message, int index, int count, int maximum)
{
    QList<int> values;
    for (int i = index; i < index + count; ++i) {
        const Value<int> value = MessageFields::valueAt(message, i);
        if (!value.isValid() || value.value() < 0 || value.value() > maximum)
            return {};
        values.append(value.value());
    }
    return values;
}

QString joined(const QList<int>& values, const QString& separator, int base = 10, int width = 0)
{
    QStringList parts;
    for (int value : values)
        parts.append(QStringLiteral("%1").arg(value, width, base, QLatin1Char('0')).toUpper());
    return parts.join(separator);
}

} // namespace

InterfaceDeviceMessage::InterfaceDeviceMessage(const Message& message)
{
    if (canDecode(message))
        decode(message);
}

bool InterfaceDeviceMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Gateway && MessageFields::carriesValues(message);
}

QString InterfaceDeviceMessage::deviceTypeText(int code)
{
    switch (code) {
    case 2:
        return QStringLiteral("PG-100");
    case 4:
        return QStringLiteral("PG-200");
    case 6:
        return QStringLiteral("PG-300");
    case 7:
        return QStringLiteral("PG-310");
    case 11:
        return QStringLiteral("PG-400");
    case 13:
        return QStringLiteral("PG-410");
    case 44:
        return QStringLiteral("PG-500");
    default:
        return QStringLiteral("PG-%1").arg(code);
    }
}

void InterfaceDeviceMessage::decode(const Message& message)
{
    switch (message.dimension()) {
    case GATEWAY_IP:
        m_ipAddress = joined(valuesInRange(message, 0, 4, 255), QStringLiteral("."));
        break;
    case GATEWAY_NET_MASK:
        m_netMask = joined(valuesInRange(message, 0, 4, 255), QStringLiteral("."));
        break;
    case GATEWAY_MAC:
        m_macAddress = joined(valuesInRange(message, 0, 6, 255), QStringLiteral(":"), 16, 2);
        break;
    case GATEWAY_DEVICE_TYPE:
    case GATEWAY_DEVICE_TYPE_REQUEST:
        if (const QList<int> code = valuesInRange(message, 0, 1, 9999); !code.isEmpty())
            m_deviceType = deviceTypeText(code.first());
        break;
    case GATEWAY_FIRMWARE:
        m_firmwareVersion = joined(valuesInRange(message, 0, 3, 9999), QStringLiteral("."));
        break;
    case GATEWAY_UPTIME:
        if (const QList<int> v = valuesInRange(message, 0, 4, 1000000); !v.isEmpty())
            m_uptimeSeconds = ((qint64(v[0]) * 24 + v[1]) * 60 + v[2]) * 60 + v[3];
        break;
    case GATEWAY_TIME_DATE:
        if (const QList<int> v = valuesInRange(message, 0, 7, 9999); !v.isEmpty()) {
            m_time = QTime(v[0], v[1], v[2]);
            m_date = QDate(v[6], v[5], v[4]);
        }
        break;
    case GATEWAY_DATE:
        if (const QList<int> v = valuesInRange(message, 1, 3, 9999); !v.isEmpty())
            m_date = QDate(v[2], v[1], v[0]);
        break;
    default:
        break;
    }
}

} // namespace Corvane::PravikDriver::UserMessages
