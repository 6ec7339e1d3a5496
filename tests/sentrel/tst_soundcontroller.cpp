// The sound page: volume and its slider echo, tuner frequencies and the
// amplifiers' info texts, which source each area plays, the general
// amplifier, renamed sources, a project switch, gateway values out of range,
// and the page on the demo project in no-server mode.
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/sound/SoundController.h"
#include "CarouselLookup.h"
#include "LogCapture.h"
#include "NavigationWindow.h"
#include "RecordingOpenDriver.h"
#include "SceneInput.h"
#include "SentrelFixture.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "dropdown/SvgDropDown.h"
#include "label/Label.h"
#include "devices/AmplifierDevice.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/SoundSourceDevice.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/UserDeviceSettings.h"
#include "devices/WebServerDeviceProperties.h"
#include "models/DropDownItemModel.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "theme/RendererContainer.h"

#include <QDir>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPointer>
#include <QTest>

using namespace Corvane::Sentrel;
using namespace Corvane::Sentrel::Controllers;
using Corvane::Devices::AmplifierDevice;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ItemKey;
using Corvane::Devices::SoundSourceDevice;
using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::Models::DropDownItemModel;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::SoundMessage;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const int TUNER = 23001;
const int TRACK_PLAYER = 23002;
const int AMPLIFIER = 23003;

// Demo project devices.
const int LIVING_ROOM_AMPLIFIER = 30;
const int ALL_AMPLIFIERS = 32;
const int RADIO = 27;
const int CD_PLAYER = 28;

Message value(const QString& address, int dimension, const QList<int>& values)
{
    return Message(Enums::DimensionValue, Enums::Sound, address, 0, dimension, values, 0);
}

Message command(const QString& address, int code, const QList<int>& values = {})
{
    return Message(Enums::Command, Enums::Sound, address, code, 0, values, 0);
}

bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

QList<int> areasOf(const QHash<ItemKey, int>& active, int gateway, int source)
{
    QList<int> areas;
    for (auto it = active.cbegin(); it != active.cend(); ++it)
        if (it.key().id() == gateway && it.value() == source)
            areas.append(it.key().subId());
    std::sort(areas.begin(), areas.end());
    return areas;
}

template<typename T>
T* controllerOf(NavigationController* navigation)
{
    for (BaseController* controller : navigation->controllers())
        if (auto* found = qobject_cast<T*>(controller))
            return found;
    return nullptr;
}

} // namespace

class tst_SoundController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void volumeEcho_data();
    void volumeEcho();
    void frequencyString_data();
    void frequencyString();
    void sourceInfo_data();
    void sourceInfo();
    void areaBookkeeping_data();
    void areaBookkeeping();
    void buttonsPerAmplifier();
    void sourceChoiceReachesAreas_data();
    void sourceChoiceReachesAreas();
    void previousAndNext_data();
    void previousAndNext();
    void renamedSourceIsShownAndKept();
    void projectSwitchForgetsTheGateways();
    void oldModelsOutliveTheSwitch();
    void gatewayValuesOutOfRange_data();
    void gatewayValuesOutOfRange();
    void demoProjectWithoutAServer();
    void valueTextsClearTheLabels_data();
    void valueTextsClearTheLabels();
    void renderPage();
    void sourcesOpenAtTheWayHome();

private:
    void build(int soundSystemType = 0);
    int addSource(int type, int number, const QString& name);
    int addAmplifier(const DeviceAddress& address, const QString& name);
    void receive(const Message& message);
    NavigationIcon icon(int id) const;
    AmplifierDevice* amplifier(int id) const;
    SoundSourceDevice* source(int id) const;

    // Window-based journey on the demo project.
    void start(const QString& theme = QStringLiteral(":/TalveraTheme"));
    void openSoundPage();
    void finishFades();
    int segmentOf(int id) const;
    NavigationIcon shownIcon(int id) const;

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<SoundController> m_controller;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<NavigationWindow> m_window;
    RecordingOpenDriver m_driver;
    int m_gateway = 0;
};

void tst_SoundController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_SoundController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_clock = std::make_unique<ManualClock>();
    Clock::setProgramClock(m_clock.get());
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_controller = std::make_unique<SoundController>(nullptr);
    m_driver.clearSent();
    m_driver.setMonitorConnected(true);
}

void tst_SoundController::cleanup()
{
    m_window.reset();
    m_controller.reset();
    m_project.reset();
    Clock::setProgramClock(nullptr);
    m_clock.reset();
    m_fixture.reset();
}

int tst_SoundController::addSource(int type, int number, const QString& name)
{
    return m_project->addDevice(m_gateway, new Corvane::Devices::SoundSourceDeviceProperties(
                                               0, type, DeviceAddress(number, NONE, NONE, NONE), name));
}

