// Screenshots of Sentrel's main window for review: the gadget, full-screen
// mode and the user settings dialog, in each built-in theme. Meant for an
// X server such as Xvfb (the whole screen is captured):
//
//     sentrelshots [--wallpaper <image>] [--compositor] [--scale <ratio>] [--language <locale>] <output folder>
//
// --wallpaper lays the image over the desktop behind the windows (a window
// kept below the others); --compositor starts xcompmgr with drop shadows
// (-c) for the run, so that the pictures show Sentrel with and without
// translucent windows. --scale
// sets the device pixel ratio (as QT_SCALE_FACTOR does: 1.5, 2 for HiDPI
// screens) and puts "x<ratio>-" before every file name. --language shows the
// program in that language ("de_DE", "ar_SA": the catalogues of the build)
// and puts "<locale>-" before every file name.
//
// Writes <theme>-gadget.png, <theme>-ontop.png and <theme>-ontop-off.png
// ("Always on top" switched on, then off), <theme>-fullscreen.png and
// <theme>-settings.png of an empty gadget, then, of the demo project in no-server mode:
// <theme>-demo-gadget.png, <theme>-demo-hover.png (the pointer on the gadget,
// its floating buttons shown), <theme>-demo-info.png (the info face),
// <theme>-demo-info-turning.png and <theme>-demo-info-turning-2.png (a third
// and two thirds of the way round),
// <theme>-demo-info-back.png (turned back), <theme>-demo-ring.png (the
// lighting page with a dimmer's ring open, the pointer on the gadget),
// <theme>-demo-fullscreen.png, <theme>-demo-fullscreen-ring.png (the ring of
// the device on the bottom segment open) and <theme>-demo-favorite.png (the
// dimmer's favourite window with its ring open, the pointer on it).
#include "NavigationWindow.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Settings.h"
#include "StartUp.h"

