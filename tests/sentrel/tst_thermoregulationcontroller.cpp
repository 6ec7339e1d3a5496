#include "CarouselLookup.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/thermoregulation/ThermoregulationController.h"
#include "Controllers/thermoregulation/ThermoregulationGatewayMessages.h"
#include "Controllers/thermoregulation/ThermoregulationStatusTimers.h"

#include "FavoriteWindow.h"
#include "LogCapture.h"
#include "NavigationWindow.h"
#include "RecordingListener.h"
#include "RecordingOpenDriver.h"
#include "RingPlacement.h"
#include "SceneInput.h"
#include "SentrelFixture.h"
#include "simulation/Clock.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/GuiProperties.h"
#include "devices/ThermoregulationCommandProperties.h"
#include "devices/ThermoregulationDevice.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/UserDeviceSettings.h"
#include "devices/WebServerDeviceProperties.h"
#include "favorite/FavoriteControl.h"
#include "label/Label.h"
#include "devices/serialization/XmlSerializer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/FrameCodec.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"
#include "slider/SvgSliderControl.h"
#include "theme/ThemeProvider.h"
#include "widgets/TemperatureUnit.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QWheelEvent>
#include <QPainter>
#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

#include <functional>

using namespace Corvane::Sentrel;
using Controllers::ThermoregulationController;
using Controllers::ThermoregulationStatusTimers;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ThermoregulationDevice;
using Corvane::Devices::ThermoregulationDeviceProperties;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Address;
using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::Value;
using Buttons = Controllers::ThermoregulationButtons;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
using DriverCalls = std::function<void(Corvane::PravikDriver::OpenDriver&)>;

// What the calls send, as the driver writes it.
QList<Message> requestsOf(const DriverCalls& calls)
{
    RecordingOpenDriver reference;
    calls(reference);
    return reference.sent;
}

bool sameRequests(QList<Message> sent, const QList<Message>& expected)
{
    if (sent.size() != expected.size())
        return false;
    for (int i = 0; i < sent.size(); ++i) {
        sent[i].setPriority(expected.at(i).priority());
        if (sent.at(i) != expected.at(i))
            return false;
    }
    return true;
}

QString describe(const QList<Message>& messages)
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(QStringLiteral("(%1 %2 %3 %4 %5 [%6])")
                         .arg(message.messageType())
                         .arg(message.systemType())
                         .arg(message.address())
                         .arg(message.commandType())
                         .arg(message.dimension())
                         .arg(message.rawParameters().join(QLatin1Char(','))));
    return texts.join(QLatin1Char(' '));
}

QString own(const ThermoregulationDevice* device, Address::Direction direction = Address::Send)
{
    return Controllers::BaseController::getAddressText(
        device->address(), Controllers::BaseController::getAddressDeviceType(device->deviceType()), direction);
}

QString zoneText(const ThermoregulationDevice* device, Address::Direction direction = Address::Send)
{
    return Controllers::BaseController::getAddressText(device->address(), Address::ZoneText, direction);
}

} // namespace

class tst_ThermoregulationController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void unitTable_data();
    void unitTable();
    void probeTemperatureText_data();
    void probeTemperatureText();
    void unitChangeRedrawsEveryIcon();
    void buttonRequests_data();
    void buttonRequests();
    void manualStatusRoundsToThePrecision();
    void airConditionerTakesTheCommandAtOnce();
    void fahrenheitSliderSendsRoundedCelsius();
    void setpointShownAlikeEverywhere_data();
    void setpointShownAlikeEverywhere();
    void sliderOfOtherTypesSendsNothing_data();
    void sliderOfOtherTypesSendsNothing();
    void noDriverChangesNothing_data();
    void noDriverChangesNothing();
    void startOfAVanishedCommandSendsNothing();
    void ringStates();
    void secondRingSegmentSet();
    void expandMarks_data();
    void expandMarks();
    void destroyedWithRingsOpen();
    void timerCoalescing();
    void setpointAndZoneCommandGiveTwoRequests();
    void reloadStopsEveryTimer();
    void generalZoneAddressLeavesZonesUnknown();
    void refreshOfAGateway();
    void airConditionerOffDefaults();
    void gatewayValuesOutOfRange_data();
    void gatewayValuesOutOfRange();
    void airConditionerValuesOutOfRange_data();
    void airConditionerValuesOutOfRange();
    void fuzzCorpusKeepsValuesInRange();
    void uniqueIdsAndFavorites_data();
    void uniqueIdsAndFavorites();
    void renameAndReorderAfterReload();
    void keyFilter_data();
    void keyFilter();
    void favoriteRings();
    void favoriteWindowCommandsReachTheDriver();
    void renamesAndPageOrderAreSaved();
    void simulatedGateway();
    void simulatedTemperaturesInRange_data();
    void simulatedTemperaturesInRange();
    void unitChangeReachesThePage();
    void ringsOpenBesideTheirIcon_data();
    void ringsOpenBesideTheirIcon();
    void statusKnownPerDevice_data();
    void statusKnownPerDevice();
    void offCommandIsAPartOfItsDevice();
    void favoriteIndicatorsOnEveryIconList();
    void renamedCommandKeepsItsName_data();
    void renamedCommandKeepsItsName();
    void escapeThenTheSameClick_data();
    void escapeThenTheSameClick();
    void commandRingClosedByTheCarouselThenTheSameClick_data();
    void commandRingClosedByTheCarouselThenTheSameClick();
    void pageWithFavoritePictures_data();
    void pageWithFavoritePictures();

private:
    ThermoregulationDevice* add(ThermoregulationDeviceProperties* properties);
    ThermoregulationDeviceProperties* zone99(int area, int point, bool fancoil = true);
    ThermoregulationDeviceProperties* airConditioner();
    ThermoregulationDeviceProperties* basicAirConditioner();
    void reload();
    void setUnit(Corvane::Gadgets::TemperatureUnit unit);
    NavigationIcon iconOf(int id) const;
    void openPage();
    Corvane::Gadgets::SvgElement* ringButton(Corvane::Gadgets::CommandControl* ring, const QString& id) const;
    void deliverAck(const Message& request);
    // The program's window in no-server mode on the demo project, and its
    // thermoregulation page.
    ThermoregulationController* openDemoProgram();
    // The program's window shown on the screen, as the user sees it.
    void showProgram();
    Corvane::Gadgets::NavigationControl* carousel() const { return m_window->navigationControl(); }
    PseudoDriver* gateway() const;
    // Turns the carousel with its next button until the icon shows, then
    // clicks it, and lets the carousel's animations end.
    void clickIcon(int id);
    void finishAnimations() const;
    FavoriteWindow* dragOut(ThermoregulationController* page, int iconId);
    // The program closed and started again on the same settings folders.
    ThermoregulationController* restartDemoProgram();

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<ThermoregulationController> m_controller;
    std::unique_ptr<RecordingOpenDriver> m_driver;
    ManualClock m_clock;
    int m_gateway = 0;
};

void tst_ThermoregulationController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_ThermoregulationController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Clock::setProgramClock(&m_clock);
    m_window = std::make_unique<NavigationWindow>();
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_controller = std::make_unique<ThermoregulationController>(m_window.get());
    m_driver = std::make_unique<RecordingOpenDriver>();
}

void tst_ThermoregulationController::cleanup()
{
    m_controller.reset();
    m_driver.reset();
    m_window.reset();
    m_project.reset();
    Clock::setProgramClock(nullptr);
    m_fixture.reset();
}

void tst_ThermoregulationController::reload()
{
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({{m_gateway, m_driver.get()}});
    m_driver->registerListener(m_controller.get());
}

ThermoregulationDevice* tst_ThermoregulationController::add(ThermoregulationDeviceProperties* properties)
{
    const int id = m_project->addDevice(m_gateway, properties);
    reload();
    return static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(id));
}

ThermoregulationDeviceProperties* tst_ThermoregulationController::zone99(int area, int point, bool fancoil)
{
    auto* zone = new ThermoregulationDeviceProperties(0, 8003, DeviceAddress(area, point, NONE, NONE),
                                                      QStringLiteral("Zone %1").arg(point));
    zone->setHasFancoil(fancoil);
    return zone;
}

ThermoregulationDeviceProperties* tst_ThermoregulationController::airConditioner()
{
    auto* unit = new ThermoregulationDeviceProperties(0, 4003, DeviceAddress(3, NONE, NONE, NONE),
                                                      QStringLiteral("Air conditioner"));
    unit->setAirConditioningModes({1, 2, 3, 4, 5});
    unit->setFanSettings({0, 1, 2, 3, 4});
    unit->setSwingPresence(true);
    return unit;
}

ThermoregulationDeviceProperties* tst_ThermoregulationController::basicAirConditioner()
{
    auto* unit = new ThermoregulationDeviceProperties(0, 4001, DeviceAddress(4, NONE, NONE, NONE),
                                                      QStringLiteral("Basic"));
    unit->addCommand(new Corvane::Devices::ThermoregulationCommandProperties(DeviceAddress(7, NONE, NONE, NONE),
                                                                             QStringLiteral("Cool")));
    unit->addCommand(new Corvane::Devices::ThermoregulationCommandProperties(DeviceAddress(8, NONE, NONE, NONE),
                                                                             QStringLiteral("Heat")));
    return unit;
}

void tst_ThermoregulationController::setUnit(Corvane::Gadgets::TemperatureUnit unit)
{
    const Corvane::Devices::GuiProperties previous = Settings::guiProperties();
    Settings::guiProperties().setTemperatureUnit(unit);
    m_controller->settingsChanged(previous);
}

NavigationIcon tst_ThermoregulationController::iconOf(int id) const
{
    return m_controller->icons().value(m_controller->indexOfIcon(id));
}

void tst_ThermoregulationController::openPage()
{
    m_window->navigationControl()->setCurrentPageId(0);
    QVERIFY(m_controller->handleNavigationIconClicked(NavigationIcon(Corvane::Gadgets::ThemeProvider::THERMOREGULATION_SYSTEM, QString(), -40), 0, false));
}

Corvane::Gadgets::SvgElement* tst_ThermoregulationController::ringButton(Corvane::Gadgets::CommandControl* ring,
                                                                        const QString& id) const
{
    for (const auto& segments : {ring->oddSegments(), ring->evenSegments()}) {
        for (Corvane::Gadgets::SvgContentButton* segment : segments) {
            if (ring->getButtonId(segment) == id)
                return segment;
        }
    }
    return nullptr;
}

