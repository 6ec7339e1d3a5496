#include "navigation/NavigationIconDragger.h"

#include "controls/SvgContentButton.h"
#include "models/NavigationIcon.h"
#include "navigation/CursorWidget.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"
#include "navigation/NavigationLabels.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QLineF>
#include <QPixmap>

#include <algorithm>

namespace Corvane::Gadgets {

using Models::NavigationIcon;

namespace {

const int LIFTED_TURN_DURATION_MS = 300;
// A label is fully visible where an icon rests and gone beyond this
// distance from it.
const double LABEL_FADE_DISTANCE = 0.45;
const double NEAREST_START_DISTANCE = 1000000.0;

// A view that draws nothing partly transparent says so through its
// "drawsOpaqueOnly" property: the desktop behind it does not blend.
Utilities::CursorWidget::Desktop desktopOf(const QGraphicsItem& item)
{
    const QGraphicsScene* scene = item.scene();
    const bool opaqueOnly = scene && !scene->views().isEmpty()
        && scene->views().constFirst()->property("drawsOpaqueOnly").toBool();
    return opaqueOnly ? Utilities::CursorWidget::Desktop::ShowsOpaqueOnly : Utilities::CursorWidget::Desktop::Blends;
}

bool isForbiddenOverride()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::ForbiddenCursor;
}

} // namespace

NavigationIconDragger::NavigationIconDragger(NavigationControl& carousel)
    : m_carousel(carousel)
{
}

void NavigationIconDragger::lift(int segment)
{
    NavigationControl& c = m_carousel;
    SvgContentButton* button = c.m_segments.at(segment);
    button->setShowIcon(false);
    button->setState(SvgButton::Normal);
    const QPixmap pixmap = c.m_iconPainter.dragPixmap(button);
    c.m_dragSegment = segment;
    c.m_draggingIcon = true;
    m_iconIndex = c.wrapIconIndex(c.m_firstIconIndex + segment);
    m_iconId = c.m_icons.at(m_iconIndex).id();
    c.m_labels->setTextOpacityAt(segment, 0.0);
    // Without an answer no shortcut may be made.
    m_shortcutAllowed = false;
    emit c.requestAllowedShortcut(c.m_icons.at(m_iconIndex), m_shortcutAllowed);
    c.clearCommandControls();
    deleteCursor();
    c.m_dragCursor = new Utilities::CursorWidget(pixmap, nullptr, desktopOf(c));
    Corvane::Utilities::WidgetUtilities::removeTaskbarIconOnLinux(c.m_dragCursor);
    c.m_dragCursor->show();
}

void NavigationIconDragger::follow(QPoint scenePos)
{
    m_carousel.updateAnimationCache();
    const QPointF pos = m_carousel.mapFromScene(scenePos).toPoint();
    if (!m_carousel.m_animation.clipRegion().contains(pos.toPoint())) {
        if (!m_shortcutAllowed)
            setForbiddenCursor(true);
        return;
    }
    const int segment = nearestSegment(pos);
    if (segment >= 0)
        moveTo(segment);
    setForbiddenCursor(false);
}

int NavigationIconDragger::nearestSegment(const QPointF& itemPos) const
{
    int nearest = -1;
    double best = NEAREST_START_DISTANCE;
    for (int s = 0; s < m_carousel.segmentCount(); ++s) {
        const double distance = QLineF(m_carousel.segmentContentCenter(s), itemPos).length();
        if (distance < best) {
            best = distance;
            nearest = s;
        }
    }
    return nearest;
}

void NavigationIconDragger::setForbiddenCursor(bool forbidden)
{
    if (forbidden && !isForbiddenOverride())
        QApplication::setOverrideCursor(QCursor(Qt::ForbiddenCursor));
    else if (!forbidden && isForbiddenOverride())
        QApplication::restoreOverrideCursor();
}

// Segments without an icon and the empty gap icon cannot take the lifted
// icon.
void NavigationIconDragger::moveTo(int segment)
{
    NavigationControl& c = m_carousel;
    if (segment == c.m_dragSegment || c.getIconIndexBySegment(segment) < 0)
        return;
    c.m_turning.hideIcons();
    c.m_animating = true;
    c.m_animationMode = 2;
    const int target = c.wrapIconIndex(segment + c.m_firstIconIndex);
    const int current = c.wrapIconIndex(c.m_dragSegment + c.m_firstIconIndex);
    if (c.m_icons.at(target).isEmpty())
        return;
    queueSlides(current, target);
    c.m_dragSegment = segment;
}

// Each pair exchanges two neighbours; played in order they carry the lifted
// icon step by step to its new place.
void NavigationIconDragger::queueSlides(int current, int target)
{
    NavigationDragIconAnimation& slides = m_carousel.m_dragAnimation;
    if (current >= target) {
        for (int k = target; k < current; ++k)
            slides.addDragIcon(k + 1, k);
    } else {
        for (int k = target - 1; k >= current; --k)
            slides.addDragIcon(k, k + 1);
    }
}