int tst_SoundController::addAmplifier(const DeviceAddress& address, const QString& name)
{
    return m_project->addDevice(m_gateway,
                                new Corvane::Devices::AmplifierDeviceProperties(0, AMPLIFIER, address, name));
}

// Loads the project as a project switch does, then the settings.
void tst_SoundController::build(int soundSystemType)
{
    m_project->setSoundSystemType(soundSystemType, m_gateway);
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({{m_gateway, &m_driver}});
    m_controller->settingsLoaded();
    m_controller->updateStatus(-1);
    m_driver.clearSent();
}

void tst_SoundController::receive(const Message& message)
{
    m_controller->soundMessageReceived(&m_driver, SoundMessage(message), message, true);
}

NavigationIcon tst_SoundController::icon(int id) const
{
    return m_controller->getIconByIndex(m_controller->indexOfIcon(id));
}

AmplifierDevice* tst_SoundController::amplifier(int id) const
{
    return dynamic_cast<AmplifierDevice*>(m_controller->getDeviceById(id));
}

SoundSourceDevice* tst_SoundController::source(int id) const
{
    return dynamic_cast<SoundSourceDevice*>(m_controller->getDeviceById(id));
}

void tst_SoundController::volumeEcho_data()
{
    QTest::addColumn<double>("slider");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("sent");
    QTest::addColumn<double>("shown");
    // A slider of -1 means the user never moved it; a report of -1 none.
    QTest::newRow("50 sends 16 and stays at 50") << 50.0 << -1 << 16 << 50.0;
    QTest::newRow("the gateway's 16 keeps 50") << 50.0 << 16 << 16 << 50.0;
    QTest::newRow("another volume moves it") << 50.0 << 20 << 16 << 20.0 / 31.0 * 100.0;
    QTest::newRow("full") << 100.0 << -1 << 31 << 100.0;
    QTest::newRow("zero set by the user") << 0.0 << -1 << 0 << 0.0;
    QTest::newRow("never set, volume 0") << -1.0 << 0 << -1 << -1.0;
    QTest::newRow("never set, volume 31") << -1.0 << 31 << -1 << 100.0;
}

void tst_SoundController::volumeEcho()
{
    QFETCH(double, slider);
    QFETCH(int, reported);
    QFETCH(int, sent);
    QFETCH(double, shown);
    const int id = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Living"));
    build();
    if (slider >= 0)
        m_controller->setDeviceLevel(id, slider);
    if (sent >= 0) {
        QCOMPARE(m_driver.sent.size(), 1);
        QVERIFY(isRequest(m_driver.sent.first(), SoundMessage::createSetVolumeMessage(QStringLiteral("3#1#1"), sent)));
        QCOMPARE(amplifier(id)->volume(), sent);
    }
    if (reported >= 0)
        receive(value(QStringLiteral("3#1#1"), Codes::AMPLIFIER_VOLUME, {reported}));
    QVERIFY(qAbs(icon(id).value() - shown) < 1e-9);
}

void tst_SoundController::frequencyString_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("text");
    QTest::newRow("FM") << 9850 << 1 << "98.5 FM";
    QTest::newRow("MW") << 100 << 3 << "1000 MW";
    QTest::newRow("LW") << 15 << 2 << "150 LW";
    QTest::newRow("SW in MHz") << 1205 << 4 << "12.1 SW";
    QTest::newRow("unknown band reads as kHz FM") << 9850 << 7 << "98500 FM";
    QTest::newRow("rounded to one decimal") << 8763 << 1 << "87.6 FM";
    QTest::newRow("beyond 32 bits of Hz") << 2000000000 << 1 << "2e+07 FM";
    QTest::newRow("not reported") << -1 << 1 << "";
}

void tst_SoundController::frequencyString()
{
    QFETCH(int, frequency);
    QFETCH(int, band);
    QFETCH(QString, text);
    QCOMPARE(SoundController::getFrequencyString(frequency, band), text);
}

void tst_SoundController::sourceInfo_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<Message>>("messages");
    QTest::addColumn<QString>("info");
    const QString at = QStringLiteral("5#2#1");
    const QList<int> blanks{' ', ' ', ' '};
    QTest::newRow("tuner with its frequency")
        << TUNER << QList<Message>{value(at, Codes::SOURCE_FREQUENCY, {1, 9850})} << "Src - 98.5 FM";
    QTest::newRow("blank RDS shows the frequency")
        << TUNER << QList<Message>{value(at, Codes::SOURCE_FREQUENCY, {1, 9850}), value(at, Codes::SOURCE_RDS, blanks)}
        << "Src - 98.5 FM";
    QTest::newRow("RDS wins") << TUNER
                              << QList<Message>{value(at, Codes::SOURCE_FREQUENCY, {1, 9850}),
                                                value(at, Codes::SOURCE_RDS, {'J', 'a', 'z', 'z'})}
                              << "Src - Jazz";
    QTest::newRow("tuner, nothing reported") << TUNER << QList<Message>{} << "Src";
    QTest::newRow("track") << TRACK_PLAYER << QList<Message>{value(at, Codes::SOURCE_STATION_OR_TRACK, {7})}
                           << "Src - track #7";
    QTest::newRow("track not reported") << TRACK_PLAYER << QList<Message>{} << "Src";
    QTest::newRow("station number is not a track")
        << TUNER << QList<Message>{value(at, Codes::SOURCE_STATION_OR_TRACK, {7})} << "Src";
}

