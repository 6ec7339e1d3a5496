#include "scroll/ScrollArea.h"

#include "scroll/Scroller.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSceneMouseEvent>

namespace Corvane::Gadgets {

namespace {

constexpr int UPDATE_DELAY = 500;

qreal fraction(const Scroller* scroller)
{
    const qreal range = scroller->maximum() - scroller->minimum();
    return range > 0 ? (scroller->value() - scroller->minimum()) / range : 0.0;
}

} // namespace

ScrollArea::ScrollArea(SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
    , m_scrollerBox(new SvgControlObject(nullptr, this))
    , m_childrenContainer(new SvgControlObject(nullptr, m_scrollerBox))
    , m_verticalScroller(new Scroller(ThemeProvider::getRendererFor(ThemeProvider::SCROLLER), this))
    , m_horizontalScroller(new Scroller(ThemeProvider::getRendererFor(ThemeProvider::SCROLLER), this))
{
    m_scrollerBox->setFlag(ItemClipsChildrenToShape, true);
    m_scrollerBox->setControlId(QStringLiteral("ScrollerBox"));
    addToChildrensList(m_scrollerBox);
    m_childrenContainer->setControlId(QStringLiteral("ChildrenContainer"));
    m_scrollerBox->addToChildren(m_childrenContainer);

    m_verticalScroller->setOrientation(Qt::Vertical);
    m_horizontalScroller->setOrientation(Qt::Horizontal);
    addToChildrensList(m_verticalScroller);
    addToChildrensList(m_horizontalScroller);
    m_scrollerBox->stackBefore(m_verticalScroller);
    m_scrollerBox->stackBefore(m_horizontalScroller);

    m_updateTimer.setSingleShot(true);
    m_updateTimer.setInterval(UPDATE_DELAY);
    connect(m_horizontalScroller, &Scroller::valueChanged, this, &ScrollArea::hScrollerChange);
    connect(m_verticalScroller, &Scroller::valueChanged, this, &ScrollArea::vScrollerChange);
    connect(&m_updateTimer, &QTimer::timeout, this, &ScrollArea::updateTimerTick);
}

ScrollArea::~ScrollArea() = default;

void ScrollArea::setUpdateDelay(int milliseconds)
{
    m_updateTimer.setInterval(milliseconds);
}

void ScrollArea::updateChildren()
{
    updateChildren(true);
}

void ScrollArea::updateChildren(bool updateBounds)
{
    m_contentRect = m_scrollerBox->boundingRect();
    for (QGraphicsItem* child : m_childrenContainer->childItems())
        m_contentRect = m_contentRect.united(child->boundingRect().translated(child->pos()));
    m_childrenContainer->setBounds(m_contentRect);
    if (updateBounds)
        updateElementsBounds();
    updateScrollArea();
}

void ScrollArea::scrollToValues(double horizontal, double vertical)
{
    m_horizontalScroller->setValue(horizontal);
    m_verticalScroller->setValue(vertical);
}

void ScrollArea::updateElementsBounds()
{
    const QRectF area = boundingRect();
    const qreal verticalWidth = m_verticalScroller->barMaskRect().width();
    const qreal horizontalWidth = m_horizontalScroller->barMaskRect().width();

    QRectF vertical(area.right() - verticalWidth, area.y(), verticalWidth, area.height());
    QRectF horizontal(area.x(), area.bottom() - horizontalWidth, area.width(), horizontalWidth);
    bool needVertical = area.height() < m_contentRect.height();
    const bool needHorizontal = area.width() - (needVertical ? verticalWidth : 0.0) < m_contentRect.width();
    // The horizontal bar takes its height from the viewport: content that
    // fitted the full height may no longer fit the rest.
    if (needHorizontal)
        needVertical = needVertical || area.height() - horizontalWidth < m_contentRect.height();
    const qreal viewportWidth = needVertical ? area.width() - verticalWidth : area.width();
    const qreal viewportHeight = needHorizontal ? area.height() - horizontalWidth : area.height();
    if (needHorizontal && needVertical) {
        vertical.setHeight(area.height() - horizontalWidth);
        horizontal.setWidth(area.width() - verticalWidth);
    }

    m_verticalScroller->setBounds(vertical);
    m_verticalScroller->setVisible(needVertical);
    m_horizontalScroller->setBounds(horizontal);
    m_horizontalScroller->setVisible(needHorizontal);
    m_scrollerBox->setBounds(QRectF(area.x(), area.y(), viewportWidth, viewportHeight));
}

void ScrollArea::updateScrollArea()
{
    const QRectF box = m_scrollerBox->boundingRect();
    const qreal overflowX = std::max(0.0, m_contentRect.width() - box.width());
    const qreal overflowY = std::max(0.0, m_contentRect.height() - box.height());
    m_childrenContainer->setPos(-(m_contentRect.x() - box.x()) - fraction(m_horizontalScroller) * overflowX,
                                -(m_contentRect.y() - box.y()) - fraction(m_verticalScroller) * overflowY);
}

void ScrollArea::hScrollerChange()
{
    updateScrollArea();
}

void ScrollArea::vScrollerChange()
{
    updateScrollArea();
}

void ScrollArea::updateTimerTick()
{
    updateChildren(true);
}

void ScrollArea::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    updateChildren(true);
}

void ScrollArea::totalOffsetChanged()
{
    m_updateTimer.start();
}

QVariant ScrollArea::itemChange(GraphicsItemChange, const QVariant& value)
{
    return value;
}

bool ScrollArea::takesPointer(const QGraphicsSceneMouseEvent* event) const
{
    return isVisible() && isEnabled() && !event->isAccepted();
}

bool ScrollArea::isInViewport(const QPointF& scenePos) const
{
    const QPointF local = m_scrollerBox->mapFromScene(scenePos);
    return m_scrollerBox->boundingRect().contains(QPointF(qRound(local.x()), qRound(local.y())));
}

void ScrollArea::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    if (!takesPointer(event))
        return;
    m_verticalScroller->handleMousePress(event, consumer);
    m_horizontalScroller->handleMousePress(event, consumer);
    if (isInViewport(event->scenePos()))
        m_scrollerBox->handleMousePress(event, consumer);
}

void ScrollArea::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (!takesPointer(event))
        return;
    m_verticalScroller->handleMouseClick(event);
    if (!event->isAccepted())
        m_horizontalScroller->handleMouseClick(event);
    if (!event->isAccepted() && isInViewport(event->scenePos()))
        m_scrollerBox->handleMouseClick(event);
}

} // namespace Corvane::Gadgets
