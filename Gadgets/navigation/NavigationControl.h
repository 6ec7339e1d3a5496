#pragma once

#include "animation/OpacityAlternator.h"
#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationCommandRings.h"
#include "navigation/NavigationControlAnimation.h"
#include "navigation/NavigationDragIconAnimation.h"
#include "navigation/NavigationFades.h"
#include "navigation/NavigationIconDragger.h"
#include "navigation/NavigationIconUpdates.h"
#include "navigation/NavigationIconPainter.h"
#include "navigation/NavigationSegmentContent.h"
#include "navigation/NavigationSelection.h"
#include "navigation/NavigationThemeGeometry.h"
#include "navigation/NavigationTurning.h"

#include <QEasingCurve>
#include <QList>
#include <QPoint>
#include <QRectF>

namespace Corvane::Gadgets {

class CommandControl;
class NavigationLabels;
class SvgContentButton;
class SvgElement;

namespace Models {
class TextPaintData;
}
namespace Utilities {
class CursorWidget;
}

// The carousel, front face of the navigation gadget: a fixed ring of segment
// buttons (as many as the theme draws) is a window onto a longer, circular
// list of icons. Segment i shows icon (first index + i) mod n. The previous
// and next buttons, the wheel, the arrow keys, a drag along the ring and a
// swipe turn the window, the icons travelling along the theme's
// "animation_path"; a press and hold on a segment lifts its icon, which can
// be dropped on another segment (reordering the list) or outside the gadget
// (asking the owner for a shortcut). Labels under the segments show the
// icons' tooltips and levels; command rings opened by the owner grow out of
// the carousel around it.
//
// When the list holds more icons than there are segments, an empty icon is
// appended to it: the gap between the end and the start of the circle.
class NavigationControl : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal firstIconCustomIndex READ firstIconCustomIndex WRITE setFirstIconCustomIndex)
    Q_PROPERTY(qreal floatingIconsOpacity READ floatingIconsOpacity WRITE setFloatingIconsOpacity)
    Q_PROPERTY(qreal segmentIconsOpacity READ segmentIconsOpacity WRITE setSegmentIconsOpacity)
    Q_PROPERTY(qreal commandControl1ShowProgress READ commandControl1ShowProgress
                   WRITE setCommandControl1ShowProgress)
    Q_PROPERTY(qreal commandControl2ShowProgress READ commandControl2ShowProgress
                   WRITE setCommandControl2ShowProgress)
    Q_PROPERTY(qreal labelsOpacity READ labelsOpacity WRITE setLabelsOpacity)
    Q_PROPERTY(qreal additionalControlsOpacity READ additionalControlsOpacity WRITE setAdditionalControlsOpacity)