// The gateway's acknowledgement of a request, as its driver hands it on.
void tst_ThermoregulationController::deliverAck(const Message& request)
{
    m_driver->sendMessageToListeners(Message(Corvane::PravikDriver::PravikEnums::Ack, 0, QString(), 0, 0), request,
                                     false);
}

void tst_ThermoregulationController::unitTable_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("format");
    const QString degree = QString(QChar(0x00B0));
    // The half-degree step of the zones is 0.9 degrees Fahrenheit.
    QTest::newRow("Celsius, no offset") << 0 << 0 << 20.0 << 5.0 << 40.0 << 0.5 << "%1" + degree + "C";
    QTest::newRow("Fahrenheit, no offset") << 1 << 0 << 68.0 << 41.0 << 104.0 << 0.9 << "%1" + degree + "F";
    QTest::newRow("Fahrenheit, +3") << 1 << 3 << 68.0 << 41.0 << 104.0 << 0.9 << "%1" + degree + "F +3";
    QTest::newRow("Celsius, -2") << 0 << 12 << 20.0 << 5.0 << 40.0 << 0.5 << "%1" + degree + "C -2";
    QTest::newRow("Celsius, +1") << 0 << 1 << 20.0 << 5.0 << 40.0 << 0.5 << "%1" + degree + "C +1";
    QTest::newRow("Celsius, -3") << 0 << 13 << 20.0 << 5.0 << 40.0 << 0.5 << "%1" + degree + "C -3";
    QTest::newRow("an unknown offset shows none") << 0 << 7 << 20.0 << 5.0 << 40.0 << 0.5 << "%1" + degree + "C";
}

void tst_ThermoregulationController::unitTable()
{
    QFETCH(int, unit);
    QFETCH(int, offset);
    QFETCH(double, value);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(QString, format);
    ThermoregulationDevice* zone = add(zone99(1, 1));
    setUnit(Corvane::Gadgets::TemperatureUnit(unit));
    zone->setSetpointTemperature(20);
    m_controller->updateUIforDevice(zone);
    // Unknown, a zone shows no format.
    QCOMPARE(iconOf(zone->id()).valueFormat(), QString());
    zone->setOffset(offset);
    zone->setStatusKnown(true);
    m_controller->updateUIforDevice(zone);
    const NavigationIcon icon = iconOf(zone->id());
    QCOMPARE(icon.value(), value);
    QCOMPARE(icon.minValue(), minimum);
    QCOMPARE(icon.maxValue(), maximum);
    QCOMPARE(icon.valueStep(), step);
    QCOMPARE(icon.valueFormat(), format);
    QCOMPARE(icon.valuePrecision(), 1);
}

void tst_ThermoregulationController::probeTemperatureText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("probe 21.5") << 8002 << 0 << 21.5 << c << "21.5";
    QTest::newRow("probe 20.0") << 8002 << 0 << 20.0 << c << "20";
    QTest::newRow("external probe 20.0") << 8001 << 0 << 20.0 << c << "20";
    QTest::newRow("probe 20.0 in Fahrenheit") << 8002 << 1 << 20.0 << c << "68";
    QTest::newRow("zone 19.5") << 8003 << 0 << 19.5 << c << "19.5";
    QTest::newRow("zone 21.3 in Fahrenheit: one decimal") << 8003 << 1 << 21.3 << c << "70.3";
    QTest::newRow("zone 19.5 in German") << 8003 << 0 << 19.5 << german << "19,5";
    QTest::newRow("zone 21.3 in Fahrenheit, German") << 8003 << 1 << 21.3 << german << "70,3";
    QTest::newRow("an air conditioner shows no temperature") << 4003 << 0 << 21.5 << c << "";
    QTest::newRow("nor a basic one") << 4001 << 0 << 21.5 << c << "";
}

void tst_ThermoregulationController::probeTemperatureText()
{
    QFETCH(int, type);
    QFETCH(int, unit);
    QFETCH(double, temperature);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    ThermoregulationDevice* device = add(new ThermoregulationDeviceProperties(
        0, type, DeviceAddress(2, 3, NONE, NONE), QStringLiteral("Probe")));
    setUnit(Corvane::Gadgets::TemperatureUnit(unit));
    device->setTemperature(temperature);
    device->setStatusKnown(true);
    m_controller->updateUIforDevice(device);
    QCOMPARE(iconOf(device->id()).text(), text);
    QCOMPARE(iconOf(device->id()).state(), NavigationIcon::Normal);
}

void tst_ThermoregulationController::unitChangeRedrawsEveryIcon()
{
    const int zoneId = add(zone99(1, 1))->id();
    ThermoregulationDevice* probe = add(new ThermoregulationDeviceProperties(
        0, 8002, DeviceAddress(2, 3, NONE, NONE), QStringLiteral("Probe")));
    auto* zone = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(zoneId));
    for (ThermoregulationDevice* device : {zone, probe}) {
        device->setTemperature(25);
        device->setStatusKnown(true);
        m_controller->updateUIforDevice(device);
    }
    openPage();
    setUnit(Corvane::Gadgets::Fahrenheit);
    QCOMPARE(iconOf(probe->id()).text(), QStringLiteral("77"));
    QCOMPARE(iconOf(zone->id()).maxValue(), 104.0);
    QVERIFY(iconOf(zone->id()).valueFormat().contains(QStringLiteral("F")));
    setUnit(Corvane::Gadgets::Celsius);
    QCOMPARE(iconOf(probe->id()).text(), QStringLiteral("25"));
    QCOMPARE(iconOf(zone->id()).maxValue(), 40.0);
}

void tst_ThermoregulationController::buttonRequests_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<Message>>("expected");
    // A zone that only lends its addresses to the table.
    const std::unique_ptr<ThermoregulationDeviceProperties> props(zone99(1, 5));
    const ThermoregulationDevice sample(*props, 0);
    const QString a = own(&sample);
    const QString z = zoneText(&sample);
    using Driver = Corvane::PravikDriver::OpenDriver;
    QTest::newRow("99: FAN_LOW") << 8003 << "FAN_LOW" << requestsOf([&](Driver& d) { d.setFancoilSpeed(a, 1); });
    QTest::newRow("99: FAN_MEDIUM") << 8003 << "FAN_MEDIUM" << requestsOf([&](Driver& d) { d.setFancoilSpeed(a, 2); });
    QTest::newRow("99: FAN_HIGH") << 8003 << "FAN_HIGH" << requestsOf([&](Driver& d) { d.setFancoilSpeed(a, 3); });
    QTest::newRow("99: FAN_AUTO sends 0") << 8003 << "FAN_AUTO" << requestsOf([&](Driver& d) { d.setFancoilSpeed(a, 0); });
    QTest::newRow("99: FAN_SILENT sends nothing") << 8003 << "FAN_SILENT" << QList<Message>();
    QTest::newRow("99: STATUS_PROTECT unlocks first") << 8003 << "STATUS_PROTECT" << requestsOf([&](Driver& d) {
        d.unlockTemperatureUnit(a);
        d.setGenericProtectionMode(z);
    });
    QTest::newRow("99: STATUS_OFF unlocks first") << 8003 << "STATUS_OFF" << requestsOf([&](Driver& d) {
        d.unlockTemperatureUnit(a);
        d.switchOffTemperatureUnit(z);
    });
    QTest::newRow("99: STATUS_MANUAL sends the set-point") << 8003 << "STATUS_MANUAL" << requestsOf([&](Driver& d) {
        d.unlockTemperatureUnit(a);
        d.setTemperatureManually(z, 21.5f);
    });
    QTest::newRow("99: STATUS_AUTO unlocks first") << 8003 << "STATUS_AUTO" << requestsOf([&](Driver& d) {
        d.unlockTemperatureUnit(a);
        d.setTemperatureUnitAutoMode(z);
    });
    QTest::newRow("99: unknown id") << 8003 << "SWING_ON" << QList<Message>();
    QTest::newRow("4: FAN_HIGH on the 4-zone text") << 8004 << "FAN_HIGH" << QList<Message>();
    QTest::newRow("4: FAN_SILENT sends nothing") << 8004 << "FAN_SILENT" << QList<Message>();
}

void tst_ThermoregulationController::buttonRequests()
{
    QFETCH(int, type);
    QFETCH(QString, button);
    QFETCH(QList<Message>, expected);
    ThermoregulationDeviceProperties* properties = zone99(1, 5);
    properties->setDeviceType(type);
    properties->setHasFancoil(true);
    ThermoregulationDevice* zone = add(properties);
    zone->setSetpointTemperature(21.5);
    if (type == 8003) {
        m_controller->handleZone99Command2Button(button, zone);
    } else {
        m_controller->handleZone4Command1Button(button, zone);
        if (Buttons::fanSetupOf(button) >= 0)
            expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
                d.setFancoilSpeed(own(zone), Buttons::fanSetupOf(button));
            });
    }
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
}

void tst_ThermoregulationController::manualStatusRoundsToThePrecision()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setSetpointTemperature(21.96);
    m_controller->handleZone99Command2Button(Buttons::STATUS_MANUAL_BUTTON_ID, zone);
    const QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.unlockTemperatureUnit(own(zone));
        d.setTemperatureManually(zoneText(zone), 22.0f);
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    QCOMPARE(zone->setpointTemperature(), 22.0);
}

void tst_ThermoregulationController::airConditionerTakesTheCommandAtOnce()
{
    ThermoregulationDevice* unit = add(airConditioner());
    unit->setAirConditionerMode(2);
    unit->setAirConditionerSpeed(3);
    unit->setAirConditionerSwing(1);
    unit->setSetpointTemperature(24);
    m_controller->handleACAdvancedCommand2Button(Buttons::MODE_OFF_BUTTON_ID, unit);
    QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.setAirConditionerProperties(own(unit), Value<int>(true, 0), Value<float>(false, 24.0f),
                                      Value<int>(false, 3), Value<int>(false, 1));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    QCOMPARE(unit->airConditionerMode(), 0);

    m_driver->clearSent();
    m_controller->handleACAdvancedCommand2Button(Buttons::FAN_SILENT_BUTTON_ID, unit);
    expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.setAirConditionerProperties(own(unit), Value<int>(true, 0), Value<float>(false, 24.0f),
                                      Value<int>(false, 4), Value<int>(false, 1));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    QCOMPARE(unit->airConditionerSpeed(), 4);

    m_driver->clearSent();
    m_controller->handleACAdvancedCommand2Button(Buttons::MODE_HEATING_BUTTON_ID, unit);
    expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.setAirConditionerProperties(own(unit), Value<int>(true, 1), Value<float>(true, 24.0f), Value<int>(true, 4),
                                      Value<int>(true, 1));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
}

