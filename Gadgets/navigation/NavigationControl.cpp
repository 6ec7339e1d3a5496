#include "navigation/NavigationControl.h"

#include "commandcontrol/CommandControl.h"
#include "controls/IconRenderer.h"
#include "controls/PictureSize.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "controls/SvgElementFinder.h"
#include "log/Logger.h"
#include "models/TextPaintData.h"
#include "navigation/CursorWidget.h"
#include "navigation/NavigationLabels.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"
#include "utilities/MathToolsGui.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QLineF>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Corvane::Gadgets {

using Log::Logger;
using Models::NavigationIcon;
using Models::TextPaintData;

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

const int MAX_SEGMENTS = 100;
const int ROTATION_DURATION_MS = 500;
const int SNAP_DURATION_MS = 400;
const int SWIPE_DURATION_MS = 500;
const int LIFTED_TURN_DURATION_MS = 300;
const int SEGMENTS_FADE_DURATION_MS = 300;
const int LABELS_SHOW_DURATION_MS = 300;
const int LABELS_HIDE_DURATION_MS = 700;
const int RING_OPEN_DURATION_MS = 300;
const int RING_CLOSE_DURATION_MS = 200;
// A label is fully visible at a whole first index and gone beyond this
// distance from it.
const double LABEL_FADE_DISTANCE = 0.45;
const double SWIPE_SPEED_PER_ICON = 40.0;
const double DRAG_PIXMAP_FACTOR = 1.2;
const double DRAG_ICON_OPACITY = 0.33;
const double NEAREST_START_DISTANCE = 1000000.0;
const qreal MOVING_OPACITY = 0.5;
const qreal MOVING_SEGMENT_OPACITY = 0.1;

int wrap(int index, int count)
{
    return count > 0 ? ((index % count) + count) % count : 0;
}

int indexOfId(const QList<NavigationIcon>& icons, int id)
{
    for (int i = 0; i < icons.size(); ++i) {
        if (icons.at(i).id() == id)
            return i;
    }
    return -1;
}

// Moves a negative first index into the list keeping the distance to the
// other end (the quotient of the value by count truncates toward zero).
double raiseIntoList(double value, int count)
{
    return value - double(int(value) / count * count) + count;
}

// The segment's content text in its theme style.
TextPaintData contentTextOf(const SvgContentButton* segment)
{
    return TextPaintData(segment->text(), segment->fontName(), segment->fontSize(),
                         Utilities::LegacyFontWeight::toQt(segment->fontWeight()), segment->fontColor(),
                         segment->secondFontColor(), Qt::AlignCenter, 1.0);
}

bool isForbiddenOverride()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::ForbiddenCursor;
}

} // namespace

NavigationControl::NavigationControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_animation(this)
    , m_floatingIconsAnimation(this, QByteArrayLiteral("floatingIconsOpacity"), this)
    , m_floatingIcons(1.0)
    , m_segmentIconsAnimation(this, QByteArrayLiteral("segmentIconsOpacity"), this)
    , m_dragAnimation(this)
    , m_commandControl1Animation(this, QByteArrayLiteral("commandControl1ShowProgress"), this)
    , m_commandControl2Animation(this, QByteArrayLiteral("commandControl2ShowProgress"), this)
    , m_labelsAnimation(this, QByteArrayLiteral("labelsOpacity"), this)
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
    for (CommandControl* ring : {m_commandControl2, m_commandControl1}) {
        if (ring)
            detachRing(ring);
    }
    deleteDragCursor();
    setForbiddenCursor(false);
}

int NavigationControl::wrapIconIndex(int index) const
{
    return wrap(index, iconCount());
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
    createSegments();
    m_moveIndicator = initElement(MOVE_INDICATOR_ID);
    setMoveVisual();
    readThemeGeometry();
    setShowBackButton(false);
}

// The places the theme marks out, read when the control is built and again
// when the theme changes.
void NavigationControl::readThemeGeometry()
{
    if (rendererContainer() && rendererContainer()->renderer())
        m_animationPath = Utilities::SvgElementFinder().findPath(rendererContainer()->renderer(), ANIMATION_PATH_ID);
    m_centerButton->setContentBounds(boundsOnElement(CENTER_PLACEHOLDER_ID));
    m_commandControl1Bounds = boundsOnElement(EDITOR_PLACEHOLDER_ID);
    m_commandControl2Bounds = boundsOnElement(EDITOR_PLACEHOLDER_2_ID);
    updateHotspot();
}

SvgButton* NavigationControl::createButton(const QString& elementId)
{
    SvgButton* button = initButton(elementId);
    button->setControlId(elementId);
    return button;
}

void NavigationControl::deleteSegments()
{
    for (SvgContentButton* segment : std::as_const(m_segments)) {
        segment->hide();
        removeFromChildren(segment);
        delete segment;
    }
    for (SvgButton* indicator : std::as_const(m_expandIndicators)) {
        indicator->hide();
        removeFromChildren(indicator);
        delete indicator;
    }
    m_segments.clear();
    m_expandIndicators.clear();
}

// Rebuilt segments take the look of those they replace: the selection's
// pressed look, and no icons of their own while icons travel or one is
// lifted (the carousel paints those itself).
void NavigationControl::restoreSegmentsLook()
{
    setSegmentsResting();
    if (m_selectedSegment >= 0 && m_selectedSegment < segmentCount())
        m_segments.at(m_selectedSegment)->setState(SvgButton::Pressed);
    if (m_animating && m_animationMode != 0)
        hideIcons();
    if (m_draggingIcon && m_dragSegment < segmentCount())
        m_segments.at(m_dragSegment)->setShowIcon(false);
}

// Every number up to MAX_SEGMENTS is probed: a theme may skip one.
void NavigationControl::createSegments()
{
    deleteSegments();
    for (int k = 1; k <= MAX_SEGMENTS; ++k) {
        const QString id = SEGMENT_ID.arg(k);
        if (!hasElement(id + SvgButton::MASK_SUFFIX))
            continue;
        SvgContentButton* segment = initContentButton(id);
        segment->setControlId(SEGMENT_CONFIG_KEY);
        segment->setAllowGlow(false);
        segment->setCustomScale(customScale());
        segment->setElementsSuffix(elementsSuffix());
        segment->parentOffsetChanged();
        m_segments.append(segment);
        SvgButton* indicator = initButton(EXPAND_INDICATOR_ID.arg(k));
        indicator->setCustomScale(customScale());
        indicator->setElementsSuffix(elementsSuffix());
        indicator->parentOffsetChanged();
        indicator->hide();
        m_expandIndicators.append(indicator);
    }
    for (int i = 0; i < segmentCount(); ++i)
        m_segments.at(i)->setContentBounds(boundsOnElement(SEGMENT_ICON_PLACEHOLDER_ID.arg(i + 1)));
}

