#include "favorite/FavoriteControl.h"

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "label/Label.h"
#include "slider/SvgSliderControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"
#include "utilities/MathTools.h"

#include <QGraphicsSceneMouseEvent>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const QString FavoriteControl::CENTER_BUTTON_ID = QStringLiteral("move");
const QString FavoriteControl::CENTER_CONFIG_KEY = QStringLiteral("move_favorite");
const QString FavoriteControl::CENTER_PLACEHOLDER_ID = QStringLiteral("move_content_placeholder");
const QString FavoriteControl::CLOSE_BUTTON_ID = QStringLiteral("close");
const QString FavoriteControl::CLOSE_PLACEHOLDER_ID = QStringLiteral("close_placeholder");
const QString FavoriteControl::CLOSE_PLACEHOLDER_EXPANDED_ID = QStringLiteral("close_placeholder_expanded");
const QString FavoriteControl::CLOSE_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("close_placeholder_expanded_2");
const QString FavoriteControl::RESIZE_BUTTON_ID = QStringLiteral("resize");
const QString FavoriteControl::RESIZE_PLACEHOLDER_ID = QStringLiteral("resize_placeholder");
const QString FavoriteControl::RESIZE_PLACEHOLDER_EXPANDED_ID = QStringLiteral("resize_placeholder_expanded");
const QString FavoriteControl::RESIZE_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("resize_placeholder_expanded_2");
const QString FavoriteControl::REFRESH_BUTTON_ID = QStringLiteral("refresh");
const QString FavoriteControl::REFRESH_PLACEHOLDER_ID = QStringLiteral("refresh_placeholder");
const QString FavoriteControl::REFRESH_PLACEHOLDER_EXPANDED_ID = QStringLiteral("refresh_placeholder_expanded");
const QString FavoriteControl::REFRESH_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("refresh_placeholder_expanded_2");
const QString FavoriteControl::MOVE_INDICATOR_ID = QStringLiteral("move_indicator");
const QString FavoriteControl::LABEL_PLACEHOLDER_ID = QStringLiteral("label_placeholder");
const QString FavoriteControl::LABEL_PLACEHOLDER_EXPANDED_ID = QStringLiteral("label_placeholder_expanded");
const QString FavoriteControl::LABEL_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("label_placeholder_expanded_2");
const QString FavoriteControl::SLIDER_PLACEHOLDER_ID = QStringLiteral("slider_placeholder");
const QString FavoriteControl::SLIDER_PLACEHOLDER_EXPANDED_ID = QStringLiteral("slider_placeholder_expanded");
const QString FavoriteControl::SLIDER_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("slider_placeholder_expanded_2");
const QString FavoriteControl::VALUE_PLACEHOLDER_ID = QStringLiteral("value_placeholder");
const QString FavoriteControl::VALUE_PLACEHOLDER_EXPANDED_ID = QStringLiteral("value_placeholder_expanded");
const QString FavoriteControl::VALUE_PLACEHOLDER_EXPANDED_2_ID = QStringLiteral("value_placeholder_expanded_2");
const QString FavoriteControl::LABEL_KEY = QStringLiteral("label_favorite");
const QString FavoriteControl::HOTSPOT_ID = QStringLiteral("hotspot");
const QString FavoriteControl::EDITOR_PLACEHOLDER_ID = QStringLiteral("command_control_placeholder");
const QString FavoriteControl::EDITOR_2_PLACEHOLDER_ID = QStringLiteral("command_control_2_placeholder");

