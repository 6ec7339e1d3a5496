#pragma once

#include "Controllers/base/RingPageController.h"

namespace Corvane::Devices {
class ActuatorDevice;
}
namespace Corvane::PravikDriver::UserMessages {
class LightsMessage;
}

namespace Corvane::Sentrel::Controllers {

// The controller of the lighting page: on/off lights and dimmers. A click
// on a light opens a ring with an on and an off button; a button or a
// slider sends the request to the light's gateway, and the gateway's light
// messages set the lights' state and redraw them.
class ActuatorsController : public RingPageController
{
    Q_OBJECT

public:
    static const QString ON_BUTTON_ID;
    static const QString OFF_BUTTON_ID;

    explicit ActuatorsController(NavigationWindow* window);
    ~ActuatorsController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void initializeFavorite(FavoriteWindow* window) override;
    // The centre button opens or closes the on/off ring; its buttons switch
    // the light.
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteSliderChanged(FavoriteWindow* window) override;
    void lightMessageReceived(const PravikDriver::OpenDriver* driver,
                              const PravikDriver::UserMessages::LightsMessage& message,
                              const PravikDriver::Message& raw, bool pushed) override;

    void handleButtonIdClicked(const QString& buttonId, int deviceId);
    void setDeviceLevel(int deviceId, double level);

public Q_SLOTS:
    void onCommandElementClick(Corvane::Gadgets::SvgElement* element);
    void onSliderValueChanged(int segment);

protected:
    void connectRing(Gadgets::CommandControl* ring) override;
    // The on and off buttons, for every light.
    QList<Gadgets::CommandControl::ButtonData> ringButtons(const Devices::BaseDevice* device) const override;
    // The carousel's sliders follow the ring's light.
    void ringSelectionChanged(int segment) override;

private:
    void updateDeviceFromMessage(Devices::ActuatorDevice* device,
                                 const PravikDriver::UserMessages::LightsMessage& message, bool fromGroup);
    void updateNavigationIcons();
    Devices::ActuatorDevice* actuator(int deviceId) const;
};

} // namespace Corvane::Sentrel::Controllers
