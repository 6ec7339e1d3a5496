#include "Controllers/data/LoadManagementController.h"

#include "CarouselLookup.h"
#include "FavoriteWindow.h"
#include "NavigationFixture.h"
#include "NavigationWindow.h"
#include "RecordingOpenDriver.h"
#include "RingPlacement.h"
#include "SceneInput.h"
#include "SentrelFixture.h"
#include "Controllers/base/CarouselController.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/DeviceEnums.h"
#include "devices/LoadDevice.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/WebServerDeviceProperties.h"
#include "energy/DataFaceDates.h"
#include "energy/LoadManagementDataControl.h"
#include "favorite/FavoriteControl.h"
#include "frame/SvgWindowFrame.h"
#include "controls/SvgContentButton.h"
#include "navigation/NavigationControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"

#include <QGraphicsSimpleTextItem>
#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::LoadManagementController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::LoadDevice;
using Corvane::Devices::LoadDeviceProperties;
using Corvane::Gadgets::LoadManagementDataControl;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const int ENERGY_SYSTEM = 18;
const QDateTime NOW(QDate(2024, 5, 17), QTime(10, 15));

// Whether sent is expected, whatever priority the driver gave it.
bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

Message statusMessage(const QString& address, const QList<int>& bits)
{
    return Message(101, ENERGY_SYSTEM, address, 0, LOAD_STATUS, bits, 0);
}

Message autoUpdateReply(const QString& address, int period)
{
    return Message(4, ENERGY_SYSTEM, address, 0, AUTO_UPDATE, { 1, period }, 1);
}

} // namespace

class tst_LoadManagementController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void loadsAndTheirDataWindows();
    void commandTable_data();
    void commandTable();
    void buttonStates_data();
    void buttonStates();
    void dataWindowButtons_data();
    void dataWindowButtons();
    void statusDecoding_data();
    void statusDecoding();
    void counterAndPower();
    void countersAreAskedWhenFirstShown_data();
    void countersAreAskedWhenFirstShown();
    void dataControlContents_data();
    void dataControlContents();
    void autoUpdateFollowsPageAndReplies();
    void stoppedWhileWantedRestarts();
    void favoriteKeepsAutoUpdateAndShowsItsDataWindow();
    void renameRetitlesOnlyThatLoad();
    void projectSwitchStopsConfirmedUpdates();
    void favouriteIsUpdatedAfterAProjectSwitch();
    void infoOnThePageShowsTheCarousel();
    void closingProjectStopsConfirmedUpdates();
    void noServerModeAnswersReachTheLoads();
    void ringOpensBesideItsIcon_data();
    void ringOpensBesideItsIcon();

private:
    // A favourite window of the device as the user settings restore it.
    FavoriteWindow* openFavorite(int id) { return m_controller->addFavorite(id, 0, QPoint(200, 200), false, false, 100); }
    // Adds a load to the project; reload() then loads the page anew.
    int addLoad(int type, int area, bool centralUnit = true, bool economic = false, double tariff = 0.0);
    void reload();
    LoadDevice* device(int id) const;
    QString addressOf(const LoadDevice* load) const;
    LoadManagementDataControl* carouselControl(int id) const;
    void openPage();
    void leavePage();

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<NavigationWindow> m_window;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<LoadManagementController> m_controller;
    RecordingOpenDriver m_driver;
    int m_gateway = 0;
};

void tst_LoadManagementController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_LoadManagementController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_clock = std::make_unique<ManualClock>(NOW);
    Clock::setProgramClock(m_clock.get());
    Settings::s_instance->setSupportTransparency(true);
    m_window = std::make_unique<NavigationWindow>();
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_controller = std::make_unique<LoadManagementController>(m_window.get());
    m_controller->initialize();
    m_driver.registerListener(m_controller.get());
    m_driver.clearSent();
}

void tst_LoadManagementController::cleanup()
{
    m_driver.unregisterListener(m_controller.get());
    m_controller.reset();
    m_project.reset();
    m_window.reset();
    Clock::setProgramClock(nullptr);
    m_clock.reset();
    m_fixture.reset();
}

int tst_LoadManagementController::addLoad(int type, int area, bool centralUnit, bool economic, double tariff)
{
    auto* properties = new LoadDeviceProperties(0, type, DeviceAddress(area, NONE, NONE, NONE),
                                                QStringLiteral("Load %1").arg(area), centralUnit);
    properties->setIsEconomicEvaluationEnabled(economic);
    properties->setTariff(tariff);
    properties->setCurrency(Corvane::Devices::DeviceEnums::Euro);
    return m_project->addDevice(m_gateway, properties);
}

LoadDevice* tst_LoadManagementController::device(int id) const
{
    return static_cast<LoadDevice*>(m_controller->getDeviceById(id));
}

void tst_LoadManagementController::reload()
{
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({ { m_gateway, &m_driver } });
}

QString tst_LoadManagementController::addressOf(const LoadDevice* load) const
{
    return m_controller->getAddressText(load->address());
}

LoadManagementDataControl* tst_LoadManagementController::carouselControl(int id) const
{
    m_controller->createDataControls();
    return static_cast<LoadManagementDataControl*>(m_controller->dataControl(id));
}

