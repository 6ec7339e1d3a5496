// The automation, scenarios, presence and light sensor pages on the demo
// project in no-server mode: every device is known from the simulated
// gateway's answers, the user's journey through the pages, and gateway
// values out of range or garbled never crash a page (the sound page's
// devices included) nor leave a value out of its range. The pages build
// their rings when first opened.
#include "Controllers/sensors/LightSensorsController.h"
#include "Controllers/automation/MotorsController.h"
#include "Controllers/data/LoadManagementController.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/sensors/PresenceSensorsController.h"
#include "Controllers/base/RingPageController.h"
#include "Controllers/scenarios/ScenariosController.h"
#include "Controllers/sound/SoundController.h"
#include "Controllers/thermoregulation/ThermoregulationController.h"
#include "CarouselLookup.h"
#include "LogCapture.h"
#include "NavigationWindow.h"
#include "RecordingListener.h"
#include "RingPlacement.h"
#include "SentrelFixture.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "devices/AmplifierDevice.h"
#include "devices/BaseDevice.h"
#include "devices/ItemKey.h"
#include "devices/LightSensorDevice.h"
#include "devices/PresenceSensorDevice.h"
#include "devices/ShutterDevice.h"
#include "devices/SoundSourceDevice.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/FrameCodec.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QDir>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace Corvane::Sentrel;
using namespace Corvane::Sentrel::Controllers;
using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Address;
using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::Value;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

// Demo project devices.
const int KITCHEN_CEILING = 2;
const int LIVING_ROOM_SHUTTER = 10;
const int LIVING_ROOM_CURTAIN = 12;
const int GOOD_MORNING = 13;
const int RELAX = 15;
const int HOLIDAY_LIGHTS = 16;
const int HALL_SENSOR = 24;
const int GARDEN_LIGHT_SENSOR = 25;
const int GARAGE_PRESENCE_SENSOR = 26;
const int LIVING_ROOM_ZONE = 17;
const int LIVING_ROOM_AMPLIFIER = 30;
const int WASHING_MACHINE = 39;

QString rendererName(const NavigationIcon& icon)
{
    return icon.renderer().main() ? icon.renderer().main()->name() : QString();
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

class tst_FamilyPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyDeviceIsKnownWithoutAServer();
    void shutterUpStopDown_data();
    void shutterUpStopDown();
    void ringOpensAndCloses();
    void floatingButtonsClearEveryRing_data();
    void floatingButtonsClearEveryRing();
    void closingRingIsLetGoWithItsController();
    void ringIsBuiltOnFirstOpen_data();
    void ringIsBuiltOnFirstOpen();
    void ringFollowsTheTheme_data();
    void ringFollowsTheTheme();
    void scenarioRunsAndHeldCenItem();
    void carouselLevelRoundsHalfUp();
    void presenceAndLuxShown();
    void bothGatewayTypesReadTheSensors();
    void outOfRangeValues_data();
    void outOfRangeValues();
    void decodedFuzzCorpus();
    void renderPages();

private:
    void start(const QString& theme = QStringLiteral(":/TalveraTheme"));
    NavigationController* navigation() const { return m_window->navigationController(); }
    PseudoDriver* gateway() const;
    void openPage(int pageId);
    RingPageController* ringPage(int pageId) const;
    // Whether the page's ring (the first of the thermoregulation page's
    // two) is built, and that ring, built now if it is not yet.
    bool isRingBuilt(int pageId) const;
    CommandControl* pageRing(int pageId) const;
    void changeTheme(const QString& folder);
    QImage shownRingImage() const;
    QImage ringImageOfFreshStart(const QString& theme, int pageId, int device);
    void finishFades();
    NavigationIcon shownIcon(int id) const;
    int segmentOf(int id) const;
    Corvane::Gadgets::SvgContentButton* ringButton(CommandControl* ring, const QString& buttonId) const;
    void clickIcon(int id);
    QList<int> cenActions() const;

    // A family page's controller and the systems and codes of its messages.
    struct Family
    {
        BaseController* controller = nullptr;
        QList<int> systems;
        QList<int> codes;
    };
    QList<Message> fuzzCorpus() const;
    QList<Family> familiesOnThePages() const;
    static QStringList addressesOf(const BaseController* controller);
    static QList<QList<Value<int>>> valueVariants(const QList<Value<int>>& values);
    void verifyStatedValuesInRange() const;

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<NavigationWindow> m_window;
    RecordingListener m_listener;
};

void tst_FamilyPages::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_FamilyPages::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_clock = std::make_unique<ManualClock>();
    Clock::setProgramClock(m_clock.get());
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    m_listener = RecordingListener();
}

void tst_FamilyPages::cleanup()
{
    if (m_window && gateway())
        gateway()->unregisterListener(&m_listener);
    m_window.reset();
    Clock::setProgramClock(nullptr);
    m_clock.reset();
    m_fixture.reset();
}

