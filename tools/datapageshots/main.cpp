// Pictures of the data pages for review, in no-server mode on a project:
// the load-management page with a load's data window in the carousel, the
// webserver page with a gateway's, and a load's data window alone, in each
// built-in theme. Runs on any platform plugin (offscreen included):
//
//     datapageshots <project file> <output folder>
//
// Writes <theme>-loads.png, <theme>-load-ring.png, <theme>-load-carousel.png, <theme>-webservers.png,
// <theme>-webserver-carousel.png, and the data windows alone:
// <theme>-load-face.png, <theme>-load-face-money.png (economic values) and
// <theme>-webserver-face.png.
#include "NavigationWindow.h"
#include "Settings.h"

#include "Controllers/base/CarouselController.h"
#include "Controllers/data/LoadManagementController.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/data/WebServersController.h"
#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "energy/LoadManagementDataControl.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <cstdio>

using namespace Corvane;
using Sentrel::Controllers::BaseController;

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QImage& image, const QString& path)
{
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool capture(QWidget& window, const QString& path)
{
    wait(700);
    return save(window.grab().toImage(), path);
}

template<typename Controller>
Controller* find(Sentrel::NavigationWindow& window)
{
    for (BaseController* controller : window.navigationController()->controllers())
        if (auto* found = qobject_cast<Controller*>(controller))
            return found;
    return nullptr;
}

void openPage(Sentrel::NavigationWindow& window, int pageId)
{
    window.navigationController()->goHome();
    for (const Gadgets::Models::NavigationIcon& icon : window.navigationController()->homeIcons())
        if (icon.id() == pageId)
            window.navigationController()->onNavigationIconClicked(icon, 0, false);
}

// A data window drawn alone on a dark backdrop, at twice its size.
QImage renderAlone(Gadgets::SvgControlObject* frame)
{
    QGraphicsScene scene;
    scene.addItem(frame);
    frame->setVisible(true);
    const QRectF bounds = frame->mapRectToScene(frame->boundingRect()).adjusted(-10, -10, 10, 10);
    QImage image((bounds.size() * 2).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(40, 44, 52));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(), bounds);
    painter.end();
    scene.removeItem(frame);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    if (argc < 3) {
        std::fprintf(stderr, "usage: datapageshots <project file> <output folder>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    output.mkpath(QStringLiteral("."));
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeEngineHandler themeEngine;
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::s_instance->setNoServer(true);
    Sentrel::Settings::guiProperties().setTempConfigFileName(QString::fromLocal8Bit(argv[1]));

    bool ok = true;
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        Gadgets::ThemeProvider::clear();
        Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/") + theme;
        Gadgets::ThemeProvider::setThemeFile(QString());
        Sentrel::NavigationWindow window;
        window.applyStoredSettings();
        window.showTo();
        auto* loads = find<Sentrel::Controllers::LoadManagementController>(window);
        auto* webServers = find<Sentrel::Controllers::WebServersController>(window);
        if (!loads || !webServers) {
            std::fprintf(stderr, "the data page controllers are missing\n");
            return 1;
        }

        openPage(window, BaseController::LOAD_MANAGEMENT_PAGE_ID);
        ok &= capture(window, output.filePath(theme + QStringLiteral("-loads.png")));
        // The command ring of the second load.
        Gadgets::NavigationControl* navigation = window.navigationControl();
        window.navigationController()->onNavigationIconClicked(navigation->icons().value(1),
                                                               navigation->getSegmentIndexByIcon(1), false);
        ok &= capture(window, output.filePath(theme + QStringLiteral("-load-ring.png")));
        window.navigationController()->onNavigationIconClicked(navigation->icons().value(1),
                                                               navigation->getSegmentIndexByIcon(1), false);
        // Counters and the economic value of the load that has both.
        loads->createDataControls();
        for (const Devices::BaseDevice* device : loads->devices())
            loads->executeCommand(
                static_cast<Gadgets::LoadManagementDataControl*>(loads->dataControl(device->id())),
                Sentrel::Controllers::LoadManagementController::Refresh);
        loads->showCarousel();
        window.carouselController()->setCarouselCurrentIndex(1);
        ok &= capture(window, output.filePath(theme + QStringLiteral("-load-carousel.png")));
        window.carouselController()->hideCarousel();

        openPage(window, BaseController::WEB_SERVERS_PAGE_ID);
        ok &= capture(window, output.filePath(theme + QStringLiteral("-webservers.png")));
        webServers->showCarousel();
        ok &= capture(window, output.filePath(theme + QStringLiteral("-webserver-carousel.png")));
        window.carouselController()->hideCarousel();

        const Devices::BaseDevice* oven = loads->devices().value(1);
        if (oven) {
            Gadgets::SvgControlObject* frame = loads->dataControls().value(oven->id());
            ok &= save(renderAlone(frame), output.filePath(theme + QStringLiteral("-load-face.png")));
            loads->executeCommand(static_cast<Gadgets::LoadManagementDataControl*>(loads->dataControl(oven->id())),
                                  Sentrel::Controllers::LoadManagementController::Cycle);
            ok &= save(renderAlone(frame), output.filePath(theme + QStringLiteral("-load-face-money.png")));
        }
        if (const Devices::BaseDevice* gateway = webServers->devices().value(0)) {
            Gadgets::SvgControlObject* frame = webServers->dataControls().value(gateway->id());
            ok &= save(renderAlone(frame), output.filePath(theme + QStringLiteral("-webserver-face.png")));
        }
        window.navigationController()->goHome();
        wait(100);
    }
    return ok ? 0 : 1;
}
