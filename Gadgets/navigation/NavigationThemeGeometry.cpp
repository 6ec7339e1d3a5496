#include "navigation/NavigationThemeGeometry.h"

#include "controls/PictureSize.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElementFinder.h"
#include "navigation/NavigationControl.h"
#include "theme/RendererContainer.h"
#include "utilities/MathToolsGui.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

namespace {

const int MAX_SEGMENTS = 100;

} // namespace

NavigationThemeGeometry::NavigationThemeGeometry(NavigationControl& carousel)
    : m_carousel(carousel)
{
}

void NavigationThemeGeometry::deleteSegments()
{
    NavigationControl& c = m_carousel;
    for (SvgContentButton* segment : std::as_const(c.m_segments)) {
        segment->hide();
        c.removeFromChildren(segment);
        delete segment;
    }
    for (SvgButton* indicator : std::as_const(c.m_expandIndicators)) {
        indicator->hide();
        c.removeFromChildren(indicator);
        delete indicator;
    }
    c.m_segments.clear();
    c.m_expandIndicators.clear();
}

// Every number up to MAX_SEGMENTS is probed: a theme may skip one.
void NavigationThemeGeometry::createSegments()
{
    NavigationControl& c = m_carousel;
    deleteSegments();
    for (int k = 1; k <= MAX_SEGMENTS; ++k) {
        const QString id = NavigationControl::SEGMENT_ID.arg(k);
        if (!c.hasElement(id + SvgButton::MASK_SUFFIX))
            continue;
        SvgContentButton* segment = c.initContentButton(id);
        segment->setControlId(NavigationControl::SEGMENT_CONFIG_KEY);
        segment->setAllowGlow(false);
        segment->setCustomScale(c.customScale());
        segment->setElementsSuffix(c.elementsSuffix());
        segment->parentOffsetChanged();
        c.m_segments.append(segment);
        SvgButton* indicator = c.initButton(NavigationControl::EXPAND_INDICATOR_ID.arg(k));
        indicator->setCustomScale(c.customScale());
        indicator->setElementsSuffix(c.elementsSuffix());
        indicator->parentOffsetChanged();
        indicator->hide();
        c.m_expandIndicators.append(indicator);
    }
    for (int i = 0; i < c.segmentCount(); ++i)
        c.m_segments.at(i)->setContentBounds(
            c.boundsOnElement(NavigationControl::SEGMENT_ICON_PLACEHOLDER_ID.arg(i + 1)));
}

void NavigationThemeGeometry::read()
{
    NavigationControl& c = m_carousel;
    if (c.rendererContainer() && c.rendererContainer()->renderer())
        m_animationPath = Utilities::SvgElementFinder().findPath(c.rendererContainer()->renderer(),
                                                                 NavigationControl::ANIMATION_PATH_ID);
    c.m_centerButton->setContentBounds(c.boundsOnElement(NavigationControl::CENTER_PLACEHOLDER_ID));
    c.m_commandControl1Bounds = c.boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_ID);
    c.m_commandControl2Bounds = c.boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_2_ID);
    readHotspot();
}

void NavigationThemeGeometry::readHotspot()
{
    NavigationControl& c = m_carousel;
    const QRectF bounds = c.boundsOnElement(NavigationControl::HOTSPOT_ID);
    if (bounds.width() > 0 && bounds.height() > 0) {
        c.m_hotspot = bounds.center();
        return;
    }
    QSvgRenderer* svg = c.svgRenderer();
    const QSize size = svg ? svg->defaultSize() : QSize();
    c.m_hotspot = QPointF(size.width() / 2, size.height() / 2);
}

void NavigationThemeGeometry::updateTrackCache()
{
    NavigationControl& c = m_carousel;
    if (c.m_animation.isCacheValid())
        return;
    QSvgRenderer* svg = c.svgRenderer();
    const QPainterPath path = svg ? svg->transformForElement(NavigationControl::ANIMATION_PATH_ID).map(m_animationPath)
                                  : QPainterPath();
    QList<double> percentages;
    for (int s = 0; s < c.segmentCount(); ++s)
        percentages.append(
            Corvane::Utilities::MathToolsGui::guessPercentAtPathPoint(path, c.segmentContentCenter(s)));

    QRegion region;
    const QRectF area = c.boundsOnElement(NavigationControl::ICON_AREA_MASK_ID);
    const QSize size(qRound(area.width()), qRound(area.height()));
    if (svg && !size.isEmpty()) {
        const QPixmap pixmap = Utilities::PictureSize::render(
            size, Utilities::PictureSize::sourceOf(svg), Qt::white, [&](QPainter& painter) {
                svg->render(&painter, NavigationControl::ICON_AREA_MASK_ID, QRectF(QPointF(0, 0), size));
            });
        region = Utilities::PictureSize::regionFor(QRegion(pixmap.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                   pixmap.size(), size);
        region.translate(int(area.x()), int(area.y()));
    }
    c.m_animation.setCache(path, percentages, region);
}

} // namespace Corvane::Gadgets