void tst_FamilyPages::start(const QString& theme)
{
    SentrelFixture::useProgramTheme(theme);
    m_window = std::make_unique<NavigationWindow>();
    QVERIFY(gateway());
    gateway()->registerListener(&m_listener);
}

PseudoDriver* tst_FamilyPages::gateway() const
{
    const auto drivers = navigation()->drivers();
    return drivers.isEmpty() ? nullptr : qobject_cast<PseudoDriver*>(drivers.first());
}

void tst_FamilyPages::openPage(int pageId)
{
    navigation()->goHome();
    finishFades();
    for (const NavigationIcon& icon : navigation()->homeIcons())
        if (icon.id() == pageId)
            m_window->navigationControl()->notifyNavigationIconClicked(icon, 0, false);
    finishFades();
    QCOMPARE(m_window->navigationControl()->currentPageId(), pageId);
}

RingPageController* tst_FamilyPages::ringPage(int pageId) const
{
    for (BaseController* controller : navigation()->controllers())
        if (controller->controlledPageId() == pageId)
            return qobject_cast<RingPageController*>(controller);
    return nullptr;
}

bool tst_FamilyPages::isRingBuilt(int pageId) const
{
    if (pageId == BaseController::TERMO_PAGE_ID)
        return controllerOf<ThermoregulationController>(navigation())->areRingsBuilt();
    if (pageId == BaseController::SOUND_PAGE_ID)
        return controllerOf<SoundController>(navigation())->isRingBuilt();
    if (pageId == BaseController::LOAD_MANAGEMENT_PAGE_ID)
        return controllerOf<LoadManagementController>(navigation())->isRingBuilt();
    return ringPage(pageId)->isRingBuilt();
}

CommandControl* tst_FamilyPages::pageRing(int pageId) const
{
    if (pageId == BaseController::TERMO_PAGE_ID)
        return controllerOf<ThermoregulationController>(navigation())->commandControl1();
    if (pageId == BaseController::SOUND_PAGE_ID)
        return controllerOf<SoundController>(navigation())->commandControl();
    if (pageId == BaseController::LOAD_MANAGEMENT_PAGE_ID)
        return controllerOf<LoadManagementController>(navigation())->commandControl();
    return ringPage(pageId)->commandControl();
}

// The theme folder changes the way the settings apply a new skin.
void tst_FamilyPages::changeTheme(const QString& folder)
{
    Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = folder;
    Corvane::Gadgets::ThemeProvider::setThemeFile(QString());
    m_window->themeChanged();
    if (Corvane::Gadgets::NavigationContainer* container = m_window->navigationContainer())
        container->updateCachedData();
    for (BaseController* controller : navigation()->controllers())
        controller->updateControlsCache();
}

// The open ring, fully shown, as the scene draws it.
QImage tst_FamilyPages::shownRingImage() const
{
    Corvane::Gadgets::NavigationControl* carousel = m_window->navigationControl();
    carousel->setCommandControl1ShowProgress(1.0);
    const QRectF area = carousel->commandControl1()->sceneBoundingRect();
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    m_window->graphicsScene()->render(&painter, QRectF(QPointF(), area.size()), area);
    return image;
}

// The device's ring in a program started on the theme.
QImage tst_FamilyPages::ringImageOfFreshStart(const QString& theme, int pageId, int device)
{
    start(theme);
    openPage(pageId);
    clickIcon(device);
    const QImage image = shownRingImage();
    cleanup();
    init();
    return image;
}

// Ends the fade that exchanges the carousel's icons, and the closing of a
// ring, at once.
void tst_FamilyPages::finishFades()
{
    m_window->navigationControl()->setSegmentIconsOpacity(0.0);
    m_window->navigationControl()->setSegmentIconsOpacity(1.0);
    m_window->navigationControl()->setCommandControl1ShowProgress(0.0);
}

NavigationIcon tst_FamilyPages::shownIcon(int id) const
{
    return CarouselLookup::shownIcon(m_window->navigationControl(), id);
}

int tst_FamilyPages::segmentOf(int id) const
{
    return CarouselLookup::segmentOf(m_window->navigationControl(), id);
}

Corvane::Gadgets::SvgContentButton* tst_FamilyPages::ringButton(CommandControl* ring, const QString& buttonId) const
{
    const auto segments = ring->usesEvenSegments() ? ring->evenSegments() : ring->oddSegments();
    for (Corvane::Gadgets::SvgContentButton* segment : segments)
        if (ring->getButtonId(segment) == buttonId)
            return segment;
    return nullptr;
}

void tst_FamilyPages::clickIcon(int id)
{
    m_window->navigationControl()->notifyNavigationIconClicked(shownIcon(id), segmentOf(id), false);
}

