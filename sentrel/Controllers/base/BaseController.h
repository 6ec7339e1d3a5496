#pragma once

#include "DeviceIcons.h"
#include "Controllers/favorites/FavoriteShortcuts.h"
#include "Controllers/favorites/FavoriteWindowActions.h"
#include "Controllers/favorites/FavoriteWindows.h"
#include "GatewayEvents.h"

#include "devices/BaseDeviceProperties.h"
#include "devices/ConfigPage.h"
#include "devices/UserDeviceSettings.h"
#include "models/NavigationIcon.h"
#include "pravikdriver/Address.h"
#include "pravikdriver/PravikListener.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>

class QKeyEvent;
class QMenu;

namespace Corvane::Devices {
class BaseDevice;
class Configuration;
class DeviceAddress;
class GuiProperties;
class UserDeviceSettings;
} // namespace Corvane::Devices
namespace Corvane::Gadgets {
class CommandControl;
class FavoriteControl;
class NavigationControl;
class SvgElement;
namespace Models {
class DropDownItemModel;
}
namespace Utilities {
class IconRenderer;
class RendererContainer;
} // namespace Utilities
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel {

class FavoriteWindow;
class NavigationWindow;

namespace Controllers {

class FavoriteContextMenu;

// The common base of the page controllers of the carousel. It owns the
// devices of its page and their navigation icons, knows the driver of each
// gateway and listens to all of them, and declares the operations through
// which the navigation controller offers clicks, keys, driver events and
// settings to each device family. Event operations return false when the
// controller does not take the event.
class BaseController : public QObject, public PravikDriver::PravikListener
{
    Q_OBJECT

public:
    static const int LIGHTS_PAGE_ID;
    static const int MOTORS_PAGE_ID;
    static const int SCENARIOS_PAGE_ID;
    static const int TERMO_PAGE_ID;
    static const int LUMIN_PAGE_ID;
    static const int PRESENCE_PAGE_ID;
    static const int WEB_SERVERS_PAGE_ID;
    static const int SOUND_PAGE_ID;
    static const int ENERGY_DATA_PAGE_ID;
    static const int LOAD_MANAGEMENT_PAGE_ID;
    // The page id under which a controller whose page the project lacks
    // keeps its settings: never the home page's.
    static constexpr int NO_PROJECT_PAGE = -1;

    using DriverMap = QMap<int, PravikDriver::OpenDriver*>;

    explicit BaseController(NavigationWindow* window);
    ~BaseController() override;

    virtual bool initialize();
    virtual int controlledPageId() const;
    virtual Devices::ConfigPage::PageType controlledPageType() const;
    // The number of devices loaded for the page.
    virtual int loadDevices(const Devices::Configuration* configuration);
    virtual bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                             bool generated);
    virtual bool handleBackButtonClicked();
    virtual void handleFullScreenExit();

    void connected(const PravikDriver::Driver* driver, bool monitor) override;
    void authenticated(const PravikDriver::Driver* driver, bool monitor) override;
    void disconnected(const PravikDriver::Driver* driver, bool monitor) override;
    void communicationError(const PravikDriver::Driver* driver, bool monitor,
                            const PravikDriver::Error& error) override;
    void connectionError(const PravikDriver::Driver* driver, bool monitor, const PravikDriver::Error& error) override;

    // Asks the state of every device of the gateway (all gateways for a
    // negative id) that takes part in status requests.
    virtual void updateStatus(int serverId);
    virtual void pageChanged();
    virtual void settingsChanged(const Devices::GuiProperties& previous);
    virtual void settingsLoaded();
    virtual void updateDeviceStatus(Devices::BaseDevice* device);
    virtual bool supportsRefresh() const;
    virtual void retranslateUi();
    virtual void fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                                       const Devices::BaseDevice* device);
    virtual void loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                                       Devices::BaseDevice* device);
    virtual void aboutToQuit();
    virtual void setDrivers(const DriverMap& drivers);
    virtual void handleKeyPress(const QKeyEvent* event);
    virtual void handleKeyRelease(const QKeyEvent* event);
    virtual void onFullScreen();
    virtual void setDeviceIconName(int deviceId, int subDeviceId, const QString& name);
    // Draws one device's state into its icon and labels.
    virtual void updateUIforDevice(Devices::BaseDevice* device) = 0;
    virtual void handleCarouselIndexChanged(int index);
    virtual void handleCarouselMovementEnded();
    virtual QString elementsSuffix() const;
    virtual PravikDriver::Address::DeviceType defaultDeviceType() const = 0;
    virtual int getDeviceIdFromUniquieId(int uniqueId) const;
    virtual int getSubDeviceIdFromUniquieId(int uniqueId) const;
    virtual Gadgets::Models::NavigationIcon getIconByIndex(int index) const;

