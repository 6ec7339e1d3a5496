#include "Settings.h"

#include "MessageBoxes.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/ScheduledScenarioItem.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/UserConfigurationProperties.h"
#include "devices/Utilities.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/validation/ConfigurationValidator.h"
#include "log/Logger.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/PathProvider.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;
using Corvane::Utilities::PathProvider;
using namespace Corvane::Devices;

Settings* Settings::s_instance = new Settings;
Configuration* Settings::s_devicesConfiguration = nullptr;
Configuration* Settings::s_emptyConfiguration = Configuration::empty();
bool Settings::s_noConfigurationMode = false;
bool Settings::s_projectSwitching = false;
UserConfigurationProperties* Settings::s_userProperties = nullptr;
QUuid Settings::s_defaultConfigId;
int Settings::s_defaultConfigVersion = -1;
bool Settings::s_defaultConfigInitialized = false;
QString Settings::s_keptAsideFileName;
bool Settings::s_userPropertiesNew = false;
std::unique_ptr<Configuration> Settings::s_projectReadAhead;
QString Settings::s_projectReadAheadPath;

Configuration* Settings::devicesConfiguration()
{
    if (s_noConfigurationMode)
        return s_emptyConfiguration;
    if (!s_devicesConfiguration)
        initializeConfiguration();
    return s_devicesConfiguration ? s_devicesConfiguration : s_emptyConfiguration;
}

void Settings::setConfiguration(Configuration* configuration)
{
    if (configuration == s_devicesConfiguration)
        return;
    delete s_devicesConfiguration;
    s_devicesConfiguration = configuration;
}

void Settings::initializeConfiguration()
{
    if (s_noConfigurationMode)
        return;
    const QString path = currentProjectFilePath();
    QString errorText;
    Configuration* project = takeProjectReadAhead(path);
    if (!project)
        project = Serialization::XmlSerializer::read(path, &errorText);
    if (project) {
        if (Validation::ConfigurationValidator::issues(project) & Validation::ConfigurationValidator::HAS_ERRORS) {
            Logger(Logger::Error) << Q_FUNC_INFO << " the project has errors: " << path;
            reloadTranslations(true);
            MessageBoxes::instance()->critical(QApplication::activeWindow(), QCoreApplication::applicationName(),
                                               Validation::ConfigurationValidator::configurationHasErrorsMessage());
            delete project;
            project = Configuration::empty();
        } else {
            takeProjectStartingValues(*project);
        }
    } else {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot read the project " << path << ": " << errorText;
        project = Configuration::empty();
        reloadTranslations(true);
        // A missing file is no error of the file: the user has no project yet.
        if (QFileInfo::exists(path) && !errorText.isEmpty()) {
            MessageBoxes::instance()->critical(nullptr, QCoreApplication::applicationName(), errorText);
        } else {
            MessageBoxes::instance()->warning(
                nullptr, QCoreApplication::applicationName(),
                tr("There is no active configuration! Please run %1 application and create a configuration or "
                   "open an existing project.")
                    .arg(Corvane::Utilities::Globals::configuratorAppName()));
        }
    }
    setConfiguration(project);
    initializeDefaultConfig();
    loadProjectUserSettings(project->id());
}

void Settings::takeProjectStartingValues(const Configuration& project)
{
    if (!s_userPropertiesNew)
        return;
    s_userPropertiesNew = false;
    guiProperties().setLanguage(project.guiProperties().language());
    guiProperties().setTemperatureUnit(project.guiProperties().temperatureUnit());
}

bool Settings::readProjectAhead(const QString& path, QString* error)
{
    s_projectReadAhead.reset(Serialization::XmlSerializer::read(path, error));
    s_projectReadAheadPath = s_projectReadAhead ? path : QString();
    return s_projectReadAhead != nullptr;
}

Configuration* Settings::takeProjectReadAhead(const QString& path)
{
    const bool forPath = s_projectReadAhead && path == s_projectReadAheadPath;
    s_projectReadAheadPath.clear();
    if (!forPath)
        s_projectReadAhead.reset();
    return forPath ? s_projectReadAhead.release() : nullptr;
}

