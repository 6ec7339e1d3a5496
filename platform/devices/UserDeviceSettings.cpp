#include "UserDeviceSettings.h"

namespace Corvane::Devices {

UserDeviceSettings::Favorite::Favorite(int deviceId, int subDeviceId, int pageType, int x, int y,
                                       double scale, bool onTop, double opacity)
    : deviceId(deviceId)
    , subDeviceId(subDeviceId)
    , pageType(pageType)
    , x(x)
    , y(y)
    , scale(scale)
    , onTop(onTop)
    , opacity(opacity)
{
}

bool UserDeviceSettings::Favorite::operator==(const Favorite& other) const
{
    return deviceId == other.deviceId && subDeviceId == other.subDeviceId
        && pageType == other.pageType && x == other.x && y == other.y && scale == other.scale
        && onTop == other.onTop && opacity == other.opacity;
}

void UserDeviceSettings::addFavorite(const Favorite& favorite)
{
    for (Favorite& existing : m_favorites) {
        if (existing.key() == favorite.key()) {
            existing = favorite;
            return;
        }
    }
    m_favorites.append(favorite);
}

bool UserDeviceSettings::removeFavorite(int deviceId, int subDeviceId)
{
    const ItemKey key(deviceId, subDeviceId);
    return m_favorites.removeIf([&key](const Favorite& f) { return f.key() == key; }) > 0;
}

bool UserDeviceSettings::hasFavorite(int deviceId, int subDeviceId) const
{
    const ItemKey key(deviceId, subDeviceId);
    for (const Favorite& favorite : m_favorites) {
        if (favorite.key() == key)
            return true;
    }
    return false;
}

QString UserDeviceSettings::itemName(int id, int subId) const
{
    return m_itemNames.value(ItemKey(id, subId));
}

void UserDeviceSettings::setItemName(int id, const QString& name, int subId)
{
    if (name.isEmpty())
        m_itemNames.remove(ItemKey(id, subId));
    else
        m_itemNames.insert(ItemKey(id, subId), name);
}

QList<int> UserDeviceSettings::pageItemsOrder(int pageId, int subId) const
{
    return m_pageOrders.value(ItemKey(pageId, subId));
}

void UserDeviceSettings::setPageItemsOrder(int pageId, const QList<int>& ids, int subId)
{
    m_pageOrders.insert(ItemKey(pageId, subId), ids);
}

bool UserDeviceSettings::hasItemTariff(int id, int subId) const
{
    return m_tariffs.contains(ItemKey(id, subId));
}

double UserDeviceSettings::itemTariff(int id, int subId) const
{
    return m_tariffs.value(ItemKey(id, subId), 0.0);
}

void UserDeviceSettings::setItemTariff(int id, int subId, double tariff)
{
    m_tariffs.insert(ItemKey(id, subId), tariff);
}

void UserDeviceSettings::clear()
{
    m_favorites.clear();
    m_itemNames.clear();
    m_pageOrders.clear();
    m_tariffs.clear();
}

bool UserDeviceSettings::operator==(const UserDeviceSettings& other) const
{
    return m_favorites == other.m_favorites && m_itemNames == other.m_itemNames
        && m_pageOrders == other.m_pageOrders && m_tariffs == other.m_tariffs;
}

} // namespace Corvane::Devices