void tst_LoadManagementController::openPage()
{
    m_window->navigationControl()->setCurrentPageId(0);
    QVERIFY(m_controller->handleNavigationIconClicked(
        NavigationIcon(Corvane::Gadgets::ThemeProvider::LOAD_MANAGEMENT_SYSTEM, QString(),
                       Controllers::BaseController::LOAD_MANAGEMENT_PAGE_ID), 0, false));
}

void tst_LoadManagementController::leavePage()
{
    m_window->navigationControl()->setCurrentPageId(0);
    m_controller->pageChanged();
}

void tst_LoadManagementController::loadsAndTheirDataWindows()
{
    m_project->addDevice(m_gateway, new Corvane::Devices::WebServerDeviceProperties(0));
    const int plainId = addLoad(18001, 1);
    const int meteredId = addLoad(18002, 2);
    reload();
    const LoadDevice* plain = device(plainId);
    const LoadDevice* metered = device(meteredId);
    QCOMPARE(m_controller->devices().size(), 2);
    QCOMPARE(m_controller->icons().size(), 2);
    for (const NavigationIcon& icon : m_controller->icons()) {
        QCOMPARE(icon.state(), NavigationIcon::Uninitialized);
        QVERIFY(icon.willExpand());
    }
    QVERIFY(!carouselControl(plain->id())->supportsInfo());
    QVERIFY(carouselControl(metered->id())->supportsInfo());
    QCOMPARE(carouselControl(plain->id())->controlId(), QStringLiteral("load"));
    auto* frame = qobject_cast<Corvane::Gadgets::SvgWindowFrame*>(m_controller->dataControls().value(plain->id()));
    QVERIFY(frame);
    QVERIFY(!frame->moveEnabled());
    QVERIFY(!frame->resizeEnabled());
    QCOMPARE(frame->resizeOrigin(), Corvane::Gadgets::SvgWindowFrame::LeftCenter);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(carouselControl(metered->id())), metered->id());
    QCOMPARE(m_controller->getDeviceIdFromDataControl(frame), -1);
}

void tst_LoadManagementController::commandTable_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("forced");
    // The force request sent: "on", "off" or none.
    QTest::addColumn<QString>("request");

    QTest::newRow("CONTROLLED, not forced: forced on") << LoadManagementController::CONTROLLED_BUTTON_ID << false
                                                       << QStringLiteral("on");
    QTest::newRow("CONTROLLED, forced: nothing") << LoadManagementController::CONTROLLED_BUTTON_ID << true << QString();
    QTest::newRow("UNCONTROLLED, forced: forced off") << LoadManagementController::UNCONTROLLED_BUTTON_ID << true
                                                      << QStringLiteral("off");
    QTest::newRow("UNCONTROLLED, not forced: nothing") << LoadManagementController::UNCONTROLLED_BUTTON_ID << false
                                                       << QString();
    QTest::newRow("ON, not forced: forced on") << LoadManagementController::ON_BUTTON_ID << false
                                               << QStringLiteral("on");
    QTest::newRow("ON, forced: forced on") << LoadManagementController::ON_BUTTON_ID << true << QStringLiteral("on");
    QTest::newRow("INFO: nothing") << LoadManagementController::INFO_BUTTON_ID << false << QString();
    QTest::newRow("unknown button: nothing") << QStringLiteral("OFF") << false << QString();
}

void tst_LoadManagementController::commandTable()
{
    QFETCH(QString, button);
    QFETCH(bool, forced);
    QFETCH(QString, request);

    const int loadId = addLoad(18002, 4);
    reload();
    LoadDevice* load = device(loadId);
    load->setForce(forced);
    m_controller->handleButtonClick(button, load->id());
    if (request.isEmpty()) {
        QVERIFY(m_driver.sent.isEmpty());
    } else {
        QCOMPARE(m_driver.sent.size(), 1);
        const bool on = request == QStringLiteral("on");
        QVERIFY(isRequest(m_driver.sent.first(), Message::createForceActuatorMessage(addressOf(load), on)));
    }
    // A load that is not on the page gets nothing.
    m_driver.clearSent();
    m_controller->handleButtonClick(button, load->id() + 100);
    QVERIFY(m_driver.sent.isEmpty());
}

void tst_LoadManagementController::buttonStates_data()
{
    QTest::addColumn<bool>("centralUnit");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QList<int>>("states");

    const QStringList all { LoadManagementController::CONTROLLED_BUTTON_ID,
                            LoadManagementController::UNCONTROLLED_BUTTON_ID, LoadManagementController::ON_BUTTON_ID,
                            LoadManagementController::INFO_BUTTON_ID };
    // normal 0, active 3, disabled 4
    QTest::newRow("enabled, controlled") << true << true << false << all << QList<int> { 0, 3, 4, 0 };
    QTest::newRow("enabled, forced") << true << true << true << all << QList<int> { 3, 0, 4, 0 };
    QTest::newRow("not enabled") << true << false << false << all << QList<int> { 4, 4, 0, 0 };
    QTest::newRow("not enabled, forced") << true << false << true << all << QList<int> { 4, 4, 0, 0 };
    QTest::newRow("no central unit: INFO only")
        << false << true << false << QStringList { LoadManagementController::INFO_BUTTON_ID } << QList<int> { 0 };
}