namespace {

constexpr int HIDE_ICONS_DELAY_MS = 1000;
constexpr int EXPAND_DURATION_MS = 300;
constexpr int COLLAPSE_DURATION_MS = 200;
constexpr int SHOW_ICONS_DURATION_MS = 400;
constexpr int HIDE_ICONS_DURATION_MS = 1000;
constexpr qreal MOVING_BACK_OPACITY = 0.5;
constexpr qreal MOVING_ICON_OPACITY = 0.1;

struct StatePlaceholders
{
    QString label;
    QString slider;
    QString value;
    QString close;
    QString resize;
    QString refresh;
};

StatePlaceholders placeholdersFor(FavoriteControl::ExpandedState state)
{
    using F = FavoriteControl;
    switch (state) {
    case F::Expanded:
        return {F::LABEL_PLACEHOLDER_EXPANDED_ID, F::SLIDER_PLACEHOLDER_EXPANDED_ID, F::VALUE_PLACEHOLDER_EXPANDED_ID,
                F::CLOSE_PLACEHOLDER_EXPANDED_ID, F::RESIZE_PLACEHOLDER_EXPANDED_ID, F::REFRESH_PLACEHOLDER_EXPANDED_ID};
    case F::Expanded2:
        return {F::LABEL_PLACEHOLDER_EXPANDED_2_ID, F::SLIDER_PLACEHOLDER_EXPANDED_2_ID,
                F::VALUE_PLACEHOLDER_EXPANDED_2_ID,  F::CLOSE_PLACEHOLDER_EXPANDED_2_ID,
                F::RESIZE_PLACEHOLDER_EXPANDED_2_ID, F::REFRESH_PLACEHOLDER_EXPANDED_2_ID};
    case F::Collapsed:
        break;
    }
    return {F::LABEL_PLACEHOLDER_ID, F::SLIDER_PLACEHOLDER_ID, F::VALUE_PLACEHOLDER_ID,
            F::CLOSE_PLACEHOLDER_ID, F::RESIZE_PLACEHOLDER_ID, F::REFRESH_PLACEHOLDER_ID};
}

// The position that centres item in the from rectangle, moved linearly
// towards the one that centres it in the to rectangle.
QPointF interpolatedPosition(const QRectF& item, const QRectF& from, const QRectF& to, qreal progress)
{
    const auto centred = [&item](const QRectF& area) {
        return QPointF(area.x() + (area.width() - item.width()) / 2 - item.x(),
                       area.y() + (area.height() - item.height()) / 2 - item.y());
    };
    const QPointF start = centred(from);
    return start + (centred(to) - start) * progress;
}

QSizeF defaultSize(const Utilities::RendererContainer* container)
{
    return container && container->renderer() ? QSizeF(container->renderer()->defaultSize()) : QSizeF();
}

} // namespace

FavoriteControl::FavoriteControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_control1ExpandAnimation(this, "control1ExpandProgress", this)
    , m_control2ExpandAnimation(this, "control2ExpandProgress", this)
    , m_buttonsExpandAnimation(this, "buttonsExpandProgress", this)
    , m_showIconsAnimation(this, "showIconsProgress", this)
    , m_hideIconsTimer(this)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    setBounds(QRectF(QPointF(0, 0), defaultSize(rendererContainer())));
    createElements();
    m_hideIconsTimer.setInterval(HIDE_ICONS_DELAY_MS);

    for (CommandControl* ring : {m_commandControl1, m_commandControl2}) {
        connect(ring, &SvgControlObject::elementClick, this, &FavoriteControl::onElementClick);
        connect(ring, &SvgControlObject::elementPress, this, &FavoriteControl::onElementPress);
        connect(ring, &SvgControlObject::elementRelease, this, &FavoriteControl::onElementRelease);
    }
    connect(m_slider, &SvgSliderControl::valueChanged, this, &FavoriteControl::onSliderValueChanged);
    connect(m_label, &Label::textChanged, this, &FavoriteControl::onLabelTextChanged, Qt::DirectConnection);
    connect(&m_hideIconsTimer, &QTimer::timeout, this, &FavoriteControl::onHideIconsTimerTick);
}

void FavoriteControl::readCommandControlPlaceholders()
{
    m_commandControl1Placeholder = boundsOnElement(EDITOR_PLACEHOLDER_ID);
    m_commandControl2Placeholder = boundsOnElement(EDITOR_2_PLACEHOLDER_ID);
}