void tst_ThermoregulationController::fahrenheitSliderSendsRoundedCelsius()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    setUnit(Corvane::Gadgets::Fahrenheit);
    m_controller->setDeviceTemperature(zone->id(), 68);
    QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.unlockTemperatureUnit(own(zone));
        d.setTemperatureManually(zoneText(zone), 20.0f);
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));

    // 71.5 °F is 21.94 °C: sent as 22, shown back as 71.6 °F.
    m_driver->clearSent();
    m_controller->setDeviceTemperature(zone->id(), 71.5);
    expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.unlockTemperatureUnit(own(zone));
        d.setTemperatureManually(zoneText(zone), 22.0f);
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    QCOMPARE(zone->setpointTemperature(), 22.0);
    m_controller->updateUIforDevice(zone);
    QVERIFY(qAbs(iconOf(zone->id()).value() - 71.6) < 1e-9);
}

void tst_ThermoregulationController::setpointShownAlikeEverywhere_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("chosen");
    QTest::addColumn<double>("sent");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Celsius, on a step") << 0 << 21.5 << 21.5 << "21.5" + QString(QChar(0x00B0)) + "C";
    QTest::newRow("Celsius, between steps") << 0 << 21.3 << 21.5 << "21.5" + QString(QChar(0x00B0)) + "C";
    QTest::newRow("Fahrenheit 71.5") << 1 << 71.5 << 22.0 << "71.6" + QString(QChar(0x00B0)) + "F";
    QTest::newRow("Fahrenheit 70") << 1 << 70.0 << 21.0 << "69.8" + QString(QChar(0x00B0)) + "F";
    QTest::newRow("Fahrenheit 68") << 1 << 68.0 << 20.0 << "68.0" + QString(QChar(0x00B0)) + "F";
    QTest::newRow("Fahrenheit, the lowest") << 1 << 41.0 << 5.0 << "41.0" + QString(QChar(0x00B0)) + "F";
    QTest::newRow("Fahrenheit, the highest") << 1 << 104.0 << 40.0 << "104.0" + QString(QChar(0x00B0)) + "F";
}

// A set-point chosen in the user's unit is sent in Celsius on the device's
// step, and the icon, the label's slider and a favourite's slider all show
// that very set-point back.
void tst_ThermoregulationController::setpointShownAlikeEverywhere()
{
    QFETCH(int, unit);
    QFETCH(double, chosen);
    QFETCH(double, sent);
    QFETCH(QString, shown);
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setStatusKnown(true);
    setUnit(Corvane::Gadgets::TemperatureUnit(unit));
    openPage();
    FavoriteWindow* favorite = m_controller->addFavorite(zone->id(), 0, QPoint(100, 100), false, false, 50);
    QVERIFY(favorite);

    m_controller->setDeviceTemperature(zone->id(), chosen);
    const QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.unlockTemperatureUnit(own(zone));
        d.setTemperatureManually(zoneText(zone), float(sent));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    QCOMPARE(zone->setpointTemperature(), sent);
    m_controller->updateUIforDevice(zone);

    const NavigationIcon icon = iconOf(zone->id());
    QCOMPARE(icon.valueFormat().arg(QString::number(icon.value(), 'f', icon.valuePrecision())), shown);
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    const int segment = navigation->getSegmentIndexByIcon(m_controller->indexOfIcon(zone->id()));
    QVERIFY(segment >= 0);
    QCOMPARE(navigation->labels()->sliderAt(segment)->textItem()->text(), shown);
    QCOMPARE(favorite->favoriteControl()->slider()->textItem()->text(), shown);
}

void tst_ThermoregulationController::sliderOfOtherTypesSendsNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("4-zone zone") << 8004;
    QTest::newRow("probe") << 8002;
    QTest::newRow("external probe") << 8001;
    QTest::newRow("basic air conditioner") << 4001;
}

void tst_ThermoregulationController::sliderOfOtherTypesSendsNothing()
{
    QFETCH(int, type);
    ThermoregulationDevice* device = add(
        new ThermoregulationDeviceProperties(0, type, DeviceAddress(1, 2, NONE, NONE), QStringLiteral("Device")));
    m_controller->setDeviceTemperature(device->id(), 22);
    QVERIFY(m_driver->sent.isEmpty());
}

void tst_ThermoregulationController::noDriverChangesNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("action");
    QTest::newRow("zone: manual status") << 8003 << "STATUS_MANUAL";
    QTest::newRow("zone: slider") << 8003 << "slider";
    QTest::newRow("air conditioner: mode") << 4003 << "MODE_COOLING";
    QTest::newRow("air conditioner: speed") << 4003 << "FAN_HIGH";
    QTest::newRow("air conditioner: swing") << 4003 << "SWING_OFF";
    QTest::newRow("air conditioner: slider") << 4003 << "slider";
}

void tst_ThermoregulationController::noDriverChangesNothing()
{
    QFETCH(int, type);
    QFETCH(QString, action);
    ThermoregulationDevice* device = add(type == 8003 ? zone99(1, 5) : airConditioner());
    m_controller->setDrivers({});
    device->setSetpointTemperature(21.24);
    device->setAirConditionerMode(1);
    device->setAirConditionerSpeed(1);
    device->setAirConditionerSwing(1);
    LogCapture log;
    if (action == QLatin1String("slider"))
        m_controller->setDeviceTemperature(device->id(), 25);
    else if (type == 8003)
        m_controller->handleZone99Command2Button(action, device);
    else
        m_controller->handleACAdvancedCommand2Button(action, device);
    QCOMPARE(device->setpointTemperature(), 21.24);
    QCOMPARE(device->airConditionerMode(), 1);
    QCOMPARE(device->airConditionerSpeed(), 1);
    QCOMPARE(device->airConditionerSwing(), 1);
    QVERIFY(m_driver->sent.isEmpty());
    QVERIFY2(log.contains(QStringLiteral("no driver")), qPrintable(log.lines().join(QLatin1Char('\n'))));
}

void tst_ThermoregulationController::startOfAVanishedCommandSendsNothing()
{
    ThermoregulationDevice* unit = add(basicAirConditioner());
    const QList<int> commands = unit->orderedCommands();
    QCOMPARE(commands.size(), 2);
    m_controller->handleACBasicCommand1Button(Buttons::START_BUTTON_ID, unit, commands.at(1));
    const QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.executeScenario(Controllers::BaseController::getAddressText(unit->address(), Address::Scenario, Address::Send),
                          8);
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));

    m_driver->clearSent();
    LogCapture log;
    m_controller->handleACBasicCommand1Button(Buttons::START_BUTTON_ID, unit, 99);
    QVERIFY(m_driver->sent.isEmpty());
    QVERIFY(log.contains(QStringLiteral("command 99")));
}

void tst_ThermoregulationController::ringStates()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    const NavigationIcon icon = iconOf(zone->id());
    // Unknown: no ring.
    QVERIFY(m_controller->handleNavigationIconClicked(icon, navigation->getSegmentIndexByIcon(0), false));
    QVERIFY(!navigation->commandControl1());
    QCOMPARE(m_controller->openDeviceId(), 0);

    zone->setStatusKnown(true);
    QVERIFY(m_controller->handleNavigationIconClicked(icon, navigation->getSegmentIndexByIcon(0), false));
    QCOMPARE(navigation->commandControl1(), m_controller->commandControl1());
    QCOMPARE(m_controller->openDeviceId(), zone->id());
    QCOMPARE(m_controller->commandControl1()->activeButtonsCount(), 2);

    Corvane::Gadgets::SvgElement* status = ringButton(m_controller->commandControl1(), Buttons::STATUS_BUTTON_ID);
    QVERIFY(status);
    m_controller->onCommand1ElementClick(status);
    QCOMPARE(navigation->commandControl2(), m_controller->commandControl2());
    QCOMPARE(m_controller->openCommand(), Buttons::STATUS_BUTTON_ID);
    QCOMPARE(m_controller->commandControl2()->activeButtonsCount(), 4);

    // A status button of the second ring sends at once.
    Corvane::Gadgets::SvgElement* automatic =
        ringButton(m_controller->commandControl2(), Buttons::STATUS_AUTO_BUTTON_ID);
    QVERIFY(automatic);
    m_controller->onCommand2ElementClick(automatic);
    QCOMPARE(m_driver->sent.size(), 2);

    // STATUS again closes the second ring.
    m_controller->onCommand1ElementClick(status);
    QVERIFY(!navigation->commandControl2());
    QCOMPARE(m_controller->openCommand(), QString());

    // The device icon again closes every ring.
    QVERIFY(m_controller->handleNavigationIconClicked(icon, navigation->getSegmentIndexByIcon(0), false));
    QVERIFY(!navigation->commandControl1());
    QCOMPARE(m_controller->openDeviceId(), 0);
}

void tst_ThermoregulationController::secondRingSegmentSet()
{
    // Two buttons on the first ring (even set): the four speeds of the
    // second ring take the even set, the five modes the odd one.
    ThermoregulationDeviceProperties* properties = airConditioner();
    properties->setSwingPresence(false);
    ThermoregulationDevice* unit = add(properties);
    unit->setStatusKnown(true);
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(unit->id()), navigation->getSegmentIndexByIcon(0), false));
    QCOMPARE(m_controller->commandControl1()->activeButtonsCount(), 2);
    QVERIFY(m_controller->commandControl1()->usesEvenSegments());
    m_controller->onCommand1ElementClick(ringButton(m_controller->commandControl1(), Buttons::FAN_BUTTON_ID));
    QCOMPARE(m_controller->commandControl2()->activeButtonsCount(), 5);
    QVERIFY(!m_controller->commandControl2()->usesEvenSegments());
    m_controller->onCommand1ElementClick(ringButton(m_controller->commandControl1(), Buttons::FAN_BUTTON_ID));
    m_controller->onCommand1ElementClick(ringButton(m_controller->commandControl1(), Buttons::MODE_BUTTON_ID));
    QCOMPARE(m_controller->commandControl2()->activeButtonsCount(), 6);
    QVERIFY(m_controller->commandControl2()->usesEvenSegments());
}

