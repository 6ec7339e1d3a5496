// Benchmark of Sentrel's controllers (run by hand, on a Release build):
//
//     controllers_bench [runs]
//
// On the demo project in no-server mode, offscreen, with fresh settings
// folders:
// home_to_page: a click on the lighting page's icon on the home page until
// the page's icons are on the carousel and the window has painted them once
// (the fade that follows is not waited for).
// status_storm: 1000 light status messages handed by the driver to its
// listeners, until every light's icon shows it and the window has painted
// once.
// burst: 100,000 light events on the lighting page, handed over as the
// driver does with a flood (a slice at a time, the event loop running in
// between), until the last state is on the carousel and painted;
// burst_longest_wait: the longest wait of a 5 ms timer during each burst,
// what input waits at most while a flood is handled.
#include "Controllers/lighting/ActuatorsController.h"
#include "Controllers/navigation/NavigationController.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "controls/SvgContentButton.h"
#include "navigation/NavigationControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Corvane;
using Sentrel::Controllers::ActuatorsController;
using Sentrel::Controllers::BaseController;

namespace {

const int STORM_MESSAGES = 1000;
const int BURST_EVENTS = 100000;
// What the driver handles of a flood before the event loop runs again.
const int BURST_SLICE_MS = 8;

void report(const char* name, const QList<double>& values)
{
    double mean = 0.0;
    double worst = 0.0;
    for (double value : values) {
        mean += value / values.size();
        worst = std::max(worst, value);
    }
    std::printf("%s mean_ms=%.3f worst_ms=%.3f\n", name, mean, worst);
}

QList<double> timeRuns(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    QList<double> values;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        work();
        values.append(clock.nsecsElapsed() / 1e6);
    }
    return values;
}

// Whether every icon of the page is among those on the carousel (which
// repeats icons to fill its ring).
bool showsEveryIcon(const QList<Gadgets::Models::NavigationIcon>& shown,
                    const QList<Gadgets::Models::NavigationIcon>& page)
{
    return std::all_of(page.cbegin(), page.cend(), [&shown](const Gadgets::Models::NavigationIcon& icon) {
        return std::any_of(shown.cbegin(), shown.cend(),
                           [&icon](const Gadgets::Models::NavigationIcon& s) { return s.id() == icon.id(); });
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QTemporaryDir data;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(config.path()));
    qputenv("CORVANE_DATA_DIR", QFile::encodeName(data.path()));
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    Gadgets::ThemeProvider::setThemeFile(QString());
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::s_instance->setNoServer(true);
    Sentrel::Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    Sentrel::NavigationWindow window;
    window.showTo();
    QCoreApplication::processEvents();

    Sentrel::Controllers::NavigationController* navigation = window.navigationController();
    auto* lighting = qobject_cast<ActuatorsController*>(navigation->controllers().value(0));
    if (!lighting || navigation->drivers().isEmpty()) {
        std::printf("controllers_bench: the demo project did not load\n");
        return 1;
    }
    QWidget* viewport = window.view()->viewport();
    const auto paintOnce = [&] { viewport->repaint(); };

    Gadgets::NavigationControl* carousel = window.navigationControl();
    const auto endFade = [carousel] {
        carousel->setSegmentIconsOpacity(0.0);
        carousel->setSegmentIconsOpacity(1.0);
    };
    bool pageShown = true;
    report("home_to_page", timeRuns(
                               runs,
                               [&] {
                                   navigation->goHome();
                                   endFade();
                                   paintOnce();
                                   QCoreApplication::processEvents();
                               },
                               [&] {
                                   const QList<Gadgets::Models::NavigationIcon> home = carousel->icons();
                                   for (int i = 0; i < home.size(); ++i)
                                       if (home.at(i).id() == BaseController::LIGHTS_PAGE_ID)
                                           carousel->notifyNavigationIconClicked(home.at(i),
                                                                                 carousel->getSegmentIndexByIcon(i),
                                                                                 false);
                                   // The icons change places when the fade
                                   // has hidden the old ones: that moment
                                   // is brought forward, the fade is not
                                   // waited for.
                                   endFade();
                                   paintOnce();
                                   pageShown = pageShown && carousel->currentPageId() == BaseController::LIGHTS_PAGE_ID
                                               && showsEveryIcon(carousel->icons(), lighting->icons());
                               }));
    if (!pageShown) {
        std::printf("controllers_bench: a click on the lighting icon did not open its page\n");
        return 1;
    }
    // Every light of the demo project, by the address its messages carry.
    QStringList addresses;
    QList<int> lights;
    for (const Devices::BaseDevice* device : lighting->devices())
        if (device->properties().deviceType() == 2003 || device->properties().deviceType() == 2001) {
            addresses.append(lighting->getAddressText(device->address()));
            lights.append(device->id());
        }
    PravikDriver::OpenDriver* driver = navigation->drivers().first();
    bool on = false;
    report("status_storm", timeRuns(
                               runs, [&] { on = !on; },
                               [&] {
                                   for (int i = 0; i < STORM_MESSAGES; ++i) {
                                       const QString& address = addresses.at(i % addresses.size());
                                       driver->sendMessageToListeners(
                                           PravikDriver::Message::createSwitchLightMessage(address, on ^ (i & 1)),
                                           PravikDriver::Message(), false);
                                   }
                                   paintOnce();
                               }));

    // Whether every light on a segment shows the state on.
    const auto lastStateShown = [&](bool on) {
        const QString element = Gadgets::Models::NavigationIcon::getElementIdForState(
            on ? Gadgets::Models::NavigationIcon::Normal : Gadgets::Models::NavigationIcon::Inactive);
        const QList<Gadgets::Models::NavigationIcon> shown = carousel->icons();
        const QList<Gadgets::SvgContentButton*> segments = carousel->segments();
        bool any = false;
        for (int i = 0; i < shown.size(); ++i) {
            const int segment = carousel->getSegmentIndexByIcon(i);
            if (!lights.contains(shown.at(i).id()) || segment < 0 || segment >= segments.size())
                continue;
            any = true;
            if (segments.at(segment)->iconElement() != element)
                return false;
        }
        return any;
    };
    bool burstShown = true;
    QList<double> longestWaits;
    QElapsedTimer sinceTick;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestWaits.last() = std::max(longestWaits.last(), sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    report("burst", timeRuns(
                        std::max(1, runs / 10),
                        [&] {
                            on = !on;
                            longestWaits.append(0.0);
                            sinceTick.start();
                            probe.start(5);
                        },
                        [&] {
                            QElapsedTimer slice;
                            slice.start();
                            for (int i = 0; i < BURST_EVENTS; ++i) {
                                const QString& address = addresses.at(i % addresses.size());
                                const bool last = i >= BURST_EVENTS - addresses.size();
                                driver->sendMessageToListeners(
                                    PravikDriver::Message::createSwitchLightMessage(address, last ? on : (i & 1)),
                                    PravikDriver::Message(), false);
                                if (slice.elapsed() >= BURST_SLICE_MS) {
                                    QCoreApplication::processEvents();
                                    slice.restart();
                                }
                            }
                            // Looking at the segments shows the changes
                            // still waiting for the end of their frame.
                            burstShown = burstShown && lastStateShown(on);
                            paintOnce();
                            probe.stop();
                        }));
    report("burst_longest_wait", longestWaits);
    if (!burstShown) {
        std::printf("controllers_bench: the burst's last states are not shown\n");
        return 1;
    }
    return 0;
}