public:
    static const QString BACKGROUND_ID;
    static const QString ANIMATION_PATH_ID;
    static const QString ICON_AREA_MASK_ID;
    static const QString PREV_BUTTON_ID;
    static const QString NEXT_BUTTON_ID;
    static const QString CENTER_BUTTON_ID;
    static const QString CENTER_PLACEHOLDER_ID;
    static const QString INFO_ID;
    static const QString CLOSE_ID;
    static const QString REFRESH_ID;
    static const QString RESIZE_ID;
    static const QString HOME_ID;
    static const QString HOME_SPLIT_ID;
    static const QString BACK_SPLIT_ID;
    static const QString MOVE_INDICATOR_ID;
    static const QString HOTSPOT_ID;
    static const QString SEGMENT_ID;
    static const QString SEGMENT_ICON_PLACEHOLDER_ID;
    static const QString EXPAND_INDICATOR_ID;
    static const QString EDITOR_PLACEHOLDER_ID;
    static const QString EDITOR_PLACEHOLDER_2_ID;
    static const QString SEGMENT_CONFIG_KEY;
    static const QString CENTER_CONFIG_KEY;

    NavigationControl(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);
    ~NavigationControl() override;

    // The icon list. With immediately false a non-empty list fades out and
    // the new one fades in from its first icon.
    void setIcons(const QList<Models::NavigationIcon>& icons, bool immediately);
    void updateIcon(const Models::NavigationIcon& icon);
    QList<Models::NavigationIcon> icons() const { return m_icons; }

    bool setSelectedIcon(const Models::NavigationIcon& icon, bool rotateIfHidden);
    void clearSelectedIcon();
    bool hasSelectedIcon() const { return m_selectedSegment >= 0; }
    int selectedSegmentIndex() const { return m_selectedSegment; }
    int selectedIconIndex() const;
    int getIconIndexBySegment(int segment) const;
    int getSegmentIndexByIcon(int iconIndex) const;
    QPointF getSegmentCenter(int segment) const;
    Models::NavigationIcon iconAtPosition(const QPoint& scenePos);

    void goAndRotateNext();
    void goAndRotatePrevious();

    int firstIconIndex() const { return m_firstIconIndex; }
    void setFirstIconIndex(int index);
    qreal firstIconCustomIndex() const { return m_firstIconCustomIndex; }
    void setFirstIconCustomIndex(qreal index);
    int pendingIconIndex() const { return m_pendingIconIndex; }

    void setCentralContent(Utilities::RendererContainer* renderer, const QString& text);
    void clearCentralContent();
    void setShowBackButton(bool show);
    bool showBackButton() const { return m_showBackButton; }
    void setIsInFullScreenMode(bool fullScreen);
    bool isInFullScreenMode() const { return m_inFullScreenMode; }
    void setPreserveSelection(bool preserve) { m_preserveSelection = preserve; }
    bool preserveSelection() const { return m_preserveSelection; }
    void setHandlesKeyboardInput(bool handles) { m_handlesKeyboardInput = handles; }
    bool handlesKeyboardInput() const { return m_handlesKeyboardInput; }
    void setCurrentPageId(int pageId) { m_currentPageId = pageId; }
    int currentPageId() const { return m_currentPageId; }
    bool isMoving() const { return m_moving; }
    void showLabels();
    void hideLabels();
    QPointF hotspot() const { return m_hotspot; }

    void notifyNavigationIconClicked(const Models::NavigationIcon& icon, int segment, bool generated);
    void notifyHomeButtonClicked();
    void notifyBackButtonClicked();

    // Command rings: ring 1 over a segment, ring 2 on top of ring 1. The
    // carousel hosts them; their creators own them.
    CommandControl* commandControl1() const { return m_commandControl1; }
    CommandControl* commandControl2() const { return m_commandControl2; }
    void setCommandControl1(CommandControl* ring, int segment);
    void setCommandControl2(CommandControl* ring);
    void closeCommandControl1();
    void closeCommandControl2();
    void clearCommandControls();
    // The segment the first ring was opened beside, or -1 once it closes
    // (from the start of its closing).
    int commandControl1Segment() const;
    // Where the first and the second ring open, in this control's
    // coordinates (the theme's ring placeholders).
    QRectF commandControl1Bounds() const { return m_commandControl1Bounds; }
    QRectF commandControl2Bounds() const { return m_commandControl2Bounds; }

    qreal floatingIconsOpacity() const { return m_floatingIcons.itemsOpacity(); }
    void setFloatingIconsOpacity(qreal opacity);
    qreal segmentIconsOpacity() const { return m_segmentIconsOpacity; }
    void setSegmentIconsOpacity(qreal opacity);
    qreal commandControl1ShowProgress() const { return m_commandControl1ShowProgress; }
    void setCommandControl1ShowProgress(qreal progress);
    qreal commandControl2ShowProgress() const { return m_commandControl2ShowProgress; }
    void setCommandControl2ShowProgress(qreal progress);
    qreal labelsOpacity() const { return m_labelsOpacity; }
    void setLabelsOpacity(qreal opacity);
    qreal additionalControlsOpacity() const { return m_additionalControlsOpacity; }
    void setAdditionalControlsOpacity(qreal opacity);

    // Travelling icons: the first index runs from `from` to `to`.
    void startIconsAnimation(double from, double to, int duration, QEasingCurve::Type type);
    void stopIconsAnimation();
    void updateAnimationCache();
    bool isAnimating() const { return m_animating; }
    int animationMode() const { return m_animationMode; }
    NavigationControlAnimation* iconsAnimation() { return &m_animation; }
    NavigationDragIconAnimation* dragAnimation() { return &m_dragAnimation; }

    // Icon dragging (called by the drag animation on each of its steps).
    void updateDragIcon();
    bool isDraggingIcon() const { return m_draggingIcon; }
    int dragSegment() const { return m_dragSegment; }
    Utilities::CursorWidget* dragCursor() const { return m_dragCursor; }

    SvgElement* background() const { return m_background; }
    SvgButton* previousButton() const { return m_previousButton; }
    SvgButton* nextButton() const { return m_nextButton; }
    SvgContentButton* centerButton() const { return m_centerButton; }
    SvgButton* homeButton() const { return m_homeButton; }
    SvgButton* homeSplitButton() const { return m_homeSplitButton; }
    SvgButton* backSplitButton() const { return m_backSplitButton; }
    SvgButton* infoButton() const { return m_infoButton; }
    SvgButton* closeButton() const { return m_closeButton; }
    SvgButton* refreshButton() const { return m_refreshButton; }
    SvgButton* resizeButton() const { return m_resizeButton; }
    SvgElement* moveIndicator() const { return m_moveIndicator; }
    // The segments, their expand indicators and the labels, showing every
    // icon change made so far.
    QList<SvgContentButton*> segments() const;
    QList<SvgButton*> expandIndicators() const;
    NavigationLabels* labels() const;

    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void updateCachedData() override;
    void onElementClick(SvgElement* element) override;

