#include "navigation/NavigationIconPainter.h"

#include "controls/PictureSize.h"
#include "controls/SvgContentButton.h"
#include "models/NavigationIcon.h"
#include "models/TextPaintData.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"

#include <QPainter>
#include <QPixmap>

namespace Corvane::Gadgets {

using Models::NavigationIcon;
using Models::TextPaintData;

namespace {

const double DRAG_PIXMAP_FACTOR = 1.2;
const double DRAG_ICON_OPACITY = 0.33;

// The segment's content text in its theme style.
TextPaintData contentTextOf(const SvgContentButton* segment)
{
    return TextPaintData(segment->text(), segment->fontName(), segment->fontSize(),
                         Utilities::LegacyFontWeight::toQt(segment->fontWeight()), segment->fontColor(),
                         segment->secondFontColor(), Qt::AlignCenter, 1.0);
}

} // namespace

NavigationIconPainter::NavigationIconPainter(const NavigationControl& carousel)
    : m_carousel(carousel)
{
}

void NavigationIconPainter::clear()
{
    m_pixmaps.clear();
}

QPixmap NavigationIconPainter::dragPixmap(const SvgContentButton* segment) const
{
    QSize size = segment->contentBounds().size().toSize();
    if (!segment->textPixmap().isNull())
        size = segment->textPixmap().size();
    const double scale = m_carousel.customScale();
    const QSize scaled(qRound(qRound(size.width() * scale) * DRAG_PIXMAP_FACTOR),
                       qRound(qRound(size.height() * scale) * DRAG_PIXMAP_FACTOR));
    const QSvgRenderer* icon = segment->iconRenderer().main() ? segment->iconRenderer().main()->renderer() : nullptr;
    const QSize pictureSize = scaled.expandedTo(QSize(1, 1));
    return Utilities::PictureSize::render(
        pictureSize, Utilities::PictureSize::sourceOf(icon), Qt::transparent, [&](QPainter& painter) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            const double margin = (DRAG_PIXMAP_FACTOR - 1.0) / 2.0;
            const QRectF rect(qRound(margin * size.width()), qRound(margin * size.height()), size.width(),
                              size.height());
            SvgContentButton::paintContent(&painter, segment->iconRenderer(), segment->iconElement(), rect, scale,
                                           contentTextOf(segment), SvgButton::Normal, DRAG_ICON_OPACITY, true,
                                           Qt::Horizontal, QString());
        });
}

void NavigationIconPainter::paintIcon(QPainter* painter, const NavigationIcon& icon, const QPointF& center,
                                      const TextPaintData& style)
{
    const QSizeF size = m_carousel.m_segments.first()->contentBounds().size();
    const QRectF rect(center.x() - size.width() / 2, center.y() - size.height() / 2, size.width(), size.height());
    TextPaintData text = style;
    text.setText(icon.text());
    m_pixmaps.draw(painter, icon.renderer(), NavigationIcon::getElementIdForState(icon.state()), text, rect);
}

QPointF NavigationIconPainter::pathPoint(double percent) const
{
    return m_carousel.m_animation.cachedPath().pointAtPercent(qBound(0.0, percent, 1.0));
}

// Icon ci + j travels from the centre of segment j towards that of segment
// j - 1 as the fraction of the first index grows; the icons beyond both ends
// run to the path's ends, outside the visible area.
void NavigationIconPainter::paintRotation(QPainter* painter)
{
    const NavigationControlAnimation& animation = m_carousel.m_animation;
    const int segments = m_carousel.segmentCount();
    const QList<double>& p = animation.cachedPercentages();
    if (segments == 0 || m_carousel.m_icons.isEmpty() || p.size() != segments)
        return;
    painter->save();
    painter->setClipRegion(animation.clipRegion(), Qt::ReplaceClip);
    const TextPaintData style = contentTextOf(m_carousel.m_segments.first());
    const double c = m_carousel.m_firstIconCustomIndex;
    const int ci = int(c);
    const double q = c - ci;
    const int skipShift = animation.startValue() < animation.endValue() ? 1 : 0;
    for (int j = 0; j <= segments; ++j) {
        if (m_carousel.m_draggingIcon && j - skipShift == m_carousel.m_dragSegment)
            continue;
        const double lo = j >= 1 ? p.at(j - 1) : 0.0;
        const double hi = j < segments ? p.at(j) : 1.0;
        paintIcon(painter, m_carousel.m_icons.at(m_carousel.wrapIconIndex(ci + j)),
                  pathPoint((hi - lo) * (1.0 - q) + lo), style);
    }
    painter->restore();
}

// Percent along the path of a carousel slot: the segments' own, the path's
// start before segment 0 and its end after the last segment.
double NavigationIconPainter::slotPercent(int slot) const
{
    if (slot < 0)
        return 0.0;
    if (slot >= m_carousel.segmentCount())
        return 1.0;
    return m_carousel.m_animation.cachedPercentages().at(slot);
}

void NavigationIconPainter::paintDragSlides(QPainter* painter)
{
    const int segments = m_carousel.segmentCount();
    const int n = m_carousel.iconCount();
    const int first = m_carousel.m_firstIconIndex;
    const NavigationDragIconAnimation& slides = m_carousel.m_dragAnimation;
    if (segments == 0 || n == 0 || m_carousel.m_animation.cachedPercentages().size() != segments)
        return;
    painter->save();
    painter->setClipRegion(m_carousel.m_animation.clipRegion(), Qt::ReplaceClip);
    const TextPaintData style = contentTextOf(m_carousel.m_segments.first());
    const auto slotOf = [first, n](int index) {
        const int slot = NavigationIconCircle::wrap(index + n - first, n);
        return slot == n - 1 ? -1 : slot;
    };
    for (int k = 0; k < n; ++k) {
        if (!slides.hasDataForIcon(k)) {
            const int s = NavigationIconCircle::wrap(n - first + k, n);
            if (s < segments && s != m_carousel.m_dragSegment)
                paintSegmentContent(painter, m_carousel.m_segments.at(s), style);
            continue;
        }
        const NavigationDragIconAnimation::IconData slide = slides.iconData(k);
        const int sa = slotOf(slide.fromIndex);
        const int sb = slotOf(slide.toIndex);
        if (sa > segments || sb > segments)
            continue;
        const double from = slotPercent(sb);
        const double to = slotPercent(sa);
        paintIcon(painter, m_carousel.m_icons.at(m_carousel.wrapIconIndex(slide.toIndex)),
                  pathPoint((to - from) * slide.progress + from), style);
    }
    painter->restore();
}

void NavigationIconPainter::paintSegmentContent(QPainter* painter, const SvgContentButton* segment,
                                                const TextPaintData& style)
{
    TextPaintData text = style;
    text.setText(segment->text());
    m_pixmaps.draw(painter, segment->iconRenderer(), segment->iconElement(), text,
                   m_carousel.mapRectFromItem(segment, segment->contentBounds()));
}

} // namespace Corvane::Gadgets
