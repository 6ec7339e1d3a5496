#pragma once

#include "devices/GuiProperties.h"
#include "dialogs/UserConfigurationAreaDialog.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace Corvane::Devices {
class UserConfigurationProperties;
}

namespace Corvane::Sentrel {

class NavigationWindow;

namespace Controllers {

// Runs the user settings dialog: opens it from the info control's
// configuration button, fills it from the user settings, previews size and
// transparency while the sliders move, lets the user pick another project
// and, on close, writes the choices back and announces what changed.
class UserConfigurationController : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("NavigationWindow.h")

public:
    // Asks the user for a project file: parent, title, start folder, filter.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit UserConfigurationController(NavigationWindow* window);
    ~UserConfigurationController() override;

    Gadgets::UserConfigurationAreaDialog* dialog() const { return m_dialog; }
    bool projectChosen() const { return m_projectChosen; }
    // Replaces the file dialog (tests answer without one).
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

    void load(const Devices::GuiProperties& gui);
    void load(const Devices::UserConfigurationProperties& properties);
    void save(Devices::GuiProperties& gui) const;
    void save(Devices::UserConfigurationProperties& properties) const;
    void setInstallationConfigurationFile(const QString& path);
    void updateUserConfiguration(bool accepted);
    void saveUserConfigurationDialogUISettings(Devices::GuiProperties& gui) const;

public Q_SLOTS:
    void showUserConfiguration();
    void chooseInstallationConfigurationFile();
    void setDefaultInstallationConfigurationFile();
    void deinitUserConfigurationAreaDialog();
    void dimensionChanged(int dimension);
    void transparencyChanged(int transparency);

Q_SIGNALS:
    // The user settings changed; previous holds them as they were.
    void settingsChanged(const Corvane::Devices::GuiProperties& previous);
    // The project on disk changed and should be loaded again.
    void reloadDevicesConfiguration();
    void favoritesTransparencyChanged(int transparency);

private:
    void placeDialog();

    QPointer<Gadgets::UserConfigurationAreaDialog> m_dialog;
    bool m_projectChosen = false;
    QPointer<NavigationWindow> m_window;
    FileChooser m_fileChooser;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
