#include "carousel/CarouselFrontLayer.h"

#include "carousel/CarouselView.h"

namespace Corvane::Gadgets {

CarouselFrontLayer::CarouselFrontLayer(CarouselView* view)
    : m_view(view)
{
    setFlag(ItemHasNoContents, true);
    setFiltersChildEvents(true);
}

QRectF CarouselFrontLayer::boundingRect() const
{
    return QRectF();
}

void CarouselFrontLayer::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void CarouselFrontLayer::followView()
{
    setPos(m_view->pos());
    setTransformOriginPoint(m_view->transformOriginPoint());
    setTransform(m_view->transform());
    setRotation(m_view->rotation());
    setScale(m_view->scale());
    setOpacity(m_view->opacity());
    setVisible(m_view->isVisible());
    setZValue(m_view->zValue());
}

bool CarouselFrontLayer::sceneEventFilter(QGraphicsItem* watched, QEvent* event)
{
    return m_view->filterDelegateEvent(watched, event);
}

} // namespace Corvane::Gadgets
