// Pictures of the thermoregulation page for review, in each built-in theme:
// the devices before their status is known, the page in Celsius and in
// Fahrenheit, a zone's rings, an air
// conditioner's rings and a basic air conditioner's commands, on the demo
// project in no-server mode. Runs offscreen or on any X server:
//
//     thermoshots <output folder>
//
// Writes <theme>-<step>.png.
#include "NavigationWindow.h"
#include "Settings.h"

#include "Controllers/navigation/NavigationController.h"
#include "Controllers/thermoregulation/ThermoregulationController.h"
#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "devices/GuiProperties.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <cstdio>

using namespace Corvane;
using Sentrel::Controllers::ThermoregulationController;
using Buttons = Sentrel::Controllers::ThermoregulationButtons;

namespace {

const int LIVING_ROOM_ZONE = 17;
const int LIVING_ROOM_AIR_CONDITIONER = 22;
const int BEDROOM_AIR_CONDITIONER = 23;

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

ThermoregulationController* thermoregulation(Sentrel::NavigationWindow& window)
{
    for (auto* controller : window.navigationController()->controllers())
        if (auto* thermo = qobject_cast<ThermoregulationController*>(controller))
            return thermo;
    return nullptr;
}

Gadgets::SvgElement* button(Gadgets::CommandControl* ring, const QString& id)
{
    for (const auto& segments : {ring->oddSegments(), ring->evenSegments()})
        for (Gadgets::SvgContentButton* segment : segments)
            if (ring->getButtonId(segment) == id)
                return segment;
    return nullptr;
}

// A click on the device's icon, brought onto the carousel's first segment
// when it is not shown.
void clickDevice(Sentrel::NavigationWindow& window, int id)
{
    Gadgets::NavigationControl* navigation = window.navigationControl();
    const QList<Gadgets::Models::NavigationIcon> icons = navigation->icons();
    for (int i = 0; i < icons.size(); ++i) {
        if (icons.at(i).id() != id)
            continue;
        if (navigation->getSegmentIndexByIcon(i) < 0)
            navigation->setFirstIconIndex(i);
        navigation->notifyNavigationIconClicked(icons.at(i), navigation->getSegmentIndexByIcon(i), false);
    }
}

bool capture(Sentrel::NavigationWindow& window, const QString& path)
{
    wait(700);
    // The painted part of the desktop-wide, transparent window, on a dark
    // background.
    const QImage whole = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect painted;
    for (int y = 0; y < whole.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
        for (int x = 0; x < whole.width(); ++x)
            if (qAlpha(line[x]) > 0)
                painted |= QRect(x, y, 1, 1);
    }
    const QRect area = painted.adjusted(-20, -20, 20, 20).intersected(whole.rect());
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(QColor(70, 80, 95));
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), whole, area);
    painter.end();
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void setUnit(Sentrel::NavigationWindow& window, int unit)
{
    const Devices::GuiProperties previous = Sentrel::Settings::guiProperties();
    Sentrel::Settings::guiProperties().setTemperatureUnit(unit);
    window.settingsChanged(previous);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: thermoshots <output folder>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeEngineHandler themeEngine;

    bool ok = true;
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        // Each window reads the user's settings anew: the project, the mode
        // and the unit are set again for each.
        Sentrel::Settings::s_instance->setSupportTransparency(true);
        Sentrel::Settings::s_instance->setNoServer(true);
        Sentrel::Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
        Sentrel::Settings::guiProperties().setTemperatureUnit(0);
        Gadgets::ThemeProvider::clear();
        Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/") + theme;
        Gadgets::ThemeProvider::setThemeFile(QString());
        Sentrel::Settings::clearConfiguration();
        Sentrel::NavigationWindow window;
        window.applyStoredSettings();
        window.showTo();
        ThermoregulationController* page = thermoregulation(window);
        Gadgets::NavigationControl* navigation = window.navigationControl();
        navigation->notifyHomeButtonClicked();
        navigation->notifyNavigationIconClicked(
            Gadgets::Models::NavigationIcon(Gadgets::ThemeProvider::THERMOREGULATION_SYSTEM, QString(), -40), 0, false);
        const QString prefix = output.filePath(theme + QStringLiteral("-"));
        // Before any answer: the plain pictures of the unknown devices.
        const auto drivers = page->drivers();
        page->setDrivers({});
        for (int server : drivers.keys())
            page->updateStatus(server);
        ok &= capture(window, prefix + QStringLiteral("0-unknown.png"));
        page->setDrivers(drivers);
        page->updateStatus(-1);
        ok &= capture(window, prefix + QStringLiteral("1-celsius.png"));
        setUnit(window, 1);
        ok &= capture(window, prefix + QStringLiteral("2-fahrenheit.png"));
        clickDevice(window, LIVING_ROOM_ZONE);
        ok &= capture(window, prefix + QStringLiteral("3-zone-ring.png"));
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::STATUS_BUTTON_ID));
        ok &= capture(window, prefix + QStringLiteral("4-zone-status.png"));
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::STATUS_BUTTON_ID));
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::FAN_BUTTON_ID));
        ok &= capture(window, prefix + QStringLiteral("5-zone-fan.png"));
        clickDevice(window, LIVING_ROOM_ZONE);
        setUnit(window, 0);
        clickDevice(window, LIVING_ROOM_AIR_CONDITIONER);
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::MODE_BUTTON_ID));
        ok &= capture(window, prefix + QStringLiteral("6-air-conditioner-mode.png"));
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::MODE_BUTTON_ID));
        page->onCommand1ElementClick(button(page->commandControl1(), Buttons::FAN_BUTTON_ID));
        ok &= capture(window, prefix + QStringLiteral("7-air-conditioner-speed.png"));
        clickDevice(window, LIVING_ROOM_AIR_CONDITIONER);
        clickDevice(window, BEDROOM_AIR_CONDITIONER);
        wait(700);
        const QList<Gadgets::Models::NavigationIcon> commands = page->subDeviceIcons();
        if (!commands.isEmpty())
            navigation->notifyNavigationIconClicked(commands.first(), navigation->getSegmentIndexByIcon(0), false);
        ok &= capture(window, prefix + QStringLiteral("8-basic-air-conditioner.png"));
        navigation->notifyBackButtonClicked();
        wait(700);
        navigation->setFirstIconIndex(3);
        ok &= capture(window, prefix + QStringLiteral("9-air-conditioners.png"));
    }
    return ok ? 0 : 1;
}
