#pragma once

#include "commandcontrol/CommandControl.h"
#include "controls/SvgControlObject.h"
#include "models/DropDownItemModel.h"

#include <QPropertyAnimation>
#include <QRectF>
#include <QSet>
#include <QTimer>

namespace Corvane::Gadgets {

class Label;
class SvgButton;
class SvgContentButton;
class SvgElement;
class SvgSliderControl;

namespace Models {
class DropDownModel;
} // namespace Models

// The face of one floating favourite gadget: a device icon in the centre,
// a label with an optional drop-down row, a slider with its value text, two
// command rings that unfold from the centre and the close, resize and
// refresh icons that fade in while the pointer is over the gadget. Owners
// push the content in and react to the signals; the control knows nothing
// of devices.
class FavoriteControl : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal control1ExpandProgress READ control1ExpandProgress WRITE setControl1ExpandProgress)
    Q_PROPERTY(qreal control2ExpandProgress READ control2ExpandProgress WRITE setControl2ExpandProgress)
    Q_PROPERTY(qreal showIconsProgress READ showIconsProgress WRITE setShowIconsProgress)
    Q_PROPERTY(qreal buttonsExpandProgress READ buttonsExpandProgress WRITE setButtonsExpandProgress)

public:
    // Which set of placeholders positions the label, slider, value text and icons.
    enum ExpandedState { Collapsed = 0, Expanded = 1, Expanded2 = 2 };
    Q_ENUM(ExpandedState)

    static const QString CENTER_BUTTON_ID;
    static const QString CENTER_CONFIG_KEY;
    static const QString CENTER_PLACEHOLDER_ID;
    static const QString CLOSE_BUTTON_ID;
    static const QString CLOSE_PLACEHOLDER_ID;
    static const QString CLOSE_PLACEHOLDER_EXPANDED_ID;
    static const QString CLOSE_PLACEHOLDER_EXPANDED_2_ID;
    static const QString RESIZE_BUTTON_ID;
    static const QString RESIZE_PLACEHOLDER_ID;
    static const QString RESIZE_PLACEHOLDER_EXPANDED_ID;
    static const QString RESIZE_PLACEHOLDER_EXPANDED_2_ID;
    static const QString REFRESH_BUTTON_ID;
    static const QString REFRESH_PLACEHOLDER_ID;
    static const QString REFRESH_PLACEHOLDER_EXPANDED_ID;
    static const QString REFRESH_PLACEHOLDER_EXPANDED_2_ID;
    static const QString MOVE_INDICATOR_ID;
    static const QString LABEL_PLACEHOLDER_ID;
    static const QString LABEL_PLACEHOLDER_EXPANDED_ID;
    static const QString LABEL_PLACEHOLDER_EXPANDED_2_ID;
    static const QString SLIDER_PLACEHOLDER_ID;
    static const QString SLIDER_PLACEHOLDER_EXPANDED_ID;
    static const QString SLIDER_PLACEHOLDER_EXPANDED_2_ID;
    static const QString VALUE_PLACEHOLDER_ID;
    static const QString VALUE_PLACEHOLDER_EXPANDED_ID;
    static const QString VALUE_PLACEHOLDER_EXPANDED_2_ID;
    static const QString LABEL_KEY;
    static const QString HOTSPOT_ID;
    static const QString EDITOR_PLACEHOLDER_ID;
    static const QString EDITOR_2_PLACEHOLDER_ID;

    FavoriteControl(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    // Content.
    void updateContent(const Models::NavigationIcon& icon);
    void setIconRenderer(const Utilities::IconRenderer& iconRenderer);
    Utilities::IconRenderer iconRenderer() const;
    void setLabelText(const QString& text);
    QString editedText() const;
    void setLabelSupportsExtendedInfo(bool supports);
    void setLabelExtendedInfo(const QString& text);
    void setLabelDropDownModel(const Models::DropDownModel& model);
    void setLabelDropDownItemsModels(const QList<Models::DropDownItemModel*>& itemsModels);

    // Slider.
    void setSliderVisible(bool visible);
    bool sliderVisible() const;
    void setSliderComponentsVisibility(bool item, bool text, bool image);
    void setHideSliderOnCollapse(bool hide);
    void setHideSliderTextOnCollapse(bool hide);
    void setSliderValue(double value);
    double sliderValue() const;
    double sliderMinValue() const;
    double sliderMaxValue() const;
    double sliderValueStep() const;
    int sliderValuePrecision() const;
    void setSliderValueBounds(double minValue, double maxValue, double step);
    void setSliderValueStep(double step);
    void setSliderValuePrecision(int precision);
    void setSliderValueFormat(const QString& format);
    void setSliderInvalidValueSteps(const QSet<int>& steps);

    // Command rings.
    void setCommand1Buttons(const QList<CommandControl::ButtonData>& buttons);
    void setCommand2Buttons(const QList<CommandControl::ButtonData>& buttons);
    void setCommand1Buttons(const QList<CommandControl::ButtonData>& buttons, bool useEvenSegments,
                            const QPointF& startPoint);
    void setCommand2Buttons(const QList<CommandControl::ButtonData>& buttons, bool useEvenSegments,
                            const QPointF& startPoint);
    void setCommand1SelectedButton(const QString& buttonId);
    void setCommand2SelectedButton(const QString& buttonId);
    void setCommandControlButtonIcon(const QString& buttonId, const Models::NavigationIcon& icon);
    // Empty for an element of neither ring.
    QString getButtonId(SvgElement* element) const;
    // (0, 0) for an element of neither ring.
    QPointF getCommandButtonCenter(SvgElement* element) const;

    // Layout states.
    void showCommandControl1();
    void showCommandControl2();
    // Closes the second ring too, which grows out of the first.
    void hideCommandControl1();
    // Acts only while the second ring is open.
    void hideCommandControl2();
    void hideCommandControls();
    void showIcons();
    void hideIcons();
    ExpandedState expandedState() const { return m_currentState; }

    bool isMoving() const { return m_moving; }
    QPointF hotspot() const { return m_hotspot; }
    SvgContentButton* centerButton() const { return m_centerButton; }
    SvgElement* moveIndicator() const { return m_moveIndicator; }
    CommandControl* commandControl1() const { return m_commandControl1; }
    CommandControl* commandControl2() const { return m_commandControl2; }
    Label* label() const { return m_label; }
    SvgSliderControl* slider() const { return m_slider; }
    SvgButton* refreshButton() const { return m_refreshButton; }
    SvgButton* closeButton() const { return m_closeButton; }
    SvgButton* resizeButton() const { return m_resizeButton; }

    qreal control1ExpandProgress() const { return m_control1ExpandProgress; }
    qreal control2ExpandProgress() const { return m_control2ExpandProgress; }
    qreal showIconsProgress() const { return m_showIconsProgress; }
    qreal buttonsExpandProgress() const { return m_buttonsExpandProgress; }
    void setControl1ExpandProgress(qreal progress);
    void setControl2ExpandProgress(qreal progress);
    void setShowIconsProgress(qreal progress);
    void setButtonsExpandProgress(qreal progress);

    // The rectangles an item takes in the previous and in the current state.
    QRectF labelToBounds() const { return m_labelBounds.to; }
    QRectF sliderToBounds() const { return m_sliderBounds.to; }
    QRectF valueToBounds() const { return m_valueBounds.to; }

    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void updateCachedData() override;

signals:
    void sliderValueChanged();
    void labelTextChanged(bool& canChange);
    void row2DropDownItemIconClick(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    void row2DropDownItemTextChanged(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model,
                                     QString text);

public slots:
    void onElementClick(SvgElement* element) override;
    void onElementPress(SvgElement* element) override;
    void onElementRelease(SvgElement* element) override;
    void onSliderValueChanged();
    void onLabelTextChanged(bool& canChange);
    void onHideIconsTimerTick();

protected:
    using SvgControlObject::mouseReleaseEvent;

    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;

private:
    struct BoundsPair
    {
        QRectF from;
        QRectF to;
    };

    void createElements();
    SvgButton* createIcon(const QString& id, const QString& placeholderId);
    void readCommandControlPlaceholders();
    void setFromBoundsForExpandedState(ExpandedState state);
    void setToBoundsForExpandedState(ExpandedState state);
    void computeBoundsForExpandedState(ExpandedState state, QRectF BoundsPair::*side);
    void setExpandPositions();
    void updateHotspot();
    void applyMoveVisuals();
    void setMoving(bool moving);
    qreal currentBackOpacity() const;
    qreal currentIconOpacity() const;
    void applyHideSliderOnCollapse();
    void applyHideSliderTextOnCollapse();
    void setExpandProgress(qreal progress, const QRectF& start, const QRectF& target, CommandControl* ring);
    void startAnimation(QPropertyAnimation& animation, qreal current, qreal end, int duration,
                        QEasingCurve::Type easing);
    void startExpand1Animation(bool expand);
    void startExpand2Animation(bool expand);
    void startShowIconsAnimation(bool show);
    void startButtonsExpandAnimation(ExpandedState newState);

    SvgContentButton* m_centerButton = nullptr;
    SvgElement* m_moveIndicator = nullptr;
    CommandControl* m_commandControl1 = nullptr;
    CommandControl* m_commandControl2 = nullptr;
    Label* m_label = nullptr;
    SvgSliderControl* m_slider = nullptr;
    SvgButton* m_refreshButton = nullptr;
    SvgButton* m_closeButton = nullptr;
    SvgButton* m_resizeButton = nullptr;
    QRectF m_commandControl1Placeholder;
    QRectF m_commandControl2Placeholder;
    BoundsPair m_labelBounds;
    BoundsPair m_sliderBounds;
    BoundsPair m_closeBounds;
    BoundsPair m_resizeBounds;
    BoundsPair m_refreshBounds;
    BoundsPair m_valueBounds;
    QPointF m_hotspot;
    bool m_moving = false;
    ExpandedState m_previousState = Collapsed;
    ExpandedState m_currentState = Collapsed;
    QPropertyAnimation m_control1ExpandAnimation;
    QPropertyAnimation m_control2ExpandAnimation;
    QPropertyAnimation m_buttonsExpandAnimation;
    QPropertyAnimation m_showIconsAnimation;
    qreal m_control1ExpandProgress = 0.0;
    qreal m_control2ExpandProgress = 0.0;
    qreal m_buttonsExpandProgress = 0.0;
    qreal m_showIconsProgress = 0.0;
    bool m_hideSliderOnCollapse = false;
    bool m_hideSliderTextOnCollapse = false;
    QTimer m_hideIconsTimer;
};

} // namespace Corvane::Gadgets