void FavoriteControl::createElements()
{
    readCommandControlPlaceholders();

    m_centerButton = initContentButton(CENTER_BUTTON_ID);
    m_centerButton->setContentBounds(boundsOnElement(CENTER_PLACEHOLDER_ID));
    m_centerButton->setControlId(CENTER_CONFIG_KEY);
    m_centerButton->setTextIconOrientation(Qt::Vertical);

    // Each ring is stacked just below the item before it.
    m_commandControl1 = new CommandControl(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_COMMAND_CONTROL),
                                           m_commandControl1Placeholder.topLeft(), this);
    addToChildren(m_commandControl1);
    m_commandControl1->stackBefore(m_centerButton);
    m_commandControl1->setVisible(false);

    m_commandControl2 = new CommandControl(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_COMMAND_CONTROL_2),
                                           m_commandControl2Placeholder.topLeft(), this);
    addToChildren(m_commandControl2);
    m_commandControl2->stackBefore(m_commandControl1);
    m_commandControl2->setVisible(false);

    m_slider = new SvgSliderControl(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), this);
    addToChildren(m_slider);
    m_slider->setVisible(false);

    m_label = new Label(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_LABEL),
                        ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_FAVORITE),
                        ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_ON_FAVORITE), this, -1);
    addToChildren(m_label);
    m_label->setButtonConfig(Label::NoButton);
    m_label->setMaxChars(Corvane::Utilities::InitSettings::maxDescriptionChars());
    m_label->setControlId(LABEL_KEY);
    m_label->setTextAlignment(Qt::AlignHCenter);
    connect(m_label, &Label::row2DropDownItemIconClick, this, &FavoriteControl::row2DropDownItemIconClick);
    connect(m_label, &Label::row2DropDownItemTextChanged, this, &FavoriteControl::row2DropDownItemTextChanged);

    m_closeButton = createIcon(CLOSE_BUTTON_ID, CLOSE_PLACEHOLDER_ID);
    m_resizeButton = createIcon(RESIZE_BUTTON_ID, RESIZE_PLACEHOLDER_ID);
    m_refreshButton = createIcon(REFRESH_BUTTON_ID, REFRESH_PLACEHOLDER_ID);

    m_moveIndicator = initElement(MOVE_INDICATOR_ID);

    applyMoveVisuals();
    setFromBoundsForExpandedState(Collapsed);
    setToBoundsForExpandedState(Collapsed);
    m_slider->setBounds(QRectF(QPointF(0, 0), m_sliderBounds.from.size()));
    m_label->setBounds(QRectF(QPointF(0, 0), m_labelBounds.from.size()));
    updateHotspot();
    setExpandPositions();
    parentOffsetChanged();
}

SvgButton* FavoriteControl::createIcon(const QString& id, const QString& placeholderId)
{
    SvgButton* icon = initButton(id);
    icon->setCustomBoundsElementId(placeholderId);
    icon->setOpacity(0.0);
    return icon;
}

void FavoriteControl::updateHotspot()
{
    const QRectF spot = boundsOnElement(HOTSPOT_ID);
    if (spot.width() > 0 && spot.height() > 0) {
        m_hotspot = spot.center();
        return;
    }
    // Whole-number halves: an odd size loses its half pixel.
    const QSize size = defaultSize(rendererContainer()).toSize();
    m_hotspot = QPointF(size.width() / 2, size.height() / 2);
}

void FavoriteControl::setFromBoundsForExpandedState(ExpandedState state)
{
    computeBoundsForExpandedState(state, &BoundsPair::from);
}

void FavoriteControl::setToBoundsForExpandedState(ExpandedState state)
{
    computeBoundsForExpandedState(state, &BoundsPair::to);
}

void FavoriteControl::computeBoundsForExpandedState(ExpandedState state, QRectF BoundsPair::*side)
{
    const StatePlaceholders ids = placeholdersFor(state);

    // The label is centred horizontally and top-aligned in its placeholder.
    const QRectF labelArea = boundsOnElement(ids.label);
    const QRectF labelTotal = m_label->totalBounds();
    const QRectF label(labelArea.x() + (labelArea.width() - labelTotal.width()) / 2 - labelTotal.x(), labelArea.y(),
                       labelTotal.width(), labelTotal.height());
    m_labelBounds.*side = label;

    // The slider hangs directly under the label, centred in its placeholder.
    const QRectF sliderArea = boundsOnElement(ids.slider);
    const QRectF sliderOnly = m_slider->totalSliderOnlyBounds();
    const QRectF slider(sliderArea.x() + (sliderArea.width() - sliderOnly.width()) / 2, label.bottom(),
                        sliderOnly.width(), sliderOnly.height());
    m_sliderBounds.*side = slider;

    // The value text sits under the label when collapsed, under the slider otherwise.
    const QRectF valueArea = boundsOnElement(ids.value);
    const qreal valueTop = state == Collapsed ? label.bottom() : slider.bottom();
    m_valueBounds.*side = QRectF(valueArea.x() + valueArea.width() / 2, valueTop, 1, 1);

    m_closeBounds.*side = boundsOnElement(ids.close);
    m_resizeBounds.*side = boundsOnElement(ids.resize);
    m_refreshBounds.*side = boundsOnElement(ids.refresh);
}

