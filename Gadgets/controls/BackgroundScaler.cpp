#include "controls/BackgroundScaler.h"

#include "controls/SvgControl.h"
#include "theme/RendererContainer.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Corvane::Gadgets::Utilities {

const QString BackgroundScaler::LEFT_PART_SUFFIX_ID = QStringLiteral("left");
const QString BackgroundScaler::MIDDLE_PART_SUFFIX_ID = QStringLiteral("middle");
const QString BackgroundScaler::RIGHT_PART_SUFFIX_ID = QStringLiteral("right");
const QString BackgroundScaler::CENTRAL_CONTENT_BOUNDS_SUFFIX_ID = QStringLiteral("central_content_bounds");

namespace {

QRectF aligned(const QRectF& rect)
{
    return QRectF(rect.toAlignedRect());
}

// rect mapped to device pixels, widened to whole pixels and mapped back, so
// that neighbouring parts meet without a seam.
QRectF snappedToDevice(const QRectF& rect, const QTransform& transform)
{
    const QRect device = transform.mapRect(rect).toAlignedRect();
    return transform.inverted().mapRect(QRectF(device));
}

} // namespace

BackgroundScaler::BackgroundScaler(RendererContainer* renderer, const QString& baseId)
    : m_renderer(renderer)
    , m_baseId(baseId)
{
    updateCachedData();
}

QString BackgroundScaler::partId(const QString& suffix) const
{
    return SvgControl::suffixedElementId(m_baseId, suffix);
}

void BackgroundScaler::updateCachedData()
{
    m_leftId = partId(LEFT_PART_SUFFIX_ID);
    m_middleId = partId(MIDDLE_PART_SUFFIX_ID);
    m_rightId = partId(RIGHT_PART_SUFFIX_ID);
    m_centralId = partId(CENTRAL_CONTENT_BOUNDS_SUFFIX_ID);
    QSvgRenderer* renderer = m_renderer ? m_renderer->renderer() : nullptr;
    m_left = SvgControl::boundsOnElement(m_leftId, renderer);
    m_middle = SvgControl::boundsOnElement(m_middleId, renderer);
    m_right = SvgControl::boundsOnElement(m_rightId, renderer);
    m_central = SvgControl::boundsOnElement(m_centralId, renderer);
}

bool BackgroundScaler::isValid() const
{
    QSvgRenderer* renderer = m_renderer ? m_renderer->renderer() : nullptr;
    return renderer && renderer->isValid() && renderer->elementExists(m_leftId) && renderer->elementExists(m_middleId)
        && renderer->elementExists(m_rightId) && renderer->elementExists(m_centralId);
}

void BackgroundScaler::scaleCentralContentBoundsTo(const QSizeF& size, bool adjustWidth)
{
    QSvgRenderer* renderer = m_renderer ? m_renderer->renderer() : nullptr;
    if (!renderer || !renderer->isValid() || m_central.width() <= 0 || m_central.height() <= 0 || size.width() < 0
        || size.height() < 0)
        return;
    if (size.height() <= 0) {
        // Content without height gets no plate (its width would divide by 0).
        m_scaledLeft = m_scaledMiddle = m_scaledRight = m_scaledCentral = QRectF();
        return;
    }

    const qreal factor = size.height() / m_central.height();
    m_scaledLeft = aligned(QRectF(0, 0, m_left.width() * factor, m_left.height() * factor));
    m_scaledRight = aligned(QRectF(0, 0, m_right.width() * factor, m_right.height() * factor));
    qreal width = size.width();
    if (adjustWidth)
        width = size.width() * (m_scaledLeft.height() / size.height());
    m_scaledMiddle = aligned(QRectF(m_scaledLeft.x() + m_scaledLeft.width(), m_scaledLeft.y(),
                                    std::max(width - m_scaledLeft.width() - m_scaledRight.width(), 0.0),
                                    m_middle.height() * factor));
    m_scaledRight.translate(m_scaledMiddle.x() + m_scaledMiddle.width(), m_scaledMiddle.y());
    m_scaledCentral = QRectF(m_scaledMiddle.x() + (m_scaledMiddle.width() - size.width()) * 0.5,
                             m_scaledMiddle.y() + (m_central.y() - m_middle.y()) * factor, size.width(),
                             size.height());
}

QRectF BackgroundScaler::totalScaledBounds() const
{
    return aligned(m_scaledLeft.united(m_scaledMiddle).united(m_scaledRight));
}

void BackgroundScaler::paint(QPainter* painter, const QPointF& offset) const
{
    if (!painter || !isValid())
        return;
    const QTransform transform = painter->combinedTransform();
    QSvgRenderer* renderer = m_renderer->renderer();
    const bool hasMiddle = m_scaledMiddle.width() > 0;

    const QRectF left(offset, m_scaledLeft.size());
    renderer->render(painter, m_leftId, snappedToDevice(left, transform));
    if (hasMiddle) {
        const QRectF middle(offset + QPointF(m_scaledLeft.width(), 0), m_scaledMiddle.size());
        renderer->render(painter, m_middleId, snappedToDevice(middle, transform));
    }
    const qreal rightX = m_scaledLeft.width() + (hasMiddle ? m_scaledMiddle.width() : 0.0);
    const QRectF right(offset + QPointF(rightX, 0), m_scaledRight.size());
    renderer->render(painter, m_rightId, snappedToDevice(right, transform));
}

} // namespace Corvane::Gadgets::Utilities