void tst_LoadManagementController::buttonStates()
{
    QFETCH(bool, centralUnit);
    QFETCH(bool, enabled);
    QFETCH(bool, forced);
    QFETCH(QStringList, buttons);
    QFETCH(QList<int>, states);

    const int loadId = addLoad(18002, 4, centralUnit);
    reload();
    LoadDevice* load = device(loadId);
    load->setEnable(enabled);
    load->setForce(forced);
    const QList<Corvane::Gadgets::CommandControl::ButtonData> data = m_controller->getDeviceButtons(load);
    QStringList ids;
    QList<int> shown;
    for (const auto& button : data) {
        ids.append(button.buttonId);
        shown.append(button.icon.state());
    }
    QCOMPARE(ids, buttons);
    QCOMPARE(shown, states);
}

void tst_LoadManagementController::dataWindowButtons_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QList<int>>("counters");
    QTest::newRow("refresh: both counters") << int(LoadManagementController::Refresh) << false << QList<int> { 1, 2 };
    QTest::newRow("reset counter 1") << int(LoadManagementController::ResetCounter1) << true << QList<int> { 1 };
    QTest::newRow("reset counter 2") << int(LoadManagementController::ResetCounter2) << true << QList<int> { 2 };
    QTest::newRow("cycle: no request") << int(LoadManagementController::Cycle) << false << QList<int>();
}

void tst_LoadManagementController::dataWindowButtons()
{
    QFETCH(int, command);
    QFETCH(bool, reset);
    QFETCH(QList<int>, counters);

    const int loadId = addLoad(18002, 4);
    reload();
    const LoadDevice* load = device(loadId);
    m_controller->executeCommand(carouselControl(load->id()), LoadManagementController::DeviceCommand(command));
    QCOMPARE(m_driver.sent.size(), counters.size());
    for (int i = 0; i < counters.size(); ++i) {
        const Message expected = reset ? Message::createResetCountersMessage(addressOf(load), counters.at(i))
                                       : Message::createAskCountersMessage(addressOf(load), counters.at(i));
        QVERIFY(isRequest(m_driver.sent.at(i), expected));
    }
    // A control of no load asks nothing.
    m_driver.clearSent();
    LoadManagementDataControl stranger(
        Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::LOAD_MANAGEMENT_VIEW));
    m_controller->executeCommand(&stranger, LoadManagementController::DeviceCommand(command));
    m_controller->executeCommand(nullptr, LoadManagementController::DeviceCommand(command));
    QVERIFY(m_driver.sent.isEmpty());
}

void tst_LoadManagementController::statusDecoding_data()
{
    QTest::addColumn<bool>("forcedBefore");
    QTest::addColumn<bool>("enabledBefore");
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("force 1, enable 1: forced, enabled") << false << false << QList<int> { 0, 1, 0, 0, 0, 1 } << true
                                                        << true;
    QTest::newRow("force 0, enable 0: neither") << true << true << QList<int> { 0, 0, 0, 0, 0, 0 } << false << false;
    QTest::newRow("other values leave the flags, forced") << true << true << QList<int> { 0, 7, 0, 0, 0, 9 } << true
                                                          << true;
    QTest::newRow("other values leave the flags, not forced")
        << false << false << QList<int> { 0, 5, 0, 0, 0, 3 } << false << false;
    QTest::newRow("too few values leave the flags") << true << false << QList<int> { 0 } << true << false;
}

void tst_LoadManagementController::statusDecoding()
{
    QFETCH(bool, forcedBefore);
    QFETCH(bool, enabledBefore);
    QFETCH(QList<int>, bits);
    QFETCH(bool, forced);
    QFETCH(bool, enabled);

    const int loadId = addLoad(18002, 4);
    reload();
    LoadDevice* load = device(loadId);
    load->setForce(forcedBefore);
    load->setEnable(enabledBefore);
    m_driver.deliver(statusMessage(addressOf(load), bits));
    QCOMPARE(load->isForced(), forced);
    QCOMPARE(load->isEnabled(), enabled);
    QVERIFY(load->isStatusKnown());
    const NavigationIcon icon = m_controller->icons().first();
    QCOMPARE(icon.state(), NavigationIcon::Normal);
}

