#include "controls/SvgElement.h"

#include "controls/PictureSize.h"
#include "controls/SvgControlObject.h"
#include "theme/RendererContainer.h"

#include <QBitmap>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

SvgElement::SvgElement(Utilities::RendererContainer* renderer, const QString& elementId, SvgControlObject* parent)
    : SvgControl(renderer, parent)
    , m_elementId(elementId)
    , m_fullElementId(elementId)
    , m_parent(parent)
{
    SvgElement::updateBounds();
}

void SvgElement::updateBounds()
{
    setBounds(boundsOnElement(fullElementId()));
}

void SvgElement::setElementsSuffix(const QString& suffix)
{
    SvgControl::setElementsSuffix(suffix);
    const QString suffixed = m_elementId + SUFFIX_SEPARATOR + suffix;
    m_fullElementId = !suffix.isEmpty() && hasElement(suffixed) ? suffixed : m_elementId;
    invalidateHitMask();
}

void SvgElement::invalidateHitMask()
{
    m_hitPixmapId.clear();
    m_hitRegion = QRegion();
    m_pixmapCache.clear();
    m_paintedElementBounds.clear();
}

void SvgElement::setCustomScale(qreal scale)
{
    SvgControl::setCustomScale(scale);
    invalidateHitMask();
    update();
}

void SvgElement::updateCachedData()
{
    SvgControl::updateCachedData();
    invalidateHitMask();
    updateBounds();
}

void SvgElement::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintElement(painter, fullElementId());
}

void SvgElement::paintElement(QPainter* painter, const QString& elementId)
{
    const bool clipped = !m_clipRegion.isEmpty();
    if (clipped) {
        painter->save();
        painter->setClipRegion(m_clipRegion);
    }

    if (hasElement(elementId)) {
        m_pixmapCache.draw(painter, rendererContainer()->renderer(), elementId, elementTarget(elementId));
        if (m_acceptsMouse && m_hitPixmapId != elementId)
            renderHitPixmap(elementId);
    }

    if (clipped)
        painter->restore();
}

QRectF SvgElement::paintedElementBounds(const QString& elementId)
{
    const QSvgRenderer* renderer = rendererContainer()->renderer();
    if (renderer != m_measuredRenderer) {
        m_paintedElementBounds.clear();
        m_measuredRenderer = renderer;
    }
    auto it = m_paintedElementBounds.constFind(elementId);
    if (it == m_paintedElementBounds.constEnd())
        it = m_paintedElementBounds.insert(elementId, boundsOnElement(elementId));
    return *it;
}

QRectF SvgElement::elementTarget(const QString& elementId)
{
    const QRectF target = SvgControl::boundingRect();
    if (m_stretch)
        return target;
    const QRectF element = paintedElementBounds(elementId);
    const QRectF bounds = scaledBounds();
    const QRectF tolerant = bounds.adjusted(-0.001, -0.001, 0.001, 0.001);
    const QPointF offset = tolerant.contains(element)
        ? element.topLeft() - bounds.topLeft()
        : QPointF((target.width() - element.width()) * 0.5, (target.height() - element.height()) * 0.5);
    return QRectF(target.topLeft() + offset, element.size());
}

void SvgElement::renderHitPixmap(const QString& elementId)
{
    const QSize size(qRound(scaledBounds().width()), qRound(scaledBounds().height()));
    m_hitRegion = QRegion();
    m_hitPixmapId = elementId;
    if (size.isEmpty()) {
        m_hitPixmap = QPixmap();
        return;
    }
    QSvgRenderer* renderer = rendererContainer()->renderer();
    m_hitPixmap = Utilities::PictureSize::render(size, Utilities::PictureSize::sourceOf(renderer), Qt::transparent,
                                                 [&](QPainter& painter) {
                                                     renderer->render(&painter, elementId, QRectF(QPointF(0, 0), size));
                                                 });
    m_hitPixmapSize = size;
}

bool SvgElement::hitTest(const QPointF& scenePos)
{
    if (!m_acceptsMouse)
        return false;
    if (m_hitPixmapId.isEmpty() && hasElement(fullElementId()))
        renderHitPixmap(fullElementId());
    if (m_hitRegion.isEmpty() && !m_hitPixmap.isNull()) {
        // Opaque pixels form the region; the alpha mask keeps an element that
        // covers its own corners hittable.
        m_hitRegion = Utilities::PictureSize::regionFor(
            QRegion(QBitmap::fromImage(m_hitPixmap.toImage().createAlphaMask())), m_hitPixmap.size(), m_hitPixmapSize);
    }
    const QPointF local = mapFromScene(scenePos);
    return m_hitRegion.contains(QPoint(qRound(local.x()), qRound(local.y())));
}

void SvgElement::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->setAccepted(false);
    if (!m_acceptsMouse || !isVisible() || !isEnabled())
        return;
    if (!hitTest(event->scenePos()))
        return;
    const QPointF local = mapFromScene(event->scenePos());
    if (!isObscured(QRectF(local, QSizeF(1, 1))))
        event->accept();
}

} // namespace Corvane::Gadgets
