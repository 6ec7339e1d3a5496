#include "navigation/NavigationLabels.h"

#include "controls/ElementBoundsCache.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "slider/SvgSliderControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"

#include <QGraphicsScene>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

const QString NavigationLabels::TOOLTIP_PLACEHOLDER = QStringLiteral("tooltip_%1_placeholder");
const QString NavigationLabels::TOOLTIP_EXPANDED_PLACEHOLDER = QStringLiteral("tooltip_%1_placeholder_expanded");
const QString NavigationLabels::TOOLTIP_EXPANDED_2_PLACEHOLDER = QStringLiteral("tooltip_%1_placeholder_expanded_2");
const QString NavigationLabels::SLIDER_PLACEHOLDER = QStringLiteral("slider_%1_placeholder");
const QString NavigationLabels::SLIDER_EXPANDED_PLACEHOLDER = QStringLiteral("slider_%1_placeholder_expanded");
const QString NavigationLabels::SLIDER_EXPANDED_2_PLACEHOLDER = QStringLiteral("slider_%1_placeholder_expanded_2");
const QString NavigationLabels::LABEL_KEY = QStringLiteral("label_navigation");

namespace {

constexpr int MAX_LABELS = 100;
constexpr qreal VALUE_TEXT_TOP = -3.0;
constexpr int EXPAND_DURATION = 300;
constexpr int COLLAPSE_DURATION = 200;

QPointF interpolate(const QRectF& from, const QRectF& to, qreal progress)
{
    return from.topLeft() + (to.topLeft() - from.topLeft()) * progress;
}

} // namespace

NavigationLabels::NavigationLabels(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_expandAnimation(this, "expandProgress")
{
    createLabels();
    createSliders();
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);

    setBoundsForState(m_expandedState, m_labelRects, m_sliderRects, m_sliderValueRects, -1);
    setBoundsForState(m_previousExpandedState, m_previousLabelRects, m_previousSliderRects,
                      m_previousSliderValueRects, -1);
    setExpandProgress(m_expandProgress);
    hideAllSlidersImages();
}

void NavigationLabels::createLabels()
{
    Utilities::RendererContainer* tooltip = ThemeProvider::getRendererFor(ThemeProvider::TOOLTIP);
    Utilities::RendererContainer* dropDown = ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN);
    Utilities::RendererContainer* dropDownOn = ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_ON);
    QSvgRenderer* own = svgRenderer();
    for (int number = 1; number <= MAX_LABELS; ++number) {
        const QString placeholder = TOOLTIP_PLACEHOLDER.arg(number);
        if (!own || !ElementBoundsCache::exists(own, placeholder))
            break;
        auto* label = new Label(tooltip, dropDown, dropDownOn, this, number);
        label->setControlId(LABEL_KEY);
        label->setFlag(ItemStacksBehindParent);
        label->setMaxChars(Corvane::Utilities::InitSettings::maxDescriptionChars());
        addToChildrensList(label);
        m_labels.append(label);
        label->setBounds(boundsOnElement(placeholder));

        connect(label, &Label::refreshButtonClicked, this, &NavigationLabels::onLabelRefreshClicked);
        // The veto is read as soon as the emit returns: direct connection only.
        connect(label, &Label::textChanged, this, &NavigationLabels::onLabelTextChanged, Qt::DirectConnection);
        connect(label, &Label::isInEditModeChanged, this, &NavigationLabels::onLabelEditingChanged);
        connect(label, &Label::row2DropDownItemIconClick, this, &NavigationLabels::onRow2DropDownItemIconClick);
        connect(label, &Label::row2DropDownItemTextChanged, this, &NavigationLabels::onRow2DropDownItemTextChanged);
        connect(label, &Label::textIsScrolling, this, &NavigationLabels::labelTextScrolling);
    }
}

void NavigationLabels::createSliders()
{
    Utilities::RendererContainer* sliderRenderer = ThemeProvider::getRendererFor(ThemeProvider::SLIDER);
    for (int index = 0; index < m_labels.size(); ++index) {
        auto* slider = new SvgSliderControl(sliderRenderer, this, /*hidden=*/true);
        slider->setFlag(ItemStacksBehindParent);
        addToChildrensList(slider);
        m_sliders.append(slider);
        slider->setBounds(placeholderBounds(SLIDER_PLACEHOLDER, TOOLTIP_PLACEHOLDER, index));
        connect(slider, &SvgSliderControl::valueChanged, this, &NavigationLabels::onSliderValueChanged);
    }
}

Label* NavigationLabels::labelAt(int index) const
{
    return isValidIndex(index) ? m_labels.at(index) : nullptr;
}

SvgSliderControl* NavigationLabels::sliderAt(int index) const
{
    return isValidIndex(index) ? m_sliders.at(index) : nullptr;
}