void tst_LoadManagementController::counterAndPower()
{
    const int loadId = addLoad(18002, 4);
    reload();
    LoadDevice* load = device(loadId);
    const QString address = addressOf(load);
    m_driver.deliver(Message(101, ENERGY_SYSTEM, address, 0, LOAD_COUNTER, { 2, 57, 3, 4, 2022, 18, 45 }, 1));
    QCOMPARE(load->counter2Data().wattHours, 57);
    QCOMPARE(load->counter2Data().since, QDateTime(QDate(2022, 4, 3), QTime(18, 45)));
    QCOMPARE(load->lastUpdate(), NOW);
    QVERIFY(load->counter1Data().since.isNull());

    m_clock->advance(60000);
    m_driver.deliver(Message(101, ENERGY_SYSTEM, address, 0, LOAD_COUNTER, { 1, 12, 1, 1, 2024, 0, 5 }, 1));
    QCOMPARE(load->counter1Data().wattHours, 12);
    QCOMPARE(load->lastUpdate(), NOW.addSecs(60));

    m_driver.deliver(Message(101, ENERGY_SYSTEM, address, 0, INSTANT_ENERGY, { 1500 }, 0));
    QCOMPARE(load->currentData(), 1500);
    QCOMPARE(carouselControl(load->id())->instantText()->text(), QStringLiteral("Instant consumption: 1.50 kW"));

    // Another address on the same gateway is someone else's.
    m_driver.deliver(Message(101, ENERGY_SYSTEM, QStringLiteral("99"), 0, INSTANT_ENERGY, { 700 }, 0));
    QCOMPARE(load->currentData(), 1500);
}

void tst_LoadManagementController::countersAreAskedWhenFirstShown_data()
{
    QTest::addColumn<bool>("favourite");
    QTest::newRow("carousel") << false;
    QTest::newRow("favourite's data window") << true;
}

// A data window shows a counter the gateway has not reported as unknown,
// not as a count of 0 from no date, and its showing asks for both counters
// while they are unknown; loads without consumption data are not asked.
void tst_LoadManagementController::countersAreAskedWhenFirstShown()
{
    QFETCH(bool, favourite);
    const int ovenId = addLoad(18002, 2);
    addLoad(18001, 1);
    reload();
    const LoadDevice* oven = device(ovenId);
    const QString unknown = QStringLiteral("From ") + QChar(QChar::LineSeparator) + QStringLiteral("Counter 2 (): ");
    LoadManagementDataControl* control = carouselControl(ovenId);
    QCOMPARE(control->counterText(LoadManagementDataControl::SecondCounter)->text(), unknown);
    QVERIFY(m_driver.sentOf(ENERGY_SYSTEM, LOAD_COUNTER).isEmpty());

    FavoriteWindow* window = favourite ? openFavorite(ovenId) : nullptr;
    const auto show = [&] {
        if (!window) {
            m_controller->showCarousel();
            return;
        }
        Corvane::Gadgets::FavoriteControl* favoriteControl = window->favoriteControl();
        Q_EMIT favoriteControl->elementClick(favoriteControl->centerButton());
        Corvane::Gadgets::CommandControl* ring = favoriteControl->commandControl1();
        for (auto* segment : ring->oddSegments() + ring->evenSegments())
            if (ring->getButtonId(segment) == LoadManagementController::INFO_BUTTON_ID)
                Q_EMIT favoriteControl->elementClick(segment);
        control = static_cast<LoadManagementDataControl*>(m_controller->favoriteDataControl(ovenId));
    };
    show();
    const QList<Message> asked = m_driver.sentOf(ENERGY_SYSTEM, LOAD_COUNTER);
    QCOMPARE(asked.size(), 2);
    QVERIFY(isRequest(asked.at(0), Message::createAskCountersMessage(addressOf(oven), 1)));
    QVERIFY(isRequest(asked.at(1), Message::createAskCountersMessage(addressOf(oven), 2)));

    m_driver.deliver(Message(101, ENERGY_SYSTEM, addressOf(oven), 0, LOAD_COUNTER, { 2, 57, 3, 4, 2022, 18, 45 }, 1));
    QVERIFY(control->counterText(LoadManagementDataControl::SecondCounter)->text().startsWith(
        QStringLiteral("From ") + Corvane::Gadgets::DataFaceDates::momentText(QDateTime(QDate(2022, 4, 3), QTime(18, 45)))));
    // Counter 1 is still unknown: asked again at the next showing.
    m_driver.clearSent();
    if (!window)
        m_window->carouselController()->hideCarousel();
    show();
    QCOMPARE(m_driver.sentOf(ENERGY_SYSTEM, LOAD_COUNTER).size(), 2);
    m_driver.deliver(Message(101, ENERGY_SYSTEM, addressOf(oven), 0, LOAD_COUNTER, { 1, 12, 1, 1, 2024, 0, 5 }, 1));
    m_driver.clearSent();
    if (!window)
        m_window->carouselController()->hideCarousel();
    show();
    QVERIFY(m_driver.sentOf(ENERGY_SYSTEM, LOAD_COUNTER).isEmpty());
}

void tst_LoadManagementController::dataControlContents_data()
{
    QTest::addColumn<bool>("economic");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<QString>("instant");
    QTest::addColumn<QString>("counter1");

    QTest::newRow("energy: kW and kWh") << false << 0 << QStringLiteral("Instant consumption: 2.00 kW")
                                        << QStringLiteral("Counter 1 (kWh): 3.50");
    QTest::newRow("economic evaluation off: cycle does nothing")
        << false << 1 << QStringLiteral("Instant consumption: 2.00 kW") << QStringLiteral("Counter 1 (kWh): 3.50");
    QTest::newRow("economic evaluation, not cycled: energy")
        << true << 0 << QStringLiteral("Instant consumption: 2.00 kW") << QStringLiteral("Counter 1 (kWh): 3.50");
    QTest::newRow("economic evaluation, cycled: money per hour and money")
        << true << 1 << QString::fromUtf8("Instant consumption: 0.50 €/h")
        << QString::fromUtf8("Counter 1 (€): 0.88");
    QTest::newRow("economic evaluation, cycled back: energy")
        << true << 2 << QStringLiteral("Instant consumption: 2.00 kW") << QStringLiteral("Counter 1 (kWh): 3.50");
}