void FavoriteControl::setExpandPositions()
{
    const qreal p = m_buttonsExpandProgress;
    m_label->setOffset(interpolatedPosition(m_label->totalBounds(), m_labelBounds.from, m_labelBounds.to, p));
    m_slider->setOffset(interpolatedPosition(m_slider->scaledBounds(), m_sliderBounds.from, m_sliderBounds.to, p));

    const QPointF valuePoint = interpolatedPosition(QRectF(0, 0, -1, -1), m_valueBounds.from, m_valueBounds.to, p);
    m_slider->setTextOffset(m_slider->mapFromParent(valuePoint));

    m_refreshButton->setOffset(
        interpolatedPosition(m_refreshButton->boundingRect(), m_refreshBounds.from, m_refreshBounds.to, p));
    m_closeButton->setOffset(
        interpolatedPosition(m_closeButton->boundingRect(), m_closeBounds.from, m_closeBounds.to, p));
    m_resizeButton->setOffset(
        interpolatedPosition(m_resizeButton->boundingRect(), m_resizeBounds.from, m_resizeBounds.to, p));
}

// Content.

void FavoriteControl::updateContent(const Models::NavigationIcon& icon)
{
    m_centerButton->setIconRenderer(icon.renderer());
    m_centerButton->setText(icon.text());
    m_centerButton->setIconElement(Models::NavigationIcon::getElementIdForState(icon.state()));
    m_centerButton->setIconOpacity(1.0, 1.0, currentIconOpacity());
    update();
}

void FavoriteControl::setIconRenderer(const Utilities::IconRenderer& iconRenderer)
{
    m_centerButton->setIconRenderer(iconRenderer);
    update();
}

Utilities::IconRenderer FavoriteControl::iconRenderer() const
{
    return m_centerButton->iconRenderer();
}

void FavoriteControl::setLabelText(const QString& text)
{
    m_label->setText(text);
}

QString FavoriteControl::editedText() const
{
    return m_label->editedText();
}

void FavoriteControl::setLabelSupportsExtendedInfo(bool supports)
{
    m_label->setIsDoubleRowLabel(supports);
    // The parts under the label move to fit its new height.
    startButtonsExpandAnimation(m_currentState);
}

void FavoriteControl::setLabelExtendedInfo(const QString& text)
{
    m_label->setRow2DropDownText(text);
}

void FavoriteControl::setLabelDropDownModel(const Models::DropDownModel& model)
{
    m_label->setRow2DropDownModel(model);
}

void FavoriteControl::setLabelDropDownItemsModels(const QList<Models::DropDownItemModel*>& itemsModels)
{
    m_label->setRow2DropDownItems(itemsModels);
}

// Slider.

void FavoriteControl::setSliderVisible(bool visible)
{
    m_slider->setVisible(visible);
}

bool FavoriteControl::sliderVisible() const
{
    return m_slider->isVisible();
}

void FavoriteControl::setSliderComponentsVisibility(bool item, bool text, bool image)
{
    m_slider->setVisible(item);
    m_slider->setTextVisible(text);
    m_slider->setImageVisible(image);
}

void FavoriteControl::setHideSliderOnCollapse(bool hide)
{
    m_hideSliderOnCollapse = hide;
    if (hide)
        applyHideSliderOnCollapse();
}

void FavoriteControl::setHideSliderTextOnCollapse(bool hide)
{
    m_hideSliderTextOnCollapse = hide;
    if (hide)
        applyHideSliderTextOnCollapse();
}

void FavoriteControl::applyHideSliderOnCollapse()
{
    m_slider->setSliderOpacity(m_control1ExpandProgress);
    m_slider->setImageVisible(m_control1ExpandProgress > 0);
}

void FavoriteControl::applyHideSliderTextOnCollapse()
{
    m_slider->setSliderTextOpacity(m_control1ExpandProgress);
}