void NavigationLabels::setText(int index, const QString& text)
{
    if (isValidIndex(index))
        m_labels.at(index)->setText(text);
}

QString NavigationLabels::textAt(int index) const
{
    return isValidIndex(index) ? m_labels.at(index)->text() : QString();
}

QString NavigationLabels::editedTextAt(int index) const
{
    return isValidIndex(index) ? m_labels.at(index)->editedText() : QString();
}

void NavigationLabels::setVisibleAt(int index, bool visible)
{
    if (!isValidIndex(index))
        return;
    m_labels.at(index)->setVisible(visible);
    m_sliders.at(index)->setVisible(visible);
}

void NavigationLabels::setTextOpacityAt(int index, qreal opacity)
{
    if (!isValidIndex(index))
        return;
    m_labels.at(index)->setTextOpacity(opacity);
    m_sliders.at(index)->setOpacity(opacity);
}

void NavigationLabels::setSupportsExtendedMode(int index, bool supported)
{
    // Every change of a device's icon tells its label again: only a change
    // of rows lays the labels out again.
    if (!isValidIndex(index) || m_labels.at(index)->isDoubleRowLabel() == supported)
        return;
    m_labels.at(index)->setIsDoubleRowLabel(supported);
    recomputeIndex(index);
}

void NavigationLabels::setExtendedModeDropDownModel(int index, const Models::DropDownModel& model)
{
    if (isValidIndex(index))
        m_labels.at(index)->setRow2DropDownModel(model);
}

void NavigationLabels::setExtendedModeDropDownText(int index, const QString& text)
{
    if (isValidIndex(index))
        m_labels.at(index)->setRow2DropDownText(text);
}

void NavigationLabels::setExtendedModeDropDownItems(int index, const QList<Models::DropDownItemModel*>& items)
{
    if (isValidIndex(index))
        m_labels.at(index)->setRow2DropDownItems(items);
}

void NavigationLabels::setSliderVisible(int index, bool visible)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setVisible(visible);
}

void NavigationLabels::setSliderImageVisible(int index, bool visible)
{
    if (!isValidIndex(index))
        return;
    m_sliders.at(index)->setImageVisible(visible);
    recomputeIndex(index);
}

void NavigationLabels::setSliderTextVisible(int index, bool visible)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setTextVisible(visible);
}

void NavigationLabels::setSliderValue(int index, qreal value)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setValue(value);
}

void NavigationLabels::setSliderValueBounds(int index, qreal minValue, qreal maxValue, qreal step)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setValueBounds(minValue, maxValue, step);
}

void NavigationLabels::setSliderValueStep(int index, qreal step)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setValueStep(step);
}

void NavigationLabels::setSliderInvalidValueSteps(int index, const QSet<int>& steps)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setInvalidValueSteps(steps);
}

void NavigationLabels::setSliderValueFormat(int index, const QString& format)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setValueFormat(format);
}

void NavigationLabels::setSliderValuePrecision(int index, int precision)
{
    if (isValidIndex(index))
        m_sliders.at(index)->setValuePrecision(precision);
}

qreal NavigationLabels::sliderValue(int index) const
{
    return isValidIndex(index) ? m_sliders.at(index)->value() : 0.0;
}

void NavigationLabels::moveSliderUp(int index)
{
    if (isValidIndex(index) && m_sliders.at(index)->imageVisible())
        m_sliders.at(index)->setNextValue();
}

void NavigationLabels::moveSliderDown(int index)
{
    if (isValidIndex(index) && m_sliders.at(index)->imageVisible())
        m_sliders.at(index)->setPreviousValue();
}

void NavigationLabels::applyCurrentValue(int index)
{
    if (isValidIndex(index))
        emit sliderValueChanged(index);
}

void NavigationLabels::setTextOpacity(qreal opacity)
{
    for (int index = 0; index < m_labels.size(); ++index)
        setTextOpacityAt(index, opacity);
}

void NavigationLabels::showAllSliders()
{
    for (SvgSliderControl* slider : std::as_const(m_sliders))
        slider->setVisible(true);
}

void NavigationLabels::hideAllSliders()
{
    for (SvgSliderControl* slider : std::as_const(m_sliders))
        slider->setVisible(false);
}

void NavigationLabels::hideAllSlidersTexts()
{
    for (SvgSliderControl* slider : std::as_const(m_sliders))
        slider->setTextVisible(false);
}

void NavigationLabels::hideAllSlidersImages()
{
    for (int index = 0; index < m_sliders.size(); ++index)
        setSliderImageVisible(index, false);
}

void NavigationLabels::setCanEditLabels(bool canEdit)
{
    for (Label* label : std::as_const(m_labels))
        label->setIsReadOnly(!canEdit);
}