void tst_LoadManagementController::dataControlContents()
{
    QFETCH(bool, economic);
    QFETCH(int, cycles);
    QFETCH(QString, instant);
    QFETCH(QString, counter1);

    const int loadId = addLoad(18002, 4, true, economic, 0.25);
    reload();
    LoadDevice* load = device(loadId);
    load->setCurrentData(2000);
    load->setCounter1Data({ QDateTime(QDate(2024, 1, 2), QTime(3, 4)), 3500 });
    LoadManagementDataControl* control = carouselControl(load->id());
    for (int i = 0; i < cycles; ++i)
        m_controller->executeCommand(control, LoadManagementController::Cycle);
    m_controller->updateDataControlForDevice(load);
    QCOMPARE(control->instantText()->text(), instant);
    QVERIFY2(control->counterText(LoadManagementDataControl::FirstCounter)->text().endsWith(counter1),
             qPrintable(control->counterText(LoadManagementDataControl::FirstCounter)->text()));
    QCOMPARE(control->title(), QStringLiteral("Load 4"));
    QVERIFY(m_driver.sent.isEmpty());
}

void tst_LoadManagementController::autoUpdateFollowsPageAndReplies()
{
    const int ovenId = addLoad(18002, 2);
    const int dishwasherId = addLoad(18002, 3);
    const int washerId = addLoad(18001, 1);
    reload();
    const LoadDevice* oven = device(ovenId);
    const LoadDevice* dishwasher = device(dishwasherId);
    const LoadDevice* washer = device(washerId);
    const auto starts = [this] { return m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE); };

    openPage();
    QCOMPARE(starts().size(), 2);
    QVERIFY(isRequest(starts().at(0), Message::createStartAutoUpdateMessage(addressOf(oven), 1, 255)));
    QVERIFY(isRequest(starts().at(1), Message::createStartAutoUpdateMessage(addressOf(dishwasher), 1, 255)));
    QCOMPARE(starts().at(0).priority(), 1);

    // Nothing confirmed: leaving asks nothing, coming back asks again.
    leavePage();
    QCOMPARE(starts().size(), 2);
    openPage();
    QCOMPARE(starts().size(), 4);

    m_driver.deliver(autoUpdateReply(addressOf(oven), 255));
    m_driver.deliver(autoUpdateReply(addressOf(dishwasher), 255));
    QVERIFY(m_controller->autoUpdateStarted(oven->id()));
    QVERIFY(!m_controller->autoUpdateStarted(washer->id()));
    // While the map is what is wanted nothing is sent again.
    m_controller->smartAutoUpdate(1);
    QCOMPARE(starts().size(), 4);

    m_driver.clearSent();
    leavePage();
    QCOMPARE(starts().size(), 2);
    QVERIFY(isRequest(starts().at(0), Message::createStartAutoUpdateMessage(addressOf(oven), 1, 0)));
    QVERIFY(isRequest(starts().at(1), Message::createStartAutoUpdateMessage(addressOf(dishwasher), 1, 0)));
    // Still started until the gateway says it stopped.
    QVERIFY(m_controller->autoUpdateStarted(oven->id()));
    m_driver.deliver(autoUpdateReply(addressOf(oven), 0));
    QVERIFY(!m_controller->autoUpdateStarted(oven->id()));
    QCOMPARE(starts().size(), 2);
}

void tst_LoadManagementController::stoppedWhileWantedRestarts()
{
    const int ovenId = addLoad(18002, 2);
    reload();
    const LoadDevice* oven = device(ovenId);
    openPage();
    m_driver.deliver(autoUpdateReply(addressOf(oven), 255));
    m_driver.clearSent();
    m_driver.deliver(autoUpdateReply(addressOf(oven), 0));
    const QList<Message> sent = m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE);
    QCOMPARE(sent.size(), 1);
    QVERIFY(isRequest(sent.first(), Message::createStartAutoUpdateMessage(addressOf(oven), 1, 255)));
    QCOMPARE(sent.first().priority(), 1);
    QVERIFY(m_controller->autoUpdateStarted(oven->id()));
    // Another period changes nothing.
    m_driver.deliver(autoUpdateReply(addressOf(oven), 100));
    QVERIFY(m_controller->autoUpdateStarted(oven->id()));
}

