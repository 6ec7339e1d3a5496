#include "controls/SvgControlObject.h"

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"

#include "utilities/MathTools.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

namespace {

QRectF unite(const QRectF& sum, const QRectF& rect)
{
    if (sum.width() > 0 && sum.height() > 0)
        return sum.united(rect);
    return rect;
}

bool fuzzyEqual(const QRectF& a, const QRectF& b)
{
    return qFuzzyCompare(a.x() + 1.0, b.x() + 1.0) && qFuzzyCompare(a.y() + 1.0, b.y() + 1.0)
        && qFuzzyCompare(a.width() + 1.0, b.width() + 1.0) && qFuzzyCompare(a.height() + 1.0, b.height() + 1.0);
}

} // namespace

SvgControlObject::SvgControlObject(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : QObject(parent)
    , SvgControl(renderer, parent)
{
}

void SvgControlObject::addToChildrensList(SvgControl* child)
{
    m_children.append(child);
}

void SvgControlObject::addToChildren(SvgControl* child)
{
    child->setParentItem(this);
    child->setFlag(ItemStacksBehindParent, true);
    m_children.append(child);
}

void SvgControlObject::removeFromChildren(SvgControl* child)
{
    m_children.removeOne(child);
    if (child && child->parentItem() == this)
        child->setParentItem(nullptr);
}

SvgElement* SvgControlObject::initElement(const QString& elementId)
{
    auto* element = new SvgElement(rendererContainer(), elementId, this);
    addToChildren(element);
    return element;
}

SvgButton* SvgControlObject::initButton(const QString& elementId)
{
    auto* button = new SvgButton(rendererContainer(), elementId, this);
    addToChildren(button);
    return button;
}

SvgContentButton* SvgControlObject::initContentButton(const QString& elementId)
{
    auto* button = new SvgContentButton(rendererContainer(), elementId, this);
    addToChildren(button);
    return button;
}

qreal SvgControlObject::originalWidth() const
{
    return boundingRect().width();
}

qreal SvgControlObject::originalHeight() const
{
    return boundingRect().height();
}

bool SvgControlObject::setBoundsToIncludeVisibleItemsOnly()
{
    QRectF united;
    for (SvgControl* child : std::as_const(m_children)) {
        if (child->isVisible())
            united = unite(united, child->scaledBounds());
    }
    if (united.width() <= 0 || united.height() <= 0)
        return false;
    if (fuzzyEqual(united, scaledBounds()))
        return false;
    setBounds(united);
    return true;
}

QRectF SvgControlObject::totalSceneBounds(bool visibleOnly) const
{
    QRectF result(0, 0, 0, 0);
    for (SvgControl* child : m_children) {
        const QRectF bounds = child->totalSceneBounds(visibleOnly);
        if (bounds.width() > 0 && bounds.height() > 0)
            result = unite(result, bounds);
    }
    return result;
}

void SvgControlObject::addToScene(QGraphicsScene* scene)
{
    SvgControl::addToScene(scene);
    for (SvgControl* child : std::as_const(m_children))
        child->addToScene(scene);
}

void SvgControlObject::removeFromScene(QGraphicsScene* scene)
{
    SvgControl::removeFromScene(scene);
    for (SvgControl* child : std::as_const(m_children))
        child->removeFromScene(scene);
}

void SvgControlObject::setBounds(const QRectF& rect)
{
    const QRectF old = boundingRect();
    SvgControl::setBounds(rect);
    const QRectF now = boundingRect();
    if (!MathTools::equals(old.width(), now.width()))
        emit originalWidthChanged(now.width());
    if (!MathTools::equals(old.height(), now.height()))
        emit originalHeightChanged(now.height());
}

void SvgControlObject::setCustomScale(qreal scale)
{
    for (SvgControl* child : std::as_const(m_children))
        child->setCustomScale(scale);
    SvgControl::setCustomScale(scale);
}

void SvgControlObject::scaleHasFinishedChanging()
{
    for (SvgControl* child : std::as_const(m_children))
        child->scaleHasFinishedChanging();
}

void SvgControlObject::setOffset(const QPointF& offset)
{
    setPos(offset);
    for (SvgControl* child : std::as_const(m_children))
        child->parentOffsetChanged();
}

void SvgControlObject::parentOffsetChanged()
{
    totalOffsetChanged();
    for (SvgControl* child : std::as_const(m_children))
        child->parentOffsetChanged();
}

void SvgControlObject::setElementsSuffix(const QString& suffix)
{
    for (SvgControl* child : std::as_const(m_children))
        child->setElementsSuffix(suffix);
    SvgControl::setElementsSuffix(suffix);
}

QPointF SvgControlObject::rotationCenter() const
{
    return boundingRect().center();
}

void SvgControlObject::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void SvgControlObject::updateCachedData()
{
    SvgControl::updateCachedData();
    for (SvgControl* child : std::as_const(m_children))
        child->updateCachedData();
}

void SvgControlObject::retranslateUi()
{
    for (SvgControl* child : std::as_const(m_children))
        child->retranslateUi();
}

void SvgControlObject::activatedChanged(bool activated)
{
    for (SvgControl* child : std::as_const(m_children))
        child->activatedChanged(activated);
}

void SvgControlObject::onElementPress(SvgElement* element)
{
    emit elementPress(element);
}

void SvgControlObject::onElementRelease(SvgElement* element)
{
    emit elementRelease(element);
}

void SvgControlObject::onElementClick(SvgElement* element)
{
    emit elementClick(element);
}

void SvgControlObject::onElementDoubleClick(SvgElement* element)
{
    emit elementDoubleClick(element);
}

void SvgControlObject::onElementDrag(SvgElement* element, QGraphicsSceneMouseEvent* event)
{
    emit elementDrag(element, event);
}

bool SvgControlObject::isConsumer(void* pressConsumer, const SvgControl* control)
{
    return control && pressConsumer == static_cast<const void*>(control);
}

template<typename Offer>
void SvgControlObject::offerTopmostFirst(QEvent* event, Offer offer)
{
    event->setAccepted(false);
    const QList<QGraphicsItem*> items = childItems();
    for (auto it = items.crbegin(); it != items.crend(); ++it) {
        auto* control = dynamic_cast<SvgControl*>(*it);
        if (!control)
            continue;
        offer(control);
        if (event->isAccepted())
            break;
    }
}

void SvgControlObject::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    const QList<QGraphicsItem*> items = childItems();
    for (auto it = items.crbegin(); it != items.crend(); ++it) {
        auto* control = dynamic_cast<SvgControl*>(*it);
        if (!control)
            continue;
        control->handleMousePress(event, consumer);
        if (event->isAccepted())
            break;
    }
    SvgControl::handleMousePress(event, consumer);
}

