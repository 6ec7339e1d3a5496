#include "HomePageIcons.h"

#include "NavigationController.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "controls/IconRenderer.h"
#include "devices/ConfigPage.h"
#include "devices/Configuration.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/ThemeProvider.h"

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;

namespace {

const int HOME_PAGE_ID = 0;

struct HomeIconKind
{
    const QString* renderer;
    int iconId;
};

// The home icon of each kind of project page.
QMap<int, HomeIconKind> homeIconKinds()
{
    return {
        {Devices::ConfigPage::Lighting, {&ThemeProvider::LIGHTS_SYSTEM, BaseController::LIGHTS_PAGE_ID}},
        {Devices::ConfigPage::Automation, {&ThemeProvider::AUTOMATION_SYSTEM, BaseController::MOTORS_PAGE_ID}},
        {Devices::ConfigPage::Scenarios, {&ThemeProvider::SCENARIO_SYSTEM, BaseController::SCENARIOS_PAGE_ID}},
        {8000, {&ThemeProvider::THERMOREGULATION_SYSTEM, BaseController::TERMO_PAGE_ID}},
        {20000, {&ThemeProvider::LIGHT_SENSOR_SYSTEM, BaseController::LUMIN_PAGE_ID}},
        {21000, {&ThemeProvider::PRESENCE_SYSTEM, BaseController::PRESENCE_PAGE_ID}},
        {22000, {&ThemeProvider::WEBSERVER_SYSTEM, BaseController::WEB_SERVERS_PAGE_ID}},
        {23000, {&ThemeProvider::SOUND_SYSTEM, BaseController::SOUND_PAGE_ID}},
        {7000, {&ThemeProvider::ENERGY_SYSTEM, BaseController::ENERGY_DATA_PAGE_ID}},
        {18000, {&ThemeProvider::LOAD_MANAGEMENT_SYSTEM, BaseController::LOAD_MANAGEMENT_PAGE_ID}},
    };
}

} // namespace

HomePageIcons::HomePageIcons(NavigationController& controller)
    : m_controller(controller)
{
}

void HomePageIcons::load(const Devices::Configuration* configuration)
{
    const QMap<int, HomeIconKind> kinds = homeIconKinds();
    for (BaseController* controller : std::as_const(m_controller.m_controllers)) {
        const int count = controller->loadDevices(configuration);
        for (const Devices::ConfigPage& page : configuration->pages()) {
            if (page.pageType() != controller->controlledPageType() || count < 1 || !kinds.contains(page.pageType()))
                continue;
            const HomeIconKind kind = kinds.value(page.pageType());
            m_controller.m_icons.append(NavigationIcon(
                Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(*kind.renderer), {}),
                page.description(), kind.iconId));
            m_controller.m_pageMap.insert(kind.iconId, page.id());
        }
        controller->setDrivers(m_controller.drivers());
    }
}

void HomePageIcons::show()
{
    Gadgets::NavigationControl* navigation = m_controller.navigationControl();
    navigation->setIcons(m_controller.m_icons, false);
    if (Gadgets::NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(false);
        labels->setCanEditLabels(false);
        labels->hideAllSliders();
    }
    navigation->setShowBackButton(false);
    navigation->clearSelectedIcon();
    navigation->clearCentralContent();
    navigation->setCurrentPageId(HOME_PAGE_ID);
    NavigationWindow* window = m_controller.navigationWindow();
    if (!navigation->commandControl1() && window && window->navigationContainer())
        window->navigationContainer()->setElementsSuffix(QString());
}

void HomePageIcons::retranslateTooltips()
{
    Gadgets::NavigationControl* navigation = m_controller.navigationControl();
    if (!navigation || navigation->icons().isEmpty())
        return;
    const QList<Devices::ConfigPage> pages = Settings::devicesConfiguration()->pages();
    for (NavigationIcon& icon : m_controller.m_icons) {
        const int pageId = m_controller.m_pageMap.value(icon.id(), HOME_PAGE_ID);
        const auto page = std::find_if(pages.cbegin(), pages.cend(),
                                       [pageId](const Devices::ConfigPage& p) { return p.id() == pageId; });
        if (page != pages.cend())
            icon.setTooltip(page->description());
    }
    if (navigation->currentPageId() == HOME_PAGE_ID)
        navigation->setIcons(m_controller.m_icons, true);
}

} // namespace Corvane::Sentrel::Controllers