void NavigationControl::updateSegmentsContent()
{
    m_labels->hideAllSlidersTexts();
    const int n = iconCount();
    for (int i = 0; i < segmentCount(); ++i) {
        SvgContentButton* segment = m_segments.at(i);
        if (i >= n) {
            segment->setState(SvgButton::Disabled);
            m_expandIndicators.at(i)->hide();
            continue;
        }
        if (showsGap(i)) {
            segment->setState(SvgButton::Disabled);
            if (i == m_selectedSegment)
                m_selectedSegment = -1;
        } else if (segment->state() == SvgButton::Disabled) {
            segment->setState(SvgButton::Normal);
        }
        showSegmentIcon(i, m_icons.at(wrapIconIndex(m_firstIconIndex + i)));
    }
}

void NavigationControl::showSegmentIcon(int segment, const NavigationIcon& icon)
{
    SvgContentButton* button = m_segments.at(segment);
    button->setIconRenderer(icon.renderer());
    button->setText(icon.text());
    button->setIconElement(NavigationIcon::getElementIdForState(icon.state()));
    button->setIconOpacity(1.0, 1.0, 1.0);
    m_expandIndicators.at(segment)->setVisible(icon.willExpand() && segment != m_commandSegment);
    describeIconInLabel(segment, icon);
    if (icon.supportsValue())
        setSliderValue(segment, icon);
}

void NavigationControl::updateLabels(int first, bool force)
{
    if (!force && first == m_labelsFirstIndex)
        return;
    m_labelsFirstIndex = first;
    const int n = iconCount();
    for (int i = 0; i < segmentCount(); ++i) {
        int k = first + i;
        if (n > segmentCount())
            k = wrap(k, n);
        if (k >= 0 && k < n)
            showIconInLabel(i, m_icons.at(k));
        else
            m_labels->setVisibleAt(i, false);
    }
}

void NavigationControl::showIconInLabel(int segment, const NavigationIcon& icon)
{
    m_labels->setVisibleAt(segment, !icon.isEmpty());
    describeIconInLabel(segment, icon);
    setSliderValue(segment, icon);
}

void NavigationControl::describeIconInLabel(int segment, const NavigationIcon& icon)
{
    m_labels->setText(segment, icon.tooltip());
    m_labels->setSupportsExtendedMode(segment, icon.supportsExtendedInfo());
    m_labels->setExtendedModeDropDownModel(segment, icon.dropDownModel());
    m_labels->setSliderTextVisible(segment, icon.supportsValue());
}

void NavigationControl::setSliderValue(int segment, const NavigationIcon& icon)
{
    m_labels->setSliderValueBounds(segment, icon.minValue(), icon.maxValue(), icon.valueStep());
    m_labels->setSliderInvalidValueSteps(segment, icon.invalidValueSteps());
    m_labels->setSliderValue(segment, icon.value());
    m_labels->setSliderValueFormat(segment, icon.valueFormat());
    m_labels->setSliderValuePrecision(segment, icon.valuePrecision());
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

void NavigationControl::updateHotspot()
{
    const QRectF bounds = boundsOnElement(HOTSPOT_ID);
    if (bounds.width() > 0 && bounds.height() > 0) {
        m_hotspot = bounds.center();
        return;
    }
    QSvgRenderer* svg = svgRenderer();
    const QSize size = svg ? svg->defaultSize() : QSize();
    m_hotspot = QPointF(size.width() / 2, size.height() / 2);
}

// ---------------------------------------------------------------- icon list

void NavigationControl::setIcons(const QList<NavigationIcon>& icons, bool immediately)
{
    // Until the new list is shown, the old one rests on the segments.
    setSegmentsResting();
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
        m_nextIcons = list;
        startSegmentsOpacityAnimation(0.0);
        m_selectedSegment = -1;
        return;
    } else {
        // A rotation of the old list must not carry on over the new one.
        if (m_animationMode == 1)
            stopIconsAnimation();
        cancelFadeOut();
        m_icons = list;
        // A list that fits the segments shows from its first icon; keeping an
        // old first index would show it rotated.
        setFirstIconIndex(fitsSegments ? 0 : m_firstIconIndex);
    }
    updateLabels(m_firstIconIndex, true);
    m_selectedSegment = -1;
}

// A device's new state must reach the icon whether it is shown or waits in
// the list that is fading in.
void NavigationControl::updateIcon(const NavigationIcon& icon)
{
    const int waiting = indexOfId(m_nextIcons, icon.id());
    if (waiting >= 0)
        m_nextIcons[waiting] = icon;
    const int index = indexOfId(m_icons, icon.id());
    if (index < 0)
        return;
    m_icons[index] = icon;
    updateSegmentsContent();
    update();
}

void NavigationControl::setFirstIconIndex(int index)
{
    for (SvgContentButton* segment : std::as_const(m_segments)) {
        segment->clearIcon();
        segment->setText(QString());
    }
    if (m_icons.isEmpty()) {
        updateSegmentsContent();
        update();
        return;
    }
    m_firstIconIndex = wrapIconIndex(index);
    updateLabels(m_firstIconIndex, false);
    updateSegmentsContent();
    update();
}

void NavigationControl::setSegmentIconsOpacity(qreal opacity)
{
    m_segmentIconsOpacity = opacity;
    for (int i = 0; i < segmentCount(); ++i) {
        m_segments.at(i)->setOpacity(opacity);
        m_labels->setTextOpacityAt(i, opacity);
    }
    const QVariant end = m_segmentIconsAnimation.endValue();
    if (!end.isValid() || end.toReal() != opacity)
        return;
    if (m_segmentIconsAnimation.startValue().toReal() >= opacity) {
        exchangeFadedIcons();
    } else {
        m_animating = false;
        selectPendingIcon();
    }
}

// A list set at once is newer than the one waiting for the fade-out, which
// must not replace it when the fade ends.
void NavigationControl::cancelFadeOut()
{
    const bool fadingOut = m_segmentIconsAnimation.state() == QAbstractAnimation::Running
        && m_segmentIconsAnimation.endValue().toReal() < m_segmentIconsAnimation.startValue().toReal();
    if (!fadingOut)
        return;
    m_segmentIconsAnimation.stop();
    m_nextIcons.clear();
    setSegmentIconsOpacity(1.0);
}

void NavigationControl::exchangeFadedIcons()
{
    stopIconsAnimation();
    m_firstIconCustomIndex = 0.0;
    m_icons = m_nextIcons;
    m_nextIcons.clear();
    setFirstIconIndex(0);
    updateLabels(m_firstIconIndex, true);
    startSegmentsOpacityAnimation(1.0);
}

