#include "CommandRing.h"

#include "controls/IconRenderer.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;

CommandRing::CommandRing(Gadgets::NavigationControl* navigation)
    : m_navigation(navigation)
{
    const QPointF origin = navigation ? navigation->commandControl1Bounds().topLeft() : QPointF();
    m_control = new CommandControl(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL), origin, nullptr);
    m_control->setAutoArrangeButtons(true);
}

CommandRing::~CommandRing()
{
    // The carousel keeps a ring until its closing animation ends: it must
    // let go of this one now, before it is deleted.
    if (m_navigation && m_navigation->commandControl1() == m_control) {
        m_navigation->clearCommandControls();
        m_navigation->setCommandControl1ShowProgress(0.0);
    }
    delete m_control;
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
        // The ring sits on the carousel's placeholder at the carousel's
        // scale: its segments are measured there against the icon's centre.
        m_control->setCustomScale(m_navigation->customScale());
        m_control->setPosition(m_navigation->commandControl1Bounds().topLeft());
        m_control->setActiveButtons(buttons, m_navigation->getSegmentCenter(segment));
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

} // namespace Corvane::Sentrel::Controllers
