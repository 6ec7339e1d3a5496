#include "UserConfigurationController.h"

#include "Application.h"
#include "MessageBoxes.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "devices/UserConfigurationProperties.h"
#include "devices/validation/ConfigurationValidator.h"
#include "dialogs/UserConfigurationAreaDialog.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"
#include "utilities/WidgetUtilities.h"
#include "windows/CustomTitleBar.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace Corvane::Sentrel::Controllers {

using Corvane::Utilities::PathProvider;
using Corvane::Utilities::WidgetUtilities;
using Devices::GuiProperties;
using Gadgets::UserConfigurationAreaDialog;

UserConfigurationController::UserConfigurationController(NavigationWindow* window)
    : m_window(window)
    , m_fileChooser([](QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    })
{
    // The info face, with its configure button, is made when first shown.
    if (window && window->navigationContainer())
        connect(window->navigationContainer(), &Gadgets::NavigationContainer::infoControlCreated, this,
                [this](Gadgets::InfoControl* info) {
                    connect(info, &Gadgets::InfoControl::configButtonClicked, this,
                            &UserConfigurationController::showUserConfiguration);
                });
}

UserConfigurationController::~UserConfigurationController()
{
    delete m_dialog.data();
}

void UserConfigurationController::showUserConfiguration()
{
    if (m_dialog)
        return;
    m_dialog = new UserConfigurationAreaDialog;
    if (m_window)
        WidgetUtilities::setWindgetOnTop(m_dialog, WidgetUtilities::isWidgetOnTop(m_window));
    m_dialog->loadSkins(PathProvider::skinsDirPath());

    connect(m_dialog, &UserConfigurationAreaDialog::chooseInstallationConfigurationFile, this,
            &UserConfigurationController::chooseInstallationConfigurationFile);
    connect(m_dialog, &UserConfigurationAreaDialog::reloadDefault, this,
            &UserConfigurationController::setDefaultInstallationConfigurationFile);
    connect(m_dialog, &UserConfigurationAreaDialog::dialogClosed, this,
            &UserConfigurationController::deinitUserConfigurationAreaDialog);
    connect(m_dialog, &UserConfigurationAreaDialog::dimensionChanged, this,
            &UserConfigurationController::dimensionChanged);
    connect(m_dialog, &UserConfigurationAreaDialog::transparencyChanged, this,
            &UserConfigurationController::transparencyChanged);

    if (m_window)
        m_window->setIsInResizeMode(true);
    m_dialog->setIsInDemoMode(Settings::s_instance->isRunningDemoMode());
    m_dialog->setFullScreenMode(m_window && m_window->isInFullScreenMode());
    m_dialog->setTransparencyAvailable(!m_window || m_window->isTranslucencyAvailable());
    m_projectChosen = false;
    load(Settings::guiProperties());
    placeDialog();
    if (Settings::guiProperties().isUserConfDialogMaximized() && m_dialog->titleBar()
        && !m_dialog->titleBar()->isMaximized())
        m_dialog->titleBar()->showMaxRestore();
    m_dialog->adjustComboboxesToTheWidestOne();
}

void UserConfigurationController::placeDialog()
{
    const GuiProperties& gui = Settings::guiProperties();
    const QSize stored = gui.userConfDialogSize();
    if (!gui.isUserConfDialogMaximized() && stored.width() > 0 && stored.height() > 0)
        m_dialog->resize(stored);
    const QPoint position =
        m_window ? m_window->positionInCurrentScreenCenter(m_dialog->geometry(), false) : m_dialog->pos();
    const bool showFirst = !Settings::s_instance->supportTransparency() && !gui.isUserConfDialogMaximized() && m_window
                           && WidgetUtilities::isWidgetOnTop(m_window);
    if (showFirst) {
        m_dialog->show();
        m_dialog->move(position);
    } else {
        m_dialog->move(position);
        m_dialog->show();
    }
}

void UserConfigurationController::load(const GuiProperties& gui)
{
    if (!m_dialog)
        return;
    m_dialog->setLanguage(gui.language(), NavigationWindow::s_locales);
    m_dialog->setDimension(std::clamp(gui.dimension(), 0, 100));
    m_dialog->setTransparency(std::clamp(gui.transparency(), 0, 100));
    m_dialog->setHideLabelsTimeout(gui.hideLabelsTimeout());
    m_dialog->setGoHomepageTimeout(gui.goHomepageTimeout());
    m_dialog->setSkin(gui.skin());
    m_dialog->setTemperatureUnit(Gadgets::TemperatureUnit(gui.temperatureUnit()));
    m_dialog->setLaunchAtStartup(Application::runAtStartup());
    const QString project = gui.installConfigFileName();
    m_dialog->setProjectFilePath(project.isEmpty() ? PathProvider::configPrjFullName() : project);
}

void UserConfigurationController::load(const Devices::UserConfigurationProperties& properties)
{
    load(properties.gui());
}