void NavigationControl::startSegmentsOpacityAnimation(qreal target)
{
    const bool fadingUp = target > m_segmentIconsOpacity;
    startProgressAnimation(m_segmentIconsAnimation, m_segmentIconsOpacity, target, SEGMENTS_FADE_DURATION_MS,
                           fadingUp ? QEasingCurve::InCubic : QEasingCurve::Linear);
}

void NavigationControl::startLabelsOpacityAnimation(qreal target, int duration)
{
    const bool fadingUp = target > m_labelsOpacity;
    startProgressAnimation(m_labelsAnimation, m_labelsOpacity, target, duration,
                           fadingUp ? QEasingCurve::InCubic : QEasingCurve::Linear);
}

void NavigationControl::startProgressAnimation(QPropertyAnimation& animation, qreal from, qreal to, int duration,
                                               QEasingCurve::Type type)
{
    animation.stop();
    animation.setStartValue(from);
    animation.setEndValue(to);
    animation.setDuration(duration);
    animation.setEasingCurve(type);
    animation.start();
}

void NavigationControl::showLabels()
{
    startLabelsOpacityAnimation(1.0, LABELS_SHOW_DURATION_MS);
}

void NavigationControl::hideLabels()
{
    startLabelsOpacityAnimation(0.0, LABELS_HIDE_DURATION_MS);
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
    m_floatingIconsAnimation.startItemsOpacityAnimation(floatingIconsOpacity(), hasEntered ? 1.0 : 0.0);
}

// ---------------------------------------------------------------- selection

bool NavigationControl::setSelectedIcon(const NavigationIcon& icon, bool rotateIfHidden)
{
    const int n = iconCount();
    bool found = false;
    for (int s = 0; s < segmentCount(); ++s) {
        int j = m_firstIconIndex + s;
        if (j >= n && n > segmentCount())
            j -= n;
        if (j >= 0 && j < n && !m_icons.at(j).isEmpty() && m_icons.at(j).id() == icon.id()) {
            m_segments.at(s)->setState(SvgButton::Pressed);
            m_selectedSegment = s;
            found = true;
        } else {
            m_segments.at(s)->setState(restingSegmentState(s));
        }
    }
    const int index = indexOfId(m_icons, icon.id());
    if (index < 0) {
        m_pendingIconIndex = indexOfId(m_nextIcons, icon.id());
        return rotateIfHidden || found;
    }
    if (found || !rotateIfHidden)
        return found;
    rotateToIcon(index);
    m_pendingIconIndex = index;
    return true;
}