#include "Controllers/base/BaseController.h"
#include "Controllers/navigation/UserConfigurationController.h"
#include "FavoriteWindow.h"
#include "controls/SvgContentButton.h"
#include "devices/GuiProperties.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"
#include "utilities/Globals.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/PathProvider.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QProcess>
#include <QMenu>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace Corvane;

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool capture(const QString& path, int after = 600)
{
    wait(after);
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void useBuiltInTheme(const QString& theme)
{
    Gadgets::ThemeProvider::clear();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/") + theme;
    Gadgets::ThemeProvider::setThemeFile(QString());
}

bool captureFullScreen(Sentrel::NavigationWindow& window, const QString& path)
{
    window.setIsInFullScreenMode(true);
    const bool ok = capture(path);
    window.setIsInFullScreenMode(false);
    return ok;
}

// A desktop picture below every other window.
std::unique_ptr<QLabel> showWallpaper(const QString& path)
{
    const QPixmap picture(path);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (picture.isNull() || !screen)
        return nullptr;
    auto wallpaper = std::make_unique<QLabel>(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    wallpaper->setPixmap(picture.scaled(screen->geometry().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    wallpaper->setGeometry(screen->geometry());
    wallpaper->show();
    wallpaper->lower();
    wait(300);
    return wallpaper;
}

// A turn of the gadget between its faces takes a second.
constexpr int TURN_MS = 1000;

// The demo project's dimmer in the living room, on the lighting page.
constexpr int LIVING_DIMMER = 4;

void hover(const QPoint& at)
{
    QCursor::setPos(at);
    wait(300);
}

// The page opens from its home icon.
void openPage(Sentrel::NavigationWindow& window, int pageId)
{
    window.navigationController()->goHome();
    wait(600);
    for (const Gadgets::Models::NavigationIcon& icon : window.navigationController()->homeIcons())
        if (icon.id() == pageId)
            window.navigationControl()->notifyNavigationIconClicked(icon, 0, false);
    wait(600);
}

// The segment lowest on the screen.
int bottomSegment(const Gadgets::NavigationControl& navigation)
{
    const QList<Gadgets::SvgContentButton*> segments = navigation.segments();
    int bottom = -1;
    for (int i = 0; i < segments.size(); ++i)
        if (bottom < 0 || segments.at(i)->sceneBoundingRect().center().y()
                              > segments.at(bottom)->sceneBoundingRect().center().y())
            bottom = i;
    return bottom;
}

// Turns the carousel until the device's icon lies on the segment, and
// clicks it: its ring opens.
bool openRingOn(Gadgets::NavigationControl& navigation, int deviceId, int segment)
{
    const QList<Gadgets::Models::NavigationIcon> icons = navigation.icons();
    for (int i = 0; i < icons.size(); ++i) {
        if (icons.at(i).id() != deviceId)
            continue;
        for (int first = 0; first < icons.size() && navigation.getSegmentIndexByIcon(i) != segment; ++first)
            navigation.setFirstIconIndex(first);
        wait(400);
        navigation.notifyNavigationIconClicked(icons.at(i), navigation.getSegmentIndexByIcon(i), false);
        wait(600);
        return navigation.commandControl1() != nullptr;
    }
    return false;
}

Sentrel::Controllers::BaseController* controllerOf(Sentrel::NavigationWindow& window, int pageId)
{
    for (Sentrel::Controllers::BaseController* controller : window.navigationController()->controllers())
        if (controller->controlledPageId() == pageId)
            return controller;
    return nullptr;
}

// The lighting page with the dimmer's ring open, in the gadget and in
// full-screen mode (on the bottom segment), then the dimmer's favourite with
// its ring open.
bool captureRings(Sentrel::NavigationWindow& window, const QString& prefix)
{
    using Sentrel::Controllers::BaseController;
    bool ok = true;
    openPage(window, BaseController::LIGHTS_PAGE_ID);
    Gadgets::NavigationControl* navigation = window.navigationControl();
    ok &= openRingOn(*navigation, LIVING_DIMMER, 0);
    hover(window.globalHotSpot());
    ok &= capture(prefix + QStringLiteral("ring.png"));
    navigation->notifyNavigationIconClicked(navigation->icons().at(0), 0, false);
    hover(QPoint(5, 5));

    window.setIsInFullScreenMode(true);
    wait(600);
    ok &= openRingOn(*navigation, LIVING_DIMMER, bottomSegment(*navigation));
    ok &= capture(prefix + QStringLiteral("fullscreen-ring.png"));
    window.setIsInFullScreenMode(false);
    window.navigationController()->goHome();
    wait(600);

    // Beside the gadget, in the right third of the screen.
    BaseController* lighting = controllerOf(window, BaseController::LIGHTS_PAGE_ID);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint place(screen.left() + screen.width() * 4 / 5, screen.top() + screen.height() / 3);
    Sentrel::FavoriteWindow* favorite =
        lighting ? lighting->addFavorite(LIVING_DIMMER, 0, place, true, false, 100) : nullptr;
    if (!favorite)
        return false;
    wait(600);
    Gadgets::FavoriteControl* control = favorite->favoriteControl();
    Q_EMIT control->elementClick(control->centerButton());
    hover(favorite->globalHotSpot());
    ok &= capture(prefix + QStringLiteral("favorite.png"));
    favorite->close();
    hover(QPoint(5, 5));
    return ok;
}

// The ratio given with --scale, set before the application reads it.
QByteArray scaleOption(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--scale") == 0)
            return QByteArray(argv[i + 1]);
    }
    return QByteArray();
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray scale = scaleOption(argc, argv);
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale);
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    QStringList arguments = application.arguments().mid(1);
    QString wallpaperPath;
    QString language;
    bool compositor = false;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--compositor"))
            compositor = true;
        else if (option == QLatin1String("--wallpaper") && !arguments.isEmpty())
            wallpaperPath = arguments.takeFirst();
        else if (option == QLatin1String("--scale") && !arguments.isEmpty())
            arguments.takeFirst();
        else if (option == QLatin1String("--language") && !arguments.isEmpty())
            language = arguments.takeFirst();
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr,
                     "usage: sentrelshots [--wallpaper <image>] [--compositor] [--scale <ratio>] "
                     "[--language <locale>] <output folder>\n");
        return 2;
    }
    const QDir output(arguments.first());
    QString namePrefix = scale.isEmpty() ? QString() : QStringLiteral("x%1-").arg(QString::fromLatin1(scale));
    if (!language.isEmpty())
        namePrefix += language + u'-';
    QProcess compositingManager;
    if (compositor) {
        compositingManager.start(QStringLiteral("xcompmgr"), {QStringLiteral("-c")});
        if (!compositingManager.waitForStarted())
            std::fprintf(stderr, "could not start xcompmgr\n");
        wait(500);
    }
    const std::unique_ptr<QLabel> wallpaper = wallpaperPath.isEmpty() ? nullptr : showWallpaper(wallpaperPath);
    output.mkpath(QStringLiteral("."));
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeEngineHandler themeEngine;
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::setNoConfigurationModeOn();
    if (!language.isEmpty()) {
        Utilities::Localization::TranslatorsManager::instance()->setAdditionalTranslatableTargets(
            {Utilities::Globals::gadgetsLibName(), Utilities::Globals::devicesLibName(),
             Utilities::Globals::platformLibName()});
        Sentrel::Settings::guiProperties().setLanguage(language);
    }

    bool ok = true;
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        useBuiltInTheme(theme);
        Sentrel::NavigationWindow window;
        window.applyStoredSettings();
        window.showTo();
        ok &= capture(output.filePath(namePrefix + theme + QStringLiteral("-gadget.png")));
        for (const auto& [name, menu] :
             {std::pair{QStringLiteral("-contextmenu.png"), window.navigationController()->menus()->contextMenu()},
              std::pair{QStringLiteral("-traymenu.png"), window.navigationController()->menus()->trayMenu()}}) {
            window.navigationController()->prepareContextMenuFor({});
            menu->popup(window.customRect().center());
            ok &= capture(output.filePath(namePrefix + theme + name));
            menu->hide();
        }
        // "Always on top" makes the window anew; switched on and off again,
        // the gadget keeps its shape and the desktop around it its pixels.
        QAction* onTop = window.navigationController()->menus()->onTopAction();
        onTop->trigger();
        ok &= capture(output.filePath(namePrefix + theme + QStringLiteral("-ontop.png")));
        onTop->trigger();
        ok &= capture(output.filePath(namePrefix + theme + QStringLiteral("-ontop-off.png")));
        ok &= captureFullScreen(window, output.filePath(namePrefix + theme + QStringLiteral("-fullscreen.png")));
        window.userConfigurationController()->showUserConfiguration();
        ok &= capture(output.filePath(namePrefix + theme + QStringLiteral("-settings.png")));
        if (auto* dialog = window.userConfigurationController()->dialog())
            dialog->close();
        wait(100);
    }

    Sentrel::Settings::setNoConfigurationModeOff();
    Sentrel::Settings::s_instance->setNoServer(true);
    Sentrel::setTempConfigFile(Utilities::PathProvider::demoProjectFullName());
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        useBuiltInTheme(theme);
        Sentrel::NavigationWindow window;
        window.applyStoredSettings();
        window.showTo();
        hover(QPoint(5, 5));
        const QString prefix = output.filePath(namePrefix + theme + QStringLiteral("-demo-"));
        ok &= capture(prefix + QStringLiteral("gadget.png"));
        hover(window.globalHotSpot());
        ok &= capture(prefix + QStringLiteral("hover.png"));
        Q_EMIT window.navigationContainer()->infoPressed();
        ok &= capture(prefix + QStringLiteral("info-turning.png"), TURN_MS / 3);
        ok &= capture(prefix + QStringLiteral("info-turning-2.png"), TURN_MS / 3);
        ok &= capture(prefix + QStringLiteral("info.png"), TURN_MS);
        Q_EMIT window.navigationContainer()->escapePressed();
        ok &= capture(prefix + QStringLiteral("info-back.png"), TURN_MS + 300);
        hover(QPoint(5, 5));
        ok &= captureFullScreen(window, prefix + QStringLiteral("fullscreen.png"));
        wait(100);
        ok &= captureRings(window, prefix);
        wait(100);
    }
    if (compositingManager.state() != QProcess::NotRunning) {
        compositingManager.terminate();
        compositingManager.waitForFinished();
    }
    return ok ? 0 : 1;
}
