#include "navigation/NavigationControl.h"

#include "commandcontrol/CommandControl.h"
#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "log/Logger.h"
#include "navigation/NavigationIconCircle.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QSvgRenderer>

#include <algorithm>
#include <utility>

namespace Corvane::Gadgets {

using Log::Logger;
using Models::NavigationIcon;

const QString NavigationControl::BACKGROUND_ID = QStringLiteral("background");
const QString NavigationControl::ANIMATION_PATH_ID = QStringLiteral("animation_path");
const QString NavigationControl::ICON_AREA_MASK_ID = QStringLiteral("content_area_mask");
const QString NavigationControl::PREV_BUTTON_ID = QStringLiteral("previous");
const QString NavigationControl::NEXT_BUTTON_ID = QStringLiteral("next");
const QString NavigationControl::CENTER_BUTTON_ID = QStringLiteral("move");
const QString NavigationControl::CENTER_PLACEHOLDER_ID = QStringLiteral("move_content_placeholder");
const QString NavigationControl::INFO_ID = QStringLiteral("info");
const QString NavigationControl::CLOSE_ID = QStringLiteral("close");
const QString NavigationControl::REFRESH_ID = QStringLiteral("refresh");
const QString NavigationControl::RESIZE_ID = QStringLiteral("resize");
const QString NavigationControl::HOME_ID = QStringLiteral("home");
const QString NavigationControl::HOME_SPLIT_ID = QStringLiteral("home_split");
const QString NavigationControl::BACK_SPLIT_ID = QStringLiteral("back_split");
const QString NavigationControl::MOVE_INDICATOR_ID = QStringLiteral("move_indicator");
const QString NavigationControl::HOTSPOT_ID = QStringLiteral("hotspot");
const QString NavigationControl::SEGMENT_ID = QStringLiteral("segment_%1");
const QString NavigationControl::SEGMENT_ICON_PLACEHOLDER_ID = QStringLiteral("segment_%1_content_placeholder");
const QString NavigationControl::EXPAND_INDICATOR_ID = QStringLiteral("expand_indicator_%1");
const QString NavigationControl::EDITOR_PLACEHOLDER_ID = QStringLiteral("command_control_placeholder");
const QString NavigationControl::EDITOR_PLACEHOLDER_2_ID = QStringLiteral("command_control_2_placeholder");
const QString NavigationControl::SEGMENT_CONFIG_KEY = QStringLiteral("segment");
const QString NavigationControl::CENTER_CONFIG_KEY = QStringLiteral("move");

namespace {

const int LABELS_SHOW_DURATION_MS = 300;
const int LABELS_HIDE_DURATION_MS = 700;
const qreal MOVING_OPACITY = 0.5;
const qreal MOVING_SEGMENT_OPACITY = 0.1;

} // namespace

NavigationControl::NavigationControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_animation(this)
    , m_floatingIcons(1.0)
    , m_dragAnimation(this)
    , m_fades(*this)
    , m_selection(*this)
    , m_dragger(*this)
    , m_iconPainter(*this)
    , m_rings(*this)
    , m_turning(*this)
    , m_content(*this)
    , m_iconUpdates(*this)
    , m_geometry(*this)
{
    if (renderer && renderer->renderer())
        setBounds(QRectF(QPointF(0, 0), renderer->renderer()->defaultSize()));
    connect(&m_dragAnimation, &NavigationDragIconAnimation::updateDragIconRequested, this,
            &NavigationControl::updateDragIcon);
    setAcceptHoverEvents(true);
    createElements();
    for (SvgButton* floating : {m_infoButton, m_closeButton, m_refreshButton, m_resizeButton})
        m_floatingIcons.addOpacityAlternatedItem(floating);
    setFloatingIconsOpacity(0.0);
    setSegmentIconsOpacity(1.0);
}

// The rings belong to the controllers that opened them.
NavigationControl::~NavigationControl()
{
    m_rings.detachAll();
    m_dragger.deleteCursor();
    NavigationIconDragger::setForbiddenCursor(false);
}

int NavigationControl::wrapIconIndex(int index) const
{
    return NavigationIconCircle::wrap(index, iconCount());
}

bool NavigationControl::showsGap(int segment) const
{
    const int index = getIconIndexBySegment(segment);
    return index >= 0 && m_icons.at(index).isEmpty();
}

// Segments beyond the end of a short list and the segment of the gap have no
// icon to show: they take no click and no selection.
SvgButton::ButtonState NavigationControl::restingSegmentState(int segment) const
{
    return getIconIndexBySegment(segment) < 0 || showsGap(segment) ? SvgButton::Disabled : SvgButton::Normal;
}

// ---------------------------------------------------------------- elements

void NavigationControl::createElements()
{
    m_background = initElement(BACKGROUND_ID);
    m_previousButton = createButton(PREV_BUTTON_ID);
    m_nextButton = createButton(NEXT_BUTTON_ID);
    m_centerButton = initContentButton(CENTER_BUTTON_ID);
    m_centerButton->setControlId(CENTER_CONFIG_KEY);
    m_centerButton->setAllowGlow(false);
    m_homeButton = createButton(HOME_ID);
    m_homeSplitButton = createButton(HOME_SPLIT_ID);
    m_backSplitButton = createButton(BACK_SPLIT_ID);
    m_infoButton = createButton(INFO_ID);
    m_closeButton = createButton(CLOSE_ID);
    m_refreshButton = createButton(REFRESH_ID);
    m_resizeButton = createButton(RESIZE_ID);
    m_labels = new NavigationLabels(rendererContainer(), this);
    addToChildrensList(m_labels);
    m_geometry.createSegments();
    m_moveIndicator = initElement(MOVE_INDICATOR_ID);
    setMoveVisual();
    m_geometry.read();
    setShowBackButton(false);
}

SvgButton* NavigationControl::createButton(const QString& elementId)
{
    SvgButton* button = initButton(elementId);
    button->setControlId(elementId);
    return button;
}

// Rebuilt segments take the look of those they replace: the selection's
// pressed look, and no icons of their own while icons travel or one is
// lifted (the carousel paints those itself).
void NavigationControl::restoreSegmentsLook()
{
    m_selection.rest();
    if (m_selectedSegment >= 0 && m_selectedSegment < segmentCount())
        m_segments.at(m_selectedSegment)->setState(SvgButton::Pressed);
    if (m_animating && m_animationMode != 0)
        m_turning.hideIcons();
    if (m_draggingIcon && m_dragSegment < segmentCount())
        m_segments.at(m_dragSegment)->setShowIcon(false);
}

void NavigationControl::setMoveVisual()
{
    if (m_inFullScreenMode)
        return;
    const qreal opacity = m_moving ? MOVING_OPACITY : 1.0;
    const qreal segmentOpacity = m_moving ? MOVING_SEGMENT_OPACITY : 1.0;
    for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{m_background, m_homeButton, m_centerButton,
                                                                     m_commandControl1, m_commandControl2}) {
        if (item)
            item->setOpacity(opacity);
    }
    applyLabelsOpacity();
    // After a move the floating buttons return to their hover fade, so a move
    // that ends away from the gadget does not leave them showing.
    for (QGraphicsItem* floating : m_floatingIcons.items()) {
        if (floating->isVisible() && floating->opacity() > 0.0)
            floating->setOpacity(m_moving ? opacity : floatingIconsOpacity());
    }
    for (QGraphicsItem* item : std::initializer_list<QGraphicsItem*>{m_previousButton, m_nextButton})
        item->setOpacity(segmentOpacity);
    for (SvgContentButton* segment : std::as_const(m_segments))
        segment->setOpacity(segmentOpacity);
    for (SvgButton* indicator : std::as_const(m_expandIndicators))
        indicator->setOpacity(segmentOpacity);
    m_moveIndicator->setVisible(m_moving);
}