// Turns the shorter way: the icon arrives in the last segment when the first
// index grows, in segment 0 when it falls.
void NavigationControl::rotateToIcon(int iconIndex)
{
    const int n = iconCount();
    const int s = segmentCount();
    const int ci = int(m_animating ? m_firstIconCustomIndex : m_firstIconIndex);
    const int x = std::abs(ci - iconIndex);
    const int y = std::abs(ci - iconIndex + s);
    const int a = std::min(x, n - x);
    const int b = std::min(y, n - y);
    const int from = wrap(ci, n);
    int to;
    if (b < a) {
        to = wrap(iconIndex - s + 1 + n, n);
        if (from > to)
            to += n;
    } else {
        to = wrap(iconIndex, n);
        if (to > from)
            to -= n;
    }
    startIconsAnimation(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationControl::clearSelectedIcon()
{
    setSegmentsResting();
    m_selectedSegment = -1;
}

void NavigationControl::setSegmentsResting()
{
    for (int s = 0; s < segmentCount(); ++s)
        m_segments.at(s)->setState(restingSegmentState(s));
}

void NavigationControl::setSelectedSegment(int segment)
{
    if (segment < 0 || segment >= segmentCount() || showsGap(segment))
        return;
    for (int s = 0; s < segmentCount(); ++s)
        m_segments.at(s)->setState(s == segment ? SvgButton::Pressed : restingSegmentState(s));
    m_selectedSegment = segment;
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

// Keeps the icon of the selected segment (or the one that takes its place
// at the edge) selected once a button rotation has ended. Without a
// selection there is nothing to keep.
void NavigationControl::preserveSelectedIcon(bool previous)
{
    const int n = iconCount();
    if (!m_preserveSelection || m_selectedSegment < 0 || n == 0)
        return;
    const int c = m_animating ? int(m_firstIconCustomIndex) : m_firstIconIndex;
    const int index = wrap(c + m_selectedSegment, n);
    const int edge = previous ? 0 : segmentCount() - 1;
    if (m_selectedSegment != edge) {
        m_pendingIconIndex = index;
        return;
    }
    const int step = previous ? 1 : -1;
    m_pendingIconIndex = wrap(index + n + step, n);
    if (m_icons.at(m_pendingIconIndex).isEmpty())
        m_pendingIconIndex = wrap(m_pendingIconIndex + step, n);
}

void NavigationControl::selectPendingIcon()
{
    const int n = iconCount();
    if (m_pendingIconIndex < 0 || !m_preserveSelection)
        return;
    if (m_pendingIconIndex < n) {
        const NavigationIcon pending = m_icons.at(m_pendingIconIndex);
        const bool shown = setSelectedIcon(pending, false);
        if (!m_selectionFollowsGesture || shown) {
            emit navigationIconClicked(pending, m_selectedSegment, true);
        } else {
            // A gesture turned the selected icon out of view: the icon at the
            // edge it left by takes over.
            int j = m_fallbackToLastSegment ? wrap(m_firstIconIndex + segmentCount() - 1, n) : m_firstIconIndex;
            if (m_icons.at(j).isEmpty())
                j = m_fallbackToLastSegment ? wrap(n + j - 1, n) : wrap(j + 1, n);
            const NavigationIcon fallback = m_icons.at(j);
            setSelectedIcon(fallback, false);
            emit navigationIconClicked(fallback, m_selectedSegment, true);
        }
    }
    m_fallbackToLastSegment = true;
    m_selectionFollowsGesture = false;
    m_pendingIconIndex = -1;
}

// ---------------------------------------------------------------- rotation

void NavigationControl::goAndRotateNext()
{
    if (m_icons.isEmpty() || m_segments.isEmpty())
        return;
    if (m_commandControl1)
        clearCommandControls();
    if (m_selectedSegment < 0)
        setSelectedSegment(showsGap(0) ? 1 : 0);
    else
        stepSelection(1);
}

// Without a selection the last segment before the end of the list is
// selected; when that is the gap, the one before it, or with the gap in
// segment 0 the last segment.
void NavigationControl::goAndRotatePrevious()
{
    if (m_icons.isEmpty() || m_segments.isEmpty())
        return;
    if (m_commandControl1)
        clearCommandControls();
    if (m_selectedSegment >= 0) {
        stepSelection(-1);
        return;
    }
    int segment = std::min(iconCount() - wrapIconIndex(m_firstIconIndex), segmentCount()) - 1;
    if (showsGap(segment))
        segment = segment > 0 ? segment - 1 : segmentCount() - 1;
    setSelectedSegment(segment);
}

// The selection moves one segment on (step 1) or back (step -1), passing
// over the gap; at the edge the list turns under the selection instead.
void NavigationControl::stepSelection(int step)
{
    const int edge = step > 0 ? segmentCount() - 1 : 0;
    if (m_selectedSegment != edge) {
        int target = m_selectedSegment + step;
        if (showsGap(target))
            target += step;
        const bool pastEdge = step > 0 ? target > edge : target < edge;
        if (!pastEdge) {
            if (target < iconCount())
                setSelectedSegment(target);
            return;
        }
    }
    turnUnderSelection(step);
}

// "Next" raises the first index (rotatePrevious), "previous" lowers it; the
// list turns once more when the gap would come to rest under the selection.
void NavigationControl::turnUnderSelection(int step)
{
    for (int turn = 0; turn < 2; ++turn) {
        if (step > 0)
            rotatePrevious();
        else
            rotateNext();
        if (!m_animating || !m_icons.at(wrapIconIndex(int(m_animation.endValue()) + m_selectedSegment)).isEmpty())
            return;
    }
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

// "Previous" raises the first index: the icons move towards segment 0 and the
// next icon of the list comes in at the last segment. A press while the icons
// travel extends the running rotation by one more icon.
void NavigationControl::rotatePrevious()
{
    clearCommandControls();
    const double from = m_animating ? m_firstIconCustomIndex : m_firstIconIndex;
    const double to = m_animating ? m_animation.endValue() + 1 : m_firstIconIndex + 1;
    if (to > from)
        startIconsAnimation(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationControl::rotateNext()
{
    clearCommandControls();
    const double from = m_animating ? m_firstIconCustomIndex : m_firstIconIndex;
    const double to = m_animating ? m_animation.endValue() - 1 : m_firstIconIndex - 1;
    if (from > to)
        startIconsAnimation(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationControl::setFirstIconCusomtIndexPrivate(double index)
{
    m_firstIconCustomIndex = index;
    if (index < 0)
        return;
    const int whole = qRound(index);
    const double distance = std::abs(index - whole);
    double opacity = 0.0;
    if (distance <= LABEL_FADE_DISTANCE) {
        updateLabels(whole, false);
        opacity = 1.0 - distance / LABEL_FADE_DISTANCE;
    }
    for (int i = 0; i < m_labels->count(); ++i)
        m_labels->setTextOpacityAt(i, m_draggingIcon && i == m_dragSegment ? 0.0 : opacity);
}

void NavigationControl::setFirstIconCustomIndex(qreal index)
{
    setFirstIconCusomtIndexPrivate(index);
    if (index == m_animation.endValue())
        endIconsAnimation(int(index));
    else if (index < 0)
        endIconsAnimation(0);
    else
        update();
}

void NavigationControl::endIconsAnimation(int firstIndex)
{
    stopIconsAnimation();
    m_labels->setTextOpacity(1.0);
    if (m_draggingIcon && m_dragSegment < segmentCount())
        m_segments.at(m_dragSegment)->setShowIcon(false);
    setFirstIconIndex(firstIndex);
    selectPendingIcon();
}

void NavigationControl::startIconsAnimation(double from, double to, int duration, QEasingCurve::Type type)
{
    const int n = iconCount();
    if (n <= segmentCount())
        return;
    hideIcons();
    updateAnimationCache();
    m_animationMode = 1;
    if (from < 0) {
        const double raised = raiseIntoList(from, n);
        to = to - from + raised;
        from = raised;
    } else if (to < 0) {
        const double raised = raiseIntoList(to, n);
        from = raised - (to - from);
        to = raised;
    }
    m_animation.stop();
    // The icons stand at the start until the first frame: a press that
    // extends the rotation before then measures from here.
    setFirstIconCusomtIndexPrivate(from);
    m_animation.setStartValue(from);
    m_animation.setEndValue(to);
    m_animation.setDuration(duration);
    m_animation.setEasingType(type);
    // Set before the start: a run from a value to itself ends at once.
    m_animating = true;
    m_animation.start();
}

void NavigationControl::stopIconsAnimation()
{
    m_animation.stop();
    m_animating = false;
    m_animationMode = 0;
    showIcons();
}

void NavigationControl::hideIcons()
{
    for (SvgContentButton* segment : std::as_const(m_segments))
        segment->setShowIcon(false);
    for (SvgButton* indicator : std::as_const(m_expandIndicators))
        indicator->hide();
}

void NavigationControl::showIcons()
{
    for (SvgContentButton* segment : std::as_const(m_segments)) {
        segment->setVisible(true);
        segment->setShowIcon(true);
    }
}

void NavigationControl::updateAnimationCache()
{
    if (m_animation.isCacheValid())
        return;
    QSvgRenderer* svg = svgRenderer();
    const QPainterPath path = svg ? svg->transformForElement(ANIMATION_PATH_ID).map(m_animationPath) : QPainterPath();
    QList<double> percentages;
    for (int s = 0; s < segmentCount(); ++s)
        percentages.append(Corvane::Utilities::MathToolsGui::guessPercentAtPathPoint(path, segmentContentCenter(s)));

    QRegion region;
    const QRectF area = boundsOnElement(ICON_AREA_MASK_ID);
    const QSize size(qRound(area.width()), qRound(area.height()));
    if (svg && !size.isEmpty()) {
        const QPixmap pixmap = Utilities::PictureSize::render(
            size, Utilities::PictureSize::sourceOf(svg), Qt::white,
            [&](QPainter& painter) { svg->render(&painter, ICON_AREA_MASK_ID, QRectF(QPointF(0, 0), size)); });
        region = Utilities::PictureSize::regionFor(QRegion(pixmap.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                   pixmap.size(), size);
        region.translate(int(area.x()), int(area.y()));
    }
    m_animation.setCache(path, percentages, region);
}

// ---------------------------------------------------------------- clicks

void NavigationControl::onElementClick(SvgElement* element)
{
    const auto found = std::find(m_segments.cbegin(), m_segments.cend(), element);
    const int segment = found == m_segments.cend() ? -1 : int(found - m_segments.cbegin());
    if (element == m_previousButton) {
        Logger(Logger::Trace) << "Navigation Control, previous button clicked.";
        preserveSelectedIcon(true);
        clearSelectedIcon();
        rotatePrevious();
    } else if (element == m_nextButton) {
        Logger(Logger::Trace) << "Navigation Control, next button clicked.";
        preserveSelectedIcon(false);
        clearSelectedIcon();
        rotateNext();
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
    m_travellingIcons.clear();
    createSegments();
    updateSegmentsContent();
    restoreSegmentsLook();
    readThemeGeometry();
    if (m_commandControl1) {
        m_commandControl1->setBounds(m_commandControl1Bounds);
        setCommandControlShowProgress(1.0, m_background->boundingRect(), m_commandControl1Bounds,
                                      m_commandControl1Animation, m_commandControl1);
    }
    if (m_commandControl2) {
        m_commandControl2->setBounds(m_commandControl2Bounds);
        setCommandControlShowProgress(1.0, m_commandControl1Bounds, m_commandControl2Bounds,
                                      m_commandControl2Animation, m_commandControl2);
    }
}

// ---------------------------------------------------------------- gestures

QPointF NavigationControl::itemPoint(const QPointF& scenePos) const
{
    return mapFromScene(scenePos);
}

double NavigationControl::pathPercentAt(const QPointF& itemPos) const
{
    return Corvane::Utilities::MathToolsGui::guessPercentAtPathPoint(m_animation.cachedPath(), itemPos);
}

bool NavigationControl::clipRegionContains(const QPointF& scenePos) const
{
    return m_animation.clipRegion().contains(itemPoint(scenePos).toPoint());
}

int NavigationControl::lastSegmentAtOrBefore(double percent) const
{
    const QList<double>& percentages = m_animation.cachedPercentages();
    int last = -1;
    for (int i = 0; i < percentages.size(); ++i) {
        if (percentages.at(i) <= percent)
            last = i;
    }
    return last;
}

// Two segment centres at the same place along the path span nothing.
double NavigationControl::segmentFraction(double numerator, double low, double high) const
{
    return high > low ? numerator / (high - low) : 0.0;
}

void NavigationControl::followSelectionWithGesture()
{
    if (!m_preserveSelection || m_selectedSegment < 0 || m_icons.isEmpty())
        return;
    m_selectionFollowsGesture = true;
    m_pendingIconIndex = wrapIconIndex(m_firstIconIndex + m_selectedSegment);
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
                liftIcon(s);
            return;
        }
    }
    if (m_centerButton->hitTest(pos)) {
        m_moving = true;
        setMoveVisual();
    }
}

void NavigationControl::liftIcon(int segment)
{
    SvgContentButton* button = m_segments.at(segment);
    button->setShowIcon(false);
    button->setState(SvgButton::Normal);
    const QPixmap pixmap = dragPixmap(button);
    m_dragSegment = segment;
    m_draggingIcon = true;
    m_draggedIconIndex = wrapIconIndex(m_firstIconIndex + segment);
    m_draggedIconId = m_icons.at(m_draggedIconIndex).id();
    m_labels->setTextOpacityAt(segment, 0.0);
    // Without an answer no shortcut may be made.
    m_shortcutAllowed = false;
    emit requestAllowedShortcut(m_icons.at(m_draggedIconIndex), m_shortcutAllowed);
    clearCommandControls();
    deleteDragCursor();
    m_dragCursor = new Utilities::CursorWidget(pixmap);
    Corvane::Utilities::WidgetUtilities::removeTaskbarIconOnLinux(m_dragCursor);
    m_dragCursor->show();
}

// The lifted icon at a third of its opacity, a fifth larger than the segment
// content, so that the segments under it stay readable.
QPixmap NavigationControl::dragPixmap(const SvgContentButton* segment) const
{
    QSize size = segment->contentBounds().size().toSize();
    if (!segment->textPixmap().isNull())
        size = segment->textPixmap().size();
    const double scale = customScale();
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

// The icons follow the finger: each call measures the whole way from the
// start point, in segments along the path, from the integer first index.
void NavigationControl::handlePressAndMove(QPoint startPos, QPoint currentPos)
{
    const int n = iconCount();
    const int segments = segmentCount();
    if (n <= segments)
        return;
    updateAnimationCache();
    if (!clipRegionContains(startPos) || m_animation.cachedPercentages().size() != segments)
        return;
    // The finger takes over from a running rotation.
    m_animation.stop();
    followSelectionWithGesture();
    clearSelectedIcon();
    clearCommandControls();

    const double p0 = pathPercentAt(itemPoint(startPos));
    const double p1 = pathPercentAt(itemPoint(currentPos));
    if (p1 < p0)
        m_fallbackToLastSegment = false;
    const double turn = fingerTurn(p0, p1);

    hideIcons();
    m_animating = true;
    m_animationMode = 1;
    setFirstIconCusomtIndexPrivate(m_firstIconIndex + turn);
    if (m_firstIconCustomIndex < 0)
        setFirstIconCusomtIndexPrivate(raiseIntoList(m_firstIconCustomIndex, n));
    update();
}

// How far the icons follow a finger moved from path percent p0 to p1, in
// icons: whole segments passed plus the fractions of the first and the last
// segment, negative when the finger moves along the path.
double NavigationControl::fingerTurn(double p0, double p1) const
{
    const QList<double>& p = m_animation.cachedPercentages();
    const int segments = int(p.size());
    const int s0 = lastSegmentAtOrBefore(p0);
    const int s1 = lastSegmentAtOrBefore(p1);
    const bool same = s0 == s1;
    const int whole = same ? 0 : std::abs(s0 - s1) - 1;
    const int dir = p0 <= p1 ? -1 : 1;
    const auto lo = [&p](int s) { return s >= 0 ? p.at(s) : 0.0; };
    const auto hi = [&p, segments](int s) { return s < segments - 1 ? p.at(s + 1) : 1.0; };

    const double fracStart = (p0 <= p1 || same) ? -segmentFraction(hi(s0) - p0, lo(s0), hi(s0))
                                                : segmentFraction(p0 - lo(s0), lo(s0), hi(s0));
    const double g = segmentFraction(hi(s1) - p1, lo(s1), hi(s1));
    const double fracEnd = same ? -g : (dir == -1 ? 1.0 - g : -g);
    return dir * whole + (fracStart - fracEnd);
}

void NavigationControl::mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_draggingIcon && m_animating) {
        const double c = m_firstIconCustomIndex;
        startIconsAnimation(c, qRound(c), SNAP_DURATION_MS, QEasingCurve::OutSine);
    }
    setForbiddenCursor(false);
    SvgControlObject::mouseEndPressAndMoveEvent(event);
}

void NavigationControl::swipeEvent(qreal angle, qreal speed, QPoint startPos, QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::swipeEvent(angle, speed, startPos, event);
    // As for a drag along the ring: with every icon shown there is nothing to
    // turn, and no selection must be left waiting for a turn.
    if (event->isAccepted() || m_draggingIcon || iconCount() <= segmentCount())
        return;
    updateAnimationCache();
    if (!clipRegionContains(startPos))
        return;
    followSelectionWithGesture();

    const double p1 = pathPercentAt(itemPoint(event->scenePos()));
    const double p2 = pathPercentAt(itemPoint(event->lastScenePos()));
    int dir = -1;
    if (p1 <= p2) {
        dir = 1;
        m_fallbackToLastSegment = false;
    }
    const int steps = swipeSteps(angle, speed, p1);
    const double from = m_firstIconCustomIndex;
    startIconsAnimation(from, int(dir * steps + from), SWIPE_DURATION_MS, QEasingCurve::OutCubic);
}

// A swipe along the ring turns by speed / 40 icons, one across it by none.
int NavigationControl::swipeSteps(qreal angle, qreal speed, double percent) const
{
    const double t = qRadiansToDegrees(std::atan(m_animation.cachedPath().slopeAtPercent(percent)));
    double pathAngle = t >= 0 ? 180.0 - t : -t;
    double swipeAngle = int(angle) % 180;
    if (pathAngle > 90)
        pathAngle -= 180;
    if (swipeAngle > 90)
        swipeAngle -= 180;
    int d = int(std::abs(pathAngle - swipeAngle));
    if (d > 90)
        d = 180 - d;
    return qRound(std::cos(qDegreesToRadians(double(d))) * speed / SWIPE_SPEED_PER_ICON);
}

// ---------------------------------------------------------------- dragging icons

void NavigationControl::handleDragIcon(QPoint currentPos)
{
    updateAnimationCache();
    const QPointF pos = itemPoint(currentPos).toPoint();
    if (!m_animation.clipRegion().contains(pos.toPoint())) {
        if (!m_shortcutAllowed)
            setForbiddenCursor(true);
        return;
    }
    const int segment = nearestSegment(pos);
    if (segment >= 0)
        changeDragIconPosition(segment);
    setForbiddenCursor(false);
}

int NavigationControl::nearestSegment(const QPointF& itemPos) const
{
    int nearest = -1;
    double best = NEAREST_START_DISTANCE;
    for (int s = 0; s < segmentCount(); ++s) {
        const double distance = QLineF(segmentContentCenter(s), itemPos).length();
        if (distance < best) {
            best = distance;
            nearest = s;
        }
    }
    return nearest;
}

void NavigationControl::setForbiddenCursor(bool forbidden)
{
    if (forbidden && !isForbiddenOverride())
        QApplication::setOverrideCursor(QCursor(Qt::ForbiddenCursor));
    else if (!forbidden && isForbiddenOverride())
        QApplication::restoreOverrideCursor();
}

// Segments without an icon and the empty gap icon cannot take the lifted
// icon.
void NavigationControl::changeDragIconPosition(int segment)
{
    if (segment == m_dragSegment || getIconIndexBySegment(segment) < 0)
        return;
    hideIcons();
    m_animating = true;
    m_animationMode = 2;
    const int target = wrapIconIndex(segment + m_firstIconIndex);
    const int current = wrapIconIndex(m_dragSegment + m_firstIconIndex);
    if (m_icons.at(target).isEmpty())
        return;
    queueDragSlides(current, target);
    m_dragSegment = segment;
}

// Each pair exchanges two neighbours; played in order they carry the lifted
// icon step by step to its new place.
void NavigationControl::queueDragSlides(int current, int target)
{
    if (current >= target) {
        for (int k = target; k < current; ++k)
            m_dragAnimation.addDragIcon(k + 1, k);
    } else {
        for (int k = target - 1; k >= current; --k)
            m_dragAnimation.addDragIcon(k, k + 1);
    }
}

void NavigationControl::updateDragIcon()
{
    const QList<NavigationDragIconAnimation::IconData> finished = m_dragAnimation.getAndClearFinished();
    for (const NavigationDragIconAnimation::IconData& slide : finished) {
        swapIcons(slide.fromIndex, slide.toIndex);
        updateSegmentsContent();
    }
    updateDragLabels();
    if (!m_draggingIcon && m_dragAnimation.iconsCount() == 0)
        stopDraggingIcons();
    update();
}

// Labels cross-fade with the icons sliding past them.
void NavigationControl::updateDragLabels()
{
    for (int i = 0; i < segmentCount() && i < iconCount(); ++i) {
        const int k = wrapIconIndex(m_firstIconIndex + i);
        const NavigationDragIconAnimation::DistanceData near = m_dragAnimation.distanceTo(k);
        if (near.distance > LABEL_FADE_DISTANCE) {
            m_labels->setTextOpacityAt(i, 0.0);
        } else if (near.distance == 0.0 && i == m_dragSegment) {
            showIconInLabel(i, m_icons.at(k));
            m_labels->setTextOpacityAt(i, 0.0);
        } else if (near.distance == 0.0) {
            m_labels->setTextOpacityAt(i, 1.0);
        } else {
            showIconInLabel(i, m_icons.at(wrapIconIndex(near.index)));
            m_labels->setTextOpacityAt(i, 1.0 - near.distance / LABEL_FADE_DISTANCE);
        }
    }
}

void NavigationControl::mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_draggingIcon && iconCount() > segmentCount() && !m_segments.isEmpty()) {
        if (m_previousButton->hitTest(event->scenePos()))
            turnWithLiftedIcon(true);
        else if (m_nextButton->hitTest(event->scenePos()))
            turnWithLiftedIcon(false);
    }
    SvgControlObject::mousePressMoveAndHoverEvent(event);
}

// Over an arrow the lifted icon first goes to the edge segment, then the
// list turns under it while it stays there.
void NavigationControl::turnWithLiftedIcon(bool previous)
{
    const int edge = previous ? 0 : segmentCount() - 1;
    if (m_dragSegment != edge) {
        changeDragIconPosition(edge);
        return;
    }
    const int step = previous ? -1 : 1;
    carryLiftedIcon(m_firstIconIndex + edge, step);
    const int first = m_firstIconIndex;
    startIconsAnimation(first, first + step, LIFTED_TURN_DURATION_MS, QEasingCurve::OutSine);
}

// The lifted icon at index changes places with its neighbour on the circle.
// When that neighbour is the gap, the list is turned round so that the gap
// stays its last entry, and the first index follows so that the carousel
// shows the same icons.
void NavigationControl::carryLiftedIcon(int index, int step)
{
    swapIcons(index, index + step);
    const int gap = wrapIconIndex(index);
    if (!m_icons.at(gap).isEmpty() || gap == iconCount() - 1)
        return;
    std::rotate(m_icons.begin(), m_icons.begin() + gap + 1, m_icons.end());
    m_firstIconIndex = wrapIconIndex(m_firstIconIndex + iconCount() - 1 - gap);
}

void NavigationControl::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (m_animating)
        setSegmentsResting();
    if (m_draggingIcon)
        dropIcon(event);
    deleteDragCursor();
    if (m_moving) {
        m_moving = false;
        setMoveVisual();
    }
    setForbiddenCursor(false);
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

// A release event carries the press point as its position and the release
// point as its last position: the drop happens where the pointer was let go.
void NavigationControl::dropIcon(QGraphicsSceneMouseEvent* event)
{
    deleteDragCursor();
    updateAnimationCache();
    const QPointF releasePos = event->lastScenePos();
    const bool overArrow = m_previousButton->hitTest(releasePos) || m_nextButton->hitTest(releasePos);
    if (!m_icons.isEmpty() && !clipRegionContains(releasePos) && !overArrow) {
        // The owner puts its own order back: slides still queued must not
        // reorder that list afterwards. Without them the lifted icon need not
        // have reached the drag segment yet, so it is found by its id.
        m_dragAnimation.clear();
        const int lifted = indexOfId(m_icons, m_draggedIconId);
        const NavigationIcon dropped = m_icons.at(lifted >= 0 ? lifted : wrapIconIndex(m_draggedIconIndex));
        emit requestShortcut(dropped);
        emit requestOriginalIcons();
    } else {
        m_pendingIconIndex = wrapIconIndex(m_dragSegment + m_firstIconIndex);
        emit iconsReordered();
    }
    m_draggingIcon = false;
    if (m_dragAnimation.iconsCount() == 0)
        stopDraggingIcons();
}

void NavigationControl::deleteDragCursor()
{
    if (!m_dragCursor)
        return;
    m_dragCursor->hide();
    m_dragCursor->deleteLater();
    m_dragCursor = nullptr;
}

void NavigationControl::stopDraggingIcons()
{
    showIcons();
    selectPendingIcon();
    m_labels->setTextOpacity(1.0);
    m_draggedIconIndex = 0;
    m_dragSegment = 0;
    if (m_animationMode == 2) {
        m_animationMode = 0;
        m_animating = false;
    }
    emit iconsReordered();
    update();
}

void NavigationControl::swapIcons(int a, int b)
{
    if (m_icons.isEmpty())
        return;
    m_icons.swapItemsAt(wrapIconIndex(a), wrapIconIndex(b));
}

// ---------------------------------------------------------------- painting

void NavigationControl::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (m_animationMode == 2)
        paintDragAnimation(painter);
    else if (m_animationMode == 1)
        paintRotateAnimation(painter);
}

void NavigationControl::paintIcon(QPainter* painter, const NavigationIcon& icon, const QPointF& center,
                                  const TextPaintData& style) const
{
    const QSizeF size = m_segments.first()->contentBounds().size();
    const QRectF rect(center.x() - size.width() / 2, center.y() - size.height() / 2, size.width(), size.height());
    TextPaintData text = style;
    text.setText(icon.text());
    m_travellingIcons.draw(painter, icon.renderer(), NavigationIcon::getElementIdForState(icon.state()), text, rect);
}

QPointF NavigationControl::pathPoint(double percent) const
{
    return m_animation.cachedPath().pointAtPercent(qBound(0.0, percent, 1.0));
}

// Icon ci + j travels from the centre of segment j towards that of segment
// j - 1 as the fraction of the first index grows; the icons beyond both ends
// run to the path's ends, outside the visible area.
void NavigationControl::paintRotateAnimation(QPainter* painter)
{
    const int segments = segmentCount();
    const QList<double>& p = m_animation.cachedPercentages();
    if (segments == 0 || m_icons.isEmpty() || p.size() != segments)
        return;
    painter->save();
    painter->setClipRegion(m_animation.clipRegion(), Qt::ReplaceClip);
    const TextPaintData style = contentTextOf(m_segments.first());
    const double c = m_firstIconCustomIndex;
    const int ci = int(c);
    const double q = c - ci;
    const int skipShift = m_animation.startValue() < m_animation.endValue() ? 1 : 0;
    for (int j = 0; j <= segments; ++j) {
        if (m_draggingIcon && j - skipShift == m_dragSegment)
            continue;
        const double lo = j >= 1 ? p.at(j - 1) : 0.0;
        const double hi = j < segments ? p.at(j) : 1.0;
        paintIcon(painter, m_icons.at(wrapIconIndex(ci + j)), pathPoint((hi - lo) * (1.0 - q) + lo), style);
    }
    painter->restore();
}

// Percent along the path of a carousel slot: the segments' own, the path's
// start before segment 0 and its end after the last segment.
double NavigationControl::dragPercent(int slot) const
{
    if (slot < 0)
        return 0.0;
    if (slot >= segmentCount())
        return 1.0;
    return m_animation.cachedPercentages().at(slot);
}

void NavigationControl::paintDragAnimation(QPainter* painter)
{
    const int segments = segmentCount();
    const int n = iconCount();
    if (segments == 0 || n == 0 || m_animation.cachedPercentages().size() != segments)
        return;
    painter->save();
    painter->setClipRegion(m_animation.clipRegion(), Qt::ReplaceClip);
    const TextPaintData style = contentTextOf(m_segments.first());
    const auto slotOf = [this, n](int index) {
        const int slot = wrap(index + n - m_firstIconIndex, n);
        return slot == n - 1 ? -1 : slot;
    };
    for (int k = 0; k < n; ++k) {
        if (!m_dragAnimation.hasDataForIcon(k)) {
            const int s = wrap(n - m_firstIconIndex + k, n);
            if (s < segments && s != m_dragSegment)
                paintSegmentContent(painter, m_segments.at(s), style);
            continue;
        }
        const NavigationDragIconAnimation::IconData slide = m_dragAnimation.iconData(k);
        const int sa = slotOf(slide.fromIndex);
        const int sb = slotOf(slide.toIndex);
        if (sa > segments || sb > segments)
            continue;
        const double from = dragPercent(sb);
        const double to = dragPercent(sa);
        paintIcon(painter, m_icons.at(wrapIconIndex(slide.toIndex)),
                  pathPoint((to - from) * slide.progress + from), style);
    }
    painter->restore();
}

void NavigationControl::paintSegmentContent(QPainter* painter, const SvgContentButton* segment,
                                            const TextPaintData& style) const
{
    TextPaintData text = style;
    text.setText(segment->text());
    m_travellingIcons.draw(painter, segment->iconRenderer(), segment->iconElement(), text,
                           mapRectFromItem(segment, segment->contentBounds()));
}

// ---------------------------------------------------------------- command rings

void NavigationControl::setCommandControl1(CommandControl* ring, int segment)
{
    if (!ring)
        return;
    m_commandSegment = segment;
    if (m_commandControl1) {
        detachRing(m_commandControl1);
        m_commandControl1 = nullptr;
    }
    m_commandControl1 = ring;
    ring->setFlag(QGraphicsItem::ItemStacksBehindParent, true);
    ring->deselectAll();
    m_labels->setExpandedState(NavigationLabels::Expanded);
    placeRing(ring, m_commandControl1Bounds);
    ring->stackBefore(m_background);
    const qreal progress = m_commandControl1ShowProgress;
    startProgressAnimation(m_commandControl1Animation, progress, 1.0,
                           int(std::abs(1.0 - progress) * RING_OPEN_DURATION_MS), QEasingCurve::OutBounce);
    updateSegmentsContent();
    update();
}

void NavigationControl::setCommandControl2(CommandControl* ring)
{
    if (!m_commandControl1) {
        Logger(Logger::Error) << Q_FUNC_INFO << " Cannot show second level command control without the first.";
        return;
    }
    if (!ring)
        return;
    if (m_commandControl2) {
        detachRing(m_commandControl2);
        m_commandControl2 = nullptr;
    }
    m_commandControl2 = ring;
    ring->setFlag(QGraphicsItem::ItemStacksBehindParent, true);
    m_labels->setExpandedState(NavigationLabels::Expanded2);
    placeRing(ring, m_commandControl2Bounds);
    ring->stackBefore(m_commandControl1);
    const qreal progress = m_commandControl2ShowProgress;
    startProgressAnimation(m_commandControl2Animation, progress, 1.0,
                           int(std::abs(1.0 - progress) * RING_OPEN_DURATION_MS), QEasingCurve::OutBounce);
}

void NavigationControl::placeRing(CommandControl* ring, const QRectF& bounds)
{
    ring->setBounds(bounds);
    ring->setElementsSuffix(elementsSuffix());
    ring->setCustomScale(customScale());
    ring->setOpacity(1.0);
    ring->setVisible(true);
    ring->setParentItem(this);
    addToChildrensList(ring);
}

void NavigationControl::detachRing(SvgControlObject* ring)
{
    QGraphicsScene* carouselScene = scene();
    ring->hide();
    ring->setParentItem(nullptr);
    ring->removeFromScene(carouselScene);
    removeFromChildren(ring);
}

void NavigationControl::closeCommandControl1()
{
    m_labels->setExpandedState(NavigationLabels::Collapsed);
    m_labels->hideAllSlidersImages();
    if (m_commandControl1) {
        m_commandControl1->deselectAll();
        for (int s = 0; s < segmentCount(); ++s)
            m_segments.at(s)->setState(s == m_selectedSegment ? SvgButton::Pressed : SvgButton::Normal);
        const qreal progress = m_commandControl1ShowProgress;
        startProgressAnimation(m_commandControl1Animation, progress, 0.0,
                               int(std::abs(progress) * RING_CLOSE_DURATION_MS), QEasingCurve::InSine);
        m_commandSegment = -1;
        updateSegmentsContent();
    }
    closeCommandControl2();
}

void NavigationControl::closeCommandControl2()
{
    if (m_commandControl1)
        m_commandControl1->deselectAll();
    if (!m_commandControl2)
        return;
    const qreal progress = m_commandControl2ShowProgress;
    startProgressAnimation(m_commandControl2Animation, progress, 0.0,
                           int(std::abs(progress) * RING_CLOSE_DURATION_MS), QEasingCurve::InSine);
    if (m_labels->expandedState() > NavigationLabels::Expanded)
        m_labels->setExpandedState(NavigationLabels::Expanded);
}

void NavigationControl::clearCommandControls()
{
    closeCommandControl1();
}

// The ring grows from the width of `from` to `to`, centred on `to` until it
// fills it; at the end of a closing it leaves the carousel.
void NavigationControl::setCommandControlShowProgress(qreal progress, const QRectF& from, const QRectF& to,
                                                      const QPropertyAnimation& animation, SvgControlObject* ring)
{
    if (!ring)
        return;
    if (animation.endValue().toReal() == progress && progress == 0.0) {
        detachRing(ring);
        return;
    }
    if (to.width() <= 0)
        return;
    const qreal r = from.width() / to.width();
    const qreal k = 1.0 - r;
    ring->setScale(k * progress + r);
    ring->setOffset(QPointF(to.x() + to.width() * k * 0.5 * (1.0 - progress),
                            to.y() + to.height() * k * 0.5 * (1.0 - progress)));
}

void NavigationControl::setCommandControl1ShowProgress(qreal progress)
{
    m_commandControl1ShowProgress = progress;
    if (!m_commandControl1)
        return;
    setCommandControlShowProgress(progress, m_background->boundingRect(), m_commandControl1Bounds,
                                  m_commandControl1Animation, m_commandControl1);
    const qreal end = m_commandControl1Animation.endValue().toReal();
    if (end == progress && progress == 0.0) {
        m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_commandControl1 = nullptr;
        emit commandControl1Closed();
        setExpandIndicatorsState(SvgButton::Normal);
    } else if (end == 1.0) {
        setExpandIndicatorsState(SvgButton::Disabled);
    }
}

void NavigationControl::setCommandControl2ShowProgress(qreal progress)
{
    m_commandControl2ShowProgress = progress;
    if (!m_commandControl2)
        return;
    setCommandControlShowProgress(progress, m_commandControl1Bounds, m_commandControl2Bounds,
                                  m_commandControl2Animation, m_commandControl2);
    const qreal end = m_commandControl2Animation.endValue().toReal();
    if (end == progress && progress == 0.0) {
        if (m_commandControl1)
            m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_commandControl2 = nullptr;
        emit commandControl2Closed();
    } else if (end == 1.0 && m_commandControl1) {
        m_commandControl1->setExpandIndicatorsState(SvgButton::Disabled);
    }
}

void NavigationControl::setExpandIndicatorsState(int state)
{
    for (SvgButton* indicator : std::as_const(m_expandIndicators))
        indicator->setState(SvgButton::ButtonState(state));
}

} // namespace Corvane::Gadgets
