#pragma once

#include "devices/serialization/AtomicFileWriter.h"
#include "utilities/Localization/LocaleData.h"

#include <QMainWindow>
#include <QScopedValueRollback>
#include <QUrl>

#include <functional>

class QActionGroup;
class QLabel;
class QMenu;

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Gadgets {
class SplashScreen;
class ToolBar;
}

namespace Corvane::Configurator {

class AdminConfigurator;
class HandOverQueue;
class ProjectActivator;

// The editor's window: the administration view with menus, tool bar,
// languages and the name of the open project, and the project commands
// (new, open, save, save as, load the active project, activate).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static const QString STATUS_LABEL_INDENT;
    static const QString STATUS_NEW_PROJECT;
    static const QString STATUS_DEFAULT_PROJECT;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    bool hasOpenedConfig() const;
    Devices::Configuration* config() const;
    AdminConfigurator* adminConfigurator() const { return m_configurator; }
    QString currentFilePath() const { return m_currentFilePath; }
    QString statusText() const;
    ProjectActivator* activator() const { return m_activator; }

    // The offered languages, filled once.
    static const QList<Utilities::Localization::LocaleData>& locales();

    // Opens path; on failure an error box, and the open project, its change
    // mark and the status label stay as they were.
    bool openConfig(const QString& path);
    bool saveConfig(const QString& path);
    // Writes the open project to path (a new file gets newFileMode less the
    // umask); on failure the error box.
    bool writeConfig(const QString& path,
                     mode_t newFileMode = Devices::Serialization::AtomicFileWriter::SHARED_MODE);
    void updateStatusLabel(const QString& status);
    void writeSettings();
    QString lastOpenedConfigFolderPath() const;
    // How the brand site is opened (the desktop's browser by default).
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { m_urlOpener = std::move(opener); }

Q_SIGNALS:
    void shown();

public Q_SLOTS:
    void openConfigAskSaveCurrentChanges(const QString& fileName);
    void onAppStartRequest(const QStringList& arguments);
    void openAction();
    bool saveAction();
    void about();
    bool saveAs();
    void import();
    void newFile();
    void openBrandSite();
    void checkForUpdate();
    void loadConfiguration();
    void activateConfiguration();
    void switchLanguage(QAction* action);
    void switchLayoutDirection(const QString& locale);
    void contextChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape, Return and Enter close the about box, as a click does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createToolBars();
    void createLanguageMenu();
    void createMenus();
    // The administration view's device commands, after the file menu.
    void createDevicesMenu();
    void retranslateUi();
    void updateTranslators(const QString& locale);
    void updateActionStates();
    QString styleSheetText() const;
    // Every command that reads, checks or replaces the project starts here:
    // the text still in a cell's editor is committed first, and hand-overs
    // wait while the command runs.
    [[nodiscard]] QScopedValueRollback<int> startCommand();
    bool isCommandRunning() const;
    // Opens the last project among a later start's arguments that reads,
    // after asking to save; reports why the last one read did not.
    void openHandedOver(const QStringList& arguments);
    void reportOpenFailure(const QString& error);
    void setOpenedProject(Devices::Configuration* project, const QString& path);
    // Asks to save a changed project. False when the command must stop:
    // cancelled, or the save failed or was cancelled.
    bool askToSaveChanges();
    void setStatusLabelText();

    AdminConfigurator* m_configurator = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_devicesMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QMenu* m_infoMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    Gadgets::ToolBar* m_toolBar = nullptr;
    QLabel* m_statusLabel = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    QString m_currentFilePath;
    Gadgets::SplashScreen* m_aboutBox = nullptr;
    QString m_statusText;
    ProjectActivator* m_activator = nullptr;
    std::function<bool(const QUrl&)> m_urlOpener;
    int m_runningCommands = 0;
    HandOverQueue* m_handOvers = nullptr;
};

} // namespace Corvane::Configurator
