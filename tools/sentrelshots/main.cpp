// Screenshots of Sentrel's main window for review: the gadget, full-screen
// mode and the user settings dialog, in each built-in theme. Meant for an
// X server such as Xvfb (the whole screen is captured):
//
//     sentrelshots <output folder>
//
// Writes <theme>-gadget.png, <theme>-fullscreen.png and <theme>-settings.png
// of an empty gadget, then <theme>-demo-gadget.png and
// <theme>-demo-fullscreen.png of the demo project in no-server mode.
#include "NavigationWindow.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Settings.h"
#include "StartUp.h"

#include "Controllers/navigation/UserConfigurationController.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"
#include "utilities/PathProvider.h"

#include <QApplication>
#include <QMenu>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: sentrelshots <output folder>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
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
        ok &= captureFullScreen(window, output.filePath(theme + QStringLiteral("-demo-fullscreen.png")));
        wait(100);
    }
    return ok ? 0 : 1;
}
