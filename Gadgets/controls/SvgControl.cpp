#include "controls/SvgControl.h"

#include "controls/ElementBoundsCache.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "utilities/MathTools.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const QString SvgControl::FONT_ID = QStringLiteral("font");
const QString SvgControl::FONT_COLOR_SUFFIX_ID = QStringLiteral("_font_color");
const QString SvgControl::SECOND_FONT_COLOR_SUFFIX_ID = QStringLiteral("_second_font_color");
const QString SvgControl::FONT_SIZE_SUFFIX_ID = QStringLiteral("_font_size");
const QString SvgControl::FONT_WEIGHT_SUFFIX_ID = QStringLiteral("_font_weight");
const QString SvgControl::SUFFIX_SEPARATOR = QStringLiteral("_");

SvgControl::SvgControl(Utilities::RendererContainer* renderer, QGraphicsItem* parent)
    : QGraphicsItem(parent)
    , m_renderer(renderer)
{
    setCacheMode(NoCache);
    setAcceptHoverEvents(true);
}

QRectF SvgControl::boundingRect() const
{
    return m_boundingRect;
}

QRectF SvgControl::scaledBounds() const
{
    return m_bounds;
}

QRectF SvgControl::boundsOnElement(const QString& elementId, QSvgRenderer* renderer)
{
    return ElementBoundsCache::bounds(renderer, elementId);
}

QRectF SvgControl::boundsOnElement(const QString& elementId) const
{
    return boundsOnElement(elementId, svgRenderer());
}

QSvgRenderer* SvgControl::svgRenderer() const
{
    return m_renderer ? m_renderer->renderer() : nullptr;
}

bool SvgControl::hasElement(const QString& elementId) const
{
    return !elementId.isEmpty() && ElementBoundsCache::exists(svgRenderer(), elementId);
}

qreal SvgControl::effectiveGraphicsItemScale(bool ignoreTiny) const
{
    qreal product = 1.0;
    for (const QGraphicsItem* item = this; item; item = item->parentItem()) {
        const qreal itemScale = item->scale();
        product *= (ignoreTiny && itemScale < MathTools::EPS) ? 1.0 : itemScale;
    }
    return product;
}

qreal SvgControl::cumulativeScale() const
{
    const qreal itemScale = effectiveGraphicsItemScale(true);
    return (itemScale > 0 ? itemScale : 1.0) * (m_customScale > 0 ? m_customScale : 1.0);
}

int SvgControl::getFontSize() const
{
    return qBound(8, ThemeProvider::getInt(m_controlId + FONT_SIZE_SUFFIX_ID, 10), 72);
}

int SvgControl::getFontWeight() const
{
    return qBound(10, ThemeProvider::getInt(m_controlId + FONT_WEIGHT_SUFFIX_ID, 50), 99);
}

QString SvgControl::suffixedElementId(const QString& id, const QString& suffix)
{
    return id.isEmpty() ? suffix : id + SUFFIX_SEPARATOR + suffix;
}

void SvgControl::updateExpanded()
{
    update();
}

QRectF SvgControl::totalSceneBounds(bool visibleOnly) const
{
    if (visibleOnly && !isVisible())
        return QRectF();
    return mapRectToScene(m_boundingRect);
}

void SvgControl::setBounds(const QRectF& rect)
{
    prepareGeometryChange();
    m_boundingRect = QRectF(0, 0, rect.width(), rect.height());
    setPos(rect.topLeft());
    m_bounds = rect;
}

void SvgControl::setCustomScale(qreal scale)
{
    m_customScale = scale;
}

void SvgControl::setOffset(const QPointF& offset)
{
    setPos(offset);
}

void SvgControl::parentOffsetChanged()
{
    totalOffsetChanged();
}

void SvgControl::addToScene(QGraphicsScene* scene)
{
    if (scene && !this->scene())
        scene->addItem(this);
}

void SvgControl::removeFromScene(QGraphicsScene* scene)
{
    if (scene && this->scene() == scene)
        scene->removeItem(this);
}

void SvgControl::updateCachedData()
{
    readThemeSettings(true);
    setElementsSuffix(m_elementsSuffix);
}

void SvgControl::setControlId(const QString& id)
{
    m_controlId = id;
    readThemeSettings(true);
}

void SvgControl::setElementsSuffix(const QString& suffix)
{
    m_elementsSuffix = suffix;
}

bool SvgControl::receivesGestures() const
{
    return isVisible() && isEnabled();
}

void SvgControl::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    if (!receivesGestures() || event->isAccepted())
        return;
    mousePressEvent(event);
    if (event->isAccepted())
        consumer.setConsumer(this);
}

void SvgControl::mouseDoubleClickEvent(QGraphicsSceneMouseEvent*)
{
}

void SvgControl::handleMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (receivesGestures())
        mouseReleaseEvent(event, pressConsumer);
}

void SvgControl::handleMouseClick(QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        mouseClickEvent(event);
}

void SvgControl::handleMouseDoubleClick(QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        mouseDoubleClickEvent(event);
}

void SvgControl::handleMouseWheel(QGraphicsSceneWheelEvent* event)
{
    if (receivesGestures())
        mouseWheelEvent(event);
}

void SvgControl::handleMousePressAndHold(QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        mousePressAndHoldEvent(event);
}

void SvgControl::handleMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                         void* pressConsumer)
{
    if (receivesGestures())
        mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
}

void SvgControl::handleMousePressMoveAndHover(QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        mousePressMoveAndHoverEvent(event);
}

void SvgControl::handleEndPressAndMove(QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        mouseEndPressAndMoveEvent(event);
}

void SvgControl::handleSwipe(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event)
{
    if (receivesGestures())
        swipeEvent(angle, speed, position, event);
}

void SvgControl::handleKeyPress(QKeyEvent* event)
{
    if (receivesGestures())
        keyPressEvent(event);
}

void SvgControl::handleKeyRelease(QKeyEvent* event)
{
    if (receivesGestures())
        keyReleaseEvent(event);
}

void SvgControl::handleHoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    if (receivesGestures() && acceptHoverEvents())
        hoverEnterEvent(event);
}

void SvgControl::handleHoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    if (receivesGestures() && acceptHoverEvents())
        hoverMoveEvent(event);
}

void SvgControl::handleHoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    if (receivesGestures() && acceptHoverEvents())
        hoverLeaveEvent(event);
}

} // namespace Corvane::Gadgets
