#include "dimmer/DimmerControl.h"

#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSceneWheelEvent>
#include <QSvgRenderer>

#include <algorithm>

namespace Corvane::Gadgets {

const QString DimmerControl::BACKGROUND_ID = QStringLiteral("background");
const QString DimmerControl::ON_BUTTON_ID = QStringLiteral("on");
const QString DimmerControl::OFF_BUTTON_ID = QStringLiteral("off");
const QString DimmerControl::DIMMER_ELEMENT = QStringLiteral("value_%1");
const QString DimmerControl::DIMMER_ELEMENT_MASK = QStringLiteral("value_%1_mask");

namespace {

constexpr int FIRST_LEVEL_NUMBER = 0;
constexpr int LAST_LEVEL_NUMBER = 100;
// Every level element the theme can number (0 to 100) is a usable step.
constexpr int MAX_STEPS = LAST_LEVEL_NUMBER - FIRST_LEVEL_NUMBER + 1;
constexpr qreal ELEMENTS_Z = 10.0;
constexpr qreal WHEEL_SCALE_DIVISOR = 1000.0;

} // namespace

DimmerControl::DimmerControl(Utilities::RendererContainer* renderer, QGraphicsScene* scene, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    createElements();
    if (scene)
        addToScene(scene);
}

void DimmerControl::createElements()
{
    m_levelElements.clear();
    for (int number = FIRST_LEVEL_NUMBER; number <= LAST_LEVEL_NUMBER; ++number) {
        const QString id = DIMMER_ELEMENT.arg(number);
        const QString maskId = DIMMER_ELEMENT_MASK.arg(number);
        if (!hasElement(id) || !hasElement(maskId))
            continue;
        auto* element = new SvgButton(rendererContainer(), id, maskId, this);
        element->setPaintable(false);
        element->setZValue(ELEMENTS_Z);
        m_levelElements.append(element);
        addToChildren(element);
    }

    m_background = initElement(BACKGROUND_ID);
    m_background->setZValue(0.0);

    m_steps = m_levelElements.size();
    if (m_steps > 0) {
        m_currentElement = m_levelElements.at(m_level - 1);
        m_currentElement->setPaintable(true);
    }

    m_onButton = initButton(ON_BUTTON_ID);
    m_onButton->setZValue(ELEMENTS_Z);
    m_offButton = initButton(OFF_BUTTON_ID);
    m_offButton->setZValue(ELEMENTS_Z);
}

int DimmerControl::percentage() const
{
    return toHundredPercentScale(m_level, m_steps);
}

int DimmerControl::toHundredPercentScale(int level, int steps) const
{
    if (steps < 1 || steps > MAX_STEPS || level < 0 || level > steps)
        return 0;
    return int(level * 100.0 / steps);
}

int DimmerControl::toCustomPercentScale(int percentage, int steps) const
{
    if (steps < 1 || steps > MAX_STEPS || percentage < 0 || percentage > 100)
        return 0;
    return int(percentage * double(steps) / 100.0);
}

void DimmerControl::setPercentage(int percentage)
{
    percentage = std::clamp(percentage, 0, 100);
    setLevel(toCustomPercentScale(percentage, m_steps), percentage);
    update();
}

// Level 0 paints no level element; 1 to steps paints that element.
void DimmerControl::setLevel(int level, int percentage)
{
    if (level == m_level || level < 0 || level > m_steps)
        return;
    if (m_currentElement)
        m_currentElement->setPaintable(false);
    m_level = level;
    if (level > 0) {
        m_currentElement = m_levelElements.at(level - 1);
        m_currentElement->setPaintable(true);
    }
    emit percentageChanged(percentage);
}

void DimmerControl::setState(DimmerState state)
{
    const DimmerState newState = int(state) < 1 ? Off : On;
    if (newState != m_state) {
        for (SvgButton* element : std::as_const(m_levelElements))
            element->setVisible(newState == On);
        m_state = newState;
        emit stateChanged(m_state);
    }
    update();
}

void DimmerControl::onElementPress(SvgElement* element)
{
    if (element == m_onButton) {
        setState(On);
    } else if (element == m_offButton) {
        setState(Off);
    } else {
        const auto it = std::find(m_levelElements.cbegin(), m_levelElements.cend(), element);
        // The pressed element's own level is set, so that every element can
        // be reached (a round trip through percent may truncate it away).
        if (it != m_levelElements.cend()) {
            const int level = int(it - m_levelElements.cbegin()) + 1;
            setLevel(level, toHundredPercentScale(level, m_steps));
            update();
        }
    }
    SvgControlObject::onElementPress(element);
}

// The wheel zooms the dimmer within the theme's scale limits.
void DimmerControl::wheelEvent(QGraphicsSceneWheelEvent* event)
{
    const qreal scaled = scale() + event->delta() / WHEEL_SCALE_DIVISOR;
    const qreal minimum = ThemeProvider::minScale();
    setScale(std::clamp(scaled, minimum, std::max(minimum, ThemeProvider::maxScale())));
    SvgControlObject::wheelEvent(event);
    update();
}

} // namespace Corvane::Gadgets