void tst_LoadManagementController::favoriteKeepsAutoUpdateAndShowsItsDataWindow()
{
    const int ovenId = addLoad(18002, 2);
    const int washerId = addLoad(18001, 1);
    reload();
    // The carousel's windows, as its first showing makes them.
    m_controller->createDataControls();
    const LoadDevice* oven = device(ovenId);
    const LoadDevice* washer = device(washerId);
    FavoriteWindow* window = openFavorite(oven->id());
    QCOMPARE(m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE).size(), 1);
    SvgControlObject* frame = m_controller->favoriteDataControls().value(oven->id());
    QVERIFY(frame);
    QVERIFY(!frame->isVisible());
    QCOMPARE(m_controller->controls(oven->id()).size(), 2);

    // A load without consumption data is never updated.
    FavoriteWindow* other = openFavorite(washer->id());
    QCOMPARE(m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE).size(), 1);

    m_driver.deliver(autoUpdateReply(addressOf(oven), 255));
    openPage();
    leavePage();
    // The favourite still shows it: no stop.
    QCOMPARE(m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE).size(), 1);

    // The centre button opens the ring, INFO on the ring shows the data
    // window beside the favourite.
    Corvane::Gadgets::FavoriteControl* favorite = window->favoriteControl();
    Q_EMIT favorite->elementClick(favorite->centerButton());
    Corvane::Gadgets::SvgElement* info = nullptr;
    Corvane::Gadgets::CommandControl* ring = favorite->commandControl1();
    for (auto* segment : ring->oddSegments() + ring->evenSegments())
        if (ring->getButtonId(segment) == LoadManagementController::INFO_BUTTON_ID)
            info = segment;
    QVERIFY(info);
    Q_EMIT favorite->elementClick(info);
    QVERIFY(frame->isVisible());
    QCOMPARE(m_controller->infoFavorite(), oven->id());
    QVERIFY(m_driver.sentOf(ENERGY_SYSTEM, LOAD_FORCE_ON).isEmpty());

    // Closing the favourite deletes its data window and stops the updates.
    QPointer<SvgControlObject> guard = frame;
    window->close();
    QVERIFY(guard.isNull());
    const QList<Message> sent = m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE);
    QCOMPARE(sent.size(), 2);
    QVERIFY(isRequest(sent.last(), Message::createStartAutoUpdateMessage(addressOf(oven), 1, 0)));
    other->close();
}

void tst_LoadManagementController::renameRetitlesOnlyThatLoad()
{
    const int ovenId = addLoad(18002, 2);
    const int dishwasherId = addLoad(18002, 3);
    reload();
    // The carousel's windows, as its first showing makes them.
    m_controller->createDataControls();
    const LoadDevice* oven = device(ovenId);
    const LoadDevice* dishwasher = device(dishwasherId);
    FavoriteWindow* ovenWindow = openFavorite(oven->id());
    FavoriteWindow* dishwasherWindow = openFavorite(dishwasher->id());
    auto* ovenFavorite = static_cast<LoadManagementDataControl*>(m_controller->favoriteDataControl(oven->id()));
    auto* dishwasherFavorite =
        static_cast<LoadManagementDataControl*>(m_controller->favoriteDataControl(dishwasher->id()));

    // The dishwasher renamed on its favourite's label.
    QVERIFY(SceneInput::rename(dishwasherWindow, dishwasherWindow->favoriteControl()->label(), QStringLiteral("Dishes")));
    QCOMPARE(dishwasher->name(), QStringLiteral("Dishes"));
    QCOMPARE(dishwasherFavorite->title(), QStringLiteral("Dishes"));
    QCOMPARE(carouselControl(dishwasher->id())->title(), QStringLiteral("Dishes"));
    QCOMPARE(ovenFavorite->title(), QStringLiteral("Load 2"));
    QCOMPARE(carouselControl(oven->id())->title(), QStringLiteral("Load 2"));

    m_controller->settingsLoaded();
    QCOMPARE(ovenFavorite->title(), QStringLiteral("Load 2"));
    QCOMPARE(dishwasherFavorite->title(), QStringLiteral("Dishes"));
    ovenWindow->close();
    dishwasherWindow->close();
}

void tst_LoadManagementController::infoOnThePageShowsTheCarousel()
{
    addLoad(18002, 2);
    const int secondId = addLoad(18002, 3);
    reload();
    const LoadDevice* second = device(secondId);
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    const NavigationIcon icon = m_controller->icons().at(1);
    QVERIFY(m_controller->handleNavigationIconClicked(icon, 1, false));
    QCOMPARE(m_controller->commandDevice(), second->id());
    QCOMPARE(navigation->commandControl1(), m_controller->commandControl());

    Corvane::Gadgets::CommandControl* ring = m_controller->commandControl();
    Corvane::Gadgets::SvgElement* info = nullptr;
    for (auto* segment : ring->oddSegments() + ring->evenSegments())
        if (ring->getButtonId(segment) == LoadManagementController::INFO_BUTTON_ID)
            info = segment;
    QVERIFY(info);
    m_controller->onCommandElementClick(info);
    Controllers::CarouselController* carousel = m_window->carouselController();
    QVERIFY(carousel->isCarouselVisible());
    QCOMPARE(carousel->carouselControls().size(), 2);
    QCOMPARE(carousel->currentIndex(), 1);

    // A second click on the same icon closes the ring.
    navigation->setCommandControl1(m_controller->commandControl(), 1);
    QVERIFY(m_controller->handleNavigationIconClicked(icon, 1, false));
    QCOMPARE(m_controller->commandDevice(), 0);
    QVERIFY(!navigation->commandControl1());

    // Leaving the page hides the carousel.
    leavePage();
    QVERIFY(!carousel->isCarouselVisible());
}

