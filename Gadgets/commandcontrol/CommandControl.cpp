#include "commandcontrol/CommandControl.h"

#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "theme/RendererContainer.h"

#include "log/Logger.h"

#include <QLineF>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Log::Logger;
using Models::NavigationIcon;

const QString CommandControl::BACKGROUND_ID = QStringLiteral("background");
const QString CommandControl::ODD_ID = QStringLiteral("odd_%1");
const QString CommandControl::EVEN_ID = QStringLiteral("even_%1");
const QString CommandControl::SEGMENT_ID = QStringLiteral("segment_%1");
const QString CommandControl::ODD_EXPAND_INDICATOR_ID = QStringLiteral("expand_indicator_odd_%1");
const QString CommandControl::EVEN_EXPAND_INDICATOR_ID = QStringLiteral("expand_indicator_even_%1");
const QString CommandControl::EXPAND_INDICATOR_ID = QStringLiteral("expand_indicator_%1");
const QString CommandControl::PLACEHOLDER_SUFFIX = QStringLiteral("_content_placeholder");
const QPointF CommandControl::POINT_EMPTY = QPointF(-100000, -100000);

namespace {

constexpr int MAX_SEGMENT_NUMBER = 100;
constexpr double POINT_TOLERANCE = 1e-12;
constexpr double FAR_AWAY = 1e11;
const QString SEGMENT_CONTROL_ID_PREFIX = QStringLiteral("command_control_");

bool isPointEmpty(const QPointF& point)
{
    return std::abs(point.x() - CommandControl::POINT_EMPTY.x()) < POINT_TOLERANCE
        && std::abs(point.y() - CommandControl::POINT_EMPTY.y()) < POINT_TOLERANCE;
}

template<typename Item>
int indexOfElement(const QList<Item*>& items, const SvgElement* element)
{
    for (int i = 0; i < items.size(); ++i) {
        if (static_cast<const SvgElement*>(items.at(i)) == element)
            return i;
    }
    return -1;
}

} // namespace

CommandControl::ButtonData::ButtonData(const NavigationIcon& icon, const QString& buttonId)
    : icon(icon)
    , buttonId(buttonId)
{
}