void FavoriteControl::setSliderValue(double value)
{
    m_slider->setValue(value);
    update();
}

double FavoriteControl::sliderValue() const
{
    return m_slider->value();
}

double FavoriteControl::sliderMinValue() const
{
    return m_slider->minValue();
}

double FavoriteControl::sliderMaxValue() const
{
    return m_slider->maxValue();
}

double FavoriteControl::sliderValueStep() const
{
    return m_slider->valueStep();
}

int FavoriteControl::sliderValuePrecision() const
{
    return m_slider->valuePrecision();
}

void FavoriteControl::setSliderValueBounds(double minValue, double maxValue, double step)
{
    m_slider->setValueBounds(minValue, maxValue, step);
}

void FavoriteControl::setSliderValueStep(double step)
{
    m_slider->setValueStep(step);
}

void FavoriteControl::setSliderValuePrecision(int precision)
{
    m_slider->setValuePrecision(precision);
}

void FavoriteControl::setSliderValueFormat(const QString& format)
{
    m_slider->setValueFormat(format);
}

void FavoriteControl::setSliderInvalidValueSteps(const QSet<int>& steps)
{
    m_slider->setInvalidValueSteps(steps);
}

// Command rings.

void FavoriteControl::setCommand1Buttons(const QList<CommandControl::ButtonData>& buttons)
{
    m_commandControl1->setActiveButtons(buttons, CommandControl::POINT_EMPTY);
}

void FavoriteControl::setCommand2Buttons(const QList<CommandControl::ButtonData>& buttons)
{
    m_commandControl2->setActiveButtons(buttons, CommandControl::POINT_EMPTY);
}

void FavoriteControl::setCommand1Buttons(const QList<CommandControl::ButtonData>& buttons, bool useEvenSegments,
                                         const QPointF& startPoint)
{
    m_commandControl1->setActiveButtons(buttons, useEvenSegments, startPoint);
}

void FavoriteControl::setCommand2Buttons(const QList<CommandControl::ButtonData>& buttons, bool useEvenSegments,
                                         const QPointF& startPoint)
{
    m_commandControl2->setActiveButtons(buttons, useEvenSegments, startPoint);
}

void FavoriteControl::setCommand1SelectedButton(const QString& buttonId)
{
    m_commandControl1->setSelectedButton(buttonId);
}

void FavoriteControl::setCommand2SelectedButton(const QString& buttonId)
{
    m_commandControl2->setSelectedButton(buttonId);
}

void FavoriteControl::setCommandControlButtonIcon(const QString& buttonId, const Models::NavigationIcon& icon)
{
    m_commandControl1->setButtonIcon(buttonId, icon);
    m_commandControl2->setButtonIcon(buttonId, icon);
}

QString FavoriteControl::getButtonId(SvgElement* element) const
{
    const QString id = m_commandControl1->getButtonId(element);
    return id.isEmpty() ? m_commandControl2->getButtonId(element) : id;
}

QPointF FavoriteControl::getCommandButtonCenter(SvgElement* element) const
{
    for (const CommandControl* ring : {m_commandControl1, m_commandControl2}) {
        const QString id = ring->getButtonId(element);
        if (!id.isEmpty())
            return ring->getButtonCenter(ring->getButtonIndex(id));
    }
    return QPointF(0, 0);
}

// Layout states.

void FavoriteControl::showCommandControl1()
{
    m_commandControl1->setVisible(true);
    startExpand1Animation(true);
    startButtonsExpandAnimation(Expanded);
}

void FavoriteControl::showCommandControl2()
{
    m_commandControl2->setVisible(true);
    startExpand2Animation(true);
    startButtonsExpandAnimation(Expanded2);
}

// The second ring grows out of the first: closing the first closes it too.
void FavoriteControl::hideCommandControl1()
{
    if (m_currentState == Expanded2)
        m_commandControl1->deselectAll();
    startExpand2Animation(false);
    startExpand1Animation(false);
    startButtonsExpandAnimation(Collapsed);
}

void FavoriteControl::hideCommandControl2()
{
    if (m_currentState != Expanded2)
        return;
    m_commandControl1->deselectAll();
    startExpand2Animation(false);
    startButtonsExpandAnimation(Expanded);
}

void FavoriteControl::hideCommandControls()
{
    startExpand2Animation(false);
    startExpand1Animation(false);
    startButtonsExpandAnimation(Collapsed);
}