void tst_LoadManagementController::closingProjectStopsConfirmedUpdates()
{
    const int ovenId = addLoad(18002, 2);
    const int dishwasherId = addLoad(18002, 3);
    reload();
    const LoadDevice* oven = device(ovenId);
    const LoadDevice* dishwasher = device(dishwasherId);
    openPage();
    m_driver.deliver(autoUpdateReply(addressOf(oven), 255));
    m_driver.clearSent();
    m_controller->aboutToQuit();
    const QList<Message> sent = m_driver.sentOf(ENERGY_SYSTEM, AUTO_UPDATE);
    QCOMPARE(sent.size(), 1);
    QVERIFY(isRequest(sent.first(), Message::createStartAutoUpdateMessage(addressOf(oven), 1, 0)));
    QCOMPARE(sent.first().priority(), 0);
    QVERIFY(!m_controller->autoUpdateStarted(oven->id()));
    QVERIFY(!m_controller->autoUpdateStarted(dishwasher->id()));
}

void tst_LoadManagementController::noServerModeAnswersReachTheLoads()
{
    PseudoDriver pseudo(nullptr, m_clock.get());
    pseudo.registerListener(m_controller.get());
    const int loadId = addLoad(18002, 2);
    reload();
    LoadDevice* load = device(loadId);
    m_controller->setDrivers({ { m_gateway, &pseudo } });

    m_controller->updateStatus(-1);
    QVERIFY(load->isStatusKnown());
    m_controller->handleButtonClick(LoadManagementController::ON_BUTTON_ID, load->id());
    QVERIFY(load->isForced());
    QVERIFY(load->isEnabled());
    m_controller->handleButtonClick(LoadManagementController::UNCONTROLLED_BUTTON_ID, load->id());
    QVERIFY(!load->isForced());

    m_controller->executeCommand(carouselControl(load->id()), LoadManagementController::Refresh);
    QVERIFY(load->counter1Data().wattHours >= 10);
    QVERIFY(load->counter2Data().since <= NOW);
    m_controller->executeCommand(carouselControl(load->id()), LoadManagementController::ResetCounter2);
    QCOMPARE(load->counter2Data().wattHours, 0);
    QCOMPARE(load->counter2Data().since, NOW);

    openPage();
    QVERIFY(m_controller->autoUpdateStarted(load->id()));
    QVERIFY(load->currentData() >= 0);
    pseudo.unregisterListener(m_controller.get());
}

void tst_LoadManagementController::ringOpensBesideItsIcon_data()
{
    QTest::addColumn<int>("segment");
    for (int segment = 0; segment < 5; ++segment)
        QTest::addRow("segment %d", segment) << segment;
}

// A load's ring opens around its icon, whatever the icon's segment and the
// gadget's size.
void tst_LoadManagementController::ringOpensBesideItsIcon()
{
    QFETCH(int, segment);
    addLoad(18002, 2);
    reload();
    openPage();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    const NavigationIcon icon = m_controller->icons().first();
    for (int percent : { 100, 20 }) {
        m_window->setScale(percent, true);
        QVERIFY(m_controller->handleNavigationIconClicked(icon, segment, false));
        QCOMPARE(navigation->commandControl1(), m_controller->commandControl());
        const QString away = RingPlacement::buttonsAwayFrom(*navigation, *m_controller->commandControl(),
                                                            RingPlacement::segmentCentre(*navigation, segment), 20);
        QVERIFY2(away.isEmpty(), qPrintable(QStringLiteral("%1%: %2").arg(percent).arg(away)));
        QVERIFY(m_controller->handleNavigationIconClicked(icon, segment, false));
        QVERIFY(!navigation->commandControl1());
    }
}

namespace {

// The simulated gateway, keeping what it is asked.
class RecordingPseudoDriver : public PseudoDriver
{
public:
    void sendMessage(const Message& message) override
    {
        sent.append(message);
        PseudoDriver::sendMessage(message);
    }
    QList<Message> sent;
};

} // namespace