signals:
    void requestOriginalIcons();
    void requestShortcut(Corvane::Gadgets::Models::NavigationIcon icon);
    void requestAllowedShortcut(Corvane::Gadgets::Models::NavigationIcon icon, bool& allowedShortcut);
    void iconsReordered();
    void navigationIconClicked(Corvane::Gadgets::Models::NavigationIcon icon, int segmentIndex,
                               bool generated = false);
    void homeButtonClicked();
    void backButtonClicked();
    void infoButtonClicked();
    void commandControl1Closed();
    void commandControl2Closed();

protected:
    using SvgControlObject::mouseReleaseEvent;

    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndMoveEvent(const QPointF& startPos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;
    void mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void swipeEvent(qreal angle, qreal speed, QPoint startPos, QGraphicsSceneMouseEvent* event) override;
    void mouseWheelEvent(QGraphicsSceneWheelEvent* event) override;

private slots:
    void handlePressAndMove(QPoint startPos, QPoint currentPos);
    void handleDragIcon(QPoint currentPos);
    void onHoverEntered(bool hasEntered);

private:
    // The helpers doing the carousel's jobs work on its state.
    friend class NavigationCommandRings;
    friend class NavigationFades;
    friend class NavigationIconDragger;
    friend class NavigationIconUpdates;
    friend class NavigationIconPainter;
    friend class NavigationSegmentContent;
    friend class NavigationSelection;
    friend class NavigationThemeGeometry;
    friend class NavigationTurning;

    int iconCount() const { return int(m_icons.size()); }
    int segmentCount() const { return int(m_segments.size()); }
    // index reduced into 0 .. n - 1; 0 for an empty list.
    int wrapIconIndex(int index) const;
    // The segment shows the empty gap between the end and the start of the list.
    bool showsGap(int segment) const;
    SvgButton::ButtonState restingSegmentState(int segment) const;

    void createElements();
    SvgButton* createButton(const QString& elementId);
    void restoreSegmentsLook();
    void setMoveVisual();
    void applyLabelsOpacity();

    bool clipRegionContains(const QPointF& scenePos) const;
    QPointF segmentContentCenter(int segment) const;

    SvgElement* m_background = nullptr;
    SvgButton* m_previousButton = nullptr;
    SvgButton* m_nextButton = nullptr;
    SvgContentButton* m_centerButton = nullptr;
    SvgButton* m_homeButton = nullptr;
    SvgButton* m_homeSplitButton = nullptr;
    SvgButton* m_backSplitButton = nullptr;
    SvgButton* m_infoButton = nullptr;
    SvgButton* m_closeButton = nullptr;
    SvgButton* m_resizeButton = nullptr;
    SvgButton* m_refreshButton = nullptr;
    SvgElement* m_moveIndicator = nullptr;
    QList<SvgContentButton*> m_segments;
    QList<SvgButton*> m_expandIndicators;
    NavigationLabels* m_labels = nullptr;
    QList<Models::NavigationIcon> m_icons;
    int m_firstIconIndex = 0;
    int m_selectedSegment = -1;
    int m_pendingIconIndex = -1;
    double m_firstIconCustomIndex = 0.0;
    NavigationControlAnimation m_animation;
    CommandControl* m_commandControl1 = nullptr;
    CommandControl* m_commandControl2 = nullptr;
    QRectF m_commandControl1Bounds;
    QRectF m_commandControl2Bounds;
    QPointF m_hotspot;
    Utilities::OpacityAlternator m_floatingIcons;
    double m_segmentIconsOpacity = 1.0;
    int m_dragSegment = 0;
    NavigationDragIconAnimation m_dragAnimation;
    double m_commandControl1ShowProgress = 0.0;
    double m_commandControl2ShowProgress = 0.0;
    double m_labelsOpacity = 1.0;
    Utilities::CursorWidget* m_dragCursor = nullptr;
    bool m_animating = false;
    bool m_draggingIcon = false;
    int m_animationMode = 0;
    bool m_showBackButton = false;
    bool m_moving = false;
    int m_currentPageId = 0;
    double m_additionalControlsOpacity = 1.0;
    bool m_handlesKeyboardInput = true;
    bool m_preserveSelection = false;
    bool m_inFullScreenMode = false;
    NavigationFades m_fades;
    NavigationSelection m_selection;
    NavigationIconDragger m_dragger;
    NavigationIconPainter m_iconPainter;
    NavigationCommandRings m_rings;
    NavigationTurning m_turning;
    NavigationSegmentContent m_content;
    // Mutable: the accessors of the segments show the waiting changes first.
    mutable NavigationIconUpdates m_iconUpdates;
    NavigationThemeGeometry m_geometry;
};

} // namespace Corvane::Gadgets