void FavoriteControl::showIcons()
{
    m_hideIconsTimer.stop();
    startShowIconsAnimation(true);
}

void FavoriteControl::hideIcons()
{
    startShowIconsAnimation(false);
}

// Progress properties.

void FavoriteControl::setExpandProgress(qreal progress, const QRectF& start, const QRectF& target,
                                        CommandControl* ring)
{
    if (!ring || target.width() <= 0)
        return;
    const qreal startScale = start.width() / target.width();
    const qreal growth = 1.0 - startScale;
    const qreal cx = target.x() + target.width() * growth / 2;
    const qreal cy = target.y() + target.height() * growth / 2;
    ring->setOffset(QPointF(cx - (cx - target.x()) * progress, cy - (cy - target.y()) * progress));
    ring->setTransformOriginPoint(ring->boundingRect().topLeft());
    ring->setScale(startScale + growth * progress);
}

void FavoriteControl::setControl1ExpandProgress(qreal progress)
{
    m_control1ExpandProgress = progress;
    setExpandProgress(progress, m_centerButton->scaledBounds(), m_commandControl1Placeholder, m_commandControl1);
    if (m_hideSliderOnCollapse)
        applyHideSliderOnCollapse();
    if (m_hideSliderTextOnCollapse)
        applyHideSliderTextOnCollapse();
    if (m_control1ExpandAnimation.endValue().toReal() == progress && progress == 0.0)
        m_commandControl1->setVisible(false);
    update();
}

void FavoriteControl::setControl2ExpandProgress(qreal progress)
{
    m_control2ExpandProgress = progress;
    setExpandProgress(progress, m_commandControl1Placeholder, m_commandControl2Placeholder, m_commandControl2);
    const qreal end = m_control2ExpandAnimation.endValue().toReal();
    if (MathTools::equals(end, progress) && MathTools::equals(progress, 0.0)) {
        m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_commandControl2->setVisible(false);
    }
    if (MathTools::equals(end, 1.0))
        m_commandControl1->setExpandIndicatorsState(SvgButton::Disabled);
    update();
}

void FavoriteControl::setShowIconsProgress(qreal progress)
{
    for (SvgButton* icon : {m_closeButton, m_refreshButton, m_resizeButton})
        icon->setOpacity(progress);
    m_showIconsProgress = progress;
}

void FavoriteControl::setButtonsExpandProgress(qreal progress)
{
    m_buttonsExpandProgress = progress;
    setExpandPositions();
}

// Animations.

void FavoriteControl::startAnimation(QPropertyAnimation& animation, qreal current, qreal end, int duration,
                                     QEasingCurve::Type easing)
{
    animation.stop();
    if (current == end)
        return;
    animation.setStartValue(current);
    animation.setEndValue(end);
    animation.setDuration(duration);
    animation.setEasingCurve(easing);
    animation.start();
}

void FavoriteControl::startExpand1Animation(bool expand)
{
    startAnimation(m_control1ExpandAnimation, m_control1ExpandProgress, expand ? 1.0 : 0.0,
                   expand ? EXPAND_DURATION_MS : COLLAPSE_DURATION_MS,
                   expand ? QEasingCurve::OutBounce : QEasingCurve::InSine);
    // A ring shown but never unfolded has nothing to animate back: hide it at once.
    if (!expand && m_control1ExpandProgress == 0.0)
        m_commandControl1->setVisible(false);
}

void FavoriteControl::startExpand2Animation(bool expand)
{
    startAnimation(m_control2ExpandAnimation, m_control2ExpandProgress, expand ? 1.0 : 0.0,
                   expand ? EXPAND_DURATION_MS : COLLAPSE_DURATION_MS,
                   expand ? QEasingCurve::OutBounce : QEasingCurve::InSine);
    if (!expand && MathTools::equals(m_control2ExpandProgress, 0.0) && m_commandControl2->isVisible()) {
        m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_commandControl2->setVisible(false);
    }
}

void FavoriteControl::startShowIconsAnimation(bool show)
{
    startAnimation(m_showIconsAnimation, m_showIconsProgress, show ? 1.0 : 0.0,
                   show ? SHOW_ICONS_DURATION_MS : HIDE_ICONS_DURATION_MS,
                   show ? QEasingCurve::OutCubic : QEasingCurve::Linear);
}