void tst_SoundController::sourceInfo()
{
    QFETCH(int, type);
    QFETCH(QList<Message>, messages);
    QFETCH(QString, info);
    const int sourceId = addSource(type, 1, QStringLiteral("Src"));
    const int amplifierId = addAmplifier(DeviceAddress(2, 1, NONE, NONE), QStringLiteral("Kitchen"));
    build();
    QCOMPARE(icon(amplifierId).dropDownModel().text(), QStringLiteral("Select sound source"));
    // The source plays in area 2 (a basic gateway: every area).
    receive(command(QStringLiteral("5#2#1"), Codes::SOURCE_ON_IN_AREA, {1, 2}));
    for (const Message& message : messages)
        receive(message);
    bool hasInfo = false;
    QString text;
    SoundController::deviceInfoFromSource(source(sourceId), hasInfo, text);
    QVERIFY(hasInfo);
    QCOMPARE(text, info);
    QCOMPARE(icon(amplifierId).dropDownModel().text(), info);
    QVERIFY(icon(amplifierId).supportsExtendedInfo());
    // Switched off, the amplifier asks for a source again.
    receive(command(QStringLiteral("5#2#1"), Codes::SOURCE_OFF));
    QCOMPARE(icon(amplifierId).dropDownModel().text(), QStringLiteral("Select sound source"));
}

void tst_SoundController::areaBookkeeping_data()
{
    QTest::addColumn<int>("soundSystemType");
    QTest::addColumn<Message>("message");
    QTest::addColumn<QList<int>>("areas");
    const QString at = QStringLiteral("5#2#3");
    const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("area 0 reaches 1 to 4") << 0 << command(at, Codes::SOURCE_ON_IN_AREA, {3, 0})
                                           << QList<int>{1, 2, 3, 4};
    QTest::newRow("area 3, all-areas gateway") << 1 << command(at, Codes::SOURCE_ON_IN_AREA, {3, 3})
                                               << QList<int>{3};
    QTest::newRow("area 3, basic gateway") << 0 << command(at, Codes::SOURCE_ON_IN_AREA, {3, 3}) << all;
    QTest::newRow("area list") << 1 << value(at, Codes::ACTIVE_SOURCES_EIGHT_AREAS, {0, 1, 0, 1, 0})
                               << QList<int>{1, 3};
    QTest::newRow("area list entry 0") << 1 << value(at, Codes::ACTIVE_SOURCES_FOUR_AREAS, {1}) << QList<int>{0};
    QTest::newRow("all areas, basic gateway") << 0 << command(at, Codes::SOURCE_ON_IN_ALL_AREAS) << all;
    QTest::newRow("all areas, all-areas gateway") << 1 << command(at, Codes::SOURCE_ON_IN_ALL_AREAS)
                                                  << QList<int>{};
    QTest::newRow("volume message names no area") << 0 << value(at, Codes::AMPLIFIER_VOLUME, {3}) << QList<int>{};
}

void tst_SoundController::areaBookkeeping()
{
    QFETCH(int, soundSystemType);
    QFETCH(Message, message);
    QFETCH(QList<int>, areas);
    const int sourceId = addSource(TRACK_PLAYER, 3, QStringLiteral("CD"));
    build(soundSystemType);
    receive(message);
    QCOMPARE(areasOf(m_controller->activeSources(), m_gateway, 3), areas);
    QVERIFY(source(sourceId)->isStatusKnown());
}

