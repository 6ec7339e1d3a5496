#include "text/SvgScaledElement.h"

#include "controls/PictureSize.h"
#include "controls/SvgControl.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets::Utilities {

const std::array<QString, SvgScaledElement::NUM_LABEL_PARTS> SvgScaledElement::CUT_MASKS = {
    QStringLiteral("_cut_top_left"),   QStringLiteral("_cut_middle_left"),   QStringLiteral("_cut_bottom_left"),
    QStringLiteral("_cut_top_middle"), QStringLiteral("_cut_middle_middle"), QStringLiteral("_cut_bottom_middle"),
    QStringLiteral("_cut_top_right"),  QStringLiteral("_cut_middle_right"),  QStringLiteral("_cut_bottom_right"),
};

namespace {

bool isUsable(const QRectF& rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

} // namespace

SvgScaledElement::SvgScaledElement(QSvgRenderer& renderer, const QString& elementId, const QString& cutPrefix,
                                   int width, int height)
    : m_renderer(renderer)
    , m_elementId(elementId)
    , m_cutPrefix(cutPrefix)
    , m_width(width)
    , m_height(height)
{
    scaleElement();
}

void SvgScaledElement::rescaleElement(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    scaleElement();
}

QRectF SvgScaledElement::boundsAtPart(const LabelPartId& part) const
{
    return m_parts.at(part).targetRect;
}

void SvgScaledElement::scaleElement()
{
    for (int i = 0; i < NUM_LABEL_PARTS; ++i) {
        LabelPart& part = m_parts[i];
        part.id = m_cutPrefix + CUT_MASKS[i];
        part.svgRect = SvgControl::boundsOnElement(part.id, &m_renderer);
        part.scaleX = 1.0;
        part.scaleY = 1.0;
    }

    // A missing or empty centre cut (skins are user input) stretches nothing.
    const QRectF centre = m_parts[MiddleMiddle].svgRect;
    const qreal sx = isUsable(centre) ? m_width / centre.width() : 1.0;
    const qreal sy = isUsable(centre) ? m_height / centre.height() : 1.0;
    for (LabelPartId id : {TopMiddle, MiddleMiddle, BottomMiddle})
        m_parts[id].scaleX = sx;
    for (LabelPartId id : {MiddleLeft, MiddleMiddle, MiddleRight})
        m_parts[id].scaleY = sy;
    m_scaleX = sx;
    m_scaleY = sy;
    m_bounds = SvgControl::boundsOnElement(m_elementId, &m_renderer);

    // Parts are placed from the composed picture's origin, whatever the
    // element's place in the document.
    for (int column = 0; column < COLS_LABEL_PARTS; ++column) {
        for (int row = 0; row < ROWS_LABEL_PARTS; ++row) {
            LabelPart& part = m_parts[column * ROWS_LABEL_PARTS + row];
            readArea(m_renderer, m_elementId, m_bounds, part.svgRect, part.scaleX, part.scaleY, part.pixmap);
            QPointF position(0, 0);
            if (row > 0) {
                const QRectF above = m_parts[column * ROWS_LABEL_PARTS + row - 1].targetRect;
                position = QPointF(above.x(), above.y() + above.height());
            } else if (column > 0) {
                const QRectF left = m_parts[(column - 1) * ROWS_LABEL_PARTS].targetRect;
                position = QPointF(left.x() + left.width(), left.y());
            }
            part.targetRect = QRectF(position, QSizeF(part.pixmap.size()));
        }
    }

    int width = 0;
    for (LabelPartId id : {TopLeft, TopMiddle, TopRight})
        width = int(width + m_parts[id].targetRect.width());
    int height = 0;
    for (LabelPartId id : {TopLeft, MiddleLeft, BottomLeft})
        height = int(height + m_parts[id].targetRect.height());

    m_pixmap = QPixmap();
    if (width <= 0 || height <= 0)
        return;
    const QString source = PictureSize::sourceOf(&m_renderer);
    m_pixmap = PictureSize::render(QSize(width, height), source, Qt::transparent, [this](QPainter& painter) {
        for (const LabelPart& part : m_parts) {
            if (!part.pixmap.isNull())
                painter.drawPixmap(part.targetRect.topLeft(), part.pixmap);
        }
    });
}

void SvgScaledElement::readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& elementRect,
                                const QRectF& area, qreal sx, qreal sy, QPixmap& pixmap)
{
    const int width = qRound(sx * area.width());
    const int height = qRound(sy * area.height());
    if (!isUsable(area) || width <= 0 || height <= 0) {
        pixmap = QPixmap();
        return;
    }
    pixmap = PictureSize::render(QSize(width, height), PictureSize::sourceOf(&renderer), Qt::transparent,
                                 [&](QPainter& painter) {
                                     painter.setRenderHint(QPainter::Antialiasing);
                                     renderer.render(&painter, elementId,
                                                     QRectF((elementRect.x() - area.x()) * sx,
                                                            (elementRect.y() - area.y()) * sy,
                                                            elementRect.width() * sx, elementRect.height() * sy));
                                 });
}

void SvgScaledElement::readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& area, qreal sx,
                                qreal sy, QPixmap& pixmap)
{
    if (!renderer.isValid() || !renderer.elementExists(elementId))
        return;
    readArea(renderer, elementId, SvgControl::boundsOnElement(elementId, &renderer), area, sx, sy, pixmap);
}

void SvgScaledElement::readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& area,
                                const QSize& size, QPixmap& pixmap)
{
    if (!renderer.isValid() || !renderer.elementExists(elementId))
        return;
    readArea(renderer, elementId, SvgControl::boundsOnElement(elementId, &renderer), area, size, pixmap);
}

void SvgScaledElement::readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& elementRect,
                                const QRectF& area, const QSize& size, QPixmap& pixmap)
{
    const int areaWidth = qRound(area.width());
    const int areaHeight = qRound(area.height());
    if (areaWidth <= 0 || areaHeight <= 0) {
        pixmap = QPixmap();
        return;
    }
    readArea(renderer, elementId, elementRect, area, qreal(size.width()) / areaWidth,
             qreal(size.height()) / areaHeight, pixmap);
}

} // namespace Corvane::Gadgets::Utilities
