#pragma once

#include "Controllers/base/BaseController.h"
#include "Controllers/base/CommandRing.h"
#include "ThermoregulationButtons.h"
#include "ThermoregulationCommandIcons.h"
#include "ThermoregulationDeviceIcons.h"
#include "ThermoregulationUnits.h"

#include <memory>

namespace Corvane::Devices {
class ThermoregulationDevice;
}
namespace Corvane::Gadgets {
class FavoriteControl;
class SvgElement;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

class ThermoregulationFavorites;
class ThermoregulationStatusTimers;

// The controller of the thermoregulation page: temperature probes, zones of
// 4-zone and 99-zone central units with their fan-coils, and basic and
// advanced air conditioners. Temperatures are held in Celsius and shown in
// the user's unit. A click on a device opens its command ring (a second
// ring for the zone status, the fan speeds, the mode and the swing); a basic
// air conditioner shows its commands as icons of their own, each run by a
// START button. Zone commands seen on the bus are followed, after a short
// delay, by a fresh status request.
class ThermoregulationController : public BaseController
{
    Q_OBJECT

public:
    using Device = Devices::ThermoregulationDevice;
    using Buttons = ThermoregulationButtons;
    using ButtonList = ThermoregulationButtons::ButtonList;

    ThermoregulationController(NavigationWindow* window);
    ~ThermoregulationController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    QString elementsSuffix() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    Gadgets::Utilities::RendererContainer* favoriteIconRenderer() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void settingsChanged(const Devices::GuiProperties& previous) override;
    void closeConfiguration() override;
    void updateControlsCache() override;

    // Rings and commands.
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    bool handleBackButtonClicked() override;
    // Sends a temperature given in the user's unit.
    void setDeviceTemperature(int deviceId, double value);
    void handleZone4Command1Button(const QString& id, Device* device);
    void handleZone99Command1Button(const QString& id, Device* device);
    void handleZone99Command2Button(const QString& id, Device* device);
    void handleACAdvancedCommand1Button(const QString& id, Device* device);
    void handleACAdvancedCommand2Button(const QString& id, Device* device);
    void handleACBasicCommand1Button(const QString& id, Device* device, int commandId);
    void clearCommandControls();

    // Status.
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateStatus(int serverId) override;
    void temperatureMessageReceived(const PravikDriver::OpenDriver* driver,
                                    const PravikDriver::UserMessages::TemperatureMessage& message,
                                    const PravikDriver::Message& raw, bool pushed) override;
    void messageReceived(const PravikDriver::Driver* driver, const PravikDriver::Message& first,
                         const PravikDriver::Message& second, bool pushed) override;
    void clearUpdateTimers();
    ThermoregulationStatusTimers* statusTimers() const { return m_timers; }

