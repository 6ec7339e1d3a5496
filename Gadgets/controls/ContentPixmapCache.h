#pragma once

#include "models/TextPaintData.h"

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;
class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

class IconRenderer;

// Pixmaps of button contents (icon and overlays, as
// SvgContentButton::paintContent draws them in the normal state) painted at
// the device resolution they are drawn at. Contents that move every frame,
// like the carousel's travelling icons, are then drawn as pixmap copies
// instead of being rendered from their SVG each time. A pixmap is painted
// again only when something it shows changes: renderer, element or device
// size. Contents with a text are painted directly, since a text beside the
// icon can reach beyond the target. The owner clears the cache when the
// theme changes, since a theme switch replaces the renderers.
class ContentPixmapCache
{
public:
    static const int MAX_ENTRIES;

    void draw(QPainter* painter, const IconRenderer& icon, const QString& elementId,
              const Models::TextPaintData& text, const QRectF& target);
    void clear();
    int size() const { return int(m_entries.size()); }

private:
    struct Key
    {
        const QSvgRenderer* main = nullptr;
        QList<const QSvgRenderer*> overlays;
        QString elementId;
        QSize size;

        bool operator==(const Key& other) const = default;
    };

    struct Entry
    {
        Key key;
        QPixmap pixmap;
    };

    static Key keyOf(const IconRenderer& icon, const QString& elementId, const QSize& size);
    static void paintContent(QPainter* painter, const IconRenderer& icon, const QString& elementId,
                             const Models::TextPaintData& text, const QRectF& target);
    static QPixmap paint(const IconRenderer& icon, const QString& elementId, const QSizeF& targetSize,
                         qreal deviceScale, const QSize& size);

    QList<Entry> m_entries;
};

} // namespace Corvane::Gadgets::Utilities