// The stored device settings of the project. The look settings in use stay:
// they may be newer than the file (the project just chosen is one of them).
void Settings::loadProjectUserSettings(const QUuid& projectId)
{
    UserConfigurationProperties stored = userProperties();
    if (Serialization::UserConfigurationXmlSerializer::read(PathProvider::currentUserConfigFileName(), projectId,
                                                            &stored, true))
        userSettings() = stored.userSettings();
    else
        userSettings() = UserDeviceSettings();
}

void Settings::clearConfiguration()
{
    setConfiguration(nullptr);
}

void Settings::setNoConfigurationModeOn()
{
    s_noConfigurationMode = true;
    clearConfiguration();
}

void Settings::setNoConfigurationModeOff()
{
    s_noConfigurationMode = false;
}

QString Settings::currentProjectFilePath()
{
    const QString current = guiProperties().currentFileName();
    return current.isEmpty() ? PathProvider::configPrjFullName() : current;
}

bool Settings::hasCurrentConfigurationChanged()
{
    QUuid id;
    int version = -1;
    if (!Serialization::XmlSerializer::readIdVersion(currentProjectFilePath(), id, version))
        return false;
    const Configuration* loaded = devicesConfiguration();
    return id != loaded->id() || version != loaded->version();
}

QUuid Settings::defaultConfigId()
{
    if (!s_defaultConfigInitialized)
        initializeDefaultConfig();
    return s_defaultConfigId;
}

int Settings::defaultConfigVersion()
{
    if (!s_defaultConfigInitialized)
        initializeDefaultConfig();
    return s_defaultConfigVersion;
}

void Settings::initializeDefaultConfig()
{
    QUuid id;
    int version = -1;
    if (Serialization::XmlSerializer::readIdVersion(PathProvider::configPrjFullName(), id, version)) {
        s_defaultConfigId = id;
        s_defaultConfigVersion = version;
    }
    s_defaultConfigInitialized = true;
}

UserConfigurationProperties& Settings::userProperties()
{
    if (!s_userProperties)
        initializeUserProperties();
    return *s_userProperties;
}

GuiProperties& Settings::guiProperties()
{
    return userProperties().gui();
}

UserDeviceSettings& Settings::userSettings()
{
    return userProperties().userSettings();
}

void Settings::initializeUserProperties()
{
    delete s_userProperties;
    s_userProperties = new UserConfigurationProperties;
    const QString path = PathProvider::currentUserConfigFileName();
    const QUuid configId = s_devicesConfiguration ? s_devicesConfiguration->id() : QUuid();
    QString error;
    s_userPropertiesNew = !Serialization::UserConfigurationXmlSerializer::read(path, configId, s_userProperties, false,
                                                                              &error);
    if (s_userPropertiesNew) {
        if (QFileInfo::exists(path))
            keepUnreadableUserFileAside(path);
        s_userProperties->gui().setLanguage(Corvane::Utilities::InitSettings::locale());
    }
}

void Settings::keepUnreadableUserFileAside(const QString& path)
{
    const QString aside = path + QStringLiteral(".unreadable-")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    if (QFile::rename(path, aside)) {
        s_keptAsideFileName = aside;
        Logger(Logger::Warning) << Q_FUNC_INFO << " the user settings " << path
                                << " cannot be read; they were kept as " << aside << " and defaults are used";
    } else {
        Logger(Logger::Error) << Q_FUNC_INFO << " the user settings " << path
                              << " cannot be read nor moved aside; defaults are used";
    }
}

bool Settings::saveUserConfiguration(QString* error)
{
    if (s_projectSwitching) {
        Logger(Logger::Trace) << Q_FUNC_INFO << " not written during a project switch";
        return true;
    }
    const QString path = PathProvider::currentUserConfigFileName();
    const QString folder = QFileInfo(path).absolutePath();
    QString reason;
    bool written = QDir().mkpath(folder);
    if (!written)
        reason = tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
    else
        written = Serialization::UserConfigurationXmlSerializer::write(
            path, devicesConfiguration()->id().toString(), &userProperties(), &reason);
    s_userPropertiesNew = s_userPropertiesNew && !written;
    if (!written) {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot save the user settings " << path << ": " << reason;
        if (error)
            *error = reason;
    }
    return written;
}

