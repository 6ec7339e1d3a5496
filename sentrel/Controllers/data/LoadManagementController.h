#pragma once

#include "BaseDataControlsController.h"
#include "Controllers/base/CommandRing.h"

#include "commandcontrol/CommandControl.h"

#include <QMap>

namespace Corvane::Devices {
class LoadDevice;
}
namespace Corvane::Gadgets {
class LoadManagementDataControl;
class SvgElement;
class SvgWindowFrame;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

// The controller of the load-management page: the loads under the
// installation's central unit. A click on a load opens a ring that forces
// the load on or returns it to control, and shows its data window (instant
// power, two counters, their economic value) in the carousel or beside the
// load's favourite. Loads that report consumption (type 18002) are kept
// sending instant values while their page or a favourite shows them; which
// loads the gateway is updating follows the gateway's replies.
class LoadManagementController : public BaseDataControlsController
{
    Q_OBJECT

public:
    static const QString CONTROLLED_BUTTON_ID;
    static const QString UNCONTROLLED_BUTTON_ID;
    static const QString ON_BUTTON_ID;
    static const QString INFO_BUTTON_ID;
    static const QString LOAD_MANAGEMENT_DATA_CONTROL_ID;

    // What a data window's buttons ask for.
    enum DeviceCommand {
        Refresh = 0,
        ResetCounter1 = 1,
        ResetCounter2 = 2,
        Cycle = 3,
    };

    explicit LoadManagementController(NavigationWindow* window);
    ~LoadManagementController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    void pageChanged() override;
    void settingsLoaded() override;
    void retranslateUi() override;
    void updateControlsCache() override;
    void aboutToQuit() override;
    // The updates the gateways confirmed are stopped before the project's
    // favourites close.
    void closeConfiguration() override;
    // A load renamed on its label or favourite: its data windows follow.
    void handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange) override;
    void onFullScreen() override;
    void handleCarouselIndexChanged(int index) override;
    void handleCarouselMovementEnded() override;
    Gadgets::SvgControlObject* favoriteDataControl(int deviceId) const override;
    Gadgets::SvgControlObject* dataControl(int deviceId) const override;
    int getDeviceIdFromDataControl(const Gadgets::SvgControlObject* control) const override;
    void loadManagementMessageReceived(const PravikDriver::OpenDriver* driver,
                                       const PravikDriver::UserMessages::LoadManagementMessage& message,
                                       const PravikDriver::Message& raw, bool flag) override;

    // The ring, built now if it is not yet: the page builds it when first
    // opened.
    Gadgets::CommandControl* commandControl() const { return m_ring.control(); }
    bool isRingBuilt() const { return m_ring.isBuilt(); }
    int commandDevice() const { return m_commandDevice; }
    int infoFavorite() const { return m_infoFavorite; }
    bool isPageShown() const { return m_pageShown; }

    QList<Gadgets::CommandControl::ButtonData> getDeviceButtons(const Devices::LoadDevice* load) const;
    void handleButtonClick(const QString& buttonId, int deviceId);
    void executeCommand(Gadgets::LoadManagementDataControl* control, DeviceCommand command);
    void updateDataControlForDevice(const Devices::LoadDevice* load);
    // The carousel of the loads' data windows; counters not known yet are
    // asked for.
    void showCarousel() override;
    // A load renamed: its carousel data window and its own favourite's.
    void retitleDevice(int deviceId, const QString& name);

    // Favourite windows of loads: the command ring on the centre button, the
    // data window beside the favourite on INFO, and automatic updates while
    // it is open.
    void initializeFavorite(FavoriteWindow* window) override;
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteClose(FavoriteWindow* window) override;
    Gadgets::Utilities::RendererContainer* favoriteIconRenderer() const override;

    // Automatic updates of the loads' instant power.
    bool shouldAutoUpdate(const Devices::LoadDevice* load) const;
    void autoUpdate(const Devices::LoadDevice* load, bool start, int priority);
    bool autoUpdateStarted(int deviceId) const;
    void markAutoUpdateStarted(int deviceId, bool started);
    void smartAutoUpdate(const Devices::LoadDevice* load, int priority);
    void smartAutoUpdate(int priority);
    // Stops every update the gateways confirmed (the project closes).
    void onConfigurationChanged();

    // kW, times the tariff for an economic value.
    static double convertedValue(double watts, bool showEconomic, double tariff);

public Q_SLOTS:
    void onCommandElementClick(Corvane::Gadgets::SvgElement* element);
    void onRefreshClicked();
    void onResetCounter1Clicked();
    void onResetCounter2Clicked();
    void onCycleClicked();

protected:
    // A load's carousel data window, made when the carousel first shows.
    Gadgets::SvgControlObject* createDataControl(Devices::BaseDevice* device) override;

private:
    bool openPage();
    void handleCurrentIconChanged(const Gadgets::Models::NavigationIcon& icon);
    void updateNavigationIcons();
    void updateUIButtonsForDevice(const Devices::LoadDevice* load);
    // INFO on a favourite: the load's data window, filled, beside it.
    void showFavoriteDataWindow(FavoriteWindow* window, const Devices::LoadDevice* load);
    void fillDataControl(Gadgets::LoadManagementDataControl* control, const Devices::LoadDevice* load) const;
    // Asks the gateway for the load's counters while one of them has not
    // been reported yet (a data window about to show them).
    void requestUnknownCounters(const Devices::LoadDevice* load);
    Gadgets::SvgWindowFrame* createDataFrame(const Devices::LoadDevice* load);
    void applyMessage(Devices::LoadDevice* load, const PravikDriver::UserMessages::LoadManagementMessage& message);
    Devices::LoadDevice* load(int deviceId) const;
    void sendToSender(DeviceCommand command);

    CommandRing m_ring;
    int m_infoFavorite = 0;
    int m_commandDevice = 0;
    QMap<int, bool> m_autoUpdateStarted;
    bool m_pageShown = false;
    // Set from the close of the project (or the quit) until the next
    // project's loads are loaded: no load of it is wanted any more.
    bool m_configurationClosed = false;
};

} // namespace Corvane::Sentrel::Controllers
