#include "Application.h"
#include "ApplicationIcon.h"
#include "CommandLine.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "StartUp.h"
#include "Controllers/navigation/NavigationController.h"

#include "devices/GuiProperties.h"
#include "log/Logger.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"
#include "utilities/GeneralUtilities.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/TranslatorsManager.h"


#include <memory>

using namespace Corvane;
using Corvane::Log::Logger;
using Corvane::Sentrel::Settings;

namespace {

const QString OrganisationName = QStringLiteral("Talvera");
const QString ApplicationName = Utilities::Globals::sentrelAppName();

// Under a Wayland session the program runs through XWayland, where it can
// place its window and set its click-through shape.
void preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void readCommandLine(const QStringList& arguments, int& logMode, QString& projectPath, QStringList& refusals)
{
    const Sentrel::CommandLine commandLine = Sentrel::CommandLine::read(arguments);
    if (commandLine.noServer())
        Settings::s_instance->setNoServer(true);
    if (!commandLine.projectFolder().isEmpty())
        Settings::guiProperties().setLastConfigFolderPath(commandLine.projectFolder());
    logMode = commandLine.logMode();
    projectPath = commandLine.projectPath();
    refusals = commandLine.refusals();
}

} // namespace

int main(int argc, char** argv)
{
    Utilities::Globals::installNoDebugOutputMsgHandlerIfNeeded();
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    preferX11();

    auto application = std::make_unique<Sentrel::Application>(
        argc, argv, Utilities::Globals::appKey(ApplicationName, OrganisationName));
    application->setOrganizationName(OrganisationName);
    application->setApplicationName(ApplicationName);
    if (application->isRunning()) {
        application->logStartWarnings();
        return 0;
    }

    Utilities::Localization::TranslatorsManager::instance()->setAdditionalTranslatableTargets(
        {Utilities::Globals::gadgetsLibName(), Utilities::Globals::devicesLibName(),
         Utilities::Globals::platformLibName()});
    Utilities::InitSettings::readSettings();
    application->setOrganizationDomain(Utilities::InitSettings::domainName());
    application->setApplicationVersion(QStringLiteral("2.0.93"));
    application->setQuitOnLastWindowClosed(false);

    int logMode = Logger::Errors;
    QString projectPath;
    QStringList refusals;
    readCommandLine(application->arguments(), logMode, projectPath, refusals);
    Logger::initialize(logMode, application->applicationName());
    application->logStartWarnings();
    for (const QString& refusal : std::as_const(refusals))
        Logger(Logger::Warning) << "Command line: refused " << refusal;

    auto themeEngine = std::make_unique<Gadgets::ThemeEngineHandler>();
    Settings::s_instance->setSupportTransparency(true);

    bool ok = Sentrel::setTempConfigFile(projectPath);
    if (!ok)
        ok = Sentrel::setTempConfigFile(application->lastFileOpenPath());
    Gadgets::ThemeProvider::setThemeFile(Settings::guiProperties().skin());

    int exitCode = 0;
    if (Sentrel::shouldShowMainWindow()) {
        if (!ok)
            Sentrel::setTempConfigFile(application->lastFileOpenPath());
        Settings::devicesConfiguration();
        auto window = std::make_unique<Sentrel::NavigationWindow>();
        window->setSupportsTransparency(Settings::s_instance->supportTransparency());
        QObject::connect(application.get(), &Utilities::SingleInstanceApplication::appStartRequested, window.get(),
                         &Sentrel::NavigationWindow::onAppStartRequest);
        QObject::connect(application.get(), &Sentrel::Application::fileNameArgument,
                         window->navigationController(),
                         &Sentrel::Controllers::NavigationController::setTemporaryDevicesConfiguration);
        // The icon and the update check (it starts a process) wait until the
        // gadget shows.
        QObject::connect(
            window.get(), &Sentrel::BaseSceneWindow::firstFramePainted, application.get(),
            [] {
                Sentrel::setApplicationIcon();
                Utilities::GeneralUtilities::startAutoUpdateIfNeeded();
            },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        Sentrel::connectSessionEnd(*application, *window);
        window->applyStoredSettings();
        window->showTo();
        exitCode = application->exec();
        window.reset();
    }

    Logger::close();
    Gadgets::ThemeProvider::clear();
    themeEngine.reset();
    application.reset();
    return exitCode;
}