    // Favourite windows. A favourite shows one device (sub-device id 0 or
    // less) or one sub-device in a window of its own; it follows the
    // device's icon (updateUI) and is stored in the user settings by the
    // navigation controller through favorites() and getFavoriteSettings().

    // Shows the page's icons again, favourites marked; false off the page.
    virtual bool handleRequestOriginalIcons();
    // An icon dragged out of the carousel: opens its favourite with the hot
    // spot under the cursor. A second favourite of the same item is refused
    // with a message.
    virtual bool handleRequestShortcut(const Gadgets::Models::NavigationIcon& icon);
    virtual void handleRequestAllowedShortcut(const Gadgets::Models::NavigationIcon& icon, bool& allowed);
    // The user moved icons on the carousel: the page's icons take the shown
    // order, which is saved. False off the page.
    virtual bool handleIconsReordered();
    // The base closes the window on its close icon and asks the device's
    // state on its refresh icon. Subclasses call it last.
    virtual void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element);
    virtual void handleFavoriteElementPress(FavoriteWindow* window, Gadgets::SvgElement* element);
    virtual void handleFavoriteElementRelease(FavoriteWindow* window, Gadgets::SvgElement* element);
    virtual void handleFavoriteSliderChanged(FavoriteWindow* window);
    // Redraws the favourites after a theme change.
    virtual void updateControlsCache();
    virtual void setFavoritesTransparency(int transparency);
    // Closes every favourite window and releases it, writing no settings:
    // the project they belong to is going away.
    virtual void closeConfiguration();
    virtual Devices::UserDeviceSettings::Favorite getFavoriteSettings(FavoriteWindow* window) const;
    // Icon of a favourite whose item has no carousel icon; null by default.
    virtual Gadgets::Utilities::RendererContainer* favoriteIconRenderer() const;
    // Fills a new favourite window from its device; empty in the base.
    virtual void initializeFavorite(FavoriteWindow* window);
    // A user-given name: an empty one is refused (canChange false).
    virtual void handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange);
    virtual void handleFavoriteClose(FavoriteWindow* window);
    virtual bool canAddFavoriteFor(int deviceId, int subDeviceId) const;
    virtual Gadgets::Models::NavigationIcon getIconForSubDevice(int deviceId, int subDeviceId) const;
    virtual void loadSettingsForFavorite(const Devices::UserDeviceSettings::Favorite& favorite);

    DriverMap drivers() const { return m_drivers; }
    PravikDriver::OpenDriver* getDriver(int serverId) const;
    bool isServerConnected(int serverId) const;
    int getServerId(const PravikDriver::OpenDriver* driver) const;
    int getServerDeviceIndexByDriver(const PravikDriver::OpenDriver* driver) const;
    Devices::BaseDevice* getDeviceById(int id) const;
    int getDeviceIndexById(int id) const;
    QList<const Devices::BaseDevice*> devices() const;
    QList<Devices::BaseDevice*> orderedDevices() const;
    QList<Gadgets::Models::NavigationIcon> icons() const { return m_icons; }
    int indexOfIcon(int id) const;

    static int getAddressType(const Devices::DeviceAddress& address);
    // Group, ambient and general addresses: commands reach several devices
    // and no gateway keeps a state for them.
    static bool isCommandAddress(const Devices::DeviceAddress& address);
    static QString getAddressText(const Devices::DeviceAddress& address, PravikDriver::Address::DeviceType type,
                                  PravikDriver::Address::Direction direction);
    QString getAddressText(const Devices::DeviceAddress& address) const;
    static PravikDriver::Address getAddressFromText(const QString& text);
    static PravikDriver::Address::DeviceType getAddressDeviceType(
        Devices::BaseDeviceProperties::DeviceType deviceType);
    // Indices of the devices on that driver whose address is the message's;
    // group, ambient and general devices only with includeSpecial.
    QList<int> getDeviceIndicesByAddress(const QString& address, const PravikDriver::OpenDriver* driver,
                                         bool includeSpecial) const;
    // The point devices on that driver that a group, ambient or general
    // command reaches.
    QList<Devices::BaseDevice*> getDevicesForGroupAddress(const QString& address,
                                                          const PravikDriver::OpenDriver* driver) const;

    // Moves the icons with the given ids to the positions of the list.
    void reorderIcons(const QList<int>& ids);

    // Restores the page's favourites (at their stored top-left, scale and
    // on-top state), user-given names and icon order. pageId is the
    // project's id of the page, under which its order is stored.
    void loadUserSettings(const Devices::UserDeviceSettings& settings, int pageId);
    // Opens a favourite window. With placeHotSpot the control's hot spot
    // lands on point, otherwise the window's top-left. scale is the window's
    // scale percent, 0..100.
    FavoriteWindow* addFavorite(int deviceId, int subDeviceId, const QPoint& point, bool placeHotSpot, bool onTop,
                                int scale);
    // Opens a favourite at the default scale under the cursor and saves.
    FavoriteWindow* addFavorite(int deviceId, int subDeviceId);
    // Whether the item of a carousel icon id has a favourite window.
    bool hasFavoriteFor(int uniqueId) const;
    // The first favourite window of the device, or null.
    FavoriteWindow* getFavoriteById(int deviceId) const;
    QList<FavoriteWindow*> favorites() const { return m_favorites.all(); }
    // Sets a user-given name on the icon and on the item's favourites.
    void setDeviceName(int deviceId, int subDeviceId, const QString& name);
    // The name the user gave the device on another page, if this page
    // shows the device too.
    void takeDeviceName(int deviceId, const QString& name);
    // A copy of icons in which every icon with a favourite carries the
    // favourite indicator.
    QList<Gadgets::Models::NavigationIcon> updateIconsWithFavorites(
        const QList<Gadgets::Models::NavigationIcon>& icons) const;
    // renderer with indicator among its overlays exactly when present.
    static Gadgets::Utilities::IconRenderer addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                               Gadgets::Utilities::RendererContainer* indicator,
                                                               bool present);
    static Gadgets::Utilities::IconRenderer addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                               const QString& indicatorName, bool present);
    // Adds or removes an indicator on the icon and on the device's favourites.
    void addRemoveIconIndicator(int iconId, const QString& indicatorName, bool present);
    // Sets the icon of a command button on command controls and favourites.
    static void updateButtonIcon(const QString& buttonId, const QList<Gadgets::CommandControl*>& commandControls,
                                 const QList<Gadgets::FavoriteControl*>& favoriteControls,
                                 const Gadgets::Models::NavigationIcon& icon);

    // The favourites' context menu; null before initialize().
    QMenu* favoriteContextMenu() const;
    // The favourite window the context menu was last opened on, if it lives.
    FavoriteWindow* contextMenuWindow() const;
    int contextMenuDeviceId() const;

    // Ask the navigation controller to write the user settings now, or after
    // its save delay (saveSettingsRequested, scheduleSaveSettingsRequested).
    // During a project switch (Settings::isProjectSwitching()) nothing is
    // asked: nothing of the closing project may be written under the next
    // one's identity.
    void saveSettings();
    void scheduleSaveSettings();

    void setIconState(int id, Gadgets::Models::NavigationIcon::State state);
    void setIconText(int id, const QString& text);
    void setIconMinValue(int id, double value);
    void setIconMaxValue(int id, double value);
    void setIcon(int id, Gadgets::Utilities::RendererContainer* renderer);
    void setIconRenderer(int id, const Gadgets::Utilities::IconRenderer& renderer);
    void setIconSupportsValue(int id, bool supports);
    void setSupportsDeviceInfo(int id, bool supports);
    void setDeviceInfo(int id, const QString& info);
    // The entries of the device's drop-down beside its label.
    void setDeviceDropDownItemsModels(int id, const QList<Gadgets::Models::DropDownItemModel*>& models);
    void setSliderValueBounds(int id, double minimum, double maximum, double step);
    void setSliderTextFormat(int id, const QString& format);
    void setSliderValuePrecision(int id, int precision);
    void setSliderValueStep(int id, double step);
    void setSliderInvalidValueSteps(int id, const QSet<int>& steps);
    void setSliderValue(int id, double value);
    void setDeviceDropDownModel(int id, const Gadgets::Models::DropDownModel& model);
    // Redraws one icon on the carousel when the page is shown and on the
    // device's favourites.
    void updateUI(const Gadgets::Models::NavigationIcon& icon);
    void updateSliders(int selectedSegment);