void UserConfigurationController::save(GuiProperties& gui) const
{
    if (!m_dialog)
        return;
    gui.setLanguage(m_dialog->language());
    gui.setDimension(m_dialog->dimension());
    gui.setTransparency(m_dialog->transparency());
    gui.setHideLabelsTimeout(m_dialog->hideLabelsTimeout());
    gui.setGoHomepageTimeout(m_dialog->goHomepageTimeout());
    gui.setSkin(m_dialog->skin());
    gui.setTemperatureUnit(int(m_dialog->temperatureUnit()));
    Application::setRunAtStartup(m_dialog->launchAtStartup());
    const GuiProperties& current = Settings::guiProperties();
    if (Settings::s_instance->isRunningDemoMode() || !m_projectChosen) {
        gui.setInstallConfigFileName(current.installConfigFileName());
        gui.setTempConfigFileName(current.tempConfigFileName());
    } else {
        gui.setInstallConfigFileName(m_dialog->projectFilePath());
        gui.setTempConfigFileName(QString());
    }
}

void UserConfigurationController::save(Devices::UserConfigurationProperties& properties) const
{
    save(properties.gui());
}

void UserConfigurationController::setInstallationConfigurationFile(const QString& path)
{
    if (m_dialog)
        m_projectChosen = m_dialog->setProjectFilePath(path);
}

void UserConfigurationController::setDefaultInstallationConfigurationFile()
{
    setInstallationConfigurationFile(QString());
}

void UserConfigurationController::chooseInstallationConfigurationFile()
{
    GuiProperties& gui = Settings::guiProperties();
    QString folder = gui.lastConfigFolderPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        const QString currentFolder = QFileInfo(gui.currentFileName()).absolutePath();
        if (!gui.currentFileName().isEmpty() && QFileInfo(currentFolder).isDir()) {
            folder = currentFolder;
            gui.setLastConfigFolderPath(folder);
        } else {
            folder = PathProvider::userDocumentsPath();
        }
    }
    const QString file = m_fileChooser(
        m_dialog, tr("Choose configuration file"), folder,
        tr("VT Project (*%1)").arg(PathProvider::CONFIG_PROJECT_EXTENSION));
    if (file.isEmpty())
        return;
    QString error;
    if (Devices::Validation::ConfigurationValidator::isValid(file, &error)) {
        gui.setLastConfigFolderPath(QFileInfo(file).absolutePath());
        setInstallationConfigurationFile(file);
    } else if (!error.isEmpty()) {
        MessageBoxes::instance()->critical(m_dialog, QCoreApplication::applicationName(), error);
    }
}

void UserConfigurationController::deinitUserConfigurationAreaDialog()
{
    if (m_window)
        m_window->setIsInResizeMode(false);
    if (!m_dialog)
        return;
    updateUserConfiguration(!m_dialog->cancelled);
    // Closing the dialog reports its closing again: forget it first.
    const QPointer<UserConfigurationAreaDialog> dialog = m_dialog;
    m_dialog = nullptr;
    dialog->close();
    dialog->deleteLater();
}

void UserConfigurationController::dimensionChanged(int dimension)
{
    if (m_window)
        m_window->setScale(std::clamp(dimension, 0, 100), false);
}

void UserConfigurationController::transparencyChanged(int transparency)
{
    if (m_window)
        m_window->setTransparency(transparency);
    Q_EMIT favoritesTransparencyChanged(transparency);
}

void UserConfigurationController::updateUserConfiguration(bool accepted)
{
    Gadgets::ThemeProvider::sync();
    GuiProperties& current = Settings::guiProperties();
    if (!accepted) {
        saveUserConfigurationDialogUISettings(current);
        return;
    }
    const GuiProperties old = current;
    // Start from the current settings, so that what the dialog does not
    // show (per-page carousel scales among them) is kept.
    GuiProperties updated = current;
    save(updated);

    const bool sameTempFile = current.tempConfigFileName() == updated.tempConfigFileName();
    const bool sameInstallFile = current.installConfigFileName() == updated.installConfigFileName();
    bool defaultChanged = false;
    if (sameTempFile && sameInstallFile && m_projectChosen && Settings::hasCurrentConfigurationChanged()) {
        Q_EMIT reloadDevicesConfiguration();
        // The active project as it is on disk now, not as first read: that
        // is the one the user has been given.
        Settings::initializeDefaultConfig();
        const QString defaultId = Settings::defaultConfigId().toString();
        if (updated.lastDefConfigId() != defaultId) {
            updated.setLastDefConfigId(defaultId);
            defaultChanged = true;
        }
        if (updated.lastDefConfigVersion() != Settings::defaultConfigVersion()) {
            updated.setLastDefConfigVersion(Settings::defaultConfigVersion());
            defaultChanged = true;
        }
    }
    if (updated != current || defaultChanged || !sameTempFile) {
        current = updated;
        Q_EMIT settingsChanged(old);
    }
    saveUserConfigurationDialogUISettings(current);
}

void UserConfigurationController::saveUserConfigurationDialogUISettings(GuiProperties& gui) const
{
    if (!m_dialog)
        return;
    const bool maximized = m_dialog->titleBar() && m_dialog->titleBar()->isMaximized();
    gui.setIsUserConfDialogMaximized(maximized);
    if (!maximized)
        gui.setUserConfDialogSize(m_dialog->size());
}

} // namespace Corvane::Sentrel::Controllers