void tst_SoundController::buttonsPerAmplifier()
{
    const int room = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Room"));
    const int general = addAmplifier(DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE), QStringLiteral("All"));
    const int sourceId = addSource(TUNER, 1, QStringLiteral("Radio"));
    build();
    const auto ids = [](const QList<CommandControl::ButtonData>& buttons) {
        QStringList list;
        for (const auto& button : buttons)
            list.append(button.buttonId);
        return list;
    };
    QCOMPARE(ids(SoundController::getDeviceButtons(amplifier(room))), (QStringList{"ON", "OFF", "PREV", "NEXT"}));
    QCOMPARE(ids(SoundController::getDeviceButtons(amplifier(general))), (QStringList{"ON", "OFF"}));
    // Only amplifiers have icons; the general one is drawn as a group.
    QCOMPARE(m_controller->icons().size(), 2);
    QCOMPARE(m_controller->indexOfIcon(sourceId), -1);
    QCOMPARE(icon(general).renderer().main()->name(), QStringLiteral("amplifier_group"));
    QCOMPARE(icon(room).renderer().main()->name(), QStringLiteral("amplifier"));

    m_controller->handleButtonById(amplifier(general), SoundController::ON_BUTTON_ID);
    m_controller->handleButtonById(amplifier(room), SoundController::OFF_BUTTON_ID);
    m_controller->handleButtonById(amplifier(room), QStringLiteral("START"));
    m_controller->handleButtonById(nullptr, SoundController::ON_BUTTON_ID);
    QCOMPARE(m_driver.sent.size(), 2);
    QVERIFY(isRequest(m_driver.sent.at(0), SoundMessage::createSwitchAmplifierMessage(QStringLiteral("5#0"), true, 0)));
    QVERIFY(isRequest(m_driver.sent.at(1),
                      SoundMessage::createSwitchAmplifierMessage(QStringLiteral("3#1#1"), false, 1)));
    // The state follows the gateway.
    QCOMPARE(icon(room).state(), NavigationIcon::Uninitialized);
    receive(value(QStringLiteral("3#1#1"), Codes::AMPLIFIER_STATE, {0, 4}));
    QCOMPARE(icon(room).state(), NavigationIcon::Inactive);
    receive(value(QStringLiteral("3#1#1"), Codes::AMPLIFIER_STATE, {1, 4}));
    QCOMPARE(icon(room).state(), NavigationIcon::Normal);
}

void tst_SoundController::sourceChoiceReachesAreas_data()
{
    QTest::addColumn<int>("soundSystemType");
    QTest::addColumn<bool>("general");
    QTest::addColumn<QList<int>>("areas");
    QTest::newRow("general, all-areas gateway") << 1 << true << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("general, basic gateway") << 0 << true << QList<int>{0};
    QTest::newRow("room amplifier") << 1 << false << QList<int>{5};
}

void tst_SoundController::sourceChoiceReachesAreas()
{
    QFETCH(int, soundSystemType);
    QFETCH(bool, general);
    QFETCH(QList<int>, areas);
    const int id = general ? addAmplifier(DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE), "All")
                           : addAmplifier(DeviceAddress(5, 2, NONE, NONE), QStringLiteral("Room"));
    addSource(TUNER, 2, QStringLiteral("Radio"));
    build(soundSystemType);
    m_controller->setAmplifierSource(amplifier(id), 2);
    QCOMPARE(m_driver.sent.size(), areas.size());
    for (int i = 0; i < areas.size(); ++i) {
        const QString address = areas.at(i) == 0 ? QStringLiteral("4#0") : QStringLiteral("4#%1").arg(areas.at(i));
        QVERIFY2(isRequest(m_driver.sent.at(i), SoundMessage::createSetAreaSourceMessage(address, areas.at(i), 2)),
                 qPrintable(m_driver.sent.at(i).address()));
    }
}

void tst_SoundController::previousAndNext_data()
{
    QTest::addColumn<int>("playing");
    QTest::addColumn<bool>("general");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Message>("expected");
    QTest::newRow("tuner, next") << 1 << false << "NEXT" << SoundMessage::createNextStationMessage("2#1");
    QTest::newRow("tuner, previous") << 1 << false << "PREV" << SoundMessage::createPrevStationMessage("2#1");
    QTest::newRow("player, next") << 2 << false << "NEXT" << SoundMessage::createNextTrackMessage("2#2");
    QTest::newRow("player, previous") << 2 << false << "PREV" << SoundMessage::createPrevTrackMessage("2#2");
    QTest::newRow("general") << 0 << true << "NEXT" << SoundMessage::createNextTrackMessage("6");
    QTest::newRow("nothing playing") << 0 << false << "NEXT" << Message();
    QTest::newRow("a source of no project") << 7 << false << "NEXT" << Message();
}

void tst_SoundController::previousAndNext()
{
    QFETCH(int, playing);
    QFETCH(bool, general);
    QFETCH(QString, button);
    QFETCH(Message, expected);
    addSource(TUNER, 1, QStringLiteral("Radio"));
    addSource(TRACK_PLAYER, 2, QStringLiteral("CD"));
    const int id = general ? addAmplifier(DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE), "All")
                           : addAmplifier(DeviceAddress(3, 1, NONE, NONE), QStringLiteral("Room"));
    build(1);
    if (playing > 0) {
        // Area 3 plays the source; only then does the button reach it.
        QList<int> flags(9, 0);
        flags[3] = 1;
        m_controller->soundMessageReceived(&m_driver,
                                           SoundMessage(value(QStringLiteral("5#2#%1").arg(playing),
                                                              Codes::ACTIVE_SOURCES_EIGHT_AREAS, flags)),
                                           Message(), true);
    }
    m_controller->handleButtonById(amplifier(id), button);
    QCOMPARE(m_driver.sent.size(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty())
        QVERIFY(isRequest(m_driver.sent.first(), expected));
}