    // Basic air-conditioner commands, favourites, settings and keys.
    int getDeviceIdFromUniquieId(int uniqueId) const override;
    int getSubDeviceIdFromUniquieId(int uniqueId) const override;
    Gadgets::Models::NavigationIcon getIconByIndex(int index) const override;
    bool canAddFavoriteFor(int deviceId, int subDeviceId) const override;
    Gadgets::Models::NavigationIcon getIconForSubDevice(int deviceId, int subDeviceId) const override;
    bool handleRequestOriginalIcons() override;
    bool handleIconsReordered() override;
    void setDeviceIconName(int deviceId, int subDeviceId, const QString& name) override;
    void handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange) override;
    void fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                               const Devices::BaseDevice* device) override;
    void loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                               Devices::BaseDevice* device) override;
    // Favourite windows: their control is set up and follows its device.
    void initializeFavorite(FavoriteWindow* window) override;
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteSliderChanged(FavoriteWindow* window) override;
    void handleFavoriteClose(FavoriteWindow* window) override;
    void initializeFavorite(Gadgets::FavoriteControl* control, int deviceId);
    void handleFavoriteSliderChanged(Gadgets::FavoriteControl* control, int deviceId);
    // A click in the favourite of a device (a command when subDeviceId is
    // not 0) on its device icon or one of its ring buttons.
    void handleFavoriteElementClick(Gadgets::FavoriteControl* control, int deviceId, int subDeviceId,
                                    Gadgets::SvgElement* element);
    // Favourite controls whose icons follow a device's state.
    void registerFavoriteControl(int deviceId, Gadgets::FavoriteControl* control);
    void unregisterFavoriteControl(Gadgets::FavoriteControl* control);
    void handleKeyPress(const QKeyEvent* event) override;
    void handleKeyRelease(const QKeyEvent* event) override;
    bool isKeyAllowed(const QKeyEvent* event) const;

    // The device in the order of the project.
    QList<Device*> thermoregulationDevices() const;
    // The address of the device's own requests, and of its zone requests.
    static QString ownAddress(const Device* device);
    static QString zoneAddress(const Device* device);

    // Formats and units.
    QString getValueFormat(const Device* device) const { return ThermoregulationUnits::valueFormat(device); }
    static bool willIconExpand(const Device* device) { return ThermoregulationDeviceIcons::willIconExpand(device); }
    static bool isFahrenheit() { return ThermoregulationUnits::isFahrenheit(); }
    static double convertToFarenheit(double celsius) { return ThermoregulationUnits::convertToFahrenheit(celsius); }
    static double convertToCelsius(double fahrenheit) { return ThermoregulationUnits::convertToCelsius(fahrenheit); }
    static double celsiusToActualTemperature(double celsius)
    {
        return ThermoregulationUnits::celsiusToActualTemperature(celsius);
    }
    // A temperature step of the Celsius scale in the user's unit.
    static double celsiusToActualStep(double step) { return ThermoregulationUnits::celsiusToActualStep(step); }
    static double actualTemperatureToCelsius(double value)
    {
        return ThermoregulationUnits::actualTemperatureToCelsius(value);
    }
    static double actualTemperatureToRoundedCelsius(double value, double step)
    {
        return ThermoregulationUnits::actualTemperatureToRoundedCelsius(value, step);
    }

    // The device ring and the ring of a command's choices, built now if
    // they are not yet: the page builds them when it first opens one.
    Gadgets::CommandControl* commandControl1() const { return m_ring1.control(); }
    Gadgets::CommandControl* commandControl2() const { return m_ring2.control(); }
    bool areRingsBuilt() const { return m_ring1.isBuilt() || m_ring2.isBuilt(); }
    int openDeviceId() const { return m_openDeviceId; }
    QString openCommand() const { return m_openCommand; }
    QList<Gadgets::Models::NavigationIcon> subDeviceIcons() const { return m_commandIcons.icons(); }

public Q_SLOTS:
    void onCommand1ElementClick(Corvane::Gadgets::SvgElement* element);
    void onCommand2ElementClick(Corvane::Gadgets::SvgElement* element);
    void onSliderValueChanged(int segment);
    void onUpdateStatusTimerTick(int deviceId, int type);

private:
    Device* thermoDevice(int deviceId) const;
    Device* openBasicAirConditioner() const;
    bool openPage();
    void setCentralContent();
    bool handleDeviceClick(const Gadgets::Models::NavigationIcon& icon, int segmentIndex);
    bool handleBasicCommandClick(const Gadgets::Models::NavigationIcon& icon, int segmentIndex);
    void showBasicAirConditionerCommands(Device* device);
    void forgetRingClosedByEscape(bool firstRingOpen, bool secondRingOpen);
    void openSecondRing(const QString& id, const ButtonList& buttons);
    void rebuildIcons();
    // The device's driver; logs why nothing is sent when it has none.
    PravikDriver::OpenDriver* commandDriver(const Device* device, const QString& command) const;
    void updateUIButtonsForDevice(const Device* device);
    void updateAllPossibleCommandIcons(const QList<Gadgets::CommandControl*>& commandControls,
                                       const QList<Gadgets::FavoriteControl*>& favoriteControls,
                                       const Device* device);

    int m_openDeviceId = 0;
    QString m_openCommand;
    ThermoregulationCommandIcons m_commandIcons;
    ThermoregulationStatusTimers* m_timers = nullptr;
    std::unique_ptr<ThermoregulationFavorites> m_favorites;
    CommandRing m_ring1;
    CommandRing m_ring2;
};

} // namespace Corvane::Sentrel::Controllers
