#include "carousel/CarouselView.h"

#include "carousel/CarouselFrontLayer.h"
#include "carousel/CarouselGeometry.h"
#include "hosting/CarouselModelItem.h"
#include "hosting/SvgControlObjectWrapper.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainterPath>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Corvane::Gadgets {

using Utilities::CarouselModelItem;
using Utilities::SvgControlObjectWrapper;

namespace {

// How the view runs on after a flick: speeds in items per second, the
// slowing down in items per second squared.
constexpr qreal minimumFlickVelocity = 1.0;
constexpr qreal maximumFlickVelocity = 10.0;
constexpr qreal flickDeceleration = 10.0;
// The stretch of a drag, in milliseconds before the release, that sets the
// speed of a flick.
constexpr qint64 flickSampleSpan = 100;
// Points the path is sampled at to find where the pointer is on it.
constexpr int pathSamples = 360;

// d moved into [-span / 2, span / 2), the shortest way round a circle of span.
qreal shortestWayRound(qreal d, qreal span)
{
    return d - span * std::floor(d / span + 0.5);
}

// position moved into [0, span).
qreal wrapped(qreal position, int span)
{
    const qreal inside = std::fmod(position, qreal(span));
    return inside < 0 ? inside + span : inside;
}

QSizeF originalSize(const SvgControlObject* control)
{
    return QSizeF(control->originalWidth(), control->originalHeight());
}

} // namespace

CarouselView::CarouselView(QGraphicsItem* parent)
    : QGraphicsObject(parent)
{
    setFlag(ItemHasNoContents, true);
    setFlag(ItemSendsGeometryChanges, true);
    setFiltersChildEvents(true);
    m_motion.setEasingCurve(QEasingCurve::OutQuad);
    connect(&m_motion, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        setPosition(value.toReal());
        if (m_moving)
            followPositionWithIndex();
    });
    connect(&m_motion, &QVariantAnimation::finished, this, &CarouselView::onMotionFinished);
}

CarouselView::~CarouselView()
{
    clearDelegates();
    delete m_frontLayer;
}

QRectF CarouselView::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_hostSize + QSizeF(hostBorder, hostBorder));
}

void CarouselView::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void CarouselView::setModel(const QList<CarouselModelItem*>& items)
{
    stopUserMotion();
    m_motion.stop();
    m_pressed = false;
    m_dragging = false;

    const int oldCount = count();
    clearDelegates();
    for (CarouselModelItem* item : items)
        m_delegates.append(createDelegate(item));

    if (m_pendingIndex >= 0 && m_pendingIndex < count())
        setCurrentIndexValue(m_pendingIndex);
    else if (m_currentIndex >= count())
        setCurrentIndexValue(0);
    m_pendingIndex = -1;
    m_position = m_currentIndex;
    if (count() != oldCount)
        emit countChanged();
    layoutDelegates();
}

void CarouselView::setHostSize(const QSizeF& hostSize)
{
    prepareGeometryChange();
    m_hostSize = hostSize;
    setPos(-hostBorder / 2, -hostBorder / 2);
    setTransformOriginPoint(boundingRect().center());
    layoutDelegates();
}

void CarouselView::setCurrentIndex(int index)
{
    if (count() == 0 && index >= 0) {
        m_pendingIndex = index;
        return;
    }
    if (index < 0 || index >= count() || index == m_currentIndex)
        return;
    setCurrentIndexValue(index);
    if (m_dragging)
        return;
    stopUserMotion();
    animatePositionTo(m_position + shortestWayRound(index - m_position, count()), m_highlightMoveDuration);
}

void CarouselView::setHighlightMoveDuration(int duration)
{
    m_highlightMoveDuration = qMax(0, duration);
}

void CarouselView::setDelegateScaleFactor(qreal factor)
{
    m_delegateScaleFactor = factor;
    layoutDelegates();
}

void CarouselView::setGadgetRadius(qreal radius)
{
    m_gadgetRadius = radius;
    layoutDelegates();
}

