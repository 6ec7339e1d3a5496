#include "Application.h"
#include "ApplicationUpdateController.h"
#include "MainWindow.h"
#include "StartupArguments.h"
#include "log/Logger.h"
#include "theme/ThemeProvider.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "windows/SplashScreen.h"

#include <QScreen>

using namespace Corvane;
using Corvane::Utilities::Globals;
using Corvane::Utilities::InitSettings;

namespace {

const QString ORGANISATION = QStringLiteral("Talvera");
const QString APPLICATION = QStringLiteral("VantrelConfig");
constexpr int WINDOW_WIDTH = 950;
constexpr int WINDOW_HEIGHT = 600;
constexpr int SPLASH_FADE_MS = 1500;

} // namespace

int main(int argc, char** argv)
{
    Globals::installNoDebugOutputMsgHandlerIfNeeded();
    auto* application = new Configurator::Application(argc, argv, Globals::appKey(APPLICATION, ORGANISATION));
    QCoreApplication::setOrganizationName(ORGANISATION);
    QCoreApplication::setApplicationName(APPLICATION);
    Utilities::Localization::TranslatorsManager::instance()->setAdditionalTranslatableTargets(
        {Globals::gadgetsLibName(), Globals::devicesLibName(), Globals::platformLibName()});
    InitSettings::readSettings();
    QCoreApplication::setOrganizationDomain(InitSettings::domainName());
    if (application->isRunning()) {
        application->logStartWarnings();
        delete application;
        return 0;
    }
    Gadgets::ThemeProvider::initResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Images/Configurator.png")));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.93"));

    const auto startup = Configurator::StartupArguments::parse(QCoreApplication::arguments());
    Log::Logger::initialize(startup.logMode, QCoreApplication::applicationName());
    application->logStartWarnings();
    const bool rightToLeft = InitSettings::locale() == Utilities::Localization::LanguageSettings::ARABIC_LOCALE;

    auto* splash = new Gadgets::SplashScreen(nullptr);
    splash->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    splash->show();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    auto* window = new Configurator::MainWindow(nullptr);
    QObject::connect(application, &Configurator::Application::fileNameArgument, window,
                     &Configurator::MainWindow::openConfigAskSaveCurrentChanges);
    QObject::connect(application, &Utilities::SingleInstanceApplication::appStartRequested, window,
                     &Configurator::MainWindow::onAppStartRequest);
    if (!startup.fileToOpen.isEmpty())
        window->openConfig(startup.fileToOpen);
    else if (!window->hasOpenedConfig() && !application->fileName().isEmpty())
        window->openConfig(application->fileName());
    window->setGeometry(screen.x() + screen.width() / 2 - WINDOW_WIDTH / 2, screen.y() + screen.height() / 2 - WINDOW_HEIGHT / 2,
                        WINDOW_WIDTH, WINDOW_HEIGHT);

    splash->fade(SPLASH_FADE_MS);
    auto* updateController = new Configurator::ApplicationUpdateController;
    QObject::connect(splash, &Gadgets::SplashScreen::closed, window, &QWidget::show);
    QObject::connect(window, &Configurator::MainWindow::shown, updateController,
                     &Configurator::ApplicationUpdateController::startApplicationUpdate);

    const int result = QApplication::exec();
    Log::Logger::close();
    delete updateController;
    delete window;
    delete splash;
    delete application;
    return result;
}
