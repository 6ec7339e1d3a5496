#include "controls/SvgButton.h"

#include "controls/PictureSize.h"
#include "controls/SvgControlObject.h"
#include "theme/RendererContainer.h"

#include <QBitmap>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets {

const QString SvgButton::DEFAULT_SUFFIX = QStringLiteral("_default");
const QString SvgButton::MASK_SUFFIX = QStringLiteral("_mask");
const QString SvgButton::HOVER_SUFFIX = QStringLiteral("_hover");
const QString SvgButton::PRESSED_SUFFIX = QStringLiteral("_pressed");
const QString SvgButton::DISABLED_SUFFIX = QStringLiteral("_disabled");
const QString SvgButton::CONTENT_SUFFIX = QStringLiteral("_content_placeholder");

namespace {

// Halves away from zero, as the mask rectangles are measured.
int roundAway(qreal value)
{
    return int(std::round(value));
}

QRect integerRect(const QRectF& rect)
{
    return QRect(roundAway(rect.x()), roundAway(rect.y()), roundAway(rect.width()), roundAway(rect.height()));
}

} // namespace

SvgButton::SvgButton(Utilities::RendererContainer* renderer, const QString& id, SvgControlObject* parent)
    : SvgElement(renderer, id + DEFAULT_SUFFIX, parent)
    , m_baseId(id)
    , m_maskId(id + MASK_SUFFIX)
{
    m_currentId = fullElementId();
    setButtonIds(id + HOVER_SUFFIX, id + PRESSED_SUFFIX, id + DISABLED_SUFFIX);
    setAcceptHoverEvents(true);
}

SvgButton::SvgButton(Utilities::RendererContainer* renderer, const QString& id, const QString& maskId,
                     SvgControlObject* parent)
    : SvgElement(renderer, id, parent)
    , m_baseId(id)
    , m_maskId(maskId)
{
    m_currentId = fullElementId();
    setAcceptHoverEvents(true);
    updateTotalBounds();
}

SvgButton::SvgButton(Utilities::RendererContainer* renderer, const QString& id, const QString& maskId,
                     const QString& hoverId, const QString& pressedId, const QString& disabledId,
                     SvgControlObject* parent)
    : SvgElement(renderer, id, parent)
    , m_baseId(id)
    , m_maskId(maskId)
{
    m_currentId = fullElementId();
    setButtonIds(hoverId, pressedId, disabledId);
    setAcceptHoverEvents(true);
}

SvgButton::~SvgButton() = default;

void SvgButton::setState(const ButtonState& state)
{
    if (state == m_state)
        return;
    m_state = state;
    setCurrentElementId();
    updateExpanded();
}

void SvgButton::setPaintable(bool paintable)
{
    m_paintable = paintable;
    updateExpanded();
}

QString SvgButton::stateElementId(const QString& candidate) const
{
    const QString suffix = elementsSuffix();
    if (!suffix.isEmpty() && hasElement(candidate + SUFFIX_SEPARATOR + suffix))
        return candidate + SUFFIX_SEPARATOR + suffix;
    if (hasElement(candidate))
        return candidate;
    return fullElementId();
}

void SvgButton::setButtonIds(const QString& hoverId, const QString& pressedId, const QString& disabledId)
{
    m_hoverId = stateElementId(hoverId);
    m_pressedId = stateElementId(pressedId);
    m_disabledId = stateElementId(disabledId);
    m_contentId = m_baseId + CONTENT_SUFFIX;
    updateTotalBounds();
}

void SvgButton::setCurrentElementId()
{
    QString id = fullElementId();
    const QString stateId = m_state == Hover ? m_hoverId
        : m_state == Pressed                 ? m_pressedId
        : m_state == Disabled                ? m_disabledId
                                             : QString();
    if (hasElement(stateId))
        id = stateId;
    m_currentId = id;
}

void SvgButton::setMaskBounds(const QRectF& bounds)
{
    if (m_hasMaskElement)
        return;
    m_maskBounds = bounds.translated(m_totalBounds.topLeft());
    dropMaskRegion();
}

void SvgButton::setButtonBounds(const QRectF& bounds)
{
    m_buttonBounds = bounds;
    updateTotalBounds();
}

void SvgButton::setCustomBoundsElementId(const QString& elementId)
{
    m_customBoundsId = elementId;
    updateTotalBounds();
}

void SvgButton::updateTotalBounds()
{
    QRectF total;
    bool hasTotal = false;
    const auto include = [&total, &hasTotal](const QRectF& rect) {
        total = hasTotal ? total.united(rect) : rect;
        hasTotal = true;
    };
    if (hasElement(m_maskId)) {
        m_maskBounds = boundsOnElement(m_maskId);
        m_hasMaskElement = true;
    }

    if (m_buttonBounds.width() > 0 && m_buttonBounds.height() > 0) {
        total = m_buttonBounds;
        m_maskBounds.moveCenter(total.center());
    } else if (m_customBoundsId.isEmpty()) {
        for (const QString& id : {fullElementId(), m_hoverId, m_pressedId, m_disabledId, m_contentId}) {
            if (hasElement(id))
                include(boundsOnElement(id));
        }
        if (m_hasMaskElement)
            include(m_maskBounds);
    } else {
        total = boundsOnElement(m_customBoundsId);
    }

    const QRectF glow = glowBounds();
    if (glow.width() > 0 && glow.height() > 0)
        total = total.united(glow);

    m_totalBounds = total;
    setBounds(total);
}

