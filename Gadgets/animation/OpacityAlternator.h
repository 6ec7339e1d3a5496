#pragma once

#include <QList>

class QGraphicsItem;

namespace Corvane::Gadgets::Utilities {

// Gives a group of graphics items one common opacity, so that they fade in
// and out together. The items are not owned.
class OpacityAlternator
{
public:
    explicit OpacityAlternator(qreal opacity);
    virtual ~OpacityAlternator() = default;

    // The item keeps its own opacity until the next change of the group's.
    void addOpacityAlternatedItem(QGraphicsItem* item);
    QList<QGraphicsItem*> items() const;

    qreal itemsOpacity() const { return m_opacity; }
    // Sets opacity on every item, unless it is (almost) the current one.
    void setItemsOpacity(qreal opacity);

private:
    QList<QGraphicsItem*> m_items;
    qreal m_opacity;
};

} // namespace Corvane::Gadgets::Utilities