Q_SIGNALS:
    // The user settings should be written now; the navigation controller
    // fills and writes them.
    void saveSettingsRequested();
    // The user settings should be written after the save delay.
    void scheduleSaveSettingsRequested();
    // "Quit application" was chosen on a favourite.
    void quitRequested();
    // A device's state was asked for: a gateway still waiting for
    // discovery should be looked for again.
    void discoveryNeeded();
    // The user gave the device a name on this page's label or favourite;
    // every page that shows the device takes it.
    void deviceRenamed(int deviceId, const QString& name);

public Q_SLOTS:
    // A favourite window's context menu, opened at pos of the window that
    // sent the request.
    void onContextMenuRequest(const QPoint& pos);
    void onFavoriteElementClick(Corvane::Gadgets::SvgElement* element);
    void onFavoriteElementPress(Corvane::Gadgets::SvgElement* element);
    void onFavoriteElementRelease(Corvane::Gadgets::SvgElement* element);
    void onFavoriteTextChanged(bool& canChange);
    void onFavoriteSliderValueChanged();
    void onFavoriteClosing();
    void onFavoriteMoved();
    void onFavoriteResized();
    // The context menu's entries; they act on the window it was opened on.
    void onFavoriteRefresh();
    void onShowMainWindow();
    void onFavoriteClose();
    void onFavoriteSetOnTop();
    void onLabelRefreshClicked(int segment);
    // A carousel label renamed in its editor: the item of the icon at that
    // segment takes the name (handleTextChanged). Connect it directly.
    void onLabelTextChanged(int segment, bool& canChange);
    void onCarouselIndexChanged(int index);
    void onCarouselMovementEnded();

