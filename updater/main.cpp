#include "UpdateManager.h"
#include "UpdaterArguments.h"

#include "log/Logger.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/SingleInstanceApplication.h"

#include <QIcon>
#include <QNetworkInformation>

using namespace Corvane;

int main(int argc, char* argv[])
{
    Utilities::Globals::installNoDebugOutputMsgHandlerIfNeeded();

    const QString applicationName = QStringLiteral("TalveraVantrelUpdater");
    const QString organisationName = QStringLiteral("Talvera");
    Utilities::SingleInstanceApplication application(
        argc, argv, Utilities::Globals::appKey(applicationName, organisationName));
    QCoreApplication::setOrganizationName(organisationName);
    QCoreApplication::setApplicationName(applicationName);
    Utilities::InitSettings::readSettings();
    QCoreApplication::setOrganizationDomain(Utilities::InitSettings::domainName());

    if (application.isRunning()) {
        application.logStartWarnings();
        return 0;
    }

    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Talvera.png")));

    const Updater::UpdaterArguments arguments = Updater::UpdaterArguments::parse(QCoreApplication::arguments());
    if (!arguments.locale.isEmpty()) {
        auto* translators = Utilities::Localization::TranslatorsManager::instance();
        translators->setAdditionalTranslatableTargets({Utilities::Globals::platformLibName()});
        translators->updateTranslators(arguments.locale);
    }

    // The boxes name failures only broadly; the log file keeps their causes.
    Log::Logger::initialize(Log::Logger::Errors, applicationName);
    application.logStartWarnings();
    // Lets a failed check tell "no network" from "server unreachable".
    QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);

    auto* manager = new Updater::UpdateManager(&application);
    QObject::connect(&application, &Utilities::SingleInstanceApplication::appStartRequested, manager,
                     &Updater::UpdateManager::onAppStartRequested);
    manager->check(arguments.automatic, arguments.iniPath);
    return QApplication::exec();
}