void NavigationLabels::setLabelsRefreshButtonsVisible(bool visible)
{
    for (Label* label : std::as_const(m_labels))
        label->setButtonConfig(visible ? Label::RefreshButton : Label::NoButton);
}

bool NavigationLabels::isEditing() const
{
    for (const Label* label : std::as_const(m_labels)) {
        if (label->isInEditMode())
            return true;
    }
    return false;
}

void NavigationLabels::setExpandedState(ExpandedState state)
{
    if (state == m_expandedState && m_expandAnimation.state() == QAbstractAnimation::Running)
        return;
    const bool expanding = state > m_expandedState;
    m_previousExpandedState = m_expandedState;
    m_expandedState = state;
    m_previousLabelRects = m_labelRects;
    m_previousSliderRects = m_sliderRects;
    m_previousSliderValueRects = m_sliderValueRects;
    setBoundsForState(m_expandedState, m_labelRects, m_sliderRects, m_sliderValueRects, -1);
    if (expanding)
        startExpandAnimation(QEasingCurve::OutBounce, EXPAND_DURATION);
    else
        startExpandAnimation(QEasingCurve::InSine, COLLAPSE_DURATION);
}

void NavigationLabels::setExpandProgress(qreal progress)
{
    for (int index = 0; index < m_labels.size(); ++index) {
        m_labels.at(index)->setOffset(interpolate(m_previousLabelRects.at(index), m_labelRects.at(index), progress));
        SvgSliderControl* slider = m_sliders.at(index);
        slider->setOffset(interpolate(m_previousSliderRects.at(index), m_sliderRects.at(index), progress));
        slider->setTextOffset(
            interpolate(m_previousSliderValueRects.at(index), m_sliderValueRects.at(index), progress));
    }
    m_expandProgress = progress;
    if (scene())
        scene()->update();
}

void NavigationLabels::startExpandAnimation(const QEasingCurve& easing, int duration)
{
    m_expandAnimation.stop();
    m_expandAnimation.setEasingCurve(easing);
    m_expandAnimation.setDuration(duration);
    // An interrupted move continues from the mirrored point, without a jump.
    m_expandAnimation.setStartValue(1.0 - m_expandProgress);
    m_expandAnimation.setEndValue(1.0);
    m_expandAnimation.start();
}

QRectF NavigationLabels::placeholderBounds(const QString& stateTemplate, const QString& collapsedTemplate,
                                           int index) const
{
    // The label's own placeholder always exists (it is what created the label),
    // so a slider without any placeholder at least hangs centred under it.
    QSvgRenderer* own = svgRenderer();
    for (const QString& idTemplate : {stateTemplate, collapsedTemplate, TOOLTIP_PLACEHOLDER}) {
        const QString id = idTemplate.arg(index + 1);
        if (own && ElementBoundsCache::exists(own, id))
            return boundsOnElement(id);
    }
    // Only a later theme with fewer labels than the one at construction.
    return QRectF();
}

void NavigationLabels::computeRects(ExpandedState state, int index, QRectF& labelRect, QRectF& sliderRect,
                                    QRectF& sliderValueRect) const
{
    const QString& tooltipTemplate = state == Expanded    ? TOOLTIP_EXPANDED_PLACEHOLDER
                                     : state == Expanded2 ? TOOLTIP_EXPANDED_2_PLACEHOLDER
                                                          : TOOLTIP_PLACEHOLDER;
    const QString& sliderTemplate = state == Expanded    ? SLIDER_EXPANDED_PLACEHOLDER
                                    : state == Expanded2 ? SLIDER_EXPANDED_2_PLACEHOLDER
                                                         : SLIDER_PLACEHOLDER;
    const Label* label = m_labels.at(index);
    const SvgSliderControl* slider = m_sliders.at(index);

    const QRectF placeholder = placeholderBounds(tooltipTemplate, TOOLTIP_PLACEHOLDER, index);
    const QRectF total = label->totalBounds();
    const QRectF background = label->backgroundBounds();
    labelRect = QRectF(placeholder.x() + (placeholder.width() - total.width()) / 2 - total.x(),
                       placeholder.y() + (placeholder.height() - background.height()) / 2, total.width(),
                       background.height());

    const QRectF sliderPlaceholder = placeholderBounds(sliderTemplate, SLIDER_PLACEHOLDER, index);
    const QRectF sliderOnly = slider->totalSliderOnlyBounds();
    sliderRect = QRectF(sliderPlaceholder.x() + (sliderPlaceholder.width() - sliderOnly.width()) / 2,
                        labelRect.y() + labelRect.height(), sliderOnly.width(), sliderOnly.height());

    // The value text hangs under the bar, or, without a bar, is centred over
    // the label's width at the slider's top.
    const QRectF textBox = slider->imageVisible()
                               ? QRectF(0, VALUE_TEXT_TOP, sliderRect.width(), sliderRect.height())
                               : QRectF(int(labelRect.x() - sliderRect.x()), VALUE_TEXT_TOP, int(labelRect.width()), 0);
    sliderValueRect = QRectF(textBox.x() + textBox.width() / 2, textBox.height(), 1, 1);
}

