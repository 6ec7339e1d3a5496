#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUuid>

#include <memory>

namespace Corvane::Devices {
class Configuration;
class GuiProperties;
class UserConfigurationProperties;
class UserDeviceSettings;
} // namespace Corvane::Devices

namespace Corvane::Sentrel {

// The process-wide store of what the program has loaded: the project, the
// user settings (look and per-device settings), the identity of the active
// project and two run flags. GUI thread only.
class Settings
{
    Q_DECLARE_TR_FUNCTIONS(Corvane::Sentrel::Settings)

public:
    static Settings* s_instance;

    bool noServer() const { return m_noServer; }
    void setNoServer(bool noServer) { m_noServer = noServer; }
    bool supportTransparency() const { return m_supportTransparency; }
    void setSupportTransparency(bool support) { m_supportTransparency = support; }

    // The empty project in no-configuration mode; else the loaded project,
    // loading it on first use. Never null.
    static Devices::Configuration* devicesConfiguration();
    // Loads the project and the user settings; a project that cannot be
    // read or has errors is replaced by an empty one after a message.
    static void initializeConfiguration();
    // Reads the project at path and, when it is readable, keeps it for the
    // next load of that path: a project checked before it is chosen is not
    // read twice. Returns whether it was readable, else the reason in error.
    static bool readProjectAhead(const QString& path, QString* error = nullptr);
    static void clearConfiguration();
    static void setNoConfigurationModeOn();
    static void setNoConfigurationModeOff();
    static bool isNoConfigurationMode() { return s_noConfigurationMode; }
    // Set from the start of a project switch until the new project's user
    // settings are loaded. Meanwhile the store holds no project (or the
    // new one without its settings), so saveUserConfiguration() writes
    // nothing: the file keeps what the user had for each project.
    static void setProjectSwitching(bool switching) { s_projectSwitching = switching; }
    static bool isProjectSwitching() { return s_projectSwitching; }

    // The project of the user settings, else the active project.
    static QString currentProjectFilePath();
    // Whether the project file on disk has another id or version than the
    // loaded project.
    static bool hasCurrentConfigurationChanged();

    // Id and version of the active project file, read once.
    static QUuid defaultConfigId();
    static int defaultConfigVersion();
    static void initializeDefaultConfig();

    static Devices::GuiProperties& guiProperties();
    static Devices::UserDeviceSettings& userSettings();
    static Devices::UserConfigurationProperties& userProperties();
    // Reads the user settings file anew. A file that exists but cannot be
    // read is moved aside (see keptAsideFileName) so that the next save
    // does not overwrite what the user had; the language then follows the
    // program locale.
    static void initializeUserProperties();
    // Writes the user settings file, creating its folder when missing.
    // Returns false, with a log line and the reason in error, on failure.
    // During a project switch nothing is written and true is returned.
    static bool saveUserConfiguration(QString* error = nullptr);
    // Where the last unreadable user settings file was moved; empty if none.
    static QString keptAsideFileName() { return s_keptAsideFileName; }

    static void reloadTranslations(bool fromSettings, const QString& locale = QString());
    // Demo mode: no-server mode on the demo project.
    bool isRunningDemoMode() const;

    // A fixed test project replaces the loaded one. For tests only.
    static void initializeTestConfiguration();

    // Drops everything loaded and returns to the state at program load
    // (flags off). For tests only.
    static void reset();

private:
    static void setConfiguration(Devices::Configuration* configuration);
    static void keepUnreadableUserFileAside(const QString& path);
    static void loadProjectUserSettings(const QUuid& projectId);
    // New user settings start with the language and temperature unit that
    // the installer chose for the project.
    static void takeProjectStartingValues(const Devices::Configuration& project);
    // The project read ahead for path, else null; either way none is kept.
    static Devices::Configuration* takeProjectReadAhead(const QString& path);

    bool m_noServer = false;
    bool m_supportTransparency = false;

    static Devices::Configuration* s_devicesConfiguration;
    static Devices::Configuration* s_emptyConfiguration;
    static bool s_noConfigurationMode;
    static bool s_projectSwitching;
    static Devices::UserConfigurationProperties* s_userProperties;
    static QUuid s_defaultConfigId;
    static int s_defaultConfigVersion;
    static bool s_defaultConfigInitialized;
    static QString s_keptAsideFileName;
    // No user settings file could be read and none has been written since.
    static bool s_userPropertiesNew;
    static std::unique_ptr<Devices::Configuration> s_projectReadAhead;
    static QString s_projectReadAheadPath;
};

} // namespace Corvane::Sentrel