QList<int> tst_FamilyPages::cenActions() const
{
    QList<int> actions;
    for (const Message& message : m_listener.messages) {
        if (message.systemType() == Enums::Cen)
            actions.append(message.commandType() - Codes::CEN_BASE);
        else if (message.systemType() == Enums::CenPlus)
            actions.append(message.commandType() - Codes::CEN_PLUS_BASE);
    }
    return actions;
}

void tst_FamilyPages::everyDeviceIsKnownWithoutAServer()
{
    start();
    const QList<BaseController*> pages{controllerOf<ScenariosController>(navigation()),
                                       controllerOf<MotorsController>(navigation()),
                                       controllerOf<PresenceSensorsController>(navigation()),
                                       controllerOf<LightSensorsController>(navigation())};
    for (BaseController* page : pages) {
        QVERIFY(page);
        QVERIFY(!page->devices().isEmpty());
        for (const Corvane::Devices::BaseDevice* device : page->devices()) {
            QVERIFY2(device->isStatusKnown(), qPrintable(device->name()));
            const NavigationIcon icon = page->getIconByIndex(page->indexOfIcon(device->id()));
            QVERIFY2(icon.state() != NavigationIcon::Uninitialized, qPrintable(device->name()));
        }
        QVERIFY(navigation()->pageMap().contains(page->controlledPageId()));
    }
    // The sensor that is both is on both sensor pages.
    QVERIFY(controllerOf<PresenceSensorsController>(navigation())->getDeviceById(HALL_SENSOR));
    QVERIFY(controllerOf<LightSensorsController>(navigation())->getDeviceById(HALL_SENSOR));
}

void tst_FamilyPages::shutterUpStopDown_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QStringList>("renderers");
    QTest::newRow("shutter") << LIVING_ROOM_SHUTTER << QStringList{"shutter_up", "shutter", "shutter_down"};
    QTest::newRow("curtain") << LIVING_ROOM_CURTAIN << QStringList{"curtain_open", "curtain", "curtain_close"};
}

void tst_FamilyPages::shutterUpStopDown()
{
    QFETCH(int, device);
    QFETCH(QStringList, renderers);
    start();
    openPage(BaseController::MOTORS_PAGE_ID);
    auto* motors = controllerOf<MotorsController>(navigation());
    clickIcon(device);
    CommandControl* ring = m_window->navigationControl()->commandControl1();
    QCOMPARE(ring, motors->commandControl());
    QCOMPARE(ring->activeButtonsCount(), 3);
    const QStringList buttons{MotorsController::OPEN_BUTTON_ID, MotorsController::STOP_BUTTON_ID,
                              MotorsController::CLOSE_BUTTON_ID};
    for (int i = 0; i < buttons.size(); ++i) {
        Corvane::Gadgets::SvgContentButton* button = ringButton(ring, buttons.at(i));
        QVERIFY(button);
        Q_EMIT ring->elementClick(button);
        // The simulated gateway hands the movement back as the device's news.
        QCOMPARE(rendererName(shownIcon(device)), renderers.at(i));
        QCOMPARE(shownIcon(device).state(), NavigationIcon::Normal);
    }
}

void tst_FamilyPages::ringOpensAndCloses()
{
    start();
    openPage(BaseController::SCENARIOS_PAGE_ID);
    auto* scenarios = controllerOf<ScenariosController>(navigation());
    clickIcon(HOLIDAY_LIGHTS);
    QCOMPARE(scenarios->selectedDeviceId(), HOLIDAY_LIGHTS);
    // Its stop item is not configured.
    QCOMPARE(m_window->navigationControl()->commandControl1()->activeButtonsCount(), 3);
    clickIcon(HOLIDAY_LIGHTS);
    QCOMPARE(scenarios->selectedDeviceId(), 0);
    QVERIFY(!m_window->navigationControl()->commandControl1());
}

void tst_FamilyPages::floatingButtonsClearEveryRing_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

