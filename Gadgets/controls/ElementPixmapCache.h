#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;
class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// Pixmaps of SVG elements rendered at the device resolution they are drawn
// at. A pixmap is rendered again only when the renderer (theme), the element
// id (state, suffix) or the device size (scale) changes; everything else is
// a pixmap copy. A picture larger than PictureSize allows is not kept: only
// its visible part is rendered, each time it is drawn.
class ElementPixmapCache
{
public:
    // Draws elementId of renderer into target (item coordinates).
    void draw(QPainter* painter, QSvgRenderer* renderer, const QString& elementId, const QRectF& target);
    void clear();

    // The scale from item to device pixels of the painter's transformation.
    static qreal deviceScale(const QPainter* painter);
    // The device pixel ratio of what the painter paints on (1 without it).
    static qreal devicePixelRatio(const QPainter* painter);
    // Draws a pixmap rendered at device resolution into target. Under a
    // plain scale and translation it is copied 1:1 onto whole device pixels,
    // which is much cheaper than a filtered, scaled draw.
    static void drawDevicePixmap(QPainter* painter, const QRectF& target, const QPixmap& pixmap);

private:
    struct Entry
    {
        const QSvgRenderer* renderer;
        QString elementId;
        QSize size;
        QPixmap pixmap;
    };

    static void renderElement(QPainter& painter, QSvgRenderer* renderer, const QString& elementId,
                              const QRectF& target);
    const QPixmap& pixmapFor(QSvgRenderer* renderer, const QString& elementId, const QSize& size);

    static constexpr int MAX_ENTRIES = 8;
    QList<Entry> m_entries;
};

} // namespace Corvane::Gadgets::Utilities