void tst_SoundController::renamedSourceIsShownAndKept()
{
    const int sourceId = addSource(TRACK_PLAYER, 1, QStringLiteral("CD"));
    const int amplifierId = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Room"));
    build();
    receive(command(QStringLiteral("5#2#1"), Codes::SOURCE_ON_IN_AREA, {1, 1}));
    QCOMPARE(m_controller->sourceModels().size(), 1);
    QCOMPARE(m_controller->getSoundSourceModelsForDevice(amplifierId), m_controller->sourceModels());
    QCOMPARE(icon(amplifierId).dropDownModel().itemsModels(), m_controller->sourceModels());

    m_controller->sourceModels().first()->setText(QStringLiteral("Vinyl"));
    QCOMPARE(source(sourceId)->name(), QStringLiteral("Vinyl"));
    QCOMPARE(icon(amplifierId).dropDownModel().text(), QStringLiteral("Vinyl"));

    // The user settings carry the name over a reload.
    Corvane::Devices::UserDeviceSettings settings;
    m_controller->fillSettingsForDevice(settings, BaseController::SOUND_PAGE_ID, source(sourceId));
    QCOMPARE(settings.itemName(sourceId), QStringLiteral("Vinyl"));
    m_controller->loadDevices(m_project.get());
    QCOMPARE(source(sourceId)->name(), QStringLiteral("CD"));
    m_controller->loadSettingsForDevice(settings, BaseController::SOUND_PAGE_ID, source(sourceId));
    QCOMPARE(source(sourceId)->name(), QStringLiteral("Vinyl"));
}

void tst_SoundController::projectSwitchForgetsTheGateways()
{
    const int amplifierId = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Room"));
    addSource(TUNER, 1, QStringLiteral("Radio"));
    build();
    m_controller->setDeviceLevel(amplifierId, 50);
    receive(command(QStringLiteral("5#2#1"), Codes::SOURCE_ON_IN_AREA, {1, 1}));
    QVERIFY(!m_controller->activeSources().isEmpty());
    QVERIFY(!m_controller->volumeSliderValues().isEmpty());

    build();
    QVERIFY(m_controller->activeSources().isEmpty());
    QVERIFY(m_controller->volumeSliderValues().isEmpty());
    QCOMPARE(icon(amplifierId).dropDownModel().text(), QStringLiteral("Select sound source"));
    // Next finds nothing playing until the gateway says so again.
    m_controller->handleButtonById(amplifier(amplifierId), SoundController::NEXT_BUTTON_ID);
    QVERIFY(m_driver.sent.isEmpty());
}

void tst_SoundController::oldModelsOutliveTheSwitch()
{
    const int amplifierId = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Room"));
    addSource(TUNER, 1, QStringLiteral("Radio"));
    build();
    const QPointer<DropDownItemModel> old = m_controller->sourceModels().first();
    // Between the devices and the settings of the new project, what the
    // carousel still shows points to the old models: they stay.
    m_controller->loadDevices(m_project.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old);
    QCOMPARE(old->text(), QStringLiteral("Radio"));
    m_controller->settingsLoaded();
    QVERIFY(!icon(amplifierId).dropDownModel().itemsModels().contains(old.data()));
    QCOMPARE(icon(amplifierId).dropDownModel().itemsModels().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
}

void tst_SoundController::gatewayValuesOutOfRange_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QList<int>>("areas");
    QTest::addColumn<QString>("warning");
    const QString amplifierAt = QStringLiteral("3#1#1");
    const QString sourceAt = QStringLiteral("5#2#1");
    QList<int> far(25, 0);
    far[2] = 1;
    far[24] = 1;
    QTest::newRow("volume 99 clamped") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {99}) << 31 << QList<int>{}
                                       << "volume";
    QTest::newRow("volume 2^31-1 clamped")
        << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {2147483647}) << 31 << QList<int>{} << "volume";
    // A negative volume is no volume: the stored one stays.
    QTest::newRow("negative volume ignored") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {-5}) << 10
                                             << QList<int>{} << "volume";
    QTest::newRow("volume -1 ignored") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {-1}) << 10 << QList<int>{}
                                       << "volume";
    QTest::newRow("volume -2^31 ignored") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {-2147483647 - 1}) << 10
                                          << QList<int>{} << "volume";
    QTest::newRow("volume left out") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {}) << 10 << QList<int>{} << "";
    QTest::newRow("volume 31 kept") << value(amplifierAt, Codes::AMPLIFIER_VOLUME, {31}) << 31 << QList<int>{} << "";
    QTest::newRow("area 9 ignored") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1, 9}) << 10 << QList<int>{}
                                    << "area";
    QTest::newRow("area 2^31-1 ignored") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1, 2147483647}) << 10
                                         << QList<int>{} << "area";
    QTest::newRow("negative area ignored") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1, -3}) << 10
                                           << QList<int>{} << "area";
    QTest::newRow("area -2^31 ignored") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1, -2147483647 - 1}) << 10
                                        << QList<int>{} << "area";
    QTest::newRow("area left out") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1}) << 10 << QList<int>{} << "";
    QTest::newRow("area 8 kept") << command(sourceAt, Codes::SOURCE_ON_IN_AREA, {1, 8}) << 10 << QList<int>{8}
                                 << "";
    QTest::newRow("area list beyond 8") << value(sourceAt, Codes::ACTIVE_SOURCES_EIGHT_AREAS, far) << 10
                                        << QList<int>{2} << "areas";
    QTest::newRow("huge frequency") << value(sourceAt, Codes::SOURCE_FREQUENCY, {99, 2147483647}) << 10
                                    << QList<int>{} << "";
    QTest::newRow("no values") << value(sourceAt, Codes::SOURCE_TUNING, {}) << 10 << QList<int>{} << "";
}