void tst_ThermoregulationController::expandMarks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fancoil");
    QTest::addColumn<bool>("expands");
    QTest::addColumn<int>("buttons");
    QTest::newRow("4-zone zone without fan-coil") << 8004 << false << false << 0;
    QTest::newRow("4-zone zone with fan-coil") << 8004 << true << true << 4;
    QTest::newRow("99-zone zone without fan-coil") << 8003 << false << true << 1;
    QTest::newRow("99-zone zone with fan-coil") << 8003 << true << true << 2;
    QTest::newRow("probe") << 8002 << false << false << 0;
    QTest::newRow("external probe") << 8001 << false << false << 0;
}

void tst_ThermoregulationController::expandMarks()
{
    QFETCH(int, type);
    QFETCH(bool, fancoil);
    QFETCH(bool, expands);
    QFETCH(int, buttons);
    auto* properties =
        new ThermoregulationDeviceProperties(0, type, DeviceAddress(1, 2, NONE, NONE), QStringLiteral("Device"));
    properties->setHasFancoil(fancoil);
    ThermoregulationDevice* device = add(properties);
    device->setStatusKnown(true);
    QCOMPARE(iconOf(device->id()).willExpand(), expands);
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(device->id()), navigation->getSegmentIndexByIcon(0), false));
    QCOMPARE(navigation->commandControl1() != nullptr, buttons > 0);
    if (buttons > 0)
        QCOMPARE(m_controller->commandControl1()->activeButtonsCount(), buttons);
}

void tst_ThermoregulationController::destroyedWithRingsOpen()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setStatusKnown(true);
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(zone->id()), navigation->getSegmentIndexByIcon(0), false));
    m_controller->onCommand1ElementClick(ringButton(m_controller->commandControl1(), Buttons::STATUS_BUTTON_ID));
    QVERIFY(navigation->commandControl2());
    m_controller.reset();
    // The carousel holds no ring of the controller that is gone.
    QVERIFY(!navigation->commandControl1());
    QVERIFY(!navigation->commandControl2());
    m_window.reset();
}

void tst_ThermoregulationController::timerCoalescing()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    const Message command = Message::createZoneCommandMessage(zoneText(zone, Address::Compare), 400311);
    for (int i = 0; i < 3; ++i) {
        deliverAck(command);
        m_clock.advance(400);
    }
    QVERIFY(m_driver->sent.isEmpty());
    m_clock.advance(1500 - 400 - 1);
    QVERIFY(m_driver->sent.isEmpty());
    m_clock.advance(1);
    const QList<Message> expected = requestsOf(
        [&](Corvane::PravikDriver::OpenDriver& d) { d.requestTemperatureZoneStatus(own(zone)); });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    m_clock.advance(5000);
    QCOMPARE(m_driver->sent.size(), 1);
    // Pushed messages and other commands start nothing.
    m_driver->sendMessageToListeners(Message(Corvane::PravikDriver::PravikEnums::Ack, 0, QString(), 0, 0), command, true);
    deliverAck(Message::createZoneCommandMessage(zoneText(zone, Address::Compare), 400310));
    m_clock.advance(5000);
    QCOMPARE(m_driver->sent.size(), 1);
}

void tst_ThermoregulationController::setpointAndZoneCommandGiveTwoRequests()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    deliverAck(Message::createManualTemperatureMessage(zoneText(zone, Address::Compare), 21.0f));
    deliverAck(Message::createZoneCommandMessage(own(zone, Address::Compare), 400302));
    QCOMPARE(m_controller->statusTimers()->count(), 2);
    m_clock.advance(1500);
    const QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.requestZoneSetpointTemperature(own(zone));
        d.requestTemperatureZoneStatus(own(zone));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
}

void tst_ThermoregulationController::reloadStopsEveryTimer()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    deliverAck(Message::createZoneCommandMessage(own(zone, Address::Compare), 400303));
    QCOMPARE(m_controller->statusTimers()->count(), 1);
    reload();
    QCOMPARE(m_controller->statusTimers()->count(), 0);
    m_clock.advance(3000);
    QVERIFY(m_driver->sent.isEmpty());
}

void tst_ThermoregulationController::generalZoneAddressLeavesZonesUnknown()
{
    add(zone99(1, 5));
    add(zone99(1, 6));
    ThermoregulationDevice* four = add(new ThermoregulationDeviceProperties(0, 8004, DeviceAddress(2, 1, NONE, NONE),
                                                                            QStringLiteral("Four")));
    QList<ThermoregulationDevice*> zones;
    for (const auto* device : m_controller->devices())
        if (device->deviceType() == 8003)
            zones.append(static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(device->id())));
    QCOMPARE(zones.size(), 2);
    m_driver->deliver(Message::createZoneCommandMessage(QStringLiteral("#0"), 400311));
    for (ThermoregulationDevice* zone : zones) {
        QCOMPARE(zone->zoneStatus(), 3);
        QVERIFY(!zone->isStatusKnown());
    }
    QCOMPARE(four->zoneStatus(), 0);
    // A zone reached through its zone text takes the value, still unknown;
    // its own address makes it known.
    m_driver->deliver(Message::createZoneCommandMessage(zoneText(zones.first(), Address::Compare), 400303));
    QCOMPARE(zones.first()->zoneStatus(), 0);
    QVERIFY(!zones.first()->isStatusKnown());
    m_driver->deliver(Message::createZoneCommandMessage(own(zones.first(), Address::Compare), 400302));
    QCOMPARE(zones.first()->zoneStatus(), 1);
    QVERIFY(zones.first()->isStatusKnown());
}

void tst_ThermoregulationController::refreshOfAGateway()
{
    const int firstId = add(zone99(1, 5, true))->id();
    const int secondId = add(zone99(1, 6, false))->id();
    ThermoregulationDevice* unit = add(airConditioner());
    auto* first = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(firstId));
    auto* second = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(secondId));
    m_controller->updateStatus(-1);
    const QList<Message> expected = requestsOf([&](Corvane::PravikDriver::OpenDriver& d) {
        d.requestAirConditionerStatus(own(unit));
        d.requestTemperatureZoneStatus(QStringLiteral("#0"));
        d.requestTemperatureZoneStatus(zoneText(first));
        d.requestTemperatureZoneStatus(zoneText(second));
        d.requestTemperatureZoneStatus(own(first));
        d.requestTemperatureZoneStatus(own(second));
        d.requestFancoilSetupStatus(own(first));
    });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));

    // Without a driver: nothing sent, every device unknown.
    first->setStatusKnown(true);
    m_driver->clearSent();
    m_controller->setDrivers({});
    m_controller->updateStatus(m_gateway);
    QVERIFY(m_driver->sent.isEmpty());
    QVERIFY(!first->isStatusKnown());
}

void tst_ThermoregulationController::airConditionerOffDefaults()
{
    ThermoregulationDevice* unit = add(airConditioner());
    unit->setSetpointTemperature(26);
    unit->setAirConditionerSpeed(3);
    unit->setAirConditionerSwing(1);
    m_driver->deliver(Message::withOptionalValues(Corvane::PravikDriver::PravikEnums::DimensionValue, 4,
                                                  own(unit, Address::Compare), 0, 400022,
                                                  {Value<int>(0), Value<int>(), Value<int>(), Value<int>()}, 0));
    QVERIFY(unit->isStatusKnown());
    QCOMPARE(unit->setpointTemperature(), 20.0);
    QCOMPARE(unit->airConditionerSpeed(), 0);
    QCOMPARE(unit->airConditionerSwing(), 0);
}

void tst_ThermoregulationController::gatewayValuesOutOfRange_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("setpoint");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("fancoil");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("temperature");
    using namespace Corvane::PravikDriver::PravikEnums;
    const QString a = QStringLiteral("%1");
    // Kept values: set-point 21, offset 2, fan-coil 1, status 2, measured 19.
    QTest::newRow("set-point above the bounds") << Message(DimensionValue, 4, a, 0, 400014, {455, 3}) << "set-point"
                                                << 40.0 << 2 << 1 << 2 << 19.0;
    QTest::newRow("set-point below the bounds") << Message(DimensionValue, 4, a, 0, 400014, {-30, 3}) << "set-point"
                                                << 5.0 << 2 << 1 << 2 << 19.0;
    QTest::newRow("measured too hot") << Message(DimensionValue, 4, a, 0, 400000, {1500}) << "temperature" << 21.0
                                      << 2 << 1 << 2 << 19.0;
    QTest::newRow("measured too cold") << Message(DimensionValue, 4, a, 0, 400000, {-600}) << "temperature" << 21.0
                                       << 2 << 1 << 2 << 19.0;
    QTest::newRow("measured at the edge") << Message(DimensionValue, 4, a, 0, 400000, {-500}) << "" << 21.0 << 2 << 1
                                          << 2 << -50.0;
    QTest::newRow("unknown offset") << Message(DimensionValue, 4, a, 0, 400013, {7}) << "offset" << 21.0 << 0 << 1 << 2
                                    << 19.0;
    QTest::newRow("offset -3") << Message(DimensionValue, 4, a, 0, 400013, {13}) << "" << 21.0 << 13 << 1 << 2 << 19.0;
    QTest::newRow("fan-coil 9") << Message(DimensionWrite, 4, a, 0, 400011, {9}) << "fan-coil" << 21.0 << 2 << 1 << 2
                                << 19.0;
    QTest::newRow("fan-coil -1") << Message(DimensionWrite, 4, a, 0, 400011, {-1}) << "fan-coil" << 21.0 << 2 << 1 << 2
                                 << 19.0;
    // The zone status comes as a command; a code that names no status is no
    // status value and leaves the status as it was.
    QTest::newRow("status automatic") << Message(Command, 4, a, 400111, 0) << "" << 21.0 << 2 << 1 << 3 << 19.0;
    QTest::newRow("status code 05") << Message(Command, 4, a, 400105, 0) << "" << 21.0 << 2 << 1 << 2 << 19.0;
    QTest::newRow("status code 99") << Message(Command, 4, a, 400399, 0) << "" << 21.0 << 2 << 1 << 2 << 19.0;
    QTest::newRow("status command past the zone codes") << Message(Command, 4, a, 400411, 0) << "" << 21.0 << 2 << 1
                                                        << 2 << 19.0;
    QTest::newRow("status command far off") << Message(Command, 4, a, -2147483647, 0) << "" << 21.0 << 2 << 1 << 2
                                            << 19.0;
}

