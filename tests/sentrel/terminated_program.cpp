// Sentrel's window on the demo project in no-server mode, wired to the end
// of the session as the program is, on a clock that stands still: a move of
// the window waits to be written until the program ends. The termination
// tests end it with SIGTERM.
#include "Application.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "StartUp.h"
#include "simulation/ManualClock.h"

#include "devices/GuiProperties.h"
#include "theme/ThemeProvider.h"

#include <QUuid>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace Corvane;
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    Sentrel::Application application(argc, argv, QStringLiteral("CorvaneTest.") + QUuid::createUuid().toString());
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    application.setQuitOnLastWindowClosed(false);
    Sentrel::ManualClock clock;
    Sentrel::Clock::setProgramClock(&clock);
    Sentrel::Settings::s_instance->setNoServer(true);
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    int exitCode = 0;
    {
        Sentrel::NavigationWindow window;
        Sentrel::connectSessionEnd(application, window);
        window.showTo();
        window.moveOnScreen(window.userPosition() + QPoint(37, 23));
        const QPoint moved = window.userPosition();
        std::printf("moved %d %d\n", moved.x(), moved.y());
        std::fflush(stdout);
        exitCode = application.exec();
    }
    Sentrel::Clock::setProgramClock(nullptr);
    return exitCode;
}