void tst_SoundController::gatewayValuesOutOfRange()
{
    QFETCH(Message, message);
    QFETCH(int, volume);
    QFETCH(QList<int>, areas);
    QFETCH(QString, warning);
    const int amplifierId = addAmplifier(DeviceAddress(1, 1, NONE, NONE), QStringLiteral("Room"));
    const int sourceId = addSource(TUNER, 1, QStringLiteral("Radio"));
    build(1);
    receive(value(QStringLiteral("3#1#1"), Codes::AMPLIFIER_VOLUME, {10}));
    LogCapture log;
    // As the gateway's driver hands it on.
    m_driver.registerListener(m_controller.get());
    m_driver.deliver(message);
    m_driver.unregisterListener(m_controller.get());
    QCOMPARE(amplifier(amplifierId)->volume(), volume);
    QCOMPARE(areasOf(m_controller->activeSources(), m_gateway, 1), areas);
    const QStringList warnings = log.lines().filter(QStringLiteral("Sound device"));
    if (warning.isEmpty()) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().contains(warning));
        QVERIFY(warnings.first().contains(QString::number(warning == "volume" ? amplifierId : sourceId)));
    }
    // The info text never fails on what was stored.
    bool hasInfo = false;
    QString text;
    SoundController::deviceInfoFromSource(source(sourceId), hasInfo, text);
    QVERIFY(text.startsWith(QStringLiteral("Radio")));
}

void tst_SoundController::start(const QString& theme)
{
    SentrelFixture::useProgramTheme(theme);
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    m_window = std::make_unique<NavigationWindow>();
}

void tst_SoundController::finishFades()
{
    m_window->navigationControl()->setSegmentIconsOpacity(0.0);
    m_window->navigationControl()->setSegmentIconsOpacity(1.0);
    m_window->navigationControl()->setCommandControl1ShowProgress(0.0);
}

void tst_SoundController::openSoundPage()
{
    NavigationController* navigation = m_window->navigationController();
    navigation->goHome();
    finishFades();
    for (const NavigationIcon& page : navigation->homeIcons())
        if (page.id() == BaseController::SOUND_PAGE_ID)
            m_window->navigationControl()->notifyNavigationIconClicked(page, 0, false);
    finishFades();
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::SOUND_PAGE_ID);
}

NavigationIcon tst_SoundController::shownIcon(int id) const
{
    return CarouselLookup::shownIcon(m_window->navigationControl(), id);
}

int tst_SoundController::segmentOf(int id) const
{
    return CarouselLookup::segmentOf(m_window->navigationControl(), id);
}

