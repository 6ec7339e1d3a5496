#pragma once

#include "Controllers/base/RingPageController.h"

namespace Corvane::Devices {
class ScenarioDevice;
class ScheduledScenarioItem;
} // namespace Corvane::Devices

namespace Corvane::Sentrel {

class ClockTimer;

namespace Controllers {

// The controller of the scenarios page: scenarios, scenario PLUS devices and
// scheduled scenarios whose commands are CEN or CEN PLUS push buttons. Its
// buttons act on press and release, not on click: a 500 ms timer measures
// how long a button is held, and CEN items send their own actions for the
// press, every tick of the hold and the release. Scenarios have no state on
// the bus: a device is usable while its gateway is connected.
class ScenariosController : public RingPageController
{
    Q_OBJECT

public:
    static const QString START_BUTTON_ID;
    static const QString STOP_BUTTON_ID;
    static const QString ENABLE_BUTTON_ID;
    static const QString DISABLE_BUTTON_ID;
    // The highest CEN push button that receives hold and release actions.
    static const int EVOLVED_CEN_MAX_NUMBER;
    static const int HOLD_TICK_INTERVAL;

    explicit ScenariosController(NavigationWindow* window);
    ~ScenariosController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    // Ends a hold in progress.
    void closeConfiguration() override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    // A scenario PLUS favourite shows its level slider.
    void initializeFavorite(FavoriteWindow* window) override;
    // The centre button opens or closes the device's ring; the ring's
    // buttons act on press and release. Nothing happens for a device that
    // is gone.
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteElementPress(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteElementRelease(FavoriteWindow* window, Gadgets::SvgElement* element) override;

    ClockTimer* holdTimer() const { return m_holdTimer; }
    bool isHolding() const;
    // The device of the last accepted press; 0 before the first one.
    int pressedDeviceId() const { return m_pressedDeviceId; }

    // The buttons of the device's ring (and favourite panel), in order.
    static QList<Gadgets::CommandControl::ButtonData> getButtonsForDevice(const Devices::BaseDevice* device);

    // A press of the button on the device, with the level a scenario PLUS
    // starts at. Ignored while another press is held, for a device that is
    // gone and for a button the device does not offer.
    void handleElementPress(const QString& buttonId, int deviceId, int level);
    // A favourite's press: its slider value is cut toward zero.
    void handleFavoritePress(const QString& buttonId, int deviceId, double sliderValue);
    // Ends the hold with the pressed device's release action.
    void handleElementRelease();

public Q_SLOTS:
    void onElementPress(Corvane::Gadgets::SvgElement* element);
    void onElementRelease(Corvane::Gadgets::SvgElement* element);
    void onTimerTick();

protected:
    void connectRing(Gadgets::CommandControl* ring) override;
    QList<Gadgets::CommandControl::ButtonData> ringButtons(const Devices::BaseDevice* device) const override;
    // The carousel's sliders follow the ring's device.
    void ringSelectionChanged(int segment) override;

private:
    void updateNavigationIcons();
    // The carousel slider's value for the device, rounded half up.
    int carouselLevel(const Devices::BaseDevice* device) const;
    Devices::ScenarioDevice* pressedDevice() const;
    void endHold();

    void handleScenarioRelease(const Devices::ScenarioDevice* device);
    void handleScenarioPlusRelease(const Devices::ScenarioDevice* device);
    void handleScheduledScenarioPress(const Devices::ScenarioDevice* device);
    void handleScheduledScenarioTimerTick(const Devices::ScenarioDevice* device);
    void handleScheduledScenarioRelease(const Devices::ScenarioDevice* device);
    void handleScheduledCenPress(const Devices::ScenarioDevice* device, const Devices::ScheduledScenarioItem& item);
    void handleScheduledCenTimerTick(const Devices::ScenarioDevice* device,
                                     const Devices::ScheduledScenarioItem& item);
    void handleScheduledCenRelease(const Devices::ScenarioDevice* device, const Devices::ScheduledScenarioItem& item);
    void handleScheduledCenPlusTimerTick(const Devices::ScenarioDevice* device,
                                         const Devices::ScheduledScenarioItem& item);
    void handleScheduledCenPlusRelease(const Devices::ScenarioDevice* device,
                                       const Devices::ScheduledScenarioItem& item);
    void sendCen(const Devices::ScenarioDevice* device, const Devices::ScheduledScenarioItem& item, int action);
    void sendCenPlus(const Devices::ScenarioDevice* device, const Devices::ScheduledScenarioItem& item, int action);
    // The item of the pressed command; one that is not present when the
    // button names none.
    Devices::ScheduledScenarioItem pressedItem(const Devices::ScenarioDevice* device) const;

    ClockTimer* m_holdTimer = nullptr;
    // Kept as an id: the device may be gone (a project switch) by the time
    // of the release or the next tick.
    int m_pressedDeviceId = 0;
    QString m_pressedButtonId;
    int m_heldTime = 0;
    int m_pressLevel = 0;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