// The refresh, close, info and resize buttons float over the carousel's
// corners: whichever ring a device of the demo project opens, on whichever
// segment, none of them lies on one of its segments.
void tst_FamilyPages::floatingButtonsClearEveryRing()
{
    QFETCH(QString, theme);
    start(theme);
    Corvane::Gadgets::NavigationControl* carousel = m_window->navigationControl();
    const QList<Corvane::Gadgets::SvgButton*> floating{carousel->refreshButton(), carousel->closeButton(),
                                                       carousel->infoButton(), carousel->resizeButton()};
    const auto checkClear = [&floating](const CommandControl& ring, const QString& where) {
        for (Corvane::Gadgets::SvgButton* over : floating) {
            const QString under = RingPlacement::segmentUnder(*over, ring);
            QVERIFY2(under.isEmpty(), qPrintable(where + QStringLiteral(": %1 on %2").arg(over->elementId(), under)));
        }
    };
    int rings = 0;
    int secondRings = 0;
    for (const NavigationIcon& page : navigation()->homeIcons()) {
        // One name plate per segment.
        for (int segment = 0; segment < carousel->labels()->count(); ++segment) {
            // The first ring alone, then each of its segments clicked in
            // turn: some open a second ring around the first.
            for (int first = -1;; ++first) {
                openPage(page.id());
                // The second ring of the last round has closed.
                carousel->setCommandControl2ShowProgress(0.0);
                const int index = carousel->getIconIndexBySegment(segment);
                if (index < 0 || carousel->icons().at(index).isEmpty())
                    break;
                carousel->notifyNavigationIconClicked(carousel->icons().at(index), segment, false);
                CommandControl* ring = carousel->commandControl1();
                if (!ring || carousel->currentPageId() != page.id())
                    break;
                carousel->setCommandControl1ShowProgress(1.0);
                const QString where = QStringLiteral("page %1, segment %2").arg(page.id()).arg(segment);
                const QList<Corvane::Gadgets::SvgContentButton*> commands = ring->oddSegments() + ring->evenSegments();
                if (first < 0) {
                    ++rings;
                    checkClear(*ring, where);
                    if (QTest::currentTestFailed())
                        return;
                    continue;
                }
                if (first >= commands.size())
                    break;
                if (!commands.at(first)->isVisible())
                    continue;
                Q_EMIT ring->elementClick(commands.at(first));
                CommandControl* second = carousel->commandControl2();
                if (!second || !second->isVisible() || carousel->commandControl1() != ring)
                    continue;
                ++secondRings;
                carousel->setCommandControl2ShowProgress(1.0);
                checkClear(*second, where + QStringLiteral(", second ring of ") + commands.at(first)->elementId());
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }
    QVERIFY(rings > 5);
    QVERIFY(secondRings > 0);
}

void tst_FamilyPages::closingRingIsLetGoWithItsController()
{
    start();
    openPage(BaseController::MOTORS_PAGE_ID);
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    auto extra = std::make_unique<MotorsController>(m_window.get());
    extra->loadDevices(Settings::devicesConfiguration());
    extra->handleNavigationIconClicked(shownIcon(LIVING_ROOM_SHUTTER), segmentOf(LIVING_ROOM_SHUTTER), false);
    QCOMPARE(control->commandControl1(), extra->commandControl());
    control->setCommandControl1ShowProgress(1.0);
    // Going home starts the ring's closing, which ends only after its
    // animation: the carousel still holds it.
    navigation()->goHome();
    QCOMPARE(control->commandControl1(), extra->commandControl());
    extra.reset();
    QVERIFY(!control->commandControl1());
}

void tst_FamilyPages::ringIsBuiltOnFirstOpen_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::newRow("lighting") << int(BaseController::LIGHTS_PAGE_ID) << KITCHEN_CEILING;
    QTest::newRow("automation") << int(BaseController::MOTORS_PAGE_ID) << LIVING_ROOM_SHUTTER;
    QTest::newRow("scenarios") << int(BaseController::SCENARIOS_PAGE_ID) << GOOD_MORNING;
    QTest::newRow("thermoregulation") << int(BaseController::TERMO_PAGE_ID) << LIVING_ROOM_ZONE;
    QTest::newRow("sound") << int(BaseController::SOUND_PAGE_ID) << LIVING_ROOM_AMPLIFIER;
    QTest::newRow("load management") << int(BaseController::LOAD_MANAGEMENT_PAGE_ID) << WASHING_MACHINE;
}

// Loading the project and opening the page build no ring; the first click
// on a device builds it, and every later opening shows that same ring.
void tst_FamilyPages::ringIsBuiltOnFirstOpen()
{
    QFETCH(int, page);
    QFETCH(int, device);
    start();
    QVERIFY(!isRingBuilt(page));
    openPage(page);
    QVERIFY(!isRingBuilt(page));

    clickIcon(device);
    Corvane::Gadgets::NavigationControl* carousel = m_window->navigationControl();
    CommandControl* ring = carousel->commandControl1();
    QVERIFY(ring);
    QVERIFY(isRingBuilt(page));
    QCOMPARE(pageRing(page), ring);
    QVERIFY(ring->activeButtonsCount() > 0);

    clickIcon(device);
    finishFades();
    QVERIFY(!carousel->commandControl1());
    clickIcon(device);
    QCOMPARE(carousel->commandControl1(), ring);
}

void tst_FamilyPages::ringFollowsTheTheme_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("builtBeforeTheChange");
    const QList<std::tuple<const char*, int, int>> pages{
        {"automation", BaseController::MOTORS_PAGE_ID, LIVING_ROOM_SHUTTER},
        {"thermoregulation", BaseController::TERMO_PAGE_ID, LIVING_ROOM_ZONE},
        {"sound", BaseController::SOUND_PAGE_ID, LIVING_ROOM_AMPLIFIER},
        {"load management", BaseController::LOAD_MANAGEMENT_PAGE_ID, WASHING_MACHINE},
    };
    for (const auto& [name, page, device] : pages) {
        QTest::addRow("%s, built before the change", name) << page << device << true;
        QTest::addRow("%s, built after the change", name) << page << device << false;
    }
}

