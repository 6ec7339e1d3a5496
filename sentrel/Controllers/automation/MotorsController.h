#pragma once

#include "Controllers/base/RingPageController.h"

namespace Corvane::Devices {
class ShutterDevice;
}
namespace Corvane::PravikDriver::UserMessages {
class AutomationMessage;
}

namespace Corvane::Sentrel::Controllers {

// The controller of the automation page: shutters and curtains. A click on
// a device opens a ring with its open, stop and close buttons; a button
// moves the device through its gateway, and the gateway's automation
// messages show whether it is opening, closing or still.
class MotorsController : public RingPageController
{
    Q_OBJECT

public:
    static const QString OPEN_BUTTON_ID;
    static const QString CLOSE_BUTTON_ID;
    static const QString STOP_BUTTON_ID;

    explicit MotorsController(NavigationWindow* window);
    ~MotorsController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    // The centre button opens or closes the device's ring; its buttons move
    // the device. Nothing happens for a device that is gone.
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void automationMessageReceived(const PravikDriver::OpenDriver* driver,
                                   const PravikDriver::UserMessages::AutomationMessage& message,
                                   const PravikDriver::Message& raw, bool pushed) override;

    // The buttons of the device's ring (and favourite panel), in order.
    static QList<Gadgets::CommandControl::ButtonData> getButtonsForDevice(const Devices::BaseDevice* device);
    // The theme renderer of the device's icon for its present movement.
    static QString rendererFor(const Devices::ShutterDevice* device);
    void handleButtonIdClicked(const QString& buttonId, int deviceId);

public Q_SLOTS:
    void onMotorElementClick(Corvane::Gadgets::SvgElement* element);

protected:
    void connectRing(Gadgets::CommandControl* ring) override;
    QList<Gadgets::CommandControl::ButtonData> ringButtons(const Devices::BaseDevice* device) const override;

private:
    static void updateDeviceFromMessage(Devices::ShutterDevice* device,
                                        const PravikDriver::UserMessages::AutomationMessage& message);
    void updateNavigationIcons();
};

} // namespace Corvane::Sentrel::Controllers