void SvgButton::setBounds(const QRectF& rect)
{
    const QPointF displacement = rect.topLeft() - m_totalBounds.topLeft();
    m_totalBounds.moveTopLeft(rect.topLeft());
    m_maskBounds.translate(displacement);
    setCustomScale(customScale());
    dropMaskRegion();
    SvgControl::setBounds(m_totalBounds);
}

void SvgButton::dropMaskRegion()
{
    m_maskRegion = QRegion();
}

void SvgButton::setCustomScale(qreal scale)
{
    SvgElement::setCustomScale(scale);
    dropMaskRegion();
    m_maskReferenceBounds = m_totalBounds;
}

void SvgButton::setOffset(const QPointF& offset)
{
    SvgElement::setOffset(offset);
    dropMaskRegion();
    m_maskReferenceBounds = m_totalBounds;
}

void SvgButton::parentOffsetChanged()
{
    SvgElement::parentOffsetChanged();
    dropMaskRegion();
    m_maskReferenceBounds = m_totalBounds;
}

void SvgButton::setElementsSuffix(const QString& suffix)
{
    SvgElement::setElementsSuffix(suffix);
    setButtonIds(m_baseId + HOVER_SUFFIX, m_baseId + PRESSED_SUFFIX, m_baseId + DISABLED_SUFFIX);
    setCurrentElementId();
}

void SvgButton::updateCachedData()
{
    SvgElement::updateCachedData();
    setButtonIds(m_baseId + HOVER_SUFFIX, m_baseId + PRESSED_SUFFIX, m_baseId + DISABLED_SUFFIX);
    setCurrentElementId();
    setCustomScale(customScale());
}

QRegion SvgButton::getMaskRegion()
{
    if (!m_maskRegion.isEmpty())
        return m_maskRegion;

    QRectF mask = m_maskBounds;
    if (!m_customBoundsId.isEmpty()) {
        mask.moveTo(m_totalBounds.x() + (m_totalBounds.width() - mask.width()) * 0.5,
                    m_totalBounds.y() + (m_totalBounds.height() - mask.height()) * 0.5);
    }
    // Item coordinates: the item sits at the total bounds' top-left.
    mask.translate(-m_totalBounds.topLeft());

    if (!m_hasMaskElement) {
        m_maskRegion = mask.width() > 0 && mask.height() > 0 ? QRegion(integerRect(mask)) : QRegion();
        return m_maskRegion;
    }

    const QSize size(roundAway(m_maskReferenceBounds.width()), roundAway(m_maskReferenceBounds.height()));
    if (size.isEmpty())
        return m_maskRegion;
    QSvgRenderer* renderer = rendererContainer()->renderer();
    const QPixmap pixmap = Utilities::PictureSize::render(size, Utilities::PictureSize::sourceOf(renderer), Qt::white,
                                                          [&](QPainter& painter) {
                                                              renderer->render(&painter, m_maskId, mask);
                                                          });
    m_maskRegion = Utilities::PictureSize::regionFor(QRegion(pixmap.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                     pixmap.size(), size);
    return m_maskRegion;
}

bool SvgButton::hitTest(const QPointF& scenePos)
{
    const QPointF local = mapFromScene(scenePos);
    return getMaskRegion().contains(QPoint(roundAway(local.x()), roundAway(local.y())));
}

void SvgButton::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if (!m_paintable)
        return;
    if (hasElement(m_currentId))
        paintElement(painter, m_currentId);
    else
        SvgElement::paint(painter, option, widget);
}

bool SvgButton::reactsToPointer() const
{
    return isEnabled() && m_state != Disabled;
}

void SvgButton::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    event->ignore();
    if (reactsToPointer() && m_state == Normal && hitTest(event->scenePos()))
        setState(Hover);
}

void SvgButton::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    event->ignore();
    if (!reactsToPointer())
        return;
    const bool hit = hitTest(event->scenePos());
    if (hit && m_state == Normal)
        setState(Hover);
    else if (!hit && m_state == Hover)
        setState(Normal);
}

void SvgButton::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    event->ignore();
    if (reactsToPointer() && m_state == Hover)
        setState(Normal);
}

void SvgButton::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (!reactsToPointer() || !hitTest(event->scenePos())) {
        event->ignore();
        return;
    }
    setState(Pressed);
    event->accept();
    m_stayPressed = false;
    if (parentControl())
        parentControl()->onElementPress(this);
}

void SvgButton::mouseReleaseEvent(QGraphicsSceneMouseEvent*, void* pressConsumer)
{
    if (!reactsToPointer() || pressConsumer != static_cast<void*>(static_cast<SvgControl*>(this)))
        return;
    if (!m_stayPressed)
        setState(Normal);
    if (parentControl())
        parentControl()->onElementRelease(this);
}

void SvgButton::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (!reactsToPointer() || !hitTest(event->scenePos())) {
        event->ignore();
        return;
    }
    if (parentControl())
        parentControl()->onElementClick(this);
    event->accept();
}

} // namespace Corvane::Gadgets