// ---------------------------------------------------------------- icon list

void NavigationControl::setIcons(const QList<NavigationIcon>& icons, bool immediately)
{
    // Until the new list is shown, the old one rests on the segments.
    m_selection.rest();
    QList<NavigationIcon> list = icons;
    const bool fitsSegments = list.size() <= segmentCount();
    if (!fitsSegments)
        list.append(NavigationIcon());
    m_previousButton->setState(fitsSegments ? SvgButton::Disabled : SvgButton::Normal);
    m_nextButton->setState(fitsSegments ? SvgButton::Disabled : SvgButton::Normal);
    // A pending index belongs to the list it was taken from.
    m_pendingIconIndex = -1;

    if (m_icons.isEmpty()) {
        m_icons = list;
        setFirstIconIndex(0);
    } else if (!immediately) {
        m_fades.exchangeIcons(list);
        m_selectedSegment = -1;
        return;
    } else {
        // A rotation of the old list must not carry on over the new one.
        if (m_animationMode == 1)
            stopIconsAnimation();
        m_fades.cancelFadeOut();
        m_icons = list;
        // A list that fits the segments shows from its first icon; keeping an
        // old first index would show it rotated.
        setFirstIconIndex(fitsSegments ? 0 : m_firstIconIndex);
    }
    m_content.showInLabels(m_firstIconIndex, true);
    m_selectedSegment = -1;
}