void tst_ThermoregulationController::gatewayValuesOutOfRange()
{
    QFETCH(Message, message);
    QFETCH(QString, field);
    QFETCH(double, setpoint);
    QFETCH(int, offset);
    QFETCH(int, fancoil);
    QFETCH(int, status);
    QFETCH(double, temperature);
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setSetpointTemperature(21);
    zone->setOffset(2);
    zone->setFancoil(1);
    zone->setZoneStatus(2);
    zone->setTemperature(19);
    const Message toDeliver = Message::withOptionalValues(message.messageType(), message.systemType(), own(zone, Address::Compare),
                                            message.commandType(), message.dimension(), message.parameters(), 0);
    LogCapture log;
    m_driver->deliver(toDeliver);
    QCOMPARE(zone->setpointTemperature(), setpoint);
    QCOMPARE(zone->offset(), offset);
    QCOMPARE(zone->fancoil(), fancoil);
    QCOMPARE(zone->zoneStatus(), status);
    QCOMPARE(zone->temperature(), temperature);
    int warnings = 0;
    for (const QString& line : log.lines())
        if (line.contains(QStringLiteral("Thermoregulation device")))
            ++warnings;
    if (field.isEmpty()) {
        QCOMPARE(warnings, 0);
    } else {
        QCOMPARE(warnings, 1);
        QVERIFY(log.contains(QStringLiteral("\"Zone 5\"")));
        QVERIFY2(log.contains(field + QStringLiteral(":")), qPrintable(log.lines().join(QLatin1Char('\n'))));
    }
}

void tst_ThermoregulationController::airConditionerValuesOutOfRange_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("swing");
    const int highest = std::numeric_limits<int>::max();
    const int lowest = std::numeric_limits<int>::min();
    // Values: mode, set-point in tenths, speed, swing. Kept: mode 2, speed 3,
    // swing 1.
    QTest::newRow("all in range") << QList<int>{5, 240, 4, 0} << "" << 5 << 4 << 0;
    QTest::newRow("mode 6") << QList<int>{6, 240, 1, 0} << "mode" << 2 << 1 << 0;
    QTest::newRow("mode -1") << QList<int>{-1, 240, 1, 0} << "mode" << 2 << 1 << 0;
    QTest::newRow("mode 2^31-1") << QList<int>{highest, 240, 1, 0} << "mode" << 2 << 1 << 0;
    QTest::newRow("speed 5") << QList<int>{1, 240, 5, 0} << "speed" << 1 << 3 << 0;
    QTest::newRow("speed -1") << QList<int>{1, 240, -1, 0} << "speed" << 1 << 3 << 0;
    QTest::newRow("speed -2^31") << QList<int>{1, 240, lowest, 0} << "speed" << 1 << 3 << 0;
    QTest::newRow("swing 2") << QList<int>{1, 240, 1, 2} << "swing" << 1 << 1 << 1;
    QTest::newRow("swing -1") << QList<int>{1, 240, 1, -1} << "swing" << 1 << 1 << 1;
    QTest::newRow("swing 2^31-1") << QList<int>{1, 240, 1, highest} << "swing" << 1 << 1 << 1;
}

void tst_ThermoregulationController::airConditionerValuesOutOfRange()
{
    QFETCH(QList<int>, values);
    QFETCH(QString, field);
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(int, swing);
    ThermoregulationDevice* unit = add(airConditioner());
    unit->setStatusKnown(true);
    unit->setAirConditionerMode(2);
    unit->setAirConditionerSpeed(3);
    unit->setAirConditionerSwing(1);
    unit->setSetpointTemperature(21);
    LogCapture log;
    m_driver->deliver(Message(Corvane::PravikDriver::PravikEnums::DimensionValue, 4, own(unit, Address::Compare), 0,
                              400022, values, 0));
    QCOMPARE(unit->airConditionerMode(), mode);
    QCOMPARE(unit->airConditionerSpeed(), speed);
    QCOMPARE(unit->airConditionerSwing(), swing);
    // The set-point of the same message is taken all the same.
    QCOMPARE(unit->setpointTemperature(), 24.0);
    const QStringList warnings = log.lines().filter(QStringLiteral("Thermoregulation device"));
    if (field.isEmpty()) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QStringLiteral("\"Air conditioner\" (%1), %2:").arg(unit->id()).arg(field)),
                 qPrintable(warnings.first()));
    }
}

void tst_ThermoregulationController::fuzzCorpusKeepsValuesInRange()
{
    std::unique_ptr<Corvane::Devices::Configuration> demo(
        Corvane::Devices::Serialization::XmlSerializer::read(QStringLiteral(DEMO_PROJECT)));
    QVERIFY(demo);
    QVERIFY(m_controller->loadDevices(demo.get()) >= 6);
    ThermoregulationController::DriverMap drivers;
    for (const auto* device : m_controller->devices())
        drivers.insert(device->serverId(), m_driver.get());
    m_controller->setDrivers(drivers);
    m_driver->registerListener(m_controller.get());
    QStringList addresses {QStringLiteral("#0")};
    for (const auto* device : m_controller->devices()) {
        const auto* thermo = static_cast<const ThermoregulationDevice*>(device);
        addresses << own(thermo, Address::Compare) << zoneText(thermo, Address::Compare);
    }

    // Every message of the driver's fuzz corpus, as it came and sent to each
    // thermoregulation address, with its values as they are.
    int delivered = 0;
    const QDir corpus(QStringLiteral(FUZZ_CORPUS));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            const Corvane::PravikDriver::Frame frame = Corvane::PravikDriver::FrameCodec::decode(line);
            const Message& message = frame.message;
            if (message.isEmpty())
                continue;
            m_driver->deliver(message);
            for (const QString& address : addresses) {
                for (int type : {3, 4, 101}) {
                    m_driver->deliver(Message::withOptionalValues(type, 4, address, message.commandType(),
                                                                  message.dimension(), message.parameters(),
                                                                  message.dimensionParameterCount()));
                    ++delivered;
                }
            }
        }
    }
    QVERIFY(delivered > 0);
    for (const auto* device : m_controller->devices()) {
        const auto* thermo = static_cast<const ThermoregulationDevice*>(device);
        QVERIFY(thermo->temperature() >= -50 && thermo->temperature() <= 100);
        QVERIFY(thermo->setpointTemperature() >= thermo->valueMinimum()
                && thermo->setpointTemperature() <= thermo->valueMaximum());
        QVERIFY(thermo->fancoil() >= 0 && thermo->fancoil() <= 3);
        QVERIFY(thermo->airConditionerMode() >= 0 && thermo->airConditionerMode() <= 5);
        QVERIFY(thermo->airConditionerSpeed() >= 0 && thermo->airConditionerSpeed() <= 4);
        QVERIFY(thermo->airConditionerSwing() >= 0 && thermo->airConditionerSwing() <= 1);
        QVERIFY(thermo->zoneStatus() >= 0 && thermo->zoneStatus() <= 3);
        const QList<int> offsets {0, 1, 2, 3, 11, 12, 13};
        QVERIFY(offsets.contains(thermo->offset()));
    }
}

void tst_ThermoregulationController::uniqueIdsAndFavorites_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("subDevice");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("a zone") << "zone" << 0 << true;
    QTest::newRow("a basic air conditioner itself") << "basic" << 0 << false;
    QTest::newRow("one of its commands") << "basic" << -1 << true;
    QTest::newRow("a command it does not have") << "basic" << 99 << false;
    QTest::newRow("a device not loaded") << "none" << 0 << false;
    QTest::newRow("a command of a device not loaded") << "none" << 1 << false;
}

void tst_ThermoregulationController::uniqueIdsAndFavorites()
{
    QFETCH(QString, device);
    QFETCH(int, subDevice);
    QFETCH(bool, allowed);
    const int zoneId = add(zone99(1, 5))->id();
    ThermoregulationDevice* unit = add(basicAirConditioner());
    const int id = device == QLatin1String("zone") ? zoneId : device == QLatin1String("basic") ? unit->id() : 999;
    if (subDevice < 0)
        subDevice = unit->orderedCommands().first();
    QCOMPARE(m_controller->canAddFavoriteFor(id, subDevice), allowed);

    // Unique ids: plain device ids until the basic air conditioner opens.
    openPage();
    QCOMPARE(m_controller->getDeviceIdFromUniquieId(zoneId), zoneId);
    QCOMPARE(m_controller->getSubDeviceIdFromUniquieId(zoneId), 0);
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(unit->id()), 0, false));
    const int command = unit->orderedCommands().first();
    QCOMPARE(m_controller->getDeviceIdFromUniquieId(command), unit->id());
    QCOMPARE(m_controller->getSubDeviceIdFromUniquieId(command), command);
    QCOMPARE(m_controller->getIconByIndex(0).id(), command);
    QCOMPARE(m_controller->getIconByIndex(0).tooltip(), QStringLiteral("Cool"));
    QCOMPARE(m_controller->getIconForSubDevice(unit->id(), command).tooltip(), QStringLiteral("Cool"));
    QVERIFY(m_window->navigationControl()->showBackButton());
    QVERIFY(m_controller->handleBackButtonClicked());
    QCOMPARE(m_controller->getDeviceIdFromUniquieId(zoneId), zoneId);
    QVERIFY(!m_window->navigationControl()->showBackButton());
}

void tst_ThermoregulationController::renameAndReorderAfterReload()
{
    ThermoregulationDevice* unit = add(basicAirConditioner());
    const int unitId = unit->id();
    const QList<int> commands = unit->orderedCommands();
    openPage();
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(unitId), 0, false));
    bool canChange = false;
    m_controller->handleTextChanged(unitId, commands.at(1), QStringLiteral("Warm evening"), canChange);
    QVERIFY(canChange);
    QCOMPARE(m_controller->subDeviceIcons().at(1).tooltip(), QStringLiteral("Warm evening"));
    // Drag the second command first.
    QList<NavigationIcon> shown = m_controller->subDeviceIcons();
    shown.move(1, 0);
    m_window->navigationControl()->setIcons(shown, true);
    QVERIFY(m_controller->handleIconsReordered());
    QCOMPARE(unit->orderedCommands(), (QList<int>{commands.at(1), commands.at(0)}));

    Corvane::Devices::UserDeviceSettings settings;
    m_controller->fillSettingsForDevice(settings, -40, unit);
    // A fresh start: the project's order and texts, then the settings.
    reload();
    unit = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(unitId));
    QCOMPARE(unit->orderedCommands(), commands);
    m_controller->loadSettingsForDevice(settings, -40, unit);
    QCOMPARE(unit->orderedCommands(), (QList<int>{commands.at(1), commands.at(0)}));
    QCOMPARE(unit->getCommandText(commands.at(1)), QStringLiteral("Warm evening"));
    QCOMPARE(unit->getCommandText(commands.at(0)), QStringLiteral("Cool"));
    openPage();
    QVERIFY(m_controller->handleNavigationIconClicked(iconOf(unitId), 0, false));
    QCOMPARE(m_controller->subDeviceIcons().first().tooltip(), QStringLiteral("Warm evening"));

    // An empty name gives the command its project text back.
    m_controller->handleTextChanged(unitId, commands.at(1), QString(), canChange);
    QCOMPARE(unit->getCommandText(commands.at(1)), QStringLiteral("Heat"));
    QVERIFY(!unit->isCustomCommandText(commands.at(1)));
}