void SvgControlObject::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    offerTopmostFirst(event, [event](SvgControl* child) { child->handleMouseClick(event); });
}

void SvgControlObject::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    offerTopmostFirst(event, [event](SvgControl* child) { child->handleMouseDoubleClick(event); });
}

void SvgControlObject::mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event)
{
    offerTopmostFirst(event, [event](SvgControl* child) { child->handleMousePressAndHold(event); });
}

void SvgControlObject::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                              void* pressConsumer)
{
    offerTopmostFirst(event, [&](SvgControl* child) {
        child->handleMousePressAndMove(pressScenePos, event, pressConsumer);
    });
}

void SvgControlObject::swipeEvent(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event)
{
    offerTopmostFirst(event, [&](SvgControl* child) { child->handleSwipe(angle, speed, position, event); });
}

void SvgControlObject::mouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    offerTopmostFirst(event, [event](SvgControl* child) { child->handleMouseWheel(event); });
}

void SvgControlObject::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleMouseRelease(event, pressConsumer);
}

void SvgControlObject::mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleMousePressMoveAndHover(event);
}

void SvgControlObject::mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleEndPressAndMove(event);
}

void SvgControlObject::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleHoverEnterEvent(event);
    SvgControl::hoverEnterEvent(event);
}

void SvgControlObject::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleHoverMoveEvent(event);
    SvgControl::hoverMoveEvent(event);
}

void SvgControlObject::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleHoverLeaveEvent(event);
    SvgControl::hoverLeaveEvent(event);
}

void SvgControlObject::keyPressEvent(QKeyEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleKeyPress(event);
    SvgControl::keyPressEvent(event);
}

void SvgControlObject::keyReleaseEvent(QKeyEvent* event)
{
    for (SvgControl* child : std::as_const(m_children))
        child->handleKeyRelease(event);
    SvgControl::keyReleaseEvent(event);
}

QVariant SvgControlObject::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange)
        emit positionChanged();
    return SvgControl::itemChange(change, value);
}

} // namespace Corvane::Gadgets