// A device's new state must reach the icon whether it is shown or waits in
// the list that is fading in.
void NavigationControl::updateIcon(const NavigationIcon& icon)
{
    m_fades.updateWaitingIcon(icon);
    const int index = NavigationIconCircle::indexOfId(m_icons, icon.id());
    if (index < 0)
        return;
    const NavigationIcon previous = std::exchange(m_icons[index], icon);
    m_iconUpdates.iconChanged(index, previous);
}

QList<SvgContentButton*> NavigationControl::segments() const
{
    m_iconUpdates.showWaiting();
    return m_segments;
}

QList<SvgButton*> NavigationControl::expandIndicators() const
{
    m_iconUpdates.showWaiting();
    return m_expandIndicators;
}

NavigationLabels* NavigationControl::labels() const
{
    m_iconUpdates.showWaiting();
    return m_labels;
}

void NavigationControl::setFirstIconIndex(int index)
{
    for (SvgContentButton* segment : std::as_const(m_segments)) {
        segment->clearIcon();
        segment->setText(QString());
    }
    if (m_icons.isEmpty()) {
        m_content.showOnSegments();
        update();
        return;
    }
    m_firstIconIndex = wrapIconIndex(index);
    m_content.showInLabels(m_firstIconIndex, false);
    m_content.showOnSegments();
    update();
}

void NavigationControl::setSegmentIconsOpacity(qreal opacity)
{
    m_segmentIconsOpacity = opacity;
    for (int i = 0; i < segmentCount(); ++i) {
        m_segments.at(i)->setOpacity(opacity);
        m_labels->setTextOpacityAt(i, opacity);
    }
    m_fades.segmentIconsFaded(opacity);
}

void NavigationControl::showLabels()
{
    m_fades.fadeLabels(1.0, LABELS_SHOW_DURATION_MS);
}

void NavigationControl::hideLabels()
{
    m_fades.fadeLabels(0.0, LABELS_HIDE_DURATION_MS);
}

void NavigationControl::setLabelsOpacity(qreal opacity)
{
    m_labelsOpacity = opacity;
    applyLabelsOpacity();
}

// The labels keep their fade (shown, or hidden by the owner's timer) and are
// dimmed with the rest of the gadget while it moves.
void NavigationControl::applyLabelsOpacity()
{
    const bool dimmed = m_moving && !m_inFullScreenMode;
    m_labels->setOpacity(m_labelsOpacity * (dimmed ? MOVING_OPACITY : 1.0));
}