void FavoriteControl::startButtonsExpandAnimation(ExpandedState newState)
{
    m_previousState = m_currentState;
    m_currentState = newState;
    setFromBoundsForExpandedState(m_previousState);
    setToBoundsForExpandedState(m_currentState);
    const bool grows = m_currentState > m_previousState;
    startAnimation(m_buttonsExpandAnimation, 0.0, 1.0, grows ? EXPAND_DURATION_MS : COLLAPSE_DURATION_MS,
                   grows ? QEasingCurve::OutBounce : QEasingCurve::InSine);
}

// Moving.

qreal FavoriteControl::currentBackOpacity() const
{
    return m_moving ? MOVING_BACK_OPACITY : 1.0;
}

qreal FavoriteControl::currentIconOpacity() const
{
    return m_moving ? MOVING_ICON_OPACITY : 1.0;
}

void FavoriteControl::applyMoveVisuals()
{
    const qreal back = currentBackOpacity();
    m_centerButton->setOpacity(back);
    m_centerButton->setIconOpacity(1.0, 1.0, currentIconOpacity());
    for (SvgControl* part : std::initializer_list<SvgControl*>{m_commandControl1, m_commandControl2, m_label, m_slider})
        part->setOpacity(back);
    for (SvgButton* icon : {m_refreshButton, m_closeButton, m_resizeButton}) {
        if (icon->isVisible() && icon->opacity() > 0)
            icon->setOpacity(back);
    }
    m_moveIndicator->setVisible(m_moving);
}

void FavoriteControl::setMoving(bool moving)
{
    m_moving = moving;
    applyMoveVisuals();
}

void FavoriteControl::mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mousePressAndHoldEvent(event);
    if (!event->isAccepted() && m_centerButton->hitTest(event->scenePos()))
        setMoving(true);
}

void FavoriteControl::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                             void* pressConsumer)
{
    SvgControlObject::mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
    if (event->isAccepted())
        return;
    if (isConsumer(pressConsumer, m_centerButton)) {
        if (!m_moving)
            setMoving(true);
        emit elementDrag(m_centerButton, event);
    } else if (isConsumer(pressConsumer, m_resizeButton)) {
        emit elementDrag(m_resizeButton, event);
    }
}

void FavoriteControl::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (m_moving)
        setMoving(false);
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

// Hover and press.

void FavoriteControl::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    SvgControlObject::handleMousePress(event, consumer);
    showIcons();
}

void FavoriteControl::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverEnterEvent(event);
    showIcons();
}

void FavoriteControl::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverMoveEvent(event);
    showIcons();
}

void FavoriteControl::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverLeaveEvent(event);
    m_hideIconsTimer.start();
}

void FavoriteControl::onHideIconsTimerTick()
{
    m_hideIconsTimer.stop();
    hideIcons();
}

// Relays.

void FavoriteControl::onElementClick(SvgElement* element)
{
    emit elementClick(element);
}

void FavoriteControl::onElementPress(SvgElement* element)
{
    emit elementPress(element);
}

void FavoriteControl::onElementRelease(SvgElement* element)
{
    emit elementRelease(element);
}

void FavoriteControl::onSliderValueChanged()
{
    emit sliderValueChanged();
}

void FavoriteControl::onLabelTextChanged(bool& canChange)
{
    emit labelTextChanged(canChange);
}

// Offsets and theme.

void FavoriteControl::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    setExpandPositions();
}

void FavoriteControl::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    setExpandPositions();
}

void FavoriteControl::updateCachedData()
{
    SvgControlObject::updateCachedData();
    setBounds(QRectF(QPointF(0, 0), defaultSize(rendererContainer())));
    m_centerButton->setContentBounds(boundsOnElement(CENTER_PLACEHOLDER_ID));
    readCommandControlPlaceholders();
    setFromBoundsForExpandedState(m_previousState);
    setToBoundsForExpandedState(m_currentState);
    parentOffsetChanged();
    updateHotspot();
    setControl1ExpandProgress(m_control1ExpandProgress);
    setControl2ExpandProgress(m_control2ExpandProgress);
    setExpandPositions();
}

} // namespace Corvane::Gadgets
