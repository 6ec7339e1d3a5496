#include "controls/ElementPixmapCache.h"

#include "controls/PictureSize.h"

#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets::Utilities {

qreal ElementPixmapCache::deviceScale(const QPainter* painter)
{
    const QTransform transform = painter->deviceTransform();
    const qreal sx = std::hypot(transform.m11(), transform.m12());
    const qreal sy = std::hypot(transform.m21(), transform.m22());
    return std::max(sx, sy);
}

void ElementPixmapCache::draw(QPainter* painter, QSvgRenderer* renderer, const QString& elementId,
                              const QRectF& target)
{
    if (!renderer || target.width() <= 0 || target.height() <= 0)
        return;
    const qreal scale = deviceScale(painter);
    const QSize size(std::max(1, qRound(target.width() * scale)), std::max(1, qRound(target.height() * scale)));
    if (!PictureSize::fits(size)) {
        PictureSize::drawVisiblePart(painter, target, PictureSize::sourceOf(renderer),
                                     [&](QPainter& part) { renderElement(part, renderer, elementId, target); });
        return;
    }
    drawDevicePixmap(painter, target, pixmapFor(renderer, elementId, size));
}

void ElementPixmapCache::renderElement(QPainter& painter, QSvgRenderer* renderer, const QString& elementId,
                                       const QRectF& target)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (elementId.isEmpty())
        renderer->render(&painter, target);
    else
        renderer->render(&painter, elementId, target);
}

qreal ElementPixmapCache::devicePixelRatio(const QPainter* painter)
{
    const QPaintDevice* device = PictureSize::paintedDevice(painter);
    return device ? device->devicePixelRatio() : 1.0;
}

// The combined transformation ends on device pixels: it holds the device
// pixel ratio, which the painter goes on applying after resetTransform, so
// device positions and sizes are divided by it for drawing.
void ElementPixmapCache::drawDevicePixmap(QPainter* painter, const QRectF& target, const QPixmap& pixmap)
{
    const QTransform transform = painter->combinedTransform();
    painter->save();
    if (transform.type() <= QTransform::TxScale && transform.m11() > 0 && transform.m22() > 0) {
        const QPointF topLeft = transform.map(target.topLeft());
        const qreal ratio = devicePixelRatio(painter);
        painter->resetTransform();
        // A 1:1 copy needs no filtering; with the hints on, Qt's raster
        // engine takes a far slower path for it.
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
        const QPointF onPixel(qRound(topLeft.x()) / ratio, qRound(topLeft.y()) / ratio);
        painter->drawPixmap(QRectF(onPixel, QSizeF(pixmap.size()) / ratio), pixmap, QRectF(pixmap.rect()));
    } else {
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    }
    painter->restore();
}

void ElementPixmapCache::clear()
{
    m_entries.clear();
}

const QPixmap& ElementPixmapCache::pixmapFor(QSvgRenderer* renderer, const QString& elementId, const QSize& size)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries.at(i);
        if (entry.renderer == renderer && entry.size == size && entry.elementId == elementId)
            return entry.pixmap;
    }

    const QPixmap pixmap = PictureSize::render(size, PictureSize::sourceOf(renderer), Qt::transparent,
                                               [&](QPainter& painter) {
                                                   renderElement(painter, renderer, elementId,
                                                                 QRectF(QPointF(0, 0), size));
                                               });

    if (m_entries.size() >= MAX_ENTRIES)
        m_entries.removeFirst();
    m_entries.append(Entry{renderer, elementId, size, pixmap});
    return m_entries.last().pixmap;
}

} // namespace Corvane::Gadgets::Utilities