// A ring built before a theme change is drawn again in the new theme; one
// built after it is drawn in the new theme from the start.
void tst_FamilyPages::ringFollowsTheTheme()
{
    QFETCH(int, page);
    QFETCH(int, device);
    QFETCH(bool, builtBeforeTheChange);
    const QImage talvera = ringImageOfFreshStart(QStringLiteral(":/TalveraTheme"), page, device);
    const QImage corvane = ringImageOfFreshStart(QStringLiteral(":/CorvaneTheme"), page, device);
    QVERIFY(talvera != corvane);

    start(QStringLiteral(":/TalveraTheme"));
    openPage(page);
    if (builtBeforeTheChange) {
        clickIcon(device);
        clickIcon(device);
        finishFades();
    }
    QCOMPARE(isRingBuilt(page), builtBeforeTheChange);
    changeTheme(QStringLiteral(":/CorvaneTheme"));
    clickIcon(device);
    QCOMPARE(shownRingImage(), corvane);
}

void tst_FamilyPages::scenarioRunsAndHeldCenItem()
{
    start();
    openPage(BaseController::SCENARIOS_PAGE_ID);
    auto* scenarios = controllerOf<ScenariosController>(navigation());
    CommandControl* ring = scenarios->commandControl();

    clickIcon(GOOD_MORNING);
    Corvane::Gadgets::SvgContentButton* start = ringButton(ring, ScenariosController::START_BUTTON_ID);
    QVERIFY(start);
    Q_EMIT ring->elementPress(start);
    m_clock->advance(1500);
    Q_EMIT ring->elementRelease(start);
    int runs = 0;
    for (const Message& message : std::as_const(m_listener.messages))
        runs += message.systemType() == Enums::Scenarios && message.commandType() == 1;
    QCOMPARE(runs, 1);

    clickIcon(GOOD_MORNING);
    clickIcon(HOLIDAY_LIGHTS);
    Corvane::Gadgets::SvgContentButton* enable = ringButton(ring, ScenariosController::ENABLE_BUTTON_ID);
    QVERIFY(enable);
    Q_EMIT ring->elementPress(enable);
    m_clock->advance(1200);
    Q_EMIT ring->elementRelease(enable);
    QCOMPARE(cenActions(), (QList<int>{0, 3, 3, 2}));
}

void tst_FamilyPages::carouselLevelRoundsHalfUp()
{
    start();
    openPage(BaseController::SCENARIOS_PAGE_ID);
    auto* scenarios = controllerOf<ScenariosController>(navigation());
    clickIcon(RELAX);
    Corvane::Gadgets::NavigationLabels* labels = m_window->navigationControl()->labels();
    // A half step, so that the slider holds 49.5 itself.
    labels->setSliderValueStep(segmentOf(RELAX), 0.5);
    labels->setSliderValue(segmentOf(RELAX), 49.5);
    QCOMPARE(labels->sliderValue(segmentOf(RELAX)), 49.5);
    CommandControl* ring = scenarios->commandControl();
    Corvane::Gadgets::SvgContentButton* start = ringButton(ring, ScenariosController::START_BUTTON_ID);
    Q_EMIT ring->elementPress(start);
    Q_EMIT ring->elementRelease(start);
    QList<int> levels;
    for (const Message& message : std::as_const(m_listener.messages))
        if (message.systemType() == Enums::ScenarioPlus && message.commandType() == Codes::SCENARIO_PLUS_START)
            levels.append(message.parameters().value(0).value());
    QCOMPARE(levels, QList<int>{50});
}

void tst_FamilyPages::presenceAndLuxShown()
{
    start();
    openPage(BaseController::LUMIN_PAGE_ID);
    auto* lux = controllerOf<LightSensorsController>(navigation());
    const auto* garden = static_cast<const Corvane::Devices::LightSensorDevice*>(lux->getDeviceById(GARDEN_LIGHT_SENSOR));
    QVERIFY(garden->intensity() >= 10 && garden->intensity() <= 1000);
    QCOMPARE(shownIcon(GARDEN_LIGHT_SENSOR).text(), QLocale().toString(garden->intensity()) + QStringLiteral(" lx"));

    openPage(BaseController::PRESENCE_PAGE_ID);
    auto* presence = controllerOf<PresenceSensorsController>(navigation());
    const auto* garage
        = static_cast<const Corvane::Devices::PresenceSensorDevice*>(presence->getDeviceById(GARAGE_PRESENCE_SENSOR));
    QCOMPARE(garage->granularity(), 5);
    QCOMPARE(shownIcon(GARAGE_PRESENCE_SENSOR).state(),
             garage->isPresenceDetected() ? NavigationIcon::Normal : NavigationIcon::Inactive);
    // Whoever was seen is gone after the 5 s hold time.
    m_clock->advance(5000);
    QVERIFY(!garage->isPresenceDetected());
    QCOMPARE(shownIcon(GARAGE_PRESENCE_SENSOR).state(), NavigationIcon::Inactive);
}