protected:
    bool isCurrentPage() const;
    // Opens this controller's page on the carousel: its icons, the page's
    // picture in the centre, labels that may be renamed (with or without
    // their refresh buttons) and the page's element suffix on the container.
    void showDevicePage(const QString& systemRenderer, bool refreshButtons);
    // The devices of this controller that a message at address from driver
    // is about: the point devices of that address; when there are none, the
    // devices of the family with a known state that the group, ambient or
    // general address covers, and fromGroup is set.
    QList<Devices::BaseDevice*> devicesForMessage(const QString& address, const PravikDriver::OpenDriver* driver,
                                                  int familyCode, bool* fromGroup = nullptr) const;
    Gadgets::CommandControl* activeCommandControl() const;
    void clearDevices();
    // Marks the devices of a lost gateway unknown and redraws them.
    void handleDisconnect(const PravikDriver::Driver* driver);
    // True for callbacks of drivers this controller holds: a driver of a
    // closed project may still report while it closes.
    bool isKnownDriver(const PravikDriver::Driver* driver) const;

    NavigationWindow* navigationWindow() const { return m_window; }
    Gadgets::NavigationControl* navigationControl() const { return m_navigationControl; }

    QList<Devices::BaseDevice*> m_devices;
    QList<Gadgets::Models::NavigationIcon> m_icons;

private:
    // The favourite window whose control sent the running signal, or null.
    FavoriteWindow* favoriteOfSender() const;

    Gadgets::NavigationControl* m_navigationControl = nullptr;
    NavigationWindow* m_window = nullptr;
    DriverMap m_drivers;
    FavoriteWindows m_favorites;
    FavoriteContextMenu* m_contextMenu = nullptr;
    DeviceIcons m_deviceIcons{*this};
    FavoriteShortcuts m_shortcuts{*this};
    GatewayEvents m_gatewayEvents{*this};
    FavoriteWindowActions m_windowActions{*this};

    friend class DeviceIcons;
    friend class FavoriteWindowActions;
    friend class FavoriteShortcuts;
    friend class GatewayEvents;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