void tst_ThermoregulationController::keyFilter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("labelsShown");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("Up, labels shown") << int(Qt::Key_Up) << true << false;
    QTest::newRow("Down, labels shown") << int(Qt::Key_Down) << true << false;
    QTest::newRow("Left, labels shown") << int(Qt::Key_Left) << true << true;
    QTest::newRow("Return, labels shown") << int(Qt::Key_Return) << true << true;
    QTest::newRow("Up, labels hidden") << int(Qt::Key_Up) << false << true;
    QTest::newRow("Down, labels hidden") << int(Qt::Key_Down) << false << true;
}

void tst_ThermoregulationController::keyFilter()
{
    QFETCH(int, key);
    QFETCH(bool, labelsShown);
    QFETCH(bool, allowed);
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    navigation->labels()->setVisible(true);
    navigation->setLabelsOpacity(labelsShown ? 1.0 : 0.0);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCOMPARE(m_controller->isKeyAllowed(&event), allowed);
}

void tst_ThermoregulationController::favoriteRings()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setStatusKnown(true);
    Corvane::Gadgets::FavoriteControl control(
        Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::FAVORITE), nullptr);
    m_controller->initializeFavorite(&control, zone->id());
    QVERIFY(control.sliderVisible());
    m_controller->registerFavoriteControl(zone->id(), &control);
    m_controller->handleFavoriteElementClick(&control, zone->id(), 0, control.centerButton());
    QCOMPARE(control.commandControl1()->activeButtonsCount(), 2);
    Corvane::Gadgets::SvgElement* fan = ringButton(control.commandControl1(), Buttons::FAN_BUTTON_ID);
    QVERIFY(fan);
    m_controller->handleFavoriteElementClick(&control, zone->id(), 0, fan);
    QCOMPARE(control.commandControl2()->activeButtonsCount(), 4);
    QVERIFY(control.commandControl2()->usesEvenSegments());
    Corvane::Gadgets::SvgElement* high = ringButton(control.commandControl2(), Buttons::FAN_HIGH_BUTTON_ID);
    QVERIFY(high);
    m_controller->handleFavoriteElementClick(&control, zone->id(), 0, high);
    const QList<Message> expected = requestsOf(
        [&](Corvane::PravikDriver::OpenDriver& d) { d.setFancoilSpeed(own(zone), 3); });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    // The answer marks the new speed in the favourite's ring.
    m_driver->deliver(Message(Corvane::PravikDriver::PravikEnums::DimensionValue, 4, own(zone, Address::Compare), 0,
                              400011, {3}));
    QCOMPARE(zone->fancoil(), 3);
    m_controller->unregisterFavoriteControl(&control);
}

void tst_ThermoregulationController::favoriteWindowCommandsReachTheDriver()
{
    ThermoregulationDevice* zone = add(zone99(1, 5));
    zone->setStatusKnown(true);
    FavoriteWindow* window = m_controller->addFavorite(zone->id(), 0, QPoint(100, 100), false, false, 50);
    QVERIFY(window);
    Corvane::Gadgets::FavoriteControl* control = window->favoriteControl();
    QVERIFY(control->sliderVisible());
    QCOMPARE(window->windowTitle(), zone->displayName(0));
    m_controller->handleFavoriteElementClick(window, control->centerButton());
    QCOMPARE(control->commandControl1()->activeButtonsCount(), 2);
    m_controller->handleFavoriteElementClick(window, ringButton(control->commandControl1(), Buttons::FAN_BUTTON_ID));
    m_controller->handleFavoriteElementClick(window,
                                             ringButton(control->commandControl2(), Buttons::FAN_HIGH_BUTTON_ID));
    const QList<Message> expected = requestsOf(
        [&](Corvane::PravikDriver::OpenDriver& d) { d.setFancoilSpeed(own(zone), 3); });
    QVERIFY2(sameRequests(m_driver->sent, expected), qPrintable(describe(m_driver->sent) + " <> " + describe(expected)));
    // Closed: the window no longer follows the zone, and a later answer is safe.
    m_controller->handleFavoriteElementClick(window, control->closeButton());
    QVERIFY(m_controller->favorites().isEmpty());
    m_driver->deliver(Message(Corvane::PravikDriver::PravikEnums::DimensionValue, 4, own(zone, Address::Compare), 0,
                              400011, {1}));
    QCOMPARE(zone->fancoil(), 1);
}

void tst_ThermoregulationController::renamesAndPageOrderAreSaved()
{
    // Each addition loads the devices anew: the first is looked up again.
    const int firstId = add(zone99(1, 5))->id();
    ThermoregulationDevice* second = add(zone99(1, 6));
    auto* first = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(firstId));
    QVERIFY(first);
    openPage();
    QSignalSpy saves(m_controller.get(), &ThermoregulationController::saveSettingsRequested);
    bool canChange = false;
    m_controller->handleTextChanged(first->id(), 0, QStringLiteral("Kitchen"), canChange);
    QVERIFY(canChange);
    QCOMPARE(first->name(), QStringLiteral("Kitchen"));
    QCOMPARE(saves.size(), 1);
    QList<NavigationIcon> shown = m_window->navigationControl()->icons();
    QList<int> ids;
    for (const NavigationIcon& icon : shown)
        ids.append(icon.id());
    QVERIFY(ids.contains(first->id()) && ids.contains(second->id()));
    std::reverse(shown.begin(), shown.end());
    m_window->navigationControl()->setIcons(shown, true);
    QVERIFY(m_controller->handleIconsReordered());
    QCOMPARE(saves.size(), 2);
    QVERIFY(m_controller->indexOfIcon(second->id()) < m_controller->indexOfIcon(first->id()));
}

void tst_ThermoregulationController::simulatedGateway()
{
    std::unique_ptr<Corvane::Devices::Configuration> demo(
        Corvane::Devices::Serialization::XmlSerializer::read(QStringLiteral(DEMO_PROJECT)));
    QVERIFY(demo);
    PseudoDriver gateway(nullptr, &m_clock);
    QVERIFY(m_controller->loadDevices(demo.get()) >= 6);
    ThermoregulationController::DriverMap drivers;
    for (const auto* device : m_controller->devices())
        drivers.insert(device->serverId(), &gateway);
    m_controller->setDrivers(drivers);
    gateway.registerListener(m_controller.get());
    m_controller->updateStatus(-1);
    for (const auto* device : m_controller->devices())
        QVERIFY2(device->isStatusKnown(), qPrintable(device->name()));

    // Living room zone set to 71.5 °F: sent as 22 °C, shown as 71.6 °F, then
    // automatic.
    setUnit(Corvane::Gadgets::Fahrenheit);
    auto* zone = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(17));
    QVERIFY(zone);
    m_controller->setDeviceTemperature(zone->id(), 71.5);
    QCOMPARE(zone->setpointTemperature(), 22.0);
    QCOMPARE(zone->zoneStatus(), 2);
    QVERIFY(qAbs(iconOf(zone->id()).value() - 71.6) < 1e-9);
    m_controller->handleZone99Command2Button(Buttons::STATUS_AUTO_BUTTON_ID, zone);
    QCOMPARE(zone->zoneStatus(), 3);
    QVERIFY(!zone->isLocked());
    m_controller->handleZone99Command2Button(Buttons::FAN_HIGH_BUTTON_ID, zone);
    QCOMPARE(zone->fancoil(), 3);

    // The advanced air conditioner takes a mode.
    auto* unit = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(22));
    QVERIFY(unit);
    m_controller->handleACAdvancedCommand2Button(Buttons::MODE_COOLING_BUTTON_ID, unit);
    QCOMPARE(unit->airConditionerMode(), 2);
    setUnit(Corvane::Gadgets::Celsius);
}

ThermoregulationController* tst_ThermoregulationController::openDemoProgram()
{
    m_controller.reset();
    m_window.reset();
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    Settings::clearConfiguration();
    m_window = std::make_unique<NavigationWindow>();
    ThermoregulationController* page = nullptr;
    for (Controllers::BaseController* controller : m_window->navigationController()->controllers())
        if (auto* thermo = qobject_cast<ThermoregulationController*>(controller))
            page = thermo;
    if (!page)
        return nullptr;
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    navigation->notifyHomeButtonClicked();
    navigation->notifyNavigationIconClicked(
        NavigationIcon(Corvane::Gadgets::ThemeProvider::THERMOREGULATION_SYSTEM, QString(), -40), 0, false);
    return navigation->currentPageId() == -40 ? page : nullptr;
}

void tst_ThermoregulationController::simulatedTemperaturesInRange_data()
{
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    // The demo project's devices: the gateway's readings are tenths of a
    // degree, 0..500 for zones and probes, 100..900 for the external probe.
    QTest::newRow("99-zone zone") << 17 << 0.0 << 50.0;
    QTest::newRow("4-zone zone") << 19 << 0.0 << 50.0;
    QTest::newRow("external probe") << 20 << 10.0 << 90.0;
    QTest::newRow("probe") << 21 << 0.0 << 50.0;
}