void NavigationControl::setAdditionalControlsOpacity(qreal opacity)
{
    m_additionalControlsOpacity = opacity;
    if (opacity < 0.0 || opacity > 1.0)
        return;
    m_labels->setOpacity(opacity);
    if (m_commandControl1)
        m_commandControl1->setOpacity(opacity);
}

void NavigationControl::setFloatingIconsOpacity(qreal opacity)
{
    m_floatingIcons.setItemsOpacity(opacity);
}

void NavigationControl::onHoverEntered(bool hasEntered)
{
    m_fades.fadeFloatingIcons(hasEntered);
}

// ---------------------------------------------------------------- selection

bool NavigationControl::setSelectedIcon(const NavigationIcon& icon, bool rotateIfHidden)
{
    return m_selection.select(icon, rotateIfHidden);
}

void NavigationControl::clearSelectedIcon()
{
    m_selection.clear();
}

int NavigationControl::selectedIconIndex() const
{
    if (m_selectedSegment < 0 || m_icons.isEmpty())
        return -1;
    return wrapIconIndex(m_firstIconIndex + m_selectedSegment);
}

int NavigationControl::getIconIndexBySegment(int segment) const
{
    if (segment < 0 || segment >= iconCount())
        return -1;
    return wrapIconIndex(m_firstIconIndex + segment);
}

int NavigationControl::getSegmentIndexByIcon(int iconIndex) const
{
    if (iconIndex < 0 || iconIndex >= iconCount())
        return -1;
    const int id = m_icons.at(iconIndex).id();
    for (int s = 0; s < segmentCount(); ++s) {
        if (m_icons.at(wrapIconIndex(m_firstIconIndex + s)).id() == id)
            return s;
    }
    return -1;
}

QPointF NavigationControl::getSegmentCenter(int segment) const
{
    if (segment < 0 || segment >= segmentCount())
        return QPointF(0, 0);
    return segmentContentCenter(segment);
}

// Content bounds are kept in the segment's item coordinates.
QPointF NavigationControl::segmentContentCenter(int segment) const
{
    const SvgContentButton* button = m_segments.at(segment);
    return button->mapToParent(button->contentBounds().center());
}

NavigationIcon NavigationControl::iconAtPosition(const QPoint& scenePos)
{
    for (int s = 0; s < segmentCount() && s < iconCount(); ++s) {
        if (m_segments.at(s)->hitTest(scenePos))
            return m_icons.at(wrapIconIndex(m_firstIconIndex + s));
    }
    return NavigationIcon();
}

// ---------------------------------------------------------------- rotation

void NavigationControl::goAndRotateNext()
{
    m_selection.selectNext();
}

void NavigationControl::goAndRotatePrevious()
{
    m_selection.selectPrevious();
}

void NavigationControl::mouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    SvgControlObject::mouseWheelEvent(event);
    if (event->isAccepted())
        return;
    if (event->delta() < 0)
        goAndRotatePrevious();
    else
        goAndRotateNext();
}

void NavigationControl::setFirstIconCustomIndex(qreal index)
{
    m_turning.showFrame(index);
}

void NavigationControl::startIconsAnimation(double from, double to, int duration, QEasingCurve::Type type)
{
    m_turning.start(from, to, duration, type);
}

void NavigationControl::stopIconsAnimation()
{
    m_turning.stop();
}

void NavigationControl::updateAnimationCache()
{
    m_geometry.updateTrackCache();
}

// ---------------------------------------------------------------- clicks

