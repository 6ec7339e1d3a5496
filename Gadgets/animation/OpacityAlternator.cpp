#include "animation/OpacityAlternator.h"

#include <QGraphicsItem>

#include <cmath>

namespace Corvane::Gadgets::Utilities {

namespace {
constexpr qreal OPACITY_TOLERANCE = 0.000001;
}

OpacityAlternator::OpacityAlternator(qreal opacity)
    : m_opacity(opacity)
{
}

void OpacityAlternator::addOpacityAlternatedItem(QGraphicsItem* item)
{
    m_items.append(item);
}

QList<QGraphicsItem*> OpacityAlternator::items() const
{
    return m_items;
}

void OpacityAlternator::setItemsOpacity(qreal opacity)
{
    if (std::abs(opacity - m_opacity) <= OPACITY_TOLERANCE)
        return;
    for (QGraphicsItem* item : std::as_const(m_items))
        item->setOpacity(opacity);
    m_opacity = opacity;
}

} // namespace Corvane::Gadgets::Utilities