void tst_FamilyPages::bothGatewayTypesReadTheSensors()
{
    start();
    auto* lux = controllerOf<LightSensorsController>(navigation());
    QSet<int> types;
    for (quint32 seed = 1; seed <= 16 && types.size() < 2; ++seed) {
        gateway()->setRandomSeed(seed);
        lux->setDrivers(lux->drivers());
        lux->updateStatus(-1);
        const int type = lux->gatewayTypes().value(navigation()->drivers().firstKey());
        types.insert(type);
        for (const Corvane::Devices::BaseDevice* device : lux->devices())
            QVERIFY2(device->isStatusKnown(), qPrintable(QStringLiteral("type %1: %2").arg(type).arg(device->name())));
    }
    QCOMPARE(types, (QSet<int>{1, 2}));
}

void tst_FamilyPages::outOfRangeValues_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("field");
    const auto lighting = [](int command, int dimension, const QList<int>& values, const QString& address) {
        return Message(Enums::DimensionWrite, Enums::Lighting, address, command, dimension, values, 0);
    };
    // The field a sensor's one warning names; none for messages that are
    // dropped without a sensor to name, or that are in range.
    QTest::newRow("hold time of 100000 h")
        << lighting(Codes::PRESENCE_DETECTED, Codes::PRESENCE_GRANULARITY, {100000, 0, 0}, QStringLiteral("11#3"))
        << "hold time";
    QTest::newRow("hold time past the int range")
        << lighting(0, Codes::PRESENCE_GRANULARITY, {2147483647, 59, 59}, QStringLiteral("13#3")) << "hold time";
    QTest::newRow("negative hold time")
        << lighting(0, Codes::PRESENCE_GRANULARITY, {-1, -1, -1}, QStringLiteral("13#3")) << "hold time";
    QTest::newRow("hold time below the int range")
        << lighting(0, Codes::PRESENCE_GRANULARITY, {-2147483647 - 1, 0, 0}, QStringLiteral("13#3")) << "hold time";
    QTest::newRow("negative lux") << lighting(0, Codes::LIGHT_SENSOR_LUX, {-40}, QStringLiteral("12#3"))
                                  << "lux value";
    QTest::newRow("lux without a value") << lighting(0, Codes::LIGHT_SENSOR_LUX, {}, QStringLiteral("12#3"))
                                         << "lux value";
    QTest::newRow("gateway type 7")
        << Message(Enums::DimensionValue, Enums::Lighting, QString(), 0, Codes::LIGHT_SENSORS_TYPE_1, {}, 0) << "";
    QTest::newRow("extended reading, address longer than its values")
        << Message(Enums::DimensionValue, Enums::LightSensorsExtended, QStringLiteral("27"), 0,
                   Codes::EXTENDED_LIGHT_SENSOR_LUX, {1, 2}, 5)
        << "";
    QTest::newRow("automation code far off")
        << Message(Enums::Command, Enums::Automation, QStringLiteral("25#3"), -2147483647, 0) << "";
    QTest::newRow("automation, empty address") << Message(Enums::Command, Enums::Automation, QString(), 200001, 0)
                                               << "";
    QTest::newRow("automation to a group") << Message(Enums::Command, Enums::Automation, QStringLiteral("#9999"), 200001, 0)
                                           << "";
}

void tst_FamilyPages::outOfRangeValues()
{
    QFETCH(Message, message);
    QFETCH(QString, field);
    start();
    LogCapture log;
    gateway()->sendMessageToListeners(message, Message(), true);
    const QStringList warnings = log.lines().filter(QRegularExpression(QStringLiteral("(presence|light) sensor \\d+ \\(")));
    if (field.isEmpty()) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QStringLiteral("): ") + field), qPrintable(warnings.first()));
    }
    auto* presence = controllerOf<PresenceSensorsController>(navigation());
    for (const Corvane::Devices::BaseDevice* device : presence->devices()) {
        const int holdTime = static_cast<const Corvane::Devices::PresenceSensorDevice*>(device)->granularity();
        QVERIFY(holdTime >= 0 && holdTime <= PresenceSensorsController::MAX_HOLD_TIME);
    }
    auto* lux = controllerOf<LightSensorsController>(navigation());
    for (const Corvane::Devices::BaseDevice* device : lux->devices())
        QVERIFY(static_cast<const Corvane::Devices::LightSensorDevice*>(device)->intensity() >= 0);
    // Presence counting still runs to its end.
    m_clock->advance(qint64(PresenceSensorsController::MAX_HOLD_TIME) * 1000 + 1000);
    QVERIFY(presence->presenceTable().isEmpty());
}

