#pragma once

#include "Controllers/base/BaseController.h"
#include "Controllers/base/CommandRing.h"
#include "devices/ItemKey.h"

#include <QHash>
#include <QMap>

namespace Corvane::Devices {
class AmplifierDevice;
class SoundSourceDevice;
} // namespace Corvane::Devices
namespace Corvane::Gadgets {
class SvgElement;
namespace Models {
class DropDownItemModel;
}
} // namespace Corvane::Gadgets
namespace Corvane::PravikDriver::UserMessages {
class SoundMessage;
}

namespace Corvane::Sentrel::Controllers {

// The controller of the sound-system page. Amplifiers have icons; sources
// (tuners and track players) appear as the entries of each amplifier's source
// drop-down and in its info text. A click on an amplifier opens a ring with
// on, off and, for all but the general amplifier, previous and next; the
// slider sets the volume; a drop-down entry plays that source in the
// amplifier's area. What each area plays is taken from the gateways' sound
// messages.
class SoundController : public BaseController
{
    Q_OBJECT

public:
    static const QString ON_BUTTON_ID;
    static const QString OFF_BUTTON_ID;
    static const QString NEXT_BUTTON_ID;
    static const QString PREV_BUTTON_ID;
    // The highest volume on the bus.
    static const int AMPLIFIER_MAX_VALUE;
    // Areas a gateway reports: 0 and the eight rooms.
    static const int MAX_AREA;

    explicit SoundController(NavigationWindow* window);
    ~SoundController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    QString elementsSuffix() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void updateStatus(int serverId) override;
    void settingsLoaded() override;
    void retranslateUi() override;
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    void pageChanged() override;
    void updateControlsCache() override;
    // An amplifier's favourite: its volume slider and its sources' drop-down.
    void initializeFavorite(FavoriteWindow* window) override;
    // The centre button opens or closes the amplifier's ring; its buttons
    // act as the carousel ring's.
    void handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element) override;
    void handleFavoriteSliderChanged(FavoriteWindow* window) override;
    void fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                               const Devices::BaseDevice* device) override;
    void loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                               Devices::BaseDevice* device) override;
    void soundMessageReceived(const PravikDriver::OpenDriver* driver,
                              const PravikDriver::UserMessages::SoundMessage& message,
                              const PravikDriver::Message& raw, bool pushed) override;

    // The ring, built now if it is not yet: the page builds it when first
    // opened.
    Gadgets::CommandControl* commandControl() const { return m_ring.control(); }
    bool isRingBuilt() const { return m_ring.isBuilt(); }
    int selectedDeviceId() const { return m_ring.selectedDeviceId(); }
    // The source number playing in each (gateway id, area).
    QHash<Devices::ItemKey, int> activeSources() const { return m_activeSources; }
    // The last slider value (0..100) the user set, per amplifier id.
    QMap<int, double> volumeSliderValues() const { return m_volumeSliderValues; }
    QList<Gadgets::Models::DropDownItemModel*> sourceModels() const { return m_sourceModels; }

    static QList<Gadgets::CommandControl::ButtonData> getDeviceButtons(const Devices::BaseDevice* device);
    void handleButtonById(const Devices::BaseDevice* device, const QString& buttonId);
    void setDeviceLevel(int deviceId, double level);
    void setAmplifierSource(const Devices::AmplifierDevice* amplifier, int sourceNumber);
    // The area an amplifier drives: the ambient's number, 0 for the general
    // amplifier, else the first part of its address.
    static int getDeviceArea(const Devices::BaseDevice* device);
    QList<Devices::SoundSourceDevice*> getSoundSources() const;
    QList<Devices::AmplifierDevice*> getAmplifiers() const;
    // The amplifiers of the gateway whose area plays the source (an area
    // nothing was reported for counts as source 0).
    QList<Devices::AmplifierDevice*> getAmplifiersBySource(int gatewayId, int sourceNumber) const;
    Devices::SoundSourceDevice* getSourceByAmplifier(const Devices::AmplifierDevice* amplifier) const;
    QList<Gadgets::Models::DropDownItemModel*> getSoundSourceModelsForDevice(int deviceId) const;
    // The source's name with what it plays; hasInfo is false for sources
    // that report nothing to show.
    static void deviceInfoFromSource(const Devices::SoundSourceDevice* source, bool& hasInfo, QString& text);
    // A tuner frequency (in steps of 10 kHz) with its band, "98.5 FM"; empty
    // for a frequency the gateway has not reported.
    static QString getFrequencyString(int frequency, int frequencyType);

public Q_SLOTS:
    void onCommandElementClick(Corvane::Gadgets::SvgElement* element);
    void onSliderValueChanged(int segment);
    void onSourceChanged(int segment, int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    // A source chosen in the drop-down of the favourite that sent it.
    void onFavoriteSourceChanged(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    void onSourceDescriptionChanged(const QString& text);

private:
    static int sourceNumber(const Devices::BaseDevice* source);
    QString selectSourceText() const;
    void handlePrevButton(const Devices::AmplifierDevice* amplifier);
    void handleNextButton(const Devices::AmplifierDevice* amplifier);
    void stepSource(const Devices::AmplifierDevice* amplifier, bool forward);
    void updateAmplifierFromMessage(Devices::AmplifierDevice* amplifier,
                                    const PravikDriver::UserMessages::SoundMessage& message);
    void updateSourceFromMessage(Devices::SoundSourceDevice* source,
                                 const PravikDriver::UserMessages::SoundMessage& message);
    void setActiveSource(int gatewayId, int area, int sourceNumber);
    void updateAmplifierUI(Devices::AmplifierDevice* amplifier);
    void updateSourceUI(Devices::SoundSourceDevice* source);
    void clearSoundSourcesModels();
    void resetAmplifiersDropDownModels();
    void updateNavigationIcons();

    CommandRing m_ring;
    QMap<int, bool> m_gatewayAllAreasFlags;
    QHash<Devices::ItemKey, int> m_activeSources;
    QMap<int, double> m_volumeSliderValues;
    QList<Gadgets::Models::DropDownItemModel*> m_sourceModels;
    // Models of the previous project: icons and labels may still show them
    // until the new models replace them.
    QList<Gadgets::Models::DropDownItemModel*> m_retiredSourceModels;
};

} // namespace Corvane::Sentrel::Controllers