void CarouselView::setYRotationAngle(qreal angle)
{
    m_yRotationAngle = angle;
    layoutDelegates();
}

void CarouselView::setYRotationAngleOverride(qreal angle)
{
    m_yRotationAngleOverride = angle;
    layoutDelegates();
}

void CarouselView::setFadesItems(bool fades)
{
    if (fades == m_fadesItems)
        return;
    m_fadesItems = fades;
    layoutDelegates();
}

qreal CarouselView::delegateWidth() const
{
    return delegateSize().width();
}

qreal CarouselView::delegateHeight() const
{
    return delegateSize().height();
}

QRectF CarouselView::pathRect() const
{
    return CarouselGeometry::pathRect(boundingRect().size(), m_hostSize.height(), rotation(), delegateSize(),
                                      m_delegateScaleFactor, m_gadgetRadius, gadgetMargin());
}

void CarouselView::rotateCarousel(qreal angleToCenter)
{
    const qreal angle = CarouselGeometry::snappedRotation(angleToCenter);
    if (angle == rotation())
        return;
    setRotation(angle);
    layoutDelegates();
}

// Presses meant for a delegate's control reach it only on the current
// delegate, and only where that delegate is the topmost one; the view takes
// every other press.
bool CarouselView::sceneEventFilter(QGraphicsItem* watched, QEvent* event)
{
    return filterDelegateEvent(watched, event);
}

bool CarouselView::filterDelegateEvent(QGraphicsItem* watched, QEvent* event)
{
    if (event->type() != QEvent::GraphicsSceneMousePress && event->type() != QEvent::GraphicsSceneMouseDoubleClick)
        return false;
    auto* mouse = static_cast<QGraphicsSceneMouseEvent*>(event);
    const int under = delegateIndexAt(mouse->scenePos());
    if (under >= 0 && under == m_currentIndex && delegateIndexOf(watched) == under)
        return false;
    mouse->ignore();
    return true;
}

void CarouselView::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    const int index = delegateIndexAt(event->scenePos());
    if (event->button() != Qt::LeftButton || index < 0) {
        event->ignore();
        return;
    }
    event->accept();
    m_pressed = true;
    m_pressedIndex = index;
    m_pressPos = event->pos();
    if (m_moving)
        startDrag(m_pressPos);
}

void CarouselView::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_pressed)
        return;
    if (!m_dragging) {
        const int threshold = QGuiApplication::styleHints()->startDragDistance();
        if ((event->pos() - m_pressPos).manhattanLength() < threshold)
            return;
        startDrag(m_pressPos);
    }
    dragTo(event->pos(), qint64(event->timestamp()));
}

void CarouselView::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        settleAfterDrag(releaseVelocity(qint64(event->timestamp())));
        return;
    }
    if (delegateIndexAt(event->scenePos()) == m_pressedIndex)
        setCurrentIndex(m_pressedIndex);
}

void CarouselView::clearDelegates()
{
    const QList<SvgControlObjectWrapper*> delegates = std::exchange(m_delegates, {});
    qDeleteAll(delegates);
}

SvgControlObjectWrapper* CarouselView::createDelegate(CarouselModelItem* item)
{
    auto* delegate = new SvgControlObjectWrapper(this);
    delegate->setMainControlObject(item ? item->control() : nullptr);
    SvgControlObject* control = delegate->control();
    if (!control)
        return delegate;
    delegate->setSize(originalSize(control));
    const auto followControlSize = [this, delegate, control] {
        delegate->setSize(originalSize(control));
        layoutDelegates();
    };
    connect(control, &SvgControlObject::originalWidthChanged, delegate, followControlSize);
    connect(control, &SvgControlObject::originalHeightChanged, delegate, followControlSize);
    return delegate;
}

QSizeF CarouselView::delegateSize() const
{
    const SvgControlObject* first = m_delegates.isEmpty() ? nullptr : m_delegates.first()->control();
    if (!first)
        return CarouselGeometry::emptyDelegateSize();
    return originalSize(first);
}

