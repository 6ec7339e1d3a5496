#pragma once

#include "ItemKey.h"

#include <QHash>
#include <QList>
#include <QString>

namespace Corvane::Devices {

// What the user set per device of the active project: favourite windows,
// own names, the order of items on each page and own tariffs. Keyed by
// device id and sub-device id (ItemKey::INVALID_SUB_ID for the device itself).
class UserDeviceSettings
{
public:
    // A favourite window: which item, on which page, where and how large.
    struct Favorite
    {
        Favorite(int deviceId = 0, int subDeviceId = ItemKey::INVALID_SUB_ID, int pageType = 0,
                 int x = 0, int y = 0, double scale = 1.0, bool onTop = false,
                 double opacity = 1.0);

        int deviceId;
        int subDeviceId;
        int pageType;
        int x;
        int y;
        double scale;
        bool onTop;
        double opacity;

        ItemKey key() const { return ItemKey(deviceId, subDeviceId); }
        bool operator==(const Favorite& other) const;
    };

    QList<Favorite> favorites() const { return m_favorites; }
    // Replaces a favourite of the same item.
    void addFavorite(const Favorite& favorite);
    bool removeFavorite(int deviceId, int subDeviceId = ItemKey::INVALID_SUB_ID);
    bool hasFavorite(int deviceId, int subDeviceId = ItemKey::INVALID_SUB_ID) const;

    // The user's name of an item, or an empty text.
    QString itemName(int id, int subId = ItemKey::INVALID_SUB_ID) const;
    // An empty name removes the user's name.
    void setItemName(int id, const QString& name, int subId = ItemKey::INVALID_SUB_ID);
    QHash<ItemKey, QString> itemNames() const { return m_itemNames; }

    // The order of the items on a page (subId: within a device).
    QList<int> pageItemsOrder(int pageId, int subId = ItemKey::INVALID_SUB_ID) const;
    void setPageItemsOrder(int pageId, const QList<int>& ids, int subId = ItemKey::INVALID_SUB_ID);
    QHash<ItemKey, QList<int>> pageItemsOrders() const { return m_pageOrders; }

    bool hasItemTariff(int id, int subId = ItemKey::INVALID_SUB_ID) const;
    double itemTariff(int id, int subId = ItemKey::INVALID_SUB_ID) const;
    void setItemTariff(int id, int subId, double tariff);
    QHash<ItemKey, double> itemTariffs() const { return m_tariffs; }

    void clear();
    bool operator==(const UserDeviceSettings& other) const;
    bool operator!=(const UserDeviceSettings& other) const { return !(*this == other); }

private:
    QList<Favorite> m_favorites;
    QHash<ItemKey, QString> m_itemNames;
    QHash<ItemKey, QList<int>> m_pageOrders;
    QHash<ItemKey, double> m_tariffs;
};

} // namespace Corvane::Devices
