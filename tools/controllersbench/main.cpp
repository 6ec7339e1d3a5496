// Benchmark of Sentrel's controllers (run by hand, on a Release build):
//
//     controllers_bench [runs]
//
// On the demo project in no-server mode, offscreen, with fresh settings
// folders:
// home_to_page: going home, which opens the lighting page at once while it
// is the only page, until its icons are on the carousel and the window has
// painted them once (the fade that follows is not waited for).
// status_storm: 1000 light status messages handed by the driver to its
// listeners, until every light's icon shows it and the window has painted
// once.
#include "Controllers/ActuatorsController.h"
#include "Controllers/NavigationController.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "navigation/NavigationControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Corvane;
using Sentrel::Controllers::ActuatorsController;
using Sentrel::Controllers::BaseController;

namespace {

const int STORM_MESSAGES = 1000;

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

    report("home_to_page", timeRuns(
                               runs,
                               [&] {
                                   window.navigationControl()->setIcons({}, true);
                                   QCoreApplication::processEvents();
                               },
                               [&] {
                                   navigation->goHome();
                                   paintOnce();
                               }));

    // Every light of the demo project, by the address its messages carry.
    QStringList addresses;
    for (const Devices::BaseDevice* device : lighting->devices())
        if (device->properties().deviceType() == 2003 || device->properties().deviceType() == 2001)
            addresses.append(lighting->getAddressText(device->address()));
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
    return 0;
}
