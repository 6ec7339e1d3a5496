#include "controls/BackgroundScaler.h"

#include "controls/SvgControl.h"
#include "theme/RendererContainer.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>

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

// Whether the painter maps x and y on their own (no rotation or shear), so
// that an edge can sit on a boundary between device pixel columns or rows.
bool keepsAxes(const QTransform& transform)
{
    return transform.type() <= QTransform::TxScale && transform.m11() != 0 && transform.m22() != 0;
}

// value moved to the nearest device pixel boundary along an axis that the
// device maps by scale and translation.
qreal snapped(qreal value, qreal scale, qreal translation)
{
    return (std::round(value * scale + translation) - translation) / scale;
}

} // namespace

// Slices antialiased one by one double-blend the pixel column they share when
// their common edge falls inside it: a faint seam. Every edge is therefore
// moved to the nearest device pixel boundary, once, so that neighbouring
// slices cover whole pixels and meet exactly.
BackgroundScaler::Edges BackgroundScaler::edgesOnDevicePixels(const QPointF& offset, const QTransform& transform) const
{
    const qreal middleWidth = m_scaledMiddle.width() > 0 ? m_scaledMiddle.width() : 0.0;
    Edges edges{{offset.x(), offset.x() + m_scaledLeft.width(), offset.x() + m_scaledLeft.width() + middleWidth,
                 offset.x() + m_scaledLeft.width() + middleWidth + m_scaledRight.width()},
                offset.y(),
                {offset.y() + m_scaledLeft.height(), offset.y() + m_scaledMiddle.height(),
                 offset.y() + m_scaledRight.height()}};
    if (!keepsAxes(transform))
        return edges;
    for (qreal& x : edges.x)
        x = snapped(x, transform.m11(), transform.dx());
    edges.top = snapped(edges.top, transform.m22(), transform.dy());
    for (qreal& bottom : edges.bottoms)
        bottom = snapped(bottom, transform.m22(), transform.dy());
    return edges;
}

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
    QSvgRenderer* renderer = m_renderer->renderer();
    const Edges edges = edgesOnDevicePixels(offset, painter->combinedTransform());
    const auto slice = [&edges](int index) {
        return QRectF(QPointF(edges.x[index], edges.top), QPointF(edges.x[index + 1], edges.bottoms[index]));
    };
    renderer->render(painter, m_leftId, slice(0));
    if (edges.x[2] > edges.x[1])
        renderer->render(painter, m_middleId, slice(1));
    renderer->render(painter, m_rightId, slice(2));
}

} // namespace Corvane::Gadgets::Utilities
