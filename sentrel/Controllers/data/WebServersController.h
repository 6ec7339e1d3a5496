#pragma once

#include "BaseDataControlsController.h"

namespace Corvane::Devices {
class WebServerDevice;
}
namespace Corvane::Gadgets {
class SvgElement;
class SvgWindowFrame;
class WebServerDataControl;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

// The controller of the webserver information page: each gateway whose
// viewer is enabled shows its identity and network state (article,
// firmware, addresses, uptime, clock) in a data window, in the carousel and
// beside its favourite. A status request asks the gateway for seven of its
// settings; each answer fills what it carries.
class WebServersController : public BaseDataControlsController
{
    Q_OBJECT

public:
    // The gateway settings a status request asks for, in this order.
    static const QList<int> STATUS_SETTINGS;

    explicit WebServersController(NavigationWindow* window);

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    void settingsLoaded() override;
    void retranslateUi() override;
    void onFullScreen() override;
    // A gateway renamed on its label or favourite: its data windows follow.
    void handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange) override;
    Gadgets::SvgControlObject* favoriteDataControl(int deviceId) const override;
    Gadgets::SvgControlObject* dataControl(int deviceId) const override;
    void interfaceDeviceMessageReceived(const PravikDriver::OpenDriver* driver,
                                        const PravikDriver::UserMessages::InterfaceDeviceMessage& message,
                                        const PravikDriver::Message& raw, bool flag) override;

    int infoFavorite() const { return m_infoFavorite; }

    void showWebServerInfo(int deviceId);
    void updateDataControlForDevice(const Devices::WebServerDevice* device);
    // A gateway renamed: its carousel data window and its own favourite's.
    void retitleDevice(int deviceId, const QString& name);

    // Favourite windows of gateways: the centre button shows the gateway's
    // data window, filled, beside the favourite.
    void initializeFavorite(FavoriteWindow* window) override;
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;

protected:
    // The gateway's carousel data window, made when the page first shows
    // it, filled with what the gateway reported so far.
    Gadgets::SvgControlObject* createDataControl(Devices::BaseDevice* device) override;

private:
    bool openPage();
    void updateNavigationIcons();
    Gadgets::SvgWindowFrame* createDataFrame(const Devices::WebServerDevice* device) const;
    static void fillDataControl(Gadgets::WebServerDataControl* control, const Devices::WebServerDevice* device);
    void takeFields(Devices::WebServerDevice* device, const PravikDriver::UserMessages::InterfaceDeviceMessage& message);
    Devices::WebServerDevice* webServer(int deviceId) const;

    int m_infoFavorite = 0;
};

} // namespace Corvane::Sentrel::Controllers