// Over many refreshes the simulated gateway's readings stay in their ranges
// and every set-point within the device's bounds.
void tst_ThermoregulationController::simulatedTemperaturesInRange()
{
    QFETCH(int, deviceId);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    std::unique_ptr<Corvane::Devices::Configuration> demo(
        Corvane::Devices::Serialization::XmlSerializer::read(QStringLiteral(DEMO_PROJECT)));
    QVERIFY(demo);
    PseudoDriver gateway(nullptr, &m_clock);
    m_controller->loadDevices(demo.get());
    ThermoregulationController::DriverMap drivers;
    for (const auto* device : m_controller->devices())
        drivers.insert(device->serverId(), &gateway);
    m_controller->setDrivers(drivers);
    gateway.registerListener(m_controller.get());
    const auto* device = static_cast<const ThermoregulationDevice*>(m_controller->getDeviceById(deviceId));
    QVERIFY(device);
    const auto* airConditioner = static_cast<const ThermoregulationDevice*>(m_controller->getDeviceById(22));
    QVERIFY(airConditioner);
    for (int refresh = 0; refresh < 50; ++refresh) {
        m_controller->updateStatus(-1);
        QVERIFY2(device->temperature() >= lowest && device->temperature() <= highest,
                 qPrintable(QString::number(device->temperature())));
        QVERIFY(device->setpointTemperature() >= device->valueMinimum()
                && device->setpointTemperature() <= device->valueMaximum());
        // The air conditioner's set-point: 18..25 in whole degrees.
        QVERIFY2(airConditioner->setpointTemperature() >= 18 && airConditioner->setpointTemperature() <= 25,
                 qPrintable(QString::number(airConditioner->setpointTemperature())));
    }
    gateway.unregisterListener(m_controller.get());
}

void tst_ThermoregulationController::unitChangeReachesThePage()
{
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    for (const auto* device : page->devices())
        QVERIFY2(device->isStatusKnown(), qPrintable(device->name()));
    QVERIFY(page->devices().size() >= 6);
    const auto* probe = static_cast<const ThermoregulationDevice*>(page->getDeviceById(21));
    QVERIFY(probe);

    const Corvane::Devices::GuiProperties previous = Settings::guiProperties();
    Settings::guiProperties().setTemperatureUnit(Corvane::Gadgets::Fahrenheit);
    m_window->settingsChanged(previous);
    // In tenths, as in Celsius.
    const double fahrenheit = ThermoregulationController::convertToFarenheit(probe->temperature());
    QCOMPARE(page->icons().value(page->indexOfIcon(21)).text(), QString::number(std::round(fahrenheit * 10) / 10));
    QCOMPARE(page->icons().value(page->indexOfIcon(17)).maxValue(), 104.0);
    Settings::guiProperties().setTemperatureUnit(Corvane::Gadgets::Celsius);
}

void tst_ThermoregulationController::ringsOpenBesideTheirIcon_data()
{
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<QString>("firstLevelButton");
    QTest::addColumn<int>("segment");
    // The demo project's living room zone and advanced air conditioner.
    for (int segment = 0; segment < 5; ++segment) {
        QTest::addRow("zone, segment %d", segment) << 17 << Buttons::STATUS_BUTTON_ID << segment;
        QTest::addRow("air conditioner, segment %d", segment) << 22 << Buttons::MODE_BUTTON_ID << segment;
    }
}

// A device's ring opens around its icon, and the second ring around the
// first ring's button, whatever the icon's segment and the gadget's size.
void tst_ThermoregulationController::ringsOpenBesideTheirIcon()
{
    QFETCH(int, deviceId);
    QFETCH(QString, firstLevelButton);
    QFETCH(int, segment);
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    const NavigationIcon icon = page->icons().value(page->indexOfIcon(deviceId));
    for (int percent : {100, 20}) {
        m_window->setScale(percent, true);
        navigation->notifyNavigationIconClicked(icon, segment, false);
        QCOMPARE(navigation->commandControl1(), page->commandControl1());
        const Corvane::Gadgets::CommandControl& first = *page->commandControl1();
        QString away = RingPlacement::buttonsAwayFrom(*navigation, first,
                                                      RingPlacement::segmentCentre(*navigation, segment), 20);
        QVERIFY2(away.isEmpty(), qPrintable(QStringLiteral("%1%: %2").arg(percent).arg(away)));

        page->onCommand1ElementClick(ringButton(page->commandControl1(), firstLevelButton));
        QCOMPARE(navigation->commandControl2(), page->commandControl2());
        away = RingPlacement::buttonsAwayFrom(*navigation, *page->commandControl2(),
                                              RingPlacement::buttonCentre(first, firstLevelButton), 20);
        QVERIFY2(away.isEmpty(), qPrintable(QStringLiteral("%1%, second ring: %2").arg(percent).arg(away)));
        page->clearCommandControls();
    }
}


// --- The user's paths on the demo program ----------------------------------

namespace {

const int LIVING_ROOM_ZONE = 17;
const int BEDROOM_AIR_CONDITIONER = 23;
const int COOL_24 = 1;

bool hasFavoriteIndicator(const NavigationIcon& icon)
{
    return icon.renderer().overlays().contains(
        Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::FAVORITE_INDICATOR));
}

// The ids of the icons, without the carousel's gap between the last and
// the first.
QList<int> idsOf(const QList<NavigationIcon>& icons)
{
    QList<int> ids;
    for (const NavigationIcon& icon : icons)
        if (!icon.isEmpty())
            ids.append(icon.id());
    return ids;
}

// The scenarios the simulated gateway ran.
QList<int> scenariosRun(const RecordingListener& listener)
{
    QList<int> run;
    for (const Message& message : listener.messages)
        if (message.systemType() == Corvane::PravikDriver::PravikEnums::Scenarios)
            run.append(message.commandType());
    return run;
}

} // namespace

void tst_ThermoregulationController::showProgram()
{
    m_window->showTo();
    m_window->moveOnScreen(QPoint(200, 100));
    finishAnimations();
}

PseudoDriver* tst_ThermoregulationController::gateway() const
{
    const auto drivers = m_window->navigationController()->drivers();
    return drivers.isEmpty() ? nullptr : qobject_cast<PseudoDriver*>(drivers.first());
}

void tst_ThermoregulationController::finishAnimations() const
{
    // The icons of a new list come in when the old ones have faded out.
    carousel()->setSegmentIconsOpacity(0.0);
    carousel()->setSegmentIconsOpacity(1.0);
    for (QPropertyAnimation* animation : carousel()->findChildren<QPropertyAnimation*>())
        if (animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->duration());
}

void tst_ThermoregulationController::clickIcon(int id)
{
    for (int turns = 0; CarouselLookup::segmentOf(carousel(), id) < 0 && turns < carousel()->icons().size();
         ++turns) {
        SceneInput::click(m_window.get(), carousel()->nextButton());
        QTRY_VERIFY(!carousel()->isAnimating());
    }
    const int segment = CarouselLookup::segmentOf(carousel(), id);
    QVERIFY2(segment >= 0, qPrintable(QStringLiteral("icon %1 not on the carousel").arg(id)));
    SceneInput::click(m_window.get(), carousel()->segments().at(segment));
    finishAnimations();
}

// The icon dropped beyond the gadget: the carousel asks for a favourite,
// then for its own icons back.
FavoriteWindow* tst_ThermoregulationController::dragOut(ThermoregulationController* page, int iconId)
{
    const int before = int(page->favorites().size());
    Q_EMIT carousel()->requestShortcut(CarouselLookup::shownIcon(carousel(), iconId));
    Q_EMIT carousel()->requestOriginalIcons();
    return page->favorites().size() > before ? page->favorites().last() : nullptr;
}

ThermoregulationController* tst_ThermoregulationController::restartDemoProgram()
{
    m_window.reset();
    Settings::initializeUserProperties();
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    Settings::clearConfiguration();
    m_window = std::make_unique<NavigationWindow>();
    for (Controllers::BaseController* controller : m_window->navigationController()->controllers())
        if (auto* thermo = qobject_cast<ThermoregulationController*>(controller))
            return thermo;
    return nullptr;
}

// The OFF command of the bedroom air conditioner is kept under id 0 by the
// project, the id that stands for a whole device: on the carousel it has an
// id of its own, the same each time, and runs, becomes a favourite and is
// marked as one like the other commands.
void tst_ThermoregulationController::offCommandIsAPartOfItsDevice()
{
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    RecordingListener listener;
    gateway()->registerListener(&listener);

    const int off = ThermoregulationDevice::OFF_COMMAND_SUB_ID;
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QVERIFY(CarouselLookup::segmentOf(carousel(), off) >= 0);
    QCOMPARE(CarouselLookup::shownIcon(carousel(), off).tooltip(), QStringLiteral("Off"));
    QVERIFY(SceneInput::click(m_window.get(), carousel()->backSplitButton()));
    finishAnimations();
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QVERIFY(CarouselLookup::segmentOf(carousel(), off) >= 0);

    // START on OFF runs the OFF scenario, 1, and nothing else.
    clickIcon(off);
    QVERIFY(carousel()->commandControl1());
    QVERIFY(SceneInput::click(m_window.get(),
                              ringButton(carousel()->commandControl1(), Buttons::START_BUTTON_ID)));
    QCOMPARE(scenariosRun(listener), QList<int>{1});

    FavoriteWindow* favorite = dragOut(page, off);
    QVERIFY(favorite);
    QCOMPARE(favorite->deviceId(), BEDROOM_AIR_CONDITIONER);
    QCOMPARE(favorite->subDeviceId(), off);
    QCOMPARE(favorite->windowTitle(), QStringLiteral("Off"));
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), off)));
    QVERIFY(!hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), COOL_24)));
    gateway()->unregisterListener(&listener);
}

// Every list of icons the page shows marks the icons that have a favourite:
// on entry, below the air conditioner, after Back, and when the carousel
// asks for its icons back after a drag, which also undoes the order the
// drag left.
void tst_ThermoregulationController::favoriteIndicatorsOnEveryIconList()
{
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    QVERIFY(dragOut(page, LIVING_ROOM_ZONE));
    // The icons shuffled as a drag leaves them, then asked back.
    QList<NavigationIcon> shuffled = carousel()->icons();
    std::reverse(shuffled.begin(), shuffled.end());
    carousel()->setIcons(shuffled, false);
    Q_EMIT carousel()->requestOriginalIcons();
    QCOMPARE(idsOf(carousel()->icons()), idsOf(page->icons()));
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), LIVING_ROOM_ZONE)));

    // Home and back to the page.
    QVERIFY(SceneInput::click(m_window.get(), carousel()->homeButton()));
    finishAnimations();
    clickIcon(Controllers::BaseController::TERMO_PAGE_ID);
    QCOMPARE(carousel()->currentPageId(), Controllers::BaseController::TERMO_PAGE_ID);
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), LIVING_ROOM_ZONE)));
    QVERIFY(!hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), BEDROOM_AIR_CONDITIONER)));

    // A command of the air conditioner, then Back, then the commands again.
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QVERIFY(dragOut(page, COOL_24));
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), COOL_24)));
    QVERIFY(SceneInput::click(m_window.get(), carousel()->backSplitButton()));
    finishAnimations();
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), LIVING_ROOM_ZONE)));
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QVERIFY(hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), COOL_24)));
    QVERIFY(!hasFavoriteIndicator(CarouselLookup::shownIcon(carousel(), ThermoregulationDevice::OFF_COMMAND_SUB_ID)));
}