void NavigationIconDragger::applyFinishedSlides()
{
    NavigationControl& c = m_carousel;
    const QList<NavigationDragIconAnimation::IconData> finished = c.m_dragAnimation.getAndClearFinished();
    for (const NavigationDragIconAnimation::IconData& slide : finished) {
        swapIcons(slide.fromIndex, slide.toIndex);
        c.m_content.showOnSegments();
    }
    updateLabels();
    if (!c.m_draggingIcon && c.m_dragAnimation.iconsCount() == 0)
        finish();
    c.update();
}

// Labels cross-fade with the icons sliding past them.
void NavigationIconDragger::updateLabels()
{
    NavigationControl& c = m_carousel;
    NavigationLabels* labels = c.m_labels;
    for (int i = 0; i < c.segmentCount() && i < c.iconCount(); ++i) {
        const int k = c.wrapIconIndex(c.m_firstIconIndex + i);
        const NavigationDragIconAnimation::DistanceData near = c.m_dragAnimation.distanceTo(k);
        if (near.distance > LABEL_FADE_DISTANCE) {
            labels->setTextOpacityAt(i, 0.0);
        } else if (near.distance == 0.0 && i == c.m_dragSegment) {
            c.m_content.showInLabel(i, c.m_icons.at(k));
            labels->setTextOpacityAt(i, 0.0);
        } else if (near.distance == 0.0) {
            labels->setTextOpacityAt(i, 1.0);
        } else {
            c.m_content.showInLabel(i, c.m_icons.at(c.wrapIconIndex(near.index)));
            labels->setTextOpacityAt(i, 1.0 - near.distance / LABEL_FADE_DISTANCE);
        }
    }
}

// Over an arrow the lifted icon first goes to the edge segment, then the
// list turns under it while it stays there.
void NavigationIconDragger::turnOverArrow(bool previous)
{
    NavigationControl& c = m_carousel;
    const int edge = previous ? 0 : c.segmentCount() - 1;
    if (c.m_dragSegment != edge) {
        moveTo(edge);
        return;
    }
    const int step = previous ? -1 : 1;
    carry(c.m_firstIconIndex + edge, step);
    const int first = c.m_firstIconIndex;
    c.startIconsAnimation(first, first + step, LIFTED_TURN_DURATION_MS, QEasingCurve::OutSine);
}

// The lifted icon at index changes places with its neighbour on the circle.
// When that neighbour is the gap, the list is turned round so that the gap
// stays its last entry, and the first index follows so that the carousel
// shows the same icons.
void NavigationIconDragger::carry(int index, int step)
{
    NavigationControl& c = m_carousel;
    swapIcons(index, index + step);
    const int gap = c.wrapIconIndex(index);
    if (!c.m_icons.at(gap).isEmpty() || gap == c.iconCount() - 1)
        return;
    std::rotate(c.m_icons.begin(), c.m_icons.begin() + gap + 1, c.m_icons.end());
    c.m_firstIconIndex = c.wrapIconIndex(c.m_firstIconIndex + c.iconCount() - 1 - gap);
}

// A release event carries the press point as its position and the release
// point as its last position: the drop happens where the pointer was let go.
void NavigationIconDragger::drop(QGraphicsSceneMouseEvent* event)
{
    NavigationControl& c = m_carousel;
    deleteCursor();
    c.updateAnimationCache();
    const QPointF releasePos = event->lastScenePos();
    const bool overArrow = c.m_previousButton->hitTest(releasePos) || c.m_nextButton->hitTest(releasePos);
    if (!c.m_icons.isEmpty() && !c.clipRegionContains(releasePos) && !overArrow) {
        // The owner puts its own order back: slides still queued must not
        // reorder that list afterwards. Without them the lifted icon need not
        // have reached the drag segment yet, so it is found by its id.
        c.m_dragAnimation.clear();
        const int lifted = NavigationIconCircle::indexOfId(c.m_icons, m_iconId);
        const NavigationIcon dropped = c.m_icons.at(lifted >= 0 ? lifted : c.wrapIconIndex(m_iconIndex));
        emit c.requestShortcut(dropped);
        emit c.requestOriginalIcons();
    } else {
        c.m_pendingIconIndex = c.wrapIconIndex(c.m_dragSegment + c.m_firstIconIndex);
        emit c.iconsReordered();
    }
    c.m_draggingIcon = false;
    if (c.m_dragAnimation.iconsCount() == 0)
        finish();
}

void NavigationIconDragger::deleteCursor()
{
    Utilities::CursorWidget*& cursor = m_carousel.m_dragCursor;
    if (!cursor)
        return;
    cursor->hide();
    cursor->deleteLater();
    cursor = nullptr;
}

void NavigationIconDragger::finish()
{
    NavigationControl& c = m_carousel;
    c.m_turning.showIcons();
    c.m_selection.selectPendingIcon();
    c.m_labels->setTextOpacity(1.0);
    m_iconIndex = 0;
    c.m_dragSegment = 0;
    if (c.m_animationMode == 2) {
        c.m_animationMode = 0;
        c.m_animating = false;
    }
    emit c.iconsReordered();
    c.update();
}

void NavigationIconDragger::swapIcons(int a, int b)
{
    NavigationControl& c = m_carousel;
    if (c.m_icons.isEmpty())
        return;
    c.m_icons.swapItemsAt(c.wrapIconIndex(a), c.wrapIconIndex(b));
}

} // namespace Corvane::Gadgets