void CarouselView::layoutDelegates()
{
    const QRectF rect = pathRect();
    const SvgControlObjectWrapper* atStart = nullptr;
    for (int index = 0; index < count(); ++index) {
        const qreal percent = CarouselGeometry::delegatePercent(index, 0, -m_position, count());
        placeDelegate(m_delegates.at(index), percent, rect);
        if (percent == 0.0)
            atStart = m_delegates.at(index);
    }
    if (atStart)
        hideItemsBehind(atStart);
}

// The current item at rest is drawn above the others. Moved in from the
// screen's edge, or grown as a data window turns to a wider face, it would
// leave parts of the panels it covers showing around it: those hide.
void CarouselView::hideItemsBehind(const QGraphicsItem* current)
{
    const QRectF covered = current->sceneBoundingRect();
    for (SvgControlObjectWrapper* delegate : std::as_const(m_delegates)) {
        // Laid out while the view is hidden, the items' own visibility counts.
        const bool shown = delegate->isVisibleTo(delegate->parentItem());
        if (delegate != current && shown && delegate->sceneBoundingRect().intersects(covered))
            delegate->setVisible(false);
    }
}

void CarouselView::placeDelegate(SvgControlObjectWrapper* delegate, qreal percent, const QRectF& rect)
{
    const auto placement = CarouselGeometry::placeDelegate(rect, count(), percent, delegateMinimumScale(),
                                                           m_delegateScaleFactor);
    const QPointF half(delegate->width() / 2, delegate->height() / 2);
    const qreal yAngle = m_yRotationAngleOverride != 0 ? m_yRotationAngleOverride : m_yRotationAngle;

    // Turned back against the view's own turn, then about the vertical axis.
    QTransform turn;
    turn.translate(half.x(), half.y());
    turn.rotate(yAngle, Qt::YAxis);
    turn.rotate(-rotation());
    turn.translate(-half.x(), -half.y());

    delegate->setPos(placement.centre - half);
    delegate->setTransformOriginPoint(half);
    delegate->setTransform(turn);
    delegate->setScale(placement.scale);
    delegate->setOpacity(m_fadesItems || !placement.visible ? placement.opacity : 1.0);
    delegate->setZValue(placement.z);
    delegate->setVisible(placement.visible);

    const qreal nearStart = startCloseness(percent);
    if (placement.visible && nearStart > 0.0)
        delegate->setPos(delegate->pos() + nearStart * shiftInside(delegate));
    if (placement.visible && percent != 0.0)
        delegate->setPos(delegate->pos() + shiftClear(delegate));

    // The current item at rest is the one the user works with: nothing of
    // the gadget covers it, even where it had to move over the gadget.
    const bool front = m_frontLayer && placement.visible && (percent == 0.0 || isClearOfGadget(delegate));
    QGraphicsItem* home = front ? static_cast<QGraphicsItem*>(m_frontLayer) : this;
    if (delegate->parentItem() != home)
        delegate->setParentItem(home);
}

// 1 at the path's start, falling to 0 one place away on either side.
qreal CarouselView::startCloseness(qreal percent) const
{
    const qreal places = std::min(percent, 1.0 - percent) * count();
    return std::max(0.0, 1.0 - places);
}

// The move, in the view's coordinates, that brings the delegate inside the
// area to keep to; a delegate larger than the area keeps its top-left
// corner inside.
QPointF CarouselView::shiftInside(const QGraphicsItem* delegate) const
{
    if (m_keepInside.isEmpty())
        return QPointF();
    const QRectF rect = mapToScene(delegate->mapToParent(delegate->boundingRect())).boundingRect();
    auto shift = [](qreal start, qreal length, qreal areaStart, qreal areaLength) {
        if (start < areaStart || length > areaLength)
            return areaStart - start;
        return std::min(0.0, areaStart + areaLength - (start + length));
    };
    const QPointF sceneShift(shift(rect.left(), rect.width(), m_keepInside.left(), m_keepInside.width()),
                             shift(rect.top(), rect.height(), m_keepInside.top(), m_keepInside.height()));
    return mapFromScene(sceneShift) - mapFromScene(QPointF(0, 0));
}

