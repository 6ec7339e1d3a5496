#pragma once

#include "Controllers/base/BaseController.h"
#include "NavigationIdleTimers.h"

#include <QHostAddress>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace Corvane::Devices {
class WebServerDevice;
}
namespace Corvane::Gadgets {
class NavigationContainer;
class SvgElement;
} // namespace Corvane::Gadgets
namespace Corvane::SSDP {
class Ssdp;
class SsdpTransport;
} // namespace Corvane::SSDP

namespace Corvane::Sentrel {

class BaseSceneWindow;
class ClockTimer;

namespace Controllers {

class ClosingHandshake;
class GatewayConnections;
class HomePageIcons;
class NavigationMenus;
class NavigationSettings;

// The controller of the main window's home page. It owns the page
// controllers and one gateway driver per gateway of the project (found by
// SSDP when the project gives no address), builds the home page of page
// icons, hands the carousel's clicks and keys to the page controllers in
// their order, runs the hide-labels and back-to-home timers, the context
// and tray menus, the user settings, quitting and project switching.
class NavigationController : public BaseController
{
    Q_OBJECT

public:
    // Makes the driver of one gateway: a simulated one in no-server mode.
    using DriverFactory = std::function<PravikDriver::OpenDriver*(bool simulated)>;
    // Makes the transport that carries the gateway searches.
    using DiscoveryTransportFactory = std::function<SSDP::SsdpTransport*()>;
    // Starts the Updater with these arguments.
    using UpdaterStarter = std::function<bool(const QStringList& arguments)>;

    static constexpr int SAVE_DELAY_MS = 2000;
    static constexpr int CLOSING_TIMEOUT_MS = 30000;
    static constexpr int FIRST_DISCOVERY_DELAY_MS = 20000;
    static constexpr int SSDP_SEARCH_PERIOD_MS = 60000;
    static constexpr int DISCOVERY_PORT = 20000;
    // Discovery on demand restarts at most this often.
    static constexpr int REDISCOVERY_INTERVAL_MS = 10000;

    // What tests replace; an empty member keeps the default. The transport
    // applies to controllers made afterwards, the others at once.
    struct Seams
    {
        DriverFactory driverFactory;
        DiscoveryTransportFactory discoveryTransportFactory;
        UpdaterStarter updaterStarter;
        // Ends the event loop (QCoreApplication::quit by default).
        std::function<void()> quitApplication;
        // Whether the desktop has a system tray now (QSystemTrayIcon's
        // answer by default).
        std::function<bool()> systemTrayAvailable;
    };
    static void setSeams(const Seams& seams);
    static const Seams& seams();

    explicit NavigationController(NavigationWindow* window);
    ~NavigationController() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool initialize() override;
    int controlledPageId() const override;
    void handleFullScreenExit() override;
    void settingsChanged(const Devices::GuiProperties& previous) override;
    void settingsLoaded() override;
    virtual void setFavoritesTransparency(int transparency);
    void retranslateUi() override;
    void aboutToQuit() override;
    virtual void closeConfiguration();
    void handleKeyPress(const QKeyEvent* event) override;
    void handleKeyRelease(const QKeyEvent* event) override;
    void onFullScreen() override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;

    QList<BaseController*> controllers() const { return m_controllers; }
    // The controller of the page shown, or null on the home page.
    BaseController* currentController() const;
    QList<Gadgets::Models::NavigationIcon> homeIcons() const { return m_icons; }
    // Home icon id to the id of the project page it opens.
    QMap<int, int> pageMap() const { return m_pageMap; }
    Devices::WebServerDevice* webServerDevice(int id) const;

    void loadConfiguration(const Devices::Configuration* configuration);
    void goHome();
    void setHandlesKeyboardInput(bool handles) { m_handlesKeyboardInput = handles; }
    bool handlesKeyboardInput() const { return m_handlesKeyboardInput; }
    bool isEditingLabel() const { return m_idleTimers->isLabelEditing(); }
    void retranslateIconsTooltips();

    // Applies GUI settings: everything on the first load (previous has a
    // negative dimension), else only what differs from previous.
    void loadGuiSettings(const Devices::GuiProperties& current, const Devices::GuiProperties& previous);
    void loadUserSettings(const Devices::UserDeviceSettings& settings);
    void fillUserSettings(Devices::UserDeviceSettings& settings) const;