QRectF NavigationLabels::reachInState(ExpandedState state) const
{
    QRectF reach;
    for (int index = 0; index < m_labels.size(); ++index) {
        const Label* label = m_labels.at(index);
        QRectF labelRect;
        QRectF sliderRect;
        QRectF sliderValueRect;
        computeRects(state, index, labelRect, sliderRect, sliderValueRect);
        reach |= (label->boundingRect() | label->childrenBoundingRect()).translated(labelRect.topLeft());
        const SvgSliderControl* slider = m_sliders.at(index);
        reach |= (slider->boundingRect() | slider->childrenBoundingRect()).translated(sliderRect.topLeft());
    }
    return reach;
}

void NavigationLabels::setBoundsForState(ExpandedState state, QList<QRectF>& labelRects, QList<QRectF>& sliderRects,
                                         QList<QRectF>& sliderValueRects, int index)
{
    QRectF labelRect;
    QRectF sliderRect;
    QRectF sliderValueRect;
    if (index >= 0) {
        if (!isValidIndex(index) || index >= labelRects.size())
            return;
        computeRects(state, index, labelRect, sliderRect, sliderValueRect);
        labelRects[index] = labelRect;
        sliderRects[index] = sliderRect;
        sliderValueRects[index] = sliderValueRect;
        return;
    }
    labelRects.clear();
    sliderRects.clear();
    sliderValueRects.clear();
    for (int i = 0; i < m_labels.size(); ++i) {
        computeRects(state, i, labelRect, sliderRect, sliderValueRect);
        labelRects.append(labelRect);
        sliderRects.append(sliderRect);
        sliderValueRects.append(sliderValueRect);
    }
}

void NavigationLabels::recomputeIndex(int index)
{
    // A label or slider that changed its size has it at both ends of a
    // running move, so its slider never hangs from the old label's edge.
    setBoundsForState(m_expandedState, m_labelRects, m_sliderRects, m_sliderValueRects, index);
    setBoundsForState(m_previousExpandedState, m_previousLabelRects, m_previousSliderRects,
                      m_previousSliderValueRects, index);
    setExpandProgress(m_expandProgress);
}

void NavigationLabels::recomputeAll()
{
    setBoundsForState(m_expandedState, m_labelRects, m_sliderRects, m_sliderValueRects, -1);
    setBoundsForState(m_previousExpandedState, m_previousLabelRects, m_previousSliderRects,
                      m_previousSliderValueRects, -1);
    setExpandProgress(m_expandProgress);
}

void NavigationLabels::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    setExpandProgress(m_expandProgress);
}

void NavigationLabels::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    setExpandProgress(m_expandProgress);
}

void NavigationLabels::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    setExpandProgress(m_expandProgress);
}

void NavigationLabels::updateCachedData()
{
    SvgControlObject::updateCachedData();
    recomputeAll();
}

int NavigationLabels::labelIndexOfSender() const
{
    return m_labels.indexOf(qobject_cast<Label*>(sender()));
}

void NavigationLabels::onSliderValueChanged()
{
    const int index = m_sliders.indexOf(qobject_cast<SvgSliderControl*>(sender()));
    if (index >= 0)
        emit sliderValueChanged(index);
}

void NavigationLabels::onLabelRefreshClicked()
{
    const int index = labelIndexOfSender();
    if (index >= 0)
        emit labelRefreshClicked(index);
}

void NavigationLabels::onLabelTextChanged(bool& canRename)
{
    const int index = labelIndexOfSender();
    if (index >= 0)
        emit labelTextChanged(index, canRename);
}

void NavigationLabels::onLabelEditingChanged(bool inEditMode)
{
    const int index = labelIndexOfSender();
    if (index < 0)
        return;
    if (inEditMode)
        emit labelEditStart(index);
    else
        emit labelEditEnd(index);
}

void NavigationLabels::onRow2DropDownItemIconClick(int itemIndex, const Models::DropDownItemModel* model)
{
    const int index = labelIndexOfSender();
    if (index >= 0)
        emit row2DropDownItemIconClick(index, itemIndex, model);
}

void NavigationLabels::onRow2DropDownItemTextChanged(int itemIndex, const Models::DropDownItemModel* model,
                                                     QString text)
{
    const int index = labelIndexOfSender();
    if (index >= 0)
        emit row2DropDownItemTextChanged(index, itemIndex, model, text);
}

} // namespace Corvane::Gadgets