void tst_SoundController::demoProjectWithoutAServer()
{
    start();
    auto* sound = controllerOf<SoundController>(m_window->navigationController());
    QVERIFY(sound);
    QCOMPARE(sound->getAmplifiers().size(), 3);
    QCOMPARE(sound->getSoundSources().size(), 3);
    sound->updateStatus(-1);
    for (const AmplifierDevice* device : sound->getAmplifiers()) {
        QVERIFY2(device->isStatusKnown(), qPrintable(device->name()));
        QVERIFY(sound->getIconByIndex(sound->indexOfIcon(device->id())).state() != NavigationIcon::Uninitialized);
    }
    for (const SoundSourceDevice* device : sound->getSoundSources())
        QVERIFY2(device->isStatusKnown(), qPrintable(device->name()));

    openSoundPage();
    Corvane::Gadgets::NavigationLabels* labels = m_window->navigationControl()->labels();
    int segment = segmentOf(LIVING_ROOM_AMPLIFIER);
    QVERIFY(segment >= 0);

    // Volume from the slider: the gateway's echo keeps the user's value.
    labels->setSliderValue(segment, 50);
    Q_EMIT labels->sliderValueChanged(segment);
    const AmplifierDevice* living = dynamic_cast<AmplifierDevice*>(sound->getDeviceById(LIVING_ROOM_AMPLIFIER));
    QCOMPARE(living->volume(), 16);
    QCOMPARE(shownIcon(LIVING_ROOM_AMPLIFIER).value(), 50.0);
    // The general amplifier's volume is shown from the gateway's answer.
    sound->setDeviceLevel(ALL_AMPLIFIERS, 100);
    QCOMPARE(dynamic_cast<AmplifierDevice*>(sound->getDeviceById(ALL_AMPLIFIERS))->volume(), 31);

    // A source from the drop-down: the info names it.
    for (const int sourceId : {RADIO, CD_PLAYER}) {
        const DropDownItemModel* model = nullptr;
        for (const DropDownItemModel* entry : sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER))
            if (entry->id() == sourceId)
                model = entry;
        QVERIFY(model);
        segment = segmentOf(LIVING_ROOM_AMPLIFIER);
        Q_EMIT labels->row2DropDownItemIconClick(segment, 0, model);
        // The simulated gateway reports the first source's station only.
        QVERIFY2(shownIcon(LIVING_ROOM_AMPLIFIER).dropDownModel().text().startsWith(model->text()),
                 qPrintable(shownIcon(LIVING_ROOM_AMPLIFIER).dropDownModel().text()));
    }

    // The ring: off, then on, shown from the answers.
    m_window->navigationControl()->notifyNavigationIconClicked(shownIcon(LIVING_ROOM_AMPLIFIER),
                                                               segmentOf(LIVING_ROOM_AMPLIFIER), false);
    QCOMPARE(sound->selectedDeviceId(), LIVING_ROOM_AMPLIFIER);
    sound->handleButtonById(living, SoundController::OFF_BUTTON_ID);
    QCOMPARE(shownIcon(LIVING_ROOM_AMPLIFIER).state(), NavigationIcon::Inactive);
    sound->handleButtonById(living, SoundController::ON_BUTTON_ID);
    QCOMPARE(shownIcon(LIVING_ROOM_AMPLIFIER).state(), NavigationIcon::Normal);
    // Next on the CD player comes back as a new track.
    sound->handleButtonById(living, SoundController::NEXT_BUTTON_ID);
    QVERIFY(shownIcon(LIVING_ROOM_AMPLIFIER).dropDownModel().text().startsWith(QStringLiteral("CD player - track #")));
}

void tst_SoundController::valueTextsClearTheLabels_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("scalePercent");
    QTest::addColumn<bool>("ringOpen");
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")})
        for (const int percent : {0, 50, 100})
            for (const bool ring : {false, true})
                QTest::addRow("%s-%d%%-%s", qPrintable(theme), percent, ring ? "ring" : "page")
                    << theme << percent << ring;
}

// Each amplifier's volume text sits below its label, clear of the label's
// plate and its source drop-down, at every gadget scale and all through the
// labels' move when the page opens or the ring opens.
void tst_SoundController::valueTextsClearTheLabels()
{
    QFETCH(QString, theme);
    QFETCH(int, scalePercent);
    QFETCH(bool, ringOpen);
    start(QStringLiteral(":/") + theme);
    m_window->setScale(scalePercent, true);
    openSoundPage();
    auto* sound = controllerOf<SoundController>(m_window->navigationController());
    sound->setDeviceLevel(LIVING_ROOM_AMPLIFIER, 100);
    if (ringOpen) {
        m_window->navigationControl()->notifyNavigationIconClicked(shownIcon(LIVING_ROOM_AMPLIFIER),
                                                                   segmentOf(LIVING_ROOM_AMPLIFIER), false);
        m_window->navigationControl()->setCommandControl1ShowProgress(1.0);
    }
    Corvane::Gadgets::NavigationLabels* labels = m_window->navigationControl()->labels();
    labels->expandAnimation()->stop();
    QVERIFY(!sound->getAmplifiers().isEmpty());
    for (const qreal progress : {0.0, 0.5, 1.0}) {
        labels->setExpandProgress(progress);
        for (const AmplifierDevice* device : sound->getAmplifiers()) {
            const int segment = segmentOf(device->id());
            Corvane::Gadgets::Label* label = labels->labelAt(segment);
            Corvane::Gadgets::SvgSliderControl* slider = labels->sliderAt(segment);
            QVERIFY(label && slider && slider->isVisible() && slider->textVisible());
            QVERIFY(label->row2DropDown()->isVisible());
            const QRectF text = slider->textItem()->sceneBoundingRect();
            const QRectF dropDown = label->row2DropDown()->sceneBoundingRect();
            const QRectF plate = label->mapRectToScene(label->backgroundBounds());
            QVERIFY(!text.isEmpty());
            QVERIFY2(!text.intersects(dropDown) && text.top() >= plate.bottom(),
                     qPrintable(QStringLiteral("%1 at %2: text top %3, drop-down bottom %4, plate bottom %5")
                                    .arg(device->name())
                                    .arg(progress)
                                    .arg(text.top())
                                    .arg(dropDown.bottom())
                                    .arg(plate.bottom())));
        }
    }
}