// The program on the demo project shows the load page: the simulated
// gateway confirms the oven's and the dishwasher's updates. A later start
// then names another project: both updates are stopped, and none started
// again, before the page's project goes.
void tst_LoadManagementController::projectSwitchStopsConfirmedUpdates()
{
    m_driver.unregisterListener(m_controller.get());
    m_controller.reset();
    m_window.reset();
    NavigationFixture program;
    QList<QPointer<RecordingPseudoDriver>> gateways;
    using Controllers::NavigationController;
    NavigationController::Seams seams = NavigationController::seams();
    seams.driverFactory = [&](bool) {
        auto* gateway = new RecordingPseudoDriver;
        gateway->setTiming(NavigationFixture::shortTiming());
        program.made.append(gateway);
        gateways.append(gateway);
        return gateway;
    };
    NavigationController::setSeams(seams);
    program.open(QStringLiteral(DEMO_PROJECT));
    program.window->showTo();
    program.window->moveOnScreen(QPoint(200, 100));
    Corvane::Gadgets::NavigationControl* carousel = program.window->navigationControl();
    const int loadPage = Controllers::BaseController::LOAD_MANAGEMENT_PAGE_ID;
    for (int turns = 0; CarouselLookup::segmentOf(carousel, loadPage) < 0 && turns < carousel->icons().size();
         ++turns) {
        QVERIFY(SceneInput::click(program.window.get(), carousel->nextButton()));
        QTRY_VERIFY(!carousel->isAnimating());
    }
    QVERIFY(SceneInput::click(program.window.get(),
                              carousel->segments().value(CarouselLookup::segmentOf(carousel, loadPage))));
    QCOMPARE(carousel->currentPageId(), loadPage);
    LoadManagementController* loads = nullptr;
    for (Controllers::BaseController* controller : program.navigation()->controllers())
        if (auto* found = qobject_cast<LoadManagementController*>(controller))
            loads = found;
    QVERIFY(loads);
    const QList<int> updated{40, 41};
    for (int id : updated)
        QVERIFY(loads->autoUpdateStarted(id));
    QCOMPARE(gateways.size(), 1);
    RecordingPseudoDriver* gateway = gateways.first();
    QStringList addresses;
    for (int id : updated)
        addresses.append(loads->getAddressText(loads->getDeviceById(id)->address()));
    gateway->sent.clear();

    const QString other = program.writeProject(QStringLiteral("other.vtprj"),
                                               NavigationFixture::net(0, QStringLiteral("127.0.0.1"), 20000,
                                                                      QStringLiteral("12345")));
    program.window->onAppStartRequest({QStringLiteral("sentrel"), other});
    QVERIFY(gateway);
    QStringList stopped;
    for (const Message& request : std::as_const(gateway->sent)) {
        if (request.dimension() != AUTO_UPDATE || !addresses.contains(request.address()))
            continue;
        // Period 0: stop.
        QCOMPARE(request.rawParameters().value(1), QStringLiteral("0"));
        stopped.append(request.address());
    }
    QCOMPARE(stopped, addresses);
    program.releaseDrivers();
}

// The oven, dragged out of the load page, is a favourite: its values come
// while the home page shows. A later start names the same project again: the
// new gateway is asked for the oven's values, and confirms them.
void tst_LoadManagementController::favouriteIsUpdatedAfterAProjectSwitch()
{
    m_driver.unregisterListener(m_controller.get());
    m_controller.reset();
    m_window.reset();
    NavigationFixture program;
    QList<QPointer<RecordingPseudoDriver>> gateways;
    using Controllers::NavigationController;
    NavigationController::Seams seams = NavigationController::seams();
    seams.driverFactory = [&](bool) {
        auto* gateway = new RecordingPseudoDriver;
        gateway->setTiming(NavigationFixture::shortTiming());
        program.made.append(gateway);
        gateways.append(gateway);
        return gateway;
    };
    NavigationController::setSeams(seams);
    program.open(QStringLiteral(DEMO_PROJECT));
    program.window->showTo();
    program.window->moveOnScreen(QPoint(200, 100));
    Corvane::Gadgets::NavigationControl* carousel = program.window->navigationControl();
    const int loadPage = Controllers::BaseController::LOAD_MANAGEMENT_PAGE_ID;
    for (int turns = 0; CarouselLookup::segmentOf(carousel, loadPage) < 0 && turns < carousel->icons().size();
         ++turns) {
        QVERIFY(SceneInput::click(program.window.get(), carousel->nextButton()));
        QTRY_VERIFY(!carousel->isAnimating());
    }
    QVERIFY(SceneInput::click(program.window.get(),
                              carousel->segments().value(CarouselLookup::segmentOf(carousel, loadPage))));
    QCOMPARE(carousel->currentPageId(), loadPage);
    LoadManagementController* loads = nullptr;
    for (Controllers::BaseController* controller : program.navigation()->controllers())
        if (auto* found = qobject_cast<LoadManagementController*>(controller))
            loads = found;
    QVERIFY(loads);
    const int oven = 40;
    Q_EMIT carousel->requestShortcut(loads->icons().at(loads->indexOfIcon(oven)));
    QVERIFY(loads->getFavoriteById(oven));
    QVERIFY(SceneInput::click(program.window.get(), carousel->homeButton()));
    QCOMPARE(carousel->currentPageId(), 0);
    QVERIFY(loads->autoUpdateStarted(oven));

    program.window->onAppStartRequest({QStringLiteral("sentrel"), QStringLiteral(DEMO_PROJECT)});
    QTRY_COMPARE(gateways.size(), 2);
    QVERIFY(loads->getFavoriteById(oven));
    RecordingPseudoDriver* gateway = gateways.last();
    const QString address = loads->getAddressText(loads->getDeviceById(oven)->address());
    QStringList periods;
    for (const Message& request : std::as_const(gateway->sent))
        if (request.dimension() == AUTO_UPDATE && request.address() == address)
            periods.append(request.rawParameters().value(1));
    QCOMPARE(periods, QStringList{QStringLiteral("255")});
    QVERIFY(loads->autoUpdateStarted(oven));
    program.releaseDrivers();
}

QTEST_MAIN(tst_LoadManagementController)
#include "tst_loadmanagementcontroller.moc"