void Settings::reloadTranslations(bool fromSettings, const QString& locale)
{
    Corvane::Utilities::Localization::TranslatorsManager::instance()->updateTranslators(
        fromSettings ? guiProperties().language() : locale);
}

bool Settings::isRunningDemoMode() const
{
    return m_noServer && guiProperties().tempConfigFileName() == PathProvider::demoProjectFullName();
}

namespace {

// The scenarios of the test project: a simple one, a scenario plus, a
// scheduled scenario with its four CEN items and five unused ones.
void addTestScenarios(Configuration* project, int webServer)
{
    const DeviceAddress address = DeviceAddress::defaultAddress();
    const int none = Devices::Utilities::emtpyDeviceId();
    auto* simple = new ScenarioDeviceProperties(none, 1002, address.cloneWithPointId(1), QStringLiteral("Simple"));
    simple->setScenarioNumber(1);
    project->addDevice(webServer, simple);
    auto* plus = new ScenarioDeviceProperties(none, 1003, address.cloneWithPointId(2), QStringLiteral("S Plus Off"));
    plus->setLevel(45);
    project->addDevice(webServer, plus);
    auto* scheduled =
        new ScenarioDeviceProperties(none, 9002, address.cloneWithPointId(3), QStringLiteral("Scheduled"));
    const auto item = [&address](int button) {
        return ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, button, address.cloneWithPointId(3));
    };
    scheduled->setItems(item(1), item(2), item(3), item(4));
    project->addDevice(webServer, scheduled);
    for (int i = 1; i <= 5; ++i)
        project->addDevice(webServer, new ScenarioDeviceProperties(none, 1002, address.cloneWithPointId(3 + i),
                                                                   QStringLiteral("Unused%1").arg(i)));
}

} // namespace

void Settings::initializeTestConfiguration()
{
    Configuration* project = Configuration::test();
    const auto gateway = [](const QString& ip) {
        return DeviceNetworkAddress(DeviceNetworkAddress::StaticIp, ip, DeviceNetworkAddress::UC_DEFAULT_VALUE,
                                    QStringLiteral("73951"), 20000);
    };
    const int webServer = project->addDevice(
        new WebServerDeviceProperties(100, gateway(QStringLiteral("192.168.1.100")), tr("WebServer")));
    project->addDevice(new WebServerDeviceProperties(101, gateway(QStringLiteral("192.168.1.101")),
                                                     QStringLiteral("Dummy Server")));
    const DeviceAddress address = DeviceAddress::defaultAddress();
    const int none = Devices::Utilities::emtpyDeviceId();
    for (int i = 0; i <= 7; ++i) {
        project->addDevice(webServer, new ActuatorDeviceProperties(none, i % 2 ? 2003 : 2001,
                                                                   address.cloneWithPointId(i + 1),
                                                                   QStringLiteral("Light %1").arg(i)));
        project->addDevice(webServer, new ShutterDeviceProperties(none, i % 2 ? 3001 : 3002,
                                                                  address.cloneWithPointId(i + 1),
                                                                  QStringLiteral("Shutter %1").arg(i)));
    }
    for (int i = 6; i <= 8; ++i)
        project->addDevice(webServer, new ThermoregulationDeviceProperties(none, 8003, address.cloneWithPointId(i),
                                                                           QStringLiteral("Temp Sensor %1").arg(i)));
    for (int i = 7; i <= 11; ++i)
        project->addDevice(webServer, new SensorDeviceProperties(none, 21002, address.cloneWithPointId(i),
                                                                 QStringLiteral("Sensor %1").arg(i)));
    addTestScenarios(project, webServer);
    project->clearChanges();
    setConfiguration(project);
}

void Settings::reset()
{
    clearConfiguration();
    delete s_userProperties;
    s_userProperties = nullptr;
    s_noConfigurationMode = false;
    s_projectSwitching = false;
    s_defaultConfigId = QUuid();
    s_defaultConfigVersion = -1;
    s_defaultConfigInitialized = false;
    s_keptAsideFileName.clear();
    s_userPropertiesNew = false;
    takeProjectReadAhead(QString());
    s_instance->m_noServer = false;
    s_instance->m_supportTransparency = false;
}

} // namespace Corvane::Sentrel
