// Screenshots of Sentrel's main window for review: the gadget, full-screen
// mode and the user settings dialog, in each built-in theme. Meant for an
// X server such as Xvfb (the whole screen is captured):
//
//     sentrelshots [--wallpaper <image>] [--compositor] <output folder>
//
// --wallpaper lays the image over the desktop behind the windows (a window
// kept below the others); --compositor starts xcompmgr for the run, so that
// the pictures show Sentrel with and without translucent windows.
//
// Writes <theme>-gadget.png, <theme>-fullscreen.png and <theme>-settings.png
// of an empty gadget, then <theme>-demo-gadget.png, <theme>-demo-info.png
// (the info face) and <theme>-demo-fullscreen.png of the demo project in
// no-server mode.
#include "NavigationWindow.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Settings.h"
#include "StartUp.h"

#include "Controllers/navigation/UserConfigurationController.h"
#include "navigation/NavigationContainer.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"
#include "utilities/PathProvider.h"

#include <QApplication>
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

bool capture(const QString& path)
{
    wait(600);
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

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    QStringList arguments = application.arguments().mid(1);
    QString wallpaperPath;
    bool compositor = false;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--compositor"))
            compositor = true;
        else if (option == QLatin1String("--wallpaper") && !arguments.isEmpty())
            wallpaperPath = arguments.takeFirst();
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: sentrelshots [--wallpaper <image>] [--compositor] <output folder>\n");
        return 2;
    }
    const QDir output(arguments.first());
    QProcess compositingManager;
    if (compositor) {
        compositingManager.start(QStringLiteral("xcompmgr"), QStringList());
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

    bool ok = true;
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        useBuiltInTheme(theme);
        Sentrel::NavigationWindow window;
        window.applyStoredSettings();
        window.showTo();
        ok &= capture(output.filePath(theme + QStringLiteral("-gadget.png")));
        for (const auto& [name, menu] :
             {std::pair{QStringLiteral("-contextmenu.png"), window.navigationController()->menus()->contextMenu()},
              std::pair{QStringLiteral("-traymenu.png"), window.navigationController()->menus()->trayMenu()}}) {
            window.navigationController()->prepareContextMenuFor({});
            menu->popup(window.customRect().center());
            ok &= capture(output.filePath(theme + name));
            menu->hide();
        }
        ok &= captureFullScreen(window, output.filePath(theme + QStringLiteral("-fullscreen.png")));
        window.userConfigurationController()->showUserConfiguration();
        ok &= capture(output.filePath(theme + QStringLiteral("-settings.png")));
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
        ok &= capture(output.filePath(theme + QStringLiteral("-demo-gadget.png")));
        Q_EMIT window.navigationContainer()->infoPressed();
        ok &= capture(output.filePath(theme + QStringLiteral("-demo-info.png")));
        Q_EMIT window.navigationContainer()->escapePressed();
        wait(600);
        ok &= captureFullScreen(window, output.filePath(theme + QStringLiteral("-demo-fullscreen.png")));
        wait(100);
    }
    if (compositingManager.state() != QProcess::NotRunning) {
        compositingManager.terminate();
        compositingManager.waitForFinished();
    }
    return ok ? 0 : 1;
}