void tst_FamilyPages::decodedFuzzCorpus()
{
    start();
    const QList<Message> corpus = fuzzCorpus();
    QVERIFY(!corpus.isEmpty());
    for (const Message& message : corpus)
        gateway()->sendMessageToListeners(message, Message(), true);

    // Every corpus message again, sent to each device of each family page
    // with the family's system and codes, with its values as they are,
    // negated and at the int maximum.
    const QList<Family> families = familiesOnThePages();
    int delivered = 0;
    for (const Family& family : families) {
        const QStringList addresses = addressesOf(family.controller);
        QVERIFY2(!addresses.isEmpty(), family.controller->metaObject()->className());
        for (const Message& message : corpus) {
            const QList<int> codes = QList<int>{message.commandType()} + family.codes;
            for (const QList<Value<int>>& values : valueVariants(message.parameters()))
                for (const QString& address : addresses)
                    for (int system : family.systems)
                        for (int type : {Enums::Command, Enums::DimensionWrite, Enums::DimensionValue})
                            for (int code : codes) {
                                const int dimension = code == message.commandType() ? message.dimension() : code;
                                gateway()->sendMessageToListeners(
                                    Message::withOptionalValues(type, system, address, code, dimension, values,
                                                                message.dimensionParameterCount()),
                                    Message(), true);
                                ++delivered;
                            }
        }
    }
    QVERIFY(delivered > 0);
    verifyStatedValuesInRange();
    m_clock->advance(qint64(PresenceSensorsController::MAX_HOLD_TIME) * 1000 + 1000);
    QVERIFY(controllerOf<PresenceSensorsController>(navigation())->presenceTable().isEmpty());
}

QList<Message> tst_FamilyPages::fuzzCorpus() const
{
    QList<Message> messages;
    const QDir corpus(QStringLiteral(FUZZ_CORPUS));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const Corvane::PravikDriver::Frame frame = Corvane::PravikDriver::FrameCodec::decode(line);
            if (frame.verb != Corvane::PravikDriver::Frame::Invalid && !frame.message.isEmpty())
                messages.append(frame.message);
        }
    }
    return messages;
}

QList<tst_FamilyPages::Family> tst_FamilyPages::familiesOnThePages() const
{
    const QList<int> sound {Codes::SOURCE_OFF,
                            Codes::SOURCE_ON_IN_AREA,
                            Codes::SOURCE_ON_IN_ALL_AREAS,
                            Codes::AMPLIFIER_VOLUME,
                            Codes::ACTIVE_SOURCES_FOUR_AREAS,
                            Codes::ACTIVE_SOURCES_EIGHT_AREAS,
                            Codes::SOURCE_FREQUENCY,
                            Codes::SOURCE_STATION_OR_TRACK,
                            Codes::SOURCE_RDS,
                            Codes::SOURCE_TUNING,
                            Codes::AMPLIFIER_STATE,
                            Codes::AMPLIFIER_OFF,
                            Codes::AMPLIFIER_ON};
    return {
        {controllerOf<MotorsController>(navigation()), {Enums::Automation},
         {Codes::SHUTTER_STOP, Codes::SHUTTER_STOP + 1, Codes::SHUTTER_STOP + 2}},
        {controllerOf<ScenariosController>(navigation()),
         {Enums::Scenarios, Enums::ScenarioPlus, Enums::Cen, Enums::CenPlus},
         {Codes::SCENARIO_PLUS_START, Codes::SCENARIO_PLUS_STOP, Codes::CEN_BASE, Codes::CEN_PLUS_BASE}},
        {controllerOf<SoundController>(navigation()), {Enums::Sound}, sound},
        {controllerOf<PresenceSensorsController>(navigation()), {Enums::Lighting},
         {Codes::PRESENCE_GRANULARITY, Codes::PRESENCE_DETECTED, Codes::PRESENCE_ENDED}},
        {controllerOf<LightSensorsController>(navigation()), {Enums::Lighting, Enums::LightSensorsExtended},
         {Codes::LIGHT_SENSOR_LUX, Codes::EXTENDED_LIGHT_SENSOR_LUX, Codes::LIGHT_SENSORS_TYPE_1,
          Codes::LIGHT_SENSORS_TYPE_2}},
    };
}

// The texts a gateway may name a device of the controller by.
QStringList tst_FamilyPages::addressesOf(const BaseController* controller)
{
    QStringList addresses;
    for (const Corvane::Devices::BaseDevice* device : controller->devices()) {
        const QList<Address::DeviceType> types {BaseController::getAddressDeviceType(device->deviceType()),
                                                Address::SoundSource, Address::Amplifier};
        for (Address::DeviceType type : types)
            for (Address::Direction direction : {Address::Send, Address::Compare, Address::SoundStatus})
                addresses.append(BaseController::getAddressText(device->address(), type, direction));
    }
    addresses.removeDuplicates();
    addresses.removeAll(QString());
    return addresses;
}