void NavigationControl::onElementClick(SvgElement* element)
{
    const auto found = std::find(m_segments.cbegin(), m_segments.cend(), element);
    const int segment = found == m_segments.cend() ? -1 : int(found - m_segments.cbegin());
    if (element == m_previousButton) {
        Logger(Logger::Trace) << "Navigation Control, previous button clicked.";
        m_selection.preserveAcrossTurn(true);
        clearSelectedIcon();
        m_turning.rotatePrevious();
    } else if (element == m_nextButton) {
        Logger(Logger::Trace) << "Navigation Control, next button clicked.";
        m_selection.preserveAcrossTurn(false);
        clearSelectedIcon();
        m_turning.rotateNext();
    } else if (element == m_infoButton) {
        Logger(Logger::Trace) << "Navigation Control, information button clicked.";
        emit infoButtonClicked();
    } else if (element == m_homeButton || element == m_homeSplitButton) {
        Logger(Logger::Trace) << "Navigation Control, home button clicked.";
        emit homeButtonClicked();
    } else if (element == m_backSplitButton) {
        Logger(Logger::Trace) << "Navigation Control, back button clicked.";
        emit backButtonClicked();
    } else if (segment >= 0 && !m_icons.isEmpty() && !showsGap(segment)) {
        emit navigationIconClicked(m_icons.at(wrapIconIndex(m_firstIconIndex + segment)), segment, false);
    }
    SvgControlObject::onElementClick(element);
}

void NavigationControl::notifyNavigationIconClicked(const NavigationIcon& icon, int segment, bool generated)
{
    emit navigationIconClicked(icon, segment, generated);
}

void NavigationControl::notifyHomeButtonClicked()
{
    emit homeButtonClicked();
}

void NavigationControl::notifyBackButtonClicked()
{
    emit backButtonClicked();
}

void NavigationControl::setCentralContent(Utilities::RendererContainer* renderer, const QString& text)
{
    m_centerButton->setIconRenderer(Utilities::IconRenderer(renderer, {}));
    m_centerButton->setIconElement(NavigationIcon::INACTIVE_ELEMENT_ID);
    m_centerButton->setText(text);
}

void NavigationControl::clearCentralContent()
{
    m_centerButton->clearIcon();
    m_centerButton->setText(QString());
}

void NavigationControl::setShowBackButton(bool show)
{
    m_showBackButton = show;
    m_homeSplitButton->setVisible(show);
    m_backSplitButton->setVisible(show);
    m_homeButton->setVisible(!show);
}

void NavigationControl::setIsInFullScreenMode(bool fullScreen)
{
    m_inFullScreenMode = fullScreen;
    for (SvgButton* floating : {m_infoButton, m_closeButton, m_refreshButton, m_resizeButton})
        floating->setVisible(!fullScreen);
}

// ---------------------------------------------------------------- geometry

void NavigationControl::setCustomScale(qreal scale)
{
    // Open rings are listed children: the base passes the scale on to them.
    m_animation.clearCache();
    SvgControlObject::setCustomScale(scale);
}

void NavigationControl::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    m_animation.clearCache();
}

void NavigationControl::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    m_animation.clearCache();
}

void NavigationControl::updateCachedData()
{
    SvgControlObject::updateCachedData();
    m_animation.clearCache();
    m_iconPainter.clear();
    m_geometry.createSegments();
    m_content.showOnSegments();
    restoreSegmentsLook();
    m_geometry.read();
    m_rings.refit();
}

// ---------------------------------------------------------------- gestures

bool NavigationControl::clipRegionContains(const QPointF& scenePos) const
{
    return m_animation.clipRegion().contains(mapFromScene(scenePos).toPoint());
}

void NavigationControl::mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mousePressAndHoldEvent(event);
    if (event->isAccepted())
        return;
    const QPointF pos = event->scenePos();
    const int n = iconCount();
    for (int s = 0; n > 0 && s < segmentCount() && s < n + m_firstIconIndex; ++s) {
        if (m_segments.at(s)->hitTest(pos)) {
            // The gap between the end and the start of the list cannot move.
            if (!m_icons.at(wrapIconIndex(m_firstIconIndex + s)).isEmpty())
                m_dragger.lift(s);
            return;
        }
    }
    if (m_centerButton->hitTest(pos)) {
        m_moving = true;
        setMoveVisual();
    }
}