void tst_SoundController::renderPage()
{
    const QByteArray folder = qgetenv("CORVANE_SHOTS_DIR");
    if (folder.isEmpty())
        QSKIP("set CORVANE_SHOTS_DIR to write the sound page as PNG images");
    const QDir output(QString::fromLocal8Bit(folder));
    output.mkpath(QStringLiteral("."));
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        start(QStringLiteral(":/") + theme);
        auto* sound = controllerOf<SoundController>(m_window->navigationController());
        const auto shoot = [&](const QString& name) {
            QGraphicsScene* scene = m_window->graphicsScene();
            const QRectF area = scene->itemsBoundingRect();
            QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor(200, 200, 200));
            QPainter painter(&image);
            scene->render(&painter, QRectF(QPointF(), area.size()), area);
            painter.end();
            QVERIFY(image.save(output.filePath(theme + QStringLiteral("-sound-") + name + ".png")));
        };
        openSoundPage();
        Q_EMIT m_window->navigationControl()->labels()->row2DropDownItemIconClick(
            segmentOf(LIVING_ROOM_AMPLIFIER), 0, sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER).first());
        shoot(QStringLiteral("page"));
        Corvane::Gadgets::Label* label =
            m_window->navigationControl()->labels()->labelAt(segmentOf(LIVING_ROOM_AMPLIFIER));
        QVERIFY(label);
        const QList<Corvane::Gadgets::SvgDropDown*> dropDowns = label->findChildren<Corvane::Gadgets::SvgDropDown*>();
        QVERIFY(!dropDowns.isEmpty());
        dropDowns.first()->setExpanded(true);
        shoot(QStringLiteral("sources"));
        dropDowns.first()->setExpanded(false);
        m_window->navigationControl()->notifyNavigationIconClicked(shownIcon(LIVING_ROOM_AMPLIFIER),
                                                                   segmentOf(LIVING_ROOM_AMPLIFIER), false);
        m_window->navigationControl()->setCommandControl1ShowProgress(1.0);
        shoot(QStringLiteral("ring"));
        for (const int percent : {0, 100}) {
            m_window->setScale(percent, true);
            shoot(QStringLiteral("ring-scale-%1").arg(percent));
        }
        m_window.reset();
    }
}

// The source list of the living room amplifier is open when the gadget goes
// home after the user's last input; back on the sound page, the first click on the amplifier opens its
// ring: the list closed with the page.
void tst_SoundController::sourcesOpenAtTheWayHome()
{
    start();
    m_window->showTo();
    m_window->moveOnScreen(QPoint(200, 100));
    openSoundPage();
    Corvane::Gadgets::NavigationControl* carousel = m_window->navigationControl();
    Corvane::Gadgets::SvgDropDown* sources =
        carousel->labels()->labelAt(segmentOf(LIVING_ROOM_AMPLIFIER))->row2DropDown();
    QVERIFY(SceneInput::click(m_window.get(), sources->expandButton()));
    QVERIFY(sources->isExpanded());

    // Nothing more from the user: the gadget goes home by itself.
    m_clock->advance((Settings::guiProperties().goHomepageTimeout() + 1) * 1000);
    finishFades();
    QCOMPARE(carousel->currentPageId(), 0);
    QVERIFY(!sources->isExpanded());
    for (int turns = 0; segmentOf(BaseController::SOUND_PAGE_ID) < 0 && turns < carousel->icons().size(); ++turns) {
        QVERIFY(SceneInput::click(m_window.get(), carousel->nextButton()));
        QTRY_VERIFY(!carousel->isAnimating());
    }
    QVERIFY(segmentOf(BaseController::SOUND_PAGE_ID) >= 0);
    QVERIFY(SceneInput::click(m_window.get(), carousel->segments().at(segmentOf(BaseController::SOUND_PAGE_ID))));
    finishFades();
    QCOMPARE(carousel->currentPageId(), BaseController::SOUND_PAGE_ID);

    QVERIFY(SceneInput::click(m_window.get(), carousel->segments().at(segmentOf(LIVING_ROOM_AMPLIFIER))));
    QVERIFY(carousel->commandControl1());
    QVERIFY(!sources->isExpanded());
}

QTEST_MAIN(tst_SoundController)
#include "tst_soundcontroller.moc"
