#pragma once

#include "BaseDataControlsController.h"
#include "EnergyAutoUpdates.h"
#include "EnergyMeterClock.h"
#include "EnergyTariffTable.h"

#include <QDateTime>
#include <QMap>
#include <QPair>

#include <memory>

namespace Corvane::Devices {
class EnergyDevice;
class EnergyDeviceCache;
} // namespace Corvane::Devices
namespace Corvane::Gadgets {
class EnergyDataContainer;
namespace Models {
class EnergyDataTariffModel;
}
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel {

class ClockTimer;

namespace Models {
class EnergyDeviceInfo;
}

namespace Controllers {

class EnergyDataExchange;

// The controller of the energy page. Every energy meter of the project has
// a navigation icon showing its instant value and an energy data container
// in the carousel; a meter with a favourite window gets a second container
// beside it. Instant values stay fresh while someone looks at them: meters of
// the new energy interface are asked to push their values, meters of the old
// one are polled every 30 s. One tariff table is shared by all containers.
// The data views' requests, the gateway's answers and the energy caches are
// handled by EnergyDataExchange.
class EnergyDevicesController : public BaseDataControlsController
{
    Q_OBJECT

public:
    static constexpr int MONTHS_PER_YEAR = 12;
    static constexpr int MAX_DAYS_PER_MONTH = 31;
    static constexpr int HOURS_PER_DAY = 24;
    static constexpr int AUTO_UPDATE_TIMER_MILLISECONDS = 30000;
    static constexpr int AUTO_UPDATE_TIME_START = 255;
    static constexpr int AUTO_UPDATE_TIME_STOP = 0;
    static constexpr int AUTO_UPDATE_TIME_MAX = 255;
    static constexpr int AUTO_UPDATE_TIME_MIN = 1;
    static constexpr double ENERGY_INSTANT_DATA_MIN_VALUE = 0.0;
    static constexpr double ENERGY_INSTANT_DATA_MAX_VALUE = 1000.0;
    static constexpr double ENERGY_INSTANT_DATA_VALUE_STEP = 0.001;
    static constexpr int LABELS_NUMBER_PRECISION = 2;
    static constexpr int ENERGY_FAMILY = 10;
    static const QString ENERGY_TARIFF_TABLE_CONTROL_ID;

    explicit EnergyDevicesController(NavigationWindow* window);
    ~EnergyDevicesController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void pageChanged() override;
    void updateControlsCache() override;
    void retranslateUi() override;
    void settingsLoaded() override;
    void fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                               const Devices::BaseDevice* device) override;
    void loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                               Devices::BaseDevice* device) override;
    void handleCarouselIndexChanged(int index) override;
    void handleCarouselMovementEnded() override;
    void onFullScreen() override;
    void aboutToQuit() override;
    // A new name from the labels: the meter's own containers take it.
    void setDeviceIconName(int deviceId, int subDeviceId, const QString& name) override;

    void messageReceived(const PravikDriver::Driver* driver, const PravikDriver::Message& first,
                         const PravikDriver::Message& second, bool pushed) override;
    void interfaceDeviceMessageReceived(const PravikDriver::OpenDriver* driver,
                                        const PravikDriver::UserMessages::InterfaceDeviceMessage& message,
                                        const PravikDriver::Message& raw, bool pushed) override;
    void loadManagementMessageReceived(const PravikDriver::OpenDriver* driver,
                                       const PravikDriver::UserMessages::LoadManagementMessage& message,
                                       const PravikDriver::Message& raw, bool pushed) override;
    void receivedDataProgress(const PravikDriver::OpenDriver* driver, int systemType, int dimension,
                              const QString& address, double minimum, double maximum, double value,
                              int decimals) override;

    // Favourite windows of meters: the instant value on the favourite's
    // slider, the data window beside it on its centre button, and automatic
    // updates while it is open.
    void initializeFavorite(FavoriteWindow* window) override;
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    // The favourite's centre button: its data window (made on the first
    // click), filled from the cache, shown beside it; opened on a view the
    // cache has nothing for, it asks the gateway as its OK button does.
    void handleFavoriteCenterClick(FavoriteWindow* window);
    // A meter's data window coming into view, in the carousel or beside its
    // favourite: drawn from the cache at once, and asked for as by its OK
    // button when the cache has nothing for its view.
    void openDataWindow(Gadgets::EnergyDataContainer* container);
    void handleFavoriteClose(FavoriteWindow* window) override;
    // Closes the project: every automatic update stops.
    void closeConfiguration() override;

    Models::EnergyDeviceInfo* infoForDevice(const Devices::BaseDevice* device) const;
    Models::EnergyDeviceInfo* infoForDialog(const Gadgets::EnergyDataContainer* container) const;
    QList<Models::EnergyDeviceInfo*> deviceInfos() const { return m_deviceInfos; }
    Devices::EnergyDevice* energyDevice(int deviceId) const;
    // The meter at that position of the device list, or null.
    Devices::EnergyDevice* energyDeviceAt(int index) const;
    QList<Gadgets::EnergyDataContainer*> energyControls(int deviceId) const;
    void enableEnergyDataViewControls(int deviceId, bool enabled);
    static QString energyDeviceIconName(int deviceType);
    static QString valueFormat(int measurementUnit);
    static QString valueFormat(const Devices::EnergyDevice* device);
    // The factor from a meter's raw value to the value shown: watts to
    // kilowatts for electricity, cubic metres to the meter's unit, and the
    // tariff for money (data type 1).
    static double energyValueQuotient(int dataType, int deviceType, int measurementUnit, double tariff);
    static double convertedEnergyValue(double value, int dataType, const Devices::EnergyDevice* device);
    // The meter's gateway's date and time: the computer's clock moved by the
    // offset the gateway reported, or the computer's clock alone.
    QDateTime energyDeviceCurrentDate(const Devices::EnergyDevice* device) const;
    bool energyDeviceDateBounds(const Devices::EnergyDevice* device, QDateTime& end, QDateTime& dailyMinimum,
                                QDateTime& monthlyMinimum) const;
    void setEnergyDateBounds(const Devices::EnergyDevice* device, Gadgets::EnergyDataContainer* container = nullptr);
    bool shouldAutoUpdateDevice(const Devices::EnergyDevice* device) const;
    void startAutoUpdate(bool start, bool followPage, bool force, int priority);
    void startAutoUpdateForDevice(Devices::EnergyDevice* device, bool start, bool force, int priority);
    void requestInstantEnergyData(const Devices::EnergyDevice* device);
    // The cache of the meters at the address on the device's gateway.
    Devices::EnergyDeviceCache* cacheFor(const Devices::EnergyDevice* device) const;
    Gadgets::Models::EnergyDataTariffModel* tariffModel() const { return m_tariffModel; }
    ClockTimer* autoUpdateTimer() const { return m_autoUpdateTimer; }
    EnergyDataExchange* dataExchange() const { return m_exchange.get(); }
    bool isEnergyPageActive() const { return m_energyPageActive; }
    QString addressText(const Devices::BaseDevice* device) const;

public Q_SLOTS:
    void updateOldInterfaceDeviceInstantData();
    void onEnergyTariffItemDataChanged(int deviceId);
    void redrawCurrentCarouselChart();
    void onDataControlResizeFinished();
    void onNewInterfaceAutoUpdateResponseTimedOut();
    void onDevicesConfigurationClosed();
    void onGetEnergyData();
    void onGetEnergyDataCache();
    void onDataResponseTimedOut();
    void onAllResponsesReceived();

protected:
    // A carousel container for the meter, made when the carousel first shows.
    Gadgets::SvgControlObject* createDataControl(Devices::BaseDevice* device) override;

private:
    using CacheKey = QPair<int, QString>;

    void clearDevicesInfo();
    void updateNavigationIcons();
    void initializeEnergyDataContainer(Gadgets::EnergyDataContainer* container, const Devices::EnergyDevice* device);
    Gadgets::EnergyDataContainer* initializeFavoriteDataControl(FavoriteWindow* window);
    // An instant value beyond a favourite slider's maximum becomes it.
    void raiseFavoriteSliderMaximum(int deviceId, double value);
    void showInstantValue(Devices::EnergyDevice* device, int rawValue);
    void updateDataControlsResize();
    void requestRedrawCurrentCarouselChart();
    bool openPage();

    ClockTimer* m_autoUpdateTimer;
    QMap<CacheKey, Devices::EnergyDeviceCache*> m_caches;
    QList<Models::EnergyDeviceInfo*> m_deviceInfos;
    EnergyMeterClock m_meterClock;
    bool m_energyPageActive = false;
    // Set from the close of the project (or the quit) until the next
    // project's meters are loaded: no meter of it is wanted any more.
    bool m_configurationClosed = false;
    Gadgets::Models::EnergyDataTariffModel* m_tariffModel;
    EnergyAutoUpdates m_autoUpdates;
    EnergyTariffTable m_tariffTable;
    std::unique_ptr<EnergyDataExchange> m_exchange;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