CommandControl::CommandControl(Utilities::RendererContainer* renderer, QPointF position, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_position(position)
{
    setAcceptHoverEvents(true);
    createElements();
    setBounds(m_background->scaledBounds());
}

void CommandControl::createElements()
{
    m_background = initElement(BACKGROUND_ID);
    for (int number = 1; number <= MAX_SEGMENT_NUMBER; ++number) {
        addSegment(number, false);
        addSegment(number, true);
    }
}

void CommandControl::addSegment(int number, bool even)
{
    QString segmentId = (even ? EVEN_ID : ODD_ID).arg(number);
    QString indicatorId = (even ? EVEN_EXPAND_INDICATOR_ID : ODD_EXPAND_INDICATOR_ID).arg(number);
    if (!hasElement(segmentId + SvgButton::MASK_SUFFIX)) {
        segmentId = SEGMENT_ID.arg(number);
        indicatorId = EXPAND_INDICATOR_ID.arg(number);
    }
    if (!hasElement(segmentId + SvgButton::MASK_SUFFIX))
        return;

    auto* segment = new SvgContentButton(rendererContainer(), segmentId, this);
    placeSegmentContent(segment);
    segment->setFlag(ItemStacksBehindParent, true);
    segment->setControlId(SEGMENT_CONTROL_ID_PREFIX + segmentId);
    segment->setIconOpacity(1.0, 1.0, 1.0);
    segment->setIconElement(NavigationIcon::NORMAL_ELEMENT_ID);
    segment->hide();
    (even ? m_evenSegments : m_oddSegments).append(segment);
    addToChildrensList(segment);

    auto* indicator = new SvgButton(rendererContainer(), indicatorId, this);
    indicator->setFlag(ItemStacksBehindParent, true);
    indicator->hide();
    (even ? m_evenIndicators : m_oddIndicators).append(indicator);
    addToChildrensList(indicator);
}

// The icon box is the placeholder of the very segment the button draws.
void CommandControl::placeSegmentContent(SvgContentButton* segment)
{
    segment->setContentBounds(boundsOnElement(segment->baseId() + PLACEHOLDER_SUFFIX));
}

void CommandControl::setBounds(const QRectF& bounds)
{
    SvgControlObject::setBounds(bounds);
    setOffset(bounds.topLeft());
}

void CommandControl::updateCachedData()
{
    SvgControlObject::updateCachedData();
    setBounds(m_background->scaledBounds());
    for (SvgContentButton* segment : m_oddSegments + m_evenSegments)
        placeSegmentContent(segment);
}

const QList<SvgContentButton*>& CommandControl::segmentsInUse() const
{
    return m_useEvenSegments ? m_evenSegments : m_oddSegments;
}

const QList<SvgButton*>& CommandControl::indicatorsInUse() const
{
    return m_useEvenSegments ? m_evenIndicators : m_oddIndicators;
}

void CommandControl::setActiveButtons(const QList<ButtonData>& buttons, const QPointF& startPoint)
{
    setActiveButtons(buttons, buttons.size() % 2 == 0, startPoint);
}

void CommandControl::setActiveButtons(const QList<ButtonData>& buttons, bool useEvenSegments,
                                      const QPointF& startPoint)
{
    m_useEvenSegments = useEvenSegments;
    m_buttons = buttons;
    m_buttonIds.clear();
    resetSegments();
    if (buttons.isEmpty())
        return;

    const QList<SvgContentButton*>& segments = segmentsInUse();
    const int count = buttons.size();
    if (count > segments.size()) {
        Logger(Logger::Error) << Q_FUNC_INFO << " Too many commands for number of segments";
        return;
    }

    const int start = isPointEmpty(startPoint) ? 0 : getClosestStartIndex(segments, count, startPoint);
    const bool backwards = m_autoArrange && fillsBackwards(segments, start, count);
    for (int i = 0; i < count; ++i)
        showButton(backwards ? start + count - 1 - i : start + i, buttons.at(i));
    setSelectedIndex(-1);
}

// A fill starts from scratch: no segment keeps the pressed look or the
// keyboard selection of a command that an earlier fill showed there.
void CommandControl::resetSegments()
{
    for (const auto* segments : {&m_oddSegments, &m_evenSegments}) {
        for (SvgContentButton* segment : *segments) {
            segment->hide();
            segment->setStayPressed(false);
            segment->setState(SvgButton::Normal);
        }
    }
    for (const auto* indicators : {&m_oddIndicators, &m_evenIndicators}) {
        for (SvgButton* indicator : *indicators) {
            indicator->hide();
            indicator->setOpacity(1.0);
        }
    }
    m_selectedIndex = -1;
}

void CommandControl::showButton(int segmentIndex, const ButtonData& button)
{
    SvgContentButton* segment = segmentsInUse().at(segmentIndex);
    segment->setIconRenderer(button.icon.renderer());
    segment->setIconElement(NavigationIcon::getElementIdForState(button.icon.state()));
    segment->show();
    indicatorsInUse().at(segmentIndex)->setVisible(button.icon.willExpand());
    m_buttonIds.insert(segmentIndex, button.buttonId);
}

int CommandControl::getClosestStartIndex(const QList<SvgContentButton*>& segments, int count,
                                         const QPointF& point) const
{
    if (segments.size() < count)
        return 0;
    double best = FAR_AWAY;
    int bestStart = 0;
    for (int start = 0; start <= segments.size() - count; ++start) {
        double sum = 0.0;
        for (int i = start; i < start + count; ++i) {
            const SvgContentButton* segment = segments.at(i);
            const QPointF centre = segment->mapToParent(segment->contentBounds().center()).toPoint() + m_position;
            sum += QLineF(centre, point).length();
        }
        if (sum < best) {
            best = sum;
            bestStart = start;
        }
    }
    return bestStart;
}

bool CommandControl::fillsBackwards(const QList<SvgContentButton*>& segments, int start, int count) const
{
    const SvgContentButton* first = segments.at(start);
    const SvgContentButton* last = segments.at(start + count - 1);
    return first->mapToParent(first->contentBounds().center()).y()
        > last->mapToParent(last->contentBounds().center()).y();
}

QString CommandControl::getButtonId(SvgElement* element) const
{
    const int index = indexOfElement(segmentsInUse(), element);
    return index < 0 ? QString() : m_buttonIds.value(index);
}

int CommandControl::getButtonIndex(const QString& buttonId) const
{
    if (buttonId.isEmpty())
        return -1;
    const int size = std::max(m_oddSegments.size(), m_evenSegments.size());
    for (int k = 0; k < size; ++k) {
        const auto it = m_buttonIds.constFind(k);
        if (it != m_buttonIds.constEnd() && *it == buttonId)
            return k;
    }
    return -1;
}

QPointF CommandControl::getButtonCenter(int index) const
{
    const QList<SvgContentButton*>& segments = segmentsInUse();
    if (index < 0 || index >= segments.size())
        return QPointF(0, 0);
    const SvgContentButton* segment = segments.at(index);
    return segment->mapToParent(segment->contentBounds().center() + m_position);
}

void CommandControl::setSelectedButton(const QString& buttonId)
{
    const int index = getButtonIndex(buttonId);
    const auto select = [this, index](const QList<SvgContentButton*>& segments, const QList<SvgButton*>& indicators) {
        for (int k = 0; k < segments.size(); ++k) {
            SvgContentButton* segment = segments.at(k);
            const bool selected = k == index;
            segment->setStayPressed(selected);
            segment->setState(selected ? SvgButton::Pressed : defaultButtonState(k));
            indicators.at(k)->setOpacity(selected ? 0.0 : 1.0);
            if (selected)
                m_selectedIndex = k;
        }
    };
    select(m_oddSegments, m_oddIndicators);
    select(m_evenSegments, m_evenIndicators);
}

void CommandControl::deselectAll()
{
    setSelectedButton(QString());
}

void CommandControl::setButtonIcon(const QString& buttonId, const NavigationIcon& icon)
{
    const int index = getButtonIndex(buttonId);
    if (index < 0)
        return;
    for (ButtonData& button : m_buttons) {
        if (button.buttonId == buttonId) {
            button.icon = icon;
            break;
        }
    }
    for (const auto* segments : {&m_oddSegments, &m_evenSegments}) {
        if (index >= segments->size())
            continue;
        SvgContentButton* segment = segments->at(index);
        segment->setIconRenderer(icon.renderer());
        segment->setIconElement(NavigationIcon::getElementIdForState(icon.state()));
        SvgButton::ButtonState state = segment->state();
        // A selected command keeps its pressed look while its state changes.
        if (navigationIconToButtonState(state, icon.state()) && !segment->stayPressed())
            segment->setState(state);
    }
}

void CommandControl::setExpandIndicatorsState(const SvgButton::ButtonState& state)
{
    for (SvgButton* indicator : indicatorsInUse())
        indicator->setState(state);
}

bool CommandControl::navigationIconToButtonState(SvgButton::ButtonState& state,
                                                 const NavigationIcon::State& iconState)
{
    switch (iconState) {
    case NavigationIcon::Normal:
    case NavigationIcon::Active:
        state = SvgButton::Normal;
        return true;
    case NavigationIcon::Inactive:
    case NavigationIcon::Disabled:
        state = SvgButton::Disabled;
        return true;
    default:
        return false;
    }
}

SvgButton::ButtonState CommandControl::defaultButtonState(const QString& buttonId) const
{
    SvgButton::ButtonState state = SvgButton::Normal;
    if (buttonId.isEmpty())
        return state;
    for (const ButtonData& button : m_buttons) {
        if (button.buttonId == buttonId) {
            navigationIconToButtonState(state, button.icon.state());
            break;
        }
    }
    return state;
}

SvgButton::ButtonState CommandControl::defaultButtonState(int index) const
{
    return defaultButtonState(m_buttonIds.value(index));
}

void CommandControl::setSelectedIndex(int index)
{
    const QList<SvgContentButton*>& segments = segmentsInUse();
    for (int k = 0; k < segments.size(); ++k) {
        SvgContentButton* segment = segments.at(k);
        if (segment->state() != SvgButton::Pressed)
            segment->setState(k == index ? SvgButton::Hover : defaultButtonState(k));
    }
    m_selectedIndex = index;
}

// Selects candidate when its segment shows a command, else the first shown
// segment from the start (or the end); a hidden candidate only when the ring
// shows nothing.
void CommandControl::selectFirstVisible(int candidate, bool fromEnd)
{
    const QList<SvgContentButton*>& segments = segmentsInUse();
    const auto shown = [this, &segments](int k) { return segments.at(k)->isVisibleTo(this); };
    const bool inside = candidate >= 0 && candidate < segments.size();
    if (inside && shown(candidate)) {
        setSelectedIndex(candidate);
        return;
    }
    for (int i = 0; i < segments.size(); ++i) {
        const int k = fromEnd ? segments.size() - 1 - i : i;
        if (shown(k)) {
            setSelectedIndex(k);
            return;
        }
    }
    if (inside)
        setSelectedIndex(candidate);
}

void CommandControl::selectPrevious()
{
    selectFirstVisible(m_selectedIndex - 1, true);
}

void CommandControl::selectNext()
{
    selectFirstVisible(m_selectedIndex + 1, false);
}

void CommandControl::pressCurrent()
{
    const QList<SvgContentButton*>& segments = segmentsInUse();
    if (m_selectedIndex >= 0 && m_selectedIndex < segments.size())
        emit elementPress(segments.at(m_selectedIndex));
}

void CommandControl::releaseCurrent()
{
    const QList<SvgContentButton*>& segments = segmentsInUse();
    if (m_selectedIndex < 0 || m_selectedIndex >= segments.size())
        return;
    SvgContentButton* segment = segments.at(m_selectedIndex);
    emit elementRelease(segment);
    emit elementClick(segment);
}

} // namespace Corvane::Gadgets
