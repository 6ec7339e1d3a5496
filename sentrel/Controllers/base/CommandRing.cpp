#include "CommandRing.h"

#include "controls/IconRenderer.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;

CommandRing::CommandRing(Gadgets::NavigationControl* navigation, BuiltHandler built)
    : CommandRing(navigation, ThemeProvider::COMMAND_CONTROL, FirstLevel, std::move(built))
{
}

CommandRing::CommandRing(Gadgets::NavigationControl* navigation, const QString& renderer, Level level,
                         BuiltHandler built)
    : m_navigation(navigation)
    , m_renderer(renderer)
    , m_level(level)
    , m_built(std::move(built))
{
}

CommandRing::~CommandRing()
{
    // The carousel keeps a ring until its closing animation ends: it must
    // let go of this one now, before it is deleted.
    if (m_control && m_navigation
        && (m_navigation->commandControl1() == m_control || m_navigation->commandControl2() == m_control)) {
        m_navigation->clearCommandControls();
        m_navigation->setCommandControl2ShowProgress(0.0);
        m_navigation->setCommandControl1ShowProgress(0.0);
    }
    delete m_control;
}

CommandControl* CommandRing::control() const
{
    if (!m_control) {
        // Drawn with the theme of now: one built after a theme change needs
        // no restyling.
        m_control = createControl(m_renderer, m_navigation, m_level);
        if (m_built)
            m_built(m_control);
    }
    return m_control;
}

bool CommandRing::closeIfOpenFor(int deviceId)
{
    if (!m_navigation || deviceId != m_selectedDeviceId || !m_navigation->commandControl1())
        return false;
    m_navigation->clearCommandControls();
    m_navigation->showLabels();
    m_selectedDeviceId = 0;
    return true;
}

void CommandRing::open(const NavigationIcon& icon, int segment, const QList<CommandControl::ButtonData>& buttons)
{
    if (!m_navigation)
        return;
    if (!buttons.isEmpty()) {
        fillBesideIcon(control(), *m_navigation, segment, buttons);
        m_navigation->setCommandControl1(m_control, segment);
    }
    m_navigation->setSelectedIcon(icon, false);
    m_selectedDeviceId = icon.id();
}

CommandControl::ButtonData CommandRing::button(const QString& renderer, const QString& buttonId)
{
    return CommandControl::ButtonData(
        NavigationIcon(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(renderer), {}), QString(), 0),
        buttonId);
}

CommandControl* CommandRing::createControl(const QString& renderer, const Gadgets::NavigationControl* navigation,
                                           Level level)
{
    QPointF origin;
    if (navigation)
        origin = (level == FirstLevel ? navigation->commandControl1Bounds() : navigation->commandControl2Bounds())
                     .topLeft();
    auto* control = new CommandControl(ThemeProvider::getRendererFor(renderer), origin, nullptr);
    control->setAutoArrangeButtons(true);
    return control;
}

void CommandRing::placeOn(CommandControl* control, const Gadgets::NavigationControl& navigation, Level level)
{
    control->setCustomScale(navigation.customScale());
    control->setPosition(
        (level == FirstLevel ? navigation.commandControl1Bounds() : navigation.commandControl2Bounds()).topLeft());
}

void CommandRing::fillBesideIcon(CommandControl* control, const Gadgets::NavigationControl& navigation, int segment,
                                 const QList<CommandControl::ButtonData>& buttons)
{
    placeOn(control, navigation, FirstLevel);
    control->setActiveButtons(buttons, navigation.getSegmentCenter(segment));
}

void CommandRing::fillBesideButton(CommandControl* control, const Gadgets::NavigationControl& navigation,
                                   const CommandControl& first, const QString& buttonId, bool useEvenSegments,
                                   const QList<CommandControl::ButtonData>& buttons)
{
    placeOn(control, navigation, SecondLevel);
    control->setActiveButtons(buttons, useEvenSegments, first.getButtonCenter(first.getButtonIndex(buttonId)));
}

} // namespace Corvane::Sentrel::Controllers
