#include "StartUp.h"

#include "Application.h"
#include "CommandLine.h"
#include "MessageBoxes.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "TerminationSignal.h"
#include "Controllers/navigation/NavigationController.h"

#include "devices/GuiProperties.h"
#include "log/Logger.h"

#include <QCoreApplication>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;

bool setTempConfigFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (!CommandLine::isRegularFile(path)) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " refused " << path << ": not a regular file";
        return false;
    }
    QString error;
    if (!Settings::readProjectAhead(path, &error)) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " refused " << path << ": " << error;
        return false;
    }
    Settings::guiProperties().setTempConfigFileName(path);
    return true;
}

bool shouldShowMainWindow()
{
    Devices::GuiProperties& gui = Settings::guiProperties();
    const bool tempEmpty = gui.tempConfigFileName().isEmpty();
    const QUuid defaultId = Settings::defaultConfigId();
    if (defaultId.isNull())
        return true;
    const int defaultVersion = Settings::defaultConfigVersion();
    if (!gui.installConfigFileName().isEmpty() && tempEmpty
        && (QUuid(gui.lastDefConfigId()) != defaultId || gui.lastDefConfigVersion() != defaultVersion)) {
        Settings::reloadTranslations(true);
        const QMessageBox::StandardButton answer = MessageBoxes::instance()->question(
            nullptr, QCoreApplication::applicationName(),
            QCoreApplication::translate("Corvane::Sentrel::StartUp",
                                        "The default configuration has been changed. Would you like to load it "
                                        "instead of the current configuration?"));
        if (answer == QMessageBox::Yes) {
            gui.setInstallConfigFileName(QString());
            Settings::clearConfiguration();
        } else if (answer != QMessageBox::No) {
            return false;
        }
    }
    if (tempEmpty) {
        gui.setLastDefConfigId(defaultId.toString());
        gui.setLastDefConfigVersion(defaultVersion);
    }
    return true;
}

void connectSessionEnd(Application& application, NavigationWindow& window)
{
    Controllers::NavigationController* controller = window.navigationController();
    if (!controller)
        return;
    // Direct: the session manager takes the request as done when it returns.
    QObject::connect(
        &application, &QGuiApplication::commitDataRequest, controller,
        [controller] { controller->saveUserConfiguration(); }, Qt::DirectConnection);
    auto* termination = new TerminationSignal(&application);
    QObject::connect(termination, &TerminationSignal::received, controller,
                     &Controllers::NavigationController::onQuit);
}

} // namespace Corvane::Sentrel