// The move, in the view's coordinates, that takes the delegate off each area
// to keep clear, a pixel apart, along whichever axis needs the shorter move.
QPointF CarouselView::shiftClear(const QGraphicsItem* delegate) const
{
    QRectF rect = mapToScene(delegate->mapToParent(delegate->boundingRect())).boundingRect();
    const QPointF start = rect.topLeft();
    for (const QRectF& area : m_keepClear) {
        if (!rect.intersects(area))
            continue;
        const QRectF spaced = area.adjusted(-clearGap, -clearGap, clearGap, clearGap);
        const qreal dx = rect.center().x() > area.center().x() ? spaced.right() - rect.left()
                                                               : spaced.left() - rect.right();
        const qreal dy = rect.center().y() > area.center().y() ? spaced.bottom() - rect.top()
                                                               : spaced.top() - rect.bottom();
        rect.translate(qAbs(dx) < qAbs(dy) ? QPointF(dx, 0) : QPointF(0, dy));
    }
    return mapFromScene(rect.topLeft()) - mapFromScene(start);
}

bool CarouselView::isClearOfGadget(const QGraphicsItem* delegate) const
{
    QPainterPath area;
    area.addPolygon(delegate->mapToParent(delegate->boundingRect()));
    QPainterPath gadget;
    gadget.addEllipse(boundingRect().center(), m_gadgetRadius, m_gadgetRadius);
    return !area.intersects(gadget);
}

void CarouselView::setKeepClearAreas(const QList<QRectF>& sceneAreas)
{
    m_keepClear = sceneAreas;
    layoutDelegates();
}

void CarouselView::setKeepInsideArea(const QRectF& sceneArea)
{
    m_keepInside = sceneArea;
    layoutDelegates();
}

QVariant CarouselView::itemChange(GraphicsItemChange change, const QVariant& value)
{
    switch (change) {
    case ItemParentHasChanged:
        followParent();
        break;
    case ItemPositionHasChanged:
    case ItemRotationHasChanged:
    case ItemScaleHasChanged:
    case ItemTransformOriginPointHasChanged:
    case ItemTransformHasChanged:
    case ItemOpacityHasChanged:
    case ItemVisibleHasChanged:
    case ItemZValueHasChanged:
        if (m_frontLayer)
            m_frontLayer->followView();
        break;
    default:
        break;
    }
    return QGraphicsObject::itemChange(change, value);
}

void CarouselView::followParent()
{
    if (!m_frontLayer && parentItem())
        m_frontLayer = new CarouselFrontLayer(this);
    if (!m_frontLayer)
        return;
    m_frontLayer->setParentItem(parentItem());
    m_frontLayer->followView();
    layoutDelegates();
}

// The topmost visible delegate under scenePos, or -1.
int CarouselView::delegateIndexAt(const QPointF& scenePos) const
{
    int found = -1;
    for (int index = 0; index < count(); ++index) {
        const SvgControlObjectWrapper* delegate = m_delegates.at(index);
        if (!delegate->isVisible() || !delegate->contains(delegate->mapFromScene(scenePos)))
            continue;
        if (found < 0 || delegate->zValue() >= m_delegates.at(found)->zValue())
            found = index;
    }
    return found;
}

// The delegate that item is, or lies in, or -1.
int CarouselView::delegateIndexOf(const QGraphicsItem* item) const
{
    const QGraphicsItem* front = m_frontLayer;
    while (item && item->parentItem() != this && (!front || item->parentItem() != front))
        item = item->parentItem();
    for (int index = 0; index < count(); ++index) {
        if (m_delegates.at(index) == item)
            return index;
    }
    return -1;
}