QList<QList<Value<int>>> tst_FamilyPages::valueVariants(const QList<Value<int>>& values)
{
    QList<Value<int>> negated;
    QList<Value<int>> highest;
    for (const Value<int>& value : values) {
        negated.append(value.isValid() ? Value<int>(-value.value() - 1) : value);
        highest.append(value.isValid() ? Value<int>(std::numeric_limits<int>::max()) : value);
    }
    return {values, negated, highest};
}

void tst_FamilyPages::verifyStatedValuesInRange() const
{
    for (const Corvane::Devices::BaseDevice* device : controllerOf<MotorsController>(navigation())->devices()) {
        const auto* shutter = static_cast<const Corvane::Devices::ShutterDevice*>(device);
        QVERIFY(!(shutter->isOpening() && shutter->isClosing()));
    }
    auto* sound = controllerOf<SoundController>(navigation());
    for (const Corvane::Devices::BaseDevice* device : sound->devices()) {
        if (const auto* amplifier = dynamic_cast<const Corvane::Devices::AmplifierDevice*>(device)) {
            QVERIFY2(amplifier->volume() >= 0 && amplifier->volume() <= SoundController::AMPLIFIER_MAX_VALUE,
                     qPrintable(QString::number(amplifier->volume())));
        } else if (const auto* source = dynamic_cast<const Corvane::Devices::SoundSourceDevice*>(device)) {
            bool hasInfo = false;
            QString text;
            SoundController::deviceInfoFromSource(source, hasInfo, text);
            QVERIFY(text.startsWith(source->name()));
        }
    }
    const QHash<Corvane::Devices::ItemKey, int> active = sound->activeSources();
    for (auto it = active.cbegin(); it != active.cend(); ++it)
        QVERIFY2(it.key().subId() >= 0 && it.key().subId() <= 8, qPrintable(QString::number(it.key().subId())));
    for (const Corvane::Devices::BaseDevice* device : controllerOf<PresenceSensorsController>(navigation())->devices()) {
        const int holdTime = static_cast<const Corvane::Devices::PresenceSensorDevice*>(device)->granularity();
        QVERIFY2(holdTime >= 0 && holdTime <= PresenceSensorsController::MAX_HOLD_TIME,
                 qPrintable(QString::number(holdTime)));
    }
    for (const Corvane::Devices::BaseDevice* device : controllerOf<LightSensorsController>(navigation())->devices())
        QVERIFY(static_cast<const Corvane::Devices::LightSensorDevice*>(device)->intensity() >= 0);
}

void tst_FamilyPages::renderPages()
{
    const QByteArray folder = qgetenv("CORVANE_SHOTS_DIR");
    if (folder.isEmpty())
        QSKIP("set CORVANE_SHOTS_DIR to write the pages as PNG images");
    const QDir output(QString::fromLocal8Bit(folder));
    output.mkpath(QStringLiteral("."));
    for (const QString& theme : {QStringLiteral("TalveraTheme"), QStringLiteral("CorvaneTheme")}) {
        start(QStringLiteral(":/") + theme);
        const auto shoot = [&](const QString& name) {
            QGraphicsScene* scene = m_window->graphicsScene();
            const QRectF area = scene->itemsBoundingRect();
            QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(QColor(200, 200, 200));
            QPainter painter(&image);
            scene->render(&painter, QRectF(QPointF(), area.size()), area);
            painter.end();
            QVERIFY(image.save(output.filePath(theme + QLatin1Char('-') + name + ".png")));
        };
        openPage(BaseController::MOTORS_PAGE_ID);
        shoot(QStringLiteral("automation"));
        clickIcon(LIVING_ROOM_SHUTTER);
        Q_EMIT m_window->navigationControl()->commandControl1()->elementClick(
            ringButton(m_window->navigationControl()->commandControl1(), MotorsController::OPEN_BUTTON_ID));
        m_window->navigationControl()->setCommandControl1ShowProgress(1.0);
        shoot(QStringLiteral("automation-ring"));
        openPage(BaseController::SCENARIOS_PAGE_ID);
        shoot(QStringLiteral("scenarios"));
        clickIcon(HOLIDAY_LIGHTS);
        m_window->navigationControl()->setCommandControl1ShowProgress(1.0);
        shoot(QStringLiteral("scenarios-ring"));
        openPage(BaseController::PRESENCE_PAGE_ID);
        shoot(QStringLiteral("presence"));
        openPage(BaseController::LUMIN_PAGE_ID);
        shoot(QStringLiteral("light-sensors"));
        navigation()->goHome();
        finishFades();
        shoot(QStringLiteral("home"));
        cleanup();
        init();
    }
}

QTEST_MAIN(tst_FamilyPages)
#include "tst_familypages.moc"
