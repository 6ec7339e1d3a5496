#pragma once

#include "controls/ContentPixmapCache.h"

#include <QPointF>

class QPainter;
class QPixmap;

namespace Corvane::Gadgets {

class NavigationControl;
class SvgContentButton;

namespace Models {
class NavigationIcon;
class TextPaintData;
} // namespace Models

// Paints the carousel's travelling icons: along the theme's animation path
// while the carousel turns, and sliding between segments while an icon is
// dragged; also the picture of a lifted icon. The icons are painted once
// into pixmaps and copied every frame.
class NavigationIconPainter
{
public:
    explicit NavigationIconPainter(const NavigationControl& carousel);

    void paintRotation(QPainter* painter);
    void paintDragSlides(QPainter* painter);
    // The lifted icon at a third of its opacity, a fifth larger than the
    // segment content, so that the segments under it stay readable.
    QPixmap dragPixmap(const SvgContentButton* segment) const;
    // Drops the pixmaps: a theme change replaces the renderers they show.
    void clear();

private:
    void paintIcon(QPainter* painter, const Models::NavigationIcon& icon, const QPointF& center,
                   const Models::TextPaintData& style);
    void paintSegmentContent(QPainter* painter, const SvgContentButton* segment, const Models::TextPaintData& style);
    QPointF pathPoint(double percent) const;
    double slotPercent(int slot) const;

    const NavigationControl& m_carousel;
    Utilities::ContentPixmapCache m_pixmaps;
};

} // namespace Corvane::Gadgets