void NavigationControl::mousePressAndMoveEvent(const QPointF& startPos, QGraphicsSceneMouseEvent* event,
                                               void* pressConsumer)
{
    SvgControlObject::mousePressAndMoveEvent(startPos, event, pressConsumer);
    if (event->isAccepted())
        return;
    if (m_draggingIcon) {
        handleDragIcon(event->scenePos().toPoint());
    } else if (isConsumer(pressConsumer, m_centerButton)) {
        if (!m_moving) {
            m_moving = true;
            setMoveVisual();
        }
        emit elementDrag(m_centerButton, event);
    } else if (isConsumer(pressConsumer, m_resizeButton)) {
        emit elementDrag(m_resizeButton, event);
    } else {
        handlePressAndMove(startPos.toPoint(), event->scenePos().toPoint());
    }
}

void NavigationControl::handlePressAndMove(QPoint startPos, QPoint currentPos)
{
    m_turning.followFinger(startPos, currentPos);
}

void NavigationControl::mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent* event)
{
    m_turning.snap();
    NavigationIconDragger::setForbiddenCursor(false);
    SvgControlObject::mouseEndPressAndMoveEvent(event);
}

void NavigationControl::swipeEvent(qreal angle, qreal speed, QPoint startPos, QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::swipeEvent(angle, speed, startPos, event);
    m_turning.swipe(angle, speed, startPos, event);
}

// ---------------------------------------------------------------- dragging icons

void NavigationControl::handleDragIcon(QPoint currentPos)
{
    m_dragger.follow(currentPos);
}

void NavigationControl::updateDragIcon()
{
    m_dragger.applyFinishedSlides();
}

void NavigationControl::mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_draggingIcon && iconCount() > segmentCount() && !m_segments.isEmpty()) {
        if (m_previousButton->hitTest(event->scenePos()))
            m_dragger.turnOverArrow(true);
        else if (m_nextButton->hitTest(event->scenePos()))
            m_dragger.turnOverArrow(false);
    }
    SvgControlObject::mousePressMoveAndHoverEvent(event);
}

void NavigationControl::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (m_animating)
        m_selection.rest();
    if (m_draggingIcon)
        m_dragger.drop(event);
    m_dragger.deleteCursor();
    if (m_moving) {
        m_moving = false;
        setMoveVisual();
    }
    NavigationIconDragger::setForbiddenCursor(false);
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

// ---------------------------------------------------------------- painting

void NavigationControl::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (m_animationMode == 2)
        m_iconPainter.paintDragSlides(painter);
    else if (m_animationMode == 1)
        m_iconPainter.paintRotation(painter);
}

// ---------------------------------------------------------------- command rings

void NavigationControl::setCommandControl1(CommandControl* ring, int segment)
{
    m_rings.openFirst(ring, segment);
}

void NavigationControl::setCommandControl2(CommandControl* ring)
{
    if (!m_commandControl1) {
        Logger(Logger::Error) << Q_FUNC_INFO << " Cannot show second level command control without the first.";
        return;
    }
    m_rings.openSecond(ring);
}

void NavigationControl::closeCommandControl1()
{
    m_rings.closeFirst();
}

void NavigationControl::closeCommandControl2()
{
    m_rings.closeSecond();
}

void NavigationControl::clearCommandControls()
{
    closeCommandControl1();
}

int NavigationControl::commandControl1Segment() const
{
    return m_rings.segment();
}

void NavigationControl::setCommandControl1ShowProgress(qreal progress)
{
    m_rings.showFirst(progress);
}

void NavigationControl::setCommandControl2ShowProgress(qreal progress)
{
    m_rings.showSecond(progress);
}

} // namespace Corvane::Gadgets
