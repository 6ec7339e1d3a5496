#include "ValidationItem.h"

namespace Corvane::Devices::Validation {

ValidationItem::ValidationItem(ItemType itemType, const QString& itemString,
                               const QList<int>& deviceIds, int errorType)
    : m_itemType(itemType)
    , m_itemString(itemString)
    , m_deviceIds(deviceIds)
    , m_errorType(errorType)
{
}

} // namespace Corvane::Devices::Validation