    // Starts a wait for every driver to report that it may close (at most
    // CLOSING_TIMEOUT_MS); completion then runs on this controller. A wait
    // already running keeps going: a quit takes it over, a switch joins it.
    void waitForDriversReadyToClose(void (NavigationController::*completion)());
    // Prepares the context menu for the icon at position (window
    // coordinates): the entries shown, the checks, the texts. False while
    // the carousel moves.
    bool prepareContextMenu(const QPoint& position);
    void prepareContextMenuFor(const Gadgets::Models::NavigationIcon& icon);
    ClosingHandshake* closingHandshake() const { return m_closing; }
    bool isQuitting() const { return m_quitting; }
    void reloadDevicesConfiguration();
    // Switches to the project at filePath, which Settings::readProjectAhead
    // has just read.
    void switchToProjectReadAhead(const QString& filePath);

    bool isDiscoveryDone() const;
    bool isDiscovering() const;
    SSDP::Ssdp* discovery() const;
    void discover();

    NavigationMenus* menus() const { return m_menus.get(); }
    // Null until the desktop has a system tray.
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
    ClockTimer* hideLabelsTimer() const { return m_idleTimers->hideLabels(); }
    ClockTimer* backToHomeTimer() const { return m_idleTimers->backToHome(); }
    ClockTimer* saveTimer() const { return m_saveTimer; }

Q_SIGNALS:
    void driversReadyToClose();

public Q_SLOTS:
    virtual void onRefreshAll();
    virtual void onRefreshCurrent();
    virtual void onClose();
    virtual void onSetOnTop();
    void scheduleSaveUserConfiguration();
    void saveUserConfiguration();
    void discoverIfNeeded();
    void setTemporaryDevicesConfiguration(const QString& filePath);
    void onQuit();
    void onNetworkUpdateCompleted();
    void onSsdpDiscovered(int functionCode, int univocalCode, const QHostAddress& deviceAddress);
    void onSsdpTimeoutExpired();
    void onContextMenuRequest(const QPoint& position);
    void onNavigationIconClicked(const Corvane::Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                 bool generated);
    void onHomeButtonClicked();
    void onBackButtonClicked();
    void onInfoButtonClicked();
    void onElementClick(Corvane::Gadgets::SvgElement* element);
    void onRequestOriginalIcons();
    void onRequestShortcut(const Corvane::Gadgets::Models::NavigationIcon& icon);
    void onRequestAllowedShortcut(const Corvane::Gadgets::Models::NavigationIcon& icon, bool& isShortcutAllowed);
    void onIconsReordered();
    void onDeviceRenamed(int deviceId, const QString& name);
    void onEditingControlClosed();
    void onHoverMove();
    void onMousePress();
    void onMouseRelease();
    void onKeyPressed(const QKeyEvent* event);
    void onKeyReleased(const QKeyEvent* event);
    void onWheel();
    void onLabelEditStart();
    void onLabelEditEnd();
    void onHideLabelsTick();
    void onBackToHomeTick();
    void startTimers();
    void stopTimers();
    void onTrayAboutToShow();
    void onTrayShowMain();
    void onTrayActivate();
    void onTrayLaunchAtStartup();
    void onTrayCheckForUpdate();
    void onTrayQuit();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void onDriversReadyToClose();
    void onPreviousConfigurationClosed();
    void quit();

private:
    void createControllers();
    void createTimers();
    void initTrayIcon();
    void createTrayIcon();
    void showLabelsIfHidden();
    void setKeyboardInputEverywhere(bool handles);
    // Every favourite window of the program: the scene windows other than
    // the main one.
    QList<BaseSceneWindow*> favoriteWindows() const;

    QList<BaseController*> m_controllers;
    QMap<int, int> m_pageMap;
    std::unique_ptr<GatewayConnections> m_gateways;
    std::unique_ptr<HomePageIcons> m_homePage;

    std::unique_ptr<NavigationIdleTimers> m_idleTimers;
    ClockTimer* m_saveTimer = nullptr;
    ClockTimer* m_firstDiscoveryTimer = nullptr;

    std::unique_ptr<NavigationMenus> m_menus;
    QSystemTrayIcon* m_trayIcon = nullptr;

    bool m_handlesKeyboardInput = true;

    bool m_quitting = false;
    ClosingHandshake* m_closing = nullptr;
    std::unique_ptr<NavigationSettings> m_settings;

    friend class HomePageIcons;
    friend class NavigationSettings;
    friend class NavigationWiring;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