void CarouselView::setPosition(qreal position)
{
    m_position = position;
    layoutDelegates();
}

int CarouselView::indexAtStart() const
{
    return count() == 0 ? 0 : int(wrapped(std::floor(m_position + 0.5), count()));
}

void CarouselView::followPositionWithIndex()
{
    setCurrentIndexValue(indexAtStart());
}

void CarouselView::setCurrentIndexValue(int index)
{
    if (index == m_currentIndex)
        return;
    m_currentIndex = index;
    emit currentIndexChanged(index);
}

void CarouselView::startDrag(const QPointF& pos)
{
    m_motion.stop();
    m_dragging = true;
    m_moving = true;
    m_samples.clear();
    m_dragPercent = percentNearestTo(pos);
}

// Moves the delegates by as much of the path as the pointer moved along it.
void CarouselView::dragTo(const QPointF& pos, qint64 time)
{
    const qreal percent = percentNearestTo(pos);
    const qreal step = shortestWayRound(percent - m_dragPercent, 1.0);
    m_dragPercent = percent;
    setPosition(m_position - step * count());
    followPositionWithIndex();

    m_samples.append({time, m_position});
    while (m_samples.size() > 2 && time - m_samples.first().time > flickSampleSpan)
        m_samples.removeFirst();
}

qreal CarouselView::percentNearestTo(const QPointF& pos) const
{
    const QRectF rect = pathRect();
    const qreal hidden = CarouselGeometry::hiddenShare(count());
    qreal nearest = 0.0;
    qreal nearestDistance = std::numeric_limits<qreal>::max();
    for (int sample = 0; sample < pathSamples; ++sample) {
        const qreal percent = qreal(sample) / pathSamples;
        const QPointF offset = CarouselGeometry::pointAtPercent(rect, hidden, percent) - pos;
        const qreal distance = QPointF::dotProduct(offset, offset);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = percent;
        }
    }
    return nearest;
}

// Items per second over the last stretch of the drag; 0 when the pointer
// rested before the release or the events carry no times.
qreal CarouselView::releaseVelocity(qint64 releaseTime) const
{
    if (m_samples.size() < 2 || releaseTime - m_samples.last().time > flickSampleSpan)
        return 0.0;
    const qint64 span = m_samples.last().time - m_samples.first().time;
    if (span <= 0)
        return 0.0;
    return (m_samples.last().position - m_samples.first().position) * 1000.0 / span;
}

void CarouselView::settleAfterDrag(qreal velocity)
{
    if (std::abs(velocity) < minimumFlickVelocity) {
        animatePositionTo(std::round(m_position), m_highlightMoveDuration);
        return;
    }
    velocity = qBound(-maximumFlickVelocity, velocity, maximumFlickVelocity);
    const qreal target = std::round(m_position + velocity * std::abs(velocity) / (2 * flickDeceleration));
    // An easing that slows evenly starts at twice the average speed.
    animatePositionTo(target, int(2000 * std::abs(target - m_position) / std::abs(velocity)));
}

void CarouselView::animatePositionTo(qreal target, int duration)
{
    m_motion.stop();
    if (duration <= 0 || qFuzzyCompare(target + 1.0, m_position + 1.0)) {
        setPosition(target);
        onMotionFinished();
        return;
    }
    m_motion.setDuration(duration);
    m_motion.setStartValue(m_position);
    m_motion.setEndValue(target);
    m_motion.start();
}

void CarouselView::onMotionFinished()
{
    if (count() > 0)
        m_position = wrapped(m_position, count());
    if (!m_moving)
        return;
    followPositionWithIndex();
    m_moving = false;
    emit movementEnded();
}

// Ends a run-on after a drag or flick where it stands.
void CarouselView::stopUserMotion()
{
    if (!m_moving)
        return;
    m_motion.stop();
    m_dragging = false;
    m_moving = false;
    emit movementEnded();
}

} // namespace Corvane::Gadgets