void tst_ThermoregulationController::renamedCommandKeepsItsName_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("onTheFavorite");
    QTest::newRow("Cool, on its favourite's label") << COOL_24 << true;
    QTest::newRow("Off, on the carousel's label") << ThermoregulationDevice::OFF_COMMAND_SUB_ID << false;
}

// A command renamed on a label: its icon, its favourite's label and title
// take the name, and keep it over a restart.
void tst_ThermoregulationController::renamedCommandKeepsItsName()
{
    QFETCH(int, command);
    QFETCH(bool, onTheFavorite);
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    clickIcon(BEDROOM_AIR_CONDITIONER);
    FavoriteWindow* favorite = dragOut(page, command);
    QVERIFY(favorite);
    const QString name = QStringLiteral("Summer night");
    if (onTheFavorite) {
        QVERIFY(SceneInput::rename(favorite, favorite->favoriteControl()->label(), name));
    } else {
        const int segment = CarouselLookup::segmentOf(carousel(), command);
        QVERIFY(segment >= 0);
        QVERIFY(SceneInput::rename(m_window.get(), carousel()->labels()->labelAt(segment), name));
    }
    QCOMPARE(CarouselLookup::shownIcon(carousel(), command).tooltip(), name);
    QCOMPARE(favorite->windowTitle(), name);
    QCOMPARE(favorite->favoriteControl()->label()->text(), name);

    page = restartDemoProgram();
    QVERIFY(page);
    QCOMPARE(page->favorites().size(), 1);
    favorite = page->favorites().first();
    QCOMPARE(favorite->subDeviceId(), command);
    QCOMPARE(favorite->windowTitle(), name);
    QCOMPARE(favorite->favoriteControl()->label()->text(), name);
    showProgram();
    clickIcon(Controllers::BaseController::TERMO_PAGE_ID);
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QCOMPARE(CarouselLookup::shownIcon(carousel(), command).tooltip(), name);
}

void tst_ThermoregulationController::escapeThenTheSameClick_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("button");
    QTest::newRow("zone status ring") << LIVING_ROOM_ZONE << LIVING_ROOM_ZONE << Buttons::STATUS_BUTTON_ID;
    QTest::newRow("air conditioner command") << BEDROOM_AIR_CONDITIONER << COOL_24 << QString();
}

// Escape closes the open ring; the first click on the same ring button, or
// the same command, opens it again.
void tst_ThermoregulationController::escapeThenTheSameClick()
{
    QFETCH(int, device);
    QFETCH(int, icon);
    QFETCH(QString, button);
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    if (device != icon)
        clickIcon(device);
    clickIcon(icon);
    auto openRing = [&] {
        if (!button.isEmpty())
            SceneInput::click(m_window.get(), ringButton(carousel()->commandControl1(), button));
        else
            clickIcon(icon);
        finishAnimations();
        return button.isEmpty() ? carousel()->commandControl1() : carousel()->commandControl2();
    };
    if (!button.isEmpty())
        QVERIFY(openRing());

    SceneInput::pressKey(m_window.get(), Qt::Key_Escape);
    finishAnimations();
    QVERIFY(button.isEmpty() ? !carousel()->commandControl1() : !carousel()->commandControl2());
    QVERIFY(openRing());
    if (button.isEmpty()) {
        RecordingListener listener;
        gateway()->registerListener(&listener);
        QVERIFY(SceneInput::click(m_window.get(),
                                  ringButton(carousel()->commandControl1(), Buttons::START_BUTTON_ID)));
        QCOMPARE(scenariosRun(listener), QList<int>{2});
        gateway()->unregisterListener(&listener);
    }
}

void tst_ThermoregulationController::commandRingClosedByTheCarouselThenTheSameClick_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("wheel step") << QStringLiteral("wheel");
    QTest::newRow("dragged out to a favourite") << QStringLiteral("drag");
}

// The carousel closes an air conditioner command's ring by itself when it
// steps or lifts an icon: the first click on the same command opens the
// ring again, and its START runs the command.
void tst_ThermoregulationController::commandRingClosedByTheCarouselThenTheSameClick()
{
    QFETCH(QString, closing);
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    clickIcon(BEDROOM_AIR_CONDITIONER);
    clickIcon(COOL_24);
    QVERIFY(carousel()->commandControl1());

    QWidget* viewport = m_window->view()->viewport();
    const QPointF centre = carousel()->mapToScene(carousel()->boundingRect().center());
    if (closing == QLatin1String("wheel")) {
        const QPoint at = SceneInput::viewportPoint(m_window.get(), centre);
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    } else {
        const QPointF from = carousel()->mapToScene(
            carousel()->getSegmentCenter(CarouselLookup::segmentOf(carousel(), COOL_24)));
        const QPointF outside = centre + QPointF(0, 2 * carousel()->boundingRect().height());
        const auto event = [](QEvent::Type type, const QPointF& at) {
            auto made = std::make_unique<QGraphicsSceneMouseEvent>(type);
            made->setScenePos(at);
            made->setLastScenePos(at);
            made->setButton(Qt::LeftButton);
            made->setButtons(Qt::LeftButton);
            return made;
        };
        carousel()->handleMousePressAndHold(event(QEvent::GraphicsSceneMousePress, from).get());
        carousel()->handleMousePressAndMove(from, event(QEvent::GraphicsSceneMouseMove, outside).get(), nullptr);
        carousel()->handleMouseRelease(event(QEvent::GraphicsSceneMouseRelease, outside).get(), nullptr);
        QCOMPARE(page->favorites().size(), 1);
    }
    finishAnimations();
    QVERIFY(!carousel()->commandControl1());

    clickIcon(COOL_24);
    QVERIFY(carousel()->commandControl1());
    RecordingListener listener;
    gateway()->registerListener(&listener);
    QVERIFY(SceneInput::click(m_window.get(), ringButton(carousel()->commandControl1(), Buttons::START_BUTTON_ID)));
    QCOMPARE(scenariosRun(listener), QList<int>{2});
    gateway()->unregisterListener(&listener);
}

void tst_ThermoregulationController::pageWithFavoritePictures_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Talvera") << QStringLiteral("TalveraTheme");
    QTest::newRow("Corvane") << QStringLiteral("CorvaneTheme");
}

// With CORVANE_SHOTS_DIR set, pictures of the page and of the air
// conditioner's commands with favourites marked, in each built-in theme.
void tst_ThermoregulationController::pageWithFavoritePictures()
{
    QFETCH(QString, theme);
    const QByteArray folder = qgetenv("CORVANE_SHOTS_DIR");
    if (folder.isEmpty())
        QSKIP("pictures only with CORVANE_SHOTS_DIR");
    SentrelFixture::useProgramTheme(QStringLiteral(":/") + theme);
    ThermoregulationController* page = openDemoProgram();
    QVERIFY(page);
    showProgram();
    QVERIFY(dragOut(page, LIVING_ROOM_ZONE));
    auto shoot = [&](const QString& step) {
        QGraphicsScene* scene = m_window->graphicsScene();
        const QRectF area = scene->itemsBoundingRect().adjusted(-10, -10, 10, 10);
        QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(90, 110, 130));
        QPainter painter(&image);
        scene->render(&painter, QRectF(QPointF(), area.size()), area);
        painter.end();
        const QDir output(QString::fromLocal8Bit(folder));
        output.mkpath(QStringLiteral("."));
        QVERIFY(image.save(output.filePath(theme + QStringLiteral("-thermo-") + step + QStringLiteral(".png"))));
    };
    finishAnimations();
    shoot(QStringLiteral("page"));
    clickIcon(BEDROOM_AIR_CONDITIONER);
    QVERIFY(dragOut(page, COOL_24));
    finishAnimations();
    shoot(QStringLiteral("commands"));
    SentrelFixture::useProgramTheme();
}

void tst_ThermoregulationController::statusKnownPerDevice_data()
{
    QTest::addColumn<bool>("general");
    QTest::addColumn<bool>("addressedFirst");
    QTest::addColumn<bool>("known");
    QTest::newRow("addressed zone first") << false << true << true;
    QTest::newRow("addressed zone last") << false << false << true;
    QTest::newRow("general zone address, its zone first") << true << true << false;
    QTest::newRow("general zone address, its zone last") << true << false << false;
}

// A reading that reaches two zones, one by its own address and one through
// another address form, makes known only the zone it is addressed to,
// whatever their order; the general zone address makes none known.
void tst_ThermoregulationController::statusKnownPerDevice()
{
    QFETCH(bool, general);
    QFETCH(bool, addressedFirst);
    QFETCH(bool, known);
    const DeviceAddress address = general ? DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE)
                                          : DeviceAddress(1, 5, NONE, NONE);
    const int addressedId =
        add(new ThermoregulationDeviceProperties(0, 8003, address, QStringLiteral("Addressed")))->id();
    ThermoregulationDevice* other = add(zone99(1, 6));
    auto* addressed = static_cast<ThermoregulationDevice*>(m_controller->getDeviceById(addressedId));
    const QList<ThermoregulationDevice*> targets =
        addressedFirst ? QList { addressed, other } : QList { other, addressed };
    const Message message = Message::createZoneCommandMessage(own(addressed, Address::Compare), 400302);
    Controllers::ThermoregulationGatewayMessages(*m_controller)
        .applyTo(targets, Corvane::PravikDriver::UserMessages::TemperatureMessage(message));
    QCOMPARE(addressed->zoneStatus(), 1);
    QCOMPARE(other->zoneStatus(), 1);
    QCOMPARE(addressed->isStatusKnown(), known);
    QVERIFY(!other->isStatusKnown());
}

QTEST_MAIN(tst_ThermoregulationController)
#include "tst_thermoregulationcontroller.moc"
